// Stress-strain relations of the section materials: concrete, the concrete inside a core pipe,
// reinforcing bars, prestressing strands and high-strength bars, and the steel of casings,
// pipe walls and core pipes; and the initial strains of a prestressed section.
//
// Strains and stresses are positive in compression. Stresses are in ksi in US customary runs
// and in kPa otherwise; the coefficients of the curves are those of the ksi form.
#pragma once

#include "section/section_faults.h"
#include "section/section_slices.h"
#include "section/section_values.h"

namespace torva {

inline constexpr double kCrushingStrain = 0.0038;  // the concrete curve ends here
inline constexpr double kResidualStress = 0.001;   // crushed concrete, in ksi and kPa alike

struct ConcreteConstants {
  double fc = 0.0;      // compressive strength f'c
  double Ec = 0.0;      // modulus of elasticity
  double fr = 0.0;      // modulus of rupture (negative)
  double eps0 = 0.0;    // strain at the peak stress
  double eps_cr = 0.0;  // tensile strain at which the concrete cracks (negative)
  double drop = 0.0;    // 0.15 f'c: fall of the stress from eps0 to the crushing strain
};

// The constants of a concrete of strength fc (ksi when `us`, else kPa); prestressed concrete
// has the lower modulus of rupture.
ConcreteConstants concrete_constants(double fc, bool prestressed, bool us);

// 1 + f_r/f'c: below zero the tension branch never reaches the modulus of rupture and the
// cracking strain is not a number.
double rupture_margin(double fc, bool prestressed, bool us);

// Concrete in tension (eps <= 0) before it cracks: the mirrored parabola.
inline double concrete_tension_stress(const ConcreteConstants& c, double eps) {
  const double r = eps / c.eps0;
  return -c.fc * (2.0 * -r - r * r);
}

// Concrete in compression (eps > 0): the parabola up to eps0, then a straight line down to
// 0.85 f'c at the crushing strain, and the residual stress beyond it.
inline double concrete_compression_stress(const ConcreteConstants& c, double eps) {
  if (eps > kCrushingStrain) return kResidualStress;
  const double r = eps / c.eps0;
  if (r < 1.0) return c.fc * (2.0 * r - r * r);
  return c.fc - c.drop * (eps - c.eps0) / (kCrushingStrain - c.eps0);
}

// Confined concrete inside a core pipe in compression: the parabola throughout, never
// turning into tension beyond 2 eps0.
inline double core_concrete_compression_stress(const ConcreteConstants& c, double eps) {
  if (eps > kCrushingStrain) return kResidualStress;
  const double r = eps / c.eps0;
  const double stress = c.fc * (2.0 * r - r * r);
  return stress > 0.0 ? stress : 0.0;
}

// Elastic-perfectly plastic steel; `limited` is set when the yield stress limits the stress.
inline double elastic_plastic_stress(double E, double fy, double eps, bool& limited) {
  const double stress = E * eps;
  if (stress > fy) {
    limited = true;
    return fy;
  }
  if (stress < -fy) {
    limited = true;
    return -fy;
  }
  return stress;
}

// Yield stress (ksi) of a deformed high-strength bar of the section's size index.
double deformed_bar_yield(int size_index);

// Stress (ksi) of the strand or high-strength bar of reinforcement code 4 to 9 at strain eps.
double strand_stress_ksi(int code, double eps, int size_index);

// Prestress of a prestressed section (types 5 to 10) and the capacities estimated from it.
struct PrestressValues {
  double Ac = 0.0;        // concrete area of the slices
  double As = 0.0;        // strand area of the slices
  double Pe = 0.0;        // effective prestressing force (1 - loss) P_i (lbs or kN)
  double eps_ps0 = 0.0;   // initial strand strain (negative)
  double eps_pc0 = 0.0;   // initial concrete strain (positive)
  double fpc = 0.0;       // concrete stress after losses
  double P_n = 0.0;       // nominal axial compressive capacity (kips or kN)
  double P_t = 0.0;       // nominal axial tensile capacity -A_s f_pu (negative)
  double N = 0.0;         // unfactored axial load capacity
  double M_n = 0.0;       // estimated nominal moment capacity k D A_s f_pu (in-kips or kN-m)
  double k = 0.0;         // the factor of that estimate
  const char* label = "";  // "Mn = 0.32 D As fpu " ...
};

// Calculate_Strains_Due_To_Prestressing: fails with runtime error 14 when the slices hold no
// concrete and 15 when they hold no strand.
SectionFault Calculate_Strains_Due_To_Prestressing(const SectionValues& section,
                                                   const SliceTable& slices,
                                                   const ConcreteConstants& concrete,
                                                   PrestressValues& prestress);

}  // namespace torva
