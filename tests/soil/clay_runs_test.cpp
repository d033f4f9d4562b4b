// Whole runs of the stiff clay and cemented silt example: the printed p-y curve in each of its
// four layers checked line by line against the published curves (clay_formulas.h) and against
// their plot records, under static loading and again under cyclic loading.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "soil/clay_formulas.h"
#include "support/report_lines.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

using namespace clay;

constexpr double kB = 24.0;  // in

// Unit weights of the example (pcf), averaged from the ground surface to depth X (in).
double gamma_avg(double X) {
  const double tops[] = {0.0, 120.0, 240.0, 420.0};
  const double values[] = {55.0, 60.0, 62.0, 65.0};
  double sum = 0.0;
  for (int i = 0; i < 4; ++i) {
    const double bottom = i < 3 ? tops[i + 1] : 1e9;
    if (X > tops[i]) sum += values[i] * (std::min(X, bottom) - tops[i]);
  }
  return sum / X / 1728.0;
}

// The points of a printed curve as the report rows show them, against p(y).
template <typename P>
void expect_rows(const std::vector<Row>& rows, const std::vector<double>& ys, P&& p,
                 const std::string& where) {
  ASSERT_EQ(rows.size(), ys.size()) << where;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    expect_row(rows[k], ys[k], p(ys[k]), where + ", row " + std::to_string(k + 1));
  }
}

std::vector<double> scaled(const std::vector<double>& shares, double unit) {
  std::vector<double> ys;
  for (const double share : shares) ys.push_back(share * unit);
  return ys;
}

const std::string kHeading = "     y, in             p, lb/in";
const std::string kSoilLayer = "Soil Layer Number" + std::string(38, ' ') + "=            ";

std::string input_for(bool cyclic) {
  const std::string text = example("stiff_clay_silt_us.tp7");
  return cyclic ? replaced(text, "Loading STATIC     0", "Loading CYCLIC   100") : text;
}

class ClayRuns : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ASSERT_EQ(folder_.run(input_for(cyclic())), 0);
    report_ = folder_.report();
    plot_ = folder_.plot();
  }
  bool cyclic() const { return GetParam(); }
  std::string title(const std::string& criteria) const {
    return std::string("p-y Curve Computed Using ") + (cyclic() ? "Cyclic" : "Static") +
           " Criteria for " + criteria;
  }
  RunFolder folder_;
  std::vector<std::string> report_, plot_;
};

TEST_P(ClayRuns, StiffClayWithFreeWaterAtFiveFeet) {
  // c rises from 1000 to 1500 lb/ft^2 over layer 1: 1250 at 5 ft, 1125 on average above. The
  // default k of that strength: 500 pci static, 200 cyclic.
  const double k = cyclic() ? 200.0 : 500.0;
  const WithWater s{1250.0 / 144.0, 1125.0 / 144.0, 55.0 / 1728.0, 0.007, k, kB, 60.0, cyclic()};
  const std::size_t at = find_line(report_, title("Stiff Clay with Free Water"));
  std::vector<Expected> block = {literal(title("Stiff Clay with Free Water")),
                                 literal(""),
                                 literal(kSoilLayer + "1"),
                                 value("Depth below pile head", 5.0, "ft"),
                                 value("Depth below ground surface", 5.0, "ft"),
                                 value("Equivalent Depth", 5.0, "ft"),
                                 value("Diameter", kB, "in"),
                                 value("c (at curve depth)", s.c, "psi"),
                                 value("Average cohesion, c", s.c_a, "psi"),
                                 value("Undrained cohesion, c", 1125.0, "psf"),
                                 value("Average Eff. Unit Weight", s.gamma, "pci"),
                                 value("Average Eff. Unit Weight", 55.0, "pcf"),
                                 value("k", k, "pci"),
                                 value("Epsilon50", 0.007),
                                 value("y50", s.y50(), "in"),
                                 value("As", s.As()),
                                 value(cyclic() ? "Ac" : "Ac (not used)", s.Ac()),
                                 value("pct",
                                       2.0 * s.c_a * kB + (s.gamma * kB + 2.83 * s.c_a) * 60.0,
                                       "lb/in"),
                                 value("pcd", 11.0 * s.c * kB, "lb/in"),
                                 value("pc", s.p_c(), "lb/in"),
                                 value("pu", s.plateau(), "lb/in"),
                                 value("p-multiplier", 1.0),
                                 value("y-multiplier", 1.0)};
  if (cyclic()) block.push_back(value("Number of Cycles of Loading", 100.0));
  append(block, {literal(""), literal(kHeading), literal(kDashes)});
  expect_lines(report_, at, block);

  std::vector<double> shares;
  if (!cyclic()) {
    for (int k = 0; k <= 12; ++k) shares.push_back(0.5 * k);
    shares.insert(shares.end(), {10.0, 14.0, 18.0, 19.0});
  } else {
    for (int k = 0; k <= 12; ++k) shares.push_back(k / 20.0);  // 0.6 y_p ends the first part
    shares.insert(shares.end(), {1.0, 1.4, 1.8, 1.9});
  }
  const double unit = cyclic() ? 4.1 * s.As() * s.y50() : s.As() * s.y50();
  const std::vector<Row> rows = rows_at(report_, at + block.size(), 17);
  expect_rows(rows, scaled(shares, unit), [&](double y) { return s.p(y); }, "5 ft");
  expect_plot_points(plot_, "stiff clay with free water", 1, rows, 0,
                     cyclic() ? "cyclic stiff clay with free water"
                              : "static stiff clay with free water");
}

