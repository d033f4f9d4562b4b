// The plot-output records that the whole-run tests do not reach yet (section, length-sweep,
// stiffness, pushover and buckling records), each against its exact text: the numbers in their
// fields from column 1 and the description from its column.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "report/plot_records.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

// E15.7 of the values the records below carry.
const std::string k150 = "  0.1500000E+03";
const std::string kMinus2500 = " -0.2500000E+04";
const std::string kSmall = "  0.1250000E-02";
const std::string kZero = "  0.0000000E+00";

// The numbers, blanks up to column `column` - 1, and the description.
std::string record(const std::string& numbers, const std::string& description,
                   std::size_t column = 105) {
  return numbers + std::string(column - 1 - numbers.size(), ' ') + description;
}

struct RecordCase {
  const char* name;
  std::function<void(TextFile&)> write;
  std::string expected;
};

void PrintTo(const RecordCase& c, std::ostream* out) { *out << c.name; }

class PlotRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(PlotRecords, WriteTheirExactText) {
  const RecordCase& c = GetParam();
  RunFolder folder;
  {
    TextFile plot(Channel::kPlot);
    ASSERT_TRUE(plot.open(folder.file("plot.txt").string()));
    c.write(plot);
  }
  EXPECT_EQ(folder.plot(), std::vector<std::string>{c.expected});
}

using K = SectionKind;
using T = ThrustSource;

