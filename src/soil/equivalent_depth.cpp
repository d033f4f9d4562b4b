// The layered-soil correction: a layer below others starts at the depth at which its own soil,
// from the ground surface, would have built up the resistance of the layers above it.

#include <cmath>

#include "model/single_precision.h"
#include "soil/soil_profile.h"

namespace torva {

namespace {

constexpr double kDegreesToRadians = 3.141592653589793 / 180.0;

// Divides, or reports that the divisor is zero (the soil's resistance does not grow with depth
// and no depth can be found): the equivalent depth is then 0.
bool divide(double numerator, double divisor, double& quotient) {
  if (divisor == 0.0) return false;
  quotient = numerator / divisor;
  return true;
}

// Above the transition depth x_r the cyclic soft clay resistance is 0.72 (z / x_r) p_u, whose
// integral F(h) = 0.72 (1.5 b c h^2 + (J c + b gamma) h^3 / 3) / x_r meets F_r at x_r. F is
// convex and rising, so Newton's method from h = x_r falls monotonically onto the root.
double cyclic_soft_clay_depth_above(double x_r, double bc, double slope, double F_sum) {
  if (F_sum <= 0.0) return 0.0;
  const double k = single(0.72f) / x_r;
  double h = x_r;
  for (int iteration = 0; iteration < 200; ++iteration) {
    const double F = k * (1.5 * bc * h * h + slope * h * h * h / 3.0);
    const double dF = k * (3.0 * bc * h + slope * h * h);
    if (!(dF > 0.0)) break;
    const double next = h - (F - F_sum) / dF;
    if (!(next < h)) break;
    h = next;
  }
  return h;
}

// Depth h at which the resistance integrated from the surface reaches F_sum, for p_u = 3 c b +
// (J c + gamma b) z down to the transition depth x_r and p_d = 9 c b below it (cyclic: the
// reduced resistance 0.72 p_u z / x_r down to x_r and 0.72 p_d below). J weighs the strength
// term, so that a layer's own J counts where the soft clay criterion uses it.
double soft_clay_depth(const NodeSoilParameters& s, double J, bool cyclic, double F_sum) {
  const double b = s.b;
  const double c = s.c;
  const double gamma = s.gamma;
  double x_r = 0.0;
  if (!divide(6.0 * b * c, J * c + b * gamma, x_r)) return 0.0;
  double p_d = 9.0 * b * c;
  double F_r = 0.0;
  if (cyclic) {
    p_d *= single(0.72f);
    F_r =
        single(0.72f) * (1.5 * x_r * b * c + J * c * x_r * x_r / 3.0 + b * gamma * x_r * x_r / 3.0);
  } else {
    F_r = ((3.0 * c + 0.5 * gamma * x_r) * b + 0.5 * J * c * x_r) * x_r;
  }
  double h = 0.0;
  if (F_sum > F_r) {
    if (!divide(F_sum - F_r, p_d, h)) return 0.0;
    return x_r + h;
  }
  if (cyclic) return cyclic_soft_clay_depth_above(x_r, b * c, J * c + b * gamma, F_sum);
  const double a = 0.5 * J * c + 0.5 * b * gamma;
  const double three_bc = 3.0 * b * c;
  if (!divide(std::sqrt(three_bc * three_bc + 4.0 * a * F_sum) - three_bc, 2.0 * a, h)) {
    return 0.0;
  }
  return h;
}

// Stiff clay without free water: p_u = (3 c_a + gamma z) b + 0.5 c_a z down to the transition
// depth, 9 c b below it.
double stiff_clay_depth(const NodeSoilParameters& s, double F_sum) {
  const double b = s.b;
  const double c = s.c;
  const double c_a = s.c_a;
  const double gamma = s.gamma;
  double x_r = 0.0;
  if (!divide((9.0 * c - 3.0 * c_a) * b, 0.5 * c_a + gamma * b, x_r)) return 0.0;
  const double F_r = ((0.25 * x_r + 3.0 * b) * c_a + 0.5 * gamma * x_r * b) * x_r;
  double h = 0.0;
  if (F_sum > F_r) {
    if (!divide(F_sum - F_r, 9.0 * b * c, h)) return 0.0;
    return x_r + h;
  }
  const double a = 0.25 * c_a + 0.5 * gamma * b;
  const double three_bca = 3.0 * b * c_a;
  if (!divide(std::sqrt(three_bca * three_bca + 4.0 * a * F_sum) - three_bca, 2.0 * a, h)) {
    return 0.0;
  }
  return h;
}

// Where a stepwise sum first passes F_sum: between the step depth z_n - d and z_n.
double crossing(double z_n, double d, double F_n, double F_before, double F_sum) {
  return z_n - d * (F_n - F_sum) / (F_n - F_before);
}

// Stiff clay with free water, in 50 steps down to the transition depth x_t, then 11 c b f.
double stiff_clay_with_water_depth(const NodeSoilParameters& s, bool cyclic, double F_sum) {
  const double b = s.b;
  const double c = s.c;
  const double c_a = s.c_a;
  const double gamma = s.gamma;
  double x_t = 0.0;
  if (!divide((11.0 * c - 2.0 * c_a) * b, gamma * b + single(2.83f) * c_a, x_t)) return 0.0;
  if (b == 0.0) return 0.0;
  const double d = x_t / 50.0;
  double F = 0.0;
  double f = 0.0;
  for (int n = 1; n <= 50; ++n) {
    const double z_n = n * d;
    const double r = z_n / b;
    f = cyclic ? single(0.936f) * A_c(r) - single(0.4182f) * A_s(r)
               : 0.5 * std::sqrt(6.0 * A_s(r)) - single(0.411f) - 0.75 * A_s(r);
    const double F_before = F;
    F += d * f * ((gamma * z_n + 2.0 * c_a) * b + single(2.83f) * z_n * c_a);
    if (F > F_sum) return crossing(z_n, d, F, F_before, F_sum);
  }
  double h = 0.0;
  if (!divide(F_sum - F, 11.0 * c * f * b, h)) return 0.0;
  return x_t + h;
}

// Sand, API sand and cemented silt: the wedge resistance A gamma b^2 (C1 (z/b)^2 + C2 z/b) in
// 500 steps down to x_t, where the flow resistance takes over (plus the silt's cohesion).
double sand_depth(const NodeSoilParameters& s, bool cyclic, bool cemented, double F_sum) {
  const double b = s.b;
  const double gamma = s.gamma;
  const double c = s.c;
  const double phi = s.phi * kDegreesToRadians;
  const double C1 = std::tan(s.beta) *
                    (std::tan(s.alpha) * s.Kp +
                     s.K0 * (std::tan(phi) * std::sin(s.beta) * (1.0 / std::cos(s.alpha) + 1.0) -
                             std::tan(s.alpha)));
  const double C2 = s.Kp - s.Ka;
  const double C3 = s.Kp * s.Kp * (s.Kp + s.K0 * std::tan(phi)) - s.Ka;
  double x_t = 0.0;
  if (!divide(b * (C3 - C2), C1, x_t) || b == 0.0) return 0.0;
  const double d = x_t / 500.0;
  const auto wedge = [&](double z) {
    const double r = z / b;
    return A_sand(z, b, cyclic) * gamma * b * b * (C1 * (r * r) + C2 * r);
  };
  double F = 0.0;
  double p_before = 0.0;
  for (int n = 1; n <= 500; ++n) {
    const double z_n = n * d;
    const double p_n = wedge(z_n);
    const double F_before = F;
    if (cemented) {
      F += d * ((gamma * b + 0.5 * c) * z_n + p_n + 3.0 * b * c);
    } else {
      F += (p_before + p_n) * d / 2.0;
    }
    p_before = p_n;
    if (F > F_sum) return crossing(z_n, d, F, F_before, F_sum);
  }
  double deep = single(0.88f) * s.z0 * C3 * gamma * b;
  if (cemented) deep += 9.0 * b * c;
  double h = 0.0;
  if (!divide(F_sum - F, deep, h)) return 0.0;
  return x_t + h;
}

}  // namespace

void compute_equivalent_depth(Engine& engine, int layer, const NodeSoilParameters& soil) {
  PYState& py = engine.py;
  double F_sum = 0.0;
  for (int k = 1; k < layer; ++k) {
    if (py.FLayer[k] < single(0.01f)) py.FLayer[k] = py.FLayerAlt[k];
    F_sum += py.FLayer[k];
    if (F_sum > single(1e20f)) F_sum = 100.0;
  }
  const bool cyclic = engine.options.CyclicLoading;
  double& h = py.EqDepth[layer];
  switch (engine.soil.i_SoilLayer_py_Type[layer]) {
    case criterion::kSoftClay:
      h = soft_clay_depth(soil, py.soft_clay_J, cyclic, F_sum);
      break;
    case criterion::kSoftClayJ:
      h = soft_clay_depth(soil, soil.J, cyclic, F_sum);
      break;
    case criterion::kStiffClayWithoutWater:
    case criterion::kStiffClayWithoutWaterK:
      h = stiff_clay_depth(soil, F_sum);
      break;
    case criterion::kStiffClayWithWater:
      h = stiff_clay_with_water_depth(soil, cyclic, F_sum);
      break;
    case criterion::kSand:
    case criterion::kApiSand:
      h = sand_depth(soil, cyclic, false, F_sum);
      break;
    case criterion::kCementedSilt:
      h = sand_depth(soil, cyclic, true, F_sum);
      break;
    default:  // criteria without the layered-soil correction
      break;
  }
}

}  // namespace torva
