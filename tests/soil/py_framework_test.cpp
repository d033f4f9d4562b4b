// The pass over the soil layers: thin layers without nodes, the layered-soil bookkeeping, the
// equivalent depth and cumulative resistance, frozen soil, the not-a-number reset and the
// elastic subgrade.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/single_precision.h"
#include "response/bending_stiffness.h"
#include "response/load_case_iteration.h"
#include "soil/py_fixture.h"

namespace torva::testing {
namespace {

constexpr LayerValues kClay{5.0 / 240.0, 5.0, 0.01, 0.0, 0.0};  // X_r = 240 in, y50 = 0.6 in
constexpr LayerValues kSubgrade{5.0 / 240.0, 0.0, 0.0, 0.0, 100.0};

class Layers : public PYFixture {
 protected:
  void SetUp() override {
    PYFixture::SetUp();
    make_pile(40, 480.0, 24.0);  // nodes every 12 in
  }
};

// ---- Runtime Error No. 29 ----------------------------------------------------------------

class ThinLayer : public Layers {
 protected:
  // Soft clay from 0 to 200 in, a 3-in layer with no node, soft clay again to 600 in.
  void SetUp() override {
    Layers::SetUp();
    add_layer(criterion::kSoftClay, 0.0, 200.0, kClay);
    add_layer(criterion::kSoftClay, 200.0, 203.0, kClay);
    add_layer(criterion::kSoftClay, 203.0, 600.0, kClay);
    assign_layers();
  }

