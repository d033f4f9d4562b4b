#include "input/unit_conversion.h"

#include "input/input_checks.h"

namespace torva {

namespace {

constexpr double kInchesPerFoot = 12.0;
constexpr double kSquareInchesPerSquareFoot = 144.0;
constexpr double kCubicInchesPerCubicFoot = 1728.0;

// Pile length, section lengths and depths, and the section point depths, feet to inches
// (every other section dimension is given in inches).
void convert_pile_sections_to_inches(Engine& engine) {
  Sections& sections = engine.sections;
  sections.pile_length *= kInchesPerFoot;
  for (SectionPoint& point : sections.points) point.depth *= kInchesPerFoot;
  sections.point_count = 2 * sections.count;
  for (PileSection& section : sections.table) {
    section.length *= kInchesPerFoot;
    section.top *= kInchesPerFoot;
    section.bottom *= kInchesPerFoot;
  }
}

void convert_soil_to_inches(Engine& engine) {
  SoilLayers& soil = engine.soil;
  SoilProfile& profile = engine.profile;
  soil.XS *= kInchesPerFoot;
  // Whole tables, whatever the number of layers.
  for (int i = 1; i <= kMaxLayers; ++i) {
    soil.XLayerTop[i] *= kInchesPerFoot;
    soil.XLayerBottom[i] *= kInchesPerFoot;
  }
  for (int k = 1; k <= kProfileRows; ++k) {
    profile.XProfile[k] *= kInchesPerFoot;
    profile.gamma_depth[k] *= kInchesPerFoot;
    profile.c[k] /= kSquareInchesPerSquareFoot;
    profile.gamma[k] /= kCubicInchesPerCubicFoot;
  }
  // Rock strengths share the strength column but are given in psi: restore them.
  for (int i = 1; i <= soil.count; ++i) {
    const int code = soil.i_SoilLayer_py_Type[i];
    if (code != criterion::kWeakRock && code != criterion::kVuggyLimestone) continue;
    profile.c[2 * i - 1] *= kSquareInchesPerSquareFoot;
    profile.c[2 * i] *= kSquareInchesPerSquareFoot;
  }
}

// Depths of the other tables given along the pile in feet. Distributed loads, the tip shear
// curve and the soil movements themselves are given in inch-pound units and stay as read.
void convert_depth_tables_to_inches(Engine& engine) {
  for (int k = 1; k <= kMaxSoilMovementPoints; ++k) {
    engine.soil_movement.depth[k] *= kInchesPerFoot;
  }
  for (int k = 0; k < engine.control.output_depth_count; ++k) {
    engine.control.output_depths[k].depth *= kInchesPerFoot;
  }
  for (int k = 1; k <= kMaxGroupFactorRows; ++k) engine.group_factors.depth[k] *= kInchesPerFoot;
  for (int k = 1; k <= kProfileRows; ++k) engine.user_py.curve[k].depth *= kInchesPerFoot;
}

}  // namespace

void convert_input_units_us(Engine& engine) {
  if (engine.options.IUNITS == kUnitsUS && !engine.run.input_converted) {
    convert_pile_sections_to_inches(engine);
    convert_soil_to_inches(engine);
    convert_depth_tables_to_inches(engine);
  }
  engine.run.input_converted = true;
  check_input_values(engine);
}

void convert_input_units_other(Engine& engine) {
  engine.run.input_converted = true;
  check_input_values(engine);
}

}  // namespace torva
