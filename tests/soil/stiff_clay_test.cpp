// Stiff clay moduli at pile nodes and printed curves, checked against the curves in their
// published forms (clay_formulas.h): "StfClyBW" under its initial line k z, "StfClyAW" with its
// fourth-root curve and "StfClyAK" under k z; their defaults, limits, checks and warnings.
#include "soil/stiff_clay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "soil/clay_formulas.h"
#include "soil/py_fixture.h"

namespace torva::testing {
namespace {

using clay::WithoutWater;
using clay::WithWater;

// Two layers of one criterion: a stronger clay from the surface to a fifth of the pile, then a
// weaker one, in the unit system's numbers. Nodes every 12 in (0.3 m) on a 40-increment pile.
struct Setting {
  int units;
  double length, b, split;  // pile length, width, depth of the interface
  double c_top, c_below, gamma, eps50, k;
};
const Setting kUS{kUnitsUS, 480.0, 24.0, 120.0, 20.0, 10.0, 0.02, 0.005, 500.0};
const Setting kSI{kUnitsSI, 12.0, 0.6, 3.0, 140.0, 70.0, 8.0, 0.005, 135000.0};

class StiffClay : public PYFixture {
 protected:
  void SetUp() override { PYFixture::SetUp(); }

  void build(const Setting& s, int code) {
    setting_ = s;
    use_units(s.units);
    make_pile(40, s.length, s.b);
    add_layer(code, 0.0, s.split, {s.gamma, s.c_top, s.eps50});
    add_layer(code, s.split, 1.25 * s.length, {s.gamma, s.c_below, s.eps50});
    for (int i = 1; i <= 2; ++i) engine().soil.k_top[i] = engine().soil.k_bottom[i] = s.k;
    assign_layers();
  }
  // One layer of uniform clay, US customary.
  void build_one(int code, double c, double k_top, double k_bottom) {
    use_units(kUnitsUS);
    make_pile(40, 480.0, 24.0);
    add_layer(code, 0.0, 600.0, {0.02, c, 0.005});
    engine().soil.k_top[1] = k_top;
    engine().soil.k_bottom[1] = k_bottom;
    assign_layers();
  }

  double z_of(int n) const { return (n - 1) * setting_.length / 40.0; }
  // Effective depth of node n after a pass: layer 2 starts at its equivalent depth.
  double effective_depth_of(int n) {
    const double z = z_of(n);
    return z < setting_.split ? z : z - setting_.split + engine().py.EqDepth[2];
  }

