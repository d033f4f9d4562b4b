// A whole run of a 96-in shaft in two layers of soft clay whose strength grows with depth, the
// ground surface 4.25 ft below the pile head: the printed curves of the lower layer start at the
// equivalent depth worked out here from the resistance of the upper layer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/report_lines.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

// In inches and pounds: a 50-ft pile of 100 increments, nodes every 6 in. Layer 1 lies between
// 4.25 and 14.25 ft below the head, layer 2 from there to 60 ft; no node lies on a layer
// boundary.
constexpr double kB = 96.0;
constexpr double kH = 6.0;
constexpr double kGround = 51.0;
constexpr double kInterface = 171.0;
constexpr double kBottom = 720.0;
constexpr double kGamma1 = 55.0 / 1728.0;
constexpr double kGamma2 = 50.0 / 1728.0;
constexpr double kJ = 0.5;

// Strength (psi) rising linearly in each layer: 600 to 1000 psf, then 150 to 300 psf.
double strength(double X) {
  if (X < kInterface) return (600.0 + (X - kGround) * 400.0 / (kInterface - kGround)) / 144.0;
  return (150.0 + (X - kInterface) * 150.0 / (kBottom - kInterface)) / 144.0;
}

// Average effective unit weight from the ground surface down to X.
double average_gamma(double X) {
  if (X <= kInterface) return kGamma1;
  return (kGamma1 * (kInterface - kGround) + kGamma2 * (X - kInterface)) / (X - kGround);
}

// The soft clay of the node at X when the wedge starts at depth z_e.
struct Clay {
  double X, z_e;
  double c() const { return strength(X); }
  double gamma() const { return average_gamma(X); }
  double ratio() const { return z_e * kJ / kB + 3.0 + z_e * gamma() / c(); }
  double p_u() const { return c() * kB * std::min(ratio(), 9.0); }
  double x_r() const { return 6.0 * kB * c() / (kJ * c() + gamma() * kB); }
  double X_r() const { return std::max(x_r(), 2.5 * kB); }
};

// The resistance of layer 1: trapezoids of p_u between its nodes (54 to 168 in) and p_u of its
// last node times the increment.
double layer1_resistance() {
  double F = 0.0;
  for (double X = 54.0 + kH; X <= 168.0; X += kH) {
    F += (Clay{X - kH, X - kH - kGround}.p_u() + Clay{X, X - kGround}.p_u()) * kH / 2.0;
  }
  return F + Clay{168.0, 168.0 - kGround}.p_u() * kH;
}

// The depth at which soft clay of strength c and unit weight gamma, integrated from the
// surface (p_u = 3 c b + (J c + gamma b) z down to x_r, 9 c b below), builds up F.
double soft_clay_equivalent_depth(double c, double gamma, double F) {
  const double b = kB;
  const double x_r = 6.0 * b * c / (kJ * c + b * gamma);
  const double F_r = ((3.0 * c + kJ * gamma * x_r) * b + 0.25 * c * x_r) * x_r;
  if (F > F_r) return x_r + (F - F_r) / (9.0 * b * c);
  const double a = 0.25 * c + 0.5 * b * gamma;
  return (std::sqrt(std::pow(3.0 * b * c, 2) + 4.0 * a * F) - 3.0 * b * c) / (2.0 * a);
}

std::string layered_clay_input() {
  return "TORVAP7\n"
         "TITLE\n"
         "A 96-in shaft in two soft clays below the pile head\n\n\n\n\n" +
         options_for({.print_py_curves = true}) +
         "SECTIONS\n1\n1\n11\n50.0\n2\n3600000\n96.0\n96.0\n7238.23\n7238.23\n4169220.8\n"
         "4169220.8\n"
         "SOIL LAYERS\n2\n"
         "1 4.25 14.25\n55.0 600.0 0.01\n55.0 1000.0 0.01\n"
         "1 14.25 60.0\n50.0 150.0 0.02\n50.0 300.0 0.02\n"
         "LOADING\n1\n1 1 20000.0 0.0 0.0 1\n0\n"
         "DEPTHS OF PRINTED P-Y CURVES\n3\n1 10.0\n2 16.0\n3 40.0\n"
         "END\n";
}

const std::string kTitle =
    "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions";

