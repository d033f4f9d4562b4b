// The sand p-y curves in their published forms, worked out here apart from the engine: the
// wedge and flow resistances as Reese, Cox and Koop (1974) and the API recommendations write
// them on level and on sloping ground, the Reese factors A and B, the Reese curve with its
// parabola tangent to the straight part at b/60 and its printed deflections, the API hyperbolic
// tangent, and the liquefied sand relation of Rollins et al. (2005) in kN, m and mm.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

namespace torva::testing::sand {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kRadians = kPi / 180.0;

struct Wedge {
  double p_st;  // wedge resistance at the depth given (force/length)
  double p_sd;  // flow resistance at the depth given (force/length)
};

// Level ground.
inline Wedge reese_wedge(double phi_degrees, double gamma, double b, double z, double K0 = 0.4) {
  const double phi = phi_degrees * kRadians;
  const double alpha = phi / 2.0;
  const double beta = kPi / 4.0 + phi / 2.0;
  const double Ka = std::pow(std::tan(kPi / 4.0 - phi / 2.0), 2);
  const double t = std::tan(beta);
  const double p_st =
      gamma * z *
      (K0 * z * std::tan(phi) * std::sin(beta) / (std::tan(beta - phi) * std::cos(alpha)) +
       t / std::tan(beta - phi) * (b + z * t * std::tan(alpha)) +
       K0 * z * t * (std::tan(phi) * std::sin(beta) - std::tan(alpha)) - Ka * b);
  const double p_sd = Ka * b * gamma * z * (std::pow(t, 8) - 1.0) +
                      K0 * b * gamma * z * std::tan(phi) * std::pow(t, 4);
  return {p_st, p_sd};
}

// Sloping ground of `slope` degrees: the wedge whose factor
// D2 = 1 / (1 + tan(slope) tan(beta)) scales the face of the wedge and
// D1 = tan(slope) tan(beta) D2 reduces its side friction by 4 D1^3 - 3 D1^2 + 1, and the
// active pressure is Rankine's for a sloping surface. A pile deflecting the other way than the
// angle's sign sees 1 - tan(slope) tan(beta) in these factors. The flow resistance stays that
// of level ground.
inline Wedge reese_wedge_sloping(double phi_degrees, double gamma, double b, double z,
                                 double slope_degrees, bool same_sign, double K0 = 0.4) {
  const double phi = phi_degrees * kRadians;
  const double theta = std::fabs(slope_degrees) * kRadians;
  const double alpha = phi / 2.0;
  const double beta = kPi / 4.0 + phi / 2.0;
  const double t = std::tan(beta);
  const double ts = std::tan(theta) * t;
  const double D2 = 1.0 / (same_sign ? 1.0 + ts : 1.0 - ts);
  const double D1 = ts * D2;
  const double side = 4.0 * D1 * D1 * D1 - 3.0 * D1 * D1 + 1.0;
  const double root = std::sqrt(std::pow(std::cos(theta), 2) - std::pow(std::cos(phi), 2));
  const double Ka = std::cos(theta) * (std::cos(theta) - root) / (std::cos(theta) + root);
  const double p_st =
      gamma * z *
      (K0 * z * std::tan(phi) * std::sin(beta) / (std::tan(beta - phi) * std::cos(alpha)) * side +
       t / std::tan(beta - phi) * (b * D2 + z * t * std::tan(alpha) * D2 * D2) +
       K0 * z * t * (std::tan(phi) * std::sin(beta) - std::tan(alpha)) * side - Ka * b);
  return {p_st, reese_wedge(phi_degrees, gamma, b, z, K0).p_sd};
}

// The API coefficients, with the criterion's K0 (a single-precision 0.4).
struct ApiCoefficients {
  double C1, C2, C3;
};
inline ApiCoefficients api_coefficients(double phi_degrees) {
  const double K0 = static_cast<double>(0.4f);
  const double phi = phi_degrees * kRadians;
  const double alpha = phi / 2.0;
  const double beta = kPi / 4.0 + phi / 2.0;
  const double Ka = std::pow(std::tan(kPi / 4.0 - phi / 2.0), 2);
  const double t = std::tan(beta);
  return {t * t * std::tan(alpha) / std::tan(beta - phi) +
              K0 * (std::tan(phi) * std::sin(beta) / (std::cos(alpha) * std::tan(beta - phi)) +
                    t * (std::tan(phi) * std::sin(beta) - std::tan(alpha))),
          t / std::tan(beta - phi) - Ka,
          Ka * (std::pow(t, 8) - 1.0) + K0 * std::tan(phi) * std::pow(t, 4)};
}

// p_us = (C1 z + C2 b) gamma z and p_ud = C3 b gamma z.
inline Wedge api_resistance(double phi_degrees, double gamma, double b, double z) {
  const ApiCoefficients c = api_coefficients(phi_degrees);
  return {(c.C1 * z + c.C2 * b) * gamma * z, c.C3 * b * gamma * z};
}

// The Reese factors at z/b = 0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6 (single-precision values).
inline constexpr std::array<float, 10> kRatios = {0.0f, 0.5f, 1.0f, 1.5f, 2.0f,
                                                  2.5f, 3.0f, 4.0f, 5.0f, 6.0f};
inline constexpr std::array<float, 10> kAStatic = {2.83f, 2.48f, 2.11f, 1.76f, 1.48f,
                                                   1.23f, 1.06f, 0.90f, 0.88f, 0.88f};
inline constexpr std::array<float, 10> kBStatic = {2.14f, 1.83f, 1.54f, 1.27f, 1.05f,
                                                   0.86f, 0.71f, 0.53f, 0.50f, 0.50f};
inline constexpr std::array<float, 10> kACyclic = {0.75f, 0.93f, 1.07f, 1.11f, 1.03f,
                                                   0.98f, 0.94f, 0.90f, 0.88f, 0.88f};
inline constexpr std::array<float, 10> kBCyclic = {0.53f, 0.72f, 0.83f, 0.86f, 0.82f,
                                                   0.77f, 0.70f, 0.55f, 0.55f, 0.55f};

inline double factor(const std::array<float, 10>& values, double r) {
  if (r >= 6.0) return values[9];
  std::size_t k = 1;
  while (r > kRatios[k]) ++k;
  const double f = (r - kRatios[k - 1]) / (kRatios[k] - kRatios[k - 1]);
  return values[k - 1] + f * (static_cast<double>(values[k]) - values[k - 1]);
}

// The wedge resistance A gamma b^2 (C1 (z/b)^2 + C2 z/b) of a static sand, integrated finely
// from the ground surface to depth h: what a sand below other layers builds up to its
// equivalent depth.
inline double wedge_resistance_to_depth(double phi_degrees, double gamma, double b, double h) {
  const ApiCoefficients c = api_coefficients(phi_degrees);
  const int steps = 200000;
  double integral = 0.0;
  for (int n = 0; n < steps; ++n) {
    const double r = (n + 0.5) * h / steps / b;
    integral += factor(kAStatic, r) * gamma * b * b * (c.C1 * r * r + c.C2 * r);
  }
  return integral * h / steps;
}

// A Reese sand at one depth.
struct ReeseSand {
  double phi;    // degrees
  double gamma;  // average effective unit weight above the depth
  double b;      // pile width
  double k;      // initial modulus of subgrade reaction
  double z_e;    // effective depth of the wedge and the initial modulus
  double z;      // true depth of the flow resistance
  bool cyclic = false;
  double slope = 0.0;     // ground slope (degrees)
  bool same_sign = true;  // the pile deflects the way of the slope angle's sign

