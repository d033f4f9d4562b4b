#include "section/section_slices.h"

#include <cmath>
#include <numbers>

namespace torva {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kOctagonCorner = 0.2071;  // half the side of an octagon of width 1
constexpr double kMergeDistanceSquared = 1e-8;

// Adds to `column` a circle of area `area` whose top lies at y_top and whose extent below it is
// `extent`: slice by slice, the area of the circle of diameter d_eq above each lower boundary.
// The last slice takes what is left, so the whole area always reaches the table.
void apportion_circle(const SliceTable& s, double y_top, double extent, double area, double d_eq,
                      SliceColumn& column) {
  // A circle reaching above the compression face starts in the first slice (the slice search
  // would put its top in the last one and lose it).
  const int k_top = y_top > s.YS[0] ? 1 : fn_FindSliceY(s, y_top);
  const int k_bot = fn_FindSliceY(s, y_top - extent);
  if (k_top >= k_bot) {
    column[k_top] += area;
    return;
  }
  double previous = 0.0;
  for (int k = k_top; k < k_bot; ++k) {
    const double cumulative = fn_CircleSegmentArea(d_eq, y_top - s.YS[k]);
    column[k] += cumulative - previous;
    previous = cumulative;
  }
  column[k_bot] += area - previous;
}

// A circle at the centre of the section.
void apportion_centred_circle(const SliceTable& s, double diameter, SliceColumn& column) {
  apportion_circle(s, diameter / 2.0, diameter, kPi * diameter * diameter / 4.0, diameter,
                   column);
}

void subtract(SliceColumn& from, const SliceColumn& what) {
  for (int k = 1; k <= kSlices; ++k) from[k] -= what[k];
}

SectionFault Calculate_Rebar_Slice_Areas(const SectionValues& v, SliceTable& s) {
  s.bars.fill(0.0);
  if (v.bar_count < 0) return {};
  if (v.bar_count > kMaxBars) {
    return {SectionFaultKind::kTooManyBars, static_cast<double>(v.bar_count)};
  }
  for (int i = 0; i < v.bar_count; ++i) {
    const Bar& bar = v.bars[i];
    // The bar is spread as a circle of its own area; its nominal diameter sets its extent.
    const double d_eq = std::sqrt(4.0 * bar.area / kPi);
    apportion_circle(s, bar.y + bar.diameter / 2.0, bar.diameter, bar.area, d_eq, s.bars);
  }
  subtract(s.concrete, s.bars);
  return {};
}

void Calculate_Casing_Slice_Areas(const SectionValues& v, SliceTable& s) {
  s.casing.fill(0.0);
  const double tc = v.casing_thickness;
  if (tc <= 0.0) return;
  apportion_centred_circle(s, v.diameter, s.casing);
  SliceColumn inside{};
  apportion_centred_circle(s, v.diameter - 2.0 * tc, inside);
  subtract(s.casing, inside);
  // A steel pipe keeps its concrete areas: no concrete stress is ever taken for it.
  if (!v.pipe()) subtract(s.concrete, s.casing);
}

void Calculate_Core_Slice_Areas(const SectionValues& v, SliceTable& s) {
  const CoreValues& core = v.core;
  s.core.fill(0.0);
  s.core_concrete.fill(0.0);
  apportion_centred_circle(s, core.diameter, s.core);
  subtract(s.concrete, s.core);
  if (core.thickness > 0.0 || core.filled) {
    SliceColumn inside{};
    apportion_centred_circle(s, core.diameter - 2.0 * core.thickness, inside);
    subtract(s.core, inside);
    if (core.filled) s.core_concrete = inside;
  }
}

}  // namespace

double fn_CircleSegmentArea(double D, double a) {
  if (!(D > 0.0)) return 0.0;
  double b = 1.0 - a / (D / 2.0);
  if (std::fabs(b) > 1.0) {
    if (b > 0.99) b = 1.0;
    if (b < -0.99) b = -1.0;
  }
  double theta = kPi / 2.0;
  if (std::fabs(b) >= 1e-12) {
    theta = std::atan(std::sqrt(std::fabs(1.0 - b * b)) / b);
    if (b < 0.0) theta += kPi;
  }
  return (D * D / 8.0) * (2.0 * theta - std::sin(2.0 * theta));
}

double fn_PolygonAreaBelowY(const Outline& outline, double y) {
  const int n = outline.count;
  if (n < 3) return 0.0;
  std::array<double, kMaxOutlineVertices + 2> cx{}, cy{};
  int m = 0;
  bool overflow = false;
  const auto add = [&](double px, double py) {
    if (m > 0) {
      const double dx = px - cx[m - 1], dy = py - cy[m - 1];
      if (dx * dx + dy * dy < kMergeDistanceSquared) return;
    }
    if (m >= kMaxClippedVertices + 1) {
      overflow = true;
      return;
    }
    cx[m] = px;
    cy[m] = py;
    ++m;
  };
  const auto crossing = [&](double x1, double y1, double x2, double y2) {
    if (x2 == x1) return x1;
    return x1 + (y - y1) / ((y2 - y1) / (x2 - x1));
  };
  for (int i = 0; i < n; ++i) {
    const int j = (i + 1) % n;
    const double x1 = outline.x[i], y1 = outline.y[i];
    const double x2 = outline.x[j], y2 = outline.y[j];
    const bool in1 = y1 <= y, in2 = y2 <= y;
    if (in1 && in2) {
      add(x2, y2);
    } else if (in1) {
      add(crossing(x1, y1, x2, y2), y);
    } else if (in2) {
      add(crossing(x1, y1, x2, y2), y);
      add(x2, y2);
    }
  }
  if (overflow || m < 3 || m > kMaxClippedVertices) return 0.0;
  double sum = cy[0] * cx[m - 1] - cx[0] * cy[m - 1];
  for (int i = 0; i + 1 < m; ++i) sum += cx[i] * cy[i + 1] - cx[i + 1] * cy[i];
  return sum / 2.0;
}

