#include "soil/stiff_clay.h"

#include <array>
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "model/single_precision.h"
#include "report/fields.h"
#include "soil/sand.h"
#include "soil/soil_profile.h"

namespace torva {

namespace {

// Below this deflection (length) the modulus is the initial modulus.
constexpr double kSmallDeflection = 1e-14;
// "StfClyAW": below this share of the pile width the curve is its secant line (double 2e-5).
constexpr double kSecantShareOfWidth = 0.00002;

// What tells the three criteria apart in their checks, messages and report blocks.
struct StiffClayVariant {
  StiffClayKind kind;
  const char* name;           // in the texts of our own errors
  const char* title_static;
  const char* title_cyclic;
  const char* title_tail;     // a second title line, or null
  double half_root_two;       // sqrt(2) / 2 of the sloping factor F_up
  double low_si;              // strength warning bounds in SI units (kPa)
  double high_si;
  int warning;                // US below, US above, SI below, SI above: warning + 0 .. 3
};

constexpr StiffClayVariant kWithWater{
    StiffClayKind::kWithWater,
    "stiff clay with free water",
    "p-y Curve Computed Using Static Criteria for Stiff Clay with Free Water",
    "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water",
    nullptr,
    0.7071067811865476,
    single(23.940128f),
    single(383.04205f),
    3051};
constexpr StiffClayVariant kWithoutWater{
    StiffClayKind::kWithoutWater,
    "stiff clay without free water",
    "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water",
    "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water",
    nullptr,
    single(0.70710677f),
    single(23.94f),
    single(383.04f),
    3061};
constexpr StiffClayVariant kWithK{
    StiffClayKind::kWithK,
    "stiff clay without free water using k",
    "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water",
    "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water",
    "with Option of Defining Initial k",
    single(0.70710677f),
    single(23.94f),
    single(383.04f),
    3261};

const StiffClayVariant& variant_of(const LayerCall& call) {
  switch (call.entry->code) {
    case criterion::kStiffClayWithoutWater:
      return kWithoutWater;
    case criterion::kStiffClayWithoutWaterK:
      return kWithK;
    default:
      return kWithWater;
  }
}

// Strength warning bounds in US customary units: 500 and 8000 lb/ft^2.
constexpr double kLowStrengthUS = single(3.4722223f);
constexpr double kHighStrengthUS = single(55.555557f);

// The stiff clay rule for the direction of movement: a deflection or slope of 1e-20 or less
// counts as negative, so a node at rest under a positive slope moves up it.
double stiff_clay_sloping_factor(const SlopingGroundFactors& f, double theta, double Y) {
  return (Y > 1e-20) == (theta > 1e-20) ? f.down : f.up;
}

// The factor of a station: 1 on level ground (a slope of 1e-20 or less either way).
double stiff_clay_station_factor(const SlopingGroundFactors& f, double theta, double Y) {
  return std::fabs(theta) > 1e-20 ? stiff_clay_sloping_factor(f, theta, Y) : 1.0;
}

// "StfClyAW": y_min of a pile of width b.
double without_water_y_min(double b) { return kSecantShareOfWidth * b; }

// Input Data Error No. 14 ("StfClyBW") or No. 13 ("StfClyAW", "StfClyAK").
[[noreturn]] void report_zero_cohesion(Engine& engine, const LayerCall& call) {
  const ErrorId& error = call.entry->errors.zero_strength;
  const std::string banner = error_banner(error.number);
  if (variant_of(call).kind == StiffClayKind::kWithWater) {
    write_report_then_message(
        engine,
        {"", banner, "", "An error was detected in the input data used to compute p-y curves in ",
         "stiff clay with free water.",
         "Problem:  Zero was input for the cohesion of a stiff clay. ",
         "Solution:  Check and compare the values of shear strength and revise the ",
         "input so that the strength values are correct for the soil types specified."});
  } else {
    write_report_then_message(
        engine, {"", banner, "", "An error was detected in the input data.",
                 "Problem:  Zero was input for cohesion of stiff clay without free water.",
                 "Solution:  Please check the values of soil shear strength and revise the input "
                 "data."});
  }
  stop_run(engine, error);
}

// The strength warning of a station (negative, as registered), 0 when none.
int strength_warning(const Engine& engine, const StiffClayVariant& v, double c) {
  const int units = engine.options.IUNITS;
  if (units == kUnitsUS) {
    if (c < kLowStrengthUS) return -v.warning;
    if (c > kHighStrengthUS) return -(v.warning + 1);
  } else if (units == kUnitsSI) {
    if (c < v.low_si) return -(v.warning + 2);
    if (c > v.high_si) return -(v.warning + 3);
  }
  return 0;
}

// Trapezoid average of c over depth from a first depth, station by station.
class RunningAverage {
 public:
  void start(double z, double c) {
    z_first_ = z_ = z;
    c_ = c;
    sum_ = 0.0;
  }
  // c_a at depth z, where the strength is c.
  double add(double z, double c) {
    sum_ += trapezoid(c_, c, z - z_);
    z_ = z;
    c_ = c;
    return z > z_first_ ? sum_ / (z - z_first_) : c;
  }

