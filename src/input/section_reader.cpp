#include "input/section_reader.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "engine/errors.h"
#include "input/input_file.h"
#include "section/bar_placement.h"
#include "section/section_checks.h"
#include "section/strand_catalogue.h"

namespace torva {

namespace {

// SI input gives dimensions in millimetres; sections are held in metres.
constexpr double kPerMillimetre = 1000.0;
constexpr double kPerSquareMillimetre = 1000000.0;
constexpr double kPerMillimetre4 = 1000000000000.0;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kPiOver64 = 0.04908738521234052;

// The section being read.
struct SectionInput {
  Engine& engine;
  PileSection& section;
  int number;  // 1-based section number
  bool si;     // SI units: millimetre dimensions are converted to metres
};

std::string text_of(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string section_name(int number) { return "section " + std::to_string(number); }

// A section record fault without a text of its own: one "INPUT ERROR - " line in the report.
[[noreturn]] void record_error(Engine& engine, const std::string& text) {
  engine.run.report.blank();
  engine.run.report.put("INPUT ERROR - " + text);
  stop_run(engine, "INP00095", 195);
}

// A placement routine has written its error and recorded it; the run ends here.
[[noreturn]] void end_run() { throw RunStopped{}; }

template <typename T>
void read_into(SectionInput& in, std::string_view what, T& field) {
  read_record(in.engine, std::string(what) + " of " + section_name(in.number), {&field});
}

// A length that SI input gives in millimetres.
void read_mm(SectionInput& in, std::string_view what, double& field) {
  read_into(in, what, field);
  if (in.si) field /= kPerMillimetre;
}

// ---------------------------------------------------------------------------------------------
// Concrete

void read_concrete(SectionInput& in) {
  Engine& engine = in.engine;
  PileSection& s = in.section;
  TextFile& report = engine.run.report;
  engine.run.message.put("Reading concrete property data for Section " + std::to_string(in.number));
  read_into(in, "the concrete compressive strength", s.fc);
  if (!(s.fc > 0.0)) {
    raise_error(engine, errors::kInputConcreteStrength,
                "The concrete compressive strength of " + section_name(in.number) + " is " +
                    text_of(s.fc) + " (line " + std::to_string(input_line_number(engine)) + ").",
                "Give the concrete a compressive strength greater than zero.");
  }
  read_mm(in, "the maximum coarse aggregate size", s.aggregate_size);

  const std::string tensile = read_text_line(engine, "the concrete tensile strength option");
  if (tensile == "Use default concrete tensile strength") {
    s.default_tensile_strength = true;
  } else if (tensile == "Override concrete tensile strength") {
    s.default_tensile_strength = false;
    read_into(in, "the concrete tensile strength", s.tensile_strength);
  } else {
    report.blank();
    report.put("INPUT ERROR - Unrecognized command for concrete tensile strength option");
    stop_run(engine, "INP00095", 195);
  }

  const std::string curve = read_text_line(engine, "the concrete stress-strain option");
  if (curve == "Input stress-strain curve for concrete") {
    s.concrete_curve_input = true;
    int count = s.concrete_point_count;
    read_into(in, "the number of concrete stress-strain points", count);
    if (count < 0 || count > kMaxConcretePoints) {
      record_error(engine, "Section " + std::to_string(in.number) + " has " +
                               std::to_string(count) +
                               " concrete stress-strain points; 0 to " +
                               std::to_string(kMaxConcretePoints) + " are allowed");
    }
    s.concrete_point_count = count;
    for (int i = 1; i <= count; ++i) {
      ConcretePoint& point = s.concrete_curve[i - 1];
      int running = 0;
      read_record(engine, "a concrete stress-strain point of " + section_name(in.number),
                  {&running, &point.strain, &point.stress});
      if (running != i) {
        report.blank();
        report.put("INPUT ERROR - Sequence error encountered when reading concrete stress-strain "
                   "curve");
        report.blank();
        report.put("Expecting line no. " + std::to_string(i) + " but line no. " +
                   std::to_string(running) + " was read");
        report.blank(2);
        stop_run(engine, "INP00095", 195);
      }
    }
  } else if (curve == "Use internal stress-strain curve for concrete") {
    s.concrete_curve_input = false;
  } else {
    report.blank();
    report.put("INPUT ERROR - Unrecognized input for concrete stress-strain option");
    stop_run(engine, "INP00095", 195);
  }
}

// ---------------------------------------------------------------------------------------------
// Reinforcing bars

void read_bars_on_circle(SectionInput& in) {
  Engine& engine = in.engine;
  PileSection& s = in.section;
  s.bars_computed = true;
  read_into(in, "the bar yield stress", s.bar_yield);
  read_into(in, "the steel modulus", s.steel_modulus);
  read_into(in, "the number of bar bundles", s.bundle_count);
  read_into(in, "the number of bars per bundle", s.bars_per_bundle);
  read_mm(in, "the bar diameter", s.bar_diameter);
  read_into(in, "the bar area", s.bar_area);
  if (in.si) s.bar_area /= kPerSquareMillimetre;
  read_mm(in, "the cover over bars", s.cover);
  read_mm(in, "the offset of the bar cage", s.cage_offset);

  // The placement checks the counts itself (runtime errors 42 and 43); only a bundle of no
  // bars would leave the number of bundles, bars / bars per bundle, undefined.
  const int per_bundle = s.bars_per_bundle;
  if (per_bundle == 0) {
    record_error(engine, "Section " + std::to_string(in.number) +
                             " has 0 bars per bundle; a bundle holds 1 to 3 bars");
  }
  const long long bars = static_cast<long long>(s.bundle_count) * per_bundle;
  const long long bundles = bars / per_bundle;

  BarPositions positions;
  if (!Compute_Rebar_Circle(engine, positions, s.diameter, s.cover, s.bar_diameter,
                            static_cast<int>(bundles), per_bundle)) {
    end_run();
  }
  s.bar_count = static_cast<int>(bars);
  for (int i = 0; i < s.bar_count; ++i) {
    Bar& bar = s.bars[i];
    bar.diameter = s.bar_diameter;
    bar.area = s.bar_area;
    bar.x = positions.x[i];
    bar.y = positions.y[i];
  }
}

void read_bars_in_pattern(SectionInput& in) {
  Engine& engine = in.engine;
  PileSection& s = in.section;
  s.bars_computed = false;
  read_into(in, "the bar yield stress", s.bar_yield);
  read_into(in, "the steel modulus", s.steel_modulus);
  int count = s.bar_count;
  read_into(in, "the number of bars", count);
  if (count < 0 || count > kMaxBars) {
    record_error(engine, "Section " + std::to_string(in.number) + " has " +
                             std::to_string(count) + " bars; 0 to " + std::to_string(kMaxBars) +
                             " are allowed");
  }
  s.bar_count = count;
  for (int i = 0; i < count; ++i) {
    Bar& bar = s.bars[i];
    int running = 0;
    read_record(engine, "a bar of " + section_name(in.number),
                {&running, &bar.index, &bar.diameter, &bar.area, &bar.x, &bar.y});
    if (in.si) {
      bar.diameter /= kPerMillimetre;
      bar.area /= kPerSquareMillimetre;
      bar.x /= kPerMillimetre;
      bar.y /= kPerMillimetre;
    }
  }
}

void read_bars(SectionInput& in) {
  Engine& engine = in.engine;
  PileSection& s = in.section;
  TextFile& report = engine.run.report;
  engine.run.message.put("Reading rebar property data for Section " + std::to_string(in.number));
  const std::string continuation = read_text_line(engine, "the rebar option");
  if (continuation == "No rebar") {
    s.bar_count = 0;
    return;
  }
  if (continuation == "Rebar Arrangement Same As Section Above") {
    s.bars_same_as_above = true;
  } else if (continuation == "Rebar Arrangement Not Same As Section Above") {
    s.bars_same_as_above = false;
  } else {
    report.blank();
    report.put("INPUT ERROR - Unrecognized command for rebar continuation from section above "
               "option");
    stop_run(engine, "INP00095", 195);
  }
  const std::string arrangement = read_text_line(engine, "the rebar arrangement");
  if (arrangement == "Rebar in circle") {
    read_bars_on_circle(in);
  } else if (arrangement == "Rebar in noncircular pattern") {
    read_bars_in_pattern(in);
  } else {
    record_error(engine, "Unrecognized rebar arrangement \"" + arrangement + "\" for section " +
                             std::to_string(in.number) +
                             " (expected \"Rebar in circle\" or \"Rebar in noncircular "
                             "pattern\")");
  }
}

// ---------------------------------------------------------------------------------------------
// Prestressing strands

void check_strand_type(SectionInput& in, int type) {
  if (type >= 0 && type < static_cast<int>(StrandCatalogue.size())) return;
  record_error(in.engine, "Strand type index " + std::to_string(type) + " of section " +
                              std::to_string(in.number) + " is not one of 0 to " +
                              std::to_string(StrandCatalogue.size() - 1));
}

StrandProperties strand_from_catalogue(SectionInput& in, int type, int size) {
  check_strand_type(in, type);
  const std::optional<StrandProperties> strand =
      lookup_strand(type, size, in.engine.options.IUNITS);
  if (!strand) {
    record_error(in.engine, "Strand size index " + std::to_string(size) + " of section " +
                                std::to_string(in.number) + " is not one of 0 to " +
                                std::to_string(StrandCatalogue[type].sizes.size() - 1) +
                                " for strand type " + std::to_string(type));
  }
  in.section.strand_fpu = strand->fpu;
  in.section.steel_modulus = strand->modulus;
  return *strand;
}

void read_automatic_strands(SectionInput& in) {
  Engine& engine = in.engine;
  PileSection& s = in.section;
  s.strands_automatic = true;
  read_into(in, "the strand type index", s.strand_type);
  read_into(in, "the strand size index", s.strand_size);
  read_into(in, "the number of strands", s.strand_count);
  read_into(in, "the initial prestressing force", s.prestress_force);
  read_into(in, "the fraction of loss of prestress", s.prestress_loss);
  read_mm(in, "the cover over strands", s.strand_cover);
  read_into(in, "the strand pattern code", s.strand_pattern);

  const StrandProperties strand = strand_from_catalogue(in, s.strand_type, s.strand_size);
  const int count = s.strand_count;
  if (count > kMaxBars) {
    // Fewer than one strand is left to the placement, which reports it.
    record_error(engine, "Section " + std::to_string(in.number) + " has " +
                             std::to_string(count) + " strands; at most " +
                             std::to_string(kMaxBars) + " are allowed");
  }
  const int pattern = s.strand_pattern;
  if (pattern < 0 || pattern > 2) {
    record_error(engine, "Strand pattern code " + std::to_string(pattern) + " of section " +
                             std::to_string(in.number) +
                             " is not 0 (circle), 1 or 2 (square perimeter)");
  }
  for (int i = 0; i < count; ++i) {
    Bar& bar = s.bars[i];
    bar.index = s.strand_size;
    bar.diameter = strand.diameter;
    bar.area = strand.area;
  }
  s.strand_diameter = strand.diameter;
  s.strand_area = strand.area;

  BarPositions positions;
  if (pattern == 0) {
    if (!Compute_Rebar_Circle(engine, positions, s.diameter, s.strand_cover, s.strand_diameter,
                              count, 1)) {
      end_run();
    }
  } else {
    if (count < 4) {
      record_error(engine, "Section " + std::to_string(in.number) + " has " +
                               std::to_string(count) + " strands in square pattern " +
                               std::to_string(pattern) + "; a square pattern needs at least 4");
    }
    const double half_width = (s.diameter - s.strand_diameter) / 2.0 - s.strand_cover;
    if (!(half_width > 0.0)) {
      raise_error(engine, errors::kRunStrandHalfWidth,
                  "The strands of " + section_name(in.number) +
                      " do not fit inside the pile: pile width " + text_of(s.diameter) +
                      ", strand diameter " + text_of(s.strand_diameter) + " and cover " +
                      text_of(s.strand_cover) + " leave a square of half-width " +
                      text_of(half_width) + ".",
                  "Reduce the cover over the strands or correct the pile width.");
    }
    place_square_strands(pattern, count, half_width, positions);
  }
  for (int i = 0; i < count; ++i) {
    s.bars[i].x = positions.x[i];
    s.bars[i].y = positions.y[i];
  }
}

void read_manual_strands(SectionInput& in) {
  Engine& engine = in.engine;
  PileSection& s = in.section;
  s.strands_automatic = false;
  read_into(in, "the strand type index", s.strand_type);
  read_into(in, "the number of strands", s.strand_count);
  read_into(in, "the initial prestressing force", s.prestress_force);
  read_into(in, "the fraction of loss of prestress", s.prestress_loss);
  check_strand_type(in, s.strand_type);
  if (s.strand_count < 0 || s.strand_count > kMaxBars) {
    record_error(engine, "Section " + std::to_string(in.number) + " has " +
                             std::to_string(s.strand_count) + " strands; 0 to " +
                             std::to_string(kMaxBars) + " are allowed");
  }
  for (int i = 1; i <= s.strand_count; ++i) {
    Bar& bar = s.bars[i - 1];
    int running = 0;
    read_record(engine, "a strand of " + section_name(in.number),
                {&running, &bar.index, &bar.x, &bar.y});
    if (in.si) {
      bar.x /= kPerMillimetre;
      bar.y /= kPerMillimetre;
    }
    const StrandProperties strand = strand_from_catalogue(in, s.strand_type, bar.index);
    bar.diameter = strand.diameter;
    bar.area = strand.area;
    if (running != i) {
      engine.run.report.put("INPUT ERROR - Input lines out-of-order for strand no. " +
                            std::to_string(i));
      stop_run(engine, "INP00095", 195);
    }
  }
}

void read_strands(SectionInput& in) {
  Engine& engine = in.engine;
  engine.run.message.put("Reading prestressing strand data for Section " +
                         std::to_string(in.number));
  const std::string kind = read_text_line(engine, "the strand positioning option");
  if (kind == "Autoposition strands") {
    read_automatic_strands(in);
  } else if (kind == "Manually-positioned strands") {
    read_manual_strands(in);
  } else {
    engine.run.report.put("INPUT ERROR - Unrecognized input for strand no. " +
                          std::to_string(in.number));
    engine.run.report.blank();
    stop_run(engine, "INP00095", 195);
  }
}

// ---------------------------------------------------------------------------------------------
// Elastic and elastic-plastic sections

[[noreturn]] void elastic_error(SectionInput& in, const std::string& problem,
                                const std::string& solution) {
  raise_error(in.engine, errors::kInputElasticSection,
              "Section " + std::to_string(in.number) + ": " + problem + " (line " +
                  std::to_string(input_line_number(in.engine)) + ").",
              solution);
}

void check_positive(SectionInput& in, std::string_view what, double value) {
  if (value > 0.0) return;
  elastic_error(in, std::string(what) + " is " + text_of(value),
                "Give the " + std::string(what) + " a value greater than zero.");
}

void read_elastic(SectionInput& in, bool plastic) {
  Engine& engine = in.engine;
  PileSection& s = in.section;
  ElasticProperties& e = s.elastic;
  engine.run.message.put((plastic ? "Reading elastic-plastic section properties for Section "
                                  : "Reading elastic section properties for Section ") +
                         std::to_string(in.number));
  read_into(in, "the cross-sectional shape code", s.shape);
  const int shape = s.shape;
  if (shape < kShapeRectangular || shape > kShapeEmbeddedPole) {
    record_error(engine, "Cross-sectional shape code " + std::to_string(shape) +
                             " of section " + std::to_string(in.number) +
                             " is not one of 1 to 6");
  }

  read_into(in, "the elastic modulus", e.modulus);
  check_positive(in, "elastic modulus", e.modulus);
  const bool h_pile = shape == kShapeStrongHPile || shape == kShapeWeakHPile;
  if (plastic) {
    read_into(in, h_pile ? "the plastic moment capacity" : "the top plastic moment capacity",
              e.top_plastic_moment);
    check_positive(in, "plastic moment capacity", e.top_plastic_moment);
    if (h_pile) {
      e.bottom_plastic_moment = e.top_plastic_moment;
    } else {
      read_into(in, "the bottom plastic moment capacity", e.bottom_plastic_moment);
      check_positive(in, "bottom plastic moment capacity", e.bottom_plastic_moment);
    }
  }

  const double area_scale = in.si ? kPerSquareMillimetre : 1.0;
  const double inertia_scale = in.si ? kPerMillimetre4 : 1.0;
  if (h_pile) {
    read_mm(in, "the flange width", e.top_width);
    read_mm(in, "the section depth", e.top_depth);
    e.bottom_depth = e.top_depth;
    // Kept in the section's length unit like every other dimension, although only the report
    // shows them.
    read_mm(in, "the flange thickness", e.flange_thickness);
    read_mm(in, "the web thickness", e.web_thickness);
    read_into(in, "the section area", e.top_area);
    e.top_area /= area_scale;
    e.bottom_area = e.top_area;
    read_into(in, "the moment of inertia", e.top_inertia);
    e.top_inertia /= inertia_scale;
    e.bottom_inertia = e.top_inertia;
    check_positive(in, "moment of inertia", e.top_inertia);
    return;
  }
  read_mm(in, "the top width", e.top_width);
  read_mm(in, "the bottom width", e.bottom_width);
  if (shape == kShapeRectangular) {
    read_mm(in, "the top section depth", e.top_depth);
    read_mm(in, "the bottom section depth", e.bottom_depth);
  } else if (shape == kShapeCircularPipe) {
    read_mm(in, "the wall thickness at top", e.top_depth);
    read_mm(in, "the wall thickness at bottom", e.bottom_depth);
  }
  read_into(in, "the top area", e.top_area);
  read_into(in, "the bottom area", e.bottom_area);
  e.top_area /= area_scale;
  e.bottom_area /= area_scale;
  read_into(in, "the moment of inertia at top", e.top_inertia);
  read_into(in, "the moment of inertia at bottom", e.bottom_inertia);
  e.top_inertia /= inertia_scale;
  e.bottom_inertia /= inertia_scale;
  if (shape == kShapeEmbeddedPole) {
    read_mm(in, "the drilled hole diameter", s.diameter);
    // The pole's stiffness is the input moment of inertia.
    check_positive(in, "moment of inertia at top", e.top_inertia);
    check_positive(in, "moment of inertia at bottom", e.bottom_inertia);
  }
}

// ---------------------------------------------------------------------------------------------
// Moment-stiffness curves (type 13)

[[noreturn]] void curve_point_error(SectionInput& in, int curve, int point,
                                    const std::string& problem) {
  raise_error(in.engine, errors::kInputMomentCurvature,
              "Section " + std::to_string(in.number) + ", curve " + std::to_string(curve) +
                  ", point " + std::to_string(point) + " (line " +
                  std::to_string(input_line_number(in.engine)) + "): " + problem + ".",
              "Give every point a positive bending stiffness and curvature; only a first point "
              "of zero moment may have zero curvature.");
}

void read_moment_curves(SectionInput& in) {
  Engine& engine = in.engine;
  PileSection& s = in.section;
  int count = s.curve_count;
  read_into(in, "the number of moment-stiffness curves", count);
  if (count < 1) {
    raise_error(engine, errors::kInputMomentCurvature,
                "Section " + std::to_string(in.number) + " has " + std::to_string(count) +
                    " moment-stiffness curves (line " +
                    std::to_string(input_line_number(engine)) + ").",
                "Give at least one curve for every axial thrust value.");
  }
  if (count > kMaxMomentCurves) {
    record_error(engine, "Section " + std::to_string(in.number) + " has " +
                             std::to_string(count) + " moment-stiffness curves; 1 to " +
                             std::to_string(kMaxMomentCurves) + " are allowed");
  }
  s.curve_count = count;
  const bool by_curvature = s.points_moment_curvature;
  for (int j = 1; j <= count; ++j) {
    MomentCurve& curve = s.curves[j - 1];
    read_record(engine,
                "the axial thrust and number of points of curve " + std::to_string(j) + " of " +
                    section_name(in.number),
                {&curve.thrust, &curve.point_count});
    const int points = curve.point_count;
    if (points < 1 || points > kMaxCurvePoints) {
      raise_error(engine, errors::kInputMomentCurvature,
                  "Curve " + std::to_string(j) + " of section " + std::to_string(in.number) +
                      " has " + std::to_string(points) + " points (line " +
                      std::to_string(input_line_number(engine)) + ").",
                  "Give each curve 1 to " + std::to_string(kMaxCurvePoints) + " points.");
    }
    bool starts_at_origin = false;  // a first point (0, 0) of moment and curvature
    for (int k = 1; k <= points; ++k) {
      double& moment = curve.moment[k - 1];
      double& stiffness = curve.stiffness[k - 1];
      double& curvature = curve.curvature[k - 1];
      const std::string what = "point " + std::to_string(k) + " of curve " + std::to_string(j) +
                               " of " + section_name(in.number);
      if (by_curvature) {
        read_record(engine, "the moment and curvature of " + what, {&moment, &curvature});
        if (k == 1 && moment == 0.0 && curvature == 0.0) {
          starts_at_origin = true;
          continue;
        }
        if (!(curvature > 0.0)) {
          curve_point_error(in, j, k, "the curvature is " + text_of(curvature));
        }
        stiffness = moment / curvature;
        if (!(stiffness > 0.0)) {
          curve_point_error(in, j, k,
                            "moment " + text_of(moment) + " and curvature " + text_of(curvature) +
                                " give a bending stiffness of " + text_of(stiffness));
        }
      } else {
        read_record(engine, "the moment and bending stiffness of " + what, {&moment, &stiffness});
        if (!(stiffness > 0.0)) {
          curve_point_error(in, j, k, "the bending stiffness is " + text_of(stiffness));
        }
        curvature = moment / stiffness;
        if (curvature < 0.0) {
          curve_point_error(in, j, k, "the moment " + text_of(moment) +
                                          " gives a negative curvature");
        }
      }
    }
    if (starts_at_origin) {
      // The stiffness at zero moment is that of the first segment.
      if (points < 2) {
        curve_point_error(in, j, 1, "a curve of the single point (0, 0) has no stiffness");
      }
      curve.stiffness[0] = curve.stiffness[1];
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Section records

void read_type(SectionInput& in) {
  PileSection& s = in.section;
  int code = s.type;
  read_into(in, "the section type code", code);
  switch (code) {
    case 3:
      s.b_FillCoreWithConcrete = true;
      break;
    case -3:
      s.b_FillCoreWithConcrete = false;
      code = kCasedShaftWithCore;
      break;
    case 13:
      s.has_moment_curves = true;
      s.points_moment_stiffness = true;
      s.points_moment_curvature = false;
      break;
    case -13:
      s.has_moment_curves = true;
      s.points_moment_stiffness = false;
      s.points_moment_curvature = true;
      code = kUserDefinedEI;
      break;
    case kMicropile:
      record_error(in.engine, "Section " + std::to_string(in.number) +
                                  " has type code 14: micropile sections are not supported");
    default:
      if (code < kRectangularConcrete || code > kMicropile) {
        record_error(in.engine, "Section type code " + std::to_string(code) + " of section " +
                                    std::to_string(in.number) +
                                    " is not one of 0 to 13, -3 or -13");
      }
      break;
  }
  s.type = code;
}

void read_length(SectionInput& in) {
  PileSection& s = in.section;
  read_into(in, "the section length", s.length);
  if (s.length > 0.0) return;
  raise_error(in.engine, errors::kInputSectionLength,
              "Section " + std::to_string(in.number) + " has a length of " + text_of(s.length) +
                  " (line " + std::to_string(input_line_number(in.engine)) + ").",
              "Give every pile section a length greater than zero.");
}

void read_dimensions(SectionInput& in) {
  PileSection& s = in.section;
  switch (s.type) {
    case kRectangularConcrete:
      read_mm(in, "the section depth", s.depth);
      read_mm(in, "the section width", s.width);
      s.diameter = s.depth;
      break;
    case kDrilledShaft:
    case kCircularSolidPrestressed:
      read_mm(in, "the diameter", s.diameter);
      break;
    case kCasedShaft:
    case kCasedShaftWithCore:
      read_mm(in, "the diameter", s.diameter);
      read_mm(in, "the casing wall thickness", s.casing_thickness);
      read_into(in, "the casing yield stress", s.casing_yield);
      read_into(in, "the casing elastic modulus", s.casing_modulus);
      if (s.type == kCasedShaftWithCore) {
        read_mm(in, "the core diameter", s.core_diameter);
        read_mm(in, "the core wall thickness", s.core_thickness);
        read_into(in, "the core yield stress", s.core_yield);
        read_into(in, "the core elastic modulus", s.core_modulus);
      }
      break;
    case kSteelPipe:
      read_mm(in, "the diameter", s.diameter);
      read_mm(in, "the wall thickness", s.casing_thickness);
      read_into(in, "the yield stress", s.casing_yield);
      read_into(in, "the elastic modulus", s.casing_modulus);
      break;
    case kCircularHollowPrestressed:
      read_mm(in, "the diameter", s.diameter);
      read_mm(in, "the void diameter", s.void_diameter);
      break;
    case kSquareSolidPrestressed:
      read_mm(in, "the pile width", s.diameter);
      read_mm(in, "the corner chamfer", s.chamfer);
      break;
    case kSquareHollowPrestressed:
      read_mm(in, "the pile width", s.diameter);
      read_mm(in, "the void diameter", s.void_diameter);
      read_mm(in, "the corner chamfer", s.chamfer);
      break;
    case kOctagonalSolidPrestressed:
      read_mm(in, "the pile width", s.diameter);
      break;
    case kOctagonalHollowPrestressed:
      read_mm(in, "the pile width", s.diameter);
      read_mm(in, "the void diameter", s.void_diameter);
      break;
    case kUserDefinedEI:
      read_mm(in, "the diameter", s.diameter);
      read_moment_curves(in);
      break;
    default:
      break;
  }
}

void read_materials(SectionInput& in) {
  const int type = in.section.type;
  if (type <= kCasedShaftWithCore) {
    read_concrete(in);
    read_bars(in);
  } else if (type >= kCircularSolidPrestressed && type <= kOctagonalHollowPrestressed) {
    read_concrete(in);
    read_strands(in);
  } else if (type == kElasticPile || type == kElasticPlastic) {
    read_elastic(in, type == kElasticPlastic);
  }
}

// An outline or material of a section of types 0 to 10 that the section analysis cannot model
// ends the run while the input is read.
void check_section_record(SectionInput& in) {
  const auto fault = find_section_record_fault(in.section, in.engine.options.IUNITS);
  if (!fault) return;
  const bool concrete = fault->error.number == errors::kInputConcreteStrength.number;
  raise_error(in.engine, fault->error,
              "Section " + std::to_string(in.number) + ": " + fault->what + " is " +
                  text_of(fault->value) + "; it must be " + fault->limit + ".",
              concrete ? "Give the concrete a compressive strength the concrete model can use."
                       : "Correct the dimensions or the steel properties of the section.");
}

// Puts the section below the ones above it and fills its two section points.
void stack_section(Sections& sections, int number) {
  PileSection& s = sections.table[number - 1];
  SectionPoint& top = sections.points[2 * number - 2];
  SectionPoint& bottom = sections.points[2 * number - 1];
  s.top = sections.pile_length;
  s.bottom = sections.pile_length + s.length;
  sections.pile_length = s.bottom;
  top.depth = s.top;
  bottom.depth = s.bottom;

  const ElasticProperties& e = s.elastic;
  switch (s.type) {
    case kRectangularConcrete:
      top.width = bottom.width = s.width;
      break;
    case kSteelPipe: {
      const double d = s.diameter;
      const double inside = d - 2.0 * s.casing_thickness;
      const double inertia = kPiOver64 * ((d * d) * (d * d) - (inside * inside) * (inside * inside));
      const double area = kQuarterPi * (d * d - inside * inside);
      top.width = bottom.width = d;
      top.inertia = bottom.inertia = inertia;
      top.area = bottom.area = area;
      top.modulus = bottom.modulus = s.casing_modulus;
      break;
    }
    case kElasticPile:
    case kElasticPlastic:
      top.modulus = bottom.modulus = e.modulus;
      top.inertia = e.top_inertia;
      bottom.inertia = e.bottom_inertia;
      top.area = e.top_area;
      bottom.area = e.bottom_area;
      switch (s.shape) {
        case kShapeStrongHPile:
          top.width = bottom.width = e.top_width;
          break;
        case kShapeWeakHPile:
          top.width = bottom.width = e.top_depth;
          break;
        case kShapeEmbeddedPole:
          top.width = bottom.width = s.diameter;
          top.pole_width = e.top_width;
          bottom.pole_width = e.bottom_width;
          break;
        default:
          top.width = e.top_width;
          bottom.width = e.bottom_width;
          break;
      }
      break;
    default:
      top.width = bottom.width = s.diameter;
      break;
  }
}

}  // namespace

void read_sections(Engine& engine) {
  Sections& sections = engine.sections;
  int count = sections.count;
  read_record(engine, "the number of pile sections", {&count});
  // A pile of no sections would leave every later stage without pile properties.
  if (count < 1 || count > kMaxSections) section_point_count_error(engine, 2LL * count);
  sections.count = count;
  sections.point_count = 2 * count;
  sections.pile_length = 0.0;
  sections.table[0].top = 0.0;
  const bool si = engine.options.IUNITS == kUnitsSI;
  for (int n = 1; n <= count; ++n) {
    engine.run.message.put("Reading section properties for Section " + std::to_string(n));
    int number = 0;
    read_record(engine, "the number of section " + std::to_string(n), {&number});
    if (number != n) {
      TextFile& report = engine.run.report;
      report.put("SECTION DATA OUT-OF-ORDER");
      report.blank();
      report.put("Expecting section number " + std::to_string(n) + ", but section number " +
                 std::to_string(number) + " was found");
      stop_run(engine, "INP00095", 195);
    }
    SectionInput in{engine, sections.table[n - 1], n, si};
    read_type(in);
    read_length(in);
    read_dimensions(in);
    read_materials(in);
    check_section_record(in);
    stack_section(sections, n);
  }
}

}  // namespace torva
