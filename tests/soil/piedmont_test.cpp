// Piedmont residual soil: the soil modulus factor of every field test in both unit systems, the
// three branches of the curve at the nodes, the printed curve, general units (runtime error 52),
// soil movement and the layers below.
#include "soil/piedmont.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "soil/other_criteria_fixture.h"

namespace torva::testing {
namespace {

constexpr double kMetresPerInch = single(0.0254f);
constexpr double kKPaPerPsi = single(6.894757f);

// E_s per unit test value, as published: US customary (pci per blow or per psi), SI (kN/m^3 per
// blow or per kPa).
double factor(int type, int units) {
  if (units == kUnitsUS) {
    const double us[] = {22.0, 0.8135813628874473, 0.076, 0.235};
    return us[type - 1];
  }
  const double si[] = {151.68465995788574 / kMetresPerInch, 0.8135813628874473 / kMetresPerInch,
                       (1.0 / kKPaPerPsi) * 0.5240015357324452 / kMetresPerInch,
                       (1.0 / kKPaPerPsi) * 1.6202679545314567 / kMetresPerInch};
  return si[type - 1];
}

// The published curve: linear to 0.001 b, logarithmic to 0.0375 b, then 0.0081 b^2 E_s.
double published_p(double E_s, double b, double y) {
  const double y1 = single(0.001f) * b;
  const double y2 = single(0.0375f) * b;
  if (y < y1) return b * E_s * y;
  if (y < y2) return E_s * y * (1.0 - 0.21624703162973105 * std::log(1000.0 * y / b)) * b;
  return 0.008112028136109242 * b * b * E_s;
}

class Piedmont : public OtherCriteria {};

TEST_F(Piedmont, ModulusFollowsTheCurveOfEveryTestInBothUnitSystems) {
  for (const int units : {kUnitsUS, kUnitsSI}) {
    const bool us = units == kUnitsUS;
    const double b = us ? 24.0 : 0.6;
    const double length = us ? 480.0 : 12.0;  // 40 increments
    for (int type = field_test::kSPT; type <= field_test::kPMT; ++type) {
      SCOPED_TRACE("units " + std::to_string(units) + ", test type " + std::to_string(type));
      start(units, 40, length, b);
      // The test value rises from 10 at the ground surface to 30 at the bottom of the layer.
      add_piedmont(0.0, 1.25 * length, type, 10.0, 30.0);
      assign_layers();
      const double y1 = single(0.001f) * b, y2 = single(0.0375f) * b;
      const double ys[] = {y1, 0.01 * b, y2, 1.05 * y2, 0.0};
      const int node[] = {6, 11, 21, 31, 36};
      for (int k = 0; k < 5; ++k) nodes().y[node[k]] = ys[k];
      PYCurveDriver(engine(), 0);
      for (int k = 0; k < 5; ++k) {
        const double X = nodes().z[node[k]];
        const double v = 10.0 + 20.0 * X / (1.25 * length);
        const double E_s = factor(type, units) * v;
        const double expected = ys[k] > 0.0 ? published_p(E_s, b, ys[k]) / ys[k] : b * E_s;
        EXPECT_NEAR(nodes().Es[node[k]], expected, 1e-12 * expected) << "y = " << ys[k];
      }
    }
  }
}

// A pound per cubic inch is 4.4482216 N over (0.0254 m)^3 = 271.4471 kN/m^3; psi to kPa is
// 6.894757: the same soil described in either unit system has the same stiffness.
TEST(PiedmontFactors, TheUnitSystemsAgree) {
  for (int type = field_test::kSPT; type <= field_test::kPMT; ++type) {
    const double v_us = 20.0;
    const double v_si = type == field_test::kSPT ? v_us : v_us * 6.894757;
    const double us = *piedmont_modulus_factor(type, kUnitsUS, v_us);
    const double si = *piedmont_modulus_factor(type, kUnitsSI, v_si);
    EXPECT_NEAR(si / us, 271.4471, 2e-3) << "type " << type;
    EXPECT_FALSE(piedmont_modulus_factor(type, kUnitsGeneral, v_us).has_value());
  }
}

TEST(PiedmontCurve, BranchesMeetAtTheirEnds) {
  const PiedmontCurve c = piedmont_curve(24.0, 500.0);
  EXPECT_DOUBLE_EQ(c.K_i, 12000.0);
  // At y_1 the logarithm vanishes: the logarithmic branch starts on the initial line.
  // (1000 y_1 / b differs from 1 by the rounding of the single-precision 0.001.)
  EXPECT_NEAR(piedmont_p(c, c.y_1), c.K_i * c.y_1, 1e-7 * c.K_i * c.y_1);
  EXPECT_NEAR(piedmont_p(c, std::nextafter(c.y_1, 0.0)), c.K_i * c.y_1, 1e-9 * c.K_i * c.y_1);
  // Just below y_2 it has reached p_max = 0.0081 b^2 E_s (to 0.04 %).
  EXPECT_NEAR(c.p_max, 0.0081 * 24.0 * 24.0 * 500.0, 0.0015 * c.p_max);
  EXPECT_NEAR(piedmont_p(c, std::nextafter(c.y_2, 0.0)), c.p_max, 4e-4 * c.p_max);
  EXPECT_EQ(piedmont_p(c, c.y_2), c.p_max);
  EXPECT_EQ(piedmont_p(c, 10.0 * c.y_2), c.p_max);

  const std::array<double, 17> y = piedmont_points(c);
  EXPECT_EQ(y[0], 0.0);
  EXPECT_EQ(y[1], c.y_1);
  for (int k = 3; k <= 15; ++k) {
    EXPECT_NEAR(y[k - 1] - y[k - 2], (c.y_2 - c.y_1) / 14.0, 1e-15) << k;
  }
  EXPECT_EQ(y[15], c.y_2);
  EXPECT_DOUBLE_EQ(y[16], 1.05 * c.y_2);
}

TEST_F(Piedmont, MultipliersAndSoilMovement) {
  start(kUnitsUS, 40, 480.0, 24.0);
  add_piedmont(0.0, 600.0, field_test::kSPT, 20.0, 20.0);  // E_s = 440 pci
  assign_layers();
  uniform_group_factors(0.8, 1.5);
  engine().options.UseSoilMovement = true;
  nodes().y[11] = 0.5;
  nodes().ysoil[11] = 0.2;
  nodes().y[21] = 0.0;
  PYCurveDriver(engine(), 0);
  // y = |0.5 - 0.2| / 1.5 = 0.2 in, inside the logarithmic branch.
  const double y = 0.2;
  const double expected = published_p(440.0, 24.0, y) / y * 0.8 / 1.5;
  EXPECT_NEAR(nodes().Es[11], expected, 1e-12 * expected);
  // The soil force of the moving soil.
  EXPECT_NEAR(nodes().W[11], 0.2 * nodes().Es[11], 1e-12 * nodes().W[11]);
  // At rest: the initial modulus over the y-multiplier.
  EXPECT_NEAR(nodes().Es[21], 24.0 * 440.0 / 1.5, 1e-9);
}

TEST_F(Piedmont, GeneralUnitsEndTheRunWithRuntimeError52) {
  start(kUnitsGeneral, 40, 480.0, 24.0);
  add_piedmont(0.0, 600.0, field_test::kCPT, 100.0, 100.0);
  assign_layers();
  EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 252);
  const std::vector<std::string> text = {
      "", "**** Runtime Error No. 52 ****", "",
      "Problem: Soil layer 1 (Piedmont residual soil) needs the soil modulus factor of its field "
      "test, which is defined for US customary and SI units only.",
      "Solution: Use US customary or SI units for a run with Piedmont residual soil."};
  EXPECT_TRUE(contains_block(report(), text));
  EXPECT_TRUE(contains_block(messages(), text));
}

TEST_F(Piedmont, LayerBelowTakesItsDepthBelowTheGroundSurface) {
  start(kUnitsUS, 40, 480.0, 24.0);
  add_piedmont(0.0, 120.0, field_test::kSPT, 20.0, 20.0);
  engine().profile.gamma[1] = engine().profile.gamma[2] = 5.0 / 240.0;
  add_layer(criterion::kSoftClay, 120.0, 600.0, {5.0 / 240.0, 5.0, 0.01});
  assign_layers();
  nodes().y[16] = 12.0;  // z = 180 in, 20 y50: p = p_u
  PYCurveDriver(engine(), 0);
  // z_e = z = 180 in: r = 3 + 180 / 40 = 7.5, p_u = 5 * 24 * 7.5 = 900 lb/in.
  EXPECT_NEAR(nodes().Es[16], 900.0 / 12.0, 1e-9);
  EXPECT_TRUE(engine().py.bBelowNoLayering[2]);
}

TEST_F(Piedmont, PrintedCurveOfEachTestType) {
  struct Case {
    int type;
    std::string name, label, unit;
  };
  const Case cases[] = {{field_test::kSPT, "Standard Penetration Test", "SPT  N60-value", ""},
                        {field_test::kCPT, "Cone Penetration Test", "CPT qc", "kPa"},
                        {field_test::kDMT, "Dilatometer Test", "DMT Edmt", "kPa"},
                        {field_test::kPMT, "Pressuremeter Test", "DMT Epmt    ", "kPa"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    start(kUnitsSI, 40, 12.0, 0.6);
    add_piedmont(0.0, 15.0, c.type, 400.0, 400.0);
    assign_layers();
    request_curves({3.0});
    PYCurveDriver(engine(), 0);
    PYOutputAtDepths(engine());

    const double b = 0.6;
    const double E_s = factor(c.type, kUnitsSI) * 400.0;
    const PiedmontCurve curve = piedmont_curve(b, E_s);
    std::vector<std::string> block = {
        "p-y Curve Computed Using the Piedmont Residual Soil Criteria",
        "",
        "Soil Layer Number                                      =            1",
        "Depth below pile head                                  =      3.00000 m",
        "Depth below ground surface                             =      3.00000 m",
        "Shaft Diameter                                         =      0.60000 m",
        "Type of Field Test                                     = " + c.name,
        label_line(c.label, 400.0, c.unit),
        label_line("Initial p-y Modulus from Field Tests", b * E_s, "kPa"),
        "p-multiplier                                           =      1.00000",
        "y-multiplier                                           =      1.00000",
        "",
        "     y, m              p, kN/m",
        "---------------   ---------------"};
    const std::array<double, 17> ys = piedmont_points(curve);
    for (const double y : ys) block.push_back(curve_row(y, published_p(E_s, b, y)));
    const std::vector<std::string> lines = report();
    EXPECT_TRUE(contains_block(lines, block));
    const std::vector<std::string> records = plot();
    ASSERT_EQ(records.size(), 19u);
    EXPECT_EQ(records[1].substr(104),
              "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 1");
    EXPECT_EQ(records[18].substr(104), "Line 8(17): y, p, for Piedmont residual soil");
    // Fresh files for the next type.
    ASSERT_TRUE(engine().run.report.open(folder_.file("report.txt").string()));
    ASSERT_TRUE(engine().run.plot.open(folder_.file("plot.txt").string()));
  }
}

}  // namespace
}  // namespace torva::testing

