// One auxiliary loading solved after the load cases, for the analyses that sweep a pile-head
// loading (pile-head stiffness, pushover): the pile is rebuilt and solved from its starting
// state like a load case, but without progress lines, without clearing the warning counters
// and without touching the load cases' count, records or report.
#pragma once

#include "model/engine.h"
#include "response/load_case_iteration.h"

namespace torva {

// Solves the pile under `head` (the tip shear starts at 0): the node data are rebuilt, the
// deflections cleared and the soil moduli restarted at 0 above the ground surface and 50000
// below it; the iteration's soil update is the layer pass with its layering bookkeeping only.
// `node_loads`, when given, replaces the distributed load W(i) of the rebuilt nodes. Returns how
// the iteration ended (engine.solver.iterations holds the solves made); the caller reports a
// failure in its own words. Runtime Error No. 11 and the errors of the criteria end the run.
IterationEnd solve_auxiliary_case(Engine& engine, const HeadCondition& head,
                                  const PerNode<double>* node_loads = nullptr);

// The j-th of `count` values from `low` to `high` spaced by ln j / ln count, so that the first
// is `low` and the last `high`; a single value is `low`.
double logarithmic_point(double low, double high, int j, int count);

}  // namespace torva
