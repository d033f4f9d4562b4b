#include "soil/soft_clay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "model/single_precision.h"
#include "report/line.h"

namespace torva {

namespace {

// What tells "SoftClyJ" apart from "SoftClay" besides its J.
struct SoftClayVariant {
  bool user_J;
  const char* title_static;
  const char* title_cyclic;
  const char* J_label;
  const char* Xr_label;
  const char* curve_name;         // in the small-deflection warning
  const char* zero_c_problem;
  const char* nan_material;       // "soft clay" / "API soft clay" in the not-a-number texts
  const char* nan_limit_banner;
  const char* nan_modulus_banner;
  bool slope_direction_lines;     // "Positive-y" and "Negative-y" factors in the report
};

constexpr SoftClayVariant kSoftClay{
    false,
    "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions",
    "p-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading Conditions",
    "J (default value)",
    "X_r",
    "soft clay.",
    "Problem:  A negative or zero value of cohesion was input for a soft clay soil.",
    "soft clay",
    "**** Runtime Error No. 33 ****",
    "**** Runtime Error No. 34 ****",
    true};

constexpr SoftClayVariant kSoftClayJ{
    true,
    "p-y Curve Computed Using the Soft Clay Criteria with J for Static Loading Conditions",
    "p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions",
    "J parameter",
    "Xr",
    "soft clay with J.",
    "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J.",
    "API soft clay",
    "**** Runtime Error No. 35 ****",
    "**** Runtime Error No 36. ****",
    false};

const SoftClayVariant& variant_of(const LayerCall& call) {
  return call.entry->code == criterion::kSoftClayJ ? kSoftClayJ : kSoftClay;
}

// Strength bounds of warnings 3041 (1250 lb/ft^2) and 3042 (kPa).
constexpr double kHighStrengthUS = single(8.680555f);
constexpr double kHighStrengthSI = single(59.850323f);

// Input Data Error No. 12 ("SoftClay") or No. 71 ("SoftClyJ").
[[noreturn]] void report_zero_cohesion(Engine& engine, const LayerCall& call, const Station& s,
                                       double c) {
  const SoftClayVariant& v = variant_of(call);
  const ErrorId& error = call.entry->errors.zero_strength;
  const std::string banner = error_banner(error.number);
  const Line where = Line()
                         .a("Layer no. = ")
                         .i0(call.layer)
                         .a(", Node no. = ")
                         .i0(s.index)
                         .a(", Top node in layer = ")
                         .i0(call.first)
                         .a(", Elevation = ")
                         .e(s.X, 12, 4)
                         .a(", c(x) = ")
                         .e(c, 12, 4);
  const std::initializer_list<std::string_view> text = {
      "",
      banner,
      "",
      "An error was detected that is related to an incompatibility between the input ",
      "data defining soil layering and soil shear strength values when computing a ",
      "p-y curve using the Matlock soft clay criteria.",
      v.zero_c_problem,
      "Solution:  Please compare the depth values for soil layering and soil shear ",
      "strength values and revise the input data."};
  TextFile& report = engine.run.report;
  for (std::string_view line : text) report.put(line);
  report.put(Line(where.str()).a(", Pile length = ").e(engine.nodes.x[engine.nodes.N], 12, 4));
  report.put(Line().a(", ITOP = ").i0(call.first).a(", IBOT = ").i0(call.last));
  TextFile& message = engine.run.message;
  for (std::string_view line : text) message.put(line);
  message.put(where);
  stop_run(engine, error);
}

// Runtime Errors No. 33 to 36: a modulus that is not a number.
[[noreturn]] void report_modulus_not_a_number(Engine& engine, const LayerCall& call,
                                              const Station& s, bool limiting) {
  const SoftClayVariant& v = variant_of(call);
  const CriterionErrors& errors = call.entry->errors;
  const std::string line =
      std::string(limiting ? "The default value" : "The computed value") +
      " of soil modulus computed in " + v.nan_material +
      " is not-a-number for node number " + std::to_string(s.index);
  write_report_then_message(
      engine, {"", limiting ? v.nan_limit_banner : v.nan_modulus_banner, "", line,
               "This problem is usually due to a required soil property being left equal to "
               "zero."});
  stop_run(engine, limiting ? errors.limit_not_a_number : errors.modulus_not_a_number);
}

// The soil values of the curve at a station, which depend on its depth alone.
struct SoftClaySoil {
  double c = 0.0, gamma = 0.0, eps50 = 0.0, J = 0.0;
  int warning = 0;  // the high-strength warning of the station, 0 when none
};

// Reads the soil values at a station and makes the checks on them.
SoftClaySoil soil_at(Engine& engine, const LayerCall& call, const Station& s) {
  const SoftClayVariant& v = variant_of(call);
  const int units = engine.options.IUNITS;
  SoftClaySoil soil;
  const double c = fn_c(engine, s.X);
  soil.c = c;
  if (!s.first && c < 1e-10) report_zero_cohesion(engine, call, s, c);
  if (!at_layer_interface(engine, s.X)) {
    if (units == kUnitsUS && c > kHighStrengthUS) soil.warning = -3041;
    if (units == kUnitsSI && c > kHighStrengthSI) soil.warning = -3042;
  }
  if (soil.warning != 0) WarningRegister(engine, soil.warning);
  soil.gamma = fn_gamma_avg(engine, s.X);
  double eps50 = fn_eps50(engine, s.X);
  if (eps50 <= 0.0) {
    if (units != kUnitsUS && units != kUnitsSI) {
      raise_error(engine, call.entry->errors.default_eps50,
                  "eps50 of soil layer " + std::to_string(call.layer) + " (" +
                      (v.user_J ? "soft clay with J" : "soft clay") + ") is 0 at depth " +
                      number_text(s.X) +
                      ", and no default value of eps50 exists in general units.",
                  "Give eps50 for the layer, or use US customary or SI units.");
    }
    eps50 = soft_clay_default_eps50(units, c);
  }
  soil.eps50 = eps50;
  soil.J = v.user_J ? fn_J(engine, s.X) : engine.py.soft_clay_J;
  return soil;
}

// What the curve at a station is built from: its soil values, and the effective depth, worked
// out again at every pass since the layers above may change it.
SoftClayInputs inputs_at(Engine& engine, const LayerCall& call, const Station& s,
                         const SoftClaySoil& values) {
  const int units = engine.options.IUNITS;
  NodeSoilParameters soil;
  soil.b = s.b;
  soil.c = values.c;
  soil.gamma = values.gamma;
  soil.J = values.J;
  soil.z0 = s.z;
  const double tolerance = units == kUnitsUS ? 1e-8 : 2.54e-10;
  SoftClayInputs in;
  in.c = values.c;
  in.gamma = values.gamma;
  in.eps50 = values.eps50;
  in.J = values.J;
  in.b = s.b;
  in.z_e = effective_depth(engine, s, soil, EqDepthUpdate::kEveryPass, tolerance);
  in.theta = engine.inclination.slope_minus_batter;
  in.Y = s.Y;
  in.cyclic = engine.options.CyclicLoading;
  in.user_J = variant_of(call).user_J;
  in.us_units = units == kUnitsUS;
  return in;
}

// Places of a node's depth part (NodeDepthPart::soil).
enum Slot : std::size_t {
  kC, kGamma, kEps50, kJ,        // soil values
  kZe, kFactor,                  // what the kept curve was built for
  kY50, kPu, kPuc, kPcr, kKmax, kNearSurface,  // the kept curve
};

// The curve at a pile node. Its soil values are read at the first pass of a solution and kept in
// the node's depth part, with the last curve built and the effective depth and sloping factor it
// was built for. A later pass registers the node's warning again, as every pass does, works out
// the effective depth and the factor of the present deflection, and builds the curve again only
// when one of them differs.
SoftClayCurve node_curve(Engine& engine, const LayerCall& call, const Station& s,
                         const SlopingGroundFactors& slope) {
  NodeDepthPart& part = engine.py.depth_parts[s.index];
  std::array<double, 16>& kept = part.soil;
  SoftClaySoil values;
  if (part.soil_valid) {
    if (part.warning != 0) WarningRegister(engine, part.warning);
    values = {kept[kC], kept[kGamma], kept[kEps50], kept[kJ], part.warning};
  } else {
    values = soil_at(engine, call, s);
  }
  const SoftClayInputs in = inputs_at(engine, call, s, values);
  const double factor = clay_sloping_factor(slope, in.theta, in.Y);
  if (part.soil_valid && kept[kZe] == in.z_e && kept[kFactor] == factor) {
    SoftClayCurve curve;
    curve.cyclic = in.cyclic;
    curve.y50 = kept[kY50];
    curve.p_u = kept[kPu];
    curve.p_uc = kept[kPuc];
    curve.p_cr = kept[kPcr];
    curve.K_max = kept[kKmax];
    curve.near_surface = kept[kNearSurface] != 0.0;
    return curve;
  }
  const SoftClayCurve curve = soft_clay_at_depth(in, slope).curve;
  kept = {values.c, values.gamma, values.eps50, values.J, in.z_e, factor, curve.y50, curve.p_u,
          curve.p_uc, curve.p_cr, curve.K_max, curve.near_surface ? 1.0 : 0.0};
  part.warning = values.warning;
  part.soil_valid = true;
  return curve;
}

// ---- Output mode ---------------------------------------------------------------------------

void report_block(Engine& engine, const LayerCall& call, const Station& s,
                  const SoftClayAtDepth& d) {
  const SoftClayVariant& v = variant_of(call);
  const UnitLabels& labels = engine.run.labels;
  const bool us = engine.options.IUNITS == kUnitsUS;
  const bool many_cycles = engine.options.NumCycles >= 2.0;
  const double theta = engine.inclination.slope_minus_batter;

  report_title(engine, many_cycles ? v.title_cyclic : v.title_static);
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.z + engine.soil.XS);
  report_depth(engine, "Depth below ground surface", s.z);
  report_depth(engine, "Equivalent Depth", d.in.z_e);
  report_slope_angles(engine);
  report_value(engine, "Pile Diameter", s.b, labels.length);
  // Unit weights are computed per cubic length: the subgrade-modulus label names that unit.
  if (!v.user_J || !us) {
    report_value(engine, "Cohesion, c", d.in.c, labels.stress);
    if (us && !v.user_J) report_value(engine, "Cohesion, c", d.in.c * 144.0, labels.soil_stress);
    report_value(engine, "Avg. Eff. Unit Weight", d.in.gamma, labels.subgrade_modulus);
    if (us && !v.user_J) {
      report_value(engine, "Avg. Eff. Unit Weight", d.in.gamma * 1728.0, labels.unit_weight);
    }
  } else {
    report_value(engine, "Cohesion, c", d.in.c * 144.0, labels.soil_stress);
    report_value(engine, "Avg. Eff. Unit Weight", d.in.gamma * 1728.0, labels.unit_weight);
  }
  report_value(engine, "Epsilon50 parameter", d.in.eps50, "");
  report_value(engine, v.J_label, d.in.J, "");
  report_depth(engine, "Transition Depth Xr", d.X_r);
  report_value(engine, "pu_s", d.pu_s, labels.force_per_length);
  report_value(engine, "pu_d", d.pu_d, labels.force_per_length);
  report_value(engine, "y_50", d.curve.y50, labels.length);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
  if (many_cycles) {
    report_value(engine, "Number of cycles of loading", engine.options.NumCycles, "");
    report_depth(engine, v.Xr_label, d.X_r);
  }
  if (v.slope_direction_lines) {
    const bool positive_slope = theta >= 1e-20;
    report_value(engine, "Positive-y Sloping Ground Factor",
                 positive_slope ? d.slope.down : d.slope.up, "");
    report_value(engine, "Negative-y Sloping Ground Factor",
                 positive_slope ? d.slope.up : d.slope.down, "");
  }
  report_value(engine, "Sloping Ground Factor", d.s, "");
  report_value(engine, "pu_static", d.curve.p_u, labels.force_per_length);
  if (many_cycles) report_value(engine, "pu_cyclic", d.curve.p_uc, labels.force_per_length);
}

// Default points as multiples of y50.
std::array<double, 17> soft_clay_static_points() {
  std::array<double, 17> points{};
  points[0] = 0.0;
  for (int k = 2; k <= 16; ++k) {
    const float t = (2.0f * static_cast<float>(k - 1)) / 15.0f;
    points[static_cast<std::size_t>(k - 1)] = static_cast<double>(t * t * t);
  }
  points[16] = 8.5;
  return points;
}
constexpr std::array<double, 17> kSoftClayJStaticPoints = {
    0.0, 0.05, 0.125, 0.25, 0.375, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 8.5};
constexpr std::array<double, 17> kCyclicPoints = {
    0.0, 0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1.0, 1.5, 2.0, 2.5, 3.0, 9.0, 15.0, 16.0};

void small_deflection_warning(Engine& engine, const SoftClayVariant& v, double K_max) {
  TextFile& report = engine.run.report;
  report.blank();
  report.put("**** Warning ****");
  report.blank();
  report.put("The pile deflection is less than 0.00001*Y50.");
  report.put("Torva used the limiting value of soil modulus (= " + number_text(K_max) +
             ") when computing the p-y curve for " + v.curve_name);
}

}  // namespace

