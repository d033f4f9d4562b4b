// The whole model of a run: one aggregate of subject-sized tables. The library owns one
// instance; every run starts by resetting it to its load-time state.
#pragma once

#include "model/moment_curvature.h"
#include "model/nodes.h"
#include "model/options.h"
#include "model/run_control.h"
#include "model/sections.h"
#include "model/solver_state.h"
#include "model/warnings.h"

namespace torva {

struct Engine {
  RunControl run;
  WarningRegistry warnings;
  Options options;
  InputControl control;
  Sections sections;
  NodeTable nodes;
  SolverState solver;
  MomentCurvatureTables moment_curvature;
};

// Puts every table back to its load-time state (closes any run file still open).
void reset_engine(Engine& engine);

}  // namespace torva
