#include "response/length_sweep.h"

#include <array>
#include <string>

#include "pile/pile_model.h"
#include "report/fields.h"
#include "report/line.h"
#include "report/plot_records.h"
#include "response/auxiliary_solve.h"
#include "response/results.h"
#include "response/results_report.h"

namespace torva {

namespace {

// The shortest trial reaches this fraction of the pile length below the ground surface: 0.05 in
// single precision.
constexpr double kShortestEmbedment = 0.05000000074505806;

struct Trial {
  double length = 0.0;
  PileResponse response;
};

struct Trials {
  int count = 0;
  std::array<Trial, kLengthTrials> trial{};
};

void write_conditions(Engine& engine, const LoadCase& c) {
  static const char* const kHeadings[] = {
      "Boundary Condition Type 1, Shear and Moment", "Boundary Condition Type 2, Shear and Slope",
      "Boundary Condition Type 3, Shear and Rotational Restraint",
      "Boundary Condition Type 4, Deflection and Moment",
      "Boundary Condition Type 5, Deflection and Slope"};
  if (c.load_type < 1 || c.load_type > 5) return;
  const UnitLabels& labels = engine.run.labels;
  engine.run.report.put(kHeadings[c.load_type - 1]);
  const bool shear = c.load_type <= 3;
  if (shear) {
    write_condition_value(engine, "Shear      = ", c.condition1, ConditionValueForm::kF0,
                          labels.force);
  } else {
    write_condition_value(engine, "Deflection = ", c.condition1, ConditionValueForm::kF5,
                          labels.length);
  }
  switch (c.load_type) {
    case load_type::kShearMoment:
    case load_type::kDeflectionMoment:
      write_condition_value(engine, "Moment     = ", c.condition2, ConditionValueForm::kF0,
                            labels.moment);
      break;
    case load_type::kShearRotationalStiffness:
      write_condition_value(engine, "Rot. Rest. = ", c.condition2, ConditionValueForm::kE7,
                            labels.moment + "/Radian");
      break;
    default:
      write_condition_value(engine, "Slope      = ", c.condition2, ConditionValueForm::kF5,
                            "radians");
      break;
  }
  write_condition_value(engine, "Axial Load = ", c.axial_thrust, ConditionValueForm::kF0,
                        labels.force);
}

std::string units_line(const Engine& engine) {
  const std::string si = "   meters        meters         kN-m           kN  ";
  switch (engine.options.IUNITS) {
    case kUnitsUS:
      return "    feet         inches        ln-lbs          lbs ";
    case kUnitsSI:
      return si;
    default: {
      const UnitLabels& l = engine.run.labels;
      return relabel(si, {{"meters", l.depth}, {"meters", l.length}, {"kN-m", l.moment},
                          {"kN", l.force}});
    }
  }
}

void write_report(Engine& engine, int k, const Trials& trials) {
  TextFile& report = engine.run.report;
  write_section_heading(
      engine, {Line().x(12).a("Pile-head Deflection vs. Pile Length for Load Case ").i0(k).str()});
  write_conditions(engine, engine.loading.cases[k]);
  if (trials.count == 0) {
    report.put(
        "No computations for top deflection vs. pile length were successful for this load case.");
    report.put("Results of last two iterations:");
    return;
  }
  report.put("    Pile       Pile Head       Maximum       Maximum");
  report.put("   Length      Deflection      Moment         Shear ");
  report.put(units_line(engine));
  report.put("------------  ------------  ------------  ------------");
  const double depth_factor = report_units(engine).depth_factor;
  for (int n = 0; n < trials.count; ++n) {
    const Trial& t = trials.trial[static_cast<std::size_t>(n)];
    Line line;
    WriteNumberField(line, t.length * depth_factor, 11);
    for (double value : {t.response.deflection, t.response.max_moment, t.response.max_shear}) {
      WriteNumberField(line, value, 14);
    }
    report.put(line);
  }
}

void write_plot_records(Engine& engine, int k, const Trials& trials) {
  TextFile& plot = engine.run.plot;
  const bool si = engine.options.IUNITS != kUnitsUS;
  PlotLine11(plot, SweepKind::kLength, trials.count, k);
  for (int n = 0; n < trials.count; ++n) {
    const Trial& t = trials.trial[static_cast<std::size_t>(n)];
    PlotLine12(plot, si, t.length, t.response.deflection, t.response.max_moment,
               t.response.max_shear);
  }
}

}  // namespace

double length_fraction(int j) {
  const float step = 0.05f * static_cast<float>(j - 1);
  return static_cast<double>(1.0f - step);
}

void run_length_sweep(Engine& engine, int k) {
  double& length = engine.sections.pile_length;
  const double full_length = length;
  const double shortest = engine.soil.XS + kShortestEmbedment * full_length;
  const LoadCase& c = engine.loading.cases[k];
  const HeadCondition head{c.load_type, c.condition1, c.condition2, c.axial_thrust};
  Trials trials;
  for (int j = 1; j <= kLengthTrials; ++j) {
    const double trial_length = length_fraction(j) * full_length;
    if (trial_length < shortest) break;
    engine.run.message.put(Line()
                               .a("Computing lateral response of pile for load case number ")
                               .i0(k)
                               .a(", trial length ")
                               .i0(j));
    length = trial_length;
    const IterationEnd end = solve_auxiliary_case(engine, head, AuxiliaryKind::kTrial);
    if (end != IterationEnd::kConverged) break;
    if (!trial_succeeded(engine)) continue;
    trials.trial[static_cast<std::size_t>(trials.count++)] = {trial_length, pile_response(engine)};
  }
  // The analyses after the load cases, and the cases after this one, work on the full pile.
  length = full_length;
  rebuild_pile_nodes(engine);
  write_report(engine, k, trials);
  write_plot_records(engine, k, trials);
}

void length_sweep_of_load_case(Engine& engine, int k) {
  if (engine.options.UseLRFD || !engine.loading.cases[k].length_sweep) {
    plot_no_length_sweep(engine, k);
    return;
  }
  engine.run.message.blank();
  engine.run.message.put(
      Line().a("Computing top deflection vs. pile embedment length for load case ").i0(k).a("."));
  run_length_sweep(engine, k);
}

}  // namespace torva
