// The engine's entry point, as the command-line program and the tests call it.
#pragma once

#include <cstdint>

namespace torva {

// Runs one analysis on the process-wide model; see run_analysis. The run reads NAMES.DAT and
// M_vs_EI_report_names.txt in the current folder, which the whole process shares: calls from
// several threads are safe but run one after the other, each in the folder current when it
// starts.
std::int32_t call_lgo(std::int32_t interface_version);

}  // namespace torva
