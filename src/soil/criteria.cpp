#include "soil/criteria.h"

#include <string>

#include "report/fields.h"
#include "soil/py_framework.h"

namespace torva {

namespace {

std::string_view trim_trailing_blanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

}  // namespace

const CriterionEntry* find_criterion(std::string_view short_name) {
  const std::string_view name = trim_trailing_blanks(short_name);
  for (const CriterionEntry& entry : kCriteria) {
    if (trim_trailing_blanks(entry.key) == name) return &entry;
  }
  return nullptr;
}

const CriterionEntry* criterion_of_layer(const Engine& engine, int layer) {
  const int code = engine.soil.i_SoilLayer_py_Type[layer];
  if (code < 1 || code > kCriterionCodes) return nullptr;
  return find_criterion(CriterionNameTable[code]);
}

bool spring_on_soil_movement(const Engine& engine, int node) {
  const SoilLayers& soil = engine.soil;
  for (int i = 1; i <= soil.count; ++i) {
    if (soil.first_node[i] == 0 || node < soil.first_node[i] || node > soil.last_node[i]) continue;
    const CriterionEntry* entry = criterion_of_layer(engine, i);
    return entry == nullptr || entry->spring_on_soil_movement;
  }
  return true;
}

// No p-y criterion exists for frozen soil: leaving its nodes on the starting modulus would
// report a solution that no soil data supports.
void frozen_soil_moduli(Engine& engine, const LayerCall& call) {
  if (call.last < call.first) return;
  const SoilLayers& soil = engine.soil;
  const int i = call.layer;
  raise_error(engine, errors::kRunFrozenSoilNode,
              "Soil layer " + std::to_string(i) + " (frozen soil, from " +
                  report_depth_text(engine, soil.XLayerTop[i]) + " to " +
                  report_depth_text(engine, soil.XLayerBottom[i]) + ") holds pile nodes " +
                  std::to_string(call.first) + " to " + std::to_string(call.last) +
                  ", and no p-y curve is defined for frozen soil.",
              "Describe the frozen soil with one of the other p-y criteria, or end the pile "
              "above the layer.");
}

}  // namespace torva
