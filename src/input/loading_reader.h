// The pile-head load cases: the LOADING section with its distributed lateral load, the AXIAL
// THRUST LOADS section of bending-property runs, and the list of distinct axial thrusts that
// the section analysis works through, derived once the whole file has been read.
#pragma once

#include "model/engine.h"

namespace torva {

void read_loading(Engine& engine);
void read_axial_thrust_loads(Engine& engine);

// After END: the distinct axial thrusts (kips in US customary runs), ascending.
void derive_axial_thrust_list(Engine& engine);

}  // namespace torva
