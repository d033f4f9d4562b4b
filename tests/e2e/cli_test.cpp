// The torva program, run the way a user runs it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace torva::testing {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string output;
};

Outcome run_cli(const std::string& arguments) {
  const std::string command = std::string(TORVA_CLI_PATH) + " " + arguments + " 2>&1";
  Outcome outcome{-1, ""};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  std::array<char, 256> buffer;
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) outcome.output += buffer.data();
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

TEST(Cli, RunsAnExampleAndSaysWhereTheFilesAre) {
  RunFolder folder;
  const fs::path saved = fs::current_path();
  const Outcome outcome = run_cli("run " + std::string(TORVA_EXAMPLES_DIR) + "/minimal.tp7 --out " +
                                  folder.path().string());
  EXPECT_EQ(fs::current_path(), saved);
  ASSERT_EQ(outcome.status, 0) << outcome.output;
  EXPECT_NE(outcome.output.find("The analysis ended normally."), std::string::npos);
  EXPECT_NE(outcome.output.find(folder.file("minimal-report.txt").string()), std::string::npos);
  EXPECT_TRUE(fs::exists(folder.file("minimal-report.txt")));
  EXPECT_TRUE(fs::exists(folder.file("minimal-plot.txt")));
  EXPECT_TRUE(fs::exists(folder.file("minimal-messages.txt")));
  EXPECT_FALSE(fs::exists(folder.file("M_vs_EI_report_names.txt")));
}

TEST(Cli, ListsTheMomentCurvatureFilesOfTheRun) {
  RunFolder folder;
  const Outcome outcome = run_cli("run " + std::string(TORVA_EXAMPLES_DIR) +
                                  "/drilled_shaft_us.tp7 --out " + folder.path().string());
  ASSERT_EQ(outcome.status, 0) << outcome.output;
  // One section under two thrust values: entries 1 and 2 of the list.
  for (const char* name : {"drilled_shaft_us-mc-0001.txt", "drilled_shaft_us-mc-0002.txt"}) {
    EXPECT_TRUE(fs::exists(folder.file(name))) << name;
    EXPECT_NE(outcome.output.find("  moment-curvature file: " + folder.file(name).string()),
              std::string::npos)
        << outcome.output;
  }
  EXPECT_FALSE(fs::exists(folder.file("drilled_shaft_us-mc-0003.txt")));
}

TEST(Cli, SummarisesEveryLoadCaseFromThePlotFile) {
  RunFolder folder;
  const Outcome outcome = run_cli("run " + std::string(TORVA_EXAMPLES_DIR) +
                                  "/soft_clay_pile.tp7 --out " + folder.path().string());
  ASSERT_EQ(outcome.status, 0) << outcome.output;
  // Load cases 3 and 4 specify the head deflection; case 2 fixes the head against rotation.
  EXPECT_NE(outcome.output.find("load case 3: head deflection 0.5 in"), std::string::npos)
      << outcome.output;
  EXPECT_NE(outcome.output.find("load case 4: head deflection 0.25 in"), std::string::npos);
  EXPECT_NE(outcome.output.find("largest shear 2e+04 lb at 0 in"), std::string::npos);
  EXPECT_EQ(outcome.output.find("load case 5"), std::string::npos);
}

TEST(Cli, NamesTheErrorThatEndedTheRun) {
  RunFolder folder;
  folder.write("bad.tp7", "NOT A TORVA FILE\n");
  const Outcome outcome =
      run_cli("run " + folder.file("bad.tp7").string() + " --out " + folder.path().string());
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.output.find("input error 73"), std::string::npos) << outcome.output;
}

// A folder of 251 characters: full names of the outputs would not fit the engine's
// 256-character name fields (they were cut into one name), the names in the folder do.
TEST(Cli, RunsInAnOutputFolderOfALongName) {
  RunFolder folder;
  fs::path out = folder.path();
  while (out.string().size() < 251) {
    const std::size_t room = 251 - out.string().size() - 1;
    out /= std::string(std::min<std::size_t>(room, 60), 'd');
  }
  ASSERT_EQ(out.string().size(), 251u);
  const Outcome outcome =
      run_cli("run " + std::string(TORVA_EXAMPLES_DIR) + "/minimal.tp7 --out " + out.string());
  ASSERT_EQ(outcome.status, 0) << outcome.output;
  const std::string report = read_text(out / "minimal-report.txt");
  EXPECT_NE(report.find("Files Used for Analysis"), std::string::npos);
  EXPECT_EQ(read_text(out / "minimal-plot.txt").find("Files Used for Analysis"), std::string::npos);
  EXPECT_TRUE(fs::exists(out / "minimal-messages.txt"));
}

TEST(Cli, RefusesANameTheEngineCannotHold) {
  RunFolder folder;
  // Its message file name ("<name>-messages.txt") takes 257 characters.
  const std::string stem(244, 'n');
  folder.write(stem + ".tp7", read_text(std::string(TORVA_EXAMPLES_DIR) + "/minimal.tp7"));
  const Outcome outcome = run_cli("run " + folder.file(stem + ".tp7").string() + " --out " +
                                  folder.path().string());
  EXPECT_EQ(outcome.status, 2);
  EXPECT_NE(outcome.output.find("is too long for the engine"), std::string::npos)
      << outcome.output;
  EXPECT_FALSE(fs::exists(folder.file(stem + "-report.txt")));
}

TEST(Cli, VersionIsTheEngineVersion) {
  const Outcome outcome = run_cli("--version");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_NE(outcome.output.find("2013-07.001"), std::string::npos);
}

}  // namespace
}  // namespace torva::testing
