#include "pile/pile_model.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "model/depth_table.h"

namespace torva {

namespace {

constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kPiOver64 = 0.04908738521234052;
constexpr double kStartingSoilModulus = 50000.0;  // force/length^2, in every unit system
constexpr double kSameMovementDepth = 1e-5;       // movement points closer than this coincide

const SectionPoint& point(const Sections& sections, int j) { return sections.points[j - 1]; }

SectionProperties properties_of(const SectionPoint& p) {
  return {p.width, p.inertia, p.area, p.modulus * p.inertia};
}

// The straight line through (xa, pa) and (xb, pb), evaluated at x.
double on_line(double xa, double pa, double xb, double pb, double x) {
  const double slope = (pb - pa) / (xb - xa);
  const double intercept = pb - slope * xb;
  return slope * x + intercept;
}

// An elastic section between its top point (depth ta) and bottom point (depth tb): the shape's
// own formulas over dimensions that vary linearly from top to bottom.
SectionProperties elastic_shape(const PileSection& section, double ta, double tb, double x,
                                const SectionProperties& interpolated) {
  const ElasticProperties& e = section.elastic;
  auto along = [&](double top, double bottom) { return on_line(ta, top, tb, bottom, x); };
  SectionProperties p;
  switch (section.shape) {
    case kShapeRectangular: {
      const double b = along(e.top_width, e.bottom_width);
      const double d = along(e.top_depth, e.bottom_depth);
      p.D = b;
      p.A = b * d;
      p.I = b * (d * d * d) / 12.0;
      break;
    }
    case kShapeCircular: {
      const double b = along(e.top_width, e.bottom_width);
      p.D = b;
      p.A = kQuarterPi * (b * b);
      p.I = kPiOver64 * ((b * b) * (b * b));
      break;
    }
    case kShapeCircularPipe: {
      const double b = along(e.top_width, e.bottom_width);
      const double t = along(e.top_depth, e.bottom_depth);
      const double bi = b - 2.0 * t;
      p.D = b;
      p.A = kQuarterPi * (b * b - bi * bi);
      p.I = kPiOver64 * ((b * b) * (b * b) - (bi * bi) * (bi * bi));
      break;
    }
    case kShapeStrongHPile:
    case kShapeWeakHPile:
      p.D = section.shape == kShapeStrongHPile ? e.top_width : e.top_depth;
      p.A = e.top_area;
      p.I = e.top_inertia;
      break;
    case kShapeEmbeddedPole:
      p.D = section.diameter;
      p.A = 0.0;
      p.I = along(e.top_inertia, e.bottom_inertia);
      break;
    default:  // not an elastic shape: the section points govern
      return interpolated;
  }
  p.EI = e.modulus * p.I;
  return p;
}

// First and last entry of every layer for the depths d(1..n), ascending.
template <typename Depths>
void assign_depths_to_layers(SoilLayers& soil, const Depths& d, int n) {
  soil.first_node.fill(0);
  soil.last_node.fill(0);
  if (n < 1) return;
  int last_with_nodes = 0;
  for (int k = 1; k <= soil.count; ++k) {
    int j = 1;
    while (j < n && !(d[j] >= soil.XLayerTop[k])) ++j;
    if (d[j] > soil.XLayerBottom[k]) continue;  // the layer holds no node
    soil.first_node[k] = j;
    if (last_with_nodes > 0) soil.last_node[last_with_nodes] = j - 1;
    last_with_nodes = k;
    if (soil.XLayerBottom[k] >= d[n]) break;  // the layer reaches the last depth
  }
  if (last_with_nodes > 0) soil.last_node[last_with_nodes] = n;
}

// Soil movement at x along the pile: 0 outside the profile, the mean of two points at (nearly)
// the same depth when x lies there, linear in between.
double soil_movement_at(const SoilMovement& profile, double x) {
  const int count = profile.count;
  // Written so that a depth that is not a number is outside too.
  if (count < 2 || !(x >= profile.depth[1] && x <= profile.depth[count])) return 0.0;
  const int k = segment_containing(profile.depth, count, x);
  if (k == 0) return 0.0;
  const auto coincide = [&](int a, int b) {
    return std::fabs(profile.depth[b] - profile.depth[a]) < kSameMovementDepth;
  };
  // A step below the point at x (the point that closes the segment heads a pair).
  if (x == profile.depth[k] && k < count && coincide(k, k + 1)) {
    return (profile.movement[k] + profile.movement[k + 1]) / 2.0;
  }
  if (coincide(k - 1, k)) return (profile.movement[k - 1] + profile.movement[k]) / 2.0;
  return linear_in_segment(profile.depth, profile.movement, k, x);
}

}  // namespace

SectionProperties section_properties_at(const Engine& engine, double x) {
  const Sections& sections = engine.sections;
  const int P = 2 * sections.count;
  if (P < 2) return {};
  int j = 2;
  while (j <= P && !(point(sections, j).depth >= x)) ++j;
  if (j > P || x == point(sections, P).depth) return properties_of(point(sections, P));
  const SectionPoint& below = point(sections, j);
  if (x == below.depth) return properties_of(below);

  // A depth on a boundary was caught above as the bottom point of the upper section.
  const SectionPoint& above = point(sections, j - 1);
  const double f = (x - above.depth) / (below.depth - above.depth);
  const double EI_above = above.modulus * above.inertia;
  const double EI_below = below.modulus * below.inertia;
  const SectionProperties interpolated{above.width + f * (below.width - above.width),
                                       above.inertia + f * (below.inertia - above.inertia),
                                       above.area + f * (below.area - above.area),
                                       EI_above + f * (EI_below - EI_above)};
  const PileSection& section = sections.table[j / 2 - 1];
  if (section.type != kElasticPile && section.type != kElasticPlastic) return interpolated;
  return elastic_shape(section, above.depth, below.depth, x, interpolated);
}

double pile_tip_depth(const Engine& engine) {
  return engine.sections.pile_length * std::cos(engine.inclination.batter);
}

void build_nodes(Engine& engine) {
  const int n = engine.options.NumIncrements;
  if (n < 1 || n + 1 > kNodePlaces) {
    report_internal_error(engine, "the pile cannot be divided into " + std::to_string(n) +
                                      " increments (the node table holds " +
                                      std::to_string(kNodePlaces) + " nodes).");
    throw RunStopped{};
  }
  NodeTable& nodes = engine.nodes;
  const double L = engine.sections.pile_length;
  const double cos_batter = std::cos(engine.inclination.batter);
  nodes.N = n + 1;
  nodes.h = L / n;
  for (int i = 1; i <= nodes.N; ++i) {
    // The tip is placed at the pile length itself: (N-1) h may miss it in the last digit, and
    // the tip's load and depth are those of the true tip.
    const double x = i == nodes.N ? L : static_cast<double>(i - 1) * nodes.h;
    nodes.x[i] = x;
    nodes.z[i] = x * cos_batter;
    if (!engine.options.UseLRFD) nodes.W[i] = distributed_load_at(engine, x);
    nodes.EI[i] = section_properties_at(engine, x).EI;
  }
}

void assign_nodes_to_sections(Engine& engine) {
  const Sections& sections = engine.sections;
  NodeTable& nodes = engine.nodes;
  for (int i = 1; i <= nodes.N; ++i) {
    if (sections.count <= 1 || i == 1) {
      nodes.section[i] = 1;
      continue;
    }
    for (int k = 1; k <= sections.count; ++k) {
      if (point(sections, 2 * k - 1).depth < nodes.x[i] &&
          nodes.x[i] <= point(sections, 2 * k).depth) {
        nodes.section[i] = k;
      }
    }
  }
}

void Assign_Nodes_To_Layers(Engine& engine) {
  assign_depths_to_layers(engine.soil, engine.nodes.z, engine.nodes.N);
}

void Assign_PY_Output_Depths_To_Layers(Engine& engine, int m) {
  assign_depths_to_layers(engine.soil, engine.nodes.x, m);
}

void soil_movement_at_nodes(Engine& engine) {
  NodeTable& nodes = engine.nodes;
  for (int i = 1; i <= nodes.N; ++i)
    nodes.ysoil[i] = soil_movement_at(engine.soil_movement, nodes.x[i]);
}

double tributary_integral(const DistributedLoadProfile& profile, double x, double h, double L) {
  const int n = profile.count;
  const double a = std::max(0.0, x - h / 2.0);
  const double b = std::min(L, x + h / 2.0);
  if (n < 1 || profile.depth[1] >= b || profile.depth[n] < a) return 0.0;
  // Trapezoids over the pieces of the profile inside [a, b]; a step (two points at one depth)
  // is a piece of no length, so each piece starts and ends with its own points' values.
  double integral = 0.0;
  for (int k = 2; k <= n; ++k) {
    const double from = std::max(a, profile.depth[k - 1]);
    const double to = std::min(b, profile.depth[k]);
    if (!(to > from)) continue;
    const double q_from = linear_in_segment(profile.depth, profile.load, k, from);
    const double q_to = linear_in_segment(profile.depth, profile.load, k, to);
    integral += (q_from + q_to) / 2.0 * (to - from);
  }
  return integral;
}

double tributary_length(double x, double h, double L) {
  return (x == 0.0 || x == L) ? h / 2.0 : h;
}

double tributary_load(const DistributedLoadProfile& profile, double x, double h, double L) {
  return tributary_integral(profile, x, h, L) / tributary_length(x, h, L);
}

double distributed_load_at(const Engine& engine, double x) {
  return tributary_load(engine.loading.distributed, x, engine.nodes.h, engine.sections.pile_length);
}

double node_distributed_load(const Engine& engine, int i) {
  if (engine.options.UseLRFD) return engine.lrfd_loads.applied[i];
  return distributed_load_at(engine, engine.nodes.x[i]);
}

void set_starting_soil_moduli(Engine& engine) {
  NodeTable& nodes = engine.nodes;
  for (int i = 1; i <= nodes.N; ++i) {
    nodes.Es[i] = nodes.z[i] < engine.soil.XS ? 0.0 : kStartingSoilModulus;
  }
}

void rebuild_pile_nodes(Engine& engine) {
  build_nodes(engine);
  assign_nodes_to_sections(engine);
  Assign_Nodes_To_Layers(engine);
  if (engine.soil_movement.count > 1) soil_movement_at_nodes(engine);
}

}  // namespace torva