// The points of the clays without free water: shares of 16 y50, then two beyond.
std::vector<double> without_water_points(double y50, bool cyclic) {
  std::vector<double> ys = {0.0};
  for (const double share : {0.00001, 0.00005, 0.0001, 0.0005, 0.001, 0.005, 0.01, 0.025, 0.05,
                             0.075, 0.1, 0.25, 0.5, 1.0}) {
    ys.push_back(share * 16.0 * y50);
  }
  const double y_end = cyclic ? 1.25 * (9.6 * 2.0 + 16.0) * y50 : 16.8 * y50;
  ys.push_back((16.0 * y50 + y_end) / 2.0);
  ys.push_back(y_end);
  return ys;
}

// The report block of a clay without free water at `depth` ft in `layer`; with k (s.k != 0)
// the title has a second line and the angles give way to k.
std::vector<Expected> without_water_block(const std::string& title, int layer, double depth,
                                          const WithoutWater& s) {
  const bool with_k = s.k != 0.0;
  std::vector<Expected> block = {literal(title)};
  if (with_k) block.push_back(literal("with Option of Defining Initial k"));
  append(block, {literal(""), literal(kSoilLayer + std::to_string(layer)),
                 value("Depth below pile head", depth, "ft"),
                 value("Depth below ground surface", depth, "ft"),
                 value("Equivalent Depth", s.x / 12.0, "ft")});
  if (!with_k) {
    append(block, {value("Ground Slope Angle", 0.0, "degrees"),
                   value("Pile Batter Angle", 0.0, "degrees"),
                   value("Effective Slope", 0.0, "degrees")});
  }
  append(block, {value("Diameter", kB, "in"), value("Undrained cohesion, c", s.c, "psi"),
                 value("Undrained cohesion, c", s.c * 144.0, "psf"),
                 value("Average Eff. Unit Weight", s.gamma, "pci"),
                 value("Average Eff. Unit Weight", s.gamma * 1728.0, "pcf")});
  if (with_k) block.push_back(value("k", s.k, "pci"));
  append(block,
         {value("Epsilon-50", s.eps50),
          value("Pct", (3.0 + s.gamma * s.x / s.c + 0.5 * s.x / kB) * s.c * kB, "lb/in"),
          value("Pcd", 9.0 * s.c * kB, "lb/in"), value("Pu", s.p_u(), "lb/in"),
          value("y50", s.y50(), "in"), value("p-multiplier", 1.0), value("y-multiplier", 1.0)});
  if (s.cyclic) {
    block.push_back(value(with_k ? "Number of Cycles of Loading" : "Number of cycles of loading",
                          100.0));
  }
  append(block, {literal(""), literal(kHeading), literal(kDashes)});
  return block;
}

