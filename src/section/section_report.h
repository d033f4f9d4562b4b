// The section analysis's part of the printed report: for every pile section its dimensions and
// properties, axial capacities and reinforcement, and for a nonlinear section the prestress,
// concrete properties, thrust list, moment-curvature tables and capacity summaries.
//
// The writers only read the working values, the step tables and the summary the driver
// collects; they compute nothing but the derived quantities printed with the lines (areas,
// ratios, moments of inertia, bar spacings).
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "model/capacities.h"
#include "model/options.h"
#include "model/sections.h"
#include "model/single_precision.h"
#include "report/text_file.h"
#include "section/capacities.h"
#include "section/materials.h"
#include "section/moment_curvature.h"
#include "section/section_values.h"

namespace torva {

// Eight-character unit labels of the section report, most with a leading blank.
struct SectionUnitLabels {
  std::string length;
  std::string stress;
  std::string force;
  std::string curvature;
  std::string moment;
  std::string area;
  std::string inertia;
  std::string stiffness;  // bending stiffness
};

// The labels of a run in the unit system `units` (IUNITS): US customary, SI, or the generic
// labels of general units.
SectionUnitLabels section_unit_labels(int units);

// The label without its trailing blanks.
std::string_view trimmed_label(std::string_view label);

// The label without its leading and trailing blanks: the unit word alone.
std::string_view bare_label(std::string_view label);

// Where and in which units a section report is written.
struct SectionReport {
  TextFile& report;
  int units = kUnitsUS;        // IUNITS
  SectionUnitLabels labels;
  std::string short_length;    // "in", "m" or "L"

  bool us() const { return units == kUnitsUS; }
  bool general() const { return units != kUnitsUS && units != kUnitsSI; }
};

// A title: a blank line (none for a plain title), the text, a line of `dashes` dashes and a
// blank line.
void write_block_title(const SectionReport& r, std::string_view text, int dashes,
                       bool plain = false);

// Label, "= " at column 56, the value in a number field of 12 and the unit label as given.
void write_value_line(const SectionReport& r, std::string_view label, double value,
                      std::string_view unit = {});

// ---- Dimension blocks (section_dimensions.cpp) ------------------------------------------------

// The dimension block of a section of type 0 to 10, with its axial capacity block and bar
// table (types 0 to 4) or strand block (5 to 10). `values` holds the bar positions used in the
// computation; `input` the section as read (lengths, cover, aggregate size, bar indices).
void write_dimension_block(const SectionReport& r, const PileSection& input,
                           const SectionValues& values, const AxialCapacities& capacities);

// Clear spacing of bars i and j (0-based), centre distance less the mean diameter.
double clear_bar_spacing(const SectionValues& values, int i, int j);

// The pair of bars (1-based, smaller first) whose clear spacing is the smallest above 0.0001;
// bars 1 and 2 when no pair is that far apart. Needs two bars or more.
struct BarPair {
  int first = 1;
  int second = 2;
  double spacing = 0.0;
};
BarPair minimum_bar_spacing(const SectionValues& values);

// Edge-to-edge spacing of neighbouring bundles of a computed circular cage: the facing bars of
// bundles 1 and 2 (bars 1-2, 2-3 or 2-4 for bundles of one, two or three bars).
double edge_to_edge_spacing(const SectionValues& values, int bars_per_bundle);

// ---- Nonlinear analysis (section_report.cpp) -------------------------------------------------

void write_prestress_block(const SectionReport& r, const SectionValues& values,
                           const PrestressValues& prestress);

void write_concrete_properties(const SectionReport& r, const SectionValues& values,
                               const ConcreteConstants& concrete, double aggregate_size);

// Where the thrusts of the section come from.
enum class ThrustListSource { kInputData, kLrfdLoadings, kPileHeadLoadings };

// The count line of the thrust list; `dropped` when values outside the axial capacities were
// left out.
void write_thrust_count(const SectionReport& r, ThrustListSource source, int count,
                        bool dropped);

void write_thrust_table(const SectionReport& r, std::span<const double> thrusts);

void write_run_message_legend(const SectionReport& r, bool pipe);

// "Axial Thrust Force = ..." and the column heading of the rows of section type `type`.
void write_thrust_heading(const SectionReport& r, double thrust, int type);

// The rows of a finished curve, and the warning of a curve that took every step.
void write_step_rows(const SectionReport& r, const StepTable& table, int type);

// Resistance factors of the factored capacity table (single-precision values).
inline constexpr std::array<double, 3> kResistanceFactors{single(0.65f),
                                                          single(0.70f),
                                                          single(0.75f)};

// What the summary of a nonlinear section prints, per thrust j (0-based).
struct SectionSummary {
  int count = 0;
  std::array<double, kMaxThrusts> thrust{};
  std::array<double, kMaxThrusts> M_n{};
  std::array<double, kMaxThrusts> eps_cap{};
  // Bending stiffness at factor M_n for each resistance factor.
  std::array<std::array<double, 3>, kMaxThrusts> factored_EI{};
};

// Adds the curve of the next thrust to the summary (its capacity and factored stiffnesses).
void add_to_summary(SectionSummary& summary, const StepTable& table);

void write_section_summary(const SectionReport& r, int section, const SectionSummary& summary,
                           bool pipe);

// The closing note of an elastic (11) or elastic-plastic (12) section.
void write_closing_note(const SectionReport& r, int type);

// The note of input moment-stiffness curves (type 13), written when section 1 has them.
void write_input_curves_note(const SectionReport& r, int section);

}  // namespace torva
