// The distributed loads of an LRFD combination on a 501-node pile: the tributary loads of
// every load type from the profiles of the loading groups, then the factored sum at the nodes.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/engine.h"
#include "response/lrfd.h"

namespace {

using namespace torva;

void lrfd_loads_by_type_501_nodes(benchmark::State& state) {
  auto engine = std::make_unique<Engine>();
  constexpr double L = 1200.0;
  NodeTable& nodes = engine->nodes;
  nodes.N = 501;
  nodes.h = L / 500;
  for (int i = 1; i <= nodes.N; ++i) nodes.x[i] = i == nodes.N ? L : (i - 1) * nodes.h;
  // Six groups of four types, each with a profile of ten points along the upper half.
  LrfdInput& input = engine->lrfd;
  input.group_count = 6;
  for (int g = 1; g <= 6; ++g) {
    LrfdGroup& group = input.groups[g];
    group.load_type = 1 + g % 4;
    group.distributed.count = 10;
    for (int k = 1; k <= 10; ++k) {
      group.distributed.depth[k] = 60.0 * (k - 1) + g;
      group.distributed.load[k] = 10.0 * g + k;
    }
  }
  LrfdCombination& combination = input.combinations[1];
  for (int k = 1; k <= kLrfdLoadTypes; ++k) combination.factors[k] = 1.0 + 0.1 * k;
  for (auto _ : state) {
    compute_loads_by_type(input, nodes, L, engine->lrfd_loads);
    apply_combination_load(combination, engine->lrfd_loads, nodes);
    benchmark::DoNotOptimize(nodes.W[250]);
  }
}

}  // namespace

BENCHMARK(lrfd_loads_by_type_501_nodes)->Unit(benchmark::kMicrosecond);
