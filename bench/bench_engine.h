// The engine the component benchmarks start from: run files in a temporary folder and the
// iteration options of a US customary run.
#pragma once

#include <filesystem>
#include <memory>

#include "model/engine.h"

namespace torva::bench {

inline std::unique_ptr<Engine> make_bench_engine(const char* folder_name) {
  namespace fs = std::filesystem;
  auto engine = std::make_unique<Engine>();
  const fs::path folder = fs::temp_directory_path() / folder_name;
  fs::create_directories(folder);
  engine->run.report.open((folder / "report.txt").string());
  engine->run.message.open((folder / "messages.txt").string());
  engine->run.labels.length = "in";
  engine->run.current_load_case = 1;
  Options& options = engine->options;
  options.IUNITS = kUnitsUS;
  options.MaxIterations = 100;
  options.ConvergenceTolerance = 1e-5;
  options.DeflectionLimit = 100.0;
  return engine;
}

}  // namespace torva::bench
