// "API Sand": p = A p_u tanh(k z y / (A p_u)), with the ultimate resistance written through the
// coefficients C1, C2 and C3 of the friction angle.
#include <array>
#include <cmath>
#include <iterator>
#include <string_view>

#include "soil/sand.h"

namespace torva {

namespace {

constexpr double kPi = 3.141592653589793;

// Below this deflection (length) the modulus is the initial modulus.
constexpr double kSmallDeflection = 1e-14;

// Steps of the printed curve where the sand has no initial stiffness (the ground surface):
// 0.05 in, and the same length in metres.
constexpr double kSurfaceStepUS = 0.05;
constexpr double kSurfaceStepSI = 0.00127;

// The direction of the deflection for the sloping-ground wedge, carried from node to node: a
// deflection within 1e-14 of zero keeps the direction of the node before it (the first node
// of a pass starts from a positive one), except that a deflection of exactly zero on ground
// sloping the positive way counts as positive.
class SlopeDirection {
 public:
  bool with_slope(double Y, double theta) {
    if (Y > 1e-14) {
      positive_ = true;
    } else if (Y < -1e-14) {
      positive_ = false;
    } else if (Y == 0.0 && theta > 1e-14) {
      positive_ = true;
    }
    return positive_ == (theta > 0.0);
  }

 private:
  bool positive_ = true;
};

ApiSandAtDepth resolve(Engine& engine, const LayerCall& call, const Station& s, double Y,
                       SlopeDirection& direction) {
  const double theta = engine.inclination.slope_minus_batter;
  const SandInputs in = resolve_sand_station(engine, call, s, direction.with_slope(Y, theta));
  return api_sand_at_depth(in, engine.options.CyclicLoading, engine.py.NoLayeringCount > 0);
}

// Places of an API sand node's depth part after the soil values: what the kept curve was built
// for (the effective depth, the direction of movement and whether the initial modulus takes the
// true depth), p at 3b/80, which the layer's resistance sums, then the curve.
enum ApiSlot : std::size_t {
  kApiZe = kSandOwnSlots, kApiDirection, kApiTrueDepth, kApiAt3bOver80, kApiCurve
};
constexpr double ApiSandCurve::*const kApiKept[] = {&ApiSandCurve::A, &ApiSandCurve::p_u,
                                                    &ApiSandCurve::k, &ApiSandCurve::z_e,
                                                    &ApiSandCurve::E0};
static_assert(kApiCurve + std::size(kApiKept) <= sizeof(NodeDepthPart::soil) / sizeof(double));

struct NodeCurve {
  ApiSandCurve curve;
  double at_3b_over_80 = 0.0;
};

// The curve at a pile node and its p at 3b/80. Its soil values are kept for the solution
// (node_sand_soil), with the last curve built and what it was built for. A later pass works
// these out again and builds the curve again only when one of them differs.
NodeCurve node_curve(Engine& engine, const LayerCall& call, const Station& s,
                     SlopeDirection& direction) {
  NodeDepthPart& part = engine.py.depth_parts[s.index];
  const SandSoil soil = node_sand_soil(engine, call, s);
  const double theta = engine.inclination.slope_minus_batter;
  const bool with_slope = direction.with_slope(s.Y, theta);
  const double z_e = sand_effective_depth(engine, call, s, soil);
  const bool true_depth = engine.py.NoLayeringCount > 0;
  // On level ground the direction does not reach the curve.
  const double way = std::fabs(theta) > kApiSandSlope && !with_slope ? -1.0 : 1.0;
  const double depth_key = true_depth ? 1.0 : 0.0;
  NodeCurve node;
  if (part.soil_valid && part.soil[kApiZe] == z_e && part.soil[kApiDirection] == way &&
      part.soil[kApiTrueDepth] == depth_key) {
    kept_curve(part, kApiCurve, node.curve, kApiKept);
    node.at_3b_over_80 = part.soil[kApiAt3bOver80];
    return node;
  }
  const SandInputs in = sand_inputs(engine, s, soil, z_e, with_slope);
  node.curve = api_sand_at_depth(in, engine.options.CyclicLoading, true_depth).curve;
  node.at_3b_over_80 = api_sand_p(node.curve, 3.0 * s.b / 80.0);
  part.soil[kApiZe] = z_e;
  part.soil[kApiDirection] = way;
  part.soil[kApiTrueDepth] = depth_key;
  part.soil[kApiAt3bOver80] = node.at_3b_over_80;
  keep_curve(part, kApiCurve, node.curve, kApiKept);
  part.soil_valid = true;
  return node;
}

void report_block(Engine& engine, const LayerCall& call, const Station& s,
                  const ApiSandAtDepth& d) {
  const UnitLabels& labels = engine.run.labels;
  const SandResistance& r = d.resistance;
  report_title(engine, engine.options.CyclicLoading
                           ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading"
                           : "p-y Curve Computed Using API Sand Criteria for Static Loading");
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_depth(engine, "Equivalent Depth (see note)", d.in.z_e);
  report_slope_angles(engine);
  report_value(engine, "Diameter", s.b, labels.length);
  report_value(engine, "Friction Angle phi", d.in.phi, "deg.");
  report_value(engine, "Avg. Eff. Unit Weight", d.in.gamma, labels.subgrade_modulus);
  report_value(engine, "A", d.curve.A, "");
  report_value(engine, "k", d.in.k, labels.subgrade_modulus);
  report_value(engine, "C1", d.C1, "");
  report_value(engine, "C2", d.C2, "");
  report_value(engine, "C3", d.C3, "");
  report_value(engine, "Pus", r.p_st, labels.force_per_length);
  report_value(engine, "Pud", r.p_sd, labels.force_per_length);
  report_value(engine, "Pu", r.p_s, labels.force_per_length);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
  report_layering_note(engine);
}

}  // namespace

double api_sand_p(const ApiSandCurve& c, double y) {
  if (c.z_e < 1e-10) return 0.0;
  return c.A * c.p_u * std::tanh(c.k * c.z_e * y / (c.A * c.p_u));
}

ApiSandAtDepth api_sand_at_depth(const SandInputs& in, bool cyclic, bool true_depth_modulus) {
  ApiSandAtDepth d;
  d.in = in;
  const double b = in.b;
  const double gamma = in.gamma;
  const double z_e = in.z_e;
  const bool sloping = std::fabs(in.theta) > kApiSandSlope;
  d.coefficients = sand_coefficients(in.phi, kApiSandK0, in.theta, sloping);
  const SandCoefficients& c = d.coefficients;
  const double tan_phi = std::tan(c.phi);
  const double tan_alpha = std::tan(c.alpha);
  const double tan_beta = std::tan(c.beta);
  d.C1 = tan_beta *
         (tan_alpha * c.Kp +
          c.K0 * (tan_phi * std::sin(c.beta) * (1.0 / std::cos(c.alpha) + 1.0) - tan_alpha));
  d.C2 = c.Kp - c.Ka;
  d.C3 = c.Kp * c.Kp * (c.Kp + c.K0 * tan_phi) - c.Ka;

  SandResistance& r = d.resistance;
  if (sloping) {
    r = sand_resistance(c, in, kApiSandSlope);
  } else {
    r.p_st = (d.C1 * z_e + d.C2 * b) * gamma * z_e;
  }
  r.p_sd = d.C3 * b * gamma * in.z;
  if (r.sloping && r.D <= 1e-10) r.p_st = r.p_sd;
  r.p_s = min_or_nan(r.p_st, r.p_sd);

  ApiSandCurve& curve = d.curve;
  curve.A = cyclic ? 0.9 : max_or_nan(0.9, 3.0 - 0.8 * z_e / b);
  curve.p_u = r.p_s;
  curve.k = in.k;
  curve.z_e = z_e;
  curve.E0 = in.k * (true_depth_modulus ? in.z : z_e);
  return d;
}

std::array<double, 17> api_sand_points(const ApiSandCurve& c, double surface_step) {
  const double kz = c.k * c.z_e;
  const double dy = kz == 0.0 ? surface_step : c.A * c.p_u * (kPi / 16.0) / kz;
  std::array<double, 17> y{};
  for (int k = 1; k <= 17; ++k) y[k - 1] = (k - 1) * dy;
  return y;
}

void api_sand_moduli(Engine& engine, const LayerCall& call) {
  const SoilLayers& soil = engine.soil;
  const NodeTable& nodes = engine.nodes;
  const int i = call.layer;
  double& F = engine.py.FLayer[i];
  SlopeDirection direction;
  double previous = 0.0;
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const NodeCurve node = node_curve(engine, call, s, direction);

    double Es = node.curve.E0;
    if (s.y >= kSmallDeflection) {
      Es = api_sand_p(node.curve, s.y) * s.p_mult / (s.y * s.y_mult);
    }
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);

