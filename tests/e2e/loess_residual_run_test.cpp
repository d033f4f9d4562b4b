// Whole runs of examples/loess_residual_si.tp7: loess over Piedmont residual soil over
// user-input curves over sand. The plot file's records and columns, the pile-head conditions,
// the equilibrium of the pile, the four printed p-y curves line by line against their
// published forms, and the same soil moving under a pile held at its head.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/single_precision.h"
#include "report/fields.h"
#include "report/line.h"
#include "soil/sand_formulas.h"
#include "support/plot_file.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

constexpr double kWidth = 0.6;    // m
constexpr int kNodes = 101;       // 100 increments of 0.2 m
constexpr double kLength = 20.0;  // m

std::string example_input() {
  return read_text(std::string(TORVA_EXAMPLES_DIR) + "/loess_residual_si.tp7");
}

const RunOutputs& example() {
  static const RunOutputs files = run_outputs(example_input());
  return files;
}

// Line 10 records of each load case: depth, y, M, V, p, EI.
std::vector<std::vector<std::vector<double>>> node_records(const std::vector<std::string>& plot) {
  std::vector<std::vector<std::vector<double>>> cases;
  for (const PlotRecord& r : parse_plot_records(plot)) {
    if (r.number() != 10) continue;
    if (r.description.rfind("Line 10(  1)", 0) == 0) cases.emplace_back();
    cases.back().push_back(r.values);
  }
  return cases;
}

// The head shear is carried by the soil reaction (and the distributed load, here none).
void expect_equilibrium(const std::vector<std::vector<double>>& n) {
  double reaction = 0.0, magnitude = 0.0;
  for (std::size_t i = 1; i < n.size(); ++i) {
    reaction += (n[i - 1][4] + n[i][4]) / 2.0 * (n[i][0] - n[i - 1][0]);
    magnitude += std::fabs(n[i][4]) * (n[i][0] - n[i - 1][0]);
  }
  EXPECT_NEAR(n[0][3] + reaction, 0.0, 1e-6 * (std::fabs(n[0][3]) + magnitude));
}

TEST(LoessResidualRun, PlotFileHoldsItsRecordsInOrderAndInTheirColumns) {
  const RunOutputs& f = example();
  ASSERT_EQ(f.code, 0);
  struct Expected {
    std::string format, description;
    int column = 105;
  };
  std::vector<Expected> expected = {
      {"4I5", "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F"},
      {"I5", "Line 2 : Total number of sections"}};
  for (const ExpectedRecord& r : elastic_section_records(true)) {
    expected.push_back({r.format, r.description});
  }
  const std::size_t line6 = expected.size();
  expected.push_back({"I5", "Line 6 : number of output p-y curves", 81});
  const struct {
    const char* words;
    int k_width;
  } curves[] = {
      {"Loess", 0}, {"Piedmont residual soil", 0}, {"user-input p-y curve", 2}, {"sand", 0}};
  for (int c = 1; c <= 4; ++c) {
    expected.push_back({"E15.7,I5", std::string("Line 7:  p-y curve depth in ") +
                                        curves[c - 1].words + ", no. p-y points on curve no. " +
                                        std::to_string(c)});
    for (int k = 1; k <= 17; ++k) {
      std::string number = std::to_string(k);
      if (curves[c - 1].k_width == 2 && k < 10) number = " " + number;
      expected.push_back({"2E15.7", "Line 8(" + number + "): y, p, for " + curves[c - 1].words});
    }
  }
  expected.push_back({"3I5", "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI"});
  for (int j = 1; j <= 3; ++j) {
    for (int i = 1; i <= kNodes; ++i) {
      std::string number = std::to_string(i);
      number.insert(0, 3 - number.size(), ' ');
      expected.push_back({"6E15.7", "Line 10(" + number +
                                        ") : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), "
                                        "EI(kN-m2)"});
    }
    expected.push_back(
        {"I5", "Line 11: Num. points on Ytop vs. Length curve for load case " + std::to_string(j)});
  }
  for (int j = 1; j <= 3; ++j) {
    expected.push_back(
        {"5E15.7", "Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)"});
  }
  expected.push_back({"3I5", "Line 16: Number pushover steps computed, pushover BC type"});
  expected.push_back({"I5,2E15.7", "Line 18: Number of buckling points computed, Vtop, Mtop"});

  ASSERT_EQ(f.plot.size(), expected.size());
  for (std::size_t k = 0; k < f.plot.size(); ++k) {
    SCOPED_TRACE("plot line " + std::to_string(k + 1));
    EXPECT_EQ(parse_plot_record(f.plot[k]).description, expected[k].description);
    EXPECT_TRUE(HasPlotLayout(f.plot[k], expected[k].format, expected[k].column));
  }
  EXPECT_EQ(parse_plot_record(f.plot[line6]).values, std::vector<double>{4});
}