 private:
  double z_first_ = 0.0;
  double z_ = 0.0;
  double c_ = 0.0;
  double sum_ = 0.0;
};

// "StfClyBW" below layer 1 at a printed curve: c averaged over the layer's pile nodes from its
// first one down to the curve's depth, as the nodes average it; c itself at or above that node.
double average_from_first_node(Engine& engine, int layer, double X, double c_X) {
  const NodeTable& nodes = engine.nodes;
  int j = 1;
  while (j < nodes.N && !(nodes.z[j] >= engine.soil.XLayerTop[layer])) ++j;
  if (X <= nodes.z[j]) return c_X;
  RunningAverage average;
  average.start(nodes.z[j], fn_c(engine, nodes.z[j]));
  for (++j; j <= nodes.N && nodes.z[j] < X; ++j) average.add(nodes.z[j], fn_c(engine, nodes.z[j]));
  return average.add(X, c_X);
}

// The soil values of the curve at a station, which depend on its depth alone.
struct StiffClaySoil {
  double c = 0.0, c_a = 0.0, gamma = 0.0, eps50 = 0.0, k = 0.0;
  int warning = 0;  // the strength warning of the station, 0 when none
};

// Reads the soil values at a station, applies the defaults and makes the checks on them. The
// "StfClyBW" average below layer 1 is left to the caller at pile nodes (c_a is c there), since
// it follows the nodes of the layer; at a printed curve it is worked out here.
StiffClaySoil soil_at(Engine& engine, const LayerCall& call, const Station& s) {
  const StiffClayVariant& v = variant_of(call);
  const int units = engine.options.IUNITS;
  const int i = call.layer;

  StiffClaySoil values;
  values.c = fn_c(engine, s.X);
  if (!s.first && values.c < 1e-10) report_zero_cohesion(engine, call);
  if (!at_layer_interface(engine, s.X)) {
    values.warning = strength_warning(engine, v, values.c);
    if (values.warning != 0) WarningRegister(engine, values.warning);
  }
  values.c_a = values.c;
  if (v.kind == StiffClayKind::kWithWater) {
    if (i == 1) {
      values.c_a = fn_c_avg(engine, s.X);
    } else if (s.output) {
      values.c_a = average_from_first_node(engine, i, s.X, values.c);
    }
  }
  values.gamma = fn_gamma_avg(engine, s.X);
  values.eps50 = fn_eps50(engine, s.X);
  if (values.eps50 <= 0.0) {
    if (units != kUnitsUS && units != kUnitsSI) {
      raise_error(engine, call.entry->errors.default_eps50,
                  "eps50 of soil layer " + std::to_string(i) + " (" + v.name + ") is 0 at depth " +
                      number_text(s.X) +
                      ", and no default value of eps50 exists in general units.",
                  "Give eps50 for the layer, or use US customary or SI units.");
    }
    values.eps50 = stiff_clay_default_eps50(v.kind, units, values.c);
  }

  SoilLayers& soil = engine.soil;
  if (v.kind != StiffClayKind::kWithoutWater) {
    const bool default_k =
        v.kind == StiffClayKind::kWithWater ? soil.k_top[i] <= 0.0 : soil.k_top[i] == 0.0;
    if (default_k) {
      if (units != kUnitsUS && units != kUnitsSI) report_default_k_in_general_units(engine, i);
      values.k = stiff_clay_default_k(v.kind, units, engine.options.CyclicLoading, values.c);
    } else {
      if (soil.k_bottom[i] <= 0.0) soil.k_bottom[i] = soil.k_top[i];
      values.k = fn_k_in_layer(engine, i, s.X);
    }
  }
  return values;
}

// The number of cycles the criterion works with, which the run keeps.
double cycles_of_run(Engine& engine, const StiffClayVariant& v) {
  double& N = engine.options.NumCycles;
  if (v.kind == StiffClayKind::kWithoutWater && N < 1.0) N = 1.0;
  if (v.kind == StiffClayKind::kWithK && N == 0.0) N = 1.0;
  return N;
}

// The effective depth of a station, from the soil values the equivalent depth of its layer is
// computed from at the layer's first node.
double station_depth(Engine& engine, const Station& s, double c, double c_a, double gamma) {
  const auto parameters = [&] {
    NodeSoilParameters p;
    p.b = s.b;
    p.c = c;
    p.c_a = c_a;
    p.gamma = gamma;
    p.z0 = s.z;
    return p;
  };
  return effective_depth_of(engine, s, parameters, EqDepthUpdate::kEveryPass, 1e-8);
}

// What the curve at a station is built from: its soil values, the number of cycles `N` and the
// effective depth `z_e`, and the deflection `Y` that sets the direction of movement on sloping
// ground.
StiffClayInputs curve_inputs(const Engine& engine, const StiffClayVariant& v, const Station& s,
                             const StiffClaySoil& values, double N, double z_e, double Y) {
  StiffClayInputs in;
  in.kind = v.kind;
  in.c = values.c;
  in.c_a = values.c_a;
  in.gamma = values.gamma;
  in.eps50 = values.eps50;
  in.k = values.k;
  in.N = N;
  in.z_e = z_e;
  in.b = s.b;
  in.theta = engine.inclination.slope_minus_batter;
  in.Y = Y;
  in.cyclic = engine.options.CyclicLoading;
  return in;
}

// The same with the number of cycles and the effective depth worked out at the station.
StiffClayInputs inputs_at(Engine& engine, const LayerCall& call, const Station& s,
                          const StiffClaySoil& values, double Y) {
  const StiffClayVariant& v = variant_of(call);
  const double N = cycles_of_run(engine, v);
  const double z_e = station_depth(engine, s, values.c, values.c_a, values.gamma);
  return curve_inputs(engine, v, s, values, N, z_e, Y);
}

// Places of a node's depth part (NodeDepthPart::soil).
enum Slot : std::size_t {
  kC, kGamma, kEps50, kK, kCAvg,       // soil values; kCAvg: c averaged from the surface, for
                                       // the resistance of layer 1 above the pile head
  kCa, kZe, kFactor, kN,               // what the kept curve was built for
  kY50, kE0, kPu, kPcOrYc, kAs, kAc,   // the kept curve (kPcOrYc: p_c with free water, else y_c)
};

// The curve at a pile node, and the c_a it was built with.
struct NodeCurve {
  StiffClayCurve curve;
  double c_a = 0.0;
  bool fresh = false;  // the soil values were read at this pass
};

// The curve kept in a node's depth part, for a pile of width b. Its values are put into `curve`
// one by one: a curve assembled in a temporary and copied whole would be read back in wide
// moves straight after its narrow stores, which stalls the pass.
void read_kept_curve(const StiffClayVariant& v, const std::array<double, 16>& kept, bool cyclic,
                     double b, StiffClayCurve& curve) {
  curve.kind = v.kind;
  curve.cyclic = cyclic;
  curve.y50 = kept[kY50];
  curve.E0 = kept[kE0];
  curve.p_u = kept[kPu];
  const bool with_water = v.kind == StiffClayKind::kWithWater;
  curve.p_c = with_water ? kept[kPcOrYc] : 0.0;
  curve.A_s = kept[kAs];
  curve.A_c = kept[kAc];
  curve.y_c = with_water ? 0.0 : kept[kPcOrYc];
  curve.y_min = v.kind == StiffClayKind::kWithoutWater ? without_water_y_min(b) : 0.0;
}

// The curve at a pile node, into `node`. Its soil values are read at the first pass of a
// solution and kept in the node's depth part, with the last curve built and what it was built
// for (c_a, effective depth, sloping factor, number of cycles). A later pass registers the
// node's warning again, as every pass does, works those out afresh and builds the curve again
// only when one differs. `running` carries the "StfClyBW" average from node to node below
// layer 1.
void node_curve(Engine& engine, const LayerCall& call, const Station& s, RunningAverage& running,
                const SlopingGroundFactors& slope, NodeCurve& node) {
  const StiffClayVariant& v = variant_of(call);
  NodeDepthPart& part = engine.py.depth_parts[s.index];
  std::array<double, 16>& kept = part.soil;
  node.fresh = !part.soil_valid;
  StiffClaySoil values;
  if (node.fresh) {
    values = soil_at(engine, call, s);
  } else {
    if (part.warning != 0) WarningRegister(engine, part.warning);
    values.c = kept[kC];
    values.c_a = kept[kCa];
    values.gamma = kept[kGamma];
  }
  if (v.kind == StiffClayKind::kWithWater && call.layer > 1) {
    if (s.first) {
      running.start(s.X, values.c);
      values.c_a = values.c;
    } else {
      values.c_a = running.add(s.X, values.c);
    }
  }
  node.c_a = values.c_a;
  const double N = cycles_of_run(engine, v);
  const double z_e = station_depth(engine, s, values.c, values.c_a, values.gamma);
  const double factor =
      stiff_clay_station_factor(slope, engine.inclination.slope_minus_batter, s.Y);
  if (!node.fresh && kept[kCa] == values.c_a && kept[kZe] == z_e && kept[kFactor] == factor &&
      kept[kN] == N) {
    read_kept_curve(v, kept, engine.options.CyclicLoading, s.b, node.curve);
    return;
  }
  if (!node.fresh) {
    values.eps50 = kept[kEps50];
    values.k = kept[kK];
    values.warning = part.warning;
  }
  node.curve = stiff_clay_at_depth(curve_inputs(engine, v, s, values, N, z_e, s.Y), slope).curve;
  const StiffClayCurve& c = node.curve;
  const bool with_water = v.kind == StiffClayKind::kWithWater;
  kept = {values.c, values.gamma, values.eps50, values.k, kept[kCAvg], values.c_a, z_e, factor,
          N, c.y50, c.E0, c.p_u, with_water ? c.p_c : c.y_c, c.A_s, c.A_c};
  part.warning = values.warning;
  part.soil_valid = true;
}

// The sloping-ground factors of the run's slope in the variant of the layer.
SlopingGroundFactors layer_slope_factors(const Engine& engine, const LayerCall& call) {
  return sloping_ground_factors(engine.inclination.slope_minus_batter,
                                variant_of(call).half_root_two);
}

// ---- Output mode ---------------------------------------------------------------------------

void report_block(Engine& engine, const LayerCall& call, const Station& s,
                  const StiffClayAtDepth& d) {
  const StiffClayVariant& v = variant_of(call);
  const UnitLabels& labels = engine.run.labels;
  const bool us = engine.options.IUNITS == kUnitsUS;
  const bool cyclic = engine.options.CyclicLoading;
  const StiffClayCurve& curve = d.curve;

  TextFile& report = engine.run.report;
  report.blank();
  report.put(cyclic ? v.title_cyclic : v.title_static);
  if (v.title_tail != nullptr) report.put(v.title_tail);
  report.blank();
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_depth(engine, "Equivalent Depth", d.in.z_e);
  // Unit weights are computed per cubic length: the subgrade-modulus label names that unit.
  if (v.kind == StiffClayKind::kWithWater) {
    report_value(engine, "Diameter", s.b, labels.length);
    report_value(engine, "c (at curve depth)", d.in.c, labels.stress);
    report_value(engine, "Average cohesion, c", d.in.c_a, labels.stress);
    if (us) report_value(engine, "Undrained cohesion, c", d.in.c_a * 144.0, labels.soil_stress);
    report_value(engine, "Average Eff. Unit Weight", d.in.gamma, labels.subgrade_modulus);
    if (us) {
      report_value(engine, "Average Eff. Unit Weight", d.in.gamma * 1728.0, labels.unit_weight);
    }
    report_value(engine, "k", d.in.k, labels.subgrade_modulus);
    report_value(engine, "Epsilon50", d.in.eps50, "");
    report_value(engine, "y50", curve.y50, labels.length);
    report_value(engine, "As", curve.A_s, "");
    report_value(engine, cyclic ? "Ac" : "Ac (not used)", curve.A_c, "");
    report_value(engine, "pct", d.p_st, labels.force_per_length);
    report_value(engine, "pcd", d.p_d, labels.force_per_length);
    report_value(engine, "pc", curve.p_c, labels.force_per_length);
    report_value(engine, "pu", curve.p_u, labels.force_per_length);
    report_value(engine, "p-multiplier", s.p_mult, "");
    report_value(engine, "y-multiplier", s.y_mult, "");
    if (cyclic) report_value(engine, "Number of Cycles of Loading", engine.options.NumCycles, "");
    return;
  }
  if (v.kind == StiffClayKind::kWithoutWater) report_slope_angles(engine, "Pile Batter Angle");
  report_value(engine, "Diameter", s.b, labels.length);
  report_value(engine, "Undrained cohesion, c", d.in.c, labels.stress);
  if (us) report_value(engine, "Undrained cohesion, c", d.in.c * 144.0, labels.soil_stress);
  report_value(engine, "Average Eff. Unit Weight", d.in.gamma, labels.subgrade_modulus);
  if (us) {
    report_value(engine, "Average Eff. Unit Weight", d.in.gamma * 1728.0, labels.unit_weight);
  }
  if (v.kind == StiffClayKind::kWithK) {
    report_value(engine, "k", d.in.k, labels.subgrade_modulus);
  }
  report_value(engine, "Epsilon-50", d.in.eps50, "");
  report_value(engine, "Pct", d.p_st, labels.force_per_length);
  report_value(engine, "Pcd", d.p_d, labels.force_per_length);
  report_value(engine, "Pu", curve.p_u, labels.force_per_length);
  report_value(engine, "y50", curve.y50, labels.length);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
  if (cyclic) {
    report_value(engine,
                 v.kind == StiffClayKind::kWithK ? "Number of Cycles of Loading"
                                                 : "Number of cycles of loading",
                 engine.options.NumCycles, "");
  }
}

// The with-free-water curve before the initial line caps it.
double with_water_p(const StiffClayCurve& c, double y) {
  const double y50 = c.y50;
  const double A_s = c.A_s;
  const double p_c = c.p_c;
  if (!c.cyclic) {
    const double y_s = A_s * y50;
    if (y <= y_s) return 0.5 * p_c * std::sqrt(y / y50);
    if (y <= 6.0 * y_s) {
      return p_c * (0.5 * std::sqrt(y / y50) - single(0.055f) * std::pow((y - y_s) / y_s, 1.25));
    }
    if (y <= 18.0 * y_s) {
      return 0.5 * std::sqrt(6.0 * A_s) * p_c - single(0.411f) * p_c -
             0.0625 * p_c * (y - 6.0 * y_s) / y50;
    }
    return p_c * (0.5 * std::sqrt(6.0 * A_s) - 0.75 * A_s - single(0.411f));
  }
  const double y_p = single(4.1f) * A_s * y50;
  const double A_c = c.A_c;
  if (y <= single(0.6f) * y_p) {
    const double peak = single(0.45f) * y_p;
    return A_c * p_c * (1.0 - std::pow(std::fabs((y - peak) / peak), 2.5));
  }
  if (y <= single(1.8f) * y_p) {
    return single(0.936f) * A_c * p_c - single(0.085f) * p_c * (y - single(0.6f) * y_p) / y50;
  }
  return single(0.936f) * A_c * p_c - single(0.102f) * p_c * y_p / y50;
}

// "StfClyAW" below y_min: the secant modulus of the static curve at y_min, under either
// loading (force/length^2).
double without_water_secant(const StiffClayCurve& c) {
  return 0.5 * c.p_u * std::pow(c.y50 / c.y_min, 0.75) / c.y50;
}

// The fourth-root curve of the clays without free water.
double fourth_root_p(const StiffClayCurve& c, double y, double y50) {
  return 0.5 * c.p_u * std::pow(y / y50, 0.25);
}

}  // namespace

void report_default_k_in_general_units(Engine& engine, int layer) {
  const int code = engine.soil.i_SoilLayer_py_Type[layer];
  raise_error(engine, errors::kRunDefaultKGeneralUnits,
              "Soil layer " + std::to_string(layer) + " (" +
                  std::string(criterion_long_name(code)) +
                  ") asks for the default value of k, and no default value of k exists in "
                  "general units.",
              "Give k for the layer, or use US customary or SI units.");
}

double stiff_clay_p(const StiffClayCurve& c, double y) {
  switch (c.kind) {
    case StiffClayKind::kWithWater:
      return min_or_nan(with_water_p(c, y), c.E0 * y);
    case StiffClayKind::kWithoutWater:
      if (y < c.y_min) return without_water_secant(c) * y;
      if (c.cyclic) return min_or_nan(c.p_u, fourth_root_p(c, y, c.y_c));
      return y <= 16.0 * c.y50 ? fourth_root_p(c, y, c.y50) : c.p_u;
    case StiffClayKind::kWithK:
      if (c.cyclic) return min_or_nan(min_or_nan(c.p_u, c.E0 * y), fourth_root_p(c, y, c.y_c));
      // Beyond 16 y50 the plateau stays under the initial line, so that a small k z (at the
      // ground surface, 0) gives no jump to p_u there.
      if (y <= 16.0 * c.y50) return min_or_nan(fourth_root_p(c, y, c.y50), c.E0 * y);
      return min_or_nan(c.p_u, c.E0 * y);
  }
  return 0.0;
}

StiffClayAtDepth stiff_clay_at_depth(const StiffClayInputs& in) {
  const StiffClayVariant& v = in.kind == StiffClayKind::kWithWater      ? kWithWater
                              : in.kind == StiffClayKind::kWithoutWater ? kWithoutWater
                                                                        : kWithK;
  return stiff_clay_at_depth(in, sloping_ground_factors(in.theta, v.half_root_two));
}

StiffClayAtDepth stiff_clay_at_depth(const StiffClayInputs& in, const SlopingGroundFactors& slope) {
  StiffClayAtDepth d;
  d.in = in;
  const double b = in.b;
  const double c = in.c;
  const double z_e = in.z_e;
  d.slope = slope;
  d.s = stiff_clay_station_factor(d.slope, in.theta, in.Y);

  StiffClayCurve& curve = d.curve;
  curve.kind = in.kind;
  curve.cyclic = in.cyclic;
  curve.E0 = in.k * z_e;
  if (in.kind == StiffClayKind::kWithWater) {
    const double c_a = in.c_a;
    curve.y50 = in.eps50 * b;
    curve.A_s = A_s(z_e / b);
    curve.A_c = A_c(z_e / b);
    d.p_st = ((in.gamma * b + single(2.83f) * c_a) * z_e + 2.0 * c_a * b) * d.s;
    d.p_d = 11.0 * c * b;
    curve.p_c = min_or_nan(d.p_st, d.p_d);
    curve.p_u = in.cyclic ? curve.p_c * (single(0.936f) * curve.A_c - single(0.4182f) * curve.A_s)
                          : curve.p_c * (0.5 * std::sqrt(6.0 * curve.A_s) - single(0.411f) -
                                         0.75 * curve.A_s);
    return d;
  }
  curve.y50 = 2.5 * in.eps50 * b;
  d.p_st = ((in.gamma * b + 0.5 * c) * z_e + 3.0 * b * c) * d.s;
  d.p_d = 9.0 * c * b;
  curve.p_u = min_or_nan(d.p_st, d.p_d);
  curve.y_c = curve.y50 * (1.0 + single(0.6f) * std::log10(in.N));
  if (in.kind == StiffClayKind::kWithoutWater) curve.y_min = without_water_y_min(b);
  return d;
}

std::array<double, 17> stiff_clay_points(const StiffClayCurve& c, double N) {
  std::array<double, 17> y{};
  if (c.kind == StiffClayKind::kWithWater) {
    if (!c.cyclic) {
      const double y_s = c.A_s * c.y50;
      for (int k = 1; k <= 13; ++k) y[k - 1] = 0.5 * (k - 1) * y_s;
      y[13] = 10.0 * y_s;
      y[14] = 14.0 * y_s;
      y[15] = 18.0 * y_s;
      y[16] = 19.0 * y_s;
    } else {
      const double y_p = single(4.1f) * c.A_s * c.y50;
      for (int k = 1; k <= 13; ++k) y[k - 1] = single(0.05f) * (k - 1) * y_p;
      y[13] = y_p;
      y[14] = single(1.4f) * y_p;
      y[15] = single(1.8f) * y_p;
      y[16] = single(1.9f) * y_p;
    }
    return y;
  }
  constexpr std::array<float, 14> kShares = {0.00001f, 0.00005f, 0.0001f, 0.0005f, 0.001f,
                                             0.005f,   0.01f,    0.025f,  0.05f,   0.075f,
                                             0.1f,     0.25f,    0.5f,    1.0f};
  const double y_16 = 16.0 * c.y50;
  for (std::size_t k = 0; k < kShares.size(); ++k) y[k + 1] = y_16 * single(kShares[k]);
  const double y_end = c.cyclic ? 1.25 * (single(9.6f) * std::log10(N) + 16.0) * c.y50
                                : single(16.8f) * c.y50;
  y[15] = (y_16 + y_end) / 2.0;
  y[16] = y_end;
  return y;
}

namespace {

// Band 0 .. 3 of a strength c: below 1000 lb/ft^2, below 2000, below 4000, and above, with the
// criterion's own bounds.
int strength_band(StiffClayKind kind, bool us, double c) {
  struct Bands {
    double b1000, b2000, b4000;
  };
  constexpr Bands kWithWaterUS{single(6.9444447f), single(13.888889f), single(27.777779f)};
  constexpr Bands kWithWaterSI{single(47.88026f), single(95.76052f), single(191.52104f)};
  constexpr Bands kWithoutWaterUS{single(6.94f), single(13.88f), single(27.78f)};
  constexpr Bands kWithoutWaterSI{single(47.8927f), single(95.7854f), single(191.5708f)};
  const Bands& bands = kind == StiffClayKind::kWithWater ? (us ? kWithWaterUS : kWithWaterSI)
                                                         : (us ? kWithoutWaterUS : kWithoutWaterSI);
  if (c < bands.b1000) return 0;
  if (c < bands.b2000) return 1;
  if (c < bands.b4000) return 2;
  return 3;
}

}  // namespace

double stiff_clay_default_eps50(StiffClayKind kind, int units, double c) {
  if (units != kUnitsUS && units != kUnitsSI) return 0.0;
  constexpr std::array<double, 4> kEps50 = {single(0.011f), single(0.007f), single(0.005f),
                                            single(0.004f)};
  return kEps50[static_cast<std::size_t>(strength_band(kind, units == kUnitsUS, c))];
}

double stiff_clay_default_k(StiffClayKind kind, int units, bool cyclic, double c) {
  if (units != kUnitsUS && units != kUnitsSI) return 0.0;
  using Column = std::array<double, 4>;
  constexpr Column kUSStatic = {250.0, 500.0, 1000.0, 2000.0};
  constexpr Column kUSCyclic = {100.0, 200.0, 400.0, 800.0};
  constexpr Column kWithWaterSIStatic = {67861.78125, 135723.5625, 271447.125, 542894.25};
  constexpr Column kWithWaterSICyclic = {27144.7109375, 54289.421875, 108578.84375, 217157.6875};
  constexpr Column kWithKSIStatic = {67861.796875, 135723.59375, 271447.1875, 542894.375};
  constexpr Column kWithKSICyclic = {27144.7109375, 54289.3984375, 108578.8984375, 217157.703125};
  const bool us = units == kUnitsUS;
  const Column& column = us ? (cyclic ? kUSCyclic : kUSStatic)
                         : kind == StiffClayKind::kWithWater
                             ? (cyclic ? kWithWaterSICyclic : kWithWaterSIStatic)
                             : (cyclic ? kWithKSICyclic : kWithKSIStatic);
  return column[static_cast<std::size_t>(strength_band(kind, us, c))];
}

void stiff_clay_moduli(Engine& engine, const LayerCall& call) {
  const StiffClayVariant& v = variant_of(call);
  const SoilLayers& soil = engine.soil;
  const int i = call.layer;
  double& F = engine.py.FLayer[i];
  RunningAverage running;
  double previous_p_u = 0.0;
  const SlopingGroundFactors slope = layer_slope_factors(engine, call);
  NodeCurve node;
  const StiffClayCurve& curve = node.curve;
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    node_curve(engine, call, s, running, slope, node);

    double Es = 0.0;
    if (v.kind == StiffClayKind::kWithoutWater) {
      Es = s.y < curve.y_min ? s.p_mult / s.y_mult * without_water_secant(curve)
                             : stiff_clay_p(curve, s.y) * s.p_mult / (s.y_mult * s.y);
    } else if (s.y >= kSmallDeflection) {
      Es = stiff_clay_p(curve, s.y) * s.p_mult / (s.y * s.y_mult);
    } else {
      Es = curve.E0;
    }
    if (!std::isfinite(Es) && v.kind == StiffClayKind::kWithWater && !curve.cyclic) {
      engine.run.message.put("Error in stiff clay with water at line 502");
    }
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);

