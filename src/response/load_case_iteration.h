// The nonlinear iteration of one pile loading: solve, update the soil moduli for the new
// deflections, update the bending stiffness, until the largest change of deflection is within
// the tolerance (never fewer than six solves).
#pragma once

#include "model/engine.h"
#include "response/bending_stiffness.h"
#include "response/fd_solver.h"

namespace torva {

// Updates the secant soil modulus Es of every node for the current deflections (and, under
// soil movement, the load term W); `iteration` is the number of the solve just made. A
// criterion that ends the run throws RunStopped (or records ErrorNumber and returns).
class SoilModulusUpdate {
 public:
  virtual void update_soil_moduli(Engine& engine, int iteration) = 0;

 protected:
  ~SoilModulusUpdate() = default;
};

enum class Convergence {
  kReached,
  kNotReached,  // Runtime Error No. 10 under pile-head condition 4: ErrorNumber is 210 and the
                // load case is still reported before the run ends
};

// How the iteration of a loading ended.
enum class IterationEnd {
  kConverged,
  kNotANumber,        // y_1 or dYmax is not a number after solve engine.solver.iterations
  kExcessDeflection,  // |y_1| reached the excess-deflection limit after more than ten solves
  kIterationLimit,    // the limit of solves passed without convergence
};

// What the callers of the iteration differ in.
struct IterationStyle {
  bool progress_lines = false;    // a line per solve to the run-message file (the last five to
                                  // the report too): the load cases
  bool not_a_number_test = true;  // stop at a y_1 or dYmax that is not a number; without it
                                  // such a solve runs on to the iteration limit
};

// The iteration itself, for the load cases and the analyses that solve auxiliary loadings:
// the stiffness update for the thrust index of Q once, then solve, test, soil update and
// stiffness update until one of the ends above. How the iteration ended is left to the caller
// to report; Runtime Error No. 11 and an error of either update end the run.
IterationEnd iterate_solution(Engine& engine, const SolverContext& context,
                              SoilModulusUpdate& soil, BendingStiffnessUpdate& stiffness,
                              IterationStyle style);

// Iterates the loading in engine.solver.head for the current load case. Starts from the node
// table as the pile model and the p-y framework left it (deflections cleared, starting moduli),
// runs the stiffness update for the thrust index of Q once before the first solve, and ends the
// run (RunStopped) on Runtime Errors No. 9, 10 (except under condition 4), 11 and 28 and on an
// error of either update.
Convergence iterate_load_case(Engine& engine, const SolverContext& context, SoilModulusUpdate& soil,
                              BendingStiffnessUpdate& stiffness);

// The load case loop's message after the iteration: "The convergence criteria have been met
// for load case " j, written only when the case did converge.
void report_load_case_convergence(Engine& engine, int load_case, Convergence convergence);

}  // namespace torva
