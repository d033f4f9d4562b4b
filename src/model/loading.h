// Pile-head loading: the load cases with their distributed lateral load, the load and
// resistance factor (LRFD) combinations and loading groups, and the list of axial thrusts for
// which the section analysis prepares its tables. Tables count from 1 (OneBased).
#pragma once

#include <string>

#include "model/capacities.h"
#include "model/one_based.h"

namespace torva {

// Pile-head condition codes: which two values a load case gives.
namespace load_type {
inline constexpr int kShearMoment = 1;
inline constexpr int kShearSlope = 2;
inline constexpr int kShearRotationalStiffness = 3;
inline constexpr int kDeflectionMoment = 4;
inline constexpr int kDeflectionSlope = 5;
}  // namespace load_type

inline constexpr int kMaxDistributedLoadPoints = 100;  // points of a distributed load profile
inline constexpr int kLrfdLoadTypes = 13;  // DL, LL, EQ, IM, W, HW, Ice, Hs, Lr, Rn, Sn, Tm, Sp
inline constexpr int kMaxLrfdCombinations = 100;
inline constexpr int kMaxLrfdGroups = 100;
inline constexpr double kDefaultResistanceFactor = 0.75;  // replaces a factor of 0 or less

// Distributed lateral load against depth along the pile, linear between points. Not converted:
// in US customary runs the depths are in inches and the loads in lb/in.
struct DistributedLoadProfile {
  int count = 0;                                        // points in use
  OneBased<double, kMaxDistributedLoadPoints> depth{};  // below the pile head (length)
  OneBased<double, kMaxDistributedLoadPoints> load{};   // load per unit length (force/length)
};

// One pile-head load case. The meaning of the two condition values follows the load type:
// 1 shear and moment, 2 shear and slope, 3 shear and rotational stiffness, 4 deflection and
// moment, 5 deflection and slope.
struct LoadCase {
  int load_type = 0;          // 1..5
  double condition1 = 0.0;    // shear force (force) or deflection (length)
  double condition2 = 0.0;    // moment (force*length), slope (radians) or rotational stiffness
                              // (force*length/radian)
  double axial_thrust = 0.0;  // axial load at the pile head (force)
  bool length_sweep = false;  // compute pile-head deflection against pile length for this case
};

struct PileHeadLoading {
  int count = 0;  // load cases in use
  OneBased<LoadCase, kMaxLoadCases> cases{};
  DistributedLoadProfile distributed;  // applies to every load case
};

// One factored load combination.
struct LrfdCombination {
  OneBased<double, kLrfdLoadTypes> factors{};  // load factor per load type; 0 or less: not used
  double phi_flexure = 0.0;                    // resistance factor for flexure
  double phi_shear = 0.0;                      // resistance factor for shear
  std::string name;                            // name of the combination (up to 256 characters)
};

// One unfactored loading group.
struct LrfdGroup {
  int load_type = 0;                   // 1..13 (DL ... Sp)
  double horizontal_force = 0.0;       // force
  double moment = 0.0;                 // force*length
  double axial_force = 0.0;            // vertical force (force)
  DistributedLoadProfile distributed;  // none, or 2..100 points (as read: inches, lb/in in US)
};

struct LrfdInput {
  int combination_count = 0;
  OneBased<LrfdCombination, kMaxLrfdCombinations> combinations{};
  int group_count = 0;
  OneBased<LrfdGroup, kMaxLrfdGroups> groups{};
};

// Distinct axial thrusts of the section analysis, ascending: kips in US customary runs, kN in
// SI runs.
struct ThrustList {
  int count = 0;
  OneBased<double, kMaxThrusts> T{};
  // The list before the section analysis dropped any value (EI-only runs): its count and, for
  // every value kept, its place in it (these name the moment-curvature files).
  int original_count = 0;
  OneBased<int, kMaxThrusts> original_index{};
};

}  // namespace torva
