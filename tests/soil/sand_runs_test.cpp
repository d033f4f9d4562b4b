// Whole runs of the sand examples: the printed p-y curves at the requested depths checked line
// by line against the published curves (sand_formulas.h), their plot records, the errors and
// warnings that real inputs cause, and the convergence of the pile-head deflection as the
// increments rise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "soil/reese_sand_report.h"
#include "soil/sand_formulas.h"
#include "support/report_lines.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

using namespace sand;

// ---- "Sand" --------------------------------------------------------------------------------

TEST(SandRuns, ReeseSandCurvesAtRequestedDepths) {
  RunFolder folder;
  ASSERT_EQ(folder.run(example("sand_reese.tp7")), 0);
  const std::vector<std::string> report = folder.report();
  const std::vector<std::string> plot = folder.plot();
  const std::string title =
      "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions";

  // Curve 3 at 20 ft, in the submerged sand of layer 2 (phi 38 deg, k 60 pci) below 10 ft of
  // sand at 115 pcf: 88.8 pcf on average. Its wedge starts at the equivalent depth printed.
  const std::size_t at = find_line(report, title, 3);
  const double z_e = 12.0 * printed_value(report[at + 5]);
  EXPECT_GT(z_e, 120.0);
  EXPECT_LT(z_e, 240.0);
  const ReeseSand s{38.0, 88.8 / 1728.0, 24.0, 60.0, z_e, 240.0};
  // Deep in the tables (z_e / b > 6): A = 0.88 and B = 0.5. The curve is tri-linear,
  // b/60 < y_k < 3b/80: from y_k straight to y_u, some points cut by the initial line k z y.
  EXPECT_NEAR(s.A(), 0.88, 1e-7);
  EXPECT_NEAR(s.B(), 0.5, 1e-7);
  EXPECT_GT(s.y_k(), 0.4);
  EXPECT_LT(s.y_k(), 0.9);
  const std::vector<Expected> block = reese_block(s, title, 2, 20.0);
  expect_lines(report, at, block);
  EXPECT_TRUE(expect_reese_rows(report, at + block.size(), s, false));
  expect_plot_points(plot, "sand", 3, rows_at(report, at + block.size(), 17));

  // Curve 1 at 2 ft in the dry sand, k from the default table: the normal shape, with the
  // points y_k, ten steps to b/60, 13b/480 and y_u.
  const ReeseSand dry{
      34.0, 115.0 / 1728.0, 24.0, 1.2098290369522147e-07 * std::pow(34.0, 5.694468), 24.0, 24.0};
  EXPECT_LT(dry.y_k(), dry.y_m());
  const std::size_t top = find_line(report, title, 1);
  const std::vector<Expected> top_block = reese_block(dry, title, 1, 2.0);
  expect_lines(report, top, top_block);
  expect_reese_rows(report, top + top_block.size(), dry, true);
  EXPECT_EQ(plot[find_line(plot, "    3" + std::string(75, ' ') +
                                     "Line 6 : number of output p-y curves") +
                 1]
                .substr(0, 20),
            "  0.2400000E+02   17");
}

// ---- "API Sand" ----------------------------------------------------------------------------

