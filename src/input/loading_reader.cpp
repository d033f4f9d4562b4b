#include "input/loading_reader.h"

#include <string>
#include <utility>

#include "engine/errors.h"
#include "input/input_file.h"
#include "input/reader_text.h"

namespace torva {

namespace {

constexpr double kPoundsPerKip = 1000.0;

void check_case_count(Engine& engine, int count, std::string_view section, std::string_view items) {
  if (count <= kMaxLoadCases) return;
  raise_error(engine, errors::kInputLoadCaseCount,
              "The " + std::string(section) + " section gives " + std::to_string(count) + " " +
                  std::string(items) + " (" + line_text(engine) + ").",
              "Give at most " + std::to_string(kMaxLoadCases) + " " + std::string(items) + ".");
}

void read_distributed_load(Engine& engine) {
  DistributedLoadProfile& profile = engine.loading.distributed;
  int count = 0;
  read_record(engine, "the number of distributed load points", {&count});
  check_capacity(engine, "distributed load points", count, kMaxDistributedLoadPoints);
  if (count <= 0) {
    profile.depth[1] = profile.depth[2] = 0.0;
    profile.load[1] = profile.load[2] = 0.0;
    profile.count = 0;
    return;
  }
  for (int k = 1; k <= count; ++k) {
    int number = 0;
    read_record(engine, "distributed load point " + std::to_string(k),
                {&number, &profile.depth[k], &profile.load[k]});
  }
  profile.count = count;
}

// Exchange sort, ascending.
template <typename Get>
void exchange_sort(int count, Get&& value) {
  for (int i = 1; i < count; ++i) {
    for (int j = i + 1; j <= count; ++j) {
      if (value(i) > value(j)) std::swap(value(i), value(j));
    }
  }
}

}  // namespace

void read_loading(Engine& engine) {
  engine.run.message.put("Reading pile head loading data");
  PileHeadLoading& loading = engine.loading;
  int count = 0;
  read_record(engine, "the number of load cases", {&count});
  check_case_count(engine, count, "LOADING", "load cases");
  for (int i = 1; i <= count; ++i) {
    LoadCase& load = loading.cases[i];
    int number = 0;
    int no_sweep = load.length_sweep ? 0 : 1;
    read_record(engine, "load case " + std::to_string(i),
                {&number, &load.load_type, &load.condition1, &load.condition2, &load.axial_thrust,
                 &no_sweep});
    if (load.load_type < load_type::kShearMoment || load.load_type > load_type::kDeflectionSlope) {
      raise_error(engine, errors::kInputLoadType,
                  "Load case " + std::to_string(i) + " has the load type " +
                      std::to_string(load.load_type) + " (" + line_text(engine) + ").",
                  "Use a load type from 1 to 5: 1 shear and moment, 2 shear and slope, 3 shear "
                  "and rotational stiffness, 4 deflection and moment, 5 deflection and slope.");
    }
    // The pile-length sweep is run unless the flag is 1.
    load.length_sweep = no_sweep != 1;
  }
  loading.count = count < 0 ? 0 : count;
  read_distributed_load(engine);
}

void read_axial_thrust_loads(Engine& engine) {
  engine.thrusts = ThrustList{};
  PileHeadLoading& loading = engine.loading;
  int count = 0;
  read_record(engine, "the number of axial thrust forces", {&count});
  check_case_count(engine, count, "AXIAL THRUST LOADS", "axial thrust forces");
  if (count < 1) {
    loading.count = 1;
    loading.cases[1].axial_thrust = 0.0;
    return;
  }
  engine.run.message.put("Reading axial thrust force data for EI-only computations");
  for (int i = 1; i <= count; ++i) {
    int number = 0;
    read_record(engine, "axial thrust force " + std::to_string(i),
                {&number, &loading.cases[i].axial_thrust});
  }
  loading.count = count;
  exchange_sort(count, [&](int i) -> double& { return loading.cases[i].axial_thrust; });
}

void derive_axial_thrust_list(Engine& engine) {
  // Interaction diagrams take their thrusts from the same load cases (no other record gives
  // them).
  if (engine.sections.count < 1) return;
  ThrustList& list = engine.thrusts;
  const bool lrfd = engine.options.UseLRFD;
  const int count = lrfd ? engine.lrfd.group_count : engine.loading.count;
  const double divisor = engine.options.IUNITS == kUnitsUS ? kPoundsPerKip : 1.0;
  for (int j = 1; j <= count; ++j) {
    const double thrust =
        lrfd ? engine.lrfd.groups[j].axial_force : engine.loading.cases[j].axial_thrust;
    list.T[j] = thrust / divisor;
  }
  exchange_sort(count, [&](int i) -> double& { return list.T[i]; });
  int kept = 0;
  for (int j = 1; j <= count; ++j) {
    if (kept > 0 && list.T[j] == list.T[kept]) continue;  // sorted: a repeat follows its first
    list.T[++kept] = list.T[j];
  }
  for (int j = kept + 1; j <= count; ++j) list.T[j] = 0.0;
  list.count = kept;
}

}  // namespace torva
