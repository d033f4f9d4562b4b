// Whole runs through the section analysis: the stored moment-curvature tables, their plot
// records and files, the axial thrust checks and the failures of curves and file names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "input/input_fixtures.h"
#include "report/line.h"
#include "section/section_driver.h"
#include "support/plot_file.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

namespace fs = std::filesystem;

const std::string kConcrete =
    "4000\n0.75\nUse default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\n";

// Section n: a drilled shaft of diameter D (in) with eight 1 in bars on a circle under 3 in of
// cover, 40 ft long.
std::string drilled_shaft(int n, double D = 36.0) {
  return std::to_string(n) + "\n1\n40\n" + std::to_string(D) + "\n" + kConcrete +
         "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
         "60000\n29000000\n8\n1\n1.0\n0.79\n3\n0\n";
}

// Load cases of a shear of V lbs at the head and the given axial thrusts (lbs).
std::string loading(double V, const std::vector<double>& thrusts) {
  std::string text = "LOADING\n" + std::to_string(thrusts.size()) + "\n";
  for (std::size_t i = 0; i < thrusts.size(); ++i) {
    text += std::to_string(i + 1) + " 1 " + std::to_string(V) + " 0.0 " +
            std::to_string(thrusts[i]) + " 1\n";
  }
  return text + "0\n";
}

std::string full_run(const std::string& sections, const std::string& loads) {
  Switches s;
  s.pile = false;
  return input_file(s, "SECTIONS\n" + sections + one_soft_clay_layer("50") + loads);
}

std::string ei_only_run(const std::string& sections, const std::vector<double>& thrusts) {
  Switches s;
  s.pile = false;
  s.ei_only = true;
  std::string loads = "AXIAL THRUST LOADS\n" + std::to_string(thrusts.size()) + "\n";
  for (std::size_t i = 0; i < thrusts.size(); ++i) {
    loads += std::to_string(i + 1) + " " + std::to_string(thrusts[i]) + "\n";
  }
  return input_file(s, "SECTIONS\n" + sections + loads);
}

std::vector<PlotRecord> records_numbered(const std::vector<std::string>& plot,
                                         const std::string& start) {
  std::vector<PlotRecord> found;
  for (const std::string& line : plot) {
    const PlotRecord record = parse_plot_record(line);
    if (record.description.rfind(start, 0) == 0) found.push_back(record);
  }
  return found;
}

