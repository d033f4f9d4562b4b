// Whole runs of the rock socket example (rock_socket_si.tp7): the printed weak rock and vuggy
// limestone curves line by line against their published forms (rock_formulas.h), the layout
// of the plot file, the pile-head conditions, the equilibrium of the pile, also under soil
// movement through the limestone, and the inputs that end such a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "soil/rock_formulas.h"
#include "support/plot_file.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

std::string example() { return read_text(std::string(TORVA_EXAMPLES_DIR) + "/rock_socket_si.tp7"); }

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The example is run once for the tests that read its files.
const RunOutputs& example_run() {
  static const RunOutputs r = run_outputs(example());
  return r;
}

constexpr double kB = 0.9;      // shaft diameter (m)
constexpr double kPMult = 0.8;  // group factors of the example
constexpr double kYMult = 1.2;

// ---- Reading the files back ----------------------------------------------------------------

using Node = PlotNode;

// Rotation at the head of each case (Line 13).
std::vector<double> head_rotations(const std::vector<std::string>& plot) {
  std::vector<double> rotations;
  for (const PlotRecord& record : parse_plot_records(plot)) {
    if (record.number() == 13 && record.values.size() == 5) rotations.push_back(record.values[4]);
  }
  return rotations;
}

// V(1) + the integral of (p + q) along the pile: the trapezoids with the half springs of the
// end nodes, which are what the finite-difference equations balance.
double unbalanced_shear(const std::vector<Node>& n, double q) {
  double load = 0.0;
  for (std::size_t i = 1; i < n.size(); ++i) {
    load += ((n[i - 1].p + q) + (n[i].p + q)) / 2.0 * (n[i].x - n[i - 1].x);
  }
  return n[0].V + load;
}

double total_reaction(const std::vector<Node>& n) {
  double sum = 0.0;
  for (std::size_t i = 1; i < n.size(); ++i) sum += std::fabs(n[i].p) * (n[i].x - n[i - 1].x);
  return sum;
}

// Half a unit of the last digit shown in a number field ("4000.00000", "450000.", "0.1450E+09").
double resolution(const std::string& field) {
  const std::size_t e = field.find('E');
  const std::string mantissa = field.substr(0, e);
  const std::size_t point = mantissa.find('.');
  const int decimals = static_cast<int>(mantissa.find_last_of("0123456789") - point);
  const int exponent = e == std::string::npos ? 0 : std::atoi(field.c_str() + e + 1);
  return 0.5 * std::pow(10.0, exponent - decimals);
}

// One label line of a report block: label, "= " at column 56, a 12-column value, the unit.
struct Label {
  std::string label;
  double value;
  std::string unit;
};

void expect_block(const std::vector<std::string>& report, std::size_t at,
                  const std::vector<Label>& labels) {
  for (const Label& l : labels) {
    ASSERT_LT(at, report.size());
    const std::string& line = report[at++];
    SCOPED_TRACE(line);
    std::string label = l.label;
    label.resize(55, ' ');
    ASSERT_GE(line.size(), 69u);
    EXPECT_EQ(line.substr(0, 57), label + "= ");
    const std::string field = line.substr(57, 12);
    EXPECT_NEAR(std::stod(field), l.value, 1.02 * resolution(field) + 1e-7 * std::fabs(l.value));
    EXPECT_EQ(line.substr(69), l.unit.empty() ? "" : " " + l.unit);
  }
}

// The n-th (from 1) line equal to `text`.
std::size_t find_line(const std::vector<std::string>& lines, const std::string& text, int n) {
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (lines[k] == text && --n == 0) return k;
  }
  return lines.size();
}

