// Sand: "Sand" (the four-segment curve of Reese, Cox and Koop) and "API Sand" (the
// hyperbolic-tangent curve of the API recommendations). Both take their ultimate resistance
// from the same two failure modes: a passive wedge near the ground surface and flow of the sand
// around the pile at depth, with the wedge reduced or enlarged on sloping ground. Both start
// from the initial modulus of subgrade reaction k times the depth.
#pragma once

#include <array>
#include <cmath>
#include <limits>

#include "model/single_precision.h"
#include "soil/py_framework.h"

namespace torva {

// Smaller and larger of two values; a not-a-number operand gives not-a-number, so that a curve
// that went wrong is caught by the modulus test instead of being cut to a finite limit.
inline double min_or_nan(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
  return a < b ? a : b;
}
inline double max_or_nan(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
  return a > b ? a : b;
}

// ---- Shared by both criteria ---------------------------------------------------------------

// Wedge angles and earth pressure coefficients of a sand.
struct SandCoefficients {
  double phi = 0.0;       // friction angle (radians)
  double alpha = 0.0;     // phi / 2 (radians)
  double beta = 0.0;      // 45 degrees + phi / 2 (radians)
  double K0 = 0.0;        // at-rest earth pressure coefficient
  double Ka_wedge = 0.0;  // active coefficient of the wedge: the slope's Rankine value when the
                          // ground slopes, else Ka
  double Ka = 0.0;        // active coefficient of level ground, tan^2(45 degrees - phi/2)
  double Kp = 0.0;        // passive coefficient, tan^2(beta)
};

// `phi_degrees` the friction angle, `theta` the effective ground slope (radians), `sloping`
// whether the criterion treats the ground as sloping.
SandCoefficients sand_coefficients(double phi_degrees, double K0, double theta, bool sloping);

// The ground slopes more steeply than the friction angle allows (cos^2 t - cos^2 phi < 1e-10).
bool slope_steeper_than_friction(double phi, double theta);

// What a sand curve is built from at one depth.
struct SandInputs {
  double phi = 0.0;        // friction angle (degrees)
  double gamma = 0.0;      // average effective unit weight above the depth (force/length^3)
  double k = 0.0;          // initial modulus of subgrade reaction (force/length^3)
  bool default_k = false;  // k is the internal default for phi and gamma
  double b = 0.0;          // pile width (length)
  double z = 0.0;          // depth below the ground surface (length)
  double z_e = 0.0;        // effective depth of the wedge (length)
  double theta = 0.0;      // effective ground slope, signed (radians)
  bool with_slope = true;  // the pile deflects the way the ground slopes (same signs)
};

// Ultimate resistance of the sand at one depth (force/length).
struct SandResistance {
  bool sloping = false;  // the sloping-ground wedge was used
  double D = 1.0;        // 1 + t_s (pile deflecting with the slope) or 1 - t_s, 1 on level ground
  double p_st = 0.0;     // wedge resistance at the effective depth
  double p_sd = 0.0;     // flow resistance at the true depth
  double p_s = 0.0;      // the smaller of the two
};

// The wedge of Reese, Cox and Koop written term by term (the "Sand" form); the flow resistance
// K_a b gamma z (K_p^4 - 1) + K0 b gamma z tan(phi) K_p^2. `slope_threshold` is the slope above
// which the ground counts as sloping.
SandResistance sand_resistance(const SandCoefficients& c, const SandInputs& in,
                               double slope_threshold);

// ---- "Sand" (Reese, Cox and Koop) ----------------------------------------------------------

inline constexpr double kReeseSandK0 = 0.4;
inline constexpr double kReeseSandSlope = 1e-15;  // |theta| above this: sloping ground

// Sand factors A and B of the Reese curve at z / b, static or cyclic.
double reese_sand_A(double z, double b, bool cyclic);
double reese_sand_B(double z, double b, bool cyclic);

enum class ReeseSandShape {
  kNormal,     // y_k < y_m < y_u: initial line, parabola, straight line, plateau
  kTriLinear,  // y_m < y_k < y_u: the initial line reaches the straight line part
  kBiLinear,   // y_m < y_u < y_k: the initial line reaches the plateau
};

// A Reese sand curve at one depth: four segments (p = E_0 y up to y_k, p = C y^(1/n) up to y_m,
// a straight line up to (y_u, p_u), then p_u), never above the initial line E_0 y.
struct ReeseSandCurve {
  double E0 = 0.0;   // initial modulus k z_e (force/length^2)
  double y_m = 0.0;  // b / 60 (length)
  double y_u = 0.0;  // 3 b / 80 (length)
  double p_m = 0.0;  // B p_s (force/length)
  double p_u = 0.0;  // A p_s (force/length)
  double m = 0.0;    // slope of the straight part (force/length^2)
  double n = 0.0;    // exponent of the parabola
  double C = 0.0;    // coefficient of the parabola
  double y_k = 0.0;  // where the initial line meets the parabola (length)
  double p_k = 0.0;  // p there (force/length)
};

// Soil resistance p (force/length) at deflection y >= 0 (length).
double reese_sand_p(const ReeseSandCurve& curve, double y);
// True when p at y is the initial line E_0 y cutting the curve below it.
bool reese_sand_cut_by_initial_line(const ReeseSandCurve& curve, double y);
ReeseSandShape reese_sand_shape(const ReeseSandCurve& curve);

// Everything resolved at one depth: the curve and what its report block shows.
struct ReeseSandAtDepth {
  SandInputs in;
  SandCoefficients coefficients;
  SandResistance resistance;
  double A = 0.0;  // factor of p_u
  double B = 0.0;  // factor of p_m
  ReeseSandCurve curve;
};

ReeseSandAtDepth reese_sand_at_depth(const SandInputs& in, bool cyclic);

// The 17 deflections of the printed curve, by shape, for pile width b (length).
std::array<double, 17> reese_sand_points(const ReeseSandCurve& curve, double b);

// ---- "API Sand" ----------------------------------------------------------------------------

inline constexpr double kApiSandK0 = single(0.4f);
inline constexpr double kApiSandSlope = 1e-10;  // |theta| above this: sloping ground

// p = A p_u tanh(k z_e y / (A p_u)); 0 at the ground surface (z_e below 1e-10).
struct ApiSandCurve {
  double A = 0.0;    // max(0.9, 3 - 0.8 z_e / b) static, 0.9 cyclic
  double p_u = 0.0;  // ultimate resistance (force/length)
  double k = 0.0;    // initial modulus of subgrade reaction (force/length^3)
  double z_e = 0.0;  // effective depth (length)
  double E0 = 0.0;   // modulus at small deflections: k z_e, k z below a rock layer (force/length^2)
};

double api_sand_p(const ApiSandCurve& curve, double y);

struct ApiSandAtDepth {
  SandInputs in;
  SandCoefficients coefficients;
  double C1 = 0.0;  // wedge coefficients of the API recommendations
  double C2 = 0.0;
  double C3 = 0.0;
  SandResistance resistance;  // p_st = p_us, p_sd = p_ud, p_s = p_u
  ApiSandCurve curve;
};

// `true_depth_modulus`: the initial modulus uses the true depth (a layer below rock).
ApiSandAtDepth api_sand_at_depth(const SandInputs& in, bool cyclic, bool true_depth_modulus);

// The 17 deflections of the printed curve: the argument of tanh from 0 to pi, or steps of
// `surface_step` where the curve has no initial stiffness.
std::array<double, 17> api_sand_points(const ApiSandCurve& curve, double surface_step);

// ---- The steps of both criteria at a station -----------------------------------------------

// The pile's deflection at vertical depth X, linear between the nodes (output mode: printed
// curves take the direction of a sloping-ground wedge from it).
double pile_deflection_at_depth(const Engine& engine, double X);

// Whether a deflection Y moves the pile the way the ground slopes, by the Reese rule: a value
// of 1e-14 or less counts as negative, for the deflection and the slope alike.
inline bool reese_with_slope(double Y, double theta) { return (Y > 1e-14) == (theta > 1e-14); }

// The soil values of a sand curve at a station.
struct SandSoil {
  double phi = 0.0;           // friction angle (degrees)
  double gamma = 0.0;         // average effective unit weight above the depth (force/length^3)
  double k = 0.0;             // initial modulus of subgrade reaction (force/length^3)
  bool default_k = false;     // k is the internal default for phi and gamma
  bool unreasonable = false;  // phi lies outside 20..48 degrees (warning 302 or 303 registered)
};

// Friction angle, unit weight and k at a station, with the checks of the criterion (zero
// friction angle, unreasonable friction angle, too steep a slope). A default k is stored back
// as k top = k bottom = 0.
SandSoil read_sand_soil(Engine& engine, const LayerCall& call, const Station& s);

// The effective depth of the wedge at a station, worked out at every pass since the layers
// above may change it.
double sand_effective_depth(Engine& engine, const LayerCall& call, const Station& s,
                            const SandSoil& soil);

// The inputs of the curve at a station from its soil values, its effective depth and the
// direction of the deflection (`with_slope`).
SandInputs sand_inputs(const Engine& engine, const Station& s, const SandSoil& soil, double z_e,
                       bool with_slope);

// Both of the above: what a printed curve is built from.
SandInputs resolve_sand_station(Engine& engine, const LayerCall& call, const Station& s,
                                bool with_slope);

// Places of a sand node's depth part (NodeDepthPart::soil): the soil values both criteria keep,
// then each criterion's own from kSandOwnSlots on.
enum SandSlot : std::size_t { kSandPhi, kSandGamma, kSandK, kSandOwnSlots };

// The soil values of pile node `s.index` for the solution. The first pass of a solution reads
// them (read_sand_soil) and keeps them in the node's depth part, for the criterion to mark
// valid once it has kept its curve there too; the passes after it read them back and register
// the node's friction-angle warning again, as every pass does.
SandSoil node_sand_soil(Engine& engine, const LayerCall& call, const Station& s);

// What the equivalent depth of a layer with a sand wedge is computed from at a station: width,
// unit weight, friction angle (degrees), wedge coefficients and depth below the ground surface.
NodeSoilParameters wedge_soil_parameters(const Station& s, double gamma, double phi,
                                         const SandCoefficients& c);

// The note on the depth used, after the values of a report block.
void report_layering_note(Engine& engine);

}  // namespace torva
