#include "section/bar_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

#include "support/test_support.h"

namespace torva::testing {
namespace {

constexpr double kPi = std::numbers::pi;

// How far the direction of (x, y) turns from `angle`, in (-pi, pi].
double turn_from(double angle, double x, double y) {
  return std::remainder(std::atan2(y, x) - angle, 2.0 * kPi);
}

double distance(const BarPositions& p, int i, int j) {
  return std::hypot(p.x[i] - p.x[j], p.y[i] - p.y[j]);
}

// Runs a placement with the report of a temporary folder open and returns the report lines.
class CirclePlacement : public ::testing::Test {
 protected:
  bool place(double diameter, double cover, double bar_diameter, int bundles, int per_bundle) {
    Engine& engine = folder_.engine();
    engine.run.report.open(folder_.file("report.txt").string());
    d_b_ = bar_diameter;
    const bool placed =
        Compute_Rebar_Circle(engine, positions_, diameter, cover, d_b_, bundles, per_bundle);
    engine.run.report.close();
    return placed;
  }
  std::vector<std::string> report() const { return folder_.report(); }
  int error_number() { return folder_.engine().run.ErrorNumber; }

  RunFolder folder_;
  BarPositions positions_;
  double d_b_ = 0.0;
};

struct CircleCase {
  int bundles;
  int per_bundle;
};

void PrintTo(const CircleCase& c, std::ostream* out) {
  *out << c.bundles << " bundles of " << c.per_bundle;
}

class BundlesOnCircle : public CirclePlacement, public ::testing::WithParamInterface<CircleCase> {};

// A 36 in shaft with 3 in cover and 1 in bars: the bar centres lie on a circle of radius 14.5.
TEST_P(BundlesOnCircle, LieOnTheStatedCircleAtEqualAnglesWithTheirBarsTouching) {
  const auto [bundles, per] = GetParam();
  constexpr double kDiameter = 36.0, kCover = 3.0, kBar = 1.0;
  const double radius = (kDiameter - kBar) / 2.0 - kCover;
  ASSERT_TRUE(place(kDiameter, kCover, kBar, bundles, per));
  EXPECT_EQ(error_number(), 0);

  for (int j = 0; j < bundles; ++j) {
    // The bundle's centre of gravity points along its own direction, bundle 1 on +X and the
    // others counter-clockwise at equal steps.
    double cx = 0.0, cy = 0.0;
    for (int b = 0; b < per; ++b) {
      cx += positions_.x[per * j + b];
      cy += positions_.y[per * j + b];
    }
    EXPECT_NEAR(turn_from(j * 2.0 * kPi / bundles, cx, cy), 0.0, 1e-9) << "bundle " << j + 1;
    // Bars of one bundle touch: centre distances of one bar diameter (to within the
    // curvature of the circle).
    for (int a = 0; a < per; ++a) {
      for (int b = a + 1; b < per; ++b) {
        EXPECT_NEAR(distance(positions_, per * j + a, per * j + b), kBar, 0.01 * kBar);
      }
    }
    // The outer bars are on the circle, an inner third bar inside it.
    for (int b = 0; b < std::min(per, 2); ++b) {
      EXPECT_NEAR(std::hypot(positions_.x[per * j + b], positions_.y[per * j + b]), radius, 1e-9);
    }
    if (per == 3) {
      EXPECT_LT(std::hypot(positions_.x[3 * j + 2], positions_.y[3 * j + 2]), radius);
    }
  }
  // Bars of different bundles never overlap, and nothing is placed past the last bar.
  const int bars = bundles * per;
  for (int i = 0; i < bars; ++i) {
    for (int k = i + 1; k < bars; ++k) {
      if (i / per != k / per) {
        EXPECT_GE(distance(positions_, i, k), kBar * 0.999);
      }
    }
  }
  for (int i = bars; i < kMaxBars; ++i) {
    EXPECT_EQ(positions_.x[i], 0.0);
    EXPECT_EQ(positions_.y[i], 0.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Bundles, BundlesOnCircle,
                         ::testing::Values(CircleCase{8, 1}, CircleCase{6, 2}, CircleCase{5, 3},
                                           CircleCase{24, 2}, CircleCase{12, 3},
                                           CircleCase{60, 1}),
                         [](const ::testing::TestParamInfo<CircleCase>& info) {
                           return std::to_string(info.param.bundles) + "_bundles_of_" +
                                  std::to_string(info.param.per_bundle);
                         });

TEST_F(CirclePlacement, EightSingleBarsStartOnPlusXEvery45Degrees) {
  ASSERT_TRUE(place(30.0, 2.0, 1.0, 8, 1));
  for (int j = 0; j < 8; ++j) {
    EXPECT_NEAR(positions_.x[j], 12.5 * std::cos(j * kPi / 4.0), 1e-12);
    EXPECT_NEAR(positions_.y[j], 12.5 * std::sin(j * kPi / 4.0), 1e-12);
  }
  EXPECT_NEAR(positions_.x[0], 12.5, 1e-12);
  EXPECT_NEAR(positions_.y[2], 12.5, 1e-12);
}

TEST_F(CirclePlacement, OneBundleSitsAtTheCentre) {
  ASSERT_TRUE(place(30.0, 2.0, 1.41, 1, 1));
  EXPECT_EQ(positions_.x[0], 0.0);
  EXPECT_EQ(positions_.y[0], 0.0);
  ASSERT_TRUE(place(30.0, 2.0, 1.41, 1, 2));
  EXPECT_DOUBLE_EQ(positions_.x[0], -0.705);
  EXPECT_DOUBLE_EQ(positions_.x[1], 0.705);
  EXPECT_EQ(positions_.y[0], 0.0);
  EXPECT_EQ(positions_.y[1], 0.0);
}

struct CircleError {
  const char* name;
  double diameter, cover, bar_diameter;
  int bundles, per_bundle;
  int message;
  const char* problem;  // the second problem line
  bool bars_placed;
};

void PrintTo(const CircleError& c, std::ostream* out) { *out << c.name; }

class ImpossibleCircles : public CirclePlacement,
                          public ::testing::WithParamInterface<CircleError> {};

TEST_P(ImpossibleCircles, ReportTheirRuntimeError) {
  const CircleError& c = GetParam();
  EXPECT_FALSE(place(c.diameter, c.cover, c.bar_diameter, c.bundles, c.per_bundle));
  EXPECT_EQ(error_number(), 200 + c.message);
  const std::string banner = "**** RUNTIME ERROR NO. " + std::to_string(c.message) + " ****";
  const std::string first = c.message == 44
                                ? "PROBLEM:  Calculation error for rebar positions."
                                : "PROBLEM:  Input error for calculation of rebar positions.";
  const auto lines = report();
  EXPECT_TRUE(contains_block(
      lines, {banner, "", first, c.problem, "SOLUTION: Correct pile geometry data."}));
  EXPECT_TRUE(contains_line(lines, "Torva ended prematurely due to runtime error number RUN000" +
                                       std::to_string(c.message)));
  const bool any_placed = std::any_of(positions_.x.begin(), positions_.x.end(),
                                      [](double x) { return x != 0.0; });
  EXPECT_EQ(any_placed, c.bars_placed);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ImpossibleCircles,
    ::testing::Values(
        CircleError{"bar_wider_than_pile", 1.0, 0.25, 1.27, 4, 1, 39,
                    "          Rebar diameter is greater than pile diameter.", false},
        CircleError{"pile_of_zero_diameter", 0.0, 3.0, 0.0, 8, 1, 40,
                    "          Pile diameter is less than zero.", false},
        CircleError{"zero_cover", 36.0, 0.0, 1.0, 8, 1, 41,
                    "          Clear cover over rebar is less than zero.", true},
        CircleError{"no_bundle", 36.0, 3.0, 1.0, 0, 1, 42,
                    "          Number of bar bundles is less than zero or greater than 300.",
                    false},
        CircleError{"301_bundles", 360.0, 3.0, 1.0, 301, 1, 42,
                    "          Number of bar bundles is less than zero or greater than 300.",
                    false},
        CircleError{"more_bars_than_the_table", 360.0, 3.0, 1.0, 101, 3, 42,
                    "          Number of bar bundles is less than zero or greater than 300.",
                    false},
        CircleError{"four_bars_per_bundle", 36.0, 3.0, 1.0, 8, 4, 43,
                    "          Number of bars per bundle is less than zero or greater than 3.",
                    false},
        CircleError{"cover_beyond_the_centre", 12.0, 6.0, 1.0, 6, 1, 44,
                    "          Computed diameter of rebar circle is less than or equal to zero.",
                    true}),
    [](const ::testing::TestParamInfo<CircleError>& info) { return info.param.name; });

// ---------------------------------------------------------------------------------------------
// Square perimeter

std::vector<std::pair<double, double>> strands(const BarPositions& p, int count) {
  std::vector<std::pair<double, double>> list;
  for (int i = 0; i < count; ++i) list.emplace_back(p.x[i], p.y[i]);
  return list;
}

void expect_strands(const BarPositions& p, const std::vector<std::pair<double, double>>& expected) {
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(p.x[i], expected[i].first, 5e-5) << "strand " << i + 1;
    EXPECT_NEAR(p.y[i], expected[i].second, 5e-5) << "strand " << i + 1;
  }
}

TEST(SquareStrands, TwelveStrandsFillRowsAndSidesInOrder) {
  for (int pattern : {1, 2}) {
    BarPositions p;
    ASSERT_TRUE(place_square_strands(pattern, 12, 8.75, p));
    expect_strands(p, {{-8.75, -8.75}, {-2.9167, -8.75}, {2.9167, -8.75}, {8.75, -8.75},
                       {8.75, 0.0},    {8.75, 5.8333},   {8.75, 8.75},    {2.9167, 8.75},
                       {-2.9167, 8.75}, {-8.75, 8.75},   {-8.75, 0.0},    {-8.75, -5.8333}});
  }
}

TEST(SquareStrands, TenStrandsPutTheExtraPairOnRowsOrOnSidesByPattern) {
  BarPositions p1;
  ASSERT_TRUE(place_square_strands(1, 10, 8.75, p1));
  expect_strands(p1, {{-8.75, -8.75}, {-2.9167, -8.75}, {2.9167, -8.75}, {8.75, -8.75},
                      {8.75, 0.0}, {8.75, 8.75}, {2.9167, 8.75}, {-2.9167, 8.75},
                      {-8.75, 8.75}, {-8.75, 0.0}});
  BarPositions p2;
  ASSERT_TRUE(place_square_strands(2, 10, 8.75, p2));
  expect_strands(p2, {{-8.75, -8.75}, {0.0, -8.75}, {8.75, -8.75}, {8.75, 0.0},
                      {8.75, 5.8333}, {8.75, 8.75}, {0.0, 8.75}, {-8.75, 8.75},
                      {-8.75, 0.0}, {-8.75, -5.8333}});
}

// Every count from 4 up: the even part of the strands lies on the perimeter, all positions
// differ, the pattern is symmetric about the centre, and an odd strand sits at the centre.
TEST(SquareStrands, AnyCountOutlinesTheSquareSymmetrically) {
  constexpr double a = 7.5;
  for (int pattern : {1, 2}) {
    for (int count = 4; count <= 64; ++count) {
      SCOPED_TRACE("pattern " + std::to_string(pattern) + ", " + std::to_string(count) +
                   " strands");
      BarPositions p;
      ASSERT_TRUE(place_square_strands(pattern, count, a, p));
      const auto list = strands(p, count);
      int on_perimeter = 0;
      std::set<std::pair<long, long>> seen;
      const auto key = [](double x, double y) {
        return std::make_pair(std::lround(x * 1e6), std::lround(y * 1e6));
      };
      for (const auto& [x, y] : list) {
        if (std::fabs(std::max(std::fabs(x), std::fabs(y)) - a) < 1e-9) ++on_perimeter;
        seen.insert(key(x, y));
      }
      EXPECT_EQ(on_perimeter, count - count % 2);
      EXPECT_EQ(seen.size(), list.size());
      for (const auto& [x, y] : list) EXPECT_TRUE(seen.count(key(-x, -y))) << x << ", " << y;
      if (count % 2 == 1) {
        EXPECT_EQ(list.back(), std::make_pair(0.0, 0.0));
      }
    }
  }
}

TEST(SquareStrands, ThirteenStrandsPutTheLastAtTheCentre) {
  BarPositions p;
  ASSERT_TRUE(place_square_strands(1, 13, 8.75, p));
  EXPECT_EQ(p.x[12], 0.0);
  EXPECT_EQ(p.y[12], 0.0);
}

TEST(SquareStrands, FewerThanFourStrandsOrAnotherPatternPlaceNothing) {
  BarPositions p;
  p.x[0] = 1.0;
  EXPECT_FALSE(place_square_strands(1, 3, 8.75, p));
  EXPECT_FALSE(place_square_strands(2, 2, 8.75, p));
  EXPECT_FALSE(place_square_strands(0, 12, 8.75, p));
  EXPECT_FALSE(place_square_strands(1, kMaxBars + 1, 8.75, p));
  EXPECT_EQ(p.x[0], 1.0);
}

}  // namespace
}  // namespace torva::testing
