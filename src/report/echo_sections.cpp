// Echo of the pile: its length, the ground surface, the section point table and every pile
// section with its type and dimensions.
#include <algorithm>
#include <string>

#include "report/echo_blocks.h"

namespace torva::echo {

namespace {

// The units of the section lines: depths and section lengths in the depth unit, dimensions in
// the length unit.
struct SectionUnits {
  std::string depth, length, force, moment;
  std::string modulus;  // force/length, written with "^2"
};

SectionUnits section_units(const Engine& engine) {
  const UnitLabels& labels = engine.run.labels;
  return {labels.depth, labels.length, labels.force, labels.moment,
          labels.force + labels.slash + labels.length};
}

void put_length(TextFile& report, const PileSection& s, const SectionUnits& units) {
  report.put(LabelledValue("   Section Length  ", s.length, units.depth));
}

void put_dimension(TextFile& report, std::string_view label, double value,
                   const SectionUnits& units) {
  report.put(LabelledValue(label, value, units.length));
}

void put_type(TextFile& report, std::string_view text) {
  report.put(Line().a("   Section Type").tab(kLabelEqualsColumn).a(text));
}

void put_type_line(TextFile& report, const PileSection& s) {
  switch (s.type) {
    case kRectangularConcrete:
      report.put(
          Line().a("   Section Type ").tab(kLabelEqualsColumn).a("= Rectangular Concrete Pile"));
      break;
    case kDrilledShaft:
      report.put(
          Line().a("   Section Type ").tab(kLabelEqualsColumn).a("= Drilled Shaft (Bored Pile)"));
      break;
    case kCasedShaft:
      report.put("   Section Type = Drilled Shaft with Permanent Casing  ");
      break;
    case kCasedShaftWithCore:
      report.put(s.b_FillCoreWithConcrete
                     ? "   Section Type = Drilled Shaft with Casing and Concrete-filled Core   "
                     : "   Section Type = Drilled Shaft with Casing and Void Core   ");
      break;
    case kSteelPipe:
      report.put("   Section Type = Steel Pipe Pile            ");
      break;
    case kCircularSolidPrestressed:
      report.put("   Section Type = Circular Solid Prestressed Pile    ");
      break;
    case kCircularHollowPrestressed:
      report.put("   Section Type = Circular Hollow Prestressed Pile    ");
      break;
    case kSquareSolidPrestressed:
      report.put("   Section Type = Square Solid Prestressed Pile     ");
      break;
    case kSquareHollowPrestressed:
      report.put("   Section Type = Square Hollow Prestressed Pile     ");
      break;
    case kOctagonalSolidPrestressed:
      report.put("   Section Type = Octagonal Solid Prestressed Pile    ");
      break;
    case kOctagonalHollowPrestressed:
      report.put("   Section Type = Octagonal Hollow Prestressed Pile   ");
      break;
    case kElasticPile:
      put_type(report, "=    Elastic Pile");
      break;
    case kElasticPlastic:
      put_type(report, "= Elastic with Specified Moment Capacity ");
      break;
    case kUserDefinedEI:
      put_type(report, "= Pile with User-defined Nonlinear EI");
      break;
    case kMicropile:
      put_type(report, "= Micropile");
      break;
    default:
      break;
  }
}

void put_shape_line(TextFile& report, int shape) {
  constexpr const char* kShapes[] = {"=     Rectangular", "=        Circular",
                                     "=   Circular Pipe", "=   Strong H-Pile",
                                     "=     Weak H-Pile", "= Embedded Circular Pole"};
  Line line = Line().a("   Cross-sectional Shape").tab(kLabelEqualsColumn);
  if (shape >= kShapeRectangular && shape <= kShapeEmbeddedPole) line.a(kShapes[shape - 1]);
  report.put(line);
}

// Elastic and elastic-plastic sections: the shape and its values, in the order widths, depths
// or wall thicknesses, areas, moments of inertia, drilled hole diameter, elastic modulus, and
// the plastic moment capacities of type 12.
void put_elastic(TextFile& report, const PileSection& s, const SectionUnits& units) {
  const ElasticProperties& e = s.elastic;
  const bool plastic = s.type == kElasticPlastic;
  put_shape_line(report, s.shape);
  put_length(report, s, units);
  auto area = [&](std::string_view label, double value) {
    report.put(LabelledValue(label, value, units.length, UnitForm::kArea));
  };
  auto inertia = [&](std::string_view label, double value) {
    report.put(LabelledValue(label, value, units.length, UnitForm::kFourth));
  };
  auto modulus = [&] {
    report.put(LabelledValue("   Elastic Modulus", e.modulus, units.modulus, UnitForm::kSquared));
  };
  if (s.shape == kShapeStrongHPile || s.shape == kShapeWeakHPile) {
    put_dimension(report, "   Flange Width", e.top_width, units);
    put_dimension(report, "   Section Depth", e.top_depth, units);
    put_dimension(report, "   Flange Thickness", e.flange_thickness, units);
    put_dimension(report, "   Web Thickness", e.web_thickness, units);
    area("   Section Area", e.top_area);
    inertia("   Moment of Inertia", e.top_inertia);
    modulus();
    if (plastic) {
      report.put(
          LabelledValue("   Plastic Moment Capacity    ", e.top_plastic_moment, units.moment));
    }
    return;
  }
  put_dimension(report, "   Top Width", e.top_width, units);
  put_dimension(report, "   Bottom Width", e.bottom_width, units);
  if (s.shape == kShapeRectangular) {
    put_dimension(report, "   Top Section Depth", e.top_depth, units);
    put_dimension(report, "   Bottom Section Depth", e.bottom_depth, units);
  } else if (s.shape == kShapeCircularPipe) {
    put_dimension(report, "   Wall Thickness at Top", e.top_depth, units);
    put_dimension(report, "   Wall Thickness at Bottom", e.bottom_depth, units);
  }
  area("   Top Area", e.top_area);
  area("   Bottom Area", e.bottom_area);
  inertia("   Moment of Inertia at Top", e.top_inertia);
  inertia("   Moment of Inertia at Bottom", e.bottom_inertia);
  if (s.shape == kShapeEmbeddedPole)
    put_dimension(report, "   Drilled Hole Diameter", s.diameter, units);
  modulus();
  if (plastic) {
    report.put(LabelledValue("   Top Plastic Moment Capacity", e.top_plastic_moment, units.moment));
    report.put(
        LabelledValue("   Bot Plastic Moment Capacity", e.bottom_plastic_moment, units.moment));
  }
}

// Type 13: the moment-stiffness curves, one table per axial thrust.
void put_moment_curves(TextFile& report, const PileSection& s, const SectionUnits& units) {
  put_length(report, s, units);
  put_dimension(report, "   Section Diameter", s.diameter, units);
  report.put(LabelledInteger("   Number of Axial Thrusts", s.curve_count, 15));
  const std::string stiffness = units.force + "-" + units.length + "^2";
  const std::string curvature = "rad/" + units.length;
  const int curves = std::clamp(s.curve_count, 0, kMaxMomentCurves);
  for (int j = 1; j <= curves; ++j) {
    const MomentCurve& curve = s.curves[static_cast<std::size_t>(j - 1)];
    report.blank();
    report.put(
        LabelledValue("   Axial Thrust (" + std::to_string(j) + ")", curve.thrust, units.force));
    const std::string count_label =
        (s.points_moment_curvature ? "   Number of Moment-vs.-Curvature Points on Curve "
                                   : "   Number of Moment-vs.-EI Points on Curve ") +
        std::to_string(j);
    report.put(LabelledInteger(count_label, curve.point_count, 15));
    report.blank();
    report.put(
        "   Point         Bending Moment         Bending Stiffness         Bending Curvature");
    report.put(Line()
                   .a("    No.            ")
                   .tab(20)
                   .a(units.moment)
                   .tab(46)
                   .a(stiffness)
                   .tab(71)
                   .a(curvature));
    report.put(
        "   -----      --------------------     --------------------     --------------------");
    const int points = std::clamp(curve.point_count, 0, kMaxCurvePoints);
    for (int k = 0; k < points; ++k) {
      const auto at = static_cast<std::size_t>(k);
      Line row;
      row.i(k + 1, 8).tab(15);
      WriteNumberField(row, curve.moment[at], 20);
      row.tab(40);
      WriteNumberField(row, curve.stiffness[at], 20);
      row.tab(65);
      WriteNumberField(row, curve.curvature[at], 20);
      report.put(row);
    }
  }
  report.blank();
}

void put_section(TextFile& report, const PileSection& s, int n, const SectionUnits& units) {
  report.blank();
  report.put(Line().a("Pile Section No. ").i0(n).a(":"));
  report.blank();
  put_type_line(report, s);
  switch (s.type) {
    case kRectangularConcrete:
      put_length(report, s, units);
      break;
    case kDrilledShaft:
    case kCasedShaft:
    case kCasedShaftWithCore:
      put_length(report, s, units);
      put_dimension(report, "   Section Diameter", s.diameter, units);
      break;
    case kSteelPipe:
    case kCircularSolidPrestressed:
      put_length(report, s, units);
      put_dimension(report, "   Pile Diameter   ", s.diameter, units);
      break;
    case kCircularHollowPrestressed:
      put_length(report, s, units);
      put_dimension(report, "   Pile Diameter   ", s.diameter, units);
      put_dimension(report, "   Void Diameter   ", s.void_diameter, units);
      break;
    case kSquareSolidPrestressed:
      put_length(report, s, units);
      put_dimension(report, "   Pile Width      ", s.diameter, units);
      put_dimension(report, "   Corner Chamfer  ", s.chamfer, units);
      break;
    case kSquareHollowPrestressed:
      put_length(report, s, units);
      put_dimension(report, "   Pile Width      ", s.diameter, units);
      put_dimension(report, "   Void Diameter   ", s.void_diameter, units);
      put_dimension(report, "   Corner Chamfer  ", s.chamfer, units);
      break;
    case kOctagonalSolidPrestressed:
      put_length(report, s, units);
      put_dimension(report, "   Pile Width      ", s.diameter, units);
      break;
    case kOctagonalHollowPrestressed:
      put_length(report, s, units);
      put_dimension(report, "   Pile Width      ", s.diameter, units);
      put_dimension(report, "   Void Diameter   ", s.void_diameter, units);
      break;
    case kElasticPile:
    case kElasticPlastic:
      put_elastic(report, s, units);
      break;
    case kUserDefinedEI:
      put_moment_curves(report, s, units);
      break;
    case kMicropile:
      put_length(report, s, units);
      put_dimension(report, "   Section Width   ", s.diameter, units);
      break;
    default:
      break;
  }
}

}  // namespace

void pile_geometry(Engine& engine) {
  TextFile& report = engine.run.report;
  const Sections& sections = engine.sections;
  const UnitLabels& labels = engine.run.labels;
  heading(report, "Pile Structural Properties and Geometry", 20, 0);
  report.put(LabelledLine("Total number of pile sections").i(sections.count, 10));
  report.blank();
  report.put(
      LabelledLine("Total length of pile ").f(sections.pile_length, 10, 2).a(" ").a(labels.depth));
  report.blank();
  report.put(LabelledLine("Depth of ground surface below top of pile")
                 .f(engine.soil.XS, 10, 2)
                 .a(" ")
                 .a(labels.depth));
  report.blank();
  const int points = std::clamp(sections.point_count, 0, kMaxSectionPoints);
  report.put(Line()
                 .a("Pile diameter values used for p-y curve computations are defined using ")
                 .i0(points)
                 .a(" points."));
  report.blank();
  report.put("p-y curves are computed using pile diameter values interpolated with depth over ");
  report.put("the length of the pile.");
  report.blank();
  report.put("Point         Depth              Pile   ");
  report.put("                X              Diameter ");
  report.put(Line().tab(17).a(labels.depth).tab(35).a(labels.length));
  report.put("-----       ---------        -----------");
  for (int j = 1; j <= points; ++j) {
    const SectionPoint& point = sections.points[static_cast<std::size_t>(j - 1)];
    Line row;
    row.i(j, 5).x(3);
    WriteNumberField(row, point.depth, 13);
    row.x(5);
    WriteNumberField(row, point.width, 14);
    report.put(row);
  }
}

void pile_sections(Engine& engine) {
  TextFile& report = engine.run.report;
  const Sections& sections = engine.sections;
  const SectionUnits units = section_units(engine);
  report.blank();
  report.put("Input Structural Properties:");
  report.put(std::string(28, '-'));
  const int count = std::clamp(sections.count, 0, kMaxSections);
  for (int n = 1; n <= count; ++n) {
    put_section(report, sections.table[static_cast<std::size_t>(n - 1)], n, units);
  }
  const int points = std::clamp(sections.point_count, 0, kMaxSectionPoints);
  const bool zero_width = std::any_of(sections.points.begin(), sections.points.begin() + points,
                                      [](const SectionPoint& p) { return !(p.width > 0.0); });
  if (!zero_width) return;
  // This error goes to the report first.
  write_report_then_message(engine, {"", "**** Input Data Error No. 27 ****", "",
                                     "Problem:  Zero values for one of the following values were ",
                                     "entered for one or more values of pile diameter.", "",
                                     "Solution:  NONE of these values may be zero.  Correct the ",
                                     "pile property data in your input data.", ""});
  stop_run(engine, errors::kInputZeroPileWidth);
}

}  // namespace torva::echo
