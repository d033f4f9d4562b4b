// Whole runs that end in the iteration of a load case, made by their input files: a pile pushed
// past the excess-deflection limit (runtime error 9), one that converges too slowly for its
// iteration limit (10), a pile in soil of no stiffness whose head system is singular (11) and a
// head shear whose deflection overflows (28); their texts in the report and the message file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "response/iteration_error_texts.h"
#include "support/report_lines.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

// The soft clay example with one load case of the given record and the option lines changed.
std::string soft_clay_case(const std::string& load,
                           const std::vector<std::pair<std::string, std::string>>& options = {}) {
  std::string text = replaced(example("soft_clay_pile.tp7"),
                              "LOADING\n4\n1 1 20000.0 0.0 0.0 1\n2 2 20000.0 0.0 0.0 1\n"
                              "3 4 0.5 0.0 0.0 1\n4 5 0.25 0.0 0.0 1\n",
                              "LOADING\n1\n" + load + "\n");
  for (const auto& [from, to] : options) text = replaced(text, from, to);
  return text;
}

// The progress lines of load case 1 in the message file.
std::vector<std::string> progress_lines(const std::vector<std::string>& messages) {
  std::vector<std::string> lines;
  std::copy_if(messages.begin(), messages.end(), std::back_inserter(lines),
               [](const std::string& line) { return line.rfind("Analysis Case 1, ", 0) == 0; });
  return lines;
}

const std::string kConverged = "The convergence criteria have been met for load case 1";

TEST(IterationErrorRuns, OverloadedPilePastTheDeflectionLimitIsRuntimeError9) {
  RunFolder folder;
  ASSERT_EQ(folder.run(soft_clay_case("1 1 500000.0 0.0 0.0 1",
                                      {{"DeflectionLimit 10.0", "DeflectionLimit 1.0"}})),
            209);
  const double y1 = folder.engine().nodes.y[1];
  EXPECT_GE(y1, 1.0);
  std::vector<std::string> in_report = excess_deflection_text(y1, 1.0, " in ", true);
  in_report.insert(in_report.end(),
                   {"", "", "Torva ended prematurely due to runtime error number RUN00009", "",
                    "The analysis ended due to runtime error No. 9."});
  EXPECT_TRUE(contains_block(folder.report(), in_report));

  const std::vector<std::string> messages = folder.messages();
  std::vector<std::string> in_messages = excess_deflection_text(y1, 1.0, " in ", false);
  in_messages.insert(in_messages.end(), {"", "The analysis ended due to runtime error No. 9."});
  EXPECT_TRUE(contains_block(messages, in_messages));

  // The head passes the limit within the first solves, but the limit counts only from the
  // eleventh; that solve is the last.
  const std::vector<std::string> progress = progress_lines(messages);
  ASSERT_EQ(progress.size(), 11u);
  EXPECT_EQ(progress.back().rfind("Analysis Case 1,   Iteration 11,   Y(top) =" + e12_4(y1), 0),
            0u);
  EXPECT_GE(std::stod(progress[9].substr(43, 12)), 1.0);  // iteration 10
  EXPECT_FALSE(contains_line(messages, kConverged));
}

