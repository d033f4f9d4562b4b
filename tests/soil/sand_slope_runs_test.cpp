// Whole runs of the sand example on sloping ground and under cyclic loading: the printed Reese
// and API sand curves checked line by line against the wedge on sloping ground and the cyclic
// factors worked out in sand_formulas.h.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "soil/reese_sand_report.h"
#include "soil/sand_formulas.h"
#include "support/report_lines.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

using namespace sand;

// The example's two load cases replaced by one free head under the shear given.
std::string one_load_case(const std::string& text, const std::string& shear) {
  return replaced(text, "2\n1 1 30000.0 0.0 0.0 1\n2 2 30000.0 0.0 0.0 1\n",
                  "1\n1 1 " + shear + " 0.0 0.0 1\n");
}

// Sand of 34 degrees, 115 pcf and k = 60 pci on ground sloping 10 degrees; the curve at 5 ft
// beside the 24-in pile. A positive head shear deflects the upper pile the way of the positive
// slope angle, a negative one against it.
struct SlopeCase {
  int code;
  const char* shear;
  bool same_sign;
};

TEST(SandSlopeRuns, PrintedCurvesOnSlopingGroundFollowTheDirectionOfTheDeflection) {
  const double gamma = 115.0 / 1728.0;
  for (const SlopeCase& c : {SlopeCase{5, "30000.0", true}, SlopeCase{5, "-30000.0", false},
                             SlopeCase{6, "30000.0", true}, SlopeCase{6, "-30000.0", false}}) {
    SCOPED_TRACE(std::to_string(c.code) + ", " + c.shear);
    RunFolder folder;
    ASSERT_EQ(folder.run(one_load_case(one_sand(c.code, "115.0 34.0 60.0", "10.0"), c.shear)), 0);
    // The pile deflects the way of its head shear around 5 ft (nodes every 7.2 in).
    const NodeTable& nodes = folder.engine().nodes;
    for (int n : {9, 10}) EXPECT_EQ(nodes.y[n] > 0.0, c.same_sign) << n;

    const std::vector<std::string> report = folder.report();
    if (c.code == 5) {
      const std::string title =
          "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions";
      const ReeseSand s{34.0, gamma, 24.0, 60.0, 60.0, 60.0, false, 10.0, c.same_sign};
      const std::vector<Expected> block = reese_block(s, title, 1, 5.0);
      const std::size_t at = find_line(report, title, 2);
      expect_lines(report, at, block);
      expect_reese_rows(report, at + block.size(), s, false);
      // A case where the slope matters: its wedge differs from that of level ground.
      EXPECT_GT(std::fabs(s.p_st() / reese_wedge(34.0, gamma, 24.0, 60.0).p_st - 1.0), 0.05);
      continue;
    }
    const std::string title = "p-y Curve Computed Using API Sand Criteria for Static Loading";
    const ApiSand s{34.0, gamma, 24.0, 60.0, 60.0, false, 10.0, c.same_sign};
    const ApiCoefficients coefficients = api_coefficients(34.0);
    std::vector<Expected> block = {
        literal(title),
        literal(""),
        literal("Soil Layer Number                                      =            1"),
        value("Depth below pile head", 5.0, "ft"),
        value("Depth below ground surface", 5.0, "ft"),
        value("Equivalent Depth (see note)", 5.0, "ft")};
    append(block, slope_lines(10.0));
    append(
        block,
        {value("Diameter", 24.0, "in"), value("Friction Angle phi", 34.0, "deg."),
         value("Avg. Eff. Unit Weight", gamma, "pci"), value("A", s.A()), value("k", 60.0, "pci"),
         value("C1", coefficients.C1), value("C2", coefficients.C2), value("C3", coefficients.C3),
         value("Pus", s.p_us(), "lb/in"), value("Pud", s.p_ud(), "lb/in"),
         value("Pu", s.p_u(), "lb/in"), value("p-multiplier", 1.0), value("y-multiplier", 1.0),
         literal(""), literal("This p-y curve is computed using the equivalent depth."),
         literal(""), literal("    y, inches           p, lb/inch   "), literal(kDashes)});
    const std::size_t at = find_line(report, title, 2);
    expect_lines(report, at, block);
    EXPECT_LT(s.p_us(), s.p_ud());  // the sloping wedge controls
    // The argument of tanh runs from 0 to pi in 16 steps.
    const double Apu = s.A() * s.p_u();
    const std::vector<Row> rows = rows_at(report, at + block.size(), 17);
    for (int j = 0; j < 17; ++j) {
      expect_row(rows[j], j * Apu * (kPi / 16.0) / (60.0 * 60.0), Apu * std::tanh(j * kPi / 16.0),
                 "row " + std::to_string(j + 1));
    }
    expect_plot_points(folder.plot(), "API sand", 2, rows);
  }
}

TEST(SandSlopeRuns, ReeseCyclicBlock) {
  // The dry sand of the example at 3.5 ft, where z / b = 1.75 lies between the tabulated
  // ratios: A = (1.11 + 1.03) / 2 and B = (0.86 + 0.82) / 2 of the cyclic tables.
  std::string input =
      replaced(example("sand_reese.tp7"), "Loading STATIC     0", "Loading CYCLIC   100");
  input = replaced(input, "3\n1 2.0\n2 5.0\n3 20.0\n", "1\n1 3.5\n");
  RunFolder folder;
  ASSERT_EQ(folder.run(input), 0);
  const std::vector<std::string> report = folder.report();
  const std::string title =
      "p-y Curve in Sand Computed Using Reese Criteria for Cyclic Loading Conditions";
  const double k = 1.2098290369522147e-07 * std::pow(34.0, 5.694468);
  const ReeseSand s{34.0, 115.0 / 1728.0, 24.0, k, 42.0, 42.0, true};
  EXPECT_NEAR(s.A(), 1.07, 1e-7);
  EXPECT_NEAR(s.B(), 0.84, 1e-7);
  const std::vector<Expected> block = reese_block(s, title, 1, 3.5);
  const std::size_t at = find_line(report, title);
  expect_lines(report, at, block);
  expect_reese_rows(report, at + block.size(), s, true);
  expect_plot_points(folder.plot(), "sand", 1, rows_at(report, at + block.size(), 17));
}

}  // namespace
}  // namespace torva::testing