TEST(LoessResidualRun, HeadConditionsAndEquilibrium) {
  const RunOutputs& f = example();
  ASSERT_EQ(f.code, 0);
  const auto cases = node_records(f.plot);
  ASSERT_EQ(cases.size(), 3u);
  std::vector<double> slopes;
  for (const PlotRecord& r : parse_plot_records(f.plot)) {
    if (r.number() == 13) slopes.push_back(r.values[4]);
  }
  ASSERT_EQ(slopes.size(), 3u);
  for (std::size_t c = 0; c < 3; ++c) {
    SCOPED_TRACE("load case " + std::to_string(c + 1));
    const auto& n = cases[c];
    ASSERT_EQ(n.size(), static_cast<std::size_t>(kNodes));
    EXPECT_NEAR(n.back()[0], kLength, 1e-9);
    expect_equilibrium(n);
    double largest_moment = 0.0;
    for (const auto& node : n) largest_moment = std::max(largest_moment, std::fabs(node[2]));
    if (c < 2) {
      EXPECT_NEAR(n[0][3], 200.0, 2e-4);  // shear of the first two cases
    }
    if (c == 1) {
      EXPECT_NEAR(slopes[c], 0.0, 1e-12);  // fixed head
    }
    if (c == 2) {
      EXPECT_NEAR(n[0][1], 0.01, 1e-8);  // head deflection
    }
    if (c != 1) {
      EXPECT_NEAR(n[0][2], 0.0, 1e-9 * largest_moment);  // no head moment
    }
  }
  EXPECT_TRUE(contains_line(f.report, "The analysis ended normally. "));
}

// ---- Printed curves ------------------------------------------------------------------------

std::string label_line(const std::string& label, double value, const std::string& unit) {
  Line line;
  line.a(label).tab(56).a("= ");
  WriteNumberField(line, value, 12);
  if (!unit.empty()) line.a(" ").a(unit);
  return line.str();
}

std::size_t find(const std::vector<std::string>& lines, const std::string& text) {
  return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), text) - lines.begin());
}

// The report block of a printed curve from its title, its rows against p(y) and against the
// curve's Line 8 records.
template <typename PAt>
void expect_curve(const RunOutputs& f, int curve, const std::vector<std::string>& block,
                  const std::vector<double>& ys, PAt&& p_at, int gap = 3) {
  SCOPED_TRACE("curve " + std::to_string(curve));
  const std::size_t at = find(f.report, block.front());
  ASSERT_LT(at + block.size() + 17, f.report.size());
  for (std::size_t k = 0; k < block.size(); ++k) EXPECT_EQ(f.report[at + k], block[k]);
  std::size_t record = 0;
  for (int c = 0; c < curve; ++c) {
    ++record;
    while (parse_plot_record(f.plot[record]).number() != 7) ++record;
  }
  for (int k = 0; k < 17; ++k) {
    SCOPED_TRACE("point " + std::to_string(k + 1));
    const std::string& row = f.report[at + block.size() + static_cast<std::size_t>(k)];
    const std::string& line8 = f.plot[record + 1 + static_cast<std::size_t>(k)];
    EXPECT_EQ(row, line8.substr(0, 15) + std::string(static_cast<std::size_t>(gap), ' ') +
                       line8.substr(15, 15));
    const double y = ys.empty() ? std::stod(row.substr(0, 15)) : ys[static_cast<std::size_t>(k)];
    const double p = p_at(y);
    EXPECT_EQ(row, Line().e(y, 15, 7).x(gap).e(p, 15, 7).str());
  }
}