TEST(SectionAnalysisRun, DrilledShaftUnderTwoThrustsStoresPlotsAndFilesItsCurves) {
  RunFolder folder;
  ASSERT_EQ(folder.run(full_run("1\n" + drilled_shaft(1), loading(20000.0, {300000.0, 100000.0}))),
            0);
  const Engine& engine = folder.engine();
  ASSERT_EQ(engine.thrusts.count, 2);
  EXPECT_EQ(engine.thrusts.T[1], 100.0);
  EXPECT_EQ(engine.thrusts.T[2], 300.0);

  const std::vector<std::string> plot = folder.plot();
  const auto line3 = records_numbered(plot, "Line 3 ");
  ASSERT_EQ(line3.size(), 1u);
  EXPECT_EQ(line3[0].values, (std::vector<double>{2}));
  const auto line4 = records_numbered(plot, "Line 4b");
  ASSERT_EQ(line4.size(), 2u);
  std::size_t points = 0;
  for (int j = 1; j <= 2; ++j) {
    const MomentCurvatureCurve& curve = engine.moment_curvature.curve(1, j);
    ASSERT_GT(curve.n_p, 10);
    // More thrust, more capacity below the balance point.
    if (j == 2) {
      EXPECT_GT(curve.M_n, engine.moment_curvature.curve(1, 1).M_n);
    }
    const PlotRecord& r = line4[j - 1];
    EXPECT_EQ(r.values[0], curve.n_p);
    EXPECT_NEAR(r.values[1], engine.thrusts.T[j], 1e-6 * engine.thrusts.T[j]);
    // M_n is held in in-lb; the record shows in-kips.
    EXPECT_NEAR(r.values[2], curve.M_n / 1000.0, 1e-6 * curve.M_n / 1000.0);
    points += static_cast<std::size_t>(curve.n_p);

    // The file of section 1, thrust j: moment (in-lb) and curvature in E15.8.
    const std::vector<std::string> lines = read_lines(folder.file(
        j == 1 ? "mc-0001.txt" : "mc-0002.txt"));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(curve.n_p));
    for (int p = 1; p <= curve.n_p; ++p) {
      EXPECT_EQ(lines[p - 1],
                Line().e(curve.M(p) * 1000.0, 15, 8).e(curve.phi(p), 15, 8).str());
    }
  }
  const auto line5 = records_numbered(plot, "Line 5 : Moment (in-kips)");
  ASSERT_EQ(line5.size(), points);
  // Thrust 1's points first, in order, to the seven digits of E15.7.
  const MomentCurvatureCurve& first = engine.moment_curvature.curve(1, 1);
  for (int p = 1; p <= first.n_p; ++p) {
    const std::vector<double>& v = line5[p - 1].values;
    ASSERT_EQ(v.size(), 3u);
    EXPECT_NEAR(v[0], first.M(p), 5e-7 * std::fabs(first.M(p))) << "point " << p;
    EXPECT_NEAR(v[1], first.EI(p), 5e-7 * std::fabs(first.EI(p))) << "point " << p;
    EXPECT_NEAR(v[2], first.phi(p), 5e-7 * std::fabs(first.phi(p))) << "point " << p;
    EXPECT_NE(line5[p - 1].description.find(", AxLd#=1, CurvPnt#=" + std::to_string(p)),
              std::string::npos);
  }
  EXPECT_FALSE(fs::exists(folder.file("mc-0003.txt")));
  // The load cases were solved with the section's curves.
  EXPECT_TRUE(engine.results.cases[1].computed);
  EXPECT_TRUE(engine.results.cases[2].computed);
  EXPECT_GT(engine.results.cases[1].head_deflection, 0.0);
}

// A pipe of D = 24 in and t = 0.5 in as a nonlinear section and as an elastic pipe.
const std::string kPipeNonlinear = "1\n1\n4\n40\n24\n0.5\n36000\n29000000\n";
const std::string kPipeElastic =
    "1\n1\n11\n40\n3\n29000000\n24\n24\n0.5\n0.5\n36.91\n36.91\n2549.36\n2549.36\n";

TEST(SectionAnalysisRun, SteelPipeInItsElasticRangeDeflectsAsTheElasticPipe) {
  RunFolder nonlinear, elastic;
  ASSERT_EQ(nonlinear.run(full_run(kPipeNonlinear, loading(5000.0, {0.0}))), 0);
  ASSERT_EQ(elastic.run(full_run(kPipeElastic, loading(5000.0, {0.0}))), 0);
  const LoadCaseResult& a = nonlinear.engine().results.cases[1];
  const LoadCaseResult& b = elastic.engine().results.cases[1];
  ASSERT_GT(b.head_deflection, 0.0);
  EXPECT_NEAR(a.head_deflection / b.head_deflection, 1.0, 1e-3);
  EXPECT_NEAR(a.max_moment / b.max_moment, 1.0, 1e-3);
}

