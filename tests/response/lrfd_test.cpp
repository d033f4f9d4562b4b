// LRFD load combinations: factored loads against hand sums, the batter transformation, the
// thrust list, the distributed loads by load type, and piles solved under a factored
// distributed load against closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "engine/errors.h"
#include "response/lrfd.h"
#include "response/lrfd_fixture.h"
#include "response/solver_fixture.h"
#include "response/stiffness_matrix.h"

namespace torva::testing {
namespace {

TEST(LrfdFactoredLoads, SumOverTheGroupsOfEachTypeAndTheFactorsAsGiven) {
  const LrfdInput input = four_types();
  auto loads = std::make_unique<LrfdLoads>();
  compute_factored_loads(input, 0.0, *loads);

  EXPECT_EQ(loads->totals[1].groups, 2);
  EXPECT_EQ(loads->totals[1].H, 1500.0);
  EXPECT_EQ(loads->totals[1].M, 15000.0);
  EXPECT_EQ(loads->totals[1].P, 140000.0);
  EXPECT_EQ(loads->totals[4].groups, 0);

  struct Expected {
    double H, M, P;
  };
  const Expected expected[] = {
      {1.25 * 1500 + 1.75 * 3000, 1.25 * 15000 + 1.75 * 60000, 1.25 * 140000 + 1.75 * 30000},
      {0.9 * 1500 + 1.4 * 2000, 0.9 * 15000, 0.9 * 140000},
      // The negative wind factor counts in the sums.
      {1500 + 0.5 * 3000 + 4000 - 0.3 * 2000, 15000 + 0.5 * 60000 + 100000,
       140000 + 0.5 * 30000 - 10000},
  };
  for (int j = 1; j <= 3; ++j) {
    SCOPED_TRACE(j);
    const LrfdFactoredLoad& load = loads->factored[j];
    EXPECT_DOUBLE_EQ(load.H, expected[j - 1].H);
    EXPECT_DOUBLE_EQ(load.M, expected[j - 1].M);
    EXPECT_DOUBLE_EQ(load.P, expected[j - 1].P);
    // A vertical pile takes the loads as they are.
    EXPECT_EQ(load.V, load.H);
    EXPECT_EQ(load.Q, load.P);
  }

  compute_factored_loads(input, kFiveDegrees, *loads);
  for (int j = 1; j <= 3; ++j) {
    SCOPED_TRACE(j);
    const LrfdFactoredLoad& load = loads->factored[j];
    const Expected& e = expected[j - 1];
    EXPECT_NEAR(load.V, std::cos(kFiveDegrees) * e.H + std::sin(kFiveDegrees) * e.P, 1e-8);
    EXPECT_NEAR(load.Q, -std::sin(kFiveDegrees) * e.H + std::cos(kFiveDegrees) * e.P, 1e-8);
    EXPECT_DOUBLE_EQ(load.M, e.M);
  }
}

TEST(LrfdFactoredLoads, HorizontalLoadOnABatteredPileGivesATensionThrust) {
  LrfdInput input;
  input.group_count = 1;
  input.groups[1] = group(5, 10000.0, 0.0, 0.0);
  input.combination_count = 1;
  input.combinations[1] = combination(0.0, 0.0, 0.0, 1.0, "wind");
  auto loads = std::make_unique<LrfdLoads>();
  compute_factored_loads(input, kFiveDegrees, *loads);
  EXPECT_DOUBLE_EQ(loads->factored[1].Q, -std::sin(kFiveDegrees) * 10000.0);
  EXPECT_DOUBLE_EQ(loads->factored[1].V, std::cos(kFiveDegrees) * 10000.0);
  // A batter of no more than 1e-6 rad leaves the loads as they are.
  compute_factored_loads(input, 1e-6, *loads);
  EXPECT_EQ(loads->factored[1].Q, 0.0);
}

TEST(LrfdFactoredLoads, EqualThrustsShareOneEntryOfTheAscendingList) {
  LrfdInput input;
  input.group_count = 2;
  input.groups[1] = group(1, 0.0, 0.0, 100000.0);
  input.groups[2] = group(2, 0.0, 0.0, 50000.0);
  input.combination_count = 4;
  input.combinations[1] = combination(1.5, 0.0, 0.0, 0.0, "a");  // 150000
  input.combinations[2] = combination(1.0, 0.0, 0.0, 0.0, "b");  // 100000
  input.combinations[3] = combination(1.0, 1.0, 0.0, 0.0, "c");  // 150000
  input.combinations[4] = combination(0.0, 1.0, 0.0, 0.0, "d");  // 50000
  auto loads = std::make_unique<LrfdLoads>();
  compute_factored_loads(input, 0.0, *loads);
  const ThrustList& list = loads->thrusts;
  ASSERT_EQ(list.count, 3);
  EXPECT_EQ(list.T[1], 50000.0);
  EXPECT_EQ(list.T[2], 100000.0);
  EXPECT_EQ(list.T[3], 150000.0);
  const int expected_index[] = {3, 2, 3, 1};
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(loads->factored[j].thrust_index, expected_index[j - 1]) << j;
    EXPECT_EQ(list.T[loads->factored[j].thrust_index], loads->factored[j].Q) << j;
  }
}

TEST(LrfdFactoredLoads, FullAnalysesTakeTheFactoredThrustsInKipsInUSRuns) {
  auto engine = std::make_unique<Engine>();
  engine->lrfd = four_types();
  engine->options.IUNITS = kUnitsUS;
  engine->options.i_Analysis_Type = kFullAnalysis;
  prepare_factored_loads(*engine);
  const ThrustList& list = engine->thrusts;
  ASSERT_EQ(list.count, 3);
  for (int j = 1; j <= 3; ++j) {
    const LrfdFactoredLoad& load = engine->lrfd_loads.factored[j];
    EXPECT_EQ(list.T[load.thrust_index], load.Q / 1000.0) << j;
  }
  EXPECT_EQ(list.T[1], 126000.0 / 1000.0);

  // Bending properties only: the list of the input stays.
  engine->thrusts = ThrustList{};
  engine->thrusts.count = 1;
  engine->thrusts.T[1] = 7.0;
  engine->options.i_Analysis_Type = kBendingPropertiesOnly;
  prepare_factored_loads(*engine);
  EXPECT_EQ(engine->thrusts.count, 1);
  EXPECT_EQ(engine->thrusts.T[1], 7.0);
}

// A pile of n increments over L along the axis.
void make_nodes(NodeTable& nodes, int n, double L) {
  nodes.N = n + 1;
  nodes.h = L / n;
  for (int i = 1; i <= nodes.N; ++i) nodes.x[i] = i == nodes.N ? L : (i - 1) * nodes.h;
}

TEST(LrfdDistributedLoads, TributarySumsIntegrateTheProfilesOfEachType) {
  constexpr double L = 600.0;
  LrfdInput input;
  input.group_count = 3;
  // Wind: a step at 24 in, starting between nodes.
  input.groups[1] = group(5, 0.0, 0.0, 0.0);
  add_point(input.groups[1].distributed, 3.0, 20.0);
  add_point(input.groups[1].distributed, 24.0, 20.0);
  add_point(input.groups[1].distributed, 24.0, 10.0);
  add_point(input.groups[1].distributed, 100.0, 0.0);
  // Water: two groups of one type, one above the head and one past the tip (clipped ends).
  input.groups[2] = group(6, 0.0, 0.0, 0.0);
  add_point(input.groups[2].distributed, -60.0, 0.0);
  add_point(input.groups[2].distributed, 60.0, 12.0);
  input.groups[3] = group(6, 0.0, 0.0, 0.0);
  add_point(input.groups[3].distributed, 500.0, 5.0);
  add_point(input.groups[3].distributed, 700.0, 5.0);
  // Integrals of the profiles over [0, L]:
  const double wind = 21.0 * 20.0 + 76.0 * 10.0 / 2.0;
  const double water = 60.0 * (6.0 + 12.0) / 2.0 + 100.0 * 5.0;

  auto loads = std::make_unique<LrfdLoads>();
  NodeTable nodes;
  for (const int n : {40, 100, 137}) {
    SCOPED_TRACE(n);
    make_nodes(nodes, n, L);
    compute_loads_by_type(input, nodes, L, *loads);
    double sums[kLrfdLoadTypes + 1] = {};
    for (int k = 1; k <= kLrfdLoadTypes; ++k) {
      for (int i = 1; i <= nodes.N; ++i) {
        const double length = i == 1 || i == nodes.N ? nodes.h / 2.0 : nodes.h;
        sums[k] += loads->by_type[k][i] * length;
      }
    }
    EXPECT_NEAR(sums[5], wind, 1e-9);
    EXPECT_NEAR(sums[6], water, 1e-9);
    for (int k : {1, 2, 3, 4, 7, 13}) EXPECT_EQ(sums[k], 0.0) << k;
    // The head node carries the average over its half interval.
    EXPECT_NEAR(loads->by_type[6][1], 6.0 + 12.0 / 120.0 * nodes.h / 4.0, 1e-12);
  }
}

TEST(LrfdDistributedLoads, CombinedLoadTakesEveryFactorAndClearsTheNodesFirst) {
  LrfdInput input;
  input.group_count = 2;
  input.groups[1] = group(1, 0.0, 0.0, 0.0);
  add_point(input.groups[1].distributed, 0.0, 10.0);
  add_point(input.groups[1].distributed, 600.0, 10.0);
  input.groups[2] = group(5, 0.0, 0.0, 0.0);
  add_point(input.groups[2].distributed, 0.0, 4.0);
  add_point(input.groups[2].distributed, 600.0, 4.0);
  auto loads = std::make_unique<LrfdLoads>();
  NodeTable nodes;
  make_nodes(nodes, 40, 600.0);
  nodes.W[42] = 99.0;  // left from a longer pile
  compute_loads_by_type(input, nodes, 600.0, *loads);
  apply_combination_load(combination(1.2, 0.0, 0.0, -0.5, "c"), *loads, nodes);
  for (int i = 1; i <= nodes.N; ++i) {
    EXPECT_DOUBLE_EQ(nodes.W[i], 1.2 * 10.0 - 0.5 * 4.0) << i;
    EXPECT_EQ(loads->applied[i], nodes.W[i]) << i;
  }
  EXPECT_EQ(nodes.W[42], 0.0);
}

// An elastic pile on a constant soil modulus under the factored distributed load of one
// combination, solved under its factored head loads.
class LrfdPile : public SolverFixture {
 protected:
  static constexpr double kLength = 1200.0;  // in
  static constexpr double kEI = 1.0e10;      // lb-in^2
  static constexpr double kEs = 1000.0;      // lb/in^2