const std::vector<std::string> kHeading = {"", "     y, m              p, kN/m",
                                           "---------------   ---------------"};

std::vector<std::string> with_heading(std::vector<std::string> block) {
  block.insert(block.end(), kHeading.begin(), kHeading.end());
  return block;
}

// Loess at 1 m, 0.4 m short of 2 b: q_c 2333.3 kPa (2000 to 3000 kPa over 3 m), reduced to
// q_c (z / 2b + 0.5); the static run's N of 0 counts as one cycle.
TEST(LoessResidualRun, PrintedLoessCurve) {
  const RunOutputs& f = example();
  ASSERT_EQ(f.code, 0);
  const double q_c = 2000.0 + 1000.0 / 3.0;
  const double q_a = q_c * (1.0 / (2.0 * kWidth) + 0.5);
  const double p_u = kWidth * 0.409 * q_a;
  const double y_ref = 0.0029718;
  const double E_i = p_u / y_ref;
  std::vector<double> ys;
  for (const double r : {0.0, 0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0, 16.0, 23.0,
                         30.0, 40.0, 50.0}) {
    ys.push_back(r * y_ref);
  }
  expect_curve(
      f, 1,
      with_heading({"p-y Curve for Loess", "",
                    "Soil Layer Number                                      =            1",
                    "Depth below pile head                                  =      1.00000 m",
                    "Depth below ground surface                             =      1.00000 m",
                    "Shaft Diameter                                         =      0.60000 m",
                    label_line("Depth Adj. Cone tip resistance", q_a, "kPa"),
                    label_line("Initial Modulus, Ei", E_i, "kPa"),
                    label_line("p_u0", 0.409 * q_a, "kPa"), label_line("p_u", p_u, "kN/m"),
                    "Number of Cycles of Loading                            =      1.00000 cycles",
                    "p-multiplier                                           =      1.00000",
                    "y-multiplier                                           =      1.00000"}),
      ys,
      [&](double y) { return E_i * y / (1.0 + (y / y_ref) * (1.0 + 0.1 * std::exp(-y / y_ref))); });
}

// Piedmont residual soil at 5 m from the cone: q_c 4000 kPa, E_s = 0.8136 q_c / 0.0254.
TEST(LoessResidualRun, PrintedPiedmontCurve) {
  const RunOutputs& f = example();
  ASSERT_EQ(f.code, 0);
  const double E_s = 0.8135813628874473 * 4000.0 / single(0.0254f);
  const double y1 = single(0.001f) * kWidth, y2 = single(0.0375f) * kWidth;
  std::vector<double> ys = {0.0, y1};
  for (int k = 1; k <= 13; ++k) ys.push_back(y1 + k * (y2 - y1) / 14.0);
  ys.push_back(y2);
  ys.push_back(1.05 * y2);
  expect_curve(
      f, 2,
      with_heading(
          {"p-y Curve Computed Using the Piedmont Residual Soil Criteria", "",
           "Soil Layer Number                                      =            2",
           "Depth below pile head                                  =      5.00000 m",
           "Depth below ground surface                             =      5.00000 m",
           "Shaft Diameter                                         =      0.60000 m",
           "Type of Field Test                                     = Cone Penetration Test",
           "CPT qc                                                 =   4000.00000 kPa",
           label_line("Initial p-y Modulus from Field Tests", kWidth * E_s, "kPa"),
           "p-multiplier                                           =      1.00000",
           "y-multiplier                                           =      1.00000"}),
      ys, [&](double y) {
        if (y < y1) return kWidth * E_s * y;
        if (y < y2) {
          return E_s * y * (1.0 - 0.21624703162973105 * std::log(1000.0 * y / kWidth)) * kWidth;
        }
        return 0.008112028136109242 * kWidth * kWidth * E_s;
      });
}

