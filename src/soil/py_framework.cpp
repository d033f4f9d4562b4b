#include "soil/py_framework.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "engine/errors.h"
#include "model/single_precision.h"
#include "pile/pile_model.h"
#include "report/fields.h"
#include "report/plot_records.h"

namespace torva {

namespace {

const std::string kRule80(80, '-');

// ---- The normal-mode pass ------------------------------------------------------------------

bool run_ended_since(const Engine& engine, int error_before) {
  return engine.run.ErrorNumber > 0 && engine.run.ErrorNumber != error_before;
}

// Runtime Error No. 29: a layer between layers with nodes holds none, so no p-y curve of its
// soil reaches the solution and the equivalent depths below it are wrong.
[[noreturn]] void report_thin_layer(Engine& engine, int layer, PYDispatch dispatch) {
  const NodeTable& nodes = engine.nodes;
  const SoilLayers& soil = engine.soil;
  const std::string& unit = engine.run.labels.length;
  const bool iteration_wording = dispatch == PYDispatch::kIteration;
  const std::string problem = iteration_wording ? "Problem:  " : "PROBLEM:  ";
  const std::string solution = iteration_wording ? "Solution: " : "SOLUTION: ";
  const std::string indent(10, ' ');

  const double thickness = soil.XLayerBottom[layer] - soil.XLayerTop[layer];
  const double pile_length = nodes.x[nodes.N];
  // A layer of no thickness is rejected on input; should one get here, no estimate is given.
  long long estimate = 0;
  if (thickness > 0.0) {
    const double ratio = std::trunc(pile_length / thickness);
    estimate = ratio >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<long long>(ratio);
  }
  const std::string i = std::to_string(layer);
  const std::string first = problem + "The thickness of layer " + i +
                            " was too thin to contain a nodal point.";
  const std::string thickness_line = indent + "The thickness of layer " + i + " is " +
                                     number_text(thickness) + " " + unit +
                                     " and the pile increment length is " +
                                     number_text(nodes.h) + " " + unit;
  const std::string increments_line =
      indent + "The current number of pile increments is " + std::to_string(nodes.N - 1) + ".";
  const std::string estimate_line =
      indent +
      "The estimated minimum number of increments needed to get at least one nodal point in the "
      "layer is " +
      std::to_string(estimate) + ".";
  const std::string solution_line =
      solution + "Increase the number of pile increments. Up to 500 pile increments are allowed "
                 "in Torva.";
  const std::string advice1 =
      indent + "If this error occurs with the maximum number of pile increments, you will need "
               "to combine the thinnest";
  const std::string advice2 = indent + "soil layer with an adjacent layer.";
  const std::string banner = "**** Runtime Error No. 29 ****";

  TextFile& report = engine.run.report;
  for (const std::string& line :
       {std::string(), banner, std::string(), first,
        indent + "This layer lacks a nodal point and this prevents the correct computation of "
                 "p-y curves for the layer . ",
        thickness_line, increments_line, estimate_line, solution_line, advice1, advice2}) {
    report.put(line);
  }
  TextFile& message = engine.run.message;
  for (const std::string& line :
       {std::string(), banner, std::string(), first,
        indent + "This layer lacks a nodal point and this prevents the correct computation of "
                 "the layer's p-y curves. ",
        thickness_line, increments_line, estimate_line, solution_line, advice1, advice2}) {
    message.put(line);
  }
  if (iteration_wording) {
    // The iteration records the number without the termination line of ErrorStop.
    engine.run.ErrorNumber = 229;
    throw RunStopped{};
  }
  stop_run(engine, "RUN00029", 229);
}

void check_thin_layers(Engine& engine, PYDispatch dispatch) {
  const SoilLayers& soil = engine.soil;
  const PYState& py = engine.py;
  const double last_node_depth = engine.nodes.z[engine.nodes.N];
  for (int i = 2; i <= soil.count; ++i) {
    if (soil.first_node[i] != 0) continue;
    if (soil.XLayerTop[i] < last_node_depth && py.EqDepth[i] == kEqDepthNotComputed &&
        !py.bBelowNoLayering[i]) {
      report_thin_layer(engine, i, dispatch);
    }
  }
}

// ---- The output pass -----------------------------------------------------------------------

void report_output_heading(Engine& engine) {
  TextFile& report = engine.run.report;
  report.blank();
  report.put(kRule80);
  report.put(std::string(20, ' ') + "p-y Curves Reported for Specified Depths");
  report.put(kRule80);
}

// Input Data Error No. 23: an output depth above the ground surface. The run goes on.
void report_depth_above_ground(Engine& engine, int record, double depth) {
  const std::string banner = "**** Input Data Error No. 23 (This error is non-fatal) ****";
  const std::string number = "p-y curves cannot be generated at depth number " +
                             std::to_string(record);
  const std::string specified = "The specified depth is " + report_depth_text(engine, depth);
  const std::string reason =
      "This depth is below the pile head and is above the ground surface for this problem.";
  TextFile& report = engine.run.report;
  report.blank();
  report.put(banner);
  report.blank();
  report.put(number);
  report.put(specified);
  report.put(reason);
  report.put("The ground surface elevation is " + report_depth_text(engine, engine.soil.XS) +
             " below the top of the pile.");
  TextFile& message = engine.run.message;
  message.blank();
  message.put(banner);
  message.blank();
  message.put(number);
  message.put(specified);
  message.put(reason);
  PlotLine7AboveGround(engine.run.plot, depth);
}

// Puts the output depths into x(1..m); false at the first depth above the ground surface.
bool place_output_depths(Engine& engine, int m) {
  for (int k = 1; k <= m; ++k) {
    const double depth = engine.control.output_depths[static_cast<std::size_t>(k - 1)].depth;
    if (depth < engine.soil.XS) {
      report_depth_above_ground(engine, k, depth);
      return false;
    }
    engine.nodes.x[k] = depth;
  }
  return true;
}

// A layer whose criterion gives no curve still records each of its depths, so that the plot
// file holds as many Line 7 records as Line 6 announces.
void record_curves_without_points(Engine& engine, const LayerCall& call) {
  const int i = call.layer;
  const int code = engine.soil.i_SoilLayer_py_Type[i];
  const std::string_view words = call.entry != nullptr ? call.entry->words.line7 : "soil";
  const std::string_view tail = call.entry != nullptr ? call.entry->words.line7_tail
                                                      : ", no. p-y points on curve no. ";
  for (int k = call.first; k <= call.last; ++k) {
    const double depth = engine.nodes.x[k];
    PlotLine7(engine.run.plot, depth, 0, words, k, tail);
    TextFile& report = engine.run.report;
    report.blank();
    report.put("No p-y curve can be computed for soil layer " + std::to_string(i) + " (" +
               std::string(criterion_long_name(code)) + ") at depth number " +
               std::to_string(k) + ", " + report_depth_text(engine, depth) +
               " below the pile head.");
  }
}

void curves_of_layers(Engine& engine) {
  const SoilLayers& soil = engine.soil;
  const int error_before = engine.run.ErrorNumber;
  for (int i = 1; i <= soil.count; ++i) {
    if (soil.first_node[i] == 0) continue;
    engine.py.NoLayeringCount = engine.py.bBelowNoLayering[i] ? 1 : 0;
    const CriterionEntry* entry = criterion_of_layer(engine, i);
    const LayerCall call{i, soil.first_node[i], soil.last_node[i], entry};
    if (entry != nullptr && entry->curves != nullptr) {
      entry->curves(engine, call);
      if (run_ended_since(engine, error_before)) return;
    } else {
      record_curves_without_points(engine, call);
    }
    engine.run.report.put(kRule80);
  }
}

// What the output pass replaces in the node table, put back afterwards.
class SavedNodePositions {
 public:
  SavedNodePositions(const NodeTable& nodes, int m) : N_(nodes.N), h_(nodes.h), m_(m) {
    for (int k = 1; k <= m_; ++k) x_[static_cast<std::size_t>(k)] = nodes.x[k];
  }
  void restore(Engine& engine) const {
    NodeTable& nodes = engine.nodes;
    nodes.N = N_;
    nodes.h = h_;
    for (int k = 1; k <= m_; ++k) nodes.x[k] = x_[static_cast<std::size_t>(k)];
    Assign_Nodes_To_Layers(engine);
    assign_nodes_to_sections(engine);
    engine.py.output_mode = false;
  }

