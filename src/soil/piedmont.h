// Piedmont residual soil ("Piedmont"): a curve from field tests in the residual soils of the
// Piedmont region. A soil modulus factor E_s per unit area comes from one
// field test (standard penetration, cone, dilatometer or pressuremeter); the curve is linear up
// to y_1 = 0.001 b, logarithmic up to y_2 = 0.0375 b, and constant at p_max beyond.
#pragma once

#include <array>
#include <optional>

#include "soil/py_framework.h"

namespace torva {

// A Piedmont residual soil curve at one depth.
struct PiedmontCurve {
  double b = 0.0;      // pile width (length)
  double E_s = 0.0;    // soil modulus factor (force/length^3)
  double y_1 = 0.0;    // end of the linear part (length)
  double y_2 = 0.0;    // end of the logarithmic part (length)
  double K_i = 0.0;    // initial p-y modulus b E_s (force/length^2)
  double p_max = 0.0;  // resistance beyond y_2 (force/length)
};

PiedmontCurve piedmont_curve(double b, double E_s);

// Soil resistance p (force/length) at deflection y >= 0 (length).
double piedmont_p(const PiedmontCurve& curve, double y);

// E_s for a field-test value v of test type `type` (field_test::kSPT ... kPMT) in unit system
// `units`; none in general units, where the factors are not defined.
std::optional<double> piedmont_modulus_factor(int type, int units, double v);

// The 17 deflections of the printed curve.
std::array<double, 17> piedmont_points(const PiedmontCurve& curve);

}  // namespace torva
