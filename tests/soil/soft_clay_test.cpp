// Soft clay moduli at pile nodes, checked against the curve worked out here from its defining
// formulas: p/p_u = 0.5 (y/y50)^(1/3) up to 8 y50 (static), p_u = c b min(r, 9), the cyclic
// plateau 0.72 p_u with its fall to (z/X_r) of it near the surface, and the limiting modulus.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/single_precision.h"
#include "soil/py_fixture.h"
#include "soil/soft_clay.h"

namespace torva::testing {
namespace {

// The clay of these tests: X_r = 6 b c / (J c + gamma b) = 240 in exactly, and the ratio
// r = z J / b + 3 + z gamma / c = 3 + z / 40 reaches 9 at z = 240 in.
constexpr double kB = 24.0;            // in
constexpr double kC = 5.0;             // psi
constexpr double kGamma = 5.0 / 240.0;  // pci
constexpr double kEps50 = 0.01;
constexpr double kY50 = 2.5 * kB * kEps50;  // 0.6 in
constexpr double kXr = 240.0;

// The documented constants are single-precision values.
constexpr double kThird = single(0.33333334f);       // the exponent of the curve
constexpr double kPlateau = single(0.72112477f);     // cyclic plateau / p_u
constexpr double kRootHalf = single(0.70710677f);    // in the up-slope factor
constexpr double kJLimit = single(0.010772172f) / single(0.00003f);  // K_max y50 / p_u

// p (lb/in) at depth z and deflection y of the clay above, with J = 0.5.
double expected_p(double z, double y, bool cyclic, double J = 0.5) {
  const double r = z * J / kB + 3.0 + z * kGamma / kC;
  const double pu = kC * kB * std::min(r, 9.0);
  if (y < 1e-5 * kY50) return 1e6 * y;
  const double shape = 0.5 * pu * std::pow(y / kY50, kThird);
  if (!cyclic) return y <= 8.0 * kY50 ? shape : pu;
  if (y <= 3.0 * kY50) return shape;
  const double plateau = kPlateau * pu;
  if (z >= kXr) return plateau;
  const double residual = z / kXr * plateau;
  if (y >= 15.0 * kY50) return residual;
  return plateau + (y - 3.0 * kY50) / (12.0 * kY50) * (residual - plateau);
}

class SoftClay : public PYFixture {
 protected:
  // 40 increments of 12 in over a 480-in pile of 24 in width, in one soft clay layer.
  void SetUp() override {
    PYFixture::SetUp();
    make_pile(40, 480.0, kB);
    add_layer(criterion::kSoftClay, 0.0, 600.0, {kGamma, kC, kEps50, 0.0, 0.0});
    assign_layers();
  }

