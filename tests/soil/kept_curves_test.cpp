// The curves that weak rock, vuggy limestone, Piedmont residual soil, loess and user-input p-y
// curves keep at every node for the passes of a solution after its first: such a pass gives the
// moduli a pass that reads the soil afresh gives, registers the warnings of the first pass again
// in the same order, and a new solution, or a node that has moved, reads the soil again.
#include <gtest/gtest.h>

#include "soil/other_criteria_fixture.h"

namespace torva::testing {
namespace {

class KeptCurves : public OtherCriteria {
 protected:
  void SetUp() override {
    OtherCriteria::SetUp();
    build(480.0);
  }

  // A 24-in pile of 40 increments and `length` through loess, Piedmont residual soil (SPT),
  // user-input curves, weak rock of low strength and k_rm (warnings 3071 and 316 at its nodes
  // off the interfaces) and vuggy limestone below 1000 psi (warning 308).
  void build(double length) {
    start(kUnitsUS, 40, length, 24.0);
    add_loess(0.0, 96.0, 300.0, 500.0);
    add_piedmont(96.0, 192.0, field_test::kSPT, 15.0, 25.0);
    add_user_curves(192.0, 288.0, {{0.0, 0.0}, {0.1, 500.0}, {0.5, 1500.0}, {2.0, 2000.0}},
                    {{0.0, 0.0}, {0.2, 900.0}, {1.0, 2500.0}, {3.0, 3500.0}});
    add_rock(criterion::kWeakRock, 288.0, 384.0, 90.0, 120.0);
    add_rock(criterion::kVuggyLimestone, 384.0, 600.0, 900.0, 900.0);
    assign_layers();
  }

  void add_rock(int code, double top, double bottom, double q_top, double q_bottom) {
    add_layer(code, top, bottom, LayerValues{0.075, q_top, 0.00003},
              LayerValues{0.075, q_bottom, 0.00003});
    const int i = engine().soil.count;
    engine().soil.k_top[i] = 20000.0;  // E_ir (psi)
    engine().soil.k_bottom[i] = 30000.0;
    engine().profile.RQD[2 * i - 1] = 30.0;
    engine().profile.RQD[2 * i] = 40.0;
  }

  // A deflected shape from y_head at the head, crossing zero near node `zero`.
  void deflect(double y_head, int zero) {
    for (int n = 1; n <= nodes().N; ++n) nodes().y[n] = y_head * (zero - n) / (zero - 1.0);
  }

  // The moduli of a pass numbered `iteration` that reads the soil afresh at every node.
  PerNode<double> fresh_moduli(int iteration) {
    clear_depth_parts(engine().py);
    PYCurveDriver(engine(), iteration);
    return nodes().Es;
  }

