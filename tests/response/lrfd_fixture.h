// Small LRFD inputs for the tests: loading groups, distributed-load points and combinations.
#pragma once

#include "model/loading.h"

namespace torva::testing {

constexpr double kFiveDegrees = 5.0 * 3.141592653589793 / 180.0;

inline LrfdGroup group(int type, double H, double M, double P) {
  LrfdGroup g;
  g.load_type = type;
  g.horizontal_force = H;
  g.moment = M;
  g.axial_force = P;
  return g;
}

inline void add_point(DistributedLoadProfile& profile, double depth, double load) {
  ++profile.count;
  profile.depth[profile.count] = depth;
  profile.load[profile.count] = load;
}

// Factors by load type code (1 DL, 2 LL, 3 EQ, 5 W); the others 0.
inline LrfdCombination combination(double DL, double LL, double EQ, double W, const char* name) {
  LrfdCombination c;
  c.factors[1] = DL;
  c.factors[2] = LL;
  c.factors[3] = EQ;
  c.factors[5] = W;
  c.phi_flexure = 0.9;
  c.phi_shear = 0.9;
  c.name = name;
  return c;
}

// Two dead-load groups, a live load, a wind load and an earthquake load; three combinations,
// the second with a live-load factor of 0, the third with a negative wind factor.
inline LrfdInput four_types() {
  LrfdInput input;
  input.group_count = 5;
  input.groups[1] = group(1, 1000.0, 20000.0, 100000.0);
  input.groups[2] = group(1, 500.0, -5000.0, 40000.0);
  input.groups[3] = group(2, 3000.0, 60000.0, 30000.0);
  input.groups[4] = group(5, 2000.0, 0.0, 0.0);
  input.groups[5] = group(3, 4000.0, 100000.0, -10000.0);
  input.combination_count = 3;
  input.combinations[1] = combination(1.25, 1.75, 0.0, 0.0, "Strength I");
  input.combinations[2] = combination(0.9, 0.0, 0.0, 1.4, "Strength III");
  input.combinations[3] = combination(1.0, 0.5, 1.0, -0.3, "Extreme Event");
  return input;
}

}  // namespace torva::testing
