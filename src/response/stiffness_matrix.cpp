#include "response/stiffness_matrix.h"

#include <cmath>
#include <string>

#include "engine/errors.h"
#include "report/fields.h"
#include "report/line.h"
#include "report/plot_records.h"
#include "response/auxiliary_solve.h"
#include "response/lrfd.h"
#include "response/results.h"
#include "response/results_report.h"

namespace torva {

namespace {

// Ranges below this magnitude give no stiffness: 1e-7 as a single-precision value.
constexpr double kSmallestRange = 1.0000000116860974e-07;
// What method 0 takes instead of a zero shear or moment of load case 1: 10 lb and 1 in-lb, or
// the same in kN and kN-m.
constexpr double kShearInsteadUS = 10.0;
constexpr double kShearInsteadSI = 0.04448220133781433;
constexpr double kMomentInsteadUS = 1.0;
constexpr double kMomentInsteadSI = 0.00011298480239929631;

constexpr int kWarningNoStiffness = -401;

const std::string kTableRule =
    "  -----------  -----------  -----------  -----------  -----------  -----------";

struct Ranges {
  double lateral = 0.0;     // V_max (method 0) or y_max
  double rotational = 0.0;  // M_max (method 0) or theta_max
};

Ranges ranges_of(const Engine& engine, const StiffnessReference& reference) {
  const StiffnessControl& control = engine.control.stiffness;
  const bool us = engine.options.IUNITS == kUnitsUS;
  switch (control.method) {
    case 0: {
      Ranges r{reference.shear, reference.moment};
      if (std::fabs(r.lateral) < kSmallestRange) r.lateral = us ? kShearInsteadUS : kShearInsteadSI;
      if (std::fabs(r.rotational) < kSmallestRange) {
        r.rotational = us ? kMomentInsteadUS : kMomentInsteadSI;
      }
      return r;
    }
    case 1:
      return {reference.deflection, reference.rotation};
    default:
      return {control.max_displacement, control.max_rotation};
  }
}

// The pile-head loading of auxiliary case n (1..2K).
HeadCondition case_loading(const Engine& engine, const Ranges& ranges, double Q, int n) {
  const StiffnessControl& control = engine.control.stiffness;
  const int K = control.points;
  const bool lateral = n <= K;
  const int j = lateral ? n : n - K;
  const double v =
      stiffness_point(lateral ? ranges.lateral : ranges.rotational, j, K, control.distribution);
  if (control.method == 0) {
    return lateral ? HeadCondition{load_type::kShearSlope, v, 0.0, Q}
                   : HeadCondition{load_type::kDeflectionMoment, 0.0, v, Q};
  }
  return lateral ? HeadCondition{load_type::kDeflectionSlope, v, 0.0, Q}
                 : HeadCondition{load_type::kDeflectionSlope, 0.0, v, Q};
}

void write_failure(Engine& engine, int n, int iterations) {
  TextFile& report = engine.run.report;
  report.blank(3);
  report.put("A computational error occurred when computing the pile-head stiffness matrix");
  report.blank();
  report.put(Line().a("Loading step = ").i0(n));
  report.put(Line().a("Iteration Count = ").i0(iterations));
}

// The analysis ends without terms: Line 14 announces none, and the warning says why.
void end_without_terms(Engine& engine) {
  PlotLine14(engine.run.plot, 0);
  WarningRegister(engine, kWarningNoStiffness);
}

[[noreturn]] void report_not_a_number(Engine& engine, int iterations) {
  TextFile& report = engine.run.report;
  report.put("**** Runtime Error No. 28 ****");
  report.put("Either top deflection or maximum change in deflection is not a number ");
  report.put(Line()
                 .a("after iteration ")
                 .i0(iterations)
                 .a(" in the pile-head stiffness computation."));
  engine.run.ErrorNumber = 228;
  throw RunStopped{};
}

const char* method_line(int method) {
  switch (method) {
    case 0:
      return "  Computations Based on Loads Defined in Load Case 1";
    case 1:
      return "  Computations Based Maximum Displacements Computed in Load Case 1";
    default:
      return "  Computations Based on Input Maximum Displacements";
  }
}

// The units line of a table: the US customary one, the SI one, or the SI one with the labels of
// a general-unit run.
std::string units_line(const Engine& engine, bool lateral) {
  const int units = engine.options.IUNITS;
  if (units == kUnitsUS) {
    return lateral ? "     inches       radians       lbs         in-lbs       lb/in.     in-lb/in. "
                   : "     inches       radians       lbs         in-lbs       lb/rad     in-lb/rad ";
  }
  const std::string si =
      lateral ? "     meters       radians       kN          kN-m         kN/m         kN-m/m  "
              : "     meters       radians       kN           kN-m        kN/rad      kN-m/rad ";
  if (units == kUnitsSI) return si;
  const UnitLabels& l = engine.run.labels;
  if (lateral) {
    return relabel(si, {{"meters", l.length},
                        {"kN", l.force},
                        {"kN-m", l.moment},
                        {"kN/m", l.force + "/" + l.length},
                        {"kN-m/m", l.moment + "/" + l.length}});
  }
  return relabel(si, {{"meters", l.length},
                      {"kN", l.force},
                      {"kN-m", l.moment},
                      {"kN/rad", l.force + "/rad"},
                      {"kN-m/rad", l.moment + "/rad"}});
}

void write_row(Engine& engine, const LoadCaseResult& r, double first_term, double second_term) {
  Line line;
  WriteNumberField(line, r.head_deflection, 13);
  for (double value : {std::fabs(r.head_slope), std::fabs(r.head_shear), std::fabs(r.head_moment),
                       first_term, second_term}) {
    WriteNumberField(line, value, 13);
  }
  engine.run.report.put(line);
}

void write_report(Engine& engine, int K) {
  TextFile& report = engine.run.report;
  const bool si_heads = engine.options.IUNITS != kUnitsUS;
  const auto& records = engine.results.auxiliary;
  const std::string indent(19, ' ');
  write_section_heading(engine, {indent + "    Computed Pile-head Stiffness Matrix Values   ",
                                 indent + "         K22, K23, K32, K33 for Pile Head        "});
  report.put("Computation Method Used for Pile-head Stiffnesses");
  report.put(std::string(49, '-'));
  report.blank();
  report.put(method_line(engine.control.stiffness.method));

  report.blank();
  report.put("  The K22 and K32 stiffnesses are computed using the zero rotation and shear ");
  report.put("  pile-head condition. ");
  report.blank();
  report.put("  K22 = abs(Shear Reaction/Top y)");
  report.put("  K32 = abs(Moment Reaction/Top y)");
  report.put("    Pile-Top     Pile-Top     Pile-Top     Pile-Top       K22          K32    ");
  report.put("   Deflection    Rotation   Shear Reac.   Mom. Reac.      V/y          M/y    ");
  report.put(units_line(engine, true));
  report.put(kTableRule);
  for (int k = 1; k <= K; ++k) {
    const StiffnessTerms t = stiffness_terms(records[k], records[K + k]);
    write_row(engine, records[k], t.K22, t.K32);
  }

  report.blank();
  report.put("  The K23 and K33 stiffnesses are computed using the zero displacment and moment ");
  report.put("  pile-head condition. ");
  report.blank();
  report.put("  K23 = abs(Shear Reaction/Top Rotation) ");
  report.put("  K33 = abs(Moment Reaction/Top Rotation)");
  report.put("    Pile-Top     Pile-Top     Pile-Top     Pile-Top       K23          K33    ");
  report.put(si_heads
                 ? "   Deflection    Rotation   Shear Reac.   Mom. React.    V/rot.       M/rot.  "
                 : "   Deflection    Rotation   Shear Reac.   Mom. Reac.     V/rot.       M/rot.  ");
  report.put(units_line(engine, false));
  report.put(kTableRule);
  for (int k = 1; k <= K; ++k) {
    const StiffnessTerms t = stiffness_terms(records[k], records[K + k]);
    write_row(engine, records[K + k], t.K23, t.K33);
  }
}

void write_plot_records(Engine& engine, int K) {
  const auto& records = engine.results.auxiliary;
  PlotLine14(engine.run.plot, K);
  for (int k = 1; k <= K; ++k) {
    const LoadCaseResult& lateral = records[k];
    const LoadCaseResult& rotational = records[K + k];
    const StiffnessTerms t = stiffness_terms(lateral, rotational);
    const double values[8] = {std::fabs(lateral.head_shear),
                              std::fabs(rotational.head_moment),
                              t.K22,
                              t.K23,
                              t.K32,
                              t.K33,
                              std::fabs(lateral.head_deflection),
                              std::fabs(rotational.head_slope)};
    PlotLine15(engine.run.plot, values);
  }
}

}  // namespace

StiffnessReference stiffness_reference_loading(const Engine& engine) {
  const LoadCaseResult& results = engine.results.cases[1];
  if (engine.options.UseLRFD) {
    // Combination 1, with its distributed load on every auxiliary case.
    const HeadCondition head = combination_head_condition(engine, 1);
    return {.shear = head.first,
            .moment = head.second,
            .axial = head.Q,
            .deflection = results.head_deflection,
            .rotation = results.head_slope,
            .load_nodes = [](Engine& e) { load_nodes_for_combination(e, 1, false); }};
  }
  const LoadCase& loads = engine.loading.cases[1];
  return {.shear = loads.condition1,
          .moment = loads.condition2,
          .axial = loads.axial_thrust,
          .deflection = results.head_deflection,
          .rotation = results.head_slope};
}

StiffnessTerms stiffness_terms(const LoadCaseResult& lateral, const LoadCaseResult& rotational) {
  return {std::fabs(lateral.head_shear / lateral.head_deflection),
          std::fabs(rotational.head_shear / rotational.head_slope),
          std::fabs(lateral.head_moment / lateral.head_deflection),
          std::fabs(rotational.head_moment / rotational.head_slope)};
}

double stiffness_point(double range, int j, int K, int distribution) {
  if (distribution == 1) return j * range / K;
  return logarithmic_point(range / K, range, j, K);
}

void compute_pile_head_stiffness(Engine& engine, const StiffnessReference& reference) {
  const StiffnessControl& control = engine.control.stiffness;
  const int K = control.points;
  const Ranges ranges = ranges_of(engine, reference);

  if (control.method == 1 && (std::fabs(ranges.lateral) < kSmallestRange ||
                              std::fabs(ranges.rotational) < kSmallestRange)) {
    const bool deflection = std::fabs(ranges.lateral) < kSmallestRange;
    Line reason;
    reason.a("The pile-head stiffness matrix was not computed: the pile-head ")
        .a(deflection ? "deflection" : "rotation")
        .a(" computed for Load Case 1 (")
        .e(deflection ? ranges.lateral : ranges.rotational, 11, 4)
        .a(" ")
        .a(deflection ? engine.run.labels.length : std::string("radians"))
        .a(") is too small to define a range of displacements.");
    engine.run.report.blank(2);
    engine.run.report.put(reason);
    end_without_terms(engine);
    return;
  }

  RunControl& run = engine.run;
  const int load_case = run.current_load_case;
  for (int n = 1; n <= 2 * K; ++n) {
    run.message.put(Line().a("Computing pile response for pile-head stiffness case ").i0(n));
    const HeadCondition head = case_loading(engine, ranges, reference.axial, n);
    const IterationEnd end = solve_auxiliary_case(engine, head, AuxiliaryKind::kLoading, reference.load_nodes);
    const int iterations = engine.solver.iterations;
    switch (end) {
      case IterationEnd::kConverged:
        run.current_load_case = n;
        report_load_case_results(engine, PileModelSections(), ResultsMode::kStiffness);
        run.current_load_case = load_case;
        continue;
      case IterationEnd::kNotANumber:
        report_not_a_number(engine, iterations);
      case IterationEnd::kIterationLimit:
        write_failure(engine, n, iterations);
        run.report.put(
            "The analysis has reached the iterations limit. Please increase the maximum "
            "iterations allowed and repeat the analysis.");
        stop_run(engine, "RUN00045", 245);
      case IterationEnd::kExcessDeflection:
        write_failure(engine, n, iterations);
        run.report.put(Line().a("Shear Force = ").f(head.first, 14, 3));
        run.report.put(Line().a("Moment      = ").f(head.second, 14, 3));
        end_without_terms(engine);
        return;
    }
  }
  write_report(engine, K);
  write_plot_records(engine, K);
}

}  // namespace torva
