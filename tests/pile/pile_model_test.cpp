// The pile model: nodes along the pile, section properties at a depth, nodes to sections and
// to soil layers, soil movement and the tributary distributed load at the nodes.
#include "pile/pile_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "pile/pile_views.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kPiOver64 = 0.04908738521234052;

class PileModel : public ::testing::Test {
 protected:
  Engine& engine() { return folder_.engine(); }
  NodeTable& nodes() { return engine().nodes; }

  // Stacks a section of the given type and length below the others; its two points take the
  // given width, moment of inertia, modulus and area at top and bottom.
  PileSection& add_section(int type, double length, SectionPoint top = {},
                           SectionPoint bottom = {}) {
    Sections& s = engine().sections;
    const int k = ++s.count;
    s.point_count = 2 * k;
    PileSection& section = s.table[k - 1];
    section.type = type;
    section.length = length;
    section.top = s.pile_length;
    section.bottom = s.pile_length + length;
    top.depth = section.top;
    bottom.depth = section.bottom;
    s.points[2 * k - 2] = top;
    s.points[2 * k - 1] = bottom;
    s.pile_length = section.bottom;
    return section;
  }

  void build(int increments) {
    engine().options.NumIncrements = increments;
    build_nodes(engine());
  }

  void add_layer(double top, double bottom) {
    SoilLayers& soil = engine().soil;
    const int k = ++soil.count;
    soil.XLayerTop[k] = top;
    soil.XLayerBottom[k] = bottom;
  }

  void set_nodes(std::initializer_list<double> x) {
    int i = 0;
    for (double value : x) {
      ++i;
      nodes().x[i] = value;
      nodes().z[i] = value;
    }
    nodes().N = i;
  }

  void set_load(std::initializer_list<std::pair<double, double>> points) {
    DistributedLoadProfile& profile = engine().loading.distributed;
    profile.count = 0;
    for (const auto& [depth, load] : points) {
      ++profile.count;
      profile.depth[profile.count] = depth;
      profile.load[profile.count] = load;
    }
  }

  RunFolder folder_;
};

TEST_F(PileModel, LastNodeIsAtThePileLengthWithTheTipLoadAndDepth) {
  // A length that (N-1) * (L/n) misses in the last digit.
  double L = 0.0;
  int n = 0;
  for (int trial = 40; trial <= 500 && n == 0; ++trial) {
    const double length = 1234.5678 + 0.1 * trial;
    if (static_cast<double>(trial) * (length / trial) != length) {
      L = length;
      n = trial;
    }
  }
  ASSERT_GT(n, 0);
  add_section(kSteelPipe, L, {0, 24, 100, 1, 10}, {0, 24, 100, 1, 10});
  engine().inclination.batter = 0.3;
  set_load({{0.0, 7.5}, {L, 7.5}});
  build(n);

  const NodeTable& t = nodes();
  ASSERT_EQ(t.N, n + 1);
  EXPECT_EQ(t.h, L / n);
  EXPECT_EQ(t.x[t.N], L);
  EXPECT_EQ(t.z[t.N], pile_tip_depth(engine()));
  EXPECT_DOUBLE_EQ(t.z[t.N], L * std::cos(0.3));
  EXPECT_DOUBLE_EQ(t.z[7], 6 * t.h * std::cos(0.3));
  // A uniform load is the same load per length at the head, inside and at the tip.
  for (int i : {1, 2, n / 2, n, n + 1}) EXPECT_NEAR(t.W[i], 7.5, 1e-12) << "node " << i;
  EXPECT_EQ(t.EI[1], 100.0);  // E * I of the section points
}

TEST_F(PileModel, LrfdRunsLeaveTheDistributedLoadToTheCombinations) {
  add_section(kSteelPipe, 100.0);
  set_load({{0.0, 7.5}, {100.0, 7.5}});
  nodes().W.fill(-1.0);
  engine().options.UseLRFD = true;
  build(40);
  EXPECT_EQ(nodes().W[1], -1.0);
  EXPECT_EQ(nodes().W[41], -1.0);
}

