// Whole runs of the bundled examples through the engine, as a front end makes them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/run_sequence.h"

namespace {

namespace fs = std::filesystem;

std::string read_example(const char* example) {
  std::ifstream in(fs::path(TORVA_EXAMPLES_DIR) / example);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the example with its number of increments replaced by `increments` (0 keeps it); a
// negative number computes the bending properties only.
void run_example(benchmark::State& state, const char* example, int increments) {
  std::string input = read_example(example);
  if (increments < 0) {
    const auto at = input.find("ComputeEIOnly NO");
    if (at != std::string::npos) input.replace(at, 16, "ComputeEIOnly YES");
  }
  const auto at = input.find("\nIncrements ");
  if (increments > 0 && at != std::string::npos) {
    const auto end = input.find('\n', at + 1);
    input.replace(at + 1, end - at - 1, "Increments " + std::to_string(increments));
  }
  const fs::path folder = fs::temp_directory_path() / "torva-bench";
  fs::create_directories(folder);
  const fs::path saved = fs::current_path();
  fs::current_path(folder);
  std::ofstream("input.tp7") << input;
  std::ofstream("NAMES.DAT") << "input.tp7\nreport.txt\nplot.txt\nmessages.txt\n";
  auto engine = std::make_unique<torva::Engine>();
  for (auto _ : state) {
    // The engine reads and deletes the moment-curvature file names at the start of every run.
    state.PauseTiming();
    {
      std::ofstream names("M_vs_EI_report_names.txt");
      for (int k = 1; k <= 40; ++k) names << "mc-" << k << ".txt\n";
    }
    state.ResumeTiming();
    const int code = torva::run_analysis(*engine, 7001);
    if (code > 0) state.SkipWithError("the example ended with an error");
  }
  fs::current_path(saved);
}

}  // namespace

BENCHMARK_CAPTURE(run_example, minimal, "minimal.tp7", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, soft_clay_500_increments_4_cases, "soft_clay_pile.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, elastic_subgrade_si, "elastic_subgrade_si.tp7", 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, sand_reese_500_increments, "sand_reese.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, api_sand_500_increments, "api_sand.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, liquefied_sand_si_500_increments, "liquefied_sand_si.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, drilled_shaft_us_500_increments, "drilled_shaft_us.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, drilled_shaft_us_bending_properties_only, "drilled_shaft_us.tp7", -1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
