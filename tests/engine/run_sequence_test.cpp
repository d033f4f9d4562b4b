#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine/run_sequence.h"
#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

namespace fs = std::filesystem;

const std::string kMinimal = "TORVAP7\n" + options_section() + smallest_model() + "END\n";

TEST(RunSequence, BlankInputNameIsRuntimeError17OnStandardError) {
  RunFolder folder;
  folder.write("NAMES.DAT", "\nreport.txt\nplot.txt\nmessages.txt\n");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(folder.run_as_is(), 217);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("**** Runtime Error No. 17 ****\n\nInput data filename information "
                     "corrupted. No analysis was performed."),
            std::string::npos);
  EXPECT_FALSE(fs::exists(folder.file("report.txt")));
}

// A control file that ends before record k: runtime errors 3 to 6, in the fallback file.
TEST(RunSequence, ShortControlFileNamesTheMissingRecord) {
  const struct {
    const char* names;
    int code;
    const char* text;
  } cases[] = {
      {"", 203, "The name of the input data file is corrupted."},
      {"input.tp7\n", 204, "The name of the output report file is corrupted."},
      {"input.tp7\nreport.txt\n", 205, "The name of the plot output file is corrupted."},
      {"input.tp7\nreport.txt\nplot.txt\n", 206, "Name of runtime message file is corrupted"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    RunFolder folder;
    folder.write("NAMES.DAT", c.names);
    EXPECT_EQ(folder.run_as_is(), c.code);
    const auto fallback = read_lines(folder.file("fort.8"));
    const std::string number = std::to_string(c.code - 200);
    EXPECT_TRUE(contains_block(fallback, {"**** Runtime Error No. " + number + " ****", "", c.text}));
    EXPECT_TRUE(contains_line(fallback, "The analysis ended due to runtime error No. " + number + "."));
  }
}

TEST(RunSequence, EmptyInputFileIsInputError25) {
  RunFolder folder;
  EXPECT_EQ(folder.run(""), 125);
  EXPECT_TRUE(contains_block(folder.messages(),
                             {"", "**** Input Data Error No. 25 ****",
                              "Size of input data file is 0 bytes.  No analysis performed.", "",
                              "", "The analysis ended due to input error No. 25.", ""}));
  EXPECT_TRUE(contains_block(folder.report(),
                             {"", "", "Torva ended prematurely due to input error number INP00025",
                              "", "**** Input Data Error No. 25 ****", "",
                              "Length of input file is 0 bytes.  No analysis can be performed.",
                              "", "The analysis ended due to input error No. 25."}));
}

TEST(RunSequence, MinimalFileWritesHeaderAndEndsNormally) {
  RunFolder folder;
  ASSERT_EQ(folder.run(kMinimal), 0);
  const auto report = folder.report();
  ASSERT_GT(report.size(), 10u);
  EXPECT_EQ(report[0], std::string(80, '='));
  EXPECT_EQ(report[2].substr(0, 15), std::string(15, ' '));
  EXPECT_EQ(report[2].substr(report[2].size() - 11), "2013-07.001");
  EXPECT_EQ(report[4], std::string(15, ' ') + " Analysis of Individual Piles and Drilled Shafts ");
  EXPECT_EQ(report[5], std::string(15, ' ') + "Subjected to Lateral Loading Using the p-y Method");
  const std::string directory = fs::canonical(folder.path()).string() + "/";
  EXPECT_TRUE(contains_block(report, {std::string(80, '-'),
                                      std::string(28, ' ') + "Files Used for Analysis",
                                      std::string(80, '-'), "",
                                      "Path to file locations:        " + directory,
                                      "Name of input data file:       input.tp7",
                                      "Name of output report file:    report.txt",
                                      "Name of plot output file:      plot.txt",
                                      "Name of runtime messeage file: messages.txt", ""}));
  EXPECT_TRUE(contains_line(report, std::string(27, ' ') + "Date and Time of Analysis"));
  bool date_seen = false;
  for (const std::string& line : report) {
    if (line.rfind(std::string(15, ' ') + "Date:  ", 0) == 0) {
      date_seen = line.find("     Time:  ") != std::string::npos && line[line.size() - 3] == ':';
    }
  }
  EXPECT_TRUE(date_seen);
  EXPECT_EQ(report[report.size() - 2], "The analysis ended normally. ");

  const auto plot = folder.plot();
  ASSERT_FALSE(plot.empty());
  EXPECT_EQ(plot[0], "    3    1    0    0" + std::string(84, ' ') +
                         "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F");
  const auto messages = folder.messages();
  EXPECT_TRUE(contains_block(messages, {"Input of data begun", "Reading analysis options"}));
  EXPECT_TRUE(contains_block(messages, {"Reading soil layering data", "Input of data completed",
                                        "", "File Path and Names Used for Analysis:"}));
  EXPECT_EQ(messages.back(), "");
  EXPECT_EQ(messages[messages.size() - 2], "The analysis ended normally. ");
}

// A report or message file without the lines that differ between two folders or two moments:
// the date and time, and the path of the files.
std::vector<std::string> comparable(std::vector<std::string> lines) {
  std::erase_if(lines, [](const std::string& line) {
    return line.find("Date:  ") != std::string::npos ||
           line.rfind("Path to file locations:", 0) == 0;
  });
  return lines;
}

TEST(RunSequence, RunsOfOneEngineDoNotShareState) {
  // A file that fills the sections, soil movement, tip shear and LRFD tables.
  std::string busy = read_text(fs::path(TORVA_EXAMPLES_DIR) / "layered_soil_us.tp7");
  busy.replace(busy.find("UseLRFD NO"), 10, "UseLRFD YES");
  busy.insert(busy.rfind("END"),
              "LRFD LOADS\n1\n1 1 10000 50000 200000 0\n"
              "LRFD FACTORS AND CASES\n1\n1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 -1\n"
              "Strength I\n");
  RunFolder used;
  used.run(busy);
  const Engine& state = used.engine();
  ASSERT_GT(state.sections.count, 0);
  ASSERT_GT(state.soil_movement.count, 0);
  ASSERT_GT(state.tip_shear.count, 0);
  ASSERT_GT(state.lrfd.combination_count, 0);
  ASSERT_EQ(used.run(kMinimal), 0);

  RunFolder fresh;
  ASSERT_EQ(fresh.run(kMinimal), 0);
  EXPECT_EQ(comparable(used.report()), comparable(fresh.report()));
  EXPECT_EQ(used.plot(), fresh.plot());
  EXPECT_EQ(comparable(used.messages()), comparable(fresh.messages()));
  const Engine& after = used.engine();
  const Engine& clean = fresh.engine();
  EXPECT_EQ(after.sections.count, clean.sections.count);
  EXPECT_EQ(after.sections.table[0].bar_count, clean.sections.table[0].bar_count);
  EXPECT_EQ(after.sections.table[1].type, clean.sections.table[1].type);
  EXPECT_EQ(after.soil.count, clean.soil.count);
  EXPECT_EQ(after.soil_movement.count, 0);
  EXPECT_EQ(after.soil_movement.depth[1], 0.0);
  EXPECT_EQ(after.tip_shear.count, 0);
  EXPECT_EQ(after.tip_shear.shear[1], 0.0);
  EXPECT_EQ(after.lrfd.combination_count, 0);
  EXPECT_EQ(after.lrfd.group_count, 0);
  EXPECT_EQ(after.loading.count, clean.loading.count);
}

struct RejectedFile {
  const char* name;
  std::string input;
  int code;
  const char* problem_start;
};

class RejectedInputs : public ::testing::TestWithParam<RejectedFile> {};

TEST_P(RejectedInputs, EndWithTheirNumberedError) {
  RunFolder folder;
  const RejectedFile& c = GetParam();
  EXPECT_EQ(folder.run(c.input), c.code);
  const auto messages = folder.messages();
  bool problem_seen = false;
  for (const std::string& line : messages) {
    problem_seen = problem_seen || line.rfind(c.problem_start, 0) == 0;
  }
  EXPECT_TRUE(problem_seen) << c.problem_start;
  EXPECT_TRUE(contains_line(folder.report(),
                            "The analysis ended due to input error No. " +
                                std::to_string(c.code - 100) + "."));
}

INSTANTIATE_TEST_SUITE_P(
    Files, RejectedInputs,
    ::testing::Values(
        RejectedFile{"marker", "PILEP7\n" + options_section() + "END\n", 173,
                     "Problem: The input data file does not begin with the marker TORVAP7"},
        RejectedFile{"no_options", "TORVAP7\nEND\n", 176,
                     "Problem: The input data file has no OPTIONS section."},
        RejectedFile{"early_end", "TORVAP7\n" + options_section(), 175,
                     "Problem: The input data file ended while reading"},
        RejectedFile{"bad_value",
                     "TORVAP7\n" + options_section().replace(
                                       options_section().find("MaxIterations 100"), 17,
                                       "MaxIterations many"),
                     174, "Problem: Line 11 of the input data file, \"MaxIterations many\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunSequence, UnopenableInputIsRuntimeError7) {
  RunFolder folder;
  folder.write("NAMES.DAT", "missing.tp7\nreport.txt\nplot.txt\nmessages.txt\n");
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(folder.run_as_is(), 207);
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Problem: The input data file missing.tp7 cannot be opened."),
            std::string::npos);
  EXPECT_TRUE(contains_line(read_lines(folder.file("fort.8")),
                            "The analysis ended due to runtime error No. 7."));
}

TEST(RunSequence, UncreatableOutputIsRuntimeError8) {
  RunFolder folder;
  folder.write("input.tp7", kMinimal);
  folder.write("NAMES.DAT", "input.tp7\nreport.txt\nno/such/folder/plot.txt\nmessages.txt\n");
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(folder.run_as_is(), 208);
  ::testing::internal::GetCapturedStdout();
  EXPECT_TRUE(contains_line(folder.report(),
                            "Problem: The output file no/such/folder/plot.txt cannot be created."));
}

TEST(RunSequence, SectionReportListIsReadAndDeleted) {
  RunFolder folder;
  folder.write("M_vs_EI_report_names.txt", "a.txt\nb.txt   \n");
  ASSERT_EQ(folder.run(kMinimal), 0);
  EXPECT_FALSE(fs::exists(folder.file("M_vs_EI_report_names.txt")));
  EXPECT_EQ(folder.engine().run.SectionReportNames, (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST(SplitPath, GivesDirectoryBaseAndExtension) {
  const PathParts parts = split_path("/tmp/some.dir/pile.long.tp7");
  EXPECT_EQ(parts.drive, "");
  EXPECT_EQ(parts.directory, "/tmp/some.dir/");
  EXPECT_EQ(parts.base, "pile.long");
  EXPECT_EQ(parts.extension, ".tp7");
  EXPECT_EQ(split_path("/tmp/x.abcdefgh").extension, ".abcd");
  EXPECT_EQ(split_path("").base, "");
}

}  // namespace
}  // namespace torva::testing

namespace torva::testing {
namespace {

}  // namespace
}  // namespace torva::testing
