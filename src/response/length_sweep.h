// The pile-length analysis of a load case: the pile is shortened in steps of 5 percent of its
// length and the pile-head deflection and the largest moment and shear are reported for each
// length that succeeds.
#pragma once

#include "model/engine.h"

namespace torva {

inline constexpr int kLengthTrials = 20;

// The length of trial j (1..20) as a fraction of the pile length: 1 - 0.05 (j - 1), worked out
// in single precision (trial 20 is 0.050000011920928955).
double length_fraction(int j);

// The sweep of load case k: the trials under the loading of the case, down to the shortest
// length that still reaches 5 percent of the pile length below the ground surface; then the
// report, Line 11 (also with no successful trial) and a Line 12 per successful trial. The pile
// length and the node data of the full pile are put back afterwards; the case's own results
// are left as they are. A trial that reaches the excess-deflection or the iteration limit ends
// the sweep.
void run_length_sweep(Engine& engine, int k);

// After the results of load case k: its sweep with the run-message lines when the case asks for
// one (never in LRFD runs), else the Line 11 of a case without a sweep.
void length_sweep_of_load_case(Engine& engine, int k);

}  // namespace torva
