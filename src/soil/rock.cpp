#include "soil/rock.h"

#include <cmath>
#include <string>

#include "engine/errors.h"
#include "model/single_precision.h"
#include "report/line.h"
#include "soil/soil_profile.h"

namespace torva {

namespace {

// A weak rock strength below this at a node below the layer's first node is input error 16.
constexpr double kNoRockStrength = 1e-10;

// Unreasonable weak rock strengths: 100 and 1000 lb/in^2, 689.5 and 6895 kPa.
constexpr double kWeakRockLowUS = 100.0;
constexpr double kWeakRockHighUS = 1000.0;
constexpr double kWeakRockLowSI = 689.5;
constexpr double kWeakRockHighSI = 6895.0;

// Recommended range of k_rm.
constexpr double kLowestKrm = single(0.00005f);
constexpr double kHighestKrm = single(0.0005f);

// Reasonable vuggy limestone strengths: 1000 to 2500 lb/in^2, 6895 to 17237 kPa.
constexpr double kVuggyLowUS = 1000.0;
constexpr double kVuggyHighUS = 2500.0;
constexpr double kVuggyLowSI = 2.0 * 3447.3798828125;
constexpr double kVuggyHighSI = 17236.890625;

// Input Data Error No. 62 off the interfaces of a weak rock layer (its row holds No. 16).
constexpr ErrorId kInputNoRockStrength{162, "INP00062"};
// The documented code of this error, kept as front ends read it.
constexpr ErrorId kInputNoKrm{163, "INP00163"};
constexpr ErrorId kRunNoYrm{222, "RUN00022"};

std::string layer_number(int layer) { return std::to_string(layer); }

// ---- Errors --------------------------------------------------------------------------------

// Input Data Error No. 62: a rock strength of zero or less.
[[noreturn]] void report_no_strength(Engine& engine, const LayerCall& call, const ErrorId& error) {
  write_report_then_message(
      engine, {"", error_banner(error.number), "",
               "Problem:   The input value for compressive strength is less than or equal to zero.",
               "Solution:  Check the input values for layer " + layer_number(call.layer)});
  stop_run(engine, error);
}

// Input Data Error No. 16: a weak rock strength of (nearly) zero below the layer's first node.
[[noreturn]] void report_no_weak_rock_strength(Engine& engine, const LayerCall& call) {
  write_report_then_message(
      engine, {"", error_banner(call.entry->errors.zero_strength.number), "",
               "An error was detected when computing the p-y curve for weak rock.",
               "Problem:   The input value for the compressive strength of a weak rock was ",
               "           input as negative or zero (0).",
               "Solution:  Check the depth values for soil layering and soil shear strength ",
               "           values and correct the input data."});
  stop_run(engine, call.entry->errors.zero_strength);
}

// Input Data Error No. 64: an initial rock mass modulus of zero or less gives the curve no
// initial line.
[[noreturn]] void report_no_initial_modulus(Engine& engine, const LayerCall& call, const Station& s,
                                            double E_ir) {
  raise_error(engine, errors::kInputWeakRockModulus,
              "The initial modulus of rock mass E_ir of soil layer " + layer_number(call.layer) +
                  " (weak rock) is " + number_text(E_ir) + " " + engine.run.labels.stress +
                  " at the depth of " + report_depth_text(engine, s.X) +
                  " below the pile head; it must be greater than zero.",
              "Give E_ir greater than zero at the top and the bottom of the layer.");
}

// Input Data Error No. 63.
[[noreturn]] void report_no_krm(Engine& engine, const LayerCall& call) {
  write_report_then_message(
      engine, {"", "**** Input Data Error No. 63 ****", "",
               "Problem:  The input value for k_rm for weak rock is less than or equal to zero.",
               "Solution: Check the input values for layer " + layer_number(call.layer)});
  stop_run(engine, kInputNoKrm);
}

// Runtime Error No. 22.
[[noreturn]] void report_no_yrm(Engine& engine, const LayerCall& call) {
  write_report_then_message(
      engine, {"", "**** Runtime Error No. 22 ****", "",
               "An error was detected when computing the p-y curve for weak rock.     ",
               "Problem:  The input value for k_rm is less than or equal to 0. ",
               "Solution:  Check the input values for the week rock properties in the soil layer " +
                   layer_number(call.layer)});
  stop_run(engine, kRunNoYrm);
}

// Runtime Error No. 53: with no positive base the power that gives y_A is 0 or not a number,
// and the curve would have no initial line. Reached only where the strength is 0 on an
// interface.
[[noreturn]] void report_no_initial_line(Engine& engine, const LayerCall& call, const Station& s,
                                         const WeakRockAtDepth& d) {
  engine.run.message.put("ERROR 2 BEFORE EQN 11");
  raise_error(engine, errors::kRunWeakRockPower,
              "The base of the power that gives the end of the initial line y_A of the weak rock "
              "p-y curve, p_ur / (2 y_rm^0.25) / K_ir = " +
                  number_text(d.y_A_base) + ", is not greater than zero at the depth of " +
                  report_depth_text(engine, s.X) + " below the pile head in soil layer " +
                  layer_number(call.layer) + " (uniaxial compressive strength " +
                  number_text(d.in.q_ur) + " " + engine.run.labels.stress + ").",
              "Give the weak rock layer and the layers next to it a compressive strength greater "
              "than zero.");
}

// ---- Weak rock at a station ----------------------------------------------------------------

void warn_unreasonable_weak_rock_strength(Engine& engine, double q_ur, StationWarnings& warnings) {
  const int units = engine.options.IUNITS;
  if (units == kUnitsUS) {
    if (q_ur < kWeakRockLowUS) warnings.add(engine, -3071);
    if (q_ur > kWeakRockHighUS) warnings.add(engine, -3072);
  } else if (units == kUnitsSI) {
    if (q_ur < kWeakRockLowSI) warnings.add(engine, -3073);
    if (q_ur > kWeakRockHighSI) warnings.add(engine, -3074);
  }
}

struct WeakRockStation {
  double gamma = 0.0;  // average effective unit weight above the station (force/length^3)
  WeakRockAtDepth d;
};

// Reads and checks the rock at a station; at most two warnings (strength, then k_rm).
WeakRockStation resolve_weak_rock(Engine& engine, const LayerCall& call, const Station& s,
                                  StationWarnings& warnings) {
  const int i = call.layer;
  WeakRockInputs in;
  in.q_ur = fn_c(engine, s.X);
  if (!at_layer_interface(engine, s.X)) {
    warn_unreasonable_weak_rock_strength(engine, in.q_ur, warnings);
    if (in.q_ur <= 0.0) report_no_strength(engine, call, kInputNoRockStrength);
  }
  if (!s.first && in.q_ur < kNoRockStrength) report_no_weak_rock_strength(engine, call);
  in.RQD = fn_RQD(engine, s.X);
  in.E_ir = fn_k_in_layer(engine, i, s.X);
  if (!(in.E_ir > 0.0)) report_no_initial_modulus(engine, call, s, in.E_ir);
  WeakRockStation station;
  station.gamma = fn_gamma_avg(engine, s.X);
  in.k_rm = fn_krm(engine, s.X);
  if (in.k_rm <= 0.0) report_no_krm(engine, call);
  if (in.k_rm < kLowestKrm) warnings.add(engine, -316);
  if (in.k_rm > kHighestKrm) warnings.add(engine, -317);
  in.x_r = weak_rock_depth_in_rock(engine.soil, i, s.X);
  in.b = s.b;

  station.d = weak_rock_at_depth(in);
  const WeakRockAtDepth& d = station.d;
  if (d.curve.y_rm <= 0.0) report_no_yrm(engine, call);
  if (!(d.y_A_base > 0.0)) report_no_initial_line(engine, call, s, d);
  return station;
}

// A value in exponent form after the label, "=" at column 56.
void report_exponent(Engine& engine, std::string_view label, double value, std::string_view unit) {
  Line line;
  line.a(label).tab(56).a("= ").e(value, 12, 4);
  if (!unit.empty()) line.a(" ").a(unit);
  engine.run.report.put(line);
}

void report_weak_rock_block(Engine& engine, const LayerCall& call, const Station& s,
                            const WeakRockStation& station) {
  const UnitLabels& labels = engine.run.labels;
  const WeakRockAtDepth& d = station.d;
  report_title(engine, "p-y Curve Computed Using Weak Rock Criteria");
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_value(engine, "Diameter", s.b, labels.length);
  report_value(engine, "Unconfined Compressive Strength", d.in.q_ur, labels.stress);
  // Unit weights are computed per cubic length: the subgrade-modulus label names that unit.
  report_value(engine, "Avg. Eff. Unit Weight", station.gamma, labels.subgrade_modulus);
  if (engine.options.IUNITS == kUnitsUS) {
    report_value(engine, "Avg. Eff. Unit Weight", station.gamma * 1728.0, labels.unit_weight);
  }
  report_depth(engine, "Xr", d.in.x_r);
  report_value(engine, "RQD", d.in.RQD, "%");
  report_value(engine, "Eir", d.in.E_ir, labels.stress);
  report_value(engine, "Pu", d.curve.p_ur, labels.force_per_length);
  report_value(engine, "k_rm", d.in.k_rm, "");
  report_exponent(engine, "K_ir", d.curve.K_ir, labels.stress);
  report_value(engine, "Alpha_r", d.alpha_r, "");
  report_value(engine, "Yu", 3.0 * s.b / 80.0, labels.length);
  report_value(engine, "Yrm", d.curve.y_rm, labels.length);
  report_exponent(engine, "Y_A", d.curve.y_A, labels.length);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
}

// ---- Vuggy limestone at a station ----------------------------------------------------------

VuggyLimestoneCurve resolve_vuggy_limestone(Engine& engine, const LayerCall& call,
                                            const Station& s, StationWarnings& warnings) {
  const double q_u = fn_c(engine, s.X);
  if (s.X > engine.soil.XLayerTop[call.layer]) {
    const int units = engine.options.IUNITS;
    const bool outside_us = q_u < kVuggyLowUS || q_u > kVuggyHighUS;
    const bool outside_si = q_u < kVuggyLowSI || q_u > kVuggyHighSI;
    if ((units == kUnitsUS && outside_us) || (units == kUnitsSI && outside_si)) {
      warnings.add(engine, -308);
    }
  }
  // With no strength the curve would end at y_2 = 0/0.
  if (!(q_u > 0.0)) report_no_strength(engine, call, call.entry->errors.zero_strength);
  const double gamma = fn_gamma_avg(engine, s.X);
  return vuggy_limestone_curve(q_u, gamma, s.b, s.z);
}

void report_vuggy_limestone_block(Engine& engine, const LayerCall& call, const Station& s,
                                  const VuggyLimestoneCurve& curve) {
  const UnitLabels& labels = engine.run.labels;
  report_title(engine, "p-y Curve for Vuggy Limestone (Strong Rock) Criteria");
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_value(engine, "Shaft Diameter", s.b, labels.length);
  report_value(engine, "Uniaxial Compressive Strength", 2.0 * curve.s_u, labels.stress);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
}

// ---- Massive rock --------------------------------------------------------------------------

// Runtime Error No. 48, after what the criterion reads at the layer's first station (whose
// own errors come first).
[[noreturn]] void stop_at_massive_rock(Engine& engine, const LayerCall& call, const Station& s) {
  fn_gamma_avg(engine, s.X);
  fn_HB_qu_at_DepthX(engine, s.X);
  const SoilLayers& soil = engine.soil;
  const int i = call.layer;
  raise_error(engine, errors::kRunMassiveRock,
              "Soil layer " + layer_number(i) + " (massive rock, from " +
                  report_depth_text(engine, soil.XLayerTop[i]) + " to " +
                  report_depth_text(engine, soil.XLayerBottom[i]) +
                  ") reaches the pile, and this version of Torva has no p-y criterion for "
                  "massive rock.",
              "Describe the rock of layer " + layer_number(i) +
                  " with the weak rock or the vuggy limestone criterion, or end the pile above "
                  "the layer.");
}

}  // namespace

// ---- "WeakRock" ----------------------------------------------------------------------------

double weak_rock_p(const WeakRockCurve& curve, double y) {
  // The initial line stops at p_ur where y_A lies beyond 16 y_rm.
  if (y < curve.y_A) return std::fmin(curve.K_ir * y, curve.p_ur);
  return std::fmin(curve.p_ur, (curve.p_ur / 2.0) * std::pow(y / curve.y_rm, 0.25));
}

double weak_rock_modulus(const WeakRockCurve& curve, double y, double p_mult, double y_mult) {
  // On the initial line the spring follows the printed curve (y y_m, p p_m).
  if (y < curve.y_A && curve.K_ir * y <= curve.p_ur) return curve.K_ir * p_mult / y_mult;
  return weak_rock_p(curve, y) * p_mult / (y * y_mult);
}

WeakRockAtDepth weak_rock_at_depth(const WeakRockInputs& in) {
  WeakRockAtDepth d;
  d.in = in;
  const double b = in.b;
  d.alpha_r = 1.0 - in.RQD * kWeakRockRQDFactor;
  WeakRockCurve& c = d.curve;
  if (in.x_r <= 3.0 * b) {
    c.p_ur = d.alpha_r * in.q_ur * b * (1.0 + 1.4 * in.x_r / b);
    c.K_ir = in.E_ir * (100.0 + 400.0 * in.x_r / (3.0 * b));
  } else {
    c.p_ur = 5.2 * d.alpha_r * in.q_ur * b;
    c.K_ir = 500.0 * in.E_ir;
  }
  c.y_rm = in.k_rm * b;
  const double root4_y_rm = std::pow(c.y_rm, 0.25);
  d.y_A_base = c.p_ur / (2.0 * root4_y_rm) / c.K_ir;
  c.y_A = std::pow(c.p_ur / (2.0 * root4_y_rm * c.K_ir), kWeakRockYAExponent);
  return d;
}

double weak_rock_depth_in_rock(const SoilLayers& soil, int layer, double X) {
  double x_r = X + 1e-8 - soil.XLayerTop[layer];
  for (int j = layer - 1; j >= 1; --j) {
    const int code = soil.i_SoilLayer_py_Type[j];
    if (code != criterion::kWeakRock && code != criterion::kVuggyLimestone) break;
    x_r += soil.XLayerBottom[j] - soil.XLayerTop[j];
  }
  return x_r;
}

std::array<double, 17> weak_rock_points(const WeakRockCurve& curve) {
  constexpr std::array<double, 13> kFractions = {0.02, 0.04, 0.06, 0.08, 0.1, 0.2, 0.3,
                                                 0.4,  0.5,  0.6,  0.7,  0.8, 0.9};
  const double y_16 = 16.0 * curve.y_rm;
  std::array<double, 17> y{};
  y[1] = curve.y_A;
  for (std::size_t k = 0; k < kFractions.size(); ++k) {
    y[k + 2] = curve.y_A + kFractions[k] * (y_16 - curve.y_A);
  }
  y[15] = y_16;
  y[16] = 20.0 * curve.y_rm;
  return y;
}

// The curve of a node depends on its depth and the rock alone: it is worked out at the first
// pass of a solution and read back by the passes after it.
void weak_rock_moduli(Engine& engine, const LayerCall& call) {
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const WeakRockCurve curve =
        kept_node_curve<WeakRockCurve>(engine, s, [&](StationWarnings& warnings) {
          return resolve_weak_rock(engine, call, s, warnings).d.curve;
        });
    const double Es = weak_rock_modulus(curve, s.y, s.p_mult, s.y_mult);
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);
  }
}