TEST_P(ClayRuns, StiffClayWithoutFreeWaterAtFifteenFeet) {
  const std::string head = title("Stiff Clay without Free Water");
  const std::size_t at = find_line(report_, head);
  // Below the clay with free water: the curve starts at the equivalent depth printed.
  const double z_e = 12.0 * printed_value(report_[at + 5]);
  EXPECT_GT(z_e, 60.0);
  EXPECT_LT(z_e, 180.0);
  const WithoutWater s{2250.0 / 144.0, gamma_avg(180.0), 0.005, kB, z_e, cyclic(), 100.0};
  const std::vector<Expected> block = without_water_block(head, 2, 15.0, s);
  expect_lines(report_, at, block);

  // Below 0.00002 b the curve is the static secant through that deflection (point 4 lies on
  // it, a single-precision share of 16 y50 just below).
  const double y_min = 0.00002 * kB;
  WithoutWater static_curve = s;
  static_curve.cyclic = false;
  const std::vector<Row> rows = rows_at(report_, at + block.size(), 17);
  expect_rows(rows, without_water_points(s.y50(), cyclic()),
              [&](double y) {
                return y < y_min * (1.0 + 1e-6) ? static_curve.p(y_min) / y_min * y : s.p(y);
              },
              "15 ft");
  expect_plot_points(plot_, "stiff clay w/o free water", 2, rows, 0, "stiff clay w/o water");
}

TEST_P(ClayRuns, StiffClayWithoutFreeWaterUsingKAtTwentyEightFeet) {
  const std::string head = title("Stiff Clay without Free Water");
  const std::size_t at = find_line(report_, head, 2);
  ASSERT_EQ(report_[at + 1], "with Option of Defining Initial k");
  const double z_e = 12.0 * printed_value(report_[at + 6]);
  EXPECT_GT(z_e, 96.0);
  EXPECT_LT(z_e, 336.0);
  const WithoutWater s{3000.0 / 144.0, gamma_avg(336.0), 0.004, kB, z_e, cyclic(), 100.0,
                       1000.0};
  const std::vector<Expected> block = without_water_block(head, 3, 28.0, s);
  expect_lines(report_, at, block);
  const std::vector<Row> rows = rows_at(report_, at + block.size(), 17);
  expect_rows(rows, without_water_points(s.y50(), cyclic()), [&](double y) { return s.p(y); },
              "28 ft");
  expect_plot_points(plot_, "stiff clay w/o free water with k", 3, rows, 0, "stiff clay with k");
}

