// The SOIL LAYERS section: the layers, their p-y criteria and the soil properties at the top
// and bottom of every layer.
#pragma once

#include "model/engine.h"

namespace torva {

void read_soil_layers(Engine& engine);

}  // namespace torva