// The block of the curve at X (in) of layer `layer`, whose wedge starts at z_e.
std::vector<Expected> block(int layer, const Clay& clay) {
  const double c = clay.c();
  const double gamma = clay.gamma();
  return {literal(kTitle),
          literal(""),
          literal("Soil Layer Number                                      =            " +
                  std::to_string(layer)),
          value("Depth below pile head", clay.X / 12.0, "ft"),
          value("Depth below ground surface", (clay.X - kGround) / 12.0, "ft"),
          value("Equivalent Depth", clay.z_e / 12.0, "ft"),
          value("Ground Slope Angle", 0.0, "degrees"),
          value("Pile Batter", 0.0, "degrees"),
          value("Effective Slope", 0.0, "degrees"),
          value("Pile Diameter", kB, "in"),
          value("Cohesion, c", c, "psi"),
          value("Cohesion, c", c * 144.0, "psf"),
          value("Avg. Eff. Unit Weight", gamma, "pci"),
          value("Avg. Eff. Unit Weight", gamma * 1728.0, "pcf"),
          value("Epsilon50 parameter", layer == 1 ? 0.01 : 0.02),
          value("J (default value)", kJ),
          value("Transition Depth Xr", clay.X_r() / 12.0, "ft"),
          value("pu_s", c * kB * clay.ratio(), "lb/in"),
          value("pu_d", 9.0 * c * kB, "lb/in"),
          value("y_50", 2.5 * kB * (layer == 1 ? 0.01 : 0.02), "in"),
          value("p-multiplier", 1.0),
          value("y-multiplier", 1.0),
          value("Positive-y Sloping Ground Factor", 1.0),
          value("Negative-y Sloping Ground Factor", 1.0),
          value("Sloping Ground Factor", 1.0),
          value("pu_static", clay.p_u(), "lb/in"),
          literal(""),
          literal("     y, in             p, lb/in"),
          literal(kDashes)};
}

TEST(LayeredSoftClayRun, LowerLayerStartsAtTheDepthOfTheResistanceAbove) {
  RunFolder folder;
  ASSERT_EQ(folder.run(layered_clay_input()), 0);
  const std::vector<std::string> report = folder.report();
  const std::vector<std::string> plot = folder.plot();

  // Layer 2 takes its equivalent depth once per pass, from the soil of its first node (174 in).
  const double F = layer1_resistance();
  const double eq_depth = soft_clay_equivalent_depth(strength(174.0), average_gamma(174.0), F);
  ASSERT_GT(eq_depth, (Clay{174.0, 0.0}.x_r()));  // the deep branch of the solution

  struct Curve {
    int layer;
    double X;  // below the pile head (in)
    double z_e;
    const char* line7;  // the depth and the point count of its Line 7 record
  };
  const Curve curves[] = {{1, 120.0, 120.0 - kGround, "  0.1200000E+03   17"},
                          {2, 192.0, 192.0 - kInterface + eq_depth, "  0.1920000E+03   17"},
                          {2, 480.0, 480.0 - kInterface + eq_depth, "  0.4800000E+03   17"}};
  // At 16 ft the transition depth 6 b c / (J c + gamma b) falls short of its floor 2.5 b.
  EXPECT_LT((Clay{192.0, 0.0}.x_r()), 2.5 * kB);
  EXPECT_GT((Clay{480.0, 0.0}.x_r()), 2.5 * kB);

  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE("curve " + std::to_string(k));
    const Curve& curve = curves[k - 1];
    const Clay clay{curve.X, curve.z_e};
    const std::vector<Expected> expected = block(curve.layer, clay);
    const std::size_t at = find_line(report, kTitle, k);
    expect_lines(report, at, expected);

    // The default points (2 (k - 1) / 15)^3 y50 and 8.5 y50 on p = 0.5 p_u (y / y50)^(1/3).
    const double y50 = 2.5 * kB * (curve.layer == 1 ? 0.01 : 0.02);
    const std::vector<Row> rows = rows_at(report, at + expected.size(), 17);
    for (int j = 0; j < 17; ++j) {
      const double ratio = j < 16 ? std::pow(2.0 * j / 15.0, 3) : 8.5;
      const double p = ratio <= 8.0 ? 0.5 * clay.p_u() * std::cbrt(ratio) : clay.p_u();
      expect_row(rows[j], ratio * y50, p, "row " + std::to_string(j + 1));
    }

    // Line 7 holds the depth below the pile head, in inches.
    const std::string label =
        "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. " + std::to_string(k);
    const auto line7 = std::find_if(plot.begin(), plot.end(), [&](const std::string& line) {
      return line.size() > 104 && line.substr(104) == label;
    });
    ASSERT_NE(line7, plot.end());
    EXPECT_EQ(line7->substr(0, 20), curve.line7);
  }
}

}  // namespace
}  // namespace torva::testing
