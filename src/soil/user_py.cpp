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

UserCurveValues user_curve_values(const UserPYCurve& c, double y) {
  const int n = c.count;
  UserCurveValues v;
  v.secant = c.p[2] / c.y[2];
  v.p_last = c.p[n];
  if (y == c.y[1]) {
    v.p = c.p[1];
  } else if (y > c.y[n]) {
    v.p = c.p[n];
  } else if (y < c.y[1]) {
    // The first deflection is not negative (input error 88), so here it is positive.
    v.p = c.p[1] * y / c.y[1];
  } else {
    int m = 2;
    while (m < n && !(c.y[m - 1] < y && y <= c.y[m])) ++m;
    v.p = c.p[m - 1] + (y - c.y[m - 1]) * (c.p[m] - c.p[m - 1]) / (c.y[m] - c.y[m - 1]);
  }
  return v;
}

UserCurveValues user_curves_at_depth(const UserPYCurve& top, const UserPYCurve& bottom, double X,
                                     double y) {
  const double d_top = top.depth;
  const double d_bottom = bottom.depth;
  const UserCurveValues t = user_curve_values(top, y);
  if (std::fabs(d_bottom - d_top) <= kSameDepth) return t;
  if (X < d_top || X > d_bottom) return {};
  const UserCurveValues b = user_curve_values(bottom, y);
  const double f = (X - d_top) / (d_bottom - d_top);
  return {t.p + (b.p - t.p) * f, t.secant + (b.secant - t.secant) * f,
          t.p_last + (b.p_last - t.p_last) * f};
}

// The last-point resistance over the layer feeds the equivalent depths of the clay and sand
// layers below; a user-input layer itself does not end the layered-soil correction.
void user_py_moduli(Engine& engine, const LayerCall& call) {
  const UserPYCurve& top = top_curve(engine, call.layer);
  const UserPYCurve& bottom = bottom_curve(engine, call.layer);
  const double h = engine.nodes.h;
  double& F = engine.py.FLayer[call.layer];
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const UserCurveValues v = user_curves_at_depth(top, bottom, s.X, s.y);
    const double Es =
        std::fabs(s.y) >= kSmallDeflection ? v.p * s.p_mult / (s.y_mult * s.y) : v.secant;
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);
    if (s.first) F = 0.0;
    F += h * v.p_last;
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
