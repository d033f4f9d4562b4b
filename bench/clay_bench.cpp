// The stiff clay and cemented silt criteria: one soil pass over a 501-node pile standing in one
// layer of the criterion, static and cyclic, counted as p-y evaluations (one per node).
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_engine.h"
#include "pile/pile_model.h"
#include "soil/py_framework.h"

namespace {

using namespace torva;

constexpr double kLength = 1200.0;  // in
constexpr double kWidth = 36.0;     // in

// One layer of the criterion, c growing from 10 to 20 psi; the silt with a friction angle of
// 32 degrees and the default k, the clays using k with 500 pci.
std::unique_ptr<Engine> make_engine(int code, bool cyclic) {
  auto engine = torva::bench::make_bench_engine("torva-clay-bench");
  torva::bench::make_bench_pile(*engine, kLength, kWidth);
  engine->options.CyclicLoading = cyclic;
  engine->options.NumCycles = cyclic ? 100.0 : 0.0;
  torva::bench::make_one_layer(*engine, code, 1500.0);
  SoilLayers& soil = engine->soil;
  SoilProfile& profile = engine->profile;
  soil.k_top[1] = soil.k_bottom[1] = code == criterion::kCementedSilt ? 0.0 : 500.0;
  for (int row : {1, 2}) {
    profile.gamma[row] = 0.035;
    profile.c[row] = row == 1 ? 10.0 : 20.0;
    profile.eps50[row] = 0.005;
    profile.phi[row] = 32.0;
  }
  Assign_Nodes_To_Layers(*engine);
  // A deflected shape that crosses every part of the curves.
  for (int i = 1; i <= engine->nodes.N; ++i) engine->nodes.y[i] = 2.0 - i * 0.006;
  return engine;
}

void clay_pass_501_nodes(benchmark::State& state) {
  auto engine = make_engine(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    PYCurveDriver(*engine, 2, PYDispatch::kIteration);
    benchmark::DoNotOptimize(engine->nodes.Es[1]);
  }
  state.SetItemsProcessed(state.iterations() * engine->nodes.N);
}
BENCHMARK(clay_pass_501_nodes)
    ->ArgNames({"criterion", "cyclic"})
    ->ArgsProduct({{criterion::kStiffClayWithWater, criterion::kStiffClayWithoutWater,
                    criterion::kStiffClayWithoutWaterK, criterion::kCementedSilt},
                   {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
