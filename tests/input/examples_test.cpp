// The layered-soil examples, run whole: the model they leave, in internal units, against values
// worked out by hand from the files.
#include <gtest/gtest.h>

#include <string>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

std::string example(const std::string& name) {
  return read_text(std::string(TORVA_EXAMPLES_DIR) + "/" + name);
}

constexpr double kTenDegrees = 0.17453292519943295;
constexpr double kFiveDegrees = 0.08726646259971647;

TEST(Examples, LayeredSoilUsIsStoredInInchesPoundsAndPsi) {
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(example("layered_soil_us.tp7"))));
  const Engine& e = folder.engine();

  // Pipe sections of 30 ft and 20 ft.
  const Sections& pile = e.sections;
  EXPECT_EQ(pile.pile_length, 600.0);
  EXPECT_EQ(pile.table[0].length, 360.0);
  EXPECT_EQ(pile.table[1].length, 240.0);
  EXPECT_EQ(pile.table[1].top, 360.0);
  EXPECT_EQ(pile.table[1].bottom, 600.0);
  ASSERT_EQ(pile.point_count, 4);
  const double point_depths[] = {0.0, 360.0, 360.0, 600.0};
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(pile.points[j - 1].depth, point_depths[j - 1]) << j;
  EXPECT_EQ(pile.points[3].width, 24.0);  // inches already

  // Ground 2 ft below the pile head; layers down to 12, 25, 40 and 60 ft.
  EXPECT_EQ(e.soil.XS, 24.0);
  ASSERT_EQ(e.soil.count, 4);
  const double tops[] = {24.0, 144.0, 300.0, 480.0};
  const double bottoms[] = {144.0, 300.0, 480.0, 720.0};
  const int codes[] = {1, 5, 2, 8};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(e.soil.i_SoilLayer_py_Type[i], codes[i - 1]);
    EXPECT_EQ(e.soil.XLayerTop[i], tops[i - 1]);
    EXPECT_EQ(e.soil.XLayerBottom[i], bottoms[i - 1]);
    EXPECT_EQ(e.profile.XProfile[2 * i - 1], tops[i - 1]);
    EXPECT_EQ(e.profile.XProfile[2 * i], bottoms[i - 1]);
  }
  // Soft clay: 400 and 600 psf, 110 pcf.
  EXPECT_DOUBLE_EQ(e.profile.c[1], 2.7777777777777777);
  EXPECT_DOUBLE_EQ(e.profile.c[2], 4.1666666666666667);
  EXPECT_DOUBLE_EQ(e.profile.gamma[1], 0.063657407407407407);
  EXPECT_EQ(e.profile.eps50[2], 0.02);
  // Sand: 57.6 and 62.4 pcf, friction angles and k as given.
  EXPECT_DOUBLE_EQ(e.profile.gamma[3], 0.033333333333333333);
  EXPECT_DOUBLE_EQ(e.profile.gamma[4], 0.036111111111111111);
  EXPECT_EQ(e.profile.phi[3], 32.0);
  EXPECT_EQ(e.profile.phi[4], 34.0);
  EXPECT_EQ(e.soil.k_top[2], 60.0);
  // Stiff clay with free water: 2000 and 2500 psf, k 500 and 1000 pci.
  EXPECT_DOUBLE_EQ(e.profile.c[5], 13.888888888888889);
  EXPECT_DOUBLE_EQ(e.profile.c[6], 17.361111111111111);
  EXPECT_EQ(e.soil.k_bottom[3], 1000.0);
  // Weak rock: q_u 800 and 1000 psi kept, E_ir, RQD and k_rm as given.
  EXPECT_EQ(e.profile.c[7], 800.0);
  EXPECT_EQ(e.profile.c[8], 1000.0);
  EXPECT_DOUBLE_EQ(e.profile.gamma[8], 0.046296296296296296);
  EXPECT_EQ(e.soil.k_top[4], 100000.0);
  EXPECT_EQ(e.profile.RQD[8], 70.0);
  EXPECT_EQ(e.profile.eps50[7], 0.0005);

  ASSERT_EQ(e.loading.count, 2);
  EXPECT_EQ(e.loading.cases[1].condition2, 600000.0);
  EXPECT_FALSE(e.loading.cases[1].length_sweep);
  EXPECT_EQ(e.loading.cases[2].load_type, 2);
  EXPECT_TRUE(e.loading.cases[2].length_sweep);
  EXPECT_EQ(e.loading.distributed.depth[2], 24.0);  // inches, as given
  EXPECT_EQ(e.loading.distributed.load[2], 100.0);
  // Both cases carry 200000 lb: one thrust of 200 kips for the section analysis.
  ASSERT_EQ(e.thrusts.count, 1);
  EXPECT_EQ(e.thrusts.T[1], 200.0);

  EXPECT_EQ(e.inclination.ground_slope, kTenDegrees);
  EXPECT_EQ(e.inclination.batter, kFiveDegrees);
  ASSERT_EQ(e.group_factors.count, 2);
  EXPECT_EQ(e.group_factors.depth[1], 24.0);
  EXPECT_EQ(e.group_factors.depth[2], 720.0);
  EXPECT_EQ(e.group_factors.p_multiplier[2], 0.7);
  ASSERT_EQ(e.tip_shear.count, 3);
  EXPECT_EQ(e.tip_shear.deflection[3], 0.5);
  EXPECT_EQ(e.tip_shear.shear[3], 12000.0);
  ASSERT_EQ(e.soil_movement.count, 3);
  EXPECT_EQ(e.soil_movement.depth[2], 144.0);
  EXPECT_EQ(e.soil_movement.movement[2], 0.5);  // inches, as given
}

