#include "response/lrfd.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/errors.h"
#include "pile/pile_model.h"
#include "section/stored_curves.h"

namespace torva {

namespace {

constexpr double kPoundsPerKip = 1000.0;  // the section tables work in kips in US runs

const std::array<LrfdLoadTypeNames, kLrfdLoadTypes> kLoadTypes = {{
    {"Dead Load   (DL)", "Dead Loads   (DL)", "*DL", "Dead Loads"},
    {"Live Load   (LL)", "Live Loads   (LL)", "*LL", "Live Loads"},
    {"Earthquake  (EQ)", "Earthquake   (EQ)", "*EQ", "Earthquake Loads"},
    {"Impact Load (IM)", "Impact Load  (IM)", "*IM", "Impact Loads"},
    {"Wind Load    (W)", "Wind Loads    (W)", "*W ", "Wind Loads"},
    {"Water Load  (HW)", "Water Loads  (HW)", "*HW", "Water Loads"},
    {"Ice Load   (Ice)", "Ice Loads   (Ice)", "*Ice", "Ice Loads"},
    {"Horiz. Soil (Hs)", "Horiz. Soil  (Hs)", "*Hs", "Horizontal Soil Pressures"},
    {"Live Roof   (Lr)", "Live Roof    (Lr)", "*Lr", "Live Roof Loads"},
    {"Rain Load   (Rn)", "Rain Loads   (Rn)", "*Rn", "Rain Loads"},
    {"Snow Load   (Sn)", "Snow Loads   (Sn)", "*Sn", "Snow Loads"},
    {"Temperature (Tm)", "Temperature  (Tm)", "*Tm", "Temperature Loads"},
    {"Special     (Sp)", "Special      (Sp)", "*Sp", "Special Loads"},
}};

// The distinct thrusts of the combinations, ascending, and the entry of every combination.
void sort_thrusts(int count, LrfdLoads& loads) {
  std::array<int, kMaxLrfdCombinations> order{};
  for (int j = 1; j <= count; ++j) order[static_cast<std::size_t>(j - 1)] = j;
  const auto Q = [&](int j) { return loads.factored[j].Q; };
  std::stable_sort(order.begin(), order.begin() + count, [&](int a, int b) { return Q(a) < Q(b); });

  ThrustList& list = loads.thrusts;
  list = ThrustList{};
  for (int n = 0; n < count; ++n) {
    const int j = order[static_cast<std::size_t>(n)];
    if (list.count == 0 || !(std::fabs(Q(j) - list.T[list.count]) < kLrfdSameThrust)) {
      list.T[++list.count] = Q(j);
    }
    loads.factored[j].thrust_index = list.count;
  }
}

}  // namespace

const LrfdLoadTypeNames& lrfd_load_type(int k) {
  return kLoadTypes[static_cast<std::size_t>(std::clamp(k, 1, kLrfdLoadTypes) - 1)];
}

void compute_factored_loads(const LrfdInput& input, double batter, LrfdLoads& loads) {
  for (int k = 1; k <= kLrfdLoadTypes; ++k) loads.totals[k] = LrfdTypeTotals{};
  for (int g = 1; g <= input.group_count; ++g) {
    const LrfdGroup& group = input.groups[g];
    if (group.load_type < 1 || group.load_type > kLrfdLoadTypes) continue;
    LrfdTypeTotals& totals = loads.totals[group.load_type];
    totals.H += group.horizontal_force;
    totals.M += group.moment;
    totals.P += group.axial_force;
    ++totals.groups;
  }

  const bool battered = std::fabs(batter) > kLrfdBatterLimit;
  const double c = std::cos(batter);
  const double s = std::sin(batter);
  const int count = std::min(input.combination_count, kMaxLrfdCombinations);
  for (int j = 1; j <= count; ++j) {
    const LrfdCombination& combination = input.combinations[j];
    LrfdFactoredLoad& load = loads.factored[j];
    load = LrfdFactoredLoad{};
    for (int k = 1; k <= kLrfdLoadTypes; ++k) {
      const double factor = combination.factors[k];
      load.H += factor * loads.totals[k].H;
      load.M += factor * loads.totals[k].M;
      load.P += factor * loads.totals[k].P;
    }
    load.V = battered ? c * load.H + s * load.P : load.H;
    load.Q = battered ? -s * load.H + c * load.P : load.P;
  }
  sort_thrusts(count, loads);
}

void prepare_factored_loads(Engine& engine) {
  LrfdLoads& loads = engine.lrfd_loads;
  compute_factored_loads(engine.lrfd, engine.inclination.batter, loads);
  if (engine.options.i_Analysis_Type == kBendingPropertiesOnly) return;
  const double divisor = engine.options.IUNITS == kUnitsUS ? kPoundsPerKip : 1.0;
  ThrustList& list = engine.thrusts;
  list = ThrustList{};
  list.count = loads.thrusts.count;
  for (int j = 1; j <= list.count; ++j) list.T[j] = loads.thrusts.T[j] / divisor;
}

void compute_loads_by_type(const LrfdInput& input, const NodeTable& nodes, double L,
                           LrfdLoads& loads) {
  const int N = nodes.N;
  const double h = nodes.h;
  std::array<bool, kLrfdLoadTypes + 1> loaded{};
  for (int g = 1; g <= input.group_count; ++g) {
    const int k = input.groups[g].load_type;
    if (k >= 1 && k <= kLrfdLoadTypes) loaded[static_cast<std::size_t>(k)] = true;
  }
  for (int k = 1; k <= kLrfdLoadTypes; ++k) {
    PerNode<double>& q = loads.by_type[k];
    for (int i = 1; i <= N; ++i) q[i] = 0.0;
  }
  for (int g = 1; g <= input.group_count; ++g) {
    const LrfdGroup& group = input.groups[g];
    if (group.distributed.count < 1 || !loaded[static_cast<std::size_t>(group.load_type)]) {
      continue;
    }
    PerNode<double>& q = loads.by_type[group.load_type];
    for (int i = 1; i <= N; ++i) q[i] += tributary_integral(group.distributed, nodes.x[i], h, L);
  }
  for (int k = 1; k <= kLrfdLoadTypes; ++k) {
    if (!loaded[static_cast<std::size_t>(k)]) continue;
    PerNode<double>& q = loads.by_type[k];
    for (int i = 1; i <= N; ++i) q[i] /= tributary_length(nodes.x[i], h, L);
  }
}

void apply_combination_load(const LrfdCombination& combination, LrfdLoads& loads,
                            NodeTable& nodes) {
  const int N = nodes.N;
  nodes.W.fill(0.0);
  loads.applied.fill(0.0);
  for (int i = 1; i <= N; ++i) {
    double W = 0.0;
    for (int k = 1; k <= kLrfdLoadTypes; ++k) W += combination.factors[k] * loads.by_type[k][i];
    nodes.W[i] = W;
    loads.applied[i] = W;
  }
}

void load_nodes_for_combination(Engine& engine, int j, bool report) {
  compute_loads_by_type(engine.lrfd, engine.nodes, engine.sections.pile_length, engine.lrfd_loads);
  if (report) write_loads_by_type(engine);
  apply_combination_load(engine.lrfd.combinations[j], engine.lrfd_loads, engine.nodes);
}

HeadCondition combination_head_condition(const Engine& engine, int j) {
  const LrfdFactoredLoad& load = engine.lrfd_loads.factored[j];
  return HeadCondition{load_type::kShearMoment, load.V, load.M, load.Q};
}

LrfdSectionCheck check_lrfd_section(const Engine& engine, int j, int s) {
  LrfdSectionCheck check;
  const PileSection& section = engine.sections.table[static_cast<std::size_t>(s - 1)];
  const SectionMaximum& maximum = engine.results.section_maxima[j][s];
  check.moment = std::fabs(maximum.moment);
  check.shear = std::fabs(maximum.shear);
  if (section.type == kElasticPile) {
    check.elastic = true;
    return check;
  }

  const int node = maximum.moment_node;
  const int t = engine.lrfd_loads.factored[j].thrust_index;
  const bool us = engine.options.IUNITS == kUnitsUS;
  double nominal = 0.0;
  check.has_capacity = true;
  if (section.type == kElasticPlastic) {
    // The plastic moment of the node of the largest moment, also along an H-pile, whose
    // capacity is constant (its nominal capacity entry is 0).
    check.has_capacity = node >= 1;
    if (check.has_capacity) nominal = plastic_moment_at(section, engine.nodes.x[node]);
  } else if (t >= 1 && t <= kMaxThrusts) {
    const MomentCurvatureCurve& curve = engine.moment_curvature.curve(s, t);
    if (section.type == kUserDefinedEI) {
      // The largest moment of the input curve, held in the table units.
      double largest = 0.0;
      for (int p = 1; p <= curve.n_p; ++p) largest = std::max(largest, curve.M(p));
      nominal = us ? largest * kPoundsPerKip : largest;
    } else {
      nominal = curve.M_n;
    }
  }
  const double phi = engine.lrfd.combinations[j].phi_flexure;
  check.capacity = phi * nominal;
  if (!check.has_capacity || node < 1) return check;  // the section holds no node

  if (!(check.capacity > 0.0)) {
    if (check.moment > 0.0) check.verdict = LrfdVerdict::kFail;
    return check;
  }
  check.has_fraction = true;
  check.fraction = check.moment / check.capacity;
  check.verdict = check.capacity > check.moment ? LrfdVerdict::kPass : LrfdVerdict::kFail;
  check.tracked = true;
  check.remaining = (check.capacity - check.moment) / check.capacity;
  return check;
}

void keep_lrfd_failure_warning(Engine& engine) {
  const int failures = engine.lrfd_loads.failures;
  if (failures < 1 || engine.warnings.WarningCount[400] != 0) return;
  for (int n = 0; n < failures; ++n) WarningRegister(engine, -400);
}

}  // namespace torva
