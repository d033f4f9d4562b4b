// The number of allocations the benchmark program has made through operator new, for the
// benchmarks that report how many a run or a case makes.
#pragma once

#include <cstddef>

namespace torva::bench {

std::size_t allocation_count();

}  // namespace torva::bench
