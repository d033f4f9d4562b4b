#include "soil/sand.h"

#include <array>
#include <cmath>
#include <iterator>
#include <string>

#include "engine/errors.h"
#include "model/depth_table.h"
#include "model/single_precision.h"
#include "report/line.h"
#include "soil/soil_profile.h"

namespace torva {

namespace {

constexpr double kDegreesToRadians = 3.141592653589793 / 180.0;
constexpr double kQuarterPi = 0.7853981633974483;

// Friction angles outside 20..48 degrees are accepted with a warning.
constexpr double kLowestFrictionAngle = 20.0;
constexpr double kHighestFrictionAngle = 48.0;

// Below this deflection (length) the modulus is the initial modulus.
constexpr double kSmallDeflection = 1e-14;

// Factor B of the Reese curve against z / b (A is the sand factor A_sand).
constexpr SandFactorTable kBStatic = {
    0.0,           single(2.14f), single(1.83f), single(1.54f), single(1.27f), single(1.05f),
    single(0.86f), single(0.71f), single(0.53f), single(0.50f), single(0.50f)};
constexpr SandFactorTable kBCyclic = {
    0.0,           single(0.53f), single(0.72f), single(0.83f), single(0.86f), single(0.82f),
    single(0.77f), single(0.70f), single(0.55f), single(0.55f), single(0.55f)};

bool is_api(const LayerCall& call) { return call.entry->code == criterion::kApiSand; }

// ---- Errors and warnings -------------------------------------------------------------------

// Input Data Error No. 8 ("Sand") or No. 1 ("API Sand"): no friction angle below the layer top.
[[noreturn]] void report_zero_friction_angle(Engine& engine, const LayerCall& call) {
  const ErrorId& error = call.entry->errors.zero_strength;
  const std::string banner = error_banner(error.number);
  if (is_api(call)) {
    const std::string layer =
        "curve using the API sand criteria for layer " + std::to_string(call.layer) + ".";
    write_report_then_message(
        engine, {"", banner, "", "An error was detected in the input data when computing a p-y.",
                 layer, "Problem:  A zero was input for the friction angle for sand.",
                 "Solution:  Check the friction angle values and revise the ",
                 "data to correct this problem."});
  } else {
    write_report_then_message(
        engine, {"", banner, "", "An error was detected in the input data for friction angle.",
                 "Problem:  Zero was input for the friction angle for a sand when computing ",
                 "          a p-y curve using the Reese et al. criteria.",
                 "Solution: Check values of soil strength values and revise the input data."});
  }
  stop_run(engine, error);
}

// Input Data Error No. 9 ("Sand") or No. 2 ("API Sand"): the ground slopes more steeply than
// the sand can stand.
[[noreturn]] void report_steep_slope(Engine& engine, const LayerCall& call) {
  const ErrorId& error = call.entry->errors.steep_slope;
  const std::string banner = error_banner(error.number);
  const std::string i = std::to_string(call.layer);
  if (is_api(call)) {
    write_report_then_message(
        engine,
        {"", banner, "", "An error was detected in the input data when computing a p-y.",
         "curve using the API criteria for sand for layer " + i + ".",
         "Problem:  The angle of the ground slope can not be greater ",
         "than the internal friction angle of the sand.",
         "Solution:  Set the value for slope angle to be less than ", "the angle of friction."});
  } else {
    write_report_then_message(
        engine,
        {"", banner, "", "An error was found in the input data when computing a p-y curve using ",
         "the Reese sand criteria for layer " + i + ".",
         "Problem:  The angle of the ground slope can not be greater than the ",
         "internal friction angle of the sand.",
         "Solution:  Set the value for slope angle to be less than the angle of friction."});
  }
  stop_run(engine, error);
}

// Warnings 302 ("Sand") and 303 ("API Sand"). The Reese criterion also explains the warning in
// the run-message file, once for each time the warning counts are cleared (every load case):
// the criterion meets the same angle at every node of every iteration.
void report_unreasonable_friction_angle(Engine& engine, const LayerCall& call) {
  if (is_api(call)) {
    WarningRegister(engine, -303);
    return;
  }
  const bool first = engine.warnings.WarningCount[302] == 0;
  WarningRegister(engine, -302);
  if (!first) return;
  TextFile& message = engine.run.message;
  message.blank();
  message.put("**** Warning ****");
  message.blank();
  message.put("An unreasonable value for friction angle was input for a Reese sand layer. ");
  message.put("The input value is either smaller than 20 degrees or higher than 48 degrees.");
  message.put("The input data should be checked for correctness.");
  message.put("The input value for friction angle was used in computations.");
}

// Runtime Errors No. 31 (computed modulus) and No. 32 (initial modulus).
[[noreturn]] void report_modulus_not_a_number(Engine& engine, const LayerCall& call,
                                              const Station& s, bool initial) {
  const CriterionErrors& errors = call.entry->errors;
  const ErrorId& error = initial ? errors.limit_not_a_number : errors.modulus_not_a_number;
  const std::string line = std::string(initial ? "The default value" : "The computed value") +
                           " of soil modulus computed in Reese Sand is not-a-number for node "
                           "number " +
                           std::to_string(s.index);
  write_report_then_message(
      engine,
      {"", error_banner(error.number), "", line,
       "This problem is usually due to a required soil property being left equal to zero."});
  stop_run(engine, error);
}

// ---- Output mode ---------------------------------------------------------------------------

void report_block(Engine& engine, const LayerCall& call, const Station& s,
                  const ReeseSandAtDepth& d) {
  const UnitLabels& labels = engine.run.labels;
  const bool us = engine.options.IUNITS == kUnitsUS;
  const bool cyclic = engine.options.CyclicLoading;
  const SandResistance& r = d.resistance;
  const ReeseSandCurve& curve = d.curve;

  report_title(engine, cyclic ? "p-y Curve in Sand Computed Using Reese Criteria for Cyclic "
                                "Loading Conditions"
                              : "p-y Curve in Sand Computed Using Reese Criteria for Static "
                                "Loading Conditions");
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_depth(engine, "Equivalent Depth (see note)", d.in.z_e);
  report_slope_angles(engine);
  report_value(engine, "Pile Diameter, b", s.b, labels.length);
  report_value(engine, "Angle of Friction", d.in.phi, "degrees");
  // Unit weights are computed per cubic length: the subgrade-modulus label names that unit.
  report_value(engine, "Avg. Eff. Unit Weight", d.in.gamma, labels.subgrade_modulus);
  if (us) report_value(engine, "Avg. Eff. Unit Weight", d.in.gamma * 1728.0, labels.unit_weight);
  report_value(engine, "kpy", d.in.k, labels.subgrade_modulus);
  report_value(engine, "K active", d.coefficients.Ka, "");
  report_value(engine, "K passive", d.coefficients.Kp, "");
  report_value(engine, "K0", d.coefficients.K0, "");
  report_value(engine, "Pst", r.p_st, labels.force_per_length);
  report_value(engine, "Psd", r.p_sd, labels.force_per_length);
  report_value(engine,
               r.p_st <= r.p_sd ? "Ps = Pst (shallow controls)" : "Ps = Psd (deep controls)", r.p_s,
               labels.force_per_length);
  report_value(engine, cyclic ? "A (cyclic)" : "A (static)", d.A, "");
  report_value(engine, cyclic ? "B (cyclic)" : "B (static)", d.B, "");
  report_value(engine, "C = Pm/(Ym^(1/n))", curve.C, "");
  report_value(engine, "n = Pm/(m Ym)", curve.n, "");
  report_value(engine, "m = (Pu-Pm)/(Yu-Ym)", curve.m, labels.stress);
  report_value(engine, "Yk = [c/(kx)]^(n/(n-1))", curve.y_k, labels.length);
  report_value(engine, "Pk", curve.p_k, labels.force_per_length);
  report_value(engine, "Ym = b/60", curve.y_m, labels.length);
  report_value(engine, "Pm = B ps", curve.p_m, labels.force_per_length);
  report_value(engine, "Yu = 3b/80", curve.y_u, labels.length);
  report_value(engine, "Pu = A Ps", curve.p_u, labels.force_per_length);
  report_value(engine, "Es,lim", curve.E0, labels.stress);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
  report_layering_note(engine);

  TextFile& report = engine.run.report;
  report.blank();
  switch (reese_sand_shape(curve)) {
    case ReeseSandShape::kNormal:
      report.put("This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.");
      break;
    case ReeseSandShape::kTriLinear:
      report.put(
          "This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu.");
      break;
    case ReeseSandShape::kBiLinear:
      report.put(
          "This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk.");
      break;
  }
}

ReeseSandAtDepth resolve(Engine& engine, const LayerCall& call, const Station& s, double Y) {
  const double theta = engine.inclination.slope_minus_batter;
  const SandInputs in = resolve_sand_station(engine, call, s, reese_with_slope(Y, theta));
  return reese_sand_at_depth(in, engine.options.CyclicLoading);
}

}  // namespace

// ---- Shared by both criteria ---------------------------------------------------------------

SandCoefficients sand_coefficients(double phi_degrees, double K0, double theta, bool sloping) {
  SandCoefficients c;
  c.phi = phi_degrees * kDegreesToRadians;
  c.alpha = c.phi / 2.0;
  c.beta = kQuarterPi + c.phi / 2.0;
  c.K0 = K0;
  const double tan_active = std::tan(kQuarterPi - c.phi / 2.0);
  c.Ka = tan_active * tan_active;
  const double tan_beta = std::tan(c.beta);
  c.Kp = tan_beta * tan_beta;
  c.Ka_wedge = c.Ka;
  if (sloping) {
    const double cos_t = std::cos(std::fabs(theta));
    const double cos_phi = std::cos(c.phi);
    const double root = std::sqrt(cos_t * cos_t - cos_phi * cos_phi);
    c.Ka_wedge = cos_t * (cos_t - root) / (cos_t + root);
  }
  return c;
}

bool slope_steeper_than_friction(double phi, double theta) {
  const double cos_t = std::cos(std::fabs(theta));
  const double cos_phi = std::cos(phi);
  return cos_t * cos_t - cos_phi * cos_phi < 1e-10;
}

SandResistance sand_resistance(const SandCoefficients& c, const SandInputs& in,
                               double slope_threshold) {
  SandResistance r;
  const double b = in.b;
  const double gamma = in.gamma;
  const double z_e = in.z_e;
  const double z = in.z;
  const double tan_phi = std::tan(c.phi);
  const double tan_alpha = std::tan(c.alpha);
  const double tan_beta = std::tan(c.beta);
  const double sin_beta = std::sin(c.beta);
  const double tan_beta_phi = std::tan(c.beta - c.phi);
  const double term_1 = c.K0 * z_e * tan_phi * sin_beta / (std::cos(c.alpha) * tan_beta_phi);
  const double term_3 = c.K0 * z_e * tan_beta * (tan_phi * sin_beta - tan_alpha);
  const double t = std::fabs(in.theta);
  r.sloping = t > slope_threshold;
  if (!r.sloping) {
    r.p_st = gamma * z_e *
             (term_1 + (tan_beta / tan_beta_phi) * (b + z_e * tan_beta * tan_alpha) + term_3 -
              c.Ka_wedge * b);
  } else {
    const double t_s = std::tan(t) * tan_beta;
    r.D = in.with_slope ? 1.0 + t_s : 1.0 - t_s;
    if (r.D > 1e-20) {
      const double ratio = t_s / r.D;
      const double F = 4.0 * (ratio * ratio * ratio) - 3.0 * (ratio * ratio) + 1.0;
      r.p_st = gamma * z_e *
               ((tan_beta / tan_beta_phi) * (b + z_e * tan_alpha * tan_beta / r.D) / r.D -
                c.Ka_wedge * b + F * term_1 + F * term_3);
    }
  }
  const double Kp2 = c.Kp * c.Kp;
  r.p_sd = b * gamma * z * (c.Ka * (Kp2 * Kp2 - 1.0) + c.K0 * tan_phi * Kp2);
  // Pushed up a slope as steep as the wedge itself, the pile meets the flow resistance only.
  if (r.sloping && r.D <= 1e-10 && t > 1e-10) r.p_st = r.p_sd;
  r.p_s = min_or_nan(r.p_st, r.p_sd);
  return r;
}

double pile_deflection_at_depth(const Engine& engine, double X) {
  const NodeTable& nodes = engine.nodes;
  const int N = nodes.N;
  if (N < 1) return 0.0;
  if (X <= nodes.z[1]) return nodes.y[1];
  for (int j = 2; j <= N; ++j) {
    if (X <= nodes.z[j]) {
      const double span = nodes.z[j] - nodes.z[j - 1];
      if (span <= 0.0) return nodes.y[j];
      return nodes.y[j - 1] + (X - nodes.z[j - 1]) * (nodes.y[j] - nodes.y[j - 1]) / span;
    }
  }
  return nodes.y[N];
}

SandSoil read_sand_soil(Engine& engine, const LayerCall& call, const Station& s) {
  const bool api = is_api(call);
  const int i = call.layer;
  const double theta = engine.inclination.slope_minus_batter;

  SandSoil soil;
  soil.phi = fn_phi(engine, s.X);
  const double phi = soil.phi * kDegreesToRadians;
  if (!s.first && phi < 1e-10) report_zero_friction_angle(engine, call);
  if (soil.phi < kLowestFrictionAngle || soil.phi > kHighestFrictionAngle) {
    report_unreasonable_friction_angle(engine, call);
    soil.unreasonable = true;
  }
  const bool slope_checked = !api || std::fabs(theta) > kApiSandSlope;
  if (slope_checked && slope_steeper_than_friction(phi, theta)) report_steep_slope(engine, call);

  soil.gamma = fn_gamma_avg(engine, s.X);
  SoilLayers& layers = engine.soil;
  if (layers.k_top[i] > 0.0) {
    soil.k = fn_k_in_layer(engine, i, s.X);
  } else {
    layers.k_top[i] = 0.0;
    layers.k_bottom[i] = 0.0;
    soil.k = fn_sand_default_k(engine, soil.phi, soil.gamma);
    soil.default_k = true;
  }
  return soil;
}

double sand_effective_depth(Engine& engine, const LayerCall& call, const Station& s,
                            const SandSoil& soil) {
  const bool api = is_api(call);
  const EqDepthUpdate update = api ? EqDepthUpdate::kEveryPass : EqDepthUpdate::kOnce;
  // The wedge is worked out only where the equivalent depth may be computed.
  const auto wedge = [&] {
    const double theta = engine.inclination.slope_minus_batter;
    const double K0 = api ? kApiSandK0 : kReeseSandK0;
    const double threshold = api ? kApiSandSlope : kReeseSandSlope;
    const SandCoefficients c =
        sand_coefficients(soil.phi, K0, theta, std::fabs(theta) > threshold);
    return wedge_soil_parameters(s, soil.gamma, soil.phi, c);
  };
  return effective_depth_of(engine, s, wedge, update, 1e-8);
}

SandInputs sand_inputs(const Engine& engine, const Station& s, const SandSoil& soil, double z_e,
                       bool with_slope) {
  SandInputs in;
  in.phi = soil.phi;
  in.gamma = soil.gamma;
  in.k = soil.k;
  in.default_k = soil.default_k;
  in.b = s.b;
  in.z = s.z;
  in.z_e = z_e;
  in.theta = engine.inclination.slope_minus_batter;
  in.with_slope = with_slope;
  return in;
}

SandInputs resolve_sand_station(Engine& engine, const LayerCall& call, const Station& s,
                                bool with_slope) {
  const SandSoil soil = read_sand_soil(engine, call, s);
  return sand_inputs(engine, s, soil, sand_effective_depth(engine, call, s, soil), with_slope);
}

SandSoil node_sand_soil(Engine& engine, const LayerCall& call, const Station& s) {
  NodeDepthPart& part = engine.py.depth_parts[s.index];
  std::array<double, 16>& kept = part.soil;
  if (part.soil_valid) {
    if (part.warning != 0) report_unreasonable_friction_angle(engine, call);
    const bool default_k = engine.soil.k_top[call.layer] <= 0.0;
    return {kept[kSandPhi], kept[kSandGamma], kept[kSandK], default_k, part.warning != 0};
  }
  const SandSoil soil = read_sand_soil(engine, call, s);
  kept[kSandPhi] = soil.phi;
  kept[kSandGamma] = soil.gamma;
  kept[kSandK] = soil.k;
  part.warning = soil.unreasonable ? (is_api(call) ? -303 : -302) : 0;
  return soil;
}

NodeSoilParameters wedge_soil_parameters(const Station& s, double gamma, double phi,
                                         const SandCoefficients& c) {
  NodeSoilParameters parameters;
  parameters.b = s.b;
  parameters.gamma = gamma;
  parameters.phi = phi;
  parameters.alpha = c.alpha;
  parameters.beta = c.beta;
  parameters.K0 = c.K0;
  parameters.Ka = c.Ka_wedge;
  parameters.Kp = c.Kp;
  parameters.z0 = s.z;
  return parameters;
}

void report_layering_note(Engine& engine) {
  TextFile& report = engine.run.report;
  report.blank();
  if (engine.py.NoLayeringCount > 0) {
    report.put("This layer is below one or more layers of rock.  In this case, the ");
    report.put("layering correction is not used and the true depth below the ground ");
    report.put("surface is used when computing the p-y curve.  ");
  } else {
    report.put("This p-y curve is computed using the equivalent depth.");
  }
}

// ---- "Sand" --------------------------------------------------------------------------------

double reese_sand_A(double z, double b, bool cyclic) { return A_sand(z, b, cyclic); }

double reese_sand_B(double z, double b, bool cyclic) {
  return sand_factor(cyclic ? kBCyclic : kBStatic, z / b);
}

namespace {

// p of the four segments, before the initial line caps it.
double reese_sand_segments(const ReeseSandCurve& c, double y) {
  if (y <= c.y_k && y < c.y_m) return c.E0 * y;
  if (y <= c.y_m) return c.n == 0.0 ? 0.0 : c.C * std::pow(y, 1.0 / c.n);
  if (y <= c.y_u) return c.p_m + c.m * (y - c.y_m);
  return c.p_u;
}

}  // namespace

double reese_sand_p(const ReeseSandCurve& curve, double y) {
  return min_or_nan(reese_sand_segments(curve, y), curve.E0 * y);
}

bool reese_sand_cut_by_initial_line(const ReeseSandCurve& curve, double y) {
  return curve.E0 * y < reese_sand_segments(curve, y);
}

ReeseSandShape reese_sand_shape(const ReeseSandCurve& curve) {
  if (curve.y_k < curve.y_m) return ReeseSandShape::kNormal;
  if (curve.y_k < curve.y_u) return ReeseSandShape::kTriLinear;
  return ReeseSandShape::kBiLinear;
}

ReeseSandAtDepth reese_sand_at_depth(const SandInputs& in, bool cyclic) {
  ReeseSandAtDepth d;
  d.in = in;
  // Above the ground surface there is no soil: the depth counts as 0 and p as 0.
  if (d.in.z_e < 0.0) d.in.z_e = 0.0;
  const double z_e = d.in.z_e;
  const double b = in.b;
  const bool sloping = std::fabs(in.theta) > kReeseSandSlope;
  d.coefficients = sand_coefficients(in.phi, kReeseSandK0, in.theta, sloping);
  d.resistance = sand_resistance(d.coefficients, d.in, kReeseSandSlope);
  d.A = reese_sand_A(z_e, b, cyclic);
  d.B = reese_sand_B(z_e, b, cyclic);

  ReeseSandCurve& c = d.curve;
  const double p_s = d.resistance.p_s;
  c.E0 = in.k * z_e;
  c.y_m = b / 60.0;
  c.y_u = 3.0 * b / 80.0;
  c.p_u = d.A * p_s;
  c.p_m = d.B * p_s;
  c.m = (c.p_u - c.p_m) / (c.y_u - c.y_m);
  if (z_e != 0.0) {
    c.n = c.p_m / (c.m * c.y_m);
    c.C = c.p_m / std::pow(c.y_m, 1.0 / c.n);
    c.y_k = std::pow(c.C / c.E0, c.n / (c.n - 1.0));
    c.p_k = c.C * std::pow(c.y_k, 1.0 / c.n);
  }
  return d;
}

std::array<double, 17> reese_sand_points(const ReeseSandCurve& c, double b) {
  std::array<double, 17> y{};
  switch (reese_sand_shape(c)) {
    case ReeseSandShape::kNormal:
      y[1] = c.y_k;
      for (int k = 3; k <= 12; ++k) y[k - 1] = c.y_k + (k - 2) * (c.y_m - c.y_k) / 11.0;
      y[12] = c.y_m;
      y[13] = 13.0 * b / 480.0;
      y[14] = c.y_u;
      y[15] = 1.025 * c.y_u;
      y[16] = 1.05 * c.y_u;
      break;
    case ReeseSandShape::kTriLinear: {
      // Where the initial line meets the line through (y_k, p_k) and (y_u, p_u).
      const double s_l = (c.p_u - c.p_k) / (c.y_u - c.y_k);
      const double y_i = (c.p_u - c.y_u * s_l) / (c.E0 - s_l);
      y[1] = y_i;
      for (int k = 3; k <= 14; ++k) y[k - 1] = y_i + (k - 2) * (c.y_u - y_i) / 13.0;
      y[14] = c.y_u;
      y[15] = 1.025 * c.y_u;
      y[16] = 1.05 * c.y_u;
      break;
    }
    case ReeseSandShape::kBiLinear: {
      const double y_e = c.p_u / c.E0;
      for (int k = 2; k <= 15; ++k) y[k - 1] = (k - 1) * y_e / 14.0;
      y[15] = 1.025 * y_e;
      y[16] = 1.05 * y_e;
      break;
    }
  }
  return y;
}

namespace {

// Places of a Reese sand node's depth part after the soil values: what the kept curve was
// built for, then the curve.
enum ReeseSlot : std::size_t { kReeseZe = kSandOwnSlots, kReeseDirection, kReeseCurve };
constexpr double ReeseSandCurve::*const kReeseKept[] = {
    &ReeseSandCurve::E0, &ReeseSandCurve::y_m, &ReeseSandCurve::y_u, &ReeseSandCurve::p_m,
    &ReeseSandCurve::p_u, &ReeseSandCurve::m,   &ReeseSandCurve::n,   &ReeseSandCurve::C,
    &ReeseSandCurve::y_k, &ReeseSandCurve::p_k};
static_assert(kReeseCurve + std::size(kReeseKept) <= sizeof(NodeDepthPart::soil) / sizeof(double));

// The curve at a pile node. Its soil values are kept for the solution (node_sand_soil), with the
// last curve built and the effective depth and direction of movement it was built for. A later
// pass works out the effective depth and the direction of the present deflection again and
// builds the curve again only when one of them differs.
ReeseSandCurve node_curve(Engine& engine, const LayerCall& call, const Station& s) {
  NodeDepthPart& part = engine.py.depth_parts[s.index];
  const SandSoil soil = node_sand_soil(engine, call, s);
  const double theta = engine.inclination.slope_minus_batter;
  const bool with_slope = reese_with_slope(s.Y, theta);
  const double z_e = sand_effective_depth(engine, call, s, soil);
  // On level ground the direction does not reach the curve.
  const double direction = std::fabs(theta) > kReeseSandSlope && !with_slope ? -1.0 : 1.0;
  ReeseSandCurve c;
  if (part.soil_valid && part.soil[kReeseZe] == z_e && part.soil[kReeseDirection] == direction) {
    kept_curve(part, kReeseCurve, c, kReeseKept);
    return c;
  }
  const SandInputs in = sand_inputs(engine, s, soil, z_e, with_slope);
  c = reese_sand_at_depth(in, engine.options.CyclicLoading).curve;
  part.soil[kReeseZe] = z_e;
  part.soil[kReeseDirection] = direction;
  keep_curve(part, kReeseCurve, c, kReeseKept);
  part.soil_valid = true;
  return c;
}

}  // namespace

void reese_sand_moduli(Engine& engine, const LayerCall& call) {
  const SoilLayers& soil = engine.soil;
  const NodeTable& nodes = engine.nodes;
  const int i = call.layer;
  double& F = engine.py.FLayer[i];
  double previous_p_u = 0.0;
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const ReeseSandCurve curve = node_curve(engine, call, s);

    double Es = curve.E0;
    if (s.y >= kSmallDeflection) {
      Es = reese_sand_p(curve, s.y) * s.p_mult / (s.y * s.y_mult);
      if (!std::isfinite(Es)) report_modulus_not_a_number(engine, call, s, false);
    } else if (!std::isfinite(Es)) {
      report_modulus_not_a_number(engine, call, s, true);
    }
    set_node_modulus(engine, s, Es);

    // Ultimate resistance over the layer, for the equivalent depths of the layers below.
    if (s.first) {
      F = 0.0;
    } else {
      F += trapezoid(previous_p_u, curve.p_u, nodes.h);
    }
    if (s.last) F += curve.p_u * (soil.XLayerBottom[i] - s.x);
    if (soil.XS < -0.00001 && i == 1) {
      F = curve.p_u / 2.0 * (soil.XLayerBottom[1] - soil.XLayerTop[1]);
    }
    previous_p_u = curve.p_u;
  }
}

void reese_sand_curves(Engine& engine, const LayerCall& call) {
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    const ReeseSandAtDepth d = resolve(engine, call, s, pile_deflection_at_depth(engine, s.X));
    report_block(engine, call, s, d);

    const std::array<double, 17> ys = reese_sand_points(d.curve, s.b);
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    begin_printed_curve(engine, printed, static_cast<int>(ys.size()));
    bool any_cut = false;
    int point = 0;
    for (const double y : ys) {
      const bool cut = reese_sand_cut_by_initial_line(d.curve, y);
      any_cut = any_cut || cut;
      write_curve_point(engine, printed, ++point, y, reese_sand_p(d.curve, y), cut ? "   *" : "");
    }
    TextFile& report = engine.run.report;
    if (any_cut) {
      report.blank();
      report.put("* p value(s) computed using p = k * Eff x * y ");
    }
    if (d.in.default_k) {
      report.blank();
      report.put("The above p-y curve was computed using internal default values of k.");
    }
  }
}

}  // namespace torva
