// Cemented silt moduli at pile nodes, checked against the curve in its published form
// (clay_formulas.h): the Reese sand curve on p_u = A p_phi + p_c and p_m = 1.5 (p_phi + p_c),
// under the initial line k z; its default k, its checks in order, and the rules where the
// formulas meet 0/0 or a negative depth.
#include "soil/cemented_silt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "soil/clay_formulas.h"
#include "soil/py_fixture.h"

namespace torva::testing {
namespace {

using clay::CementedSilt;

struct Setting {
  int units;
  double length, b, split;
  double c_top, c_below, gamma, phi, k;
};
const Setting kUS{kUnitsUS, 480.0, 24.0, 120.0, 10.0, 5.0, 0.036, 32.0, 200.0};
const Setting kSI{kUnitsSI, 12.0, 0.6, 3.0, 70.0, 35.0, 9.0, 32.0, 50000.0};

class CementedSiltLayers : public PYFixture {
 protected:
  void add_silt(double top, double bottom, double c, double gamma, double phi, double k) {
    add_layer(criterion::kCementedSilt, top, bottom, {gamma, c, 0.01});
    const int i = engine().soil.count;
    engine().profile.phi[2 * i - 1] = engine().profile.phi[2 * i] = phi;
    engine().soil.k_top[i] = engine().soil.k_bottom[i] = k;
  }
  // A stronger silt down to a fifth of the pile, a weaker one below; 40 increments.
  void build(const Setting& s) {
    setting_ = s;
    engine().soil.count = 0;
    use_units(s.units);
    make_pile(40, s.length, s.b);
    add_silt(0.0, s.split, s.c_top, s.gamma, s.phi, s.k);
    add_silt(s.split, 1.25 * s.length, s.c_below, s.gamma, s.phi, s.k);
    assign_layers();
  }
  // One US customary silt layer.
  void build_one(double c, double phi, double k) {
    engine().soil.count = 0;
    engine().run.ErrorNumber = 0;
    use_units(kUnitsUS);
    make_pile(40, 480.0, 24.0);
    add_silt(0.0, 600.0, c, 0.036, phi, k);
    assign_layers();
  }
  Setting setting_;
};

TEST_F(CementedSiltLayers, CurveFollowsItsPublishedFormAtEveryDepthBothLoadingsAndUnits) {
  for (const Setting* setting : {&kUS, &kSI}) {
    for (const bool cyclic : {false, true}) {
      build(*setting);
      const Setting& s = *setting;
      engine().options.CyclicLoading = cyclic;
      PYCurveDriver(engine(), 0);  // the equivalent depth of layer 2
      ASSERT_EQ(engine().run.ErrorNumber, 0);
      // The ground surface, inside the stronger silt, below it, and deep in the weaker one.
      for (const int n : {1, 6, 16, 31}) {
        const double z = (n - 1) * s.length / 40.0;
        const double x = z < s.split ? z : z - s.split + engine().py.EqDepth[2];
        const CementedSilt silt{z < s.split ? s.c_top : s.c_below, s.phi, s.gamma, s.k, s.b, x, z,
                                cyclic};
        std::vector<double> boundaries = {silt.y_m(), silt.y_u()};
        if (x > 0.0) {
          // Where k x y meets the parabola p_m (y / y_m)^(1/n).
          const double n_ = silt.n();
          boundaries.push_back(std::pow(silt.p_m() / (s.k * x * std::pow(silt.y_m(), 1.0 / n_)),
                                        n_ / (n_ - 1.0)));
        }
        for (const double boundary : boundaries) {
          for (const double side : {1.0 - 1e-3, 1.0 + 1e-3}) {
            const double y = boundary * side;
            const double expected = silt.p(y) / y;
            EXPECT_NEAR(modulus_after_pass(n, y), expected, 1e-6 * std::fabs(expected) + 1e-9)
                << "units " << s.units << (cyclic ? " cyclic" : " static") << ", z " << z
                << ", y " << y;
          }
        }
      }
    }
  }
}

CementedSiltInputs inputs(double c, double z_e, double k = 200.0) {
  CementedSiltInputs in;
  in.c = c;
  in.sand.phi = 32.0;
  in.sand.gamma = 0.036;
  in.sand.k = k;
  in.sand.b = 24.0;
  in.sand.z = in.sand.z_e = z_e;
  return in;
}

TEST(CementedSiltCurve, LevelGroundAtDepthAddsNineCBToTheSandResistance) {
  const CementedSiltAtDepth d = cemented_silt_at_depth(inputs(5.0, 300.0));
  const CementedSilt silt{5.0, 32.0, 0.036, 200.0, 24.0, 300.0, 300.0};
  EXPECT_DOUBLE_EQ(d.p_c, 9.0 * 5.0 * 24.0);
  EXPECT_NEAR(d.curve.p_u, 0.88 * silt.p_phi() + 9.0 * 5.0 * 24.0, 1e-6 * d.curve.p_u);
  EXPECT_EQ(cemented_silt_p(d, 10.0), d.curve.p_u);
  // Small deflections: the initial line.
  EXPECT_NEAR(cemented_silt_p(d, 1e-6) / 1e-6, 200.0 * 300.0, 1e-9 * 200.0 * 300.0);
}

TEST(CementedSiltCurve, NoResistanceWithoutStrengthAtTheGroundSurfaceOrAboveIt) {
  // c = 0 at z = 0: p_phi + p_c = 0, and the curve is p = 0 rather than 0/0.
  const CementedSiltAtDepth surface = cemented_silt_at_depth(inputs(0.0, 0.0));
  EXPECT_EQ(surface.p_c, 0.0);
  EXPECT_EQ(surface.curve.n, 0.0);
  EXPECT_EQ(surface.curve.C, 0.0);
  EXPECT_EQ(surface.curve.y_k, 0.0);
  for (const double y : {0.0, 0.1, 1.0}) EXPECT_EQ(cemented_silt_p(surface, y), 0.0) << y;
  // With c = 0 below the surface the cohesive part is 0 as well (min(9, 0/0) is 9).
  EXPECT_EQ(cemented_silt_at_depth(inputs(0.0, 60.0)).p_c, 0.0);
  // A station above the ground (negative effective depth) counts as the ground surface.
  const CementedSiltAtDepth above = cemented_silt_at_depth(inputs(5.0, -6.0));  // z = -6 too
  EXPECT_EQ(above.in.sand.z_e, 0.0);
  for (const double y : {0.0, 0.1, 1.0}) EXPECT_EQ(cemented_silt_p(above, y), 0.0) << y;
}

TEST(CementedSiltCurve, InitialLineBeyondBOverSixtyCapsTheLineAndThePlateau) {
  // A small k: the initial line meets the curve beyond b/60 (y_k > y_m).
  const CementedSiltAtDepth d = cemented_silt_at_depth(inputs(5.0, 24.0, 2.0));
  const ReeseSandCurve& c = d.curve;
  ASSERT_GT(c.y_k, c.y_m);
  const double E0 = 2.0 * 24.0;
  for (int j = 1; j <= 60; ++j) {
    const double y = j * 1.5 * c.y_u / 60.0;
    const double segment = y <= c.y_m   ? c.p_m * std::pow(y / c.y_m, 1.0 / c.n)
                           : y <= c.y_u ? c.p_m + c.m * (y - c.y_m)
                                        : c.p_u;
    EXPECT_NEAR(cemented_silt_p(d, y), std::min(segment, E0 * y), 1e-9 * c.p_u) << y;
  }
}

TEST(CementedSiltCurve, PrintedPointsStepToBOverSixtyThenPastThreeBOverEighty) {
  const CementedSiltAtDepth d = cemented_silt_at_depth(inputs(5.0, 60.0));
  const std::array<double, 17> y = cemented_silt_points(d.curve);
  EXPECT_EQ(y[0], 0.0);
  for (int k = 2; k <= 13; ++k) EXPECT_NEAR(y[k - 1], (k - 1) * 0.4 / 12.0, 1e-15) << k;
  EXPECT_DOUBLE_EQ(y[12], 0.4);
  EXPECT_EQ(y[13], 0.9);
  EXPECT_NEAR(y[16], 1.15 * 0.9, 1e-7);
}

TEST(CementedSiltDefaults, KOfTheStrengthPlusTheFrictionalPart) {
  // 1500 lb/ft^2, 0.04 pci (submerged), 33 degrees, static: 500 + 60.
  EXPECT_EQ(cemented_silt_default_k(kUnitsUS, false, 1500.0 / 144.0, 33.0, 0.04), 560.0);
  EXPECT_EQ(cemented_silt_default_k(kUnitsUS, true, 1500.0 / 144.0, 33.0, 0.05), 200.0 + 90.0);
  EXPECT_EQ(cemented_silt_default_k(kUnitsUS, false, 1500.0 / 144.0, 30.0, 0.04), 520.0);
  EXPECT_EQ(cemented_silt_default_k(kUnitsSI, false, 30.0, 40.0, 18.0),
            67861.796875 + 61075.6015625);
  EXPECT_EQ(cemented_silt_default_k(kUnitsGeneral, false, 30.0, 40.0, 18.0), 0.0);
  // eps50 (reported only): the soft clay values, on SI bounds of the silt's own.
  EXPECT_NEAR(cemented_silt_default_eps50(kUnitsSI, 23.9401), 0.02, 1e-9);
  EXPECT_NEAR(cemented_silt_default_eps50(kUnitsSI, 23.9402), 0.01, 1e-9);
  EXPECT_NEAR(cemented_silt_default_eps50(kUnitsSI, 191.53), 0.004, 1e-9);
  EXPECT_NEAR(cemented_silt_default_eps50(kUnitsUS, 10.0), 0.005, 1e-9);
}

TEST_F(CementedSiltLayers, DefaultKEntersTheInitialLineAndKBottomOfZeroTakesKTop) {
  build_one(1500.0 / 144.0, 33.0, 0.0);
  engine().profile.gamma[1] = engine().profile.gamma[2] = 0.04;
  EXPECT_NEAR(modulus_after_pass(11, 1e-9), 560.0 * 120.0, 1e-6);
  build_one(5.0, 33.0, 300.0);
  engine().soil.k_bottom[1] = 0.0;
  EXPECT_NEAR(modulus_after_pass(11, 1e-9), 300.0 * 120.0, 1e-6);
  EXPECT_EQ(engine().soil.k_bottom[1], 300.0);
}

TEST_F(CementedSiltLayers, NoStrengthAtTheGroundSurfaceRunsWithNoResistanceThere) {
  build_one(5.0, 32.0, 200.0);
  engine().profile.c[1] = 0.0;
  EXPECT_EQ(modulus_after_pass(1, 0.5), 0.0);
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

TEST_F(CementedSiltLayers, PrintedCurveNamesItsLengthUnitInThePlotRecord) {
  struct Case {
    const Setting* setting;
    int units;
    const char* words;
  };
  const Case cases[] = {{&kUS, kUnitsUS, "cemented silt (in)"},
                        {&kSI, kUnitsSI, "cemented silt (m)"},
                        {&kSI, kUnitsGeneral, "cemented silt (m)"}};
  for (const Case& c : cases) {
    ASSERT_TRUE(engine().run.plot.open(folder_.file("plot.txt").string()));
    build(*c.setting);
    use_units(c.units);
    request_curves({c.setting->length / 8.0});
    PYOutputAtDepths(engine());
    ASSERT_EQ(engine().run.ErrorNumber, 0);
    const std::vector<std::string> lines = plot();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1].substr(104), std::string("Line 7:  p-y curve depth in ") + c.words +
                                        ", no. p-y points on curve no. 1");
  }
}

// ---- Passes of a solution ------------------------------------------------------------------

// A later pass builds a node's curve again only where what it was built for changed: the
// direction of the sand wedge and the factor of the cohesive part on sloping ground, the
// equivalent depth of the lower layer, the resistance of a layer 1 that rises above the pile
// head.
TEST_F(CementedSiltLayers, LaterPassesGiveWhatAFreshPassGives) {
  for (const bool cyclic : {false, true}) {
    for (const double top : {0.0, -24.0}) {
      for (const double slope : {0.0, 0.2}) {
        engine().soil.count = 0;
        use_units(kUnitsUS);
        make_pile(40, 480.0, 24.0);
        add_silt(top, 120.0, 10.0, 0.036, 32.0, 200.0);
        add_silt(120.0, 600.0, 5.0, 0.04, 34.0, 0.0);  // the default k
        assign_layers();
        slope_group_and_soil_movement(slope);
        engine().options.CyclicLoading = cyclic;
        expect_later_passes_match_fresh_ones(std::string(cyclic ? "cyclic" : "static") +
                                             ", top " + std::to_string(top) + ", slope " +
                                             std::to_string(slope));
      }
    }
  }
}

// ---- Checks, in order ----------------------------------------------------------------------

// Their texts are checked with the whole runs of the inputs that cause them.
TEST_F(CementedSiltLayers, ChecksEndTheRunInOrder) {
  struct Case {
    const char* name;
    double c, phi, slope_degrees;
    int number;
  };
  const Case cases[] = {
      {"no cohesion below the top", 0.0, 32.0, 0.0, 148},
      {"no friction angle (checked before the slope)", 5.0, 0.0, 10.0, 110},
      {"slope steeper than phi, with cohesion", 5.0, 20.0, 25.0, 223},
      // The top node, where no cohesion is accepted, meets the slope check first.
      {"no cohesion, on a slope steeper than phi", 0.0, 20.0, 25.0, 223},
      {"slope as steep as phi, no cohesion at the top", 0.0, 30.0, 30.0, 111},
  };
  for (const Case& c : cases) {
    build_one(c.c, c.phi, 200.0);
    engine().inclination.slope_minus_batter = c.slope_degrees * (3.141592653589793 / 180.0);
    EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped) << c.name;
    EXPECT_EQ(engine().run.ErrorNumber, c.number) << c.name;
  }
}

TEST_F(CementedSiltLayers, DefaultKInGeneralUnitsEndsTheRun) {
  build_one(5.0, 32.0, 0.0);
  use_units(kUnitsGeneral);
  EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 257);
  EXPECT_TRUE(contains_line(report(),
                            "Problem: Soil layer 1 (Cemented Silt) asks for the default value of "
                            "k, and no default value of k exists in general units."));
}

TEST_F(CementedSiltLayers, GeneralUnitsKeepEps50AsRead) {
  build_one(5.0, 32.0, 200.0);
  use_units(kUnitsGeneral);
  engine().profile.eps50[1] = engine().profile.eps50[2] = 0.0;
  PYCurveDriver(engine(), 0);
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

}  // namespace
}  // namespace torva::testing
