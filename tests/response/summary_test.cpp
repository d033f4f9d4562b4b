// The summary of pile responses after the last load case and its Line 13 plot records.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "response/results_fixture.h"

namespace torva::testing {
namespace {

class Summary : public ResultsFixture {
 protected:
  // Solves and reports load case j under the given conditions on a 50 ft pile; returns the
  // Line 10 records of the case.
  std::vector<NodeRecord> load_case(int j, int condition, double first, double second, double Q) {
    make_pile(100, 600.0, 1.0e10, 1000.0);
    solve(condition, first, second, Q);
    results(j);
    return line10_records(plot());
  }

  // The summary block, from its first rule on.
  std::vector<std::string> summary() {
    report();  // drop what the load cases wrote
    report_pile_response_summary(engine());
    return report();
  }
};

const std::string kRule =
    "----  ----  --------------  --------------  -------------  -------------  -------------  "
    "-------------  -------------";

std::vector<std::string> tail(const std::vector<std::string>& lines, std::size_t from) {
  return {lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end()};
}

TEST_F(Summary, USCustomaryTableOfTwoLoadCases) {
  engine().loading.count = 3;  // the third case has no result: no row
  const std::vector<NodeRecord> first = load_case(1, 1, 10000.0, 500000.0, 100000.0);
  const std::vector<NodeRecord> second = load_case(2, 5, 0.25, -0.004, 0.0);
  const std::vector<std::string> lines = summary();
  const std::string rule80(80, '-');

  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 20),
            (std::vector<std::string>{
                "", "", "", rule80, "                           Summary of Pile Response(s)",
                rule80, "", "Definitions of Pile-head Loading Conditions:", "",
                "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs",
                "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians",
                "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian",
                "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs",
                "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians", "",
                "               Pile-head      Pile-head                                      "
                "Maximum        Maximum                  ",
                "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Moment "
                "         Shear        Pile-head  ",
                "Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       in "
                "Pile        in Pile       Rotation   ",
                " No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs "
                "          lbs          radians   ",
                kRule}));

  // Every value ends where its group of the rule ends (the case and type numbers stand inside
  // their groups).
  const std::string& row1 = lines[20];
  const std::string& row2 = lines[21];
  for (const std::string* row : {&row1, &row2}) {
    ASSERT_EQ(row->size(), kRule.size());
    for (std::size_t k = 12; k < kRule.size(); ++k) {
      if (kRule[k] == '-' && (k + 1 == kRule.size() || kRule[k + 1] == ' ')) {
        EXPECT_NE((*row)[k], ' ') << *row << " column " << k + 1;
      }
    }
  }
  EXPECT_EQ(row1.substr(0, 15), "  1     1   V =");
  EXPECT_EQ(row1.substr(26, 5), "  M =");
  EXPECT_EQ(std::stod(row1.substr(15, 11)), 10000.0);
  EXPECT_EQ(std::stod(row1.substr(31, 11)), 500000.0);
  EXPECT_EQ(std::stod(row1.substr(42, 15)), 100000.0);
  EXPECT_NEAR(std::stod(row1.substr(57, 15)), first[0].y, 1e-7);
  double largest = 0.0;
  for (const NodeRecord& r : first) largest = std::fabs(r.M) > std::fabs(largest) ? r.M : largest;
  EXPECT_NEAR(std::stod(row1.substr(72, 15)), largest, 1.0);
  EXPECT_NEAR(std::stod(row1.substr(91, 11)), 10000.0, 1e-3);

  // Condition 5: the specified deflection and slope in the condition columns, the computed
  // head rotation in the last one.
  EXPECT_EQ(row2.substr(0, 15), "  2     5   y =");
  EXPECT_EQ(row2.substr(26, 5), "  S =");
  EXPECT_EQ(std::stod(row2.substr(15, 11)), 0.25);
  EXPECT_EQ(std::stod(row2.substr(31, 11)), -0.004);
  const double rotation = std::stod(row2.substr(102));
  EXPECT_NE(rotation, -0.004);
  EXPECT_NEAR(rotation, -0.004, 1e-4);

