// Soft clay below the water table: "SoftClay" (J = 0.5) and "SoftClyJ" (J given per layer).
// The curve is p = 0.5 p_u (y / y50)^(1/3), capped at p_u beyond 8 y50 under static loading;
// under cyclic loading it holds 0.72 p_u beyond 3 y50, falling to a smaller residual value
// near the ground surface.
#pragma once

#include "model/single_precision.h"
#include "soil/py_framework.h"

namespace torva {

// Below this fraction of y50 the curve is the straight line of the limiting modulus
// (single-precision 1e-5).
inline constexpr double kSoftClayLimitFraction = single(1e-5f);

// A soft clay curve at one depth: all that p(y) needs.
struct SoftClayCurve {
  bool cyclic = false;        // cyclic loading
  double y50 = 0.0;           // deflection at half the ultimate resistance (length)
  double p_u = 0.0;           // ultimate resistance, sloping ground included (force/length)
  double p_uc = 0.0;          // cyclic plateau, 0.72112477 p_u (force/length)
  double p_cr = 0.0;          // cyclic residual resistance (force/length); p_uc at depth
  bool near_surface = false;  // z_e < X_r: the cyclic curve falls from p_uc to p_cr
  double K_max = 0.0;         // limiting modulus below 0.00001 y50 (force/length^2)
};

// Soil resistance p (force/length) at deflection y >= 0 (length).
double soft_clay_p(const SoftClayCurve& curve, double y);

// What the soft clay curve is built from at one depth.
struct SoftClayInputs {
  double c = 0.0;      // undrained shear strength (stress)
  double gamma = 0.0;  // average effective unit weight above the depth (force/length^3)
  double eps50 = 0.0;  // strain at half the strength (dimensionless), defaults applied
  double J = 0.5;      // J factor (dimensionless)
  double b = 0.0;      // pile width (length)
  double z_e = 0.0;    // effective depth of the ultimate resistance (length)
  double theta = 0.0;  // effective ground slope, signed (radians)
  double Y = 0.0;      // pile deflection that sets the slope direction (length)
  bool cyclic = false;
  bool user_J = false;  // "SoftClyJ": the limiting modulus follows p_u
  bool us_units = false;
};

// Everything resolved at the depth: the curve and the values its report block shows.
struct SoftClayAtDepth {
  SoftClayInputs in;
  double ratio = 0.0;  // r = z_e J / b + 3 + z_e gamma / c, before the sloping factor
  double x_r = 0.0;    // transition depth from the formula (length)
  double X_r = 0.0;    // transition depth used: max(x_r, 2.5 b) (length)
  SlopingGroundFactors slope;
  double s = 1.0;      // sloping factor of the station's direction of movement
  double pu_s = 0.0;   // c b r: shallow resistance without sloping factor or cap
  double pu_d = 0.0;   // 9 c b: deep resistance
  SoftClayCurve curve;
};

SoftClayAtDepth soft_clay_at_depth(const SoftClayInputs& in);
// The same with the sloping-ground factors of in.theta already worked out (they are the same at
// every depth).
SoftClayAtDepth soft_clay_at_depth(const SoftClayInputs& in, const SlopingGroundFactors& slope);

// eps50 for a strength c when the input leaves it at 0 (US customary or SI units; the bands are
// 500, 1000, 2000 and 4000 lb/ft^2). General units have no default: 0.
double soft_clay_default_eps50(int units, double c);

}  // namespace torva
