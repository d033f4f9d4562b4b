// The last check of a solved load case before its results are reported: a deflection, slope,
// moment, shear, soil reaction or stress that is not finite ends the run (runtime error 60)
// instead of reaching the report as a normal result.
#pragma once

#include "model/engine.h"
#include "response/node_results.h"

namespace torva {

// Checks every node of load case engine.run.current_load_case, solved just before.
void check_load_case_results(Engine& engine, const SectionPropertySource& sections);
void check_load_case_results(Engine& engine);  // with the pile model's sections

}  // namespace torva
