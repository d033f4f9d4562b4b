// The iteration of a load case: its progress lines, the minimum of six solves, and the runtime
// errors it ends with (9 excess deflection, 10 no convergence, 11 small pivot, 28 not a number).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/errors.h"
#include "report/line.h"
#include "response/iteration_error_texts.h"
#include "response/soil_models.h"
#include "response/solver_fixture.h"

namespace torva::testing {
namespace {

using Iteration = SolverFixture;

TEST_F(Iteration, ConvergedFirstSolveStillRunsSixSolvesWithProgressLines) {
  make_pile(100, 1200.0, 1.0e10, 1000.0);
  ASSERT_EQ(iterate(1, 10000.0, 0.0), Convergence::kReached);
  EXPECT_EQ(engine().solver.iterations, 6);
  const double y1 = nodes().y[1];
  const std::vector<std::string> lines = messages();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "Analysis Case 1,   Iteration 1,    Y(top) =" + e12_4(y1) +
                          ", dYmax =" + e12_4(y1) + ", Node 2, Delta dYmax =" + e12_4(y1));
  EXPECT_EQ(lines[1], "Analysis Case 1,   Iteration 2,    Y(top) =" + e12_4(y1) +
                          ", dYmax =  0.0000E+00, Node 2, Delta dYmax =" + e12_4(y1));
  EXPECT_EQ(lines[5], "Analysis Case 1,   Iteration 6,    Y(top) =" + e12_4(y1) +
                          ", dYmax =  0.0000E+00, Node 2, Delta dYmax =  0.0000E+00");
  EXPECT_TRUE(report().empty());  // the report takes the last five iterations of the limit only
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

TEST_F(Iteration, PileWithoutSoilSupportHasASmallPivot) {
  // No soil along the pile and a free head: the pile can move as a rigid body, and the head
  // system meets a zero pivot in its second row.
  make_pile(100, 600.0, 4.0e10, 0.0);
  EXPECT_THROW(iterate(1, 1000.0, 0.0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 211);
  const std::vector<std::string> text = small_pivot_text();
  EXPECT_TRUE(contains_block(messages(), text));
  const std::vector<std::string> lines = report();
  ASSERT_TRUE(contains_block(lines, text));
  // The head system as it stood: row 2 reduced by row 1 (the shear row).
  const double h = 6.0;
  std::vector<std::string> dumps = free_pile_head_dumps(2.0 * 1000.0 * h * h * h / 4.0e10);
  dumps.insert(dumps.end(),
               {"", "", "", "Torva ended prematurely due to runtime error number RUN00011"});
  EXPECT_TRUE(contains_block(lines, dumps));
}

TEST(HeadSystem, OnlyPivotsBeforeTheLastAreTested) {
  struct Case {
    double pivot3, pivot4;
    int failed_row;
  };
  for (const Case c :
       {Case{1e-60, 1.0, 3}, Case{-1e-51, 1.0, 3}, Case{1e-49, 1.0, 0}, Case{1.0, 0.0, 0}}) {
    HeadSystem system;
    for (int k = 1; k <= 4; ++k) system.A[k][k] = 1.0;
    system.A[3][3] = c.pivot3;
    system.A[4][4] = c.pivot4;
    system.A[4][1] = 2.0;
    system.b = {0.0, 1.0, 1.0, 1.0, 1.0, 0.0};
    EXPECT_EQ(solve_head_system(system, 4), c.failed_row);
    if (c.pivot4 == 0.0) {
      EXPECT_TRUE(std::isinf(system.x[4]));
    }
  }
}

// p = p_u tanh(y / y50), its secant modulus taken as p / y: not a number where y is exactly 0.
class TanhSoil final : public SoilModulusUpdate {
 public:
  void update_soil_moduli(Engine& engine, int) override {
    NodeTable& nodes = engine.nodes;
    for (int i = 1; i <= nodes.N; ++i)
      nodes.Es[i] = 50.0 * std::tanh(nodes.y[i] / 0.05) / nodes.y[i];
  }
};

TEST_F(Iteration, NotANumberDeflection) {
  // A pinned head (zero deflection and moment) under a distributed load: the modulus at the
  // head is 0/0 after the first solve.
  make_pile(100, 600.0, 1.0e10, 1000.0);
  for (int i = 1; i <= nodes().N; ++i) nodes().W[i] = 10.0;
  TanhSoil soil;
  EXPECT_THROW(iterate(4, 0.0, 0.0, soil), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 228);
  EXPECT_EQ(report(),
            (std::vector<std::string>{"**** Runtime Error No. 28 ****", "",
                                      "Top deflection is Not-A-Number after iteration 2"}));
}

TEST_F(Iteration, InfiniteHeadDeflectionIsCaughtAsNotANumber) {
  // A specified deflection and a soil movement at the head that overflow together.
  make_pile(100, 600.0, 1.0e10, 1000.0);
  nodes().ysoil[1] = 1.0e308;
  EXPECT_THROW(iterate(5, 1.0e308, 0.0), RunStopped);
  EXPECT_TRUE(std::isinf(nodes().y[1]));
  EXPECT_EQ(engine().run.ErrorNumber, 228);
  EXPECT_EQ(report(),
            (std::vector<std::string>{"**** Runtime Error No. 28 ****", "",
                                      "Top deflection is Not-A-Number after iteration 1"}));
}

TEST_F(Iteration, ExcessDeflectionOfAnOverloadedPile) {
  // The soil can take at most 100 lb/in over 600 in; the head shear is 100000 lb.
  make_pile(100, 600.0, 1.0e10, 1000.0);
  engine().options.DeflectionLimit = 10.0;
  PlasticSoil soil(1000.0, 100.0);
  EXPECT_THROW(iterate(1, 100000.0, 0.0, soil), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 209);
  const int k = engine().solver.iterations;
  EXPECT_GT(k, 10);
  const double y1 = nodes().y[1];
  EXPECT_GE(std::fabs(y1), 10.0);
  std::vector<std::string> in_report = excess_deflection_text(y1, 10.0, " in ", true);
  in_report.insert(in_report.end(),
                   {"", "", "Torva ended prematurely due to runtime error number RUN00009"});
  EXPECT_TRUE(contains_block(report(), in_report));
  const std::vector<std::string> lines = messages();
  EXPECT_TRUE(contains_block(lines, excess_deflection_text(y1, 10.0, " in ", false)));
  // Every solve before the failing one was reported, the excess only counts after ten.
  EXPECT_TRUE(contains_line(lines, "Analysis Case 1,   Iteration " + std::to_string(k) +
                                       ",   Y(top) =" + e12_4(y1) +
                                       ", dYmax =" + e12_4(engine().solver.dYmax) + ", Node " +
                                       std::to_string(engine().solver.dYmax_node) +
                                       ", Delta dYmax =" + e12_4(engine().solver.delta_dYmax)));
}

}  // namespace
}  // namespace torva::testing

namespace torva::testing {
namespace {

// Loadings that fail to converge in different ways.
enum class Failure {
  kTipFlutter,    // a stiff tip shear curve: the tip swings between two states for ever
  kSlowTipSwing,  // a tip spring just short of the pile's tip flexibility: a slowly dying swing
  kSoftening,     // a hyperbolic soil: slow, steady convergence
  kOverload,      // more head shear than the soil can take: no solution at all
};

struct NonConvergenceCase {
  const char* name;
  int units;
  Failure failure;
  double scale;      // of the loads (and of the deflections, the soils being linear in them)
  double tolerance;  // in, m or L
  int limit;         // iteration limit
  std::vector<std::string>
      expected;  // the lines after the heading; a trailing '*' matches a prefix
};

const char* const kNoEstimate[] = {
    "The estimated number of iterations needed to obtain a solution cannot be computed.",
    "for the current convergence limit values.", ""};
const char* const kEstimate[] = {
    "The estimated number of iterations needed to obtain a solution for the current convergence ",
    "tolerance value is *"};
const char* const kRaiseLimit =
    "A solution may be possible by increasing the maximum number of iterations to above this "
    "value.";
const char* const kToleranceUS[] = {
    "The current value for convergence tolerance is less than the recommended upper limit of ",
    "0.0001 inches, so a solution is possible if the convergence tolerance is raised to a value ",
    "greater than *",
    "",
    "It is recommended that the convergence tolerance not be raised above 0.0001 inches.",
    ""};
const char* const kToleranceSI[] = {
    "The current value for convergence tolerance is less than the recommended upper limit of ",
    "0.00000254 meters, so a solution is possible if the convergence tolerance is raised to a "
    "value ",
    "greater than *",
    "",
    "It is recommended that the convergence tolerance not be raised above 0.00000254 meters.",
    ""};
const char* const kOver1000 =
    "solution can only be obtained if the convergence tolerance is increased in value.";
const char* const kNotLikely[] = {
    "The analysis of convergence performance found that it is not likely that a ",
    "solution can be obtained by changing the solution criteria for this problem. ",
    "However, the maximum number of iterations is less than 1000, so a solution ",
    "may be obtained by raising the maximum number of iterations to 1000.", ""};
const char* const kNotPossible[] = {
    "The analysis of convergence performance found that it is not possible to obtain a ",
    "solution by changing the solution criteria for this problem. This indicates that  ",
    "the pile is loaded above its structural and/or geotechnical capacity."};

template <typename... Parts>
std::vector<std::string> join(const Parts&... parts) {
  std::vector<std::string> lines;
  const auto add = [&lines](const auto& part) {
    if constexpr (std::is_convertible_v<decltype(part), const char*>) {
      lines.emplace_back(part);
    } else {
      for (const char* line : part) lines.emplace_back(line);
    }
  };
  (add(parts), ...);
  return lines;
}

std::vector<NonConvergenceCase> non_convergence_cases() {
  return {
      // No change of dYmax: the estimate cannot be computed, and counts as 0 iterations.
      {"no estimate", kUnitsUS, Failure::kTipFlutter, 1.0, 1e-12, 30,
       join(kNoEstimate, kRaiseLimit, kNotLikely)},
      {"no estimate, small swing", kUnitsUS, Failure::kTipFlutter, 0.01, 1e-12, 30,
       join(kNoEstimate, kRaiseLimit, kToleranceUS)},
      {"no estimate, small swing, SI", kUnitsSI, Failure::kTipFlutter, 1e-4, 1e-12, 30,
       join(kNoEstimate, kRaiseLimit, kToleranceSI)},
      {"slow convergence", kUnitsUS, Failure::kSoftening, 1.0, 1e-12, 30,
       join(kEstimate, "", kRaiseLimit, kToleranceUS)},
      {"overload", kUnitsUS, Failure::kOverload, 1.0, 1e-3, 30, join(kEstimate, "", kNotLikely)},
      {"slow swing at the largest limit", kUnitsUS, Failure::kSlowTipSwing, 1.0, 1e-3, 1000,
       join(kEstimate, "", kNotPossible)},
      {"slow swing", kUnitsUS, Failure::kSlowTipSwing, 1.0, 1e-12, 30,
       join(kEstimate, "",
            "The estimated number of iterations required to obtain a solution is greater than "
            "1000, so a ",
            kOver1000, "", kNotPossible)},
      {"slow small swing, SI", kUnitsSI, Failure::kSlowTipSwing, 1e-5, 1e-12, 30,
       join(kEstimate, "",
            "The estimated number of iterations required to obtain a solution is greater than "
            "1,000, so a ",
            kOver1000, "", kToleranceSI)},
      {"general units", kUnitsGeneral, Failure::kSoftening, 1.0, 1e-12, 30, join(kEstimate, "")},
  };
}

class NonConvergence : public SolverFixture {
 protected:
  // Runs the failing loading; returns the report lines after the recommendations heading.
  std::vector<std::string> fail(const NonConvergenceCase& c) {
    use_units(c.units);
    Options& options = engine().options;
    options.DeflectionLimit = 1.0e30;
    const double V = 10000.0 * c.scale;
    switch (c.failure) {
      case Failure::kTipFlutter: {
        const std::array<double, 3> deflection{0.0, 0.001 * c.scale, 0.01 * c.scale};
        const std::array<double, 3> shear{0.0, 300.0 * c.scale, 800.0 * c.scale};
        start(c, 240.0);
        expect_failure(c, [&] { return iterate(1, V, 0.0, TipShearView{deflection, shear}); });
        break;
      }
      case Failure::kSlowTipSwing: {
        // The tip deflection per unit tip shear, from two linear solves (a small constant tip
        // shear does not turn the tip round).
        make_pile(100, 240.0, 1.0e10, 1000.0);
        EXPECT_EQ(iterate(1, V, 0.0), Convergence::kReached);
        const double free_tip = nodes().y[nodes().N];
        const std::array<double, 1> deflection_one{1.0};
        const std::array<double, 1> shear_one{V / 1000.0};
        make_pile(100, 240.0, 1.0e10, 1000.0);
        EXPECT_EQ(iterate(1, V, 0.0, TipShearView{deflection_one, shear_one}),
                  Convergence::kReached);
        const double flexibility = (free_tip - nodes().y[nodes().N]) / shear_one[0];
        const std::array<double, 2> deflection{0.0, 1.0};
        const std::array<double, 2> shear{0.0, 0.9995 / std::fabs(flexibility)};
        start(c, 240.0);
        expect_failure(c, [&] { return iterate(1, V, 0.0, TipShearView{deflection, shear}); });
        break;
      }
      case Failure::kSoftening: {
        HyperbolicSoil soil(1000.0, 0.01);
        start(c, 1200.0);
        expect_failure(c, [&] { return iterate(1, 1000.0, 0.0, soil); });
        break;
      }
      case Failure::kOverload: {
        PlasticSoil soil(1000.0, 100.0);
        start(c, 600.0);
        expect_failure(c, [&] { return iterate(1, 100000.0, 0.0, soil); });
        break;
      }
    }
    const std::vector<std::string> lines = report();
    const auto heading =
        std::find(lines.begin(), lines.end(), "convergence performancefor the last analysis. ");
    EXPECT_NE(heading, lines.end());
    if (heading == lines.end()) return {};
    return std::vector<std::string>(heading + 2, lines.end());
  }

