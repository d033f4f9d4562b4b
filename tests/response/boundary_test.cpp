// The conditions at the two ends of the pile: the specified head deflection under soil
// movement, and the tip shear curve.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "response/solver_fixture.h"

namespace torva::testing {
namespace {

using Boundary = SolverFixture;

TEST_F(Boundary, HeadDeflectionUnderSoilMovement) {
  // Condition 5 takes the soil movement at the head in addition to the specified deflection;
  // condition 4 takes the specified deflection alone.
  struct Case {
    int condition;
    double expected;
  };
  for (const Case c : {Case{5, 0.5 + 0.2}, Case{4, 0.5}}) {
    SCOPED_TRACE(c.condition);
    make_pile(100, 600.0, 1.0e10, 1000.0);
    for (int i = 1; i <= nodes().N; ++i) nodes().ysoil[i] = 0.2 * (1.0 - nodes().x[i] / 600.0);
    ASSERT_EQ(iterate(c.condition, 0.5, 0.0), Convergence::kReached);
    EXPECT_EQ(nodes().y[1], c.expected);
  }
}

TEST(TipShear, TakesTheSignOfTheTipDeflectionAndSaturates) {
  const std::array<double, 3> deflection{0.01, 0.1, 0.2};
  const std::array<double, 3> shear{100.0, 1000.0, 1500.0};
  const TipShearView curve{deflection, shear};
  struct Case {
    double y_tip, expected;
  };
  const Case cases[] = {
      {0.055, 550.0}, {-0.055, -550.0},  // between points, either sign
      {0.1, 1000.0},  {-0.15, -1250.0},  // on a point; second segment
      {0.005, 50.0},  {0.0, 0.0},        // below the first point: along the first segment
      {0.25, 1500.0}, {-3.0, -1500.0},   // beyond the last point: the last shear
  };
  for (const Case c : cases) {
    SCOPED_TRACE(c.y_tip);
    EXPECT_NEAR(tip_shear(curve, c.y_tip), c.expected, 1e-9);
  }
  EXPECT_EQ(tip_shear(TipShearView{}, 0.3), 0.0);
  // One point: a constant shear.
  const TipShearView single{std::span(deflection).first(1), std::span(shear).first(1)};
  EXPECT_EQ(tip_shear(single, 0.001), 100.0);
  EXPECT_EQ(tip_shear(single, -0.5), -100.0);
}

TEST_F(Boundary, TipShearCarriesItsPartOfTheHeadShear) {
  // A short pile whose tip kicks back against the head shear, so the tip shear is negative.
  // Summed over the pile, the soil reaction equals the head shear less the shear taken at the
  // tip (trapezoidal sum, within the discretisation error).
  struct Case {
    std::array<double, 3> deflection, shear;
    bool saturated;  // the tip moves beyond the last point of the curve
  };
  const Case cases[] = {{{0.0, 0.01, 0.1}, {0.0, 100.0, 400.0}, false},
                        {{0.0, 0.005, 0.01}, {0.0, 150.0, 200.0}, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.saturated);
    make_pile(200, 240.0, 1.0e10, 1000.0);
    ASSERT_EQ(iterate(1, 10000.0, 0.0, TipShearView{c.deflection, c.shear}), Convergence::kReached);
    const NodeTable& n = nodes();
    const double V_tip = engine().solver.V_tip;
    double reaction = 0.0;
    for (int i = 1; i <= n.N; ++i)
      reaction += (i == 1 || i == n.N ? 0.5 : 1.0) * n.Es[i] * n.y[i] * n.h;
    EXPECT_NEAR(reaction, 10000.0 - V_tip, 1e-3 * 10000.0);
    EXPECT_LT(n.y[n.N], 0.0);
    if (c.saturated) {
      EXPECT_GT(-n.y[n.N], 0.01);
      EXPECT_EQ(V_tip, -200.0);
    } else {
      EXPECT_LT(-n.y[n.N], 0.1);
      EXPECT_LT(V_tip, -100.0);
    }
  }
}

}  // namespace
}  // namespace torva::testing
