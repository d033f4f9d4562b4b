#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

// The smallest model with one line of its OPTIONS section replaced.
std::string file_with(const std::string& old_line, const std::string& new_line,
                      const std::string& units = "Units USCS") {
  std::string options = options_section(units);
  const auto at = options.find(old_line + "\n");
  EXPECT_NE(at, std::string::npos) << old_line;
  options.replace(at, old_line.size(), new_line);
  return "TORVAP7\n" + options + smallest_model(units) + "END\n";
}

struct OptionCase {
  const char* name;
  std::string old_line;
  std::string new_line;
  std::string units;
  int code;
};

class OptionLines : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionLines, AreAcceptedOrRejectedByTheirBounds) {
  const OptionCase& c = GetParam();
  RunFolder folder;
  EXPECT_EQ(folder.run(file_with(c.old_line, c.new_line, c.units)), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, OptionLines,
    ::testing::Values(
        OptionCase{"iterations_30", "MaxIterations 100", "MaxIterations 30", "Units USCS", 0},
        OptionCase{"iterations_1000", "MaxIterations 100", "MaxIterations 1000", "Units USCS", 0},
        OptionCase{"iterations_29", "MaxIterations 100", "MaxIterations 29", "Units USCS", 195},
        OptionCase{"iterations_1001", "MaxIterations 100", "MaxIterations 1001", "Units USCS",
                   195},
        OptionCase{"increments_40", "Increments 100", "Increments 40", "Units USCS", 0},
        OptionCase{"increments_500", "Increments 100", "Increments 500", "Units USCS", 0},
        OptionCase{"increments_39", "Increments 100", "Increments 39", "Units USCS", 155},
        OptionCase{"increments_501", "Increments 100", "Increments 501", "Units USCS", 156},
        OptionCase{"tolerance_0_us", "Tolerance 1.0E-5", "Tolerance 0", "Units USCS", 165},
        OptionCase{"tolerance_0_si", "Tolerance 1.0E-5", "Tolerance 0", "Units SI", 167},
        OptionCase{"tolerance_0_general", "Tolerance 1.0E-5", "Tolerance 0", "Units GENERAL", 0},
        OptionCase{"tolerance_single_0_1", "Tolerance 1.0E-5", "Tolerance 0.10000000149",
                   "Units USCS", 0},
        OptionCase{"tolerance_above_0_1", "Tolerance 1.0E-5", "Tolerance 0.1000001",
                   "Units USCS", 166},
        OptionCase{"tolerance_above_si", "Tolerance 1.0E-5", "Tolerance 0.003", "Units SI", 168},
        OptionCase{"pushover_lower_case", "ComputePushover NO", "ComputePushover yes",
                   "Units USCS", 0},
        OptionCase{"lrfd_lower_case", "UseLRFD NO", "UseLRFD yes", "Units USCS", 195},
        OptionCase{"units_trailing_blanks", "Units SI", "Units SI   ", "Units SI", 0},
        OptionCase{"units_leading_blank", "Units SI", " Units SI", "Units SI", 199},
        OptionCase{"interaction_code", "ComputeInteraction NO",
                   "ComputeInteraction YES\nCode ACI318", "Units USCS", 0},
        OptionCase{"interaction_code_unknown", "ComputeInteraction NO",
                   "ComputeInteraction YES\nCode BS8110", "Units USCS", 195}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Options, StoresEveryValue) {
  RunFolder folder;
  ASSERT_EQ(folder.run(file_with("Loading STATIC     0", "Loading CYCLIC   100", "Units SI")), 0);
  const Options& o = folder.engine().options;
  EXPECT_EQ(o.IUNITS, 2);
  EXPECT_EQ(o.i_Analysis_Type, 3);
  EXPECT_TRUE(o.CyclicLoading);
  EXPECT_EQ(o.NumCycles, 100.0);
  EXPECT_EQ(o.MaxIterations, 100);
  EXPECT_EQ(o.DeflectionLimit, 10.0);
  EXPECT_EQ(o.ConvergenceTolerance, 1.0e-5);
  EXPECT_EQ(o.NumIncrements, 100);
  EXPECT_EQ(o.PrintIncrement, 1);
  EXPECT_FALSE(o.ComputePushover);
}

TEST(Options, PrintingIncrementBelowOneIsOne) {
  RunFolder folder;
  ASSERT_EQ(folder.run(file_with("PrintIncrement 1", "PrintIncrement 0")), 0);
  EXPECT_EQ(folder.engine().options.PrintIncrement, 1);
}

TEST(Options, IterationLimitTextGoesToTheReport) {
  RunFolder folder;
  ASSERT_EQ(folder.run(file_with("MaxIterations 100", "MaxIterations 29")), 195);
  EXPECT_TRUE(contains_block(
      folder.report(),
      {"***** Input Data Error No. 95 *****", "",
       "Problem: Input value for iterations limit = 29 and is less than 30 iteractions",
       "Solution:  Correct input value to be between 30 and 1000 iterations.", "", "", "", "",
       "Torva ended prematurely due to input error number INP00095"}));
}

// The texts of the option errors, in the report and in the message file.
struct OptionErrorText {
  const char* name;
  std::string old_line;
  std::string new_line;
  std::string units;
  int code;
  std::vector<std::string> text;
};

class OptionErrorTexts : public ::testing::TestWithParam<OptionErrorText> {};

TEST_P(OptionErrorTexts, GoToBothFiles) {
  const OptionErrorText& c = GetParam();
  RunFolder folder;
  ASSERT_EQ(folder.run(file_with(c.old_line, c.new_line, c.units)), c.code);
  EXPECT_TRUE(contains_block(folder.messages(), c.text));
  EXPECT_TRUE(contains_block(folder.report(), c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OptionErrorTexts,
    ::testing::Values(
        OptionErrorText{"increments_55", "Increments 100", "Increments 39", "Units USCS", 155,
                        {"**** Input Data Error No. 55 ****", "",
                         "Problem:  The number of pile increments is less than 40.", "",
                         "Solution: Increase the number of pile increments to more than 40, "
                         "preferably more than 100 increments."}},
        OptionErrorText{"increments_56", "Increments 100", "Increments 501", "Units USCS", 156,
                        {"**** Input Data Error No. 56 ****", "",
                         "Problem:  The number of pile increments is more than 500.", "",
                         "Solution: Limit the number of pile increments to 500 or less."}},
        OptionErrorText{"tolerance_65", "Tolerance 1.0E-5", "Tolerance 0", "Units USCS", 165,
                        {"", "**** Input Data Error No. 65 ****", "",
                         "Input value for convergence tolerance is too small (less than 1E-10 "
                         "inches).",
                         "The recommended value for convergence tolerance is 0.00001 inches.", ""}},
        OptionErrorText{"tolerance_66", "Tolerance 1.0E-5", "Tolerance 0.2", "Units USCS", 166,
                        {"", "**** Input Data Error No. 66 ****", "",
                         "Input value for convergence tolerance is too large (more than 0.1 "
                         "inches). ",
                         "The recommended value for convergence tolerance is 0.00001 inches.", ""}},
        OptionErrorText{"tolerance_67", "Tolerance 1.0E-5", "Tolerance 0", "Units SI", 167,
                        {"", "**** Input Data Error No. 67 ****", "",
                         "Input value for convergence tolerance is too small (less than 2.5E-12 "
                         "meters). ",
                         "The recommended value for convergence tolerance is 2.54E-7 meters.", ""}},
        OptionErrorText{"tolerance_68", "Tolerance 1.0E-5", "Tolerance 0.003", "Units SI", 168,
                        {"", "**** Input Data Error No. 68 ****", "",
                         "Input value of convergence tolerance too large (more than 2.54E-3 "
                         "meters). ",
                         "The recommended value for convergence tolerance is 2.54E-7 meters.", ""}},
        OptionErrorText{"units_99", "Units SI", "Units METRIC", "Units SI", 199,
                        {"", "", "***** INPUT ERROR *****", "",
                         "The following line is unrecognized or is out-of-order", "",
                         // the line as read, in its 256-character field
                         "Units METRIC" + std::string(244, ' '), "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Options, UnrecognisedSwitchNamesItsOption) {
  RunFolder folder;
  ASSERT_EQ(folder.run(file_with("UseSoilMovement NO", "UseSoilMovement MAYBE")), 195);
  EXPECT_TRUE(contains_block(folder.report(),
                             {"", "INPUT ERROR - Unrecognized command for soil movement option", "",
                              "", "", "Torva ended prematurely due to input error number INP00095"}));
  RunFolder loading;
  ASSERT_EQ(loading.run(file_with("Loading STATIC     0", "Loading STEADY     0")), 195);
  EXPECT_TRUE(contains_block(loading.report(),
                             {"INPUT ERROR - Unrecognized command for loading type option", "",
                              ""}));
}

}  // namespace
}  // namespace torva::testing
