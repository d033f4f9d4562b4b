#include "soil/soil_profile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "engine/errors.h"
#include "model/depth_table.h"
#include "model/single_precision.h"
#include "pile/pile_model.h"
#include "report/line.h"

namespace torva {

namespace {

using Column = OneBased<double, kProfileRows>;

constexpr double kInterfaceTolerance = single(1e-6f);  // length
constexpr double kNoValue = single(1e-20f);            // a property at most this is not given

// ---------------------------------------------------------------------------------------------
// Errors

std::string station(double X) { return Line().e(X, 12, 4).str(); }
std::string depth_text(double X) { return Line().f(X, 10, 3).str(); }

// The banner (the first line) is followed by a blank line, as every error banner is.
[[noreturn]] void stop_with(Engine& engine, std::initializer_list<std::string_view> lines,
                            std::string_view code, int number) {
  for (TextFile* file : {&engine.run.report, &engine.run.message}) {
    bool banner = true;
    for (std::string_view line : lines) {
      file->put(line);
      if (banner) file->blank();
      banner = false;
    }
  }
  stop_run(engine, code, number);
}

// The three lines that open input errors 4 and 31.
constexpr std::string_view kEmbedment1 =
    "An error was detected that is related to an incompatibility";
constexpr std::string_view kEmbedment2 =
    "between the input data defining the embedment of the pile and";
constexpr std::string_view kEmbedment3 = "the maximum depth of the soil shear strength data.";

[[noreturn]] void below_c_avg_data(Engine& engine, double X, double excess) {
  stop_with(
      engine,
      {"**** Input Data Error No. 3 ****", kEmbedment1, kEmbedment2, kEmbedment3,
       "The value for a pile station depth is " + station(X),
       "This depth is " + depth_text(excess) + " below the deepest extent of the input data for",
       "soil shear strength versus depth.",
       "Solution:", "Please revise the input data by either extending the maximum",
       "depth for soil shear strength or shorten the pile to correct", "this problem."},
      "INP00003", 103);
}

[[noreturn]] void below_phi_data(Engine& engine, double X) {
  stop_with(engine,
            {"**** Input Data Error No. 4 ****", kEmbedment1, kEmbedment2, kEmbedment3,
             "Problem:  The value for a pile station depth is " + station(X),
             "This depth is below the deepest extent of the input data for",
             "soil friction angle versus depth.",
             "Solution:  Please revise the input data by either extending ",
             "the maximum depth for soil friction angle or shorten the ",
             "pile to correct this problem."},
            "INP00004", 104);
}

[[noreturn]] void below_strength_data(Engine& engine, double X) {
  const std::string& unit = engine.run.labels.length;
  const double deepest = engine.profile.XProfile[std::max(engine.profile.row_count, 0)];
  stop_with(engine,
            {"**** Input Data Error No. 5 ****",
             "An error was detected that is related to an incompatibility between ",
             "the input data defining pile embedment depth and values of shear ",
             "strength of soil versus depth.",
             "Problem:  The value for a pile station depth is " + station(X) + " " + unit,
             "This depth is below the deepest extent of the input curve for ",
             "shear strength of soil versus depth at " + depth_text(deepest) + " " + unit,
             "Solution:  Please revise the input data by either extending the ",
             "maximum depth for shear strength of soil or shorten the ",
             "pile to be entirely within the defined soil layers."},
            "INP00005", 105);
}

[[noreturn]] void below_gamma_data(Engine& engine, double X) {
  stop_with(engine,
            {"**** Input Data Error No. 15 ****",
             "An error was detected related to an incompatibility between ",
             "the data defining pile embedment depth and effective unit ", "weights versus depth.",
             "The value for a pile station depth is " + station(X),
             "This depth is below the deepest extent of the input curve for",
             "effective unit weight versus depth.",
             "Solution:", "Please revise the input data by either extending the maximum",
             "depth for effective unit weight or shorten the length of pile",
             "to be within the range of defined soil properties."},
            "INP00015", 115);
}

[[noreturn]] void layer_without_thickness(Engine& engine) {
  stop_with(engine,
            {"**** Runtime Error No. 20 ****",
             "Problem:  The top and bottom elevations for weak rock layer are equal.",
             "Solution: Correct the input data for elevations defining weak rock layer."},
            "RUN00020", 220);
}

[[noreturn]] void below_rqd_data(Engine& engine, double X) {
  stop_with(engine,
            {"**** Input Data Error No. 31 ****", kEmbedment1, kEmbedment2, kEmbedment3,
             "Problem:  The value for a pile station depth is " + station(X),
             "This depth is below the deepest extent of the input data for", "RQD versus depth.",
             "Solution:  Revise the input data by either extending the ",
             "maximum depth for RQD or shorten the pile to correct this ", "problem."},
            "INP00031", 131);
}

[[noreturn]] void invalid_rqd(Engine& engine, double rqd) {
  stop_with(engine,
            {"**** Input Data Error No. 49 ****",
             "Problem:  The interpolated value of RQD used for p-y curves in weak rock ",
             "was found to be invalid because it was either less than zero or more than ",
             "100 percent.", "Solution:  Check your input data and revise in the data for RQD.",
             "The interpolated value of RQD = " + Line().f(rqd, 10, 3).str() + " %"},
            "INP00049", 149);
}

[[noreturn]] void zero_depth_increment(Engine& engine, double X) {
  stop_with(engine,
            {"**** Input Data Error No. 60 ****",
             "An error was found in the strength of soil input data when interpolating ",
             "to obtain values of cohesion or uniaxial compressive strength.",
             "Problem:  The depth increment between the upper and lower soil depths in a ",
             "layer is zero.  The depth of computation is " + station(X),
             "Solution:  Examine the program output file to find the depth in question",
             "and correct the soil layer depth values. "},
            "INP00060", 160);
}

[[noreturn]] void no_default_k_in_general_units(Engine& engine) {
  stop_with(engine,
            {"**** Runtime Error No. 13 ****",
             "Problem:  General units have been selected for use in computations in      ",
             "combination with default values of k for a layer classified as API sand    ",
             "criteria. This combination of data cannot be used because Torva cannot     ",
             "compute default values of subgrade modulus in general units.               ",
             "Solution:  You must select either US customary for SI units for the        ",
             "units of computation to use a default value for subgrade subgrade modulus  ",
             "for the API sand criteria or enter an appropriate proper value by entering ",
             "a non-zero for k."},
            "RUN00013", 213);
}

// ---------------------------------------------------------------------------------------------
// Row search and the interface rules

// A column at X: linear inside a layer; on an interface the mean of the two layers' values, or
// the one that is given when the other is zero (the upper one at the pile tip when
// `upper_at_tip`). Empty when X lies below the last row.
std::optional<double> by_interface_rule(const Engine& engine, const Column& value, double X,
                                        bool upper_at_tip) {
  const SoilProfile& profile = engine.profile;
  const int n = profile.row_count;
  const int k = segment_containing(profile.XProfile, n, X);
  if (k == 0) return std::nullopt;
  if (X == profile.XProfile[n]) return value[k];
  if (X != profile.XProfile[k]) return linear_in_segment(profile.XProfile, value, k, X);
  if (k == n || profile.XProfile[k + 1] != X) return value[k];
  const double up = value[k];
  const double low = value[k + 1];
  if (upper_at_tip && X == pile_tip_depth(engine)) return up;
  if (low < kNoValue) return up;
  if (up >= kNoValue) return (up + low) / 2.0;
  return low;
}

// How a layer's soil takes part in the strength at an interface.
enum class SoilClass { kOther, kCohesive, kCohesionless, kRock, kUserInput, kElastic };

SoilClass soil_class(int criterion_code, double strength) {
  switch (criterion_code) {
    case criterion::kSoftClay:
    case criterion::kStiffClayWithWater:
    case criterion::kStiffClayWithoutWater:
    case criterion::kStiffClayWithoutWaterK:
    case criterion::kSoftClayJ:
      return SoilClass::kCohesive;
    case criterion::kSand:
    case criterion::kApiSand:
    case criterion::kLiquefiedSand:
    case criterion::kLoess:
      return SoilClass::kCohesionless;
    case criterion::kWeakRock:
    case criterion::kVuggyLimestone:
    case criterion::kMassiveRock:
      return SoilClass::kRock;
    case criterion::kCementedSilt:
      return strength > 0.0 ? SoilClass::kCohesive : SoilClass::kCohesionless;
    case criterion::kUserPY:
      return SoilClass::kUserInput;
    case criterion::kElasticSubgrade:
      return SoilClass::kElastic;
    default:
      return SoilClass::kOther;
  }
}

bool has_strength(SoilClass c) { return c == SoilClass::kCohesive || c == SoilClass::kRock; }

// Strength at an interface: the mean where both layers have a strength (clay or rock on either
// side), the side that has one against any other soil, and otherwise the lower layer, which
// owns a node on its top.
double strength_across(SoilClass upper, SoilClass lower, double up, double low) {
  if (has_strength(upper) && has_strength(lower)) return (up + low) / 2.0;
  if (has_strength(upper)) return up;
  return low;
}

// The layer whose bottom and the next layer's top both lie within the interface tolerance of
// X; 0 when X is on no interface.
int layer_above_interface(const SoilLayers& soil, double X) {
  for (int upper = 1; upper < soil.count; ++upper) {
    if (std::fabs(X - soil.XLayerBottom[upper]) < kInterfaceTolerance &&
        std::fabs(X - soil.XLayerTop[upper + 1]) < kInterfaceTolerance) {
      return upper;
    }
  }
  return 0;
}

// A strength column (c, or q_u of massive rock) at X, with the interface rules of fn_c.
double strength_at(Engine& engine, const Column& value, double X) {
  const SoilProfile& profile = engine.profile;
  const SoilLayers& soil = engine.soil;
  const int n = profile.row_count;
  const int k = segment_containing(profile.XProfile, n, X, kInterfaceTolerance);
  if (k == 0) below_strength_data(engine, X);
  if (std::fabs(X - profile.XProfile[n]) < kInterfaceTolerance) return value[n];
  // A profile row that is no interface of the layer table (the top of a layer given below or
  // above the bottom of the layer above it) lies inside a layer like any other depth.
  const int upper = layer_above_interface(soil, X);
  if (upper == 0) {
    if (profile.XProfile[k] - profile.XProfile[k - 1] <= 0.0) zero_depth_increment(engine, X);
    return linear_in_segment(profile.XProfile, value, k, X);
  }
  const double up = value[2 * upper];
  const double low = value[2 * upper + 1];
  if (X == pile_tip_depth(engine)) return up;
  // Cemented silt counts as cohesive by its c on each side, whichever column is evaluated.
  const Column& c = profile.c;
  return strength_across(soil_class(soil.i_SoilLayer_py_Type[upper], c[2 * upper]),
                         soil_class(soil.i_SoilLayer_py_Type[upper + 1], c[2 * upper + 1]), up,
                         low);
}

// ---------------------------------------------------------------------------------------------
// Averages from the ground surface

// Integral of a column over depth from the first row down to X (the whole profile when X lies
// below it), by trapezoids, which are exact for the linear values inside the segments.
double integral_from_surface(const Column& depth, const Column& value, int n, double X) {
  const int k = segment_containing(depth, n, X);
  const int last_whole = k == 0 ? n : k - 1;
  double sum = 0.0;
  for (int j = 2; j <= last_whole; ++j) {
    sum += (value[j - 1] + value[j]) / 2.0 * (depth[j] - depth[j - 1]);
  }
  if (k > 0 && depth[k] - depth[k - 1] >= kInterfaceTolerance) {
    const double at_X = linear_in_segment(depth, value, k, X);
    sum += (value[k - 1] + at_X) / 2.0 * (X - depth[k - 1]);
  }
  return sum;
}

// How far X lies below the last row beyond the tolerance of a millionth of an increment
// (0 when it does not).
double excess_below_profile(const Engine& engine, const Column& depth, double X) {
  const double deepest = depth[engine.profile.row_count];
  const double excess = X - deepest;
  return excess > 0.0 && excess >= kInterfaceTolerance * engine.nodes.h ? excess : 0.0;
}

// ---------------------------------------------------------------------------------------------
// Tables

double group_factor(const GroupFactorTable& table,
                    const OneBased<double, kMaxGroupFactorRows>& value, double x) {
  const int n = table.count;
  if (n < 1 || x < table.depth[1] || x > table.depth[n]) return 1.0;
  if (n == 1) return value[1];  // x is the depth of the only row
  const int k = segment_containing(table.depth, n, x);
  if (k == 0) return 1.0;
  if (x == table.depth[n]) return value[k];
  if (x == table.depth[k]) return k < n && table.depth[k + 1] == x ? value[k + 1] : value[k];
  return linear_in_segment(table.depth, value, k, x);
}

// Ratio z/b of the sand factor tables, one-based.
constexpr std::array<double, 11> kSandRatio = {0.0, 0.0, 0.5, 1.0, 1.5, 2.0,
                                               2.5, 3.0, 4.0, 5.0, 6.0};
constexpr SandFactorTable kSandStatic = {
    0.0,           single(2.83f), single(2.48f), single(2.11f), single(1.76f), single(1.48f),
    single(1.23f), single(1.06f), single(0.90f), single(0.88f), single(0.88f)};
constexpr SandFactorTable kSandCyclic = {
    0.0,           single(0.75f), single(0.93f), single(1.07f), single(1.11f), single(1.03f),
    single(0.98f), single(0.94f), single(0.90f), single(0.88f), single(0.88f)};
constexpr int kSandRows = 10;

}  // namespace

// ---------------------------------------------------------------------------------------------

bool at_layer_interface(const Engine& engine, double X) {
  return layer_above_interface(engine.soil, X) != 0;
}

double fn_c(Engine& engine, double X) { return strength_at(engine, engine.profile.c, X); }

double fn_HB_qu_at_DepthX(Engine& engine, double X) {
  return strength_at(engine, engine.profile.rock_qu, X);
}

double fn_phi(Engine& engine, double X) {
  const std::optional<double> phi = by_interface_rule(engine, engine.profile.phi, X, true);
  if (!phi) below_phi_data(engine, X);
  return *phi;
}

double fn_eps50(const Engine& engine, double X) {
  return by_interface_rule(engine, engine.profile.eps50, X, true).value_or(0.0);
}

double fn_J(const Engine& engine, double X) {
  return by_interface_rule(engine, engine.profile.J, X, true).value_or(0.0);
}

double fn_krm(const Engine& engine, double X) {
  const SoilProfile& profile = engine.profile;
  const Column& krm = profile.eps50;
  const int n = profile.row_count;
  int k = segment_containing(profile.XProfile, n, X);
  if (k == 0 || X < profile.XProfile[k - 1]) return 0.0;
  // The lower layer takes the interface, except at the pile tip.
  if (X == profile.XProfile[k] && k < n && profile.XProfile[k + 1] == X &&
      X != pile_tip_depth(engine)) {
    ++k;
  }
  if (X == profile.XProfile[n] || X == profile.XProfile[k]) return krm[k];
  return linear_in_segment(profile.XProfile, krm, k, X);
}

double fn_RQD(Engine& engine, double X) {
  const std::optional<double> rqd = by_interface_rule(engine, engine.profile.RQD, X, false);
  if (!rqd) below_rqd_data(engine, X);
  if (!(*rqd >= 0.0 && *rqd <= 100.0)) invalid_rqd(engine, *rqd);
  return *rqd;
}

double fn_k_in_layer(Engine& engine, int layer, double X) {
  const SoilLayers& soil = engine.soil;
  const double top = soil.XLayerTop[layer];
  const double bottom = soil.XLayerBottom[layer];
  if (top == bottom) layer_without_thickness(engine);
  return soil.k_top[layer] +
         (X - top) * (soil.k_bottom[layer] - soil.k_top[layer]) / (bottom - top);
}

double fn_value_in_layer(const Engine& engine, const Column& column, int layer, double X) {
  const SoilProfile& profile = engine.profile;
  const int top = 2 * layer - 1;
  const int bottom = 2 * layer;
  const double d_top = profile.XProfile[top];
  const double d_bottom = profile.XProfile[bottom];
  const double v_top = column[top];
  const double v_bottom = column[bottom];
  // Layers of no thickness are rejected on input.
  if (!(d_bottom > d_top)) return v_top;
  return v_top + (X - d_top) * (v_bottom - v_top) / (d_bottom - d_top);
}

double fn_gamma_avg(Engine& engine, double X) {
  const SoilProfile& profile = engine.profile;
  const int n = profile.row_count;
  const double XS = engine.soil.XS;
  if (X < XS || n < 2) return 0.0;
  const double z = X - XS;
  if (z < kInterfaceTolerance) {
    for (int j = 1; j <= n; ++j) {
      if (profile.gamma[j] > 0.0) return profile.gamma[j];
    }
    return profile.gamma[n];
  }
  if (excess_below_profile(engine, profile.gamma_depth, X) > 0.0) below_gamma_data(engine, X);
  return integral_from_surface(profile.gamma_depth, profile.gamma, n, X) / z;
}

double fn_c_avg(Engine& engine, double X) {
  const SoilProfile& profile = engine.profile;
  const int n = profile.row_count;
  const double XS = engine.soil.XS;
  if (X < XS || n < 2) return 0.0;
  const double z = X - XS;
  if (z < kInterfaceTolerance) return fn_c(engine, X);
  const double excess = excess_below_profile(engine, profile.XProfile, X);
  if (excess > 0.0) below_c_avg_data(engine, X, excess);
  return integral_from_surface(profile.XProfile, profile.c, n, X) / z;
}

double fn_pmult(const Engine& engine, double x) {
  return group_factor(engine.group_factors, engine.group_factors.p_multiplier, x);
}

double fn_ymult(const Engine& engine, double x) {
  return group_factor(engine.group_factors, engine.group_factors.y_multiplier, x);
}

double A_s(double r) {
  if (r > single(3.3f)) return single(0.6f);
  return std::min(single(0.6f), single(0.2345f) + single(0.2958796f) * r -
                                    single(0.0786111f) * (r * r) +
                                    single(0.0068981f) * (r * r * r));
}

double A_c(double r) {
  if (r > 1.5) return single(0.3f);
  return std::min(single(0.3f), single(0.2f) + single(0.153333f) * r - single(0.075f) * (r * r) +
                                    single(0.011667f) * (r * r * r));
}

double sand_factor(const SandFactorTable& values, double r) {
  const int k = segment_containing(kSandRatio, kSandRows, r);
  if (k == 0) return values[kSandRows];
  return linear_in_segment(kSandRatio, values, k, r);
}

double A_sand(double z, double b, bool cyclic) {
  return sand_factor(cyclic ? kSandCyclic : kSandStatic, z / b);
}

double fn_sand_default_k(Engine& engine, double phi, double gamma) {
  switch (engine.options.IUNITS) {
    case kUnitsUS:
      return phi <= 40.0 ? 1.2098290369522147e-07 * std::pow(phi, 5.694468) : 160.54745483398438;
    case kUnitsSI:
      if (gamma <= 12.225) {
        return phi <= 40.0 ? 3.284046397311613e-05 * std::pow(phi, 5.694468) : 43580.1484375;
      }
      return phi <= 40.0 ? 4.14174883189844e-06 * std::pow(phi, 6.416118) : 78739.0078125;
    default:
      no_default_k_in_general_units(engine);
  }
}

}  // namespace torva