namespace torva::testing {
namespace {

class ModulusNotANumber : public OtherCriteria {};

// A soil value lost on the way (not a number) ends the run with runtime error 50, naming the
// criterion, the layer and the node.
TEST_F(ModulusNotANumber, IsRuntimeError50InEachCriterion) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const char* name : {"Piedmont Residual", "Loess", "User Input p-y Curves"}) {
    SCOPED_TRACE(name);
    start(kUnitsUS, 40, 480.0, 24.0);
    engine().run.ErrorNumber = 0;
    const std::string criterion(name);
    if (criterion == "Loess") {
      add_loess(0.0, 600.0, 200.0, nan);
    } else if (criterion == "Piedmont Residual") {
      add_piedmont(0.0, 600.0, field_test::kSPT, 20.0, nan);
    } else {
      add_user_curves(0.0, 600.0, {{0.1, 100.0}, {1.0, 200.0}}, {{0.1, nan}, {1.0, 200.0}});
    }
    assign_layers();
    nodes().y[11] = 0.05;
    EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
    EXPECT_EQ(engine().run.ErrorNumber, 250);
    // The user-input curves at rest take the second points' secant, which is intact: their
    // first moving node is the one to fail.
    const std::string node = criterion == "User Input p-y Curves" ? "11" : "1";
    EXPECT_TRUE(contains_line(messages(), "Problem: The soil modulus of node " + node +
                                              " in soil layer 1 (" + criterion +
                                              ") is not a number."));
    ASSERT_TRUE(engine().run.message.open(folder_.file("messages.txt").string()));
  }
}

// Piedmont residual soil, loess and user-input curves compute moduli and print curves.
TEST(OtherCriteriaRows, HaveBothEntryPoints) {
  for (const char* name : {"Piedmont", "KS Loess", "User p-y"}) {
    const CriterionEntry* entry = find_criterion(name);
    ASSERT_NE(entry, nullptr) << name;
    EXPECT_NE(entry->moduli, nullptr) << name;
    EXPECT_NE(entry->curves, nullptr) << name;
    EXPECT_EQ(entry->errors.modulus_not_a_number.number, 250) << name;
  }
}

}  // namespace
}  // namespace torva::testing
