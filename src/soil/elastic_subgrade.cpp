#include "soil/elastic_subgrade.h"

#include <array>

#include "soil/soil_profile.h"

namespace torva {

namespace {

ElasticSubgradeAtDepth resolve(const Engine& engine, const LayerCall& call, const Station& s) {
  return {subgrade_modulus_at(engine, call.layer, s.X), s.b};
}

void report_block(Engine& engine, const LayerCall& call, const Station& s,
                  const ElasticSubgradeAtDepth& soil) {
  const UnitLabels& labels = engine.run.labels;
  report_title(engine, "p-y Curve for Elastic Subgrade");
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_value(engine, "Shaft Diameter", s.b, labels.length);
  report_value(engine, "Elastic Subgrade Modulus", soil.E_k, labels.subgrade_modulus);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
}

}  // namespace

double subgrade_modulus_at(const Engine& engine, int layer, double X) {
  return fn_value_in_layer(engine, engine.profile.elastic_subgrade, layer, X);
}

void elastic_subgrade_moduli(Engine& engine, const LayerCall& call) {
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const ElasticSubgradeAtDepth soil = resolve(engine, call, s);
    const double Es = s.p_mult * soil.E_k * soil.b / s.y_mult;
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);
  }
}

void elastic_subgrade_curves(Engine& engine, const LayerCall& call) {
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    const ElasticSubgradeAtDepth soil = resolve(engine, call, s);
    report_block(engine, call, s, soil);
    std::array<double, 17> ys{};
    for (int j = 1; j <= 17; ++j) ys[static_cast<std::size_t>(j - 1)] = (j - 1) * s.b / 8.0;
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    write_printed_curve(engine, printed, ys,
                        [&](int, double y) { return elastic_subgrade_p(soil, y); });
  }
}

}  // namespace torva
