// Whole runs of the example input files through the engine. The report, the plot-output file and
// the run-message file are read back line by line and checked for their layout, and their
// numbers against facts that do not come from the code: the applied pile-head conditions, the
// equilibrium of the pile, the curvature of its deflected shape, the closed-form elastic pile on
// an elastic subgrade, and p-y curves worked out by hand from the input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "engine/lgo.h"
#include "model/single_precision.h"
#include "support/plot_file.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kUS = 1;
constexpr int kSI = 2;

// A label line of the report: the label padded so that "=" stands in column 56.
std::string at56(std::string label, const std::string& rest) {
  label.resize(55, ' ');
  return label + "= " + rest;
}

struct HeadLoading {
  int type;  // pile-head condition 1..5
  double first, second;
};

struct Example {
  const char* file;
  int units;
  int nodes;
  int print_increment;
  double length_unit;        // internal length per printed depth unit: 12 in per ft, 1 m
  double diameter, modulus;  // of the elastic pile (total stress = |M| (D/2) E / EI)
  std::vector<HeadLoading> cases;
  std::vector<std::vector<std::string>> head_blocks;  // pile-head condition lines of each case
  std::vector<double> curve_depths;                   // printed p-y curves, internal unit
  const char* line7_words;
  const char* line8_words;
  // Examples whose printed curves lie in soils of different criteria: the words of each curve
  // (Line 7, Line 8), in place of the two above.
  std::vector<std::pair<const char*, const char*>> curve_words{};
  const char* name = nullptr;  // test name; null: by the unit system
};

// 60 ft pipe pile in soft clay, 100 increments; p-y curves at 5 and 10 ft.
const Example kSoftClay{
    .file = "soft_clay_pile.tp7",
    .units = kUS,
    .nodes = 101,
    .print_increment = 5,
    .length_unit = 12.0,
    .diameter = 24.0,
    .modulus = 29.0e6,
    .cases = {{1, 20000.0, 0.0}, {2, 20000.0, 0.0}, {4, 0.5, 0.0}, {5, 0.25, 0.0}},
    .head_blocks =
        {{"Pile-head conditions are Shear and Moment (Loading Type 1)", "",
          at56("Shear force at pile head", "     20000.0 lbs"),
          at56("Applied moment at pile head", "         0.0 in-lbs"),
          at56("Axial thrust load on pile head", "         0.0 lbs")},
         {"Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)", "",
          at56("Shear force at pile head", "     20000.0 lbs"),
          at56("Rotation of pile head", "   0.000E+00 radians"),
          at56("Axial load at pile head", "         0.0 lbs"), "",
          "(Zero slope for this load indicates fixed-head conditions)"},
         {"Pile-head conditions are Displacement and Moment (Loading Type 4)", "",
          at56("Displacement of pile head", "    0.500000inches"),
          at56("Moment at pile head", "         0.0in-lbs"),
          at56("Axial load at pile head", "         0.0lbs")},
         {"Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)", "",
          at56("Displacement of pile head", "    0.250000inches"),
          at56("Rotation of pile head", "   0.000E+00radians"),
          at56("Axial load on pile head", "         0.0lbs")}},
    .curve_depths = {60.0, 120.0},
    .line7_words = "soft clay",
    .line8_words = "soft clay"};

// 20 m elastic pile on an elastic subgrade, 200 increments, one case per pile-head condition;
// p-y curve at 2 m.
const Example kElasticSubgrade{
    .file = "elastic_subgrade_si.tp7",
    .units = kSI,
    .nodes = 201,
    .print_increment = 10,
    .length_unit = 1.0,
    .diameter = 0.6,
    .modulus = 25.0e6,
    .cases = {{1, 100.0, 0.0},
              {2, 100.0, 0.0},
              {3, 100.0, 50000.0},
              {4, 0.005, 0.0},
              {5, 0.005, -0.001}},
    .head_blocks =
        {{"Pile-head conditions are Shear and Moment (Loading Type 1)", "",
          at56("Shear force at pile head", "     100.000 kN"),
          at56("Applied moment at pile head", "       0.000 kN-m"),
          at56("Axial thrust load on pile head", "       0.000 kN")},
         {"Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)", "",
          at56("Shear force at pile head", "       100.0 kN"),
          at56("Rotation of pile head", "   0.000E+00 radians"),
          at56("Axial load at pile head", "         0.0 kN"), "",
          "(Zero slope for this load indicates fixed-head conditions)"},
         {"Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)", "",
          at56("Shear force at pile head", "     100.000kN"),
          at56("Rotational stiffness", "   50000.000kN-m/rad"),
          at56("Axial load at pile head", "       0.000kN")},
         {"Pile-head conditions are Displacement and Moment (Loading Type 4)", "",
          at56("Displacement of pile head", "    0.005000meters"),
          at56("Moment at pile head", "       0.000kN-m"),
          at56("Axial load at pile head", "       0.000kN")},
         {"Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)", "",
          at56("Displacement of pile head", "    0.005000meters"),
          at56("Rotation of pile head", "  -0.100E-02radians"),
          at56("Axial load on pile head", "       0.000kN")}},
    .curve_depths = {2.0},
    .line7_words = "elastic subgrade soil",
    .line8_words = "elastic subgrade"};