TEST_P(ClayRuns, CementedSiltAtFortyFiveFeet) {
  const std::string head = std::string("p-y Curve Computed Using the ") +
                           (cyclic() ? "Cyclic" : "Static") + " Criteria for Cemented Silt";
  const std::size_t at = find_line(report_, head);
  const double z_e = 12.0 * printed_value(report_[at + 5]);
  EXPECT_GT(z_e, 120.0);
  EXPECT_LT(z_e, 540.0);
  // phi rises from 32 to 36 degrees over the layer (35 to 70 ft); the default k is the 250 pci
  // (cyclic: 100) of 500 lb/ft^2 plus 60 pci of a submerged silt of 30 to 36 degrees.
  const double phi = 32.0 + 4.0 * 10.0 / 35.0;
  const double k = cyclic() ? 160.0 : 310.0;
  const CementedSilt s{500.0 / 144.0, phi, gamma_avg(540.0), k, kB, z_e, 540.0, cyclic()};
  const std::vector<Expected> block = {
      literal(head),
      literal(""),
      literal(kSoilLayer + "4"),
      value("Depth below pile head", 45.0, "ft"),
      value("Depth below ground surface", 45.0, "ft"),
      value("Equivalent Depth", z_e / 12.0, "ft"),
      value("Pile Diameter, B", kB, "in"),
      value("Cohesion, c", s.c, "psi"),
      value("Cohesion, c", 500.0, "psf"),
      value("Angle of Friction, phi", phi, "deg."),
      value("Avg. Eff. Unit Weight", s.gamma, "pci"),
      value("Avg. Eff. Unit Weight", s.gamma * 1728.0, "pcf"),
      value("k (interp. from input)", k, "pci"),
      value("Epsilon50 (interp.)", 0.02),
      value("x/B ratio", z_e / kB),
      value("A parameter = fn(x/B)", s.A()),
      value("B parameter = fn(x/B)", cyclic() ? 0.55 : 0.5),
      value("m", (s.p_u() - s.p_m()) / (s.y_u() - s.y_m()), "psi"),
      value("n", s.n()),
      value("Cbar", s.p_m() / std::pow(s.y_m(), 1.0 / s.n())),
      value("yk", std::pow(s.p_m() / std::pow(s.y_m(), 1.0 / s.n()) / (k * z_e),
                           s.n() / (s.n() - 1.0)),
            "in"),
      value("Pu", s.p_u(), "lb/in"),
      value("Pc", s.p_phi() + s.p_c(), "lb/in"),
      value("ym = b/60", 0.4, "in"),
      value("pm", s.p_m(), "lb/in"),
      value("yu = 3b/80", 0.9, "in"),
      value("Pu,c", s.p_c(), "lb/in"),
      value("Pu,phi", s.p_phi(), "lb/in"),
      value("p-multiplier", 1.0),
      value("y-multiplier", 1.0),
      literal(""),
      literal(kHeading),
      literal(kDashes)};
  expect_lines(report_, at, block);
  std::vector<double> ys = {0.0};
  for (int k = 1; k <= 12; ++k) ys.push_back(k * 0.4 / 12.0);
  ys.insert(ys.end(), {0.9, 0.945, 0.99, 1.035});
  const std::vector<Row> rows = rows_at(report_, at + block.size(), 17);
  expect_rows(rows, ys, [&](double y) { return s.p(y); }, "45 ft");
  expect_plot_points(plot_, "cemented silt (in)", 4, rows, 0, "cemented c-phi");
}

// The example with its soil replaced by one layer of `code` (70 ft), both property records
// `properties`; `slope` (degrees) adds a ground slope, `units` replaces the unit line.
std::string one_layer(int code, const std::string& properties, const std::string& slope = "",
                      const std::string& units = "") {
  std::string text =
      with_soil(example("stiff_clay_silt_us.tp7"), "1\n" + std::to_string(code) + " 0.0 70.0\n" +
                                                       properties + "\n" + properties + "\n");
  if (!slope.empty()) {
    text = replaced(text, "LOADING\n", "PILE BATTER AND SLOPE\n" + slope + "\n0.0\nLOADING\n");
  }
  if (!units.empty()) text = replaced(text, "Units USCS", units);
  return text;
}