TEST(SandRuns, ApiSandCurvesAtRequestedDepths) {
  for (const bool cyclic : {false, true}) {
    RunFolder folder;
    std::string input = example("api_sand.tp7");
    if (cyclic) input = replaced(input, "Loading STATIC     0", "Loading CYCLIC   100");
    ASSERT_EQ(folder.run(input), 0);
    const std::vector<std::string> report = folder.report();
    const std::string title = std::string("p-y Curve Computed Using API Sand Criteria for ") +
                              (cyclic ? "Cyclic Loading" : "Static Loading");

    // Curve 2 at 10 ft: phi 32 + 6 (10 / 90) degrees, 62.4 pcf, default k.
    const double phi = 32.0 + 6.0 * 120.0 / 1080.0;
    const double k = 1.2098290369522147e-07 * std::pow(phi, 5.694468);
    const ApiSand s{phi, 62.4 / 1728.0, 36.0, k, 120.0, cyclic};
    const ApiCoefficients c = api_coefficients(phi);
    const Wedge w = api_resistance(phi, s.gamma, 36.0, 120.0);
    const std::size_t at = find_line(report, title, 2);
    std::vector<Expected> block = {literal(title),
                                   literal(""),
                                   literal("Soil Layer Number                                    "
                                           "  =            1"),
                                   value("Depth below pile head", 10.0, "ft"),
                                   value("Depth below ground surface", 10.0, "ft"),
                                   value("Equivalent Depth (see note)", 10.0, "ft")};
    append(block, slope_lines());
    append(block,
           {value("Diameter", 36.0, "in"), value("Friction Angle phi", phi, "deg."),
            value("Avg. Eff. Unit Weight", s.gamma, "pci"), value("A", 0.9), value("k", k, "pci"),
            value("C1", c.C1), value("C2", c.C2), value("C3", c.C3), value("Pus", w.p_st, "lb/in"),
            value("Pud", w.p_sd, "lb/in"), value("Pu", s.p_u(), "lb/in"),
            value("p-multiplier", 1.0), value("y-multiplier", 1.0), literal(""),
            literal("This p-y curve is computed using the equivalent depth."), literal(""),
            literal("    y, inches           p, lb/inch   "), literal(kDashes)});
    expect_lines(report, at, block);
    // The argument of tanh runs from 0 to pi in 16 steps.
    const double Apu = s.A() * s.p_u();
    const std::vector<Row> rows = rows_at(report, at + block.size(), 17);
    for (int j = 0; j < 17; ++j) {
      expect_row(rows[j], j * Apu * (kPi / 16.0) / (k * 120.0), Apu * std::tanh(j * kPi / 16.0),
                 "row " + std::to_string(j + 1));
    }
    expect_lines(
        report, at + block.size() + 17,
        {literal(""), literal("The above p-y curve was computed using the internal default value "
                              "of k.")});
    expect_plot_points(folder.plot(), "API sand", 2, rows);

    // Curve 1 at the mudline: no resistance, points 0.05 in apart; A = 3 under static loading.
    const std::size_t mudline = find_line(report, title, 1);
    EXPECT_NEAR(printed_value(report[mudline + 12]), cyclic ? 0.9 : 3.0, 1e-12);
    const std::vector<Row> flat = rows_at(report, mudline + block.size(), 17);
    for (int j = 0; j < 17; ++j) expect_row(flat[j], 0.05 * j, 0.0, "mudline");
  }
}

TEST(SandRuns, ApiSandPileHeadDeflectionConvergesAsTheIncrementsRise) {
  // A 36-in pile, 80 ft long, under 50 kips and 200 ft-kips: the finite-difference error falls
  // about fourfold for each halving of the increment.
  std::vector<double> deflections;
  for (const int increments : {100, 200, 400}) {
    RunFolder folder;
    const std::string input = replaced(example("api_sand.tp7"), "Increments 100",
                                       "Increments " + std::to_string(increments));
    ASSERT_EQ(folder.run(input), 0) << increments;
    deflections.push_back(folder.engine().results.cases[1].head_deflection);
  }
  const double first_change = std::fabs(deflections[1] - deflections[0]);
  const double second_change = std::fabs(deflections[2] - deflections[1]);
  EXPECT_GT(first_change, 3.0 * second_change);
  EXPECT_LT(first_change, 5.0 * second_change);
  EXPECT_LT(first_change, 2e-3 * deflections[2]);
  EXPECT_GT(deflections[2], 0.0);
}

// ---- "Liq Sand" ----------------------------------------------------------------------------