// The pipe's report: its block without concrete, the one-message legend, rows of five numbers
// and the capacity table with the LRFD note in place of the factored table.
TEST(SectionAnalysisRun, SteelPipeReportsItsOwnBlocks) {
  RunFolder folder;
  ASSERT_EQ(folder.run(full_run(kPipeNonlinear, loading(5000.0, {0.0}))), 0);
  const std::vector<std::string> report = folder.report();
  const double pi = 3.141592653589793;
  const double area = pi * (24.0 * 24.0 - 23.0 * 23.0) / 4.0;
  const double Z = (24.0 * 24.0 * 24.0 - 23.0 * 23.0 * 23.0) / 6.0;
  const auto at56 = [](const std::string& label, const std::string& rest) {
    return Line(label).tab(56).a(rest).str();
  };
  EXPECT_TRUE(contains_block(
      report, {"", "Dimensions and Properties of Steel Pipe Pile:", std::string(45, '-'), "",
               at56("Length of Section", "=     40.00000 ft"),
               at56("Outer Diameter of Pipe", "=     24.00000 in     "),
               at56("Pipe Wall Thickness", "=      0.50000 in     "),
               at56("Yield Stress of Pipe", "=     36.00000 ksi    "),
               at56("Elastic Modulus", "=       29000. ksi    "),
               at56("Cross-sectional Area", Line("= ").f(area, 12, 5).a(" sq. in.").str())}));
  EXPECT_TRUE(contains_line(report, at56("Plastic Modulus, Z", Line("= ").f(Z, 12, 5).a(" in^3").str())));
  EXPECT_TRUE(contains_line(report, at56("Plastic Moment Capacity = Fy Z",
                                         Line("= ").f(36.0 * Z, 12, 5).a(" in-kip").str())));
  EXPECT_TRUE(contains_block(
      report, {"Axial Structural Capacities:", std::string(28, '-'), "",
               at56("Nom. Axial Structural Capacity = Fy As", Line("= ").f(36.0 * area, 12, 3).a(" kips   ").str()),
               at56("Nominal Axial Tensile Capacity  ", Line("= ").f(-36.0 * area, 12, 3).a(" kips   ").str()),
               "", ""}));
  EXPECT_FALSE(contains_line(report, "Concrete Properties:"));
  EXPECT_TRUE(contains_block(report, {"", "Definition of Run Messages:", "",
                                      "   Y = part of pipe section has yielded.", "", "",
                                      "Axial Thrust Force =      0.000 kips  ", "",
                                      "    Bending       Bending       Bending       Depth to     "
                                      "Max Total    Run"}));
  EXPECT_TRUE(contains_line(report, std::string("    rad/in.   ") + "    in-kip    " + "    kip-in2   " +
                                        "       in     " + "      ksi     " + "     "));
  const auto dashes = std::find(report.begin(), report.end(),
                                " ------------- ------------- ------------- ------------- "
                                "-------------  ---");
  ASSERT_NE(dashes, report.end());
  const std::size_t rows = static_cast<std::size_t>(dashes - report.begin()) + 1;
  const MomentCurvatureCurve& curve = folder.engine().moment_curvature.curve(1, 1);
  ASSERT_GT(curve.n_p, 10);
  for (int p = 0; p < curve.n_p; ++p) EXPECT_EQ(report[rows + p].size(), 5u * 14u + 5u) << p;
  EXPECT_EQ(report[rows + curve.n_p - 1].substr(72), " Y ");
  EXPECT_TRUE(contains_block(
      report, {" Load           Axial Thrust        Nominal Mom. Cap.",
               "  No.              " + std::string(" kips  ") + std::string(14, ' ') + " in-kip",
               " ----         ----------------     ------------------",
               Line().i(1, 4).f(0.0, 22, 3).f(curve.M_n / 1000.0, 22, 1).str(), "",
               "Note that the values in the above table are not factored by a strength",
               "reduction factor for LRFD."}));
  EXPECT_FALSE(contains_line(report, "Moment values interpolated at maximum compressive strain = 0.003"));
  EXPECT_FALSE(contains_line(report, "reinforced concrete sections."));
}

