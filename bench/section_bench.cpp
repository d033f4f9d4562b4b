// The moment-curvature curve of a section: a 48 in drilled shaft of 40 bars (100 slices) under a
// tension close to its tensile capacity, which takes all 150 curvature steps, and the same
// shaft without thrust. Slicing the section and writing the report rows of a 150-step curve are
// measured on their own.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "section/moment_curvature.h"
#include "section/section_report.h"

namespace {

using namespace torva;

// 48 in shaft, f'c 4 ksi, forty 1 sq. in. bars of 60 ksi under 3 in of cover (inches, ksi).
SectionValues shaft() {
  SectionValues v;
  v.type = kDrilledShaft;
  v.family = OutlineFamily::kCircle;
  v.reinforcement = kReinforcementBars;
  v.diameter = 48.0;
  v.fc = 4.0;
  v.fy = 60.0;
  v.Es = 29000.0;
  v.bar_count = 40;
  const double d = 1.128, r = (48.0 - d) / 2.0 - 3.0;
  for (int j = 0; j < v.bar_count; ++j) {
    const double angle = 2.0 * std::numbers::pi * j / v.bar_count;
    v.bars[j] = Bar{d, 1.0, r * std::cos(angle), r * std::sin(angle), 0};
  }
  return v;
}

void shaft_curve_48in(benchmark::State& state, double fraction_of_tension) {
  const auto section = std::make_unique<SlicedSection>();
  if (Initialize_EI_Vars(shaft(), *section)) {
    state.SkipWithError("the shaft could not be sliced");
    return;
  }
  const double thrust = fraction_of_tension * section->capacities.P_t;
  const auto table = std::make_unique<StepTable>();
  for (auto _ : state) {
    const SectionFault fault = moment_curvature(*section, thrust, *table);
    benchmark::DoNotOptimize(fault);
    benchmark::DoNotOptimize(table->M_n);
  }
  state.counters["steps"] = table->n_s;
}

BENCHMARK_CAPTURE(shaft_curve_48in, tension_near_capacity_150_steps, 0.9)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(shaft_curve_48in, no_thrust, 0.0)->Unit(benchmark::kMicrosecond);

void slice_shaft_48in(benchmark::State& state) {
  const SectionValues v = shaft();
  const auto section = std::make_unique<SlicedSection>();
  for (auto _ : state) {
    const SectionFault fault = Initialize_EI_Vars(v, *section);
    benchmark::DoNotOptimize(fault);
  }
}
BENCHMARK(slice_shaft_48in)->Unit(benchmark::kMicrosecond);

// The 150 report rows of the curve near the tensile capacity (eight number fields each),
// written to the null device.
void report_rows_150_steps(benchmark::State& state) {
  const auto section = std::make_unique<SlicedSection>();
  const auto table = std::make_unique<StepTable>();
  if (Initialize_EI_Vars(shaft(), *section) ||
      moment_curvature(*section, 0.9 * section->capacities.P_t, *table)) {
    state.SkipWithError("the shaft's curve could not be computed");
    return;
  }
  TextFile file(Channel::kReport);
  if (!file.open("/dev/null")) {
    state.SkipWithError("the null device cannot be opened");
    return;
  }
  const SectionReport report{file, kUnitsUS, section_unit_labels(kUnitsUS), "in"};
  for (auto _ : state) write_step_rows(report, *table, kDrilledShaft);
  state.counters["rows"] = table->n_s;
}
BENCHMARK(report_rows_150_steps)->Unit(benchmark::kMicrosecond);

}  // namespace