void weak_rock_curves(Engine& engine, const LayerCall& call) {
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    StationWarnings warnings;
    const WeakRockStation station = resolve_weak_rock(engine, call, s, warnings);
    report_weak_rock_block(engine, call, s, station);
    const WeakRockCurve& curve = station.d.curve;
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    write_printed_curve(engine, printed, weak_rock_points(curve),
                        [&](int, double y) { return weak_rock_p(curve, y); });
  }
}

// ---- "Vuggy LS" ----------------------------------------------------------------------------

VuggyLimestoneCurve vuggy_limestone_curve(double q_u, double gamma, double b, double z) {
  VuggyLimestoneCurve c;
  c.s_u = q_u / 2.0;
  c.y_1 = 0.0004 * b;
  c.K_i = 2000.0 * c.s_u;
  c.p_1 = 0.8 * b * c.s_u;
  c.y_2 = c.y_1 + (b * c.s_u - c.p_1) / (100.0 * c.s_u);
  c.p_residual = 0.5 * gamma * b * z;
  return c;
}

double vuggy_limestone_p(const VuggyLimestoneCurve& curve, double y) {
  if (y < curve.y_1) return curve.K_i * y;
  if (y <= curve.y_2) return curve.p_1 + 100.0 * curve.s_u * (y - curve.y_1);
  return curve.p_residual;
}

