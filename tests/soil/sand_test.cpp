// Sand moduli and curves, "Sand" (Reese, Cox and Koop) and "API Sand", checked against the
// curves in their published forms (sand_formulas.h): the wedge and flow resistances, the factors
// A and B from their tables, the parabola of the Reese curve tangent to its straight part at
// b/60, and the API curve A p_u tanh(k z y / (A p_u)).
#include "soil/sand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "soil/py_fixture.h"
#include "soil/sand_formulas.h"

namespace torva::testing {
namespace {

using sand::kPi;
using sand::kRadians;
using sand::reese_wedge;
using sand::Wedge;

constexpr double kB = 24.0;       // pile width (in)
constexpr double kGamma = 0.036;  // effective unit weight (pci), 62.2 pcf

// The Reese curve in a uniform sand of the tests' unit weight, at true depth z.
double reese_p(double phi, double k, double z, double y, bool cyclic) {
  return sand::ReeseSand{phi, kGamma, kB, k, z, z, cyclic}.p(y);
}

double api_p(double phi, double k, double z, double y, bool cyclic) {
  return sand::ApiSand{phi, kGamma, kB, k, z, cyclic}.p(y);
}

// ---- Fixture -------------------------------------------------------------------------------

class SandLayers : public PYFixture {
 protected:
  void SetUp() override {
    PYFixture::SetUp();
    make_pile(40, 480.0, kB);  // nodes every 12 in
  }

  // A sand layer of one unit weight; friction angle and k at its top and bottom.
  void add_sand(int code, double top, double bottom, double phi_top, double phi_bottom,
                double k_top, double k_bottom, double gamma = kGamma) {
    add_layer(code, top, bottom, LayerValues{gamma});
    const int i = engine().soil.count;
    engine().profile.phi[2 * i - 1] = phi_top;
    engine().profile.phi[2 * i] = phi_bottom;
    engine().soil.k_top[i] = k_top;
    engine().soil.k_bottom[i] = k_bottom;
  }
  void set_phi(int layer, double phi) {
    engine().profile.phi[2 * layer - 1] = engine().profile.phi[2 * layer] = phi;
  }

