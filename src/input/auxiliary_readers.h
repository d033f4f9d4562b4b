// The smaller sections: lateral soil movements, p-y modification factors for group action,
// ground slope and pile batter, and the shear resistance curve at the pile tip.
#pragma once

#include "model/engine.h"

namespace torva {

void read_soil_movements(Engine& engine);        // SOIL MOVEMENTS
void read_group_effect_factors(Engine& engine);  // GROUP EFFECT FACTORS, GROUPEFF
void read_batter_and_slope(Engine& engine);      // PILE BATTER AND SLOPE
void read_tip_shear(Engine& engine);             // TIP SHEAR

// After END: p-y modifiers requested by the options need a table of at least one row.
void check_group_factors_given(Engine& engine);

}  // namespace torva
