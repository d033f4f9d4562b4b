// What a converged load case leaves behind for the end-of-run summary, the plot-output file,
// the LRFD evaluation and the pile-head stiffness analysis.
#pragma once

#include "model/capacities.h"
#include "model/one_based.h"

namespace torva {

// The result record of one load case. Units are the run's internal units: pounds and inches in
// US customary runs, kN and metres in SI runs.
struct LoadCaseResult {
  bool computed = false;  // the results pass of the case has run

  // The pile-head loading as solved (load_type codes; LRFD combinations are solved as type 1
  // with their factored loads).
  int load_type = 0;
  double condition1 = 0.0;  // shear (lb, kN) for types 1-3, deflection (in, m) for 4-5
  double condition2 = 0.0;  // moment (in-lb, kN-m), slope (rad) or rotational stiffness
  double axial = 0.0;       // axial load Q, compression positive (lb, kN)

  // Pile-head values. The shear and moment are the boundary values of the case: the applied
  // ones where the load type gives them, the computed V(1) and M(1) where it does not.
  double head_shear = 0.0;       // (lb, kN)
  double head_moment = 0.0;      // (in-lb, kN-m)
  double head_deflection = 0.0;  // y(1) (in, m)
  double head_slope = 0.0;       // computed S(1) (rad)

  double max_moment = 0.0;    // moment of largest magnitude, signed (in-lb, kN-m)
  double max_moment_x = 0.0;  // where it occurs along the pile (in, m)
  double max_shear = 0.0;     // shear of largest magnitude, signed (lb, kN)
  double max_shear_x = 0.0;   // (in, m)
  double max_stress = 0.0;    // largest total stress (psi, kPa)

  int iterations = 0;              // solves the case took
  int zero_deflection_points = 0;  // sign changes of the deflected shape
};

// The largest moment and shear of one load case within one pile section.
struct SectionMaximum {
  double moment = 0.0;  // moment of largest magnitude, signed (in-lb, kN-m)
  int moment_node = 0;  // its node (0: no node of the case lies in the section)
  double shear = 0.0;   // shear of largest magnitude, signed (lb, kN)
  int shear_node = 0;
};

struct LoadCaseResults {
  OneBased<LoadCaseResult, kMaxLoadCases> cases{};  // the pile-head load cases or LRFD combinations
  // The auxiliary cases of the pile-head stiffness analysis, kept apart so that the ordinary
  // load cases stay as they were.
  OneBased<LoadCaseResult, kMaxLoadCases> auxiliary{};
  // Per load case and pile section, for the LRFD evaluation.
  OneBased<OneBased<SectionMaximum, kMaxSections>, kMaxLoadCases> section_maxima{};
};

}  // namespace torva
