// The pile-head conditions of the case being solved and the working state of the
// finite-difference solver.
#pragma once

#include <array>

#include "model/loading.h"  // load_type: the pile-head condition codes

namespace torva {

// The loading of the case being solved, set by whoever starts the iteration (load case loop,
// stiffness matrix, pushover, buckling, length sweep).
struct HeadCondition {
  int condition = 0;    // 1..5, load_type codes
  double first = 0.0;   // shear V_t (lb, kN) for conditions 1-3, deflection y_t (in, m) for 4-5
  double second = 0.0;  // moment M_t (in-lb, kN-m) for 1 and 4, slope S_t (rad) for 2 and 5,
                        // rotational stiffness M_t/S_t (in-lb/rad, kN-m/rad) for 3
  double Q = 0.0;       // axial load, compression positive (lb, kN)
};

// The pile-head system: at most five unknowns, rows and columns 1..5 (index 0 unused).
struct HeadSystem {
  std::array<std::array<double, 6>, 6> A{};  // coefficient matrix, reduced in place
  std::array<double, 6> b{};                 // right-hand side, reduced with A
  std::array<double, 6> x{};                 // solution
};

// Running maxima of the node results of a load case; cleared before every solve.
struct NodeResultMaxima {
  double moment = 0.0;    // moment of largest magnitude (in-lb, kN-m)
  double moment_x = 0.0;  // where it occurs (in, m)
  double shear = 0.0;     // shear of largest magnitude (lb, kN)
  double shear_x = 0.0;   // where it occurs (in, m)
  double stress = 0.0;    // largest magnitude of the total stress (psi, kPa)
};

struct SolverState {
  HeadCondition head;

  double V_tip = 0.0;           // tip shear used by the last solve (lb, kN)
  double dYmax = 0.0;           // largest change of a nodal deflection in the last solve (in, m)
  int dYmax_node = 0;           // node of dYmax (2 when it occurred at node 1 or 2)
  double delta_dYmax = 0.0;     // |dYmax - dYmax of the solve before| (in, m)
  double previous_dYmax = 0.0;  // dYmax of the solve before (in, m)
  int thrust_index = 0;         // moment-curvature thrust index of Q (0: no thrust values)
  int iterations = 0;           // solves made for the current case

  HeadSystem head_system;
  NodeResultMaxima maxima;
};

}  // namespace torva
