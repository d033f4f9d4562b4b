// Whole runs of the bundled examples through the engine, as a front end makes them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "allocation_count.h"
#include "bench_engine.h"
#include "engine/run_sequence.h"
#include "response/auxiliary_solve.h"

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

// The input and control files of a run in a temporary folder, which is the working folder
// while the object lives.
class BenchFolder {
 public:
  explicit BenchFolder(const std::string& input) : saved_(fs::current_path()) {
    fs::current_path(torva::bench::bench_folder("torva-bench"));
    std::ofstream("input.tp7") << input;
    std::ofstream("NAMES.DAT") << "input.tp7\nreport.txt\nplot.txt\nmessages.txt\n";
  }
  ~BenchFolder() { fs::current_path(saved_); }

 private:
  fs::path saved_;
};

void count_allocations(benchmark::State& state, std::size_t before) {
  const double made = static_cast<double>(torva::bench::allocation_count() - before);
  state.counters["allocations"] = benchmark::Counter(made, benchmark::Counter::kAvgIterations);
}

// The engine reads and deletes the moment-curvature file names at the start of every run.
void write_section_report_names() {
  std::ofstream names("M_vs_EI_report_names.txt");
  for (int k = 1; k <= 40; ++k) names << "mc-" << k << ".txt\n";
}

void run_input(benchmark::State& state, const std::string& input) {
  const BenchFolder folder(input);
  auto engine = std::make_unique<torva::Engine>();
  const std::size_t before = torva::bench::allocation_count();
  for (auto _ : state) {
    state.PauseTiming();
    write_section_report_names();
    state.ResumeTiming();
    const int code = torva::run_analysis(*engine, 7001);
    if (code > 0) state.SkipWithError("the example ended with an error");
  }
  count_allocations(state, before);
}

// Runs the example with its number of increments replaced by `increments` (0 keeps it); a
// negative number computes the bending properties only.
void run_example(benchmark::State& state, const char* example, int increments) {
  std::string input = read_example(example);
  if (increments < 0) {
    const auto at = input.find("ComputeEIOnly NO");
    if (at != std::string::npos) input.replace(at, 16, "ComputeEIOnly YES");
  }
  run_input(state, with_increments(input, increments));
}

// The soft clay pile at 500 increments with the stiffness matrix at K = 10 (20 cases) and a
// pushover of 25 free-head and 25 fixed-head steps: against soft_clay_500_increments_4_cases,
// the cost of 70 auxiliary cases.
void run_soft_clay_analyses(benchmark::State& state) {
  std::string input = with_increments(read_example("soft_clay_stiffness_pushover.tp7"), 500);
  const auto stiffness = input.find("FOUNDATION STIFFNESS");
  input = input.substr(0, stiffness) +
          "FOUNDATION STIFFNESS\n0\n10\n0\n"
          "PILE PUSHOVER ANALYSIS DATA\n2\n0\n25\n1.0\n0.1\n0.0\nEND\n";
  run_input(state, input);
}

// One auxiliary solution on the model a whole run of the soft clay pile at 500 increments
// left, from the unloaded pile: a stiffness or pushover case (the head pushed 0.5 in without
// rotation), or a buckling or pile-length trial (20000 lb on a free head, with the full p-y
// pass first).
void auxiliary_solution(benchmark::State& state, torva::AuxiliaryKind kind) {
  const BenchFolder folder(with_increments(read_example("soft_clay_pile.tp7"), 500));
  auto engine = std::make_unique<torva::Engine>();
  if (torva::run_analysis(*engine, 7001) > 0) state.SkipWithError("the example ended with an error");
  const torva::HeadCondition head =
      kind == torva::AuxiliaryKind::kLoading
          ? torva::HeadCondition{torva::load_type::kDeflectionSlope, 0.5, 0.0, 0.0}
          : torva::HeadCondition{torva::load_type::kShearMoment, 20000.0, 0.0, 0.0};
  const std::size_t before = torva::bench::allocation_count();
  for (auto _ : state) {
    if (torva::solve_auxiliary_case(*engine, head, kind) != torva::IterationEnd::kConverged) {
      state.SkipWithError("the solution did not converge");
    }
  }
  count_allocations(state, before);
}

// The soft clay pile at 500 increments with load case 1 (1000 lb on a free head) swept over all
// 20 lengths and ten buckling trials: against soft_clay_500_increments_4_cases, the cost of 30
// trials.
void run_soft_clay_sweeps(benchmark::State& state) {
  std::string input = with_increments(read_example("soft_clay_pile.tp7"), 500);
  const auto replace = [&](const std::string& from, const std::string& to) {
    input.replace(input.find(from), from.size(), to);
  };
  replace("1 1 20000.0 0.0 0.0 1", "1 1 1000.0 0.0 0.0 0");
  replace("ComputePileBuckling NO", "ComputePileBuckling YES");
  replace("END\n", "PILE BUCKLING ANALYSIS DATA\n0\n10\n20000.0\n0.0\n0.0\n0.0\n2000000.0\nEND\n");
  run_input(state, input);
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

BENCHMARK_CAPTURE(auxiliary_solution, stiffness_or_pushover_case_soft_clay_500_increments,
                  torva::AuxiliaryKind::kLoading)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(auxiliary_solution, sweep_trial_soft_clay_500_increments,
                  torva::AuxiliaryKind::kTrial)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(run_soft_clay_sweeps)->Name("run_example/soft_clay_500_increments_sweep_20_buckling_10")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, minimal, "minimal.tp7", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, soft_clay_500_increments_4_cases, "soft_clay_pile.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(run_soft_clay_analyses)->Name("run_example/soft_clay_500_increments_K10_pushover_2x25")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, elastic_subgrade_si, "elastic_subgrade_si.tp7", 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, sand_reese_500_increments, "sand_reese.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, api_sand_500_increments, "api_sand.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, liquefied_sand_si_500_increments, "liquefied_sand_si.tp7", 500)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(run_example, stiff_clay_silt_us_500_increments, "stiff_clay_silt_us.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, loess_residual_si_500_increments, "loess_residual_si.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, rock_socket_si_500_increments, "rock_socket_si.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, drilled_shaft_us_500_increments, "drilled_shaft_us.tp7", 500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run_example, drilled_shaft_us_bending_properties_only, "drilled_shaft_us.tp7", -1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(run_lrfd_100_combinations)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
