// The nonlinear bending stiffness of the pile nodes: the secant stiffness of the section's
// moment-curvature curve at the node's moment and curvature, interpolated between the curves
// of the two axial thrust values around the axial load.
#pragma once

#include "model/engine.h"
#include "response/fd_solver.h"

namespace torva {

// The thrust index j of the axial load Q (lb, kN): T(j) <= Q < T(j+1), 1 at or below T(1),
// the last index at or above the last thrust value; 0 when the thrust list is empty.
int axial_thrust_index(const Engine& engine, double Q);

// Updates the bending stiffness of the pile nodes between solves.
class BendingStiffnessUpdate {
 public:
  virtual void update_bending_stiffness(Engine& engine, int thrust_index, double Q) = 0;

 protected:
  ~BendingStiffnessUpdate() = default;
};

// From the moment-curvature tables of the section analysis. "Elastic Pile" nodes keep their EI.
// A node whose section has no curve for the thrust index ends the run with Runtime Error No. 54.
class MomentCurvatureStiffness final : public BendingStiffnessUpdate {
 public:
  explicit MomentCurvatureStiffness(const PileSectionView& sections) : sections_(sections) {}
  void update_bending_stiffness(Engine& engine, int thrust_index, double Q) override;

 private:
  const PileSectionView& sections_;
};

}  // namespace torva
