// Nominal axial capacities of the reinforced sections and the steel pipe: compression P_c,
// tension P_t and the tensile load that cracks the concrete, P_cr (kips in US customary runs,
// kN otherwise). Prestressed sections take theirs from the prestress (materials.h).
#pragma once

#include "section/section_values.h"

namespace torva {

struct AxialCapacities {
  double P_c = 0.0;   // nominal axial compressive capacity
  double P_t = 0.0;   // nominal axial tensile capacity (negative)
  double P_cr = 0.0;  // tensile cracking load (negative); types 0 to 3 only
  bool has_cracking_load = false;
};

// P_c, P_t and P_cr of a section of type 0 to 4 (all zero for other types).
AxialCapacities axial_capacities(const SectionValues& section);

}  // namespace torva
