// The section report of whole example runs: the drilled shaft's section from its title to the
// factored capacity table, the prestress block of the SI prestressed pile, and the generic
// labels of a run in general units.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "report/line.h"
#include "support/report_lines.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

constexpr double kPi = std::numbers::pi;

// The value of the 14-column field k (0-based) of a moment-curvature row.
std::string row_field(const std::string& row, int k) {
  return row.substr(static_cast<std::size_t>(14 * k), 14);
}

TEST(SectionReportRuns, DrilledShaftSectionLineByLine) {
  RunFolder folder;
  ASSERT_EQ(folder.run(example("drilled_shaft_us.tp7")), 0);
  const Engine& engine = folder.engine();
  const std::vector<std::string> report = folder.report();
  // The input echo names the section first.
  const std::size_t first = find_line(report, "Pile Section No. 1:", 2);
  ASSERT_LT(first, report.size());

  // A 36 in shaft, twelve bars of 1.128 in (1 sq. in.) on a circle under 3 in of cover.
  const double gross = kPi * 36.0 * 36.0 / 4.0;
  const double R = (36.0 - 1.128) / 2.0 - 3.0;
  const double spacing = 2.0 * R * std::sin(kPi / 12.0) - 1.128;
  const double Ec = 57.0 * std::sqrt(4000.0);
  const double eps_cr =
      -(1.7 * 4.0 / Ec) * (1.0 - std::sqrt(1.0 - 0.0075 * std::sqrt(4000.0) / 4.0));
  const double P_cr = (29000.0 * 12.0 + (gross - 12.0) * Ec) * eps_cr;
  std::vector<Expected> expected = {
      literal("Pile Section No. 1:"),
      literal(std::string(19, '-')),
      literal(""),
      literal("Dimensions and Properties of Drilled Shaft (Bored Pile):"),
      literal(std::string(56, '-')),
      literal(""),
      value("Length of Section", 60.0, "ft"),
      value("Shaft Diameter", 36.0, "in     "),
      value("Concrete Cover Thickness", 3.0, "in     "),
      literal(Line("Number of Reinforcing Bars").tab(56).a("=           12 bars   ").str()),
      value("Yield Stress of Reinforcing Bars", 60.0, "ksi    "),
      value("Modulus of Elasticity of Reinforcing Bars", 29000.0, "ksi    "),
      value("Gross Area of Shaft", gross, "sq. in."),
      value("Total Area of Reinforcing Steel", 12.0, "sq. in."),
      literal(Line("Area Ratio of Steel Reinforcement").tab(56).a("=         1.18 percent").str()),
      value("Edge-to-Edge Bar Spacing", spacing, "in     "),
      value("Maximum Concrete Aggregate Size", 0.75, "in     "),
      literal(Line("Ratio of Bar Spacing to Aggregate Size")
                  .tab(56)
                  .a("= ")
                  .f(spacing / 0.75, 12, 2)
                  .str()),
      value("Offset of Center of Rebar Cage from Center of Pile", 0.0, "in     "),
      literal(""),
      literal("Axial Structural Capacities:"),
      literal(std::string(28, '-')),
      literal(""),
      value("Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As",
            0.85 * 4.0 * (gross - 12.0) + 720.0, "kips   "),
      value("Tensile Load for Cracking of Concrete", P_cr, "kips   "),
      value("Nominal Axial Tensile Capacity", -720.0, "kips   "),
      literal(""),
      literal(""),
      literal("Reinforcing Bar Dimensions and Positions Used in Computations:"),
      literal(""),
      literal("     Bar          Bar Diam.      Bar Area          X              Y     "),
      literal("    Number         inches         sq. in.        inches         inches  "),
      literal("  ----------     ----------     ----------     ----------     ----------"),
  };
  expect_lines(report, first, expected);
  std::size_t at = first + expected.size();
  for (int i = 0; i < 12; ++i) {
    const std::string& row = report[at + i];
    ASSERT_EQ(row.size(), 72u) << row;
    EXPECT_EQ(std::stoi(row.substr(0, 7)), i + 1);
    expect_printed(row.substr(15, 12), 1.128, "diameter");
    expect_printed(row.substr(30, 12), 1.0, "area");
    const double angle = kPi / 6.0 * i;
    for (const auto& [column, v] :
         {std::pair{45, R * std::cos(angle)}, std::pair{60, R * std::sin(angle)}}) {
      if (std::fabs(v) < 1e-5) {
        EXPECT_EQ(row.substr(column, 12), "     0.00000") << row;
      } else {
        expect_printed(row.substr(column, 12), v, "bar " + std::to_string(i + 1));
      }
    }
  }
  at += 12;
  expected = {
      literal(""),
      literal(""),
      literal("NOTE: The positions of the above rebars were computed by Torva"),
      literal(""),
  };
  expect_lines(report, at, expected);
  at += expected.size();
  const std::string& minimum = report[at];
  ASSERT_EQ(minimum.rfind("Minimum spacing between any two bars not equal to zero = ", 0), 0u);
  expect_printed(minimum.substr(57, 12), spacing, "minimum spacing");
  EXPECT_EQ(minimum.substr(69, 21), " inches between Bars ");
  EXPECT_EQ(report[at + 1], "");
  expect_printed(report[at + 2].substr(34), spacing / 0.75, "spacing ratio");
  at += 3;
  expected = {
      literal(""),
      literal(""),
      literal("Concrete Properties:"),
      literal(std::string(20, '-')),
      literal(""),
      value("Compressive Strength of Concrete", 4.0, "ksi    "),
      value("Modulus of Elasticity of Concrete", Ec, "ksi    "),
      value("Modulus of Rupture of Concrete", -0.0075 * std::sqrt(4000.0), "ksi    "),
      value("Compression Strain at Peak Stress", 6.8 / Ec),
      value("Tensile Strain at Fracture of Concrete", eps_cr),
      value("Maximum Coarse Aggregate Size", 0.75, "in     "),
      literal(""),
      literal(""),
      literal("Number of Axial Thrust Force Values Determined from Pile-head Loadings = 2"),
      literal(""),
      literal("   Number     Axial Thrust Force"),
      literal("                    kips"),
      literal("   ------     ------------------"),
      literal("      1              200.000"),
      literal("      2              500.000"),
      literal(""),
      literal(""),
      literal("Definitions of Run Messages and Notes:"),
      literal(std::string(38, '-')),
      literal(""),
      literal("   C = concrete in section has cracked in tension."),
      literal("   Y = stress in reinforcing steel has reached yield stress."),
      literal("   T = ACI 318-08 criteria for tension-controlled section met, tensile strain in "),
      literal("       reinforcement exceeds 0.005 while simultaneously compressive strain in "),
      literal("       concrete more than than 0.003. See ACI 318-08, Section 10.3.4."),
      literal("   Z = depth of tensile zone in concrete section is less than 10 percent of section "
              "depth."),
      literal(""),
      literal("Bending Stiffness (EI) = Computed Bending Moment / Curvature."),
      literal("Position of neutral axis is measured from edge of compression side of pile."),
      literal("Compressive stresses and strains are positive in sign."),
      literal("Tensile stresses and strains are negative in sign."),
  };
  expect_lines(report, at, expected);
  at += expected.size();

  const char* thrusts[] = {"    200.000", "    500.000"};
  for (int j = 1; j <= 2; ++j) {
    expected = {
        literal(""),
        literal(""),
        literal(std::string("Axial Thrust Force =") + thrusts[j - 1] + " kips  "),
        literal(""),
        literal(
            "    Bending       Bending       Bending       Depth to      Max Comp      Max Tens "
            "   Max Concrete   Max Steel    Run"),
        literal(
            "   Curvature      Moment       Stiffness       N Axis        Strain        Strain   "
            "     Stress        Stress     Msg"),
        literal(
            "    rad/in.       in-kip        kip-in2          in          in/in         in/in    "
            "      ksi           ksi          "),
        literal(
            " ------------- ------------- ------------- ------------- ------------- ------------- "
            "------------- -------------  ---"),
    };
    expect_lines(report, at, expected);
    at += expected.size();
    const MomentCurvatureCurve& curve = engine.moment_curvature.curve(1, j);
    ASSERT_GT(curve.n_p, 10);
    for (int p = 1; p <= curve.n_p; ++p) {
      const std::string& row = report[at + p - 1];
      const std::string where = "thrust " + std::to_string(j) + ", step " + std::to_string(p);
      ASSERT_EQ(row.size(), 8u * 14u + 5u) << where << ": " << row;
      expect_printed(row_field(row, 0), curve.phi(p), where, 0.0);
      expect_printed(row_field(row, 1), curve.M(p), where, 0.0);
      expect_printed(row_field(row, 2), curve.EI(p), where, 0.0);
      expect_printed(row_field(row, 2), curve.M(p) / curve.phi(p), where, 1e-12);
      const std::string msg = row.substr(8 * 14 + 2);
      EXPECT_TRUE(msg[0] == ' ' || msg[0] == 'C') << where;
      EXPECT_TRUE(msg[1] == ' ' || msg[1] == 'Y') << where;
    }
    at += static_cast<std::size_t>(curve.n_p);
  }

  expected = {
      literal(""),
      literal(""),
      literal(std::string(80, '-')),
      literal("   Summary of Results for Nominal (Unfactored) Moment Capacity for Section 1"),
      literal(std::string(80, '-')),
      literal(""),
      literal("Moment values interpolated at maximum compressive strain = 0.003"),
      literal("or maximum developed moment if pile fails at smaller strains."),
      literal(""),
      literal(" Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp."),
      literal("  No.               kips                 in-kip              Strain"),
      literal(" ----         ----------------     ------------------     ------------"),
  };
  expect_lines(report, at, expected);
  at += expected.size();
  const double P[] = {200.0, 500.0};
  for (int j = 1; j <= 2; ++j) {
    const std::string& row = report[at + j - 1];
    ASSERT_EQ(row.size(), 4u + 22u + 22u + 21u) << row;
    EXPECT_EQ(std::stoi(row.substr(0, 4)), j);
    expect_printed(row.substr(4, 22), P[j - 1], "P");
    // The stored capacity is held in in-lb.
    expect_printed(row.substr(26, 22), engine.moment_curvature.curve(1, j).M_n / 1000.0, "M_n",
                   1e-12);
    // Both curves pass a compression strain of 0.003.
    EXPECT_EQ(row.substr(48), "           0.00300000");
  }
  at += 2;
  expected = {
      literal(""),
      literal("Note note that the values of moment capacity in the table above are not "),
      literal("factored by a strength reduction factor (phi-factor)."),
      literal(""),
      literal("In ACI 318-08, the value of the strength reduction factor depends on whether "),
      literal("the transverse reinforcing steel bars are tied hoops (0.65) or spirals (0.70)."),
      literal(""),
      literal("The above values should be multiplied by the appropriate strength reduction "),
      literal("factor to compute ultimate moment capacity according to ACI 318-08, Section "),
      literal("9.3.2.2 or the value required by the design standard being followed."),
      literal(""),
      literal("The following table presents factored moment capacities and corresponding "),
      literal("bending stiffnesses computed for common resistance factor values used for "),
      literal("reinforced concrete sections."),
      literal(""),
      literal(" Axial     Resistance           Nominal           Ultimate (Factored)     Ultimate "
              "(Factored)"
              "     Bending Stiffness"),
      literal(" Load        Factor         Moment Capacity          Axial Thrust           Moment "
              "Capacity"
              "       at Ult. Mom. Cap."),
      literal("  No.      for Moment           in-kip                   kips                   "
              "in-kip   "
              "              kip-in^2"),
      literal(" -----     ----------     -------------------     -------------------     "
              "-------------------"
              "     -------------------"),
  };
  expect_lines(report, at, expected);
  at += expected.size();
  const char* factors[] = {" 0.65", " 0.70", " 0.75"};
  const double factor_values[] = {0.65, 0.70, 0.75};
  std::vector<double> previous(3, 1e300);
  for (int f = 0; f < 3; ++f) {
    if (f > 0) {
      EXPECT_EQ(report[at], "");
      ++at;
    }
    for (int j = 1; j <= 2; ++j) {
      const std::string& row = report[at + j - 1];
      const std::string where =
          std::string("factor") + factors[f] + ", thrust " + std::to_string(j);
      ASSERT_EQ(row.size(), 18u + 4u * 24u) << row;
      EXPECT_EQ(std::stoi(row.substr(0, 4)), j) << where;
      EXPECT_EQ(row.substr(13, 5), factors[f]) << where;
      const MomentCurvatureCurve& curve = engine.moment_curvature.curve(1, j);
      const double M_n = curve.M_n / 1000.0;
      expect_printed(row.substr(18, 24), M_n, where, 1e-12);
      expect_printed(row.substr(42, 24), factor_values[f] * P[j - 1], where);
      expect_printed(row.substr(66, 24), factor_values[f] * M_n, where);
      // The stiffness lies between the stored stiffnesses of the steps that bracket the
      // factored moment, and falls as the factor rises.
      const double m = factor_values[f] * M_n;
      int i = 1;
      while (i < curve.n_p && curve.M(i) < m) ++i;
      ASSERT_GT(i, 1) << where;
      const double EI = std::stod(row.substr(90, 24));
      EXPECT_LE(EI, std::max(curve.EI(i - 1), curve.EI(i)) * (1.0 + 1e-9)) << where;
      EXPECT_GE(EI, std::min(curve.EI(i - 1), curve.EI(i)) * (1.0 - 1e-9)) << where;
      EXPECT_LE(EI, previous[j]) << where;
      previous[j] = EI;
    }
    at += 2;
  }
  // The load cases follow.
  EXPECT_EQ(report[at], "");
  EXPECT_EQ(report[at + 1], "");
  EXPECT_EQ(report[at + 2], std::string(80, '-'));
}

