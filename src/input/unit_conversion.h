// Conversion of the stored input to the units every computation works in: inches, pounds and
// psi for US customary runs, metres and kN for SI runs. Only US customary input needs it: its
// depths and section lengths are given in feet, soil strengths in psf and unit weights in pcf.
// The conversion runs once per run; engine.run.input_converted records that it has.
#pragma once

#include "model/engine.h"

namespace torva {

// US customary runs: feet to inches, psf to psi, pcf to pci (weak rock and vuggy limestone
// strengths are given in psi and keep their values). Does nothing once converted.
void convert_input_units_us(Engine& engine);

// Other unit systems: the input is already in its working units; marks it converted.
void convert_input_units_other(Engine& engine);

}  // namespace torva