// The user-input curves halfway between 7 and 11 m: the mean of the two polylines.
TEST(LoessResidualRun, PrintedUserCurve) {
  const RunOutputs& f = example();
  ASSERT_EQ(f.code, 0);
  const auto polyline = [](const std::vector<std::pair<double, double>>& c, double y) {
    for (std::size_t k = 1; k < c.size(); ++k) {
      if (y <= c[k].first) {
        return c[k - 1].second + (y - c[k - 1].first) * (c[k].second - c[k - 1].second) /
                                     (c[k].first - c[k - 1].first);
      }
    }
    return c.back().second;
  };
  const std::vector<std::pair<double, double>> top = {
      {0.0, 0.0}, {0.005, 150.0}, {0.02, 350.0}, {0.06, 500.0}};
  const std::vector<std::pair<double, double>> bottom = {
      {0.0, 0.0}, {0.005, 250.0}, {0.02, 550.0}, {0.06, 800.0}};
  std::vector<double> ys;
  for (const float r :
       {0.0f, 0.0002f, 0.00125f, 0.0025f, 0.00375f, 0.005f, 0.00625f, 0.0075f, 0.00875f, 0.01f,
        0.01125f, 0.0125f, 0.01375f, 0.015f, 0.04f, 0.075f, 0.1f}) {
    ys.push_back(single(r) * kWidth);
  }
  expect_curve(
      f, 3,
      with_heading({"p-y Curve Computed by Interpolation Between User-input Curves", "",
                    "Soil Layer Number                                      =            3",
                    "Depth below pile head                                  =      9.00000 m",
                    "Depth below ground surface                             =      9.00000 m",
                    "Pile diameter                                          =      0.60000 m",
                    "p-multiplier                                           =      1.00000",
                    "y-multiplier                                           =      1.00000"}),
      ys, [&](double y) { return (polyline(top, y) + polyline(bottom, y)) / 2.0; }, 5);
}

// The sand lies below the Piedmont residual soil, which ends the layered-soil correction: its
// curve at 15 m takes the true depth (the user-input curves between change nothing). The
// average unit weight above 15 m is (12 * 3 + 9 * 4 + 10 * 4 + 10 * 4) / 15 kN/m3.
TEST(LoessResidualRun, PrintedSandCurveTakesItsTrueDepth) {
  const RunOutputs& f = example();
  ASSERT_EQ(f.code, 0);
  EXPECT_TRUE(contains_line(
      f.report, "Equivalent Depth (see note)                            =     15.00000 m"));
  const sand::ReeseSand s{36.0, 152.0 / 15.0, kWidth, 34000.0, 15.0, 15.0};
  const std::size_t at = find(
      f.report, "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions");
  ASSERT_LT(at, f.report.size());
  const std::size_t rows =
      find(std::vector<std::string>(f.report.begin() + static_cast<std::ptrdiff_t>(at),
                                    f.report.end()),
           "---------------   ---------------") +
      at + 1;
  ASSERT_LT(rows + 17, f.report.size());
  for (std::size_t k = 0; k < 17; ++k) {
    const std::string& row = f.report[rows + k];
    const double y = std::stod(row.substr(0, 15));
    EXPECT_NEAR(std::stod(row.substr(18, 15)), s.p(y), 2e-6 * s.p(y) + 1e-9) << row;
  }
}

// ---- Inputs that end the run ----------------------------------------------------------------

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t k = text.find(from);
  EXPECT_NE(k, std::string::npos) << from;
  if (k != std::string::npos) text.replace(k, from.size(), to);
  return text;
}