TEST(SectionAnalysisRun, ThrustBeyondTheAxialCapacitiesEndsTheRunBeforeAnyCurve) {
  struct Case {
    double thrust;  // lbs
    int code;
    std::vector<std::string> block;
  };
  const Case cases[] = {
      {1.0e8, 224,
       {"**** Runtime Error No. 24 ****", "",
        "PROBLEM:  The axial thrust load for load case no. 2 exceeds the axial structural "
        "capacity in compression.",
        "          Axial thrust load                  =      100000.000 kips"}},
      {-1.0e6, 225,
       {"**** Runtime Error No. 25 ****", "",
        "PROBLEM:  The axial thrust load for load case no. 2 exceeds the axial structural "
        "capacity in tension.",
        "          Axial thrust load              =       -1000.000 kips",
        "          Nominal axial tensile capacity =        -379.200 kips", "",
        "SOLUTION: Change the properties of the section to increase the axial structural "
        "capacity."}},
  };
  for (const Case& c : cases) {
    RunFolder folder;
    EXPECT_EQ(folder.run(full_run("1\n" + drilled_shaft(1), loading(1000.0, {0.0, c.thrust}))),
              c.code);
    EXPECT_TRUE(contains_block(folder.report(), c.block)) << c.code;
    EXPECT_EQ(folder.engine().moment_curvature.curve(1, 1).n_p, 0);
    EXPECT_FALSE(fs::exists(folder.file("mc-0001.txt")));
  }
}

TEST(SectionAnalysisRun, FactoredThrustsAreCheckedByCombination) {
  RunFolder folder;
  Engine& engine = folder.engine();
  engine.options.IUNITS = kUnitsSI;
  engine.run.labels.force = "kN";
  engine.run.report.open(folder.file("report.txt").string());
  AxialCapacities capacities;
  capacities.P_c = 5000.0;
  capacities.P_t = -1000.0;
  const double within[] = {4999.0, -999.0};
  check_axial_thrusts(engine, within, capacities, ThrustChecks::kLrfdCombinations);
  EXPECT_EQ(engine.run.ErrorNumber, 0);
  const double factored[] = {100.0, -1500.0, 6000.0};
  EXPECT_THROW(check_axial_thrusts(engine, factored, capacities, ThrustChecks::kLrfdCombinations),
               RunStopped);
  engine.run.report.close();
  EXPECT_EQ(engine.run.ErrorNumber, 227);
  EXPECT_TRUE(contains_block(
      folder.report(),
      {"", "", "**** Runtime Error No. 27 ****", "",
       "PROBLEM:  The axial thrust load for LRFD load case no. 2 exceeds the axial structural "
       "capacity in tension.",
       "          Factored axial thrust load     =       -1500.000 kN",
       "          Nominal axial tensile capacity =       -1000.000 kN", "",
       "SOLUTION: Change the properties of the section to increase the axial structural "
       "capacity."}));
}

TEST(SectionAnalysisRun, BendingPropertiesRunDropsThrustsOutsideASectionForTheSectionsBelow) {
  // The 24 in shaft carries about 1,630 kips; 5,000 kips is analysed for neither section.
  RunFolder folder;
  ASSERT_EQ(folder.run(ei_only_run("2\n" + drilled_shaft(1, 24.0) + drilled_shaft(2, 48.0),
                                   {100000.0, 5000000.0})),
            0);
  const Engine& engine = folder.engine();
  ASSERT_EQ(engine.thrusts.count, 1);
  EXPECT_EQ(engine.thrusts.T[1], 100.0);
  EXPECT_GT(engine.moment_curvature.curve(1, 1).n_p, 0);
  EXPECT_GT(engine.moment_curvature.curve(2, 1).n_p, 0);
  EXPECT_EQ(engine.moment_curvature.curve(2, 2).n_p, 0);
  const auto line3 = records_numbered(folder.plot(), "Line 3 ");
  ASSERT_EQ(line3.size(), 1u);
  EXPECT_EQ(line3[0].values, (std::vector<double>{1}));
  EXPECT_EQ(line3[0].description, "Line 3 : Total number of axial thrusts for EI-only computations");
  const std::vector<std::string> report = folder.report();
  EXPECT_TRUE(contains_line(report, "The following computations were performed only for the "
                                    "axial thrust values in the valid range."));
  EXPECT_TRUE(contains_line(
      report, "Number of Axial Thrust Force Values Determined from Input Data = 1"));
  // Files keep the places of the list as derived: section 2's first thrust is entry 3.
  EXPECT_TRUE(fs::exists(folder.file("mc-0001.txt")));
  EXPECT_FALSE(fs::exists(folder.file("mc-0002.txt")));
  EXPECT_TRUE(fs::exists(folder.file("mc-0003.txt")));
  EXPECT_FALSE(fs::exists(folder.file("mc-0004.txt")));
}

