#include "pile/pile_views.h"

#include <cstddef>

#include "pile/pile_model.h"

namespace torva {

int EngineSections::section_count() const { return engine_.sections.count; }

int EngineSections::section_type(int section) const {
  return engine_.sections.table[section - 1].type;
}

double EngineSections::section_bottom(int section) const {
  return engine_.sections.table[section - 1].bottom;
}

double EngineSections::elastic_EI(double x) const { return section_properties_at(engine_, x).EI; }

TipShearView tip_shear_view(const Engine& engine) {
  const TipShearCurve& curve = engine.tip_shear;
  if (curve.count < 1) return {};
  const auto count = static_cast<std::size_t>(curve.count);
  return {std::span<const double>(&curve.deflection[1], count),
          std::span<const double>(&curve.shear[1], count)};
}

}  // namespace torva
