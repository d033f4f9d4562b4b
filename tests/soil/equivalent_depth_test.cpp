// The equivalent depth of a layer: the depth at which its own ultimate resistance, integrated
// from the ground surface, equals the resistance of the layers above it.
#include <gtest/gtest.h>

#include <cmath>

#include "soil/soil_profile.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

constexpr double kRadians = 3.141592653589793 / 180.0;

class EquivalentDepth : public ::testing::Test {
 protected:
  void SetUp() override {
    SoilLayers& soil = engine().soil;
    soil.count = 3;
    soil.i_SoilLayer_py_Type[1] = criterion::kSoftClay;
    soil.i_SoilLayer_py_Type[2] = criterion::kSoftClay;
  }

  Engine& engine() { return folder_.engine(); }

  // EqDepth of layer 2 below a layer 1 of resistance F.
  double depth_below(double F, int code, const NodeSoilParameters& soil) {
    engine().soil.i_SoilLayer_py_Type[2] = code;
    engine().py.FLayer[1] = F;
    compute_equivalent_depth(engine(), 2, soil);
    return engine().py.EqDepth[2];
  }

  RunFolder folder_;
};

// Resistance of a soil whose p_u grows linearly from p0 at the surface with slope m, up to the
// cap p_d, integrated from 0 to h.
double capped_linear_integral(double p0, double m, double p_d, double h) {
  const double x_r = (p_d - p0) / m;
  if (h <= x_r) return p0 * h + m * h * h / 2.0;
  return p0 * x_r + m * x_r * x_r / 2.0 + p_d * (h - x_r);
}

TEST_F(EquivalentDepth, SoftClayBelowALayerWithoutResistanceStartsAtTheSurface) {
  EXPECT_EQ(depth_below(0.0, criterion::kSoftClay, {24.0, 5.0, 0.0, 0.03}), 0.0);
}

TEST_F(EquivalentDepth, SoftClayResistanceUpToTheDepthEqualsTheLayersAbove) {
  const double b = 24.0, c = 5.0, gamma = 0.03;
  // p_u = 3 c b + (J c + gamma b) z, capped at 9 c b; the transition lies near 224 in (J 0.5).
  for (double J : {0.5, 0.25, 1.0}) {
    const int code = J == 0.5 ? criterion::kSoftClay : criterion::kSoftClayJ;
    for (double F : {100.0, 50000.0, 400000.0}) {
      NodeSoilParameters soil{b, c, 0.0, gamma};
      soil.J = J;
      const double h = depth_below(F, code, soil);
      EXPECT_NEAR(capped_linear_integral(3 * c * b, J * c + gamma * b, 9 * c * b, h), F, 1e-9 * F)
          << "J " << J << ", F " << F;
    }
  }
}

TEST_F(EquivalentDepth, CyclicSoftClayBelowTheTransitionCarriesTheReducedDeepResistance) {
  engine().options.CyclicLoading = true;
  const double b = 24.0, c = 5.0, gamma = 0.03, J = 0.5;
  const double x_r = 6 * b * c / (J * c + gamma * b);
  // Above x_r the cyclic resistance rises as 0.72 p_u z / x_r; below it is 0.72 * 9 c b.
  const double F_r = 0.72 * (1.5 * c * b * x_r + (J * c + gamma * b) * x_r * x_r / 3.0);
  const double F = 2.0 * F_r;
  const double h = depth_below(F, criterion::kSoftClay, {b, c, 0.0, gamma});
  EXPECT_NEAR(F_r + 0.72 * 9 * c * b * (h - x_r), F, 1e-6 * F);
}

TEST_F(EquivalentDepth, StiffClayWithoutFreeWater) {
  const double b = 24.0, c = 10.0, c_a = 8.0, gamma = 0.04;
  for (double F : {100000.0, 1000000.0}) {
    const double h = depth_below(F, criterion::kStiffClayWithoutWater, {b, c, c_a, gamma});
    // p_u = 3 c_a b + (gamma b + 0.5 c_a) z, capped at 9 c b.
    EXPECT_NEAR(capped_linear_integral(3 * c_a * b, gamma * b + 0.5 * c_a, 9 * c * b, h), F,
                1e-9 * F);
  }
}