int fn_FindSliceY(const SliceTable& s, double y) {
  for (int k = 1; k <= kSlices; ++k) {
    if (s.YS[k - 1] >= y && y > s.YS[k]) return k;
  }
  return kSlices;
}

Outline section_outline(const SectionValues& v) {
  Outline o;
  const auto put = [&](double x, double y) {
    o.x[o.count] = x;
    o.y[o.count] = y;
    ++o.count;
  };
  switch (v.family) {
    case OutlineFamily::kRectangle:
    case OutlineFamily::kRectangleWithVoid: {
      const double b = v.width, h = v.depth;
      put(-b / 2.0, -h / 2.0);
      put(b / 2.0, -h / 2.0);
      put(b / 2.0, h / 2.0);
      put(-b / 2.0, h / 2.0);
      break;
    }
    case OutlineFamily::kPolygon:
    case OutlineFamily::kPolygonWithVoids: {
      const double w = v.diameter;
      if (v.type == kSquareSolidPrestressed || v.type == kSquareHollowPrestressed) {
        const double m = v.chamfer;
        put(w / 2.0 - m, -w / 2.0);
        put(w / 2.0, m - w / 2.0);
        put(w / 2.0, w / 2.0 - m);
        put(w / 2.0 - m, w / 2.0);
        put(m - w / 2.0, w / 2.0);
        put(-w / 2.0, w / 2.0 - m);
        put(-w / 2.0, m - w / 2.0);
        put(m - w / 2.0, -w / 2.0);
      } else {
        const double a = kOctagonCorner * w;
        put(a, -w / 2.0);
        put(w / 2.0, -a);
        put(w / 2.0, a);
        put(a, w / 2.0);
        put(-a, w / 2.0);
        put(-w / 2.0, a);
        put(-w / 2.0, -a);
        put(-a, -w / 2.0);
      }
      break;
    }
    default:
      break;
  }
  return o;
}

SectionFault Calculate_Concrete_Slice_Areas(const SectionValues& v, SliceTable& s) {
  s = SliceTable{};
  const Outline outline = section_outline(v);
  const bool polygonal = outline.count > 0;
  if (polygonal) {
    s.y_top = outline.y[0];
    s.y_bottom = outline.y[0];
    for (int i = 1; i < outline.count; ++i) {
      s.y_top = std::fmax(s.y_top, outline.y[i]);
      s.y_bottom = std::fmin(s.y_bottom, outline.y[i]);
    }
  } else {
    s.y_top = v.diameter / 2.0;
    s.y_bottom = -v.diameter / 2.0;
  }
  s.h = s.y_top - s.y_bottom;
  s.t = s.h / kSlicesReal;
  for (int k = 0; k <= kSlices; ++k) s.YS[k] = s.y_top - k * s.t;
  for (int k = 1; k <= kSlices; ++k) s.y[k] = s.h / (2.0 * kSlicesReal) + (k - 1) * s.h / kSlicesReal;

  switch (v.family) {
    case OutlineFamily::kRectangle:
    case OutlineFamily::kRectangleWithVoid:
      for (int k = 1; k <= kSlices; ++k) s.concrete[k] = v.width * v.depth / kSlicesReal;
      break;
    case OutlineFamily::kPolygon:
    case OutlineFamily::kPolygonWithVoids:
      for (int k = 1; k <= kSlices; ++k) {
        s.concrete[k] =
            fn_PolygonAreaBelowY(outline, s.YS[k - 1]) - fn_PolygonAreaBelowY(outline, s.YS[k]);
      }
      break;
    default:
      for (int k = 1; k <= kSlices; ++k) s.concrete[k] = fn_CircleSegmentArea(v.diameter, k * s.t);
      for (int k = kSlices; k >= 2; --k) s.concrete[k] -= s.concrete[k - 1];
      break;
  }

  SectionFault fault;
  switch (v.family) {
    case OutlineFamily::kCasedCircle:
    case OutlineFamily::kCasedCircleWithCore:
    case OutlineFamily::kPipe:
      Calculate_Casing_Slice_Areas(v, s);
      break;
    default:
      break;
  }
  if (!v.pipe()) fault = Calculate_Rebar_Slice_Areas(v, s);
  if (fault) return fault;
  if (v.core.present) Calculate_Core_Slice_Areas(v, s);

  for (int k = 1; k <= kSlices; ++k) {
    s.total_concrete += s.concrete[k];
    s.total_bars += s.bars[k];
    s.total_core_concrete += s.core_concrete[k];
  }
  return {};
}

}  // namespace torva