  double p_st() const {
    return slope == 0.0 ? reese_wedge(phi, gamma, b, z_e).p_st
                        : reese_wedge_sloping(phi, gamma, b, z_e, slope, same_sign).p_st;
  }
  double p_sd() const { return reese_wedge(phi, gamma, b, z).p_sd; }
  double p_s() const { return std::min(p_st(), p_sd()); }
  double A() const { return factor(cyclic ? kACyclic : kAStatic, z_e / b); }
  double B() const { return factor(cyclic ? kBCyclic : kBStatic, z_e / b); }
  double y_m() const { return b / 60.0; }
  double y_u() const { return 3.0 * b / 80.0; }
  // The parabola p_m (y / y_m)^(1/n) has the slope of the straight part at y_m.
  double n() const { return 1.25 * B() / (A() - B()); }
  double E0() const { return k * z_e; }
  // Where the initial line meets the parabola.
  double y_k() const {
    return std::pow(B() * p_s() / (E0() * std::pow(y_m(), 1.0 / n())), n() / (n() - 1.0));
  }
  // The four segments, before the initial line caps them.
  double segments(double y) const {
    const double p_m = B() * p_s();
    const double p_u = A() * p_s();
    if (y <= y_m()) return p_m * std::pow(y / y_m(), 1.0 / n());
    if (y <= y_u()) return p_m + (p_u - p_m) * (y - y_m()) / (y_u() - y_m());
    return p_u;
  }
  double p(double y) const { return std::min(segments(y), E0() * y); }
  bool cut_by_initial_line(double y) const { return E0() * y < segments(y) * (1.0 - 1e-6); }

