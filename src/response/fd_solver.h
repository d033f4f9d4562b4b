// One finite-difference solution of the laterally loaded pile, EI y'''' + Q y'' + Es y - W = 0:
// the equations of every node are eliminated from the tip upward into the recursion
// y[m] = alpha[m] + beta[m] y[m-1] - gamma[m] y[m-2], the pile-head conditions close the system
// at the head, and the deflections follow by substitution down the pile.
#pragma once

#include <span>

#include "model/engine.h"

namespace torva {

// "Elastic Pile" and "Elastic with Specified Moment Capacity".
inline bool is_elastic_section_type(int type) {
  return type == kElasticPile || type == kElasticPlastic;
}

// What the solver needs to know of the pile sections; the pile model answers from its tables.
class PileSectionView {
 public:
  virtual int section_count() const = 0;
  virtual int section_type(int section) const = 0;       // type code 0..14 of section 1..count
  virtual double section_bottom(int section) const = 0;  // bottom depth below the pile head (in, m)
  virtual double elastic_EI(double x) const = 0;         // EI of the section properties at depth x

 protected:
  ~PileSectionView() = default;
};

// The tip shear curve: shear resistance at the tip against tip deflection, deflections
// ascending; both spans have the same length (0: no tip shear).
struct TipShearView {
  std::span<const double> deflection;  // (in, m)
  std::span<const double> shear;       // (lb, kN)
};

// Everything a solve reads besides the engine's node table, moment-curvature tables and solver
// state.
struct SolverContext {
  const PileSectionView& sections;
  TipShearView tip_shear;
};

// Shear at the tip for the tip deflection y_tip: the curve at |y_tip| (linear between points,
// along the first segment below the first point, the last shear beyond the last point) with
// the sign of y_tip. A one-point curve is a constant shear.
double tip_shear(const TipShearView& curve, double y_tip);

// Gaussian elimination without row exchanges of the leading n x n part of the head system
// (n = 4 or 5). Returns 0, or the pivot row p < n whose pivot fell below 1e-50 in magnitude
// (the system is then left partly reduced). The last pivot is not tested.
int solve_head_system(HeadSystem& system, int n);

// One solve for solve number k of the case (1 for the first): new deflections, tip shear and
// convergence measures. A singular head system ends the run with Runtime Error No. 11.
void solve_once(Engine& engine, const SolverContext& context, int k);

}  // namespace torva
