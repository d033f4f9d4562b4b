#include "section/stored_curves.h"

#include <algorithm>

namespace torva {

void elastic_curve(double EI, MomentCurvatureCurve& curve) {
  curve = MomentCurvatureCurve{};
  curve.n_p = kMaxCurvePoints;
  for (int p = 1; p <= kMaxCurvePoints; ++p) {
    curve.phi(p) = 10.0 * p;
    curve.EI(p) = EI;
    curve.M(p) = EI * curve.phi(p);
  }
}

void elastic_plastic_curve(double EI, double M_p, MomentCurvatureCurve& curve) {
  curve = MomentCurvatureCurve{};
  curve.n_p = kMaxCurvePoints;
  const double phi_y = M_p / EI;
  for (int p = 1; p <= 100; ++p) {
    curve.phi(p) = p * phi_y / 100.0;
    curve.EI(p) = EI;
    curve.M(p) = EI * curve.phi(p);
  }
  for (int q = 1; q <= 50; ++q) {
    const int p = 100 + q;
    curve.phi(p) = phi_y * (1.0 + 0.2 * q);
    curve.M(p) = (1.0 + 2e-8 * q) * M_p;
    curve.EI(p) = curve.M(p) / curve.phi(p);
  }
}

bool refined_input_curve(const MomentCurve& input, double divisor, MomentCurvatureCurve& curve) {
  curve = MomentCurvatureCurve{};
  const int t = input.point_count;
  if (t < 1) return false;
  // The curve starts at zero moment, with the stiffness of its first point.
  const int o = input.moment[0] != 0.0 ? 1 : 0;
  const int m = o + t - 1;  // intervals
  if (m < 1 || t + o > kMaxCurvePoints) return false;
  const int inserted = (kMaxCurvePoints - t - o) / m;
  // The stiffness lookup needs curvatures that do not decrease along the curve (between two
  // points the refined curvature moves monotonically from one to the other).
  for (int i = 1; i < t; ++i) {
    if (input.moment[i] / input.stiffness[i] < input.moment[i - 1] / input.stiffness[i - 1]) {
      return false;
    }
  }

  double M_prev = 0.0, EI_prev = input.stiffness[0];
  int n = 0;
  const auto put = [&](double M, double EI) {
    ++n;
    curve.M(n) = M / divisor;
    curve.EI(n) = EI / divisor;
    curve.phi(n) = M / EI;
    curve.M_n = n == 1 ? M : std::max(curve.M_n, M);
  };
  if (o == 1) put(0.0, EI_prev);
  for (int i = 0; i < t; ++i) {
    const double M = input.moment[i], EI = input.stiffness[i];
    if (n > 0) {
      for (int v = 1; v <= inserted; ++v) {
        const double f = static_cast<double>(v) / (inserted + 1);
        put(M_prev + f * (M - M_prev), EI_prev + f * (EI - EI_prev));
      }
    }
    put(M, EI);
    M_prev = M;
    EI_prev = EI;
  }
  curve.n_p = n;
  return true;
}

double plastic_moment_at(const PileSection& section, double x) {
  const ElasticProperties& e = section.elastic;
  const double span = section.bottom - section.top;
  const double f = span > 0.0 ? (x - section.top) / span : 0.0;
  return e.top_plastic_moment + f * (e.bottom_plastic_moment - e.top_plastic_moment);
}

}  // namespace torva