double soft_clay_p(const SoftClayCurve& curve, double y) {
  const double y50 = curve.y50;
  if (y < kSoftClayLimitFraction * y50) return curve.K_max * y;
  const double p = 0.5 * curve.p_u * std::pow(y / y50, single(0.33333334f));
  if (y <= 3.0 * y50) return p;
  if (!curve.cyclic) return y <= 8.0 * y50 ? p : curve.p_u;
  if (!curve.near_surface) return curve.p_uc;
  if (y <= 15.0 * y50) return curve.p_uc + (y - 3.0 * y50) * (curve.p_cr - curve.p_uc) / (12.0 * y50);
  return curve.p_cr;
}

SoftClayAtDepth soft_clay_at_depth(const SoftClayInputs& in) {
  return soft_clay_at_depth(in, sloping_ground_factors(in.theta));
}

SoftClayAtDepth soft_clay_at_depth(const SoftClayInputs& in, const SlopingGroundFactors& slope) {
  SoftClayAtDepth d;
  d.in = in;
  const double b = in.b;
  const double c = in.c;
  // At the ground surface with no strength the ratio is 0/0; min(ratio, 9) then takes 9, and
  // p_u = 0 is the limit.
  d.ratio = in.z_e * in.J / b + 3.0 + in.z_e * in.gamma / c;
  d.x_r = 6.0 * b * c / (in.J * c + in.gamma * b);
  d.X_r = std::fmax(d.x_r, 2.5 * b);
  d.slope = slope;
  d.s = clay_sloping_factor(d.slope, in.theta, in.Y);
  const double r = std::fabs(in.theta) > 1e-20 ? d.ratio * d.s : d.ratio;
  // With no strength c b r is 0 times 0/0; its limit is the weight term z_e gamma b.
  d.pu_s = c == 0.0 ? in.z_e * in.gamma * b : c * b * d.ratio;
  d.pu_d = 9.0 * c * b;

  SoftClayCurve& curve = d.curve;
  curve.cyclic = in.cyclic;
  curve.y50 = 2.5 * b * in.eps50;
  curve.p_u = c * b * std::fmin(r, 9.0);
  curve.p_uc = single(0.72112477f) * curve.p_u;
  curve.near_surface = in.z_e < d.X_r;
  curve.p_cr = curve.near_surface ? (in.z_e / d.X_r) * curve.p_uc : curve.p_uc;
  if (in.user_J) {
    curve.K_max = curve.p_u * single(0.010772172f) / (curve.y50 * single(0.00003f));
  } else {
    curve.K_max = in.us_units ? 1e6 : 175126.8125;
  }
  return d;
}

