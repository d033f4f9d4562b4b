// The LRFD sections: factored load combinations with their resistance factors, and the
// unfactored loading groups with their distributed loads.
#pragma once

#include "model/engine.h"

namespace torva {

void read_lrfd_factors(Engine& engine);  // LRFD FACTORS AND CASES
void read_lrfd_loads(Engine& engine);    // LRFD LOADS

}  // namespace torva
