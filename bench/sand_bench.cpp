// The three sand criteria: one soil update of a 501-node pile standing in one layer of the
// criterion, after the first pass of the solution, static and cyclic where the loading changes
// the curve (liquefied sand does not depend on it), counted as p-y evaluations (one per node).
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_engine.h"
#include "pile/pile_model.h"
#include "soil/py_framework.h"

namespace {

using namespace torva;

constexpr double kLength = 1200.0;  // in
constexpr double kWidth = 36.0;     // in

// One layer of the criterion, 62.4 pcf: the friction angle growing from 32 to 38 degrees, Reese
// sand with k = 60 pci, API sand with the default k.
std::unique_ptr<Engine> make_engine(int code, bool cyclic, bool below_sand = false) {
  auto engine = torva::bench::make_bench_engine("torva-sand-bench");
  torva::bench::make_bench_pile(*engine, kLength, kWidth);
  engine->options.CyclicLoading = cyclic;
  engine->options.NumCycles = cyclic ? 100.0 : 0.0;
  torva::bench::make_one_layer(*engine, code, 1500.0);
  SoilLayers& soil = engine->soil;
  SoilProfile& profile = engine->profile;
  soil.k_top[1] = soil.k_bottom[1] = code == criterion::kSand ? 60.0 : 0.0;
  for (int row : {1, 2}) {
    profile.gamma[row] = 0.0361;
    profile.phi[row] = row == 1 ? 32.0 : 38.0;
  }
  if (below_sand) {
    // Reese sand down to 20 ft over the criterion, which starts at the equivalent depth that
    // resistance gives it.
    soil.count = 2;
    soil.i_SoilLayer_py_Type[1] = criterion::kSand;
    soil.XLayerBottom[1] = soil.XLayerTop[2] = 240.0;
    soil.XLayerBottom[2] = 1500.0;
    soil.i_SoilLayer_py_Type[2] = code;
    soil.k_top[1] = soil.k_bottom[1] = 60.0;
    soil.k_top[2] = soil.k_bottom[2] = code == criterion::kSand ? 60.0 : 0.0;
    profile.row_count = 4;
    const double depths[] = {0.0, 240.0, 240.0, 1500.0};
    for (int row = 1; row <= 4; ++row) {
      profile.XProfile[row] = profile.gamma_depth[row] = depths[row - 1];
      profile.gamma[row] = 0.0361;
      profile.phi[row] = row <= 2 ? 30.0 : 36.0;
    }
  }
  Assign_Nodes_To_Layers(*engine);
  // A deflected shape that crosses every part of the curves.
  for (int i = 1; i <= engine->nodes.N; ++i) engine->nodes.y[i] = 2.0 - i * 0.006;
  // The first pass of the solution; the benchmark times the passes after it.
  PYCurveDriver(*engine, 0);
  return engine;
}

void sand_pass_501_nodes(benchmark::State& state) {
  auto engine = make_engine(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    PYCurveDriver(*engine, 2, PYDispatch::kIteration);
    benchmark::DoNotOptimize(engine->nodes.Es[1]);
  }
  state.SetItemsProcessed(state.iterations() * engine->nodes.N);
}
// The same with the criterion below a layer of Reese sand: API sand works out its equivalent
// depth at every pass.
void sand_pass_501_nodes_below_sand(benchmark::State& state) {
  auto engine = make_engine(static_cast<int>(state.range(0)), false, true);
  for (auto _ : state) {
    PYCurveDriver(*engine, 2, PYDispatch::kIteration);
    benchmark::DoNotOptimize(engine->nodes.Es[1]);
  }
  state.SetItemsProcessed(state.iterations() * engine->nodes.N);
}
BENCHMARK(sand_pass_501_nodes_below_sand)
    ->ArgName("criterion")
    ->Arg(criterion::kApiSand)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(sand_pass_501_nodes)
    ->ArgNames({"criterion", "cyclic"})
    ->Args({criterion::kSand, 0})
    ->Args({criterion::kSand, 1})
    ->Args({criterion::kApiSand, 0})
    ->Args({criterion::kApiSand, 1})
    ->Args({criterion::kLiquefiedSand, 0})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
