#include "section/materials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "section/capacities.h"
#include "section/section_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

TEST(Concrete, ConstantsAndCurveOfA4KsiConcrete) {
  const ConcreteConstants c = concrete_constants(4.0, false, true);
  EXPECT_DOUBLE_EQ(c.Ec, 57.0 * std::sqrt(4000.0));
  EXPECT_DOUBLE_EQ(c.fr, -0.0075 * std::sqrt(4000.0));
  EXPECT_DOUBLE_EQ(c.eps0, 6.8 / c.Ec);
  EXPECT_DOUBLE_EQ(concrete_constants(4.0, true, true).fr, -0.004 * std::sqrt(4000.0));
  // The tension branch reaches the modulus of rupture exactly at the cracking strain.
  EXPECT_NEAR(concrete_tension_stress(c, c.eps_cr), c.fr, 1e-12);

  EXPECT_DOUBLE_EQ(concrete_compression_stress(c, c.eps0), 4.0);
  EXPECT_NEAR(concrete_compression_stress(c, c.eps0 * (1 - 1e-9)), 4.0, 1e-8);
  EXPECT_NEAR(concrete_compression_stress(c, c.eps0 * (1 + 1e-9)), 4.0, 1e-8);
  EXPECT_DOUBLE_EQ(concrete_compression_stress(c, 0.0038), 0.85 * 4.0);
  EXPECT_EQ(concrete_compression_stress(c, 0.00381), 0.001);
  // Half the peak strain: f'c (2r - r^2) with r = 1/2.
  EXPECT_DOUBLE_EQ(concrete_compression_stress(c, c.eps0 / 2.0), 3.0);
}

TEST(Concrete, SIConstantsAreTheKsiOnesInKilopascals) {
  const ConcreteConstants us = concrete_constants(4.0, false, true);
  const ConcreteConstants si = concrete_constants(4.0 * kKPaPerKsi, false, false);
  EXPECT_NEAR(si.Ec / kKPaPerKsi, us.Ec, 1e-9 * us.Ec);
  EXPECT_NEAR(si.fr / kKPaPerKsi, us.fr, 1e-12);
  EXPECT_NEAR(si.eps0, us.eps0, 1e-15);
  EXPECT_NEAR(si.eps_cr, us.eps_cr, 1e-15);
  EXPECT_NEAR(si.drop, 0.15 * 4.0 * kKPaPerKsi, 1e-9);
}

TEST(Concrete, CoreConcreteNeverTurnsIntoTensionUnderCompression) {
  // At 3 ksi the parabola crosses zero at 2 eps0, below the crushing strain.
  const ConcreteConstants c = concrete_constants(3.0, false, true);
  ASSERT_LT(2.0 * c.eps0, kCrushingStrain);
  for (double eps = 1e-5; eps <= kCrushingStrain; eps += 1e-5) {
    EXPECT_GE(core_concrete_compression_stress(c, eps), 0.0) << "strain " << eps;
  }
  EXPECT_DOUBLE_EQ(core_concrete_compression_stress(c, 1.5 * c.eps0), 3.0 * (3.0 - 2.25));
  EXPECT_EQ(core_concrete_compression_stress(c, 0.004), 0.001);
}

TEST(Concrete, TooWeakForTheModulusOfRuptureBelowItsLimit) {
  // 1 + f_r/f'c = 1 - c sqrt(1000 f'c)/f'c turns negative below 1000 c^2 ksi.
  EXPECT_LT(rupture_margin(0.056, false, true), 0.0);
  EXPECT_GT(rupture_margin(0.057, false, true), 0.0);
  EXPECT_LT(rupture_margin(0.0159, true, true), 0.0);
  EXPECT_GT(rupture_margin(0.0161, true, true), 0.0);
  EXPECT_LT(rupture_margin(0.056 * kKPaPerKsi, false, false), 0.0);
  EXPECT_GT(rupture_margin(0.057 * kKPaPerKsi, false, false), 0.0);
}