// The report rows of printed curve `curve` from line `at`, against the expected deflections
// and the published p (both before the group multipliers), and against its Line 8 records.
template <typename P>
void expect_rows(const RunOutputs& r, std::size_t at, int curve, const std::string& line8_words,
                 const std::vector<double>& ys, P&& p) {
  std::size_t record = 0;
  for (int c = 0; c < curve; ++c) {
    while (record < r.plot.size() && parse_plot_record(r.plot[record]).number() != 7) ++record;
    if (c + 1 < curve) ++record;
  }
  ASSERT_LT(record + ys.size(), r.plot.size());
  for (std::size_t k = 0; k < ys.size(); ++k) {
    SCOPED_TRACE("point " + std::to_string(k + 1));
    const std::string& row = r.report[at + k];
    const std::string& line8 = r.plot[record + 1 + k];
    EXPECT_EQ(row, line8.substr(0, 15) + "   " + line8.substr(15, 15));
    EXPECT_EQ(parse_plot_record(line8).description,
              "Line 8(" + std::to_string(k + 1) + "): y, p, for " + line8_words);
    const double y = ys[k] * kYMult;
    const double expected_p = p(ys[k]) * kPMult;
    EXPECT_NEAR(std::stod(row.substr(0, 15)), y, 1e-6 * y);
    EXPECT_NEAR(std::stod(row.substr(18, 15)), expected_p, 2e-6 * expected_p);
  }
  EXPECT_EQ(r.report[at + ys.size()], std::string(80, '-'));
}

// ---- The example ---------------------------------------------------------------------------

TEST(RockSocketRun, PrintedWeakRockCurvesLineByLine) {
  const RunOutputs& r = example_run();
  ASSERT_EQ(r.code, 0);
  const std::string title = "p-y Curve Computed Using Weak Rock Criteria";
  struct Curve {
    double depth, gamma, q_ur, E_ir, RQD, k_rm, x_r;
    int layer;
  };
  // 4.5 m in the first weak rock layer (E_ir 400 to 500 MPa over 3 to 6 m), 7 m in the second,
  // whose x_r counts from the top of the first. Unit weights averaged from the surface: 18 over
  // 3 m of sand, 12 and 13 in the rock.
  const Curve curves[] = {
      {4.5, (18.0 * 3.0 + 12.0 * 1.5) / 4.5, 4000.0, 450000.0, 40.0, 0.0002, 1.5 + 1e-8, 2},
      {7.0, (18.0 * 3.0 + 12.0 * 3.0 + 13.0) / 7.0, 6000.0, 800000.0, 70.0, 0.0001, 4.0 + 1e-8, 3}};
  for (int c = 0; c < 2; ++c) {
    SCOPED_TRACE("curve " + std::to_string(c + 1));
    const Curve& k = curves[c];
    const rock::WeakRock w{k.q_ur, k.E_ir, k.RQD, k.k_rm, k.x_r, kB};
    const std::size_t at = find_line(r.report, title, c + 1);
    ASSERT_LT(at + 26, r.report.size());
    EXPECT_EQ(r.report[at + 1], "");
    expect_block(r.report, at + 2,
                 {{"Soil Layer Number", double(k.layer), ""},
                  {"Depth below pile head", k.depth, "m"},
                  {"Depth below ground surface", k.depth, "m"},
                  {"Diameter", kB, "m"},
                  {"Unconfined Compressive Strength", k.q_ur, "kPa"},
                  {"Avg. Eff. Unit Weight", k.gamma, "kN/m3"},
                  {"Xr", k.x_r, "m"},
                  {"RQD", k.RQD, "%"},
                  {"Eir", k.E_ir, "kPa"},
                  {"Pu", w.p_ur(), "kN/m"},
                  {"k_rm", k.k_rm, ""},
                  {"K_ir", w.K_ir(), "kPa"},
                  {"Alpha_r", w.alpha_r(), ""},
                  {"Yu", 3.0 * kB / 80.0, "m"},
                  {"Yrm", w.y_rm(), "m"},
                  {"Y_A", w.y_A(), "m"},
                  {"p-multiplier", kPMult, ""},
                  {"y-multiplier", kYMult, ""}});
    // K_ir and Y_A in exponent form.
    EXPECT_EQ(r.report[at + 13].substr(57, 12).find("E+0"), 8u) << r.report[at + 13];
    EXPECT_EQ(r.report[at + 17].substr(57, 12).find("E-0"), 8u) << r.report[at + 17];
    EXPECT_EQ(r.report[at + 20], "");
    EXPECT_EQ(r.report[at + 21], "     y, m              p, kN/m");
    EXPECT_EQ(r.report[at + 22], "---------------   ---------------");

    const double y_16 = 16.0 * w.y_rm();
    std::vector<double> ys = {0.0, w.y_A()};
    for (const double f : {0.02, 0.04, 0.06, 0.08, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9}) {
      ys.push_back(w.y_A() + f * (y_16 - w.y_A()));
    }
    ys.insert(ys.end(), {y_16, 20.0 * w.y_rm()});
    expect_rows(r, at + 23, c + 1, "weak rock", ys, [&](double y) { return w.p(y); });
  }
}