TEST_F(PileModel, OneSectionPileHasEveryNodeInItAndTheBottomValuesAtTheTip) {
  add_section(kSteelPipe, 100.0, {0, 30, 2000, 3, 50}, {0, 20, 1000, 5, 40});
  build(40);
  assign_nodes_to_sections(engine());
  for (int i = 1; i <= nodes().N; ++i) EXPECT_EQ(nodes().section[i], 1) << "node " << i;

  const SectionProperties tip = section_properties_at(engine(), 100.0);
  EXPECT_EQ(tip.D, 20.0);
  EXPECT_EQ(tip.I, 1000.0);
  EXPECT_EQ(tip.A, 40.0);
  EXPECT_EQ(tip.EI, 5000.0);
  // Below the last point the bottom values hold too.
  EXPECT_EQ(section_properties_at(engine(), 120.0).EI, 5000.0);
  // In between: D, I and A linear, EI linear in the products E*I (6000 at the top).
  const SectionProperties quarter = section_properties_at(engine(), 25.0);
  EXPECT_DOUBLE_EQ(quarter.D, 27.5);
  EXPECT_DOUBLE_EQ(quarter.I, 1750.0);
  EXPECT_DOUBLE_EQ(quarter.A, 47.5);
  EXPECT_DOUBLE_EQ(quarter.EI, 5750.0);
}

TEST_F(PileModel, NodeOnASectionBoundaryBelongsToTheUpperSectionAndTakesItsBottomValues) {
  add_section(kSteelPipe, 50.0, {0, 30, 2000, 3, 50}, {0, 28, 1800, 3, 48});
  add_section(kSteelPipe, 50.0, {0, 20, 1000, 5, 40}, {0, 20, 1000, 5, 40});
  build(40);  // h = 2.5: node 21 lies on the boundary at 50
  assign_nodes_to_sections(engine());
  EXPECT_EQ(nodes().x[21], 50.0);
  EXPECT_EQ(nodes().section[1], 1);
  EXPECT_EQ(nodes().section[20], 1);
  EXPECT_EQ(nodes().section[21], 1);
  EXPECT_EQ(nodes().section[22], 2);
  EXPECT_EQ(nodes().section[41], 2);

  const SectionProperties boundary = section_properties_at(engine(), 50.0);
  EXPECT_EQ(boundary.D, 28.0);
  EXPECT_EQ(boundary.EI, 3.0 * 1800.0);
  EXPECT_EQ(nodes().EI[21], 3.0 * 1800.0);
  EXPECT_EQ(nodes().EI[22], 5.0 * 1000.0);
}

TEST_F(PileModel, ElasticSectionsFollowTheirShapeBetweenTopAndBottom) {
  const double E = 29000000.0;
  struct Case {
    int shape;
    double top_width, bottom_width, top_depth, bottom_depth;
    double D, A, I;  // at mid-length
  };
  const double b_pipe = 18.0, bi_pipe = 16.0;
  const Case cases[] = {
      // Tapered circle, 24 to 12: 18 at mid-length.
      {kShapeCircular, 24, 12, 0, 0, 18, kQuarterPi * (18.0 * 18.0),
       kPiOver64 * (18.0 * 18.0) * (18.0 * 18.0)},
      // Rectangle 12 wide, 24 to 12 deep.
      {kShapeRectangular, 12, 12, 24, 12, 12, 12.0 * 18.0, 12.0 * (18.0 * 18.0 * 18.0) / 12.0},
      // Pipe, 24 to 12 outside, wall 1.
      {kShapeCircularPipe, 24, 12, 1, 1, 18, kQuarterPi * (b_pipe * b_pipe - bi_pipe * bi_pipe),
       kPiOver64 *
           ((b_pipe * b_pipe) * (b_pipe * b_pipe) - (bi_pipe * bi_pipe) * (bi_pipe * bi_pipe))},
  };
  for (const Case& c : cases) {
    engine().sections.count = 0;
    engine().sections.pile_length = 0.0;
    PileSection& s = add_section(kElasticPile, 100.0, {0, c.top_width, 1.0, E, 1.0},
                                 {0, c.bottom_width, 2.0, E, 2.0});
    s.shape = c.shape;
    s.elastic = {E, c.top_width, c.bottom_width, c.top_depth, c.bottom_depth};
    const SectionProperties mid = section_properties_at(engine(), 50.0);
    EXPECT_DOUBLE_EQ(mid.D, c.D) << "shape " << c.shape;
    EXPECT_DOUBLE_EQ(mid.A, c.A) << "shape " << c.shape;
    EXPECT_DOUBLE_EQ(mid.I, c.I) << "shape " << c.shape;
    EXPECT_DOUBLE_EQ(mid.EI, E * c.I) << "shape " << c.shape;
    // The shape holds from the head down; at the bottom of the section, which a boundary
    // shares with the next section, the point values hold.
    EXPECT_EQ(section_properties_at(engine(), 0.0).D, c.top_width);
    EXPECT_EQ(section_properties_at(engine(), 100.0).I, 2.0);
  }
}

