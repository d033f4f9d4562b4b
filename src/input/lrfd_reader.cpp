#include "input/lrfd_reader.h"

#include <string>

#include "engine/errors.h"
#include "input/input_file.h"
#include "input/reader_text.h"

namespace torva {

namespace {

std::string number(int value) { return std::to_string(value); }

void report_lines(Engine& engine, std::initializer_list<std::string_view> lines) {
  for (std::string_view text : lines) engine.run.report.put(text);
}

void read_combination(Engine& engine, int j, LrfdCombination& combination) {
  int running = 0;
  auto& f = combination.factors;
  read_record(engine, "LRFD load combination " + number(j),
              {&running, &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7], &f[8], &f[9], &f[10],
               &f[11], &f[12], &f[13], &combination.phi_flexure, &combination.phi_shear});
  combination.name = read_text_line(engine, "the name of LRFD load combination " + number(j));
  if (combination.phi_flexure <= 0.0) combination.phi_flexure = kDefaultResistanceFactor;
  if (combination.phi_shear <= 0.0) combination.phi_shear = kDefaultResistanceFactor;
}

// The distributed-load points of loading group j: none, or 2 to 100 numbered in order.
void read_group_points(Engine& engine, int j, int count, DistributedLoadProfile& profile) {
  if (count == 0) {
    profile.count = 0;
    return;
  }
  if (count < 2 || count > kMaxDistributedLoadPoints) {
    report_lines(engine,
                 {"", "", "***** Input Data Error No. 95 *****", "",
                  "Number of distributed load points for LRFD load number " + number(j) +
                      " is outside of the valid range of 0 or 2 to 100.",
                  "", "The input number of distributed load points is " + number(count), "", ""});
    stop_run(engine, "INP00095", 195);
  }
  for (int k = 1; k <= count; ++k) {
    int point = 0;
    read_record(engine,
                "distributed load point " + number(k) + " of LRFD loading group " + number(j),
                {&point, &profile.depth[k], &profile.load[k]});
    if (point != k) {
      report_lines(engine,
                   {"", "", "***** Input Data Error No. 96 *****", "",
                    "Input appears to be out-of-order for LRFD distributed load " + number(j), "",
                    "Input distributed load point is " + number(point) +
                        " and the expected point number is " + number(k),
                    "", ""});
      stop_run(engine, "INP00096", 196);
    }
  }
  profile.count = count;
}

}  // namespace

void read_lrfd_factors(Engine& engine) {
  engine.run.message.put("Reading LRFD load and resistance factor data ");
  LrfdInput& lrfd = engine.lrfd;
  int count = 0;
  read_record(engine, "the number of LRFD load combinations", {&count});
  if (count < 1 || count > kMaxLrfdCombinations) {
    report_lines(engine,
                 {"", "", "***** Input Data Error No. 94 *****", "",
                  "Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
                  "Number of LRFD load combinations input is " + number(count), "", ""});
    stop_run(engine, "INP00094", 194);
  }
  // A combination without load factors is reported, and the others are still read and
  // checked, before the run ends.
  bool all_zero_found = false;
  for (int j = 1; j <= count; ++j) {
    LrfdCombination& combination = lrfd.combinations[j];
    read_combination(engine, j, combination);
    double sum = 0.0;
    for (int k = 1; k <= kLrfdLoadTypes; ++k) sum += combination.factors[k];
    if (sum > 0.0) continue;
    report_lines(engine,
                 {"", "", "***** Input Data Error No. 72 *****", "",
                  "All input load factors for LRFD analysis are zero.", "",
                  "The number of the LRFD load combination in error is " + number(j), "", ""});
    ErrorStop(engine, "INP00072", 172);
    all_zero_found = true;
  }
  lrfd.combination_count = count;
  if (all_zero_found) throw RunStopped{};
}

void read_lrfd_loads(Engine& engine) {
  engine.run.message.put("Reading LRFD unfactored load data");
  LrfdInput& lrfd = engine.lrfd;
  int count = 0;
  read_record(engine, "the number of LRFD loading groups", {&count});
  if (count < 1 || count > kMaxLrfdGroups) {
    report_lines(engine, {"", "", "***** Input Data Error No. 98 *****", "",
                          "Number of LRFD loads specified is " + number(count),
                          "This is outside of the valid range to 1 to 100", "", ""});
    stop_run(engine, "INP00098", 198);
  }
  for (int j = 1; j <= count; ++j) {
    LrfdGroup& group = lrfd.groups[j];
    int group_number = 0;
    int points = 0;
    read_record(engine, "LRFD loading group " + number(j),
                {&group_number, &group.load_type, &group.horizontal_force, &group.moment,
                 &group.axial_force, &points});
    if (group_number != j) {
      report_lines(engine, {"", "", "***** Input Data Error No. 97 *****", "",
                            "Input appears to be out-of-order for LRFD loading",
                            "Input load number is " + number(group_number) +
                                " and the expected load number is " + number(j),
                            "", ""});
      stop_run(engine, "INP00097", 197);
    }
    if (group.load_type < 1 || group.load_type > kLrfdLoadTypes) {
      raise_error(engine, errors::kInputLrfdLoadType,
                  "LRFD loading group " + number(j) + " has the load type " +
                      number(group.load_type) + " (" + line_text(engine) + ").",
                  "Use a load type from 1 (dead load) to 13 (special load).");
    }
    read_group_points(engine, j, points, group.distributed);
  }
  lrfd.group_count = count;
}

}  // namespace torva
