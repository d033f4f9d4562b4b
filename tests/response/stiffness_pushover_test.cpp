// The pile-head stiffness matrix and the pushover analysis through whole runs: the elastic pile
// on an elastic subgrade against the closed form of the semi-infinite beam, the point values of
// the ranges, the soft clay pile against its own load cases, and every way the analyses stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "response/analysis_runs.h"
#include "response/pushover.h"
#include "response/semi_infinite_beam.h"
#include "response/stiffness_matrix.h"

namespace torva::testing {
namespace {

constexpr double kPi = 3.141592653589793;

std::string stiffness_data(int method, int K, int distribution, double y_max = 0.0,
                           double theta_max = 0.0) {
  std::ostringstream text;
  text << "FOUNDATION STIFFNESS\n" << method << "\n" << K << "\n" << distribution << "\n";
  if (method == 2) text << y_max << "\n" << theta_max << "\n";
  return text.str();
}

std::string pushover_data(int fixity, int distribution, const std::vector<double>& values,
                          double Q = 0.0) {
  std::ostringstream text;
  text << "PILE PUSHOVER ANALYSIS DATA\n" << fixity << "\n" << distribution << "\n";
  text << (distribution == 2 ? values.size() : static_cast<std::size_t>(values[0])) << "\n";
  for (std::size_t k = distribution == 2 ? 0 : 1; k < values.size(); ++k) text << values[k] << "\n";
  text << Q << "\n";
  return text.str();
}

// ---- Closed form ------------------------------------------------------------------------------

struct StiffnessCase {
  const char* name;
  int method, distribution;
  double Q;  // axial load of load case 1, lb
};

// The secant stiffness of the linear pile is the same at every point of every range: without
// axial load K22 = 4 EI l^3, K23 = K32 = 2 EI l^2, K33 = 2 EI l with l = (Es / 4 EI)^(1/4); with
// it, the head reactions of the beam-column moved by a unit deflection or rotation.
TEST(PileHeadStiffness, ElasticPileGivesTheTermsOfTheSemiInfiniteBeam) {
  const StiffnessCase cases[] = {
      {"method 0, logarithmic", 0, 0, 0.0},   {"method 0, linear", 0, 1, 0.0},
      {"method 1, logarithmic", 1, 0, 0.0},   {"method 1, linear", 1, 1, 0.0},
      {"method 2, logarithmic", 2, 0, 0.0},   {"method 2, linear", 2, 1, 0.0},
      {"method 2, axial thrust", 2, 1, 2.0e6}, {"method 0, axial thrust", 0, 0, 2.0e6},
  };
  const double l = std::pow(kEs / (4.0 * kEI), 0.25);
  const double h = kLength / 200.0;
  const double wave = std::sqrt(2.0) * l;
  // The bound of the solver's closed-form test, 0.6 (|r| h)^2, widened to (|r| h)^2 for the
  // one-sided head slope that K23 and K33 divide by under a prescribed rotation.
  const double tolerance = (wave * h) * (wave * h);
  for (const StiffnessCase& c : cases) {
    SCOPED_TRACE(c.name);
    double expected[4] = {4.0 * kEI * l * l * l, 2.0 * kEI * l * l, 2.0 * kEI * l * l,
                          2.0 * kEI * l};
    if (c.Q != 0.0) {
      const Beam moved(5, 1.0, 0.0, c.Q, 0.0);
      const Beam rotated(5, 0.0, 1.0, c.Q, 0.0);
      expected[0] = std::fabs(moved.head_shear());
      expected[1] = std::fabs(rotated.head_shear());
      expected[2] = std::fabs(moved.head_moment());
      expected[3] = std::fabs(rotated.head_moment());
      EXPECT_LT(expected[0], 4.0 * kEI * l * l * l);  // the thrust softens the pile
    }
    RunFolder folder;
    ASSERT_EQ(folder.run(beam_input(one_load_case(1, 10000.0, 1.0e6, c.Q),
                                    stiffness_data(c.method, 3, c.distribution, 0.5, 0.005))),
              0);
    const std::vector<PlotRecord> points = records_numbered(folder.plot(), 15);
    ASSERT_EQ(points.size(), 3u);
    for (const PlotRecord& point : points) {
      ASSERT_EQ(point.values.size(), 8u);
      for (int t = 0; t < 4; ++t) {
        EXPECT_NEAR(point.values[2 + t], expected[t], tolerance * expected[t]) << "term " << t;
      }
    }
  }
}

// Pushed without axial load, the linear pile answers in proportion: V(1) = 2 EI l^3 y under a
// free head, with the largest moment e^(-pi/4) sin(pi/4) V / l = 0.3224 V / l at pi / (4 l);
// 4 EI l^3 y under a fixed head, with the largest moment V / (2 l) at the head.
TEST(Pushover, ElasticPileIsAStraightLineThroughTheOrigin) {
  RunFolder folder;
  ASSERT_EQ(folder.run(beam_input(one_load_case(1, 10000.0, 0.0),
                                  pushover_data(2, 1, {5, 0.5, 0.1}))),
            0);
  const std::vector<std::string> plot = folder.plot();
  const std::vector<PlotRecord> counts = records_numbered(plot, 16);
  ASSERT_EQ(counts.size(), 1u);
  EXPECT_EQ(counts[0].values, (std::vector<double>{5, 5, 2}));
  const std::vector<PlotRecord> rows = records_numbered(plot, 17);
  ASSERT_EQ(rows.size(), 10u);

  const double l = std::pow(kEs / (4.0 * kEI), 0.25);
  const double h = kLength / 200.0;
  const double tolerance = 1.2 * (l * h) * (l * h);
  for (int r = 0; r < 10; ++r) {
    SCOPED_TRACE("row " + std::to_string(r + 1));
    const std::vector<double>& v = rows[static_cast<std::size_t>(r)].values;
    ASSERT_EQ(v.size(), 8u);
    const bool free_head = r < 5;
    const double y = 0.1 * (r % 5 + 1);
    EXPECT_EQ(v[0], r + 1);
    EXPECT_EQ(v[1], free_head ? 4 : 5);
    EXPECT_NEAR(v[2], y, 1e-7 * y);
    const double V = (free_head ? 2.0 : 4.0) * kEI * l * l * l * y;
    EXPECT_NEAR(v[3], V, tolerance * V);
    EXPECT_NEAR(v[5], V, tolerance * V);  // the largest shear is the head's
    EXPECT_EQ(v[7], 0.0);
    const double M = free_head ? std::exp(-kPi / 4.0) * std::sin(kPi / 4.0) * V / l : V / (2.0 * l);
    EXPECT_NEAR(v[4], M, tolerance * M);
    EXPECT_NEAR(v[6], free_head ? kPi / (4.0 * l) : 0.0, h / 2.0);
  }
}

// ---- Point values -------------------------------------------------------------------------------

struct PointCase {
  const char* name;
  const char* units;
  int K, distribution;
  double V, M;                   // load case 1
  std::vector<double> expected;  // the shears and moments of the points
};

// Method 0 takes the shear and the moment of load case 1 as its ranges; Line 15 carries the
// shear of each lateral case and the moment of each rotational one, as applied.
TEST(PileHeadStiffness, PointsOfTheRangesAsLine15ShowsThem) {
  const PointCase cases[] = {
      {"K = 4, logarithmic", "Units USCS", 4, 0, 1.0, 1.0,
       {0.25, 0.625, 0.25 + 0.75 * std::log(3.0) / std::log(4.0), 1.0}},
      {"K = 4, linear", "Units USCS", 4, 1, 1.0, 1.0, {0.25, 0.5, 0.75, 1.0}},
      {"K = 1, logarithmic", "Units USCS", 1, 0, 2.0, 3.0, {2.0}},
      {"K = 1, linear", "Units USCS", 1, 1, 2.0, 3.0, {2.0}},
      {"zero shear and moment, US customary", "Units USCS", 1, 1, 0.0, 0.0, {10.0}},
      {"zero shear and moment, general units", "Units GENERAL", 1, 1, 0.0, 0.0,
       {0.04448220133781433}},
  };
  for (const PointCase& c : cases) {
    SCOPED_TRACE(c.name);
    RunFolder folder;
    ASSERT_EQ(folder.run(beam_input(one_load_case(1, c.V, c.M),
                                    stiffness_data(0, c.K, c.distribution), c.units)),
              0);
    const std::vector<PlotRecord> points = records_numbered(folder.plot(), 15);
    ASSERT_EQ(points.size(), c.expected.size());
    for (std::size_t k = 0; k < points.size(); ++k) {
      const double shear = c.expected[k];
      const double moment = c.V == 0.0 ? (c.units == std::string("Units USCS")
                                              ? 1.0
                                              : 0.00011298480239929631)
                                       : c.expected[k] * c.M / c.V;
      EXPECT_NEAR(points[k].values[0], shear, 1e-7 * shear) << "point " << k + 1;
      EXPECT_NEAR(points[k].values[1], moment, 1e-7 * moment) << "point " << k + 1;
    }
  }
}

TEST(Pushover, DeflectionsOfTheDistributions) {
  PushoverControl control;
  control.min_deflection = 0.1;
  control.max_deflection = 0.5;
  for (int distribution : {0, 1}) {
    control.distribution = distribution;
    control.points = 1;
    EXPECT_EQ(pushover_deflection(control, 1), 0.1) << "a single step is y_min";
    control.points = 5;
    EXPECT_EQ(pushover_deflection(control, 1), 0.1);
    EXPECT_DOUBLE_EQ(pushover_deflection(control, 5), 0.5);
  }
  control.distribution = 0;
  EXPECT_DOUBLE_EQ(pushover_deflection(control, 3), 0.1 + 0.4 * std::log(3.0) / std::log(5.0));
  control.distribution = 1;
  EXPECT_DOUBLE_EQ(pushover_deflection(control, 3), 0.3);
  control.distribution = 2;
  control.points = 2;
  control.user_displacements[0] = 0.7;
  control.user_displacements[1] = -0.2;
  EXPECT_EQ(pushover_deflection(control, 2), -0.2);
}

// A zero head deflection under a reaction is an infinite stiffness, printed as such.
TEST(PileHeadStiffness, ZeroDeflectionGivesInfiniteTerms) {
  LoadCaseResult lateral;
  lateral.head_shear = 100.0;
  lateral.head_moment = -50.0;
  LoadCaseResult rotational;
  rotational.head_shear = 3.0;
  rotational.head_moment = 4.0;
  rotational.head_slope = -0.5;
  const StiffnessTerms t = stiffness_terms(lateral, rotational);
  EXPECT_TRUE(std::isinf(t.K22) && t.K22 > 0.0);
  EXPECT_TRUE(std::isinf(t.K32) && t.K32 > 0.0);
  EXPECT_EQ(t.K23, 6.0);
  EXPECT_EQ(t.K33, 8.0);
}

// ---- The soft clay pile ---------------------------------------------------------------------

// Its stiffness cases and pushover steps are ordinary solutions: the last lateral case (the shear
// of load case 1 on a fixed head) is load case 2, the free-head step at 0.5 in load case 3 and
// the fixed-head step at 0.25 in load case 4. The soil softens as the head moves further.
TEST(SoftClayAnalyses, ReproduceTheLoadCasesAndSoften) {
  RunFolder folder;
  ASSERT_EQ(folder.run(read_example("soft_clay_stiffness_pushover.tp7")), 0);
  const std::vector<std::string> plot = folder.plot();
  const std::vector<PlotRecord> summary = records_numbered(plot, 13);
  const std::vector<PlotRecord> points = records_numbered(plot, 15);
  const std::vector<PlotRecord> steps = records_numbered(plot, 17);
  ASSERT_EQ(summary.size(), 4u);
  ASSERT_EQ(points.size(), 5u);
  ASSERT_EQ(steps.size(), 8u);
  const double tolerance = 1e-4;  // the convergence tolerance is 1e-5 in on 0.18 to 0.5 in
  EXPECT_EQ(points[4].values[0], 20000.0);
  EXPECT_NEAR(points[4].values[6], summary[1].values[1], tolerance * summary[1].values[1]);
  EXPECT_NEAR(steps[2].values[3], summary[2].values[0], tolerance * summary[2].values[0]);
  EXPECT_NEAR(steps[5].values[3], summary[3].values[0], tolerance * summary[3].values[0]);
  EXPECT_NEAR(steps[5].values[4], std::fabs(summary[3].values[2]),
              tolerance * std::fabs(summary[3].values[2]));
  for (std::size_t k = 1; k < points.size(); ++k) {
    EXPECT_LT(points[k].values[2], points[k - 1].values[2]) << "K22 of point " << k + 1;
    EXPECT_LT(points[k].values[4], points[k - 1].values[4]) << "K32 of point " << k + 1;
  }
  for (std::size_t k = 1; k < 4; ++k) {
    EXPECT_LT(steps[k].values[3] / steps[k].values[2],
              steps[k - 1].values[3] / steps[k - 1].values[2]);
  }
}

// The analyses add to the files and change nothing before them; their records follow Line 13 in
// the order 14, 15, 16, 17, 18.
TEST(SoftClayAnalyses, LeaveTheLoadCasesAsTheyWere) {
  RunFolder with, without;
  ASSERT_EQ(with.run(read_example("soft_clay_stiffness_pushover.tp7")), 0);
  ASSERT_EQ(without.run(read_example("soft_clay_pile.tp7")), 0);
  const std::vector<std::string> plot = with.plot();
  const std::vector<std::string> plain = without.plot();
  // The zero Line 16 of the plain run gives way to Line 14, five Line 15, Line 16 and eight
  // Line 17 records.
  const std::size_t first = plain.size() - 2;  // where the plain run's Line 16 stands
  ASSERT_EQ(plot.size(), plain.size() - 1 + 1 + 5 + 1 + 8);
  EXPECT_EQ(parse_plot_record(plot[0]).values, (std::vector<double>{3, 1, 0, 1}));
  for (std::size_t k = 1; k < first; ++k) ASSERT_EQ(plot[k], plain[k]) << k;
  std::vector<int> tail;
  for (std::size_t k = first - 1; k < plot.size(); ++k) {
    tail.push_back(parse_plot_record(plot[k]).number());
  }
  EXPECT_EQ(tail, (std::vector<int>{13, 14, 15, 15, 15, 15, 15, 16, 17, 17, 17, 17, 17, 17, 17,
                                    17, 18}));
  EXPECT_TRUE(HasPlotLayout(plot[first], "I5"));
  EXPECT_TRUE(HasPlotLayout(plot[first + 6], "3I5"));
  EXPECT_TRUE(HasPlotLayout(plot[first + 7], "2I5,6E15.7"));
  EXPECT_EQ(plot[first + 1].substr(120), "  Line 15: V, M, K22, K23, K32, K33, ytop, theta");

  // After the input echo (which restates the two inputs' own titles and options) the report is
  // the same up to the summary's end.
  const std::vector<std::string> all = with.report();
  const std::vector<std::string> plain_all = without.report();
  const std::string after_echo =
      "    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness";
  const auto from = [&](const std::vector<std::string>& lines) {
    const auto at = std::find(lines.begin(), lines.end(), after_echo);
    EXPECT_NE(at, lines.end());
    return std::vector<std::string>(at, lines.end());
  };
  const std::vector<std::string> report = from(all);
  const std::vector<std::string> plain_report = from(plain_all);
  std::size_t k = 0;
  for (; k < plain_report.size(); ++k) {
    if (plain_report[k].rfind("The analysis ended normally", 0) == 0) break;
    ASSERT_EQ(report[k], plain_report[k]) << "report line " << k + 1 << " after the echo";
  }
  // The plain run's closing block starts with a blank line; the analyses' section with two.
  EXPECT_EQ(report[k], "");
  EXPECT_EQ(report[k + 1], std::string(80, '-'));
  EXPECT_EQ(report[k + 2], std::string(19, ' ') + "    Computed Pile-head Stiffness Matrix Values   ");
}

// The SI example: the 0.6-m elastic pile in a subgrade of 20000 kN/m^3, EI = 25e6 kPa times
// 6361725123.5 mm^4, stiff alike at each of its four points and pushed in proportion.
TEST(ElasticSubgradeSiAnalyses, GiveTheClosedFormInSiUnits) {
  RunFolder folder;
  ASSERT_EQ(folder.run(read_example("elastic_subgrade_all_analyses_si.tp7")), 0);
  const double EI = 25.0e6 * 6361725123.5e-12;
  const double l = std::pow(20000.0 * 0.6 / (4.0 * EI), 0.25);
  const double wave_h = std::sqrt(2.0) * l * 20.0 / 200.0;
  const double tolerance = wave_h * wave_h;
  const double terms[4] = {4.0 * EI * l * l * l, 2.0 * EI * l * l, 2.0 * EI * l * l, 2.0 * EI * l};
  const std::vector<std::string> plot = folder.plot();
  const std::vector<PlotRecord> points = records_numbered(plot, 15);
  ASSERT_EQ(points.size(), 4u);
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_NEAR(points[k].values[6], 0.0025 * (k + 1), 1e-9) << "linear points to 10 mm";
    for (int t = 0; t < 4; ++t) {
      EXPECT_NEAR(points[k].values[2 + t], terms[t], tolerance * terms[t]) << k << " " << t;
    }
  }
  EXPECT_EQ(records_numbered(plot, 16)[0].values, (std::vector<double>{5, 5, 2}));
  const std::vector<PlotRecord> rows = records_numbered(plot, 17);
  ASSERT_EQ(rows.size(), 11u);  // the ten pushover rows and the buckling summary
  EXPECT_NEAR(rows[9].values[3], terms[0] * 0.01, tolerance * terms[0] * 0.01);
  const std::vector<std::string> report = folder.report();
  EXPECT_TRUE(contains_line(report,
                            "     meters       radians       kN          kN-m         kN/m         "
                            "kN-m/m  "));
  EXPECT_TRUE(contains_line(report, "  Computations Based on Input Maximum Displacements"));
}

// ---- Stops and errors -------------------------------------------------------------------------

std::string soft_clay_with(const std::string& analyses, const std::string& from = "",
                           const std::string& to = "") {
  std::string input = read_example("soft_clay_stiffness_pushover.tp7");
  const std::size_t start = input.find("FOUNDATION STIFFNESS");
  input = input.substr(0, start) + analyses + "END\n";
  if (analyses.find("FOUNDATION") == std::string::npos) {
    input = replaced(input, "ComputeKmatrix YES", "ComputeKmatrix NO");
  }
  if (analyses.find("PUSHOVER") == std::string::npos) {
    input = replaced(input, "ComputePushover YES", "ComputePushover NO");
  }
  return from.empty() ? input : replaced(input, from, to);
}

TEST(PileHeadStiffness, ExcessDeflectionEndsTheAnalysisWithWarning401) {
  RunFolder folder;
  // 10 in on the fixed head reaches the excess-deflection limit of 10 in.
  EXPECT_EQ(folder.run(soft_clay_with(stiffness_data(2, 3, 1, 30.0, 0.05))), -401);
  const std::vector<std::string> report = folder.report();
  EXPECT_TRUE(contains_block(
      report, {"", "", "", "A computational error occurred when computing the pile-head stiffness "
                           "matrix",
               "", "Loading step = 1", "Iteration Count = 11", "Shear Force =         10.000",
               "Moment      =          0.000"}));
  EXPECT_FALSE(contains_line(report, std::string(19, ' ') +
                                         "    Computed Pile-head Stiffness Matrix Values   "));
  EXPECT_TRUE(contains_block(
      report, {"The following warning was reported 1 times", "", "", "**** Warning ****", "",
               "The pile-head stiffness matrix could not be computed for the requested range.",
               "See the pile-head stiffness section of this report for the reason."}));
  const std::vector<PlotRecord> count = records_numbered(folder.plot(), 14);
  ASSERT_EQ(count.size(), 1u);
  EXPECT_EQ(count[0].values, std::vector<double>{0});
  EXPECT_TRUE(records_numbered(folder.plot(), 15).empty());
  EXPECT_EQ(records_numbered(folder.plot(), 16).size(), 1u);
}

// A fixed-head load case 1 has no head rotation to take a range from: its cases would all be the
// unloaded pile.
TEST(PileHeadStiffness, Method1WithoutARotationOfLoadCase1EndsWithWarning401) {
  RunFolder folder;
  EXPECT_EQ(folder.run(beam_input(one_load_case(2, 10000.0, 0.0), stiffness_data(1, 3, 0))),
            -401);
  const std::vector<std::string> messages = folder.messages();
  EXPECT_FALSE(contains_line(messages, "Computing pile response for pile-head stiffness case 1"));
  bool reason = false;
  for (const std::string& line : folder.report()) {
    reason = reason || line.rfind("The pile-head stiffness matrix was not computed: the pile-head "
                                  "rotation computed for Load Case 1",
                                  0) == 0;
  }
  EXPECT_TRUE(reason);
  EXPECT_EQ(records_numbered(folder.plot(), 14)[0].values, std::vector<double>{0});
}

// A warning of the load cases is still counted and summarised after the analyses.
TEST(PileHeadStiffness, LoadCaseWarningIsStillSummarised) {
  RunFolder folder;
  // 1500 psf is above the soft clay's 1250 psf.
  const std::string input =
      soft_clay_with(stiffness_data(0, 2, 1), "50.0 1000.0 0.01", "50.0 1500.0 0.01");
  EXPECT_EQ(folder.run(input), -3041);
  EXPECT_TRUE(contains_line(folder.report(), "  Computations Based on Loads Defined in Load Case 1"));
}

TEST(PileHeadStiffness, IterationLimitIsRuntimeError45AndEndsTheRun) {
  RunFolder folder;
  const std::string input =
      soft_clay_with(stiffness_data(2, 1, 1, 50.0, 0.05) + pushover_data(0, 1, {2, 0.5, 0.1}),
                     "MaxIterations 100", "MaxIterations 30");
  EXPECT_EQ(folder.run(replaced(input, "DeflectionLimit 10.0", "DeflectionLimit 100.0")), 245);
  const std::vector<std::string> report = folder.report();
  EXPECT_TRUE(contains_block(
      report,
      {"Loading step = 1", "Iteration Count = 30",
       "The analysis has reached the iterations limit. Please increase the maximum iterations "
       "allowed and repeat the analysis.",
       "", "", "Torva ended prematurely due to runtime error number RUN00045"}));
  EXPECT_TRUE(contains_line(folder.messages(), "The analysis ended due to runtime error No. 45."));
  const std::vector<std::string> plot = folder.plot();
  EXPECT_TRUE(records_numbered(plot, 14).empty());
  EXPECT_TRUE(records_numbered(plot, 16).empty()) << "no pushover after the error";
  EXPECT_FALSE(contains_line(folder.messages(), "Computing pile response for pushover case 1"));
}

// Steps of 3 to 30 in: the fourth, 12 in, passes the excess-deflection limit of 10 in.
TEST(Pushover, FailedStepEndsTheAnalysisWithTheStepsBeforeIt) {
  RunFolder folder;
  EXPECT_EQ(folder.run(soft_clay_with(pushover_data(0, 1, {10, 30.0, 3.0}))), 0);
  const std::vector<std::string> report = folder.report();
  EXPECT_TRUE(contains_block(report, {"", "", "", "Error in computing pile pushover analysis",
                                      "i_Pushover_Analysis = 4", "Iteration Count = 11",
                                      "Shear Force =         12.000",
                                      "Moment      =          0.000"}));
  const std::vector<std::string> plot = folder.plot();
  EXPECT_EQ(records_numbered(plot, 16)[0].values, (std::vector<double>{3, 0, 0}));
  const std::vector<PlotRecord> rows = records_numbered(plot, 17);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2].values[2], 9.0);
  int table_rows = 0;
  for (const std::string& line : report) {
    table_rows += line.find("         Free-head  ") == 7 ? 1 : 0;
  }
  EXPECT_EQ(table_rows, 3);
}

