#include <gtest/gtest.h>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

// The options, the smallest model and the sections under test.
std::string with_options(const std::string& options, const std::string& sections,
                         const std::string& units = "Units USCS") {
  return "TORVAP7\n" + options + smallest_model(units) + sections;
}

std::string options_with(const std::string& old_line, const std::string& new_line) {
  std::string options = options_section();
  options.replace(options.find(old_line), old_line.size(), new_line);
  return options;
}

std::vector<std::string> unrecognized(const std::string& line) {
  return {"", "", "***** INPUT ERROR *****", "",
          "The following line is unrecognized or is out-of-order", "",
          line + std::string(256 - line.size(), ' '), "", ""};
}

TEST(Dispatcher, LinesAfterEndAreNotRead) {
  RunFolder folder;
  EXPECT_EQ(folder.run(with_options(options_section(), "END\nnot a section\n1 2 3\n")), 0);
}

TEST(Dispatcher, KeywordWithACommentIsInputError99InBothFiles) {
  RunFolder folder;
  ASSERT_EQ(folder.run("TORVAP7\nOPTIONS  the analysis options\nEND\n"), 199);
  const auto expected = unrecognized("OPTIONS  the analysis options");
  EXPECT_TRUE(contains_block(folder.report(), expected));
  EXPECT_TRUE(contains_block(folder.messages(), expected));
}

TEST(Dispatcher, TitleAndRepeatedSectionsOverwrite) {
  RunFolder folder;
  const std::string title = "TITLE\nfirst\n\n\n\n\nTITLE\nsecond pile\nline 2\n\n\nline 5\n";
  ASSERT_EQ(folder.run(with_options(options_section(), title + "END\n")), 0);
  const auto& lines = folder.engine().control.title;
  EXPECT_EQ(lines[0], "second pile");
  EXPECT_EQ(lines[1], "line 2");
  EXPECT_EQ(lines[4], "line 5");
}

TEST(Dispatcher, OutputDepthsAreSortedAndCloseOnesMerged) {
  RunFolder folder;
  const std::string depths = "DEPTHS OF PRINTED P-Y CURVES\n4\n1 10.0\n2 5.0\n3 10.0000001\n4 12\n";
  // SI depths are kept as read (US customary feet would be converted to inches).
  std::string options = options_with("PrintPYCurves NO", "PrintPYCurves YES");
  options.replace(options.find("Units USCS"), 10, "Units SI");
  ASSERT_EQ(folder.run(with_options(options, depths + "END\n", "Units SI")), 0);
  const InputControl& control = folder.engine().control;
  ASSERT_EQ(control.output_depth_count, 3);
  EXPECT_EQ(control.output_depths[0].depth, 5.0);
  EXPECT_EQ(control.output_depths[1].depth, 10.0);
  EXPECT_EQ(control.output_depths[2].depth, 12.0);
  EXPECT_TRUE(contains_line(folder.messages(),
                            "Reading p-y output depths and optional y-values data"));
}

TEST(Dispatcher, MoreOutputDepthsThanTheTableHoldsIsInputError89) {
  RunFolder folder;
  std::string depths = "DEPTHS OF PRINTED P-Y CURVES\n101\n";
  ASSERT_EQ(folder.run(with_options(options_with("PrintPYCurves NO", "PrintPYCurves YES"),
                                    depths + "END\n")),
            189);
}

TEST(Dispatcher, SectionOfAnOptionThatIsOffFailsAtItsFirstDataLine) {
  RunFolder folder;
  const std::string pushover = "PILE PUSHOVER ANALYSIS DATA\n0\n0\n5\n1.0\n0.01\n2.0\n";
  ASSERT_EQ(folder.run(with_options(options_section(), pushover + "END\n")), 199);
  EXPECT_TRUE(contains_block(folder.report(), unrecognized("0")));
}

TEST(Dispatcher, ControlDataOfTheOptionalAnalyses) {
  RunFolder folder;
  std::string options = options_with("ComputeKmatrix NO", "ComputeKmatrix YES");
  options = options.replace(options.find("ComputePushover NO"), 18, "ComputePushover YES");
  options = options.replace(options.find("ComputePileBuckling NO"), 22, "ComputePileBuckling YES");
  const std::string sections =
      "FOUNDATION STIFFNESS\n2\n10\n1\n0.5\n0.01\n"
      "PILE PUSHOVER ANALYSIS DATA\n1\n2\n3\n0.1\n0.2\n0.4\n9.5\n"
      "PILE BUCKLING ANALYSIS DATA\n1\n20\n1000.\n0.\n0.\n0.\n5.0E5\n";
  ASSERT_TRUE(InputAccepted(folder.run(with_options(options, sections + "END\n"))));
  const InputControl& c = folder.engine().control;
  EXPECT_EQ(c.stiffness.method, 2);
  EXPECT_EQ(c.stiffness.points, 10);
  EXPECT_EQ(c.stiffness.max_rotation, 0.01);
  EXPECT_EQ(c.pushover.points, 3);
  EXPECT_EQ(c.pushover.user_displacements[2], 0.4);
  EXPECT_EQ(c.pushover.final_value, 9.5);
  EXPECT_EQ(c.buckling.axial_loads, 20);
  EXPECT_EQ(c.buckling.max_compression, 5.0e5);

  RunFolder bad;
  const std::string bad_pushover = "PILE PUSHOVER ANALYSIS DATA\n3\n";
  EXPECT_EQ(bad.run(with_options(options_with("ComputePushover NO", "ComputePushover YES"),
                                 bad_pushover + "END\n")),
            185);
}

}  // namespace
}  // namespace torva::testing
