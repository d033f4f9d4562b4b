// Inputs and calls that once ended "normally" with wrong numbers or lost data, each with the
// error that now ends the run: values beyond any computation (input error 36), properties
// outside their physical range (34), depth tables given deepest first (35), results that are
// not finite (runtime error 60), outputs that cannot be written (8), run files that are one
// file (61), a folder as the input (7), printed p-y curves that are not numbers, and two
// threads calling the engine at once.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "engine/errors.h"
#include "engine/lgo.h"
#include "soil/py_fixture.h"
#include "soil/py_framework.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

namespace fs = std::filesystem;

std::string example(const std::string& name) {
  return read_text(std::string(TORVA_EXAMPLES_DIR) + "/" + name);
}

// The text with each `from` (which must occur) replaced by its `to`, first occurrence only.
std::string edited(std::string text,
                   const std::vector<std::pair<std::string, std::string>>& edits) {
  for (const auto& [from, to] : edits) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
  }
  return text;
}

// The 1-based number of the line that begins with `start`.
int line_number(const std::string& text, const std::string& start) {
  int line = 1;
  for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1, ++line) {
    if (text.compare(at, start.size(), start) == 0) return line;
    if (text.find('\n', at) == std::string::npos) break;
  }
  ADD_FAILURE() << "no line begins with " << start;
  return 0;
}

std::string line_text(int line) { return "line " + std::to_string(line); }

struct BadInput {
  const char* name;
  std::string input;
  int code;             // the run's result
  std::string problem;  // the "Problem:" line of the report and the message file
};

const std::string kSolutionRange =
    "Solution: Correct the value on that line; lengths, loads and properties must be finite "
    "numbers of magnitude 1e30 or less.";

