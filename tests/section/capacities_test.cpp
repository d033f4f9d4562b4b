#include "section/capacities.h"

#include <gtest/gtest.h>

#include <cmath>

#include "section/section_fixtures.h"

namespace torva::testing {
namespace {

TEST(AxialCapacities, TwelveInchSquareWithFourNumber8Bars) {
  SectionValues v = rectangle(12.0, 12.0, 4.0, 60.0);
  for (double x : {-4.0, 4.0}) {
    for (double y : {-4.0, 4.0}) add_bar(v, x, y, 1.0, 0.79);
  }
  const AxialCapacities c = axial_capacities(v);
  EXPECT_NEAR(c.P_c, 668.456, 1e-9);
  EXPECT_NEAR(c.P_t, -189.6, 1e-9);
  // Cracking: the transformed section at the cracking strain of the concrete.
  const double Ec = 57.0 * std::sqrt(4000.0);
  const double eps_cr =
      -(1.7 * 4.0 / Ec) * (1.0 - std::sqrt(1.0 - 0.0075 * std::sqrt(4000.0) / 4.0));
  EXPECT_NEAR(c.P_cr, (29000.0 * 3.16 + (144.0 - 3.16) * Ec) * eps_cr, 1e-9);
  EXPECT_TRUE(c.has_cracking_load);
}

TEST(AxialCapacities, SteelPipeIsItsYieldStressOverItsRing) {
  const AxialCapacities c = axial_capacities(steel_pipe(24.0, 0.5, 36.0));
  const double ring = kPi / 4.0 * (24.0 * 24.0 - 23.0 * 23.0);
  EXPECT_NEAR(c.P_c, 36.0 * ring, 1e-9);
  EXPECT_NEAR(c.P_t, -36.0 * ring, 1e-9);
  EXPECT_FALSE(c.has_cracking_load);
}

TEST(AxialCapacities, CasedShaftWithCoreAddsItsSteelRings) {
  SectionValues v = drilled_shaft(36.0, 8, 1.0, 0.79);
  v.type = kCasedShaftWithCore;
  v.family = OutlineFamily::kCasedCircleWithCore;
  v.casing_thickness = 0.5;
  v.casing_yield = 36.0;
  v.core = {true, 12.0, 0.5, 50.0, 29000.0, true};
  const double Acs = kPi / 4.0 * (36.0 * 36.0 - 35.0 * 35.0);
  const double Ak = kPi / 4.0 * (144.0 - 121.0);
  const double As = 8 * 0.79;
  const double filled = kPi / 4.0 * 35.0 * 35.0 - Ak - As;
  AxialCapacities c = axial_capacities(v);
  EXPECT_NEAR(c.P_c, 36.0 * Acs + 50.0 * Ak + 60.0 * As + 0.85 * 4.0 * filled, 1e-9);
  EXPECT_NEAR(c.P_t, -(36.0 * Acs + 50.0 * Ak + 60.0 * As), 1e-9);
  v.core.filled = false;
  c = axial_capacities(v);
  const double hollow = kPi / 4.0 * (35.0 * 35.0 - 144.0) - As;
  EXPECT_NEAR(c.P_c, 36.0 * Acs + 50.0 * Ak + 60.0 * As + 0.85 * 4.0 * hollow, 1e-9);
}

TEST(AxialCapacities, CasedShaftInUSAndSIAgreeAfterConversion) {
  constexpr double kNPerKip = 4.4482216152605;  // kN per kip
  constexpr double kMPerIn = 0.0254;
  SectionValues us = drilled_shaft(36.0, 8, 1.0, 0.79);
  us.type = kCasedShaft;
  us.family = OutlineFamily::kCasedCircle;
  us.casing_thickness = 0.5;
  us.casing_yield = 36.0;
  us.casing_modulus = 29000.0;

  SectionValues si = us;
  si.us = false;
  si.diameter *= kMPerIn;
  si.casing_thickness *= kMPerIn;
  for (int i = 0; i < si.bar_count; ++i) si.bars[i].area *= kMPerIn * kMPerIn;
  for (double* stress : {&si.fc, &si.fy, &si.Es, &si.casing_yield, &si.casing_modulus}) {
    *stress *= kKPaPerKsi;
  }
  const AxialCapacities a = axial_capacities(us);
  const AxialCapacities b = axial_capacities(si);
  EXPECT_NEAR(b.P_c / kNPerKip / a.P_c, 1.0, 1e-7);
  EXPECT_NEAR(b.P_t / kNPerKip / a.P_t, 1.0, 1e-7);
  EXPECT_NEAR(b.P_cr / kNPerKip / a.P_cr, 1.0, 1e-6);
}

}  // namespace
}  // namespace torva::testing
