// What the torva program does around one call of the engine: it writes the control files a
// front end writes, runs the engine in the output folder and explains the result.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace torva::app {

struct RunFiles {
  std::filesystem::path input;
  std::filesystem::path report;
  std::filesystem::path plot;
  std::filesystem::path message;
};

// The files of a run of `input` with outputs in `out_dir`.
RunFiles plan_run(const std::filesystem::path& input, const std::filesystem::path& out_dir);

// Writes NAMES.DAT and M_vs_EI_report_names.txt in the output folder, calls the engine there
// (restoring the working folder afterwards) and returns the engine's result code.
int run_engine(const RunFiles& files);

// The moment-curvature files the run wrote (one per section and thrust value), in the order
// of their names.
std::vector<std::filesystem::path> section_report_files(const RunFiles& files);

// Plain words for an engine result code.
std::string describe_result(int code);

}  // namespace torva::app
