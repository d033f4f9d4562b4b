#include "section/section_slices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "section/bar_placement.h"
#include "section/section_fixtures.h"

namespace torva::testing {
namespace {

double circle(double D) { return kPi * D * D / 4.0; }
double ring(double D, double t) { return circle(D) - circle(D - 2.0 * t); }

// A section record as the reader leaves it (US customary: inches, psi).
PileSection record(int type, double diameter) {
  PileSection s;
  s.type = type;
  s.diameter = diameter;
  s.fc = 5000.0;
  s.bar_yield = 60000.0;
  s.steel_modulus = 29000000.0;
  return s;
}

void put_bars_on_circle(PileSection& s, int n, double r, double diameter, double area) {
  s.bar_count = n;
  for (int j = 0; j < n; ++j) {
    const double angle = 2.0 * kPi * j / n;
    s.bars[j] = Bar{diameter, area, r * std::cos(angle), r * std::sin(angle), 0};
  }
}

void put_strands_on_square(PileSection& s, int n, double half_width) {
  BarPositions p;
  ASSERT_TRUE(place_square_strands(1, n, half_width, p));
  s.strand_count = n;
  s.strand_type = 1;
  s.steel_modulus = 28000.0;
  for (int i = 0; i < n; ++i) s.bars[i] = Bar{0.5, 0.153, p.x[i], p.y[i], 3};
}

struct FamilyCase {
  const char* name;
  PileSection section;
  double gross;   // closed-form area of concrete and steel
  double bars;    // n A
  double casing;  // ring of the casing or pipe wall
  double core;    // ring of the core pipe
};

void PrintTo(const FamilyCase& c, std::ostream* out) { *out << c.name; }

std::vector<FamilyCase> family_cases() {
  std::vector<FamilyCase> cases;
  {
    PileSection s = record(kRectangularConcrete, 18.0);
    s.width = 12.0;
    s.depth = 18.0;
    s.bar_count = 4;
    const double xy[4][2] = {{-4, -7}, {4, -7}, {4, 7}, {-4, 7}};
    for (int i = 0; i < 4; ++i) s.bars[i] = Bar{1.0, 0.79, xy[i][0], xy[i][1], 8};
    cases.push_back({"rectangle", s, 12.0 * 18.0, 4 * 0.79, 0.0, 0.0});
  }
  {
    PileSection s = record(kSquareHollowPrestressed, 16.0);
    s.void_diameter = 8.0;
    put_strands_on_square(s, 12, 5.0);
    cases.push_back({"square_with_void", s, 256.0 - circle(8.0), 12 * 0.153, 0.0, 0.0});
  }
  {
    PileSection s = record(kDrilledShaft, 36.0);
    put_bars_on_circle(s, 8, 14.5, 1.0, 0.79);
    cases.push_back({"circle", s, circle(36.0), 8 * 0.79, 0.0, 0.0});
  }
  {
    PileSection s = record(kCircularHollowPrestressed, 24.0);
    s.void_diameter = 12.0;
    s.strand_type = 1;
    s.steel_modulus = 28000.0;
    put_bars_on_circle(s, 8, 9.0, 0.5, 0.153);
    s.strand_count = 8;
    s.bar_count = 0;
    cases.push_back({"circle_with_void", s, circle(24.0) - circle(12.0), 8 * 0.153, 0.0, 0.0});
  }
  {
    PileSection s = record(kCasedShaft, 36.0);
    s.casing_thickness = 0.5;
    s.casing_yield = 36000.0;
    s.casing_modulus = 29000000.0;
    put_bars_on_circle(s, 8, 14.0, 1.0, 0.79);
    cases.push_back({"cased_circle", s, circle(36.0), 8 * 0.79, ring(36.0, 0.5), 0.0});
  }
  for (bool filled : {true, false}) {
    PileSection s = record(kCasedShaftWithCore, 36.0);
    s.casing_thickness = 0.5;
    s.casing_yield = 36000.0;
    s.casing_modulus = 29000000.0;
    s.core_diameter = 12.0;
    s.core_thickness = 0.5;
    s.core_yield = 36000.0;
    s.core_modulus = 29000000.0;
    s.b_FillCoreWithConcrete = filled;
    put_bars_on_circle(s, 8, 14.0, 1.0, 0.79);
    cases.push_back({filled ? "filled_core" : "void_core", s,
                     filled ? circle(36.0) : circle(36.0) - circle(11.0), 8 * 0.79,
                     ring(36.0, 0.5), ring(12.0, 0.5)});
  }
  {
    PileSection s = record(kSteelPipe, 24.0);
    s.casing_thickness = 0.5;
    s.casing_yield = 36000.0;
    s.casing_modulus = 29000000.0;
    // A pipe keeps its concrete areas unused: only its wall is steel.
    cases.push_back({"pipe", s, ring(24.0, 0.5), 0.0, ring(24.0, 0.5), 0.0});
  }
  {
    PileSection s = record(kSquareSolidPrestressed, 14.0);
    s.chamfer = 1.0;
    put_strands_on_square(s, 8, 4.5);
    cases.push_back({"chamfered_square", s, 14.0 * 14.0 - 2.0, 8 * 0.153, 0.0, 0.0});
  }
  for (bool hollow : {false, true}) {
    PileSection s = record(hollow ? kOctagonalHollowPrestressed : kOctagonalSolidPrestressed, 16.0);
    s.void_diameter = hollow ? 8.0 : 0.0;
    put_strands_on_square(s, 8, 4.5);
    // The square less the four corner triangles cut at 0.2071 w from the axes.
    const double leg = 8.0 - 0.2071 * 16.0;
    const double octagon = 256.0 - 2.0 * leg * leg;
    cases.push_back({hollow ? "octagon_with_void" : "octagon", s,
                     hollow ? octagon - circle(8.0) : octagon, 8 * 0.153, 0.0, 0.0});
  }
  return cases;
}

class SlicedFamilies : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(SlicedFamilies, KeepEveryAreaOfTheOutlineAndItsSymmetry) {
  const FamilyCase& c = GetParam();
  const SectionValues v = section_values(c.section, kUnitsUS);
  SliceTable s;
  ASSERT_FALSE(Calculate_Concrete_Slice_Areas(v, s));
  const double tolerance = 1e-9 * c.gross;
  double concrete = 0.0, bars = 0.0, casing = 0.0, core = 0.0, core_concrete = 0.0;
  for (int k = 1; k <= kSlices; ++k) {
    concrete += s.concrete[k];
    bars += s.bars[k];
    casing += s.casing[k];
    core += s.core[k];
    core_concrete += s.core_concrete[k];
  }
  // A void's column holds the void itself; a core's its steel ring.
  const double core_steel = v.core.thickness > 0.0 ? core : 0.0;
  const double material =
      (v.pipe() ? 0.0 : concrete) + bars + casing + core_steel + core_concrete;
  EXPECT_NEAR(material, c.gross, tolerance);
  EXPECT_NEAR(bars, c.bars, tolerance);
  EXPECT_NEAR(s.total_bars, c.bars, tolerance);
  EXPECT_NEAR(casing, c.casing, tolerance);
  EXPECT_NEAR(core_steel, c.core, tolerance);
  if (v.core.present && !v.core.filled) {
    EXPECT_EQ(core_concrete, 0.0);
  }
  if (!v.pipe()) {
    EXPECT_NEAR(s.total_concrete, concrete, tolerance);
  }

