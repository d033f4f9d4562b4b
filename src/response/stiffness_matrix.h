// The pile-head stiffness matrix: the secant stiffnesses K22, K23, K32 and K33 of the pile head
// over a range of lateral and rotational head displacements or loads, from 2K auxiliary
// loadings (K that move the head laterally without rotation, K that rotate it without lateral
// movement), each solved with the full nonlinear iteration.
#pragma once

#include "model/engine.h"
#include "response/auxiliary_solve.h"

namespace torva {

// What the stiffness analysis takes from the loading it is referred to: the first load case,
// or the first load combination of an LRFD run.
struct StiffnessReference {
  double shear = 0.0;       // first load value, the lateral range of method 0 (lb, kN)
  double moment = 0.0;      // second load value, the rotational range of method 0 (in-lb, kN-m)
  double axial = 0.0;       // axial load of every auxiliary case (lb, kN)
  double deflection = 0.0;  // pile-head deflection computed for it, method 1 (in, m)
  double rotation = 0.0;    // pile-head rotation computed for it, method 1 (rad)
  // Loads the rebuilt nodes of every auxiliary case with the reference's distributed load;
  // null: the load cases' distributed load, as the node rebuild gives it.
  NodeLoading load_nodes = nullptr;
};

// Load case 1 with its results; in LRFD runs combination 1 with its results and its
// distributed load.
StiffnessReference stiffness_reference_loading(const Engine& engine);

// The secant stiffness terms of one point: K22 = |V/y| and K32 = |M/y| of the lateral case,
// K23 = |V/rotation| and K33 = |M/rotation| of the rotational case. A zero head deflection or
// rotation under a reaction gives an infinite term.
struct StiffnessTerms {
  double K22 = 0.0, K23 = 0.0, K32 = 0.0, K33 = 0.0;
};
StiffnessTerms stiffness_terms(const LoadCaseResult& lateral, const LoadCaseResult& rotational);

// The j-th of K points of a range: linear spacing (distribution 1) gives j range / K,
// logarithmic spacing (0) runs from range / K to range.
double stiffness_point(double range, int j, int K, int distribution);

// Runs the analysis with the control data of the input: solves the 2K cases (their results go
// to engine.results.auxiliary), then reports the terms and writes Line 14 and the Line 15
// records. A case that reaches the excess-deflection limit, or a method 1 range too small to
// give a stiffness, ends the analysis without terms: Line 14 with 0 and warning 401. A case that
// reaches the iteration limit ends the run (Runtime Error No. 45), one whose head deflection is
// not a number as well (No. 28).
void compute_pile_head_stiffness(Engine& engine, const StiffnessReference& reference);

}  // namespace torva
