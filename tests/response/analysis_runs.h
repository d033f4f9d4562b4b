// Whole runs of the analyses after the load cases: the elastic pile of semi_infinite_beam.h as
// an input file, the control data sections, and the plot records read back by number.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/plot_file.h"
#include "support/test_support.h"

namespace torva::testing {

inline std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The options of a small analysis at 200 increments with the analyses whose data sections
// `analyses` holds switched on.
inline std::string options_with(const std::string& analyses,
                                const std::string& units = "Units USCS") {
  std::string options = replaced(options_for({.units = units}), "Increments 100", "Increments 200");
  const std::pair<const char*, const char*> switches[] = {
      {"FOUNDATION STIFFNESS", "ComputeKmatrix"},
      {"PILE PUSHOVER ANALYSIS DATA", "ComputePushover"},
      {"PILE BUCKLING ANALYSIS DATA", "ComputePileBuckling"}};
  for (const auto& [section, option] : switches) {
    if (analyses.find(section) == std::string::npos) continue;
    options = replaced(options, std::string(option) + " NO", std::string(option) + " YES");
  }
  return options;
}

// The beam of semi_infinite_beam.h as an input file: a 100-ft elastic pile of EI = 1e10 lb-in^2
// (a 10-in square, I = 10^4 / 12 in^4, E = 1.2e7 psi) in an elastic subgrade of 100 pci, so
// that Es = 1000 psi, from the ground surface `ground` ft below the pile head down.
inline std::string beam_input(const std::string& loading, const std::string& analyses,
                              const std::string& units = "Units USCS",
                              const std::string& ground = "0.0") {
  return "TORVAP7\n" + options_with(analyses, units) +
         "SECTIONS\n1\n1\n11\n100.0\n1\n1.2E7\n10.0\n10.0\n10.0\n10.0\n100.0\n100.0\n833.3\n833.3\n"
         "SOIL LAYERS\n1\n13 " +
         ground + " 110.0\n0.0 100.0\n0.0 100.0\n" + loading + analyses + "END\n";
}

// One load case; `sweep` asks for the pile-length sweep.
inline std::string one_load_case(int type, double first, double second, double Q = 0.0,
                                 bool sweep = false) {
  std::ostringstream text;
  text << "LOADING\n1\n1 " << type << " " << first << " " << second << " " << Q << " "
       << (sweep ? 0 : 1) << "\n0\n";
  return text.str();
}

inline std::vector<PlotRecord> records_numbered(const std::vector<std::string>& plot, int number) {
  std::vector<PlotRecord> found;
  for (const std::string& line : plot) {
    const PlotRecord record = parse_plot_record(line);
    if (record.number() == number) found.push_back(record);
  }
  return found;
}

inline std::string read_example(const char* name) {
  std::ifstream in(std::filesystem::path(TORVA_EXAMPLES_DIR) / name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace torva::testing