  void load_pile(int increments, double w, double V) {
    make_pile(increments, kLength, kEI, kEs);
    engine().sections.pile_length = kLength;
    LrfdInput& input = engine().lrfd;
    input.group_count = 2;
    input.groups[1] = group(1, V / 1.25, 0.0, 0.0);
    add_point(input.groups[1].distributed, 0.0, w / 1.25);
    add_point(input.groups[1].distributed, kLength, w / 1.25);
    input.groups[2] = group(2, 0.0, 0.0, 0.0);
    input.combination_count = 1;
    input.combinations[1] = combination(1.25, 1.75, 0.0, 0.0, "Strength I");
    engine().options.UseLRFD = true;
    prepare_factored_loads(engine());
    load_nodes_for_combination(engine(), 1, false);
    engine().solver.head = combination_head_condition(engine(), 1);
    LinearSoil soil;
    MomentCurvatureStiffness stiffness(section_);
    ASSERT_EQ(iterate_load_case(engine(), SolverContext{section_, {}}, soil, stiffness),
              Convergence::kReached);
  }
  double moment(int i) {
    const NodeTable& n = nodes();
    return kEI * (n.y[i - 1] - 2.0 * n.y[i] + n.y[i + 1]) / (n.h * n.h);
  }
};

TEST_F(LrfdPile, UniformLoadAloneSettlesThePileWithoutBending) {
  constexpr double w = 25.0;
  load_pile(100, w, 0.0);
  for (int i = 1; i <= nodes().N; ++i) {
    EXPECT_NEAR(nodes().y[i], w / kEs, 1e-12) << i;
    EXPECT_NEAR(moment(i), 0.0, 1e-3) << i;
  }
}

TEST_F(LrfdPile, HeadShearAddsTheDeflectionOfTheSemiInfiniteBeam) {
  constexpr double w = 25.0;
  constexpr double V = 10000.0;
  const double lambda = std::pow(kEs / (4.0 * kEI), 0.25);
  load_pile(400, w, V);
  // Free head under shear (Hetenyi): y(0) = 2 V lambda / Es, largest moment 0.3224 V / lambda,
  // on top of the settlement w / Es under the uniform load.
  EXPECT_NEAR(nodes().y[1], w / kEs + 2.0 * V * lambda / kEs, 2e-3 * nodes().y[1]);
  double largest = 0.0;
  for (int i = 1; i < nodes().N; ++i) largest = std::fmax(largest, std::fabs(moment(i)));
  EXPECT_NEAR(largest, 0.3224 * V / lambda, 2e-3 * largest);
}

TEST(LrfdReference, StiffnessAnalysisTakesCombinationOne) {
  auto engine = std::make_unique<Engine>();
  engine->lrfd = four_types();
  engine->options.IUNITS = kUnitsUS;
  engine->options.i_Analysis_Type = kFullAnalysis;
  engine->options.UseLRFD = true;
  prepare_factored_loads(*engine);
  engine->results.cases[1].head_deflection = 0.25;
  engine->results.cases[1].head_slope = -0.002;
  const StiffnessReference reference = stiffness_reference_loading(*engine);
  const LrfdFactoredLoad& first = engine->lrfd_loads.factored[1];
  EXPECT_EQ(reference.shear, first.V);
  EXPECT_EQ(reference.moment, first.M);
  EXPECT_EQ(reference.axial, first.Q);
  EXPECT_EQ(reference.deflection, 0.25);
  EXPECT_EQ(reference.rotation, -0.002);
  EXPECT_NE(reference.load_nodes, nullptr);
}

TEST(LrfdWarning, FailuresAreCountedAgainAfterALaterAnalysisClearedTheCounts) {
  auto engine = std::make_unique<Engine>();
  engine->lrfd_loads.failures = 2;
  WarningRegister(*engine, -400);
  WarningRegister(*engine, -400);
  keep_lrfd_failure_warning(*engine);  // still counted: unchanged
  EXPECT_EQ(engine->warnings.WarningCount[400], 2);
  clear_warning_counts(*engine);  // as every auxiliary case of a pushover does
  keep_lrfd_failure_warning(*engine);
  EXPECT_EQ(engine->warnings.WarningCount[400], 2);
}

}  // namespace
}  // namespace torva::testing