TEST(IterationErrorRuns, SlowConvergenceWithinTheIterationLimitIsRuntimeError10) {
  // 30 iterations (the least allowed) are too few for a tolerance of 1e-20 in.
  RunFolder folder;
  ASSERT_EQ(folder.run(soft_clay_case("1 1 20000.0 0.0 0.0 1",
                                      {{"MaxIterations 100", "MaxIterations 30"},
                                       {"Tolerance 1.0E-5", "Tolerance 1.0E-20"}})),
            210);
  const SolverState& state = folder.engine().solver;
  EXPECT_EQ(state.iterations, 30);
  // Converging steadily: the estimate 30 + (dYmax - tolerance) / (change of dYmax) lies just
  // beyond the limit, and the change is below the recommended tolerance of 0.0001 in.
  const int estimate =
      static_cast<int>(std::fabs(30.0 + (state.dYmax - 1e-20) / state.delta_dYmax));
  EXPECT_GT(estimate, 30);
  EXPECT_LT(estimate, 1000);
  EXPECT_LT(state.dYmax, 1e-4);
  const std::vector<std::string> report = folder.report();
  std::vector<std::string> text =
      non_convergence_heading(30, state.dYmax, state.delta_dYmax, 1e-20, " in ");
  // An estimate below 1000 with a tolerance under 0.0001 in: raise the limit; dYmax under
  // 0.0001 in: raise the tolerance.
  const std::vector<std::string> advice = {
      "The estimated number of iterations needed to obtain a solution for the current "
      "convergence ",
      "tolerance value is " + std::to_string(estimate) + " iterations.",
      "",
      "A solution may be possible by increasing the maximum number of iterations to above this "
      "value.",
      "The current value for convergence tolerance is less than the recommended upper limit of ",
      "0.0001 inches, so a solution is possible if the convergence tolerance is raised to a "
      "value ",
      "greater than " + e12_4(state.dYmax) + " in .",
      "",
      "It is recommended that the convergence tolerance not be raised above 0.0001 inches.",
      "",
      "",
      "",
      "Torva ended prematurely due to runtime error number RUN00010",
      "",
      "The analysis ended due to runtime error No. 10."};
  text.insert(text.end(), advice.begin(), advice.end());
  EXPECT_TRUE(contains_block(report, text));

  // The report shows the last five iterations, the message file every one; the error text
  // itself is the report's only.
  const std::vector<std::string> messages = folder.messages();
  const std::vector<std::string> progress = progress_lines(messages);
  ASSERT_EQ(progress.size(), 30u);
  int shown = 0;
  for (const std::string& line : report) {
    if (line.rfind("For Analysis Case 1, Iteration ", 0) != 0) continue;
    ++shown;
    const std::string& message = progress[static_cast<std::size_t>(24 + shown)];
    EXPECT_EQ(line.substr(0, 34),
              "For Analysis Case 1, Iteration " + std::to_string(25 + shown) + ",");
    EXPECT_EQ(line.substr(37), message.substr(35)) << message;
  }
  EXPECT_EQ(shown, 5);
  EXPECT_FALSE(contains_line(messages, "  ****  Runtime Error No. 10  ****  "));
  EXPECT_FALSE(contains_line(messages, kConverged));
  EXPECT_TRUE(contains_block(
      messages, {progress.back(), "", "The analysis ended due to runtime error No. 10."}));
}

TEST(IterationErrorRuns, PileInSoilOfNoStiffnessHasASingularHeadSystemRuntimeError11) {
  // An elastic subgrade of zero modulus: the free-headed pile can move as a rigid body.
  RunFolder folder;
  const std::string input =
      with_soil(soft_clay_case("1 1 20000.0 0.0 0.0 1"), "1\n13 0.0 70.0\n50.0 0.0\n50.0 0.0\n");
  ASSERT_EQ(folder.run(input), 211);
  const std::vector<std::string> text = small_pivot_text();
  const std::vector<std::string> messages = folder.messages();
  std::vector<std::string> in_messages = text;
  in_messages.insert(in_messages.end(), {"", "The analysis ended due to runtime error No. 11."});
  EXPECT_TRUE(contains_block(messages, in_messages));
  EXPECT_FALSE(contains_line(messages, "A matrix "));
  EXPECT_TRUE(progress_lines(messages).empty());  // the first solve failed

  // The shear row's right-hand side is 2 V h^3 / EI (h = 7.2 in, EI of the 24-in pipe), the
  // second row reduced by it; nothing has been solved yet.
  const double shear_term = 2.0 * 20000.0 * std::pow(7.2, 3) / (29.0e6 * 2549.7);
  std::vector<std::string> in_report = text;
  const std::vector<std::string> dumps = free_pile_head_dumps(shear_term);
  in_report.insert(in_report.end(), dumps.begin(), dumps.end());
  in_report.insert(in_report.end(),
                   {"", "", "", "Torva ended prematurely due to runtime error number RUN00011", "",
                    "The analysis ended due to runtime error No. 11."});
  EXPECT_TRUE(contains_block(folder.report(), in_report));
}

// A head shear so large that the deflection would overflow is refused where it is read (input
// error 36): no finite input reaches runtime error 28 of a load case any more, whose texts the
// model tests of the iteration check.
TEST(IterationErrorRuns, HeadShearBeyondTheNumbersIsRefusedBeforeTheSolution) {
  RunFolder folder;
  ASSERT_EQ(folder.run(soft_clay_case("1 1 1.0E+308 0.0 0.0 1")), 136);
  const std::vector<std::string> report = folder.report();
  EXPECT_FALSE(contains_line(report, "**** Runtime Error No. 28 ****"));
  EXPECT_TRUE(contains_line(report, "Torva ended prematurely due to input error number INP00036"));
}

}  // namespace
}  // namespace torva::testing
