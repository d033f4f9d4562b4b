#include "section/materials.h"

#include <algorithm>
#include <cmath>

namespace torva {

namespace {

// Coefficients of the modulus of rupture, f_r = -c sqrt(1000 f'c) in ksi.
constexpr double kRuptureReinforced = 0.0075;
constexpr double kRupturePrestressed = 0.004;

// Areas below this fraction of the outline are rounding left from differences of segments.
constexpr double kAreaRounding = 1e-9;

double rupture_coefficient(bool prestressed) {
  return prestressed ? kRupturePrestressed : kRuptureReinforced;
}

// A strand curve: elastic up to the strain `elastic`, then fu - a/(|eps| - b), never above fu.
double strand_curve(double eps, double elastic, double fu, double a, double b) {
  if (eps > elastic) return std::min(fu, fu - a / (eps - b));
  if (eps < -elastic) return -std::min(fu, fu - a / (-eps - b));
  return 28500.0 * eps;
}

// The factor of the estimated moment capacity k D A_s f_pu of each prestressed section type.
struct MomentEstimate {
  int type;
  double k;
  const char* label;
};

constexpr MomentEstimate kMomentEstimates[] = {
    {kCircularSolidPrestressed, 0.32, "Mn = 0.32 D As fpu "},
    {kCircularHollowPrestressed, 0.34, "Mn = 0.34 D As fpu"},
    {kSquareSolidPrestressed, 0.37, "Mn = 0.37 D As fpu"},
    {kSquareHollowPrestressed, 0.38, "Mn = 0.38 D As fpu"},
    {kOctagonalSolidPrestressed, 0.32, "Mn = 0.32 D As fpu"},
    {kOctagonalHollowPrestressed, 0.34, "Mn = 0.34 D As fpu"},
};

const MomentEstimate& moment_estimate(int type) {
  for (const MomentEstimate& estimate : kMomentEstimates) {
    if (estimate.type == type) return estimate;
  }
  return kMomentEstimates[5];
}

double bar_curve(double eps, double fy) {
  bool limited = false;
  return elastic_plastic_stress(29000.0, fy, eps, limited);
}

}  // namespace

ConcreteConstants concrete_constants(double fc, bool prestressed, bool us) {
  const double scale = us ? 1.0 : kKPaPerKsi;
  const double f = fc / scale;  // ksi
  ConcreteConstants c;
  c.Ec = 57.0 * std::sqrt(1000.0 * f);
  c.fr = -rupture_coefficient(prestressed) * std::sqrt(1000.0 * f);
  c.eps0 = 1.7 * f / c.Ec;
  c.eps_cr = -(1.0 - std::sqrt(1.0 + c.fr / f)) * c.eps0;
  c.fc = fc;
  c.Ec *= scale;
  c.fr *= scale;
  c.drop = 0.15 * f * scale;
  return c;
}

double rupture_margin(double fc, bool prestressed, bool us) {
  const double f = us ? fc : fc / kKPaPerKsi;
  return 1.0 - rupture_coefficient(prestressed) * std::sqrt(1000.0 * f) / f;
}

double deformed_bar_yield(int size_index) {
  switch (size_index) {
    case 1:
      return 157.0;
    case 3:
    case 5:
      return 160.0;
    default:
      return 150.0;
  }
}

double strand_stress_ksi(int code, double eps, int size_index) {
  switch (code) {
    case 4:  // PCI 250 strand
      if (eps > 0.0076) return std::min(250.0, 250.0 - 0.04 / (eps - 0.0064));
      if (eps <= -0.0076) return -std::min(250.0, 250.0 - 0.04 / (-eps - 0.0064));
      return 28500.0 * eps;
    case 5:  // PCI 270 strand
      return strand_curve(eps, 0.0086, 270.0, 0.04, 0.007);
    case 6:  // grade 300 strand
      return strand_curve(eps, 0.0088846, 300.0, 0.0835, 0.0071);
    case 7:
      return bar_curve(eps, 145.0);
    case 8:
      return bar_curve(eps, 160.0);
    default:
      return bar_curve(eps, deformed_bar_yield(size_index));
  }
}

SectionFault Calculate_Strains_Due_To_Prestressing(const SectionValues& v, const SliceTable& s,
                                                   const ConcreteConstants& c,
                                                   PrestressValues& p) {
  p = PrestressValues{};
  double outline = 0.0;
  for (int k = 1; k <= kSlices; ++k) {
    p.Ac += s.concrete[k];
    p.As += s.bars[k];
    outline += s.concrete[k] + s.bars[k] + s.core[k];
  }
  if (p.Ac <= kAreaRounding * std::fabs(outline)) return {SectionFaultKind::kNoConcrete, p.Ac};
  if (p.As <= 0.0) return {SectionFaultKind::kNoStrands, p.As};

  p.Pe = (1.0 - v.prestress_loss) * v.prestress_force;
  if (v.us) {
    // The force is in pounds and the moduli in ksi.
    p.eps_ps0 = p.Pe / (-1000.0 * v.Es * p.As);
    p.eps_pc0 = p.Pe / (1000.0 * p.Ac * c.Ec);
  } else {
    p.eps_ps0 = p.Pe / (-v.Es * p.As);
    p.eps_pc0 = p.Pe / (p.Ac * c.Ec);
  }
  p.fpc = p.eps_pc0 * c.Ec;
  // f_pu is held in psi.
  const double fpu = v.us ? v.fpu / 1000.0 : v.fpu * kKPaPerPsi;
  p.P_n = (0.85 * c.fc - 0.60 * p.fpc) * (p.Ac + p.As);
  p.P_t = -p.As * fpu;
  p.N = (p.Ac + p.As) * (0.33 * c.fc - 0.27 * p.fpc);
  const MomentEstimate& estimate = moment_estimate(v.type);
  p.k = estimate.k;
  p.label = estimate.label;
  p.M_n = p.k * v.diameter * p.As * fpu;
  return {};
}

}  // namespace torva