TEST(SandRuns, LiquefiedSandCurvesAtRequestedDepths) {
  RunFolder folder;
  ASSERT_EQ(folder.run(example("liquefied_sand_si.tp7")), 0);
  const std::vector<std::string> report = folder.report();
  const std::string title = "p-y Curve Computed Using Liquefied Sand Criteria";

  // Curve 2 at 4 m in layer 1 beside the 0.6-m pile: the curve reaches its limit 15 P_d.
  for (const int curve : {1, 2}) {
    const double z = curve == 1 ? 1.0 : 4.0;
    const LiquefiedSand s{z, 0.6};
    const std::size_t at = find_line(report, title, curve);
    const std::vector<Expected> block = {
        literal(title),
        literal(""),
        value("Depth below pile head", z, "m"),
        value("Depth below ground surface", z, "m"),
        value("Normalized depth below ground surface in meters*", z),
        value("Pile Diameter", 0.6, "m"),
        value("Pile Diameter in meters", 0.6),
        value("Avg. Eff. Unit Weight", 8.5, "kN/m3"),
        value("A", s.A()),
        value("B", s.B()),
        value("C", s.C()),
        value("Pd", s.P_d()),
        value("Upper limit Pu", s.P_u(), "kN/m"),
        value("Yu", s.y_u_mm() / 1000.0, "m"),
        value("p-multiplier", 1.0),
        value("y-multiplier", 1.0),
        literal(""),
        literal("     y, m              p, kN/m"),
        literal(kDashes)};
    expect_lines(report, at, block);
    std::vector<double> ys;
    if (s.p_150() >= 15.0) {
      for (int k = 0; k <= 15; ++k) ys.push_back(k * s.y_u_mm() / 15.0 / 1000.0);
      ys.push_back(1.05 * s.y_u_mm() / 1000.0);
    } else {
      ys = {0.0,   0.003, 0.0065, 0.01,  0.0125, 0.015, 0.03, 0.045, 0.06,
            0.075, 0.09,  0.10,   0.115, 0.125,  0.14,  0.15, 0.1575};
    }
    EXPECT_EQ(s.p_150() >= 15.0, curve == 2);
    const std::vector<Row> rows = rows_at(report, at + block.size(), 17);
    for (int k = 0; k < 17; ++k) {
      expect_row(rows[k], ys[k], s.p(ys[k] * 1000.0),
                 "curve " + std::to_string(curve) + ", row " + std::to_string(k + 1));
    }
    expect_plot_points(folder.plot(), "liquefied sand", curve, rows, 2);
  }
}

TEST(SandRuns, LiquefiedSandBelowAnotherLayerTakesItsDepthFromTheVerticalStress) {
  // A crust of dry sand 1 m thick over sand liquefied down to 8 m.
  const std::string input = replaced(with_soil(example("liquefied_sand_si.tp7"),
                                               "3\n"
                                               "5 0.0 1.0\n18.0 34.0 0.0\n18.0 34.0 0.0\n"
                                               "7 1.0 8.0\n8.5\n8.5\n"
                                               "5 8.0 25.0\n10.0 38.0 34000.0\n"
                                               "10.0 38.0 34000.0\n"),
                                     "3\n1 1.0\n2 4.0\n3 8.0\n", "2\n1 3.0\n2 7.5\n");
  RunFolder folder;
  ASSERT_EQ(folder.run(input), 0);
  const std::vector<std::string> report = folder.report();
  const std::string title = "p-y Curve Computed Using Liquefied Sand Criteria";
  const std::vector<Expected> stress_note = {
      literal(""),
      literal("The depth of the p-y curve was equated to the initial vertical stress divided "),
      literal("by 10 kN/m3, as recommended by Rollins, et al. (2005)")};
  const std::vector<Expected> deep_note = {
      literal(""),
      literal("NOTE: The normalized depth of the p-y curve is deeper than the depth of "),
      literal("6.0 meters recommended by Rollins, et al. (2005)")};
  for (const int curve : {1, 2}) {
    const double z = curve == 1 ? 3.0 : 7.5;
    const double gamma = (18.0 + 8.5 * (z - 1.0)) / z;
    const std::size_t at = find_line(report, title, curve);
    expect_lines(report, at + 4,
                 {value("Normalized depth below ground surface in meters*", gamma * z / 10.0)});
    EXPECT_NEAR(printed_value(report[at + 7]), gamma, 1e-5);
    std::vector<Expected> notes = stress_note;
    if (curve == 2) append(notes, deep_note);  // 7.5 m at 9.77 kN/m3 makes 7.3 m
    expect_lines(report, at + 16, notes);
    const LiquefiedSand s{gamma * z / 10.0, 0.6};
    const std::vector<Row> rows = rows_at(report, at + 16 + notes.size() + 3, 17);
    EXPECT_NEAR(rows[16].p, s.P_u(), 2e-6 * s.P_u());
  }
}