// Fixity 2 solves the free-head steps, then the same deflections on a fixed head, numbered on.
TEST(Pushover, FreeAndFixedHeadRowsAndTheReportOfUserDeflections) {
  RunFolder folder;
  ASSERT_EQ(folder.run(soft_clay_with(pushover_data(2, 2, {0.5, 0.2, 0.3}, 1000.0))), 0);
  const std::vector<std::string> report = folder.report();
  auto at56 = [](std::string label, const std::string& rest) {
    label.resize(55, ' ');
    return label + "= " + rest;
  };
  EXPECT_TRUE(contains_block(
      report, {"Computation Methods Used for Push-over Analyses:",
               " - Computations Use Free-head and Fixed-head Conditions", "",
               " - Computations use user-defined pile-head deflections", "",
               at56("Number of push-over steps", "           3"),
               at56("Minimum pushover deflection", "     0.20000 in"),
               at56("Maximum pushover deflection", "     0.50000 in"),
               at56("Axial thrust force for pushover analysis", "  1000.00000 lbs")}));
  std::vector<std::string> fixity;
  for (const std::string& line : report) {
    if (line.size() > 27 && (line.substr(7, 20) == "         Free-head  " ||
                             line.substr(7, 20) == "         Fixed-head ")) {
      fixity.push_back(line.substr(0, 27));
    }
  }
  EXPECT_EQ(fixity, (std::vector<std::string>{
                        "      1         Free-head  ", "      2         Free-head  ",
                        "      3         Free-head  ", "      4         Fixed-head ",
                        "      5         Fixed-head ", "      6         Fixed-head "}));
  const std::vector<PlotRecord> rows = records_numbered(folder.plot(), 17);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[3].values[2], 0.5);
  EXPECT_EQ(rows[5].values[1], 5.0);
}

