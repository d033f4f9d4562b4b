// The pile as the finite-difference solver reads it: the section table behind the solver's
// section view, and the tip shear curve.
#pragma once

#include "model/engine.h"
#include "response/fd_solver.h"

namespace torva {

// The pile sections of the engine, with the elastic bending stiffness of the section query.
class EngineSections final : public PileSectionView {
 public:
  explicit EngineSections(const Engine& engine) : engine_(engine) {}

  int section_count() const override;
  int section_type(int section) const override;
  double section_bottom(int section) const override;
  double elastic_EI(double x) const override;

 private:
  const Engine& engine_;
};

// The tip shear curve of the engine (empty when it has no points). The view reads the table
// in place: it stays valid while the engine does.
TipShearView tip_shear_view(const Engine& engine);

}  // namespace torva
