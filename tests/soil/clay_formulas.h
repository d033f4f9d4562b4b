// The stiff clay and cemented silt p-y curves in their published forms, worked out here apart
// from the engine: stiff clay with free water (Reese, Cox and Koop 1975) with its empirical
// factors A_s and A_c, stiff clay without free water (Welch and Reese 1972) with the cyclic
// deflection y_c = y_s + 9.6 (p/p_u)^4 y50 log10 N, and cemented silt (the Reese sand curve on
// the sum of a sand and a clay resistance).
#pragma once

#include <algorithm>
#include <cmath>

#include "soil/sand_formulas.h"

namespace torva::testing::clay {

// Empirical factors of stiff clay with free water at x / b (polynomial fits of the published
// charts).
inline double A_s(double r) {
  if (r > 3.3) return 0.6;
  return std::min(0.6, 0.2345 + 0.2958796 * r - 0.0786111 * r * r + 0.0068981 * r * r * r);
}
inline double A_c(double r) {
  if (r > 1.5) return 0.3;
  return std::min(0.3, 0.2 + 0.153333 * r - 0.075 * r * r + 0.011667 * r * r * r);
}

// Stiff clay with free water at depth x (the effective depth), c the strength there and c_a
// its average above.
struct WithWater {
  double c, c_a, gamma, eps50, k, b, x;
  bool cyclic = false;
  double y50() const { return eps50 * b; }
  double As() const { return A_s(x / b); }
  double Ac() const { return A_c(x / b); }
  // Wedge 2 c_a b + gamma' b x + 2.83 c_a x, flow 11 c b.
  double p_c() const {
    return std::min(2.0 * c_a * b + gamma * b * x + 2.83 * c_a * x, 11.0 * c * b);
  }
  double plateau() const {
    return cyclic ? p_c() * (0.936 * Ac() - 0.102 * 4.1 * As())
                  : p_c() * (0.5 * std::sqrt(6.0 * As()) - 0.75 * As() - 0.411);
  }
  double curve(double y) const {
    const double y50_ = y50();
    const double pc = p_c();
    if (!cyclic) {
      const double a = As() * y50_;
      if (y <= a) return 0.5 * pc * std::sqrt(y / y50_);
      if (y <= 6.0 * a) {
        return 0.5 * pc * std::sqrt(y / y50_) - 0.055 * pc * std::pow((y - a) / a, 1.25);
      }
      if (y <= 18.0 * a) {
        return 0.5 * pc * std::sqrt(6.0 * As()) - 0.411 * pc - 0.0625 / y50_ * pc * (y - 6.0 * a);
      }
      return plateau();
    }
    const double yp = 4.1 * As() * y50_;
    if (y <= 0.6 * yp) {
      return Ac() * pc * (1.0 - std::pow(std::fabs((y - 0.45 * yp) / (0.45 * yp)), 2.5));
    }
    if (y <= 1.8 * yp) return 0.936 * Ac() * pc - 0.085 / y50_ * pc * (y - 0.6 * yp);
    return 0.936 * Ac() * pc - 0.102 / y50_ * pc * yp;
  }
  // Under the initial straight line k x y.
  double p(double y) const { return std::min(curve(y), k * x * y); }
};

// Stiff clay without free water at depth x: p_u = min((3 + gamma' x / c + 0.5 x / b) c b, 9 c b),
// y = 16 y50 (p / p_u)^4 (static), y_c = y + 9.6 (p / p_u)^4 y50 log10 N (cyclic), p_u beyond.
struct WithoutWater {
  double c, gamma, eps50, b, x;
  bool cyclic = false;
  double N = 1.0;
  double k = 0.0;  // with k: under the initial line k x y; 0: no such line
  double y50() const { return 2.5 * eps50 * b; }
  double p_u() const { return std::min((3.0 + gamma * x / c + 0.5 * x / b) * c * b, 9.0 * c * b); }
  // The deflection at which p reaches the share q = p / p_u (q <= 1).
  double deflection(double q) const {
    const double q4 = std::pow(q, 4);
    return 16.0 * y50() * q4 + (cyclic ? 9.6 * q4 * y50() * std::log10(N) : 0.0);
  }
  double curve(double y) const {
    // Invert y(q) = q^4 (16 + 9.6 log10 N) y50.
    const double full = deflection(1.0);
    if (y >= full) return p_u();
    return p_u() * std::pow(y / full, 0.25);
  }
  double p(double y) const { return k != 0.0 ? std::min(curve(y), k * x * y) : curve(y); }
};

// Cemented silt at effective depth x (true depth z for the flow of the sand part).
struct CementedSilt {
  double c, phi, gamma, k, b, x, z;
  bool cyclic = false;
  double p_phi() const {
    const double K0 = static_cast<double>(0.4f);
    return std::min(sand::reese_wedge(phi, gamma, b, x, K0).p_st,
                    sand::reese_wedge(phi, gamma, b, z, K0).p_sd);
  }
  double p_c() const { return c * b * std::min(9.0, 3.0 + gamma * x / c + 0.5 * x / b); }
  double A() const { return sand::factor(cyclic ? sand::kACyclic : sand::kAStatic, x / b); }
  double p_u() const { return A() * p_phi() + p_c(); }
  double p_m() const { return 1.5 * (p_phi() + p_c()); }
  double y_m() const { return b / 60.0; }
  double y_u() const { return 3.0 * b / 80.0; }
  // The parabola p_m (y / y_m)^(1/n) meets the straight part at y_m.
  double n() const { return p_m() / (y_m() * (p_u() - p_m()) / (y_u() - y_m())); }
  double segments(double y) const {
    if (y <= y_m()) return p_m() * std::pow(y / y_m(), 1.0 / n());
    if (y <= y_u()) return p_m() + (p_u() - p_m()) * (y - y_m()) / (y_u() - y_m());
    return p_u();
  }
  double p(double y) const { return std::min(segments(y), k * x * y); }
};

}  // namespace torva::testing::clay