  Setting setting_;
};

// Node 1 at the ground surface, node 6 inside the stronger clay, node 16 below it and node 31
// deep in the weaker clay. Node 11 lies on the interface: fn_c gives it the mean strength.
constexpr int kNodes[] = {1, 6, 16, 31};

// c_a of "StfClyBW" at a node of layer 2: the trapezoid average of c over the nodes from node
// 11, where c is the mean of the two layers, down to the node.
double running_average(const Setting& s, double z) {
  const double h = s.length / 40.0;
  const double c_first = (s.c_top + s.c_below) / 2.0;
  return (h * (c_first + s.c_below) / 2.0 + (z - s.split - h) * s.c_below) / (z - s.split);
}

TEST_F(StiffClay, CurvesFollowTheirPublishedFormsAtEveryDepthBothLoadingsAndBothUnitSystems) {
  for (const Setting* setting : {&kUS, &kSI}) {
    for (const int code : {criterion::kStiffClayWithWater, criterion::kStiffClayWithoutWater,
                           criterion::kStiffClayWithoutWaterK}) {
      for (const bool cyclic : {false, true}) {
        engine().soil.count = 0;
        build(*setting, code);
        engine().options.CyclicLoading = cyclic;
        engine().options.NumCycles = cyclic ? 100.0 : 0.0;
        PYCurveDriver(engine(), 0);  // the equivalent depth of layer 2
        const Setting& s = *setting;
        for (const int n : kNodes) {
          const double z = z_of(n);
          const double x = effective_depth_of(n);
          const double c = z < s.split ? s.c_top : s.c_below;
          const std::string where = "units " + std::to_string(s.units) + ", code " +
                                    std::to_string(code) + (cyclic ? " cyclic" : " static") +
                                    ", z " + std::to_string(z);
          // Deflections either side of every boundary of the curve's segments.
          std::vector<double> boundaries;
          WithWater bw{c, z < s.split ? s.c_top : running_average(s, z), s.gamma, s.eps50, s.k,
                       s.b, x, cyclic};
          WithoutWater aw{c, s.gamma, s.eps50, s.b, x, cyclic, 100.0,
                          code == criterion::kStiffClayWithoutWaterK ? s.k : 0.0};
          const bool with_water = code == criterion::kStiffClayWithWater;
          if (with_water) {
            const double a = bw.As() * bw.y50();
            const double y_p = 4.1 * a;
            boundaries = cyclic ? std::vector<double>{0.45 * y_p, 0.6 * y_p, 1.8 * y_p}
                                : std::vector<double>{a, 6.0 * a, 18.0 * a};
            // Where k x y cuts the curve's first part, 0.5 p_c sqrt(y / y50).
            if (x > 0.0) {
              boundaries.push_back(bw.y50() * std::pow(0.5 * bw.p_c() / (s.k * x * bw.y50()), 2));
            }
          } else {
            boundaries = {aw.deflection(0.5), aw.deflection(1.0)};
          }
          for (const double boundary : boundaries) {
            for (const double side : {1.0 - 1e-3, 1.0 + 1e-3}) {
              const double y = boundary * side;
              const double expected = (with_water ? bw.p(y) : aw.p(y)) / y;
              EXPECT_NEAR(modulus_after_pass(n, -y), expected, 1e-6 * std::fabs(expected) + 1e-9)
                  << where << ", y " << y;
            }
          }
        }
        EXPECT_EQ(engine().run.ErrorNumber, 0);
      }
    }
  }
}

// ---- Limits --------------------------------------------------------------------------------

StiffClayInputs inputs(StiffClayKind kind, double z_e, bool cyclic) {
  StiffClayInputs in;
  in.kind = kind;
  in.c = in.c_a = 10.0;
  in.gamma = 0.02;
  in.eps50 = 0.005;
  in.k = 500.0;
  in.b = 24.0;
  in.z_e = z_e;
  in.cyclic = cyclic;
  in.N = 100.0;
  return in;
}

StiffClayCurve curve_of(StiffClayKind kind, double z_e, bool cyclic) {
  return stiff_clay_at_depth(inputs(kind, z_e, cyclic)).curve;
}

TEST(StiffClayCurve, PlateausAndDeepLimits) {
  // "StfClyBW" static meets its final plateau at 18 A_s y50 and keeps it.
  for (const double z_e : {12.0, 60.0, 240.0}) {
    const StiffClayCurve c = curve_of(StiffClayKind::kWithWater, z_e, false);
    const double corner = 18.0 * c.A_s * c.y50;
    EXPECT_NEAR(stiff_clay_p(c, corner * (1.0 - 1e-12)), c.p_u, 1e-9 * c.p_c) << z_e;
    EXPECT_EQ(stiff_clay_p(c, corner * 1.5), c.p_u);
    const StiffClayCurve cyc = curve_of(StiffClayKind::kWithWater, z_e, true);
    EXPECT_NEAR(stiff_clay_p(cyc, 1.8 * 4.1 * cyc.A_s * cyc.y50 * (1.0 + 1e-12)), cyc.p_u,
                1e-6 * cyc.p_c);
  }
  // The clays without free water reach p_u at 16 y50, cyclic at 16 y50 (1 + 0.6 log10 N).
  for (const auto kind : {StiffClayKind::kWithoutWater, StiffClayKind::kWithK}) {
    for (const bool cyclic : {false, true}) {
      const StiffClayCurve c = curve_of(kind, 120.0, cyclic);
      const double y_u = 16.0 * c.y50 * (cyclic ? 1.0 + 0.6 * 2.0 : 1.0);
      EXPECT_NEAR(stiff_clay_p(c, y_u), c.p_u, 1e-6 * c.p_u);
      EXPECT_LT(stiff_clay_p(c, 0.99 * y_u), c.p_u);
      EXPECT_EQ(stiff_clay_p(c, 1.01 * y_u), c.p_u);
      EXPECT_EQ(stiff_clay_p(c, 100.0 * y_u), c.p_u);
    }
  }
  // Deep: p_u = 9 c b without free water, p_c = 11 c b with it.
  EXPECT_DOUBLE_EQ(curve_of(StiffClayKind::kWithoutWater, 600.0, false).p_u, 9.0 * 10.0 * 24.0);
  EXPECT_DOUBLE_EQ(curve_of(StiffClayKind::kWithWater, 600.0, false).p_c, 11.0 * 10.0 * 24.0);
}

TEST(StiffClayCurve, InitialLineGovernsSmallDeflections) {
  // The square root and the fourth root rise infinitely steeply from y = 0, so k z y is the
  // curve there. (The cyclic curve of the clay with free water starts at a finite slope.)
  for (const auto kind : {StiffClayKind::kWithWater, StiffClayKind::kWithK}) {
    for (const bool cyclic : {false, true}) {
      if (kind == StiffClayKind::kWithWater && cyclic) continue;
      for (const double z_e : {12.0, 120.0}) {
        const StiffClayCurve c = curve_of(kind, z_e, cyclic);
        const double y = 1e-6 * c.y50;
        EXPECT_NEAR(stiff_clay_p(c, y) / y, 500.0 * z_e, 1e-9 * 500.0 * z_e);
      }
    }
  }
}

TEST(StiffClayCurve, WithKStaysUnderItsInitialLineBeyondSixteenY50) {
  // At the ground surface k z = 0: no resistance at any deflection, not a jump to p_u at 16 y50.
  const StiffClayCurve surface = curve_of(StiffClayKind::kWithK, 0.0, false);
  for (const double share : {1.0, 16.5, 50.0}) {
    EXPECT_EQ(stiff_clay_p(surface, share * surface.y50), 0.0) << share;
  }
  // A small k: the line k z y, below p_u, holds beyond 16 y50.
  StiffClayInputs in = inputs(StiffClayKind::kWithK, 120.0, false);
  in.k = 0.5;
  const StiffClayCurve c = stiff_clay_at_depth(in).curve;
  const double y = 20.0 * c.y50;
  EXPECT_LT(60.0 * y, c.p_u);
  EXPECT_DOUBLE_EQ(stiff_clay_p(c, y), 60.0 * y);
}

TEST(StiffClayCurve, SlopingGroundTakesTheFactorOfTheDirectionAndAtRestMovesUpTheSlope) {
  const double t = 0.2;
  const double down = 1.0 / (1.0 + std::tan(t));
  const double up = std::cos(t) * (std::sqrt(2.0) / 2.0) / std::cos(t + sand::kPi / 4.0);
  for (const auto kind : {StiffClayKind::kWithWater, StiffClayKind::kWithoutWater}) {
    StiffClayInputs in = inputs(kind, 60.0, false);
    const double level = stiff_clay_at_depth(in).p_st;
    in.theta = t;
    for (const double Y : {1.0, 0.0, -1.0}) {
      in.Y = Y;
      const StiffClayAtDepth d = stiff_clay_at_depth(in);
      EXPECT_NEAR(d.p_st, level * (Y > 0.0 ? down : up), 1e-7 * level) << Y;
    }
    in.theta = -t;
    in.Y = 0.0;  // both count as negative: down the slope
    EXPECT_NEAR(stiff_clay_at_depth(in).p_st, level * down, 1e-7 * level);
  }
}

// ---- Defaults and the values the run keeps -------------------------------------------------

TEST(StiffClayDefaults, BandsOfEps50AndK) {
  struct Case {
    StiffClayKind kind;
    int units;
    double c, eps50, k_static, k_cyclic;
  };
  const Case cases[] = {
      {StiffClayKind::kWithWater, kUnitsUS, 10.416667, 0.007, 500.0, 200.0},  // 1500 lb/ft^2
      {StiffClayKind::kWithWater, kUnitsUS, 6.9444, 0.011, 250.0, 100.0},
      {StiffClayKind::kWithWater, kUnitsUS, 6.9444447, 0.007, 500.0, 200.0},
      // The bounds are single-precision values: 6.94 itself lies just below 6.94f.
      {StiffClayKind::kWithK, kUnitsUS, 6.94, 0.011, 250.0, 100.0},
      {StiffClayKind::kWithK, kUnitsUS, 6.9401, 0.007, 500.0, 200.0},
      {StiffClayKind::kWithK, kUnitsUS, 27.7801, 0.004, 2000.0, 800.0},
      {StiffClayKind::kWithWater, kUnitsSI, 191.52105, 0.004, 542894.25, 217157.6875},
      {StiffClayKind::kWithK, kUnitsSI, 191.52, 0.005, 271447.1875, 108578.8984375},
      {StiffClayKind::kWithoutWater, kUnitsSI, 47.8928, 0.007, 0.0, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(stiff_clay_default_eps50(c.kind, c.units, c.c), c.eps50, 1e-9) << c.c;
    if (c.kind == StiffClayKind::kWithoutWater) continue;
    EXPECT_EQ(stiff_clay_default_k(c.kind, c.units, false, c.c), c.k_static) << c.c;
    EXPECT_EQ(stiff_clay_default_k(c.kind, c.units, true, c.c), c.k_cyclic) << c.c;
  }
  EXPECT_EQ(stiff_clay_default_eps50(StiffClayKind::kWithWater, kUnitsGeneral, 10.0), 0.0);
}

TEST_F(StiffClay, DefaultKOf500ForFifteenHundredPoundsPerSquareFoot) {
  build_one(criterion::kStiffClayWithWater, 1500.0 / 144.0, 0.0, 0.0);
  // At 120 in and a deflection far inside the initial line: Es = k z.
  EXPECT_NEAR(modulus_after_pass(11, 1e-9), 500.0 * 120.0, 1e-6);
}

TEST_F(StiffClay, KTopOfMinusOneIsKeptByTheClayUsingKAndReplacedByTheClayWithWater) {
  build_one(criterion::kStiffClayWithoutWaterK, 10.0, -1.0, 0.0);
  EXPECT_NEAR(modulus_after_pass(11, 1e-9), -120.0, 1e-9);
  EXPECT_EQ(engine().soil.k_top[1], -1.0);
  EXPECT_EQ(engine().soil.k_bottom[1], -1.0);  // a k bottom of 0 or less takes k top

  engine().soil.i_SoilLayer_py_Type[1] = criterion::kStiffClayWithWater;
  EXPECT_NEAR(modulus_after_pass(11, 1e-9), 500.0 * 120.0, 1e-6);  // the default of 10 psi
}

TEST_F(StiffClay, KBottomOfZeroTakesKTopAndIsStoredBack) {
  build_one(criterion::kStiffClayWithWater, 10.0, 300.0, 0.0);
  EXPECT_NEAR(modulus_after_pass(11, 1e-9), 300.0 * 120.0, 1e-6);
  EXPECT_EQ(engine().soil.k_bottom[1], 300.0);
}

TEST_F(StiffClay, AtRestTheModulusIsTheInitialModulusWithoutMultipliers) {
  for (const int code : {criterion::kStiffClayWithWater, criterion::kStiffClayWithoutWaterK}) {
    engine().soil.count = 0;
    build_one(code, 10.0, 300.0, 300.0);
    uniform_group_factors(0.5, 2.0);
    EXPECT_DOUBLE_EQ(modulus_after_pass(11, 0.0), 300.0 * 120.0) << code;
    // Away from rest both multipliers apply: Es = p_mult p(y / y_mult) / y.
    const WithoutWater ak{10.0, 0.02, 0.005, 24.0, 120.0, false, 1.0, 300.0};
    if (code == criterion::kStiffClayWithoutWaterK) {
      EXPECT_NEAR(modulus_after_pass(11, 0.8), 0.5 * ak.p(0.4) / 0.8, 1e-9);
    }
  }
}

TEST_F(StiffClay, NumberOfCyclesIsRaisedForTheRestOfTheRun) {
  build_one(criterion::kStiffClayWithoutWater, 10.0, 0.0, 0.0);
  engine().options.CyclicLoading = true;
  engine().options.NumCycles = 0.5;
  PYCurveDriver(engine(), 0);
  EXPECT_EQ(engine().options.NumCycles, 1.0);  // log10 N = 0

  // With k, only N = 0 is changed.
  engine().soil.i_SoilLayer_py_Type[1] = criterion::kStiffClayWithoutWaterK;
  engine().soil.k_top[1] = engine().soil.k_bottom[1] = 500.0;
  engine().options.NumCycles = 0.5;
  PYCurveDriver(engine(), 0);
  EXPECT_EQ(engine().options.NumCycles, 0.5);
  engine().options.NumCycles = 0.0;
  PYCurveDriver(engine(), 0);
  EXPECT_EQ(engine().options.NumCycles, 1.0);
}

TEST_F(StiffClay, WithoutWaterUsesTheStaticSecantBelowTwoHundredThousandthsOfTheWidth) {
  build_one(criterion::kStiffClayWithoutWater, 10.0, 0.0, 0.0);
  for (const bool cyclic : {false, true}) {
    engine().options.CyclicLoading = cyclic;
    engine().options.NumCycles = 100.0;
    const WithoutWater aw{10.0, 0.02, 0.005, 24.0, 120.0};  // static
    const double y_min = 0.00002 * 24.0;
    const double secant = aw.p(y_min) / y_min;
    EXPECT_NEAR(modulus_after_pass(11, 0.0), secant, 1e-9 * secant);
    EXPECT_NEAR(modulus_after_pass(11, 0.5 * y_min), secant, 1e-9 * secant);
  }
}

// ---- Layered soil --------------------------------------------------------------------------

TEST_F(StiffClay, SoftClayBelowAStiffClayStartsAtTheDepthOfEqualResistance) {
  use_units(kUnitsUS);
  make_pile(40, 480.0, 24.0);
  add_layer(criterion::kStiffClayWithoutWater, 0.0, 120.0, {0.02, 10.0, 0.005});
  add_layer(criterion::kSoftClay, 120.0, 600.0, {0.02, 5.0, 0.01});
  assign_layers();
  PYCurveDriver(engine(), 0);
  // Layer 1 holds nodes 1 to 10 (z = 0 .. 108 in): p_u = 720 + (0.02 24 + 0.5 10) z, below
  // 9 c b = 2160 throughout; trapezoids of a straight line are exact, then the last node's p_u
  // over the 12 in to the layer bottom.
  const double F = 720.0 * 108.0 + 5.48 * 108.0 * 108.0 / 2.0 + (720.0 + 5.48 * 108.0) * 12.0;
  EXPECT_NEAR(engine().py.FLayer[1], F, 1e-9 * F);
  // The soft clay's resistance 3 c b + (gamma b + J c) z integrates to F at h, with the c of
  // its first node: node 11 lies on the interface of two cohesive layers, c = (10 + 5) / 2.
  const double c = 7.5;
  const double a = (0.02 * 24.0 + 0.5 * c) / 2.0;
  const double h = (std::sqrt(std::pow(3.0 * c * 24.0, 2) + 4.0 * a * F) - 3.0 * c * 24.0) /
                   (2.0 * a);
  EXPECT_NEAR(engine().py.EqDepth[2], h, 1e-9 * h);
  EXPECT_LT(h, 6.0 * 24.0 * c / (0.5 * c + 0.02 * 24.0));  // above the transition depth
}

TEST_F(StiffClay, WithWaterAveragesTheStrengthOfItsLayerFromItsFirstNodeAlsoInPrintedCurves) {
  build(kUS, criterion::kStiffClayWithWater);
  PYCurveDriver(engine(), 0);
  request_curves({180.0});
  PYOutputAtDepths(engine());
  const std::vector<std::string> lines = report();
  const std::string label = "Average cohesion, c";
  bool found = false;
  for (const std::string& line : lines) {
    if (line.compare(0, label.size(), label) != 0) continue;
    found = true;
    EXPECT_NEAR(std::stod(line.substr(57, 12)), running_average(kUS, 180.0), 1e-5);  // 10.5
  }
  EXPECT_TRUE(found);
  EXPECT_DOUBLE_EQ(running_average(kUS, 180.0), 10.5);
}

TEST_F(StiffClay, PrintedCurveOnSlopingGroundMovesAsThePileDeflectsAtItsDepth) {
  build_one(criterion::kStiffClayWithoutWater, 10.0, 0.0, 0.0);
  engine().inclination.slope_minus_batter = 0.2;
  // The pile moves with the slope at 120 in; node 1, whose number the curve has, against it.
  for (int n = 1; n <= nodes().N; ++n) nodes().y[n] = n == 1 ? -0.5 : 0.5;
  request_curves({120.0});
  PYOutputAtDepths(engine());
  double printed = 0.0;
  for (const std::string& line : report()) {
    if (line.compare(0, 4, "Pct ") == 0) printed = std::stod(line.substr(57, 12));
  }
  const double level = (3.0 + 0.02 * 120.0 / 10.0 + 0.5 * 120.0 / 24.0) * 10.0 * 24.0;
  EXPECT_NEAR(printed, level / (1.0 + std::tan(0.2)), 1e-3);  // down the slope
}

// ---- Passes of a solution ------------------------------------------------------------------

// A later pass builds a node's curve again only where what it was built for changed: the
// direction of movement on sloping ground, the equivalent depth of the lower layer (it follows
// the resistance of the upper one), the average strength of the clay with free water, the number
// of cycles a lower layer raised during the first pass, the resistance of a layer 1 that rises
// above the pile head.
TEST_F(StiffClay, LaterPassesGiveWhatAFreshPassGives) {
  struct Pair {
    int upper, lower;
  };
  const Pair pairs[] = {{criterion::kStiffClayWithWater, criterion::kStiffClayWithWater},
                        {criterion::kStiffClayWithoutWater, criterion::kStiffClayWithoutWater},
                        {criterion::kStiffClayWithoutWaterK, criterion::kStiffClayWithoutWaterK},
                        {criterion::kStiffClayWithoutWaterK, criterion::kStiffClayWithoutWater},
                        {criterion::kStiffClayWithoutWater, criterion::kStiffClayWithWater}};
  for (const Pair& pair : pairs) {
    for (const bool cyclic : {false, true}) {
      for (const double top : {0.0, -24.0}) {
        for (const double slope : {0.0, 0.2}) {
          engine().soil.count = 0;
          use_units(kUnitsUS);
          make_pile(40, 480.0, 24.0);
          // Below 500 lb/ft^2 at the top (a warning at those nodes), default eps50 and k below.
          add_layer(pair.upper, top, 120.0, {0.02, 3.0, 0.005}, {0.02, 12.0, 0.005});
          add_layer(pair.lower, 120.0, 600.0, {0.02, 8.0, 0.0}, {0.02, 16.0, 0.0});
          engine().soil.k_top[1] = engine().soil.k_bottom[1] = 500.0;
          engine().soil.k_top[2] = engine().soil.k_bottom[2] = 0.0;
          assign_layers();
          slope_group_and_soil_movement(slope);
          engine().options.CyclicLoading = cyclic;
          engine().options.NumCycles = cyclic ? 0.5 : 0.0;
          expect_later_passes_match_fresh_ones(
              "codes " + std::to_string(pair.upper) + "/" + std::to_string(pair.lower) +
              (cyclic ? " cyclic" : " static") + ", top " + std::to_string(top) + ", slope " +
              std::to_string(slope));
        }
      }
    }
  }
}

// With the ground above the pile head, layer 1 resists with (3 c_avg b + p_u) / 2 over its
// thickness, c_avg and p_u of its last node, at every pass: here c is uniform (c_avg = c) and
// that node deep enough for p_u = 9 c b.
TEST_F(StiffClay, LayerAboveThePileHeadResistsWithTheAverageStrengthOfItsLastNode) {
  for (const int code : {criterion::kStiffClayWithoutWater, criterion::kStiffClayWithoutWaterK}) {
    engine().soil.count = 0;
    use_units(kUnitsUS);
    make_pile(40, 480.0, 24.0);
    add_layer(code, -24.0, 600.0, {0.02, 10.0, 0.005});
    engine().soil.k_top[1] = engine().soil.k_bottom[1] = 500.0;
    assign_layers();
    const double F = 624.0 * (3.0 * 10.0 * 24.0 + 9.0 * 10.0 * 24.0) / 2.0;
    for (int k = 0; k <= 2; ++k) {
      PYCurveDriver(engine(), k == 0 ? 0 : 2);
      EXPECT_DOUBLE_EQ(engine().py.FLayer[1], F) << code << ", pass " << k;
    }
  }
}

// A pile-length trial moves the nodes: a node whose place changed reads its soil again, and
// the average of the clay with free water follows the new nodes of its layer.
TEST_F(StiffClay, NodesThatMoveReadTheirSoilAgain) {
  build(kUS, criterion::kStiffClayWithWater);
  for (int n = 1; n <= nodes().N; ++n) nodes().y[n] = 0.5 - 0.01 * n;
  PYCurveDriver(engine(), 0);
  PYCurveDriver(engine(), 2);
  make_pile(30, 450.0, 24.0);
  assign_layers();
  for (int n = 1; n <= nodes().N; ++n) nodes().y[n] = 0.5 - 0.01 * n;
  PYCurveDriver(engine(), 2);
  const PerNode<double> moved = nodes().Es;
  clear_depth_parts(engine().py);
  PYCurveDriver(engine(), 2);
  for (int n = 1; n <= nodes().N; ++n) EXPECT_EQ(moved[n], nodes().Es[n]) << "node " << n;
}

// A warning registered at a node in every pass is registered in the passes that read the
// node's depth part back as often as in the first.
TEST_F(StiffClay, EveryPassRegistersTheStrengthWarningsAgain) {
  for (const int code : {criterion::kStiffClayWithWater, criterion::kStiffClayWithoutWater,
                         criterion::kStiffClayWithoutWaterK}) {
    engine().soil.count = 0;
    clear_warning_counts(engine());
    build_one(code, 3.0, 500.0, 500.0);
    const int warning = code == criterion::kStiffClayWithWater      ? 3051
                        : code == criterion::kStiffClayWithoutWater ? 3061
                                                                    : 3261;
    PYCurveDriver(engine(), 0);
    EXPECT_EQ(engine().warnings.WarningCount[warning], 41) << code;
    for (int k = 2; k <= 4; ++k) PYCurveDriver(engine(), k);
    EXPECT_EQ(engine().warnings.WarningCount[warning], 4 * 41) << code;
  }
}

// ---- Errors and warnings -------------------------------------------------------------------

// The texts are checked with the whole runs of the inputs that cause them.
TEST_F(StiffClay, ZeroCohesionBelowTheFirstNodeEndsTheRun) {
  struct Case {
    int code, number;
  };
  const Case cases[] = {{criterion::kStiffClayWithWater, 114},
                        {criterion::kStiffClayWithoutWater, 113},
                        {criterion::kStiffClayWithoutWaterK, 113}};
  for (const Case& c : cases) {
    engine().soil.count = 0;
    engine().run.ErrorNumber = 0;
    build_one(c.code, 0.0, 500.0, 500.0);
    EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);  // node 1, at the surface, passes
    EXPECT_EQ(engine().run.ErrorNumber, c.number);
    EXPECT_EQ(nodes().Es[1], 0.0) << c.code;                // no strength at the surface
  }
}

TEST_F(StiffClay, DefaultsInGeneralUnitsEndTheRun) {
  struct Case {
    int code;
    double eps50, k_top;
    int number;
    const char* problem;
  };
  const Case cases[] = {
      {criterion::kStiffClayWithoutWater, 0.0, 0.0, 251,
       "Problem: eps50 of soil layer 1 (stiff clay without free water) is 0 at depth 0.0000, and "
       "no default value of eps50 exists in general units."},
      {criterion::kStiffClayWithWater, 0.005, -1.0, 257,
       "Problem: Soil layer 1 (Stiff Clay with Free Water) asks for the default value of k, and "
       "no default value of k exists in general units."},
      {criterion::kStiffClayWithoutWaterK, 0.005, 0.0, 257, nullptr}};
  for (const Case& c : cases) {
    engine().soil.count = 0;
    engine().run.ErrorNumber = 0;
    build_one(c.code, 10.0, c.k_top, c.k_top);
    use_units(kUnitsGeneral);
    engine().profile.eps50[1] = engine().profile.eps50[2] = c.eps50;
    EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
    EXPECT_EQ(engine().run.ErrorNumber, c.number) << c.code;
  }
  // A k top of -1 is a value of its own for the clay using k: no default is needed.
  engine().soil.count = 0;
  engine().run.ErrorNumber = 0;
  build_one(criterion::kStiffClayWithoutWaterK, 10.0, -1.0, -1.0);
  use_units(kUnitsGeneral);
  PYCurveDriver(engine(), 0);
  EXPECT_EQ(engine().run.ErrorNumber, 0);

  const std::vector<std::string> lines = report();
  EXPECT_TRUE(contains_line(lines, "**** Runtime Error No. 51 ****"));
  EXPECT_TRUE(contains_line(lines, "**** Runtime Error No. 57 ****"));
  for (const Case& c : cases) {
    if (c.problem != nullptr) {
      EXPECT_TRUE(contains_line(lines, c.problem)) << c.problem;
    }
  }
  EXPECT_TRUE(contains_line(messages(), "Solution: Give k for the layer, or use US customary or "
                                        "SI units."));
}

TEST_F(StiffClay, ModulusThatIsNotANumberEndsTheRun) {
  // The input rejects a y-multiplier of zero; given one, y / y_m is infinite and the modulus
  // p / (y_m y) is not a number.
  for (const int code : {criterion::kStiffClayWithWater, criterion::kStiffClayWithoutWater}) {
    for (const bool cyclic : {false, true}) {
      engine().soil.count = 0;
      engine().run.ErrorNumber = 0;
      build_one(code, 10.0, 500.0, 500.0);
      uniform_group_factors(1.0, 0.0);
      engine().options.CyclicLoading = cyclic;
      engine().options.NumCycles = 10.0;
      nodes().y[5] = 0.5;
      EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
      EXPECT_EQ(engine().run.ErrorNumber, 250);
    }
  }
  // Static clay with free water says so in the message file first, once.
  const std::vector<std::string> message_lines = messages();
  EXPECT_EQ(std::count(message_lines.begin(), message_lines.end(),
                       "Error in stiff clay with water at line 502"),
            1);
  EXPECT_TRUE(contains_line(message_lines, "**** Runtime Error No. 50 ****"));
}

TEST_F(StiffClay, StrengthWarningsJustPastTheirBoundsAndNoneOnAnInterface) {
  struct Case {
    int code, units;
    double c;
    int warning;
  };
  const Case cases[] = {
      {criterion::kStiffClayWithWater, kUnitsUS, 3.472, 3051},
      {criterion::kStiffClayWithWater, kUnitsUS, 55.556, 3052},
      {criterion::kStiffClayWithWater, kUnitsSI, 23.94, 3053},
      {criterion::kStiffClayWithWater, kUnitsSI, 383.043, 3054},
      {criterion::kStiffClayWithoutWater, kUnitsUS, 3.472, 3061},
      {criterion::kStiffClayWithoutWater, kUnitsUS, 55.556, 3062},
      {criterion::kStiffClayWithoutWater, kUnitsSI, 23.939, 3063},
      {criterion::kStiffClayWithoutWater, kUnitsSI, 383.041, 3064},
      {criterion::kStiffClayWithoutWaterK, kUnitsUS, 3.472, 3261},
      {criterion::kStiffClayWithoutWaterK, kUnitsUS, 55.556, 3262},
      {criterion::kStiffClayWithoutWaterK, kUnitsSI, 23.939, 3263},
      {criterion::kStiffClayWithoutWaterK, kUnitsSI, 383.041, 3264},
  };
  for (const Case& c : cases) {
    engine().soil.count = 0;
    clear_warning_counts(engine());
    // Two layers meeting at 240 in, where node 21 lies.
    use_units(c.units);
    make_pile(40, 480.0, 24.0);
    add_layer(c.code, 0.0, 240.0, {0.02, c.c, 0.005});
    add_layer(c.code, 240.0, 600.0, {0.02, c.c, 0.005});
    for (int i = 1; i <= 2; ++i) engine().soil.k_top[i] = engine().soil.k_bottom[i] = 500.0;
    assign_layers();
    PYCurveDriver(engine(), 0);
    ASSERT_EQ(engine().run.ErrorNumber, 0);
    const auto& count = engine().warnings.WarningCount;
    for (int w : {c.warning - c.warning % 10 + 1, c.warning - c.warning % 10 + 2,
                  c.warning - c.warning % 10 + 3, c.warning - c.warning % 10 + 4}) {
      EXPECT_EQ(count[static_cast<std::size_t>(w)], w == c.warning ? 40 : 0) << c.warning;
    }
  }
}

TEST(StiffClayTable, EveryStiffClayAndCementedSiltRowHasBothEntryPoints) {
  for (const char* key : {"StfClyBW", "StfClyAW", "StfClyAK", "Cem Silt"}) {
    const CriterionEntry* entry = find_criterion(key);
    ASSERT_NE(entry, nullptr) << key;
    EXPECT_NE(entry->moduli, nullptr) << key;
    EXPECT_NE(entry->curves, nullptr) << key;
  }
}

}  // namespace
}  // namespace torva::testing
