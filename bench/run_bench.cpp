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

// The input with its number of increments replaced by `increments` (0 keeps it).
std::string with_increments(std::string input, int increments) {
  const auto at = input.find("\nIncrements ");
  if (increments > 0 && at != std::string::npos) {
    const auto end = input.find('\n', at + 1);
    input.replace(at + 1, end - at - 1, "Increments " + std::to_string(increments));
  }
  return input;
}

// Whole runs of one input file.
void run_input(benchmark::State& state, const std::string& input) {
  const fs::path folder = fs::temp_directory_path() / "torva-bench";
  fs::create_directories(folder);
  const fs::path saved = fs::current_path();
  fs::current_path(folder);
  std::ofstream("input.tp7") << input;
  std::ofstream("NAMES.DAT") << "input.tp7\nreport.txt\nplot.txt\nmessages.txt\n";
  auto engine = std::make_unique<torva::Engine>();
  for (auto _ : state) {
    const int code = torva::run_analysis(*engine, 7001);
    if (code > 0) state.SkipWithError("the example ended with an error");
  }
  fs::current_path(saved);
}

// Runs the example with its number of increments replaced by `increments` (0 keeps it).
void run_example(benchmark::State& state, const char* example, int increments) {
  run_input(state, with_increments(read_example(example), increments));
}

// The US LRFD example with 100 combinations of its five loading groups (every one a load case
// with its own factored loads and thrust, and the wind load on the stick-up) at 500 increments.
void run_lrfd_100_combinations(benchmark::State& state) {
  std::string input = with_increments(read_example("lrfd_us.tp7"), 500);
  const auto from = input.find("LRFD FACTORS AND CASES");
  const auto to = input.find("LRFD LOADS");
  std::string combinations = "LRFD FACTORS AND CASES\n100\n";
  for (int j = 1; j <= 100; ++j) {
    const double dead = 0.9 + 0.004 * j;
    const double live = (j % 4) * 0.5;
    const double wind = (j % 3) * 0.7;
    const double quake = j % 5 == 0 ? 1.0 : 0.0;
    combinations += std::to_string(j) + " " + std::to_string(dead) + " " + std::to_string(live) +
                    " " + std::to_string(quake) + " 0 " + std::to_string(wind) +
                    " 0 0 0 0 0 0 0 0 0.9 0.9\nCombination " + std::to_string(j) + "\n";
  }
  input.replace(from, to - from, combinations);
  run_input(state, input);
}

}  // namespace

BENCHMARK_CAPTURE(run_example, minimal, "minimal.tp7", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, soft_clay_500_increments_4_cases, "soft_clay_pile.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, elastic_subgrade_si, "elastic_subgrade_si.tp7", 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, sand_reese_500_increments, "sand_reese.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, stiff_clay_silt_us_500_increments, "stiff_clay_silt_us.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, api_sand_500_increments, "api_sand.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, liquefied_sand_si_500_increments, "liquefied_sand_si.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, loess_residual_si_500_increments, "loess_residual_si.tp7", 500)
BENCHMARK_CAPTURE(run_example, rock_socket_si_500_increments, "rock_socket_si.tp7", 500)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(run_lrfd_100_combinations)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
