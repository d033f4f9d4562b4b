// The whole model of a run: one aggregate of subject-sized tables. The library owns one
// instance; every run starts by resetting it to its load-time state.
#pragma once

#include "model/loading.h"
#include "model/lrfd.h"
#include "model/moment_curvature.h"
#include "model/nodes.h"
#include "model/options.h"
#include "model/py_state.h"
#include "model/results.h"
#include "model/run_control.h"
#include "model/sections.h"
#include "model/soil.h"
#include "model/solver_state.h"
#include "model/warnings.h"

namespace torva {

struct Engine {
  RunControl run;
  WarningRegistry warnings;
  Options options;
  InputControl control;
  Sections sections;
  SoilLayers soil;                 // soil layers and their p-y criteria
  SoilProfile profile;             // soil properties at layer tops and bottoms
  UserPYCurves user_py;            // user-input p-y curves by profile row
  GroupFactorTable group_factors;  // p- and y-multipliers for group action
  SoilMovement soil_movement;      // lateral soil movement against depth
  TipShearCurve tip_shear;         // shear resistance at the pile tip
  PileInclination inclination;     // ground slope and pile batter
  PileHeadLoading loading;         // pile-head load cases and their distributed load
  LrfdInput lrfd;                  // LRFD combinations and unfactored loading groups
  LrfdLoads lrfd_loads;            // factored loads and distributed loads by load type
  ThrustList thrusts;              // axial thrusts of the section analysis
  PYState py;                      // layered-soil correction and mode of the p-y criteria
  NodeTable nodes;                 // the pile nodes of the current solution
  SolverState solver;              // pile-head loading and iteration of the current solution
  LoadCaseResults results;         // per-load-case results for the summary, plot file and LRFD
  MomentCurvatureTables moment_curvature;  // bending stiffness tables per section and thrust
};

// Puts every table back to its load-time state (closes any run file still open).
void reset_engine(Engine& engine);

}  // namespace torva
