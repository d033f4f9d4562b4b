// Whole input data files for the reader tests: the options of a run with the switches a test
// needs, and the file around the sections under test.
#pragma once

#include <string>

#include "support/test_support.h"

namespace torva::testing {

// One steel pipe section, 24 in (610 mm) by 0.5 in (12.7 mm), 50 ft (15 m) long.
inline std::string one_pipe_section(const std::string& units = "Units USCS") {
  if (units == "Units SI") return "SECTIONS\n1\n1\n4\n15\n610\n12.7\n248000\n200000000\n";
  return "SECTIONS\n1\n1\n4\n50\n24\n0.5\n36000\n29000000\n";
}

// A complete input file: the options, then `sections` (keyword lines and their data), the pile
// (unless switched off) and END.
inline std::string input_file(const Switches& s, const std::string& sections) {
  return "TORVAP7\n" + options_for(s) + sections + (s.pile ? one_pipe_section(s.units) : "") +
         "END\n";
}

// Soft clay from the ground surface (at the pile head) down to `bottom` (input depth unit),
// below the tip of one_pipe_section(): the smallest soil a full analysis needs.
inline std::string one_soft_clay_layer(const std::string& bottom = "60") {
  return "SOIL LAYERS\n1\n1 0 " + bottom + "\n100 1000 0.01\n100 1000 0.01\n";
}

// The smallest model a full analysis accepts: one_pipe_section() in one soft clay layer from
// the pile head to below its tip. Without load cases the run ends after the summary.
inline std::string smallest_model(const std::string& units = "Units USCS") {
  const std::string si_clay = "SOIL LAYERS\n1\n1 0 20\n18 50 0.01\n18 50 0.01\n";
  return one_pipe_section(units) + (units == "Units SI" ? si_clay : one_soft_clay_layer());
}

}  // namespace torva::testing
