// Echo of the loading: the loading type, the distributed load, the pile-head load cases, the
// shear resistance at the pile tip and the depths of printed p-y curves.
#include <algorithm>
#include <cmath>
#include <string>

#include "report/echo_blocks.h"
#include "response/lrfd.h"

namespace torva::echo {

namespace {

constexpr double kMinCycles = 2.0;
constexpr double kMaxCycles = 5000.0;

void loading_type(Engine& engine) {
  TextFile& report = engine.run.report;
  const Options& options = engine.options;
  if (!options.CyclicLoading) {
    heading(report, "Loading Type", 33);
    report.put("Static loading criteria were used when computing p-y curves for all analyses.");
    return;
  }
  heading(report, "Loading Type", 34);
  report.put("Cyclic loading criteria were used for computation of p-y curves for all analyses.");
  report.blank();
  const Line cycles =
      Line().a("Number of cycles of loading = ").i0(whole_cycles(options.NumCycles));
  report.put(cycles);
  if (options.NumCycles >= kMinCycles && options.NumCycles <= kMaxCycles) return;
  input_error(engine, errors::kInputNumberOfCycles,
              {"", "", "**** Input Data Error No. 28 ****", "",
               "Problem:  Cyclic loading type was specified and the number of cycles of loading",
               "are outside the valid range of 2 to 5,000.", "",
               "Solution:  Either correct the number of cycles of loading to be within 2 to 5,000",
               "or specify static loading.", cycles.str()});
}

void distributed_load(Engine& engine) {
  const DistributedLoadProfile& profile = engine.loading.distributed;
  if (profile.count < 1) return;
  TextFile& report = engine.run.report;
  const UnitLabels& labels = engine.run.labels;
  heading(report, "Distributed Lateral Loading", 27);
  report.put(
      Line().a("Distributed lateral load intensity defined using ").i0(profile.count).a(" points"));
  report.blank();
  report.put("Point           Depth X            Dist. Load");
  report.put(Line().a(" No.").tab(20).a(labels.length).tab(38).a(labels.force_per_length));
  report.put("-----          ----------          ----------");
  for (int k = 1; k <= std::min(profile.count, kMaxDistributedLoadPoints); ++k) {
    report.put(Line().i(k, 3).f(profile.depth[k], 20, 3).f(profile.load[k], 20, 3));
  }
}

// The first and second pile-head condition of a load type: its symbol and unit.
struct Condition {
  const char* first;   // "     1     V = "
  const char* second;  // "M = "
  bool first_is_deflection;
  int second_unit;  // 0 moment, 1 radians, 2 moment per radian
};

constexpr Condition kConditions[] = {
    {"     1     V = ", "M = ", false, 0}, {"     2     V = ", "S = ", false, 1},
    {"     3     V = ", "R = ", false, 2}, {"     4     y = ", "M = ", true, 0},
    {"     5     y = ", "S = ", true, 1},
};

void load_cases(Engine& engine) {
  TextFile& report = engine.run.report;
  const UnitLabels& labels = engine.run.labels;
  const PileHeadLoading& loading = engine.loading;
  heading(report, "Pile-head Loading and Pile-head Fixity Conditions", 15);
  report.put(Line().a("Number of loads specified = ").i0(loading.count));
  report.blank();
  report.put(
      "Load    Load         Condition               Condition            Axial Thrust"
      "            Compute");
  report.put(Line()
                 .a(" No.    Type             1                       2                 Force, ")
                 .a(labels.force)
                 .tab(84)
                 .a("Top y vs. Pile Length"));
  report.put(
      "-----   ----   --------------------   -----------------------   ----------------"
      "   ---------------------");
  const std::string second_units[] = {labels.moment, "radians", labels.moment + "/radian"};
  for (int j = 1; j <= std::min(loading.count, kMaxLoadCases); ++j) {
    const LoadCase& c = loading.cases[j];
    if (c.load_type < load_type::kShearMoment || c.load_type > load_type::kDeflectionSlope)
      continue;
    const Condition& condition = kConditions[c.load_type - 1];
    Line row;
    row.i(j, 4).a(condition.first);
    WriteNumberField(row, c.condition1, 12);
    row.a(" ").a(condition.first_is_deflection ? labels.length : labels.force);
    row.tab(39).a(condition.second);
    WriteNumberField(row, c.condition2, 12);
    row.a(" ").a(second_units[condition.second_unit]);
    row.tab(65);
    WriteNumberField(row, c.axial_thrust, 12);
    row.a(" ").a(labels.force);
    row.tab(92).a(c.length_sweep ? " Yes " : " No  ");
    report.put(row);
  }
  report.blank();
  report.put("V = perpendicular shear force applied to pile head");
  report.put("M = bending moment applied to pile head");
  report.put("y = lateral deflection relative to pile axis");
  report.put("S = pile slope relative to original pile batter angle");
  report.put("R = rotational stiffness applie to pile head");
  report.put("Axial thrust is assumed to be acting axially for all pile batter angles.");
}

}  // namespace

void loading(Engine& engine) {
  loading_type(engine);
  distributed_load(engine);
  if (engine.options.UseLRFD) {
    // LRFD runs: the loading groups, the combinations and the factored loads of every
    // combination take the place of the load case table.
    write_lrfd_echo(engine);
    return;
  }
  load_cases(engine);
}

void tip_shear(Engine& engine) {
  const TipShearCurve& curve = engine.tip_shear;
  if (curve.count < 1) return;
  TextFile& report = engine.run.report;
  const UnitLabels& labels = engine.run.labels;
  heading(report, "Shear Resistance Curve at Pile Tip ", 22);
  report.put("Point     Displacement     Tip Shear Force");
  report.put(Line().a(" No.").tab(16).a(labels.length).tab(36).a(labels.force));
  report.put("-----     ------------     ---------------");
  const int count = std::min(curve.count, kMaxTipShearPoints);
  for (int k = 1; k <= count; ++k) {
    report.put(Line().i(k, 4).x(5).f(curve.deflection[k], 10, 3).x(10).f(curve.shear[k], 10, 3));
  }
  // The curve starts at no displacement and the displacements ascend.
  for (int k = 1; k <= count; ++k) {
    const bool bad =
        k == 1 ? curve.deflection[1] != 0.0 : !(curve.deflection[k - 1] < curve.deflection[k]);
    if (!bad) continue;
    input_error(
        engine, errors::kInputTipShearCurve,
        {"**** Input Data Error No. 50 ****", "",
         Line()
             .a("Problem:   The input data for shear resistance at the pile tip appears to be in "
                "error at point ")
             .i0(k)
             .a(".")
             .str(),
         "",
         "Solution:  Check that the first point is (0,0) and that the x-values sucessively "
         "increase in deflection and magnitude."});
  }
}

void output_depths(Engine& engine) {
  if (!engine.options.PrintPYCurves) return;
  TextFile& report = engine.run.report;
  const UnitLabels& labels = engine.run.labels;
  InputControl& control = engine.control;
  const double XS = engine.soil.XS;
  const double L = engine.sections.pile_length;
  heading(report, "Specified Depths for Output of p-y Curves", 19);
  // The list keeps the depths between the ground surface and the pile tip; any other depth
  // ends the run, a depth below the tip first.
  const int given = std::clamp(control.output_depth_count, 0, kMaxOutputDepths);
  int kept = 0;
  for (int k = 0; k < given; ++k) {
    const OutputDepth record = control.output_depths[static_cast<std::size_t>(k)];
    const double d = record.depth;
    if (d > L) {
      input_error(engine, errors::kInputOutputDepthBelowTip,
                  {"**** Input Data Error No. 30 ****", "",
                   "Problem:  Printing of a p-y curve was specified below the pile tip.", "",
                   "Solution:  Specify printing depths only for depths above the pile tip.", "",
                   Line()
                       .a("Input Point ")
                       .i0(k + 1)
                       .a(" at ")
                       .f(d, 7, 2)
                       .a(" ")
                       .a(labels.depth)
                       .a(" was not printed because it is below the pile tip.")
                       .str()});
    }
    if (!(d >= XS && d >= 0.0)) {
      input_error(engine, errors::kInputOutputDepthAboveGround,
                  {"**** Input Data Error No. 29 ****", "",
                   "Problem:  A depth above the ground surface was specified for the printing",
                   "of a p-y curve.", "",
                   "Solution:  Specify a depth between the ground surface and pile tip.", ""});
    }
    control.output_depths[static_cast<std::size_t>(kept++)] = record;
  }
  control.output_depth_count = kept;
  report.put(Line()
                 .a("Lateral load-transfer (p-y) curves are computed and output at ")
                 .i0(kept)
                 .a(" depths."));
  report.put("(Note that these curves are independent from the curves used at nodal point depths)");
  report.blank();
  report.put(
      "Depth      Depth Below Pile Head      Depth Below Ground Surface      Number of Specified");
  report.put(
      Line().a(" No.").tab(22).a(labels.depth).tab(49).a(labels.depth).tab(76).a("y-Values"));
  report.put(
      "-----      ---------------------      --------------------------      -------------------");
  for (int k = 0; k < kept; ++k) {
    const OutputDepth& record = control.output_depths[static_cast<std::size_t>(k)];
    report.put(Line()
                   .i(k + 1, 3)
                   .f(record.depth, 22, 3)
                   .f(record.depth - XS, 27, 3)
                   .i(record.deflection_count, 27));
  }
  report.blank();
  report.put(
      Line().a("Depth of ground surface below top of pile = ").f(XS, 10, 2).a(" ").a(labels.depth));
  report.put("If number of specifed y-values is 0 then 17 default y-values are used for output");
  report.blank();
  for (int k = 0; k < kept; ++k) {
    const OutputDepth& record = control.output_depths[static_cast<std::size_t>(k)];
    const int count = std::clamp(record.deflection_count, 0, kMaxOutputDeflections);
    if (count < 1) continue;
    report.put(Line()
                   .a("User-specified y-values for p-y curve ")
                   .i0(k + 1)
                   .a(" at ")
                   .f(record.depth, 8, 3)
                   .a(" ")
                   .a(labels.depth));
    report.blank();
    report.put("Point          y-value    ");
    report.put(" No.              " + labels.length);
    report.put("-----     ----------------");
    for (int n = 0; n < count; ++n) {
      Line row;
      row.i(n + 1, 5).x(5);
      WriteNumberField(row, record.deflections[static_cast<std::size_t>(n)], 16);
      report.put(row);
    }
  }
}

}  // namespace torva::echo
