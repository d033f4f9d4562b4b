// Whole LRFD runs through LGO: the two LRFD examples, and a combination's distributed load
// under soil movement.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

namespace fs = std::filesystem;

std::string example(const char* name) { return read_text(fs::path(TORVA_EXAMPLES_DIR) / name); }

int count_lines_starting(const std::vector<std::string>& lines, const std::string& start) {
  int count = 0;
  for (const std::string& line : lines) count += line.rfind(start, 0) == 0 ? 1 : 0;
  return count;
}

// The lines after the first line equal to `rule`, up to the next empty line.
std::vector<std::string> rows_after(const std::vector<std::string>& lines, const std::string& rule) {
  std::vector<std::string> rows;
  std::size_t k = 0;
  while (k < lines.size() && lines[k] != rule) ++k;
  for (++k; k < lines.size() && !lines[k].empty(); ++k) rows.push_back(lines[k]);
  return rows;
}

const std::string kTableRule =
    "----   -------   ----------   ----------   ----------   ----------   ----------   "
    "----------   ----------   ----------   -----------------------------------------";

TEST(LrfdRuns, USExampleWithBatterAndAWindLoadOnTheStickUp) {
  RunFolder folder;
  ASSERT_EQ(folder.run(example("lrfd_us.tp7")), 0);
  const std::vector<std::string> report = folder.report();

  // The echo.
  EXPECT_TRUE(contains_line(report, "                  Unfactored Loading Groups for LRFD Analysis"));
  EXPECT_TRUE(contains_line(report, "Number of Loading Groups = 5"));
  EXPECT_TRUE(contains_line(report, "Pile PileBatter =   5.000 degrees"));
  EXPECT_TRUE(contains_line(report, "Factored Load =  1.00*DL + 1.00*LL + 0.30*W "));
  EXPECT_TRUE(contains_line(report, "Number of Unique Axial Thrust Values = 4"));
  EXPECT_TRUE(contains_line(report, "Axial thrust force values were determined from LRFD load combinations"));

  // Every combination is a load case under its factored loads.
  for (int j = 1; j <= 4; ++j) {
    EXPECT_TRUE(contains_line(
        report, "                 for Lateral Loading for LRFD Load Case Number " + std::to_string(j)));
  }
  EXPECT_TRUE(contains_line(report, "Load Case No. 2:  Strength III"));
  // V_1 = cos 5 * 10750 + sin 5 * 195000 = 27704.46 lb; Q_1 = -sin 5 * 10750 + cos 5 * 195000.
  EXPECT_TRUE(contains_line(report, "Shear force at pile head                               =      27704.5 lbs"));
  EXPECT_TRUE(contains_line(report, "Axial thrust load on pile head                         =     193321.0 lbs"));

  // The wind load on the 24 in of stick-up: 25 lb/in, and 150 lb over the 7.2 in of node 4.
  EXPECT_EQ(count_lines_starting(report, "Sums of Distributed Lateral Load Per Unit Length due to Wind Loads"), 4);
  const std::vector<std::string> wind = rows_after(report, "----------   ----------------");
  EXPECT_EQ(wind, (std::vector<std::string>{"      0.00        25.00", "      7.20        25.00",
                                            "     14.40        25.00", "     21.60        20.83"}));
  // The last combination (0.3 W) is what loads the nodes at the end.
  const NodeTable& nodes = folder.engine().nodes;
  EXPECT_DOUBLE_EQ(nodes.W[1], 0.3 * 25.0);
  EXPECT_DOUBLE_EQ(nodes.W[4], 0.3 * 150.0 / 7.2);
  EXPECT_EQ(nodes.W[5], 0.0);

  // Summary and performance table.
  EXPECT_TRUE(contains_line(report, "Case  Type        Shear         Moment           Load        Deflection       in Pile       in Pile       Rotation   "));
  const std::vector<std::string> table = rows_after(report, kTableRule);
  ASSERT_EQ(table.size(), 4u);
  EXPECT_EQ(table[3].substr(0, 40), "  4       1        0.750       Infinite ");
  EXPECT_EQ(table[3].substr(121), "Service I");
  EXPECT_TRUE(contains_line(report, "All LRFD load combinations have passed for all pile sections."));

  const std::vector<std::string> plot = folder.plot();
  for (int j = 1; j <= 4; ++j) {
    EXPECT_TRUE(contains_line(plot, "    0" + std::string(99, ' ') +
                                        "Line 11: Num. points on Ytop vs. Length curve for LRFD load case " +
                                        std::to_string(j)));
  }
}

TEST(LrfdRuns, SIExampleWithAStepInTheWaterLoad) {
  RunFolder folder;
  ASSERT_EQ(folder.run(example("lrfd_si.tp7")), 0);
  const std::vector<std::string> report = folder.report();
  EXPECT_FALSE(contains_line(report, "Transformation Matrix and Equations:"));
  EXPECT_TRUE(contains_line(report, "                  m                kN/m      "));
  EXPECT_TRUE(contains_line(report, "Factored Horizontal Force = " + std::string(18, ' ') + "202.50 kN"));
  // Water: 5x kN/m to 15 at 3 m, then 10 down to 0 at 5 m; nodes every 0.2 m.
  const std::vector<std::string> water = rows_after(report, "----------   ----------------");
  ASSERT_EQ(water.size(), 26u);  // 0 to 5 m
  EXPECT_EQ(water[0], "      0.00         0.25");
  EXPECT_EQ(water[5], "      1.00         5.00");
  EXPECT_EQ(water[15], "      3.00        12.25");  // (14.5 + 15)/2 * 0.1 + (10 + 9.5)/2 * 0.1, / 0.2
  // Combinations 1 and 2 carry it; the SI units of the table.
  EXPECT_TRUE(contains_line(report, " No.   No.    kilonewtons        kN-m             kN           meters          kN-m           kN           radians   "));
  EXPECT_TRUE(contains_line(report, "                                 kN-m         kN-m                                    kN         meters       radians "));
  EXPECT_EQ(rows_after(report, kTableRule).size(), 3u);
}