TEST(SectionReportRuns, PrestressBlockOfTheSIPrestressedPile) {
  RunFolder folder;
  ASSERT_EQ(folder.run(example("prestressed_pile_si.tp7")), 0);
  const std::vector<std::string> report = folder.report();
  const std::size_t at = find_line(report, "Computation of Loss of Prestress:");
  ASSERT_LT(at, report.size());
  // A 0.45 m square of f'c 41,400 kPa, twelve PCI 270 strands of 0.153 sq. in., prestressed by
  // 1,500 kN less 20 percent.
  const double As = 12.0 * 0.153 * 0.0254 * 0.0254;
  const double Ac = 0.45 * 0.45 - As;
  const double Pe = 0.8 * 1500.0;
  const double Ec = 393001.16443634033 * std::sqrt(0.14503774046897888 * 41400.0);
  const double Es = 28000.0 * 6894.75732421875;
  const double eps_ps0 = -Pe / (Es * As);
  const double eps_pc0 = Pe / (Ec * Ac);
  const double fpc = eps_pc0 * Ec;
  const double fpu = 270000.0 * 6.89475732421875;  // kPa
  const auto fixed = [](const std::string& label, double v, int decimals, const std::string& unit) {
    return literal(Line(label).tab(56).a("= ").f(v, 12, decimals).a(unit).str());
  };
  const std::vector<Expected> expected = {
      literal("Computation of Loss of Prestress:"),
      literal("---------------------------------"),
      literal(""),
      // The initial and effective forces are printed in thousands in SI runs as well.
      fixed("Initial Prestressing Force", 1.5, 3, " kN     "),
      fixed("Fraction of Loss of Prestress", 0.2, 3, ""),
      fixed("Effective Prestressing Force", 1.2, 3, " kN     "),
  };
  expect_lines(report, at, expected);
  const auto number = [&](int k) { return report[at + k].substr(57, 12); };
  expect_printed(number(6), Ac, "A_c", 1e-5);
  EXPECT_EQ(report[at + 6].substr(69), " Sq. m");
  expect_printed(number(7), As, "A_s", 1e-5);
  expect_printed(number(8), fpc, "f_pc", 1e-5);
  expect_printed(number(9), eps_ps0 * Es, "steel stress", 1e-5);
  expect_printed(number(10), eps_pc0, "eps_pc0", 1e-5);
  expect_printed(number(11), eps_ps0, "eps_ps0", 1e-5);
  ASSERT_EQ(report[at + 13], "Estimated Structural Capacities Computed Using PCI Equations:");
  expect_printed(number(16), (0.85 * 41400.0 - 0.60 * fpc) * (Ac + As), "P_n", 1e-5);
  expect_printed(number(17), (Ac + As) * (0.33 * 41400.0 - 0.27 * fpc), "N", 1e-5);
  expect_printed(number(18), -As * fpu, "tension", 1e-5);
  EXPECT_EQ(report[at + 19].substr(0, 41), "Nom. Moment Capacity, Mn = 0.37 D As fpu ");
  expect_printed(number(19), 0.37 * 0.45 * As * fpu, "M_n", 1e-5);
  EXPECT_EQ(report[at + 19].substr(69), " kN-m   ");
  EXPECT_EQ(report[at + 21],
            "Note:  The estimate of nominal moment capacity is based on equations that  ");
  // The square pile's plain title follows its section title at once.
  EXPECT_TRUE(contains_block(report, {"Pile Section No. 1:", std::string(19, '-'),
                                      "Dimensions of Square Prestressed Pile Section:"}));
  EXPECT_TRUE(contains_line(
      report, "Modulus of Rupture of Prestressed Concrete             =  -2137.07446 kPa    "));
}

