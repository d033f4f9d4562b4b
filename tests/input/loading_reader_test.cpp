// The LOADING and AXIAL THRUST LOADS sections read through whole runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

const std::string kThreeCases =
    "LOADING\n"
    "3\n"
    "1 1 20000 150000 100000 0\n"
    "2 2 15000 0.001 50000 1\n"
    "3 5 0.5 0 0 2\n"
    "2\n"
    "1 0 50\n"
    "2 120 25.5\n";

TEST(Loading, StoresCasesSweepRequestsAndDistributedLoad) {
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(input_file({}, one_soft_clay_layer() + kThreeCases))));
  const PileHeadLoading& loading = folder.engine().loading;
  ASSERT_EQ(loading.count, 3);
  const LoadCase& first = loading.cases[1];
  EXPECT_EQ(first.load_type, 1);
  EXPECT_EQ(first.condition1, 20000.0);
  EXPECT_EQ(first.condition2, 150000.0);
  EXPECT_EQ(first.axial_thrust, 100000.0);
  EXPECT_EQ(loading.cases[2].condition2, 0.001);
  EXPECT_EQ(loading.cases[3].load_type, 5);
  // The sweep runs unless the flag is 1.
  EXPECT_TRUE(loading.cases[1].length_sweep);
  EXPECT_FALSE(loading.cases[2].length_sweep);
  EXPECT_TRUE(loading.cases[3].length_sweep);
  // US customary distributed loads stay as given: inches and lb/in.
  ASSERT_EQ(loading.distributed.count, 2);
  EXPECT_EQ(loading.distributed.depth[2], 120.0);
  EXPECT_EQ(loading.distributed.load[1], 50.0);
  EXPECT_EQ(loading.distributed.load[2], 25.5);
  EXPECT_TRUE(contains_line(folder.messages(), "Reading pile head loading data"));
}

TEST(Loading, NoDistributedLoadClearsTheFirstTwoPoints) {
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(
      folder.run(input_file({}, one_soft_clay_layer() + "LOADING\n1\n1 1 100 0 0 1\n0\n"))));
  const DistributedLoadProfile& profile = folder.engine().loading.distributed;
  EXPECT_EQ(profile.count, 0);
  EXPECT_EQ(profile.depth[1], 0.0);
  EXPECT_EQ(profile.load[2], 0.0);
}

std::string cases(int count) {
  std::string text = "LOADING\n" + std::to_string(count) + "\n";
  for (int i = 1; i <= count; ++i) text += std::to_string(i) + " 1 100 0 0 1\n";
  return text + "0\n";
}

std::string thrusts(int count) {
  std::string text = "AXIAL THRUST LOADS\n" + std::to_string(count) + "\n";
  for (int i = 1; i <= count; ++i) text += std::to_string(i) + " " + std::to_string(i) + "\n";
  return text;
}

TEST(Loading, RejectsBadCountsAndLoadTypes) {
  struct Case {
    const char* name;
    std::string section;
    int code;
    const char* problem;
  };
  const Case cases_[] = {
      {"load type 6", "LOADING\n1\n1 6 100 0 0 1\n0\n", 182,
       "Problem: Load case 1 has the load type 6 (line 28)."},
      {"load type 0", "LOADING\n2\n1 1 100 0 0 1\n2 0 100 0 0 1\n0\n", 182,
       "Problem: Load case 2 has the load type 0 (line 29)."},
      {"101 load cases", cases(101), 178,
       "Problem: The LOADING section gives 101 load cases (line 27)."},
      {"100 load cases, 101 load points", cases(100).substr(0, cases(100).size() - 2) + "101\n",
       189,
       "Problem: The input asks for 101 distributed load points (line 128); at most 100 are "
       "allowed."},
      {"101 thrusts", thrusts(101), 178,
       "Problem: The AXIAL THRUST LOADS section gives 101 axial thrust forces (line 27)."},
  };
  for (const Case& c : cases_) {
    SCOPED_TRACE(c.name);
    RunFolder folder;
    EXPECT_EQ(folder.run(input_file({}, one_soft_clay_layer() + c.section)), c.code);
    EXPECT_TRUE(contains_line(folder.messages(), c.problem))
        << read_text(folder.file("messages.txt"));
  }
}