TEST_F(PileModel, ElasticHPilesAndEmbeddedPoles) {
  const double E = 29000000.0;
  PileSection& strong =
      add_section(kElasticPlastic, 50.0, {0, 12, 500, E, 20}, {0, 12, 500, E, 20});
  strong.shape = kShapeStrongHPile;
  strong.elastic = {E, 12.0, 12.0, 14.0, 14.0};
  strong.elastic.top_area = 20.0;
  strong.elastic.top_inertia = 500.0;
  PileSection& pole = add_section(kElasticPile, 50.0, {0, 30, 100, E, 0}, {0, 30, 300, E, 0});
  pole.shape = kShapeEmbeddedPole;
  pole.diameter = 30.0;
  pole.elastic = {E, 10.0, 8.0};
  pole.elastic.top_inertia = 100.0;
  pole.elastic.bottom_inertia = 300.0;

  const SectionProperties h = section_properties_at(engine(), 20.0);
  EXPECT_EQ(h.D, 12.0);
  EXPECT_EQ(h.A, 20.0);
  EXPECT_EQ(h.I, 500.0);
  EXPECT_EQ(h.EI, E * 500.0);
  strong.shape = kShapeWeakHPile;  // faces the soil with its section depth
  EXPECT_EQ(section_properties_at(engine(), 20.0).D, 14.0);

  const SectionProperties p = section_properties_at(engine(), 75.0);
  EXPECT_EQ(p.D, 30.0);
  EXPECT_EQ(p.A, 0.0);
  EXPECT_DOUBLE_EQ(p.I, 200.0);
  EXPECT_DOUBLE_EQ(p.EI, E * 200.0);
}

TEST_F(PileModel, NodesToLayersByVerticalDepth) {
  add_section(kSteelPipe, 100.0);
  build(40);  // z = 0, 2.5, ..., 100; node 21 at 50
  add_layer(0, 49);
  add_layer(49, 50);   // its only node lies on its bottom
  add_layer(50, 51);   // node 21 on its top is its first node
  add_layer(51, 52);   // holds no node
  add_layer(52, 100);  // reaches the tip
  add_layer(100, 120);
  Assign_Nodes_To_Layers(engine());

  const SoilLayers& soil = engine().soil;
  const std::vector<std::pair<int, int>> expected = {{1, 20}, {21, 20}, {21, 21},
                                                     {0, 0},  {22, 41}, {0, 0}};
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(soil.first_node[k], expected[k - 1].first) << "layer " << k;
    EXPECT_EQ(soil.last_node[k], expected[k - 1].second) << "layer " << k;
  }
}

TEST_F(PileModel, BatteredPileIsAssignedToLayersByItsVerticalDepths) {
  add_section(kSteelPipe, 100.0);
  engine().inclination.batter = std::acos(0.5);
  build(40);  // z = x / 2: node 21 at z = 25, node 22 at 26.25
  add_layer(0, 26);
  add_layer(26, 80);
  Assign_Nodes_To_Layers(engine());
  EXPECT_EQ(engine().soil.last_node[1], 21);
  EXPECT_EQ(engine().soil.first_node[2], 22);
  EXPECT_EQ(engine().soil.last_node[2], 41);
}

