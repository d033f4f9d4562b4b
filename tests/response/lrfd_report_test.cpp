// The LRFD report texts: the echo of the combinations and factored loads, and the table of
// LRFD performance with its verdicts, counts and warning.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine/run_sequence.h"
#include "response/lrfd.h"
#include "response/lrfd_fixture.h"
#include "response/results_fixture.h"

namespace torva::testing {
namespace {

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// The lines that follow the first line equal to `first`, `count` of them with it.
std::vector<std::string> block_from(const std::vector<std::string>& lines, const std::string& first,
                                    std::size_t count) {
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (lines[k] != first) continue;
    const std::size_t end = std::min(lines.size(), k + count);
    return {lines.begin() + static_cast<std::ptrdiff_t>(k),
            lines.begin() + static_cast<std::ptrdiff_t>(end)};
  }
  ADD_FAILURE() << "no line " << first;
  return {};
}

class LrfdEcho : public ResultsFixture {
 protected:
  std::vector<std::string> echo(int units, double batter) {
    set_units(units);
    engine().options.UseLRFD = true;
    engine().options.i_Analysis_Type = kFullAnalysis;
    engine().lrfd = four_types();
    engine().inclination.batter = batter;
    write_lrfd_echo(engine());
    return report();
  }
};

TEST_F(LrfdEcho, FactoredLoadsOfOneCombinationLineByLine) {
  const std::vector<std::string> lines = echo(kUnitsUS, 0.0);
  EXPECT_EQ(block_from(lines, "Factored Load Combination No. 3", 9),
            (std::vector<std::string>{
                "Factored Load Combination No. 3",
                std::string(33, '-'),
                "Load Combination Name = Extreme Event",
                "Structural Resistance Factor for Flexure = 0.900",
                "Structural Resistance Factor for Shear   = 0.900",
                // The negative wind factor has no term.
                "Factored Load =  1.00*DL + 0.50*LL + 1.00*EQ",
                "Factored Horizontal Force = " + blanks(17) + "6400.00 lbs",
                "Factored Vertical Force   = " + blanks(15) + "145000.00 lbs",
                "Factored Moment           = " + blanks(15) + "145000.00 in-lbs",
            }));
  // Factors of 0 or less print as "--".
  std::string factors = "  3    1.00   0.50   1.00";
  for (int k = 4; k <= 13; ++k) factors += "    -- ";
  EXPECT_TRUE(contains_line(lines, factors + "   0.90   0.90   Extreme Event"));
  EXPECT_TRUE(contains_line(lines, "Dead Loads   (DL)" + blanks(17) + "1500.00" + blanks(16) +
                                       "15000.00" + blanks(15) + "140000.00" + blanks(11) + "2"));
  EXPECT_TRUE(contains_line(lines, "   2    Dead Load   (DL)" + blanks(13) + "500.00" +
                                       blanks(11) + "-5000.00" + blanks(11) + "40000.00" +
                                       blanks(10) + "0"));
  EXPECT_EQ(block_from(lines, "Totals of Factored Loads by Load Combination:", 6)[5],
            "        3" + blanks(7) + blanks(12) + "6400.00" + blanks(10) + "145000.00" +
                blanks(10) + "145000.00   Extreme Event");
  // A vertical pile has no batter block; the thrusts are sorted, in pounds.
  EXPECT_FALSE(contains_line(lines, "Transformation Matrix and Equations:"));
  EXPECT_EQ(block_from(lines, "Number of Unique Axial Thrust Values = 3", 6),
            (std::vector<std::string>{"Number of Unique Axial Thrust Values = 3",
                                      "Number   Factored Axial Thrust",
                                      "------   ---------------------", "   1      126000.000",
                                      "   2      145000.000", "   3      227500.000"}));
}

TEST_F(LrfdEcho, BatteredPileInSIUnits) {
  const std::vector<std::string> lines = echo(kUnitsSI, 5.0 * 3.141592653589793 / 180.0);
  EXPECT_TRUE(contains_line(lines, "Factored Moment           = " + blanks(15) + "145000.00 kN-m"));
  EXPECT_TRUE(contains_line(
      lines,
      "Group         Type                kN                kN-m                kN          "
      "Distrib. Lds. "));
  EXPECT_TRUE(contains_line(
      lines,
      "      Type                     Kn                     Kn-M                     kN         "
      "         Loads   "));
  EXPECT_EQ(block_from(lines, "Factored Loads Transformed for Pile Batter by Load Combination:", 6),
            (std::vector<std::string>{
                "Factored Loads Transformed for Pile Batter by Load Combination:",
                "using the following:", "Pile PileBatter =   5.000 degrees",
                "Transformation Matrix and Equations:",
                "   T(1,1) =  Cos(PileBatter) =   0.9962   T(1,2) = Sin(PileBatter) =   0.0872",
                "   T(2,1) = -Sin(PileBatter) =  -0.0872   T(2,2) = Cos(PileBatter) =   0.9962"}));
  // Combination 3: V = cos 5 * 6400 + sin 5 * 145000, Q = -sin 5 * 6400 + cos 5 * 145000.
  const std::vector<std::string> table =
      block_from(lines, "   Shear Force = T(1,1) * Horiz. Force + T(1,2) * Vertical Force", 7);
  ASSERT_EQ(table.size(), 7u);
  EXPECT_EQ(table[6], "        3" + blanks(7) + blanks(11) + "19013.23" + blanks(10) +
                          "145000.00" + blanks(10) + "143890.43   Extreme Event");
}

// A free-head elastic pile of one or more sections on a constant soil modulus, solved for the
// combinations of a test, with the report of the performance table.
class LrfdTable : public ResultsFixture {
 protected:
  static constexpr double kLength = 600.0;  // in
  static constexpr double kEI = 1.0e10;     // lb-in^2
  static constexpr double kEs = 1000.0;     // lb/in^2