TEST(RockSocketRun, PrintedVuggyLimestoneCurveLineByLine) {
  const RunOutputs& r = example_run();
  ASSERT_EQ(r.code, 0);
  const std::size_t at =
      find_line(r.report, "p-y Curve for Vuggy Limestone (Strong Rock) Criteria", 1);
  ASSERT_LT(at + 30, r.report.size());
  expect_block(r.report, at + 2,
               {{"Soil Layer Number", 4.0, ""},
                {"Depth below pile head", 10.0, "m"},
                {"Depth below ground surface", 10.0, "m"},
                {"Shaft Diameter", kB, "m"},
                {"Uniaxial Compressive Strength", 10000.0, "kPa"},
                {"p-multiplier", kPMult, ""},
                {"y-multiplier", kYMult, ""}});
  EXPECT_EQ(r.report[at + 9], "");
  EXPECT_EQ(r.report[at + 10], "y, p");
  EXPECT_EQ(r.report[at + 11], "---------------   ---------------");
  // 0, y_1 = 0.0004 b, 14 steps of (y_2 - y_1) / 15 and y_2 = 0.0024 b: the curve up to b s_u.
  const rock::VuggyLimestone v{10000.0, 14.4, kB, 10.0};
  std::vector<double> ys = {0.0};
  for (int k = 0; k <= 14; ++k) ys.push_back(v.y_1() + k * (v.y_2() - v.y_1()) / 15.0);
  ys.push_back(v.y_2() * (1.0 - 1e-12));
  expect_rows(r, at + 12, 3, "vuggy limestone rock", ys, [&](double y) { return v.p(y); });
  EXPECT_NEAR(v.p(v.y_2()), kB * 5000.0, 1e-9);
}

