#include "response/load_case_iteration.h"

#include <climits>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/errors.h"
#include "report/line.h"

namespace torva {

namespace {

// The recommended upper limits of the convergence tolerance, as single-precision values.
constexpr double kToleranceLimitUS = 9.999999747378752e-05;  // 0.0001 in
constexpr double kToleranceLimitSI = 2.539999968576012e-06;  // 0.00000254 m

void put_lines(TextFile& file, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) file.put(line);
}

// The length label in its fixed width of three.
std::string length_unit(const Engine& engine) {
  std::string label = engine.run.labels.length;
  if (label.size() < 3) label.resize(3, ' ');
  return label;
}

// " Y(top) =", dYmax, its node and the change of dYmax, after the case and iteration numbers.
Line& append_measures(Line& line, const Engine& engine) {
  const SolverState& state = engine.solver;
  return line.a("Y(top) =")
      .e(engine.nodes.y[1], 12, 4)
      .a(", dYmax =")
      .e(state.dYmax, 12, 4)
      .a(", Node ")
      .i0(state.dYmax_node)
      .a(", Delta dYmax =")
      .e(state.delta_dYmax, 12, 4);
}

void write_progress(Engine& engine, int k) {
  const int load_case = engine.run.current_load_case;
  Line message;
  message.a("Analysis Case ").i0(load_case).a(",").tab(20).a("Iteration ").i0(k).a(",").tab(36);
  engine.run.message.put(append_measures(message, engine));
  if (k > engine.options.MaxIterations - 5) {
    Line report;
    report.a("For Analysis Case ").i0(load_case).a(", Iteration ").i0(k).a(",").tab(37).a(" ");
    engine.run.report.put(append_measures(report, engine));
  }
}

// Runtime Error No. 28: recorded without the termination line, as documented.
[[noreturn]] void report_not_a_number(Engine& engine, int k, bool head_deflection) {
  TextFile& report = engine.run.report;
  report.put("**** Runtime Error No. 28 ****");
  report.blank();
  report.put(Line()
                 .a(head_deflection
                        ? "Top deflection is Not-A-Number after iteration "
                        : "Maximum change in deflection is Not-A-Number after iteration ")
                 .i0(k));
  engine.run.ErrorNumber = 228;
  throw RunStopped{};
}

[[noreturn]] void report_excess_deflection(Engine& engine) {
  const std::string unit = length_unit(engine);
  const std::string computed = Line()
                                   .a("The computed deflection of the pile head is ")
                                   .e(engine.nodes.y[1], 12, 4)
                                   .a(" ")
                                   .a(unit)
                                   .str();
  const std::string limit = Line()
                                .a("The specified excess deflection limit is    ")
                                .e(engine.options.DeflectionLimit, 12, 4)
                                .a(" ")
                                .a(unit)
                                .str();
  const char* banner = "**** Runtime Error No. 9 ****";
  const char* detected = "An error in the analysis was detected by the program.  ";
  const char* problem =
      "Problem:  The computed deflection is larger than the specified excess deflection limit.";
  const char* cause = "This error may be due to overloading the pile or bad input data.";
  const char* solution1 =
      "Solution:  Please check input values for pile loading and soil properties for accuracy ";
  const char* solution2 = "and/or increase the diameter and/or length of the pile if necessary.";
  put_lines(engine.run.report, {"", "", banner, "", detected, "", problem, "", computed, "", limit,
                                "", cause, "", "", solution1, "", solution2, ""});
  put_lines(engine.run.message, {"", "", banner, "", detected, "", problem, "", computed, limit, "",
                                 cause, "", solution1, "", solution2, ""});
  stop_run(engine, "RUN00009", 209);
}

void report_no_estimate(TextFile& report) {
  report.put("The estimated number of iterations needed to obtain a solution cannot be computed.");
  report.put("for the current convergence limit values.");
  report.blank();
}

// The recommendations that close Runtime Error No. 10.
void write_recommendations(Engine& engine) {
  TextFile& report = engine.run.report;
  const SolverState& state = engine.solver;
  const Options& options = engine.options;
  const int k_max = options.MaxIterations;
  const double tolerance = options.ConvergenceTolerance;
  const double dYmax = state.dYmax;
  const bool us = options.IUNITS == kUnitsUS;
  const bool si = options.IUNITS == kUnitsSI;
  const double limit = us ? kToleranceLimitUS : kToleranceLimitSI;
  const std::string unit = length_unit(engine);

  const auto tolerance_text = [&](const char* last_line) {
    report.put(
        "The current value for convergence tolerance is less than the recommended upper limit of ");
    report.put(
        us ? "0.0001 inches, so a solution is possible if the convergence tolerance is raised to a value "
           : "0.00000254 meters, so a solution is possible if the convergence tolerance is raised to a value ");
    report.put(Line().a("greater than ").e(dYmax, 12, 4).a(" ").a(unit).a("."));
    report.blank();
    report.put(last_line);
    report.blank();
  };
  const char* tolerance_last_us =
      "It is recommended that the convergence tolerance not be raised above 0.0001 inches.";
  const char* tolerance_last_si =
      "It is recommended that the convergence tolerance not be raised above 0.00000254 meters.";

  // An estimate that is not a number leaves only the tolerance advice. An infinite one (no
  // change of dYmax between the last two solves) cannot be computed either, but counts as an
  // estimate of 0 iterations for the advice that follows.
  const double estimate = std::fabs(k_max + (dYmax - tolerance) / state.delta_dYmax);
  if (std::isnan(estimate)) {
    report_no_estimate(report);
    if (us && tolerance < limit && k_max <= 1000 && dYmax < limit)
      tolerance_text(tolerance_last_us);
    if (si && tolerance < limit && dYmax < limit) {
      tolerance_text(
          "It is recommended that the convergence tolerance not be raised above 2.54E-6 meters.");
    }
    return;
  }

  int n = 0;
  if (std::isinf(estimate)) {
    report_no_estimate(report);
  } else {
    n = estimate >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(estimate);
    report.put(
        "The estimated number of iterations needed to obtain a solution for the current convergence ");
    report.put(Line().a("tolerance value is ").i0(n).a(" iterations."));
    report.blank();
  }
  if (!us && !si) return;

  if (tolerance < limit && (si || k_max <= 1000)) {
    if (n < 1000) {
      report.put(
          "A solution may be possible by increasing the maximum number of iterations to above this value.");
    } else if (n > 1000) {
      report.put(
          us ? "The estimated number of iterations required to obtain a solution is greater than 1000, so a "
             : "The estimated number of iterations required to obtain a solution is greater than 1,000, so a ");
      report.put(
          "solution can only be obtained if the convergence tolerance is increased in value.");
      report.blank();
    }
    if (dYmax < limit) tolerance_text(us ? tolerance_last_us : tolerance_last_si);
  }
  if (dYmax >= limit) {
    const bool not_possible = n < 1000 ? k_max > 999 : (k_max > 999 || n > 1000);
    const bool not_likely = n < 1000 && k_max <= 999;
    if (not_likely) {
      report.put("The analysis of convergence performance found that it is not likely that a ");
      report.put("solution can be obtained by changing the solution criteria for this problem. ");
      report.put("However, the maximum number of iterations is less than 1000, so a solution ");
      report.put("may be obtained by raising the maximum number of iterations to 1000.");
      report.blank();
    } else if (not_possible) {
      report.put(
          "The analysis of convergence performance found that it is not possible to obtain a ");
      report.put(
          "solution by changing the solution criteria for this problem. This indicates that  ");
      report.put("the pile is loaded above its structural and/or geotechnical capacity.");
    }
  }
}

// Runtime Error No. 10. The run ends here except under pile-head condition 4.
void report_not_converged(Engine& engine) {
  TextFile& report = engine.run.report;
  const SolverState& state = engine.solver;
  const std::string unit = length_unit(engine);
  const std::string rule36(36, '-');
  const std::string rule77(77, '-');
  report.blank(2);
  report.put(rule36);
  report.put("  ****  Runtime Error No. 10  ****  ");
  report.put(rule36);
  report.blank();
  report.put(Line()
                 .a("The analysis failed to converge within the limit of ")
                 .i0(engine.options.MaxIterations)
                 .a(" iterations."));
  report.blank();
  report.put(Line()
                 .a("Maximum change in nodal deflections                      = ")
                 .e(state.dYmax, 12, 4)
                 .a(" ")
                 .a(unit));
  report.blank();
  report.put(Line()
                 .a("Maximum change in nodal deflections from prior iteration = ")
                 .e(state.delta_dYmax, 12, 4)
                 .a(" ")
                 .a(unit));
  report.blank();
  report.put(Line()
                 .a("Specified convergence tolerance on nodal deflections     = ")
                 .e(engine.options.ConvergenceTolerance, 12, 4)
                 .a(" ")
                 .a(unit));
  report.blank(2);
  report.put(rule77);
  report.put("         Analysis of Convergence Performance and Recommendations for         ");
  report.put("         Modification of Iterations Limit and Convergence Tolerance          ");
  report.put(rule77);
  report.blank();
  report.put("The following recommendations are made on the basis of an analysis of ");
  report.put("convergence performancefor the last analysis. ");
  report.blank();
  write_recommendations(engine);
  if (engine.solver.head.condition == load_type::kDeflectionMoment) {
    ErrorStop(engine, "RUN00010", 210);
  } else {
    stop_run(engine, "RUN00010", 210);
  }
}

// Runs one of the two updates; an update that records an error instead of throwing ends the
// run all the same.
template <typename Update>
void run_update(Engine& engine, Update update) {
  const int before = engine.run.ErrorNumber;
  update();
  if (engine.run.ErrorNumber > 0 && engine.run.ErrorNumber != before) throw RunStopped{};
}

}  // namespace