  void SetUp() override {
    ResultsFixture::SetUp();
    engine().options.UseLRFD = true;
    engine().options.i_Analysis_Type = kFullAnalysis;
    engine().sections.pile_length = kLength;
    cross_section_.properties = SectionProperties{24.0, kEI / 29.0e6, 20.0, kEI};
  }

  // One combination per shear, all under the dead load factor 1 (phi 0.9).
  void define_combinations(std::initializer_list<double> shears) {
    LrfdInput& input = engine().lrfd;
    input.group_count = 0;
    input.combination_count = 0;
    for (double V : shears) {
      const int j = ++input.combination_count;
      input.groups[++input.group_count] = group(j, V, 0.0, 0.0);
      LrfdCombination c = combination(0.0, 0.0, 0.0, 0.0, "");
      c.factors[j] = 1.0;
      c.name = "Case " + std::to_string(j);
      input.combinations[j] = c;
    }
    prepare_factored_loads(engine());
  }

  void solve_all(int increments = 100) {
    for (int j = 1; j <= engine().lrfd.combination_count; ++j) {
      make_pile(increments, kLength, kEI, kEs);
      for (int i = 1; i <= nodes().N; ++i) nodes().section[i] = section_of(nodes().x[i]);
      const HeadCondition head = combination_head_condition(engine(), j);
      solve(head.condition, head.first, head.second, head.Q);
      results(j);
    }
    report();
  }

  std::vector<std::string> table() {
    write_lrfd_performance_table(engine());
    return report();
  }

  // The rows of the table, after its rule.
  static std::vector<std::string> rows(const std::vector<std::string>& lines) {
    std::vector<std::string> found;
    std::size_t k = 0;
    while (k < lines.size() && lines[k].rfind("----   -------", 0) != 0) ++k;
    for (++k; k < lines.size() && !lines[k].empty(); ++k) found.push_back(lines[k]);
    return found;
  }

  // The section of a node at x: the first whose bottom is at or below it, so that a node on a
  // boundary belongs to the upper section.
  int section_of(double x) const {
    for (int s = 1; s <= section_count_; ++s) {
      if (x <= bottoms_[static_cast<std::size_t>(s - 1)]) return s;
    }
    return section_count_;
  }

