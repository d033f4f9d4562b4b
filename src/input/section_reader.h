// The SECTIONS records: the pile sections with their dimensions, materials, bars, strands,
// elastic properties or moment-stiffness curves, stacked from the pile head down.
#pragma once

#include "model/engine.h"

namespace torva {

// Reads the records after the SECTIONS keyword into engine.sections, stacks the sections into
// the pile length and fills the section point table. Ends the run on any error.
void read_sections(Engine& engine);

}  // namespace torva