// 60 ft pipe pile in three stiff clays over cemented silt, 100 increments; a p-y curve in each
// layer.
const Example kStiffClaySilt{
    .file = "stiff_clay_silt_us.tp7",
    .units = kUS,
    .nodes = 101,
    .print_increment = 5,
    .length_unit = 12.0,
    .diameter = 24.0,
    .modulus = 29.0e6,
    .cases = {{1, 40000.0, 0.0}, {2, 40000.0, 0.0}},
    .head_blocks =
        {{"Pile-head conditions are Shear and Moment (Loading Type 1)", "",
          at56("Shear force at pile head", "     40000.0 lbs"),
          at56("Applied moment at pile head", "         0.0 in-lbs"),
          at56("Axial thrust load on pile head", "         0.0 lbs")},
         {"Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)", "",
          at56("Shear force at pile head", "     40000.0 lbs"),
          at56("Rotation of pile head", "   0.000E+00 radians"),
          at56("Axial load at pile head", "         0.0 lbs"), "",
          "(Zero slope for this load indicates fixed-head conditions)"}},
    .curve_depths = {60.0, 180.0, 336.0, 540.0},
    .line7_words = "",
    .line8_words = "",
    .curve_words = {{"stiff clay with free water", "static stiff clay with free water"},
                    {"stiff clay w/o free water", "stiff clay w/o water"},
                    {"stiff clay w/o free water with k", "stiff clay with k"},
                    {"cemented silt (in)", "cemented c-phi"}},
    .name = "StiffClaySiltUS"};

const Example* const kExamples[] = {&kSoftClay, &kElasticSubgrade, &kStiffClaySilt};

std::string example_text(const Example& example) {
  return read_text(fs::path(TORVA_EXAMPLES_DIR) / example.file);
}

// Each example is run once for all the tests that read its files.
const RunOutputs& outputs(const Example& example) {
  static std::map<std::string, RunOutputs> runs;
  auto [run, fresh] = runs.try_emplace(example.file);
  if (fresh) run->second = run_outputs(example_text(example));
  return run->second;
}

// ---- Reading the files back ---------------------------------------------------------------

using Node = PlotNode;

struct HeadValues {
  double V, y, M_max, V_max, S;
};

// The Line 13 records, one per load case.
std::vector<HeadValues> head_records(const std::vector<std::string>& plot) {
  std::vector<HeadValues> heads;
  for (const PlotRecord& record : parse_plot_records(plot)) {
    if (record.number() != 13 || record.values.size() != 5) continue;
    const std::vector<double>& v = record.values;
    heads.push_back(HeadValues{v[0], v[1], v[2], v[3], v[4]});
  }
  return heads;
}

std::size_t find_line(const std::vector<std::string>& lines, const std::string& text,
                      std::size_t from = 0) {
  for (std::size_t k = from; k < lines.size(); ++k) {
    if (lines[k] == text) return k;
  }
  return lines.size();
}

