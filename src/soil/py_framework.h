// The p-y framework: the pass over the soil layers that gives every pile node the secant modulus
// of its soil spring, the layered-soil bookkeeping between layers, and the output pass that
// reports and plots p-y curves at the depths the user asked for. Also the steps every criterion
// takes at a station before and after its own formula, and the shared report and plot writers.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "engine/errors.h"
#include "model/engine.h"
#include "response/load_case_iteration.h"
#include "soil/criteria.h"
#include "soil/soil_profile.h"

namespace torva {

// Which steps of the pass a caller runs.
enum class PYDispatch {
  kFull,        // every step: before the first solve of a load case (iteration 0), and the
                // buckling analysis and the pile-length sweep (iteration 1)
  kIteration,   // the load-case iteration: no not-a-number reset, and a thin layer is reported
                // in the iteration's own wording
  kLayersOnly,  // the layers and their bookkeeping only: the iterations of the pile-head
                // stiffness, pushover, buckling and pile-length analyses
};

// Sets Es (and, under soil movement, W) at every node lying in a layer with a criterion.
// `iteration` is the number of the solve just made (0 before the first). In iteration 1 a layer
// that holds no node between layers that do ends the run (Runtime Error No. 29), and with
// kFull a modulus that is not a finite number becomes 0. A criterion that ends the run throws
// RunStopped.
// The first pass of a solution (iteration 0 of a load case, 1 of any other) works out the
// depth-only parts of the node curves afresh and the passes after it read them back; with
// `first_pass_made` an iteration-1 pass reads them back too, the solution's first pass having
// been made before its iteration began.
void PYCurveDriver(Engine& engine, int iteration, PYDispatch dispatch = PYDispatch::kFull,
                   bool first_pass_made = false);

// The driver as the solver's soil update. `first_pass_made`: the caller made the solution's
// first pass just before the iteration, with nothing changed since but the head condition.
class PYCurveUpdate final : public SoilModulusUpdate {
 public:
  explicit PYCurveUpdate(PYDispatch dispatch = PYDispatch::kIteration, bool first_pass_made = false)
      : dispatch_(dispatch), first_pass_made_(first_pass_made) {}
  void update_soil_moduli(Engine& engine, int iteration) override {
    PYCurveDriver(engine, iteration, dispatch_, first_pass_made_);
  }

 private:
  PYDispatch dispatch_;
  bool first_pass_made_;
};

// Reports and plots the p-y curve at every output depth (after load case 1 has converged), then
// restores the node positions and the node-to-layer and node-to-section assignments.
void PYOutputAtDepths(Engine& engine);

// The layered-soil bookkeeping after layer `layer` of a pass (NoLayeringCount and
// bBelowNoLayering), for callers that run a criterion outside the driver.
void layering_after_layer(Engine& engine, int layer);

// ---- Steps shared by the criteria ----------------------------------------------------------

// A point of the pile where a criterion works: a node in normal mode, an output depth in output
// mode. Resolved by the framework before the criterion's own formula.
struct Station {
  int layer = 0;         // soil layer i
  int index = 0;         // node number, or output record number (the curve number)
  bool output = false;   // output mode
  bool first = false;    // first station of the layer in this call
  bool last = false;     // last station of the layer in this call
  double X = 0.0;        // vertical depth below the pile head (length)
  double x = 0.0;        // distance from the pile head along the pile (length)
  double z = 0.0;        // depth below the ground surface, X - XS (length)
  double b = 0.0;        // pile width (length)
  double p_mult = 1.0;   // p-multiplier for group action
  double y_mult = 1.0;   // y-multiplier for group action
  double Y = 0.0;        // current deflection of pile node `index`, sign and all (length)
  double y = 0.0;        // normal mode: |Y - soil movement| / y_mult (length)
};

// The station of pile node `node`. Its depth-only values (width, group multipliers) come from
// the node's depth part when that is valid for the node's place, and are stored there
// otherwise; a fresh entry has `soil_valid` false, for the criterion to fill.
Station node_station(Engine& engine, const LayerCall& call, int node);

// Marks every depth part as not worked out.
void clear_depth_parts(PYState& py);

// The warnings a criterion registers at a station while it works out the station's curve, noted
// in order for the passes that read the curve back.
class StationWarnings {
 public:
  void add(Engine& engine, int code) {
    WarningRegister(engine, code);
    if (count_ < codes_.size()) codes_[count_++] = code;
  }
  int code(std::size_t k) const { return k < count_ ? codes_[k] : 0; }

