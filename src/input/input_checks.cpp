#include "input/input_checks.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "engine/errors.h"
#include "input/reader_text.h"

namespace torva {

namespace {

bool out_of_range(double value) {
  return !std::isfinite(value) || std::fabs(value) > kLargestInputValue;
}

const std::vector<StoredReal>& stored_reals(const Engine& engine) {
  static const std::vector<StoredReal> kNone;
  return engine.run.input ? engine.run.input->stored_reals() : kNone;
}

// The record that last stored a value of the model; nullptr for a value no record stored.
const StoredReal* origin_of(const Engine& engine, const double& value) {
  const std::vector<StoredReal>& stored = stored_reals(engine);
  for (auto entry = stored.rbegin(); entry != stored.rend(); ++entry) {
    if (entry->target == &value) return &*entry;
  }
  return nullptr;
}

std::string with_line(const Engine& engine, const double& value) {
  const StoredReal* origin = origin_of(engine, value);
  return origin ? " (line " + std::to_string(origin->line) + ")" : std::string();
}

// A value as the input gave it (before its conversion to the units of the analysis).
double as_given(const Engine& engine, const double& value) {
  const StoredReal* origin = origin_of(engine, value);
  return origin ? origin->value : value;
}

// Whether a stored value lies in the model (and not in a reader's local variable, which is
// gone by now).
bool in_model(const Engine& engine, const double* target) {
  const auto address = reinterpret_cast<std::uintptr_t>(target);
  const auto first = reinterpret_cast<std::uintptr_t>(&engine);
  return address >= first && address < first + sizeof(Engine);
}

[[noreturn]] void value_range_error(Engine& engine, int line, double value, bool converted) {
  raise_error(engine, errors::kInputValueRange,
              "Line " + std::to_string(line) + " of the input data file gives the value " +
                  value_text(value) +
                  (converted ? " once converted to the units of the analysis" : "") +
                  ", which is not a finite number of magnitude 1e30 or less.",
              "Correct the value on that line; lengths, loads and properties must be finite "
              "numbers of magnitude 1e30 or less.");
}

// ---------------------------------------------------------------------------------------------
// Soil properties and pile widths (input error 34)

struct PropertyRecord {
  Engine& engine;
  int layer;
  bool top;
};

[[noreturn]] void property_error(const PropertyRecord& record, const char* name,
                                 const double& value, const char* allowed) {
  const int code = record.engine.soil.i_SoilLayer_py_Type[record.layer];
  raise_error(record.engine, errors::kInputPhysicalRange,
              std::string("The ") + (record.top ? "top" : "bottom") +
                  " property record of soil layer " + std::to_string(record.layer) + " (" +
                  CriterionNameTable[code] + ") gives " + name + " = " +
                  value_text(as_given(record.engine, value)) + with_line(record.engine, value) +
                  ".",
              std::string("Give ") + allowed + ".");
}

void not_negative(const PropertyRecord& record, const char* name, const double& value) {
  if (value < 0.0) {
    property_error(record, name, value, (std::string(name) + " a value of 0 or more").c_str());
  }
}

void friction_angle(const PropertyRecord& record, const double& phi) {
  if (phi >= 0.0 && phi < 90.0) return;
  property_error(record, "the friction angle phi", phi,
                 "a friction angle of 0 degrees or more and less than 90 degrees");
}

// k of the layer record: 0 asks for the default; stiff clay also keeps a k top of -1 and
// replaces a k bottom of 0 or less by the k top.
void subgrade_modulus(const PropertyRecord& record, const double& k) {
  const int code = record.engine.soil.i_SoilLayer_py_Type[record.layer];
  const bool stiff_clay =
      code == criterion::kStiffClayWithWater || code == criterion::kStiffClayWithoutWaterK;
  if (stiff_clay && (!record.top || k == -1.0)) return;
  if (k < 0.0) {
    property_error(record, "the subgrade modulus k", k,
                   "a subgrade modulus k greater than 0, or 0 for the default value");
  }
}

void check_property_record(Engine& engine, int layer, bool top) {
  const SoilProfile& p = engine.profile;
  const SoilLayers& soil = engine.soil;
  const int row = top ? 2 * layer - 1 : 2 * layer;
  const double& k = top ? soil.k_top[layer] : soil.k_bottom[layer];
  const PropertyRecord record{engine, layer, top};
  using namespace criterion;
  const int code = soil.i_SoilLayer_py_Type[layer];
  if (code == kFrozenSoil) return;
  not_negative(record, "the effective unit weight", p.gamma[row]);
  switch (code) {
    case kSoftClay:
    case kStiffClayWithoutWater:
    case kSoftClayJ:
    case kStiffClayWithWater:
    case kStiffClayWithoutWaterK:
      not_negative(record, "the undrained shear strength c", p.c[row]);
      not_negative(record, "the strain eps50", p.eps50[row]);
      if (code == kSoftClayJ) not_negative(record, "the factor J", p.J[row]);
      if (code == kStiffClayWithWater || code == kStiffClayWithoutWaterK) {
        subgrade_modulus(record, k);
      }
      break;
    case kSand:
    case kApiSand:
      friction_angle(record, p.phi[row]);
      subgrade_modulus(record, k);
      break;
    case kCementedSilt:
      not_negative(record, "the cohesion c", p.c[row]);
      friction_angle(record, p.phi[row]);
      not_negative(record, "the strain eps50", p.eps50[row]);
      subgrade_modulus(record, k);
      break;
    case kWeakRock:
      // The initial rock modulus has its own error (64).
      not_negative(record, "the uniaxial compressive strength q_u", p.c[row]);
      not_negative(record, "the RQD", p.RQD[row]);
      not_negative(record, "the strain k_rm", p.eps50[row]);
      break;
    case kVuggyLimestone:
      not_negative(record, "the uniaxial compressive strength q_u", p.c[row]);
      break;
    case kMassiveRock:
      not_negative(record, "the uniaxial compressive strength q_u", p.rock_qu[row]);
      break;
    case kElasticSubgrade:
      not_negative(record, "the elastic subgrade modulus", p.elastic_subgrade[row]);
      break;
    default:  // liquefied sand, Piedmont residual soil, loess, user-input curves: unit weight
      break;  // only here (their field-test values and curves are checked as they are read)
  }
}

// The width facing the soil of the sections whose outline is not sliced (the elastic and
// elastic-plastic sections and those given by moment-stiffness curves); the section analysis
// checks the outline of every other section.
void check_pile_widths(Engine& engine) {
  const Sections& sections = engine.sections;
  for (int n = 1; n <= sections.count; ++n) {
    const PileSection& s = sections.table[n - 1];
    if (s.type != kElasticPile && s.type != kElasticPlastic && s.type != kUserDefinedEI) continue;
    const bool pole = s.type != kUserDefinedEI && s.shape == kShapeEmbeddedPole;
    for (const bool top : {true, false}) {
      const SectionPoint& point = sections.points[2 * n - (top ? 2 : 1)];
      const std::pair<const char*, double> widths[] = {
          {pole ? "the drilled hole diameter" : "the pile width", point.width},
          {"the pole width", pole ? point.pole_width : 1.0}};
      for (const auto& [name, width] : widths) {
        if (width > 0.0) continue;
        raise_error(engine, errors::kInputPhysicalRange,
                    "Pile section " + std::to_string(n) + " has " + name + " " + value_text(width) +
                        " " + engine.run.labels.length + " at its " + (top ? "top" : "bottom") +
                        ".",
                    "Give the section a width greater than zero.");
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Depth tables (input error 35)

template <typename DepthColumn>
void check_ascending(Engine& engine, const std::string& table, const DepthColumn& depth,
                     int count) {
  for (int k = 2; k <= count; ++k) {
    if (depth[k] >= depth[k - 1]) continue;
    raise_error(engine, errors::kInputDepthOrder,
                "Row " + std::to_string(k) + " of " + table + with_line(engine, depth[k]) +
                    " lies above row " + std::to_string(k - 1) + ".",
                "Give the rows from the shallowest to the deepest.");
  }
}

void check_depth_tables(Engine& engine) {
  if (engine.options.UseSoilMovement) {
    check_ascending(engine, "the soil movements", engine.soil_movement.depth,
                    engine.soil_movement.count);
  }
  check_ascending(engine, "the p-y modification factors", engine.group_factors.depth,
                  engine.group_factors.count);
  check_ascending(engine, "the distributed load", engine.loading.distributed.depth,
                  engine.loading.distributed.count);
  for (int j = 1; j <= engine.lrfd.group_count; ++j) {
    check_ascending(engine, "the distributed load of LRFD loading group " + std::to_string(j),
                    engine.lrfd.groups[j].distributed.depth,
                    engine.lrfd.groups[j].distributed.count);
  }
}

}  // namespace

void check_read_values(Engine& engine, std::size_t first) {
  const std::vector<StoredReal>& stored = stored_reals(engine);
  for (std::size_t n = first; n < stored.size(); ++n) {
    if (out_of_range(*stored[n].target)) {
      value_range_error(engine, stored[n].line, *stored[n].target, false);
    }
  }
}

void check_input_values(Engine& engine) {
  const std::vector<StoredReal>& stored = stored_reals(engine);
  // The latest read of a value names its line.
  for (auto entry = stored.rbegin(); entry != stored.rend(); ++entry) {
    if (in_model(engine, entry->target) && out_of_range(*entry->target)) {
      value_range_error(engine, entry->line, *entry->target, true);
    }
  }
  for (int layer = 1; layer <= engine.soil.count; ++layer) {
    check_property_record(engine, layer, true);
    check_property_record(engine, layer, false);
  }
  check_pile_widths(engine);
  check_depth_tables(engine);
}

}  // namespace torva
