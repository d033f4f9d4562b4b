// Computed positions of reinforcing bars and prestressing strands in a pile section: bars in
// bundles on a circle, and strands on the perimeter of a square. Positions are in the
// section's own X-Y plane with the origin at the centre of the section.
#pragma once

#include <array>

#include "model/engine.h"
#include "model/sections.h"

namespace torva {

// Positions of the bars or strands of one placement; entry i - 1 holds bar i.
struct BarPositions {
  std::array<double, kMaxBars> x{};
  std::array<double, kMaxBars> y{};
};

// Places bundles of 1 to 3 bars on a circle of radius R = (D - d_b)/2 - cover: bundle 1 on the
// +X axis, the others counter-clockwise at equal angles, the bars of a bundle touching. Both
// position lists are cleared first.
//
// Returns the success flag. An impossible geometry writes runtime error 39 to 44 to the report
// and records it with ErrorStop; the caller then ends the run. Errors 41 (cover of zero or less)
// and 44 (R of zero or less) still place the bars; the others place none. A bar diameter above
// 100 in magnitude is taken as 0, also in the caller's variable.
bool Compute_Rebar_Circle(Engine& engine, BarPositions& positions, double diameter, double cover,
                          double& bar_diameter, int bundles, int bars_per_bundle);

// Places `count` strands on the perimeter of a square of half-width a, in pattern 1 or 2:
// the bottom row from left to right, the right side upwards, the top row from right to left,
// the left side downwards, and for an odd count one strand at the centre. The two patterns
// differ only when the even part of the count is 2 more than a multiple of 4 (pattern 1 puts
// more strands on the rows, pattern 2 on the sides).
//
// Returns false, placing nothing, for a pattern other than 1 or 2 or a count outside 4..300
// (fewer than four strands cannot outline a square); any half-width is accepted.
bool place_square_strands(int pattern, int count, double half_width, BarPositions& positions);

}  // namespace torva
