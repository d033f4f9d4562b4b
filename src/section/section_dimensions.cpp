// Dimension blocks of the pile sections, their axial capacities, the bar position tables and
// the strand blocks.
#include <cmath>
#include <numbers>
#include <string>

#include "model/single_precision.h"
#include "report/fields.h"
#include "report/line.h"
#include "section/section_report.h"

namespace torva {

namespace {

constexpr double kPi = std::numbers::pi;
// Clear spacings up to this are taken as bars touching (or coinciding).
constexpr double kTouching = single(0.0001f);
// Positions up to this in magnitude are listed as zero.
constexpr double kZeroPosition = single(1e-5f);

// The bars the table holds (the reader allows no more).
int listed_bars(const SectionValues& v) {
  return v.bar_count < 0 ? 0 : (v.bar_count > kMaxBars ? kMaxBars : v.bar_count);
}

void fixed_line(const SectionReport& r, std::string_view label, double value, int decimals,
                std::string_view unit) {
  r.report.put(LabelledLine(label).f(value, 12, decimals).a(unit));
}

void length_line(const SectionReport& r, const PileSection& s) {
  Line line = LabelledLine("Length of Section");
  if (r.us()) {
    WriteNumberField(line, s.length / 12.0, 12);
    line.a(" ft");
  } else {
    WriteNumberField(line, s.length, 12);
    line.a(" ").a(r.short_length);
  }
  r.report.put(line);
}

void bar_count_line(const SectionReport& r, int count) {
  Line line = LabelledLine("Number of Reinforcing Bars");
  WriteIntegerField(line, count, 12);
  r.report.put(line.a(count == 1 ? " bar    " : " bars   "));
}

double total_bar_area(const SectionValues& v) {
  double area = 0.0;
  for (int i = 0; i < listed_bars(v); ++i) area += v.bars[i].area;
  return area;
}

double ring_area(double D, double t) { return kPi * (D * D - (D - 2.0 * t) * (D - 2.0 * t)) / 4.0; }
double ring_inertia(double D, double t) {
  return kPi * (std::pow(D, 4) - std::pow(D - 2.0 * t, 4)) / 64.0;
}

int bundle_size(const PileSection& s) { return s.bars_per_bundle < 1 ? 1 : s.bars_per_bundle; }

// The cage has a second bundle to measure the spacing to.
bool has_bundle_spacing(const PileSection& s) {
  return s.bars_computed && s.bar_count / bundle_size(s) >= 2;
}

// Edge-to-edge spacing, aggregate size and their ratio of a circular cage. `all_computed`:
// the aggregate size line too is written only for computed cages.
void spacing_lines(const SectionReport& r, const PileSection& s, const SectionValues& v,
                   bool all_computed) {
  const double spacing = edge_to_edge_spacing(v, bundle_size(s));
  if (has_bundle_spacing(s))
    write_value_line(r, "Edge-to-Edge Bar Spacing", spacing, r.labels.length);
  if (all_computed && !s.bars_computed) return;
  write_value_line(r, "Maximum Concrete Aggregate Size", s.aggregate_size, r.labels.length);
  if (s.aggregate_size > 0.0 && has_bundle_spacing(s)) {
    r.report.put(LabelledLine("Ratio of Bar Spacing to Aggregate Size")
                     .f(spacing / s.aggregate_size, 12, 2));
  }
}

void offset_line(const SectionReport& r, const PileSection& s) {
  write_value_line(r, "Offset of Center of Rebar Cage from Center of Pile", s.cage_offset,
                   r.labels.length);
}

// Area of one bar: the uniform area of a computed cage, else bar 1's own.
double single_bar_area(const PileSection& s, const SectionValues& v) {
  return s.bars_computed ? s.bar_area : v.bars[0].area;
}

void axial_capacity_block(const SectionReport& r, int type, const AxialCapacities& c) {
  write_block_title(r, "Axial Structural Capacities:", 28);
  const std::string& force = r.labels.force;
  if (type == kSteelPipe) {
    fixed_line(r, "Nom. Axial Structural Capacity = Fy As", c.P_c, 3, force);
  } else {
    fixed_line(r, "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As", c.P_c, 3, force);
    fixed_line(r, "Tensile Load for Cracking of Concrete", c.P_cr, 3, force);
  }
  fixed_line(r,
             type == kCasedShaftWithCore ? "Nominal Axial Tensile Capacity       "
                                         : "Nominal Axial Tensile Capacity  ",
             c.P_t, 3, force);
  r.report.blank(2);
}

// A unit word of the SI heading replaced by the generic label of general units, the text
// keeping its length.
std::string generic_units(std::string text, std::string_view word, std::string_view label) {
  const std::size_t at = text.find(word);
  if (at == std::string::npos) return text;
  const std::size_t size = text.size();
  std::string fragment(label);
  fragment.resize(word.size(), ' ');
  text.replace(at, word.size(), fragment);
  text.resize(size, ' ');
  return text;
}

void position_field(Line& line, double value) {
  if (std::fabs(value) <= kZeroPosition) {
    line.a("     0.00000");
  } else {
    WriteNumberField(line, value, 12);
  }
}

void bar_position_table(const SectionReport& r, const PileSection& s, const SectionValues& v) {
  if (v.bar_count < 1) return;
  TextFile& report = r.report;
  report.put("Reinforcing Bar Dimensions and Positions Used in Computations:");
  report.blank();
  report.put("     Bar          Bar Diam.      Bar Area          X              Y     ");
  if (r.us()) {
    report.put("    Number         inches         sq. in.        inches         inches  ");
  } else {
    std::string units = "    Number         meters         sq. m.         meters         meters  ";
    if (r.general()) {
      const std::string_view length = bare_label(r.labels.length);
      for (int k = 0; k < 3; ++k) units = generic_units(units, "meters", length);
      units = generic_units(units, "sq. m.", bare_label(r.labels.area));
    }
    report.put(units);
  }
  report.put("  ----------     ----------     ----------     ----------     ----------");
  for (int i = 0; i < listed_bars(v); ++i) {
    const Bar& bar = v.bars[i];
    Line line;
    WriteIntegerField(line, i + 1, 7);
    WriteBlanks(line, 8);
    WriteNumberField(line, bar.diameter, 12);
    WriteBlanks(line, 3);
    WriteNumberField(line, s.bars_computed ? s.bar_area : bar.area, 12);
    WriteBlanks(line, 3);
    position_field(line, bar.x);
    WriteBlanks(line, 3);
    position_field(line, bar.y);
    report.put(line);
  }
  report.blank(2);
  report.put(s.bars_computed ? "NOTE: The positions of the above rebars were computed by Torva"
                             : "NOTE: The positions of the above rebars were input by the user");
  report.blank();
  if (v.bar_count < 2) return;
  const BarPair pair = minimum_bar_spacing(v);
  Line line("Minimum spacing between any two bars not equal to zero = ");
  WriteNumberField(line, pair.spacing, 12);
  if (r.us()) {
    line.a(" inches between Bars ");
  } else if (r.general()) {
    line.a(trimmed_label(r.labels.length)).a(" between Bars ");
  } else {
    line.a(" meters between Bars ");
  }
  report.put(line.i0(pair.first).a(" and ").i0(pair.second));
  report.blank();
  if (s.aggregate_size != 0.0) {
    Line ratio("Spacing to aggregate size ratio = ");
    WriteNumberField(ratio, pair.spacing / s.aggregate_size, 12);
    report.put(ratio);
    report.blank();
  }
}

void input_bar_details(const SectionReport& r, const SectionValues& v) {
  TextFile& report = r.report;
  report.put("Reinforcing Bar Details:");
  report.blank();
  report.put(
      "   Bar              Bar           Bar Diam.        Bar Area          Bar X            Bar "
      "Y");
  report.put(Line("  Number           Index")
                 .tab(38)
                 .a(r.labels.length)
                 .tab(53)
                 .a(r.labels.area)
                 .tab(73)
                 .a(r.labels.length)
                 .tab(89)
                 .a(r.labels.length));
  report.put(
      "----------     ------------     ------------     ------------     ------------     "
      "------------");
  for (int i = 0; i < listed_bars(v); ++i) {
    const Bar& bar = v.bars[i];
    report.put(Line()
                   .i(i + 1, 5)
                   .i(bar.index, 17)
                   .x(10)
                   .f(bar.diameter, 12, 6)
                   .x(5)
                   .f(bar.area, 12, 6)
                   .x(5)
                   .f(bar.x, 12, 6)
                   .x(5)
                   .f(bar.y, 12, 6));
  }
}

void rupture_line(const SectionReport& r, double fc) {
  const double fr = r.us() ? -single(0.0075f) * std::sqrt(1000.0 * fc)
                           : -51.71067877581686 * std::sqrt(1000.0 * fc / kKPaPerKsi);
  write_value_line(r, "Modulus of Rupture of Concrete", fr, r.labels.stress);
}

void rectangular_block(const SectionReport& r, const PileSection& s, const SectionValues& v,
                       const AxialCapacities& c) {
  const SectionUnitLabels& u = r.labels;
  write_block_title(r, "Dimensions and Properties of Rectangular Concrete Pile:", 55);
  length_line(r, s);
  write_value_line(r, "Depth of Section", v.depth, u.length);
  write_value_line(r, "Width of Section", v.width, u.length);
  bar_count_line(r, v.bar_count);
  write_value_line(r, "Yield Stress of Reinforcing Bars", v.fy, u.stress);
  write_value_line(r, "Modulus of Elasticity of Reinforcing Bars", v.Es, u.stress);
  write_value_line(r, "Compressive Strength of Concrete", v.fc, u.stress);
  rupture_line(r, v.fc);
  const double gross = v.width * v.depth;
  const double As = total_bar_area(v);
  write_value_line(r, "Gross Area of Pile", gross, u.area);
  write_value_line(r, "Total Area of Reinforcing Steel", As, u.area);
  write_value_line(r, "Area Ratio of Steel Reinforcement", As / (0.01 * gross), " percent");
  axial_capacity_block(r, v.type, c);
  if (!s.bars_computed) input_bar_details(r, v);
}

void drilled_shaft_block(const SectionReport& r, const PileSection& s, const SectionValues& v,
                         const AxialCapacities& c) {
  const SectionUnitLabels& u = r.labels;
  write_block_title(r, "Dimensions and Properties of Drilled Shaft (Bored Pile):", 56);
  length_line(r, s);
  write_value_line(r, "Shaft Diameter ", v.diameter, u.length);
  if (s.bars_computed) write_value_line(r, "Concrete Cover Thickness", s.cover, u.length);
  bar_count_line(r, v.bar_count);
  write_value_line(r, "Yield Stress of Reinforcing Bars", v.fy, u.stress);
  write_value_line(r, "Modulus of Elasticity of Reinforcing Bars", v.Es, u.stress);
  const double gross = kPi * v.diameter * v.diameter / 4.0;
  const double As = total_bar_area(v);
  write_value_line(r, "Gross Area of Shaft", gross, u.area);
  write_value_line(r, "Total Area of Reinforcing Steel", As, u.area);
  fixed_line(r, "Area Ratio of Steel Reinforcement ", 100.0 * As / gross, 2, " percent");
  spacing_lines(r, s, v, false);
  offset_line(r, s);
  axial_capacity_block(r, v.type, c);
  bar_position_table(r, s, v);
}

void cased_shaft_block(const SectionReport& r, const PileSection& s, const SectionValues& v,
                       const AxialCapacities& c) {
  const SectionUnitLabels& u = r.labels;
  const double D = v.diameter, t = v.casing_thickness;
  write_block_title(
      r, "Dimensions and Properties of Drilled Shaft (Bored Pile) with Permanent Casing:", 78);
  length_line(r, s);
  write_value_line(r, "Outer Diameter of Casing", D, u.length);
  if (s.bars_computed)
    write_value_line(r, "Concrete Cover Thickness Inside Casing", s.cover, u.length);
  write_value_line(r, "Casing Wall Thickness", t, u.length);
  write_value_line(r, "Moment of Inertia of Steel Casing", ring_inertia(D, t), u.inertia);
  write_value_line(r, "Yield Stress of Casing", v.casing_yield, u.stress);
  write_value_line(r, "Elastic Modulus of Casing", v.casing_modulus, u.stress);
  bar_count_line(r, v.bar_count);
  write_value_line(r, "Area of Single Reinforcing Bar", single_bar_area(s, v), u.area);
  spacing_lines(r, s, v, false);
  offset_line(r, s);
  write_value_line(r, "Yield Stress of Reinforcing Bars", v.fy, u.stress);
  write_value_line(r, "Elastic Modulus of Reinforcing Bars", v.Es, u.stress);
  const double As = total_bar_area(v);
  const double casing = ring_area(D, t);
  const double concrete = kPi * D * D / 4.0 - casing - As;
  write_value_line(r, "Area of Concrete", concrete, u.area);
  write_value_line(r, "Cross-sectional Area of Steel Casing", casing, u.area);
  write_value_line(r, "Area of All Steel (Casing and Bars)", As + casing, u.area);
  fixed_line(r, "Area Ratio of All Steel", 100.0 * (As + casing) / concrete, 2, " percent");
  axial_capacity_block(r, v.type, c);
  bar_position_table(r, s, v);
}

void cased_shaft_with_core_block(const SectionReport& r, const PileSection& s,
                                 const SectionValues& v, const AxialCapacities& c) {
  const SectionUnitLabels& u = r.labels;
  const double D = v.diameter, t = v.casing_thickness;
  const CoreValues& k = v.core;
  write_block_title(r,
                    k.filled
                        ? "Dimensions and Properties of Drilled Shaft (Bored Pile) with Casing and "
                          "Filled Core:"
                        : "Dimensions and Properties of Drilled Shaft (Bored Pile) with Casing and "
                          "Hollow Core:",
                    71);
  length_line(r, s);
  write_value_line(r, "Outside Diameter of Casing", D, u.length);
  if (s.bars_computed)
    write_value_line(r, "Concrete Cover Thickness Inside Casing", s.cover, u.length);
  write_value_line(r, "Casing Wall Thickness", t, u.length);
  write_value_line(r, "Moment of Inertia of Steel Casing", ring_inertia(D, t), u.inertia);
  write_value_line(r, "Outside Diameter of Core", k.diameter, u.length);
  write_value_line(r, "Core Wall Thickness", k.thickness, u.length);
  write_value_line(r, "Moment of Inertia of Steel Core", ring_inertia(k.diameter, k.thickness),
                   u.inertia);
  write_value_line(r, "Yield Stress of Casing", v.casing_yield, u.stress);
  write_value_line(r, "Elastic Modulus of Casing", v.casing_modulus, u.stress);
  write_value_line(r, "Yield Stress of Core", k.yield, u.stress);
  write_value_line(r, "Elastic Modulus of Core", k.modulus, u.stress);
  bar_count_line(r, v.bar_count);
  const double As = total_bar_area(v);
  if (v.bar_count >= 1) {
    write_value_line(r, "Area of Single Reinforcing Bar", single_bar_area(s, v), u.area);
    write_value_line(r, "Area of All Reinforcing Bars", As, u.area);
    spacing_lines(r, s, v, true);
    offset_line(r, s);
    write_value_line(r, "Yield Stress of Reinforcing Bars", v.fy, u.stress);
    write_value_line(r, "Elastic Modulus of Reinforcing Bars", v.Es, u.stress);
  }
  const double casing = ring_area(D, t);
  const double core = ring_area(k.diameter, k.thickness);
  const double concrete =
      k.filled ? kPi * D * D / 4.0 - casing - core - As
               : kPi * D * D / 4.0 - kPi * k.diameter * k.diameter / 4.0 - casing - As;
  write_value_line(r, "Area of Concrete", concrete, u.area);
  write_value_line(r, "Cross-sectional Area of Steel Casing", casing, u.area);
  write_value_line(r, "Cross-sectional Area of Steel Core", core, u.area);
  write_value_line(r, "Area of All Steel (Casing, Core, and Bars)", As + casing + core, u.area);
  fixed_line(r, "Area Ratio of All Steel", 100.0 * (As + casing + core) / concrete, 2, " percent");
  r.report.put(k.filled ? "Note that the core is assumed to be filled with concrete"
                        : "Note that the core is assumed to be void of concrete");
  axial_capacity_block(r, v.type, c);
  bar_position_table(r, s, v);
}

void pipe_block(const SectionReport& r, const PileSection& s, const SectionValues& v,
                const AxialCapacities& c) {
  const SectionUnitLabels& u = r.labels;
  const double D = v.diameter, t = v.casing_thickness;
  write_block_title(r, "Dimensions and Properties of Steel Pipe Pile:", 45);
  length_line(r, s);
  write_value_line(r, "Outer Diameter of Pipe", D, u.length);
  write_value_line(r, "Pipe Wall Thickness", t, u.length);
  write_value_line(r, "Yield Stress of Pipe", v.casing_yield, u.stress);
  write_value_line(r, "Elastic Modulus", v.casing_modulus, u.stress);
  const double I = ring_inertia(D, t);
  write_value_line(r, "Cross-sectional Area", ring_area(D, t), u.area);
  write_value_line(r, "Moment of Inertia", I, u.inertia);
  write_value_line(r, "Elastic Bending Stiffness", v.casing_modulus * I, u.stiffness);
  const double Z = std::pow(D, 3) / 6.0 - std::pow(D - 2.0 * t, 3) / 6.0;
  write_value_line(r, "Plastic Modulus, Z", Z, std::string(trimmed_label(u.length)) + "^3");
  write_value_line(r, "Plastic Moment Capacity = Fy Z", v.casing_yield * Z,
                   trimmed_label(u.moment));
  axial_capacity_block(r, v.type, c);
}

// ---- Prestressed piles ----------------------------------------------------------------------

void prestressed_dimension(const SectionReport& r, std::string_view label, double value,
                           bool square) {
  Line line = LabelledLine(label).f(value, 10, 3).a(" ");
  if (square) {
    std::string unit = r.short_length;
    if (unit.size() < 4) unit.insert(0, 4 - unit.size(), ' ');
    line.a(unit);
  } else {
    line.a(r.short_length);
  }
  r.report.put(line);
}

constexpr std::string_view kStrandTypeNames[] = {
    "=    PCI 250",          "=    PCI 270",          "=    PCI 300",
    "= Smooth 145 ksi bars", "= Smooth 160 ksi bars", "= Deformed bars (150-160 ksi)"};

void strand_block(const SectionReport& r, const PileSection& s, const SectionValues& v) {
  TextFile& report = r.report;
  write_block_title(r, "Prestressing Strand Details:", 28);
  if (s.strand_type >= 0 && s.strand_type <= 5) {
    report.put(Line("Strand Type").tab(kLabelEqualsColumn).a(kStrandTypeNames[s.strand_type]));
  }
  const double fpu = r.us() ? s.strand_fpu / 1000.0 : s.strand_fpu * kKPaPerKsi / 1000.0;
  report.put(
      LabelledLine("Yield Stress, fpu").f(fpu, 10, 0).a(" ").a(trimmed_label(r.labels.stress)));
  switch (v.reinforcement) {
    case kStrandPci250:
      report.put("Stress-strain curve for reinforcement defined using PCI 250 Lo-lax equation");
      report.put("If eps > 0.008, fps = 248 - 0.058/(eps-0.006) < 0.98 fpu (ksi)");
      break;
    case kStrandPci250 + 1:
      report.put("Stress-strain curve for reinforcement defined ssing PCI 270 Lo-lax equation");
      report.put("If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)");
      break;
    case kStrandPci250 + 2:
      report.put("Stress-strain curve for reinforcement defined using grade 300 equation");
      report.put("If eps > 0.0088846 fpu = 300.0-(0.0835/(eps-0.0071))) < 300 (ksi)");
      break;
    default:
      break;
  }
  report.put(LabelledLine("Number of Reinforcing Strands").i(v.bar_count, 10));
  const double strand_area =
      s.strands_automatic || v.bar_count < 1 ? s.strand_area : v.bars[0].area;
  report.put(LabelledLine("Cross-sectional Area of Single Strand")
                 .f(strand_area, 10, r.us() ? 3 : 7)
                 .a(trimmed_label(r.labels.area)));
  report.put(LabelledLine("Concrete Cover Thickness Over Strands")
                 .f(s.strand_cover, 10, r.us() ? 3 : 5)
                 .a(trimmed_label(r.labels.length)));
  if (v.bar_count < 1) return;
  report.blank();
  report.put("Prestressing Strand Geometry:");
  report.put(std::string(29, '-'));
  report.blank();
  report.put("Strand     Diameter       Area            X             Y");
  report.put(Line("  No.")
                 .tab(12)
                 .a(r.short_length)
                 .tab(29)
                 .a("Sq. ")
                 .a(r.short_length)
                 .tab(43)
                 .a(r.short_length)
                 .tab(57)
                 .a(r.short_length));
  report.put("------    ---------    ----------    ----------    ----------");
  const int decimals = r.us() ? 3 : 6;
  for (int i = 0; i < listed_bars(v); ++i) {
    const Bar& bar = v.bars[i];
    report.put(Line()
                   .i(i + 1, 4)
                   .f(bar.diameter, 14, decimals)
                   .f(s.strands_automatic ? s.strand_area : bar.area, 14, decimals)
                   .f(bar.x, 14, decimals)
                   .f(bar.y, 14, decimals));
  }
}

void prestressed_block(const SectionReport& r, const PileSection& s, const SectionValues& v) {
  const double width = v.diameter;
  const double inside = v.core.diameter;
  switch (v.type) {
    case kCircularSolidPrestressed:
      write_block_title(r, "Dimensions and Properties of Circular Prestressed Pile:", 55);
      length_line(r, s);
      prestressed_dimension(r, "Diameter", width, false);
      r.report.blank();
      break;
    case kCircularHollowPrestressed:
      write_block_title(r,
                        "Dimensions and Properties of Hollow Core Circular Prestressed Pile:", 67);
      length_line(r, s);
      prestressed_dimension(r, "Outside Diameter", width, false);
      prestressed_dimension(r, "Inside Diameter", inside, false);
      r.report.blank();
      break;
    case kSquareSolidPrestressed:
      write_block_title(r, "Dimensions of Square Prestressed Pile Section:", 46, true);
      length_line(r, s);
      prestressed_dimension(r, "Pile Width", width, true);
      prestressed_dimension(r, "Corner Chamfer", v.chamfer, true);
      r.report.blank();
      break;
    case kSquareHollowPrestressed:
      write_block_title(
          r, "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:", 78);
      length_line(r, s);
      prestressed_dimension(r, "Pile Width", width, false);
      prestressed_dimension(r, "Corner Chamfer", v.chamfer, false);
      r.report.blank();
      prestressed_dimension(r, "Inside Void Diameter", inside, false);
      break;
    case kOctagonalSolidPrestressed:
      write_block_title(r, "Dimensions and Properties of Octagonal Prestressed Pile:", 56);
      length_line(r, s);
      prestressed_dimension(r, "Pile Width", width, false);
      break;
    default:
      write_block_title(
          r,
          "Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow Core:", 81);
      length_line(r, s);
      prestressed_dimension(r, "Pile Width", width, false);
      prestressed_dimension(r, "Inside Void Diameter", inside, false);
      break;
  }
  strand_block(r, s, v);
}

}  // namespace

double clear_bar_spacing(const SectionValues& v, int i, int j) {
  const Bar& a = v.bars[i];
  const Bar& b = v.bars[j];
  const double dx = a.x - b.x, dy = a.y - b.y;
  return std::sqrt(dx * dx + dy * dy) - (a.diameter + b.diameter) / 2.0;
}

BarPair minimum_bar_spacing(const SectionValues& v) {
  BarPair best{1, 2, v.bar_count >= 2 ? clear_bar_spacing(v, 0, 1) : 0.0};
  for (int i = 0; i < listed_bars(v); ++i) {
    for (int j = i + 1; j < listed_bars(v); ++j) {
      if (i == 0 && j == 1) continue;
      const double s = clear_bar_spacing(v, i, j);
      if (s > kTouching && (s < best.spacing || best.spacing <= kTouching)) {
        best = {i + 1, j + 1, s};
      }
    }
  }
  return best;
}

double edge_to_edge_spacing(const SectionValues& v, int bars_per_bundle) {
  int a = 0, b = 1;  // bars 1 and 2
  if (bars_per_bundle == 2) a = 1, b = 2;
  if (bars_per_bundle >= 3) a = 1, b = 3;
  const Bar& p = v.bars[a];
  const Bar& q = v.bars[b];
  return std::hypot(p.x - q.x, p.y - q.y) - p.diameter;
}

void write_dimension_block(const SectionReport& r, const PileSection& input,
                           const SectionValues& values, const AxialCapacities& capacities) {
  switch (values.type) {
    case kRectangularConcrete:
      rectangular_block(r, input, values, capacities);
      break;
    case kDrilledShaft:
      drilled_shaft_block(r, input, values, capacities);
      break;
    case kCasedShaft:
      cased_shaft_block(r, input, values, capacities);
      break;
    case kCasedShaftWithCore:
      cased_shaft_with_core_block(r, input, values, capacities);
      break;
    case kSteelPipe:
      pipe_block(r, input, values, capacities);
      break;
    default:
      prestressed_block(r, input, values);
      break;
  }
}

}  // namespace torva
