// p-y curves printed at the depths the user asked for: the report blocks of soft clay and
// elastic subgrade, the plot records (Lines 6, 7 and 8), Input Data Error No. 23, depths in soil
// without a criterion, and the node table put back afterwards.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "model/single_precision.h"
#include "soil/py_fixture.h"

namespace torva::testing {
namespace {

constexpr LayerValues kClay{5.0 / 240.0, 5.0, 0.01, 0.0, 0.0};  // X_r = 240 in, y50 = 0.6 in
const std::string kRule(80, '-');

// The two numbers of a Line 8 record.
std::pair<double, double> line8_values(const std::string& record) {
  std::istringstream in(record.substr(0, 30));
  double y = 0.0;
  double p = 0.0;
  in >> y >> p;
  return {y, p};
}

class CurveOutput : public PYFixture {
 protected:
  void SetUp() override {
    PYFixture::SetUp();
    make_pile(40, 480.0, 24.0);  // nodes every 12 in
  }

  // Prepares the nodes as load case 1 leaves them, then prints the curves.
  void print_curves() {
    PYCurveDriver(engine(), 0);
    PYOutputAtDepths(engine());
  }
};

TEST_F(CurveOutput, StaticSoftClayBlockAndRecords) {
  add_layer(criterion::kSoftClay, 0.0, 600.0, kClay);
  assign_layers();
  request_curves({120.0});
  print_curves();

  // At 10 ft: r = 6, p_u = 720 lb/in; the default points (2 (k - 1) / 15)^3 y50 put the
  // cube-root branch on p = 48 (k - 1), and 8.5 y50 on p_u.
  const std::vector<std::string> block = {
      "",
      kRule,
      "                    p-y Curves Reported for Specified Depths",
      kRule,
      "",
      "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions",
      "",
      "Soil Layer Number                                      =            1",
      "Depth below pile head                                  =     10.00000 ft",
      "Depth below ground surface                             =     10.00000 ft",
      "Equivalent Depth                                       =     10.00000 ft",
      "Ground Slope Angle                                     =       0.0000 degrees",
      "Pile Batter                                            =       0.0000 degrees",
      "Effective Slope                                        =       0.0000 degrees",
      "Pile Diameter                                          =     24.00000 in",
      "Cohesion, c                                            =      5.00000 psi",
      "Cohesion, c                                            =    720.00000 psf",
      "Avg. Eff. Unit Weight                                  =      0.02083 pci",
      "Avg. Eff. Unit Weight                                  =     36.00000 pcf",
      "Epsilon50 parameter                                    =      0.01000",
      "J (default value)                                      =      0.50000",
      "Transition Depth Xr                                    =     20.00000 ft",
      "pu_s                                                   =    720.00000 lb/in",
      "pu_d                                                   =   1080.00000 lb/in",
      "y_50                                                   =      0.60000 in",
      "p-multiplier                                           =      1.00000",
      "y-multiplier                                           =      1.00000",
      "Positive-y Sloping Ground Factor                       =      1.00000",
      "Negative-y Sloping Ground Factor                       =      1.00000",
      "Sloping Ground Factor                                  =      1.00000",
      "pu_static                                              =    720.00000 lb/in",
      "",
      "     y, in             p, lb/in",
      "---------------   ---------------",
      "  0.0000000E+00     0.0000000E+00",
      "  0.1422222E-02     0.4800000E+02",
      "  0.1137778E-01     0.9600000E+02",
      "  0.3840000E-01     0.1440000E+03",
      "  0.9102224E-01     0.1920000E+03",
      "  0.1777778E+00     0.2400000E+03",
      "  0.3072000E+00     0.2880000E+03",
      "  0.4878222E+00     0.3360000E+03",
      "  0.7281779E+00     0.3840000E+03",
      "  0.1036800E+01     0.4320000E+03",
      "  0.1422222E+01     0.4800000E+03",
      "  0.1892978E+01     0.5280000E+03",
      "  0.2457600E+01     0.5760000E+03",
      "  0.3124622E+01     0.6240000E+03",
      "  0.3902578E+01     0.6720000E+03",
      "  0.4800000E+01     0.7200000E+03",
      "  0.5100000E+01     0.7200000E+03",
      kRule};
  EXPECT_EQ(report(), block);

  const auto records = plot();
  ASSERT_EQ(records.size(), 19u);
  EXPECT_EQ(records[0], "    1" + std::string(75, ' ') + "Line 6 : number of output p-y curves");
  EXPECT_EQ(records[1], "  0.1200000E+03   17" + std::string(84, ' ') +
                            "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1");
  EXPECT_EQ(records[3], "  0.1422222E-02  0.4800000E+02" + std::string(74, ' ') +
                            "Line 8(2): y, p, for soft clay");
  for (int k = 1; k <= 17; ++k) {
    const std::string& record = records[static_cast<std::size_t>(k + 1)];
    EXPECT_EQ(record.substr(104), "Line 8(" + std::to_string(k) + "): y, p, for soft clay");
    const auto [y, p] = line8_values(record);
    const double ratio = k <= 16 ? std::pow(2.0 * (k - 1) / 15.0, 3) : 8.5;
    EXPECT_NEAR(y, ratio * 0.6, 1e-6 * y + 1e-12) << k;
    EXPECT_NEAR(p, k <= 16 ? 48.0 * (k - 1) : 720.0, 1e-4) << k;
  }
  EXPECT_EQ(messages(),
            std::vector<std::string>{"Computing p-y curves for output at user-specified depths."});
}

TEST_F(CurveOutput, CyclicSoftClayWithJShowsItsOwnLines) {
  add_layer(criterion::kSoftClayJ, 0.0, 600.0, {kClay.gamma, kClay.c, kClay.eps50, 0.5, 0.0});
  assign_layers();
  engine().options.CyclicLoading = true;
  engine().options.NumCycles = 100.0;
  request_curves({60.0});
  print_curves();
  const auto lines = report();
  // The title and the cyclic lines follow the number of cycles; US customary strengths and
  // unit weights are shown once, per square and cubic foot.
  EXPECT_TRUE(contains_block(
      lines,
      {"p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions", "",
       "Soil Layer Number                                      =            1",
       "Depth below pile head                                  =      5.00000 ft",
       "Depth below ground surface                             =      5.00000 ft",
       "Equivalent Depth                                       =      5.00000 ft",
       "Ground Slope Angle                                     =       0.0000 degrees",
       "Pile Batter                                            =       0.0000 degrees",
       "Effective Slope                                        =       0.0000 degrees",
       "Pile Diameter                                          =     24.00000 in",
       "Cohesion, c                                            =    720.00000 psf",
       "Avg. Eff. Unit Weight                                  =     36.00000 pcf",
       "Epsilon50 parameter                                    =      0.01000",
       "J parameter                                            =      0.50000",
       "Transition Depth Xr                                    =     20.00000 ft",
       "pu_s                                                   =    540.00000 lb/in",
       "pu_d                                                   =   1080.00000 lb/in",
       "y_50                                                   =      0.60000 in",
       "p-multiplier                                           =      1.00000",
       "y-multiplier                                           =      1.00000",
       "Number of cycles of loading                            =    100.00000",
       "Xr                                                     =     20.00000 ft",
       "Sloping Ground Factor                                  =      1.00000",
       "pu_static                                              =    540.00000 lb/in",
       "pu_cyclic                                              =    389.40737 lb/in", "",
       "     y, in             p, lb/in", "---------------   ---------------"}));

  // Cyclic points (multiples of y50) and the fall from 0.72 p_u to (5/20) of it near the surface.
  const double factors[] = {0.0, 0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8,
                            1.0, 1.5,  2.0, 2.5, 3.0, 9.0, 15.0, 16.0};
  const double plateau = single(0.72112477f) * 540.0;
  const auto records = plot();
  ASSERT_EQ(records.size(), 19u);
  EXPECT_EQ(records[1].substr(0, 20), "  0.6000000E+02   17");
  EXPECT_EQ(records[1].substr(104),
            "Line 7:  p-y curve depth in API soft clay with J, no. points on p-y curve no. 1");
  for (int k = 1; k <= 17; ++k) {
    const std::string& record = records[static_cast<std::size_t>(k + 1)];
    EXPECT_EQ(record.substr(104), "Line 8(" + std::to_string(k) + "): y, p, for API soft clay");
    const double y = factors[k - 1] * 0.6;
    double p = 0.5 * 540.0 * std::pow(factors[k - 1], single(0.33333334f));
    if (factors[k - 1] > 3.0) {
      p = std::max(plateau / 4.0, plateau + (factors[k - 1] - 3.0) / 12.0 * (plateau / 4.0 - plateau));
    }
    const auto [y_printed, p_printed] = line8_values(record);
    EXPECT_NEAR(y_printed, y, 1e-7 * y + 1e-12) << k;
    EXPECT_NEAR(p_printed, p, 1e-6 * p + 1e-12) << k;
  }
}

TEST_F(CurveOutput, SoftClayPrintsTheRecordsOwnDeflections) {
  add_layer(criterion::kSoftClay, 0.0, 600.0, kClay);
  assign_layers();
  request_curves({120.0});
  OutputDepth& record = engine().control.output_depths[0];
  record.deflection_count = 3;
  record.deflections[0] = 0.0;
  record.deflections[1] = 1e-6;  // below 0.00001 y50: the limiting modulus
  record.deflections[2] = 0.6;
  print_curves();
  const auto lines = report();
  EXPECT_TRUE(contains_block(
      lines, {"  0.0000000E+00     0.0000000E+00", "", "**** Warning ****", "",
              "The pile deflection is less than 0.00001*Y50.",
              "Torva used the limiting value of soil modulus (= 1000000.) when computing the p-y "
              "curve for soft clay.",
              "  0.1000000E-05     0.1000000E+01", "  0.6000000E+00     0.3600000E+03", kRule}));
  const auto records = plot();
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[1].substr(0, 20), "  0.1200000E+03    3");
}

TEST_F(CurveOutput, SlopingFactorOfAPrintedCurveFollowsTheNodeOfTheSameNumber) {
  add_layer(criterion::kSoftClay, 0.0, 600.0, kClay);
  assign_layers();
  const double t = 0.2;
  engine().inclination.ground_slope = t;
  engine().inclination.slope_minus_batter = t;
  request_curves({60.0, 120.0});
  nodes().y[1] = 0.5;   // curve 1: moving down the slope
  nodes().y[2] = -0.5;  // curve 2: moving up the slope
  print_curves();
  const double down = 1.0 / (1.0 + std::tan(t));
  const double up = std::cos(t) * single(0.70710677f) / std::cos(t + 0.7853981633974483);
  const auto lines = report();
  const auto factor_line = [](const char* label, double value) {
    return (Line().a(label).tab(56).a("= ").f(value, 12, 5)).str();
  };
  EXPECT_TRUE(contains_block(lines, {factor_line("Positive-y Sloping Ground Factor", down),
                                     factor_line("Negative-y Sloping Ground Factor", up),
                                     factor_line("Sloping Ground Factor", down)}));
  EXPECT_TRUE(contains_block(lines, {factor_line("Positive-y Sloping Ground Factor", down),
                                     factor_line("Negative-y Sloping Ground Factor", up),
                                     factor_line("Sloping Ground Factor", up)}));
  EXPECT_TRUE(contains_line(
      lines, "Ground Slope Angle                                     =     11.45916 degrees"));
}

TEST_F(CurveOutput, ElasticSubgradeInSIUnits) {
  use_units(kUnitsSI);
  make_pile(40, 20.0, 0.6);
  add_layer(criterion::kElasticSubgrade, 0.0, 25.0, {10.0, 0.0, 0.0, 0.0, 20000.0});
  assign_layers();
  request_curves({2.0});
  print_curves();
  std::vector<std::string> block = {
      "p-y Curve for Elastic Subgrade",
      "",
      "Soil Layer Number                                      =            1",
      "Depth below pile head                                  =      2.00000 m",
      "Depth below ground surface                             =      2.00000 m",
      "Shaft Diameter                                         =      0.60000 m",
      "Elastic Subgrade Modulus                               =       20000. kN/m3",
      "p-multiplier                                           =      1.00000",
      "y-multiplier                                           =      1.00000",
      "",
      "     y, m              p, kN/m",
      "---------------   ---------------"};
  // Points every b / 8 up to 2 b, p = E_k b y = 12000 y.
  for (int k = 1; k <= 17; ++k) {
    const double y = (k - 1) * 0.075;
    block.push_back((Line().e(y, 15, 7).x(3).e(12000.0 * y, 15, 7)).str());
  }
  block.push_back(kRule);
  EXPECT_TRUE(contains_block(report(), block));
  const auto records = plot();
  ASSERT_EQ(records.size(), 19u);
  EXPECT_EQ(records[1],
            "  0.2000000E+01   17" + std::string(84, ' ') +
                "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. 1");
  EXPECT_EQ(records[18], "  0.1200000E+01  0.1440000E+05" + std::string(74, ' ') +
                             "Line 8(17): y, p, for elastic subgrade");
}

TEST_F(CurveOutput, PrintedCurveAgreesWithTheModulusAtTheNodes) {
  // With multipliers the printed curve is (y y_m, p p_m): the slope p / y is the Es the
  // nodes receive.
  add_layer(criterion::kElasticSubgrade, 0.0, 600.0, {0.02, 0.0, 0.0, 0.0, 150.0});
  assign_layers();
  uniform_group_factors(0.5, 2.0);
  request_curves({120.0});
  print_curves();
  const double Es = nodes().Es[11];  // node at 120 in
  EXPECT_NEAR(Es, 0.5 * 150.0 * 24.0 / 2.0, 1e-9);
  const auto records = plot();
  ASSERT_EQ(records.size(), 19u);
  const auto [y, p] = line8_values(records[18]);
  EXPECT_NEAR(y, 2.0 * 2.0 * 24.0, 1e-4);  // the last point, 2 b, times y_m
  EXPECT_NEAR(p / y, Es, 1e-4);
}

// ---- Depths the pass cannot print ------------------------------------------------------------

TEST_F(CurveOutput, DepthAboveTheGroundSurfaceIsNonFatalInputError23) {
  add_layer(criterion::kSoftClay, 24.0, 600.0, kClay);  // ground 2 ft below the pile head
  assign_layers();
  request_curves({60.0, 12.0, 120.0});  // the second lies above the ground
  PYCurveDriver(engine(), 0);
  const NodeTable before = nodes();
  const SoilLayers layers_before = engine().soil;
  EXPECT_NO_THROW(PYOutputAtDepths(engine()));
  EXPECT_EQ(engine().run.ErrorNumber, 0);

  const auto records = plot();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], "    3" + std::string(75, ' ') + "Line 6 : number of output p-y curves");
  EXPECT_EQ(records[1], "  0.1200000E+02    0" + std::string(84, ' ') +
                            "Line 7:  p-y curve depth, no. p-y points");
  EXPECT_EQ(report(), (std::vector<std::string>{
                          "", kRule, "                    p-y Curves Reported for Specified Depths",
                          kRule, "", "**** Input Data Error No. 23 (This error is non-fatal) ****",
                          "", "p-y curves cannot be generated at depth number 2",
                          "The specified depth is 1.00000 ft",
                          "This depth is below the pile head and is above the ground surface for "
                          "this problem.",
                          "The ground surface elevation is 2.00000 ft below the top of the pile."}));
  EXPECT_EQ(messages(),
            (std::vector<std::string>{
                "Computing p-y curves for output at user-specified depths.", "",
                "**** Input Data Error No. 23 (This error is non-fatal) ****", "",
                "p-y curves cannot be generated at depth number 2",
                "The specified depth is 1.00000 ft",
                "This depth is below the pile head and is above the ground surface for this "
                "problem."}));
  // The analysis goes on with the node table as it was.
  for (int n = 1; n <= before.N; ++n) EXPECT_EQ(nodes().x[n], before.x[n]) << n;
  EXPECT_EQ(engine().soil.first_node, layers_before.first_node);
  EXPECT_EQ(engine().soil.last_node, layers_before.last_node);
}