TEST(RockSocketRun, PlotFileHoldsItsRecordsInTheirColumns) {
  const RunOutputs& r = example_run();
  ASSERT_EQ(r.code, 0);
  struct Expected {
    std::string format, description;
    int column;
  };
  std::vector<Expected> expected = {
      {"4I5", "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F", 105},
      {"I5", "Line 2 : Total number of sections", 105}};
  for (const ExpectedRecord& r : elastic_section_records(true)) {
    expected.push_back({r.format, r.description, 105});
  }
  expected.push_back({"I5", "Line 6 : number of output p-y curves", 81});
  const char* const words[] = {"weak rock", "weak rock", "vuggy limestone"};
  const char* const line8[] = {"weak rock", "weak rock", "vuggy limestone rock"};
  for (int c = 0; c < 3; ++c) {
    expected.push_back({"E15.7,I5",
                        std::string("Line 7:  p-y curve depth in ") + words[c] +
                            ", no. p-y points on curve no. " + std::to_string(c + 1),
                        105});
    for (int k = 1; k <= 17; ++k) {
      expected.push_back(
          {"2E15.7", "Line 8(" + std::to_string(k) + "): y, p, for " + line8[c], 105});
    }
  }
  expected.push_back({"3I5", "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI", 105});
  for (int j = 1; j <= 2; ++j) {
    for (int i = 1; i <= 121; ++i) {
      std::string number = std::to_string(i);
      number.insert(0, 3 - number.size(), ' ');
      expected.push_back(
          {"6E15.7",
           "Line 10(" + number + ") : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)", 105});
    }
    expected.push_back(
        {"I5", "Line 11: Num. points on Ytop vs. Length curve for load case " + std::to_string(j),
         105});
  }
  for (int j = 1; j <= 2; ++j) {
    expected.push_back({"5E15.7",
                        "Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)",
                        105});
  }
  expected.push_back({"3I5", "Line 16: Number pushover steps computed, pushover BC type", 105});
  expected.push_back({"I5,2E15.7", "Line 18: Number of buckling points computed, Vtop, Mtop", 105});

  ASSERT_EQ(r.plot.size(), expected.size());
  for (std::size_t k = 0; k < r.plot.size(); ++k) {
    SCOPED_TRACE("plot line " + std::to_string(k + 1));
    ASSERT_EQ(parse_plot_record(r.plot[k]).description, expected[k].description);
    EXPECT_TRUE(HasPlotLayout(r.plot[k], expected[k].format, expected[k].column));
  }
  // The depths and point counts of the curves.
  const double depths[] = {4.5, 7.0, 10.0};
  int c = 0;
  for (const PlotRecord& record : parse_plot_records(r.plot)) {
    if (record.number() != 7) continue;
    EXPECT_EQ(record.values, (std::vector<double>{depths[c++], 17.0}));
  }
}

TEST(RockSocketRun, PileHeadConditionsAndEquilibrium) {
  const RunOutputs& r = example_run();
  ASSERT_EQ(r.code, 0);
  const std::vector<std::vector<Node>> nodes = node_records(r.plot);
  const std::vector<double> rotations = head_rotations(r.plot);
  ASSERT_EQ(nodes.size(), 2u);
  ASSERT_EQ(rotations.size(), 2u);
  // Case 1: 500 kN on a free head; case 2: 500 kN on a fixed head.
  for (const std::vector<Node>& n : nodes) {
    ASSERT_EQ(n.size(), 121u);
    EXPECT_NEAR(n[0].V, 500.0, 1e-6 * 500.0);
    EXPECT_GT(n[0].y, 0.0);
    EXPECT_NEAR(unbalanced_shear(n, 0.0), 0.0, 1e-6 * (500.0 + total_reaction(n)));
  }
  EXPECT_NEAR(nodes[0][0].M, 0.0, 1e-9 * 1215.0);
  EXPECT_NEAR(rotations[1], 0.0, 1e-12);
  EXPECT_LT(rotations[0], 0.0);
  // The rock holds the shaft: the deflection below the sand is a fraction of the head's.
  EXPECT_LT(std::fabs(nodes[0][60].y), 0.05 * nodes[0][0].y);  // 6 m
}

