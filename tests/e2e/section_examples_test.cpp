// The section analysis examples run whole: a drilled shaft and a prestressed pile in full
// analyses, and one section of every computed kind in a bending-properties run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace torva::testing {
namespace {

namespace fs = std::filesystem;

constexpr double kPi = 3.141592653589793;

std::string example(const char* name) {
  return read_text(fs::path(TORVA_EXAMPLES_DIR) / name);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(SectionExamples, CrackedDrilledShaftDeflectsMoreThanAtItsUncrackedStiffness) {
  RunFolder shaft;
  ASSERT_EQ(shaft.run(example("drilled_shaft_us.tp7")), 0);
  const Engine& engine = shaft.engine();
  ASSERT_EQ(engine.thrusts.count, 2);
  for (int j = 1; j <= 2; ++j) {
    EXPECT_GT(engine.moment_curvature.curve(1, j).n_p, 100);
    EXPECT_TRUE(fs::exists(shaft.file(j == 1 ? "mc-0001.txt" : "mc-0002.txt")));
  }

  // The same pile as an elastic pile of the first stiffness of the curve for 200 kips, under
  // load case 1 alone.
  const double EI = engine.moment_curvature.curve(1, 1).EI(1) * 1000.0;  // lb-in^2
  // (A circular elastic section takes its moment of inertia from its diameter.)
  const double I = kPi * std::pow(36.0, 4) / 64.0, E = EI / I, area = kPi * 18.0 * 18.0;
  const std::string elastic_section =
      "1\n1\n11\n60.0\n2\n" + std::to_string(E) + "\n36\n36\n" + std::to_string(area) + "\n" +
      std::to_string(area) + "\n" + std::to_string(I) + "\n" + std::to_string(I) + "\n";
  std::string input = example("drilled_shaft_us.tp7");
  const std::size_t from = input.find("SECTIONS\n") + 9, to = input.find("SOIL LAYERS");
  input.replace(from, to - from, elastic_section);
  input = replaced(input, "LOADING\n2\n", "LOADING\n1\n");
  input = replaced(input, "2 1 60000.0 0.0 500000.0 1\n", "");
  RunFolder elastic;
  ASSERT_EQ(elastic.run(input), 0);

  // Case 1 of the shaft against the elastic pile: the shaft's nodes hold case 2 now, so compare
  // the head results, and the deflected shapes of a rerun of case 1 alone.
  RunFolder shaft_case_1;
  std::string only_case_1 = replaced(example("drilled_shaft_us.tp7"), "LOADING\n2\n", "LOADING\n1\n");
  only_case_1 = replaced(only_case_1, "2 1 60000.0 0.0 500000.0 1\n", "");
  ASSERT_EQ(shaft_case_1.run(only_case_1), 0);
  const LoadCaseResult& cracked = shaft_case_1.engine().results.cases[1];
  const LoadCaseResult& uncracked = elastic.engine().results.cases[1];
  ASSERT_GT(uncracked.head_deflection, 0.0);
  // Softer where the moment cracks it, the shaft deflects and turns more at its head.
  EXPECT_GT(cracked.head_deflection, 1.05 * uncracked.head_deflection);
  EXPECT_GT(std::fabs(cracked.head_slope), std::fabs(uncracked.head_slope));
  // No node is stiffer than the first point of the curve; where the moment is largest the
  // shaft has cracked.
  const NodeTable& nodes = shaft_case_1.engine().nodes;
  double softest = EI;
  for (int i = 1; i <= nodes.N; ++i) {
    EXPECT_LE(nodes.EI[i], EI * (1.0 + 1e-9)) << "node " << i;
    softest = std::min(softest, nodes.EI[i]);
  }
  EXPECT_LT(softest, 0.9 * EI);
  EXPECT_NEAR(shaft_case_1.engine().results.cases[1].head_deflection,
              shaft.engine().results.cases[1].head_deflection, 1e-9);
}

TEST(SectionExamples, PrestressedPileInSIUnits) {
  RunFolder folder;
  ASSERT_EQ(folder.run(example("prestressed_pile_si.tp7")), 0);
  const Engine& engine = folder.engine();
  ASSERT_EQ(engine.thrusts.count, 2);
  EXPECT_EQ(engine.thrusts.T[1], 300.0);  // kN
  for (int j = 1; j <= 2; ++j) {
    const MomentCurvatureCurve& curve = engine.moment_curvature.curve(1, j);
    EXPECT_GT(curve.n_p, 100);
    EXPECT_GT(curve.M_n, 0.0);  // kN-m
    EXPECT_TRUE(engine.results.cases[j].computed);
  }
  // More compression, more capacity.
  EXPECT_GT(engine.moment_curvature.curve(1, 2).M_n, engine.moment_curvature.curve(1, 1).M_n);
}

TEST(SectionExamples, EverySectionKindOfABendingPropertiesRun) {
  RunFolder folder;
  const int code = folder.run(example("section_types_ei_only.tp7"));
  EXPECT_LE(code, 0);
  const Engine& engine = folder.engine();
  ASSERT_EQ(engine.sections.count, 11);
  ASSERT_EQ(engine.thrusts.count, 2);
  for (int a = 1; a <= 11; ++a) {
    const int type = engine.sections.table[a - 1].type;
    for (int j = 1; j <= 2; ++j) {
      const MomentCurvatureCurve& curve = engine.moment_curvature.curve(a, j);
      EXPECT_GT(curve.n_p, 100) << "section " << a << ", thrust " << j;
      // Files are written for the sliced sections only, entry 2 (a - 1) + j.
      char name[32];
      std::snprintf(name, sizeof name, "mc-%04d.txt", 2 * (a - 1) + j);
      EXPECT_EQ(fs::exists(folder.file(name)), type <= kOctagonalHollowPrestressed)
          << "section " << a;
    }
  }
  EXPECT_EQ(engine.moment_curvature.curve(10, 1).n_p, 150);  // elastic-plastic
  EXPECT_EQ(engine.moment_curvature.curve(11, 1).n_p, 148);  // 4 points refined
  EXPECT_EQ(engine.moment_curvature.curve(11, 2).M_n, 7.0e6);
}

}  // namespace
}  // namespace torva::testing
