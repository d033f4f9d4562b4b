#include "section/capacities.h"

#include <cmath>

namespace torva {

namespace {

constexpr double kQuarterPi = 0.7853981633974483;

// Modulus and cracking strain of the concrete for the cracking load: the ksi formulas in US
// runs, their kPa forms otherwise.
struct CrackingConcrete {
  double Ec;
  double eps_cr;
};

CrackingConcrete cracking_concrete(double fc, bool us) {
  if (us) {
    const double Ec = 57.0 * std::sqrt(1000.0 * fc);
    return {Ec, -(1.7 * fc / Ec) * (1.0 - std::sqrt(1.0 - 0.0075 * std::sqrt(1000.0 * fc) / fc))};
  }
  const double psi = 0.14503774046897888 * fc;
  const double Ec = 393001.16443634033 * std::sqrt(psi);
  const double fr = -51.71067953109741 * std::sqrt(psi);
  return {Ec, -(1.7 * fc / Ec) * (1.0 - std::sqrt(1.0 + fr / fc))};
}

double ring_area(double D, double t) {
  const double inside = D - 2.0 * t;
  return kQuarterPi * (D * D - inside * inside);
}

}  // namespace

AxialCapacities axial_capacities(const SectionValues& v) {
  AxialCapacities c;
  double As = 0.0;
  for (int i = 0; i < v.bar_count && i < kMaxBars; ++i) As += v.bars[i].area;
  const double fc = v.fc, fy = v.fy, Es = v.Es, D = v.diameter;

  double Ac = 0.0;        // concrete of the cracking load
  double steel_E_A = 0.0;  // sum of E A of the steel parts
  switch (v.type) {
    case kRectangularConcrete:
      Ac = v.width * v.depth - As;
      c.P_c = 0.85 * fc * Ac + fy * As;
      c.P_t = -fy * As;
      steel_E_A = Es * As;
      break;
    case kDrilledShaft:
      Ac = kQuarterPi * D * D - As;
      c.P_c = 0.85 * fc * Ac + fy * As;
      c.P_t = -fy * As;
      steel_E_A = Es * As;
      break;
    case kCasedShaft: {
      const double Acs = ring_area(D, v.casing_thickness);
      const double inside = D - 2.0 * v.casing_thickness;
      const double Ain = kQuarterPi * inside * inside;
      Ac = kQuarterPi * D * D - Acs - As;
      c.P_c = v.casing_yield * Acs + 0.85 * fc * (Ain - As) + fy * As;
      c.P_t = -(v.casing_yield * Acs + fy * As);
      steel_E_A = (Acs + As) * Es;
      break;
    }
    case kCasedShaftWithCore: {
      const double Acs = ring_area(D, v.casing_thickness);
      const double Ak = ring_area(v.core.diameter, v.core.thickness);
      const double inside = D - 2.0 * v.casing_thickness;
      const double Ain = kQuarterPi * inside * inside;
      Ac = v.core.filled ? Ain - Ak - As
                         : Ain - kQuarterPi * v.core.diameter * v.core.diameter - As;
      c.P_c = v.casing_yield * Acs + v.core.yield * Ak + fy * As + 0.85 * fc * Ac;
      c.P_t = -(v.casing_yield * Acs + v.core.yield * Ak + fy * As);
      steel_E_A = (Acs + Ak + As) * Es;
      break;
    }
    case kSteelPipe: {
      const double A = ring_area(D, v.casing_thickness);
      c.P_c = v.casing_yield * A;
      c.P_t = -v.casing_yield * A;
      return c;
    }
    default:
      return c;
  }
  const CrackingConcrete concrete = cracking_concrete(fc, v.us);
  c.P_cr = (steel_E_A + Ac * concrete.Ec) * concrete.eps_cr;
  c.has_cracking_load = true;
  return c;
}

}  // namespace torva
