// The engine's entry point, as the command-line program and the tests call it.
#pragma once

#include <cstdint>

namespace torva {

// Runs one analysis on the process-wide model; see run_analysis.
std::int32_t call_lgo(std::int32_t interface_version);

}  // namespace torva
