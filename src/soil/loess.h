// Loess ("KS Loess"): a hyperbolic curve from the cone tip resistance, its initial modulus the
// ultimate resistance over a reference deflection, the resistance reduced with the number of
// cycles of loading (valid for 1 to 10 cycles).
#pragma once

#include <array>

#include "soil/py_framework.h"

namespace torva {

// A loess curve at one depth.
struct LoessCurve {
  double y_ref = 0.0;  // reference deflection (length)
  double p_u = 0.0;    // ultimate resistance (force/length)
  double E_i = 0.0;    // initial modulus p_u / y_ref (force/length^2)
};

// Soil resistance p (force/length) at deflection y >= 0 (length).
double loess_p(const LoessCurve& curve, double y);

// Everything resolved at one depth: the curve and what its report block shows.
struct LoessAtDepth {
  double q_c = 0.0;           // cone tip resistance (stress)
  bool near_surface = false;  // z < 2 b: q_c reduced towards the ground surface
  double q_a = 0.0;           // depth-adjusted cone tip resistance (stress)
  double p_u0 = 0.0;          // 0.409 q_a (stress)
  double N = 1.0;             // number of cycles used, at least 1
  LoessCurve curve;
};

// q_c at depth z below the ground surface for pile width b, N cycles used (at least 1) and the
// reference deflection of the unit system.
LoessAtDepth loess_at_depth(double q_c, double z, double b, double N, double y_ref);

// Reference deflection: 0.117 in in US customary units, 0.0029718 m otherwise.
double loess_reference_deflection(int units);

// The 17 deflections of the printed curve, as multiples of y_ref.
inline constexpr std::array<double, 17> kLoessPointFactors = {
    0.0, 0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0, 16.0, 23.0, 30.0, 40.0, 50.0};

}  // namespace torva
