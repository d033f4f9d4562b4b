// The rock criteria: one soil pass over a 501-node pile in a layer of weak rock or of vuggy
// limestone, counted in p-y evaluations (one per node) per second; and a pass over a pile in
// massive rock, which ends the run at the layer's first node.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_engine.h"
#include "engine/errors.h"
#include "pile/pile_model.h"
#include "soil/py_framework.h"

namespace {

using namespace torva;

constexpr double kLength = 1200.0;  // in
constexpr double kWidth = 36.0;     // in

// A 500-increment shaft of constant width in one rock layer, deflected from 0.05 in at the
// head to nothing at the tip (the weak rock curve from its initial line to p_ur).
std::unique_ptr<Engine> make_rock_engine(int code) {
  auto engine = torva::bench::make_bench_engine("torva-rock-bench");
  torva::bench::make_bench_pile(*engine, kLength, kWidth);
  NodeTable& nodes = engine->nodes;
  for (int i = 1; i <= nodes.N; ++i) nodes.y[i] = 0.05 * (1.0 - (i - 1) / 500.0);

  // Weak rock: q_u 500 to 800 psi, E_ir 50000 to 80000 psi, RQD 40 %, k_rm 0.0002; vuggy
  // limestone: q_u 1500 to 2000 psi. 0.04 pci throughout.
  torva::bench::make_one_layer(*engine, code, 1500.0);
  SoilLayers& soil = engine->soil;
  SoilProfile& profile = engine->profile;
  soil.k_top[1] = 50000.0;
  soil.k_bottom[1] = 80000.0;
  const bool weak = code == criterion::kWeakRock;
  for (const int row : {1, 2}) {
    profile.gamma[row] = 0.04;
    profile.c[row] = (weak ? 500.0 : 1500.0) * (row == 1 ? 1.0 : 1.6);
    profile.RQD[row] = 40.0;
    profile.eps50[row] = 0.0002;
  }
  Assign_Nodes_To_Layers(*engine);
  return engine;
}

// A pass after the first of a solution, which reads the kept curves back; with `first`, the
// first pass, which reads and checks the rock at every node and works the curves out.
void rock_py_pass_501_nodes(benchmark::State& state, int code, bool first) {
  auto engine = make_rock_engine(code);
  for (auto _ : state) {
    if (first) clear_depth_parts(engine->py);
    PYCurveDriver(*engine, 2, PYDispatch::kIteration);
    benchmark::DoNotOptimize(engine->nodes.Es[1]);
  }
  if (engine->run.ErrorNumber != 0) state.SkipWithError("the soil pass ended with an error");
  state.SetItemsProcessed(state.iterations() * engine->nodes.N);
}
BENCHMARK_CAPTURE(rock_py_pass_501_nodes, weak_rock, criterion::kWeakRock, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rock_py_pass_501_nodes, vuggy_limestone, criterion::kVuggyLimestone, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rock_py_pass_501_nodes, weak_rock_first_pass, criterion::kWeakRock, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rock_py_pass_501_nodes, vuggy_limestone_first_pass,
                  criterion::kVuggyLimestone, true)
    ->Unit(benchmark::kMicrosecond);

// Massive rock has no curve: the pass reads the first node's soil, writes runtime error 48 and
// stops. The run files go to the null device, so that the figure is the pass and not the disk.
void rock_py_pass_501_nodes_massive_rock(benchmark::State& state) {
  auto engine = make_rock_engine(criterion::kMassiveRock);
  engine->run.report.open("/dev/null");
  engine->run.message.open("/dev/null");
  bool stopped = true;
  for (auto _ : state) {
    engine->run.ErrorNumber = 0;
    try {
      PYCurveDriver(*engine, 2, PYDispatch::kIteration);
      stopped = false;
    } catch (const RunStopped&) {
    }
    benchmark::DoNotOptimize(engine->run.ErrorNumber);
  }
  if (!stopped || engine->run.ErrorNumber != errors::kRunMassiveRock.number) {
    state.SkipWithError("the pass in massive rock did not stop the run with runtime error 48");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(rock_py_pass_501_nodes_massive_rock)->Unit(benchmark::kMicrosecond);

}  // namespace
