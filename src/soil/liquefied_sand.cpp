#include "soil/liquefied_sand.h"

#include <cmath>
#include <iterator>
#include <limits>

#include "soil/soil_profile.h"

namespace torva {

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr double kPoundsPerInchPerKNPerMetre = 5.710147;
// 10 kN/m^3, the unit weight the published depths are normalised by, in lb/in^3.
constexpr double kTenKNPerCubicMetreUS = 0.0368396;
constexpr double kLimit = 15.0;           // kN/m: p_150 at and above this is cut to it
constexpr double kDeflection150 = 150.0;  // mm

// Printed deflections of a curve that never reaches the limit: up to 150 mm and 5 percent more.
constexpr std::array<double, 17> kFixedPointsSI = {0.0,   0.003, 0.0065, 0.01,  0.0125, 0.015,
                                                   0.03,  0.045, 0.06,   0.075, 0.09,   0.10,
                                                   0.115, 0.125, 0.14,   0.15,  0.1575};
constexpr std::array<double, 17> kFixedPointsUS = {0.0, 0.125, 0.25, 0.375,    0.5,     1.0,
                                                   1.5, 2.0,   2.5,  3.0,      3.5,     4.0,
                                                   4.5, 5.0,   5.5,  5.905512, 6.200788};

// The smaller value; not-a-number when either is, so that the modulus test sees it.
double min_or_nan(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
  return a < b ? a : b;
}

LiquefiedSandAtDepth resolve(Engine& engine, const LayerCall& call, const Station& s) {
  LiquefiedSandInputs in;
  in.b = s.b;
  in.z = s.z;
  in.gamma = fn_gamma_avg(engine, s.X);
  in.first_layer = call.layer == 1;
  in.us_units = engine.options.IUNITS == kUnitsUS;
  return liquefied_sand_at_depth(in);
}

// Places of a node's depth part (NodeDepthPart::soil): the upper limit in the run's units, then
// the curve, which depends on the depth and the soil alone.
enum Slot : std::size_t { kPu, kCurve };
constexpr double LiquefiedSandCurve::*const kKept[] = {
    &LiquefiedSandCurve::P_d,    &LiquefiedSandCurve::A,
    &LiquefiedSandCurve::B,      &LiquefiedSandCurve::C,
    &LiquefiedSandCurve::P_u_kN, &LiquefiedSandCurve::mm_per_length,
    &LiquefiedSandCurve::force_factor};
static_assert(kCurve + std::size(kKept) <= sizeof(NodeDepthPart::soil) / sizeof(double));

struct NodeCurve {
  LiquefiedSandCurve curve;
  double P_u = 0.0;  // upper limit (force/length of the run)
};

// The curve at a pile node: worked out at the first pass of a solution and kept in the node's
// depth part for the passes after it.
NodeCurve node_curve(Engine& engine, const LayerCall& call, const Station& s) {
  NodeDepthPart& part = engine.py.depth_parts[s.index];
  NodeCurve node;
  if (part.soil_valid) {
    kept_curve(part, kCurve, node.curve, kKept);
    node.P_u = part.soil[kPu];
    return node;
  }
  const LiquefiedSandAtDepth d = resolve(engine, call, s);
  node.curve = d.curve;
  node.P_u = d.P_u;
  part.soil[kPu] = d.P_u;
  keep_curve(part, kCurve, d.curve, kKept);
  part.soil_valid = true;
  return node;
}

void report_block(Engine& engine, const Station& s, const LiquefiedSandAtDepth& d) {
  const UnitLabels& labels = engine.run.labels;
  const LiquefiedSandCurve& c = d.curve;
  report_title(engine, "p-y Curve Computed Using Liquefied Sand Criteria");
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_value(engine, "Normalized depth below ground surface in meters*", d.z_n, "");
  report_value(engine, "Pile Diameter", s.b, labels.length);
  report_value(engine, "Pile Diameter in meters ", d.b_m, "");
  report_value(engine, "Avg. Eff. Unit Weight", d.in.gamma, labels.subgrade_modulus);
  report_value(engine, "A ", c.A, "");
  report_value(engine, "B ", c.B, "");
  report_value(engine, "C ", c.C, "");
  report_value(engine, "Pd", c.P_d, "");
  report_value(engine, "Upper limit Pu", d.P_u, labels.force_per_length);
  report_value(engine, "Yu ", d.y_u, labels.length);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
  TextFile& report = engine.run.report;
  if (!d.in.first_layer) {
    report.blank();
    report.put("The depth of the p-y curve was equated to the initial vertical stress divided ");
    report.put("by 10 kN/m3, as recommended by Rollins, et al. (2005)");
  }
  if (d.z_n > 6.0) {
    report.blank();
    report.put("NOTE: The normalized depth of the p-y curve is deeper than the depth of ");
    report.put("6.0 meters recommended by Rollins, et al. (2005)");
  }
}

}  // namespace

