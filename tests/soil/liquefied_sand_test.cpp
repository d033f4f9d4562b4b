// Liquefied sand moduli against the relation of Rollins et al. (2005) as published
// (sand_formulas.h): p = P_d A (B y)^C up to P_d min(15, p_150), in kN, m and mm.
#include "soil/liquefied_sand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "soil/py_fixture.h"
#include "soil/sand_formulas.h"

namespace torva::testing {
namespace {

// The published relation at normalised depth z_n (m) for a pile of b metres.
sand::LiquefiedSand published(double z_n, double b) { return {z_n, b}; }

class LiquefiedSand : public PYFixture {
 protected:
  void SetUp() override {
    PYFixture::SetUp();
    use_units(kUnitsSI);
  }

  double modulus_at(int n, double Y) {
    nodes().y[n] = Y;
    // The model may have changed since the last pass: its depth parts are worked out again.
    clear_depth_parts(engine().py);
    PYCurveDriver(engine(), 2);
    return nodes().Es[n];
  }
};

TEST_F(LiquefiedSand, TopLayerFollowsThePublishedRelationWithItsDepth) {
  for (const double b : {0.2, 0.3, 0.6, 1.5}) {
    engine().soil = SoilLayers{};
    engine().profile = SoilProfile{};
    make_pile(40, 10.0, b);  // nodes every 0.25 m
    add_layer(criterion::kLiquefiedSand, 0.0, 12.0, LayerValues{9.0});
    assign_layers();
    for (const double z : {0.0, 0.5, 1.0, 2.0, 4.0, 6.0, 8.0}) {
      const int n = static_cast<int>(z / 0.25) + 1;
      const sand::LiquefiedSand curve = published(z, b);
      for (const double y_mm : {1.0, 10.0, 40.0, 100.0, 150.0, 400.0}) {
        const double y = y_mm / 1000.0;
        const double expected = curve.p(y_mm) / y;
        EXPECT_NEAR(modulus_at(n, y), expected, 1e-10 * expected)
            << "b " << b << ", z " << z << ", y " << y_mm << " mm";
      }
    }
  }
  // No deflection, no resistance; the run's number of cycles is left as given.
  EXPECT_EQ(modulus_at(9, 0.0), 0.0);
  EXPECT_EQ(engine().options.NumCycles, 0.0);
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

TEST(LiquefiedSandCurve, ThirtyCentimetrePileReachesFifteenKilonewtonsPerMetre) {
  // At 2 m p_150 = 17.1 kN/m: the limit is 15 kN/m with P_d = 1, reached at y_u < 150 mm.
  LiquefiedSandInputs in;
  in.b = 0.3;
  in.z = 2.0;
  const LiquefiedSandAtDepth d = liquefied_sand_at_depth(in);
  EXPECT_DOUBLE_EQ(d.curve.P_d, 1.0);
  EXPECT_TRUE(d.limited);
  EXPECT_GT(d.p_150, 15.0);
  EXPECT_DOUBLE_EQ(d.P_u, 15.0);
  EXPECT_LT(d.y_u, 0.15);
  const sand::LiquefiedSand curve = published(2.0, 0.3);
  EXPECT_NEAR(curve.A() * std::pow(curve.B() * d.y_u * 1000.0, curve.C()), 15.0, 1e-9);
  EXPECT_NEAR(d.y_u * 1000.0, curve.y_u_mm(), 1e-9);
  EXPECT_DOUBLE_EQ(liquefied_sand_p(d.curve, 2.0 * d.y_u), 15.0);
  // Printed points: 15 steps to y_u, then 5 percent beyond.
  const std::array<double, 17> points = liquefied_sand_points(d);
  EXPECT_DOUBLE_EQ(points[15], d.y_u);
  EXPECT_DOUBLE_EQ(points[16], 1.05 * d.y_u);
  EXPECT_NEAR(liquefied_sand_p(d.curve, points[15]), 15.0, 1e-9);

  // At 1 m the curve stays below the limit up to 150 mm.
  in.z = 1.0;
  const LiquefiedSandAtDepth shallow = liquefied_sand_at_depth(in);
  EXPECT_FALSE(shallow.limited);
  EXPECT_EQ(shallow.y_u, 0.15);
  EXPECT_NEAR(shallow.P_u, shallow.p_150, 1e-12);
  EXPECT_EQ(liquefied_sand_points(shallow)[15], 0.15);
}

TEST(LiquefiedSandCurve, UsCustomaryUnitsGiveTheSameCurve) {
  // A 24-in pile at 80 in (layer 1), and at 200 in below 90 pcf of overburden (deeper layers:
  // the depth is the vertical stress over 10 kN/m3).
  const double gamma_si = 90.0 * 0.157087464;  // kN/m3 per pcf
  for (const bool first_layer : {true, false}) {
    LiquefiedSandInputs us;
    us.b = 24.0;
    us.z = first_layer ? 80.0 : 200.0;
    us.gamma = 90.0 / 1728.0;
    us.first_layer = first_layer;
    us.us_units = true;
    LiquefiedSandInputs si;
    si.b = 24.0 * 0.0254;
    si.z = us.z * 0.0254;
    si.gamma = gamma_si;
    si.first_layer = first_layer;
    const LiquefiedSandAtDepth d_us = liquefied_sand_at_depth(us);
    const LiquefiedSandAtDepth d_si = liquefied_sand_at_depth(si);
    EXPECT_NEAR(d_us.z_n, d_si.z_n, 1e-5 * d_si.z_n);
    if (!first_layer) {
      EXPECT_NEAR(d_si.z_n, gamma_si * si.z / 10.0, 1e-12);
    }
    for (const double y_in : {0.1, 1.0, 3.0, 8.0}) {
      const double p_us = liquefied_sand_p(d_us.curve, y_in);           // lb/in
      const double p_si = liquefied_sand_p(d_si.curve, y_in * 0.0254);  // kN/m
      EXPECT_NEAR(p_us, p_si * 5.710147, 1e-4 * p_us) << y_in;
    }
    EXPECT_NEAR(d_us.y_u, d_si.y_u / 0.0254, 1e-5 * d_us.y_u);
  }
}

TEST_F(LiquefiedSand, CumulativeResistanceIsTheUpperLimitOverTheLayerAndIsKeptTwice) {
  make_pile(40, 10.0, 0.6);
  add_layer(criterion::kLiquefiedSand, 0.0, 6.1, LayerValues{9.0});
  add_layer(criterion::kLiquefiedSand, 6.1, 12.0, LayerValues{9.0});
  assign_layers();
  PYCurveDriver(engine(), 0);
  // P_u integrated finely over the 6.1 m of layer 1.
  double integral = 0.0;
  const int steps = 61000;
  for (int j = 0; j < steps; ++j) {
    const double z = (j + 0.5) * 6.1 / steps;
    integral += published(z, 0.6).P_u();
  }
  integral *= 6.1 / steps;
  const PYState& py = engine().py;
  EXPECT_NEAR(py.FLayer[1], integral, 0.01 * integral);
  EXPECT_EQ(py.FLayerAlt[1], py.FLayer[1]);
  EXPECT_EQ(py.FLayerAlt[2], py.FLayer[2]);
  EXPECT_GT(py.FLayer[2], 0.0);
}

TEST_F(LiquefiedSand, ModulusThatIsNotANumberEndsTheRunWithRuntimeError50) {
  make_pile(40, 10.0, 0.6);
  add_layer(criterion::kLiquefiedSand, 0.0, 4.0, LayerValues{9.0});
  add_layer(criterion::kLiquefiedSand, 4.0, 12.0, LayerValues{9.0},
            LayerValues{std::numeric_limits<double>::quiet_NaN()});
  assign_layers();
  nodes().y[30] = 0.05;  // 7.25 m: below the unit weight that was lost
  EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 250);
  EXPECT_TRUE(contains_line(
      report(),
      "Problem: The soil modulus of node 30 in soil layer 2 (Liquefied Sand) is not a number."));
}

}  // namespace
}  // namespace torva::testing