TEST(SectionAnalysisRun, MomentCurvatureFileWithoutAUsableName) {
  const struct {
    std::string names;
    int code;
    std::string problem;
  } cases[] = {
      {"only-one.txt\n", 246,
       "Problem: The moment-curvature file of section 1 for axial thrust value no. 2 has no name"},
      {"no/such/folder/mc.txt\n", 247,
       "Problem: The moment-curvature file \"no/such/folder/mc.txt\" of section 1 cannot be "
       "created."},
  };
  for (const auto& c : cases) {
    RunFolder folder;
    folder.write("M_vs_EI_report_names.txt", c.names);
    EXPECT_EQ(folder.run(full_run("1\n" + drilled_shaft(1), loading(1000.0, {0.0, 100000.0}))),
              c.code);
    bool found = false;
    for (const std::string& line : folder.messages()) found = found || line.rfind(c.problem, 0) == 0;
    EXPECT_TRUE(found) << c.problem;
  }
}

TEST(SectionAnalysisRun, BarsOnOneFaceUnderThrustGiveNoBendingStiffness) {
  // A 12 in square pile with its two bars 4 in below the centre, under 200 kips.
  const std::string section =
      "1\n1\n0\n40\n12\n12\n" + kConcrete +
      "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n"
      "60000\n29000000\n2\n1 11 1.41 1.56 -4 -4\n2 11 1.41 1.56 4 -4\n";
  RunFolder full;
  EXPECT_EQ(full.run(full_run(section, loading(1000.0, {200000.0}))), 258);
  EXPECT_TRUE(contains_line(full.messages(), "**** Runtime Error No. 58 ****"));
  // A bending-properties run reports the curve and warns.
  RunFolder ei_only;
  // (A run that ends with warnings returns the warning code, not an error.)
  EXPECT_LE(ei_only.run(ei_only_run(section, {200000.0})), 0);
  EXPECT_EQ(ei_only.engine().moment_curvature.curve(1, 1).n_p, 1);
  EXPECT_EQ(ei_only.engine().warnings.WarningCount[306], 1);
}

// A 24 in circular pile of E = 3.6e6 psi as an elastic pile, an elastic-plastic section below
// its plastic moment and a curve of moment against its constant stiffness.
constexpr double kE = 3.6e6;
const double kCircleI = 3.141592653589793 * std::pow(24.0, 4) / 64.0;
const std::string kElasticCircle =
    "1\n1\n11\n40\n2\n3600000\n24\n24\n452.4\n452.4\n16286\n16286\n";
const std::string kElasticPlasticCircle =
    "1\n1\n12\n40\n2\n3600000\n1.0E9\n1.0E9\n24\n24\n452.4\n452.4\n16286\n16286\n";

std::string constant_stiffness_curves(int curves, bool decreasing = false) {
  const std::string EI = std::to_string(kE * kCircleI);
  std::string text = "1\n1\n13\n40\n24\n" + std::to_string(curves) + "\n";
  for (int j = 1; j <= curves; ++j) {
    text += "0.0 3\n0\n" + EI + "\n5.0E7\n" + EI + "\n1.0E8\n" +
            (decreasing ? std::to_string(3.0 * kE * kCircleI) : EI) + "\n";
  }
  return text;
}

