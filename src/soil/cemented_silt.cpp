#include "soil/cemented_silt.h"

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

// Resolves the curve at a station: properties, checks, k, effective depth. `Y` is the
// deflection that sets the direction of movement on sloping ground.
CementedSiltAtDepth resolve(Engine& engine, const LayerCall& call, const Station& s, double Y) {
  const int units = engine.options.IUNITS;
  const int i = call.layer;
  const bool cyclic = engine.options.CyclicLoading;
  const double theta = engine.inclination.slope_minus_batter;
  SoilLayers& soil = engine.soil;

  CementedSiltInputs in;
  SandInputs& sand = in.sand;
  in.c = fn_c(engine, s.X);
  if (s.X > soil.XLayerTop[i] && in.c < 1e-10) report_zero_cohesion(engine, call, s.X, in.c);
  sand.phi = fn_phi(engine, s.X);
  const double phi = sand.phi * kDegreesToRadians;
  if (phi < 1e-10) report_zero_friction_angle(engine);
  if (phi < std::fabs(theta)) report_slope_above_friction(engine, call);
  if (in.c <= 0.0 && slope_steeper_than_friction(phi, theta)) {
    report_steep_cohesionless_slope(engine, call);
  }
  sand.gamma = fn_gamma_avg(engine, s.X);
  in.eps50 = fn_eps50(engine, s.X);
  if (in.eps50 <= 0.0 && (units == kUnitsUS || units == kUnitsSI)) {
    in.eps50 = cemented_silt_default_eps50(units, in.c);
  }
  if (soil.k_top[i] > 0.0) {
    if (soil.k_bottom[i] == 0.0) soil.k_bottom[i] = soil.k_top[i];
    sand.k = fn_k_in_layer(engine, i, s.X);
  } else {
    if (units != kUnitsUS && units != kUnitsSI) report_default_k_in_general_units(engine, i);
    sand.k = cemented_silt_default_k(units, cyclic, in.c, sand.phi, sand.gamma);
    sand.default_k = true;
  }
  in.J = engine.py.soft_clay_J;
  sand.b = s.b;
  sand.z = s.z;
  sand.theta = theta;
  sand.with_slope = reese_with_slope(Y, theta);
  in.Y = Y;
  in.cyclic = cyclic;

  // What the equivalent depth of the layer is computed from, at its first node.
  const SandCoefficients c =
      sand_coefficients(sand.phi, kK0, theta, std::fabs(theta) > kSlopeThreshold);
  NodeSoilParameters parameters = wedge_soil_parameters(s, sand.gamma, sand.phi, c);
  parameters.c = in.c;
  parameters.J = in.J;
  sand.z_e = effective_depth(engine, s, parameters, EqDepthUpdate::kEveryPass, 1e-8);
  return cemented_silt_at_depth(in);
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
  const SlopingGroundFactors slope = sloping_ground_factors(theta, single(0.70710677f));
  if (std::fabs(theta) > 1e-20) d.s = clay_sloping_factor(slope, theta, in.Y);
  d.p_c = c * b * std::fmin(9.0, r * d.s);

  d.A = A_sand(z_e, b, in.cyclic);
  d.B = reese_sand_B(z_e, b, in.cyclic);
  ReeseSandCurve& curve = d.curve;
  curve.E0 = sand.k * z_e;
  curve.p_u = d.A * p_phi + d.p_c;
  curve.p_m = 1.5 * (p_phi + d.p_c);
  curve.y_m = b / 60.0;
  curve.y_u = 3.0 * b / 80.0;
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
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const CementedSiltAtDepth d = resolve(engine, call, s, s.Y);
    const ReeseSandCurve& curve = d.curve;

    const double Es = s.y >= kSmallDeflection
                          ? cemented_silt_p(d, s.y) * s.p_mult / (s.y * s.y_mult)
                          : curve.E0;
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);

    // Ultimate resistance over the layer, for the equivalent depths of the layers below.
    accumulate_layer_resistance(engine, s, previous_p_u, curve.p_u);
    if (soil.XS < -0.00001 && i == 1) {
      F = (3.0 * d.in.c * s.b + curve.p_u) / 2.0 * (soil.XLayerBottom[1] - soil.XLayerTop[1]);
    }
    previous_p_u = curve.p_u;
  }
}

void cemented_silt_curves(Engine& engine, const LayerCall& call) {
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    const CementedSiltAtDepth d = resolve(engine, call, s, pile_deflection_at_depth(engine, s.X));
    report_block(engine, call, s, d);
    const std::array<double, 17> ys = cemented_silt_points(d.curve);
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    write_printed_curve(engine, printed, ys,
                        [&](int, double y) { return cemented_silt_p(d, y); });
  }
}

}  // namespace torva
