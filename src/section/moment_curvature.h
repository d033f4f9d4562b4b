// The moment-curvature relation of a sliced section under one axial thrust: curvature is
// imposed in increasing steps, the neutral-axis depth that balances the thrust is found at each
// step, and the slice stresses give the bending moment about the mid-depth. The sliced section
// is built once per section; a curve is then a computation from it and a thrust to a step
// table, with no allocation along the way.
//
// Units: inches, ksi, kips and in-kips in US customary runs; metres, kPa, kN and kN-m
// otherwise. Compression and the thrust are positive.
#pragma once

#include <array>

#include "model/engine.h"
#include "model/one_based.h"
#include "section/capacities.h"
#include "section/materials.h"
#include "section/section_faults.h"
#include "section/section_slices.h"
#include "section/section_values.h"

namespace torva {

// A section ready for its curves: slices, concrete constants, prestress and axial capacities.
struct SlicedSection {
  SectionValues values;
  SliceTable slices;
  ConcreteConstants concrete;
  PrestressValues prestress;    // prestressed sections only
  AxialCapacities capacities;   // P_c, P_t (from the prestress for types 5 to 10), P_cr
  SliceColumn lever{};          // h/2 - y_k: lever arm of slice k about the mid-depth
  // Slices that hold bars, casing or core steel, in order from the top.
  std::array<int, kSlices> bar_slices{};
  std::array<int, kSlices> casing_slices{};
  std::array<int, kSlices> core_slices{};
  std::array<int, kSlices> core_concrete_slices{};
  int bar_slice_count = 0;
  int casing_slice_count = 0;
  int core_slice_count = 0;
  int core_concrete_slice_count = 0;
  double pipe_area = 0.0;       // wall area of a steel pipe
};

// Builds the sliced section: slice areas, concrete constants, the prestress of a prestressed
// section (runtime errors 14 and 15) and the axial capacities.
SectionFault Initialize_EI_Vars(const SectionValues& section, SlicedSection& sliced);

// The working state of one curve: the curvature of the step, the flags of the thrust and the
// slice stresses of the last force evaluation.
struct ForceState {
  double phi = 0.0;
  bool no_tension = false;  // tensile thrust beyond the cracking load: concrete takes no tension
  bool cracked = false;     // the concrete has cracked (as found by the last evaluation)
  bool limited = false;     // the last evaluation found steel at its yield stress
  double eps_t = 0.0;       // extreme-fibre strain of the last evaluation, with eps_pc0
  SliceColumn concrete{};   // slice stresses of the last evaluation
  SliceColumn bars{};
  SliceColumn casing{};
  SliceColumn core{};
  SliceColumn core_concrete{};
};

// Axial force of the section at neutral-axis depth y_n and curvature state.phi; leaves the
// slice stresses and flags of this evaluation in `state`.
double Compute_Axial_Thrust_Force(const SlicedSection& section, ForceState& state, double y_n);

// Bending moment about the mid-depth of the stresses in `state`.
double section_moment(const SlicedSection& section, const ForceState& state);

// Neutral-axis depth at which the axial force equals `thrust`, by Newton iteration from
// `start` (the depth of the previous step). Runtime error 16 when 1,000 iterations do not find
// it. The stresses of the last evaluation stay in `state`.
double Find_Neutral_Axis(const SlicedSection& section, ForceState& state, double thrust,
                         double start, SectionFault& fault);

// Curvature increment of the first steps: by the diameter, or for a steel pipe by its yield
// strain less the thrust's strain.
double curvature_increment(const SectionValues& section, double thrust);

struct StepRow {
  double phi = 0.0;       // curvature
  double M = 0.0;         // moment, the running maximum over the steps
  double EI = 0.0;        // M / phi
  double y_n = 0.0;       // neutral-axis depth below the compression face
  double eps_c = 0.0;     // strain of the compression face (with the concrete prestrain)
  double eps_t = 0.0;     // strain of the extreme tension fibre
  double sigma_c = 0.0;   // largest concrete stress
  double sigma_s = 0.0;   // bar or strand stress of largest magnitude
  double sigma_cs = 0.0;  // casing or pipe wall stress of largest magnitude
  double sigma_k = 0.0;   // core steel stress of largest magnitude
  double eps_sT = 0.0;    // most tensile bar strain (drilled shafts)
  std::array<char, 3> msg{' ', ' ', ' '};  // "C", "Y" or "Z", "T"
};

struct StepTable {
  double thrust = 0.0;
  int n_s = 0;            // number of steps
  double M_n = 0.0;       // nominal moment capacity (at a compression strain of 0.003)
  double eps_cap = 0.0;   // the compression strain M_n was taken at
  bool warning_305 = false;  // all 150 steps were needed
  bool warning_355 = false;  // under compression, M_n was taken short of a strain of 0.003
  OneBased<StepRow, kMaxSteps> rows{};

  StepRow& row(int s) { return rows[s]; }
  const StepRow& row(int s) const { return rows[s]; }
};

// The moment-curvature curve of the section under `thrust`.
SectionFault moment_curvature(const SlicedSection& section, double thrust, StepTable& table);

// Bending stiffness at moment m, interpolated in the step table: EI(1) for a moment reached at
// the first step, EI(n_s) for one never reached.
double EI_at_moment(const StepTable& table, double m);

// Registers warnings 305 and 355 of a curve.
void register_curve_warnings(Engine& engine, const StepTable& table);

}  // namespace torva
