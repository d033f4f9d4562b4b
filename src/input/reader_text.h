// Small pieces of the error texts that the section readers share.
#pragma once

#include <cstdio>
#include <string>

#include "input/input_file.h"

namespace torva {

// "line N" for the line of the input data file read last.
inline std::string line_text(const Engine& engine) {
  return "line " + std::to_string(input_line_number(engine));
}

// A value as the input gave it, without trailing zeros ("10", "0.25", "1e-06").
inline std::string value_text(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

}  // namespace torva
