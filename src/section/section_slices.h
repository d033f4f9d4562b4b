// A pile section cut into 100 horizontal slices: the area of concrete, bars or strands,
// casing (or pipe wall), core pipe and core concrete in each slice, and the depth of each
// slice's mid-height below the compression face. Bending is about the horizontal axis: the
// compression face is the top (largest Y), the section centre the origin.
#pragma once

#include <array>

#include "model/one_based.h"
#include "section/section_faults.h"
#include "section/section_values.h"

namespace torva {

inline constexpr int kMaxOutlineVertices = 300;
// Clipped polygons of more vertices than this have no area (none of the outlines comes near).
inline constexpr int kMaxClippedVertices = 100;

// A counter-clockwise outline of the rectangle and polygon families.
struct Outline {
  int count = 0;
  std::array<double, kMaxOutlineVertices> x{};
  std::array<double, kMaxOutlineVertices> y{};
};

using SliceColumn = OneBased<double, kSlices>;  // entry k = 1..100 is slice k

struct SliceTable {
  double h = 0.0;         // section depth used for the slicing
  double y_top = 0.0;     // Y of the compression face
  double y_bottom = 0.0;
  double t = 0.0;         // slice thickness h/N
  std::array<double, kSlices + 1> YS{};  // YS[k]: lower boundary of slice k (YS[0] the top)
  SliceColumn y{};              // depth of the mid-height of slice k below the compression face
  SliceColumn concrete{};       // A_c
  SliceColumn bars{};           // A_s: bars or strands
  SliceColumn casing{};         // A_cs: casing ring or pipe wall
  SliceColumn core{};           // A_k: core pipe ring, or the void of a hollow pile
  SliceColumn core_concrete{};  // A_kc: concrete inside a filled core
  double total_concrete = 0.0;
  double total_bars = 0.0;
  double total_core_concrete = 0.0;
};

// Area of the part of a circle of diameter D within depth a below its top (0 for D of 0 or
// less; the whole circle for a beyond D).
double fn_CircleSegmentArea(double D, double a);

// Area of the part of a counter-clockwise outline at or below the line Y = y.
double fn_PolygonAreaBelowY(const Outline& outline, double y);

// The slice 1..N whose boundaries enclose y (YS[k-1] >= y > YS[k]); N when none does.
int fn_FindSliceY(const SliceTable& slices, double y);

// The outline of the rectangle and polygon families (no vertices for the circular ones).
Outline section_outline(const SectionValues& section);

// Builds the slice grid and apportions concrete, bars, casing and core to the slices.
// Fails only for more bars than the bar table holds.
SectionFault Calculate_Concrete_Slice_Areas(const SectionValues& section, SliceTable& slices);

}  // namespace torva
