// Lookups in the tables of values against depth (soil profile, group factors, soil movements,
// distributed loads): rows count from 1, the shallowest first, and a value between two rows is
// on the straight line through them.
#pragma once

namespace torva {

// The first row k in 2..count whose depth is at or below X (X <= depth[k] + tolerance), so
// that X lies in the segment of rows k-1 and k; 0 when X lies below every row.
template <typename DepthColumn>
int segment_containing(const DepthColumn& depth, int count, double X, double tolerance = 0.0) {
  for (int k = 2; k <= count; ++k) {
    if (X <= depth[k] + tolerance) return k;
  }
  return 0;
}

// The value at X on the straight line through rows k-1 and k; the lower row's value at that
// row's depth exactly, and for a segment of no thickness.
template <typename DepthColumn, typename ValueColumn>
double linear_in_segment(const DepthColumn& depth, const ValueColumn& value, int k, double X) {
  const double thickness = depth[k] - depth[k - 1];
  if (X == depth[k] || thickness == 0.0) return value[k];
  return value[k - 1] + (X - depth[k - 1]) * (value[k] - value[k - 1]) / thickness;
}

}  // namespace torva
