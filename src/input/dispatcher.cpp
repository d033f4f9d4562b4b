#include "input/dispatcher.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "engine/errors.h"
#include "input/auxiliary_readers.h"
#include "input/input_file.h"
#include "input/loading_reader.h"
#include "input/lrfd_reader.h"
#include "input/options_reader.h"
#include "input/reader_text.h"
#include "input/section_reader.h"
#include "input/soil_reader.h"

namespace torva {

namespace {

constexpr double kSameDepth = 1e-6;  // output depths closer than this are one depth

void read_title(Engine& engine) {
  engine.run.message.put("Reading title data");
  for (std::string& line : engine.control.title) line = read_text_line(engine, "the title");
}

// Sorted by depth, with depths closer than 1e-6 merged; only the depth values move up when
// a repeated depth is removed.
void sort_output_depths(InputControl& control) {
  auto& records = control.output_depths;
  int n = control.output_depth_count;
  for (int i = 0; i < n - 1; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (records[i].depth > records[j].depth) std::swap(records[i], records[j]);
    }
  }
  for (int i = 0; i < n; ++i) {
    int j = i + 1;
    while (j < n) {
      if (std::fabs(records[i].depth - records[j].depth) < kSameDepth) {
        for (int k = j; k < n - 1; ++k) records[k].depth = records[k + 1].depth;
        --n;
      } else {
        ++j;
      }
    }
  }
  control.output_depth_count = n;
}

void read_output_depths(Engine& engine) {
  InputControl& control = engine.control;
  for (OutputDepth& record : control.output_depths) {
    record.deflections.fill(0.0);
    record.deflection_count = 0;
    record.second_count = 0;
  }
  if (!engine.options.PrintPYCurves) return;
  engine.run.message.put("Reading p-y output depths and optional y-values data");
  int count = 0;
  read_record(engine, "the number of p-y output depths", {&count});
  check_capacity(engine, "depths of printed p-y curves", count, kMaxOutputDepths);
  count = std::max(count, 0);
  for (int i = 0; i < count; ++i) {
    int number = 0;
    read_record(engine, "a depth of a printed p-y curve", {&number, &control.output_depths[i].depth});
    control.output_depths[i].second_count = 0;
  }
  control.output_depth_count = count;
  sort_output_depths(control);
}

template <typename T>
T read_one(Engine& engine, std::string_view what) {
  T value{};
  read_record(engine, what, {&value});
  return value;
}

[[noreturn]] void control_error(Engine& engine, const ErrorId& error, std::string_view section,
                                std::string_view problem, std::string_view allowed) {
  raise_error(engine, error,
              std::string(section) + " data: " + std::string(problem) + " (line " +
                  std::to_string(input_line_number(engine)) + ").",
              "Use " + std::string(allowed) + ".");
}

// A control value that must lie in low..high; outside it, the section's numbered error names the
// value and what is allowed.
int read_in_range(Engine& engine, const ErrorId& error, std::string_view section,
                  std::string_view name, int low, int high, std::string_view allowed) {
  const int value = read_one<int>(engine, "the " + std::string(name) + " of the " +
                                              std::string(section) + " data");
  if (value < low || value > high) {
    control_error(engine, error, section, std::string(name) + " " + std::to_string(value),
                  allowed);
  }
  return value;
}

void read_stiffness_control(Engine& engine) {
  if (!engine.options.ComputeKmatrix) return;
  StiffnessControl& k = engine.control.stiffness;
  const ErrorId& error = errors::kInputStiffnessControl;
  constexpr std::string_view kSection = "Foundation stiffness";
  k.method = read_in_range(engine, error, kSection, "computation method", 0, 2,
                           "a method of 0, 1 or 2");
  k.points = read_in_range(engine, error, kSection, "number of points", 1, kMaxStiffnessPoints,
                           "1 to " + std::to_string(kMaxStiffnessPoints) + " points");
  k.distribution = read_in_range(engine, error, kSection, "point distribution", 0, 1,
                                 "0 (logarithmic) or 1 (arithmetic)");
  if (k.method == 2) {
    k.max_displacement = read_one<double>(engine, "the largest pile-head displacement");
    if (k.max_displacement == 0.0) {
      control_error(engine, error, kSection, "method 2 with a largest pile-head displacement of 0",
                    "a largest pile-head displacement other than 0");
    }
    k.max_rotation = read_one<double>(engine, "the largest pile-head rotation");
    if (k.max_rotation == 0.0) {
      control_error(engine, error, kSection, "method 2 with a largest pile-head rotation of 0",
                    "a largest pile-head rotation other than 0");
    }
  }
}

// After END: methods 0 and 1 take their ranges from the first load case, which must exist.
void check_stiffness_reference(Engine& engine) {
  const Options& options = engine.options;
  if (!options.ComputeKmatrix || options.i_Analysis_Type == kBendingPropertiesOnly) return;
  const int method = engine.control.stiffness.method;
  const int cases = options.UseLRFD ? engine.lrfd.combination_count : engine.loading.count;
  if (method == 2 || cases >= 1) return;
  raise_error(engine, errors::kInputStiffnessControl,
              "Foundation stiffness data: computation method " + std::to_string(method) +
                  " takes its range from load case 1, but the input gives no load case.",
              "Give at least one pile-head load case, or use computation method 2 with the "
              "largest pile-head displacement and rotation.");
}

void read_pushover_control(Engine& engine) {
  if (!engine.options.ComputePushover) return;
  PushoverControl& push = engine.control.pushover;
  const ErrorId& error = errors::kInputPushoverControl;
  constexpr std::string_view kSection = "Pushover";
  push.fixity = read_in_range(engine, error, kSection, "pile-head fixity", 0, 2,
                              "0 (free), 1 (fixed) or 2 (free and fixed head)");
  push.distribution = read_in_range(engine, error, kSection, "point distribution", 0, 2,
                                    "0 (logarithmic), 1 (arithmetic) or 2 (user values)");
  push.points = read_in_range(engine, error, kSection, "number of points", 1, kMaxPushoverPoints,
                              "1 to " + std::to_string(kMaxPushoverPoints) + " points");
  if (push.distribution == 2) {
    for (int i = 0; i < push.points; ++i) {
      push.user_displacements[i] = read_one<double>(engine, "a pushover displacement");
    }
  } else {
    push.max_deflection = read_one<double>(engine, "the largest pushover deflection");
    push.min_deflection = read_one<double>(engine, "the smallest pushover deflection");
  }
  push.final_value = read_one<double>(engine, "the final pushover value");
}

void read_buckling_control(Engine& engine) {
  if (!engine.options.ComputePileBuckling) return;
  BucklingControl& b = engine.control.buckling;
  const ErrorId& error = errors::kInputBucklingControl;
  constexpr std::string_view kSection = "Buckling";
  b.fixity = read_in_range(engine, error, kSection, "pile-head fixity", 0, 2,
                           "0 (shear and moment), 1 (shear and slope) or 2 (shear and "
                           "rotational stiffness)");
  b.axial_loads = read_in_range(engine, error, kSection, "number of axial loads", 2,
                                kMaxBucklingLoads,
                                "2 to " + std::to_string(kMaxBucklingLoads) + " axial loads");
  b.shear = read_one<double>(engine, "the buckling pile-head shear");
  b.moment = read_one<double>(engine, "the buckling pile-head moment");
  b.slope = read_one<double>(engine, "the buckling pile-head slope");
  b.rotational_stiffness = read_one<double>(engine, "the buckling rotational stiffness");
  b.max_compression = read_one<double>(engine, "the largest buckling compression load");
  if (!(b.max_compression > 0.0)) {
    control_error(engine, error, kSection,
                  "largest compression load " + value_text(b.max_compression),
                  "a largest compression load greater than 0");
  }
}

struct Section {
  std::string_view keyword;
  void (*read)(Engine&);
};

// In the order the keywords are compared.
constexpr std::array kSections = {
    Section{"TITLE", read_title},
    Section{"OPTIONS", read_options},
    Section{"SECTIONS", read_sections},
    Section{"AXIAL THRUST LOADS", read_axial_thrust_loads},
    Section{"SOIL LAYERS", read_soil_layers},
    Section{"TIP SHEAR", read_tip_shear},
    Section{"PILE BATTER AND SLOPE", read_batter_and_slope},
    Section{"GROUPEFF", read_group_effect_factors},
    Section{"LRFD LOADS", read_lrfd_loads},
    Section{"LRFD FACTORS AND CASES", read_lrfd_factors},
    Section{"LOADING", read_loading},
    Section{"SOIL MOVEMENTS", read_soil_movements},
    Section{"GROUP EFFECT FACTORS", read_group_effect_factors},
    Section{"DEPTHS OF PRINTED P-Y CURVES", read_output_depths},
    Section{"FOUNDATION STIFFNESS", read_stiffness_control},
    Section{"PILE PUSHOVER ANALYSIS DATA", read_pushover_control},
    Section{"PILE BUCKLING ANALYSIS DATA", read_buckling_control},
};

}  // namespace

void read_input_data(Engine& engine) {
  engine.run.message.put("Input of data begun");
  bool options_read = false;
  for (;;) {
    const std::string line = read_text_line(engine, "the next section keyword");
    const auto section = std::find_if(kSections.begin(), kSections.end(),
                                      [&](const Section& s) { return s.keyword == line; });
    if (section != kSections.end()) {
      section->read(engine);
      options_read = options_read || section->read == read_options;
      continue;
    }
    if (line != "END") unrecognized_line(engine, line);
    if (!options_read) {
      raise_error(engine, errors::kInputNoOptions,
                  "The input data file has no OPTIONS section.",
                  "Add the OPTIONS section after the title.");
    }
    check_group_factors_given(engine);
    check_stiffness_reference(engine);
    derive_axial_thrust_list(engine);
    return;
  }
}

}  // namespace torva
