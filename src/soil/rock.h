// Rock: "WeakRock" (weak rock after Reese, with the rock quality RQD and the strain factor
// k_rm), "Vuggy LS" (vuggy limestone, a strong rock that fails in a brittle way) and
// "MassRock" (massive rock, whose p-y relation this version does not provide: a layer of it
// that holds a pile node ends the run). Rock layers end the layered-soil correction of the
// layers below them.
#pragma once

#include <array>

#include "model/single_precision.h"
#include "soil/py_framework.h"

namespace torva {

// ---- "WeakRock" ----------------------------------------------------------------------------

// alpha_r = 1 - RQD / 150, with 1/150 in single precision.
inline constexpr double kWeakRockRQDFactor = single(1.0f / 150.0f);
// y_A = (p_ur / (2 y_rm^0.25 K_ir))^1.333: the exponent is a single-precision 1.333, not 4/3.
inline constexpr double kWeakRockYAExponent = single(1.333f);

// A weak rock curve at one depth: the straight line K_ir y up to y_A (never above p_ur), then
// (p_ur / 2) (y / y_rm)^0.25 up to p_ur, reached at 16 y_rm.
struct WeakRockCurve {
  double K_ir = 0.0;  // initial modulus (force/length^2)
  double p_ur = 0.0;  // ultimate resistance (force/length)
  double y_rm = 0.0;  // k_rm b (length)
  double y_A = 0.0;   // end of the initial line (length)
};

// Soil resistance p (force/length) at deflection y >= 0 (length).
double weak_rock_p(const WeakRockCurve& curve, double y);

// Secant modulus Es of a node whose deflection relative to the soil, divided by the
// y-multiplier, is y (the initial line's K_ir p_m / y_m at and near rest).
double weak_rock_modulus(const WeakRockCurve& curve, double y, double p_mult, double y_mult);

// What the weak rock curve is built from at one depth.
struct WeakRockInputs {
  double q_ur = 0.0;  // uniaxial compressive strength (stress)
  double E_ir = 0.0;  // initial rock mass modulus (stress)
  double RQD = 0.0;   // rock quality designation (percent)
  double k_rm = 0.0;  // strain factor (dimensionless)
  double x_r = 0.0;   // depth below the top of the rock mass (length)
  double b = 0.0;     // pile width (length)
};

// Everything resolved at the depth: the curve and the values its report block shows.
struct WeakRockAtDepth {
  WeakRockInputs in;
  double alpha_r = 1.0;   // strength reduction for the rock quality
  double y_A_base = 0.0;  // p_ur / (2 y_rm^0.25) / K_ir, which y_A raises to 1.333
  WeakRockCurve curve;
};

// The curve from its inputs alone (no checks: the criterion checks the inputs first).
WeakRockAtDepth weak_rock_at_depth(const WeakRockInputs& in);

// Depth of X below the top of the rock mass of layer `layer`: from the layer's top (plus
// 1e-8), and through every directly preceding weak rock or vuggy limestone layer.
double weak_rock_depth_in_rock(const SoilLayers& soil, int layer, double X);

// The 17 deflections of the printed curve: 0, y_A, 13 steps towards 16 y_rm, 16 and 20 y_rm.
std::array<double, 17> weak_rock_points(const WeakRockCurve& curve);

// ---- "Vuggy LS" ----------------------------------------------------------------------------

// Below this deflection (length) the modulus is the initial one, K_i / y_m.
inline constexpr double kVuggyLimestoneSmallDeflection = 1e-14;

// A vuggy limestone curve at one depth: K_i y up to y_1, then a flatter line up to b s_u at
// y_2; beyond y_2 the rock has failed and only the residual 0.5 gamma' b z remains.
struct VuggyLimestoneCurve {
  double s_u = 0.0;         // q_u / 2 (stress)
  double y_1 = 0.0;         // 0.0004 b (length)
  double K_i = 0.0;         // 2000 s_u (force/length^2)
  double p_1 = 0.0;         // 0.8 b s_u (force/length)
  double y_2 = 0.0;         // y_1 + (b s_u - p_1) / (100 s_u), 0.0024 b (length)
  double p_residual = 0.0;  // 0.5 gamma' b z (force/length)
};

VuggyLimestoneCurve vuggy_limestone_curve(double q_u, double gamma, double b, double z);

// Soil resistance p (force/length) at deflection y >= 0 (length).
double vuggy_limestone_p(const VuggyLimestoneCurve& curve, double y);

// The 17 deflections of the printed curve: 0, y_1, 14 steps towards y_2, and y_2.
std::array<double, 17> vuggy_limestone_points(const VuggyLimestoneCurve& curve);

}  // namespace torva