// A solution that is not a number ends each analysis with runtime error 28 in its own words.
// Finite input cannot make one, so the model of a finished run of the beam is given a bending
// stiffness that is not a number and the analysis is run again on newly opened files.
class AuxiliaryNotANumber : public ::testing::Test {
 protected:
  void run_beam(const std::string& analyses) {
    ASSERT_EQ(folder_.run(beam_input("", analyses)), 0);
    Engine& engine = folder_.engine();
    for (SectionPoint& point : engine.sections.points) point.modulus = std::nan("");
    engine.run.report.open(folder_.file("report.txt").string());
    engine.run.plot.open(folder_.file("plot.txt").string());
    engine.run.message.open(folder_.file("messages.txt").string());
  }
  std::vector<std::string> ended() {
    Engine& engine = folder_.engine();
    EXPECT_EQ(engine.run.ErrorNumber, 228);
    engine.run.report.close();
    engine.run.plot.close();
    engine.run.message.close();
    return folder_.report();
  }
  RunFolder folder_;
};

TEST_F(AuxiliaryNotANumber, StiffnessAnalysis) {
  run_beam(stiffness_data(2, 2, 1, 0.5, 0.01));
  Engine& engine = folder_.engine();
  EXPECT_THROW(compute_pile_head_stiffness(engine, stiffness_reference_loading(engine)),
               RunStopped);
  const std::vector<std::string> report = ended();
  EXPECT_TRUE(contains_block(
      report, {"**** Runtime Error No. 28 ****",
               "Either top deflection or maximum change in deflection is not a number ",
               "after iteration 1 in the pile-head stiffness computation."}));
  EXPECT_TRUE(records_numbered(folder_.plot(), 14).empty());
}

