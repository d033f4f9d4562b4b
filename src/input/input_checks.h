// Checks of the values the input readers stored that no single reader can make: values out of
// the range any computation can take (input error 36), soil properties and pile widths outside
// their physical range (input error 34), and depth tables that do not ascend (input error 35).
#pragma once

#include <cstddef>

#include "model/engine.h"

namespace torva {

// Magnitude above which an input value is rejected: far beyond any length, load or property a
// pile analysis meets, and far enough below the largest double that products of a few such
// values stay finite.
inline constexpr double kLargestInputValue = 1e30;

// Input error 36 for a real value stored by the last record, as read: the reader's log entries
// from index `first` on.
void check_read_values(Engine& engine, std::size_t first);

// The checks made once the input is in its working units: input error 36 for any stored value
// the conversion made too large, then input errors 34 and 35.
void check_input_values(Engine& engine);

}  // namespace torva
