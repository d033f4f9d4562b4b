// The LRFD FACTORS AND CASES and LRFD LOADS sections read through whole runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

const Switches kLrfd{.lrfd = true};

std::string lrfd_file(const std::string& sections) {
  return input_file(kLrfd, one_soft_clay_layer() + sections);
}

const std::string kTwoGroups =
    "LRFD LOADS\n"
    "2\n"
    "1 1 10000 50000 200000 0\n"
    "2 5 8000 0 0 2\n"
    "1 0 20\n"
    "2 240 0\n";

const std::string kFactors =
    "LRFD FACTORS AND CASES\n"
    "2\n"
    "1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 -1\n"
    "Strength I\n"
    "2 0.9 0 0 0 1.4 0 0 0 0 0 0 0 0 0 0.8\n"
    "  Strength III, wind on the pile  \n";

TEST(Lrfd, StoresCombinationsAndGroups) {
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(lrfd_file(kTwoGroups + kFactors))));
  const LrfdInput& lrfd = folder.engine().lrfd;
  ASSERT_EQ(lrfd.combination_count, 2);
  const LrfdCombination& strength = lrfd.combinations[1];
  EXPECT_EQ(strength.factors[1], 1.25);
  EXPECT_EQ(strength.factors[2], 1.75);
  EXPECT_EQ(strength.factors[13], 0.0);
  EXPECT_EQ(strength.phi_flexure, 0.9);
  EXPECT_EQ(strength.phi_shear, 0.75);  // -1 given: the default, without a message
  EXPECT_EQ(strength.name, "Strength I");
  EXPECT_EQ(lrfd.combinations[2].factors[5], 1.4);
  EXPECT_EQ(lrfd.combinations[2].phi_flexure, 0.75);  // 0 given
  EXPECT_EQ(lrfd.combinations[2].name, "  Strength III, wind on the pile");

  ASSERT_EQ(lrfd.group_count, 2);
  EXPECT_EQ(lrfd.groups[1].load_type, 1);
  EXPECT_EQ(lrfd.groups[1].horizontal_force, 10000.0);
  EXPECT_EQ(lrfd.groups[1].moment, 50000.0);
  EXPECT_EQ(lrfd.groups[1].axial_force, 200000.0);
  EXPECT_EQ(lrfd.groups[1].distributed.count, 0);
  EXPECT_EQ(lrfd.groups[2].load_type, 5);
  ASSERT_EQ(lrfd.groups[2].distributed.count, 2);
  EXPECT_EQ(lrfd.groups[2].distributed.depth[2], 240.0);
  EXPECT_EQ(lrfd.groups[2].distributed.load[1], 20.0);
  const auto messages = folder.messages();
  EXPECT_TRUE(contains_line(messages, "Reading LRFD unfactored load data"));
  EXPECT_TRUE(contains_line(messages, "Reading LRFD load and resistance factor data "));
  EXPECT_FALSE(contains_line(folder.report(), "The analysis ended due to input error No. 72."));
}

// A group holds up to 100 distributed-load points.
TEST(Lrfd, GroupTakesOneHundredPoints) {
  std::string points;
  for (int k = 1; k <= 100; ++k) {
    points += std::to_string(k) + " " + std::to_string(6 * (k - 1)) + " 10\n";
  }
  RunFolder folder;
  ASSERT_TRUE(
      InputAccepted(folder.run(lrfd_file("LRFD LOADS\n1\n1 3 500 0 0 100\n" + points + kFactors))));
  const DistributedLoadProfile& profile = folder.engine().lrfd.groups[1].distributed;
  ASSERT_EQ(profile.count, 100);
  EXPECT_EQ(profile.depth[100], 594.0);
}

TEST(Lrfd, AllZeroFactorsAreReportedAfterEveryCombinationIsRead) {
  RunFolder folder;
  const std::string factors =
      "LRFD FACTORS AND CASES\n4\n"
      "1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nfirst\n"
      "2 0 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nsecond\n"
      "3 1 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nthird\n"
      "4 0.9 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nfourth\n";
  EXPECT_EQ(folder.run(lrfd_file(kTwoGroups + factors)), 172);
  EXPECT_EQ(folder.engine().lrfd.combination_count, 4);
  EXPECT_EQ(folder.engine().lrfd.combinations[4].name, "fourth");
  const auto report = folder.report();
  EXPECT_TRUE(
      contains_block(report, {"", "", "***** Input Data Error No. 72 *****", "",
                              "All input load factors for LRFD analysis are zero.", "",
                              "The number of the LRFD load combination in error is 2", "", "", "",
                              "", "Torva ended prematurely due to input error number INP00072"}));
  int texts = 0;
  for (const std::string& line : report) texts += line == "***** Input Data Error No. 72 *****";
  EXPECT_EQ(texts, 1);
  EXPECT_TRUE(contains_line(report, "The analysis ended due to input error No. 72."));
}

TEST(Lrfd, RejectsMalformedSections) {
  struct Case {
    const char* name;
    std::string sections;
    int code;
    std::vector<std::string> report;
  };
  const Case cases[] = {
      {"no combinations",
       "LRFD FACTORS AND CASES\n0\n",
       194,
       {"", "", "***** Input Data Error No. 94 *****", "",
        "Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
        "Number of LRFD load combinations input is 0", "", ""}},
      {"101 combinations",
       "LRFD FACTORS AND CASES\n101\n",
       194,
       {"Number of LRFD load combinations input is 101"}},
      {"no groups",
       "LRFD LOADS\n0\n",
       198,
       {"", "", "***** Input Data Error No. 98 *****", "", "Number of LRFD loads specified is 0",
        "This is outside of the valid range to 1 to 100", "", ""}},
      {"101 groups", "LRFD LOADS\n101\n", 198, {"Number of LRFD loads specified is 101"}},
      {"groups numbered 1, 3",
       "LRFD LOADS\n2\n1 1 100 0 0 0\n3 2 100 0 0 0\n",
       197,
       {"", "", "***** Input Data Error No. 97 *****", "",
        "Input appears to be out-of-order for LRFD loading",
        "Input load number is 3 and the expected load number is 2", "", ""}},
      {"one distributed point",
       "LRFD LOADS\n1\n1 1 100 0 0 1\n1 0 10\n",
       195,
       {"", "", "***** Input Data Error No. 95 *****", "",
        "Number of distributed load points for LRFD load number 1 is outside of the valid range "
        "of 0 or 2 to 100.",
        "", "The input number of distributed load points is 1", "", ""}},
      {"101 distributed points",
       "LRFD LOADS\n1\n1 1 100 0 0 101\n",
       195,
       {"The input number of distributed load points is 101"}},
      {"points numbered 1, 3",
       "LRFD LOADS\n1\n1 1 100 0 0 2\n1 0 10\n3 10 10\n",
       196,
       {"", "", "***** Input Data Error No. 96 *****", "",
        "Input appears to be out-of-order for LRFD distributed load 1", "",
        "Input distributed load point is 3 and the expected point number is 2", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunFolder folder;
    EXPECT_EQ(folder.run(lrfd_file(c.sections)), c.code);
    EXPECT_TRUE(contains_block(folder.report(), c.report));
  }
}

TEST(Lrfd, GroupLoadTypeOutsideOneToThirteenIsInputError83) {
  RunFolder folder;
  EXPECT_EQ(folder.run(lrfd_file("LRFD LOADS\n1\n1 14 100 0 0 0\n")), 183);
  EXPECT_TRUE(contains_line(folder.messages(),
                            "Problem: LRFD loading group 1 has the load type 14 (line 28)."));
}

}  // namespace
}  // namespace torva::testing
