// The p-y framework: one pass of the soil update over a 501-node pile in three soft clay layers
// (the work the solver asks for after every solve), and a whole load case iterated with it.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_engine.h"
#include "pile/pile_model.h"
#include "response/bending_stiffness.h"
#include "response/load_case_iteration.h"
#include "soil/py_framework.h"

namespace {

using namespace torva;

constexpr double kLength = 1200.0;  // in
constexpr double kWidth = 36.0;     // in
constexpr double kEI = 1.5e11;      // lb-in^2

class OneSection final : public PileSectionView {
 public:
  int section_count() const override { return 1; }
  int section_type(int) const override { return kElasticPile; }
  double section_bottom(int) const override { return kLength; }
  double elastic_EI(double) const override { return kEI; }
};

// A pile of constant width on `increments` increments (500 unless given) in three soft clay
// layers, its run files in a temporary folder.
std::unique_ptr<Engine> make_engine(int increments = 500) {
  auto engine = torva::bench::make_bench_engine("torva-py-bench");
  torva::bench::make_bench_pile(*engine, kLength, kWidth, increments);
  NodeTable& nodes = engine->nodes;
  for (int i = 1; i <= nodes.N; ++i) nodes.EI[i] = kEI;

  // Soft clay growing stronger with depth: 3, 6 and 10 psi at the layer tops.
  SoilLayers& soil = engine->soil;
  SoilProfile& profile = engine->profile;
  const double tops[] = {0.0, 240.0, 600.0};
  const double bottoms[] = {240.0, 600.0, 1500.0};
  const double strengths[] = {3.0, 6.0, 10.0};
  soil.count = 3;
  profile.row_count = 6;
  for (int i = 1; i <= 3; ++i) {
    soil.i_SoilLayer_py_Type[i] = criterion::kSoftClay;
    soil.XLayerTop[i] = tops[i - 1];
    soil.XLayerBottom[i] = bottoms[i - 1];
    for (int row : {2 * i - 1, 2 * i}) {
      profile.XProfile[row] = profile.gamma_depth[row] = row % 2 == 1 ? tops[i - 1] : bottoms[i - 1];
      profile.gamma[row] = 0.02;
      profile.c[row] = strengths[i - 1] * (row % 2 == 1 ? 1.0 : 1.5);
      profile.eps50[row] = 0.01;
    }
  }
  Assign_Nodes_To_Layers(*engine);
  engine->solver.head = HeadCondition{load_type::kShearMoment, 50000.0, 0.0, 0.0};
  return engine;
}

void py_pass_501_nodes(benchmark::State& state) {
  auto engine = make_engine();
  for (int i = 1; i <= engine->nodes.N; ++i) engine->nodes.y[i] = 0.5 - i * 0.002;
  for (auto _ : state) {
    PYCurveDriver(*engine, 2, PYDispatch::kIteration);
    benchmark::DoNotOptimize(engine->nodes.Es[1]);
  }
}
BENCHMARK(py_pass_501_nodes)->Unit(benchmark::kMicrosecond);

// One load case from cleared deflections to convergence, the soil update in every iteration,
// on 500 increments (and, as soft_clay_load_case_101_nodes, on 100).
void soft_clay_load_case(benchmark::State& state, int increments) {
  auto engine = make_engine(increments);
  const OneSection section;
  const SolverContext context{section, {}};
  MomentCurvatureStiffness stiffness(section);
  PYCurveUpdate soil;
  for (auto _ : state) {
    engine->nodes.clear_deflections();
    set_starting_soil_moduli(*engine);
    PYCurveDriver(*engine, 0);
    const Convergence result = iterate_load_case(*engine, context, soil, stiffness);
    if (result != Convergence::kReached) state.SkipWithError("the load case did not converge");
    benchmark::DoNotOptimize(engine->nodes.y[1]);
  }
  state.counters["solves"] = engine->solver.iterations;
}
BENCHMARK_CAPTURE(soft_clay_load_case, 501_nodes, 500)
    ->Name("soft_clay_load_case_501_nodes")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(soft_clay_load_case, 101_nodes, 100)
    ->Name("soft_clay_load_case_101_nodes")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
