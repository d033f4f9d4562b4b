#include "section/section_driver.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "report/plot_records.h"
#include "section/moment_curvature.h"
#include "section/section_report.h"
#include "section/section_values.h"
#include "section/stored_curves.h"

namespace torva {

namespace {

constexpr ErrorId kRunThrustAboveCapacity{224, "RUN00024"};
constexpr ErrorId kRunThrustBelowCapacity{225, "RUN00025"};
constexpr ErrorId kRunFactoredThrustAboveCapacity{226, "RUN00026"};
constexpr ErrorId kRunFactoredThrustBelowCapacity{227, "RUN00027"};

bool us_units(const Engine& engine) { return engine.options.IUNITS == kUnitsUS; }
bool si_records(const Engine& engine) { return !us_units(engine); }

// Moments and stiffnesses of the tables are in kip units in US customary runs.
double kip_factor(const Engine& engine) { return us_units(engine) ? 1000.0 : 1.0; }

// Force and moment units of the section analysis: kips in US customary runs, the run's own
// units otherwise.
std::string force_unit(const Engine& engine) {
  return us_units(engine) ? " kips" : " " + engine.run.labels.force;
}
std::string moment_unit(const Engine& engine) {
  return us_units(engine) ? " in-kips" : " " + engine.run.labels.moment;
}

std::string number_text(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

bool full_analysis(const Engine& engine) {
  return engine.options.i_Analysis_Type != kBendingPropertiesOnly;
}

ThrustSource thrust_source(const Engine& engine) {
  if (!full_analysis(engine)) return ThrustSource::kEIOnly;
  return engine.options.UseLRFD ? ThrustSource::kLRFD : ThrustSource::kSection;
}

SectionReport section_report(Engine& engine) {
  return SectionReport{engine.run.report, engine.options.IUNITS,
                       section_unit_labels(engine.options.IUNITS), engine.run.labels.length};
}

// ---------------------------------------------------------------------------------------------
// Thrust list

// The list as derived from the input, remembered before any section shortens it.
void remember_original_thrusts(ThrustList& list) {
  list.original_count = list.count;
  for (int j = 1; j <= list.count; ++j) list.original_index[j] = j;
}

// Bending-properties runs analyse only the thrusts strictly within the axial capacities; the
// shortened list serves the sections below and the solver.
void drop_thrusts_outside(Engine& engine, const AxialCapacities& c) {
  ThrustList& list = engine.thrusts;
  int kept = 0;
  for (int j = 1; j <= list.count; ++j) {
    const double P = list.T[j];
    if (!(P > c.P_t && P < c.P_c)) continue;
    ++kept;
    list.T[kept] = P;
    list.original_index[kept] = list.original_index[j];
  }
  const bool dropped = kept < list.count;
  if (dropped) {
    for (int j = kept + 1; j <= list.count; ++j) list.T[j] = 0.0;
    list.count = kept;
  }
  write_thrust_count(section_report(engine), ThrustListSource::kInputData, list.count, dropped);
}

void check_thrusts(Engine& engine, const AxialCapacities& c) {
  if (!full_analysis(engine)) {
    drop_thrusts_outside(engine, c);
    return;
  }
  if (engine.options.UseLRFD) {
    // The factored thrusts of the LRFD combinations are checked where the combinations are
    // formed.
    write_thrust_count(section_report(engine), ThrustListSource::kLrfdLoadings,
                       engine.thrusts.count, false);
    return;
  }
  const PileHeadLoading& loading = engine.loading;
  std::array<double, kMaxLoadCases> thrusts{};
  const int count = std::min(loading.count, kMaxLoadCases);
  for (int j = 1; j <= count; ++j) thrusts[j - 1] = loading.cases[j].axial_thrust / kip_factor(engine);
  check_axial_thrusts(engine, std::span<const double>(thrusts.data(), count), c,
                      ThrustChecks::kLoadCases);
  write_thrust_count(section_report(engine), ThrustListSource::kPileHeadLoadings,
                     engine.thrusts.count, false);
}

// ---------------------------------------------------------------------------------------------
// Storage, plot records and moment-curvature files

void plot_curve(Engine& engine, SectionKind kind, int n, int j) {
  const MomentCurvatureCurve& curve = engine.moment_curvature.curve(n, j);
  TextFile& plot = engine.run.plot;
  const bool si = si_records(engine);
  // The capacity is held in in-lb or kN-m; the records show table units.
  PlotLine4(plot, kind, si, curve.n_p, engine.thrusts.T[j], curve.M_n / kip_factor(engine), n);
  for (int p = 1; p <= curve.n_p; ++p) {
    PlotLine5(plot, kind, si, curve.M(p), curve.EI(p), curve.phi(p), n, j, p);
  }
}

void write_curve_file(Engine& engine, int n, int j) {
  const ThrustList& list = engine.thrusts;
  const long long entry =
      static_cast<long long>(list.original_count) * (n - 1) + list.original_index[j];
  const std::vector<std::string>& names = engine.run.SectionReportNames;
  if (entry < 1 || entry > static_cast<long long>(names.size())) {
    raise_error(engine, errors::kRunMcFileUnnamed,
                "The moment-curvature file of section " + std::to_string(n) +
                    " for axial thrust value no. " + std::to_string(list.original_index[j]) +
                    " has no name: M_vs_EI_report_names.txt lists " +
                    std::to_string(names.size()) + " names and it is entry " +
                    std::to_string(entry) + ".",
                "List one name per section and axial thrust value in "
                "M_vs_EI_report_names.txt.");
  }
  const std::string& name = names[static_cast<std::size_t>(entry - 1)];
  TextFile file(Channel::kPlot);
  if (!file.open(name)) {
    raise_error(engine, errors::kRunMcFileNotCreated,
                "The moment-curvature file \"" + name + "\" of section " + std::to_string(n) +
                    " cannot be created.",
                "Give a file name in a folder that exists and can be written.");
  }
  const MomentCurvatureCurve& curve = engine.moment_curvature.curve(n, j);
  for (int p = 1; p <= curve.n_p; ++p) {
    file.put(Line().e(curve.M(p) * kip_factor(engine), 15, 8).e(curve.phi(p), 15, 8));
  }
  file.close();
}

void store_step_table(Engine& engine, int n, int j, const StepTable& table) {
  MomentCurvatureCurve& curve = engine.moment_curvature.curve(n, j);
  curve = MomentCurvatureCurve{};
  curve.n_p = table.n_s;
  curve.M_n = table.M_n * kip_factor(engine);
  for (int p = 1; p <= table.n_s; ++p) {
    curve.M(p) = table.row(p).M;
    curve.EI(p) = table.row(p).EI;
    curve.phi(p) = table.row(p).phi;
  }
}

// A curve whose first moment is not positive would give the pile no bending stiffness.
void check_first_moment(Engine& engine, int n, int j, const StepTable& table) {
  if (table.row(1).M > 0.0) return;
  WarningRegister(engine, -306);
  if (!full_analysis(engine)) return;
  raise_error(engine, errors::kRunFirstMomentNotPositive,
              "The moment-curvature curve of pile section " + std::to_string(n) +
                  " for the axial thrust of " + number_text(table.thrust) +
                  force_unit(engine) + " (value no. " + std::to_string(j) +
                  ") begins with a moment of " + number_text(table.row(1).M) +
                  moment_unit(engine) + ": its bending stiffness would be zero or negative.",
              "Reinforcement placed off-centre under a compressive thrust is the usual cause; "
              "check the bar positions of the section or the axial thrust.");
}

// ---------------------------------------------------------------------------------------------
// Section types

void analyse_nonlinear_section(Engine& engine, int n, const PileSection& section) {
  SectionValues values = section_values(section, engine.options.IUNITS);
  if (!place_section_cage(engine, section, values)) throw RunStopped{};
  const SectionReport report = section_report(engine);
  write_dimension_block(report, section, values, axial_capacities(values));
  const auto sliced = std::make_unique<SlicedSection>();
  if (const SectionFault fault = Initialize_EI_Vars(values, *sliced)) {
    report_section_fault(engine, fault);
    throw RunStopped{};
  }
  if (values.prestressed()) write_prestress_block(report, values, sliced->prestress);
  if (!values.pipe()) {
    write_concrete_properties(report, values, sliced->concrete, section.aggregate_size);
  }
  check_thrusts(engine, sliced->capacities);
  if (n == 1) {
    PlotLine3(engine.run.plot, engine.thrusts.count, SectionKind::kNonlinear,
              thrust_source(engine));
  }
  const ThrustList& list = engine.thrusts;
  write_thrust_table(report,
                     std::span<const double>(&list.T[1], static_cast<std::size_t>(list.count)));
  write_run_message_legend(report, values.pipe());
  const auto table = std::make_unique<StepTable>();
  const auto summary = std::make_unique<SectionSummary>();
  for (int j = 1; j <= list.count; ++j) {
    write_thrust_heading(report, list.T[j], values.type);
    if (const SectionFault fault = moment_curvature(*sliced, list.T[j], *table)) {
      report_section_fault(engine, fault);
      throw RunStopped{};
    }
    write_step_rows(report, *table, values.type);
    register_curve_warnings(engine, *table);
    check_first_moment(engine, n, j, *table);
    store_step_table(engine, n, j, *table);
    add_to_summary(*summary, *table);
  }
  write_section_summary(report, n, *summary, values.pipe());
  for (int j = 1; j <= list.count; ++j) {
    plot_curve(engine, SectionKind::kNonlinear, n, j);
    write_curve_file(engine, n, j);
  }
}

// Bending stiffness E I of the top point of section n, in table units.
double top_stiffness(const Engine& engine, int n) {
  const SectionPoint& top = engine.sections.points[2 * n - 2];
  return top.modulus * top.inertia / kip_factor(engine);
}

// Plastic moment capacity of an elastic-plastic section at the nodes it holds, from the node
// positions of the full analysis (a node on a boundary belongs to the section above).
void write_plastic_moments_at_nodes(Engine& engine, int n, const PileSection& section) {
  const int increments = engine.options.NumIncrements;
  if (!full_analysis(engine) || increments < 1) return;
  const double L = engine.sections.pile_length;
  const double h = L / increments;
  for (int i = 1; i <= increments + 1; ++i) {
    const double x = i == increments + 1 ? L : (i - 1) * h;
    const bool inside = n == 1 ? x <= section.bottom : section.top < x && x <= section.bottom;
    if (!inside) continue;
    engine.run.message.put(
        Line().a("Node ").i0(i).a("   Mcap = ").e(plastic_moment_at(section, x), 15, 7));
  }
}

void analyse_table_section(Engine& engine, int n, const PileSection& section) {
  const ThrustList& list = engine.thrusts;
  SectionKind kind = SectionKind::kElastic;
  if (section.type == kElasticPlastic) kind = SectionKind::kElasticPlastic;
  if (section.type == kUserDefinedEI) kind = SectionKind::kInputMEI;
  if (n == 1) PlotLine3(engine.run.plot, list.count, kind, thrust_source(engine));

  const double EI = top_stiffness(engine, n);
  for (int j = 1; j <= list.count; ++j) {
    MomentCurvatureCurve& curve = engine.moment_curvature.curve(n, j);
    switch (section.type) {
      case kElasticPile:
        elastic_curve(EI, curve);
        break;
      case kElasticPlastic:
        elastic_plastic_curve(EI, section.elastic.top_plastic_moment / kip_factor(engine), curve);
        break;
      default:
        if (j > section.curve_count ||
            !refined_input_curve(section.curves[j - 1], kip_factor(engine), curve)) {
          raise_error(engine, errors::kInputMomentCurvature,
                      "Pile section " + std::to_string(n) + " has no usable moment-stiffness "
                      "curve for axial thrust value no. " + std::to_string(j) + ".",
                      "Give one curve of 1 to 150 points (a first point of zero moment "
                      "included) for every axial thrust value.");
        }
        break;
    }
    plot_curve(engine, kind, n, j);
  }
  if (section.type == kElasticPlastic) write_plastic_moments_at_nodes(engine, n, section);
  if (section.type == kUserDefinedEI && n == 1) write_input_curves_note(section_report(engine), n);
  if (section.type == kElasticPile || section.type == kElasticPlastic) {
    write_closing_note(section_report(engine), section.type);
  }
}

[[noreturn]] void axial_error(Engine& engine, const ErrorId& error, bool lrfd, bool compression,
                              int j, double P, double capacity) {
  TextFile& report = engine.run.report;
  const std::string unit = force_unit(engine);
  report.blank(2);
  report.put(error_banner(error.number));
  report.blank();
  report.put(Line()
                 .a(lrfd ? "PROBLEM:  The axial thrust load for LRFD load case no. "
                         : "PROBLEM:  The axial thrust load for load case no. ")
                 .i0(j)
                 .a(compression ? " exceeds the axial structural capacity in compression."
                                : " exceeds the axial structural capacity in tension."));
  const char* load = lrfd ? "          Factored axial thrust load     = "
                          : (compression ? "          Axial thrust load                  = "
                                         : "          Axial thrust load              = ");
  report.put(Line().a(load).f(P, 15, 3).a(unit));
  report.put(Line()
                 .a(compression ? "          Nominal axial compressive capacity = "
                                : "          Nominal axial tensile capacity = ")
                 .f(capacity, 15, 3)
                 .a(unit));
  report.blank();
  report.put("SOLUTION: Change the properties of the section to increase the axial structural "
             "capacity.");
  stop_run(engine, error);
}

}  // namespace

void check_axial_thrusts(Engine& engine, std::span<const double> thrusts,
                         const AxialCapacities& c, ThrustChecks source) {
  const bool lrfd = source == ThrustChecks::kLrfdCombinations;
  for (std::size_t i = 0; i < thrusts.size(); ++i) {
    const int j = static_cast<int>(i) + 1;
    const double P = thrusts[i];
    if (P > c.P_c) {
      axial_error(engine, lrfd ? kRunFactoredThrustAboveCapacity : kRunThrustAboveCapacity, lrfd,
                  true, j, P, c.P_c);
    }
    if (P < c.P_t) {
      axial_error(engine, lrfd ? kRunFactoredThrustBelowCapacity : kRunThrustBelowCapacity, lrfd,
                  false, j, P, c.P_t);
    }
  }
}

void analyse_pile_section(Engine& engine, int n) {
  if (n == 1) remember_original_thrusts(engine.thrusts);
  const PileSection& section = engine.sections.table[n - 1];
  if (section.type >= kRectangularConcrete && section.type <= kOctagonalHollowPrestressed) {
    analyse_nonlinear_section(engine, n, section);
  } else if (section.type >= kElasticPile && section.type <= kUserDefinedEI) {
    analyse_table_section(engine, n, section);
  }
}

}  // namespace torva
