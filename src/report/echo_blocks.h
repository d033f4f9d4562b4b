// The blocks of the input echo, in the order the report shows them (see input_echo.h).
#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "engine/errors.h"
#include "model/engine.h"
#include "report/fields.h"
#include "report/line.h"

namespace torva::echo {

// A block heading: `empty_before` empty lines, a rule of 80 "-", the title after `indent`
// blanks, a second rule and an empty line.
void heading(TextFile& report, std::string_view title, int indent, int empty_before = 1);

// Writes the lines of an input error to the run-message file and then to the report, and ends
// the run with it.
[[noreturn]] void input_error(Engine& engine, const ErrorId& error,
                              std::initializer_list<std::string_view> lines);

// The number of cycles of loading for an integer field: the real value clamped and truncated.
inline long long whole_cycles(double cycles) {
  if (std::isnan(cycles)) return 0;
  return static_cast<long long>(std::clamp(cycles, -1e15, 1e15));
}

void problem_title(Engine& engine);        // title lines
void program_options(Engine& engine);      // options; resets a negative tolerance
void pile_geometry(Engine& engine);        // pile length, ground depth, section points
void pile_sections(Engine& engine);        // every section; input error 27
void stiffness_control(Engine& engine);    // pile-head stiffness control data
void pushover_control(Engine& engine);     // pushover control data
void buckling_control(Engine& engine);     // buckling control data
void slope_and_batter(Engine& engine);     // ground slope and pile batter
void soil_layering(Engine& engine);        // every layer; liquefied sand depth warning
void unit_weight_check(Engine& engine);    // effective unit weights within their limits
void soil_summary(Engine& engine);         // the summary table of soil properties
void group_factors(Engine& engine);        // p-y modification factors for group action
void soil_movements(Engine& engine);       // lateral soil movements
void loading(Engine& engine);              // loading type, distributed load, load cases; 28
void tip_shear(Engine& engine);            // tip shear curve; input error 50
void output_depths(Engine& engine);        // depths of printed p-y curves; 29, 30
void section_point_check(Engine& engine);  // input error 17
void soil_profile_checks(Engine& engine);  // input errors 18 to 21

}  // namespace torva::echo
