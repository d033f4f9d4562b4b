// What the LRFD run derives from its combinations and loading groups: the totals of the
// unfactored loads by load type, the factored pile-head loads of every combination, the list of
// distinct factored axial thrusts, and the distributed lateral loads of every load type at the
// pile nodes.
#pragma once

#include "model/capacities.h"
#include "model/loading.h"
#include "model/nodes.h"
#include "model/one_based.h"

namespace torva {

// The unfactored loads of one load type, summed over its loading groups (input units).
struct LrfdTypeTotals {
  double H = 0.0;  // horizontal force (lb, kN)
  double M = 0.0;  // moment (in-lb, kN-m)
  double P = 0.0;  // vertical force (lb, kN)
  int groups = 0;  // loading groups of the type
};

// The factored pile-head loads of one combination.
struct LrfdFactoredLoad {
  double H = 0.0;        // factored horizontal force (lb, kN)
  double M = 0.0;        // factored moment (in-lb, kN-m)
  double P = 0.0;        // factored vertical force (lb, kN)
  double V = 0.0;        // shear perpendicular to the battered pile axis (lb, kN)
  double Q = 0.0;        // axial thrust along the pile axis, compression positive (lb, kN)
  int thrust_index = 0;  // t(j): position of Q in the thrust list
};

struct LrfdLoads {
  OneBased<LrfdTypeTotals, kLrfdLoadTypes> totals{};
  OneBased<LrfdFactoredLoad, kMaxLrfdCombinations> factored{};
  // The distinct factored thrusts Q, ascending, in force units (lb, kN) as the report shows
  // them; the section analysis takes them in kips in US customary runs.
  ThrustList thrusts;

  // Distributed lateral load of each load type at each node of the current pile model, the
  // tributary average of the type's profiles (lb/in, kN/m).
  OneBased<PerNode<double>, kLrfdLoadTypes> by_type{};
  // The factored distributed load that loads the nodes now, sum of factor * by_type over the
  // load types of the combination being solved (lb/in, kN/m).
  PerNode<double> applied;

  int failures = 0;  // FAIL verdicts of the performance table (warning 400 each)
};

}  // namespace torva