double soft_clay_default_eps50(int units, double c) {
  struct Bands {
    double b500, b1000, b2000, b4000;
  };
  constexpr Bands kUS{single(3.4722223f), single(6.9444447f), single(13.888889f),
                      single(27.777779f)};
  constexpr Bands kSI{single(23.940128f), single(47.880257f), single(95.76051f),
                      single(191.52103f)};
  if (units != kUnitsUS && units != kUnitsSI) return 0.0;
  const Bands& bands = units == kUnitsUS ? kUS : kSI;
  if (c < bands.b500) return 0.02;
  if (c < bands.b1000) return 0.01;
  if (c < bands.b2000) return 0.005;
  if (c < bands.b4000) return 0.005;
  return 0.004;
}

void soft_clay_moduli(Engine& engine, const LayerCall& call) {
  const SoilLayers& soil = engine.soil;
  const double h = engine.nodes.h;
  const int i = call.layer;
  PYState& py = engine.py;
  const SlopingGroundFactors slope = sloping_ground_factors(engine.inclination.slope_minus_batter);
  SoftClayCurve previous;
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const SoftClayCurve curve = node_curve(engine, call, s, slope);

    double Es = 0.0;
    if (s.y < kSoftClayLimitFraction * curve.y50) {
      Es = curve.K_max;
      if (!std::isfinite(Es)) report_modulus_not_a_number(engine, call, s, true);
    } else {
      const double p = soft_clay_p(curve, s.y);
      Es = p * s.p_mult / (s.y_mult * s.y);
      if (!std::isfinite(Es)) report_modulus_not_a_number(engine, call, s, false);
    }
    set_node_modulus(engine, s, Es);

    // Ultimate resistance over the layer, for the equivalent depths of the layers below.
    double& F = py.FLayer[i];
    if (s.first) {
      F = 0.0;
    } else if (!curve.cyclic) {
      F += trapezoid(previous.p_u, curve.p_u, h);
    } else {
      F += trapezoid(previous.p_uc, curve.p_uc, h);
      if (curve.near_surface) F += trapezoid(previous.p_cr, curve.p_cr, h);
    }
    if (s.last) F += curve.p_u * h;
    if (soil.XS < -0.00001 && i == 1) {
      const double c = py.depth_parts[n].soil[kC];
      F = (3.0 * c * s.b + curve.p_u) / 2.0 * (soil.XLayerBottom[1] - soil.XLayerTop[1]);
    }
    previous = curve;
  }
}

