// Conversion of US customary input to inches, pounds and psi, through whole runs.
#include "input/unit_conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

// Depths in feet where the unit system has them; strengths in psf, rock strengths in psi.
const std::string kSoilAndLoads =
    "SOIL LAYERS\n4\n"
    "1 0 10\n120 1440 0.02\n120 1440 0.02\n"                       // soft clay
    "8 10 30\n130 500 70000 80 0.0005\n130 500 90000 90 0.0005\n"  // weak rock, q_u psi
    "9 30 40\n135 1500\n135 1500\n"                                // vuggy limestone, q_u psi
    "14 40 50\n60 2\n0 0\n0.5 100\n60 2\n0 0\n0.5 200\n"           // user p-y curves
    "GROUPEFF\n2\n1 0 0.7 1\n2 5 0.9 1\n"
    "SOIL MOVEMENTS\n2\n1 0 1.0\n2 10 0\n"
    "TIP SHEAR\n2\n1 0 0\n2 0.2 3000\n"
    "LOADING\n1\n1 1 10000 0 0 1\n2\n1 0 40\n2 120 0\n"
    "DEPTHS OF PRINTED P-Y CURVES\n2\n1 5\n2 12.5\n";

std::string conversion_file(const std::string& units) {
  return input_file({.units = units,
                     .tip_shear = true,
                     .soil_movement = true,
                     .py_modifiers = true,
                     .print_py_curves = true},
                    kSoilAndLoads);
}

TEST(UnitConversion, UsCustomaryInputReachesInchesPoundsAndPsi) {
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(conversion_file("Units USCS"))));
  const Engine& e = folder.engine();
  EXPECT_TRUE(e.run.input_converted);
  EXPECT_EQ(e.sections.pile_length, 600.0);  // one 50 ft section
  EXPECT_EQ(e.sections.table[0].bottom, 600.0);
  // Soft clay from 0 to 10 ft, 1440 psf, 120 pcf.
  EXPECT_EQ(e.soil.XLayerTop[1], 0.0);
  EXPECT_EQ(e.soil.XLayerBottom[1], 120.0);
  EXPECT_EQ(e.profile.XProfile[2], 120.0);
  EXPECT_EQ(e.profile.gamma_depth[2], 120.0);
  EXPECT_EQ(e.profile.c[1], 10.0);
  EXPECT_EQ(e.profile.c[2], 10.0);
  EXPECT_EQ(e.profile.gamma[1], 120.0 / 1728.0);
  EXPECT_NEAR(e.profile.gamma[1], 0.0694, 1e-4);
  // Rock strengths are given in psi and keep their values.
  EXPECT_EQ(e.profile.c[3], 500.0);
  EXPECT_EQ(e.profile.c[4], 500.0);
  EXPECT_EQ(e.profile.c[5], 1500.0);
  EXPECT_EQ(e.profile.c[6], 1500.0);
  EXPECT_EQ(e.profile.gamma[5], 135.0 / 1728.0);
  EXPECT_EQ(e.soil.k_bottom[2], 90000.0);  // initial rock modulus, psi
  EXPECT_EQ(e.profile.eps50[3], 0.0005);   // k_rm
  EXPECT_EQ(e.soil.XLayerTop[4], 480.0);
  EXPECT_EQ(e.soil.XLayerBottom[4], 600.0);
  // User p-y curves: depths in feet become inches, points stay as given.
  EXPECT_EQ(e.user_py.curve[7].depth, 480.0);
  EXPECT_EQ(e.user_py.curve[8].depth, 600.0);
  EXPECT_EQ(e.user_py.curve[8].y[2], 0.5);
  EXPECT_EQ(e.user_py.curve[8].p[2], 200.0);
  // Other depths along the pile.
  EXPECT_EQ(e.group_factors.depth[2], 60.0);
  EXPECT_EQ(e.group_factors.p_multiplier[2], 0.9);
  EXPECT_EQ(e.soil_movement.depth[2], 120.0);
  EXPECT_EQ(e.control.output_depths[0].depth, 60.0);
  EXPECT_EQ(e.control.output_depths[1].depth, 150.0);
  // Given in inch-pound units, kept as read.
  EXPECT_EQ(e.soil_movement.movement[1], 1.0);
  EXPECT_EQ(e.tip_shear.deflection[2], 0.2);
  EXPECT_EQ(e.tip_shear.shear[2], 3000.0);
  EXPECT_EQ(e.loading.distributed.depth[2], 120.0);
  EXPECT_EQ(e.loading.distributed.load[1], 40.0);
}

TEST(UnitConversion, ConvertsOnlyOnce) {
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(conversion_file("Units USCS"))));
  Engine& e = folder.engine();
  convert_input_units_us(e);
  EXPECT_EQ(e.sections.pile_length, 600.0);
  EXPECT_EQ(e.sections.points[1].depth, 600.0);
  EXPECT_EQ(e.soil.XLayerBottom[1], 120.0);
  EXPECT_EQ(e.profile.c[1], 10.0);
  EXPECT_EQ(e.profile.c[3], 500.0);
}

TEST(UnitConversion, GroundSurfaceBelowThePileHeadIsConverted) {
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(input_file({}, "SOIL LAYERS\n1\n5 2.5 60\n110 35 60\n110 35 60\n"))));
  EXPECT_EQ(folder.engine().soil.XS, 30.0);
  EXPECT_EQ(folder.engine().soil.XLayerTop[1], 30.0);
  EXPECT_EQ(folder.engine().profile.phi[1], 35.0);
}

TEST(UnitConversion, OtherUnitSystemsKeepEveryValue) {
  for (const char* units : {"Units SI", "Units GENERAL"}) {
    SCOPED_TRACE(units);
    RunFolder folder;
    ASSERT_TRUE(InputAccepted(folder.run(conversion_file(units))));
    const Engine& e = folder.engine();
    EXPECT_TRUE(e.run.input_converted);
    EXPECT_EQ(e.sections.pile_length, units == std::string("Units SI") ? 15.0 : 50.0);
    EXPECT_EQ(e.soil.XLayerBottom[1], 10.0);
    EXPECT_EQ(e.profile.XProfile[2], 10.0);
    EXPECT_EQ(e.profile.c[1], 1440.0);
    EXPECT_EQ(e.profile.gamma[1], 120.0);
    EXPECT_EQ(e.profile.c[3], 500.0);
    EXPECT_EQ(e.user_py.curve[7].depth, 40.0);
    EXPECT_EQ(e.group_factors.depth[2], 5.0);
    EXPECT_EQ(e.soil_movement.depth[2], 10.0);
    EXPECT_EQ(e.control.output_depths[1].depth, 12.5);
  }
}

}  // namespace
}  // namespace torva::testing
