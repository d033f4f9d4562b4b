// The moment-curvature tables of the pile sections, one curve per section and axial thrust
// value of the thrust list, with the nominal moment capacities. The
// section analysis fills them before the first load case; the pile solver interpolates them
// for the nonlinear bending stiffness of every node.
//
// Table units: in-kips, kip-in^2 and rad/in in US customary runs; kN-m, kN-m^2 and rad/m in SI
// runs (the solver converts on the way in and out).
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

#include "model/capacities.h"
#include "model/nodes.h"
#include "model/sections.h"  // kMaxCurvePoints

namespace torva {

// One curve, points 1..n_p in order of increasing curvature.
struct MomentCurvatureCurve {
  int n_p = 0;       // number of points (0: no curve)
  double M_n = 0.0;  // nominal moment capacity (in-lb, kN-m); 0 for the two elastic types
  std::array<double, kMaxCurvePoints> moment_at{};  // moment of each point (in-kips, kN-m)
  std::array<double, kMaxCurvePoints>
      stiffness_at{};  // secant bending stiffness M/phi (kip-in^2, kN-m^2)
  std::array<double, kMaxCurvePoints> curvature_at{};  // curvature (rad/in, rad/m)

  // Point p = 1..n_p.
  double& M(int p) { return moment_at[index(p)]; }
  double M(int p) const { return moment_at[index(p)]; }
  double& EI(int p) { return stiffness_at[index(p)]; }
  double EI(int p) const { return stiffness_at[index(p)]; }
  double& phi(int p) { return curvature_at[index(p)]; }
  double phi(int p) const { return curvature_at[index(p)]; }

 private:
  static std::size_t index(int p) {
    assert(p >= 1 && p <= kMaxCurvePoints);
    return static_cast<std::size_t>(p - 1);
  }
};

struct MomentCurvatureTables {
  // curves[a - 1][j - 1]: section a = 1..20, thrust index j = 1..100.
  std::array<std::array<MomentCurvatureCurve, kMaxThrusts>, kMaxSections> curves{};

  MomentCurvatureCurve& curve(int a, int j) {
    return curves[slot(a, kMaxSections)][slot(j, kMaxThrusts)];
  }
  const MomentCurvatureCurve& curve(int a, int j) const {
    return curves[slot(a, kMaxSections)][slot(j, kMaxThrusts)];
  }

 private:
  static std::size_t slot(int k, int capacity) {
    assert(k >= 1 && k <= capacity);
    (void)capacity;
    return static_cast<std::size_t>(k - 1);
  }
};

}  // namespace torva
