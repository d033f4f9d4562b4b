// The buckling analysis and the pile-length sweep through whole runs: the elastic pile on an
// elastic subgrade against the beam-column and the finite beam on an elastic foundation, the
// thrusts and lengths of the trials, the hyperbolic fit, and the state the sweeps leave.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "response/analysis_runs.h"
#include "response/buckling.h"
#include "response/length_sweep.h"
#include "response/semi_infinite_beam.h"

namespace torva::testing {
namespace {

std::string buckling_data(int fixity, int T, double V, double second, double Q_max) {
  std::ostringstream text;
  text.precision(17);
  text << "PILE BUCKLING ANALYSIS DATA\n" << fixity << "\n" << T << "\n" << V << "\n";
  text << (fixity == 0 ? second : 0.0) << "\n" << (fixity == 1 ? second : 0.0) << "\n"
       << (fixity == 2 ? second : 0.0) << "\n" << Q_max << "\n";
  return text.str();
}

// The critical load of the free-headed semi-infinite beam-column, sqrt(k EI).
const double kCritical = std::sqrt(kEs * kEI);
const double kH = kLength / 200.0;
// The bound of the solver's closed-form test, 0.6 (|r| h)^2 with |r| = sqrt(2) l.
const double kBound = 0.6 * 2.0 * std::sqrt(kEs / (4.0 * kEI)) * kH * kH;

double report_number(const std::vector<std::string>& report, const std::string& label) {
  for (const std::string& line : report) {
    if (line.rfind(label, 0) == 0 && line.size() > 57) return std::stod(line.substr(57));
  }
  ADD_FAILURE() << "no line " << label;
  return 0.0;
}

// ---- Buckling ---------------------------------------------------------------------------------

// Under a head shear and no moment every trial is the beam-column of its thrust, and the
// hyperbola through ten trials up to 0.8 sqrt(k EI) finds the critical load sqrt(k EI).
TEST(Buckling, ElasticPileFindsTheCriticalLoadOfTheBeamColumn) {
  RunFolder folder;
  ASSERT_EQ(folder.run(beam_input(one_load_case(1, 10000.0, 0.0),
                                  buckling_data(0, 10, 10000.0, 0.0, 0.8 * kCritical))),
            0);
  const std::vector<std::string> plot = folder.plot();
  const std::vector<PlotRecord> points = records_numbered(plot, 18);
  ASSERT_EQ(points.size(), 10u);
  for (std::size_t m = 0; m < points.size(); ++m) {
    const double Q = m * 0.8 * kCritical / 9.0;
    EXPECT_NEAR(points[m].values[0], Q, 1e-6 * kCritical);
    const double y = Beam(1, 10000.0, 0.0, Q, 0.0).deflection();
    // The thrust magnifies the error of the differences with the deflection: 1 / (1 - Q / Qcr).
    EXPECT_NEAR(points[m].values[1], y, kBound * y / (1.0 - Q / kCritical)) << "trial " << m + 1;
  }
  const std::vector<PlotRecord> summary = records_numbered(plot, 17);
  ASSERT_EQ(summary.size(), 1u);
  EXPECT_EQ(summary[0].values[0], 10);
  EXPECT_NEAR(summary[0].values[1], kCritical, 0.03 * kCritical);
  const std::vector<std::string> report = folder.report();
  EXPECT_GT(report_number(report, "R Squared"), 0.999);
  EXPECT_NEAR(report_number(report, "Pile buckling capacity estimated from curve"),
              summary[0].values[1], 1.0);
}

// A fixed head doubles the critical load; the fit over-estimates it, as its note says.
TEST(Buckling, FixedHeadCapacityLiesAboveTwiceTheFreeHeadLoad) {
  RunFolder folder;
  ASSERT_EQ(folder.run(beam_input(one_load_case(1, 10000.0, 0.0),
                                  buckling_data(1, 10, 10000.0, 0.0, 0.8 * 2.0 * kCritical))),
            0);
  const std::vector<PlotRecord> summary = records_numbered(folder.plot(), 17);
  ASSERT_EQ(summary.size(), 1u);
  EXPECT_GT(summary[0].values[1], 2.0 * kCritical);
  EXPECT_LT(summary[0].values[1], 1.3 * 2.0 * kCritical);
  EXPECT_TRUE(contains_line(folder.report(),
                            "Pile-head Condition 1, Shear Force and Pile-head Slope"));
}

struct SweepCase {
  const char* name;
  int T;
  double V, Q_max;
  int rows, points;  // table rows (successful trials) and reported points
};

// Past the critical load the head deflects the other way: those trials are tabled but not
// fitted. Two trials give a table and no fit; a head shear that moves the head past the
// excess-deflection limit gives no successful trial.
TEST(Buckling, TrialsTabledFittedAndReported) {
  const SweepCase cases[] = {
      {"five trials to 1000 lb", 5, 10000.0, 1000.0, 5, 5},
      {"past the critical load", 10, 10000.0, 1.7 * kCritical, 10, 6},
      {"two trials", 2, 10000.0, 1000.0, 2, 2},
      {"no successful trial", 3, 1.0e6, 1000.0, 0, 0},
  };
  for (const SweepCase& c : cases) {
    SCOPED_TRACE(c.name);
    RunFolder folder;
    ASSERT_EQ(folder.run(beam_input(one_load_case(1, 10000.0, 0.0),
                                    buckling_data(0, c.T, c.V, 0.0, c.Q_max))),
              0);
    const std::vector<std::string> report = folder.report();
    int rows = 0;
    bool table = false;
    for (const std::string& line : report) {
      if (line == "------------   ------------   ------------   ------------   ------------") {
        table = true;
      } else if (table && line.empty()) {
        table = false;
      } else if (table) {
        ++rows;
      }
    }
    EXPECT_EQ(rows, c.rows);
    const std::vector<std::string> plot = folder.plot();
    const std::vector<PlotRecord> points = records_numbered(plot, 18);
    if (c.rows == 0) {
      EXPECT_TRUE(contains_block(report, {"No computations for pile buckling were successful.",
                                          "Results of last two iterations:"}));
      EXPECT_TRUE(points.empty());
      const PlotRecord last = parse_plot_record(plot.back());
      EXPECT_EQ(last.values, std::vector<double>{0});
      EXPECT_EQ(last.description,
                "Line 11: Num. points on Ytop vs. pile length curve for load case 0");
      continue;
    }
    ASSERT_EQ(points.size(), static_cast<std::size_t>(c.points));
    const std::vector<PlotRecord> summary = records_numbered(plot, 17);
    ASSERT_EQ(summary.size(), 1u);
    EXPECT_EQ(summary[0].values[0], c.points);
    if (c.T == 5) {
      for (int m = 0; m < 5; ++m) EXPECT_EQ(points[static_cast<std::size_t>(m)].values[0], 250.0 * m);
    }
    for (const PlotRecord& point : points) EXPECT_GT(point.values[1], 0.0);
    if (c.T == 2) {
      EXPECT_EQ(summary[0].values, (std::vector<double>{2, 0, 0, 0}));
      std::string label = "Pile buckling capacity estimated from curve";
      label.resize(55, ' ');
      std::string r_squared = "R Squared";
      r_squared.resize(55, ' ');
      EXPECT_TRUE(contains_block(
          report, {"", "Hyperbolic Fit of Pile Buckling Behavior: Thrust Force = [y - y(1)]/(b + "
                       "a[y - y(1)]",
                   "", label + "=       0.0000 lbs"}));
      EXPECT_TRUE(contains_block(
          report, {r_squared + "=       0.0000",
                   "Note: The axial buckling capacity is a function of pile-head loading, "
                   "pile-head "}));
    }
  }
}

// The fit of an exact hyperbola Q = X / (b + a X) recovers a, b and R^2 = 1, and stops before
// the first deflection of the other sign.
TEST(Buckling, FitOfAnExactHyperbola) {
  const double a = 2.0e-6, b = 5.0e-7, y1 = 0.3;
  std::vector<double> thrust = {0.0}, deflection = {y1};
  for (double Q : {1.0e5, 2.0e5, 3.0e5, 4.0e5}) {
    thrust.push_back(Q);
    deflection.push_back(y1 + b * Q / (1.0 - a * Q));
  }
  thrust.push_back(6.0e5);
  deflection.push_back(-0.5);
  const BucklingFit fit = fit_buckling_hyperbola(thrust, deflection);
  EXPECT_EQ(fit.points, 5);
  EXPECT_NEAR(fit.a, a, 1e-9 * a);
  EXPECT_NEAR(fit.b, b, 1e-9 * b);
  EXPECT_NEAR(fit.capacity, 1.0 / a, 1e-6 / a);
  EXPECT_NEAR(fit.r_squared, 1.0, 1e-12);

  const std::vector<double> same = {y1, y1 + 0.1, y1 + 0.1, y1 + 0.1};
  const BucklingFit flat = fit_buckling_hyperbola(std::vector<double>{0, 1, 2, 3}, same);
  EXPECT_EQ(flat.points, 4);
  EXPECT_EQ(flat.a, 0.0);
  EXPECT_EQ(flat.capacity, 0.0);
  EXPECT_EQ(flat.r_squared, 0.0);
}

// ---- Pile length -------------------------------------------------------------------------------

// The head deflection of a free-ended beam of length L on an elastic foundation under a head
// shear H: y = (2 H l / k) (sinh lL cosh lL - sin lL cos lL) / (sinh^2 lL - sin^2 lL).
double finite_beam_deflection(double H, double L) {
  const double l = std::pow(kEs / (4.0 * kEI), 0.25);
  const double u = l * L;
  return 2.0 * H * l / kEs * (std::sinh(u) * std::cosh(u) - std::sin(u) * std::cos(u)) /
         (std::sinh(u) * std::sinh(u) - std::sin(u) * std::sin(u));
}

TEST(LengthSweep, TrialFractionsInSinglePrecision) {
  EXPECT_EQ(length_fraction(1), 1.0);
  EXPECT_EQ(length_fraction(20), 0.050000011920928955);
}

// With the ground at the pile head the sweep runs 20 trials down to 5 percent of the length,
// each the finite beam of its length: from the long pile's 2 H l / k to the rigid 4 H / (k L).
TEST(LengthSweep, ElasticPileIsTheFiniteBeamOfEachLength) {
  RunFolder folder;
  ASSERT_EQ(folder.run(beam_input(one_load_case(1, 10000.0, 0.0, 0.0, true), "")), 0);
  const std::vector<std::string> plot = folder.plot();
  const std::vector<PlotRecord> count = records_numbered(plot, 11);
  ASSERT_EQ(count.size(), 1u);
  EXPECT_EQ(count[0].values, (std::vector<double>{20}));
  EXPECT_EQ(count[0].description,
            "Line 11: Num. points on Ytop vs. pile length curve for load case 1");
  const std::vector<PlotRecord> trials = records_numbered(plot, 12);
  ASSERT_EQ(trials.size(), 20u);
  for (std::size_t j = 0; j < trials.size(); ++j) {
    const double L = length_fraction(static_cast<int>(j) + 1) * kLength;
    EXPECT_NEAR(trials[j].values[0], L, 1e-6 * L);
    const double y = finite_beam_deflection(10000.0, L);
    EXPECT_NEAR(trials[j].values[1], y, kBound * y) << "trial " << j + 1;
  }
  EXPECT_NEAR(trials[19].values[0], 0.050000011920928955 * kLength, 1e-5);  // E15.7
  EXPECT_NEAR(trials[19].values[1], 4.0 * 10000.0 / (kEs * trials[19].values[0]),
              0.02 * trials[19].values[1]);
  EXPECT_TRUE(contains_line(folder.messages(),
                            "Computing top deflection vs. pile embedment length for load case 1."));
  EXPECT_TRUE(contains_line(folder.messages(),
                            "Computing lateral response of pile for load case number 1, trial "
                            "length 20"));
}

// Ground 22.5 ft below the head: the shortest trial must still reach 5 percent of the length
// (5 ft) into the ground, so 15 trials run, down to 30 ft.
TEST(LengthSweep, LowerGroundStopsTheSweepSooner) {
  RunFolder folder;
  ASSERT_EQ(folder.run(beam_input(one_load_case(1, 100.0, 0.0, 0.0, true), "", "Units USCS",
                                  "22.5")),
            0);
  const std::vector<PlotRecord> trials = records_numbered(folder.plot(), 12);
  ASSERT_EQ(trials.size(), 15u);
  EXPECT_NEAR(trials.back().values[0], 360.0, 1e-4);
}

TEST(LengthSweep, NoSuccessfulTrialStillWritesLine11) {
  RunFolder folder;
  // 1e6 lb moves the head about 25 in, past the excess-deflection limit of 10 in.
  ASSERT_EQ(folder.run(beam_input(one_load_case(1, 1.0e6, 0.0, 0.0, true), "")), 0);
  EXPECT_EQ(records_numbered(folder.plot(), 11)[0].values, std::vector<double>{0});
  EXPECT_TRUE(records_numbered(folder.plot(), 12).empty());
  EXPECT_TRUE(contains_block(
      folder.report(),
      {"No computations for top deflection vs. pile length were successful for this load case.",
       "Results of last two iterations:"}));
}

// The soft clay example sweeps load case 1: at 12 ft the head passes the excess-deflection limit
// and the sweep ends with the 16 trials before it.
TEST(LengthSweep, ExcessDeflectionEndsTheSweep) {
  RunFolder folder;
  ASSERT_EQ(folder.run(read_example("soft_clay_buckling_length.tp7")), 0);
  const std::vector<PlotRecord> trials = records_numbered(folder.plot(), 12);
  ASSERT_EQ(trials.size(), 16u);
  EXPECT_NEAR(trials.back().values[0], 180.0, 1e-4);
  const std::vector<std::string> messages = folder.messages();
  EXPECT_TRUE(contains_line(
      messages, "Computing lateral response of pile for load case number 1, trial length 17"));
  EXPECT_FALSE(contains_line(
      messages, "Computing lateral response of pile for load case number 1, trial length 18"));
  EXPECT_TRUE(contains_block(folder.report(),
                             {"Boundary Condition Type 1, Shear and Moment",
                              "Shear      =          20000. lbs",
                              "Moment     =              0. in-lb",
                              "Axial Load =              0. lbs"}));
}

// A swept last load case leaves nothing behind: the analyses after it and the cases after it
// see the full pile and the options as given.
TEST(LengthSweep, LeavesThePileAndTheOptionsAsTheyWere) {
  std::string base = read_example("soft_clay_stiffness_pushover.tp7");
  base = replaced(base, "ComputePileBuckling NO", "ComputePileBuckling YES");
  base = replaced(base, "END\n", buckling_data(0, 5, 20000.0, 0.0, 1.0e6) + "END\n");
  const std::string swept = replaced(base, "4 5 0.25 0.0 0.0 1", "4 5 0.25 0.0 0.0 0");
  RunFolder with, without;
  ASSERT_EQ(with.run(swept), 0);
  ASSERT_EQ(without.run(base), 0);
  const auto after_load_cases = [](const std::vector<std::string>& plot) {
    std::vector<std::string> tail;
    for (const std::string& line : plot) {
      if (parse_plot_record(line).number() >= 13) tail.push_back(line);
    }
    return tail;
  };
  const std::vector<std::string> tail = after_load_cases(with.plot());
  // Four Line 13, Line 14 and five Line 15, Line 16 and eight Line 17, the buckling Line 17
  // and five Line 18.
  EXPECT_EQ(tail.size(), 4u + 1 + 5 + 1 + 8 + 1 + 5);
  EXPECT_EQ(tail, after_load_cases(without.plot()));

  // Summary only: load case 2 after a swept load case 1 still prints no section of its own.
  std::string summary_only = replaced(base, "PrintSummaryOnly NO", "PrintSummaryOnly YES");
  summary_only = replaced(summary_only, "1 1 20000.0 0.0 0.0 1", "1 1 20000.0 0.0 0.0 0");
  RunFolder brief;
  ASSERT_EQ(brief.run(summary_only), 0);
  const std::vector<std::string> report = brief.report();
  EXPECT_TRUE(contains_line(report, std::string(12, ' ') +
                                        "Pile-head Deflection vs. Pile Length for Load Case 1"));
  EXPECT_FALSE(contains_line(report, "Output Summary for Load Case No. 2:"));
}

// ---- Input error 86 -----------------------------------------------------------------------------

TEST(AnalysisControlData, OutOfRangeBucklingDataIsInputError86) {
  const struct {
    const char* name;
    std::string data;
  } cases[] = {
      {"one trial", buckling_data(0, 1, 100.0, 0.0, 1000.0)},
      {"101 trials", buckling_data(0, 101, 100.0, 0.0, 1000.0)},
      {"fixity 3", buckling_data(3, 5, 100.0, 0.0, 1000.0)},
      {"no compression", buckling_data(0, 5, 100.0, 0.0, 0.0)},
      {"tension", buckling_data(0, 5, 100.0, 0.0, -1000.0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RunFolder folder;
    EXPECT_EQ(folder.run(beam_input(one_load_case(1, 100.0, 0.0), c.data)), 186);
    EXPECT_TRUE(contains_line(folder.report(), "**** Input Data Error No. 86 ****"));
  }
}

}  // namespace
}  // namespace torva::testing