TEST(LoessResidualRun, InputsThatEndTheRun) {
  struct Case {
    const char* what;
    std::string from, to;
    int code;
    std::vector<std::string> text;  // consecutive lines of the message file
  };
  const Case cases[] = {
      {"10.05 cycles of loading are accepted",
       "Loading STATIC     0",
       "Loading CYCLIC 10.05",
       0,
       {"The analysis ended normally. "}},
      {"10.2 cycles of loading are too many for loess",
       "Loading STATIC     0",
       "Loading CYCLIC  10.2",
       170,
       {"**** Input Data Error No. 70 ****", "",
        "PROBLEM: Soil layer 1 is a loess and the input value for the number of cycles of "
        "loading = 10.20000",
        "This value is greater than 10. The soil model for loess is valid only for 1 to 10 "
        "cycles of loading. ",
        "SOLUTION: Revise the input data so that the number of cycles of loading is in the "
        "range of 1 to 10."}},
      {"Piedmont residual soil in general units",
       "Units SI",
       "Units GENERAL",
       252,
       {"**** Runtime Error No. 52 ****", "",
        "Problem: Soil layer 2 (Piedmont residual soil) needs the soil modulus factor of its "
        "field test, which is defined for US customary and SI units only.",
        "Solution: Use US customary or SI units for a run with Piedmont residual soil."}},
      {"a negative cone tip resistance of the Piedmont residual soil",
       "9.0 2 0.0 5000.0 0.0 0.0",
       "9.0 2 0.0 -5000.0 0.0 0.0",
       132,
       {"**** Input Data Error No. 32 ****", "",
        "Problem: The bottom property record of soil layer 2 gives the cone tip resistance q_c "
        "= -5000 (line 47)."}},
      {"a user-input curve starting at a negative deflection",
       "10.0 4\n0.0 0.0\n0.005 150.0",
       "10.0 4\n-0.001 0.0\n0.005 150.0",
       188,
       {"**** Input Data Error No. 88 ****", "",
        "Problem: The first deflection of the top p-y curve of soil layer 3 is -0.001 (line "
        "50), below 0."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const RunOutputs f = run_outputs(replaced(example_input(), c.from, c.to));
    EXPECT_EQ(f.code, c.code);
    EXPECT_TRUE(contains_block(f.messages, c.text));
  }
}

// ---- Soil movement -------------------------------------------------------------------------

// Soil moving 20 mm at the ground surface and nothing below 6 m drags a pile under 50 kN at a
// free head along: the loess and the Piedmont residual soil carry the movement onto the pile,
// and their reaction -Es (y - ysoil) balances the head shear. Without the soil force the pile
// would move 0.6 mm under the shear alone, and the reaction would not balance it.
TEST(LoessResidualRun, MovingSoilPushesThePileThroughLoessAndPiedmontSoil) {
  std::string input = example_input();
  const auto replace = [&](const std::string& from, const std::string& to) {
    const std::size_t k = input.find(from);
    ASSERT_NE(k, std::string::npos) << from;
    input.replace(k, from.size(), to);
  };
  replace("UseSoilMovement NO", "UseSoilMovement YES");
  replace("LOADING\n3\n1 1 200.0 0.0 0.0 1\n2 2 200.0 0.0 0.0 1\n3 4 0.01 0.0 0.0 1\n",
          "LOADING\n1\n1 1 50.0 0.0 0.0 1\n");
  replace("END\n", "SOIL MOVEMENTS\n2\n1 0.0 20\n2 6.0 0\nEND\n");
  const RunOutputs f = run_outputs(input);
  ASSERT_EQ(f.code, 0);
  const auto cases = node_records(f.plot);
  ASSERT_EQ(cases.size(), 1u);
  const auto& n = cases[0];
  EXPECT_NEAR(n[0][3], 50.0, 1e-4);
  expect_equilibrium(n);
  EXPECT_GT(n[0][1], 0.015);
}

}  // namespace
}  // namespace torva::testing
