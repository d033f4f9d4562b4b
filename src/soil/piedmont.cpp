#include "soil/piedmont.h"

#include <cmath>
#include <string>

#include "engine/errors.h"
#include "model/single_precision.h"
#include "soil/soil_profile.h"

namespace torva {

namespace {

constexpr double kMetresPerInch = single(0.0254f);
constexpr double kKPaPerPsi = single(6.894757f);
// Below this deflection the modulus is the initial modulus.
constexpr double kSmallDeflection = single(1e-14f);

const OneBased<double, kProfileRows>& test_column(const SoilProfile& profile, int type) {
  switch (type) {
    case field_test::kSPT:
      return profile.spt_n60;
    case field_test::kCPT:
      return profile.cone_tip;
    case field_test::kDMT:
      return profile.dilatometer_modulus;
    default:
      return profile.pressuremeter_modulus;
  }
}

// What a station resolves to: the layer's test and its value at the depth, and the curve.
struct PiedmontAtDepth {
  int type = 0;
  double v = 0.0;
  PiedmontCurve curve;
};

// Runtime Error No. 52: the field-test factors exist for US customary and SI units only.
[[noreturn]] void report_no_factors(Engine& engine, const LayerCall& call) {
  raise_error(engine, errors::kRunPiedmontFactors,
              "Soil layer " + std::to_string(call.layer) +
                  " (Piedmont residual soil) needs the soil modulus factor of its field test, "
                  "which is defined for US customary and SI units only.",
              "Use US customary or SI units for a run with Piedmont residual soil.");
}

PiedmontAtDepth resolve(Engine& engine, const LayerCall& call, const Station& s) {
  PiedmontAtDepth d;
  // The type is given with the values of the layer top; input error 90 keeps it in 1 to 4.
  d.type = engine.profile.field_test_type[2 * call.layer - 1];
  d.v = fn_value_in_layer(engine, test_column(engine.profile, d.type), call.layer, s.X);
  const std::optional<double> E_s = piedmont_modulus_factor(d.type, engine.options.IUNITS, d.v);
  if (!E_s) report_no_factors(engine, call);
  d.curve = piedmont_curve(s.b, *E_s);
  return d;
}

void report_block(Engine& engine, const LayerCall& call, const Station& s,
                  const PiedmontAtDepth& d) {
  const UnitLabels& labels = engine.run.labels;
  report_title(engine, "p-y Curve Computed Using the Piedmont Residual Soil Criteria");
  report_integer(engine, "Soil Layer Number", call.layer);
  report_depth(engine, "Depth below pile head", s.X);
  report_depth(engine, "Depth below ground surface", s.z);
  report_value(engine, "Shaft Diameter", s.b, labels.length);
  switch (d.type) {
    case field_test::kSPT:
      report_text(engine, "Type of Field Test", "Standard Penetration Test");
      report_value(engine, "SPT  N60-value", d.v, "");
      break;
    case field_test::kCPT:
      report_text(engine, "Type of Field Test", "Cone Penetration Test");
      report_value(engine, "CPT qc", d.v, labels.stress);
      break;
    case field_test::kDMT:
      report_text(engine, "Type of Field Test", "Dilatometer Test");
      report_value(engine, "DMT Edmt", d.v, labels.stress);
      break;
    default:
      report_text(engine, "Type of Field Test", "Pressuremeter Test");
      report_value(engine, "DMT Epmt    ", d.v, labels.stress);
      break;
  }
  report_value(engine, "Initial p-y Modulus from Field Tests", d.curve.K_i, labels.stress);
  report_value(engine, "p-multiplier", s.p_mult, "");
  report_value(engine, "y-multiplier", s.y_mult, "");
}

}  // namespace

PiedmontCurve piedmont_curve(double b, double E_s) {
  PiedmontCurve c;
  c.b = b;
  c.E_s = E_s;
  c.y_1 = single(0.001f) * b;
  c.y_2 = single(0.0375f) * b;
  c.K_i = b * E_s;
  c.p_max = 0.008112028136109242 * b * b * E_s;
  return c;
}

double piedmont_p(const PiedmontCurve& c, double y) {
  if (y < c.y_1) return c.K_i * y;
  if (y < c.y_2) return c.E_s * y * (1.0 - 0.21624703162973105 * std::log(1000.0 * y / c.b)) * c.b;
  return c.p_max;
}

std::optional<double> piedmont_modulus_factor(int type, int units, double v) {
  if (units == kUnitsUS) {
    switch (type) {
      case field_test::kSPT:
        return 22.0 * v;
      case field_test::kCPT:
        return 0.8135813628874473 * v;
      case field_test::kDMT:
        return 0.076 * v;
      case field_test::kPMT:
        return 0.235 * v;
      default:
        return std::nullopt;
    }
  }
  if (units == kUnitsSI) {
    switch (type) {
      case field_test::kSPT:
        return 151.68465995788574 * v / kMetresPerInch;
      case field_test::kCPT:
        return 0.8135813628874473 * v / kMetresPerInch;
      case field_test::kDMT:
        return (v / kKPaPerPsi) * 0.5240015357324452 / kMetresPerInch;
      case field_test::kPMT:
        return (v / kKPaPerPsi) * 1.6202679545314567 / kMetresPerInch;
      default:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

std::array<double, 17> piedmont_points(const PiedmontCurve& c) {
  std::array<double, 17> y{};
  y[0] = 0.0;
  y[1] = c.y_1;
  for (int k = 3; k <= 15; ++k) y[k - 1] = c.y_1 + (k - 2) * (c.y_2 - c.y_1) / 14.0;
  y[15] = c.y_2;
  y[16] = 1.05 * c.y_2;
  return y;
}

// The curve of a node depends on its depth and the field test alone: it is worked out at the
// first pass of a solution and read back by the passes after it.
void piedmont_moduli(Engine& engine, const LayerCall& call) {
  for (int n = call.first; n <= call.last; ++n) {
    const Station s = node_station(engine, call, n);
    const PiedmontCurve curve = kept_node_curve<PiedmontCurve>(
        engine, s, [&](StationWarnings&) { return resolve(engine, call, s).curve; });
    const double Es = s.y >= kSmallDeflection
                          ? (piedmont_p(curve, s.y) / s.y) * s.p_mult / s.y_mult
                          : curve.K_i / s.y_mult;
    check_modulus(engine, call, s, Es, call.entry->errors.modulus_not_a_number);
    set_node_modulus(engine, s, Es);
  }
}

void piedmont_curves(Engine& engine, const LayerCall& call) {
  for (int k = call.first; k <= call.last; ++k) {
    const Station s = output_station(engine, call, k);
    const PiedmontAtDepth d = resolve(engine, call, s);
    report_block(engine, call, s, d);
    const std::array<double, 17> ys = piedmont_points(d.curve);
    const PrintedCurve printed{&call, k, s.X, s.y_mult, s.p_mult};
    write_printed_curve(engine, printed, ys, [&](int, double y) { return piedmont_p(d.curve, y); });
  }
}

}  // namespace torva
