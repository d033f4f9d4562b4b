// User-input p-y curves: the curves at the nodes over depth and deflection, the modulus at rest,
// depths outside the curves, the resistance the layer passes to a sand below, and the printed
// curve.
#include "soil/user_py.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "soil/other_criteria_fixture.h"
#include "soil/sand_formulas.h"

namespace torva::testing {
namespace {

// The curve at the top of the layer and the one at its bottom.
const Points kTop = {{0.1, 100.0}, {0.5, 300.0}, {2.0, 400.0}};
const Points kBottom = {{0.2, 400.0}, {1.0, 1000.0}, {3.0, 1200.0}};

class UserCurves : public OtherCriteria {
 protected:
  void SetUp() override {
    OtherCriteria::SetUp();
    start(kUnitsUS, 40, 480.0, 24.0);  // nodes every 12 in
  }
};

TEST_F(UserCurves, ResistanceAtTheNodesOverDepthAndDeflection) {
  add_user_curves(0.0, 480.0, kTop, kBottom);
  assign_layers();
  // p of the top and bottom curves at each deflection, worked out from their points.
  struct Case {
    const char* what;
    double y, p_top, p_bottom;
  };
  const Case cases[] = {
      {"the top curve's first point", 0.1, 100.0, 400.0 * 0.1 / 0.2},
      {"inside a segment of each", 0.3, 100.0 + 200.0 * 0.2 / 0.4, 400.0 + 600.0 * 0.1 / 0.8},
      {"on a point of the bottom curve", 1.0, 300.0 + 100.0 * 0.5 / 1.5, 1000.0},
      {"below the first point of each", 0.05, 100.0 * 0.5, 400.0 * 0.25},
      {"beyond the last point of each", 5.0, 400.0, 1200.0},
  };
  // The top curve at the layer top, the bottom curve at its bottom, halfway between them at
  // 240 in.
  const struct {
    int node;
    double f;
  } depths[] = {{1, 0.0}, {21, 0.5}, {41, 1.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& d : depths) nodes().y[d.node] = c.y;
    PYCurveDriver(engine(), 0);
    for (const auto& d : depths) {
      const double p = c.p_top + (c.p_bottom - c.p_top) * d.f;
      EXPECT_NEAR(nodes().Es[d.node], p / c.y, 1e-12 * p / c.y) << "node " << d.node;
    }
  }
}

TEST_F(UserCurves, AtRestTheSecondPointsSecantWithoutMultipliers) {
  add_user_curves(0.0, 480.0, kTop, kBottom);
  assign_layers();
  uniform_group_factors(0.5, 2.0);
  nodes().y[21] = 0.0;
  nodes().y[11] = 0.6;  // y / y_m = 0.3
  PYCurveDriver(engine(), 0);
  // Secants 300 / 0.5 at the top and 1000 / 1 at the bottom; halfway 800.
  EXPECT_NEAR(nodes().Es[21], 800.0, 1e-9);
  // At 120 in, a quarter of the way: p(0.3) = 200 + (475 - 200) / 4.
  const double p = 200.0 + 275.0 / 4.0;
  EXPECT_NEAR(nodes().Es[11], p * 0.5 / (2.0 * 0.3), 1e-9);
}

TEST_F(UserCurves, NoResistanceAboveOrBelowTheCurves) {
  // Curves given at 120 and 360 in, in a layer from 0 to 480 in.
  add_user_curves(0.0, 480.0, kTop, kBottom);
  engine().user_py.curve[1].depth = 120.0;
  engine().user_py.curve[2].depth = 360.0;
  assign_layers();
  nodes().y[6] = nodes().y[36] = 0.3;
  nodes().y[7] = 0.0;
  PYCurveDriver(engine(), 0);
  EXPECT_EQ(nodes().Es[6], 0.0);   // 60 in
  EXPECT_EQ(nodes().Es[36], 0.0);  // 420 in
  EXPECT_EQ(nodes().Es[7], 0.0);   // 72 in, at rest
}

TEST(UserCurve, OneCurveValues) {
  UserPYCurve c;
  set_curve(c, 0.0, {{0.0, 0.0}, {0.4, 200.0}, {1.0, 260.0}});
  EXPECT_EQ(user_curve_values(c, 0.0).p, 0.0);
  EXPECT_EQ(user_curve_values(c, 0.2).p, 100.0);
  EXPECT_EQ(user_curve_values(c, 0.4).p, 200.0);
  EXPECT_EQ(user_curve_values(c, 7.0).p, 260.0);
  EXPECT_EQ(user_curve_values(c, 7.0).secant, 500.0);
  EXPECT_EQ(user_curve_values(c, 7.0).p_last, 260.0);
  // Curves at one depth: the top curve.
  UserPYCurve other;
  set_curve(other, 5e-7, {{0.0, 0.0}, {1.0, 1000.0}});
  EXPECT_EQ(user_curves_at_depth(c, other, 0.0, 0.2).p, 100.0);
}

// The last-point resistance over the layer is what a sand below builds up to at its
// equivalent depth.
TEST_F(UserCurves, SandBelowStartsAtTheDepthOfTheResistanceAbove) {
  const double gamma = 0.035, phi = 35.0, b = 24.0;
  add_user_curves(0.0, 240.0, kTop, kBottom, gamma);
  add_layer(criterion::kApiSand, 240.0, 600.0, {gamma});
  engine().profile.phi[3] = engine().profile.phi[4] = phi;
  assign_layers();
  PYCurveDriver(engine(), 0);

  // Nodes 1 to 20 (0 to 228 in) each add 12 in times the last p, 400 + 800 X / 240.
  double F = 0.0;
  for (int n = 1; n <= 20; ++n) F += 12.0 * (400.0 + 800.0 * (n - 1) * 12.0 / 240.0);
  EXPECT_NEAR(engine().py.FLayer[1], F, 1e-9 * F);
  EXPECT_NEAR(F, 187200.0, 1e-6);

  // The sand's wedge resistance A gamma b^2 (C1 (z/b)^2 + C2 z/b), integrated finely from the
  // surface to its equivalent depth, is that resistance.
  const double h = engine().py.EqDepth[2];
  ASSERT_GT(h, 0.0);
  EXPECT_NEAR(sand::wedge_resistance_to_depth(phi, gamma, b, h), F, 1e-4 * F);
  EXPECT_FALSE(engine().py.bBelowNoLayering[2]);
}

// A polyline through the points, from the origin to the first, constant beyond the last.
double on_curve(const Points& c, double y) {
  if (y <= c.front().first) return c.front().second * y / c.front().first;
  for (std::size_t k = 1; k < c.size(); ++k) {
    if (y <= c[k].first) {
      const auto [y0, p0] = c[k - 1];
      const auto [y1, p1] = c[k];
      return p0 + (y - y0) * (p1 - p0) / (y1 - y0);
    }
  }
  return c.back().second;
}

TEST_F(UserCurves, PrintedCurveHalfwayBetweenTheCurves) {
  add_user_curves(0.0, 480.0, kTop, kBottom);
  assign_layers();
  request_curves({240.0});
  PYCurveDriver(engine(), 0);
  PYOutputAtDepths(engine());
  std::vector<std::string> block = {
      "p-y Curve Computed by Interpolation Between User-input Curves",
      "",
      "Soil Layer Number                                      =            1",
      "Depth below pile head                                  =     20.00000 ft",
      "Depth below ground surface                             =     20.00000 ft",
      "Pile diameter                                          =     24.00000 in",
      "p-multiplier                                           =      1.00000",
      "y-multiplier                                           =      1.00000",
      "",
      "     y, in             p, lb/in",
      "---------------   ---------------"};
  const float factors[] = {0.0f,     0.0002f, 0.00125f, 0.0025f, 0.00375f, 0.005f,
                           0.00625f, 0.0075f, 0.00875f, 0.01f,   0.01125f, 0.0125f,
                           0.01375f, 0.015f,  0.04f,    0.075f,  0.1f};
  for (const float f : factors) {
    const double y = single(f) * 24.0;
    block.push_back(curve_row(y, (on_curve(kTop, y) + on_curve(kBottom, y)) / 2.0, 5));
  }
  EXPECT_TRUE(contains_block(report(), block));
  const std::vector<std::string> records = plot();
  ASSERT_EQ(records.size(), 19u);
  EXPECT_EQ(records[1].substr(104),
            "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. 1");
  EXPECT_EQ(records[2].substr(104), "Line 8( 1): y, p, for user-input p-y curve");
  EXPECT_EQ(records[18].substr(104), "Line 8(17): y, p, for user-input p-y curve");
}

}  // namespace
}  // namespace torva::testing