// ---- Errors and warnings -------------------------------------------------------------------

// The example pile in sand of criterion `code` down to 12 ft (a node lies on the interface),
// then in sand of the friction angle `phi_below`.
std::string two_sands(int code, double phi_below) {
  std::ostringstream soil;
  soil << "2\n"
       << code << " 0.0 12.0\n115.0 34.0 0.0\n115.0 34.0 0.0\n"
       << code << " 12.0 70.0\n62.6 " << phi_below << " 60.0\n62.6 " << phi_below << " 60.0\n";
  return with_soil(example("sand_reese.tp7"), soil.str());
}

TEST(SandRuns, InputsThatEndTheRun) {
  const std::string general_units =
      replaced(example("api_sand.tp7"), "Units USCS", "Units GENERAL");
  const ErrorCase cases[] = {
      {"Reese sand without friction below the layer top",
       two_sands(5, 0.0),
       108,
       "Torva ended prematurely due to input error number INP00008",
       {"", "**** Input Data Error No. 8 ****", "",
        "An error was detected in the input data for friction angle.",
        "Problem:  Zero was input for the friction angle for a sand when computing ",
        "          a p-y curve using the Reese et al. criteria.",
        "Solution: Check values of soil strength values and revise the input data."}},
      {"API sand without friction below the layer top",
       two_sands(6, 0.0),
       101,
       "Torva ended prematurely due to input error number INP00001",
       {"", "**** Input Data Error No. 1 ****", "",
        "An error was detected in the input data when computing a p-y.",
        "curve using the API sand criteria for layer 2.",
        "Problem:  A zero was input for the friction angle for sand.",
        "Solution:  Check the friction angle values and revise the ",
        "data to correct this problem."}},
      {"Reese sand below a slope steeper than its friction angle",
       one_sand(5, "115.0 35.0 60.0", "40.0"),
       109,
       "Torva ended prematurely due to input error number INP00009",
       {"", "**** Input Data Error No. 9 ****", "",
        "An error was found in the input data when computing a p-y curve using ",
        "the Reese sand criteria for layer 1.",
        "Problem:  The angle of the ground slope can not be greater than the ",
        "internal friction angle of the sand.",
        "Solution:  Set the value for slope angle to be less than the angle of friction."}},
      {"API sand below a slope steeper than its friction angle",
       one_sand(6, "115.0 35.0 60.0", "40.0"),
       102,
       "Torva ended prematurely due to input error number INP00002",
       {"", "**** Input Data Error No. 2 ****", "",
        "An error was detected in the input data when computing a p-y.",
        "curve using the API criteria for sand for layer 1.",
        "Problem:  The angle of the ground slope can not be greater ",
        "than the internal friction angle of the sand.",
        "Solution:  Set the value for slope angle to be less than ", "the angle of friction."}},
      {"default k in general units",
       general_units,
       213,
       "Torva ended prematurely due to runtime error number RUN00013",
       {"**** Runtime Error No. 13 ****", "",
        "Problem:  General units have been selected for use in computations in      ",
        "combination with default values of k for a layer classified as API sand    ",
        "criteria. This combination of data cannot be used because Torva cannot     ",
        "compute default values of subgrade modulus in general units.               ",
        "Solution:  You must select either US customary for SI units for the        ",
        "units of computation to use a default value for subgrade subgrade modulus  ",
        "for the API sand criteria or enter an appropriate proper value by entering ",
        "a non-zero for k."}},
      {"Reese sand without unit weight",
       one_sand(5, "0.0 34.0 60.0"),
       231,
       "Torva ended prematurely due to runtime error number RUN00031",
       {"", "**** Runtime Error No. 31 ****", "",
        "The computed value of soil modulus computed in Reese Sand is not-a-number for node "
        "number 2",
        "This problem is usually due to a required soil property being left equal to zero."}},
      // Beyond the input range: rejected before its modulus can become infinite.
      {"Reese sand with an initial modulus beyond the numbers",
       one_sand(5, "115.0 34.0 1e308"),
       136,
       "Torva ended prematurely due to input error number INP00036",
       {"", "**** Input Data Error No. 36 ****", "",
        "Problem: Line 45 of the input data file gives the value 1e+308, which is not a "
        "finite number of magnitude 1e30 or less."}},
      {"API sand with an initial modulus beyond the numbers",
       one_sand(6, "115.0 34.0 1e308"),
       136,
       "Torva ended prematurely due to input error number INP00036",
       {"", "**** Input Data Error No. 36 ****", "",
        "Problem: Line 45 of the input data file gives the value 1e+308, which is not a "
        "finite number of magnitude 1e30 or less."}},
  };
  for (const ErrorCase& c : cases) expect_run_ends(c);
}

