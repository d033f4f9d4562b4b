// The closed-form solution of a semi-infinite beam-column on an elastic foundation loaded at its
// end and along its length (Hetenyi), for an elastic pile of constant stiffness on a linear bed
// of springs long enough to act as infinitely long:
// EI y'''' + Q y'' + Es y = w has the solution y = w / Es + Re(C exp(r x)), r = -a + ib, which
// decays to the settlement under the uniform load; x runs down the pile, M = EI y'' and
// V = EI y''' + Q y'.
#pragma once

#include <cmath>
#include <complex>

namespace torva::testing {

constexpr double kEI = 1.0e10;    // lb-in^2
constexpr double kEs = 1000.0;    // lb/in^2
constexpr double kLength = 1200;  // in: about 15 times the characteristic length

// The pile under pile-head condition 1..5 (the solver's codes) with its two values, an axial
// load Q (lb, compression positive) and a uniform distributed load w (lb/in).
class Beam {
 public:
  Beam(int condition, double first, double second, double Q, double w)
      : settlement_(w / kEs), Q_(Q) {
    const double root = std::sqrt(kEs / kEI);
    r_ = {-std::sqrt((root - Q / (2.0 * kEI)) / 2.0), std::sqrt((root + Q / (2.0 * kEI)) / 2.0)};
    const auto power = [this](int n) { return std::pow(r_, n); };
    const auto shear = kEI * power(3) + Q * power(1);
    const auto moment = kEI * power(2);
    // Each head condition is a row z with Re(C z) = value.
    std::complex<double> rows[2];
    double values[2] = {first, second};
    switch (condition) {
      case 1:
        rows[0] = shear, rows[1] = moment;
        break;
      case 2:
        rows[0] = shear, rows[1] = power(1);
        break;
      case 3:
        rows[0] = shear, rows[1] = moment - second * power(1), values[1] = 0.0;
        break;
      case 4:
        rows[0] = 1.0, rows[1] = moment, values[0] -= settlement_;
        break;
      default:
        rows[0] = 1.0, rows[1] = power(1), values[0] -= settlement_;
        break;
    }
    // Re(C z) = A Re z + B Im z with C = A - iB.
    const double det = rows[0].real() * rows[1].imag() - rows[0].imag() * rows[1].real();
    const double A = (values[0] * rows[1].imag() - rows[0].imag() * values[1]) / det;
    const double B = (rows[0].real() * values[1] - values[0] * rows[1].real()) / det;
    C_ = {A, -B};
  }

  double derivative(int n, double x) const {
    return (C_ * std::pow(r_, n) * std::exp(r_ * x)).real();
  }
  double deflection() const { return settlement_ + derivative(0, 0.0); }
  double rotation() const { return derivative(1, 0.0); }
  double head_shear() const { return kEI * derivative(3, 0.0) + Q_ * derivative(1, 0.0); }
  double head_moment() const { return kEI * derivative(2, 0.0); }
  double largest_moment() const {
    double largest = 0.0;
    for (int k = 0; k <= 400000; ++k) {
      largest = std::fmax(largest, std::fabs(kEI * derivative(2, kLength * k / 400000)));
    }
    return largest;
  }
  double wave_number() const { return std::abs(r_); }

 private:
  std::complex<double> r_;
  std::complex<double> C_;
  double settlement_;
  double Q_;
};

}  // namespace torva::testing