TEST_F(PileModel, OutputDepthsToLayers) {
  add_layer(0, 49);
  add_layer(49, 50);
  add_layer(50, 51);
  add_layer(51, 52);
  add_layer(52, 100);
  set_nodes({5.0, 50.0, 60.0, 70.0});
  nodes().z.fill(-1.0);  // the output depths are in x
  Assign_PY_Output_Depths_To_Layers(engine(), 3);
  const SoilLayers& soil = engine().soil;
  EXPECT_EQ(soil.first_node[1], 1);
  EXPECT_EQ(soil.last_node[1], 1);
  EXPECT_EQ(soil.first_node[2], 2);
  EXPECT_EQ(soil.last_node[2], 1);
  EXPECT_EQ(soil.first_node[3], 2);
  EXPECT_EQ(soil.last_node[3], 2);
  EXPECT_EQ(soil.first_node[4], 0);
  EXPECT_EQ(soil.first_node[5], 3);
  EXPECT_EQ(soil.last_node[5], 3);
}

TEST_F(PileModel, SoilMovementAtNodes) {
  SoilMovement& movement = engine().soil_movement;
  const double points[][2] = {{10, 0.5}, {10, 1.5}, {20, 3.0}, {20, 5.0}, {40, 1.0}};
  movement.count = 5;
  for (int k = 1; k <= 5; ++k) {
    movement.depth[k] = points[k - 1][0];
    movement.movement[k] = points[k - 1][1];
  }
  set_nodes({0.0, 10.0, 15.0, 20.0, 30.0, 40.0, 50.0});
  soil_movement_at_nodes(engine());
  const double expected[] = {0.0, 1.0, 2.25, 4.0, 3.0, 1.0, 0.0};
  for (int i = 1; i <= 7; ++i) EXPECT_DOUBLE_EQ(nodes().ysoil[i], expected[i - 1]) << "node " << i;
}

TEST_F(PileModel, HeadNodeCarriesTheAverageOfItsHalfInterval) {
  add_section(kSteelPipe, 100.0);
  set_load({{0.0, 0.0}, {100.0, 40.0}});  // q = 0.4 x
  build(40);
  // Over [0, 1.25] the average is q(0.625); the tip carries q(100 - 0.625).
  EXPECT_DOUBLE_EQ(nodes().W[1], 0.4 * 0.625);
  EXPECT_DOUBLE_EQ(nodes().W[41], 0.4 * (100.0 - 0.625));
  EXPECT_DOUBLE_EQ(nodes().W[11], 0.4 * 25.0);
}

TEST_F(PileModel, LoadInsideAndAcrossNodeIntervalsAndBelowTheTip) {
  add_section(kSteelPipe, 100.0);
  engine().nodes.h = 2.5;  // node 5 at 10 takes [8.75, 11.25], node 6 at 12.5 [11.25, 13.75]
  // Wholly inside the interval of one node.
  set_load({{9.0, 4.0}, {10.0, 4.0}});
  EXPECT_DOUBLE_EQ(distributed_load_at(engine(), 10.0), 4.0 / 2.5);
  EXPECT_EQ(distributed_load_at(engine(), 7.5), 0.0);
  EXPECT_EQ(distributed_load_at(engine(), 12.5), 0.0);
  // Between the nodes at 10 and 12.5, across the boundary of their intervals.
  set_load({{10.5, 2.0}, {12.0, 2.0}});
  EXPECT_DOUBLE_EQ(distributed_load_at(engine(), 10.0), 2.0 * 0.75 / 2.5);
  EXPECT_DOUBLE_EQ(distributed_load_at(engine(), 12.5), 2.0 * 0.75 / 2.5);
  // Below the tip: nothing, not even at the tip.
  set_load({{100.5, 9.0}, {120.0, 9.0}});
  for (double x : {97.5, 100.0}) EXPECT_EQ(distributed_load_at(engine(), x), 0.0);
  // Ending exactly where the tip interval starts.
  set_load({{0.0, 9.0}, {98.75, 9.0}});
  EXPECT_EQ(distributed_load_at(engine(), 100.0), 0.0);
}

