// The nonlinear bending stiffness of the nodes from the moment-curvature tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "response/solver_fixture.h"

namespace torva::testing {
namespace {

constexpr double kEI = 1.0e10;  // lb-in^2 (1e7 kip-in^2 in the tables)

// Sections of given types and bottoms, all of the same elastic stiffness.
class SectionList final : public PileSectionView {
 public:
  struct Section {
    int type;
    double bottom;
  };
  explicit SectionList(std::vector<Section> sections) : sections_(std::move(sections)) {}
  int section_count() const override { return static_cast<int>(sections_.size()); }
  int section_type(int s) const override { return sections_[static_cast<std::size_t>(s - 1)].type; }
  double section_bottom(int s) const override {
    return sections_[static_cast<std::size_t>(s - 1)].bottom;
  }
  double elastic_EI(double) const override { return kEI; }

 private:
  std::vector<Section> sections_;
};

class BendingStiffness : public SolverFixture {
 protected:
  // An elastic-plastic curve of 150 points in table units (in-kips, kip-in^2): stiffness EI_t
  // up to the plastic moment M_p at phi_y = M_p / EI_t, then M_p with a hardening of
  // `hardening` M_p per phi_y, up to 11 phi_y.
  void plastic_curve(int section, int j, double EI_t, double M_p, double hardening = 0.0) {
    MomentCurvatureCurve& curve = engine().moment_curvature.curve(section, j);
    const double phi_y = M_p / EI_t;
    curve.n_p = 150;
    for (int p = 1; p <= 150; ++p) {
      curve.phi(p) = p <= 100 ? p * phi_y / 100.0 : phi_y * (1.0 + 0.2 * (p - 100));
      curve.M(p) = p <= 100 ? EI_t * curve.phi(p) : M_p * (1.0 + hardening * 0.2 * (p - 100));
      curve.EI(p) = curve.M(p) / curve.phi(p);
    }
  }
  void thrusts(std::initializer_list<double> values) {
    ThrustList& list = engine().thrusts;
    list.count = 0;
    for (double T : values) list.T[++list.count] = T;
  }
  // Deflections of constant curvature kappa (1/in): y = kappa x^2 / 2.
  void bend(double kappa) {
    for (int i = -1; i <= nodes().N + 1; ++i) {
      const double x = (i - 1) * nodes().h;
      nodes().y[i] = kappa * x * x / 2.0;
    }
  }
  // The largest moment along the pile from the converged deflections and stiffnesses.
  double largest_moment() {
    const NodeTable& n = nodes();
    double largest = 0.0;
    for (int i = 1; i < n.N; ++i) {
      largest = std::fmax(
          largest, std::fabs(n.EI[i] * (n.y[i - 1] - 2.0 * n.y[i] + n.y[i + 1]) / (n.h * n.h)));
    }
    return largest;
  }
};

TEST_F(BendingStiffness, AxialThrustIndex) {
  thrusts({100.0, 200.0, 400.0});  // kips in US customary runs
  struct Case {
    int units;
    double Q;
    int expected;
  };
  const Case cases[] = {
      {kUnitsUS, -5.0e4, 1},  {kUnitsUS, 1.0e5, 1},    {kUnitsUS, 1.5e5, 1}, {kUnitsUS, 2.0e5, 2},
      {kUnitsUS, 3.999e5, 2}, {kUnitsUS, 4.0e5, 3},    {kUnitsUS, 9.0e5, 3}, {kUnitsSI, 150.0, 1},
      {kUnitsSI, 250.0, 2},   {kUnitsSI, 150000.0, 3},
  };
  for (const Case c : cases) {
    SCOPED_TRACE(c.Q);
    use_units(c.units);
    EXPECT_EQ(axial_thrust_index(engine(), c.Q), c.expected);
  }
  thrusts({});
  EXPECT_EQ(axial_thrust_index(engine(), 1.0e5), 0);
}

TEST_F(BendingStiffness, SecantOfTheCurveInterpolatedBetweenThrusts) {
  // Two thrusts with elastic-plastic curves of different stiffness; the pile is bent to a
  // constant curvature below yield, so each curve gives its own elastic stiffness.
  make_pile(100, 600.0, kEI, 1000.0);
  const SectionList sections({{0, 600.0}});
  MomentCurvatureStiffness update(sections);
  plastic_curve(1, 1, 1.0e7, 1.0e4);
  plastic_curve(1, 2, 2.0e7, 2.0e4);
  thrusts({100.0, 300.0});
  struct Case {
    double Q;  // lb
    double expected;
  };
  const Case cases[] = {{50000.0, 1.0e10},   {100000.0, 1.0e10}, {150000.0, 1.25e10},
                        {250000.0, 1.75e10}, {300000.0, 2.0e10}, {500000.0, 2.0e10}};
  for (const Case c : cases) {
    SCOPED_TRACE(c.Q);
    for (int i = 1; i <= nodes().N; ++i) nodes().EI[i] = kEI;
    bend(1.0e-6);  // 10000 in-lb, far below yield
    update.update_bending_stiffness(engine(), axial_thrust_index(engine(), c.Q), c.Q);
    for (int i : {1, 2, 50, nodes().N}) EXPECT_DOUBLE_EQ(nodes().EI[i], c.expected) << i;
  }
  // Beyond yield the secant falls as M_p / phi: curvature 0.01/in, M_p = 1e4 in-kips at thrust 1.
  bend(1.0e-2);
  update.update_bending_stiffness(engine(), 1, 100000.0);
  EXPECT_NEAR(nodes().EI[50], 1.0e9, 1e-9 * 1.0e9);
  EXPECT_DOUBLE_EQ(nodes().EI[nodes().N], 1.0e10);  // the tip has no curvature
}

TEST_F(BendingStiffness, ConvergedPileFollowsItsMomentCurvatureCurve) {
  // A long pile under a head shear whose elastic moment exceeds the yield moment of its section
  // by 55 %. At convergence every node's moment EI(i) * curvature lies on the section's curve:
  // EI_t phi up to M_p at phi_y, then M_p (1 + 0.05 (phi / phi_y - 1)).
  const double EI_t = 1.0e7;  // kip-in^2
  const double M_p = 800.0;   // in-kips
  const double phi_y = M_p / EI_t;
  make_pile(200, 1200.0, kEI, 1000.0);
  ASSERT_EQ(iterate(1, 50000.0, 0.0), Convergence::kReached);
  const double elastic_moment = largest_moment();
  ASSERT_GT(elastic_moment, 1.55 * M_p * 1000.0);

  make_pile(200, 1200.0, kEI, 1000.0);
  plastic_curve(1, 1, EI_t, M_p, 0.05);
  thrusts({0.0});
  const SectionList sections({{0, 1200.0}});
  MomentCurvatureStiffness update(sections);
  LinearSoil soil;
  engine().options.MaxIterations = 1000;
  engine().options.ConvergenceTolerance = 1e-7;
  engine().solver.head = HeadCondition{1, 50000.0, 0.0, 0.0};
  ASSERT_EQ(iterate_load_case(engine(), SolverContext{sections, {}}, soil, update),
            Convergence::kReached);

  const NodeTable& n = nodes();
  int yielded = 0;
  for (int i = 3; i < n.N; ++i) {
    const double phi = std::fabs(n.y[i - 1] - 2.0 * n.y[i] + n.y[i + 1]) / (n.h * n.h);
    const double on_curve = phi <= phi_y ? EI_t * phi : M_p * (1.0 + 0.05 * (phi / phi_y - 1.0));
    EXPECT_NEAR(n.EI[i] * phi, on_curve * 1000.0, 1e-3 * M_p * 1000.0) << "node " << i;
    if (phi > phi_y) ++yielded;
  }
  EXPECT_GT(yielded, 0);
  EXPECT_LT(largest_moment(), 0.8 * elastic_moment);
}

TEST_F(BendingStiffness, ElasticSectionWithMomentCapacity) {
  // Bent to a constant curvature: below its capacity the node keeps the elastic stiffness;
  // above it the stiffness is the capacity over the curvature (capacities in in-lb, the table
  // and its first moment in in-kips).
  make_pile(100, 600.0, kEI, 1000.0);
  const SectionList sections({{kElasticPlastic, 600.0}});
  plastic_curve(1, 1, 1.0e7, 500.0);  // first moment 5 in-kips
  thrusts({0.0});
  MomentCurvatureStiffness update(sections);
  struct Case {
    double capacity;   // in-lb
    double curvature;  // 1/in
    double expected;   // lb-in^2
  };
  const Case cases[] = {
      {2.0e6, 1.0e-4, kEI},             // 1e6 in-lb demand, below the capacity
      {5.0e5, 1.0e-4, 5.0e5 / 1.0e-4},  // above it
      {4.0e3, 1.0e-7, 4.0e3 / 1.0e-7},  // below the first moment of the table: not elastic
  };
  for (const Case c : cases) {
    SCOPED_TRACE(c.capacity);
    PileSection& section = engine().sections.table[0];
    section.top = 0.0;
    section.bottom = 600.0;
    section.elastic.top_plastic_moment = c.capacity;
    section.elastic.bottom_plastic_moment = c.capacity;
    for (int i = 1; i <= nodes().N; ++i) nodes().EI[i] = kEI;
    bend(c.curvature);
    update.update_bending_stiffness(engine(), 1, 0.0);
    EXPECT_NEAR(nodes().EI[40], c.expected, 1e-9 * c.expected);
    EXPECT_EQ(nodes().EI[nodes().N], kEI);  // no curvature at the tip: elastic
  }
}

TEST_F(BendingStiffness, ElasticPileSectionsKeepTheirStiffness) {
  // Two sections: the upper one an elastic pile without any table, the lower one nonlinear.
  make_pile(100, 600.0, kEI, 1000.0);
  const SectionList sections({{kElasticPile, 300.0}, {0, 600.0}});
  plastic_curve(2, 1, 2.0e7, 1.0e6);
  thrusts({0.0});
  for (int i = 1; i <= nodes().N; ++i) nodes().section[i] = nodes().x[i] <= 300.0 ? 1 : 2;
  bend(1.0e-6);
  MomentCurvatureStiffness(sections).update_bending_stiffness(engine(), 1, 0.0);
  EXPECT_EQ(nodes().EI[51], kEI);  // on the boundary: the upper section
  EXPECT_EQ(nodes().EI[52], 2.0e10);
}

TEST_F(BendingStiffness, MissingCurveIsRuntimeError54) {
  make_pile(100, 600.0, kEI, 1000.0);
  const SectionList sections({{kElasticPile, 300.0}, {0, 600.0}});
  plastic_curve(2, 1, 2.0e7, 1.0e6);
  thrusts({100.0, 200.0});  // no curve for the second thrust
  engine().run.current_load_case = 3;
  MomentCurvatureStiffness update(sections);
  EXPECT_THROW(update.update_bending_stiffness(engine(), 1, 150000.0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 254);
  const std::vector<std::string> text = {
      "",
      "**** Runtime Error No. 54 ****",
      "",
      "Problem: Pile section 2 has no moment-curvature curve for axial thrust value no. 2 (  0.2000E+03), "
      "needed for the axial thrust of load case 3.",
      "Solution: Check the axial thrust values of the load cases and the data of the pile sections: every "
      "section that is not an elastic pile needs a curve for every thrust value.",
      ""};
  EXPECT_TRUE(contains_block(messages(), text));
  EXPECT_TRUE(contains_block(report(), text));
}

}  // namespace
}  // namespace torva::testing