  // The 17 deflections of the printed curve, by its shape: normal (y_k < b/60), tri-linear
  // (b/60 < y_k < 3b/80: from y_k, where the initial line meets the curve, straight to 3b/80)
  // or bi-linear (the initial line runs into p_u).
  std::array<double, 17> printed_deflections() const {
    std::array<double, 17> y{};
    const double yk = y_k();
    if (yk < y_m()) {
      y[1] = yk;
      for (int j = 1; j <= 10; ++j) y[1 + j] = yk + j * (y_m() - yk) / 11.0;
      y[12] = y_m();
      y[13] = 13.0 * b / 480.0;
      y[14] = y_u();
    } else if (yk < y_u()) {
      y[1] = yk;
      for (int j = 1; j <= 12; ++j) y[1 + j] = yk + j * (y_u() - yk) / 13.0;
      y[14] = y_u();
    } else {
      const double y_e = A() * p_s() / E0();
      for (int j = 1; j <= 14; ++j) y[j] = j * y_e / 14.0;
      y[15] = 1.025 * y_e;
      y[16] = 1.05 * y_e;
      return y;
    }
    y[15] = 1.025 * y_u();
    y[16] = 1.05 * y_u();
    return y;
  }
};

// API sand at one depth; on sloping ground its wedge is the sloping wedge above.
struct ApiSand {
  double phi, gamma, b, k, z;
  bool cyclic = false;
  double slope = 0.0;     // ground slope (degrees)
  bool same_sign = true;  // the pile deflects the way of the slope angle's sign
  double A() const { return cyclic ? 0.9 : std::max(0.9, 3.0 - 0.8 * z / b); }
  double p_us() const {
    if (slope == 0.0) return api_resistance(phi, gamma, b, z).p_st;
    return reese_wedge_sloping(phi, gamma, b, z, slope, same_sign, static_cast<double>(0.4f)).p_st;
  }
  double p_ud() const { return api_resistance(phi, gamma, b, z).p_sd; }
  double p_u() const { return std::min(p_us(), p_ud()); }
  double p(double y) const {
    if (z == 0.0) return 0.0;
    return A() * p_u() * std::tanh(k * z * y / (A() * p_u()));
  }
};

// Liquefied sand at normalised depth z_n (m) beside a pile of b metres; p in kN/m, y in mm.
struct LiquefiedSand {
  double z_n, b;
  double A() const { return 3e-7 * std::pow(z_n + 1.0, 6.05); }
  double B() const { return 2.8 * std::pow(z_n + 1.0, 0.11); }
  double C() const { return 2.85 * std::pow(z_n + 1.0, -0.41); }
  double P_d() const { return b <= 0.3 ? b / 0.3 : 3.81 * std::log(b) + 5.6; }
  double p_150() const { return A() * std::pow(150.0 * B(), C()); }
  double P_u() const { return P_d() * std::min(15.0, p_150()); }
  // The deflection at which the curve reaches 15 P_d; 150 mm when it never does.
  double y_u_mm() const { return p_150() >= 15.0 ? std::pow(15.0 / A(), 1.0 / C()) / B() : 150.0; }
  double p(double y_mm) const { return std::min(P_u(), P_d() * A() * std::pow(B() * y_mm, C())); }
};

}  // namespace torva::testing::sand