  static std::vector<std::string> error_text(const char* problem, const char* solution,
                                             const char* third) {
    const std::string indent(10, ' ');
    return {"",
            "**** Runtime Error No. 29 ****",
            "",
            std::string(problem) + "The thickness of layer 2 was too thin to contain a nodal point.",
            indent + third,
            indent + "The thickness of layer 2 is 3.00000 in and the pile increment length is "
                     "12.00000 in",
            indent + "The current number of pile increments is 40.",
            indent + "The estimated minimum number of increments needed to get at least one "
                     "nodal point in the layer is 160.",
            std::string(solution) +
                "Increase the number of pile increments. Up to 500 pile increments are allowed "
                "in Torva.",
            indent + "If this error occurs with the maximum number of pile increments, you will "
                     "need to combine the thinnest",
            indent + "soil layer with an adjacent layer."};
  }
};

constexpr const char* kReportThird =
    "This layer lacks a nodal point and this prevents the correct computation of p-y curves for "
    "the layer . ";
constexpr const char* kMessageThird =
    "This layer lacks a nodal point and this prevents the correct computation of the layer's "
    "p-y curves. ";

TEST_F(ThinLayer, EndsTheRunInTheFirstIterationOnly) {
  PYCurveDriver(engine(), 0);
  PYCurveDriver(engine(), 2);
  EXPECT_EQ(engine().run.ErrorNumber, 0);
  EXPECT_THROW(PYCurveDriver(engine(), 1), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 229);
  const auto lines = report();
  std::vector<std::string> expected = error_text("PROBLEM:  ", "SOLUTION: ", kReportThird);
  expected.insert(expected.end(),
                  {"", "", "Torva ended prematurely due to runtime error number RUN00029"});
  EXPECT_TRUE(contains_block(lines, expected));
  EXPECT_TRUE(contains_block(messages(), error_text("PROBLEM:  ", "SOLUTION: ", kMessageThird)));
}

TEST_F(ThinLayer, TheLoadCaseIterationUsesItsOwnWordingAndNoTerminationLine) {
  PYCurveUpdate update;
  SoilModulusUpdate& soil = update;
  EXPECT_THROW(soil.update_soil_moduli(engine(), 1), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 229);
  const auto lines = report();
  EXPECT_EQ(lines, error_text("Problem:  ", "Solution: ", kReportThird));
  EXPECT_EQ(messages(), error_text("Problem:  ", "Solution: ", kMessageThird));
}

TEST_F(ThinLayer, StiffnessAndPushoverPassesDoNotCheck) {
  PYCurveDriver(engine(), 1, PYDispatch::kLayersOnly);
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

TEST_F(Layers, ThinLayerBelowARockOrAnElasticSubgradeOrBelowTheTipIsNoError) {
  struct Case {
    int first_code;
    double thin_top;  // the thin layer is 3 in thick
  };
  const Case cases[] = {{criterion::kElasticSubgrade, 200.0},
                        {criterion::kSoftClay, 500.0}};  // below the 480-in pile
  for (const Case& c : cases) {
    engine().soil = SoilLayers{};
    engine().profile = SoilProfile{};
    engine().py = PYState{};
    add_layer(c.first_code, 0.0, c.thin_top,
              c.first_code == criterion::kSoftClay ? kClay : kSubgrade);
    add_layer(criterion::kSoftClay, c.thin_top, c.thin_top + 3.0, kClay);
    add_layer(criterion::kSoftClay, c.thin_top + 3.0, 600.0, kClay);
    assign_layers();
    EXPECT_NO_THROW(PYCurveDriver(engine(), 1)) << c.first_code;
    EXPECT_EQ(engine().run.ErrorNumber, 0);
    const bool below_rock = c.first_code != criterion::kSoftClay;
    EXPECT_EQ(engine().py.bBelowNoLayering[2], below_rock);
    EXPECT_EQ(engine().py.bBelowNoLayering[3], below_rock);
    EXPECT_FALSE(engine().py.bBelowNoLayering[1]);
  }
}

TEST_F(Layers, WeakRockCountsItselfBeforeMarkingItself) {
  add_layer(criterion::kWeakRock, 0.0, 200.0, kSubgrade);
  add_layer(criterion::kElasticSubgrade, 200.0, 600.0, kSubgrade);
  layering_after_layer(engine(), 1);
  EXPECT_EQ(engine().py.NoLayeringCount, 1);
  EXPECT_TRUE(engine().py.bBelowNoLayering[1]);
  layering_after_layer(engine(), 2);
  EXPECT_EQ(engine().py.NoLayeringCount, 2);
  EXPECT_TRUE(engine().py.bBelowNoLayering[2]);
}

// Every criterion the input accepts computes its moduli and its printed curve; frozen soil,
// which has no p-y curve, ends the run through its moduli routine instead.
TEST(CriterionTable, EveryCriterionButFrozenSoilHasBothEntryPoints) {
  for (const CriterionEntry& entry : kCriteria) {
    EXPECT_NE(entry.moduli, nullptr) << entry.key;
    if (entry.code == criterion::kFrozenSoil) {
      EXPECT_EQ(entry.curves, nullptr);
    } else {
      EXPECT_NE(entry.curves, nullptr) << entry.key;
    }
  }
}

// ---- Equivalent depth and cumulative resistance -------------------------------------------

TEST_F(Layers, LayerBelowAnElasticSubgradeUsesItsDepthBelowTheGroundSurface) {
  add_layer(criterion::kElasticSubgrade, 0.0, 120.0, kSubgrade);
  add_layer(criterion::kSoftClay, 120.0, 600.0, kClay);
  assign_layers();
  nodes().y[16] = 12.0;  // z = 180 in, 20 y50: p = p_u
  PYCurveDriver(engine(), 0);
  // z_e = z = 180 in: r = 3 + 180 / 40 = 7.5, p_u = 5 * 24 * 7.5 = 900 lb/in.
  EXPECT_NEAR(nodes().Es[16], 900.0 / 12.0, 1e-9);
  EXPECT_EQ(engine().py.EqDepth[2], kEqDepthNotComputed);
}

TEST_F(Layers, LayerBelowASoftClayUsesTheEquivalentDepth) {
  add_layer(criterion::kSoftClay, 0.0, 120.0, kClay);
  add_layer(criterion::kSoftClay, 120.0, 600.0, kClay);
  assign_layers();
  nodes().y[16] = 12.0;
  PYCurveDriver(engine(), 0);
  // Layer 1 holds nodes 1 to 10 (0 to 108 in), where p_u = 360 + 3 z: trapezoids to 108 in and
  // the last node's p_u over one more increment.
  EXPECT_NEAR(engine().py.FLayer[1], 360.0 * 108.0 + 1.5 * 108.0 * 108.0 + 684.0 * 12.0, 1e-6);
  const double eq_depth = engine().py.EqDepth[2];
  EXPECT_GT(eq_depth, 100.0);  // about the 120 in of the same clay above
  EXPECT_LE(eq_depth, 120.0);
  const double z_e = 180.0 - 120.0 + eq_depth;
  EXPECT_NEAR(nodes().Es[16], 5.0 * 24.0 * (3.0 + z_e / 40.0) / 12.0, 1e-9);
}

TEST_F(Layers, CyclicCumulativeResistanceAddsThePlateauAndTheResidualNearTheSurface) {
  engine().options.CyclicLoading = true;
  add_layer(criterion::kSoftClay, 0.0, 120.0, kClay);
  add_layer(criterion::kSoftClay, 120.0, 600.0, kClay);
  assign_layers();
  PYCurveDriver(engine(), 0);
  double expected = 0.0;
  for (int n = 2; n <= 10; ++n) {
    const double z0 = 12.0 * (n - 2);
    const double z1 = 12.0 * (n - 1);
    const double plateau0 = single(0.72112477f) * (360.0 + 3.0 * z0);
    const double plateau1 = single(0.72112477f) * (360.0 + 3.0 * z1);
    expected += (plateau0 + plateau1) * 6.0;                            // p_uc
    expected += (z0 / 240.0 * plateau0 + z1 / 240.0 * plateau1) * 6.0;  // p_cr, z < X_r
  }
  expected += 684.0 * 12.0;  // static p_u of the last node
  EXPECT_NEAR(engine().py.FLayer[1], expected, 1e-6);
}

TEST_F(Layers, GroundAboveThePileHeadGivesTheFirstLayerItsWholeThickness) {
  add_layer(criterion::kSoftClay, -120.0, 240.0, kClay);
  add_layer(criterion::kSoftClay, 240.0, 600.0, kClay);
  assign_layers();
  PYCurveDriver(engine(), 0);
  // The last node of layer 1 is 348 in below the ground: p_u = 9 c b = 1080 lb/in.
  EXPECT_NEAR(engine().py.FLayer[1], (3.0 * 5.0 * 24.0 + 1080.0) / 2.0 * 360.0, 1e-6);
}

// ---- Frozen soil, criteria without moduli, the not-a-number reset ------------------------

TEST_F(Layers, FrozenSoilHoldingANodeEndsTheRun) {
  add_layer(criterion::kSoftClay, 0.0, 120.0, kClay);
  add_layer(criterion::kFrozenSoil, 120.0, 600.0, kClay);
  assign_layers();
  EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 249);
  const auto lines = report();
  EXPECT_TRUE(contains_block(
      lines, {"", "**** Runtime Error No. 49 ****", "",
              "Problem: Soil layer 2 (frozen soil, from 10.00000 ft to 50.00000 ft) holds pile "
              "nodes 11 to 41, and no p-y curve is defined for frozen soil."}));
  EXPECT_EQ(lines.back(), "Torva ended prematurely due to runtime error number RUN00049");
}

TEST_F(Layers, FrozenSoilBelowThePileIsNoError) {
  add_layer(criterion::kSoftClay, 0.0, 500.0, kClay);
  add_layer(criterion::kFrozenSoil, 500.0, 600.0, kClay);
  assign_layers();
  EXPECT_NO_THROW(PYCurveDriver(engine(), 1));
  EXPECT_EQ(engine().run.ErrorNumber, 0);
}

TEST_F(Layers, ModulusThatIsNotAFiniteNumberBecomesZeroOnlyInTheFullFirstIteration) {
  // A layer below the pile tip: no node receives a modulus from a criterion.
  add_layer(criterion::kSoftClay, 500.0, 600.0, kClay);
  assign_layers();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    int iteration;
    PYDispatch dispatch;
    bool reset;
  };
  const Case cases[] = {{1, PYDispatch::kFull, true},
                        {0, PYDispatch::kFull, false},
                        {2, PYDispatch::kFull, false},
                        {1, PYDispatch::kIteration, false},
                        {1, PYDispatch::kLayersOnly, false}};
  for (const Case& c : cases) {
    nodes().Es[5] = nan;
    nodes().Es[6] = inf;
    PYCurveDriver(engine(), c.iteration, c.dispatch);
    EXPECT_EQ(nodes().Es[5] == 0.0, c.reset) << c.iteration;
    EXPECT_EQ(nodes().Es[6] == 0.0, c.reset) << c.iteration;
    EXPECT_EQ(nodes().Es[7], 50000.0);
  }
}

// ---- Elastic subgrade ---------------------------------------------------------------------

TEST_F(Layers, ElasticSubgradeIsLinearInDeflectionAndInDepth) {
  add_layer(criterion::kElasticSubgrade, 0.0, 600.0, {0.02, 0.0, 0.0, 0.0, 100.0},
            {0.02, 0.0, 0.0, 0.0, 300.0});
  assign_layers();
  uniform_group_factors(0.8, 2.0);
  for (const double Y : {0.0, 0.01, -3.0}) {
    nodes().y[26] = Y;  // z = 300 in: E_k = 200 pci
    PYCurveDriver(engine(), 0);
    EXPECT_NEAR(nodes().Es[26], 0.8 * 200.0 * 24.0 / 2.0, 1e-9);
  }
  EXPECT_NEAR(nodes().Es[1], 0.8 * 100.0 * 24.0 / 2.0, 1e-9);
  EXPECT_NEAR(nodes().Es[41], 0.8 * (100.0 + 480.0 / 3.0) * 24.0 / 2.0, 1e-9);

  engine().options.UseSoilMovement = true;
  nodes().ysoil[26] = 0.5;
  PYCurveDriver(engine(), 0);
  EXPECT_NEAR(nodes().W[26], 0.5 * nodes().Es[26], 1e-9);
}

// ---- The driver as the solver's soil update ------------------------------------------------

class ElasticPipe final : public PileSectionView {
 public:
  int section_count() const override { return 1; }
  int section_type(int) const override { return kElasticPile; }
  double section_bottom(int) const override { return 480.0; }
  double elastic_EI(double) const override { return 7.4e10; }  // lb-in^2
};

TEST_F(Layers, LoadCaseInSoftClayConvergesWithTheSoilReactionBalancingTheHeadShear) {
  add_layer(criterion::kSoftClay, 0.0, 600.0, kClay);
  assign_layers();
  engine().options.MaxIterations = 100;
  engine().options.ConvergenceTolerance = 1e-6;
  engine().options.DeflectionLimit = 100.0;
  engine().run.current_load_case = 1;
  for (int n = 1; n <= nodes().N; ++n) nodes().EI[n] = 7.4e10;
  PYCurveDriver(engine(), 0);

  const double V = 20000.0;  // lb, free head, no moment
  engine().solver.head = HeadCondition{load_type::kShearMoment, V, 0.0, 0.0};
  const ElasticPipe pipe;
  MomentCurvatureStiffness stiffness(pipe);
  PYCurveUpdate soil;
  ASSERT_EQ(iterate_load_case(engine(), SolverContext{pipe, {}}, soil, stiffness),
            Convergence::kReached);

  // The nodes carry the secant of the soft clay curve at their deflections, and the reaction
  // p = Es y integrated along the pile takes the whole head shear.
  const NodeTable& pile = nodes();
  double reaction = 0.0;
  for (int n = 2; n <= pile.N; ++n) {
    reaction += trapezoid(pile.Es[n - 1] * pile.y[n - 1], pile.Es[n] * pile.y[n], pile.h);
  }
  EXPECT_NEAR(reaction, V, 0.01 * V);
  EXPECT_GT(pile.y[1], 0.0);
  EXPECT_LT(pile.Es[1], pile.Es[pile.N / 2]);  // the soil softens where the pile moves most
}

}  // namespace
}  // namespace torva::testing