  // Sections stacked from the head down, each given by its type and bottom depth (in).
  void define_sections(std::initializer_list<std::pair<int, double>> type_and_bottom) {
    section_count_ = 0;
    double top = 0.0;
    for (const auto& [type, bottom] : type_and_bottom) {
      PileSection& section = engine().sections.table[static_cast<std::size_t>(section_count_)];
      section.type = type;
      section.top = top;
      section.bottom = bottom;
      bottoms_[static_cast<std::size_t>(section_count_)] = bottom;
      top = bottom;
      ++section_count_;
    }
    engine().sections.count = section_count_;
  }

  static double field(const std::string& row, std::size_t from, std::size_t width) {
    return std::stod(row.substr(from, width));
  }

  std::array<double, kMaxSections> bottoms_{};
  int section_count_ = 1;
};

// Where the fields of a row begin (0-based): the factor at 14, the capacity at 30, the moment
// at 43, the fraction at 56, the verdict at 69, the shear at 82, the name at 121.
constexpr std::size_t kCapacity = 30, kMoment = 43, kFraction = 56, kVerdict = 69, kShear = 82,
                      kName = 121;

TEST_F(LrfdTable, ElasticPilesPassWithoutACapacity) {
  define_sections({{kElasticPile, kLength}});
  define_combinations({10000.0, 20000.0});
  solve_all();
  const std::vector<std::string> lines = table();
  const std::vector<std::string> found = rows(lines);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].substr(0, 24), "  1 " + blanks(6) + "1" + blanks(3) + "     0.900");
  EXPECT_EQ(found[0].substr(24, 16), blanks(6) + " Infinite ");
  EXPECT_EQ(found[0].substr(kFraction, 26), "    N/A   " + blanks(3) + "    N/A      ");
  EXPECT_EQ(found[1].substr(kName), "Case 2");
  EXPECT_NEAR(field(found[1], kMoment, 10), std::fabs(engine().results.cases[2].max_moment), 1.0);
  EXPECT_NEAR(field(found[1], kShear, 10), 20000.0, 0.5);
  EXPECT_EQ(block_from(lines, "All LRFD load combinations have passed for all pile sections.", 6),
            (std::vector<std::string>{
                "All LRFD load combinations have passed for all pile sections.", "", "",
                "The load case and pile section with the greatest level of developed moment "
                "capacity is:",
                "LRFD Load Case No. 0", "Pile Section No.   0"}));
  EXPECT_EQ(engine().warnings.WarningCount[400], 0);
}

TEST_F(LrfdTable, CircularElasticPlasticPileAgainstItsPlasticMomentAtTheNode) {
  define_sections({{kElasticPlastic, kLength}});
  engine().sections.table[0].shape = kShapeCircular;
  // The plastic moment varies from 4e6 in-lb at the head to 2e6 in-lb at the tip.
  engine().sections.table[0].elastic.top_plastic_moment = 4.0e6;
  engine().sections.table[0].elastic.bottom_plastic_moment = 2.0e6;
  make_pile(200, kLength, kEI, kEs);
  define_combinations({20000.0});
  solve_all(200);
  const std::vector<std::string> found = rows(table());
  ASSERT_EQ(found.size(), 1u);

  const int node = engine().results.section_maxima[1][1].moment_node;
  const double x = (node - 1) * kLength / 200.0;
  const double capacity = 0.9 * (4.0e6 - 2.0e6 * x / kLength);
  const double lambda = std::pow(kEs / (4.0 * kEI), 0.25);
  const double M = 0.3224 * 20000.0 / lambda;  // free head on an elastic subgrade
  EXPECT_NEAR(field(found[0], kCapacity, 10), capacity, 0.5);
  EXPECT_NEAR(field(found[0], kMoment, 10), M, 3e-3 * M);
  EXPECT_NEAR(field(found[0], kFraction, 10), M / capacity, 3e-3 * M / capacity);
  EXPECT_EQ(found[0].substr(kVerdict, 13), "   Pass      ");
  // The largest moment lies where lambda x = pi/4.
  EXPECT_NEAR(x, 3.141592653589793 / 4.0 / lambda, 3.0);
}