// The node loads times their tributary lengths (h/2 at head and tip) add up to the integral of
// the load profile over the pile.
TEST_F(PileModel, TributaryLoadsAddUpToTheProfileIntegral) {
  struct Profile {
    std::vector<std::pair<double, double>> points;
    double integral;  // over 0..100, worked out by hand
  };
  const Profile profiles[] = {
      // Starts above the head, a step down at 10, ends below the tip:
      // 0..10 from 5 to 6: 55; 10..30 at 2: 40; 30..60 from 2 to 8: 150; 60..100 at 8: 320.
      {{{-10, 4}, {10, 6}, {10, 2}, {30, 2}, {60, 8}, {130, 8}}, 565.0},
      // Starts and ends inside the pile, with a step to zero at 20:
      // 12.3..20 from 3 to 10: 50.05; 20..45.7 from 0 to 5: 64.25.
      {{{12.3, 3}, {20, 10}, {20, 0}, {45.7, 5}}, 114.3},
      // A rise at the head and a step at the tip.
      {{{0, 0}, {0, 6}, {100, 6}, {100, 50}}, 600.0},
  };
  add_section(kSteelPipe, 100.0);
  for (const Profile& profile : profiles) {
    DistributedLoadProfile& table = engine().loading.distributed;
    table.count = 0;
    for (const auto& [depth, load] : profile.points) {
      ++table.count;
      table.depth[table.count] = depth;
      table.load[table.count] = load;
    }
    for (int n : {40, 43, 500}) {
      build(n);
      const NodeTable& t = nodes();
      double sum = 0.0;
      for (int i = 1; i <= t.N; ++i) sum += t.W[i] * (i == 1 || i == t.N ? t.h / 2.0 : t.h);
      EXPECT_NEAR(sum, profile.integral, 1e-9 * profile.integral) << n << " increments";
    }
  }
}

TEST_F(PileModel, StartingSoilModuliAboveAndBelowTheGroundSurface) {
  set_nodes({0.0, 5.0, 10.0, 15.0});
  engine().soil.XS = 10.0;
  set_starting_soil_moduli(engine());
  EXPECT_EQ(nodes().Es[1], 0.0);
  EXPECT_EQ(nodes().Es[2], 0.0);
  EXPECT_EQ(nodes().Es[3], 50000.0);
  EXPECT_EQ(nodes().Es[4], 50000.0);
}

TEST_F(PileModel, SolverViewsOfTheSectionsAndTheTipShearCurve) {
  add_section(kElasticPile, 40.0, {0, 24, 1000, 3, 10}, {0, 24, 1000, 3, 10});
  add_section(kDrilledShaft, 60.0, {0, 36}, {0, 36});
  const EngineSections view(engine());
  EXPECT_EQ(view.section_count(), 2);
  EXPECT_EQ(view.section_type(1), kElasticPile);
  EXPECT_EQ(view.section_type(2), kDrilledShaft);
  EXPECT_EQ(view.section_bottom(1), 40.0);
  EXPECT_EQ(view.section_bottom(2), 100.0);
  EXPECT_EQ(view.elastic_EI(20.0), 3000.0);

  EXPECT_TRUE(tip_shear_view(engine()).deflection.empty());
  TipShearCurve& curve = engine().tip_shear;
  curve.count = 2;
  curve.deflection[1] = 0.0;
  curve.deflection[2] = 1.0;
  curve.shear[1] = 0.0;
  curve.shear[2] = 500.0;
  const TipShearView tip = tip_shear_view(engine());
  ASSERT_EQ(tip.deflection.size(), 2u);
  EXPECT_EQ(tip.shear[1], 500.0);
  EXPECT_DOUBLE_EQ(tip_shear(tip, -0.5), -250.0);
}

}  // namespace
}  // namespace torva::testing