std::vector<BadInput> bad_inputs() {
  const std::string clay = example("soft_clay_pile.tp7");
  const std::string si = example("elastic_subgrade_si.tp7");
  const std::string layered = example("layered_soil_us.tp7");
  const int length_line = line_number(clay, "60.0");
  const int layer_line = line_number(clay, "1 0.0 70.0");
  const int clay_top_line = line_number(clay, "50.0 400.0 0.02");
  const int case1_line = line_number(clay, "1 1 20000.0");
  // One layer in place of the soft clay of the example.
  const auto one_layer = [&](const std::string& header, const std::string& top,
                             const std::string& bottom) {
    return edited(clay, {{"1 0.0 70.0\n50.0 400.0 0.02\n50.0 1000.0 0.01\n",
                          header + "\n" + top + "\n" + bottom + "\n"}});
  };
  const auto reversed_rows = [&](const char* rows, const char* reversed, const char* second) {
    const std::string text = edited(layered, {{rows, reversed}});
    return std::make_pair(text, line_number(text, second));
  };
  const auto [movements, movement_line] =
      reversed_rows("1 2 1.0\n2 12 0.5\n3 25 0\n", "1 25 0\n2 12 0.5\n3 2 1.0\n", "2 12 0.5");
  const auto [factors, factor_line] =
      reversed_rows("1 2 0.7 1.0\n2 60 0.7 1.0\n", "1 60 0.7 1.0\n2 2 0.7 1.0\n", "2 2 0.7");
  const auto [loads, load_line] =
      reversed_rows("1 0 100\n2 24 100\n", "1 24 100\n2 0 100\n", "2 0 100");

  return {
      // A section length that is infinite in inches: its nodes' depths were not numbers.
      {"section length of 1e308 ft", edited(clay, {{"\n60.0\n", "\n1e308\n"}}), 136,
       "Problem: Line " + std::to_string(length_line) +
           " of the input data file gives the value 1e+308, which is not a finite number of "
           "magnitude 1e30 or less."},
      // A depth in feet that passes 1e30 only in inches (the soil is made deeper, not the pile,
      // so that the soil still reaches the pile tip for the input echo that comes first).
      {"layer depth beyond 1e30 only in inches", edited(clay, {{"1 0.0 70.0\n", "1 0.0 1e29\n"}}),
       136,
       "Problem: Line " + std::to_string(layer_line) +
           " of the input data file gives the value 1.2e+30 once converted to the units of the "
           "analysis, which is not a finite number of magnitude 1e30 or less."},
      {"axial thrust of 1e308",
       edited(clay, {{"1 1 20000.0 0.0 0.0 1", "1 1 20000.0 0.0 1e308 1"}}), 136,
       "Problem: Line " + std::to_string(case1_line) +
           " of the input data file gives the value 1e+308, which is not a finite number of "
           "magnitude 1e30 or less."},
      {"head moment of -1e308",
       edited(clay, {{"1 1 20000.0 0.0 0.0 1", "1 1 20000.0 -1e308 0.0 1"}}), 136,
       "Problem: Line " + std::to_string(case1_line) +
           " of the input data file gives the value -1e+308, which is not a finite number of "
           "magnitude 1e30 or less."},

      // Properties that changed the sign of the answer or made its curves not numbers.
      {"negative unit weight of soft clay",
       one_layer("1 0.0 70.0", "-50.0 400.0 0.02", "50.0 1000.0 0.01"), 134,
       "Problem: The top property record of soil layer 1 (SoftClay) gives the effective unit "
       "weight = -50 (" +
           line_text(clay_top_line) + ")."},
      {"negative eps50 of soft clay",
       one_layer("1 0.0 70.0", "50.0 400.0 -0.02", "50.0 1000.0 0.01"), 134,
       "Problem: The top property record of soil layer 1 (SoftClay) gives the strain eps50 = "
       "-0.02 (" +
           line_text(clay_top_line) + ")."},
      {"friction angle of 1e30 in Reese sand",
       one_layer("5 0.0 70.0", "50.0 34.0 0.0", "50.0 1e30 0.0"), 134,
       "Problem: The bottom property record of soil layer 1 (Sand) gives the friction angle phi "
       "= 1e+30 (" +
           line_text(clay_top_line + 1) + ")."},
      {"negative k in API sand", one_layer("6 0.0 70.0", "50.0 34.0 -25.0", "50.0 34.0 25.0"), 134,
       "Problem: The top property record of soil layer 1 (API Sand) gives the subgrade modulus k "
       "= -25 (" +
           line_text(clay_top_line) + ")."},
      {"negative unit weight of liquefied sand", one_layer("7 0.0 70.0", "-1e6", "50.0"), 134,
       "Problem: The top property record of soil layer 1 (Liq Sand) gives the effective unit "
       "weight = -1000000 (" +
           line_text(clay_top_line) + ")."},
      {"negative elastic subgrade modulus",
       edited(si, {{"10.0 20000.0\n10.0 20000.0", "10.0 20000.0\n10.0 -20000.0"}}), 134,
       "Problem: The bottom property record of soil layer 1 (Elast SG) gives the elastic "
       "subgrade modulus = -20000 (" +
           line_text(line_number(si, "10.0 20000.0") + 1) + ")."},
      // The input echo finds a pile width of zero or less first (input error 27).
      {"negative pile width", edited(clay, {{"24.0\n24.0\n", "-24.0\n24.0\n"}}), 127,
       "Problem:  Zero values for one of the following values were "},

      // Tables given deepest first were ignored as if they were not there.
      {"soil movements deepest first", movements, 135,
       "Problem: Row 2 of the soil movements (" + line_text(movement_line) + ") lies above row 1."},
      {"p-y modification factors deepest first", factors, 135,
       "Problem: Row 2 of the p-y modification factors (" + line_text(factor_line) +
           ") lies above row 1."},
      {"distributed load deepest first", loads, 135,
       "Problem: Row 2 of the distributed load (" + line_text(load_line) + ") lies above row 1."},

      // A section area of 1e-308 under a thrust: Q/A is infinite where the area is the one
      // given, at the tip (above it the pipe's area comes from its width and wall).
      {"stress of a section of almost no area",
       edited(clay, {{"36.91\n36.91\n", "1e-308\n1e-308\n"},
                     {"1 1 20000.0 0.0 0.0 1", "1 1 20000.0 0.0 100.0 1"}}),
       260, "Problem: The total stress of load case 1 at node 101 is infinite."},
  };
}

TEST(Robustness, BadInputsEndWithTheirError) {
  for (const BadInput& c : bad_inputs()) {
    SCOPED_TRACE(c.name);
    RunFolder folder;
    EXPECT_EQ(folder.run(c.input), c.code);
    EXPECT_TRUE(contains_line(folder.report(), c.problem));
    EXPECT_TRUE(contains_line(folder.messages(), c.problem));
    EXPECT_FALSE(contains_line(folder.report(), "The analysis ended normally. "));
  }
}

TEST(Robustness, DocumentedSentinelsStayAccepted) {
  const std::string clay = example("soft_clay_pile.tp7");
  const std::pair<const char*, std::string> soils[] = {
      // eps50 of 0: the default strain.
      {"soft clay eps50 0", "1 0.0 70.0\n50.0 400.0 0.0\n50.0 1000.0 0.0\n"},
      // k of 0: the default subgrade modulus.
      {"Reese sand k 0", "5 0.0 70.0\n50.0 34.0 0.0\n50.0 36.0 0.0\n"},
      // A stiff clay k top of -1.
      {"stiff clay k top -1", "2 0.0 70.0\n50.0 2000.0 0.005 -1\n50.0 3000.0 0.004 0\n"},
  };
  for (const auto& [name, soil] : soils) {
    SCOPED_TRACE(name);
    RunFolder folder;
    const int code =
        folder.run(edited(clay, {{"1 0.0 70.0\n50.0 400.0 0.02\n50.0 1000.0 0.01\n", soil}}));
    EXPECT_NE(code, errors::kInputPhysicalRange.number);
    EXPECT_TRUE(InputAccepted(code));
  }
}

