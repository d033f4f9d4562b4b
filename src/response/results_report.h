// The report texts of one load case: its heading, the pile-head conditions, the table of
// nodal results with its footnote, and the output summary. US customary runs print in pounds,
// inches and feet, SI runs in kN and metres, general-unit runs use the SI layouts with the
// run's own unit labels.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "model/engine.h"

namespace torva {

// The heading of load case j ("... for Load Case Number j"), or for LRFD runs of combination
// j with its name.
void write_load_case_heading(Engine& engine, int j);

// The block that states the pile-head conditions of the case.
void write_head_conditions(Engine& engine, const HeadCondition& head);

// The four head lines and the rule of the table of nodal results.
void write_results_table_head(Engine& engine);

// One row of the table of nodal results (internal units; the depth is printed in feet in US
// customary runs).
struct ResultsRow {
  double x = 0.0;       // depth along the pile
  double y = 0.0;       // deflection
  double M = 0.0;       // bending moment
  double V = 0.0;       // shear force
  double S = 0.0;       // slope
  double stress = 0.0;  // total stress
  double EI = 0.0;      // bending stiffness
  double p = 0.0;       // soil reaction
  double spring = 0.0;  // Es times the tributary length
  double W = 0.0;       // distributed lateral load term
};
void write_results_row(Engine& engine, const ResultsRow& row);

// The note under the table: one line when every section is an "Elastic Pile", else the note
// on nonlinear bending stiffness.
void write_results_footnote(Engine& engine);

void write_output_summary(Engine& engine, int j, const LoadCaseResult& result);

// Unit words of the reports by unit system.
struct ReportUnits {
  std::string depth;   // "feet", "meters" or the general depth label
  std::string length;  // "inches", "meters", ...
  std::string force;   // "lbs", "kN", ...
  std::string moment;  // "in-lbs", "kN-m", ...
  double depth_factor = 1.0;  // internal length to the printed depth unit (1/12 in US runs)
};
ReportUnits report_units(const Engine& engine);

bool us_customary(const Engine& engine);

// `line` with each old word replaced in turn by its new text, searching on from the previous
// replacement. The new text takes the old one's columns: a shorter one is padded with blanks,
// a longer one takes blanks that follow (one blank always stays), so the columns after it keep
// their places.
std::string relabel(std::string line,
                    std::initializer_list<std::pair<std::string_view, std::string>> swaps);

}  // namespace torva