    // Ultimate resistance over the layer, for the equivalent depths of the layers below.
    accumulate_layer_resistance(engine, s, previous_p_u, curve.p_u);
    if (soil.XS < -0.00001 && i == 1) {
      const double thickness = soil.XLayerBottom[1] - soil.XLayerTop[1];
      if (v.kind == StiffClayKind::kWithWater) {
        F = thickness * (2.0 * node.c_a * s.b + curve.p_c) / 2.0;
      } else {
        double& c_avg = engine.py.depth_parts[n].soil[kCAvg];
        if (node.fresh) c_avg = fn_c_avg(engine, s.X);
        F = thickness * (3.0 * c_avg * s.b + curve.p_u) / 2.0;
      }
    }
    previous_p_u = curve.p_u;
  }
}

void stiff_clay_curves(Engine& engine, const LayerCall& call) {
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    const StiffClaySoil values = soil_at(engine, call, s);
    const StiffClayInputs in =
        inputs_at(engine, call, s, values, pile_deflection_at_depth(engine, s.X));
    const StiffClayAtDepth d = stiff_clay_at_depth(in, layer_slope_factors(engine, call));
    report_block(engine, call, s, d);
    const std::array<double, 17> ys = stiff_clay_points(d.curve, engine.options.NumCycles);
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    write_printed_curve(engine, printed, ys,
                        [&](int, double y) { return stiff_clay_p(d.curve, y); });
  }
}

}  // namespace torva