std::vector<std::string> slice(const std::vector<std::string>& lines, std::size_t from,
                               std::size_t count) {
  from = std::min(from, lines.size());
  count = std::min(count, lines.size() - from);
  return {lines.begin() + static_cast<std::ptrdiff_t>(from),
          lines.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

// Half a unit in the last digit a report field shows: what printing may have rounded away.
double resolution(const std::string& field) {
  const std::size_t e = field.find('E');
  const std::string mantissa = field.substr(0, e);
  const std::size_t point = mantissa.find('.');
  const int decimals = point == std::string::npos
                           ? 0
                           : static_cast<int>(mantissa.find_last_of("0123456789") - point);
  const int exponent = e == std::string::npos ? 0 : std::atoi(field.c_str() + e + 1);
  return 0.5 * std::pow(10.0, exponent - decimals);
}

// Whether a report field shows `value` (a number of the plot file, itself rounded to seven
// digits, or worked out from such numbers: `relative` allows for that).
::testing::AssertionResult Shows(const std::string& field, double value, double relative = 1e-6) {
  char* end = nullptr;
  const double shown = std::strtod(field.c_str(), &end);
  if (end == field.c_str() ||
      field.find_first_not_of(' ', static_cast<std::size_t>(end - field.c_str())) !=
          std::string::npos) {
    return ::testing::AssertionFailure() << "\"" << field << "\" is not a number";
  }
  if (std::fabs(shown - value) <= resolution(field) + relative * std::fabs(value)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "\"" << field << "\" does not show " << value;
}

// Splits a line into consecutive fields of the given widths.
std::vector<std::string> fields(const std::string& line, const std::vector<std::size_t>& widths) {
  std::vector<std::string> parts;
  std::size_t at = 0;
  for (const std::size_t width : widths) {
    parts.push_back(line.substr(std::min(at, line.size()), width));
    at += width;
  }
  return parts;
}

// The node of largest magnitude of a result (the first of equals).
template <typename Get>
const Node& largest(const std::vector<Node>& nodes, Get get) {
  return *std::max_element(nodes.begin(), nodes.end(), [&](const Node& a, const Node& b) {
    return std::fabs(get(a)) < std::fabs(get(b));
  });
}

// Sign changes of the deflected shape, including the one between the tip and the imaginary
// node below it, which the zero moment at the free tip places at 2 y(N) - y(N-1).
int zero_deflection_points(const std::vector<Node>& nodes) {
  std::vector<double> y;
  for (const Node& node : nodes) y.push_back(node.y);
  y.push_back(2.0 * y[y.size() - 1] - y[y.size() - 2]);
  int count = 0;
  for (std::size_t i = 1; i < y.size(); ++i) {
    if ((y[i - 1] > 0.0 && y[i] < 0.0) || (y[i - 1] < 0.0 && y[i] > 0.0)) ++count;
  }
  return count;
}

// ---- Whole runs of each example ------------------------------------------------------------

class ExampleRun : public ::testing::TestWithParam<const Example*> {
 protected:
  const Example& example() const { return *GetParam(); }
  const RunOutputs& files() const { return outputs(example()); }
  bool si() const { return example().units == kSI; }
};

TEST_P(ExampleRun, PlotFileHoldsItsRecordsInOrderAndInTheirColumns) {
  const Example& ex = example();
  ASSERT_EQ(files().code, 0);
  const std::vector<std::string>& plot = files().plot;
  const int cases = static_cast<int>(ex.cases.size());

  struct Expected {
    std::string format;
    std::vector<double> values;  // checked for the count records only
    std::string description;
    int column;
  };
  std::vector<Expected> expected;
  expected.push_back({"4I5",
                      {3, double(ex.units), 0, 0},
                      "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F",
                      105});
  expected.push_back({"I5", {1}, "Line 2 : Total number of sections", 105});
  // The elastic pile's table for its one thrust value (every load case has no axial load).
  for (const ExpectedRecord& r : elastic_section_records(si())) {
    expected.push_back({r.format, {}, r.description, 105});
  }
  expected[2].values = {1};
  expected[3].values = {150, 0, 0};
  const int curves = static_cast<int>(ex.curve_depths.size());
  expected.push_back({"I5", {double(curves)}, "Line 6 : number of output p-y curves", 81});
  for (int c = 1; c <= curves; ++c) {
    const bool own = !ex.curve_words.empty();
    const std::size_t at = static_cast<std::size_t>(c - 1);
    const std::string line7 = own ? ex.curve_words[at].first : ex.line7_words;
    const std::string line8 = own ? ex.curve_words[at].second : ex.line8_words;
    expected.push_back({"E15.7,I5",
                        {ex.curve_depths[c - 1], 17},
                        "Line 7:  p-y curve depth in " + line7 + ", no. p-y points on curve no. " +
                            std::to_string(c),
                        105});
    for (int k = 1; k <= 17; ++k) {
      expected.push_back(
          {"2E15.7", {}, "Line 8(" + std::to_string(k) + "): y, p, for " + line8, 105});
    }
  }
  expected.push_back({"3I5",
                      {double(cases), double(ex.nodes), double(ex.units)},
                      "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI",
                      105});
  const std::string node_text =
      si() ? " : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)"
           : " : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)";
  for (int j = 1; j <= cases; ++j) {
    for (int i = 1; i <= ex.nodes; ++i) {
      std::string number = std::to_string(i);
      number.insert(0, 3 - number.size(), ' ');
      expected.push_back({"6E15.7", {}, "Line 10(" + number + ")" + node_text, 105});
    }
    expected.push_back(
        {"I5",
         {0},
         "Line 11: Num. points on Ytop vs. Length curve for load case " + std::to_string(j),
         105});
  }
  for (int j = 1; j <= cases; ++j) {
    expected.push_back(
        {"5E15.7",
         {},
         si() ? "Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)"
              : "Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)",
         105});
  }
  expected.push_back(
      {"3I5", {0, 0, 0}, "Line 16: Number pushover steps computed, pushover BC type", 105});
  expected.push_back(
      {"I5,2E15.7", {0, 0, 0}, "Line 18: Number of buckling points computed, Vtop, Mtop", 105});

  ASSERT_EQ(plot.size(), expected.size());
  for (std::size_t k = 0; k < plot.size(); ++k) {
    SCOPED_TRACE("plot line " + std::to_string(k + 1));
    const PlotRecord record = parse_plot_record(plot[k]);
    ASSERT_EQ(record.description, expected[k].description);
    EXPECT_TRUE(HasPlotLayout(plot[k], expected[k].format, expected[k].column));
    if (!expected[k].values.empty()) {
      EXPECT_EQ(record.values, expected[k].values);
    }
  }
}

// The nodal table, the output summary and the summary of all cases against the Line 10 and
// Line 13 records of the plot file and the progress lines of the message file.
TEST_P(ExampleRun, ReportOfEachLoadCaseShowsItsPlotRecords) {
  const Example& ex = example();
  ASSERT_EQ(files().code, 0);
  const std::vector<std::string>& report = files().report;
  const std::vector<std::vector<Node>> nodes = node_records(files().plot);
  const std::vector<HeadValues> heads = head_records(files().plot);
  ASSERT_EQ(nodes.size(), ex.cases.size());
  ASSERT_EQ(heads.size(), ex.cases.size());

  const std::string rule(80, '-');
  std::string dashes;
  for (int k = 0; k < 10; ++k) dashes += (k ? " " : "") + std::string(10, '-');
  const std::vector<std::string> table_head{
      "   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  "
      "Soil Spr.   Distrib. ",
      "     X         y        Moment     Force         S       Stress   Stiffness      p       "
      "  Es*h    Lat. Load ",
      si() ? "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m  "
             "      kN/m      kN/m    "
           : "   feet      inches     in-lbs      lbs       radians     psi*      lb-in^2    lb/in "
             "     lb/inch    lb/inch ",
      dashes};
  const double h = nodes[0].back().x / (ex.nodes - 1);

  std::size_t at = 0;
  for (std::size_t c = 0; c < ex.cases.size(); ++c) {
    const int j = static_cast<int>(c) + 1;
    SCOPED_TRACE("load case " + std::to_string(j));
    const HeadLoading& load = ex.cases[c];
    const std::vector<Node>& n = nodes[c];
    const HeadValues& head = heads[c];
    ASSERT_EQ(n.size(), static_cast<std::size_t>(ex.nodes));

    // Plot: the head values and maxima of Line 13 are those of the Line 10 records.
    const Node& m_max = largest(n, [](const Node& node) { return node.M; });
    const Node& v_max = largest(n, [](const Node& node) { return node.V; });
    EXPECT_EQ(head.V, n[0].V);
    EXPECT_EQ(head.y, n[0].y);
    EXPECT_EQ(head.M_max, m_max.M);
    EXPECT_EQ(head.V_max, v_max.V);

    // Heading and pile-head conditions.
    at = find_line(
        report, "                   for Lateral Loading for Load Case Number " + std::to_string(j),
        at);
    ASSERT_LT(at + 3, report.size());
    EXPECT_EQ(slice(report, at - 2, 5),
              (std::vector<std::string>{
                  rule, "                 Computed Values of Pile Loading and Deflection",
                  report[at], rule, ""}));
    const std::vector<std::string>& block = ex.head_blocks[c];
    EXPECT_EQ(slice(report, at + 3, block.size()), block);
    at += 3 + block.size();
    EXPECT_EQ(slice(report, at, 6), (std::vector<std::string>{"", "", table_head[0], table_head[1],
                                                              table_head[2], table_head[3]}));
    at += 6;

    // Rows at nodes 1, 1 + d, ..., N: depth in 10 columns, nine numbers in 11.
    const std::size_t rows = static_cast<std::size_t>((ex.nodes - 1) / ex.print_increment + 1);
    for (std::size_t r = 0; r < rows; ++r, ++at) {
      const std::size_t i = r * static_cast<std::size_t>(ex.print_increment);
      SCOPED_TRACE("node " + std::to_string(i + 1) + ": " + report[at]);
      ASSERT_EQ(report[at].size(), 109u);
      const std::vector<std::string> f =
          fields(report[at], {10, 11, 11, 11, 11, 11, 11, 11, 11, 11});
      const Node& node = n[i];
      EXPECT_TRUE(Shows(f[0], node.x / ex.length_unit));
      EXPECT_TRUE(Shows(f[1], node.y));
      EXPECT_TRUE(Shows(f[2], node.M));
      EXPECT_TRUE(Shows(f[3], node.V));
      if (i == 0) {
        EXPECT_TRUE(Shows(f[4], load.type == 5 ? load.second : head.S));
      }
      EXPECT_TRUE(Shows(f[5], std::fabs(node.M) * ex.diameter / 2.0 * ex.modulus / node.EI, 2e-6));
      EXPECT_TRUE(Shows(f[6], node.EI));
      EXPECT_TRUE(Shows(f[7], node.p));
      // p = -Es y; the spring of the end nodes is Es h / 2.
      const bool end = i == 0 || i + 1 == n.size();
      if (node.y != 0.0) {
        EXPECT_TRUE(Shows(f[8], -node.p / node.y * h * (end ? 0.5 : 1.0), 2e-6));
      }
      EXPECT_TRUE(Shows(f[9], 0.0));
    }
    EXPECT_EQ(
        slice(report, at, 5),
        (std::vector<std::string>{
            "", "* The above values of total stress are combined axial and bending stresses. ", "",
            "", "Output Summary for Load Case No. " + std::to_string(j) + ":"}));
    at += 6;

    // Output summary: the computed values, their units, the iterations the message file shows
    // and the sign changes of the deflected shape.
    const std::string length = si() ? " meters" : " inches";
    const std::string depth = si() ? " meters below pile head" : " feet below pile head";
    const std::regex iteration_line("Analysis Case " + std::to_string(j) + ", +Iteration .*");
    const auto iterations = std::count_if(
        files().messages.begin(), files().messages.end(),
        [&](const std::string& line) { return std::regex_match(line, iteration_line); });
    const struct {
      const char* label;
      double value;
      std::string unit;
    } summary[] = {
        {"Pile-head deflection             = ", n[0].y, length},
        {"Computed slope at pile head      = ", head.S, " radians"},
        {"Maximum bending moment           = ", m_max.M, si() ? " kN-m" : " inch-lbs"},
        {"Maximum shear force              = ", v_max.V, si() ? " kN" : " lbs"},
        {"Depth of maximum bending moment  = ", m_max.x / ex.length_unit, depth},
        {"Depth of maximum shear force     = ", v_max.x / ex.length_unit, depth},
        {"Number of iterations             = ", static_cast<double>(iterations), ""},
        {"Number of zero deflection points = ", static_cast<double>(zero_deflection_points(n)), ""},
    };
    for (const auto& line : summary) {
      SCOPED_TRACE(report[at]);
      ASSERT_GE(report[at].size(), 50u);
      EXPECT_EQ(report[at].substr(0, 35), line.label);
      EXPECT_TRUE(Shows(report[at].substr(35, 15), line.value));
      EXPECT_EQ(report[at].substr(50), line.unit);
      ++at;
    }
  }

  // Summary of all cases: definitions and heads, then one row per case with its given
  // conditions and the values of its Line 13 record.
  at = find_line(report, "                           Summary of Pile Response(s)", at);
  ASSERT_LT(at, report.size());
  const std::vector<std::string> definitions =
      si()
          ? std::vector<
                std::string>{"Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ",
                             "Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians",
                             "Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, "
                             "kN-m/radian",
                             "Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m",
                             "Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians"}
          : std::vector<std::string>{
                "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs",
                "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians",
                "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, "
                "in-lbs/radian",
                "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs",
                "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians"};
  EXPECT_EQ(
      slice(report, at + 1, 4),
      (std::vector<std::string>{rule, "", "Definitions of Pile-head Loading Conditions:", ""}));
  EXPECT_EQ(slice(report, at + 5, 5), definitions);
  const std::vector<std::string> heads_text{
      "               Pile-head      Pile-head                                      Maximum        "
      "Maximum                  ",
      "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Moment         "
      " "
      "Shear        Pile-head  ",
      si() ? "Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       in Pile "
             "  "
             "     in Pile       Rotation   "
           : "Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       in Pile "
             "  "
             "     in Pile       Rotation   ",
      si() ? " No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m   "
             "   "
             "      kN           radians   "
           : " No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs  "
             "  "
             "       lbs          radians   ",
      "----  ----  --------------  --------------  -------------  -------------  -------------  "
      "-------------  -------------"};
  EXPECT_EQ(slice(report, at + 10, 6),
            (std::vector<std::string>{"", heads_text[0], heads_text[1], heads_text[2],
                                      heads_text[3], heads_text[4]}));
  at += 16;
  const char* const first_label[] = {"", "V =", "V =", "V =", "y =", "y ="};
  const char* const second_label[] = {"", "  M =", "  S =", "  R =", "  M =", "  S ="};
  for (std::size_t c = 0; c < ex.cases.size(); ++c, ++at) {
    SCOPED_TRACE(report[at]);
    const HeadLoading& load = ex.cases[c];
    const HeadValues& head = heads[c];
    ASSERT_EQ(report[at].size(), 117u);
    const std::vector<std::string> f =
        fields(report[at], {3, 1, 8, 3, 11, 5, 11, 15, 15, 15, 4, 11, 15});
    EXPECT_EQ(std::atoi(f[0].c_str()), static_cast<int>(c) + 1);
    EXPECT_EQ(f[1] + f[2], "     " + std::to_string(load.type) + "   ");
    EXPECT_EQ(f[3], first_label[load.type]);
    EXPECT_TRUE(Shows(f[4], load.first, 0.0));
    EXPECT_EQ(f[5], second_label[load.type]);
    EXPECT_TRUE(Shows(f[6], load.second, 0.0));
    EXPECT_TRUE(Shows(f[7], 0.0));
    EXPECT_TRUE(Shows(f[8], head.y));
    EXPECT_TRUE(Shows(f[9], head.M_max));
    EXPECT_EQ(f[10], "    ");
    EXPECT_TRUE(Shows(f[11], head.V_max));
    EXPECT_TRUE(Shows(f[12], head.S));
  }
  EXPECT_EQ(slice(report, at, 4),
            (std::vector<std::string>{"", "The analysis ended normally. ", ""}));
}

// Under each condition the pile head shows the two values that were applied to it.
TEST_P(ExampleRun, PileHeadReproducesTheAppliedConditions) {
  const Example& ex = example();
  const std::vector<std::vector<Node>> nodes = node_records(files().plot);
  const std::vector<HeadValues> heads = head_records(files().plot);
  ASSERT_EQ(nodes.size(), ex.cases.size());
  ASSERT_EQ(heads.size(), ex.cases.size());
  for (std::size_t c = 0; c < ex.cases.size(); ++c) {
    SCOPED_TRACE("load case " + std::to_string(c + 1));
    const HeadLoading& load = ex.cases[c];
    const Node& head = nodes[c][0];
    const double S = heads[c].S;  // the computed slope at the head
    // A moment worked out from the deflections is reproduced to rounding, relative to the
    // largest moment in the pile; the plot file keeps seven digits of the others.
    const double moment_rounding =
        1e-9 * std::fabs(largest(nodes[c], [](const Node& n) { return n.M; }).M);
    switch (load.type) {
      case 1:
        EXPECT_NEAR(head.V, load.first, 1e-6 * load.first);
        EXPECT_NEAR(head.M, load.second, moment_rounding);
        break;
      case 2:
        EXPECT_NEAR(head.V, load.first, 1e-6 * load.first);
        EXPECT_NEAR(S, load.second, 1e-12);
        break;
      case 3:
        EXPECT_NEAR(head.V, load.first, 1e-6 * load.first);
        EXPECT_NEAR(head.M, load.second * S, 2e-6 * std::fabs(head.M));
        break;
      case 4:
        EXPECT_NEAR(head.y, load.first, 1e-6 * load.first);
        EXPECT_NEAR(head.M, load.second, moment_rounding);
        break;
      case 5:
        // The specified slope is checked in the nodal table
        // (ReportOfEachLoadCaseShowsItsPlotRecords).
        EXPECT_NEAR(head.y, load.first, 1e-6 * load.first);
        break;
    }
  }
}

// Equilibrium: the head shear is carried by the soil reaction along the pile (no tip shear and
// no distributed load here). And the moments are EI y'' of the deflections.
TEST_P(ExampleRun, HeadShearBalancesTheSoilReactionAndMomentsFollowTheCurvature) {
  const Example& ex = example();
  const std::vector<std::vector<Node>> nodes = node_records(files().plot);
  ASSERT_EQ(nodes.size(), ex.cases.size());
  for (std::size_t c = 0; c < ex.cases.size(); ++c) {
    SCOPED_TRACE("load case " + std::to_string(c + 1));
    const std::vector<Node>& n = nodes[c];
    const double h = n.back().x / static_cast<double>(n.size() - 1);

    // Trapezoid of p over x. With the half springs of the end nodes it is the sum the
    // finite-difference equations balance, so only the seven printed digits of p and V remain;
    // under condition 5 the head shear comes from a one-sided difference of the moments, whose
    // truncation error is of order h^2 p'(0) = h (p(2) - p(1)).
    double reaction = 0.0, magnitude = 0.0;
    for (std::size_t i = 1; i < n.size(); ++i) {
      reaction += (n[i - 1].p + n[i].p) / 2.0 * (n[i].x - n[i - 1].x);
      magnitude += std::fabs(n[i].p) * h;
    }
    double tolerance = 1e-6 * (std::fabs(n[0].V) + magnitude);
    if (ex.cases[c].type == 5) tolerance += h * std::fabs(n[1].p - n[0].p);
    EXPECT_NEAR(n[0].V + reaction, 0.0, tolerance) << "head shear " << n[0].V;

    // M = EI y'' at the interior nodes, to the rounding of seven printed digits of y, EI and M.
    for (std::size_t i = 1; i + 1 < n.size(); ++i) {
      const double curvature = (n[i - 1].y - 2.0 * n[i].y + n[i + 1].y) / (h * h);
      const double rounding =
          5e-7 *
          (n[i].EI * (std::fabs(n[i - 1].y) + 2.0 * std::fabs(n[i].y) + std::fabs(n[i + 1].y)) /
               (h * h) +
           std::fabs(n[i].M) + std::fabs(n[i].EI * curvature));
      ASSERT_NEAR(n[i].M, n[i].EI * curvature, rounding) << "node " << i + 1;
    }
  }
}

// The run-message file: input reading, file block, input echo, section, then per load case its start line,
// one line per iteration (stopping at the first iteration after the fifth whose change is
// within the tolerance), convergence and completion, and the closing lines.
TEST_P(ExampleRun, MessageFileShowsTheProgressOfTheRun) {
  const Example& ex = example();
  const std::vector<std::string>& messages = files().messages;
  const std::vector<std::vector<Node>> nodes = node_records(files().plot);
  ASSERT_EQ(nodes.size(), ex.cases.size());
  const double tolerance = si() ? 2.54e-7 : 1.0e-5;  // the examples' Tolerance option

  const std::vector<std::string> opening{"Input of data begun",
                                         "Reading title data",
                                         "Reading analysis options",
                                         "Reading section properties for Section 1",
                                         "Reading elastic section properties for Section 1",
                                         "Reading soil layering data",
                                         "Reading pile head loading data",
                                         "Reading p-y output depths and optional y-values data",
                                         "Input of data completed",
                                         "",
                                         "File Path and Names Used for Analysis:"};
  ASSERT_GT(messages.size(), opening.size() + 9);
  EXPECT_EQ(slice(messages, 0, opening.size()), opening);
  std::size_t at = opening.size();
  EXPECT_EQ(messages[at].rfind("Path to file locations:        /", 0), 0u) << messages[at];
  const std::vector<std::string> files_and_echo{
      "Name of input data file:       input.tp7",
      "Name of output report file:    report.txt",
      "Name of plot output file:      plot.txt",
      "Name of runtime messeage file: messages.txt",
      "",
      "Output of input data begun",
      "Output of input data completed",
      "",
      "Start computing nonlinear bending stiffness of section 1",
      "Completed computing nonlinear bending stiffness of section 1",
      ""};
  EXPECT_EQ(slice(messages, at + 1, files_and_echo.size()), files_and_echo);
  at += 1 + files_and_echo.size();

  const std::string e12 = R"(( *-?0\.\d{4}E[+-]\d\d))";
  for (std::size_t c = 0; c < ex.cases.size(); ++c) {
    const std::string j = std::to_string(c + 1);
    SCOPED_TRACE("load case " + j);
    ASSERT_LT(at, messages.size());
    EXPECT_EQ(messages[at++], "Computing lateral response of pile for load number " + j);
    int k = 0;
    double y_top = 0.0, change = 0.0;
    for (; at < messages.size(); ++at) {
      std::string start = "Analysis Case " + j + ",";
      start.resize(19, ' ');
      start += "Iteration " + std::to_string(k + 1) + ",";
      start.resize(35, ' ');
      const std::regex line(start + R"(Y\(top\) =)" + e12 + ", dYmax =" + e12 +
                            R"(, Node \d+, Delta dYmax =)" + e12);
      std::smatch values;
      if (!std::regex_match(messages[at], values, line)) break;
      ++k;
      if (k > 6) {
        EXPECT_GT(change, tolerance * (1.0 - 5e-4)) << "iteration " << k - 1;
      }
      y_top = std::strtod(values[1].str().c_str(), nullptr);
      change = std::fabs(std::strtod(values[2].str().c_str(), nullptr));
    }
    EXPECT_GE(k, 6);
    EXPECT_LE(change, tolerance * (1.0 + 5e-4));
    EXPECT_NEAR(y_top, nodes[c][0].y, 5e-4 * std::fabs(nodes[c][0].y));  // E12.4
    std::vector<std::string> closing{"The convergence criteria have been met for load case " + j};
    if (c == 0) closing.push_back("Computing p-y curves for output at user-specified depths.");
    closing.push_back("Completed Analysis for Load Case " + j);
    closing.push_back("");
    EXPECT_EQ(slice(messages, at, closing.size()), closing);
    at += closing.size();
  }
  EXPECT_EQ(slice(messages, at, messages.size()),
            (std::vector<std::string>{"Completed Analysis of All Pile Loading Cases", "", "",
                                      "The analysis ended normally. ", ""}));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRun, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<const Example*>& info) {
                           if (info.param->name != nullptr) return std::string(info.param->name);
                           return info.param->units == kUS ? std::string("SoftClayUS")
                                                           : std::string("ElasticSubgradeSI");
                         });

// ---- Printed p-y curves ---------------------------------------------------------------------

// The report block of printed curve `curve` (1-based) and its Line 7 and Line 8 records: the
// title, the label lines with "=" in column 56, the y, p heading and one row per point showing
// the numbers of its Line 8 record; the points are compared with `expected` (y, p).
void check_printed_curve(const RunOutputs& run, int curve, const std::string& title,
                         const std::vector<std::string>& labels, const std::string& heading,
                         const std::vector<std::pair<double, double>>& expected) {
  SCOPED_TRACE("curve " + std::to_string(curve));
  const std::vector<std::string>& report = run.report;
  std::size_t at =
      find_line(report, "                    p-y Curves Reported for Specified Depths");
  ASSERT_LT(at, report.size());
  for (int c = 0; c < curve; ++c) at = find_line(report, title, at + 1);
  ASSERT_LT(at + labels.size() + 4, report.size());
  EXPECT_EQ(report[at + 1], "");
  at += 2;
  for (const std::string& label : labels) {
    SCOPED_TRACE(report[at]);
    EXPECT_EQ(report[at].substr(0, 56), at56(label, "").substr(0, 56));
    char* end = nullptr;
    std::strtod(report[at].c_str() + 56, &end);
    EXPECT_NE(end, report[at].c_str() + 56) << "no value after the label";
    ++at;
  }
  EXPECT_EQ(slice(report, at, 3),
            (std::vector<std::string>{"", heading, "---------------   ---------------"}));
  at += 3;

  // Line 7 of this curve and its Line 8 records.
  std::size_t record = 0;
  for (int c = 0; c < curve; ++c) {
    while (record < run.plot.size() && parse_plot_record(run.plot[record]).number() != 7) ++record;
    if (c + 1 < curve) ++record;
  }
  ASSERT_LT(record + expected.size(), run.plot.size());
  EXPECT_EQ(parse_plot_record(run.plot[record]).values[1], static_cast<double>(expected.size()));
  for (std::size_t k = 0; k < expected.size(); ++k) {
    SCOPED_TRACE("point " + std::to_string(k + 1));
    const std::string& line8 = run.plot[record + 1 + k];
    const std::string& row = report[at + k];
    // The row is E15.7, 3X, E15.7 with the numbers of the record.
    EXPECT_EQ(row, line8.substr(0, 15) + "   " + line8.substr(15, 15));
    const PlotRecord point = parse_plot_record(line8);
    ASSERT_EQ(point.values.size(), 2u);
    EXPECT_NEAR(point.values[0], expected[k].first, 1e-6 * expected[k].first);
    EXPECT_NEAR(point.values[1], expected[k].second, 1e-6 * expected[k].second);
  }
}

// Matlock's static soft clay curve at 5 ft, worked out from the soil layer: c from 400 to
// 1000 psf and eps50 from 0.02 to 0.01 over 0 to 70 ft, 50 pcf, b = 24 in, J = 0.5.
TEST(ExampleRuns, PrintedSoftClayCurveAtFiveFeet) {
  const RunOutputs& run = outputs(kSoftClay);
  ASSERT_EQ(run.code, 0);
  const double z = 60.0, b = 24.0;
  const double c = (400.0 + 600.0 * 5.0 / 70.0) / 144.0;
  const double gamma = 50.0 / 1728.0;
  const double eps50 = 0.02 - 0.01 * 5.0 / 70.0;
  const double y50 = 2.5 * b * eps50;
  const double pu = c * b * std::min(3.0 + gamma * z / c + 0.5 * z / b, 9.0);
  std::vector<std::pair<double, double>> points{{0.0, 0.0}};
  for (int k = 2; k <= 16; ++k) {
    const double ratio = std::pow(2.0 * (k - 1) / 15.0, 3.0);
    points.emplace_back(ratio * y50, 0.5 * pu * std::pow(ratio, single(0.33333334f)));
  }
  points.emplace_back(8.5 * y50, pu);

  check_printed_curve(
      run, 1, "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions",
      {"Soil Layer Number",
       "Depth below pile head",
       "Depth below ground surface",
       "Equivalent Depth",
       "Ground Slope Angle",
       "Pile Batter",
       "Effective Slope",
       "Pile Diameter",
       "Cohesion, c",
       "Cohesion, c",
       "Avg. Eff. Unit Weight",
       "Avg. Eff. Unit Weight",
       "Epsilon50 parameter",
       "J (default value)",
       "Transition Depth Xr",
       "pu_s",
       "pu_d",
       "y_50",
       "p-multiplier",
       "y-multiplier",
       "Positive-y Sloping Ground Factor",
       "Negative-y Sloping Ground Factor",
       "Sloping Ground Factor",
       "pu_static"},
      "     y, in             p, lb/in", points);
  const std::vector<std::string>& report = run.report;
  for (const std::string& line :
       {at56("Depth below pile head", "     5.00000 ft"), at56("Pile Diameter", "    24.00000 in"),
        at56("Cohesion, c", "   442.85714 psf"), at56("y_50", "     1.15714 in"),
        at56("pu_static", "   355.35714 lb/in")}) {
    EXPECT_TRUE(contains_line(report, line)) << line;
  }
}

// The elastic subgrade curve at 2 m: p = E_k b y, points every b / 8 up to 2 b.
TEST(ExampleRuns, PrintedElasticSubgradeCurveAtTwoMetres) {
  const RunOutputs& run = outputs(kElasticSubgrade);
  ASSERT_EQ(run.code, 0);
  const double b = 0.6, Ek = 20000.0;
  std::vector<std::pair<double, double>> points;
  for (int k = 1; k <= 17; ++k) points.emplace_back((k - 1) * b / 8.0, Ek * b * (k - 1) * b / 8.0);
  check_printed_curve(
      run, 1, "p-y Curve for Elastic Subgrade",
      {"Soil Layer Number", "Depth below pile head", "Depth below ground surface", "Shaft Diameter",
       "Elastic Subgrade Modulus", "p-multiplier", "y-multiplier"},
      "     y, m              p, kN/m", points);
  EXPECT_TRUE(contains_line(run.report, at56("Depth below pile head", "     2.00000 m")));
  EXPECT_TRUE(contains_line(run.report, at56("Elastic Subgrade Modulus", "      20000. kN/m3")));
}

// ---- The elastic pile against the closed form ------------------------------------------------

// A semi-infinite elastic beam on springs of modulus k = E_k b per unit length has
// y = exp(-beta x) (C1 cos(beta x) + C2 sin(beta x)), beta = (k / 4 EI)^(1/4), so at the head
// y = C1, y' = beta (C2 - C1), M = EI y'' = -2 EI beta^2 C2, V = EI y''' = 2 EI beta^3 (C1 + C2).
// The example's pile is 20 m long, beta L = 7.4: the free end changes the head values by about
// 1e-6, far below the finite-difference error checked here.
TEST(ExampleRuns, ElasticPileMatchesTheBeamOnElasticFoundation) {
  const RunOutputs& run = outputs(kElasticSubgrade);
  ASSERT_EQ(run.code, 0);
  const std::vector<std::vector<Node>> nodes = node_records(run.plot);
  const std::vector<HeadValues> heads = head_records(run.plot);
  ASSERT_EQ(nodes.size(), kElasticSubgrade.cases.size());

  const double EI = 25.0e6 * 6361725123.5e-12;  // kPa times m^4 (the input gives mm^4)
  const double k = 20000.0 * 0.6;               // kN/m^3 times the diameter
  const double beta = std::pow(k / (4.0 * EI), 0.25);
  const double h = 20.0 / 200.0;
  // The central differences err by a fraction of (beta h)^2 = 0.14 % (beta h = 0.037): the
  // free-head deflection comes out 0.034 % low, and the free head values of the five cases
  // differ from the closed form by 0.008 % to 0.11 % (the moment under condition 5). The bound
  // is that of the solver's own closed-form test, 0.6 (|r| h)^2 with |r| = sqrt(2) beta, that
  // is 0.16 %, tight enough to catch a soil spring at the head node only 10 % too stiff.
  const double tolerance = 1.2 * (beta * h) * (beta * h);
  EXPECT_NEAR(nodes[0][0].EI, EI, 1e-6 * EI);

  for (std::size_t c = 0; c < nodes.size(); ++c) {
    const HeadLoading& load = kElasticSubgrade.cases[c];
    SCOPED_TRACE("load case " + std::to_string(c + 1));
    const double a = load.first / (2.0 * EI * beta * beta * beta);  // C1 + C2 from the shear
    double C1 = 0.0, C2 = 0.0;
    switch (load.type) {
      case 1:
        C2 = -load.second / (2.0 * EI * beta * beta), C1 = a - C2;
        break;
      case 2:
        C2 = (a + load.second / beta) / 2.0, C1 = a - C2;
        break;
      case 3:  // M = R y'
        C2 = load.second * a / (2.0 * EI * beta + 2.0 * load.second), C1 = a - C2;
        break;
      case 4:
        C1 = load.first, C2 = -load.second / (2.0 * EI * beta * beta);
        break;
      default:
        C1 = load.first, C2 = C1 + load.second / beta;
        break;
    }
    const Node& head = nodes[c][0];
    const double y = C1, S = beta * (C2 - C1), M = -2.0 * EI * beta * beta * C2,
                 V = 2.0 * EI * beta * beta * beta * (C1 + C2);
    // Only the values the condition leaves free (the slope under condition 5 is prescribed; the
    // summary's one-sided slope is not the one the solver imposes).
    if (load.type <= 3) {
      EXPECT_NEAR(head.y, y, tolerance * std::fabs(y)) << "deflection";
    }
    if (load.type == 1 || load.type == 3 || load.type == 4) {
      EXPECT_NEAR(heads[c].S, S, tolerance * std::fabs(S)) << "slope";
    }
    if (load.type == 2 || load.type == 3 || load.type == 5) {
      EXPECT_NEAR(head.M, M, tolerance * std::fabs(M)) << "moment";
    }
    if (load.type >= 4) {
      EXPECT_NEAR(head.V, V, tolerance * std::fabs(V)) << "shear";
    }
  }
}

// ---- Repeated runs and a run without load cases -----------------------------------------------

// One call of LGO on the process-wide model, in `folder`.
RunOutputs call_engine(RunFolder& folder, const std::string& input) {
  folder.write("input.tp7", input);
  folder.write_names();
  const fs::path saved = fs::current_path();
  fs::current_path(folder.path());
  const int code = call_lgo(7001);
  fs::current_path(saved);
  RunOutputs files{code, folder.report(), folder.plot(), folder.messages()};
  // The date and time of the run is the one line allowed to differ.
  std::erase_if(files.report, [](const std::string& line) {
    return line.rfind("               Date:  ", 0) == 0;
  });
  return files;
}

// The model is reset at the start of every run: a second run of an example in the same process,
// even after a run in other units, writes the same files as the first.
TEST(ExampleRuns, RepeatedRunsWriteTheSameFiles) {
  RunFolder folder;
  const RunOutputs us = call_engine(folder, example_text(kSoftClay));
  const RunOutputs si = call_engine(folder, example_text(kElasticSubgrade));
  const RunOutputs us_again = call_engine(folder, example_text(kSoftClay));
  const RunOutputs si_again = call_engine(folder, example_text(kElasticSubgrade));
  ASSERT_EQ(us.code, 0);
  ASSERT_EQ(si.code, 0);
  EXPECT_EQ(us.report.size(), outputs(kSoftClay).report.size() - 1);
  for (const auto& [first, second] : {std::pair{&us, &us_again}, std::pair{&si, &si_again}}) {
    EXPECT_EQ(second->code, 0);
    EXPECT_EQ(second->report, first->report);
    EXPECT_EQ(second->plot, first->plot);
    EXPECT_EQ(second->messages, first->messages);
  }
}

// With no pile-head load case a full analysis still closes with the summary of pile responses,
// the zero pushover and buckling records and the normal end.
TEST(ExampleRuns, NoLoadCasesStillWriteTheSummaryAndTheClosingRecords) {
  std::string input = example_text(kSoftClay);
  const std::size_t from = input.find("LOADING\n");
  const std::size_t to = input.find("DEPTHS OF PRINTED P-Y CURVES");
  ASSERT_NE(from, std::string::npos);
  input.replace(from, to - from, "LOADING\n0\n0\n");
  RunFolder folder;
  ASSERT_EQ(folder.run(input), 0);

  const std::vector<std::string> plot = folder.plot();
  // The elastic pile's table has no thrust value to be computed for.
  ASSERT_EQ(plot.size(), 5u);
  const std::vector<std::pair<std::string, std::string>> records{
      {"4I5", "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F"},
      {"I5", "Line 2 : Total number of sections"},
      {"I5", "Line 3d : Total number of axial thrusts for elastic section"},
      {"3I5", "Line 16: Number pushover steps computed, pushover BC type"},
      {"I5,2E15.7", "Line 18: Number of buckling points computed, Vtop, Mtop"}};
  for (std::size_t k = 0; k < plot.size(); ++k) {
    EXPECT_TRUE(HasPlotLayout(plot[k], records[k].first));
    EXPECT_EQ(parse_plot_record(plot[k]).description, records[k].second);
  }
  EXPECT_EQ(parse_plot_record(plot[2]).values, (std::vector<double>{0}));
  EXPECT_EQ(parse_plot_record(plot[3]).values, (std::vector<double>{0, 0, 0}));
  EXPECT_EQ(parse_plot_record(plot[4]).values, (std::vector<double>{0, 0, 0}));

  const std::vector<std::string> report = folder.report();
  EXPECT_EQ(find_line(report, "                 Computed Values of Pile Loading and Deflection"),
            report.size());
  const std::size_t summary =
      find_line(report, "                           Summary of Pile Response(s)");
  ASSERT_LT(summary + 17, report.size());
  EXPECT_EQ(slice(report, summary + 15, report.size()),
            (std::vector<std::string>{
                "----  ----  --------------  --------------  -------------  -------------  "
                "-------------  -------------  -------------",
                "", "The analysis ended normally. ", ""}));
  const std::vector<std::string> messages = folder.messages();
  EXPECT_TRUE(
      contains_block(messages, {"Completed computing nonlinear bending stiffness of section 1", "",
                                "Completed Analysis of All Pile Loading Cases", "", "",
                                "The analysis ended normally. ", ""}));
}

}  // namespace
}  // namespace torva::testing
