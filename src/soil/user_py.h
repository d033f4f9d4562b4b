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
double user_curve_p(const UserPYCurve& curve, double y);

// What a depth X takes from the layer's two curves whatever the deflection: which of them it
// uses, its place between their depths and the values that do not depend on the deflection.
struct UserCurvesAtDepth {
  enum class Form { kTop, kNone, kBetween };
  Form form = Form::kNone;  // the top curve (the two at one depth), none (X outside their
                            // depths), or the two interpolated
  double f = 0.0;           // (X - top depth) / (bottom depth - top depth) between them
  double secant = 0.0;      // as UserCurveValues, interpolated in depth
  double p_last = 0.0;
};

UserCurvesAtDepth user_curves_depth_part(const UserPYCurve& top, const UserPYCurve& bottom,
                                         double X);
// p at deflection y >= 0 of the curve a depth part describes.
double user_curves_p(const UserPYCurve& top, const UserPYCurve& bottom,
                     const UserCurvesAtDepth& at_depth, double y);

// The two curves at depth X: linear between their depths, zero outside them; the top curve when
// the two lie at one depth.
UserCurveValues user_curves_at_depth(const UserPYCurve& top, const UserPYCurve& bottom, double X,
                                     double y);

// The 17 deflections of the printed curve, as multiples of the pile width.
inline constexpr std::array<float, 17> kUserPYPointFactors = {
    0.0f,  0.0002f,  0.00125f, 0.0025f,  0.00375f, 0.005f, 0.00625f, 0.0075f, 0.00875f,
    0.01f, 0.01125f, 0.0125f,  0.01375f, 0.015f,   0.04f,  0.075f,   0.1f};

}  // namespace torva
