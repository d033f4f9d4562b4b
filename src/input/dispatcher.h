// The section dispatcher of the input data file: reads every keyword section up to "END".
#pragma once

#include "model/engine.h"

namespace torva {

void read_input_data(Engine& engine);

}  // namespace torva