// Under soil movement the soil criteria rebuild W from the soil movement term and the
// combination's distributed load, and the head shear balances the soil reaction plus the load.
TEST(LrfdRuns, SoilMovementKeepsTheFactoredDistributedLoad) {
  const std::string file =
      "TORVAP7\n" + options_for({.lrfd = true, .soil_movement = true}) +
      "SECTIONS\n1\n1\n11\n50\n2\n29000000\n24\n24\n452.4\n452.4\n16286\n16286\n"
      "SOIL LAYERS\n1\n13 0 60\n100 500\n100 500\n"
      "SOIL MOVEMENTS\n2\n1 0 0.5\n2 30 0\n"
      "LRFD FACTORS AND CASES\n1\n1 1.2 1.6 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nStrength\n"
      "LRFD LOADS\n2\n1 1 5000 0 0 0\n2 2 0 0 0 2\n1 0 20\n2 120 20\nEND\n";
  RunFolder folder;
  ASSERT_EQ(folder.run(file), 0);
  const Engine& engine = folder.engine();
  const NodeTable& nodes = engine.nodes;
  double balance = 6000.0;  // the factored head shear, 1.2 * 5000 lb
  double load = 0.0;
  for (int i = 1; i <= nodes.N; ++i) {
    const double length = i == 1 || i == nodes.N ? nodes.h / 2.0 : nodes.h;
    const double p = -nodes.Es[i] * (nodes.y[i] - nodes.ysoil[i]);
    const double q = engine.lrfd_loads.applied[i];
    EXPECT_NEAR(nodes.W[i], nodes.Es[i] * nodes.ysoil[i] + q, 1e-9 * (1.0 + std::fabs(nodes.W[i])));
    balance += (p + q) * length;
    load += q * length;
  }
  EXPECT_NEAR(load, 1.6 * 20.0 * 120.0, 1e-9);
  EXPECT_NEAR(balance, 0.0, 0.01 * 6000.0);
}

// The US example on an elastic-plastic pipe of plastic moment 3.4e6 in-lb: combination 1 bends
// it by 3.21e6 in-lb, within its plastic moment but above 0.9 of it, and fails; the others pass.
// The summary lists warning 400, the only warning of the run, and the run returns its code.
std::string with_elastic_plastic_pipe() {
  const std::string elastic =
      "SECTIONS\n1\n1\n11\n60\n3\n29000000\n24\n24\n0.5\n0.5\n36.91\n36.91\n2549.3\n2549.3\n";
  std::string input = example("lrfd_us.tp7");
  const auto at = input.find(elastic);
  EXPECT_NE(at, std::string::npos);
  if (at == std::string::npos) return input;
  return input.replace(at, elastic.size(),
                       "SECTIONS\n1\n1\n12\n60\n3\n29000000\n3400000\n3400000\n24\n24\n0.5\n"
                       "0.5\n36.91\n36.91\n2549.3\n2549.3\n");
}

TEST(LrfdRuns, FailingCombinationsEndTheRunWithWarning400) {
  RunFolder folder;
  EXPECT_EQ(folder.run(with_elastic_plastic_pipe()), -400);
  const std::vector<std::string> report = folder.report();
  EXPECT_TRUE(contains_line(report, "1 LRFD load combinations have failed."));
  EXPECT_TRUE(contains_line(report, "LRFD Load Case No. 1"));
  EXPECT_TRUE(contains_line(report, "**** Warning - Failure for One or More LRFD Load Cases ****"));
  EXPECT_EQ(count_lines_starting(report, "The following warning was reported "), 1);
}

// The same run with the pile-head stiffness matrix (method 0, one point: the loads of the
// reference) and a one-step pushover after the combinations: the stiffness case is pushed by
// combination 1's factored shear, V_1 = cos 5 * 10750 + sin 5 * 195000 = 27704.46 lb, and the
// warning of the failed combination survives the analyses that clear the warning counts.
TEST(LrfdRuns, StiffnessRefersToCombinationOneAndTheFailureWarningSurvives) {
  std::string input = with_elastic_plastic_pipe();
  input.replace(input.find("ComputeKmatrix NO"), 17, "ComputeKmatrix YES");
  input.replace(input.find("ComputePushover NO"), 18, "ComputePushover YES");
  input.replace(input.rfind("END"), 3,
                "FOUNDATION STIFFNESS\n0\n1\n0\n"
                "PILE PUSHOVER ANALYSIS DATA\n0\n2\n1\n0.1\n0.0\nEND");
  RunFolder folder;
  EXPECT_EQ(folder.run(input), -400);
  std::vector<double> line15;
  for (const std::string& record : folder.plot()) {
    if (record.find("Line 15: ") != std::string::npos) {
      line15.push_back(std::stod(record.substr(0, 15)));
    }
  }
  ASSERT_EQ(line15.size(), 1u);
  EXPECT_NEAR(line15[0], 27704.46, 0.01);
  EXPECT_TRUE(contains_line(folder.report(),
                            "**** Warning - Failure for One or More LRFD Load Cases ****"));
}

}  // namespace
}  // namespace torva::testing
