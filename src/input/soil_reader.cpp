#include "input/soil_reader.h"

#include <string>

#include "engine/errors.h"
#include "input/input_file.h"
#include "input/reader_text.h"

namespace torva {

namespace {

std::string layer_text(int layer) { return "soil layer " + std::to_string(layer); }

void check_layer_count(Engine& engine, int count) {
  const bool too_many = count > kMaxLayers;
  // Bending-property runs do not use the soil, so they may leave it out.
  const bool too_few = count < 1 && engine.options.i_Analysis_Type != kBendingPropertiesOnly;
  if (!too_many && !too_few) return;
  raise_error(engine, errors::kInputLayerCount,
              "The SOIL LAYERS section gives " + std::to_string(count) + " soil layers (" +
                  line_text(engine) + ").",
              "Give 1 to " + std::to_string(kMaxLayers) + " soil layers.");
}

void check_criterion_code(Engine& engine, int layer, int code) {
  if (code >= criterion::kFirst && code <= criterion::kLast) return;
  raise_error(engine, errors::kInputCriterionCode,
              "Soil layer " + std::to_string(layer) + " names the p-y criterion code " +
                  std::to_string(code) + " (" + line_text(engine) + ").",
              "Use a criterion code from 1 to 17.");
}

// The points of one user-input p-y curve, after its record of unit weight and point count.
void read_user_curve(Engine& engine, int layer, int row, int count, bool top) {
  const std::string curve_name =
      std::string(top ? "the top" : "the bottom") + " p-y curve of " + layer_text(layer);
  if (count < 2 || count > kMaxUserPYPoints) {
    raise_error(engine, errors::kInputUserPYCurve,
                "The user-input p-y curve at " + std::string(top ? "the top" : "the bottom") +
                    " of " + layer_text(layer) + " has a point count of " + std::to_string(count) +
                    " (" + line_text(engine) + ").",
                "Give 2 to " + std::to_string(kMaxUserPYPoints) + " points per curve.");
  }
  UserPYCurve& curve = engine.user_py.curve[row];
  for (int k = 1; k <= count; ++k) {
    read_record(engine, "a point (y, p) of " + curve_name, {&curve.y[k], &curve.p[k]});
    if (k == 1 && curve.y[1] < 0.0) {
      raise_error(engine, errors::kInputUserPYCurve,
                  "The first deflection of " + curve_name + " is " + value_text(curve.y[1]) +
                      " (" + line_text(engine) + "), below 0.",
                  "Give the points from a deflection of 0 or more, in order of increasing "
                  "deflection y.");
    }
    if (k > 1 && !(curve.y[k] > curve.y[k - 1])) {
      raise_error(engine, errors::kInputUserPYCurve,
                  "The deflections of " + curve_name + " do not ascend: point " +
                      std::to_string(k) + " (" + line_text(engine) + ") is not beyond point " +
                      std::to_string(k - 1) + ".",
                  "Give the points in order of increasing deflection y.");
    }
  }
  curve.count = count;
}

// A field-test value the layer's criterion reads (its test's column for Piedmont residual
// soil, the cone tip resistance for loess) must not be negative; zero is accepted.
void check_field_test_value(Engine& engine, int layer, bool top, const char* name, double value) {
  if (!(value < 0.0)) return;
  raise_error(engine, errors::kInputFieldTestValue,
              "The " + std::string(top ? "top" : "bottom") + " property record of " +
                  layer_text(layer) + " gives " + name + " = " + value_text(value) + " (" +
                  line_text(engine) + ").",
              "Give a field-test value of 0 or more.");
}

// The column of the Piedmont residual soil test type, by which a layer reads its test value.
double piedmont_test_value(const SoilProfile& p, int row, int type, const char*& name) {
  switch (type) {
    case field_test::kSPT:
      name = "the SPT blow count N60";
      return p.spt_n60[row];
    case field_test::kCPT:
      name = "the cone tip resistance q_c";
      return p.cone_tip[row];
    case field_test::kDMT:
      name = "the dilatometer modulus E_dmt";
      return p.dilatometer_modulus[row];
    default:
      name = "the pressuremeter modulus E_pmt";
      return p.pressuremeter_modulus[row];
  }
}

// One property record of layer `layer` into profile row `row` (the top row when `top`).
void read_property_record(Engine& engine, int layer, int row, bool top) {
  SoilLayers& soil = engine.soil;
  SoilProfile& p = engine.profile;
  const int code = soil.i_SoilLayer_py_Type[layer];
  double& k = top ? soil.k_top[layer] : soil.k_bottom[layer];
  const std::string what = std::string(top ? "the top" : "the bottom") + " property record of " +
                           layer_text(layer) + " (" + CriterionNameTable[code] + ")";
  using namespace criterion;
  switch (code) {
    case kSoftClay:
    case kStiffClayWithoutWater:
      read_record(engine, what, {&p.gamma[row], &p.c[row], &p.eps50[row]});
      break;
    case kSoftClayJ:
      read_record(engine, what, {&p.gamma[row], &p.c[row], &p.eps50[row], &p.J[row]});
      break;
    case kStiffClayWithWater:
    case kStiffClayWithoutWaterK:
      read_record(engine, what, {&p.gamma[row], &p.c[row], &p.eps50[row], &k});
      break;
    case kSand:
    case kApiSand:
      read_record(engine, what, {&p.gamma[row], &p.phi[row], &k});
      break;
    case kLiquefiedSand:
      read_record(engine, what, {&p.gamma[row]});
      break;
    case kWeakRock:
      read_record(engine, what, {&p.gamma[row], &p.c[row], &k, &p.RQD[row], &p.eps50[row]});
      break;
    case kVuggyLimestone:
      read_record(engine, what, {&p.gamma[row], &p.c[row]});
      break;
    case kPiedmont:
      read_record(engine, what,
                  {&p.gamma[row], &p.field_test_type[row], &p.spt_n60[row], &p.cone_tip[row],
                   &p.dilatometer_modulus[row], &p.pressuremeter_modulus[row]});
      if (p.field_test_type[row] < field_test::kSPT || p.field_test_type[row] > field_test::kPMT) {
        raise_error(engine, errors::kInputPiedmontTest,
                    "Soil layer " + std::to_string(layer) +
                        " (Piedmont residual soil) names the field test type " +
                        std::to_string(p.field_test_type[row]) + " (" + line_text(engine) + ").",
                    "Use 1 (SPT), 2 (CPT), 3 (DMT) or 4 (PMT).");
      }
      {
        // The layer reads the column of the test named with its top values.
        const char* name = "";
        const double v = piedmont_test_value(p, row, p.field_test_type[2 * layer - 1], name);
        check_field_test_value(engine, layer, top, name, v);
      }
      break;
    case kCementedSilt:
      read_record(engine, what, {&p.gamma[row], &p.c[row], &p.phi[row], &p.eps50[row], &k});
      break;
    case kLoess:
      read_record(engine, what, {&p.gamma[row], &p.cone_tip[row]});
      check_field_test_value(engine, layer, top, "the cone tip resistance q_c", p.cone_tip[row]);
      break;
    case kElasticSubgrade:
      read_record(engine, what, {&p.gamma[row], &p.elastic_subgrade[row]});
      break;
    case kUserPY: {
      int count = engine.user_py.curve[row].count;
      read_record(engine, what, {&p.gamma[row], &count});
      read_user_curve(engine, layer, row, count, top);
      break;
    }
    case kMassiveRock:
      read_record(engine, what,
                  {&p.gamma[row], &p.rock_qu[row], &p.rock_type[row], &p.rock_extra1[row],
                   &p.rock_extra2[row]});
      break;
    default:  // frozen soil has no property records
      break;
  }
}

// A layer must lie below the one above it: with the tops made contiguous (layer 1 from the
// ground surface, every other layer from the bottom of the layer above) each layer needs a
// positive thickness.
void check_layer_thickness(Engine& engine) {
  const SoilLayers& soil = engine.soil;
  for (int i = 1; i <= soil.count; ++i) {
    const double top = contiguous_layer_top(soil, i);
    if (soil.XLayerBottom[i] > top) continue;
    raise_error(engine, errors::kInputLayerThickness,
                "Soil layer " + std::to_string(i) + " has no thickness: its bottom depth " +
                    value_text(soil.XLayerBottom[i]) + " is not below its top depth " +
                    value_text(top) +
                    (i == 1 ? std::string(".") : std::string(" (the bottom of the layer above).")),
                "Give every soil layer a bottom deeper than its top and than the bottom of the "
                "layer above it.");
  }
}

}  // namespace

void read_soil_layers(Engine& engine) {
  engine.run.message.put("Reading soil layering data");
  int count = 0;
  read_record(engine, "the number of soil layers", {&count});
  check_layer_count(engine, count);
  SoilLayers& soil = engine.soil;
  SoilProfile& profile = engine.profile;
  int rows = 0;
  for (int i = 1; i <= count; ++i) {
    read_record(engine, "the criterion code and depths of " + layer_text(i),
                {&soil.i_SoilLayer_py_Type[i], &soil.XLayerTop[i], &soil.XLayerBottom[i]});
    check_criterion_code(engine, i, soil.i_SoilLayer_py_Type[i]);
    const int top_row = 2 * i - 1;
    const int bottom_row = 2 * i;
    if (soil.i_SoilLayer_py_Type[i] == criterion::kUserPY) {
      engine.user_py.curve[top_row].depth = soil.XLayerTop[i];
      engine.user_py.curve[bottom_row].depth = soil.XLayerBottom[i];
    }
    read_property_record(engine, i, top_row, true);
    read_property_record(engine, i, bottom_row, false);
    rows += 2;
    profile.XProfile[top_row] = profile.gamma_depth[top_row] = soil.XLayerTop[i];
    profile.XProfile[bottom_row] = profile.gamma_depth[bottom_row] = soil.XLayerBottom[i];
  }
  profile.row_count = rows;
  soil.count = rows / 2;
  soil.XS = soil.XLayerTop[1];
  if (engine.options.i_Analysis_Type != kBendingPropertiesOnly) check_layer_thickness(engine);
}

}  // namespace torva
