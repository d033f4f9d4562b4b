// The pushover analysis: the pile head is pushed through a series of prescribed deflections
// under a free head (zero moment), a fixed head (zero slope) or both, each step a complete
// nonlinear solution, and for every step the head shear and the largest moment and shear in
// the pile are reported.
#pragma once

#include "model/engine.h"

namespace torva {

inline constexpr int kMaxPushoverSteps = 2 * kMaxPushoverPoints;  // free-head and fixed-head

// The prescribed deflection of step j (1..u) of the pushover control data: logarithmic from
// y_min to y_max, arithmetic from y_min to y_max, or the user's j-th value; a single step of
// either spacing is y_min.
double pushover_deflection(const PushoverControl& control, int j);

// Runs the analysis with the control data of the input: the free-head steps, then the
// fixed-head steps, then the report and the Line 16 and Line 17 records of the steps that
// converged. A step that reaches the excess-deflection limit or the iteration limit is reported
// and ends the analysis; one whose head deflection is not a number ends the run (Runtime Error
// No. 28) after the report of the steps before it.
void run_pushover_analysis(Engine& engine);

}  // namespace torva
