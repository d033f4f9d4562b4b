// Whole runs of the engine in a temporary folder, and reading back what they wrote.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/engine.h"

namespace torva::testing {

std::vector<std::string> read_lines(const std::filesystem::path& file);
std::string read_text(const std::filesystem::path& file);

// A temporary working folder that the test runs the engine in; removed afterwards.
class RunFolder {
 public:
  RunFolder();
  ~RunFolder();
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path file(const std::string& name) const { return path_ / name; }
  void write(const std::string& name, const std::string& text) const;

  // Writes NAMES.DAT for input.tp7, report.txt, plot.txt and messages.txt.
  void write_names() const;
  // Writes the input file, NAMES.DAT and (unless the test wrote one) a list of 2000
  // moment-curvature file names mc-0001.txt ..., runs the engine in this folder and returns
  // its code.
  int run(const std::string& input_text);
  // Runs the engine in this folder on whatever control files are there.
  int run_as_is(int interface_version = 7001);

  Engine& engine() { return *engine_; }
  std::vector<std::string> report() const { return read_lines(file("report.txt")); }
  std::vector<std::string> plot() const { return read_lines(file("plot.txt")); }
  std::vector<std::string> messages() const { return read_lines(file("messages.txt")); }

 private:
  std::filesystem::path path_;
  std::unique_ptr<Engine> engine_;
};

// What a whole run returned and wrote.
struct RunOutputs {
  int code = -1;
  std::vector<std::string> report, plot, messages;
};
// Runs `input` in a fresh folder and reads its three files back.
RunOutputs run_outputs(const std::string& input);

// True when `lines` holds `expected` as consecutive lines starting somewhere.
bool contains_block(const std::vector<std::string>& lines, const std::vector<std::string>& expected);
bool contains_line(const std::vector<std::string>& lines, const std::string& expected);

// Tests of the readers check that a file was read and converted: a code that is not an input
// error (what the analysis then makes of the model is tested with the analysis).
::testing::AssertionResult InputAccepted(int code);

// The switches of the OPTIONS section of a small analysis (100 increments, static loading).
struct Switches {
  std::string units = "Units USCS";
  bool lrfd = false;
  bool tip_shear = false;
  bool soil_movement = false;
  bool py_modifiers = false;
  bool ei_only = false;
  bool print_py_curves = false;
  bool interaction = false;
  bool pile = true;  // input tests: end the file with one pile section
};
std::string options_for(const Switches& switches);

// The OPTIONS section of a small full analysis with the given unit line.
std::string options_section(const std::string& units = "Units USCS");

}  // namespace torva::testing
