// The report of the nonlinear section analysis: prestress, concrete properties, thrust list,
// run-message legend, moment-curvature tables and the capacity summaries; and the unit labels
// of the section report.
#include "section/section_report.h"

#include <string>

#include "report/fields.h"
#include "report/line.h"

namespace torva {

namespace {

std::string_view first_chars(std::string_view text, std::size_t count) {
  return text.substr(0, std::min(count, text.size()));
}

// ---- Column heading of the moment-curvature rows ------------------------------------------

struct Column {
  std::string_view line1, line2, us, si;
  std::string_view si_word;  // the unit word general units replace
  std::string SectionUnitLabels::*generic;
};

constexpr Column kCurvature{"    Bending   ", "   Curvature  ", "    rad/in.   ",
                            "     rad/m    ", "rad/m",          &SectionUnitLabels::curvature};
constexpr Column kMoment{"    Bending   ", "    Moment    ", "    in-kip    ",
                         "     kN-m     ", "kN-m",           &SectionUnitLabels::moment};
constexpr Column kStiffness{"    Bending   ", "   Stiffness  ", "    kip-in2   ",
                            "     kN-m2    ", "kN-m2",          &SectionUnitLabels::stiffness};
constexpr Column kNeutralAxis{
    "    Depth to  ",          "     N Axis   ", "       in     ", "       m      ", "m",
    &SectionUnitLabels::length};
constexpr Column kCompStrain{
    "    Max Comp  ",          "     Strain   ", "     in/in    ", "      m/m     ", "m/m",
    &SectionUnitLabels::length};
constexpr Column kTensStrain{
    "    Max Tens  ",          "     Strain   ", "     in/in    ", "      m/m     ", "m/m",
    &SectionUnitLabels::length};
constexpr Column kConcrete{
    "  Max Concrete",          "     Stress   ", "      ksi     ", "      kPa     ", "kPa",
    &SectionUnitLabels::stress};
constexpr Column kSteel{
    "   Max Steel  ",          "     Stress   ", "      ksi     ", "      kPa     ", "kPa",
    &SectionUnitLabels::stress};
constexpr Column kCasing{
    "   Max Casing ",          "     Stress   ", "      ksi     ", "      kPa     ", "kPa",
    &SectionUnitLabels::stress};
constexpr Column kCore{
    "   Max Core   ",          "     Stress   ", "      ksi     ", "      kPa     ", "kPa",
    &SectionUnitLabels::stress};
constexpr Column kPipeWall{
    "   Max Total  ",          "     Stress   ", "      ksi     ", "      kPa     ", "kPa",
    &SectionUnitLabels::stress};

// What a row of section type `type` shows, in order.
enum class Value { phi, M, EI, y_n, eps_c, eps_t, sigma_c, sigma_s, sigma_cs, sigma_k };

struct Layout {
  int count = 0;
  std::array<const Column*, 10> columns{};
  std::array<Value, 10> values{};
};

Layout layout_of(int type) {
  Layout l;
  auto add = [&l](const Column& c, Value v) {
    l.columns[l.count] = &c;
    l.values[l.count] = v;
    ++l.count;
  };
  add(kCurvature, Value::phi);
  add(kMoment, Value::M);
  add(kStiffness, Value::EI);
  add(kNeutralAxis, Value::y_n);
  if (type == kSteelPipe) {
    add(kPipeWall, Value::sigma_cs);
    return l;
  }
  add(kCompStrain, Value::eps_c);
  add(kTensStrain, Value::eps_t);
  add(kConcrete, Value::sigma_c);
  add(kSteel, Value::sigma_s);
  if (type == kCasedShaft || type == kCasedShaftWithCore) add(kCasing, Value::sigma_cs);
  if (type == kCasedShaftWithCore) add(kCore, Value::sigma_k);
  return l;
}

// The unit cell of a column in general units: the SI cell with its unit word replaced by the
// generic label (strains are length per length).
std::string generic_cell(const SectionReport& r, const Column& c) {
  std::string fragment(bare_label(r.labels.*(c.generic)));
  if (c.si_word == "m/m") fragment = fragment + "/" + fragment;
  std::string cell(c.si);
  const std::size_t at = cell.find(c.si_word);
  cell.replace(at, c.si_word.size(), fragment);
  cell.resize(14, ' ');
  return cell;
}

double value_of(const StepRow& row, Value v) {
  switch (v) {
    case Value::phi:
      return row.phi;
    case Value::M:
      return row.M;
    case Value::EI:
      return row.EI;
    case Value::y_n:
      return row.y_n;
    case Value::eps_c:
      return row.eps_c;
    case Value::eps_t:
      return row.eps_t;
    case Value::sigma_c:
      return row.sigma_c;
    case Value::sigma_s:
      return row.sigma_s;
    case Value::sigma_cs:
      return row.sigma_cs;
    case Value::sigma_k:
      return row.sigma_k;
  }
  return 0.0;
}

void write_all_steps_warning(const SectionReport& r) {
  r.report.put(
      Line().a("Warning: ").i0(kMaxSteps).a(" values were calculated for moment-curvature."));
  r.report.put(
      "This usually indicates that the pile is too weak or is under-reinforced, where all "
      "reinforcing steel has yielded.");
  r.report.blank();
  r.report.put(
      "The input data should be examined and the amount of steel reinforcement should be "
      "increased if necessary.");
}

}  // namespace

SectionUnitLabels section_unit_labels(int units) {
  switch (units) {
    case kUnitsUS:
      return {" in     ", " ksi    ", " kips   ", " rad/in ",
              " in-kip ", " sq. in.", " in^4   ", "kip-in^2"};
    case kUnitsSI:
      return {" m      ", " kPa    ", " kN     ", " rad/m  ",
              " kN-m   ", " sq. m  ", " m^4    ", "kN-m^2  "};
    default:
      return {" L      ", " F/L2   ", " F      ", " 1/L    ",
              " F-L    ", " L2     ", " L4     ", "F-L2    "};
  }
}

std::string_view trimmed_label(std::string_view label) {
  const std::size_t last = label.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : label.substr(0, last + 1);
}

void write_block_title(const SectionReport& r, std::string_view text, int dashes, bool plain) {
  if (!plain) r.report.blank();
  r.report.put(text);
  r.report.put(std::string(static_cast<std::size_t>(dashes), '-'));
  r.report.blank();
}

void write_value_line(const SectionReport& r, std::string_view label, double value,
                      std::string_view unit) {
  Line line = LabelledLine(label);
  WriteNumberField(line, value, 12);
  r.report.put(line.a(unit));
}

std::string_view bare_label(std::string_view label) {
  const std::string_view trimmed = trimmed_label(label);
  const std::size_t first = trimmed.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : trimmed.substr(first);
}

void write_prestress_block(const SectionReport& r, const SectionValues& v,
                           const PrestressValues& p) {
  TextFile& report = r.report;
  const std::string& force = r.labels.force;
  const std::string& stress = r.labels.stress;
  report.blank();
  report.put("Computation of Loss of Prestress:");
  report.put("---------------------------------");
  report.blank();
  report.put(
      LabelledLine("Initial Prestressing Force").f(v.prestress_force / 1000.0, 12, 3).a(force));
  report.put(LabelledLine("Fraction of Loss of Prestress").f(v.prestress_loss, 12, 3));
  report.put(LabelledLine("Effective Prestressing Force")
                 .f(v.prestress_force * (1.0 - v.prestress_loss) / 1000.0, 12, 3)
                 .a(force));
  const int area_decimals = r.us() ? 3 : 6;
  const std::string area_unit = " Sq. " + r.short_length;
  report.put(LabelledLine("Area of Concrete, Ac      ").f(p.Ac, 12, area_decimals).a(area_unit));
  report.put(LabelledLine("Area of Steel, As         ").f(p.As, 12, area_decimals).a(area_unit));
  write_value_line(r, "Stress in Concrete After Losses, f_pc", p.fpc, stress);
  write_value_line(r, "Stress in Steel After Losses", p.eps_ps0 * v.Es, stress);
  report.put(LabelledLine("Compressive Strain in Concrete").f(p.eps_pc0, 12, 7));
  report.put(LabelledLine("Tensile Strain in Steel  ").f(p.eps_ps0, 12, 7));
  report.blank();
  report.put("Estimated Structural Capacities Computed Using PCI Equations:");
  report.put(std::string(61, '-'));
  report.blank();
  report.put(
      LabelledLine("Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag").f(p.P_n, 12, 3).a(force));
  report.put(
      LabelledLine("Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag").f(p.N, 12, 3).a(force));
  report.put(LabelledLine("Axial Capacity in Tension, Nt = As fpu").f(p.P_t, 12, 3).a(force));
  report.put(LabelledLine(std::string("Nom. Moment Capacity, ") + p.label)
                 .f(p.M_n, 12, 3)
                 .a(r.labels.moment));
  report.blank();
  report.put("Note:  The estimate of nominal moment capacity is based on equations that  ");
  report.put("assume compressive strength of concrete is 6,000 psi (41.4 MPa), the value of ");
  report.put("prestress after losses is 700 psi (4.83 MPa), and axial thrust force is zero. ");
  report.put("When input values for these factors are different, the estimated value of Mn  ");
  report.put("will differ from the capacity computed by Torva and should be considered");
  report.put("only as an approximate check.");
  report.blank();
}

void write_concrete_properties(const SectionReport& r, const SectionValues& v,
                               const ConcreteConstants& c, double aggregate_size) {
  const SectionUnitLabels& u = r.labels;
  write_block_title(r, "Concrete Properties:", 20);
  write_value_line(r, "Compressive Strength of Concrete", c.fc, u.stress);
  write_value_line(r, "Modulus of Elasticity of Concrete", c.Ec, u.stress);
  write_value_line(r,
                   v.reinforcement == kReinforcementBars
                       ? "Modulus of Rupture of Concrete"
                       : "Modulus of Rupture of Prestressed Concrete",
                   c.fr, u.stress);
  write_value_line(r, "Compression Strain at Peak Stress", c.eps0);
  write_value_line(r, "Tensile Strain at Fracture of Concrete", c.eps_cr);
  write_value_line(r, "Maximum Coarse Aggregate Size", aggregate_size, u.length);
}

void write_thrust_count(const SectionReport& r, ThrustListSource source, int count, bool dropped) {
  TextFile& report = r.report;
  switch (source) {
    case ThrustListSource::kInputData:
      if (dropped) {
        report.blank();
        report.put(
            "The following computations were performed only for the axial thrust values "
            "in the valid range.");
      }
      report.blank(2);
      report.put("Input Axial Thrust Forces:");
      report.put(std::string(26, '-'));
      report.blank();
      report.put(
          Line().a("Number of Axial Thrust Force Values Determined from Input Data = ").i0(count));
      break;
    case ThrustListSource::kLrfdLoadings:
      report.blank(2);
      report.put(Line()
                     .a("Number of Axial Thrust Force Values Determined from LRFD Pile-head "
                        "Loadings = ")
                     .i0(count));
      break;
    case ThrustListSource::kPileHeadLoadings:
      report.blank(2);
      report.put(Line()
                     .a("Number of Axial Thrust Force Values Determined from Pile-head Loadings = ")
                     .i0(count));
      break;
  }
  report.blank();
}

void write_thrust_table(const SectionReport& r, std::span<const double> thrusts) {
  TextFile& report = r.report;
  report.put("   Number     Axial Thrust Force");
  report.put(Line().tab(20).a(trimmed_label(r.labels.force)));
  report.put("   ------     ------------------");
  for (std::size_t j = 0; j < thrusts.size(); ++j) {
    report.put(Line().i(static_cast<long long>(j) + 1, 7).x(9).f(thrusts[j], 12, 3));
  }
}

void write_run_message_legend(const SectionReport& r, bool pipe) {
  TextFile& report = r.report;
  if (pipe) {
    report.blank();
    report.put("Definition of Run Messages:");
    report.blank();
    report.put("   Y = part of pipe section has yielded.");
    return;
  }
  report.blank(2);
  report.put("Definitions of Run Messages and Notes:");
  report.put(std::string(38, '-'));
  report.blank();
  report.put("   C = concrete in section has cracked in tension.");
  report.put("   Y = stress in reinforcing steel has reached yield stress.");
  report.put("   T = ACI 318-08 criteria for tension-controlled section met, tensile strain in ");
  report.put("       reinforcement exceeds 0.005 while simultaneously compressive strain in ");
  report.put("       concrete more than than 0.003. See ACI 318-08, Section 10.3.4.");
  report.put(
      "   Z = depth of tensile zone in concrete section is less than 10 percent of section "
      "depth.");
  report.blank();
  report.put("Bending Stiffness (EI) = Computed Bending Moment / Curvature.");
  report.put("Position of neutral axis is measured from edge of compression side of pile.");
  report.put("Compressive stresses and strains are positive in sign.");
  report.put("Tensile stresses and strains are negative in sign.");
}

void write_thrust_heading(const SectionReport& r, double thrust, int type) {
  TextFile& report = r.report;
  report.blank(2);
  report.put(Line().a("Axial Thrust Force = ").f(thrust, 10, 3).a(first_chars(r.labels.force, 7)));
  report.blank();
  const Layout l = layout_of(type);
  std::array<Line, 4> lines;
  for (int k = 0; k < l.count; ++k) {
    const Column& c = *l.columns[k];
    lines[0].a(c.line1);
    lines[1].a(c.line2);
    if (r.us()) {
      lines[2].a(c.us);
    } else if (r.general()) {
      lines[2].a(generic_cell(r, c));
    } else {
      lines[2].a(c.si);
    }
    lines[3].a(" -------------");
  }
  lines[0].a("  Run");
  lines[1].a("  Msg");
  lines[2].a("     ");
  lines[3].a("  ---");
  for (const Line& line : lines) report.put(line);
}

void write_step_rows(const SectionReport& r, const StepTable& table, int type) {
  const Layout l = layout_of(type);
  for (int s = 1; s <= table.n_s; ++s) {
    const StepRow& row = table.row(s);
    Line line;
    for (int k = 0; k < l.count; ++k) WriteNumberField(line, value_of(row, l.values[k]), 14);
    WriteBlanks(line, 2);
    line.a(std::string_view(row.msg.data(), row.msg.size()));
    r.report.put(line);
  }
  if (type != kSteelPipe && table.n_s == kMaxSteps) write_all_steps_warning(r);
}

void add_to_summary(SectionSummary& summary, const StepTable& table) {
  if (summary.count >= kMaxThrusts) return;
  const int j = summary.count++;
  summary.thrust[j] = table.thrust;
  summary.M_n[j] = table.M_n;
  summary.eps_cap[j] = table.eps_cap;
  for (std::size_t f = 0; f < kResistanceFactors.size(); ++f) {
    summary.factored_EI[j][f] = EI_at_moment(table, kResistanceFactors[f] * table.M_n);
  }
}

void write_section_summary(const SectionReport& r, int section, const SectionSummary& summary,
                           bool pipe) {
  TextFile& report = r.report;
  const std::string_view force = trimmed_label(r.labels.force);
  const std::string_view moment = trimmed_label(r.labels.moment);
  report.blank(2);
  report.put(std::string(80, '-'));
  report.put(Line()
                 .a("   Summary of Results for Nominal (Unfactored) Moment Capacity for Section ")
                 .i0(section));
  report.put(std::string(80, '-'));
  report.blank();
  if (pipe) {
    report.put(" Load           Axial Thrust        Nominal Mom. Cap.");
    std::string right(moment);
    if (right.size() < 7) right.insert(0, 7 - right.size(), ' ');
    report.put(Line().a("  No.              ").a(first_chars(r.labels.force, 7)).x(14).a(right));
    report.put(" ----         ----------------     ------------------");
    for (int j = 0; j < summary.count; ++j) {
      report.put(Line().i(j + 1, 4).f(summary.thrust[j], 22, 3).f(summary.M_n[j], 22, 1));
    }
    report.blank();
    report.put("Note that the values in the above table are not factored by a strength");
    report.put("reduction factor for LRFD.");
    report.blank();
    report.put("The value of the strength reduction factor depends on the provisions of the ");
    report.put("LRFD code being followed.");
    report.blank();
    report.put("The above values should be multiplied by the appropriate strength reduction ");
    report.put("factor to compute ultimate moment capacity according to the LRFD structural ");
    report.put("design standard being followed.");
    report.blank(2);
    return;
  }
  report.put("Moment values interpolated at maximum compressive strain = 0.003");
  report.put("or maximum developed moment if pile fails at smaller strains.");
  report.blank();
  report.put(" Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp.");
  report.put(Line().a("  No.").tab(20).a(force).tab(41).a(moment).tab(62).a("Strain"));
  report.put(" ----         ----------------     ------------------     ------------");
  for (int j = 0; j < summary.count; ++j) {
    report.put(Line()
                   .i(j + 1, 4)
                   .f(summary.thrust[j], 22, 3)
                   .f(summary.M_n[j], 22, 3)
                   .f(summary.eps_cap[j], 21, 8));
  }
  report.blank();
  report.put("Note note that the values of moment capacity in the table above are not ");
  report.put("factored by a strength reduction factor (phi-factor).");
  report.blank();
  report.put("In ACI 318-08, the value of the strength reduction factor depends on whether ");
  report.put("the transverse reinforcing steel bars are tied hoops (0.65) or spirals (0.70).");
  report.blank();
  report.put("The above values should be multiplied by the appropriate strength reduction ");
  report.put("factor to compute ultimate moment capacity according to ACI 318-08, Section ");
  report.put("9.3.2.2 or the value required by the design standard being followed.");
  report.blank();
  report.put("The following table presents factored moment capacities and corresponding ");
  report.put("bending stiffnesses computed for common resistance factor values used for ");
  report.put("reinforced concrete sections.");
  report.blank();
  report.put(
      " Axial     Resistance           Nominal           Ultimate (Factored)     Ultimate "
      "(Factored)     Bending Stiffness");
  report.put(
      " Load        Factor         Moment Capacity          Axial Thrust           Moment "
      "Capacity       at Ult. Mom. Cap.");
  report.put(Line()
                 .a("  No.      for Moment")
                 .tab(32)
                 .a(moment)
                 .tab(57)
                 .a(force)
                 .tab(80)
                 .a(moment)
                 .tab(104)
                 .a(trimmed_label(r.labels.stiffness)));
  report.put(
      " -----     ----------     -------------------     -------------------     "
      "-------------------     -------------------");
  for (std::size_t f = 0; f < kResistanceFactors.size(); ++f) {
    if (f > 0) report.blank();
    const double factor = kResistanceFactors[f];
    for (int j = 0; j < summary.count; ++j) {
      report.put(Line()
                     .i(j + 1, 4)
                     .tab(14)
                     .f(factor, 5, 2)
                     .f(summary.M_n[j], 24, 3)
                     .f(factor * summary.thrust[j], 24, 3)
                     .f(factor * summary.M_n[j], 24, 3)
                     .f(summary.factored_EI[j][f], 24, 3));
    }
  }
}

void write_closing_note(const SectionReport& r, int type) {
  r.report.put(type == kElasticPile
                   ? "Moment-curvature properties were derived from elastic section properties"
                   : "Moment-curvature properties were derived from elastic-plastic section "
                     "properties");
  r.report.blank(2);
}

void write_input_curves_note(const SectionReport& r, int section) {
  r.report.put(Line()
                   .a("Moment-Curvature properties for Section ")
                   .i0(section)
                   .a(" were determined from input nonlinear "));
  r.report.put("M-EI properties. Bending stiffness values for computations will be determined by ");
  r.report.put(
      "interpolation along and in between curves using curvature and axial thrust "
      "values. ");
  r.report.blank();
}

}  // namespace torva