TEST(SectionReportRuns, GeneralUnitsShowTheGenericLabels) {
  // The shaft's bending properties alone, its input values taken as they stand.
  std::string input = replaced(example("drilled_shaft_us.tp7"), "Units USCS", "Units GENERAL");
  input = replaced(input, "ComputeEIOnly NO", "ComputeEIOnly YES");
  input = input.substr(0, input.find("SOIL LAYERS")) +
          "AXIAL THRUST LOADS\n2\n1 0.0\n2 100000.0\nEND\n";
  RunFolder folder;
  ASSERT_EQ(folder.run(input), 0);
  const std::vector<std::string> report = folder.report();
  EXPECT_EQ(report[find_line(report, "Pile Section No. 1:", 2) + 6].substr(69), " L");
  const std::vector<std::pair<std::string, std::string>> units = {
      {"Shaft Diameter ", " L      "},
      {"Yield Stress of Reinforcing Bars", " F/L2   "},
      {"Gross Area of Shaft", " L2     "},
      {"Nominal Axial Tensile Capacity", " F      "},
  };
  for (const auto& [label, unit] : units) {
    bool found = false;
    for (const std::string& line : report) {
      if (line.rfind(label, 0) != 0) continue;
      found = true;
      EXPECT_EQ(line.substr(69), unit) << label;
      break;
    }
    EXPECT_TRUE(found) << label;
  }
  EXPECT_TRUE(contains_line(
      report, "    Number         L              L2             L              L       "));
  // The SI unit cells with the generic words in place of the SI ones.
  EXPECT_TRUE(contains_line(report, std::string("     1/L      ") + "     F-L      " +
                                        "     F-L2     " + "       L      " + "      L/L     " +
                                        "      L/L     " + "      F/L2    " + "      F/L2    " +
                                        "     "));
  EXPECT_TRUE(
      contains_line(report, "  No.               F                    F-L                 Strain"));
  EXPECT_TRUE(contains_line(
      report,
      "  No.      for Moment           F-L                      F                      F-L"
      "                    F-L2"));
  bool spacing = false;
  for (const std::string& line : report) {
    if (line.rfind("Minimum spacing", 0) == 0)
      spacing = line.find(" L between Bars ") != std::string::npos;
  }
  EXPECT_TRUE(spacing);
}

}  // namespace
}  // namespace torva::testing
