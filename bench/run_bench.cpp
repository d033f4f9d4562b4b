// Whole runs of the bundled examples through the engine, as a front end makes them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "engine/run_sequence.h"

namespace {

namespace fs = std::filesystem;

void run_example(benchmark::State& state, const char* example) {
  const fs::path folder = fs::temp_directory_path() / "torva-bench";
  fs::create_directories(folder);
  const fs::path saved = fs::current_path();
  fs::current_path(folder);
  std::ofstream("NAMES.DAT") << (fs::path(TORVA_EXAMPLES_DIR) / example).string()
                             << "\nreport.txt\nplot.txt\nmessages.txt\n";
  auto engine = std::make_unique<torva::Engine>();
  for (auto _ : state) {
    const int code = torva::run_analysis(*engine, 7001);
    if (code > 0) state.SkipWithError("the example ended with an error");
  }
  fs::current_path(saved);
}

}  // namespace

BENCHMARK_CAPTURE(run_example, minimal, "minimal.tp7")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
