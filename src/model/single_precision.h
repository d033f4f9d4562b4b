// Many of the documented constants are single-precision literals: they are used as the
// single-precision value widened to double, every digit of it, so that the printed results
// keep their last digits.
#pragma once

namespace torva {

constexpr double single(float value) { return static_cast<double>(value); }

}  // namespace torva
