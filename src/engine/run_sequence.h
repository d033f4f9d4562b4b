// One run of the engine, from NAMES.DAT to the closing block.
#pragma once

#include "model/engine.h"

namespace torva {

// Runs one analysis in the current folder and returns the code LGO returns.
int run_analysis(Engine& engine, int interface_version);

// LGO's result after the closing block: the error number, else the one summarised warning's
// code, -300 for several distinct warnings, 0 for none.
int result_code(const Engine& engine, bool summary_written);

// The path parts of a file name resolved to its full path (blank when it cannot be resolved).
struct PathParts {
  std::string drive;      // up to 3 characters (empty on systems without drives)
  std::string directory;  // with its trailing separator
  std::string base;
  std::string extension;  // with its dot, up to 5 characters
};
PathParts split_path(const std::string& name);

}  // namespace torva