TEST_F(AuxiliaryNotANumber, Pushover) {
  run_beam(pushover_data(1, 1, {3, 0.5, 0.1}));
  EXPECT_THROW(run_pushover_analysis(folder_.engine()), RunStopped);
  const std::vector<std::string> report = ended();
  EXPECT_TRUE(contains_line(report, std::string(26, ' ') + "Results of Push-over Analysis"));
  EXPECT_TRUE(contains_block(report, {"**** Runtime Error No. 28 ****",
                                      "Either top deflection or maximum change in deflection is "
                                      "not a number after iteration 1 for pushover analysis"}));
  EXPECT_EQ(records_numbered(folder_.plot(), 16)[0].values, (std::vector<double>{0, 0, 1}));
}

// ---- Input errors 84 and 85 ---------------------------------------------------------------------

TEST(AnalysisControlData, OutOfRangeValuesAreInputErrors84And85) {
  struct Bad {
    const char* name;
    std::string loading, analyses;
    int code;
  };
  const std::string loads = one_load_case(1, 10000.0, 0.0);
  const Bad cases[] = {
      {"no points", loads, stiffness_data(0, 0, 0), 184},
      {"51 points", loads, stiffness_data(0, 51, 0), 184},
      {"method 3", loads, stiffness_data(3, 2, 0), 184},
      {"spacing 2", loads, stiffness_data(0, 2, 2), 184},
      {"method 2, zero displacement", loads, stiffness_data(2, 2, 0, 0.0, 0.01), 184},
      {"method 2, zero rotation", loads, stiffness_data(2, 2, 0, 0.5, 0.0), 184},
      {"method 0, no load case", "LOADING\n0\n0\n", stiffness_data(0, 2, 0), 184},
      {"method 1, no load case", "", stiffness_data(1, 2, 0), 184},
      {"pushover fixity 3", loads, pushover_data(3, 1, {2, 0.5, 0.1}), 185},
      {"pushover distribution 3", loads, pushover_data(0, 3, {2, 0.5, 0.1}), 185},
      {"no pushover points", loads, pushover_data(0, 1, {0, 0.5, 0.1}), 185},
      {"101 pushover points", loads, pushover_data(0, 1, {101, 0.5, 0.1}), 185},
  };
  for (const Bad& c : cases) {
    SCOPED_TRACE(c.name);
    RunFolder folder;
    EXPECT_EQ(folder.run(beam_input(c.loading, c.analyses)), c.code);
    const std::string banner = c.code == 184 ? "**** Input Data Error No. 84 ****"
                                             : "**** Input Data Error No. 85 ****";
    EXPECT_TRUE(contains_line(folder.report(), banner));
  }
  RunFolder accepted;
  EXPECT_EQ(accepted.run(beam_input("", stiffness_data(2, 50, 0, 0.5, 0.01))), 0)
      << "method 2 needs no load case; 50 points are allowed";
}

}  // namespace
}  // namespace torva::testing
