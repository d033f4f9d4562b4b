// Rock moduli and curves: weak rock and vuggy limestone against their published forms
// (rock_formulas.h), the limits of the curves, the warnings and errors that their inputs cause,
// massive rock, and the true depth of the layers below rock.
#include "soil/rock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "soil/py_fixture.h"
#include "soil/rock_formulas.h"
#include "soil/sand_formulas.h"

namespace torva::testing {
namespace {

// A rock layer's values at its top or bottom.
struct RockValues {
  double gamma = 0.0;  // effective unit weight (force/length^3)
  double q_u = 0.0;    // uniaxial compressive strength (stress)
  double E_ir = 0.0;   // initial rock mass modulus (stress), weak rock
  double RQD = 0.0;    // percent, weak rock
  double k_rm = 0.0;   // weak rock
};

// The soil of the tests in one unit system: an elastic subgrade over two weak rock layers, and
// four stations in the rock (node numbers on a pile of 40 increments).
struct RockSite {
  int units;
  double length;     // pile length; nodes every length / 40
  double b;          // pile width
  double rock_top;   // top of the first weak rock layer (below the subgrade)
  double interface;  // top of the second
  double bottom;     // bottom of the second
  RockValues first;  // first weak rock layer (uniform)
  RockValues second_top, second_bottom;
};

// US customary: b = 24 in, rock from 2 ft, second layer from 5 ft; stations at 4, 6, 8 and
// 12 ft, x_r = 24, 48, 72 = 3 b and 120 in.
const RockSite kUS{kUnitsUS,
                   480.0,
                   24.0,
                   24.0,
                   60.0,
                   600.0,
                   {0.04, 500.0, 40000.0, 0.0, 0.0002},
                   {0.04, 500.0, 60000.0, 0.0, 0.0002},
                   {0.04, 500.0, 120000.0, 0.0, 0.0002}};
// SI: b = 0.6 m, rock from 0.6 m, second layer from 1.5 m; stations at 1.2, 1.8, 2.4 and 3.6 m.
const RockSite kSI{kUnitsSI,
                   12.0,
                   0.6,
                   0.6,
                   1.5,
                   15.0,
                   {10.0, 3000.0, 400000.0, 0.0, 0.0002},
                   {10.0, 3000.0, 300000.0, 0.0, 0.0002},
                   {10.0, 3000.0, 600000.0, 0.0, 0.0002}};
constexpr int kStations[] = {5, 7, 9, 13};

class RockLayers : public PYFixture {
 protected:
  // The whole model back to its load-time state, with the run files open again.
  void start_over() {
    reset_engine(engine());
    PYFixture::SetUp();
  }

  void add_rock(int code, double top, double bottom, const RockValues& at_top,
                const RockValues& at_bottom) {
    add_layer(code, top, bottom, LayerValues{at_top.gamma, at_top.q_u, at_top.k_rm},
              LayerValues{at_bottom.gamma, at_bottom.q_u, at_bottom.k_rm});
    const int i = engine().soil.count;
    engine().soil.k_top[i] = at_top.E_ir;
    engine().soil.k_bottom[i] = at_bottom.E_ir;
    engine().profile.RQD[2 * i - 1] = at_top.RQD;
    engine().profile.RQD[2 * i] = at_bottom.RQD;
  }
  void add_rock(int code, double top, double bottom, const RockValues& values) {
    add_rock(code, top, bottom, values, values);
  }

  void make_site(const RockSite& site, double RQD) {
    use_units(site.units);
    make_pile(40, site.length, site.b);
    add_layer(criterion::kElasticSubgrade, 0.0, site.rock_top,
              LayerValues{site.first.gamma, 0.0, 0.0, 0.0, 1000.0});
    RockValues first = site.first, top = site.second_top, bottom = site.second_bottom;
    first.RQD = top.RQD = bottom.RQD = RQD;
    add_rock(criterion::kWeakRock, site.rock_top, site.interface, first);
    add_rock(criterion::kWeakRock, site.interface, site.bottom, top, bottom);
    assign_layers();
  }

