#include "response/results_report.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "report/fields.h"
#include "report/line.h"

namespace torva {

namespace {

const std::string kRule80(80, '-');

constexpr int kEqualsColumn = 56;  // where "= " of the pile-head condition lines begins

bool is_si(const Engine& engine) { return engine.options.IUNITS == kUnitsSI; }

// How one pile-head condition line prints its value.
enum class ValueForm { kF1, kF3, kF6, kE3 };

struct ConditionLine {
  const char* label;
  ValueForm us_form;
  ValueForm si_form;
  const char* us_unit;
  const char* si_unit;  // SI word; general-unit runs take the matching label of the run
};

struct ConditionBlock {
  const char* title;
  const char* gap;         // what stands between a value and its unit
  ConditionLine lines[3];  // first value, second value, axial load
};

// By pile-head condition code 1..5.
const ConditionBlock kConditionBlocks[5] = {
    {"Pile-head conditions are Shear and Moment (Loading Type 1)", " ",
     {{"Shear force at pile head", ValueForm::kF1, ValueForm::kF3, "lbs", "kN"},
      {"Applied moment at pile head", ValueForm::kF1, ValueForm::kF3, "in-lbs", "kN-m"},
      {"Axial thrust load on pile head", ValueForm::kF1, ValueForm::kF3, "lbs", "kN"}}},
    {"Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)", " ",
     {{"Shear force at pile head", ValueForm::kF1, ValueForm::kF1, "lbs", "kN"},
      {"Rotation of pile head", ValueForm::kE3, ValueForm::kE3, "radians", "radians"},
      {"Axial load at pile head", ValueForm::kF1, ValueForm::kF1, "lbs", "kN"}}},
    {"Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)", "",
     {{"Shear force at pile head", ValueForm::kF1, ValueForm::kF3, "lb", "kN"},
      {"Rotational stiffness", ValueForm::kF1, ValueForm::kF3, "in-lb/rad", "kN-m/rad"},
      {"Axial load at pile head", ValueForm::kF1, ValueForm::kF3, "lbs", "kN"}}},
    {"Pile-head conditions are Displacement and Moment (Loading Type 4)", "",
     {{"Displacement of pile head", ValueForm::kF6, ValueForm::kF6, "inches", "meters"},
      {"Moment at pile head", ValueForm::kF1, ValueForm::kF3, "in-lbs", "kN-m"},
      {"Axial load at pile head", ValueForm::kF1, ValueForm::kF3, "lbs", "kN"}}},
    {"Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)", "",
     {{"Displacement of pile head", ValueForm::kF6, ValueForm::kF6, "inches", "meters"},
      {"Rotation of pile head", ValueForm::kE3, ValueForm::kE3, "radians", "radians"},
      {"Axial load on pile head", ValueForm::kF1, ValueForm::kF3, "lbs", "kN"}}},
};

// The general-unit label that stands for an SI unit word of the reports.
std::string general_label(const Engine& engine, std::string_view si_word) {
  const UnitLabels& labels = engine.run.labels;
  if (si_word == "kN") return labels.force;
  if (si_word == "kN-m") return labels.moment;
  if (si_word == "kN-m/rad") return labels.moment + "/rad";
  if (si_word == "meters") return labels.length;
  return std::string(si_word);
}

void put_value(Line& line, ValueForm form, double value) {
  switch (form) {
    case ValueForm::kF1:
      line.f(value, 12, 1);
      break;
    case ValueForm::kF3:
      line.f(value, 12, 3);
      break;
    case ValueForm::kF6:
      line.f(value, 12, 6);
      break;
    case ValueForm::kE3:
      line.e(value, 12, 3);
      break;
  }
}

}  // namespace

bool us_customary(const Engine& engine) { return engine.options.IUNITS == kUnitsUS; }

ReportUnits report_units(const Engine& engine) {
  if (us_customary(engine)) return {"feet", "inches", "lbs", "in-lbs", 1.0 / 12.0};
  if (is_si(engine)) return {"meters", "meters", "kN", "kN-m", 1.0};
  const UnitLabels& labels = engine.run.labels;
  return {labels.depth, labels.length, labels.force, labels.moment, 1.0};
}

std::string relabel(std::string line,
                    std::initializer_list<std::pair<std::string_view, std::string>> swaps) {
  std::size_t from = 0;
  for (const auto& [old_word, new_text] : swaps) {
    const std::size_t at = line.find(old_word, from);
    if (at == std::string::npos) continue;
    std::size_t span = old_word.size();
    if (new_text.size() > span) {
      std::size_t blanks = 0;
      while (at + span + blanks < line.size() && line[at + span + blanks] == ' ') ++blanks;
      const bool last_word = at + span + blanks == line.size();
      const std::size_t spare = last_word ? blanks : (blanks > 0 ? blanks - 1 : 0);
      span += std::min(spare, new_text.size() - span);
    }
    std::string replacement = new_text;
    if (replacement.size() < span) replacement.resize(span, ' ');
    line.replace(at, span, replacement);
    from = at + replacement.size();
  }
  return line;
}

void write_load_case_heading(Engine& engine, int j) {
  TextFile& report = engine.run.report;
  report.blank(2);
  report.put(kRule80);
  report.put(Line().x(17).a("Computed Values of Pile Loading and Deflection"));
  if (engine.options.UseLRFD) {
    report.put(Line().x(17).a("for Lateral Loading for LRFD Load Case Number ").i0(j));
    report.put(kRule80);
    report.blank(2);
    const std::string& name =
        j >= 1 && j <= kMaxLrfdCombinations ? engine.lrfd.combinations[j].name : std::string();
    report.put(Line().a("Load Case No. ").i0(j).a(":  ").a(name));
    report.blank(2);
  } else {
    report.put(Line().x(19).a("for Lateral Loading for Load Case Number ").i0(j));
    report.put(kRule80);
    report.blank();
  }
}

void write_head_conditions(Engine& engine, const HeadCondition& head) {
  if (head.condition < 1 || head.condition > 5) return;
  TextFile& report = engine.run.report;
  const ConditionBlock& block = kConditionBlocks[head.condition - 1];
  const bool us = us_customary(engine);
  const bool si = is_si(engine);
  const double values[3] = {head.first, head.second, head.Q};

  report.put(block.title);
  report.blank();
  for (int k = 0; k < 3; ++k) {
    const ConditionLine& c = block.lines[k];
    Line line;
    line.a(c.label).tab(kEqualsColumn).a("= ");
    put_value(line, us ? c.us_form : c.si_form, values[k]);
    line.a(block.gap).a(us ? std::string(c.us_unit)
                     : si ? std::string(c.si_unit) : general_label(engine, c.si_unit));
    report.put(line);
  }
  if (head.condition == load_type::kShearSlope) {
    report.blank();
    report.put(std::fabs(head.second) < 1e-10
                   ? "(Zero slope for this load indicates fixed-head conditions)"
                   : "(Non-zero slope for this load does indicates rotated pile-head condition)");
  }
  report.blank();
}

void write_results_table_head(Engine& engine) {
  TextFile& report = engine.run.report;
  report.blank();
  report.put(
      "   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  "
      "Soil Spr.   Distrib. ");
  report.put(
      "     X         y        Moment     Force         S       Stress   Stiffness      p      "
      "   Es*h    Lat. Load ");
  const std::string si_units =
      "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m     "
      "   kN/m      kN/m    ";
  if (us_customary(engine)) {
    report.put(
        "   feet      inches     in-lbs      lbs       radians     psi*      lb-in^2    lb/in    "
        "  lb/inch    lb/inch ");
  } else if (is_si(engine)) {
    report.put(si_units);
  } else {
    const UnitLabels& l = engine.run.labels;
    report.put(relabel(si_units, {{"meters", l.depth},
                                  {"meters", l.length},
                                  {"kN-m", l.moment},
                                  {"kN", l.force},
                                  {"kPa*", l.stress + "*"},
                                  {"kN-m^2", l.moment + "^2"},
                                  {"kN/m", l.force_per_length},
                                  {"kN/m", l.force_per_length},
                                  {"kN/m", l.force_per_length}}));
  }
  Line rule;
  for (int k = 0; k < 10; ++k) {
    if (k > 0) rule.x(1);
    rule.a("----------");
  }
  report.put(rule);
}

void write_results_row(Engine& engine, const ResultsRow& row) {
  Line line;
  WriteNumberField(line, row.x * report_units(engine).depth_factor, 10);
  for (double value : {row.y, row.M, row.V, row.S, row.stress, row.EI, row.p, row.spring, row.W}) {
    WriteNumberField(line, value, 11);
  }
  engine.run.report.put(line);
}

void write_results_footnote(Engine& engine) {
  TextFile& report = engine.run.report;
  bool all_elastic = true;
  for (int s = 1; s <= engine.sections.count && s <= kMaxSections; ++s) {
    if (engine.sections.table[static_cast<std::size_t>(s - 1)].type != kElasticPile) {
      all_elastic = false;
    }
  }
  report.blank();
  if (all_elastic) {
    report.put("* The above values of total stress are combined axial and bending stresses. ");
    return;
  }
  report.put(
      "* This analysis computed pile response using nonlinear moment-curvature relationships.  ");
  report.put(
      "  Values of total stress are computed from the elastic section properties for combined ");
  report.put(
      "  axial and bending stress and are not the actual stresses in concrete and steel.  The  ");
  report.put(
      "  moment-curvature results of each pile section should be reviewed to assess the nonlinear");
  report.put(
      "  bending properties relative to the magnitude of bending moment developed in the pile.");
}

void write_output_summary(Engine& engine, int j, const LoadCaseResult& result) {
  TextFile& report = engine.run.report;
  const ReportUnits units = report_units(engine);
  const std::string moment_unit = us_customary(engine) ? "inch-lbs" : units.moment;
  const std::string depth_text = " " + units.depth + " below pile head";

  const auto value_line = [&](const char* label, double value, const std::string& unit) {
    Line line;
    line.a(label);
    WriteNumberField(line, value, 15);
    line.a(unit);
    report.put(line);
  };
  const auto count_line = [&](const char* label, int count) {
    Line line;
    line.a(label);
    WriteIntegerField(line, count, 15);
    report.put(line);
  };

  report.blank(2);
  report.put(Line().a("Output Summary for Load Case No. ").i0(j).a(":"));
  report.blank();
  value_line("Pile-head deflection             = ", result.head_deflection, " " + units.length);
  value_line("Computed slope at pile head      = ", result.head_slope, " radians");
  value_line("Maximum bending moment           = ", result.max_moment, " " + moment_unit);
  value_line("Maximum shear force              = ", result.max_shear, " " + units.force);
  value_line("Depth of maximum bending moment  = ", result.max_moment_x * units.depth_factor,
             depth_text);
  value_line("Depth of maximum shear force     = ", result.max_shear_x * units.depth_factor,
             depth_text);
  count_line("Number of iterations             = ", result.iterations);
  count_line("Number of zero deflection points = ", result.zero_deflection_points);
}

}  // namespace torva
