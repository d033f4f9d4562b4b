// One soil update of a 501-node pile in a single layer of Piedmont residual soil, loess,
// user-input p-y curves or an elastic subgrade: the work the solver asks of these criteria after every solve, as p-y
// evaluations (nodes) per second.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_engine.h"
#include "pile/pile_model.h"
#include "soil/py_framework.h"

namespace {

using namespace torva;

constexpr double kLength = 1200.0;  // in
constexpr double kWidth = 36.0;     // in

// A 500-increment pile of constant width in one layer of the criterion, deflected linearly
// from 0.5 in at the head.
std::unique_ptr<Engine> make_engine(int code) {
  auto engine = torva::bench::make_bench_engine("torva-other-criteria-bench");
  torva::bench::make_bench_pile(*engine, kLength, kWidth);
  NodeTable& nodes = engine->nodes;
  for (int i = 1; i <= nodes.N; ++i) nodes.y[i] = 0.5 - i * 0.001;

  torva::bench::make_one_layer(*engine, code, 1500.0);
  SoilProfile& profile = engine->profile;
  profile.gamma[1] = profile.gamma[2] = 0.02;
  profile.elastic_subgrade[1] = 100.0;  // pci
  profile.elastic_subgrade[2] = 400.0;
  profile.field_test_type[1] = profile.field_test_type[2] = field_test::kCPT;
  profile.cone_tip[1] = 300.0;  // psi
  profile.cone_tip[2] = 900.0;
  for (int row : {1, 2}) {
    UserPYCurve& curve = engine->user_py.curve[row];
    curve.depth = profile.XProfile[row];
    curve.count = 8;
    for (int k = 1; k <= curve.count; ++k) {
      curve.y[k] = 0.1 * k * k;
      curve.p[k] = (row == 1 ? 500.0 : 2000.0) * (1.0 - 1.0 / (k + 1));
    }
  }
  Assign_Nodes_To_Layers(*engine);
  return engine;
}

void py_pass_501_nodes_in(benchmark::State& state, int code) {
  auto engine = make_engine(code);
  for (auto _ : state) {
    PYCurveDriver(*engine, 2, PYDispatch::kIteration);
    benchmark::DoNotOptimize(engine->nodes.Es[1]);
  }
  state.counters["evaluations"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * engine->nodes.N, benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK_CAPTURE(py_pass_501_nodes_in, piedmont, criterion::kPiedmont)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(py_pass_501_nodes_in, loess, criterion::kLoess)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(py_pass_501_nodes_in, user_py, criterion::kUserPY)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(py_pass_501_nodes_in, elastic_subgrade, criterion::kElasticSubgrade)
    ->Unit(benchmark::kMicrosecond);
