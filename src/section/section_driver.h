// The section analysis of a run: for every pile section its moment-curvature tables (one curve
// per axial thrust value), nominal moment capacities, plot records and moment-curvature files.
// This is the one place where the section computations meet the engine's tables.
#pragma once

#include <span>

#include "model/engine.h"
#include "section/capacities.h"

namespace torva {

// Analyses pile section n (1-based) of the run and stores its tables. Ends the run on error.
void analyse_pile_section(Engine& engine, int n);

// Where the thrusts checked against the axial capacities come from.
enum class ThrustChecks {
  kLoadCases,         // runtime errors 24 and 25, by load case number
  kLrfdCombinations,  // runtime errors 26 and 27, by combination number
};

// Checks thrust j (table units, in order) of `thrusts` against P_c and P_t and ends the run
// with the error of the first one outside them.
void check_axial_thrusts(Engine& engine, std::span<const double> thrusts,
                         const AxialCapacities& capacities, ThrustChecks source);

}  // namespace torva