  // Es of node n (depth 12 (n - 1) in) after a pass with deflection Y there.
  double modulus_at(int n, double Y) {
    nodes().y[n] = Y;
    // The model may have changed since the last pass: its depth parts are worked out again.
    clear_depth_parts(engine().py);
    PYCurveDriver(engine(), 2);
    return nodes().Es[n];
  }
};

constexpr std::array<double, 7> kDepths = {0.0, 12.0, 36.0, 60.0, 120.0, 240.0, 360.0};
constexpr std::array<double, 3> kFrictionAngles = {30.0, 36.0, 42.0};

// ---- "Sand" --------------------------------------------------------------------------------

TEST_F(SandLayers, ReeseCurveFollowsItsFourSegmentsAtEveryDepthAndFrictionAngle) {
  constexpr double k = 100.0;  // pci: shallow nodes have the initial line cut through the curve
  add_sand(criterion::kSand, 0.0, 600.0, 36.0, 36.0, k, k);
  assign_layers();
  // Deflections (as fractions of b) on every segment and at its ends.
  const double fractions[] = {0.002, 0.01, 1.0 / 60.0, 0.025, 3.0 / 80.0, 0.06};
  for (const bool cyclic : {false, true}) {
    engine().options.CyclicLoading = cyclic;
    for (const double phi : kFrictionAngles) {
      set_phi(1, phi);
      for (const double z : kDepths) {
        const int n = static_cast<int>(z / 12.0) + 1;
        for (const double f : fractions) {
          const double y = f * kB;
          const double expected = reese_p(phi, k, z, y, cyclic) / y;
          EXPECT_NEAR(modulus_at(n, -y), expected, 1e-9 * expected + 1e-12)
              << (cyclic ? "cyclic" : "static") << ", phi " << phi << ", z " << z << ", y/b " << f;
        }
      }
    }
  }
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

TEST_F(SandLayers, ReeseModulusAtRestIsTheInitialModulusWithoutMultipliers) {
  add_sand(criterion::kSand, 0.0, 600.0, 36.0, 36.0, 50.0, 150.0);
  assign_layers();
  uniform_group_factors(0.5, 2.0);
  // k is linear through the layer: 50 + z / 6 pci; E0 = k z.
  EXPECT_DOUBLE_EQ(modulus_at(11, 0.0), (50.0 + 120.0 / 6.0) * 120.0);
  EXPECT_DOUBLE_EQ(modulus_at(11, 1e-15), (50.0 + 120.0 / 6.0) * 120.0);
  // Away from rest both multipliers apply: Es = p_mult p(y / y_mult) / y.
  const double k = 70.0;
  EXPECT_NEAR(modulus_at(11, 0.8), 0.5 * reese_p(36.0, k, 120.0, 0.4, false) / 0.8, 1e-9);
}

struct ShapeCase {
  const char* name;
  double E0_share;  // E0 as a share of p_m / y_m
  ReeseSandShape shape;
};

TEST(ReeseSandCurve, ThreeShapesMeetContinuouslyAndNeverRiseAboveTheInitialLine) {
  // At z = 120 in (z/b = 5): A = 0.88, B = 0.50, n = 1.25 B / (A - B) = 1.6447; the initial line
  // meets the extended parabola before y_m when E0 > p_m / y_m, and before y_u when
  // E0 > (p_m / y_m) (y_u / y_m)^(1/n - 1) = 0.7273 p_m / y_m.
  const ShapeCase cases[] = {{"normal", 2.0, ReeseSandShape::kNormal},
                             {"tri-linear", 0.85, ReeseSandShape::kTriLinear},
                             {"bi-linear", 0.5, ReeseSandShape::kBiLinear}};
  const double z = 120.0;
  const Wedge w = reese_wedge(36.0, kGamma, kB, z);
  const double p_m = 0.5 * std::min(w.p_st, w.p_sd);
  const double y_m = kB / 60.0;
  const double y_u = 3.0 * kB / 80.0;
  for (const ShapeCase& c : cases) {
    SandInputs in;
    in.phi = 36.0;
    in.gamma = kGamma;
    in.b = kB;
    in.z = in.z_e = z;
    in.k = c.E0_share * p_m / y_m / z;
    const ReeseSandAtDepth d = reese_sand_at_depth(in, false);
    const ReeseSandCurve& curve = d.curve;
    EXPECT_EQ(reese_sand_shape(curve), c.shape) << c.name;
    EXPECT_NEAR(curve.p_m, p_m, 1e-9 * p_m);
    EXPECT_NEAR(curve.n, 1.25 * 0.5 / (0.88 - 0.5), 1e-6) << c.name;

    // Continuous at y_k, b/60 and 3b/80; never above E0 y; never falling.
    for (const double y : {curve.y_k, y_m, y_u}) {
      const double below = reese_sand_p(curve, y * (1.0 - 1e-10));
      const double above = reese_sand_p(curve, y * (1.0 + 1e-10));
      EXPECT_NEAR(below, above, 1e-6 * curve.p_u) << c.name << " at y = " << y;
    }
    double previous = 0.0;
    for (int j = 0; j <= 400; ++j) {
      const double y = j * 1.2 * y_u / 400.0;
      const double p = reese_sand_p(curve, y);
      EXPECT_LE(p, curve.E0 * y * (1.0 + 1e-12)) << c.name << " at y = " << y;
      EXPECT_GE(p, previous - 1e-9) << c.name << " at y = " << y;
      previous = p;
    }
    EXPECT_NEAR(reese_sand_p(curve, 2.0 * y_u),
                c.shape == ReeseSandShape::kBiLinear ? std::min(curve.p_u, 2.0 * y_u * curve.E0)
                                                     : static_cast<double>(0.88f) / 0.5 * p_m,
                1e-9 * curve.p_u);

    // The printed points follow the shape: its corners are among them.
    const std::array<double, 17> points = reese_sand_points(curve, kB);
    EXPECT_EQ(points[0], 0.0);
    for (std::size_t j = 1; j < points.size(); ++j) EXPECT_GT(points[j], points[j - 1]) << j;
    switch (c.shape) {
      case ReeseSandShape::kNormal:
        EXPECT_EQ(points[1], curve.y_k);
        EXPECT_EQ(points[12], y_m);
        EXPECT_EQ(points[13], 13.0 * kB / 480.0);
        EXPECT_EQ(points[14], y_u);
        EXPECT_EQ(points[16], 1.05 * y_u);
        break;
      case ReeseSandShape::kTriLinear:
        // The initial line meets the line through (y_k, p_k) and (y_u, p_u) at y_k itself.
        EXPECT_NEAR(points[1], curve.y_k, 1e-9);
        EXPECT_EQ(points[14], y_u);
        break;
      case ReeseSandShape::kBiLinear:
        EXPECT_NEAR(points[14], curve.p_u / curve.E0, 1e-12);
        EXPECT_NEAR(points[16], 1.05 * curve.p_u / curve.E0, 1e-12);
        break;
    }
  }
}

TEST(ReeseSandCurve, NoSoilAboveTheGroundSurface) {
  // A station above the ground (negative effective depth) counts as the ground surface.
  SandInputs in;
  in.phi = 36.0;
  in.gamma = kGamma;
  in.k = 100.0;
  in.b = kB;
  in.z = 0.0;
  in.z_e = -6.0;
  const ReeseSandAtDepth d = reese_sand_at_depth(in, false);
  EXPECT_EQ(d.in.z_e, 0.0);
  for (const double y : {0.0, 0.1, 1.0, 10.0}) EXPECT_EQ(reese_sand_p(d.curve, y), 0.0) << y;
  EXPECT_EQ(d.curve.E0, 0.0);
}

// Sloping ground: the wedge with the slope term D = 1 +- tan|theta| tan(beta).
TEST(SandWedge, SlopingGroundMeetsLevelGroundAndFollowsTheDirection) {
  SandInputs in;
  in.phi = 36.0;
  in.gamma = kGamma;
  in.b = kB;
  in.z = in.z_e = 60.0;
  const SandCoefficients level = sand_coefficients(36.0, 0.4, 0.0, false);
  const double p_level = sand_resistance(level, in, kReeseSandSlope).p_st;
  EXPECT_NEAR(p_level, reese_wedge(36.0, kGamma, kB, 60.0).p_st, 1e-9 * p_level);

  // A slope of 1e-9 rad is sloping ground to the criterion and level ground to the soil.
  in.theta = 1e-9;
  const SandCoefficients gentle = sand_coefficients(36.0, 0.4, in.theta, true);
  const SandResistance r = sand_resistance(gentle, in, kReeseSandSlope);
  EXPECT_TRUE(r.sloping);
  EXPECT_NEAR(r.p_st, p_level, 1e-6 * p_level);

  // 10 degrees: the Rankine active coefficient of the slope, and a wedge that is weaker when
  // the pile deflects down the slope (the sign of the slope) than up it.
  in.theta = 10.0 * kRadians;
  const SandCoefficients slope = sand_coefficients(36.0, 0.4, in.theta, true);
  const double c = std::cos(in.theta);
  const double root = std::sqrt(c * c - std::pow(std::cos(36.0 * kRadians), 2));
  EXPECT_NEAR(slope.Ka_wedge, c * (c - root) / (c + root), 1e-15);
  in.with_slope = true;
  const SandResistance down = sand_resistance(slope, in, kReeseSandSlope);
  in.with_slope = false;
  const SandResistance up = sand_resistance(slope, in, kReeseSandSlope);
  EXPECT_NEAR(down.D, 1.0 + std::tan(in.theta) * std::tan(63.0 * kRadians), 1e-14);
  EXPECT_NEAR(up.D, 1.0 - std::tan(in.theta) * std::tan(63.0 * kRadians), 1e-14);
  EXPECT_LT(down.p_st, p_level);
  EXPECT_GT(up.p_st, p_level);
  EXPECT_EQ(down.p_sd, up.p_sd);

  // Pushed up a slope so steep that D falls to zero or below, the pile meets the flow
  // resistance.
  in.theta = 30.0 * kRadians;
  in.phi = 40.0;
  const SandCoefficients steep = sand_coefficients(40.0, 0.4, in.theta, true);
  const SandResistance beyond = sand_resistance(steep, in, kReeseSandSlope);
  EXPECT_LT(beyond.D, 0.0);
  EXPECT_EQ(beyond.p_st, beyond.p_sd);
  EXPECT_EQ(beyond.p_s, beyond.p_sd);
}

TEST_F(SandLayers, ReeseSlopeDirectionFollowsTheNodeDeflection) {
  add_sand(criterion::kSand, 0.0, 600.0, 36.0, 36.0, 1000.0, 1000.0);
  assign_layers();
  engine().inclination.slope_minus_batter = 10.0 * kRadians;
  // At z = 36 in the wedge controls; at y = 3b/80 the curve stands at A p_s.
  const double y = 0.9;
  const double positive = modulus_at(4, y);
  const double negative = modulus_at(4, -y);
  SandInputs in;
  in.phi = 36.0;
  in.gamma = kGamma;
  in.k = 1000.0;
  in.b = kB;
  in.z = in.z_e = 36.0;
  in.theta = 10.0 * kRadians;
  in.with_slope = true;
  EXPECT_NEAR(positive * y, reese_sand_at_depth(in, false).curve.p_u, 1e-9 * positive);
  in.with_slope = false;
  EXPECT_NEAR(negative * y, reese_sand_at_depth(in, false).curve.p_u, 1e-9 * negative);
  EXPECT_LT(positive, negative);
}

// ---- Layered sand: cumulative resistance and the equivalent depth --------------------------

TEST_F(SandLayers, ReeseSandBelowTheSameSandStartsAtItsTrueDepth) {
  // The resistance of layer 1, summed node by node, is the resistance the same sand builds up
  // from the surface: the equivalent depth of layer 2 is the depth of its top. Layer 1 ends
  // between nodes (100 in), so its last node closes the sum to the layer bottom.
  add_sand(criterion::kSand, 0.0, 100.0, 34.0, 34.0, 100.0, 100.0);
  add_sand(criterion::kSand, 100.0, 600.0, 34.0, 34.0, 100.0, 100.0);
  assign_layers();
  PYCurveDriver(engine(), 0);
  EXPECT_NEAR(engine().py.EqDepth[2], 100.0, 1.0);
}

TEST_F(SandLayers, ReeseComputesTheEquivalentDepthOnceAndApiSandAtEveryPass) {
  for (const int code : {criterion::kSand, criterion::kApiSand}) {
    engine().soil = SoilLayers{};
    engine().profile = SoilProfile{};
    engine().py = PYState{};
    add_sand(code, 0.0, 96.0, 34.0, 34.0, 100.0, 100.0);
    add_sand(code, 96.0, 600.0, 34.0, 34.0, 100.0, 100.0);
    assign_layers();
    PYCurveDriver(engine(), 0);
    const double first = engine().py.EqDepth[2];
    EXPECT_GT(first, 0.0);
    engine().py.EqDepth[2] = 30.0;
    PYCurveDriver(engine(), 1);
    if (code == criterion::kSand) {
      EXPECT_EQ(engine().py.EqDepth[2], 30.0);
      // Node 11 at 120 in: 24 in below the top of layer 2, so z_e = 54 in.
      EXPECT_NEAR(modulus_at(11, 0.0), 100.0 * 54.0, 1e-9);
    } else {
      EXPECT_EQ(engine().py.EqDepth[2], first);
    }
  }
}

// ---- "API Sand" ----------------------------------------------------------------------------

TEST_F(SandLayers, ApiCurveIsTheHyperbolicTangentOfItsUltimateResistance) {
  // k from 80 pci at the top to 200 pci at 600 in.
  add_sand(criterion::kApiSand, 0.0, 600.0, 36.0, 36.0, 80.0, 200.0);
  assign_layers();
  const double deflections[] = {0.001, 0.05, 0.3, 2.0};
  for (const bool cyclic : {false, true}) {
    engine().options.CyclicLoading = cyclic;
    for (const double phi : kFrictionAngles) {
      set_phi(1, phi);
      for (const double z : kDepths) {
        const int n = static_cast<int>(z / 12.0) + 1;
        const double k = 80.0 + z * 120.0 / 600.0;
        for (const double y : deflections) {
          const double expected = api_p(phi, k, z, y, cyclic) / y;
          EXPECT_NEAR(modulus_at(n, y), expected, 1e-9 * expected + 1e-12)
              << (cyclic ? "cyclic" : "static") << ", phi " << phi << ", z " << z << ", y " << y;
        }
      }
    }
  }
  // At rest: the initial modulus k z, 0 at the ground surface.
  EXPECT_DOUBLE_EQ(modulus_at(11, 0.0), (80.0 + 24.0) * 120.0);
  EXPECT_EQ(modulus_at(1, 0.0), 0.0);
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

TEST(ApiSandCurve, StaticFactorIsThreeLessTheDepthRatioButNotBelowNineTenths) {
  SandInputs in;
  in.phi = 35.0;
  in.gamma = kGamma;
  in.k = 90.0;
  in.b = kB;
  const struct {
    double z;
    double A;
  } cases[] = {{0.0, 3.0}, {24.0, 2.2}, {60.0, 1.0}, {63.0, 0.9}, {240.0, 0.9}};
  for (const auto& c : cases) {
    in.z = in.z_e = c.z;
    EXPECT_NEAR(api_sand_at_depth(in, false, false).curve.A, c.A, 1e-14) << c.z;
    EXPECT_EQ(api_sand_at_depth(in, true, false).curve.A, 0.9) << c.z;
  }
  // Printed points: the argument of tanh runs from 0 to pi in 16 steps.
  in.z = in.z_e = 120.0;
  const ApiSandAtDepth d = api_sand_at_depth(in, false, false);
  const std::array<double, 17> points = api_sand_points(d.curve, 0.05);
  const double Apu = d.curve.A * d.curve.p_u;
  EXPECT_NEAR(api_sand_p(d.curve, points[16]), Apu * std::tanh(kPi), 1e-9 * Apu);
  EXPECT_NEAR(api_sand_p(d.curve, points[4]), Apu * std::tanh(kPi / 4.0), 1e-9 * Apu);
  // At the surface the curve is flat and the points are 0.05 in apart.
  in.z = in.z_e = 0.0;
  const std::array<double, 17> surface =
      api_sand_points(api_sand_at_depth(in, false, false).curve, 0.05);
  EXPECT_DOUBLE_EQ(surface[16], 0.8);
}

TEST_F(SandLayers, ApiSandDeflectionAtRestOnSlopingGroundTakesThePositiveDirection) {
  // Ground sloping the negative way; a pile at rest has no direction of its own, so the first
  // node starts from a positive one. The cumulative resistance shows the wedge used.
  add_sand(criterion::kApiSand, 0.0, 600.0, 36.0, 36.0, 100.0, 100.0);
  assign_layers();
  engine().inclination.slope_minus_batter = -10.0 * kRadians;
  auto layer_resistance = [&](double Y) {
    for (int n = 1; n <= nodes().N; ++n) nodes().y[n] = Y;
    PYCurveDriver(engine(), 2);
    return engine().py.FLayer[1];
  };
  const double positive = layer_resistance(1e-3);
  const double negative = layer_resistance(-1e-3);
  EXPECT_NE(positive, negative);
  EXPECT_EQ(layer_resistance(0.0), positive);
  EXPECT_EQ(layer_resistance(5e-15), positive);
}

// ---- Default k -----------------------------------------------------------------------------

TEST_F(SandLayers, DefaultKFollowsTheFrictionAngleAndTheWaterTable) {
  use_units(kUnitsSI);
  make_pile(40, 20.0, 0.6);  // nodes every 0.5 m
  struct Case {
    int units;
    double gamma;  // kN/m3 or pci
    double phi;
    double k;  // expected default k
  };
  const Case cases[] = {
      {kUnitsSI, 18.0, 30.0, 4.14174883189844e-06 * std::pow(30.0, 6.416118)},   // above water
      {kUnitsSI, 10.0, 30.0, 3.284046397311613e-05 * std::pow(30.0, 5.694468)},  // submerged
      {kUnitsSI, 18.0, 45.0, 78739.0078125},
      {kUnitsSI, 10.0, 45.0, 43580.1484375},
      {kUnitsUS, 0.036, 30.0, 1.2098290369522147e-07 * std::pow(30.0, 5.694468)},
      {kUnitsUS, 0.07, 45.0, 160.54745483398438},
  };
  for (const int code : {criterion::kSand, criterion::kApiSand}) {
    for (const Case& c : cases) {
      use_units(c.units);
      engine().soil = SoilLayers{};
      engine().profile = SoilProfile{};
      add_sand(code, 0.0, 600.0, c.phi, c.phi, 0.0, 25.0, c.gamma);
      assign_layers();
      // Node 5, 2 length units down.
      const double z = nodes().z[5];
      EXPECT_NEAR(modulus_at(5, 0.0), c.k * z, 1e-9 * c.k * z) << code << ", " << c.gamma;
      // A default k is stored back as k of 0 at the top and bottom of the layer.
      EXPECT_EQ(engine().soil.k_bottom[1], 0.0);
    }
  }
  // The curves meet their caps at 40 degrees.
  EXPECT_NEAR(4.14174883189844e-06 * std::pow(40.0, 6.416118), 78739.0078125, 1.0);
  EXPECT_NEAR(3.284046397311613e-05 * std::pow(40.0, 5.694468), 43580.1484375, 1.0);
}

// ---- Passes after the first of a solution --------------------------------------------------

// The passes after the first of a solution read back what each node's curve keeps: they give the
// moduli, layer resistances and equivalent depths a pass worked out afresh gives, bit for bit,
// while the wedge on sloping ground follows the sign of each node's deflection and the
// equivalent depth of the API sand layer follows the resistance of the layer above.
TEST_F(SandLayers, LaterPassesGiveTheModuliOfAFreshPass) {
  struct Stack {
    const char* name;
    int upper, lower;
  };
  const Stack stacks[] = {{"Reese over API", criterion::kSand, criterion::kApiSand},
                          {"API over Reese", criterion::kApiSand, criterion::kSand},
                          {"liquefied over API", criterion::kLiquefiedSand, criterion::kApiSand},
                          {"API over liquefied", criterion::kApiSand, criterion::kLiquefiedSand}};
  for (const Stack& stack : stacks) {
    for (const bool cyclic : {false, true}) {
      engine().soil = SoilLayers{};
      engine().profile = SoilProfile{};
      engine().py = PYState{};
      add_sand(stack.upper, 0.0, 120.0, 30.0, 34.0, 0.0, 0.0);  // the default k
      add_sand(stack.lower, 120.0, 600.0, 36.0, 40.0, 80.0, 160.0);
      assign_layers();
      engine().inclination.slope_minus_batter = 0.15;
      engine().options.CyclicLoading = cyclic;
      for (int n = 1; n <= nodes().N; ++n) nodes().y[n] = 0.0;
      expect_later_passes_match_fresh_ones(std::string(stack.name) +
                                           (cyclic ? ", cyclic" : ", static"));
      EXPECT_EQ(engine().run.ErrorNumber, 0) << stack.name;
    }
  }
}

// A friction angle outside 20..48 degrees is registered at every pass, by the passes that read
// the node's soil back as often as by the first; the Reese criterion explains it in the
// run-message file once.
TEST_F(SandLayers, EveryPassRegistersTheFrictionAngleWarningsAgain) {
  add_sand(criterion::kSand, 0.0, 120.0, 49.0, 49.0, 100.0, 100.0);
  add_sand(criterion::kApiSand, 120.0, 600.0, 19.0, 19.0, 100.0, 100.0);
  assign_layers();
  PYCurveDriver(engine(), 0);
  const int reese = engine().warnings.WarningCount[302];
  const int api = engine().warnings.WarningCount[303];
  EXPECT_GT(reese, 0);
  // Every node but the one on the interface, whose friction angle is the mean, 34 degrees.
  EXPECT_EQ(reese + api, nodes().N - 1);
  for (int k = 1; k <= 3; ++k) PYCurveDriver(engine(), k);
  EXPECT_EQ(engine().warnings.WarningCount[302], 4 * reese);
  EXPECT_EQ(engine().warnings.WarningCount[303], 4 * api);
  const std::vector<std::string> lines = messages();
  EXPECT_EQ(std::count(lines.begin(), lines.end(),
                       "An unreasonable value for friction angle was input for a Reese sand "
                       "layer. "),
            1);
}

// A new solution (a pass numbered 0 or 1) reads the soil again: a change of the model between
// solutions reaches the moduli of every sand criterion.
TEST_F(SandLayers, ANewSolutionReadsTheSoilAgain) {
  for (const int code : {criterion::kSand, criterion::kApiSand, criterion::kLiquefiedSand}) {
    engine().soil = SoilLayers{};
    engine().profile = SoilProfile{};
    engine().py = PYState{};
    make_pile(40, 480.0, kB);
    add_sand(code, 0.0, 600.0, 36.0, 36.0, 100.0, 100.0);
    assign_layers();
    nodes().y[11] = 0.3;
    PYCurveDriver(engine(), 0);
    PYCurveDriver(engine(), 2);
    const double before = nodes().Es[11];
    make_pile(40, 480.0, 1.5 * kB);  // a wider pile at the same nodes
    nodes().y[11] = 0.3;
    PYCurveDriver(engine(), 1);
    EXPECT_NE(nodes().Es[11], before) << code;
    const double after = nodes().Es[11];
    clear_depth_parts(engine().py);
    PYCurveDriver(engine(), 2);
    EXPECT_EQ(nodes().Es[11], after) << code;
  }
}

// ---- Not-a-number moduli -------------------------------------------------------------------

TEST_F(SandLayers, ReeseSandWithoutUnitWeightEndsTheRunWithRuntimeError31) {
  add_sand(criterion::kSand, 0.0, 600.0, 36.0, 36.0, 100.0, 100.0, 0.0);
  assign_layers();
  PYCurveDriver(engine(), 0);  // at rest: the initial modulus
  nodes().y[3] = 0.1;
  EXPECT_THROW(PYCurveDriver(engine(), 1), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 231);
  const std::vector<std::string> text = {
      "", "**** Runtime Error No. 31 ****", "",
      "The computed value of soil modulus computed in Reese Sand is not-a-number for node number "
      "3",
      "This problem is usually due to a required soil property being left equal to zero."};
  EXPECT_TRUE(contains_block(report(), text));
  EXPECT_TRUE(contains_block(messages(), text));
}

TEST_F(SandLayers, ApiSandModulusThatIsNotANumberNamesCriterionLayerAndNode) {
  add_sand(criterion::kSand, 0.0, 120.0, 36.0, 36.0, 100.0, 100.0);
  add_sand(criterion::kApiSand, 120.0, 600.0, 36.0, 36.0, 100.0, 100.0);
  engine().profile.phi[4] = std::numeric_limits<double>::quiet_NaN();
  assign_layers();
  nodes().y[12] = 0.1;  // 12 in below the top of layer 2, where the friction angle is lost
  EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 250);
  EXPECT_TRUE(contains_line(
      report(),
      "Problem: The soil modulus of node 12 in soil layer 2 (API Sand) is not a number."));
}

}  // namespace
}  // namespace torva::testing
