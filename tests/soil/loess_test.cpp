// Loess: the curve at the nodes over the number of cycles, the deflection and the depth; its
// limits; input error 70; the near-surface reduction measured from the ground surface; the
// printed curve; and a soft clay below it, which starts without the loess's resistance.
#include "soil/loess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "soil/other_criteria_fixture.h"

namespace torva::testing {
namespace {

constexpr double kYRefUS = 0.117;  // in

// The published curve for q_c at depth z below the ground surface, N cycles (N of 0 counts as
// 1, the static curve).
struct Published {
  double p_u, E_i;
  Published(double q_c, double z, double b, double N, double y_ref) {
    const double q_a = z < 2.0 * b ? q_c * (z / (2.0 * b) + 0.5) : q_c;
    p_u = b * 0.409 * q_a / (1.0 + 0.24 * std::log(std::max(N, 1.0)));
    E_i = p_u / y_ref;
  }
  double p(double y, double y_ref) const {
    return E_i * y / (1.0 + (y / y_ref) * (1.0 + 0.1 * std::exp(-y / y_ref)));
  }
};

class Loess : public OtherCriteria {
 protected:
  void SetUp() override {
    OtherCriteria::SetUp();
    start(kUnitsUS, 40, 480.0, 24.0);  // nodes every 12 in
  }
};

TEST_F(Loess, ModulusFollowsTheCurveOverCyclesDeflectionAndDepth) {
  add_loess(0.0, 600.0, 150.0, 250.0);  // q_c in psi
  assign_layers();
  const int near = 3;   // 24 in: below 2 b the cone resistance is reduced towards the surface
  const int deep = 21;  // 240 in
  for (const double N : {1.0, 10.0, 0.0}) {
    engine().options.NumCycles = N;
    engine().options.CyclicLoading = N > 0.0;
    for (const double r : {0.25, 1.0, 50.0}) {
      SCOPED_TRACE("N " + std::to_string(N) + ", y / y_ref " + std::to_string(r));
      nodes().y[near] = nodes().y[deep] = r * kYRefUS;
      PYCurveDriver(engine(), 0);
      for (const int n : {near, deep}) {
        const double X = nodes().z[n];
        const Published curve(150.0 + 100.0 * X / 600.0, X, 24.0, N, kYRefUS);
        const double y = r * kYRefUS;
        const double expected = curve.p(y, kYRefUS) / y;
        EXPECT_NEAR(nodes().Es[n], expected, 1e-12 * expected) << "node " << n;
      }
    }
  }
}

TEST(LoessCurve, UltimateResistanceCyclesAndInitialSlope) {
  const double b = 24.0, q_c = 100.0, y_ref = kYRefUS;
  const LoessAtDepth one = loess_at_depth(q_c, 240.0, b, 1.0, y_ref);
  EXPECT_DOUBLE_EQ(one.p_u0, 40.9);
  EXPECT_DOUBLE_EQ(one.curve.p_u, b * 40.9);
  const LoessAtDepth ten = loess_at_depth(q_c, 240.0, b, 10.0, y_ref);
  EXPECT_NEAR(ten.curve.p_u, b * 40.9 / 1.5526, 1e-4 * ten.curve.p_u);
  // p(50 y_ref) = 50 / 51 p_u, and the slope at the origin is E_i = p_u / y_ref.
  EXPECT_NEAR(loess_p(one.curve, 50.0 * y_ref), 50.0 / 51.0 * one.curve.p_u, 1e-12 * one.curve.p_u);
  const double tiny = 1e-9 * y_ref;
  EXPECT_NEAR(loess_p(one.curve, tiny) / tiny, one.curve.p_u / y_ref, 1e-6 * one.curve.E_i);
  EXPECT_EQ(loess_p(one.curve, 0.0), 0.0);
  // At the ground surface half the cone resistance counts, at 2 b all of it.
  EXPECT_DOUBLE_EQ(loess_at_depth(q_c, 0.0, b, 1.0, y_ref).q_a, 50.0);
  EXPECT_TRUE(loess_at_depth(q_c, 47.9, b, 1.0, y_ref).near_surface);
  EXPECT_FALSE(loess_at_depth(q_c, 48.0, b, 1.0, y_ref).near_surface);
  EXPECT_EQ(loess_reference_deflection(kUnitsSI), 0.0029718);
  EXPECT_EQ(loess_reference_deflection(kUnitsGeneral), 0.0029718);
}

TEST_F(Loess, AtRestTheModulusIsTheInitialModulusWithTheMultipliers) {
  add_loess(0.0, 600.0, 200.0, 200.0);
  assign_layers();
  uniform_group_factors(0.8, 1.5);
  engine().options.NumCycles = 0.0;
  nodes().y[21] = 0.0;
  PYCurveDriver(engine(), 0);
  const double E_i = 24.0 * 0.409 * 200.0 / kYRefUS;
  EXPECT_NEAR(nodes().Es[21], E_i * 0.8 / 1.5, 1e-9 * E_i);
}

TEST_F(Loess, NearSurfaceReductionIsMeasuredFromTheGroundSurface) {
  // Ground 60 in below the pile head: the node at 72 in lies 12 in below the ground surface.
  add_loess(60.0, 600.0, 200.0, 200.0);
  assign_layers();
  nodes().y[7] = kYRefUS;
  PYCurveDriver(engine(), 0);
  const Published curve(200.0, 12.0, 24.0, 1.0, kYRefUS);
  EXPECT_NEAR(nodes().Es[7], curve.p(kYRefUS, kYRefUS) / kYRefUS, 1e-9);
}

TEST_F(Loess, MoreThanTenCyclesIsInputError70) {
  add_loess(0.0, 600.0, 200.0, 200.0);
  assign_layers();
  engine().options.NumCycles = 10.05;
  EXPECT_NO_THROW(PYCurveDriver(engine(), 0));
  EXPECT_EQ(engine().run.ErrorNumber, 0);
  engine().options.NumCycles = -10.2;  // the magnitude counts
  EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 170);
  const std::vector<std::string> text = {
      "",
      "**** Input Data Error No. 70 ****",
      "",
      "PROBLEM: Soil layer 1 is a loess and the input value for the number of cycles of loading "
      "= 10.20000",
      "This value is greater than 10. The soil model for loess is valid only for 1 to 10 cycles "
      "of loading. ",
      "SOLUTION: Revise the input data so that the number of cycles of loading is in the range of "
      "1 to 10."};
  const std::vector<std::string> lines = report();
  EXPECT_TRUE(contains_block(lines, text));
  EXPECT_TRUE(contains_line(lines, "Torva ended prematurely due to input error number INP00170"));
  EXPECT_TRUE(contains_block(messages(), text));
}

TEST_F(Loess, SoftClayBelowStartsWithoutTheLoess) {
  // The loess adds no resistance for the layers below: the clay's equivalent depth is that of
  // no resistance above, 0, so the clay starts afresh at its top.
  add_loess(0.0, 120.0, 200.0, 200.0);
  add_layer(criterion::kSoftClay, 120.0, 600.0, {5.0 / 240.0, 5.0, 0.01});
  engine().profile.gamma[1] = engine().profile.gamma[2] = 5.0 / 240.0;
  assign_layers();
  nodes().y[16] = 12.0;  // 60 in below the clay's top, 20 y50: p = p_u
  PYCurveDriver(engine(), 0);
  EXPECT_EQ(engine().py.FLayer[1], 0.0);
  EXPECT_EQ(engine().py.EqDepth[2], 0.0);
  EXPECT_FALSE(engine().py.bBelowNoLayering[2]);
  // z_e = 60 in: r = 3 + 60 * 0.5 / 24 + 60 (5 / 240) / 5 = 4.5, p_u = 5 * 24 * 4.5.
  EXPECT_NEAR(nodes().Es[16], 5.0 * 24.0 * 4.5 / 12.0, 1e-9);
}

TEST_F(Loess, PrintedCurveNearTheSurfaceAndDeep) {
  start(kUnitsSI, 40, 12.0, 0.6);
  add_loess(0.0, 15.0, 3000.0, 3000.0);  // kPa
  assign_layers();
  engine().options.NumCycles = 10.0;
  engine().options.CyclicLoading = true;
  request_curves({0.6, 3.0});
  PYCurveDriver(engine(), 0);
  PYOutputAtDepths(engine());
  const double y_ref = 0.0029718, b = 0.6;
  const std::vector<std::string> lines = report();
  for (const double X : {0.6, 3.0}) {
    SCOPED_TRACE(X);
    const bool near = X < 2.0 * b;
    const double q_a = near ? 3000.0 * (X / (2.0 * b) + 0.5) : 3000.0;
    const Published curve(3000.0, X, b, 10.0, y_ref);
    std::vector<std::string> block = {
        "p-y Curve for Loess",
        "",
        "Soil Layer Number                                      =            1",
        label_line("Depth below pile head", X, "m"),
        label_line("Depth below ground surface", X, "m"),
        "Shaft Diameter                                         =      0.60000 m",
        label_line(near ? "Depth Adj. Cone tip resistance" : "Cone tip resistance", q_a, "kPa"),
        label_line("Initial Modulus, Ei", curve.E_i, "kPa"),
        label_line("p_u0", 0.409 * q_a, "kPa"),
        label_line("p_u", curve.p_u, "kN/m"),
        "Number of Cycles of Loading                            =     10.00000 cycles",
        "p-multiplier                                           =      1.00000",
        "y-multiplier                                           =      1.00000",
        "",
        "     y, m              p, kN/m",
        "---------------   ---------------"};
    for (const double f : {0.0, 0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0, 16.0,
                           23.0, 30.0, 40.0, 50.0}) {
      block.push_back(curve_row(f * y_ref, curve.p(f * y_ref, y_ref)));
    }
    EXPECT_TRUE(contains_block(lines, block));
  }
  const std::vector<std::string> records = plot();
  ASSERT_EQ(records.size(), 37u);
  EXPECT_EQ(records[1].substr(104),
            "Line 7:  p-y curve depth in Loess, no. p-y points on curve no. 1");
  EXPECT_EQ(records[19].substr(104),
            "Line 7:  p-y curve depth in Loess, no. p-y points on curve no. 2");
  EXPECT_EQ(records[36].substr(104), "Line 8(17): y, p, for Loess");
}

}  // namespace
}  // namespace torva::testing
