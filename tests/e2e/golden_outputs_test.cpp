// Every example input run through the whole engine, its report, plot-output and run-message files
// compared byte for byte with the reference files under tests/e2e/golden. Only the lines that
// differ between folders and moments are left out of both sides: the date and time of the
// analysis and the "Path to file locations:" line.
//
// The reference files are rewritten by scripts/update-golden.sh (TORVA_UPDATE_GOLDEN=1), for
// deliberate changes of the output only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace torva::testing {
namespace {

namespace fs = std::filesystem;

// The text of a written file without the lines that name the moment or the folder of the run.
std::string steady_part(const fs::path& file) {
  static const std::regex date_line(R"( +Date:  [A-Za-z]+ +\d+, +\d+ +Time:  [ \d]\d:\d\d:\d\d)");
  const std::string text = read_text(file);
  std::string kept;
  kept.reserve(text.size());
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = text.find('\n', from);
    end = end == std::string::npos ? text.size() : end + 1;
    const std::string line = text.substr(from, end - from);
    std::string bare = line;
    while (!bare.empty() && (bare.back() == '\n' || bare.back() == '\r')) bare.pop_back();
    if (bare.rfind("Path to file locations:", 0) != 0 && !std::regex_match(bare, date_line)) {
      kept += line;
    }
    from = end;
  }
  return kept;
}

// The 1-based number of the first line where the two texts differ, and both lines.
std::string first_difference(const std::string& expected, const std::string& actual) {
  std::size_t line = 1, at = 0;
  const std::size_t n = std::min(expected.size(), actual.size());
  while (at < n && expected[at] == actual[at]) {
    if (expected[at] == '\n') ++line;
    ++at;
  }
  auto line_at = [at](const std::string& text) {
    const std::size_t begin = text.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t start = begin == std::string::npos || at == 0 ? 0 : begin + 1;
    return text.substr(start, text.find('\n', start) - start);
  };
  return "line " + std::to_string(line) + "\n  reference: " + line_at(expected) +
         "\n  this run:  " + line_at(actual);
}

std::vector<std::string> example_names() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(TORVA_EXAMPLES_DIR)) {
    if (entry.path().extension() == ".tp7") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class GoldenOutputs : public ::testing::TestWithParam<std::string> {};

// Compares the files the last run in `folder` wrote with the reference files of example
// `name` (or, under TORVA_UPDATE_GOLDEN, rewrites the reference files).
void check_outputs(const RunFolder& folder, const std::string& name, bool may_update) {
  const bool update = may_update && std::getenv("TORVA_UPDATE_GOLDEN") != nullptr;
  const fs::path golden(TORVA_GOLDEN_DIR);
  for (const char* kind : {"report", "plot", "messages"}) {
    const std::string actual = steady_part(folder.file(std::string(kind) + ".txt"));
    const fs::path reference = golden / (name + "." + kind);
    if (update) {
      fs::create_directories(golden);
      std::ofstream(reference, std::ios::binary) << actual;
      continue;
    }
    ASSERT_TRUE(fs::exists(reference)) << reference << " is missing";
    const std::string expected = read_text(reference);
    EXPECT_TRUE(expected == actual) << name << " " << kind << " differs from " << reference
                                    << " at " << first_difference(expected, actual);
  }
}

std::string example_input(const std::string& name) {
  return read_text(fs::path(TORVA_EXAMPLES_DIR) / (name + ".tp7"));
}

TEST_P(GoldenOutputs, ReportPlotAndMessagesAreUnchanged) {
  RunFolder folder;
  folder.run(example_input(GetParam()));
  check_outputs(folder, GetParam(), true);
}

// One engine runs every example in turn, forwards and backwards: each run starts from the state
// a fresh engine has, whatever the run before it left behind.
TEST(GoldenOutputsInOneEngine, EveryRunStartsAfresh) {
  std::vector<std::string> names = example_names();
  RunFolder folder;
  for (int round = 0; round < 2; ++round) {
    for (const std::string& name : names) {
      folder.run(example_input(name));
      check_outputs(folder, name, false);
    }
    std::reverse(names.begin(), names.end());
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenOutputs, ::testing::ValuesIn(example_names()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string id = info.param;
                           std::replace(id.begin(), id.end(), '-', '_');
                           return id;
                         });

// The filter leaves out exactly the two varying lines and nothing else.
TEST(GoldenOutputFilter, DropsOnlyTheDateAndPathLines) {
  RunFolder folder;
  folder.write("sample.txt",
               "Path to file locations:        /tmp/x/\n"
               "               Date:  December 10, 2026     Time:  12:01:07\n"
               "               Date:  is a word here\n"
               "Name of input data file:       input.tp7\n");
  EXPECT_EQ(steady_part(folder.file("sample.txt")),
            "               Date:  is a word here\n"
            "Name of input data file:       input.tp7\n");
}

}  // namespace
}  // namespace torva::testing
