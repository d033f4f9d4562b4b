// Stiff, overconsolidated clay: "StfClyBW" (with free water: a square-root curve that softens
// after its peak, under an initial line k z), "StfClyAW" (without free water: a fourth-root
// curve reaching p_u at 16 y50) and "StfClyAK" (the same, under an initial line k z).
#pragma once

#include <array>

#include "soil/py_framework.h"

namespace torva {

enum class StiffClayKind {
  kWithWater,     // "StfClyBW"
  kWithoutWater,  // "StfClyAW"
  kWithK,         // "StfClyAK"
};

// What a stiff clay curve is built from at one depth.
struct StiffClayInputs {
  StiffClayKind kind = StiffClayKind::kWithWater;
  double c = 0.0;      // undrained shear strength at the depth (stress)
  double c_a = 0.0;    // average strength above the depth (stress; "StfClyBW" only)
  double gamma = 0.0;  // average effective unit weight above the depth (force/length^3)
  double eps50 = 0.0;  // strain at half the strength, defaults applied
  double k = 0.0;      // initial modulus of subgrade reaction (force/length^3; BW and AK)
  double b = 0.0;      // pile width (length)
  double z_e = 0.0;    // effective depth of the ultimate resistance (length)
  double theta = 0.0;  // effective ground slope, signed (radians)
  double Y = 0.0;      // pile deflection that sets the slope direction (length)
  bool cyclic = false;
  double N = 1.0;      // number of cycles of loading (AW and AK, at least 1)
};

// A stiff clay curve at one depth: all that p(y) needs.
struct StiffClayCurve {
  StiffClayKind kind = StiffClayKind::kWithWater;
  bool cyclic = false;
  double y50 = 0.0;  // deflection at half the strength: eps50 b (BW), 2.5 eps50 b (AW, AK)
  double E0 = 0.0;   // initial modulus k z_e (force/length^2; BW and AK)
  double p_c = 0.0;  // BW: the smaller of the wedge and flow resistances (force/length)
  double p_u = 0.0;  // BW: the final plateau; AW, AK: the ultimate resistance (force/length)
  double A_s = 0.0;  // BW empirical factors at z_e / b
  double A_c = 0.0;
  double y_c = 0.0;  // AW, AK cyclic: y50 (1 + 0.6 log10 N) (length)
  double y_min = 0.0;  // AW: below it the curve is the secant line through y_min (length)
};

// Soil resistance p (force/length) at deflection y >= 0 (length).
double stiff_clay_p(const StiffClayCurve& curve, double y);

// Everything resolved at the depth: the curve and the values its report block shows.
struct StiffClayAtDepth {
  StiffClayInputs in;
  SlopingGroundFactors slope;
  double s = 1.0;     // sloping factor of the station's direction of movement
  double p_st = 0.0;  // shallow resistance with the sloping factor: pct (BW), Pct (AW, AK)
  double p_d = 0.0;   // deep resistance: 11 c b (BW), 9 c b (AW, AK)
  StiffClayCurve curve;
};

StiffClayAtDepth stiff_clay_at_depth(const StiffClayInputs& in);
// The same with the sloping-ground factors of in.theta already worked out (they are the same at
// every depth of a layer).
StiffClayAtDepth stiff_clay_at_depth(const StiffClayInputs& in, const SlopingGroundFactors& slope);

// The 17 deflections of the printed curve.
std::array<double, 17> stiff_clay_points(const StiffClayCurve& curve, double N);

// Defaults by strength band (US customary or SI; general units have none: 0). Cemented silt
// takes the "StfClyAK" k as the cohesive part of its own default.
double stiff_clay_default_eps50(StiffClayKind kind, int units, double c);
double stiff_clay_default_k(StiffClayKind kind, int units, bool cyclic, double c);

// A default k asked for in general units, where none exists: runtime error 57.
[[noreturn]] void report_default_k_in_general_units(Engine& engine, int layer);

}  // namespace torva