 private:
  std::array<int, 2> codes_{};  // what a node's depth part can hold
  std::size_t count_ = 0;
};

// The curve of pile node `s.index` for a criterion whose curve depends on the node's depth,
// soil and load case alone. At the first pass of a solution `resolve(warnings)` reads and checks
// the soil and works the curve out (its errors end the run there, its warnings go through
// `warnings`), and the curve is kept in the node's depth part; the passes after it register the
// same warnings again and read the curve back.
template <typename Curve, typename Resolve>
Curve kept_node_curve(Engine& engine, const Station& s, Resolve&& resolve) {
  static_assert(std::is_trivially_copyable_v<Curve> &&
                sizeof(Curve) <= sizeof(NodeDepthPart::soil));
  NodeDepthPart& part = engine.py.depth_parts[s.index];
  Curve curve;
  if (part.soil_valid) {
    if (part.warning != 0) WarningRegister(engine, part.warning);
    if (part.second_warning != 0) WarningRegister(engine, part.second_warning);
    std::memcpy(static_cast<void*>(&curve), part.soil.data(), sizeof(Curve));
    return curve;
  }
  StationWarnings warnings;
  curve = resolve(warnings);
  std::memcpy(part.soil.data(), &curve, sizeof(Curve));
  part.warning = warnings.code(0);
  part.second_warning = warnings.code(1);
  part.soil_valid = true;
  return curve;
}

// For a criterion whose curve is built again when a value that changes between passes differs
// from the one it was built for: the values of the curve kept in a node's depth part, by
// member, from slot `first` on (after the soil values and those keys), and the curve read back
// from them.
template <typename Curve, std::size_t N>
void keep_curve(NodeDepthPart& part, std::size_t first, const Curve& curve,
                double Curve::*const (&members)[N]) {
  for (std::size_t j = 0; j < N; ++j) part.soil[first + j] = curve.*members[j];
}
template <typename Curve, std::size_t N>
void kept_curve(const NodeDepthPart& part, std::size_t first, Curve& curve,
                double Curve::*const (&members)[N]) {
  for (std::size_t j = 0; j < N; ++j) curve.*members[j] = part.soil[first + j];
}

Station output_station(const Engine& engine, const LayerCall& call, int record);

// How often a criterion recomputes the equivalent depth of its layer.
enum class EqDepthUpdate {
  kEveryPass,  // at the first node of every normal-mode pass
  kOnce,       // only while it has not been computed
};

// Depth z_e that the ultimate resistance of a layered-soil criterion uses. `soil` holds what
// the criterion resolved at the station (read at the first node when the equivalent depth is
// computed). `tolerance` decides when the soil of layers 1 and 2 lies above the pile head.
double effective_depth(Engine& engine, const Station& station, const NodeSoilParameters& soil,
                       EqDepthUpdate update, double tolerance);

// The same for a criterion whose soil parameters cost work: `soil()` gives them, and is called
// only at the stations that may compute the equivalent depth (the first pile node of a layer in
// a pass, and a printed curve); the other nodes read the layer's stored value.
template <typename Soil>
double effective_depth_of(Engine& engine, const Station& station, Soil&& soil,
                          EqDepthUpdate update, double tolerance) {
  static constexpr NodeSoilParameters kNotRead{};
  if (!station.first && !station.output) {
    return effective_depth(engine, station, kNotRead, update, tolerance);
  }
  return effective_depth(engine, station, soil(), update, tolerance);
}

// Es of a node and, under soil movement, its soil force W = Es * ysoil + distributed load.
void set_node_modulus(Engine& engine, const Station& station, double Es);

// Ends the run with the criterion's not-a-number error (the generic one when it has none of
// its own) unless Es is a finite number. The test is made at every node of every pass, the
// error only once: the one is inline, the other not.
[[noreturn]] void stop_at_modulus_not_a_number(Engine& engine, const LayerCall& call,
                                               const Station& station, const ErrorId& error);
inline void check_modulus(Engine& engine, const LayerCall& call, const Station& station,
                          double Es, const ErrorId& error) {
  if (!std::isfinite(Es)) stop_at_modulus_not_a_number(engine, call, station, error);
}

// Area of a trapezoid of parallel sides a and b and height h.
inline double trapezoid(double a, double b, double h) { return (a + b) * h / 2.0; }

// The ultimate resistance p_u of a station added to the cumulative resistance FLayer of its
// layer: 0 at the first station, then trapezoids over the increment length from the station
// before (`previous_p_u`), and at the last station p_u over the rest of the layer below it.
void accumulate_layer_resistance(Engine& engine, const Station& station, double previous_p_u,
                                 double p_u);

// Reduction of the ultimate resistance of a clay on sloping ground, for the slope magnitude.
struct SlopingGroundFactors {
  double down = 1.0;  // pile moving down the slope: 1 / (1 + tan t)
  double up = 1.0;    // pile moving up the slope: cos t * 0.70710677 / cos(t + pi/4)
};
SlopingGroundFactors sloping_ground_factors(double theta);
// The same with the criterion's own value of sqrt(2)/2 in F_up.
SlopingGroundFactors sloping_ground_factors(double theta, double half_root_two);

// The clay rule for the factor at a station: down when the deflection and the slope have the
// same sign, up when opposite, 1 when either is within 1e-20 of zero.
double clay_sloping_factor(const SlopingGroundFactors& factors, double theta, double Y);

inline constexpr double kDegreesPerRadian = 180.0 / 3.141592653589793;

// ---- Output mode: report blocks and the printed curve --------------------------------------

// The title of a curve's report block, after a blank line.
void report_title(Engine& engine, std::string_view title);

// "label" ... "= " at column 56, the value (number field of 12) and, unless empty, the unit.
void report_value(Engine& engine, std::string_view label, double value, std::string_view unit);
void report_integer(Engine& engine, std::string_view label, long long value);
// "label" ... "= " at column 56 and a text value.
void report_text(Engine& engine, std::string_view label, std::string_view text);

// A depth in the report's depth unit: feet in US customary runs, the run's length otherwise.
void report_depth(Engine& engine, std::string_view label, double depth);
double report_depth_value(const Engine& engine, double depth);
std::string report_depth_text(const Engine& engine, double depth);  // "12.50000 ft"

// A number as the 12-column number field writes it, without its leading blanks.
std::string number_text(double value);

// "Ground Slope Angle", the batter (labelled "Pile Batter" unless the criterion says otherwise)
// and "Effective Slope", in degrees.
void report_slope_angles(Engine& engine, std::string_view batter_label = "Pile Batter");

// One printed p-y curve: the Line 7 record, the report's table heading, and per point a report
// row and a Line 8 record with y times the y-multiplier and p times the p-multiplier.
struct PrintedCurve {
  const LayerCall* call = nullptr;
  int record = 0;        // output record k, the curve number
  double depth = 0.0;    // depth of the curve (Line 7)
  double y_mult = 1.0;
  double p_mult = 1.0;
  std::string_view heading{};  // the criterion's own "y, p" heading line; empty: the standard one
  int row_gap = 3;             // blanks between y and p in a report row
};

void begin_printed_curve(Engine& engine, const PrintedCurve& curve, int points);
// `mark` follows the report row (a criterion's flag on a point it explains in a note).
void write_curve_point(Engine& engine, const PrintedCurve& curve, int point, double y, double p,
                       std::string_view mark = {});

// `p_at(point, y)` gives the criterion's p at deflection y (it may write a note to the report
// before its row).
template <typename PAt>
void write_printed_curve(Engine& engine, const PrintedCurve& curve, std::span<const double> ys,
                         PAt&& p_at) {
  begin_printed_curve(engine, curve, static_cast<int>(ys.size()));
  int point = 0;
  for (const double y : ys) {
    ++point;
    const double p = p_at(point, y);
    write_curve_point(engine, curve, point, y, p);
  }
}

}  // namespace torva