std::array<double, 17> vuggy_limestone_points(const VuggyLimestoneCurve& curve) {
  std::array<double, 17> y{};
  y[1] = curve.y_1;
  for (int k = 3; k <= 16; ++k) {
    y[static_cast<std::size_t>(k - 1)] = curve.y_1 + (k - 2) * (curve.y_2 - curve.y_1) / 15.0;
  }
  y[16] = curve.y_2;
  return y;
}

// Kept per node for the passes of a solution after the first, as the weak rock curve is.
void vuggy_limestone_moduli(Engine& engine, const LayerCall& call) {
  NodeTable& nodes = engine.nodes;
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const VuggyLimestoneCurve curve =
        kept_node_curve<VuggyLimestoneCurve>(engine, s, [&](StationWarnings& warnings) {
          return resolve_vuggy_limestone(engine, call, s, warnings);
        });
    // The soil movement does not enter this curve: the spring acts on the pile's own
    // deflection, and no soil force is written.
    const double y = std::fabs(s.Y) / s.y_mult;
    const double Es = y >= kVuggyLimestoneSmallDeflection
                          ? vuggy_limestone_p(curve, y) / y * s.p_mult / s.y_mult
                          : curve.K_i / s.y_mult;
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    nodes.Es[n] = Es;
  }
}

void vuggy_limestone_curves(Engine& engine, const LayerCall& call) {
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    StationWarnings warnings;
    const VuggyLimestoneCurve curve = resolve_vuggy_limestone(engine, call, s, warnings);
    report_vuggy_limestone_block(engine, call, s, curve);
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult, "y, p"};
    write_printed_curve(engine, printed, vuggy_limestone_points(curve),
                        [&](int, double y) { return vuggy_limestone_p(curve, y); });
  }
}

// ---- "MassRock" ----------------------------------------------------------------------------

void massive_rock_moduli(Engine& engine, const LayerCall& call) {
  if (call.last < call.first) return;
  stop_at_massive_rock(engine, call, node_station(engine, call, call.first));
}

void massive_rock_curves(Engine& engine, const LayerCall& call) {
  if (call.last < call.first) return;
  stop_at_massive_rock(engine, call, output_station(engine, call, call.first));
}

}  // namespace torva
