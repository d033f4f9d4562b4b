// Soil properties against depth on the hand-worked profile of the fixture: interpolation inside
// layers, the rules on interfaces and at the pile tip, averages from the ground surface, the
// group multipliers, the tabulated factors and the numbered errors.
#include "model/single_precision.h"
#include "soil/soil_profile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/errors.h"
#include "pile/pile_model.h"
#include "soil/soil_profile_fixture.h"

namespace torva::testing {
namespace {

using SoilProfiles = SoilProfileFixture;

TEST_F(SoilProfiles, StrengthInsideLayersAndOnInterfaces) {
  const struct {
    double X, c;
  } cases[] = {
      {72.0, 6.0},                   // inside soft clay
      {132.0, 8.5},                  // soft clay over stiff clay: the mean
      {132.0 + 0.5e-6, 8.5},         // within the interface tolerance
      {252.0, 14.0},                 // stiff clay over sand: the clay's bottom value
      {372.0, 8.0},                  // sand over soft clay: the clay's top value
      {492.0, (9.0 + 500.0) / 2.0},  // clay over rock: the mean
      {552.0, 550.0},                // inside weak rock (q_u)
      {612.0, 600.0},                // the last row
      {612.0 + 0.5e-6, 600.0},       // tolerated below the last row
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(fn_c(engine(), c.X), c.c) << "X = " << c.X;
  EXPECT_TRUE(at_layer_interface(engine(), 132.0 - 0.5e-6));
  EXPECT_FALSE(at_layer_interface(engine(), 131.0));
  EXPECT_FALSE(at_layer_interface(engine(), kBottom));
}

TEST_F(SoilProfiles, StrengthAtEveryPairOfSoilClasses) {
  using namespace criterion;
  // Layer 3 over layer 4 at 372, with the strength of each side on that interface.
  const struct {
    int upper, lower;
    double c_up, c_low, expected;
  } cases[] = {
      {kSoftClay, kStiffClayWithWater, 7, 10, 8.5},
      {kSoftClay, kSand, 7, 3, 7},
      {kSand, kSoftClayJ, 3, 8, 8},
      {kWeakRock, kVuggyLimestone, 400, 500, 450},
      {kMassiveRock, kUserPY, 400, 1, 400},
      {kElasticSubgrade, kWeakRock, 1, 500, 500},
      {kStiffClayWithoutWaterK, kWeakRock, 9, 500, 254.5},
      {kWeakRock, kSoftClay, 500, 9, 254.5},
      {kCementedSilt, kLiquefiedSand, 5, 3, 5},  // silt with strength is cohesive
      {kLoess, kCementedSilt, 3, 4, 4},
      // Pairs that no cohesive or rock side settles: the lower layer owns the node.
      {kPiedmont, kSoftClay, 1, 8, 8},
      {kSoftClay, kPiedmont, 7, 1, 7},
      {kSand, kCementedSilt, 3, 0, 0},
      {kCementedSilt, kSand, 0, 3, 3},
      {kPiedmont, kElasticSubgrade, 1, 2, 2},
      {kUserPY, kFrozenSoil, 1, 2, 2},
  };
  SoilProfile& profile = engine().profile;
  for (const auto& c : cases) {
    engine().soil.i_SoilLayer_py_Type[3] = c.upper;
    engine().soil.i_SoilLayer_py_Type[4] = c.lower;
    profile.c[6] = c.c_up;
    profile.c[7] = c.c_low;
    EXPECT_DOUBLE_EQ(fn_c(engine(), 372.0), c.expected)
        << CriterionNameTable[c.upper] << " over " << CriterionNameTable[c.lower];
  }
}

TEST_F(SoilProfiles, AtThePileTipTheUpperLayerGivesItsBottomValue) {
  set_tip(132.0);
  EXPECT_EQ(fn_c(engine(), 132.0), 7.0);
  EXPECT_EQ(fn_eps50(engine(), 132.0), 0.01);
  EXPECT_EQ(fn_J(engine(), 132.0), 0.25);
  set_tip(252.0);
  EXPECT_EQ(fn_phi(engine(), 252.0), 0.0);  // the clay's, not the sand's
  set_tip(492.0);
  EXPECT_EQ(fn_krm(engine(), 492.0), 0.01);
  EXPECT_EQ(fn_RQD(engine(), 492.0), 50.0);  // RQD has no tip exception
  // The tip of a battered pile lies at the vertical depth of its last node.
  set_tip(264.0);
  engine().inclination.batter = std::acos(0.5);
  EXPECT_NEAR(pile_tip_depth(engine()), 132.0, 1e-9);
  EXPECT_EQ(fn_c(engine(), pile_tip_depth(engine())), 7.0);
}

TEST_F(SoilProfiles, FrictionAngleStrainAndJ) {
  EXPECT_DOUBLE_EQ(fn_phi(engine(), 312.0), 32.0);
  EXPECT_EQ(fn_phi(engine(), 252.0), 30.0);  // clay (0) over sand: the sand's value
  EXPECT_EQ(fn_phi(engine(), 372.0), 34.0);  // sand over clay (0): the sand's value
  EXPECT_EQ(fn_phi(engine(), 72.0), 0.0);

  EXPECT_DOUBLE_EQ(fn_eps50(engine(), 132.0), (0.01 + 0.005) / 2.0);
  EXPECT_DOUBLE_EQ(fn_eps50(engine(), 492.0), (0.01 + 0.0005) / 2.0);
  EXPECT_EQ(fn_eps50(engine(), 252.0), 0.004);
  EXPECT_DOUBLE_EQ(fn_eps50(engine(), 72.0), 0.015);
  EXPECT_EQ(fn_eps50(engine(), kBottom + 1.0), 0.0);  // below the profile: no value, no error

  EXPECT_DOUBLE_EQ(fn_J(engine(), 72.0), 0.375);
  EXPECT_EQ(fn_J(engine(), kBottom + 1.0), 0.0);
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

TEST_F(SoilProfiles, WeakRockValues) {
  EXPECT_EQ(fn_krm(engine(), 492.0), 0.0005);  // the lower layer takes the interface
  EXPECT_EQ(fn_krm(engine(), 372.0), 0.01);
  EXPECT_DOUBLE_EQ(fn_krm(engine(), 552.0), 0.0003);
  EXPECT_EQ(fn_krm(engine(), kBottom), 0.0001);
  EXPECT_EQ(fn_krm(engine(), kBottom + 1.0), 0.0);

  EXPECT_DOUBLE_EQ(fn_RQD(engine(), 552.0), 75.0);
  EXPECT_EQ(fn_RQD(engine(), kBottom), 100.0);
  EXPECT_EQ(fn_RQD(engine(), 492.0), 50.0);  // clay (0) over rock

  EXPECT_DOUBLE_EQ(fn_k_in_layer(engine(), 5, 552.0), 1500.0);
  EXPECT_DOUBLE_EQ(fn_k_in_layer(engine(), 5, 492.0), 1000.0);
}

TEST_F(SoilProfiles, MassiveRockStrengthUsesItsOwnColumn) {
  engine().soil.i_SoilLayer_py_Type[5] = criterion::kMassiveRock;
  engine().profile.rock_qu[9] = 1000.0;
  engine().profile.rock_qu[10] = 1200.0;
  EXPECT_DOUBLE_EQ(fn_HB_qu_at_DepthX(engine(), 552.0), 1100.0);
  EXPECT_EQ(fn_HB_qu_at_DepthX(engine(), 492.0), 500.0);  // the clay's column holds 0
  EXPECT_EQ(fn_c(engine(), 552.0), 550.0);
}

TEST_F(SoilProfiles, AveragesFromTheGroundSurface) {
  // At the surface: the first positive unit weight, not an average.
  EXPECT_EQ(fn_gamma_avg(engine(), kGround), 0.03);
  EXPECT_EQ(fn_gamma_avg(engine(), kGround - 1.0), 0.0);
  // 0..120: (0 + 0.03)/2 * 120 = 1.8; 120..180: (0.04 + 0.045)/2 * 60 = 2.55.
  EXPECT_DOUBLE_EQ(fn_gamma_avg(engine(), kGround + 180.0), (1.8 + 2.55) / 180.0);
  // The whole profile: 1.8 + 5.4 + 4.2 + 2.4 + 6.0, also just below the last row.
  EXPECT_DOUBLE_EQ(fn_gamma_avg(engine(), kBottom), 19.8 / 600.0);
  EXPECT_DOUBLE_EQ(fn_gamma_avg(engine(), kBottom + 0.5e-5), 19.8 / (600.0 + 0.5e-5));

  EXPECT_EQ(fn_c_avg(engine(), kGround), 5.0);  // the strength at the surface
  // 0..120: (5 + 7)/2 * 120 = 720; 120..180: (10 + 12)/2 * 60 = 660.
  EXPECT_DOUBLE_EQ(fn_c_avg(engine(), kGround + 180.0), 1380.0 / 180.0);
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

TEST_F(SoilProfiles, GroupMultipliers) {
  GroupFactorTable& table = engine().group_factors;
  EXPECT_EQ(fn_pmult(engine(), 50.0), 1.0);  // no table
  const double rows[][3] = {{24, 0.5, 2.0}, {48, 0.7, 3.0}, {48, 0.9, 4.0}, {96, 1.0, 5.0}};
  table.count = 4;
  for (int k = 1; k <= 4; ++k) {
    table.depth[k] = rows[k - 1][0];
    table.p_multiplier[k] = rows[k - 1][1];
    table.y_multiplier[k] = rows[k - 1][2];
  }
  const struct {
    double x, p, y;
  } cases[] = {{12, 1.0, 1.0},  {24, 0.5, 2.0}, {36, 0.6, 2.5}, {48, 0.9, 4.0},
               {72, 0.95, 4.5}, {96, 1.0, 5.0}, {100, 1.0, 1.0}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(fn_pmult(engine(), c.x), c.p) << "x = " << c.x;
    EXPECT_DOUBLE_EQ(fn_ymult(engine(), c.x), c.y) << "x = " << c.x;
  }
  // One row: its multipliers at its depth, 1.0 elsewhere.
  table.count = 1;
  table.depth[1] = 48.0;
  EXPECT_EQ(fn_pmult(engine(), 48.0), 0.5);
  EXPECT_EQ(fn_ymult(engine(), 48.0), 2.0);
  EXPECT_EQ(fn_pmult(engine(), 47.0), 1.0);
  EXPECT_EQ(fn_ymult(engine(), 49.0), 1.0);
}

TEST_F(SoilProfiles, StiffClayAndSandFactors) {
  EXPECT_EQ(A_s(0.0), single(0.2345f));
  EXPECT_EQ(A_s(3.4), single(0.6f));
  EXPECT_NEAR(A_s(3.3), 0.6, 1e-6);  // the polynomial meets its cap at 3.3
  EXPECT_EQ(A_c(0.0), single(0.2f));
  EXPECT_EQ(A_c(2.0), single(0.3f));
  EXPECT_NEAR(A_c(1.5), 0.3, 1e-4);

  EXPECT_EQ(A_sand(24.0, 24.0, false), single(2.11f));
  EXPECT_DOUBLE_EQ(A_sand(18.0, 24.0, false), (single(2.48f) + single(2.11f)) / 2.0);
  EXPECT_EQ(A_sand(36.0, 24.0, true), single(1.11f));
  EXPECT_EQ(A_sand(144.0, 24.0, false), single(0.88f));
  EXPECT_EQ(A_sand(240.0, 24.0, true), single(0.88f));
  EXPECT_DOUBLE_EQ(A_sand(108.0, 24.0, false), (single(0.90f) + single(0.88f)) / 2.0);
}

TEST_F(SoilProfiles, DefaultSandSubgradeModulusMeetsItsCapsAt40Degrees) {
  EXPECT_NEAR(fn_sand_default_k(engine(), 40.0, 0.0), 160.54745, 1e-3);
  EXPECT_EQ(fn_sand_default_k(engine(), 41.0, 0.0), 160.54745483398438);
  EXPECT_LT(fn_sand_default_k(engine(), 30.0, 0.0), 160.0);
  engine().options.IUNITS = kUnitsSI;
  EXPECT_NEAR(fn_sand_default_k(engine(), 40.0, 18.0), 78739.0, 1.0);  // above the water table
  EXPECT_EQ(fn_sand_default_k(engine(), 45.0, 18.0), 78739.0078125);
  EXPECT_NEAR(fn_sand_default_k(engine(), 40.0, 10.0), 43580.1, 0.5);  // submerged
  EXPECT_EQ(fn_sand_default_k(engine(), 45.0, 10.0), 43580.1484375);
}

// ---------------------------------------------------------------------------------------------
// Numbered errors

TEST_F(SoilProfiles, StrengthBelowTheProfileIsInputError5) {
  EXPECT_THROW(fn_c(engine(), kBottom + kBottom * 1e-6), RunStopped);
  expect_error(105, "INP00005",
               {"**** Input Data Error No. 5 ****", "",
                "An error was detected that is related to an incompatibility between ",
                "the input data defining pile embedment depth and values of shear ",
                "strength of soil versus depth.",
                "Problem:  The value for a pile station depth is   0.6120E+03 in",
                "This depth is below the deepest extent of the input curve for ",
                "shear strength of soil versus depth at    612.000 in",
                "Solution:  Please revise the input data by either extending the ",
                "maximum depth for shear strength of soil or shorten the ",
                "pile to be entirely within the defined soil layers."});
}

TEST_F(SoilProfiles, RockStrengthBelowTheProfileIsInputError5) {
  EXPECT_THROW(fn_HB_qu_at_DepthX(engine(), 700.0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 105);
}

TEST_F(SoilProfiles, FrictionAngleOnePartInAMillionBelowTheProfileIsInputError4) {
  EXPECT_THROW(fn_phi(engine(), kBottom + kBottom * 1e-6), RunStopped);
  expect_error(104, "INP00004",
               {"**** Input Data Error No. 4 ****", "",
                "An error was detected that is related to an incompatibility",
                "between the input data defining the embedment of the pile and",
                "the maximum depth of the soil shear strength data.",
                "Problem:  The value for a pile station depth is   0.6120E+03",
                "This depth is below the deepest extent of the input data for",
                "soil friction angle versus depth.",
                "Solution:  Please revise the input data by either extending ",
                "the maximum depth for soil friction angle or shorten the ",
                "pile to correct this problem."});
}

TEST_F(SoilProfiles, AverageStrengthBelowTheProfileIsInputError3) {
  EXPECT_THROW(fn_c_avg(engine(), kBottom + 6.0), RunStopped);
  expect_error(103, "INP00003",
               {"**** Input Data Error No. 3 ****", "",
                "An error was detected that is related to an incompatibility",
                "between the input data defining the embedment of the pile and",
                "the maximum depth of the soil shear strength data.",
                "The value for a pile station depth is   0.6180E+03",
                "This depth is      6.000 below the deepest extent of the input data for",
                "soil shear strength versus depth.",
                "Solution:", "Please revise the input data by either extending the maximum",
                "depth for soil shear strength or shorten the pile to correct", "this problem."});
}

TEST_F(SoilProfiles, AverageUnitWeightBelowTheToleranceIsInputError15) {
  EXPECT_THROW(fn_gamma_avg(engine(), kBottom + 2e-5), RunStopped);  // tolerance 1e-6 h
  expect_error(115, "INP00015",
               {"**** Input Data Error No. 15 ****", "",
                "An error was detected related to an incompatibility between ",
                "the data defining pile embedment depth and effective unit ",
                "weights versus depth.", "The value for a pile station depth is   0.6120E+03",
                "This depth is below the deepest extent of the input curve for",
                "effective unit weight versus depth.",
                "Solution:", "Please revise the input data by either extending the maximum",
                "depth for effective unit weight or shorten the length of pile",
                "to be within the range of defined soil properties."});
}

TEST_F(SoilProfiles, RqdBelowTheProfileIsInputError31) {
  EXPECT_THROW(fn_RQD(engine(), 700.0), RunStopped);
  expect_error(131, "INP00031",
               {"**** Input Data Error No. 31 ****", "",
                "An error was detected that is related to an incompatibility",
                "between the input data defining the embedment of the pile and",
                "the maximum depth of the soil shear strength data.",
                "Problem:  The value for a pile station depth is   0.7000E+03",
                "This depth is below the deepest extent of the input data for", "RQD versus depth.",
                "Solution:  Revise the input data by either extending the ",
                "maximum depth for RQD or shorten the pile to correct this ", "problem."});
}

TEST_F(SoilProfiles, RqdAbove100PercentIsInputError49) {
  engine().profile.RQD[10] = 100.0001;
  EXPECT_DOUBLE_EQ(fn_RQD(engine(), 492.0), 50.0);
  EXPECT_THROW(fn_RQD(engine(), kBottom), RunStopped);
  expect_error(149, "INP00049",
               {"**** Input Data Error No. 49 ****", "",
                "Problem:  The interpolated value of RQD used for p-y curves in weak rock ",
                "was found to be invalid because it was either less than zero or more than ",
                "100 percent.", "Solution:  Check your input data and revise in the data for RQD.",
                "The interpolated value of RQD =    100.000 %"});
}

TEST_F(SoilProfiles, NegativeRqdIsInputError49) {
  engine().profile.RQD[9] = -10.0;
  EXPECT_THROW(fn_RQD(engine(), 500.0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 149);
}

TEST_F(SoilProfiles, LayerGivenWithEqualTopAndBottomIsRuntimeError20) {
  // Read as 600..600 below a layer ending at 492: thick enough by the contiguous top, but the
  // layer's own depths are equal.
  engine().soil.XLayerTop[5] = 600.0;
  engine().soil.XLayerBottom[5] = 600.0;
  EXPECT_THROW(fn_k_in_layer(engine(), 5, 600.0), RunStopped);
  expect_error(220, "RUN00020",
               {"**** Runtime Error No. 20 ****", "",
                "Problem:  The top and bottom elevations for weak rock layer are equal.",
                "Solution: Correct the input data for elevations defining weak rock layer."});
}

TEST_F(SoilProfiles, StrengthSegmentOfNoThicknessIsInputError60) {
  // A first layer without thickness (the layer reader rejects it; the tables may still hold it).
  engine().profile.XProfile[2] = kGround;
  engine().soil.XLayerBottom[1] = kGround;
  EXPECT_THROW(fn_c(engine(), kGround), RunStopped);
  expect_error(160, "INP00060",
               {"**** Input Data Error No. 60 ****", "",
                "An error was found in the strength of soil input data when interpolating ",
                "to obtain values of cohesion or uniaxial compressive strength.",
                "Problem:  The depth increment between the upper and lower soil depths in a ",
                "layer is zero.  The depth of computation is   0.1200E+02",
                "Solution:  Examine the program output file to find the depth in question",
                "and correct the soil layer depth values. "});
}

TEST_F(SoilProfiles, DefaultSandModulusInGeneralUnitsIsRuntimeError13) {
  engine().options.IUNITS = kUnitsGeneral;
  EXPECT_THROW(fn_sand_default_k(engine(), 30.0, 0.02), RunStopped);
  expect_error(213, "RUN00013",
               {"**** Runtime Error No. 13 ****", "",
                "Problem:  General units have been selected for use in computations in      ",
                "combination with default values of k for a layer classified as API sand    ",
                "criteria. This combination of data cannot be used because Torva cannot     ",
                "compute default values of subgrade modulus in general units.               ",
                "Solution:  You must select either US customary for SI units for the        ",
                "units of computation to use a default value for subgrade subgrade modulus  ",
                "for the API sand criteria or enter an appropriate proper value by entering ",
                "a non-zero for k."});
}

// A layer top read below the bottom of the layer above leaves a profile row that is no
// interface of the (contiguous) layer table: a node there is inside the layer.
TEST_F(SoilProfiles, ProfileRowThatIsNoLayerInterfaceLiesInsideTheLayer) {
  SoilProfile& profile = engine().profile;
  profile.XProfile[3] = profile.gamma_depth[3] = 142.0;  // stiff clay read from 142
  engine().soil.XLayerTop[2] = 132.0;                    // made contiguous
  EXPECT_EQ(fn_c(engine(), 142.0), 10.0);
  EXPECT_EQ(fn_c(engine(), 132.0), 8.5);  // the interface keeps its rule
  engine().soil.XLayerTop[2] = 142.0;     // not made contiguous: a gap
  EXPECT_EQ(fn_c(engine(), 132.0), 7.0);
  EXPECT_EQ(fn_c(engine(), 142.0), 10.0);
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

}  // namespace
}  // namespace torva::testing