double liquefied_sand_p(const LiquefiedSandCurve& c, double y) {
  const double y_mm = y * c.mm_per_length;
  const double p = min_or_nan(c.P_u_kN, c.P_d * c.A * std::pow(c.B * y_mm, c.C));
  return p * c.force_factor;
}

LiquefiedSandAtDepth liquefied_sand_at_depth(const LiquefiedSandInputs& in) {
  LiquefiedSandAtDepth d;
  d.in = in;
  LiquefiedSandCurve& c = d.curve;
  c.mm_per_length = in.us_units ? 25.4 : 1000.0;
  c.force_factor = in.us_units ? kPoundsPerInchPerKNPerMetre : 1.0;

  d.b_m = in.us_units ? in.b * kMetresPerInch : in.b;
  c.P_d = d.b_m <= 0.3 ? d.b_m / 0.3 : 3.81 * std::log(d.b_m) + 5.6;
  if (in.first_layer) {
    d.z_n = in.us_units ? in.z * kMetresPerInch : in.z;
  } else if (in.us_units) {
    d.z_n = in.gamma * in.z / kTenKNPerCubicMetreUS * kMetresPerInch;
  } else {
    d.z_n = in.gamma * in.z / 10.0;
  }
  const double depth_term = d.z_n + 1.0;
  c.A = 3e-7 * std::pow(depth_term, 6.05);
  c.B = 2.8 * std::pow(depth_term, 0.11);
  c.C = 2.85 * std::pow(depth_term, -0.41);

  d.p_150 = c.A * std::pow(kDeflection150 * c.B, c.C);
  d.limited = d.p_150 >= kLimit;
  c.P_u_kN = c.P_d * min_or_nan(kLimit, d.p_150);
  const double y_u_mm = d.limited
                            ? std::exp(std::log(c.P_u_kN / (c.P_d * c.A)) / c.C - std::log(c.B))
                            : kDeflection150;
  d.y_u = y_u_mm / c.mm_per_length;
  d.P_u = c.P_u_kN * c.force_factor;
  return d;
}

std::array<double, 17> liquefied_sand_points(const LiquefiedSandAtDepth& d) {
  if (!d.limited) return d.in.us_units ? kFixedPointsUS : kFixedPointsSI;
  std::array<double, 17> y{};
  for (int k = 1; k <= 16; ++k) y[k - 1] = (k - 1) * d.y_u / 15.0;
  y[16] = 1.05 * d.y_u;
  return y;
}

// The curve does not depend on the number of cycles of loading, and the run's number is left
// as given.
void liquefied_sand_moduli(Engine& engine, const LayerCall& call) {
  const SoilLayers& soil = engine.soil;
  const NodeTable& nodes = engine.nodes;
  PYState& py = engine.py;
  const int i = call.layer;
  double& F = py.FLayer[i];
  double previous = 0.0;
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const NodeCurve node = node_curve(engine, call, s);

    // No resistance without deflection: the curve starts with zero slope.
    double Es = 0.0;
    if (s.y != 0.0) Es = (s.p_mult / s.y_mult) * liquefied_sand_p(node.curve, s.y) / s.y;
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);

    // The upper limit over the layer, for the equivalent depths of the layers below.
    if (s.first) {
      F = 0.0;
    } else {
      F += trapezoid(previous, node.P_u, nodes.h);
    }
    if (s.last) F += node.P_u * (soil.XLayerBottom[i] - s.x);
    if (soil.XS < -0.00001 && i == 1) {
      F = node.P_u / 2.0 * (soil.XLayerBottom[1] - soil.XLayerTop[1]);
    }
    py.FLayerAlt[i] = F;
    previous = node.P_u;
  }
}

void liquefied_sand_curves(Engine& engine, const LayerCall& call) {
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    const LiquefiedSandAtDepth d = resolve(engine, call, s);
    report_block(engine, s, d);
    const std::array<double, 17> ys = liquefied_sand_points(d);
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    write_printed_curve(engine, printed, ys,
                        [&](int, double y) { return liquefied_sand_p(d.curve, y); });
  }
}

}  // namespace torva