  // One Line 13 per load case: head shear, deflection, largest moment and shear, rotation.
  const std::vector<std::string> plot = this->plot();
  ASSERT_EQ(plot.size(), 3u);
  EXPECT_EQ(plot[0].substr(75),
            std::string(29, ' ') +
                "Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)");
  const auto field = [&](std::size_t line, int k) {
    return std::stod(plot[line].substr(static_cast<std::size_t>(15 * k), 15));
  };
  EXPECT_EQ(field(0, 0), 10000.0);
  EXPECT_EQ(field(0, 1), first[0].y);
  // Under condition 5 the head shear is the computed one.
  EXPECT_EQ(field(1, 0), second[0].V);
  EXPECT_EQ(field(1, 1), 0.25);
  EXPECT_NEAR(field(1, 4), rotation, 1e-8);
  EXPECT_EQ(field(2, 0), 0.0);
}

TEST_F(Summary, SIHeads) {
  struct Case {
    int units;
    std::vector<std::string> definitions;
    std::vector<std::string> heads;  // the last two head lines
  };
  const Case cases[] = {
      {kUnitsSI,
       {"Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ",
        "Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians",
        "Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian",
        "Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m",
        "Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians"},
       {"Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       in Pile    "
        "    in Pile       Rotation   ",
        " No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m      "
        "      kN           radians   "}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.units);
    set_units(c.units);
    engine().loading.count = 1;
    make_pile(50, 20.0, 5.0e5, 5000.0);
    solve(3, 100.0, 2.0e4, 0.0);
    results(1);
    plot();
    const std::vector<std::string> lines = summary();
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 9, lines.begin() + 14), c.definitions);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 17, lines.begin() + 19), c.heads);
    EXPECT_EQ(lines[19], kRule);
    EXPECT_EQ(lines[20].substr(0, 15), "  1     3   V =");
    EXPECT_EQ(lines[20].substr(26, 5), "  R =");
    EXPECT_EQ(lines[20].size(), kRule.size());
    EXPECT_EQ(this->plot()[0].substr(104),
              "Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)");
  }
}

// General units have no unit words for the definitions and column heads: the rule follows the
// title block.
TEST_F(Summary, GeneralUnitsWriteNoDefinitionsAndNoHeads) {
  set_units(kUnitsGeneral);
  engine().loading.count = 1;
  make_pile(50, 20.0, 5.0e5, 5000.0);
  solve(3, 100.0, 2.0e4, 0.0);
  results(1);
  plot();
  const std::vector<std::string> lines = summary();
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[4], std::string(27, ' ') + "Summary of Pile Response(s)");
  EXPECT_EQ(lines[7], kRule);
  EXPECT_EQ(lines[8].substr(0, 15), "  1     3   V =");
}

TEST_F(Summary, LRFDRunsPrintTheFactoredLoadsAsTypeOneWithoutDefinitions) {
  engine().options.UseLRFD = true;
  engine().lrfd.combination_count = 1;
  engine().loading.count = 0;
  load_case(1, 1, 12000.0, 300000.0, 50000.0);
  std::vector<std::string> lines = summary();
  ASSERT_GT(lines.size(), 13u);
  EXPECT_EQ(lines[15], std::string(80, '-'));  // the LRFD performance table follows the rows
  lines.resize(13);
  EXPECT_EQ(tail(lines, 7),
            (std::vector<std::string>{
                "                                                                              "
                "Maximum       Maximum                  ",
                "Load  Load      Pile-head     Pile-head         Axial        Pile-head        "
                "Moment         Shear        Pile-Head  ",
                "Case  Type        Shear         Moment           Load        Deflection       in "
                "Pile       in Pile       Rotation   ",
                " No.   No.         lbs          in-lbs           lbs          inches          "
                "in-lbs          lbs          radians   ",
                kRule, lines[12]}));
  EXPECT_EQ(lines[12].substr(0, 15), "  1     1   V =");
  EXPECT_EQ(std::stod(lines[12].substr(15, 11)), 12000.0);
  EXPECT_EQ(std::stod(lines[12].substr(31, 11)), 300000.0);
  EXPECT_EQ(std::stod(lines[12].substr(42, 15)), 50000.0);
  EXPECT_EQ(plot().size(), 1u);
}

TEST_F(Summary, NoLoadCasesStillWritesTheHeads) {
  engine().loading.count = 0;
  const std::vector<std::string> lines = summary();
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines.back(), kRule);
  EXPECT_TRUE(plot().empty());
}

}  // namespace
}  // namespace torva::testing