TEST(SectionAnalysisRun, ElasticPlasticAndConstantCurveSectionsBelowCapacityDeflectAsTheElasticPile) {
  RunFolder elastic;
  ASSERT_EQ(elastic.run(full_run(kElasticCircle, loading(20000.0, {0.0}))), 0);
  const LoadCaseResult& reference = elastic.engine().results.cases[1];
  ASSERT_GT(reference.head_deflection, 0.0);
  ASSERT_LT(std::fabs(reference.max_moment), 5.0e7);  // within the curve and below M_p
  for (const std::string& section : {kElasticPlasticCircle, constant_stiffness_curves(1)}) {
    RunFolder folder;
    ASSERT_EQ(folder.run(full_run(section, loading(20000.0, {0.0}))), 0) << section;
    const LoadCaseResult& result = folder.engine().results.cases[1];
    EXPECT_NEAR(result.head_deflection / reference.head_deflection, 1.0, 1e-6) << section;
    EXPECT_NEAR(result.max_moment / reference.max_moment, 1.0, 1e-6) << section;
  }
}

TEST(SectionAnalysisRun, PlasticMomentOfEveryNodeIsListed) {
  RunFolder folder;
  ASSERT_EQ(folder.run(full_run(kElasticPlasticCircle, loading(20000.0, {0.0}))), 0);
  const std::vector<std::string> messages = folder.messages();
  EXPECT_TRUE(contains_line(messages, "Node 1   Mcap = " + format_e(1.0e9, 15, 7)));
  EXPECT_TRUE(contains_line(messages, "Node 101   Mcap = " + format_e(1.0e9, 15, 7)));
  EXPECT_FALSE(contains_line(messages, "Node 102   Mcap = " + format_e(1.0e9, 15, 7)));
}

TEST(SectionAnalysisRun, InputCurvesThatCannotServeEveryThrust) {
  for (const std::string& section :
       {constant_stiffness_curves(1), constant_stiffness_curves(2, true)}) {
    RunFolder folder;
    EXPECT_EQ(folder.run(full_run(section, loading(20000.0, {0.0, 100000.0}))), 192);
    EXPECT_TRUE(contains_line(folder.messages(), "**** Input Data Error No. 92 ****"));
  }
}

TEST(SectionAnalysisRun, SoilReactionOfTheCrackedShaftBalancesTheHeadShear) {
  RunFolder folder;
  ASSERT_EQ(folder.run(full_run("1\n" + drilled_shaft(1), loading(40000.0, {100000.0}))), 0);
  const NodeTable& nodes = folder.engine().nodes;
  double reaction = 0.0, magnitude = 0.0;
  for (int i = 2; i <= nodes.N; ++i) {
    const double p1 = -nodes.Es[i - 1] * nodes.y[i - 1], p2 = -nodes.Es[i] * nodes.y[i];
    reaction += (p1 + p2) / 2.0 * nodes.h;
    magnitude += std::fabs(p2) * nodes.h;
  }
  EXPECT_NEAR(40000.0 + reaction, 0.0, 1e-3 * (40000.0 + magnitude));
}

TEST(SectionAnalysisRun, InteractionRunsTakeTheirThrustsFromTheLoadCases) {
  Switches s;
  s.pile = false;
  s.interaction = true;
  RunFolder folder;
  ASSERT_EQ(folder.run(input_file(s, "SECTIONS\n1\n" + drilled_shaft(1) + one_soft_clay_layer("50") +
                                         loading(20000.0, {100000.0, 0.0}))),
            0);
  const ThrustList& list = folder.engine().thrusts;
  ASSERT_EQ(list.count, 2);
  EXPECT_EQ(list.T[1], 0.0);
  EXPECT_EQ(list.T[2], 100.0);
  EXPECT_GT(folder.engine().moment_curvature.curve(1, 2).n_p, 0);
}

}  // namespace
}  // namespace torva::testing
