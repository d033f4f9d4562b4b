// The buckling analysis: the axial thrust on a laterally loaded pile is raised in equal steps,
// the pile-head deflection recorded, and a hyperbola fitted to thrust against deflection whose
// asymptote is reported as the buckling capacity.
#pragma once

#include <span>

#include "model/engine.h"

namespace torva {

inline constexpr int kMaxBucklingTrials = kMaxBucklingLoads;

// The hyperbola Q = (y - y_1) / (b + a (y - y_1)) through the successful trials, trial 1 first:
// the trials from the second on up to the first whose deflection does not have the sign of y_1
// are fitted by least squares of (y - y_1) / Q against y - y_1.
struct BucklingFit {
  int points = 0;          // trials reported: trial 1 and the fitted ones
  double a = 0.0;          // slope (1/force)
  double b = 0.0;          // intercept (length/force)
  double capacity = 0.0;   // 1/a (force); 0 when 1/a is not finite
  double r_squared = 0.0;  // 0 when it cannot be computed
};
// With two successful trials or fewer nothing is fitted and every trial is reported; a fit of
// fewer than two points, or of points of one deflection, leaves a, b, capacity and R^2 at 0.
BucklingFit fit_buckling_hyperbola(std::span<const double> thrust,
                                   std::span<const double> deflection);

// Runs the analysis with the buckling control data of the input: the trials, the report and
// the Line 17 and Line 18 records (the Line 11-worded record when no trial succeeded). A trial
// that reaches the excess-deflection or the iteration limit ends the sweep.
void run_buckling_analysis(Engine& engine);

}  // namespace torva
