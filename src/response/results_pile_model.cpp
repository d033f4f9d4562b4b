// The node results and the results pass with the cross-sections of the pile model. Kept in a
// file of their own so that code which brings its own section properties does not need the
// pile model linked in.
#include "response/results.h"

namespace torva {

SectionProperties PileModelSections::at(const Engine& engine, double x) const {
  return section_properties_at(engine, x);
}

NodeResult node_results(Engine& engine, int i) {
  return node_results(engine, i, PileModelSections{});
}

void report_load_case_results(Engine& engine) {
  report_load_case_results(engine, PileModelSections{}, ResultsMode::kLoadCase);
}

}  // namespace torva
