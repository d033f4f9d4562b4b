// The summary of pile responses: one row per load case with its pile-head conditions, the
// pile-head deflection and rotation and the largest moment and shear in the pile.
#include <string>

#include "report/fields.h"
#include "report/line.h"
#include "report/plot_records.h"
#include "response/lrfd.h"
#include "response/results.h"
#include "response/results_report.h"

namespace torva {

namespace {

// Definitions and column heads exist in US customary and SI units only.
void write_definitions(Engine& engine) {
  TextFile& report = engine.run.report;
  report.put("Definitions of Pile-head Loading Conditions:");
  report.blank();
  if (us_customary(engine)) {
    report.put("Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs");
    report.put("Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians");
    report.put("Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian");
    report.put("Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs");
    report.put("Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians");
  } else {
    report.put("Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ");
    report.put("Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians");
    report.put("Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian");
    report.put("Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m");
    report.put("Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians");
  }
  report.blank();
}

void write_column_heads(Engine& engine) {
  TextFile& report = engine.run.report;
  const bool us = us_customary(engine);
  if (!engine.options.UseLRFD) {
    report.put(
        "               Pile-head      Pile-head                                      Maximum    "
        "    Maximum                  ");
    report.put(
        "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Moment     "
        "     Shear        Pile-head  ");
    if (us) {
      report.put(
          "Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       in Pile  "
          "      in Pile       Rotation   ");
      report.put(
          " No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs   "
          "        lbs          radians   ");
    } else {
      report.put(
          "Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       in Pile  "
          "      in Pile       Rotation   ");
      report.put(
          " No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m    "
          "        kN           radians   ");
    }
    return;
  }
  report.put(
      "                                                                              Maximum     "
      "  Maximum                  ");
  report.put(
      "Load  Load      Pile-head     Pile-head         Axial        Pile-head        Moment      "
      "   Shear        Pile-Head  ");
  if (us) {
    report.put(
        "Case  Type        Shear         Moment           Load        Deflection       in Pile    "
        "   in Pile       Rotation   ");
    report.put(
        " No.   No.         lbs          in-lbs           lbs          inches          in-lbs     "
        "     lbs          radians   ");
  } else {
    report.put(
        "Case  Type       Shear          Moment           Load        Deflection       in Pile     "
        "  in Pile       Rotation   ");
    report.put(
        " No.   No.    kilonewtons        kN-m             kN           meters          kN-m       "
        "    kN           radians   ");
  }
}

// The row of one load case; none for a load type outside 1..5.
void write_row(Engine& engine, int j, const LoadCaseResult& r) {
  static constexpr const char* kSecondLabels[5] = {"  M =", "  S =", "  R =", "  M =", "  S ="};
  const int type = r.load_type;
  if (type < 1 || type > 5) return;
  const bool deflection_given =
      type == load_type::kDeflectionMoment || type == load_type::kDeflectionSlope;
  Line line;
  line.i(j, 3).x(1);
  line.a("    ").i(type, 1).a(deflection_given ? "   y =" : "   V =");
  WriteNumberField(line, r.condition1, 11);
  line.a(kSecondLabels[type - 1]);
  WriteNumberField(line, r.condition2, 11);
  WriteNumberField(line, r.axial, 15);
  WriteNumberField(line, r.head_deflection, 15);
  WriteNumberField(line, r.max_moment, 15);
  WriteBlanks(line, 4);
  WriteNumberField(line, r.max_shear, 11);
  line.f(r.head_slope, 15, 8);
  engine.run.report.put(line);
}

}  // namespace

void report_pile_response_summary(Engine& engine) {
  TextFile& report = engine.run.report;
  const int count = load_case_count(engine);
  const int kept = count < kMaxLoadCases ? count : kMaxLoadCases;

  report.blank(3);
  report.put(std::string(80, '-'));
  report.put(Line().x(27).a("Summary of Pile Response(s)"));
  report.put(std::string(80, '-'));
  report.blank();
  // General units have no unit words for the definitions and heads.
  if (engine.options.IUNITS == kUnitsUS || engine.options.IUNITS == kUnitsSI) {
    if (!engine.options.UseLRFD) write_definitions(engine);
    write_column_heads(engine);
  }
  report.put(
      "----  ----  --------------  --------------  -------------  -------------  -------------  "
      "-------------  -------------");
  const LoadCaseResults& results = engine.results;
  for (int j = 1; j <= kept; ++j) write_row(engine, j, results.cases[j]);
  if (engine.options.UseLRFD) write_lrfd_performance_table(engine);

  const bool si = !us_customary(engine);
  for (int j = 1; j <= kept; ++j) {
    const LoadCaseResult& r = results.cases[j];
    PlotLine13(engine.run.plot, si, r.head_shear, r.head_deflection, r.max_moment, r.max_shear,
               r.head_slope);
  }
}

}  // namespace torva