TEST(RockSocketRun, SoilMovementThroughTheLimestoneKeepsTheBalance) {
  // The soil moves 30 mm at the surface and 10 mm at the tip; 25 kN/m along the whole pile.
  std::string input = replaced(example(), "UseSoilMovement NO", "UseSoilMovement YES");
  input = replaced(input, "2 2 500.0 0.0 0.0 1\n0\n",
                   "2 2 500.0 0.0 0.0 1\n2\n1 0.0 25.0\n2 12.0 25.0\n");
  input = replaced(input, "DEPTHS OF PRINTED P-Y CURVES",
                   "SOIL MOVEMENTS\n2\n1 0.0 30.0\n2 12.0 10.0\nDEPTHS OF PRINTED P-Y CURVES");
  const RunOutputs r = run_outputs(input);
  ASSERT_EQ(r.code, 0);
  const std::vector<std::vector<Node>> nodes = node_records(r.plot);
  ASSERT_EQ(nodes.size(), 2u);
  for (const std::vector<Node>& n : nodes) {
    // The limestone's spring pushes on the pile's own deflection (-Es y), the others on the
    // deflection relative to the soil.
    EXPECT_NEAR(unbalanced_shear(n, 25.0), 0.0, 1e-6 * (500.0 + 300.0 + total_reaction(n)));
  }
  // The printed limestone curve does not see the movement.
  const RunOutputs& still = example_run();
  const std::size_t at =
      find_line(r.report, "p-y Curve for Vuggy Limestone (Strong Rock) Criteria", 1);
  const std::size_t at_still =
      find_line(still.report, "p-y Curve for Vuggy Limestone (Strong Rock) Criteria", 1);
  ASSERT_LT(at + 30, r.report.size());
  for (int k = 0; k < 30; ++k) EXPECT_EQ(r.report[at + k], still.report[at_still + k]);
}

// ---- Inputs that end the run, or do not ----------------------------------------------------

TEST(RockSocketRun, MassiveRockEndsTheRunOnlyWhereItHoldsANode) {
  // Massive rock in place of the limestone: the shaft reaches it at 8 m.
  const std::string reached = replaced(example(), "9 8.0 15.0\n14.0 10000.0\n14.0 10000.0\n",
                                       "16 8.0 15.0\n14.0 50000.0 10 0 0\n14.0 50000.0 10 0 0\n");
  const RunOutputs stopped = run_outputs(reached);
  EXPECT_EQ(stopped.code, 248);
  EXPECT_TRUE(contains_block(
      stopped.report,
      {"", "**** Runtime Error No. 48 ****", "",
       "Problem: Soil layer 4 (massive rock, from 8.00000 m to 15.00000 m) reaches the pile, and "
       "this version of Torva has no p-y criterion for massive rock.",
       "Solution: Describe the rock of layer 4 with the weak rock or the vuggy limestone "
       "criterion, or end the pile above the layer.",
       ""}));
  EXPECT_TRUE(contains_line(stopped.report,
                            "Torva ended prematurely due to runtime error number RUN00048"));
  EXPECT_TRUE(contains_line(stopped.messages, "**** Runtime Error No. 48 ****"));

  // Massive rock below the tip (the limestone ends at 12.5 m): the run ends normally.
  const std::string below =
      replaced(replaced(example(), "4\n5 0.0 3.0", "5\n5 0.0 3.0"),
               "9 8.0 15.0\n14.0 10000.0\n14.0 10000.0\n",
               "9 8.0 12.5\n14.0 10000.0\n14.0 10000.0\n16 12.5 15.0\n14.0 50000.0 10 0 0\n"
               "14.0 50000.0 10 0 0\n");
  const RunOutputs normal = run_outputs(below);
  EXPECT_EQ(normal.code, 0);
  EXPECT_EQ(normal.plot, example_run().plot);
}

TEST(RockSocketRun, WeakRockWithoutKrmIsInputError63) {
  const RunOutputs r =
      run_outputs(replaced(example(), "13.0 6000.0 800000.0 70.0 0.0001\n13.0 6000.0 800000.0 70.0 0.0001",
                   "13.0 6000.0 800000.0 70.0 0.0\n13.0 6000.0 800000.0 70.0 0.0"));
  EXPECT_EQ(r.code, 163);
  const std::vector<std::string> text = {
      "", "**** Input Data Error No. 63 ****", "",
      "Problem:  The input value for k_rm for weak rock is less than or equal to zero.",
      "Solution: Check the input values for layer 3"};
  EXPECT_TRUE(contains_block(r.report, text));
  EXPECT_TRUE(contains_block(r.messages, text));
  EXPECT_TRUE(
      contains_line(r.report, "Torva ended prematurely due to input error number INP00163"));
}

}  // namespace
}  // namespace torva::testing
