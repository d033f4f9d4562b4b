#include "response/result_checks.h"

#include <cmath>
#include <string>

#include "engine/errors.h"

namespace torva {

namespace {

[[noreturn]] void not_finite(Engine& engine, int node, const char* quantity, double value) {
  const int j = engine.run.current_load_case;
  const std::string load_case =
      (engine.options.UseLRFD ? "LRFD load combination " : "load case ") + std::to_string(j);
  raise_error(engine, errors::kRunResultNotFinite,
              "The " + std::string(quantity) + " of " + load_case + " at node " +
                  std::to_string(node) + " is " +
                  (std::isnan(value) ? "not a number"
                   : value > 0.0     ? "infinite"
                                     : "-infinite") +
                  ".",
              "Check the loads and the pile and soil properties of the load case for values "
              "far outside the usual range (a section area or stiffness near zero, a load near "
              "the largest number the computer holds).");
}

}  // namespace

void check_load_case_results(Engine& engine, const SectionPropertySource& sections) {
  const NodeTable& nodes = engine.nodes;
  for (int i = 1; i <= nodes.N; ++i) {
    if (!std::isfinite(nodes.y[i])) not_finite(engine, i, "deflection", nodes.y[i]);
    const NodeResult r = node_results(engine, i, sections);
    const std::pair<const char*, double> values[] = {{"slope", r.S},
                                                     {"bending moment", r.M},
                                                     {"shear force", r.V},
                                                     {"soil reaction", soil_reaction(engine, i)},
                                                     {"total stress", r.stress}};
    for (const auto& [quantity, value] : values) {
      if (!std::isfinite(value)) not_finite(engine, i, quantity, value);
    }
  }
}

void check_load_case_results(Engine& engine) {
  check_load_case_results(engine, PileModelSections{});
}

}  // namespace torva