  void start(const NonConvergenceCase& c, double length) {
    make_pile(100, length, 1.0e10, 1000.0);
    engine().options.ConvergenceTolerance = c.tolerance;
    engine().options.MaxIterations = c.limit;
    engine().run.ErrorNumber = 0;
    engine().run.report.close();
    ASSERT_TRUE(engine().run.report.open(folder_.file("report.txt")));
  }

  template <typename Iterate>
  void expect_failure(const NonConvergenceCase& c, Iterate iterate_case) {
    EXPECT_THROW(iterate_case(), RunStopped);
    EXPECT_EQ(engine().run.ErrorNumber, 210);
    EXPECT_EQ(engine().solver.iterations, c.limit);
  }
};

// Lines equal, or equal up to the '*' that ends an expected line.
bool matches(const std::vector<std::string>& lines, const std::vector<std::string>& expected) {
  if (lines.size() != expected.size()) return false;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::string& e = expected[k];
    if (!e.empty() && e.back() == '*') {
      if (lines[k].rfind(e.substr(0, e.size() - 1), 0) != 0) return false;
    } else if (lines[k] != e) {
      return false;
    }
  }
  return true;
}

int estimated_iterations(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (line.rfind("tolerance value is ", 0) == 0) return std::stoi(line.substr(19));
  }
  return -1;
}

TEST_F(NonConvergence, RecommendationsFollowTheConvergencePerformance) {
  for (const NonConvergenceCase& c : non_convergence_cases()) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = fail(c);
    // The closing lines of ErrorStop.
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.back(), "Torva ended prematurely due to runtime error number RUN00010");
    lines.resize(lines.size() - 3);
    EXPECT_TRUE(matches(lines, c.expected)) << ::testing::PrintToString(lines);
    const int n = estimated_iterations(lines);
    if (n >= 0 && std::find(c.expected.begin(), c.expected.end(), std::string(kRaiseLimit)) !=
                      c.expected.end()) {
      EXPECT_LT(n, 1000);
      EXPECT_GT(n, c.limit);
    }
    if (std::find(c.expected.begin(), c.expected.end(), std::string(kOver1000)) !=
        c.expected.end()) {
      EXPECT_GT(n, 1000);
    }
  }
}

