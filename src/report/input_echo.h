// The input echo: the report blocks that restate every input the run uses, with labels and units
// in the units of the input file, and the checks of the input that the readers cannot make
// (they need the whole model). Written after plot Line 1 and before the input is converted.
#pragma once

#include <string>

#include "model/engine.h"

namespace torva {

// Writes the echo and makes its checks. Before anything else the soil layers are made
// contiguous; a negative convergence tolerance (general units) is reset and the list of p-y
// output depths compacted. A failed check ends the run with its input error (RunStopped).
void WriteInputEcho(Engine& engine);

// The line that names the rock of a massive rock type code 1..71 and its Hoek-Brown constant
// m_i; empty for a code outside 1..71.
std::string rock_type_line(int code);

}  // namespace torva