  // The outlines, voids, cores and bar patterns are symmetric about the bending axis.
  for (int k = 1; k <= kSlices / 2; ++k) {
    const int m = kSlices + 1 - k;
    const double upper = s.concrete[k] + s.bars[k] + s.casing[k] + s.core[k] + s.core_concrete[k];
    const double lower = s.concrete[m] + s.bars[m] + s.casing[m] + s.core[m] + s.core_concrete[m];
    EXPECT_NEAR(upper, lower, tolerance) << "slice " << k;
    EXPECT_NEAR(s.y[k] + s.y[m], s.h, 1e-12) << "slice " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(OnePerFamily, SlicedFamilies, ::testing::ValuesIn(family_cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SlicedBars, AStandardBarKeepsItsCentroidAndAFaceBarItsWholeArea) {
  // A #8 bar (1.0 in, 0.79 sq. in.) at a few heights of a 24 in deep rectangle.
  for (double y : {3.37, -0.02, 7.5, -11.0}) {
    SectionValues v = rectangle(12.0, 24.0);
    add_bar(v, 0.0, y, 1.0, 0.79);
    SliceTable s;
    ASSERT_FALSE(Calculate_Concrete_Slice_Areas(v, s));
    double area = 0.0, moment = 0.0;
    for (int k = 1; k <= kSlices; ++k) {
      area += s.bars[k];
      moment += s.bars[k] * (s.y_top - s.y[k]);
      EXPECT_GE(s.bars[k], -1e-12);
    }
    EXPECT_NEAR(area, 0.79, 1e-12) << "Y = " << y;
    EXPECT_NEAR(moment / area, y, s.t / 4.0) << "Y = " << y;
  }
  // A bar reaching above the compression face is not lost.
  SectionValues v = rectangle(12.0, 24.0);
  add_bar(v, 0.0, 11.8, 1.0, 0.79);
  SliceTable s;
  ASSERT_FALSE(Calculate_Concrete_Slice_Areas(v, s));
  EXPECT_NEAR(s.total_bars, 0.79, 1e-12);
  EXPECT_NEAR(s.total_concrete + s.total_bars, 12.0 * 24.0, 1e-9);
  EXPECT_GT(s.bars[1], 0.0);
}

TEST(SliceGeometry, SegmentsPolygonsAndSliceSearch) {
  EXPECT_DOUBLE_EQ(fn_CircleSegmentArea(10.0, 5.0), circle(10.0) / 2.0);
  EXPECT_DOUBLE_EQ(fn_CircleSegmentArea(10.0, 12.0), circle(10.0));  // beyond the diameter
  EXPECT_EQ(fn_CircleSegmentArea(10.0, 0.0), 0.0);
  EXPECT_EQ(fn_CircleSegmentArea(0.0, 1.0), 0.0);
  // A segment of depth a has area r^2 acos(1 - a/r) - (r - a) sqrt(2 r a - a^2).
  const double r = 5.0, a = 2.0;
  EXPECT_NEAR(fn_CircleSegmentArea(10.0, a),
              r * r * std::acos(1.0 - a / r) - (r - a) * std::sqrt(2.0 * r * a - a * a), 1e-12);

  SectionValues octagon;
  octagon.type = kOctagonalSolidPrestressed;
  octagon.family = OutlineFamily::kPolygon;
  octagon.diameter = 16.0;
  const Outline o = section_outline(octagon);
  ASSERT_EQ(o.count, 8);
  const double whole = fn_PolygonAreaBelowY(o, 8.0);
  EXPECT_NEAR(fn_PolygonAreaBelowY(o, 0.0), whole / 2.0, 1e-12);
  EXPECT_EQ(fn_PolygonAreaBelowY(o, -8.0), 0.0);
  EXPECT_NEAR(fn_PolygonAreaBelowY(o, 100.0), whole, 1e-12);

  SliceTable s;
  ASSERT_FALSE(Calculate_Concrete_Slice_Areas(octagon, s));
  EXPECT_EQ(fn_FindSliceY(s, 8.0), 1);
  EXPECT_EQ(fn_FindSliceY(s, 7.85), 1);
  EXPECT_EQ(fn_FindSliceY(s, 7.8), 2);
  EXPECT_EQ(fn_FindSliceY(s, -7.99), kSlices);
  EXPECT_EQ(fn_FindSliceY(s, 9.0), kSlices);   // above the section
  EXPECT_EQ(fn_FindSliceY(s, -9.0), kSlices);  // below it
}

TEST(SlicedBars, MoreBarsThanTheTableHoldsIsAFault) {
  SectionValues v = rectangle(12.0, 12.0);
  v.bar_count = kMaxBars + 1;
  SliceTable s;
  const SectionFault fault = Calculate_Concrete_Slice_Areas(v, s);
  EXPECT_EQ(fault.kind, SectionFaultKind::kTooManyBars);
  EXPECT_EQ(fault.value, kMaxBars + 1);
}

}  // namespace
}  // namespace torva::testing