TEST_F(NonConvergence, ReportsTheLimitsAndTheLastFiveIterations) {
  const NonConvergenceCase c{"no estimate", kUnitsSI, Failure::kTipFlutter, 1.0, 1e-6, 30, {}};
  fail(c);
  const std::vector<std::string> lines = folder_.report();
  const SolverState& state = engine().solver;
  EXPECT_TRUE(contains_block(lines, non_convergence_heading(30, state.dYmax, 0.0, 1e-6, " m  ")));
  int progress = 0;
  for (const std::string& line : lines) {
    if (line.rfind("For Analysis Case 1, Iteration ", 0) == 0) {
      ++progress;
      EXPECT_EQ(line.substr(31, 2), std::to_string(25 + progress));
      EXPECT_EQ(line.substr(34, 11), "   Y(top) =");
    }
  }
  EXPECT_EQ(progress, 5);
}

TEST_F(NonConvergence, UnderADeflectionAndMomentTheCaseGoesOn) {
  // A pushed head in a softening soil, with too few iterations allowed: the error is recorded
  // and the case returns to be reported, but it is not announced as converged.
  make_pile(100, 600.0, 1.0e10, 1000.0);
  engine().options.MaxIterations = 30;
  engine().options.ConvergenceTolerance = 1e-12;
  HyperbolicSoil soil(1000.0, 0.01);
  Convergence result = Convergence::kReached;
  ASSERT_NO_THROW(result = iterate(4, 2.0, 0.0, soil));
  EXPECT_EQ(result, Convergence::kNotReached);
  EXPECT_EQ(engine().run.ErrorNumber, 210);
  EXPECT_EQ(engine().solver.iterations, 30);
  report_load_case_convergence(engine(), 1, result);
  report_load_case_convergence(engine(), 2, Convergence::kReached);
  const std::vector<std::string> message_lines = messages();
  ASSERT_GE(message_lines.size(), 2u);
  EXPECT_EQ(message_lines.back(), "The convergence criteria have been met for load case 2");
  EXPECT_EQ(message_lines[message_lines.size() - 2].rfind("Analysis Case 1,   Iteration 30,", 0),
            0u);
  const std::vector<std::string> report_lines = report();
  EXPECT_TRUE(contains_line(report_lines, "  ****  Runtime Error No. 10  ****  "));
  EXPECT_EQ(report_lines.back(), "Torva ended prematurely due to runtime error number RUN00010");
}

}  // namespace
}  // namespace torva::testing
