// A few lines per load case, read back from the plot-output file of a finished run, so that a
// user sees the answer without opening the report.
#pragma once

#include <filesystem>
#include <string>

namespace torva::app {

// For each load case: pile-head deflection and rotation, and the largest bending moment and
// shear force with the depths where they occur. Empty when the file holds no load case.
std::string summarize_load_cases(const std::filesystem::path& plot_file);

}  // namespace torva::app
