// The results of the load cases: the results pass that follows the convergence of a load case
// (internal forces at every node, the maxima and pile-head values kept for the case, its
// section of the report and its plot records), and the summary of all load cases at the end.
#pragma once

#include "model/engine.h"
#include "response/node_results.h"

namespace torva {

enum class ResultsMode {
  kLoadCase,   // an ordinary load case or LRFD combination: reported, plotted and kept
  kStiffness,  // an auxiliary case of the pile-head stiffness analysis: kept apart, no output
};

// Results of the load case engine.run.current_load_case, solved just before (engine.solver):
// clears the running maxima and the case's result record, computes the node results at every
// node, keeps the pile-head values, maxima and zero-deflection count of the case, writes its
// report section (heading, pile-head conditions, nodal table, output summary; with
// PrintSummaryOnly only the pile-head conditions) and its plot records (Line 9 with case 1, a
// Line 10 for every node). The section properties come from the pile model.
void report_load_case_results(Engine& engine);
void report_load_case_results(Engine& engine, const SectionPropertySource& sections,
                              ResultsMode mode = ResultsMode::kLoadCase);

// The "Summary of Pile Response(s)" of all load cases and their Line 13 plot records, written
// once after the last load case.
void report_pile_response_summary(Engine& engine);

// The Line 11 record of load case j when no pile-length sweep follows it: a count of 0 with the
// text of LRFD combinations or of ordinary load cases.
void plot_no_length_sweep(Engine& engine, int j);

// Load cases of the run: the LRFD combinations in LRFD runs, else the pile-head load cases.
int load_case_count(const Engine& engine);

}  // namespace torva
