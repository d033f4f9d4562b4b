// Cemented silt ("Cem Silt"), a soil with both cohesion and friction: the ultimate resistance
// adds the sand wedge and flow resistance (times the sand factor A) to the soft clay resistance
// of the cohesion, and the curve has the four segments of the Reese sand curve.
#pragma once

#include <array>

#include "soil/py_framework.h"
#include "soil/sand.h"

namespace torva {

// What a cemented silt curve is built from at one depth.
struct CementedSiltInputs {
  SandInputs sand;     // friction angle, unit weight, k, width, depths, slope and its direction
  double c = 0.0;      // undrained shear strength (stress)
  double eps50 = 0.0;  // strain at half the strength (reported only)
  double J = 0.5;      // J of the cohesive part (dimensionless)
  double Y = 0.0;      // pile deflection that sets the direction of the cohesive part (length)
  bool cyclic = false;
};

// Everything resolved at the depth: the curve and what its report block shows.
struct CementedSiltAtDepth {
  CementedSiltInputs in;      // z_e of a station above the ground surface raised to 0
  SandCoefficients coefficients;
  SandResistance resistance;  // the frictional part p_phi = p_s
  double s = 1.0;             // clay sloping factor of the cohesive part
  double p_c = 0.0;           // cohesive part c b min(9, r s) (force/length)
  double A = 0.0;             // sand factor A at z_e / b
  double B = 0.0;             // sand factor B at z_e / b (reported only)
  ReeseSandCurve curve;       // p_m = 1.5 (p_phi + p_c), p_u = A p_phi + p_c
};

CementedSiltAtDepth cemented_silt_at_depth(const CementedSiltInputs& in);
// The same with the sloping-ground factors of the cohesive part already worked out (they are
// the same at every depth of a layer).
CementedSiltAtDepth cemented_silt_at_depth(const CementedSiltInputs& in,
                                           const SlopingGroundFactors& slope);

// p (force/length) at deflection y >= 0 (length).
double cemented_silt_p(const CementedSiltAtDepth& d, double y);

// The 17 deflections of the printed curve: b/60 in 12 steps, then 3b/80 and 5 to 15 percent
// beyond.
std::array<double, 17> cemented_silt_points(const ReeseSandCurve& curve);

// Default k (force/length^3): the "StfClyAK" k of the strength plus a frictional part by the
// friction angle (degrees) and whether the silt lies above the water (by its unit weight).
// General units have none: 0.
double cemented_silt_default_k(int units, bool cyclic, double c, double phi, double gamma);

// eps50 when the input leaves it at 0: the soft clay bands (general units: 0).
double cemented_silt_default_eps50(int units, double c);

}  // namespace torva
