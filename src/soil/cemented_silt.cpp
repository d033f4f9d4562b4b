#include "soil/cemented_silt.h"

#include <array>
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "model/single_precision.h"
#include "report/line.h"
#include "soil/soft_clay.h"
#include "soil/soil_profile.h"
#include "soil/stiff_clay.h"

namespace torva {

namespace {

constexpr double kDegreesToRadians = 3.141592653589793 / 180.0;
constexpr double kK0 = single(0.4f);
constexpr double kSlopeThreshold = 1e-10;  // |theta| above this: sloping ground
constexpr double kSmallDeflection = 1e-14;

// The corners of the curve for a pile of width b: y_m = b/60 and y_u = 3b/80.
double silt_y_m(double b) { return b / 60.0; }
double silt_y_u(double b) { return 3.0 * b / 80.0; }

constexpr ErrorId kZeroFrictionAngle{110, "INP00010"};
constexpr ErrorId kSlopeSteeperThanFriction{111, "INP00011"};

// Input Data Error No. 48: no cohesion below the layer top.
[[noreturn]] void report_zero_cohesion(Engine& engine, const LayerCall& call, double X, double c) {
  const ErrorId& error = call.entry->errors.zero_strength;
  const Line where =
      Line().a("Layer = ").i0(call.layer).a(", Depth = ").e(X, 12, 4).a(", c = ").e(c, 12, 4);
  write_report_then_message(
      engine, {"", error_banner(error.number), "",
               "Problem: A negative or zero value of cohesion was input for ",
               "a soil defined as a silt.", where.str(),
               "Solution:  Please revise and correct the input data.  ",
               "Both cohesion and friction angle should be non-zero for silt soils."});
  stop_run(engine, error);
}

[[noreturn]] void report_zero_friction_angle(Engine& engine) {
  write_report_then_message(
      engine,
      {"", error_banner(kZeroFrictionAngle.number), "",
       "Problem:  A negative or zero value was input for the friction angle for a silt.",
       "Solution:  Please revise and correct the input data.  ",
       "Both cohesion and friction angle must be non-zero for the cemented silt soil."});
  stop_run(engine, kZeroFrictionAngle);
}

// Runtime Error No. 23: the ground slopes more steeply than the friction angle.
[[noreturn]] void report_slope_above_friction(Engine& engine, const LayerCall& call) {
  const ErrorId& error = call.entry->errors.steep_slope;
  write_report_then_message(
      engine, {"", error_banner(error.number), "",
               "A runtime error occurred due to the ground slope angle being",
               "greater than the friction angle for silt for layer " +
                   std::to_string(call.layer) + ".",
               "Problem:  The angle of the ground slope can not be greater ",
               "than the internal friction angle of silt.",
               "Solution:  Set the value for slope angle to be less than ",
               "the angle of friction or convert the layer into an equivalent",
               "strength clay layer."});
  stop_run(engine, error);
}

// Input Data Error No. 11: a cohesionless silt on a slope as steep as its friction angle.
[[noreturn]] void report_steep_cohesionless_slope(Engine& engine, const LayerCall& call) {
  write_report_then_message(
      engine, {"", error_banner(kSlopeSteeperThanFriction.number), "",
               "An error was detected in the input data when computing a p-y.",
               "curve using the criteria for silt for layer " + std::to_string(call.layer) + ".",
               "Problem:  The angle of the ground slope can not be greater ",
               "than the internal friction angle of cohesionless silt.",
               "Solution:  Set the value for slope angle to be less than ",
               "the angle of friction."});
  stop_run(engine, kSlopeSteeperThanFriction);
}

// The soil values of the curve at a station, which depend on its depth alone.
struct CementedSiltSoil {
  double c = 0.0, phi = 0.0, gamma = 0.0, eps50 = 0.0, k = 0.0;
  bool default_k = false;
};

// Reads the soil values at a station, applies the defaults and makes the checks on them.
CementedSiltSoil soil_at(Engine& engine, const LayerCall& call, const Station& s) {
  const int units = engine.options.IUNITS;
  const int i = call.layer;
  const double theta = engine.inclination.slope_minus_batter;
  SoilLayers& soil = engine.soil;

  CementedSiltSoil values;
  values.c = fn_c(engine, s.X);
  if (s.X > soil.XLayerTop[i] && values.c < 1e-10) {
    report_zero_cohesion(engine, call, s.X, values.c);
  }
  values.phi = fn_phi(engine, s.X);
  const double phi = values.phi * kDegreesToRadians;
  if (phi < 1e-10) report_zero_friction_angle(engine);
  if (phi < std::fabs(theta)) report_slope_above_friction(engine, call);
  if (values.c <= 0.0 && slope_steeper_than_friction(phi, theta)) {
    report_steep_cohesionless_slope(engine, call);
  }
  values.gamma = fn_gamma_avg(engine, s.X);
  values.eps50 = fn_eps50(engine, s.X);
  if (values.eps50 <= 0.0 && (units == kUnitsUS || units == kUnitsSI)) {
    values.eps50 = cemented_silt_default_eps50(units, values.c);
  }
  if (soil.k_top[i] > 0.0) {
    if (soil.k_bottom[i] == 0.0) soil.k_bottom[i] = soil.k_top[i];
    values.k = fn_k_in_layer(engine, i, s.X);
  } else {
    if (units != kUnitsUS && units != kUnitsSI) report_default_k_in_general_units(engine, i);
    values.k = cemented_silt_default_k(units, engine.options.CyclicLoading, values.c, values.phi,
                                       values.gamma);
    values.default_k = true;
  }
  return values;
}

// The effective depth of a station. The equivalent depth of its layer is computed from the soil
// values of the layer's first pile node (or of a printed curve's depth, when no node reached the
// criterion): other nodes are spared the wedge coefficients.
double station_depth(Engine& engine, const Station& s, const CementedSiltSoil& values) {
  const auto wedge = [&] {
    const double theta = engine.inclination.slope_minus_batter;
    const SandCoefficients c =
        sand_coefficients(values.phi, kK0, theta, std::fabs(theta) > kSlopeThreshold);
    NodeSoilParameters parameters = wedge_soil_parameters(s, values.gamma, values.phi, c);
    parameters.c = values.c;
    parameters.J = engine.py.soft_clay_J;
    return parameters;
  };
  return effective_depth_of(engine, s, wedge, EqDepthUpdate::kEveryPass, 1e-8);
}

// What the curve at a station is built from: its soil values, the effective depth `z_e` and the
// deflection `Y` that sets the direction of movement on sloping ground.
CementedSiltInputs curve_inputs(const Engine& engine, const Station& s,
                                const CementedSiltSoil& values, double z_e, double Y) {
  const double theta = engine.inclination.slope_minus_batter;
  CementedSiltInputs in;
  SandInputs& sand = in.sand;
  in.c = values.c;
  sand.phi = values.phi;
  sand.gamma = values.gamma;
  in.eps50 = values.eps50;
  sand.k = values.k;
  sand.default_k = values.default_k;
  in.J = engine.py.soft_clay_J;
  sand.b = s.b;
  sand.z = s.z;
  sand.z_e = z_e;
  sand.theta = theta;
  sand.with_slope = reese_with_slope(Y, theta);
  in.Y = Y;
  in.cyclic = engine.options.CyclicLoading;
  return in;
}

// The sloping-ground factors of the cohesive part for the run's slope.
SlopingGroundFactors cohesive_slope_factors(double theta) {
  return sloping_ground_factors(theta, single(0.70710677f));
}

// The factor of the cohesive part at a station: 1 on level ground (a slope of 1e-20 or less).
double cohesive_factor(const SlopingGroundFactors& slope, double theta, double Y) {
  return std::fabs(theta) > 1e-20 ? clay_sloping_factor(slope, theta, Y) : 1.0;
}

// Places of a node's depth part (NodeDepthPart::soil).
enum Slot : std::size_t {
  kC, kPhi, kGamma, kK,                  // soil values
  kZe, kWithSlope, kFactor,              // what the kept curve was built for
  kE0, kPm, kPu, kM, kN, kCbar, kYk,     // the kept curve
};

// The curve at a pile node, and the strength there.
struct NodeCurve {
  ReeseSandCurve curve;
  double c = 0.0;
};

// The curve at a pile node, into `node` (filled in place: a curve assembled in a temporary and
// copied whole would be read back in wide moves straight after its narrow stores, which stalls
// the pass). Its soil values are read at the first pass of a solution and kept in the node's
// depth part, with the last curve built and what it was built for: the effective depth, the
// direction of the sand wedge on sloping ground and the factor of the cohesive part. A later
// pass works those out afresh and builds the curve again only when one differs.
void node_curve(Engine& engine, const LayerCall& call, const Station& s,
                const SlopingGroundFactors& slope, NodeCurve& node) {
  NodeDepthPart& part = engine.py.depth_parts[s.index];
  std::array<double, 16>& kept = part.soil;
  CementedSiltSoil values;
  if (part.soil_valid) {
    // eps50 and whether k is the default show only in printed curves.
    values.c = kept[kC];
    values.phi = kept[kPhi];
    values.gamma = kept[kGamma];
    values.k = kept[kK];
  } else {
    values = soil_at(engine, call, s);
  }
  node.c = values.c;
  const double z_e = station_depth(engine, s, values);
  const double theta = engine.inclination.slope_minus_batter;
  // The direction of the wedge counts only where the sand resistance takes the ground as
  // sloping.
  const double with_slope =
      std::fabs(theta) > kSlopeThreshold && reese_with_slope(s.Y, theta) ? 1.0 : 0.0;
  const double factor = cohesive_factor(slope, theta, s.Y);
  if (part.soil_valid && kept[kZe] == z_e && kept[kWithSlope] == with_slope &&
      kept[kFactor] == factor) {
    ReeseSandCurve& c = node.curve;
    c.E0 = kept[kE0];
    c.y_m = silt_y_m(s.b);
    c.y_u = silt_y_u(s.b);
    c.p_m = kept[kPm];
    c.p_u = kept[kPu];
    c.m = kept[kM];
    c.n = kept[kN];
    c.C = kept[kCbar];
    c.y_k = kept[kYk];
    c.p_k = 0.0;
    return;
  }
  node.curve = cemented_silt_at_depth(curve_inputs(engine, s, values, z_e, s.Y), slope).curve;
  const ReeseSandCurve& c = node.curve;
  kept = {values.c, values.phi, values.gamma, values.k, z_e, with_slope, factor,
          c.E0, c.p_m, c.p_u, c.m, c.n, c.C, c.y_k};
  part.soil_valid = true;
}

void report_block(Engine& engine, const LayerCall& call, const Station& s,
                  const CementedSiltAtDepth& d) {
  const UnitLabels& labels = engine.run.labels;
  const bool us = engine.options.IUNITS == kUnitsUS;
  const ReeseSandCurve& curve = d.curve;
  const SandInputs& sand = d.in.sand;

  report_title(engine, engine.options.CyclicLoading
                           ? "p-y Curve Computed Using the Cyclic Criteria for Cemented Silt"
                           : "p-y Curve Computed Using the Static Criteria for Cemented Silt");
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_depth(engine, "Equivalent Depth", sand.z_e);
  report_value(engine, "Pile Diameter, B", s.b, labels.length);
  report_value(engine, "Cohesion, c", d.in.c, labels.stress);
  if (us) report_value(engine, "Cohesion, c", d.in.c * 144.0, labels.soil_stress);
  report_value(engine, "Angle of Friction, phi", sand.phi, "deg.");
  // Unit weights are computed per cubic length: the subgrade-modulus label names that unit.
  report_value(engine, "Avg. Eff. Unit Weight", sand.gamma, labels.subgrade_modulus);
  if (us) report_value(engine, "Avg. Eff. Unit Weight", sand.gamma * 1728.0, labels.unit_weight);
  report_value(engine, "k (interp. from input)", sand.k, labels.subgrade_modulus);
  report_value(engine, "Epsilon50 (interp.)", d.in.eps50, "");
  report_value(engine, "x/B ratio", sand.z_e / s.b, "");
  report_value(engine, "A parameter = fn(x/B)", d.A, "");
  report_value(engine, "B parameter = fn(x/B)", d.B, "");
  report_value(engine, "m", curve.m, labels.stress);
  report_value(engine, "n", curve.n, "");
  report_value(engine, "Cbar", curve.C, "");
  report_value(engine, "yk", curve.y_k, labels.length);
  report_value(engine, "Pu", curve.p_u, labels.force_per_length);
  // The two parts together, before the factors of the curve.
  report_value(engine, "Pc", d.resistance.p_s + d.p_c, labels.force_per_length);
  report_value(engine, "ym = b/60", curve.y_m, labels.length);
  report_value(engine, "pm", curve.p_m, labels.force_per_length);
  report_value(engine, "yu = 3b/80", curve.y_u, labels.length);
  report_value(engine, "Pu,c", d.p_c, labels.force_per_length);
  report_value(engine, "Pu,phi", d.resistance.p_s, labels.force_per_length);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
}

}  // namespace

CementedSiltAtDepth cemented_silt_at_depth(const CementedSiltInputs& in) {
  return cemented_silt_at_depth(in, cohesive_slope_factors(in.sand.theta));
}

CementedSiltAtDepth cemented_silt_at_depth(const CementedSiltInputs& in,
                                           const SlopingGroundFactors& slope) {
  CementedSiltAtDepth d;
  d.in = in;
  SandInputs& sand = d.in.sand;
  // Above the ground surface there is no soil: the depths count as 0.
  if (sand.z_e < 0.0) sand.z_e = 0.0;
  if (sand.z < 0.0) sand.z = 0.0;
  const double z_e = sand.z_e;
  const double b = sand.b;
  const double c = in.c;
  const double theta = sand.theta;

  d.coefficients = sand_coefficients(sand.phi, kK0, theta, std::fabs(theta) > kSlopeThreshold);
  d.resistance = sand_resistance(d.coefficients, sand, kSlopeThreshold);
  const double p_phi = d.resistance.p_s;

  // With no strength (c = 0) the ratio is 0/0 and min(9, r s) takes 9: p_c = 0.
  const double r = z_e * in.J / b + 3.0 + sand.gamma * z_e / c;
  d.s = cohesive_factor(slope, theta, in.Y);
  d.p_c = c * b * std::fmin(9.0, r * d.s);

  d.A = A_sand(z_e, b, in.cyclic);
  d.B = reese_sand_B(z_e, b, in.cyclic);
  ReeseSandCurve& curve = d.curve;
  curve.E0 = sand.k * z_e;
  curve.p_u = d.A * p_phi + d.p_c;
  curve.p_m = 1.5 * (p_phi + d.p_c);
  curve.y_m = silt_y_m(b);
  curve.y_u = silt_y_u(b);
  curve.m = (curve.p_u - curve.p_m) / (curve.y_u - curve.y_m);
  // Without resistance (no strength at the ground surface) the curve is p = 0.
  if (p_phi + d.p_c != 0.0) {
    curve.n = curve.p_m / (curve.y_m * curve.m);
    if (curve.n != 0.0) curve.C = curve.p_m / std::pow(curve.y_m, 1.0 / curve.n);
    if (curve.E0 != 0.0) curve.y_k = std::pow(curve.C / curve.E0, curve.n / (curve.n - 1.0));
  }
  return d;
}

double cemented_silt_p(const CementedSiltAtDepth& d, double y) { return reese_sand_p(d.curve, y); }

std::array<double, 17> cemented_silt_points(const ReeseSandCurve& curve) {
  std::array<double, 17> y{};
  for (int k = 2; k <= 13; ++k) y[k - 1] = (k - 1) * curve.y_m / 12.0;
  y[13] = curve.y_u;
  y[14] = single(1.05f) * curve.y_u;
  y[15] = single(1.10f) * curve.y_u;
  y[16] = single(1.15f) * curve.y_u;
  return y;
}

double cemented_silt_default_k(int units, bool cyclic, double c, double phi, double gamma) {
  if (units != kUnitsUS && units != kUnitsSI) return 0.0;
  struct Frictional {
    double up_to_30, up_to_36, above_36;
  };
  constexpr Frictional kUSAbove{25.0, 90.0, 225.0};
  constexpr Frictional kUSSubmerged{20.0, 60.0, 125.0};
  constexpr Frictional kSIAbove{6786.18017578125, 24430.240234375, 61075.6015625};
  constexpr Frictional kSISubmerged{5428.93994140625, 16286.830078125, 33930.8984375};
  const bool us = units == kUnitsUS;
  const bool above_water = gamma > (us ? single(0.045f) : single(12.225f));
  const Frictional& f = us ? (above_water ? kUSAbove : kUSSubmerged)
                           : (above_water ? kSIAbove : kSISubmerged);
  const double frictional = phi <= 30.0 ? f.up_to_30 : phi <= 36.0 ? f.up_to_36 : f.above_36;
  return stiff_clay_default_k(StiffClayKind::kWithK, units, cyclic, c) + frictional;
}

double cemented_silt_default_eps50(int units, double c) {
  if (units != kUnitsSI) return soft_clay_default_eps50(units, c);
  // The soft clay values, on SI bounds of their own (500, 1000, 2000 and 4000 lb/ft^2; the
  // bands between 1000 and 4000 lb/ft^2 share one value).
  if (c < single(23.94013f)) return single(0.02f);
  if (c < 47.8802604675293) return single(0.01f);
  if (c < 191.5210418701172) return single(0.005f);
  return single(0.004f);
}

void cemented_silt_moduli(Engine& engine, const LayerCall& call) {
  const SoilLayers& soil = engine.soil;
  const int i = call.layer;
  double& F = engine.py.FLayer[i];
  double previous_p_u = 0.0;
  const SlopingGroundFactors slope =
      cohesive_slope_factors(engine.inclination.slope_minus_batter);
  NodeCurve node;
  const ReeseSandCurve& curve = node.curve;
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    node_curve(engine, call, s, slope, node);

    const double Es = s.y >= kSmallDeflection
                          ? reese_sand_p(curve, s.y) * s.p_mult / (s.y * s.y_mult)
                          : curve.E0;
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);

    // Ultimate resistance over the layer, for the equivalent depths of the layers below.
    accumulate_layer_resistance(engine, s, previous_p_u, curve.p_u);
    if (soil.XS < -0.00001 && i == 1) {
      F = (3.0 * node.c * s.b + curve.p_u) / 2.0 * (soil.XLayerBottom[1] - soil.XLayerTop[1]);
    }
    previous_p_u = curve.p_u;
  }
}

void cemented_silt_curves(Engine& engine, const LayerCall& call) {
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    const CementedSiltSoil values = soil_at(engine, call, s);
    const CementedSiltInputs in = curve_inputs(engine, s, values, station_depth(engine, s, values),
                                               pile_deflection_at_depth(engine, s.X));
    const CementedSiltAtDepth d = cemented_silt_at_depth(in);
    report_block(engine, call, s, d);
    const std::array<double, 17> ys = cemented_silt_points(d.curve);
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    write_printed_curve(engine, printed, ys,
                        [&](int, double y) { return cemented_silt_p(d, y); });
  }
}

}  // namespace torva
