#include "support/test_support.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "engine/run_sequence.h"

namespace torva::testing {

namespace fs = std::filesystem;

std::vector<std::string> read_lines(const fs::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string read_text(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

RunFolder::RunFolder() : engine_(std::make_unique<Engine>()) {
  std::random_device random;
  path_ = fs::temp_directory_path() / ("torva-test-" + std::to_string(random()));
  fs::create_directories(path_);
}

RunFolder::~RunFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void RunFolder::write(const std::string& name, const std::string& text) const {
  std::ofstream(path_ / name) << text;
}

void RunFolder::write_names() const {
  write("NAMES.DAT", "input.tp7\nreport.txt\nplot.txt\nmessages.txt\n");
}

int RunFolder::run(const std::string& input_text) {
  write("input.tp7", input_text);
  write_names();
  // Like the front end, name a moment-curvature file for every section and thrust value,
  // unless the test has written its own list.
  if (!fs::exists(file("M_vs_EI_report_names.txt"))) {
    std::string names;
    for (int k = 1; k <= kMaxSections * kMaxThrusts; ++k) {
      char name[32];
      std::snprintf(name, sizeof name, "mc-%04d.txt\n", k);
      names += name;
    }
    write("M_vs_EI_report_names.txt", names);
  }
  return run_as_is();
}

int RunFolder::run_as_is(int interface_version) {
  const fs::path saved = fs::current_path();
  fs::current_path(path_);
  const int code = run_analysis(*engine_, interface_version);
  fs::current_path(saved);
  return code;
}

RunOutputs run_outputs(const std::string& input) {
  RunFolder folder;
  RunOutputs outputs;
  outputs.code = folder.run(input);
  outputs.report = folder.report();
  outputs.plot = folder.plot();
  outputs.messages = folder.messages();
  return outputs;
}

bool contains_block(const std::vector<std::string>& lines, const std::vector<std::string>& expected) {
  return std::search(lines.begin(), lines.end(), expected.begin(), expected.end()) != lines.end();
}

bool contains_line(const std::vector<std::string>& lines, const std::string& expected) {
  return std::find(lines.begin(), lines.end(), expected) != lines.end();
}

::testing::AssertionResult InputAccepted(int code) {
  if (code > 100 && code < 200) {
    return ::testing::AssertionFailure() << "input error " << code - 100;
  }
  return ::testing::AssertionSuccess();
}

namespace {

std::string yes_no(bool on) { return on ? " YES\n" : " NO\n"; }

}  // namespace

std::string options_for(const Switches& s) {
  return "OPTIONS\n" + s.units + "\n" + "UseLRFD" + yes_no(s.lrfd) +
         "ComputeKmatrix NO\n"
         "UseTipShear" +
         yes_no(s.tip_shear) + "UseSoilMovement" + yes_no(s.soil_movement) + "UsePYModifiers" +
         yes_no(s.py_modifiers) + "ComputeEIOnly" + yes_no(s.ei_only) +
         "Loading STATIC     0\n"
         "MaxIterations 100\n"
         "DeflectionLimit 10.0\n"
         "Tolerance 1.0E-5\n"
         "Increments 100\n"
         "PrintSummaryOnly NO\n"
         "PrintIncrement 1\n"
         "PrintPYCurves" +
         yes_no(s.print_py_curves) +
         (s.interaction ? "ComputeInteraction YES\nInteractionCode AASHTO\n"
                        : "ComputeInteraction NO\n") +
         "ComputePushover NO\n"
         "ComputePileBuckling NO\n";
}

std::string options_section(const std::string& units) { return options_for({.units = units}); }

}  // namespace torva::testing