void soft_clay_curves(Engine& engine, const LayerCall& call) {
  const SoftClayVariant& v = variant_of(call);
  const bool cyclic = engine.options.CyclicLoading;
  const std::array<double, 17> static_points =
      v.user_J ? kSoftClayJStaticPoints : soft_clay_static_points();
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    const SoftClayAtDepth d =
        soft_clay_at_depth(inputs_at(engine, call, s, soil_at(engine, call, s)));
    report_block(engine, call, s, d);

    // "SoftClay" prints a record's own deflections when it has them.
    const OutputDepth& record = engine.control.output_depths[static_cast<std::size_t>(k - 1)];
    std::array<double, kMaxOutputDeflections> ys{};
    std::size_t count = 0;
    if (!v.user_J && record.deflection_count > 0) {
      count = static_cast<std::size_t>(std::min(record.deflection_count, kMaxOutputDeflections));
      for (std::size_t j = 0; j < count; ++j) ys[j] = record.deflections[j];
    } else {
      const std::array<double, 17>& factors = cyclic ? kCyclicPoints : static_points;
      count = factors.size();
      for (std::size_t j = 0; j < count; ++j) ys[j] = factors[j] * d.curve.y50;
    }

    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    write_printed_curve(engine, printed, std::span<const double>(ys.data(), count),
                        [&](int point, double y) {
                          if (point > 1 && y < kSoftClayLimitFraction * d.curve.y50) {
                            small_deflection_warning(engine, v, d.curve.K_max);
                          }
                          return soft_clay_p(d.curve, y);
                        });
  }
}

}  // namespace torva
