#include "response/buckling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "report/fields.h"
#include "report/line.h"
#include "report/plot_records.h"
#include "response/auxiliary_solve.h"
#include "response/results_report.h"
#include "soil/py_framework.h"

namespace torva {

namespace {

struct Trials {
  int count = 0;
  std::array<int, kMaxBucklingTrials> number{};  // trial m of each successful trial
  std::array<double, kMaxBucklingTrials> thrust{};
  std::array<double, kMaxBucklingTrials> deflection{};
  std::array<PileResponse, kMaxBucklingTrials> response{};
};

struct Condition {
  int code = 0;  // pile-head condition 1, 2 or 3
  double second = 0.0;
  const char* heading = "";
};

Condition condition_of(const BucklingControl& control) {
  switch (control.fixity) {
    case 1:
      return {load_type::kShearSlope, control.slope,
              "Pile-head Condition 1, Shear Force and Pile-head Slope"};
    case 2:
      return {load_type::kShearRotationalStiffness, control.rotational_stiffness,
              "Pile-head Condition 2, Shear Force and Rotational Restraint"};
    default:
      return {load_type::kShearMoment, control.moment,
              "Pile-head Condition 0, Shear Force and Moment"};
  }
}

std::string units_line(const Engine& engine) {
  const std::string si = "   Number           kN           meters          kN-m            kN     ";
  switch (engine.options.IUNITS) {
    case kUnitsUS:
      return "   Number           lbs          inches         in-lbs           lbs    ";
    case kUnitsSI:
      return si;
    default: {
      const UnitLabels& l = engine.run.labels;
      return relabel(si, {{"kN", l.force}, {"meters", l.length}, {"kN-m", l.moment},
                          {"kN", l.force}});
    }
  }
}

void write_report(Engine& engine, const Condition& condition, const Trials& trials,
                  const BucklingFit& fit) {
  TextFile& report = engine.run.report;
  const BucklingControl& control = engine.control.buckling;
  const UnitLabels& labels = engine.run.labels;
  write_section_heading(engine, {std::string(25, ' ') + "Results of Pile Buckling Analysis"});
  report.put(condition.heading);
  report.blank();
  write_condition_value(engine, "Shear      = ", control.shear, ConditionValueForm::kF0,
                        labels.force);
  switch (condition.code) {
    case load_type::kShearSlope:
      write_condition_value(engine, "Slope      = ", condition.second, ConditionValueForm::kF5,
                            "");
      break;
    case load_type::kShearRotationalStiffness:
      write_condition_value(engine, "Rot. Rest. = ", condition.second, ConditionValueForm::kE7,
                            labels.moment + "/Radian");
      break;
    default:
      write_condition_value(engine, "Moment     = ", condition.second, ConditionValueForm::kF0,
                            labels.moment);
      break;
  }
  if (trials.count == 0) {
    report.blank(2);
    report.put("No computations for pile buckling were successful.");
    report.put("Results of last two iterations:");
  } else {
    report.put("   Trial          Axial        Pile Head        Maximum        Maximum  ");
    report.put("   Thrust         Thrust       Deflection       Moment          Shear   ");
    report.put(units_line(engine));
    report.put("------------   ------------   ------------   ------------   ------------");
    for (int n = 0; n < trials.count; ++n) {
      const PileResponse& r = trials.response[static_cast<std::size_t>(n)];
      Line line;
      line.i(trials.number[static_cast<std::size_t>(n)], 8).x(7);
      WriteNumberField(line, trials.thrust[static_cast<std::size_t>(n)], 12);
      for (double value : {r.deflection, r.max_moment, r.max_shear}) {
        line.x(3);
        WriteNumberField(line, value, 12);
      }
      report.put(line);
    }
  }
  const double last_thrust =
      fit.points > 0 ? trials.thrust[static_cast<std::size_t>(fit.points - 1)] : 0.0;
  const double first_deflection = trials.count > 0 ? trials.deflection[0] : 0.0;
  report.blank();
  report.put(
      "Hyperbolic Fit of Pile Buckling Behavior: Thrust Force = [y - y(1)]/(b + a[y - y(1)]");
  report.blank();
  report_value(engine, "Pile buckling capacity estimated from curve", fit.capacity, labels.force);
  report_value(engine, "Maximum axial thrust from analysis", last_thrust, labels.force);
  report_value(engine, "Fitting parameter a (slope)", fit.a, "1/" + labels.force);
  report_value(engine, "Fitting parameter b (intercept)", fit.b,
               labels.length + "/" + labels.force);
  report_value(engine, "Lateral pile deflection at zero axial thrust, y(1)", first_deflection,
               labels.length);
  report_value(engine, "R Squared", fit.r_squared, "");
  for (const char* note :
       {"Note: The axial buckling capacity is a function of pile-head loading, pile-head ",
        "fixity conditions, pile embedment, pile dimensions and stiffness, and local soil ",
        "conditions. It is recommended that all analyses of pile buckling be performed ",
        "using the maximum pile-head loads expected for the structure in order to compute",
        "the most conservative estimate of pile buckling capacity.",
        "Also note that the pile buckling capacity estimated from the hyperbolic curve ",
        "fitting method usually over-estimates the pile buckling capacity."}) {
    report.put(note);
  }
}

void write_plot_records(Engine& engine, const Trials& trials, const BucklingFit& fit) {
  TextFile& plot = engine.run.plot;
  if (trials.count == 0) {
    PlotBucklingNone(plot);
    return;
  }
  const bool si = engine.options.IUNITS != kUnitsUS;
  PlotLine17Buckling(plot, si, fit.points, fit.capacity, fit.a, fit.b);
  for (int n = 0; n < fit.points; ++n) {
    const PileResponse& r = trials.response[static_cast<std::size_t>(n)];
    PlotLine18(plot, si, trials.thrust[static_cast<std::size_t>(n)], r.deflection, r.max_moment,
               r.max_shear);
  }
}

}  // namespace

BucklingFit fit_buckling_hyperbola(std::span<const double> thrust,
                                   std::span<const double> deflection) {
  BucklingFit fit;
  const int count = static_cast<int>(std::min(thrust.size(), deflection.size()));
  if (count <= 2) {
    fit.points = count;
    return fit;
  }
  const double y1 = deflection[0];
  int p = 0;
  while (p + 1 < count && deflection[static_cast<std::size_t>(p + 1)] * y1 > 0.0) ++p;
  fit.points = p + 1;
  if (p < 2) return fit;

  const auto X = [&](int n) { return deflection[static_cast<std::size_t>(n)] - y1; };
  const auto Y = [&](int n) { return X(n) / thrust[static_cast<std::size_t>(n)]; };
  double X_mean = 0.0, Y_mean = 0.0;
  for (int n = 1; n <= p; ++n) {
    X_mean += X(n);
    Y_mean += Y(n);
  }
  X_mean /= p;
  Y_mean /= p;
  double Sxy = 0.0, Sxx = 0.0, Syy = 0.0;
  for (int n = 1; n <= p; ++n) {
    Sxy += (X(n) - X_mean) * (Y(n) - Y_mean);
    Sxx += (X(n) - X_mean) * (X(n) - X_mean);
    Syy += (Y(n) - Y_mean) * (Y(n) - Y_mean);
  }
  if (!(Sxx > 0.0)) return fit;
  fit.a = Sxy / Sxx;
  fit.b = Y_mean - fit.a * X_mean;
  const double capacity = 1.0 / fit.a;
  fit.capacity = std::isfinite(capacity) ? capacity : 0.0;
  const double denominator = Sxx * Syy;
  fit.r_squared = denominator > 0.0 ? Sxy * Sxy / denominator : 0.0;
  return fit;
}

void run_buckling_analysis(Engine& engine) {
  const BucklingControl& control = engine.control.buckling;
  const Condition condition = condition_of(control);
  const int T = std::clamp(control.axial_loads, 0, kMaxBucklingTrials);
  Trials trials;
  for (int m = 1; m <= T; ++m) {
    engine.run.message.put(Line().a("Computing lateral response of pile buckling trial ").i0(m));
    const double Q = (m - 1) * control.max_compression / (T - 1);
    const HeadCondition head{condition.code, control.shear, condition.second, Q};
    if (solve_auxiliary_case(engine, head, AuxiliaryKind::kTrial) != IterationEnd::kConverged) {
      break;
    }
    if (!trial_succeeded(engine)) continue;
    const auto n = static_cast<std::size_t>(trials.count++);
    trials.number[n] = m;
    trials.response[n] = pile_response(engine);
    trials.thrust[n] = Q;
    trials.deflection[n] = trials.response[n].deflection;
  }
  const std::span<const double> thrust(trials.thrust.data(),
                                       static_cast<std::size_t>(trials.count));
  const std::span<const double> deflection(trials.deflection.data(),
                                           static_cast<std::size_t>(trials.count));
  const BucklingFit fit = fit_buckling_hyperbola(thrust, deflection);
  write_report(engine, condition, trials, fit);
  write_plot_records(engine, trials, fit);
}

}  // namespace torva