TEST(ClayRunErrors, InputsThatEndTheRun) {
  const ErrorCase cases[] = {
      {"stiff clay with free water without strength below the ground surface",
       with_soil(example("stiff_clay_silt_us.tp7"),
                 "2\n2 0.0 10.0\n55.0 1000.0 0.0 0.0\n55.0 1000.0 0.0 0.0\n"
                 "2 10.0 70.0\n55.0 0.0 0.0 0.0\n55.0 0.0 0.0 0.0\n"),
       114,
       "Torva ended prematurely due to input error number INP00014",
       {"", "**** Input Data Error No. 14 ****", "",
        "An error was detected in the input data used to compute p-y curves in ",
        "stiff clay with free water.",
        "Problem:  Zero was input for the cohesion of a stiff clay. ",
        "Solution:  Check and compare the values of shear strength and revise the ",
        "input so that the strength values are correct for the soil types specified."}},
      {"stiff clay without free water without strength",
       one_layer(3, "60.0 0.0 0.005"),
       113,
       "Torva ended prematurely due to input error number INP00013",
       {"", "**** Input Data Error No. 13 ****", "", "An error was detected in the input data.",
        "Problem:  Zero was input for cohesion of stiff clay without free water.",
        "Solution:  Please check the values of soil shear strength and revise the input data."}},
      {"cemented silt without cohesion",
       one_layer(11, "65.0 0.0 32.0 0.0 100.0"),
       148,
       "Torva ended prematurely due to input error number INP00048",
       {"", "**** Input Data Error No. 48 ****", "",
        "Problem: A negative or zero value of cohesion was input for ",
        "a soil defined as a silt.", "Layer = 1, Depth =   0.7200E+01, c =   0.0000E+00",
        "Solution:  Please revise and correct the input data.  ",
        "Both cohesion and friction angle should be non-zero for silt soils."}},
      {"cemented silt without friction",
       one_layer(11, "65.0 500.0 0.0 0.0 100.0"),
       110,
       "Torva ended prematurely due to input error number INP00010",
       {"", "**** Input Data Error No. 10 ****", "",
        "Problem:  A negative or zero value was input for the friction angle for a silt.",
        "Solution:  Please revise and correct the input data.  ",
        "Both cohesion and friction angle must be non-zero for the cemented silt soil."}},
      {"cemented silt with cohesion below a slope steeper than its friction angle",
       one_layer(11, "65.0 500.0 32.0 0.0 100.0", "40.0"),
       223,
       "Torva ended prematurely due to runtime error number RUN00023",
       {"", "**** Runtime Error No. 23 ****", "",
        "A runtime error occurred due to the ground slope angle being",
        "greater than the friction angle for silt for layer 1.",
        "Problem:  The angle of the ground slope can not be greater ",
        "than the internal friction angle of silt.",
        "Solution:  Set the value for slope angle to be less than ",
        "the angle of friction or convert the layer into an equivalent", "strength clay layer."}},
      {"cohesionless cemented silt at the top of a slope as steep as its friction angle",
       one_layer(11, "65.0 0.0 30.0 0.0 100.0", "30.0"),
       111,
       "Torva ended prematurely due to input error number INP00011",
       {"", "**** Input Data Error No. 11 ****", "",
        "An error was detected in the input data when computing a p-y.",
        "curve using the criteria for silt for layer 1.",
        "Problem:  The angle of the ground slope can not be greater ",
        "than the internal friction angle of cohesionless silt.",
        "Solution:  Set the value for slope angle to be less than ", "the angle of friction."}},
      // A modulus that would not be a number needs a k beyond the numbers, which the reader
      // refuses (input error 36) before the criterion sees it.
      {"stiff clay with free water with an initial modulus beyond the numbers",
       one_layer(2, "55.0 1000.0 0.007 1e308"),
       136,
       "Torva ended prematurely due to input error number INP00036",
       {"", "**** Input Data Error No. 36 ****", ""}},
      {"stiff clay with the default eps50 in general units",
       one_layer(3, "0.38 14.0 0.0", "", "Units GENERAL"),
       251,
       "Torva ended prematurely due to runtime error number RUN00051",
       {"", "**** Runtime Error No. 51 ****", "",
        "Problem: eps50 of soil layer 1 (stiff clay without free water) is 0 at depth 0.0000, and "
        "no default value of eps50 exists in general units.",
        "Solution: Give eps50 for the layer, or use US customary or SI units."}},
      {"stiff clay using k with the default k in general units",
       one_layer(4, "0.38 14.0 0.005 0.0", "", "Units GENERAL"),
       257,
       "Torva ended prematurely due to runtime error number RUN00057",
       {"", "**** Runtime Error No. 57 ****", "",
        "Problem: Soil layer 1 (Stiff Clay w/o Free Water, using k) asks for the default value "
        "of k, and no default value of k exists in general units.",
        "Solution: Give k for the layer, or use US customary or SI units."}},
  };
  for (const ErrorCase& c : cases) expect_run_ends(c);

}

INSTANTIATE_TEST_SUITE_P(Loading, ClayRuns, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "Cyclic" : "Static");
                         });

}  // namespace
}  // namespace torva::testing
