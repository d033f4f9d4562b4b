// Load and resistance factor design: the factored pile-head loads of the combinations, their
// axial thrusts, the distributed lateral loads by load type, and the check of every pile
// section against its factored moment capacity after all combinations are solved.
//
// Every combination j is solved as load case j under shear and moment at the pile head (the
// factored shear V_j, moment M_j and axial thrust Q_j) with the nodes loaded by
// W(i) = sum over the load types k of factor(j, k) * q_k(i).
#pragma once

#include <string_view>

#include "model/engine.h"

namespace torva {

// The names of load type k = 1..13 in the LRFD reports.
struct LrfdLoadTypeNames {
  std::string_view group;        // in the table of loading groups, "Dead Load   (DL)"
  std::string_view totals;       // in the table of totals, "Dead Loads   (DL)"
  std::string_view term;         // after its factor in "Factored Load = ", "*DL"
  std::string_view distributed;  // in the distributed-load blocks, "Dead Loads"
};
const LrfdLoadTypeNames& lrfd_load_type(int k);

// Batter angles at or below this magnitude (radians) leave the loads untransformed.
inline constexpr double kLrfdBatterLimit = 1e-6;
// Factored thrusts closer than this are one entry of the thrust list.
inline constexpr double kLrfdSameThrust = 1e-15;

// The totals by load type, the factored loads H, M, P of every combination, their batter
// transformation into V and Q (batter in radians), the distinct thrusts Q ascending, and t(j).
void compute_factored_loads(const LrfdInput& input, double batter, LrfdLoads& loads);

// compute_factored_loads for the run, done once before the unit conversion and the section
// analysis. In full analyses the factored thrusts become the thrust list of the section
// analysis and the solver (kips in US customary runs); runs that compute bending properties
// only keep the list of the loading groups.
void prepare_factored_loads(Engine& engine);

// q_k(i) at every node of the pile model (x, h and N of `nodes`, pile length L): the integral
// of every profile of type k over the node's tributary interval, summed over the groups of the
// type and divided by the tributary length.
void compute_loads_by_type(const LrfdInput& input, const NodeTable& nodes, double L,
                           LrfdLoads& loads);

// W(i) = sum of factor * q_k(i) over the load types of `combination`, W cleared first; kept in
// loads.applied as well, for the soil criteria that add the soil-movement term to W.
void apply_combination_load(const LrfdCombination& combination, LrfdLoads& loads,
                            NodeTable& nodes);

// The distributed loads of combination j on the nodes just built and assigned: q_k(i), the
// report block of every load type that loads a node (when `report` is set), and W.
void load_nodes_for_combination(Engine& engine, int j, bool report);

// The pile-head loading of combination j: shear and moment, V_j and M_j, axial thrust Q_j.
HeadCondition combination_head_condition(const Engine& engine, int j);

// How one pile section fared in one combination.
enum class LrfdVerdict { kNotApplicable, kPass, kFail };
struct LrfdSectionCheck {
  bool elastic = false;       // "Elastic Pile": no moment capacity to check
  bool has_capacity = false;  // the factored capacity is known
  double capacity = 0.0;      // phi_M * M_n (in-lb, kN-m)
  double moment = 0.0;        // largest |M| developed in the section (in-lb, kN-m)
  double shear = 0.0;         // largest |V| developed in the section (lb, kN)
  bool has_fraction = false;
  double fraction = 0.0;      // moment / capacity
  LrfdVerdict verdict = LrfdVerdict::kNotApplicable;
  bool tracked = false;       // takes part in the search of the least remaining capacity
  double remaining = 0.0;     // (capacity - moment) / capacity
};

// The check of section s in combination j, from the results of the combination and the
// capacities of the section analysis: the nominal capacity at the combination's thrust for the
// nonlinear sections, the largest moment of the input curve for sections of input
// moment-curvature data, and the plastic moment at the node of the largest moment for the
// elastic-plastic sections.
LrfdSectionCheck check_lrfd_section(const Engine& engine, int j, int s);

// The report block of the LRFD input: the loading groups and their distributed loads, the
// totals by load type, the factors, the factored loads of every combination, their batter
// transformation and the sorted thrusts. Works out the factored loads first
// (prepare_factored_loads); the input echo calls it in LRFD runs.
void write_lrfd_echo(Engine& engine);

// The blocks of distributed lateral loads by load type of the current load case.
void write_loads_by_type(Engine& engine);

// The table of LRFD performance at the end of the summary of pile responses: every section in
// every combination against its factored moment capacity. Registers warning 400 for every
// failure.
void write_lrfd_performance_table(Engine& engine);

// Warning 400 counted again for every failure of the table when an analysis after the summary
// has cleared the warning counts, so that the end of the run still reports it.
void keep_lrfd_failure_warning(Engine& engine);

}  // namespace torva
