#include "response/pushover.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "engine/errors.h"
#include "report/fields.h"
#include "report/line.h"
#include "report/plot_records.h"
#include "response/auxiliary_solve.h"
#include "response/results_report.h"
#include "soil/py_framework.h"

namespace torva {

namespace {

// What one converged step leaves for the report and the plot file.
struct PushoverStep {
  int condition = 0;  // 4 free head, 5 fixed head
  PileResponse response;
};

struct Steps {
  std::array<PushoverStep, kMaxPushoverSteps + 1> step{};  // rows 1..count
  int count = 0;
  int free_head = 0;
  int fixed_head = 0;
};

void write_failure(Engine& engine, int step, int iterations, const HeadCondition& head) {
  TextFile& report = engine.run.report;
  report.blank(3);
  report.put("Error in computing pile pushover analysis");
  report.put(Line().a("i_Pushover_Analysis = ").i0(step));
  report.put(Line().a("Iteration Count = ").i0(iterations));
  report.put(Line().a("Shear Force = ").f(head.first, 14, 3));
  report.put(Line().a("Moment      = ").f(head.second, 14, 3));
}

// The smallest and largest prescribed deflection, as the report states them.
std::pair<double, double> deflection_bounds(const PushoverControl& control) {
  if (control.distribution != 2) return {control.min_deflection, control.max_deflection};
  const auto first = control.user_displacements.begin();
  const auto [low, high] = std::minmax_element(first, first + std::max(control.points, 1));
  return {*low, *high};
}

void write_report(Engine& engine, const Steps& steps) {
  TextFile& report = engine.run.report;
  const PushoverControl& control = engine.control.pushover;
  const UnitLabels& labels = engine.run.labels;
  write_section_heading(engine, {std::string(26, ' ') + "Results of Push-over Analysis"});
  report.put("Computation Methods Used for Push-over Analyses:");
  static const char* const kFixity[] = {" - Computations Use Free-head Condition",
                                        " - Computations Use Fixed-head Condition",
                                        " - Computations Use Free-head and Fixed-head Conditions"};
  static const char* const kDistribution[] = {
      " - Computations use a logarithmic distribution of pile-head deflections",
      " - Computations use an arithmetic distribution of pile-head deflections",
      " - Computations use user-defined pile-head deflections"};
  report.put(kFixity[std::clamp(control.fixity, 0, 2)]);
  report.blank();
  report.put(kDistribution[std::clamp(control.distribution, 0, 2)]);
  report.blank();
  const auto [low, high] = deflection_bounds(control);
  report_integer(engine, "Number of push-over steps", control.points);
  report_value(engine, "Minimum pushover deflection", low, labels.length);
  report_value(engine, "Maximum pushover deflection", high, labels.length);
  report_value(engine, "Axial thrust force for pushover analysis", control.final_value,
               labels.force);
  report.put(
      "  Pushover      Pile-head      Pile-head       Pile-head     Max. Moment    Max. Shear      "
      "Depth to       Depth to  ");
  report.put(
      "   Point         Fixity        Deflection     Shear Force      in Pile        in Pile      "
      "Max. Moment    Max. Shear ");
  report.put(Line()
                 .a("   Number       Condition")
                 .tab(36)
                 .a(labels.length)
                 .tab(51)
                 .a(labels.force)
                 .tab(60)
                 .a(labels.moment)
                 .a(" (abs)")
                 .tab(78)
                 .a(labels.force)
                 .a(" (abs)")
                 .tab(95)
                 .a(labels.depth)
                 .tab(110)
                 .a(labels.depth));
  report.put(
      "------------   ------------   ------------   ------------   ------------   ------------   "
      "------------   ------------");
  for (int row = 1; row <= steps.count; ++row) {
    const PushoverStep& step = steps.step[static_cast<std::size_t>(row)];
    const PileResponse& s = step.response;
    Line line;
    line.i(row, 7).x(8).a(step.condition == load_type::kDeflectionMoment ? " Free-head  "
                                                                         : " Fixed-head ");
    for (double value : {s.deflection, s.shear, s.max_moment, s.max_shear,
                         report_depth_value(engine, s.max_moment_x),
                         report_depth_value(engine, s.max_shear_x)}) {
      line.x(3);
      WriteNumberField(line, value, 12);
    }
    report.put(line);
  }
}

void write_plot_records(Engine& engine, const Steps& steps) {
  TextFile& plot = engine.run.plot;
  PlotLine16(plot, steps.free_head, steps.fixed_head, engine.control.pushover.fixity);
  for (int row = 1; row <= steps.count; ++row) {
    const PushoverStep& step = steps.step[static_cast<std::size_t>(row)];
    const PileResponse& s = step.response;
    PlotLine17Pushover(plot, row, step.condition, s.deflection, s.shear, s.max_moment, s.max_shear,
                       s.max_moment_x, s.max_shear_x);
  }
}

void finish(Engine& engine, const Steps& steps) {
  write_report(engine, steps);
  write_plot_records(engine, steps);
}

}  // namespace

double pushover_deflection(const PushoverControl& control, int j) {
  const int u = control.points;
  const double low = control.min_deflection;
  const double high = control.max_deflection;
  switch (control.distribution) {
    case 0:
      return logarithmic_point(low, high, j, u);
    case 1:
      return u <= 1 ? low : low + (j - 1) * (high - low) / (u - 1);
    default:
      return control.user_displacements[static_cast<std::size_t>(std::clamp(j, 1, u) - 1)];
  }
}

void run_pushover_analysis(Engine& engine) {
  const PushoverControl& control = engine.control.pushover;
  const int u = std::clamp(control.points, 0, kMaxPushoverPoints);
  const bool free_head = control.fixity == 0 || control.fixity == 2;
  const bool fixed_head = control.fixity == 1 || control.fixity == 2;
  Steps steps;

  int step = 0;
  for (const int condition : {load_type::kDeflectionMoment, load_type::kDeflectionSlope}) {
    if (condition == load_type::kDeflectionMoment ? !free_head : !fixed_head) continue;
    for (int j = 1; j <= u; ++j) {
      ++step;
      engine.run.message.put(Line().a("Computing pile response for pushover case ").i0(step));
      const HeadCondition head{condition, pushover_deflection(control, j), 0.0,
                               control.final_value};
      const IterationEnd end = solve_auxiliary_case(engine, head);
      const int iterations = engine.solver.iterations;
      if (end == IterationEnd::kNotANumber) {
        finish(engine, steps);
        TextFile& report = engine.run.report;
        report.put("**** Runtime Error No. 28 ****");
        report.put(Line()
                       .a("Either top deflection or maximum change in deflection is not a number "
                          "after iteration ")
                       .i0(iterations)
                       .a(" for pushover analysis"));
        engine.run.ErrorNumber = 228;
        throw RunStopped{};
      }
      if (end != IterationEnd::kConverged) {
        write_failure(engine, step, iterations, head);
        finish(engine, steps);
        return;
      }
      steps.step[static_cast<std::size_t>(++steps.count)] = {condition, pile_response(engine)};
      ++(condition == load_type::kDeflectionMoment ? steps.free_head : steps.fixed_head);
    }
  }
  finish(engine, steps);
}

}  // namespace torva