  // Es of node n (at depth 12 (n - 1)) after one pass with deflection Y there.
  double modulus_at(int n, double Y) {
    nodes().y[n] = Y;
    // The model may have changed since the last pass: its depth parts are worked out again.
    clear_depth_parts(engine().py);
    PYCurveDriver(engine(), 2);
    return nodes().Es[n];
  }
};

struct CurveCase {
  double z;      // depth of the node (in)
  double ratio;  // deflection / y50
};

constexpr CurveCase kCurveCases[] = {
    {0.0, 0.5},   {0.0, 20.0},  {60.0, 0.05}, {60.0, 1.0},  {60.0, 3.0},   {120.0, 2.0},
    {120.0, 5.0}, {120.0, 8.0}, {120.0, 9.0}, {240.0, 4.0}, {360.0, 0.25}, {360.0, 7.0},
    {360.0, 8.5}, {480.0, 3.5}, {480.0, 30.0}};

TEST_F(SoftClay, StaticCurveFollowsTheCubeRootUpToEightY50AndThenTheUltimateResistance) {
  for (const CurveCase& c : kCurveCases) {
    const int n = static_cast<int>(c.z / 12.0) + 1;
    const double y = c.ratio * kY50;
    const double expected = expected_p(c.z, y, false) / y;
    EXPECT_NEAR(modulus_at(n, y), expected, 1e-7 * expected) << "z = " << c.z << ", y/y50 = " << c.ratio;
  }
  // Independently: at z = 120 in, r = 6 and p_u = 5 * 24 * 6 = 720 lb/in.
  EXPECT_NEAR(modulus_at(11, kY50), 360.0 / 0.6, 1e-6);
  EXPECT_NEAR(modulus_at(11, 10.0 * kY50), 720.0 / 6.0, 1e-9);
  // Below z = 240 in the ratio is capped at 9: p_u = 9 c b = 1080 lb/in.
  EXPECT_NEAR(modulus_at(31, 10.0 * kY50), 1080.0 / 6.0, 1e-9);
}

TEST_F(SoftClay, CyclicCurveHoldsThePlateauAtDepthAndFallsNearTheSurface) {
  engine().options.CyclicLoading = true;
  constexpr CurveCase kCyclic[] = {{120.0, 1.0}, {120.0, 3.0},  {120.0, 4.0},  {120.0, 9.0},
                                   {120.0, 15.0}, {120.0, 25.0}, {60.0, 12.0},  {240.0, 3.5},
                                   {360.0, 2.0},  {360.0, 3.01}, {360.0, 40.0}, {0.0, 5.0}};
  for (const CurveCase& c : kCyclic) {
    const int n = static_cast<int>(c.z / 12.0) + 1;
    const double y = c.ratio * kY50;
    const double expected = expected_p(c.z, y, true) / y;
    EXPECT_NEAR(modulus_at(n, y), expected, 1e-7 * expected) << "z = " << c.z << ", y/y50 = " << c.ratio;
  }
  // At z = X_r / 2 the curve falls from the plateau at 3 y50 (where the cube root meets it to
  // the precision of 0.72112477) to half of it at 15 y50.
  const double plateau = kPlateau * 720.0;
  EXPECT_NEAR(modulus_at(11, 3.0 * kY50) * 3.0 * kY50, plateau, 1e-4);
  EXPECT_NEAR(modulus_at(11, 15.0 * kY50) * 15.0 * kY50, plateau / 2.0, 1e-6);
  EXPECT_NEAR(modulus_at(11, 50.0 * kY50) * 50.0 * kY50, plateau / 2.0, 1e-6);
  // A deep node (ratio 9 or more) stays on 0.72112477 * 9 c b beyond 3 y50.
  EXPECT_NEAR(modulus_at(31, 100.0 * kY50) * 100.0 * kY50, kPlateau * 1080.0, 1e-6);
}

TEST_F(SoftClay, MultipliersScaleTheDeflectionAndTheResistance) {
  uniform_group_factors(0.5, 2.0);
  const double Y = 1.2;  // the soil sees y = Y / 2 = y50
  const double expected = expected_p(120.0, Y / 2.0, false) * 0.5 / Y;
  EXPECT_NEAR(modulus_at(11, Y), expected, 1e-9);
  EXPECT_NEAR(modulus_at(11, -Y), expected, 1e-9);
}

TEST_F(SoftClay, SlopingGroundReducesTheRatioByTheDirectionOfMovement) {
  const double t = 0.2;
  const double down = 1.0 / (1.0 + std::tan(t));
  const double up = std::cos(t) * kRootHalf / std::cos(t + 0.7853981633974483);
  struct Case {
    double theta;
    double Y;  // 20 y50: on the plateau p = p_u
    double factor;
  };
  const Case cases[] = {{0.0, 12.0, 1.0},  {0.0, -12.0, 1.0}, {t, 12.0, down},
                        {t, -12.0, up},    {-t, -12.0, down}, {-t, 12.0, up}};
  for (const Case& c : cases) {
    engine().inclination.slope_minus_batter = c.theta;
    // z = 60 in: r = 4.5, far enough below 9 for the factor to show in p_u.
    const double pu = kC * kB * std::min(4.5 * c.factor, 9.0);
    EXPECT_NEAR(modulus_at(6, c.Y), pu / 12.0, 1e-9) << "theta " << c.theta << ", Y " << c.Y;
  }
}

TEST_F(SoftClay, SmallDeflectionsUseTheLimitingModulus) {
  // Below 0.00001 y50 (zero included) Es is the limiting modulus, without multipliers.
  EXPECT_EQ(modulus_at(11, 0.0), 1e6);
  EXPECT_EQ(modulus_at(11, 0.5e-5 * kY50), 1e6);
  const double just_above = expected_p(120.0, 2e-5 * kY50, false) / (2e-5 * kY50);
  EXPECT_NEAR(modulus_at(11, 2e-5 * kY50), just_above, 1e-7 * just_above);
  use_units(kUnitsSI);
  EXPECT_EQ(modulus_at(11, 0.0), 175126.8125);
  // With a user-defined J the limiting modulus follows p_u: p_u 0.010772172 / (y50 0.00003).
  engine().soil.i_SoilLayer_py_Type[1] = criterion::kSoftClayJ;
  engine().profile.J[1] = engine().profile.J[2] = 0.5;
  EXPECT_NEAR(modulus_at(11, 0.0), 720.0 * kJLimit / kY50, 1e-6);
}

TEST_F(SoftClay, UserDefinedJEntersTheUltimateResistance) {
  engine().soil.i_SoilLayer_py_Type[1] = criterion::kSoftClayJ;
  engine().profile.J[1] = engine().profile.J[2] = 1.0;
  // z = 60 in: r = 60 / 24 + 3 + 60 / 240 = 5.75, p_u = 690 lb/in.
  EXPECT_NEAR(modulus_at(6, 20.0 * kY50), 690.0 / (20.0 * kY50), 1e-9);
  EXPECT_NEAR(modulus_at(6, kY50), expected_p(60.0, kY50, false, 1.0) / kY50, 1e-9);
}

TEST_F(SoftClay, SoilMovementIsSubtractedAndLoadsTheNode) {
  engine().options.UseSoilMovement = true;
  nodes().ysoil[11] = 0.2;
  const double Es = modulus_at(11, 0.8);  // the soil sees 0.6 = y50
  EXPECT_NEAR(Es, 360.0 / 0.6, 1e-9);
  EXPECT_NEAR(nodes().W[11], 0.2 * Es, 1e-9);
}

// The passes after the first of a solution read the depth-only part of every node's curve
// back: they give the moduli a pass worked out afresh gives, bit for bit, while the sloping-ground
// factor follows the sign of each node's deflection, the equivalent depth of the layer below
// follows the resistance of the layer above, and the curve changes with cyclic loading.
TEST_F(SoftClay, LaterPassesGiveTheModuliOfAFreshPass) {
  set_layer_bottom(1, 240.0);
  add_layer(criterion::kSoftClay, 240.0, 600.0, {kGamma, 2.0 * kC, kEps50, 0.0, 0.0});
  assign_layers();
  engine().inclination.slope_minus_batter = 0.2;
  for (const bool cyclic : {false, true}) {
    engine().options.CyclicLoading = cyclic;
    expect_later_passes_match_fresh_ones(cyclic ? "cyclic" : "static");
  }
}

// A warning registered at a node in every pass is registered in the passes that read the
// node's depth part back as often as in the first.
TEST_F(SoftClay, EveryPassRegistersTheStrengthWarningsAgain) {
  engine().profile.c[1] = engine().profile.c[2] = 9.0;
  assign_layers();
  PYCurveDriver(engine(), 0);
  const int first = engine().warnings.WarningCount[3041];
  EXPECT_EQ(first, 41);
  for (int k = 1; k <= 3; ++k) PYCurveDriver(engine(), k);
  EXPECT_EQ(engine().warnings.WarningCount[3041], 4 * first);
}

// A new solution (a pass numbered 0 or 1) reads the soil again: a change of the model between
// solutions reaches the moduli.
TEST_F(SoftClay, ANewSolutionReadsTheSoilAgain) {
  nodes().y[11] = kY50;
  PYCurveDriver(engine(), 0);
  PYCurveDriver(engine(), 2);
  const double before = nodes().Es[11];
  engine().profile.c[1] = engine().profile.c[2] = 2.0 * kC;
  PYCurveDriver(engine(), 1);
  EXPECT_NE(nodes().Es[11], before);
  const double after = nodes().Es[11];
  clear_depth_parts(engine().py);
  PYCurveDriver(engine(), 2);
  EXPECT_EQ(nodes().Es[11], after);
}

TEST(SoftClayEps50, DefaultsByStrengthBand) {
  struct Case {
    int units;
    double c;
    double eps50;
  };
  // The band limits are single-precision values: the double 3.4722223 lies below the first.
  const Case cases[] = {{kUnitsUS, 0.0, 0.02},
                        {kUnitsUS, 3.4722223, 0.02},
                        {kUnitsUS, single(3.4722223f), 0.01},
                        {kUnitsUS, single(6.9444447f), 0.005},
                        {kUnitsUS, 27.777778, 0.005},
                        {kUnitsUS, single(27.777779f), 0.004},
                        {kUnitsSI, 23.94, 0.02},
                        {kUnitsSI, single(47.880257f), 0.005},
                        {kUnitsSI, single(191.52103f), 0.004},
                        {kUnitsGeneral, 1.0, 0.0}};
  for (const Case& c : cases) {
    EXPECT_EQ(soft_clay_default_eps50(c.units, c.c), c.eps50) << c.units << " " << c.c;
  }
}

TEST_F(SoftClay, ZeroEps50TakesTheDefaultOfItsBand) {
  engine().profile.eps50[1] = engine().profile.eps50[2] = 0.0;
  // c = 5 psi (720 lb/ft^2) lies in the band of 0.01, as given above.
  EXPECT_NEAR(modulus_at(11, kY50), 360.0 / 0.6, 1e-9);
}

// ---- Errors and warnings ---------------------------------------------------------------

TEST_F(SoftClay, ZeroCohesionBelowTheFirstNodeIsInputError12) {
  // A second layer of no strength: its first node is accepted, the next one is not.
  set_layer_bottom(1, 240.0);
  add_layer(criterion::kSoftClay, 240.0, 600.0, {kGamma, 0.0, kEps50, 0.0, 0.0});
  assign_layers();
  EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 112);
  const std::vector<std::string> text = {
      "**** Input Data Error No. 12 ****",
      "",
      "An error was detected that is related to an incompatibility between the input ",
      "data defining soil layering and soil shear strength values when computing a ",
      "p-y curve using the Matlock soft clay criteria.",
      "Problem:  A negative or zero value of cohesion was input for a soft clay soil.",
      "Solution:  Please compare the depth values for soil layering and soil shear ",
      "strength values and revise the input data."};
  std::vector<std::string> in_report = text;
  in_report.push_back(
      "Layer no. = 2, Node no. = 22, Top node in layer = 21, Elevation =   0.2520E+03, c(x) =   "
      "0.0000E+00, Pile length =   0.4800E+03");
  in_report.push_back(", ITOP = 21, IBOT = 41");
  std::vector<std::string> in_messages = text;
  in_messages.push_back(
      "Layer no. = 2, Node no. = 22, Top node in layer = 21, Elevation =   0.2520E+03, c(x) =   "
      "0.0000E+00");
  const auto lines = report();
  EXPECT_TRUE(contains_block(lines, in_report));
  EXPECT_EQ(lines.back(), "Torva ended prematurely due to input error number INP00012");
  EXPECT_TRUE(contains_block(messages(), in_messages));
}

TEST_F(SoftClay, ZeroCohesionWithUserJIsInputError71) {
  engine().soil.i_SoilLayer_py_Type[1] = criterion::kSoftClayJ;
  engine().profile.c[1] = engine().profile.c[2] = 0.0;
  EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
  EXPECT_EQ(engine().run.ErrorNumber, 171);
  EXPECT_TRUE(contains_line(
      report(),
      "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J."));
}

TEST_F(SoftClay, NoStrengthAtTheGroundSurfaceIsAccepted) {
  engine().profile.c[1] = 0.0;  // c grows from 0 at the surface to 5 psi at 600 in
  nodes().y[1] = kY50;
  PYCurveDriver(engine(), 0);
  EXPECT_EQ(engine().run.ErrorNumber, 0);
  EXPECT_EQ(nodes().Es[1], 0.0);  // no strength, no resistance
}

TEST_F(SoftClay, DefaultEps50InGeneralUnitsEndsTheRun) {
  struct Case {
    int code;
    int error;
  };
  for (const Case c : {Case{criterion::kSoftClay, 237}, Case{criterion::kSoftClayJ, 238}}) {
    Engine& e = engine();
    e.run.ErrorNumber = 0;
    use_units(kUnitsGeneral);
    e.soil.i_SoilLayer_py_Type[1] = c.code;
    e.profile.eps50[1] = e.profile.eps50[2] = 0.0;
    e.profile.J[1] = e.profile.J[2] = 0.5;
    EXPECT_THROW(PYCurveDriver(e, 0), RunStopped);
    EXPECT_EQ(e.run.ErrorNumber, c.error);
  }
  const auto lines = report();
  EXPECT_TRUE(contains_line(lines, "**** Runtime Error No. 37 ****"));
  EXPECT_TRUE(contains_line(lines, "**** Runtime Error No. 38 ****"));
  EXPECT_TRUE(contains_line(
      lines,
      "Problem: eps50 of soil layer 1 (soft clay) is 0 at depth 0.0000, and no default value of "
      "eps50 exists in general units."));
}

TEST_F(SoftClay, ModulusThatIsNotANumberEndsTheRun) {
  struct Case {
    int code;
    int error;
    const char* banner;
    const char* line;
  };
  const Case cases[] = {
      {criterion::kSoftClay, 234, "**** Runtime Error No. 34 ****",
       "The computed value of soil modulus computed in soft clay is not-a-number for node number "
       "1"},
      {criterion::kSoftClayJ, 236, "**** Runtime Error No 36. ****",
       "The computed value of soil modulus computed in API soft clay is not-a-number for node "
       "number 1"}};
  // A pile of no width has y50 = 0, and at zero deflection p / y is 0 / 0.
  engine().sections.points[0].width = engine().sections.points[1].width = 0.0;
  for (const Case& c : cases) {
    engine().run.ErrorNumber = 0;
    engine().soil.i_SoilLayer_py_Type[1] = c.code;
    engine().profile.J[1] = engine().profile.J[2] = 0.5;
    EXPECT_THROW(PYCurveDriver(engine(), 0), RunStopped);
    EXPECT_EQ(engine().run.ErrorNumber, c.error);
  }
  const auto lines = report();
  const auto message_lines = messages();
  for (const Case& c : cases) {
    const std::vector<std::string> block = {
        c.banner, "", c.line,
        "This problem is usually due to a required soil property being left equal to zero."};
    EXPECT_TRUE(contains_block(lines, block)) << c.banner;
    EXPECT_TRUE(contains_block(message_lines, block)) << c.banner;
  }
}

TEST_F(SoftClay, StrongClayRegistersAWarningAwayFromInterfaces) {
  // Two layers of 9 psi meeting at 240 in, where node 21 lies on the interface.
  engine().profile.c[1] = engine().profile.c[2] = 9.0;
  set_layer_bottom(1, 240.0);
  add_layer(criterion::kSoftClay, 240.0, 600.0, {kGamma, 9.0, kEps50, 0.0, 0.0});
  assign_layers();
  PYCurveDriver(engine(), 0);
  EXPECT_EQ(engine().warnings.WarningCount[3041], 40);
  EXPECT_EQ(engine().warnings.WarningCount[3042], 0);

  // SI: above 59.850323 kPa.
  use_units(kUnitsSI);
  engine().profile.c[3] = engine().profile.c[4] = 59.9;
  PYCurveDriver(engine(), 0);
  EXPECT_EQ(engine().warnings.WarningCount[3042], 20);  // nodes 22 to 41
}

}  // namespace
}  // namespace torva::testing
