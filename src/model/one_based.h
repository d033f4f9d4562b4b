// Tables indexed the way the engineering formulas count: entry 1 is the first row, point or
// layer, entry 0 is never used.
#pragma once

#include <array>

namespace torva {

template <typename T, int Capacity>
using OneBased = std::array<T, Capacity + 1>;

}  // namespace torva