// ---------------------------------------------------------------------------------------------
// Run files

TEST(Robustness, AnOutputThatCannotBeWrittenIsRuntimeError8) {
  const std::pair<const char*, const char*> names[] = {
      {"report", "input.tp7\n/dev/full\nplot.txt\nmessages.txt\n"},
      {"plot output", "input.tp7\nreport.txt\n/dev/full\nmessages.txt\n"},
  };
  for (const auto& [which, control] : names) {
    SCOPED_TRACE(which);
    RunFolder folder;
    folder.write("input.tp7", example("soft_clay_pile.tp7"));
    folder.write("NAMES.DAT", control);
    EXPECT_EQ(folder.run_as_is(), errors::kRunOutputNotCreated.number);
    EXPECT_TRUE(contains_line(
        folder.messages(), "Problem: The output file /dev/full could not be written completely."));
  }
}

TEST(Robustness, TwoRunFilesThatAreOneFileEndBeforeAnythingIsWritten) {
  const std::string input = example("minimal.tp7");
  const std::pair<const char*, const char*> names[] = {
      {"report over the input", "input.tp7\ninput.tp7\nplot.txt\nmessages.txt\n"},
      {"message file over the input by another name",
       "input.tp7\nreport.txt\nplot.txt\n./sub/../input.tp7\n"},
      {"plot over the report", "input.tp7\nreport.txt\nreport.txt\nmessages.txt\n"},
  };
  for (const auto& [name, control] : names) {
    SCOPED_TRACE(name);
    RunFolder folder;
    fs::create_directory(folder.file("sub"));
    folder.write("input.tp7", input);
    folder.write("NAMES.DAT", control);
    EXPECT_EQ(folder.run_as_is(), errors::kRunSameFile.number);
    EXPECT_EQ(read_text(folder.file("input.tp7")), input);
    for (const char* output : {"report.txt", "plot.txt", "messages.txt"}) {
      EXPECT_FALSE(fs::exists(folder.file(output))) << output;
    }
    EXPECT_NE(read_text(folder.file("fort.8")).find("**** Runtime Error No. 61 ****"),
              std::string::npos);
  }
}

TEST(Robustness, AFolderAsTheInputIsRuntimeError7) {
  RunFolder folder;
  fs::create_directory(folder.file("input.tp7"));
  folder.write_names();
  EXPECT_EQ(folder.run_as_is(), errors::kRunInputNotOpened.number);
  // The run files are not open yet: the message goes to the fallback file.
  EXPECT_TRUE(contains_line(read_lines(folder.file("fort.8")),
                            "Problem: The input data file input.tp7 is a folder, not a file."));
}

// ---------------------------------------------------------------------------------------------
// A printed p-y curve that is not a number ends the run like a modulus that is not one.

class PrintedCurveCheck : public PYFixture {};

TEST_F(PrintedCurveCheck, APointThatIsNotANumberIsTheCriterionsError) {
  make_pile(40, 480.0, 24.0);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  add_layer(criterion::kElasticSubgrade, 0.0, 600.0, {0.02, 0.0, 0.0, 0.0, nan});
  assign_layers();
  request_curves({120.0});
  EXPECT_THROW(PYOutputAtDepths(engine()), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, errors::kRunModulusNotANumber.number);
  const std::vector<std::string> lines = report();
  EXPECT_TRUE(contains_line(lines,
                            "Problem: Point 1 of the printed p-y curve 1 in soil layer 1 (Elastic "
                            "Subgrade) is not a number."));
  for (const std::string& line : lines) EXPECT_EQ(line.find("NaN"), std::string::npos) << line;
}

// ---------------------------------------------------------------------------------------------
// Two threads calling the engine at once run one after the other, each as if alone.

std::vector<std::string> without_time(std::vector<std::string> lines) {
  std::erase_if(lines,
                [](const std::string& line) { return line.find("Time:") != std::string::npos; });
  return lines;
}

TEST(Robustness, OverlappingCallsRunOneAfterTheOther) {
  RunFolder folder;
  folder.write("input.tp7", example("soft_clay_pile.tp7"));
  folder.write_names();
  const fs::path saved = fs::current_path();
  fs::current_path(folder.path());
  ASSERT_EQ(call_lgo(kInterfaceVersion), 0);
  const std::vector<std::string> report = without_time(folder.report());
  const std::vector<std::string> plot = folder.plot();
  int codes[2] = {-1, -1};
  std::thread first([&] { codes[0] = call_lgo(kInterfaceVersion); });
  std::thread second([&] { codes[1] = call_lgo(kInterfaceVersion); });
  first.join();
  second.join();
  fs::current_path(saved);
  EXPECT_EQ(codes[0], 0);
  EXPECT_EQ(codes[1], 0);
  EXPECT_EQ(without_time(folder.report()), report);
  EXPECT_EQ(folder.plot(), plot);
}

}  // namespace
}  // namespace torva::testing