  void expect_moduli(const PerNode<double>& expected, const char* what) {
    for (int n = 1; n <= nodes().N; ++n) {
      EXPECT_EQ(nodes().Es[n], expected[n]) << what << ", node " << n;
    }
  }
};

TEST_F(KeptCurves, EveryPassGivesTheModuliOfAPassThatReadsTheSoilAfresh) {
  struct Shape {
    double y_head;
    int zero;
  };
  // From the initial lines of the curves to their ultimate resistances, and a node at rest.
  const Shape shapes[] = {{0.002, 30}, {0.05, 36}, {0.8, 25}, {3.0, 41}, {-1.5, 21}};
  for (const bool movement : {false, true}) {
    build(480.0);
    engine().options.UseSoilMovement = movement;
    if (movement) {
      for (int n = 1; n <= nodes().N; ++n) nodes().ysoil[n] = 0.3 * (nodes().N - n) / 40.0;
    }
    uniform_group_factors(0.8, 1.2);
    PYCurveDriver(engine(), 0);
    for (const Shape& shape : shapes) {
      deflect(shape.y_head, shape.zero);
      PYCurveDriver(engine(), 2);
      const PerNode<double> kept = nodes().Es;
      const PerNode<double> kept_W = nodes().W;
      expect_moduli(fresh_moduli(2), movement ? "with soil movement" : "without soil movement");
      for (int n = 1; n <= nodes().N; ++n) EXPECT_EQ(kept_W[n], nodes().W[n]) << "node " << n;
      nodes().Es = kept;
    }
  }
}

// The warning registry after four passes of a solution is the one four passes that each read
// the soil afresh leave: the same counts, logged in the same order.
TEST_F(KeptCurves, EveryPassRegistersTheWarningsOfTheFirstAgain) {
  deflect(0.5, 30);
  for (int k = 0; k <= 3; ++k) PYCurveDriver(engine(), k);
  const WarningRegistry kept = engine().warnings;
  clear_warning_counts(engine());
  engine().warnings.WarningLog.fill(0);
  for (int k = 0; k <= 3; ++k) fresh_moduli(k);
  const WarningRegistry& fresh = engine().warnings;
  for (const int number : {3071, 316, 308}) EXPECT_GT(kept.WarningCount[number], 0) << number;
  EXPECT_EQ(kept.WarningCount, fresh.WarningCount);
  EXPECT_EQ(kept.WarningLog, fresh.WarningLog);
}

// Every soil value the criteria read from the soil profile and layers.
void change_soil_profile(Engine& engine) {
  SoilProfile& profile = engine.profile;
  for (int row = 1; row <= profile.row_count; ++row) {
    profile.cone_tip[row] *= 2.0;
    profile.spt_n60[row] *= 2.0;
    profile.c[row] *= 1.5;
  }
  engine.soil.k_top[4] *= 2.0;
}

// The points of the user-input curves, which the curves read at every pass.
void change_user_curves(Engine& engine) {
  for (UserPYCurve& curve : engine.user_py.curve) {
    for (int k = 1; k <= curve.count; ++k) curve.p[k] *= 2.0;
  }
}

TEST_F(KeptCurves, ANewSolutionReadsTheSoilAgain) {
  deflect(0.5, 36);
  PYCurveDriver(engine(), 0);
  PYCurveDriver(engine(), 2);
  const PerNode<double> before = nodes().Es;
  change_soil_profile(engine());
  change_user_curves(engine());
  PYCurveDriver(engine(), 1);
  PYCurveDriver(engine(), 2);
  const PerNode<double> after = nodes().Es;
  // A node in each layer, the limestone's at rest.
  for (const int n : {2, 12, 20, 28, 36}) EXPECT_NE(after[n], before[n]) << "node " << n;
  expect_moduli(fresh_moduli(2), "after the change");
}

// A load case makes its first pass before the first solve: the iteration's first pass reads
// the curves back instead of working them out a second time.
TEST_F(KeptCurves, AFirstPassMadeBeforeTheIterationIsReadBack) {
  deflect(0.5, 36);
  PYCurveDriver(engine(), 1);
  const PerNode<double> fresh = nodes().Es;
  PYCurveDriver(engine(), 0);
  change_soil_profile(engine());
  PYCurveDriver(engine(), 1, PYDispatch::kIteration, true);
  for (int n = 1; n <= nodes().N; ++n) EXPECT_EQ(nodes().Es[n], fresh[n]) << "node " << n;
  PYCurveDriver(engine(), 1, PYDispatch::kIteration);
  for (const int n : {2, 12, 28, 36}) EXPECT_NE(nodes().Es[n], fresh[n]) << "node " << n;
}

// A pile-length sweep moves the nodes between its trials: a node whose place has changed is
// worked out again even in a pass that reads the others back.
TEST_F(KeptCurves, ANodeThatHasMovedReadsTheSoilAgain) {
  deflect(0.5, 30);
  PYCurveDriver(engine(), 0);
  PYCurveDriver(engine(), 2);
  for (const double length : {456.0, 432.0}) {
    const NodeDeflections y = nodes().y;
    build(length);
    nodes().y = y;
    PYCurveDriver(engine(), 2);
    const PerNode<double> kept = nodes().Es;
    expect_moduli(fresh_moduli(2), length == 456.0 ? "at 456 in" : "at 432 in");
    nodes().Es = kept;
  }
}

}  // namespace
}  // namespace torva::testing