TEST_F(CurveOutput, DepthInSoilWithoutACurveIsRecordedWithNoPoints) {
  add_layer(criterion::kSoftClay, 0.0, 240.0, kClay);
  add_layer(criterion::kFrozenSoil, 240.0, 600.0, kClay);
  assign_layers();
  request_curves({120.0, 300.0});
  PYOutputAtDepths(engine());
  EXPECT_EQ(engine().run.ErrorNumber, 0);
  // Line 6 announces two curves and two Line 7 records follow, the second without points.
  const auto records = plot();
  ASSERT_EQ(records.size(), 1u + 18u + 1u);
  EXPECT_EQ(records[0].substr(0, 5), "    2");
  EXPECT_EQ(records[19], "  0.3000000E+03    0" + std::string(84, ' ') +
                             "Line 7:  p-y curve depth in frozen soil, no. p-y points on curve no. 2");
  EXPECT_TRUE(contains_block(report(),
                             {"", "No p-y curve can be computed for soil layer 2 (Frozen Soil) at "
                                  "depth number 2, 25.00000 ft below the pile head.",
                              kRule}));
}

TEST_F(CurveOutput, NodeTableIsRestoredAfterThePass) {
  add_layer(criterion::kSoftClay, 0.0, 240.0, kClay);
  add_layer(criterion::kElasticSubgrade, 240.0, 600.0, {0.02, 0.0, 0.0, 0.0, 150.0});
  assign_layers();
  request_curves({30.0, 60.0, 90.0, 300.0});
  PYCurveDriver(engine(), 0);
  const NodeTable before = nodes();
  const SoilLayers layers_before = engine().soil;
  PYOutputAtDepths(engine());
  EXPECT_FALSE(engine().py.output_mode);
  EXPECT_EQ(nodes().N, before.N);
  EXPECT_EQ(nodes().h, before.h);
  for (int n = 1; n <= before.N; ++n) EXPECT_EQ(nodes().x[n], before.x[n]) << n;
  EXPECT_EQ(engine().soil.first_node, layers_before.first_node);
  EXPECT_EQ(engine().soil.last_node, layers_before.last_node);
  // Curves 1 to 3 in layer 1, curve 4 in layer 2.
  const auto records = plot();
  ASSERT_EQ(records.size(), 1u + 4u * 18u);
  EXPECT_EQ(records[55].substr(104),
            "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. 4");
}

}  // namespace
}  // namespace torva::testing
