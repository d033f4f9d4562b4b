// The stages of a run after the report header: input echo and conversion, the section
// analysis, the load cases and the optional analyses.
#pragma once

#include "model/engine.h"

namespace torva {

void run_analysis_stages(Engine& engine);

}  // namespace torva
