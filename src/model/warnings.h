// The warning registry: numbered warnings are counted during a run and summarised at its end.
#pragma once

#include <array>

#include "model/capacities.h"

namespace torva {

struct WarningRegistry {
  std::array<int, kMaxWarnings + 1> WarningCount{};  // occurrences per warning number
  std::array<int, kMaxWarnings + 1> WarningLog{};    // entry k: code of the last warning counted k times
  std::array<bool, kMaxWarnings + 1> text_written{}; // summary text already written
  int LastWarningCount = 0;  // count after a registration; distinct warnings after the summary
};

}  // namespace torva