 private:
  int N_;
  double h_;
  int m_;
  std::array<double, kMaxOutputDepths + 1> x_{};
};

}  // namespace

// ---- The pass ------------------------------------------------------------------------------

void clear_depth_parts(PYState& py) {
  if (!py.depth_parts_filled) return;
  for (NodeDepthPart& part : py.depth_parts) part.valid = false;
  py.depth_parts_filled = false;
}

void layering_after_layer(Engine& engine, int layer) {
  const CriterionEntry* entry = criterion_of_layer(engine, layer);
  if (entry == nullptr) return;
  PYState& py = engine.py;
  switch (entry->layering) {
    case Layering::kCorrected:
      if (py.NoLayeringCount > 0) py.bBelowNoLayering[layer] = true;
      break;
    case Layering::kWeakRock:
      ++py.NoLayeringCount;
      py.bBelowNoLayering[layer] = true;
      break;
    case Layering::kEndsCorrection:
      if (py.NoLayeringCount > 0) py.bBelowNoLayering[layer] = true;
      ++py.NoLayeringCount;
      break;
    case Layering::kNeutral:
      break;
  }
}

void PYCurveDriver(Engine& engine, int iteration, PYDispatch dispatch, bool first_pass_made) {
  const SoilLayers& soil = engine.soil;
  const int error_before = engine.run.ErrorNumber;
  engine.py.NoLayeringCount = 0;
  if (iteration == 0 || (iteration == 1 && !first_pass_made)) clear_depth_parts(engine.py);
  for (int i = 1; i <= soil.count; ++i) {
    // The bookkeeping runs for layers without nodes too: a thin layer below a rock or an elastic
    // subgrade is then known not to need an equivalent depth.
    const CriterionEntry* entry = criterion_of_layer(engine, i);
    if (soil.first_node[i] != 0 && entry != nullptr) {
      entry->moduli(engine, LayerCall{i, soil.first_node[i], soil.last_node[i], entry});
      if (run_ended_since(engine, error_before)) return;
    }
    layering_after_layer(engine, i);
  }
  if (iteration != 1) return;
  if (dispatch != PYDispatch::kLayersOnly) check_thin_layers(engine, dispatch);
  if (dispatch == PYDispatch::kFull) {
    NodeTable& nodes = engine.nodes;
    for (int n = 1; n <= nodes.N; ++n) {
      if (!std::isfinite(nodes.Es[n])) nodes.Es[n] = 0.0;
    }
  }
}

void PYOutputAtDepths(Engine& engine) {
  RunControl& run = engine.run;
  const int m = std::clamp(engine.control.output_depth_count, 0, kMaxOutputDepths);
  PlotLine6(run.plot, m);
  run.message.put("Computing p-y curves for output at user-specified depths.");
  report_output_heading(engine);

  const SavedNodePositions saved(engine.nodes, m);
  engine.py.output_mode = true;
  try {
    if (place_output_depths(engine, m)) {
      Assign_PY_Output_Depths_To_Layers(engine, m);
      curves_of_layers(engine);
    }
  } catch (const RunStopped&) {
    saved.restore(engine);
    throw;
  }
  saved.restore(engine);
}

// ---- Stations ------------------------------------------------------------------------------

namespace {

// The values of a station that follow from its distance along the pile alone.
struct AlongPile {
  double b, p_mult, y_mult;
};

AlongPile along_pile(const Engine& engine, double x) {
  return {section_properties_at(engine, x).D, fn_pmult(engine, x), fn_ymult(engine, x)};
}

// What a station is wherever it lies: its place along the pile, its soil and group factors.
Station station_at(const Engine& engine, const LayerCall& call, int index, double X, double x,
                   const AlongPile& along) {
  Station s;
  s.layer = call.layer;
  s.index = index;
  s.first = index == call.first;
  s.last = index == call.last;
  s.X = X;
  s.x = x;
  s.z = s.X - engine.soil.XS;
  s.b = along.b;
  s.p_mult = along.p_mult;
  s.y_mult = along.y_mult;
  // In output mode the direction of a printed curve on sloping ground follows the pile node of
  // the same number as the curve.
  s.Y = engine.nodes.y[index];
  return s;
}

}  // namespace

Station node_station(Engine& engine, const LayerCall& call, int node) {
  const NodeTable& nodes = engine.nodes;
  NodeDepthPart& part = engine.py.depth_parts[node];
  const double X = nodes.z[node];
  const double x = nodes.x[node];
  if (!(part.valid && part.layer == call.layer && part.X == X && part.x == x)) {
    const AlongPile along = along_pile(engine, x);
    part = NodeDepthPart{.valid = true, .layer = call.layer, .X = X, .x = x, .b = along.b,
                         .p_mult = along.p_mult, .y_mult = along.y_mult};
    engine.py.depth_parts_filled = true;
  }
  Station s = station_at(engine, call, node, X, x, {part.b, part.p_mult, part.y_mult});
  const double soil_movement = engine.options.UseSoilMovement ? nodes.ysoil[node] : 0.0;
  s.y = std::fabs(s.Y - soil_movement) / s.y_mult;
  return s;
}

Station output_station(const Engine& engine, const LayerCall& call, int record) {
  const NodeTable& nodes = engine.nodes;
  const double x = nodes.x[record];
  Station s = station_at(engine, call, record, x, x, along_pile(engine, x));
  s.output = true;
  return s;
}

double effective_depth(Engine& engine, const Station& station, const NodeSoilParameters& soil,
                       EqDepthUpdate update, double tolerance) {
  const SoilLayers& layers = engine.soil;
  PYState& py = engine.py;
  const int i = station.layer;
  double z_e = station.z;
  if (i > 1 && py.NoLayeringCount == 0) {
    const bool not_computed = py.EqDepth[i] == kEqDepthNotComputed;
    if (!station.output && station.first &&
        (update == EqDepthUpdate::kEveryPass || not_computed)) {
      compute_equivalent_depth(engine, i, soil);
    } else if (station.output && not_computed) {
      // A layer whose nodes never reached its criterion has no stored equivalent depth; a
      // printed curve computes it rather than use the marker as a depth.
      compute_equivalent_depth(engine, i, soil);
    }
    z_e = station.X - layers.XLayerTop[i] + py.EqDepth[i];
  }
  const bool layer1_above_head = layers.XLayerBottom[1] < -tolerance;
  const bool layer2_above_head = layers.count >= 2 && layers.XLayerBottom[2] < -tolerance;
  if (layer1_above_head || layer2_above_head) z_e = station.X - layers.XLayerTop[1];
  return z_e;
}

void set_node_modulus(Engine& engine, const Station& station, double Es) {
  NodeTable& nodes = engine.nodes;
  const int n = station.index;
  nodes.Es[n] = Es;
  if (engine.options.UseSoilMovement) {
    nodes.W[n] = nodes.ysoil[n] * Es + node_distributed_load(engine, n);
  }
}

void stop_at_modulus_not_a_number(Engine& engine, const LayerCall& call, const Station& station,
                                  const ErrorId& error) {
  const int code = engine.soil.i_SoilLayer_py_Type[call.layer];
  raise_error(engine, error.number != 0 ? error : errors::kRunModulusNotANumber,
              "The soil modulus of node " + std::to_string(station.index) + " in soil layer " +
                  std::to_string(call.layer) + " (" + std::string(criterion_long_name(code)) +
                  ") is not a number.",
              "Check the soil properties of the layer; a required value may have been left at "
              "zero.");
}

void accumulate_layer_resistance(Engine& engine, const Station& station, double previous_p_u,
                                 double p_u) {
  double& F = engine.py.FLayer[station.layer];
  if (station.first) {
    F = 0.0;
  } else {
    F += trapezoid(previous_p_u, p_u, engine.nodes.h);
  }
  if (station.last) F += p_u * (engine.soil.XLayerBottom[station.layer] - station.x);
}

SlopingGroundFactors sloping_ground_factors(double theta) {
  return sloping_ground_factors(theta, single(0.70710677f));
}

SlopingGroundFactors sloping_ground_factors(double theta, double half_root_two) {
  const double t = std::fabs(theta);
  constexpr double kQuarterPi = 0.7853981633974483;
  return {1.0 / (1.0 + std::tan(t)), std::cos(t) * half_root_two / std::cos(t + kQuarterPi)};
}

double clay_sloping_factor(const SlopingGroundFactors& factors, double theta, double Y) {
  auto sign = [](double v) { return std::fabs(v) <= 1e-20 ? 0 : (v > 0.0 ? 1 : -1); };
  const int deflection = sign(Y);
  const int slope = sign(theta);
  if (deflection == 0 || slope == 0) return 1.0;
  return deflection == slope ? factors.down : factors.up;
}

// ---- Report and plot writers ---------------------------------------------------------------

void report_title(Engine& engine, std::string_view title) {
  engine.run.report.blank();
  engine.run.report.put(title);
  engine.run.report.blank();
}

void report_value(Engine& engine, std::string_view label, double value, std::string_view unit) {
  engine.run.report.put(LabelledValue(label, value, unit));
}

void report_integer(Engine& engine, std::string_view label, long long value) {
  engine.run.report.put(LabelledInteger(label, value));
}

void report_text(Engine& engine, std::string_view label, std::string_view text) {
  engine.run.report.put(Line().a(label).tab(56).a("= ").a(text));
}

double report_depth_value(const Engine& engine, double depth) {
  return engine.options.IUNITS == kUnitsUS ? depth / 12.0 : depth;
}

void report_depth(Engine& engine, std::string_view label, double depth) {
  report_value(engine, label, report_depth_value(engine, depth), engine.run.labels.depth);
}

std::string number_text(double value) {
  Line line;
  WriteNumberField(line, value, 12);
  const std::string& text = line.str();
  const std::size_t start = text.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : text.substr(start);
}

std::string report_depth_text(const Engine& engine, double depth) {
  return number_text(report_depth_value(engine, depth)) + " " + engine.run.labels.depth;
}

void report_slope_angles(Engine& engine, std::string_view batter_label) {
  const PileInclination& inclination = engine.inclination;
  report_value(engine, "Ground Slope Angle", inclination.ground_slope * kDegreesPerRadian,
               "degrees");
  report_value(engine, batter_label, inclination.batter * kDegreesPerRadian, "degrees");
  report_value(engine, "Effective Slope", inclination.slope_minus_batter * kDegreesPerRadian,
               "degrees");
}

namespace {

// A printed curve is checked like the moduli of the nodes: a point that is not a number ends
// the run with the criterion's error, before it reaches the report.
void check_printed_point(Engine& engine, const PrintedCurve& curve, int point, double y,
                         double p) {
  if (std::isfinite(y) && std::isfinite(p)) return;
  const LayerCall& call = *curve.call;
  const ErrorId& error = call.entry->errors.modulus_not_a_number;
  const int code = engine.soil.i_SoilLayer_py_Type[call.layer];
  raise_error(engine, error.number != 0 ? error : errors::kRunModulusNotANumber,
              "Point " + std::to_string(point) + " of the printed p-y curve " +
                  std::to_string(curve.record) + " in soil layer " + std::to_string(call.layer) +
                  " (" + std::string(criterion_long_name(code)) + ") is not a number.",
              "Check the soil properties of the layer; a required value may have been left at "
              "zero.");
}

}  // namespace

void begin_printed_curve(Engine& engine, const PrintedCurve& curve, int points) {
  const PlotWords& words = curve.call->entry->words;
  const bool us = engine.options.IUNITS == kUnitsUS;
  const std::string_view line7 = !us && !words.line7_si.empty() ? words.line7_si : words.line7;
  PlotLine7(engine.run.plot, curve.depth, points, line7, curve.record, words.line7_tail);
  const UnitLabels& labels = engine.run.labels;
  TextFile& report = engine.run.report;
  report.blank();
  if (curve.heading.empty()) {
    report.put(
        Line().tab(6).a("y, ").a(labels.length).tab(24).a("p, ").a(labels.force_per_length));
  } else {
    report.put(curve.heading);
  }
  report.put("---------------   ---------------");
}

void write_curve_point(Engine& engine, const PrintedCurve& curve, int point, double y, double p,
                       std::string_view mark) {
  const PlotWords& words = curve.call->entry->words;
  const bool cyclic = engine.options.CyclicLoading;
  const std::string_view line8 =
      cyclic && !words.line8_cyclic.empty() ? words.line8_cyclic : words.line8;
  const double y_printed = y * curve.y_mult;
  const double p_printed = p * curve.p_mult;
  check_printed_point(engine, curve, point, y_printed, p_printed);
  engine.run.report.put(
      Line().e(y_printed, 15, 7).x(curve.row_gap).e(p_printed, 15, 7).a(mark));
  PlotLine8(engine.run.plot, y_printed, p_printed, point, line8, words.line8_k_width);
}

}  // namespace torva