TEST(Examples, LayeredSoilSiIsStoredAsGivenBesidesMillimetres) {
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(example("layered_soil_si.tp7"))));
  const Engine& e = folder.engine();

  // Pipe sections of 9 m and 6 m, 610 mm across.
  const Sections& pile = e.sections;
  EXPECT_EQ(pile.pile_length, 15.0);
  EXPECT_EQ(pile.points[1].depth, 9.0);
  EXPECT_EQ(pile.points[3].depth, 15.0);
  EXPECT_EQ(pile.points[3].width, 0.61);

  EXPECT_EQ(e.soil.XS, 0.5);
  ASSERT_EQ(e.soil.count, 4);
  const int codes[] = {15, 6, 11, 9};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(e.soil.i_SoilLayer_py_Type[i], codes[i - 1]);
  EXPECT_EQ(e.soil.XLayerBottom[4], 20.0);
  EXPECT_EQ(e.profile.c[2], 30.0);
  EXPECT_EQ(e.profile.J[1], 0.25);
  EXPECT_EQ(e.profile.gamma[3], 9.5);
  EXPECT_EQ(e.soil.k_bottom[2], 24400.0);
  EXPECT_EQ(e.profile.phi[5], 30.0);
  EXPECT_EQ(e.profile.eps50[6], 0.005);
  EXPECT_EQ(e.soil.k_top[3], 30000.0);
  EXPECT_EQ(e.profile.c[7], 12000.0);

  ASSERT_EQ(e.loading.count, 2);
  EXPECT_EQ(e.loading.cases[2].load_type, 5);
  EXPECT_EQ(e.loading.cases[2].condition1, 0.005);
  EXPECT_TRUE(e.loading.cases[2].length_sweep);
  EXPECT_EQ(e.loading.distributed.depth[2], 0.5);
  // SI thrusts stay in kN.
  ASSERT_EQ(e.thrusts.count, 1);
  EXPECT_EQ(e.thrusts.T[1], 800.0);

  EXPECT_EQ(e.inclination.ground_slope, kFiveDegrees);
  EXPECT_EQ(e.inclination.batter, kTenDegrees);
  EXPECT_EQ(e.inclination.slope_minus_batter, kFiveDegrees - kTenDegrees);
  EXPECT_EQ(e.group_factors.depth[2], 20.0);
  EXPECT_EQ(e.tip_shear.deflection[2], 0.0025);
  // Movements given in millimetres: 25, 10, 0.
  EXPECT_EQ(e.soil_movement.movement[1], 0.025);
  EXPECT_EQ(e.soil_movement.movement[2], 0.01);
  EXPECT_EQ(e.soil_movement.depth[3], 8.0);
}

}  // namespace
}  // namespace torva::testing
