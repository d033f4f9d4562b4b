// Whole runs of the sand example on sloping ground and under cyclic loading: the printed Reese
// and API sand curves checked line by line against the wedge on sloping ground and the cyclic
// factors worked out in sand_formulas.h.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "soil/sand_formulas.h"
#include "support/report_lines.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

using namespace sand;

const std::string kRule(80, '-');

// The example's two load cases replaced by one free head under the shear given.
std::string one_load_case(const std::string& text, const std::string& shear) {
  return replaced(text, "2\n1 1 30000.0 0.0 0.0 1\n2 2 30000.0 0.0 0.0 1\n",
                  "1\n1 1 " + shear + " 0.0 0.0 1\n");
}

// The report lines of a Reese sand block from "Soil Layer Number" to the "y, p" heading.
std::vector<Expected> reese_block(const ReeseSand& s, const std::string& title, double depth_ft) {
  const double p_s = s.p_s();
  const double p_m = s.B() * p_s;
  const double p_u = s.A() * p_s;
  const double m = (p_u - p_m) / (s.y_u() - s.y_m());
  const double y_k = s.y_k();
  const double C = p_m / std::pow(s.y_m(), 1.0 / s.n());
  const char* shape =
      y_k < s.y_m() ? "This curve has the normal shape for a Reese sand p-y curve where Yk < "
                      "Ym < Yu."
      : y_k < s.y_u()
          ? "This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu."
          : "This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk.";
  const char* loading = s.cyclic ? "cyclic" : "static";
  std::vector<Expected> block = {
      literal(title),
      literal(""),
      literal("Soil Layer Number                                      =            1"),
      value("Depth below pile head", depth_ft, "ft"),
      value("Depth below ground surface", depth_ft, "ft"),
      value("Equivalent Depth (see note)", depth_ft, "ft")};
  append(block, slope_lines(s.slope));
  append(block,
         {value("Pile Diameter, b", s.b, "in"),
          value("Angle of Friction", s.phi, "degrees"),
          value("Avg. Eff. Unit Weight", s.gamma, "pci"),
          value("Avg. Eff. Unit Weight", s.gamma * 1728.0, "pcf"),
          value("kpy", s.k, "pci"),
          value("K active", std::pow(std::tan((45.0 - s.phi / 2.0) * kRadians), 2)),
          value("K passive", std::pow(std::tan((45.0 + s.phi / 2.0) * kRadians), 2)),
          value("K0", 0.4),
          value("Pst", s.p_st(), "lb/in"),
          value("Psd", s.p_sd(), "lb/in"),
          value(s.p_st() <= s.p_sd() ? "Ps = Pst (shallow controls)" : "Ps = Psd (deep controls)",
                p_s, "lb/in"),
          value(std::string("A (") + loading + ")", s.A()),
          value(std::string("B (") + loading + ")", s.B()),
          value("C = Pm/(Ym^(1/n))", C),
          value("n = Pm/(m Ym)", s.n()),
          value("m = (Pu-Pm)/(Yu-Ym)", m, "psi"),
          value("Yk = [c/(kx)]^(n/(n-1))", y_k, "in"),
          value("Pk", C * std::pow(y_k, 1.0 / s.n()), "lb/in"),
          value("Ym = b/60", s.y_m(), "in"),
          value("Pm = B ps", p_m, "lb/in"),
          value("Yu = 3b/80", s.y_u(), "in"),
          value("Pu = A Ps", p_u, "lb/in"),
          value("Es,lim", s.E0(), "psi"),
          value("p-multiplier", 1.0),
          value("y-multiplier", 1.0),
          literal(""),
          literal("This p-y curve is computed using the equivalent depth."),
          literal(""),
          literal(shape),
          literal(""),
          literal("     y, in             p, lb/in"),
          literal(kDashes)});
  return block;
}

// The 17 rows of a Reese curve and the notes after them: the mark of each point the initial
// line cuts, the note that explains the marks, and the note of a default k; nothing else.
void expect_reese_rows(const std::vector<std::string>& report, std::size_t first,
                       const ReeseSand& s, bool default_k) {
  const std::array<double, 17> ys = s.printed_deflections();
  const std::vector<Row> rows = rows_at(report, first, 17);
  ASSERT_EQ(rows.size(), 17u);
  bool any_cut = false;
  for (std::size_t k = 0; k < 17; ++k) {
    const double y = ys[k];
    expect_row(rows[k], y, s.p(y), "row " + std::to_string(k + 1));
    const bool cut = s.cut_by_initial_line(y);
    any_cut = any_cut || cut;
    // A point where the initial line meets the curve may fall either way.
    if (cut || s.E0() * y > s.segments(y) * (1.0 + 1e-6) || y == 0.0) {
      EXPECT_EQ(rows[k].mark, cut ? "   *" : "") << "row " << k + 1;
    }
  }
  std::vector<Expected> notes;
  if (any_cut) {
    append(notes, {literal(""), literal("* p value(s) computed using p = k * Eff x * y ")});
  }
  if (default_k) {
    append(notes, {literal(""), literal("The above p-y curve was computed using internal default "
                                        "values of k.")});
  }
  expect_lines(report, first + 17, notes);
  // Then the rule after the layer's last curve, or a blank line and the next curve.
  const std::size_t next = first + 17 + notes.size();
  ASSERT_LT(next + 1, report.size());
  if (report[next] != kRule) {
    EXPECT_EQ(report[next], "");
    EXPECT_EQ(report[next + 1].rfind("p-y Curve in Sand", 0), 0u) << report[next + 1];
  }
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
      const std::vector<Expected> block = reese_block(s, title, 5.0);
      const std::size_t at = find_line(report, title, 2);
      expect_lines(report, at, block);
      expect_reese_rows(report, at + block.size(), s, false);
      // The slope does what it should: the wedge differs from that of level ground.
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
  const std::vector<Expected> block = reese_block(s, title, 3.5);
  const std::size_t at = find_line(report, title);
  expect_lines(report, at, block);
  expect_reese_rows(report, at + block.size(), s, true);
  expect_plot_points(folder.plot(), "sand", 1, rows_at(report, at + block.size(), 17));
}

}  // namespace
}  // namespace torva::testing
