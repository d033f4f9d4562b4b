// The SOIL MOVEMENTS, GROUP EFFECT FACTORS, PILE BATTER AND SLOPE and TIP SHEAR sections read
// through whole runs.
#include <gtest/gtest.h>

#include <string>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

std::string movement_points(int count) {
  std::string text = "SOIL MOVEMENTS\n" + std::to_string(count) + "\n";
  for (int k = 1; k <= count; ++k) {
    text += std::to_string(k) + " " + std::to_string(k - 1) + " " + std::to_string(100 - k) + "\n";
  }
  return text;
}

TEST(SoilMovements, TakeTwoToOneHundredPoints) {
  for (int count : {1, 2, 100, 101}) {
    SCOPED_TRACE(count);
    RunFolder folder;
    const int code = folder.run(input_file({.units = "Units SI", .soil_movement = true},
                                           one_soft_clay_layer() + movement_points(count)));
    const SoilMovement& movement = folder.engine().soil_movement;
    if (count == 2 || count == 100) {
      ASSERT_EQ(code, 0);
      ASSERT_EQ(movement.count, count);
      EXPECT_EQ(movement.depth[count], count - 1.0);
      // SI movements are given in millimetres and kept in metres.
      EXPECT_DOUBLE_EQ(movement.movement[count], (100.0 - count) / 1000.0);
      continue;
    }
    EXPECT_EQ(code, 153);
    EXPECT_EQ(movement.count, 0);
    const std::vector<std::string> text = {
        "**** Input Data Error No. 53 ****", "",
        "Number of lines specified for soil movement data = " + std::to_string(count),
        "The number of lines of soil movement data cannot be less than 2 or exceed 100.", ""};
    EXPECT_TRUE(contains_block(folder.messages(), text));
    EXPECT_TRUE(contains_block(folder.report(), text));
  }
}

TEST(SoilMovements, SiMovementOf25MillimetresIsStoredAsMetres) {
  RunFolder folder;
  ASSERT_EQ(folder.run(input_file({.units = "Units SI", .soil_movement = true},
                                  one_soft_clay_layer() + "SOIL MOVEMENTS\n2\n1 0 25\n2 3.5 0\n")),
            0);
  EXPECT_EQ(folder.engine().soil_movement.movement[1], 0.025);
  EXPECT_EQ(folder.engine().soil_movement.depth[2], 3.5);
  EXPECT_TRUE(contains_line(folder.messages(), "Reading soil movement data"));
}

TEST(SoilMovements, AreNotReadWithoutTheOption) {
  RunFolder folder;
  EXPECT_EQ(folder.run(input_file({}, one_soft_clay_layer() + movement_points(2))), 199);
  EXPECT_TRUE(contains_line(folder.report(), "2" + std::string(255, ' ')));
}

const std::string kGroupRows = "3\n1 0 0.8 1\n2 20 0.8 1.5\n3 40 1 1\n";

TEST(GroupEffectFactors, BothKeywordsReadTheTable) {
  for (const char* keyword : {"GROUP EFFECT FACTORS\n", "GROUPEFF\n"}) {
    SCOPED_TRACE(keyword);
    RunFolder folder;
    ASSERT_EQ(folder.run(input_file({.units = "Units SI", .py_modifiers = true},
                                    one_soft_clay_layer() + keyword + kGroupRows)),
              0);
    const GroupFactorTable& table = folder.engine().group_factors;
    ASSERT_EQ(table.count, 3);
    EXPECT_EQ(table.depth[2], 20.0);
    EXPECT_EQ(table.p_multiplier[2], 0.8);
    EXPECT_EQ(table.y_multiplier[2], 1.5);
    EXPECT_TRUE(contains_line(folder.messages(), "Reading p-y multiplier data"));
  }
}

TEST(GroupEffectFactors, TableBeforeTheOptionsKeepsItsRows) {
  RunFolder folder;
  const std::string file =
      "TORVAP7\nGROUPEFF\n" + kGroupRows + options_for({}) + smallest_model() + "END\n";
  ASSERT_EQ(folder.run(file), 0);
  EXPECT_EQ(folder.engine().group_factors.count, 3);
}

TEST(GroupEffectFactors, RejectsMissingAndImpossibleFactors) {
  struct Case {
    const char* name;
    bool option;
    std::string section;
    const char* problem;
  };
  const Case cases[] = {
      {"requested without a table", true, "",
       "Problem: The options ask for p-y modification factors for group action, but the file "
       "has no GROUP EFFECT FACTORS section."},
      {"requested with no rows", true, "GROUPEFF\n0\n",
       "Problem: The options ask for p-y modification factors for group action, but the group "
       "effect section gives no rows."},
      {"81 rows", false, "GROUPEFF\n81\n",
       "Problem: The group effect section gives 81 rows of p-y modification factors (line 27)."},
      {"y-multiplier 0", false, "GROUPEFF\n2\n1 0 1 1\n2 10 1 0\n",
       "Problem: Row 2 of the p-y modification factors (line 29) has the p-multiplier 1 and the "
       "y-multiplier 0."},
      {"negative p-multiplier", false, "GROUPEFF\n1\n1 0 -0.5 1\n",
       "Problem: Row 1 of the p-y modification factors (line 28) has the p-multiplier -0.5 and "
       "the y-multiplier 1."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunFolder folder;
    EXPECT_EQ(folder.run(input_file({.py_modifiers = c.option}, one_soft_clay_layer() + c.section)),
              187);
    EXPECT_TRUE(contains_line(folder.messages(), c.problem))
        << read_text(folder.file("messages.txt"));
  }
}

TEST(GroupEffectFactors, ZeroPMultiplierIsAccepted) {
  RunFolder folder;
  EXPECT_EQ(folder.run(input_file({}, one_soft_clay_layer() + "GROUPEFF\n1\n1 0 0 1\n")), 0);
}

TEST(PileBatterAndSlope, AnglesAreStoredInRadians) {
  RunFolder folder;
  ASSERT_EQ(folder.run(input_file({}, one_soft_clay_layer() + "PILE BATTER AND SLOPE\n10\n5\n")),
            0);
  const PileInclination& angles = folder.engine().inclination;
  EXPECT_EQ(angles.ground_slope, 0.17453292519943295);
  EXPECT_EQ(angles.batter, 0.08726646259971647);
  EXPECT_EQ(angles.slope_minus_batter, 0.08726646259971647);
  EXPECT_TRUE(contains_line(folder.messages(), "Reading pile batter and ground slope angles"));
}

TEST(TipShear, StoresTheCurveUpToItsCapacity) {
  RunFolder folder;
  ASSERT_EQ(folder.run(input_file({.tip_shear = true}, one_soft_clay_layer() +
                                                           "TIP SHEAR\n3\n1 0 0\n2 0.1 2000\n"
                                                           "3 0.5 5000\n")),
            0);
  const TipShearCurve& curve = folder.engine().tip_shear;
  ASSERT_EQ(curve.count, 3);
  EXPECT_EQ(curve.deflection[2], 0.1);
  EXPECT_EQ(curve.shear[3], 5000.0);
  EXPECT_TRUE(contains_line(folder.messages(), "Reading tip shear data"));

  RunFolder too_many;
  EXPECT_EQ(
      too_many.run(input_file({.tip_shear = true}, one_soft_clay_layer() + "TIP SHEAR\n101\n")),
      189);
  EXPECT_TRUE(contains_line(too_many.messages(),
                            "Problem: The input asks for 101 tip shear points (line 27); at most "
                            "100 are allowed."));
}

}  // namespace
}  // namespace torva::testing