    // The resistance at 3b/80 over the layer, for the equivalent depths of the layers below.
    const double value = node.at_3b_over_80;
    if (s.first) {
      F = 0.0;
    } else {
      F += trapezoid(previous, value, nodes.h);
    }
    if (s.last) F += value * (soil.XLayerBottom[i] - s.x);
    if (soil.XS < -0.00001 && i == 1) {
      F = value / 2.0 * (soil.XLayerBottom[1] - soil.XLayerTop[1]);
    }
    previous = value;
  }
}

void api_sand_curves(Engine& engine, const LayerCall& call) {
  const int units = engine.options.IUNITS;
  SlopeDirection direction;
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    const ApiSandAtDepth d =
        resolve(engine, call, s, pile_deflection_at_depth(engine, s.X), direction);
    report_block(engine, call, s, d);

    // General units have no fixed length: the step is the 0.05 in of a 24 in pile, scaled.
    const double step = units == kUnitsUS   ? kSurfaceStepUS
                        : units == kUnitsSI ? kSurfaceStepSI
                                            : s.b / 480.0;
    const std::string_view heading = units == kUnitsUS   ? "    y, inches           p, lb/inch   "
                                     : units == kUnitsSI ? "    y, meter           p, kN/meter   "
                                                         : "";
    const std::array<double, 17> ys = api_sand_points(d.curve, step);
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult, heading};
    write_printed_curve(engine, printed, ys, [&](int, double y) { return api_sand_p(d.curve, y); });
    if (d.in.default_k) {
      engine.run.report.blank();
      engine.run.report.put(
          "The above p-y curve was computed using the internal default value of k.");
    }
  }
}

}  // namespace torva
