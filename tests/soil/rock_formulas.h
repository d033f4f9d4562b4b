// The rock p-y curves in their published forms, worked out here apart from the engine: weak
// rock after Reese (1997), with the strength reduced for the rock quality and an initial
// modulus growing over the top three diameters of the rock, and vuggy limestone as a strong
// rock after Reese and Nyman (1978), bilinear up to b s_u and brittle beyond it.
#pragma once

#include <algorithm>
#include <cmath>

namespace torva::testing::rock {

// Weak rock at depth x_r below the top of the rock mass, beside a pile of width b.
struct WeakRock {
  double q_ur;  // uniaxial compressive strength (stress)
  double E_ir;  // initial modulus of the rock mass (stress)
  double RQD;   // percent
  double k_rm;  // strain factor
  double x_r;   // depth below the top of the rock (length)
  double b;     // pile width (length)

  double alpha_r() const { return 1.0 - RQD / 150.0; }
  // Ultimate resistance: growing over 0 <= x_r <= 3 b, constant deeper.
  double p_ur() const {
    return x_r <= 3.0 * b ? alpha_r() * q_ur * b * (1.0 + 1.4 * x_r / b)
                          : 5.2 * alpha_r() * q_ur * b;
  }
  // Initial modulus K_ir = k_ir E_ir, k_ir = 100 + 400 x_r / (3 b) up to 3 b, 500 deeper.
  double K_ir() const { return E_ir * (x_r <= 3.0 * b ? 100.0 + 400.0 * x_r / (3.0 * b) : 500.0); }
  double y_rm() const { return k_rm * b; }
  // The straight line meets the power curve (p_ur / 2) (y / y_rm)^(1/4) where
  // K_ir y = (p_ur / 2) (y / y_rm)^(1/4), that is y^(3/4) = p_ur / (2 y_rm^(1/4) K_ir): the
  // published exponent of that root is 4/3, rounded to 1.333 (a single-precision value in the
  // program), so that the power curve starts 0.1 % or so below the line at y_A.
  double y_A() const {
    return std::pow(p_ur() / (2.0 * std::pow(y_rm(), 0.25) * K_ir()), static_cast<double>(1.333f));
  }
  // The curve, its straight part never above p_ur.
  double p(double y) const {
    if (y < y_A()) return std::min(K_ir() * y, p_ur());
    if (y <= 16.0 * y_rm()) return 0.5 * p_ur() * std::pow(y / y_rm(), 0.25);
    return p_ur();
  }
};

// Vuggy limestone of compressive strength q_u at depth z below the ground surface, beside a
// pile of width b, under an average effective unit weight gamma.
struct VuggyLimestone {
  double q_u, gamma, b, z;

  double s_u() const { return q_u / 2.0; }
  double y_1() const { return 0.0004 * b; }
  double y_2() const { return 0.0024 * b; }
  double p(double y) const {
    if (y <= y_1()) return 2000.0 * s_u() * y;
    if (y <= y_2()) return 0.8 * b * s_u() + 100.0 * s_u() * (y - y_1());
    return 0.5 * gamma * b * z;  // the rock has failed
  }
};

}  // namespace torva::testing::rock