IterationEnd iterate_solution(Engine& engine, const SolverContext& context,
                              SoilModulusUpdate& soil, BendingStiffnessUpdate& stiffness,
                              IterationStyle style) {
  SolverState& state = engine.solver;
  const Options& options = engine.options;
  const double Q = state.head.Q;
  const int j = axial_thrust_index(engine, Q);
  state.thrust_index = j;
  state.iterations = 0;
  run_update(engine, [&] { stiffness.update_bending_stiffness(engine, j, Q); });

  for (int k = 1;; ++k) {
    state.maxima = NodeResultMaxima{};
    solve_once(engine, context, k);
    state.iterations = k;

    const double y1 = engine.nodes.y[1];
    if (style.not_a_number_test && (!std::isfinite(y1) || !std::isfinite(state.dYmax))) {
      return IterationEnd::kNotANumber;
    }
    if (style.progress_lines) write_progress(engine, k);

    if (options.ConvergenceTolerance >= std::fabs(state.dYmax)) {
      if (k > 5) return IterationEnd::kConverged;
    } else if (k > 10 && std::fabs(y1) >= options.DeflectionLimit) {
      return IterationEnd::kExcessDeflection;
    }

    run_update(engine, [&] { soil.update_soil_moduli(engine, k); });
    run_update(engine, [&] { stiffness.update_bending_stiffness(engine, j, Q); });

    if (k + 1 > options.MaxIterations) return IterationEnd::kIterationLimit;
  }
}

Convergence iterate_load_case(Engine& engine, const SolverContext& context, SoilModulusUpdate& soil,
                              BendingStiffnessUpdate& stiffness) {
  switch (iterate_solution(engine, context, soil, stiffness, {.progress_lines = true})) {
    case IterationEnd::kConverged:
      break;
    case IterationEnd::kNotANumber:
      report_not_a_number(engine, engine.solver.iterations, !std::isfinite(engine.nodes.y[1]));
    case IterationEnd::kExcessDeflection:
      report_excess_deflection(engine);
    case IterationEnd::kIterationLimit:
      report_not_converged(engine);
      return Convergence::kNotReached;
  }
  return Convergence::kReached;
}

void report_load_case_convergence(Engine& engine, int load_case, Convergence convergence) {
  if (convergence != Convergence::kReached) return;
  engine.run.message.put(
      Line().a("The convergence criteria have been met for load case ").i0(load_case));
}

}  // namespace torva