TEST_F(LrfdTable, FailureCountWarningAndTrackedPair) {
  define_sections({{kDrilledShaft, kLength}});
  engine().moment_curvature.curve(1, 1).M_n = 5.0e5 / 0.9;
  define_combinations({10000.0, 40000.0});  // about 2.6e5 and 1.0e6 in-lb against 5e5
  solve_all();
  const std::vector<std::string> lines = table();
  const std::vector<std::string> found = rows(lines);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].substr(kVerdict, 13), "   Pass      ");
  EXPECT_EQ(found[1].substr(kVerdict, 13), " > FAIL <    ");
  EXPECT_NEAR(field(found[1], kCapacity, 10), 5.0e5, 0.5);
  EXPECT_TRUE(contains_block(lines, {"", "1 LRFD load combinations have failed.", "", "",
                                     "The load case and pile section with the greatest level of "
                                     "developed moment capacity is:",
                                     "LRFD Load Case No. 2", "Pile Section No.   1", ""}));
  EXPECT_EQ(engine().warnings.WarningCount[400], 1);
  WarningSummary(engine());
  EXPECT_EQ(result_code(engine(), true), -400);
  const std::vector<std::string> summary = report();
  EXPECT_TRUE(contains_line(summary, "**** Warning - Failure for One or More LRFD Load Cases ****"));
}

// An H-pile of elastic-plastic type, an input moment-curvature section (US: table moments in
// in-kips), a section that holds no node and one of no capacity.
TEST_F(LrfdTable, HPileInputCurveEmptySectionAndNoCapacityRows) {
  define_sections({{kElasticPlastic, 200.0},
                   {kUserDefinedEI, 300.0},
                   {kDrilledShaft, 302.0},
                   {kDrilledShaft, kLength}});
  engine().sections.table[0].shape = kShapeStrongHPile;
  make_pile(100, kLength, kEI, kEs);
  engine().sections.table[0].elastic.top_plastic_moment = 3.0e6;
  engine().sections.table[0].elastic.bottom_plastic_moment = 3.0e6;
  MomentCurvatureCurve& curve = engine().moment_curvature.curve(2, 1);
  curve.n_p = 3;
  curve.M(1) = 100.0;
  curve.M(2) = 2500.0;  // the largest moment: 2.5e6 in-lb
  curve.M(3) = 2400.0;
  engine().moment_curvature.curve(3, 1).M_n = 5.0e6;
  engine().moment_curvature.curve(4, 1).M_n = 0.0;
  define_combinations({20000.0});
  solve_all();
  const std::vector<std::string> lines = table();
  const std::vector<std::string> found = rows(lines);
  ASSERT_EQ(found.size(), 4u);

  const auto& maxima = engine().results.section_maxima[1];
  EXPECT_NEAR(field(found[0], kCapacity, 10), 0.9 * 3.0e6, 0.5);
  EXPECT_NEAR(field(found[0], kFraction, 10), std::fabs(maxima[1].moment) / 2.7e6, 1e-4);
  EXPECT_EQ(found[0].substr(kVerdict, 13), "   Pass      ");

  EXPECT_NEAR(field(found[1], kCapacity, 10), 0.9 * 2.5e6, 0.5);
  EXPECT_NEAR(field(found[1], kFraction, 10), std::fabs(maxima[2].moment) / 2.25e6, 1e-4);

  // No node lies in (300, 302]: the capacity is known, the rest is not applicable.
  EXPECT_EQ(maxima[3].moment_node, 0);
  EXPECT_NEAR(field(found[2], kCapacity, 10), 4.5e6, 0.5);
  EXPECT_EQ(found[2].substr(kFraction, 26), "    N/A   " + blanks(3) + "    N/A      ");

  // A capacity of 0 fails wherever the section bends, and has no fraction.
  EXPECT_EQ(found[3].substr(kFraction, 26), "    N/A   " + blanks(3) + " > FAIL <    ");
  EXPECT_TRUE(contains_line(lines, "1 LRFD load combinations have failed."));

  // The least remaining capacity of the sections that count.
  const double remaining1 = 1.0 - std::fabs(maxima[1].moment) / 2.7e6;
  const double remaining2 = 1.0 - std::fabs(maxima[2].moment) / 2.25e6;
  EXPECT_TRUE(contains_line(lines, "Pile Section No.   " + std::string(remaining2 <= remaining1 ? "2" : "1")));
}

}  // namespace
}  // namespace torva::testing