INSTANTIATE_TEST_SUITE_P(
    Records, PlotRecords,
    ::testing::Values(
        RecordCase{"line3_nonlinear", [](TextFile& p) { PlotLine3(p, 3, K::kNonlinear, T::kSection); },
                   "    3" + std::string(75, ' ') + "Line 3 : Total number of axial thrusts"},
        RecordCase{"line3_ei_only", [](TextFile& p) { PlotLine3(p, 3, K::kNonlinear, T::kEIOnly); },
                   record("    3", "Line 3 : Total number of axial thrusts for EI-only computations")},
        RecordCase{"line3_lrfd", [](TextFile& p) { PlotLine3(p, 12, K::kNonlinear, T::kLRFD); },
                   record("   12", "Line 3 : Total number of axial thrusts for LRFD")},
        RecordCase{"line3_input_curves", [](TextFile& p) { PlotLine3(p, 2, K::kInputMEI, T::kSection); },
                   "    2" + std::string(75, ' ') +
                       "Line 3 : Total number of axial thrusts for input M-EI section"},
        RecordCase{"line3_elastic_plastic",
                   [](TextFile& p) { PlotLine3(p, 1, K::kElasticPlastic, T::kSection); },
                   record("    1", "Line 3a : Total number of axial thrusts for elastic-plastic section")},
        RecordCase{"line3_elastic", [](TextFile& p) { PlotLine3(p, 1, K::kElastic, T::kSection); },
                   record("    1", "Line 3d : Total number of axial thrusts for elastic section")},
        RecordCase{"line4_nonlinear_us",
                   [](TextFile& p) { PlotLine4(p, K::kNonlinear, false, 150, 150.0, -2500.0, 2); },
                   record("  150" + std::string(10, ' ') + k150 + kMinus2500,
                          "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                          "Cap. (in-kips), Section 2")},
        RecordCase{"line4_nonlinear_si",
                   [](TextFile& p) { PlotLine4(p, K::kNonlinear, true, 150, 150.0, -2500.0, 12); },
                   record("  150" + std::string(10, ' ') + k150 + kMinus2500,
                          "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment "
                          "Cap. (kN-m), Section 12")},
        RecordCase{"line4_input_curves_si",
                   [](TextFile& p) { PlotLine4(p, K::kInputMEI, true, 6, 150.0, -2500.0, 3); },
                   record("    6" + std::string(10, ' ') + k150 + kMinus2500,
                          "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment "
                          "Cap. (kN-m) for input M-EI pile, Section 3",
                          81)},
        RecordCase{"line4_elastic_plastic_us",
                   [](TextFile& p) { PlotLine4(p, K::kElasticPlastic, false, 150, 0.0, 150.0, 1); },
                   record("  150" + std::string(10, ' ') + kZero + k150,
                          "Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                          "Cap. (in-kip) for elastic-plastic EI at top of section")},
        RecordCase{"line4_elastic_si",
                   [](TextFile& p) { PlotLine4(p, K::kElastic, true, 2, 0.0, 0.0, 1); },
                   record("    2" + std::string(10, ' ') + kZero + kZero,
                          "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. "
                          "Moment Cap. (kN-m) for linear EI pile at top of section")},
        RecordCase{"line5_nonlinear_us",
                   [](TextFile& p) { PlotLine5(p, K::kNonlinear, false, 150.0, -2500.0, 0.00125, 2, 3, 41); },
                   record(k150 + kMinus2500 + kSmall,
                          "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for "
                          "Sect#=2, AxLd#=3, CurvPnt#=41")},
        RecordCase{"line5_input_curves",
                   [](TextFile& p) { PlotLine5(p, K::kInputMEI, false, 150.0, -2500.0, 0.00125, 1, 1, 5); },
                   record(k150 + kMinus2500 + kSmall,
                          "Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=5", 81)},
        RecordCase{"line5_elastic_plastic_si",
                   [](TextFile& p) { PlotLine5(p, K::kElasticPlastic, true, 150.0, -2500.0, 0.00125, 1, 2, 3); },
                   record(k150 + kMinus2500 + kSmall,
                          "Line 5a : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for "
                          "Sect#=1, AxLd#=2, CurvPnt#=3")},
        RecordCase{"line5_elastic_us",
                   [](TextFile& p) { PlotLine5(p, K::kElastic, false, 150.0, -2500.0, 0.00125, 4, 1, 2); },
                   record(k150 + kMinus2500 + kSmall,
                          "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) "
                          "for Sect#=4, AxLd#=1, CurvPnt#=2")},
        RecordCase{"line6_requested_without_depths", [](TextFile& p) { PlotLine6(p, 0); },
                   "    0" + std::string(75, ' ') + "Line 6 : number of output p-y curves"},
        RecordCase{"line6_none", [](TextFile& p) { PlotLine6None(p); },
                   record("    0", "Line 6 : number of output p-y curves")},
        RecordCase{"line11_length_sweep", [](TextFile& p) { PlotLine11(p, SweepKind::kLength, 20, 3); },
                   record("   20", "Line 11: Num. points on Ytop vs. pile length curve for load case 3")},
        RecordCase{"line12_us", [](TextFile& p) { PlotLine12(p, false, 150.0, 0.00125, -2500.0, 0.0); },
                   record(k150 + kSmall + kMinus2500 + kZero,
                          "Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)")},
        RecordCase{"line12_si", [](TextFile& p) { PlotLine12(p, true, 150.0, 0.00125, -2500.0, 0.0); },
                   record(k150 + kSmall + kMinus2500 + kZero,
                          "Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)")},
        RecordCase{"line14", [](TextFile& p) { PlotLine14(p, 10); },
                   record("   10", "Line 14: Number of stiffness matrix K-values computed")},
        RecordCase{"line15",
                   [](TextFile& p) {
                     const double values[8] = {150.0, -2500.0, 0.00125, 0.0, 150.0, -2500.0, 0.00125, 0.0};
                     PlotLine15(p, values);
                   },
                   k150 + kMinus2500 + kSmall + kZero + k150 + kMinus2500 + kSmall + kZero +
                       "  Line 15: V, M, K22, K23, K32, K33, ytop, theta"},
        RecordCase{"line16", [](TextFile& p) { PlotLine16(p, 3, 3, 2); },
                   record("    3    3    2",
                          "Line 16: # free-head pushover steps computed, # fixed-head pushover "
                          "steps computed, pushover BC type")},
        RecordCase{"line16_none", [](TextFile& p) { PlotLine16None(p); },
                   record("    0    0    0", "Line 16: Number pushover steps computed, pushover BC type")},
        RecordCase{"line17_pushover",
                   [](TextFile& p) { PlotLine17Pushover(p, 4, 5, 0.00125, 150.0, -2500.0, 150.0, 0.0, 150.0); },
                   record("    4    5" + kSmall + k150 + kMinus2500 + k150 + kZero + k150,
                          "Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax")},
        RecordCase{"line17_buckling_us",
                   [](TextFile& p) { PlotLine17Buckling(p, false, 6, 150.0, 0.00125, -2500.0); },
                   record("    6" + k150 + kSmall + kMinus2500,
                          "Line 17: Num. Buckling points, Buckling capacity (lbs), a slope, b intercept")},
        RecordCase{"line17_buckling_si",
                   [](TextFile& p) { PlotLine17Buckling(p, true, 6, 150.0, 0.00125, -2500.0); },
                   record("    6" + k150 + kSmall + kMinus2500,
                          "Line 17: Num. Buckling points, Buckling capacity (kN), a slope, b intercept")},
        RecordCase{"line18_us", [](TextFile& p) { PlotLine18(p, false, 150.0, 0.00125, -2500.0, 0.0); },
                   record(k150 + kSmall + kMinus2500 + kZero,
                          "Line 18: axial thrust (lbs), Ytop (in), Max Moment(in-lb), Max Shear(lbs)")},
        RecordCase{"line18_si", [](TextFile& p) { PlotLine18(p, true, 150.0, 0.00125, -2500.0, 0.0); },
                   record(k150 + kSmall + kMinus2500 + kZero,
                          "Line 18: axial thrust (kN), Ytop (m), Max Moment(kN-m), Max Shear(kN)")},
        RecordCase{"line18_none", [](TextFile& p) { PlotLine18None(p); },
                   record("    0" + kZero + kZero, "Line 18: Number of buckling points computed, Vtop, Mtop")},
        RecordCase{"no_buckling_trial", [](TextFile& p) { PlotBucklingNone(p); },
                   record("    0", "Line 11: Num. points on Ytop vs. pile length curve for load case 0")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torva::testing
