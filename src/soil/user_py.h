// User-input p-y curves ("User p-y"): a curve given at the top and one at the bottom of a layer,
// each a polyline of (y, p) points, interpolated linearly in depth between them.
#pragma once

#include <array>

#include "soil/py_framework.h"

namespace torva {

// What the criterion takes from a curve, or from the two curves at a depth.
struct UserCurveValues {
  double p = 0.0;       // resistance at the deflection (force/length)
  double secant = 0.0;  // secant of the second point, p_2 / y_2 (force/length^2)
  double p_last = 0.0;  // resistance of the last point (force/length)
};

// One curve at deflection y >= 0: on its polyline, the line from the origin to its first point
// below that point, and its last p beyond its last point.
UserCurveValues user_curve_values(const UserPYCurve& curve, double y);

// The two curves at depth X: linear between their depths, zero outside them; the top curve when
// the two lie at one depth.
UserCurveValues user_curves_at_depth(const UserPYCurve& top, const UserPYCurve& bottom, double X,
                                     double y);

// The 17 deflections of the printed curve, as multiples of the pile width.
inline constexpr std::array<float, 17> kUserPYPointFactors = {
    0.0f,  0.0002f,  0.00125f, 0.0025f,  0.00375f, 0.005f, 0.00625f, 0.0075f, 0.00875f,
    0.01f, 0.01125f, 0.0125f,  0.01375f, 0.015f,   0.04f,  0.075f,   0.1f};

}  // namespace torva