TEST(AxialThrustLoads, ReplaceTheLoadCaseThrustsSorted) {
  RunFolder folder;
  const std::string section = "AXIAL THRUST LOADS\n3\n1 300\n2 -100\n3 200\n";
  ASSERT_TRUE(InputAccepted(folder.run(input_file({.ei_only = true}, kThreeCases + section))));
  const PileHeadLoading& loading = folder.engine().loading;
  ASSERT_EQ(loading.count, 3);
  EXPECT_EQ(loading.cases[1].axial_thrust, -100.0);
  EXPECT_EQ(loading.cases[2].axial_thrust, 200.0);
  EXPECT_EQ(loading.cases[3].axial_thrust, 300.0);
  EXPECT_TRUE(
      contains_line(folder.messages(), "Reading axial thrust force data for EI-only computations"));
}

TEST(AxialThrustLoads, NoThrustsLeaveOneCaseWithoutThrust) {
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(input_file({.ei_only = true}, kThreeCases + "AXIAL THRUST LOADS\n0\n"))));
  const PileHeadLoading& loading = folder.engine().loading;
  EXPECT_EQ(loading.count, 1);
  // Not the 100000 of the earlier LOADING section.
  EXPECT_EQ(loading.cases[1].axial_thrust, 0.0);
  EXPECT_FALSE(
      contains_line(folder.messages(), "Reading axial thrust force data for EI-only computations"));
}

}  // namespace
}  // namespace torva::testing

namespace torva::testing {
namespace {

std::string thrust_cases(const std::string& first, const std::string& second,
                         const std::string& third) {
  return "LOADING\n3\n1 1 100 0 " + first + " 1\n2 1 100 0 " + second + " 1\n3 1 100 0 " + third +
         " 1\n0\n";
}

struct ThrustCase {
  const char* name;
  Switches switches;
  std::string loads;
  std::vector<double> list;
};

// Distinct thrusts, ascending, for the section analysis: kips in US customary runs.
TEST(AxialThrustList, IsDerivedAfterTheFileIsRead) {
  const std::string groups =
      "LRFD LOADS\n3\n1 1 0 0 300000 0\n2 2 0 0 100000 0\n3 3 0 0 300000 0\n"
      "LRFD FACTORS AND CASES\n1\n1 1 1 1 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nall\n";
  const ThrustCase cases[] = {
      {"US load cases", {}, thrust_cases("100", "50", "100"), {0.05, 0.1}},
      {"SI load cases", {.units = "Units SI"}, thrust_cases("100", "50", "100"), {50.0, 100.0}},
      {"one thrust", {}, thrust_cases("-20", "-20", "-20"), {-0.02}},
      // (full LRFD analyses replace the list by the factored thrusts of the combinations)
      {"LRFD groups of a bending-property run",
       {.lrfd = true, .ei_only = true},
       thrust_cases("1", "2", "3") + groups,
       {100.0, 300.0}},
      {"thrusts of a bending-property run",
       {.ei_only = true},
       "AXIAL THRUST LOADS\n3\n1 7000\n2 -3000\n3 7000\n",
       {-3.0, 7.0}},
      // No record gives interaction diagrams thrusts of their own: they take the load cases'.
      {"interaction diagrams",
       {.interaction = true},
       thrust_cases("100", "50", "100"),
       {0.05, 0.1}},
  };
  for (const ThrustCase& c : cases) {
    SCOPED_TRACE(c.name);
    RunFolder folder;
    ASSERT_TRUE(InputAccepted(folder.run(input_file(c.switches, one_soft_clay_layer() + c.loads))));
    const ThrustList& list = folder.engine().thrusts;
    ASSERT_EQ(list.count, static_cast<int>(c.list.size()));
    for (int j = 1; j <= list.count; ++j) EXPECT_EQ(list.T[j], c.list[j - 1]) << j;
  }
}

TEST(AxialThrustList, NeedsPileSections) {
  RunFolder folder;
  const std::string file =
      input_file({.pile = false}, one_soft_clay_layer() + thrust_cases("100", "50", "100"));
  // The list is derived after END; the input echo then rejects a pile without sections.
  ASSERT_EQ(folder.run(file), 117);
  EXPECT_EQ(folder.engine().thrusts.count, 0);
}

}  // namespace
}  // namespace torva::testing