TEST(SandRuns, UnreasonableFrictionAnglesRunWithAWarning) {
  const std::vector<std::string> sand_text = {
      "**** Warning ****",
      "",
      "An unreasonable value was input for friction angle has been specified",
      "for a soil layer defined uisng the sand criteria.  The input value is",
      "either smaller than 20 degrees or higher than 48 degrees.  The input",
      "data should be checked for correctness."};
  const std::vector<std::string> api_text = {
      "**** Warning ****",
      "",
      "An unreasonable value was input for friction angle has been specified for a",
      "soil layer defined uisng the API sand criteria.  The input value is either",
      "smaller than 20 degrees or higher than 48 degrees.  The input data should",
      "be checked for correctness."};
  const std::string reese_message =
      "An unreasonable value for friction angle was input for a Reese sand layer. ";
  struct Case {
    int code;
    const char* phi;
    int result;
  };
  for (const Case& c : {Case{5, "18.0", -302}, Case{5, "49.0", -302}, Case{6, "18.0", -303},
                        Case{6, "49.0", -303}}) {
    RunFolder folder;
    EXPECT_EQ(folder.run(one_sand(c.code, std::string("115.0 ") + c.phi + " 60.0")), c.result)
        << c.code << ", " << c.phi;
    EXPECT_TRUE(contains_block(folder.report(), c.code == 5 ? sand_text : api_text));
    const std::vector<std::string> messages = folder.messages();
    const auto blocks = std::count(messages.begin(), messages.end(), reese_message);
    if (c.code == 5) {
      // Once for each of the example's two load cases, not at every node and iteration.
      EXPECT_EQ(blocks, 2);
      EXPECT_TRUE(contains_block(
          messages, {"**** Warning ****", "", reese_message,
                     "The input value is either smaller than 20 degrees or higher than 48 degrees.",
                     "The input data should be checked for correctness.",
                     "The input value for friction angle was used in computations."}));
    } else {
      EXPECT_EQ(blocks, 0);
    }
  }
  // Within 20 to 48 degrees: no warning.
  RunFolder folder;
  EXPECT_EQ(folder.run(one_sand(6, "115.0 48.0 60.0")), 0);
}

}  // namespace
}  // namespace torva::testing
