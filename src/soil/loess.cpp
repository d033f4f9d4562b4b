#include "soil/loess.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "model/single_precision.h"
#include "soil/soil_profile.h"

namespace torva {

namespace {

constexpr double kMostCycles = single(10.1f);
// Below this deflection the modulus is the limit of p / y, the initial modulus.
constexpr double kSmallDeflection = single(1e-14f);

// Input Data Error No. 70: the curve is valid for 1 to 10 cycles of loading.
[[noreturn]] void report_too_many_cycles(Engine& engine, const LayerCall& call, double N) {
  write_report_then_message(
      engine,
      {"", error_banner(errors::kInputLoessCycles.number), "",
       "PROBLEM: Soil layer " + std::to_string(call.layer) +
           " is a loess and the input value for the number of cycles of loading = " +
           number_text(N),
       "This value is greater than 10. The soil model for loess is valid only for 1 to 10 "
       "cycles of loading. ",
       "SOLUTION: Revise the input data so that the number of cycles of loading is in the range "
       "of 1 to 10."});
  stop_run(engine, errors::kInputLoessCycles);
}

// The number of cycles the curve uses: the run's, checked, and at least 1. Below one cycle
// 1 + 0.24 ln N falls to 0 near N = 0.0155 and below it, and leaves no resistance at N = 0 (the
// usual value of a static run).
double cycles_used(Engine& engine, const LayerCall& call) {
  const double N = std::fabs(engine.options.NumCycles);
  if (N > kMostCycles) report_too_many_cycles(engine, call, N);
  return std::max(N, 1.0);
}

LoessAtDepth resolve(const Engine& engine, const LayerCall& call, const Station& s, double N) {
  const double q_c = fn_value_in_layer(engine, engine.profile.cone_tip, call.layer, s.X);
  return loess_at_depth(q_c, s.z, s.b, N, loess_reference_deflection(engine.options.IUNITS));
}

void report_block(Engine& engine, const LayerCall& call, const Station& s, const LoessAtDepth& d) {
  const UnitLabels& labels = engine.run.labels;
  report_title(engine, "p-y Curve for Loess");
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_value(engine, "Shaft Diameter", s.b, labels.length);
  report_value(engine, d.near_surface ? "Depth Adj. Cone tip resistance" : "Cone tip resistance",
               d.q_a, labels.stress);
  report_value(engine, "Initial Modulus, Ei", d.curve.E_i, labels.stress);
  report_value(engine, "p_u0", d.p_u0, labels.stress);
  report_value(engine, "p_u", d.curve.p_u, labels.force_per_length);
  report_value(engine, "Number of Cycles of Loading", d.N, "cycles");
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
}

}  // namespace

double loess_p(const LoessCurve& c, double y) {
  const double r = y / c.y_ref;
  return c.E_i * y / (1.0 + r * (1.0 + 0.1 * std::exp(-r)));
}

double loess_reference_deflection(int units) { return units == kUnitsUS ? 0.117 : 0.0029718; }

LoessAtDepth loess_at_depth(double q_c, double z, double b, double N, double y_ref) {
  LoessAtDepth d;
  d.q_c = q_c;
  d.N = N;
  d.near_surface = z < 2.0 * b;
  d.q_a = d.near_surface ? q_c * (z / (2.0 * b) + 0.5) : q_c;
  d.p_u0 = 0.409 * d.q_a;
  d.curve.y_ref = y_ref;
  d.curve.p_u = b * d.p_u0 / (1.0 + 0.24 * std::log(N));
  d.curve.E_i = d.curve.p_u / y_ref;
  return d;
}

// Loess takes no part in the layered-soil correction: it accumulates no resistance for the
// layers below. The curve of a node depends on its depth, the cone tip resistance and the
// number of cycles of the run alone: it is worked out at the first pass of a solution and read
// back by the passes after it.
void loess_moduli(Engine& engine, const LayerCall& call) {
  const double N = cycles_used(engine, call);
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const LoessCurve curve = kept_node_curve<LoessCurve>(
        engine, s, [&](StationWarnings&) { return resolve(engine, call, s, N).curve; });
    const double Es = s.y >= kSmallDeflection
                          ? (s.p_mult / s.y_mult) * (loess_p(curve, s.y) / s.y)
                          : curve.E_i * s.p_mult / s.y_mult;
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);
  }
}

void loess_curves(Engine& engine, const LayerCall& call) {
  const double N = cycles_used(engine, call);
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    const LoessAtDepth d = resolve(engine, call, s, N);
    report_block(engine, call, s, d);
    std::array<double, 17> ys{};
    for (std::size_t j = 0; j < ys.size(); ++j) ys[j] = kLoessPointFactors[j] * d.curve.y_ref;
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    write_printed_curve(engine, printed, ys, [&](int, double y) { return loess_p(d.curve, y); });
  }
}

}  // namespace torva