  // Es of node n after a pass with deflection Y there.
  double modulus_at(int n, double Y) {
    nodes().y[n] = Y;
    // The model may have changed since the last pass: its depth parts are worked out again.
    clear_depth_parts(engine().py);
    PYCurveDriver(engine(), 2);
    return nodes().Es[n];
  }
};

// The published weak rock curve at node n of a site.
rock::WeakRock weak_rock_at_node(const RockSite& site, int n, double h, double RQD) {
  const double X = (n - 1) * h;
  const bool first = X < site.interface;
  const double E_ir =
      first ? site.first.E_ir
            : site.second_top.E_ir + (X - site.interface) *
                                         (site.second_bottom.E_ir - site.second_top.E_ir) /
                                         (site.bottom - site.interface);
  // x_r counts from 1e-8 below the top of the rock.
  return {site.first.q_u, E_ir, RQD, site.first.k_rm, X + 1e-8 - site.rock_top, site.b};
}

// ---- "WeakRock" ----------------------------------------------------------------------------

TEST_F(RockLayers, WeakRockModuliFollowThePublishedCurve) {
  struct Group {
    double p_mult, y_mult;
  };
  for (const RockSite* site : {&kUS, &kSI}) {
    for (const double RQD : {0.0, 50.0, 100.0}) {
      for (const Group group : {Group{1.0, 1.0}, Group{0.5, 2.0}}) {
        start_over();
        make_site(*site, RQD);
        if (group.p_mult != 1.0) uniform_group_factors(group.p_mult, group.y_mult);
        for (const int n : kStations) {
          const rock::WeakRock r = weak_rock_at_node(*site, n, nodes().h, RQD);
          const double y_A = r.y_A();
          const double y_16 = 16.0 * r.y_rm();
          ASSERT_LT(y_A, y_16);
          const std::string where = std::string(site == &kUS ? "US" : "SI") + ", RQD " +
                                    std::to_string(RQD) + ", p_m " + std::to_string(group.p_mult) +
                                    ", x_r " + std::to_string(r.x_r) + ", y ";
          // At rest and on the initial line: K_ir p_m / y_m, the secant of the printed curve.
          const double initial = r.K_ir() * group.p_mult / group.y_mult;
          EXPECT_NEAR(modulus_at(n, 0.0), initial, 1e-9 * initial) << where << 0;
          // y_A itself as the criterion works it out may lie a rounding off the formula's.
          for (const double y :
               {0.5 * y_A, y_A * (1.0 + 1e-9), std::sqrt(y_A * y_16), y_16, 20.0 * y_16 / 16.0}) {
            const double Y = -y * group.y_mult;  // either direction
            const double expected = r.p(y) * group.p_mult / std::fabs(Y);
            EXPECT_NEAR(modulus_at(n, Y), expected, 2e-6 * expected) << where << y;
          }
        }
        EXPECT_EQ(engine().run.ErrorNumber, 0);
      }
    }
  }
}

TEST(WeakRockCurve, LimitsOfTheCurve) {
  // alpha_r with 1/150 in single precision.
  WeakRockInputs in{500.0, 50000.0, 0.0, 0.0002, 24.0, 24.0};
  EXPECT_EQ(weak_rock_at_depth(in).alpha_r, 1.0);
  in.RQD = 100.0;
  EXPECT_EQ(weak_rock_at_depth(in).alpha_r, 1.0 - 100.0 * static_cast<double>(0.006666667f));
  EXPECT_NEAR(weak_rock_at_depth(in).alpha_r, 1.0 / 3.0, 1e-7);

  // The shallow and deep forms meet at x_r = 3 b.
  in.x_r = 72.0;
  const WeakRockCurve shallow = weak_rock_at_depth(in).curve;
  in.x_r = 72.0 * (1.0 + 1e-12);
  const WeakRockCurve deep = weak_rock_at_depth(in).curve;
  EXPECT_NEAR(shallow.p_ur, deep.p_ur, 1e-9 * deep.p_ur);
  EXPECT_NEAR(shallow.K_ir, deep.K_ir, 1e-9 * deep.K_ir);
  EXPECT_NEAR(deep.p_ur, 5.2 * (1.0 / 3.0) * 500.0 * 24.0, 1e-6 * deep.p_ur);
  EXPECT_EQ(deep.K_ir, 500.0 * 50000.0);

  // p_ur at 16 y_rm and beyond; never falling; p/y = K_ir on the initial line.
  const WeakRockCurve& c = deep;
  EXPECT_DOUBLE_EQ(weak_rock_p(c, 16.0 * c.y_rm), c.p_ur);
  EXPECT_EQ(weak_rock_p(c, 20.0 * c.y_rm), c.p_ur);
  EXPECT_EQ(weak_rock_p(c, 1e3 * c.y_rm), c.p_ur);
  EXPECT_DOUBLE_EQ(weak_rock_p(c, 0.5 * c.y_A) / (0.5 * c.y_A), c.K_ir);
  double previous = 0.0;
  for (int j = 1; j <= 2000; ++j) {
    const double y = j * 20.0 * c.y_rm / 2000.0;
    const double p = weak_rock_p(c, y);
    EXPECT_GE(p, previous * (1.0 - 1e-12)) << y;
    previous = p;
  }
  // The line and the power curve meet at y_A to the rounding of the exponent 1.333.
  EXPECT_NEAR(c.K_ir * c.y_A, 0.5 * c.p_ur * std::pow(c.y_A / c.y_rm, 0.25), 2e-3 * c.K_ir * c.y_A);

  // The printed points: 0, y_A, 13 steps to 16 y_rm, 16 and 20 y_rm.
  const std::array<double, 17> points = weak_rock_points(c);
  EXPECT_EQ(points[0], 0.0);
  EXPECT_EQ(points[1], c.y_A);
  EXPECT_DOUBLE_EQ(points[2], c.y_A + 0.02 * (16.0 * c.y_rm - c.y_A));
  EXPECT_DOUBLE_EQ(points[7], c.y_A + 0.2 * (16.0 * c.y_rm - c.y_A));
  EXPECT_DOUBLE_EQ(points[14], c.y_A + 0.9 * (16.0 * c.y_rm - c.y_A));
  EXPECT_EQ(points[15], 16.0 * c.y_rm);
  EXPECT_EQ(points[16], 20.0 * c.y_rm);
}

TEST_F(RockLayers, WeakRockInitialLineStopsAtTheUltimateResistance) {
  // A modulus far too small for the strength: y_A lies beyond 16 y_rm, and the line reaches
  // p_ur before it. p = min(K_ir y, p_ur), without a drop at y_A.
  make_pile(40, 480.0, 24.0);
  add_rock(criterion::kWeakRock, 0.0, 600.0, RockValues{0.04, 500.0, 10.0, 50.0, 0.0002});
  assign_layers();
  const rock::WeakRock r{500.0, 10.0, 50.0, 0.0002, 120.0 + 1e-8, 24.0};
  const double y_A = r.y_A();
  const double y_cap = r.p_ur() / r.K_ir();
  ASSERT_GT(y_A, 16.0 * r.y_rm());
  ASSERT_LT(y_cap, y_A);
  for (const double y : {0.5 * y_cap, y_cap, 0.5 * (y_cap + y_A), y_A, 2.0 * y_A}) {
    const double expected = std::min(r.K_ir() * y, r.p_ur()) / y;
    EXPECT_NEAR(modulus_at(11, y), expected, 2e-6 * expected) << y;
  }
  EXPECT_NEAR(modulus_at(11, 0.0), r.K_ir(), 1e-9 * r.K_ir());
}

// ---- "Vuggy LS" ----------------------------------------------------------------------------

TEST_F(RockLayers, VuggyLimestoneModuliFollowThePublishedCurve) {
  make_pile(40, 480.0, 24.0);
  add_layer(criterion::kElasticSubgrade, 0.0, 60.0, LayerValues{0.04, 0.0, 0.0, 0.0, 1000.0});
  add_rock(criterion::kVuggyLimestone, 60.0, 600.0, RockValues{0.04, 1200.0},
           RockValues{0.04, 2400.0});
  assign_layers();
  uniform_group_factors(0.5, 2.0);
  const int n = 21;  // 240 in
  const rock::VuggyLimestone v{1200.0 + 1200.0 * 180.0 / 540.0, 0.04, 24.0, 240.0};
  const double s_u = v.s_u();
  // The initial slope, b s_u at y_2, the residual beyond.
  EXPECT_DOUBLE_EQ(v.p(v.y_1()), 2000.0 * s_u * v.y_1());
  EXPECT_DOUBLE_EQ(v.p(v.y_2()), 24.0 * s_u);
  // y_2 worked out by the criterion may lie a rounding below 0.0024 b.
  for (const double y : {0.5 * v.y_1(), v.y_1(), 0.5 * (v.y_1() + v.y_2()), v.y_2() * (1.0 - 1e-12),
                         1.01 * v.y_2(), 10.0 * v.y_2()}) {
    const double Y = 2.0 * y;
    const double expected = 0.5 * v.p(y) / Y;
    EXPECT_NEAR(modulus_at(n, Y), expected, 1e-9 * expected) << y;
  }
  EXPECT_DOUBLE_EQ(v.p(10.0 * v.y_2()), 0.5 * 0.04 * 24.0 * 240.0);
  // At rest: K_i / y_m (the p-multiplier does not enter).
  EXPECT_NEAR(modulus_at(n, 0.0), 2000.0 * s_u / 2.0, 1e-9 * s_u);

  // Soil movement does not enter the curve, and no soil force is written.
  engine().options.UseSoilMovement = true;
  for (int k = 1; k <= nodes().N; ++k) {
    nodes().ysoil[k] = 0.3;
    nodes().W[k] = 7.0;
  }
  const double Y = v.y_2();
  EXPECT_NEAR(modulus_at(n, Y), 0.5 * v.p(Y / 2.0) / Y, 1e-9 * v.p(Y / 2.0) / Y);
  EXPECT_EQ(nodes().W[n], 7.0);
  EXPECT_FALSE(spring_on_soil_movement(engine(), n));
  EXPECT_TRUE(spring_on_soil_movement(engine(), 2));  // the elastic subgrade above
  EXPECT_NE(nodes().W[2], 7.0);

  const VuggyLimestoneCurve curve = vuggy_limestone_curve(1200.0, 0.04, 24.0, 240.0);
  const std::array<double, 17> points = vuggy_limestone_points(curve);
  EXPECT_EQ(points[0], 0.0);
  EXPECT_EQ(points[1], curve.y_1);
  EXPECT_DOUBLE_EQ(points[2], curve.y_1 + (curve.y_2 - curve.y_1) / 15.0);
  EXPECT_DOUBLE_EQ(points[15], curve.y_1 + 14.0 * (curve.y_2 - curve.y_1) / 15.0);
  EXPECT_EQ(points[16], curve.y_2);
  EXPECT_DOUBLE_EQ(curve.y_2, 0.0024 * 24.0);
}

// ---- Warnings ------------------------------------------------------------------------------

struct WarningCase {
  const char* name;
  int units;
  int code;
  double q_u;
  double k_rm;
  bool two_layers;          // the same rock in two layers meeting at mid-depth
  std::vector<int> counts;  // warning number, then how often one pass counts it
};

TEST_F(RockLayers, WarningsJustPastTheirBounds) {
  // Nodes every 12 in (0.3 m): 41 per pass, 40 below the top of the layer, 40 off the
  // interface of two layers.
  const WarningCase cases[] = {
      {"weak rock below 100 psi", kUnitsUS, criterion::kWeakRock, 99.999, 0.0002, true, {3071, 40}},
      {"weak rock at 100 psi", kUnitsUS, criterion::kWeakRock, 100.0, 0.0002, false, {}},
      {"weak rock above 1000 psi",
       kUnitsUS,
       criterion::kWeakRock,
       1000.001,
       0.0002,
       false,
       {3072, 41}},
      {"weak rock at 1000 psi", kUnitsUS, criterion::kWeakRock, 1000.0, 0.0002, false, {}},
      {"weak rock below 689.5 kPa",
       kUnitsSI,
       criterion::kWeakRock,
       689.49,
       0.0002,
       true,
       {3073, 40}},
      {"weak rock above 6895 kPa",
       kUnitsSI,
       criterion::kWeakRock,
       6895.01,
       0.0002,
       false,
       {3074, 41}},
      {"weak rock at 689.5 and 6895 kPa", kUnitsSI, criterion::kWeakRock, 689.5, 0.0002, false, {}},
      {"no strength warning in general units",
       kUnitsGeneral,
       criterion::kWeakRock,
       1.0,
       0.0002,
       false,
       {}},
      {"k_rm just below the single-precision 0.00005",
       kUnitsUS,
       criterion::kWeakRock,
       500.0,
       4.99999986e-5,
       false,
       {316, 41}},
      {"k_rm of 0.00005", kUnitsUS, criterion::kWeakRock, 500.0, 4.9999999e-5, false, {}},
      {"k_rm just above the single-precision 0.0005",
       kUnitsUS,
       criterion::kWeakRock,
       500.0,
       0.00050000003,
       false,
       {317, 41}},
      {"k_rm of 0.0005", kUnitsUS, criterion::kWeakRock, 500.0, 0.0005, false, {}},
      {"vuggy limestone below 1000 psi",
       kUnitsUS,
       criterion::kVuggyLimestone,
       999.9,
       0.0,
       false,
       {308, 40}},
      {"vuggy limestone above 2500 psi",
       kUnitsUS,
       criterion::kVuggyLimestone,
       2500.1,
       0.0,
       false,
       {308, 40}},
      {"vuggy limestone at 1000 and 2500 psi",
       kUnitsUS,
       criterion::kVuggyLimestone,
       1000.0,
       0.0,
       false,
       {}},
      {"vuggy limestone below 6894.76 kPa",
       kUnitsSI,
       criterion::kVuggyLimestone,
       6894.75,
       0.0,
       false,
       {308, 40}},
      {"vuggy limestone above 17236.89 kPa",
       kUnitsSI,
       criterion::kVuggyLimestone,
       17236.9,
       0.0,
       false,
       {308, 40}},
      {"vuggy limestone at 6894.76 and 17236.89 kPa",
       kUnitsSI,
       criterion::kVuggyLimestone,
       6894.76,
       0.0,
       false,
       {}},
      {"vuggy limestone in two layers",
       kUnitsSI,
       criterion::kVuggyLimestone,
       6000.0,
       0.0,
       true,
       {308, 39}},
  };
  for (const WarningCase& c : cases) {
    start_over();
    use_units(c.units);
    const bool us = c.units == kUnitsUS;
    make_pile(40, us ? 480.0 : 12.0, us ? 24.0 : 0.6);
    const RockValues values{us ? 0.04 : 10.0, c.q_u, us ? 50000.0 : 350000.0, 20.0, c.k_rm};
    const double bottom = us ? 600.0 : 15.0;
    if (c.two_layers) {
      add_rock(c.code, 0.0, bottom / 2.0, values);
      add_rock(c.code, bottom / 2.0, bottom, values);
    } else {
      add_rock(c.code, 0.0, bottom, values);
    }
    assign_layers();
    PYCurveDriver(engine(), 2);
    EXPECT_EQ(engine().run.ErrorNumber, 0) << c.name;
    const OneBased<int, kMaxWarnings>& count = engine().warnings.WarningCount;
    for (const int n : {3071, 3072, 3073, 3074, 316, 317, 308}) {
      const int expected = !c.counts.empty() && c.counts[0] == n ? c.counts[1] : 0;
      EXPECT_EQ(count[n], expected) << c.name << ": warning " << n;
    }
  }
}

TEST_F(RockLayers, WarningSummaryTexts) {
  make_pile(40, 480.0, 24.0);
  add_rock(criterion::kWeakRock, 0.0, 240.0, RockValues{0.04, 99.0, 50000.0, 20.0, 0.00001});
  add_rock(criterion::kWeakRock, 240.0, 360.0, RockValues{0.04, 1001.0, 50000.0, 20.0, 0.001});
  add_rock(criterion::kVuggyLimestone, 360.0, 600.0, RockValues{0.04, 900.0});
  assign_layers();
  PYCurveDriver(engine(), 2);
  ASSERT_EQ(engine().run.ErrorNumber, 0);
  WarningSummary(engine());
  const std::vector<std::string> lines = report();
  const std::vector<std::vector<std::string>> texts = {
      {"", "**** Warning ****", "",
       "An unreasonable input value for uniaxial compressive strength has been ",
       "specified for a soil defined using the vuggy limestone criteria.",
       "The input value is outside of the range of 1,000 to 2,500 psi ", "(6,895 to 17,237 kPa).",
       "You should check your input data for correctness.", ""},
      {"***** Warning *****", "",
       "The input value for k_rm used by the weak rock criteria is smaller than ",
       "0.00005.  This value is outside the recommended range of 0.00005 to 0.0005.",
       "You should check your input data for accuracy.", ""},
      {"**** Warning - Possible Input Data Error ****", "",
       "The input value for k_rm used by the weak rock criteria is ",
       "greater than 0.0005.  This value is outside the recommended ",
       "range of 0.00005 to 0.0005.  You should check your input data", "for accuracy.", ""},
      {"", "**** Warning ****", "",
       "An unreasonable input value for the compressive strength has been specified",
       "for a soil defined using the weak rock criteria.  The input value is less ",
       "than 100 psi.  You should check your input data for correctness.", ""},
      {"", "**** Warning ****", "",
       "An unreasonable input value for unconfined compressive strength has been ",
       "specified for a soil defined using the weak rock criteria.  The input value",
       "is greater than 1000 psi.  You should check your input data for correctness.", ""},
  };
  for (const std::vector<std::string>& text : texts) {
    EXPECT_TRUE(contains_block(lines, text)) << text[3];
  }
  // Layer 1 has nodes 1 to 20 (0 to 228 in), node 21 lies on the interface at 240 in.
  EXPECT_TRUE(contains_line(lines, "The following warning was reported 20 times"));

  // The SI texts.
  start_over();
  use_units(kUnitsSI);
  make_pile(40, 12.0, 0.6);
  add_rock(criterion::kWeakRock, 0.0, 6.0, RockValues{10.0, 689.0, 350000.0, 20.0, 0.0002});
  add_rock(criterion::kWeakRock, 6.0, 15.0, RockValues{10.0, 6900.0, 350000.0, 20.0, 0.0002});
  assign_layers();
  PYCurveDriver(engine(), 2);
  ASSERT_EQ(engine().run.ErrorNumber, 0);
  WarningSummary(engine());
  const std::vector<std::string> si = report();
  EXPECT_TRUE(contains_block(
      si, {"", "**** Warning ****", "",
           "An unreasonable input value for unconfined compressive strength has been ",
           "specified for a soil defined using the weak rock criteria.  The input value",
           "is less than  689.5 kPa.  You should check your input data for correctness.", ""}));
  EXPECT_TRUE(contains_block(
      si, {"", "**** Warning ****", "",
           "An unreasonable input value for unconfined compressive strength has been",
           "specified for a soil defined using the weak rock criteria.  The input value",
           "is greater than 6895 kPa.  You should check your input data for correctness.", ""}));
}

// ---- Errors --------------------------------------------------------------------------------

class RockErrors : public RockLayers {
 public:
  void add(int code, double top, double bottom, const RockValues& at_top,
           const RockValues& at_bottom) {
    add_rock(code, top, bottom, at_top, at_bottom);
  }
  void subgrade(double top, double bottom) {
    add_layer(criterion::kElasticSubgrade, top, bottom, LayerValues{0.04, 0.0, 0.0, 0.0, 1000.0});
  }
};

struct ErrorCase {
  const char* name;
  std::function<void(RockErrors&)> soil;
  int number;
  std::string ending;
  std::vector<std::string> text;  // in the report and the message file
};

const RockValues kGoodRock{0.04, 500.0, 50000.0, 20.0, 0.0002};

RockValues with(RockValues v, double RockValues::*field, double value) {
  v.*field = value;
  return v;
}

// Input Data Error No. 62.
std::vector<std::string> no_strength_text(int layer) {
  return {"", "**** Input Data Error No. 62 ****", "",
          "Problem:   The input value for compressive strength is less than or equal to zero.",
          "Solution:  Check the input values for layer " + std::to_string(layer)};
}

TEST_F(RockErrors, InputsThatEndTheRun) {
  const ErrorCase cases[] = {
      {"weak rock of no strength mid-layer",
       [](RockErrors& f) {
         f.add(criterion::kWeakRock, 0.0, 600.0, kGoodRock,
               with(kGoodRock, &RockValues::q_u, -500.0));
       },
       162, "Torva ended prematurely due to input error number INP00062", no_strength_text(1)},
      {"weak rock of nearly no strength below its first node",
       [](RockErrors& f) {
         const RockValues weak = with(kGoodRock, &RockValues::q_u, 1e-11);
         f.add(criterion::kWeakRock, 0.0, 600.0, weak, weak);
       },
       116,
       "Torva ended prematurely due to input error number INP00016",
       {"", "**** Input Data Error No. 16 ****", "",
        "An error was detected when computing the p-y curve for weak rock.",
        "Problem:   The input value for the compressive strength of a weak rock was ",
        "           input as negative or zero (0).",
        "Solution:  Check the depth values for soil layering and soil shear strength ",
        "           values and correct the input data."}},
      {"vuggy limestone of no strength",
       [](RockErrors& f) {
         f.subgrade(0.0, 60.0);
         const RockValues none{0.04, 0.0};
         f.add(criterion::kVuggyLimestone, 60.0, 600.0, none, none);
       },
       162, "Torva ended prematurely due to input error number INP00062", no_strength_text(2)},
      {"weak rock without k_rm",
       [](RockErrors& f) {
         const RockValues none = with(kGoodRock, &RockValues::k_rm, 0.0);
         f.add(criterion::kWeakRock, 0.0, 600.0, none, none);
       },
       163,
       "Torva ended prematurely due to input error number INP00163",
       {"", "**** Input Data Error No. 63 ****", "",
        "Problem:  The input value for k_rm for weak rock is less than or equal to zero.",
        "Solution: Check the input values for layer 1"}},
      {"weak rock without an initial modulus",
       [](RockErrors& f) {
         f.add(criterion::kWeakRock, 0.0, 600.0, kGoodRock,
               with(kGoodRock, &RockValues::E_ir, -50000.0));
       },
       164,
       "Torva ended prematurely due to input error number INP00064",
       {"", "**** Input Data Error No. 64 ****", "",
        "Problem: The initial modulus of rock mass E_ir of soil layer 1 (weak rock) is 0.0000 psi "
        "at the depth of 25.00000 ft below the pile head; it must be greater than zero.",
        "Solution: Give E_ir greater than zero at the top and the bottom of the layer.", ""}},
      {"weak rock whose strength is zero on its top interface",
       [](RockErrors& f) {
         f.subgrade(0.0, 60.0);
         f.add(criterion::kWeakRock, 60.0, 600.0, with(kGoodRock, &RockValues::q_u, 0.0),
               kGoodRock);
       },
       253,
       "Torva ended prematurely due to runtime error number RUN00053",
       {"", "**** Runtime Error No. 53 ****", "",
        "Problem: The base of the power that gives the end of the initial line y_A of the weak "
        "rock p-y curve, p_ur / (2 y_rm^0.25) / K_ir = 0.0000, is not greater than zero at the "
        "depth of 5.00000 ft below the pile head in soil layer 2 (uniaxial compressive "
        "strength 0.0000 psi).",
        "Solution: Give the weak rock layer and the layers next to it a compressive strength "
        "greater than zero.",
        ""}},
      {"vuggy limestone too strong for the numbers",
       [](RockErrors& f) {
         const RockValues huge{0.04, 1e308};
         f.add(criterion::kVuggyLimestone, 0.0, 600.0, huge, huge);
       },
       250,
       "Torva ended prematurely due to runtime error number RUN00050",
       {"", "**** Runtime Error No. 50 ****", "",
        "Problem: The soil modulus of node 1 in soil layer 1 (Vuggy Limestone) is not a number.",
        "Solution: Check the soil properties of the layer; a required value may have been left "
        "at zero.",
        ""}},
      {"massive rock reaching the pile",
       [](RockErrors& f) {
         f.subgrade(0.0, 240.0);
         f.add(criterion::kMassiveRock, 240.0, 600.0, kGoodRock, kGoodRock);
       },
       248,
       "Torva ended prematurely due to runtime error number RUN00048",
       {"", "**** Runtime Error No. 48 ****", "",
        "Problem: Soil layer 2 (massive rock, from 20.00000 ft to 50.00000 ft) reaches the pile, "
        "and this version of Torva has no p-y criterion for massive rock.",
        "Solution: Describe the rock of layer 2 with the weak rock or the vuggy limestone "
        "criterion, or end the pile above the layer.",
        ""}},
  };
  for (const ErrorCase& c : cases) {
    start_over();
    make_pile(40, 480.0, 24.0);
    c.soil(*this);
    assign_layers();
    EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped) << c.name;
    EXPECT_EQ(engine().run.ErrorNumber, c.number) << c.name;
    const std::vector<std::string> report_lines = report();
    const std::vector<std::string> message_lines = messages();
    EXPECT_TRUE(contains_block(report_lines, c.text)) << c.name;
    EXPECT_TRUE(contains_line(report_lines, c.ending)) << c.name;
    EXPECT_TRUE(contains_block(message_lines, c.text)) << c.name;
    if (c.number == 253) {
      EXPECT_TRUE(contains_block(message_lines, {"ERROR 2 BEFORE EQN 11", ""})) << c.name;
    }
  }
}

TEST_F(RockLayers, MassiveRockBelowThePileTipChangesNothing) {
  make_pile(40, 480.0, 24.0);
  add_layer(criterion::kElasticSubgrade, 0.0, 500.0, LayerValues{0.04, 0.0, 0.0, 0.0, 1000.0});
  add_rock(criterion::kMassiveRock, 500.0, 600.0, kGoodRock);
  assign_layers();
  EXPECT_NO_THROW(PYCurveDriver(engine(), 1));
  EXPECT_EQ(engine().run.ErrorNumber, 0);
  EXPECT_EQ(nodes().Es[41], 1000.0 * 24.0);
  // A printed curve asked for inside it cannot be computed either.
  request_curves({300.0, 550.0});
  EXPECT_THROW(PYOutputAtDepths(engine()), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 248);
  EXPECT_EQ(nodes().x[2], 12.0);  // the node positions are back
}

// ---- Layers below rock ---------------------------------------------------------------------

TEST_F(RockLayers, SandBelowWeakRockTakesItsTrueDepth) {
  make_pile(40, 480.0, 24.0);
  add_rock(criterion::kWeakRock, 0.0, 120.0, kGoodRock);
  add_layer(criterion::kSand, 120.0, 600.0, LayerValues{0.04});
  engine().profile.phi[3] = engine().profile.phi[4] = 36.0;
  engine().soil.k_top[2] = engine().soil.k_bottom[2] = 100.0;
  assign_layers();
  const double y = 0.2;
  const double Es = modulus_at(21, y);  // 240 in
  EXPECT_TRUE(engine().py.bBelowNoLayering[2]);
  EXPECT_EQ(engine().py.EqDepth[2], kEqDepthNotComputed);
  const sand::ReeseSand s{36.0, 0.04, 24.0, 100.0, 240.0, 240.0};
  EXPECT_NEAR(Es, s.p(y) / y, 1e-9 * s.p(y) / y);
}

TEST_F(RockLayers, ThinLayerBelowRockNeedsNoNode) {
  for (const int code : {criterion::kWeakRock, criterion::kVuggyLimestone}) {
    start_over();
    make_pile(40, 480.0, 24.0);
    add_rock(code, 0.0, 200.0, kGoodRock);
    add_layer(criterion::kSand, 200.0, 203.0, LayerValues{0.04});  // between nodes 17 and 18
    add_layer(criterion::kSand, 203.0, 600.0, LayerValues{0.04});
    for (const int row : {3, 4, 5, 6}) engine().profile.phi[row] = 36.0;
    engine().soil.k_top[3] = engine().soil.k_bottom[3] = 100.0;
    assign_layers();
    ASSERT_EQ(engine().soil.first_node[2], 0);
    EXPECT_NO_THROW(PYCurveDriver(engine(), 1)) << code;
    EXPECT_EQ(engine().run.ErrorNumber, 0) << code;
    EXPECT_TRUE(engine().py.bBelowNoLayering[2]);
  }
}

// ---- Printed curves and the criterion table ------------------------------------------------

TEST_F(RockLayers, PrintedWeakRockCurveInUSCustomaryUnits) {
  make_pile(40, 480.0, 24.0);
  add_rock(criterion::kWeakRock, 0.0, 600.0, RockValues{0.04, 500.0, 50000.0, 30.0, 0.0002});
  assign_layers();
  request_curves({96.0});
  PYOutputAtDepths(engine());
  const std::vector<std::string> lines = report();
  const rock::WeakRock r{500.0, 50000.0, 30.0, 0.0002, 96.0, 24.0};
  auto line = [](std::string label, const std::string& value, const std::string& unit) {
    label.resize(55, ' ');
    std::string field = value;
    field.insert(0, 12 - field.size(), ' ');
    return label + "= " + field + (unit.empty() ? "" : " " + unit);
  };
  const std::vector<std::string> block = {
      "p-y Curve Computed Using Weak Rock Criteria",
      "",
      line("Soil Layer Number", "1", ""),
      line("Depth below pile head", "8.00000", "ft"),
      line("Depth below ground surface", "8.00000", "ft"),
      line("Diameter", "24.00000", "in"),
      line("Unconfined Compressive Strength", "500.00000", "psi"),
      line("Avg. Eff. Unit Weight", "0.04000", "pci"),
      line("Avg. Eff. Unit Weight", "69.12000", "pcf"),
      line("Xr", "8.00000", "ft"),
      line("RQD", "30.00000", "%"),
      line("Eir", "50000.", "psi"),
      line("Pu", "49920.", "lb/in"),  // 5.2 * 0.8 * 500 psi * 24 in
      line("k_rm", "0.0002000", ""),
      line("K_ir", "0.2500E+08", "psi"),
      line("Alpha_r", "0.80000", ""),
      line("Yu", "0.90000", "in"),
      line("Yrm", "0.00480", "in"),
      line("Y_A", "0.5927E-03", "in"),
      line("p-multiplier", "1.00000", ""),
      line("y-multiplier", "1.00000", ""),
      "",
      "     y, in             p, lb/in",
      "---------------   ---------------"};
  const auto at = std::search(lines.begin(), lines.end(), block.begin(), block.end());
  ASSERT_NE(at, lines.end());
  EXPECT_NEAR(r.p_ur(), 49920.0, 0.1);
  EXPECT_NEAR(r.y_A(), 0.5927e-3, 0.00005e-3);

  // The rows: 0, y_A, 13 steps towards 16 y_rm, 16 and 20 y_rm, on the published curve.
  const double y_16 = 16.0 * r.y_rm();
  std::vector<double> ys = {0.0, r.y_A()};
  for (const double f : {0.02, 0.04, 0.06, 0.08, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9}) {
    ys.push_back(r.y_A() + f * (y_16 - r.y_A()));
  }
  ys.push_back(y_16);
  ys.push_back(20.0 * r.y_rm());
  auto row = at + static_cast<std::ptrdiff_t>(block.size());
  for (const double y : ys) {
    ASSERT_NE(row, lines.end());
    EXPECT_NEAR(std::stod(row->substr(0, 15)), y, 2e-6 * y) << *row;
    EXPECT_NEAR(std::stod(row->substr(18, 15)), r.p(y), 2e-6 * r.p(y)) << *row;
    ++row;
  }
  EXPECT_EQ(*row, std::string(80, '-'));
}

TEST(RockCriteria, EveryRockRowHasBothEntryPoints) {
  for (const char* key : {"WeakRock", "Vuggy LS", "MassRock"}) {
    const CriterionEntry* entry = find_criterion(key);
    ASSERT_NE(entry, nullptr) << key;
    EXPECT_NE(entry->moduli, nullptr) << key;
    EXPECT_NE(entry->curves, nullptr) << key;
  }
}

}  // namespace
}  // namespace torva::testing
