#include "soil/user_py.h"

#include <cmath>

namespace torva {

namespace {

// Curves whose depths are this close are one curve.
constexpr double kSameDepth = 1e-6;
// Below this deflection the modulus is the secant of the second point.
constexpr double kSmallDeflection = 1e-14;

// The two curves of layer i: those of its top and bottom profile rows.
const UserPYCurve& top_curve(const Engine& engine, int layer) {
  return engine.user_py.curve[2 * layer - 1];
}
const UserPYCurve& bottom_curve(const Engine& engine, int layer) {
  return engine.user_py.curve[2 * layer];
}

void report_block(Engine& engine, const LayerCall& call, const Station& s) {
  report_title(engine, "p-y Curve Computed by Interpolation Between User-input Curves");
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_value(engine, "Pile diameter", s.b, engine.run.labels.length);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
}

}  // namespace

double user_curve_p(const UserPYCurve& c, double y) {
  const int n = c.count;
  if (y == c.y[1]) return c.p[1];
  if (y > c.y[n]) return c.p[n];
  // The first deflection is not negative (input error 88), so here it is positive.
  if (y < c.y[1]) return c.p[1] * y / c.y[1];
  int m = 2;
  while (m < n && !(c.y[m - 1] < y && y <= c.y[m])) ++m;
  return c.p[m - 1] + (y - c.y[m - 1]) * (c.p[m] - c.p[m - 1]) / (c.y[m] - c.y[m - 1]);
}

UserCurveValues user_curve_values(const UserPYCurve& c, double y) {
  return {user_curve_p(c, y), c.p[2] / c.y[2], c.p[c.count]};
}

UserCurvesAtDepth user_curves_depth_part(const UserPYCurve& top, const UserPYCurve& bottom,
                                         double X) {
  using Form = UserCurvesAtDepth::Form;
  const double d_top = top.depth;
  const double d_bottom = bottom.depth;
  const double t_secant = top.p[2] / top.y[2];
  const double t_last = top.p[top.count];
  if (std::fabs(d_bottom - d_top) <= kSameDepth) return {Form::kTop, 0.0, t_secant, t_last};
  if (X < d_top || X > d_bottom) return {};
  const double f = (X - d_top) / (d_bottom - d_top);
  const double b_secant = bottom.p[2] / bottom.y[2];
  const double b_last = bottom.p[bottom.count];
  return {Form::kBetween, f, t_secant + (b_secant - t_secant) * f,
          t_last + (b_last - t_last) * f};
}

double user_curves_p(const UserPYCurve& top, const UserPYCurve& bottom,
                     const UserCurvesAtDepth& at_depth, double y) {
  switch (at_depth.form) {
    case UserCurvesAtDepth::Form::kTop:
      return user_curve_p(top, y);
    case UserCurvesAtDepth::Form::kNone:
      return 0.0;
    case UserCurvesAtDepth::Form::kBetween:
      break;
  }
  const double t = user_curve_p(top, y);
  return t + (user_curve_p(bottom, y) - t) * at_depth.f;
}

UserCurveValues user_curves_at_depth(const UserPYCurve& top, const UserPYCurve& bottom, double X,
                                     double y) {
  const UserCurvesAtDepth at_depth = user_curves_depth_part(top, bottom, X);
  return {user_curves_p(top, bottom, at_depth, y), at_depth.secant, at_depth.p_last};
}

// The last-point resistance over the layer feeds the equivalent depths of the clay and sand
// layers below; a user-input layer itself does not end the layered-soil correction. What a node
// takes from the two curves apart from its deflection is worked out at the first pass of a
// solution and read back by the passes after it.
void user_py_moduli(Engine& engine, const LayerCall& call) {
  const UserPYCurve& top = top_curve(engine, call.layer);
  const UserPYCurve& bottom = bottom_curve(engine, call.layer);
  const double h = engine.nodes.h;
  double& F = engine.py.FLayer[call.layer];
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const UserCurvesAtDepth at_depth = kept_node_curve<UserCurvesAtDepth>(
        engine, s, [&](StationWarnings&) { return user_curves_depth_part(top, bottom, s.X); });
    const double Es = std::fabs(s.y) >= kSmallDeflection
                          ? user_curves_p(top, bottom, at_depth, s.y) * s.p_mult /
                                (s.y_mult * s.y)
                          : at_depth.secant;
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);
    if (s.first) F = 0.0;
    F += h * at_depth.p_last;
  }
}

void user_py_curves(Engine& engine, const LayerCall& call) {
  const UserPYCurve& top = top_curve(engine, call.layer);
  const UserPYCurve& bottom = bottom_curve(engine, call.layer);
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    report_block(engine, call, s);
    std::array<double, 17> ys{};
    for (std::size_t j = 0; j < ys.size(); ++j) {
      ys[j] = static_cast<double>(kUserPYPointFactors[j]) * s.b;
    }
    PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    printed.row_gap = 5;
    write_printed_curve(engine, printed, ys,
                        [&](int, double y) { return user_curves_at_depth(top, bottom, s.X, y).p; });
  }
}

}  // namespace torva
