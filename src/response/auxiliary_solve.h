// One auxiliary loading solved after or between the load cases, for the analyses that sweep a
// pile-head loading (pile-head stiffness, pushover) or the pile itself (buckling, pile length):
// the pile is rebuilt and solved from its starting state like a load case, but without progress
// lines, without clearing the warning counters and without touching the load cases' count,
// records or report.
#pragma once

#include <initializer_list>
#include <string_view>

#include "model/engine.h"
#include "response/load_case_iteration.h"

namespace torva {

// How a solution starts and is iterated.
enum class AuxiliaryKind {
  kLoading,  // stiffness and pushover cases: the first solve on the starting moduli
  kTrial,    // buckling and pile-length trials: the distributed loads cleared (runs without LRFD
             // take the tributary loads again), one full p-y pass before the first solve, and no
             // not-a-number test in the iteration
};

// Solves the pile under `head` (the tip shear starts at 0): the node data are rebuilt for the
// current pile length, the deflections cleared and the soil moduli restarted at 0 above the
// ground surface and 50000 below it; the iteration's soil update is the layer pass with its
// layering bookkeeping only. `load_nodes`, when given, loads the rebuilt nodes (the distributed
// load W of an LRFD combination). Returns how the iteration ended (engine.solver.iterations
// holds the solves made); the caller reports a failure in its own words. Runtime Error No. 11
// and the errors of the criteria end the run.
using NodeLoading = void (*)(Engine& engine);
IterationEnd solve_auxiliary_case(Engine& engine, const HeadCondition& head,
                                  AuxiliaryKind kind = AuxiliaryKind::kLoading,
                                  NodeLoading load_nodes = nullptr);

// The pile-head values and the largest moment and shear of the solution just made.
struct PileResponse {
  double deflection = 0.0;    // y(1) (in, m)
  double slope = 0.0;         // S(1) (rad)
  double shear = 0.0;         // V(1) (lb, kN)
  double moment = 0.0;        // M(1) (in-lb, kN-m)
  double max_moment = 0.0;    // largest |M| in the pile (in-lb, kN-m)
  double max_moment_x = 0.0;  // where it occurs, the later node on ties (in, m)
  double max_shear = 0.0;     // largest |V| (lb, kN)
  double max_shear_x = 0.0;   // (in, m)
};
PileResponse pile_response(Engine& engine);

// A trial of the sweeps that converged is kept when |y(1)| is within the excess-deflection
// limit and the last change of deflection below the tolerance.
bool trial_succeeded(const Engine& engine);

// The heading of an analysis' report section: two blank lines, a rule of 80 "-", the title
// lines, the rule and a blank line.
void write_section_heading(Engine& engine, std::initializer_list<std::string_view> titles);

// One value line of a sweep's pile-head conditions: `label` ("Shear      = "), the value as
// F15.0, F15.5 or E15.7, and a blank and `unit` unless it is empty.
enum class ConditionValueForm { kF0, kF5, kE7 };
void write_condition_value(Engine& engine, std::string_view label, double value,
                           ConditionValueForm form, std::string_view unit);

// The j-th of `count` values from `low` to `high` spaced by ln j / ln count, so that the first
// is `low` and the last `high`; a single value is `low`.
double logarithmic_point(double low, double high, int j, int count);

}  // namespace torva