TEST_F(EquivalentDepth, StiffClayWithFreeWaterGrowsWithTheResistanceAbove) {
  const NodeSoilParameters soil{24.0, 10.0, 8.0, 0.04};
  double previous = depth_below(0.0, criterion::kStiffClayWithWater, soil);
  EXPECT_EQ(previous, 0.0);
  for (double F : {1e3, 1e4, 1e5, 1e7}) {
    const double h = depth_below(F, criterion::kStiffClayWithWater, soil);
    EXPECT_TRUE(std::isfinite(h));
    EXPECT_GT(h, previous) << "F " << F;
    previous = h;
  }
}

TEST_F(EquivalentDepth, SandWedgeResistanceUpToTheDepthEqualsTheLayersAbove) {
  const double b = 24.0, gamma = 0.035, phi = 35.0;
  NodeSoilParameters soil{b, 0.0, 0.0, gamma};
  soil.phi = phi;
  soil.alpha = phi / 2.0 * kRadians;
  soil.beta = (45.0 + phi / 2.0) * kRadians;
  soil.K0 = 0.4;
  soil.Ka = std::pow(std::tan((45.0 - phi / 2.0) * kRadians), 2);
  soil.Kp = std::pow(std::tan(soil.beta), 2);
  soil.z0 = 100.0;
  const double p = phi * kRadians;
  const double C1 =
      std::tan(soil.beta) *
      (std::tan(soil.alpha) * soil.Kp +
       soil.K0 * (std::tan(p) * std::sin(soil.beta) * (1.0 / std::cos(soil.alpha) + 1.0) -
                  std::tan(soil.alpha)));
  const double C2 = soil.Kp - soil.Ka;
  const double F = 2.0e5;
  const double h = depth_below(F, criterion::kApiSand, soil);
  // The wedge resistance A gamma b^2 (C1 (z/b)^2 + C2 z/b), integrated finely from 0 to h.
  const int steps = 200000;
  double integral = 0.0;
  for (int n = 0; n < steps; ++n) {
    const double z = (n + 0.5) * h / steps;
    integral += A_sand(z, b, false) * gamma * b * b * (C1 * (z / b) * (z / b) + C2 * z / b);
  }
  integral *= h / steps;
  EXPECT_NEAR(integral, F, 1e-4 * F);
}

TEST_F(EquivalentDepth, ResistanceThatDoesNotGrowWithDepthGivesDepthZero) {
  // Soft clay of no strength and no weight, stiff clay likewise, sand and silt of no friction.
  EXPECT_EQ(depth_below(500.0, criterion::kSoftClay, {24.0, 0.0, 0.0, 0.0}), 0.0);
  EXPECT_EQ(depth_below(500.0, criterion::kStiffClayWithoutWaterK, {24.0, 0.0, 0.0, 0.0}), 0.0);
  EXPECT_EQ(depth_below(500.0, criterion::kStiffClayWithWater, {24.0, 0.0, 0.0, 0.0}), 0.0);
  NodeSoilParameters sand{24.0, 0.0, 0.0, 0.035};
  sand.beta = 45.0 * kRadians;
  sand.K0 = 0.4;
  sand.Ka = 1.0;
  sand.Kp = 1.0;
  sand.z0 = 100.0;
  EXPECT_EQ(depth_below(500.0, criterion::kSand, sand), 0.0);
  EXPECT_EQ(depth_below(500.0, criterion::kCementedSilt, sand), 0.0);
}

TEST_F(EquivalentDepth, ResistanceOfTheLayersAbove) {
  // Liquefied sand leaves its resistance in FLayerAlt; a sum past 1e20 counts as 100.
  const NodeSoilParameters soil{24.0, 5.0, 0.0, 0.03};
  engine().soil.i_SoilLayer_py_Type[3] = criterion::kSoftClay;
  engine().py.FLayer[1] = 0.005;
  engine().py.FLayerAlt[1] = 3000.0;
  engine().py.FLayer[2] = 2000.0;
  compute_equivalent_depth(engine(), 3, soil);
  EXPECT_EQ(engine().py.FLayer[1], 3000.0);
  const double h = engine().py.EqDepth[3];
  EXPECT_NEAR(capped_linear_integral(3 * 5.0 * 24.0, 0.5 * 5.0 + 0.03 * 24.0, 9 * 5.0 * 24.0, h),
              5000.0, 1e-9 * 5000.0);

  engine().py.FLayer[2] = 2e20;
  compute_equivalent_depth(engine(), 3, soil);
  EXPECT_NEAR(capped_linear_integral(3 * 5.0 * 24.0, 0.5 * 5.0 + 0.03 * 24.0, 9 * 5.0 * 24.0,
                                     engine().py.EqDepth[3]),
              100.0, 1e-9 * 100.0);
}

}  // namespace
}  // namespace torva::testing