TEST(Steel, StrandsMeetTheirElasticLimitsAndNeverExceedTheirStrength) {
  const struct {
    int code;
    double limit;  // end of the elastic line
    double fu;
  } strands[] = {{4, 0.0076, 250.0}, {5, 0.0086, 270.0}, {6, 0.0088846, 300.0}};
  for (const auto& s : strands) {
    for (double sign : {1.0, -1.0}) {
      // (PCI 250 takes its curve from -0.0076 on the tension side.)
      const double elastic = strand_stress_ksi(s.code, sign * s.limit * (1 - 1e-9), 0);
      const double beyond = strand_stress_ksi(s.code, sign * s.limit * (1 + 1e-9), 0);
      EXPECT_NEAR(elastic, sign * 28500.0 * s.limit, 1e-5) << "code " << s.code;
      EXPECT_NEAR(beyond, elastic, 0.1) << "code " << s.code;
    }
    for (double eps = 0.0; eps < 0.1; eps += 1e-4) {
      EXPECT_LE(strand_stress_ksi(s.code, eps, 0), s.fu) << "code " << s.code;
    }
  }
  EXPECT_NEAR(strand_stress_ksi(5, 0.0086, 0), 245.1, 1e-9);
  EXPECT_NEAR(strand_stress_ksi(5, 0.0087, 0), 270.0 - 0.04 / 0.0017, 1e-9);
  EXPECT_NEAR(strand_stress_ksi(4, -0.00761, 0), -(250.0 - 0.04 / 0.00121), 1e-9);
  EXPECT_NEAR(strand_stress_ksi(6, -0.01, 0), -(300.0 - 0.0835 / 0.0029), 1e-9);
  // High-strength bars: elastic at 29000 ksi up to their yield.
  EXPECT_EQ(strand_stress_ksi(7, 0.01, 0), 145.0);
  EXPECT_EQ(strand_stress_ksi(8, -0.01, 0), -160.0);
  EXPECT_DOUBLE_EQ(strand_stress_ksi(7, 0.004, 0), 116.0);
  const double yields[] = {150.0, 157.0, 150.0, 160.0, 150.0, 160.0, 150.0, 150.0};
  for (int index = 0; index < 8; ++index) {
    EXPECT_EQ(strand_stress_ksi(9, 0.02, index), yields[index]) << "size " << index;
  }
}

TEST(Steel, BarsYieldAtTheirStrengthBothWays) {
  bool limited = false;
  EXPECT_DOUBLE_EQ(elastic_plastic_stress(29000.0, 60.0, 0.001, limited), 29.0);
  EXPECT_FALSE(limited);
  EXPECT_EQ(elastic_plastic_stress(29000.0, 60.0, -0.003, limited), -60.0);
  EXPECT_TRUE(limited);
}

// ---------------------------------------------------------------------------------------------
// Prestress

SectionValues square_pile(int strands, double void_diameter = 0.0) {
  SectionValues v = square_prestressed_pile(14.0, 6.0, 150000.0, 0.2);
  if (void_diameter > 0.0) {
    v.type = kSquareHollowPrestressed;
    v.family = OutlineFamily::kRectangleWithVoid;
    v.core = {true, void_diameter, 0.0, 0.0, 0.0, false};
  }
  for (int i = 0; i < strands; ++i) add_bar(v, 4.0 * (i % 2 ? 1 : -1), i < 2 ? 4.0 : -4.0, 0.5, 0.153);
  return v;
}

TEST(Prestress, StrainsAndCapacitiesFollowFromTheEffectiveForce) {
  const SectionValues v = square_pile(4, 6.0);
  auto s = sliced(v);
  const PrestressValues& p = s->prestress;
  const double As = 4 * 0.153;
  const double Ac = 196.0 - kPi * 9.0 - As;
  EXPECT_NEAR(p.As, As, 1e-12);
  EXPECT_NEAR(p.Ac, Ac, 1e-9);
  EXPECT_DOUBLE_EQ(p.Pe, 120000.0);
  EXPECT_NEAR(p.eps_ps0, -120000.0 / (1000.0 * 28000.0 * As), 1e-12);
  const double Ec = 57.0 * std::sqrt(6000.0);
  EXPECT_NEAR(p.eps_pc0, 120000.0 / (1000.0 * Ac * Ec), 1e-12);
  EXPECT_NEAR(p.fpc, 120.0 / Ac, 1e-9);
  EXPECT_NEAR(p.P_n, (0.85 * 6.0 - 0.60 * p.fpc) * (Ac + As), 1e-9);
  EXPECT_NEAR(p.P_t, -As * 270.0, 1e-9);
  EXPECT_NEAR(p.N, (Ac + As) * (0.33 * 6.0 - 0.27 * p.fpc), 1e-9);
  EXPECT_NEAR(p.M_n, 0.38 * 14.0 * As * 270.0, 1e-9);
  EXPECT_STREQ(p.label, "Mn = 0.38 D As fpu");
  // They are the section's axial capacities.
  EXPECT_EQ(s->capacities.P_c, p.P_n);
  EXPECT_EQ(s->capacities.P_t, p.P_t);
  EXPECT_FALSE(s->capacities.has_cracking_load);
}

TEST(Prestress, SIStrengthsAreConvertedFromPsi) {
  SectionValues v = square_pile(4);
  v.us = false;
  v.fc = 6.0 * kKPaPerKsi;
  v.Es = 193053200.0;
  v.prestress_force = 500.0;  // kN
  auto s = sliced(v);
  EXPECT_NEAR(s->prestress.P_t, -4 * 0.153 * 270000.0 * kKPaPerPsi, 1e-9);
  EXPECT_NEAR(s->prestress.eps_ps0, -400.0 / (193053200.0 * 4 * 0.153), 1e-15);
}

}  // namespace
}  // namespace torva::testing
