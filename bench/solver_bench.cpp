// The finite-difference pile solver: one solve of a 501-node pile, and the whole iteration of a
// load case with a linear soil.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_engine.h"
#include "response/load_case_iteration.h"

namespace {

using namespace torva;

constexpr double kLength = 1200.0;  // in
constexpr double kEI = 1.0e10;      // lb-in^2

class OneSection final : public PileSectionView {
 public:
  explicit OneSection(int type) : type_(type) {}
  int section_count() const override { return 1; }
  int section_type(int) const override { return type_; }
  double section_bottom(int) const override { return kLength; }
  double elastic_EI(double) const override { return kEI; }

 private:
  int type_;
};

class LinearSoil final : public SoilModulusUpdate {
 public:
  void update_soil_moduli(Engine&, int) override {}
};

// A 500-increment pile of one section on springs, its run files in a temporary folder.
std::unique_ptr<Engine> make_engine() {
  auto engine = torva::bench::make_bench_engine("torva-solver-bench");

  NodeTable& nodes = engine->nodes;
  nodes.N = 501;
  nodes.h = kLength / 500;
  for (int i = 1; i <= nodes.N; ++i) {
    nodes.x[i] = (i - 1) * nodes.h;
    nodes.z[i] = nodes.x[i];
    nodes.EI[i] = kEI;
    nodes.Es[i] = 1000.0;
    nodes.section[i] = 1;
  }
  engine->solver.head = HeadCondition{load_type::kShearMoment, 10000.0, 0.0, 100000.0};

  // An elastic-plastic moment-curvature curve (in-kips, kip-in^2) for the nonlinear section.
  MomentCurvatureTables& tables = engine->moment_curvature;
  engine->thrusts.count = 1;
  engine->thrusts.T[1] = 100.0;
  MomentCurvatureCurve& curve = tables.curve(1, 1);
  curve.n_p = 150;
  const double phi_y = 800.0 / 1.0e7;
  for (int p = 1; p <= 150; ++p) {
    curve.phi(p) = p <= 100 ? p * phi_y / 100.0 : phi_y * (1.0 + 0.2 * (p - 100));
    curve.M(p) = p <= 100 ? 1.0e7 * curve.phi(p) : 800.0 * (1.0 + 0.01 * (p - 100));
    curve.EI(p) = curve.M(p) / curve.phi(p);
  }
  return engine;
}

void solve_501_nodes(benchmark::State& state) {
  auto engine = make_engine();
  const OneSection section(kElasticPile);
  const SolverContext context{section, {}};
  int k = 1;
  for (auto _ : state) {
    solve_once(*engine, context, k++);
    benchmark::DoNotOptimize(engine->nodes.y[1]);
  }
}
BENCHMARK(solve_501_nodes)->Unit(benchmark::kMicrosecond);

// One load case from cleared deflections to convergence (six solves, progress lines included).
void iterate_501_nodes(benchmark::State& state, int section_type) {
  auto engine = make_engine();
  const OneSection section(section_type);
  const SolverContext context{section, {}};
  LinearSoil soil;
  MomentCurvatureStiffness stiffness(section);
  for (auto _ : state) {
    engine->nodes.clear_deflections();
    for (int i = 1; i <= engine->nodes.N; ++i) engine->nodes.EI[i] = kEI;
    const Convergence result = iterate_load_case(*engine, context, soil, stiffness);
    if (result != Convergence::kReached) state.SkipWithError("the load case did not converge");
    benchmark::DoNotOptimize(engine->nodes.y[1]);
  }
  state.counters["solves"] = engine->solver.iterations;
}
BENCHMARK_CAPTURE(iterate_501_nodes, elastic_pile, kElasticPile)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(iterate_501_nodes, nonlinear_section, 0)->Unit(benchmark::kMicrosecond);

}  // namespace
