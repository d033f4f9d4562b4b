#include "section/stored_curves.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace torva::testing {
namespace {

// An input curve of `points` points of constant stiffness 1e10 lb-in^2, moments from `first`
// by 1e5 in-lb.
MomentCurve constant_stiffness(int points, double first) {
  MomentCurve c;
  c.point_count = points;
  for (int i = 0; i < points; ++i) {
    c.moment[i] = first + 1e5 * i;
    c.stiffness[i] = 1e10;
    c.curvature[i] = c.moment[i] / c.stiffness[i];
  }
  return c;
}

struct RefinementCase {
  const char* name;
  int points;
  double first;  // first moment
  bool usable;
  int refined;  // points of the stored curve
};

void PrintTo(const RefinementCase& c, std::ostream* out) { *out << c.name; }

class InputCurves : public ::testing::TestWithParam<RefinementCase> {};

TEST_P(InputCurves, AreRefinedToAtMost150Points) {
  const RefinementCase& c = GetParam();
  const MomentCurve input = constant_stiffness(c.points, c.first);
  auto curve = std::make_unique<MomentCurvatureCurve>();
  ASSERT_EQ(refined_input_curve(input, 1000.0, *curve), c.usable);
  if (!c.usable) {
    EXPECT_EQ(curve->n_p, 0);
    return;
  }
  ASSERT_EQ(curve->n_p, c.refined);
  EXPECT_EQ(curve->M(1), 0.0);
  EXPECT_DOUBLE_EQ(curve->M(curve->n_p), (c.first + 1e5 * (c.points - 1)) / 1000.0);
  // M_n is the largest moment in in-lb.
  EXPECT_DOUBLE_EQ(curve->M_n, c.first + 1e5 * (c.points - 1));
  for (int p = 1; p <= curve->n_p; ++p) {
    EXPECT_DOUBLE_EQ(curve->EI(p), 1e7) << "point " << p;  // kip-in^2
    EXPECT_NEAR(curve->phi(p), curve->M(p) / curve->EI(p), 1e-18) << "point " << p;
    if (p > 1) {
      EXPECT_GE(curve->phi(p), curve->phi(p - 1)) << "point " << p;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Refinement, InputCurves,
    ::testing::Values(
        // 36 points in each of 4 intervals.
        RefinementCase{"five_from_zero", 5, 0.0, true, 149},
        // A zero point first: 5 intervals of (150 - 6) / 5 = 28 points.
        RefinementCase{"five_not_from_zero", 5, 1e5, true, 146},
        RefinementCase{"full_from_zero", 150, 0.0, true, 150},
        // With its zero point it would hold 151.
        RefinementCase{"full_not_from_zero", 150, 1e5, false, 0},
        RefinementCase{"single_zero_point", 1, 0.0, false, 0},
        RefinementCase{"single_point", 1, 1e5, true, 150}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputCurves, WhoseCurvatureDecreasesAreNotUsable) {
  MomentCurve input = constant_stiffness(4, 0.0);
  input.stiffness[2] = 5e10;  // M/EI falls from 1e-5 to 4e-6
  auto curve = std::make_unique<MomentCurvatureCurve>();
  EXPECT_FALSE(refined_input_curve(input, 1.0, *curve));
  EXPECT_EQ(curve->n_p, 0);
  input.stiffness[2] = 2e10;  // equal neighbours: 1e-5 twice
  EXPECT_TRUE(refined_input_curve(input, 1.0, *curve));
}

TEST(StoredCurves, ElasticAndElasticPlasticTables) {
  auto curve = std::make_unique<MomentCurvatureCurve>();
  elastic_curve(2.0e6, *curve);
  ASSERT_EQ(curve->n_p, 150);
  EXPECT_EQ(curve->phi(7), 70.0);
  EXPECT_EQ(curve->M(7), 2.0e6 * 70.0);
  EXPECT_EQ(curve->M_n, 0.0);

  elastic_plastic_curve(2.0e6, 4000.0, *curve);  // yield curvature 0.002
  ASSERT_EQ(curve->n_p, 150);
  EXPECT_DOUBLE_EQ(curve->phi(100), 0.002);
  EXPECT_DOUBLE_EQ(curve->M(100), 4000.0);
  EXPECT_DOUBLE_EQ(curve->EI(50), 2.0e6);
  EXPECT_DOUBLE_EQ(curve->phi(101), 0.002 * 1.2);
  EXPECT_DOUBLE_EQ(curve->M(150), 4000.0 * (1.0 + 1e-6));
  EXPECT_DOUBLE_EQ(curve->EI(150), curve->M(150) / curve->phi(150));
  EXPECT_EQ(curve->M_n, 0.0);
}

TEST(StoredCurves, PlasticMomentVariesLinearlyAlongTheSection) {
  PileSection s;
  s.top = 120.0;
  s.bottom = 360.0;
  s.elastic.top_plastic_moment = 3.0e6;
  s.elastic.bottom_plastic_moment = 1.0e6;
  EXPECT_EQ(plastic_moment_at(s, 120.0), 3.0e6);
  EXPECT_EQ(plastic_moment_at(s, 240.0), 2.0e6);
  EXPECT_EQ(plastic_moment_at(s, 360.0), 1.0e6);
}

}  // namespace
}  // namespace torva::testing
