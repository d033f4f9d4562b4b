#include "report/input_echo.h"

#include <cmath>
#include <string>

#include "engine/errors.h"
#include "report/echo_blocks.h"

namespace torva {

namespace echo {

void heading(TextFile& report, std::string_view title, int indent, int empty_before) {
  const std::string rule(80, '-');
  report.blank(empty_before);
  report.put(rule);
  report.put(std::string(static_cast<std::size_t>(indent), ' ') + std::string(title));
  report.put(rule);
  report.blank();
}

void input_error(Engine& engine, const ErrorId& error,
                 std::initializer_list<std::string_view> lines) {
  for (std::string_view text : lines) engine.run.message.put(text);
  for (std::string_view text : lines) engine.run.report.put(text);
  stop_run(engine, error);
}

void section_point_check(Engine& engine) {
  const int points = engine.sections.point_count;
  if (points < 2 || points > kMaxSectionPoints) section_point_count_error(engine, points);
}

void soil_profile_checks(Engine& engine) {
  const SoilLayers& soil = engine.soil;
  const SoilProfile& profile = engine.profile;
  // The soil must reach the tip, whose depth is vertical like the depths of the soil profile.
  const double tip = engine.sections.pile_length * std::cos(engine.inclination.batter);
  const double lowest = soil.count >= 1 ? soil.XLayerBottom[soil.count] : 0.0;
  if (lowest < tip) {
    input_error(engine, errors::kInputSoilAboveTip,
                {"**** Input Data Error No. 18 ****", "",
                 Line()
                     .a("Problem: The depth at the bottom of the lowermost soil layer is ")
                     .e(lowest, 12, 4)
                     .str(),
                 Line()
                     .a("         This depth is higher than the tip of the pile at ")
                     .e(tip, 12, 4)
                     .a(".")
                     .str(),
                 "Solution: Increase the depth of the soil profile or shorten the pile length."});
  }
  const double first = profile.gamma_depth[1];
  if (first > soil.XS) {
    input_error(engine, errors::kInputProfileBelowGround,
                {"**** Input Data Error No. 19 ****", "",
                 "The depth of the first point of the data for effective unit",
                 Line().a("is located at ").f(first, 12, 4).a(" below the top of the pile.").str(),
                 Line().a("The ground surface is located at ").f(soil.XS, 12, 4).a(".").str(),
                 "The first point for the effective unit weight should be located",
                 "at the same elevation as the ground surface."});
  }
  if (first != soil.XS) {
    input_error(
        engine, errors::kInputProfileNotAtGround,
        {"**** Input Data Error No. 20 ****", "",
         Line()
             .a("Problem:  The first depth of the soil profile is located at ")
             .f(first, 12, 4)
             .str(),
         "          below the top of the pile.",
         Line().a("          The ground surface is elevation is ").f(soil.XS, 12, 4).a(".").str(),
         "Solution: Correct the input data so that the first depth of ",
         "          the soil profile data is be located at the same elevation as the "
         "ground surface."});
  }
  const GroupFactorTable& factors = engine.group_factors;
  if (factors.count >= 1 && factors.depth[1] < soil.XS) {
    input_error(engine, errors::kInputGroupFactorsAboveGround,
                {"**** Input Data Error No. 21 ****", "",
                 "Problem:  The depth for the first data for p-multipliers is ",
                 Line()
                     .a("          located at ")
                     .e(factors.depth[1], 12, 4)
                     .a(" below the top of the pile.'          The ground surface is located at ")
                     .e(soil.XS, 12, 4)
                     .a(".")
                     .str(),
                 "Solution:  Correct the input data so that the first depth for ",
                 "          the p-multiplier data is the same as the elevation as the ",
                 "          ground surface."});
  }
}

}  // namespace echo

void WriteInputEcho(Engine& engine) {
  make_layers_contiguous(engine.soil, engine.profile, engine.user_py);
  engine.run.message.put("Output of input data begun");
  echo::problem_title(engine);
  echo::program_options(engine);
  echo::pile_geometry(engine);
  echo::pile_sections(engine);
  const bool full = engine.options.i_Analysis_Type != kBendingPropertiesOnly;
  if (full) {
    if (engine.options.ComputeKmatrix) echo::stiffness_control(engine);
    if (engine.options.ComputePushover) echo::pushover_control(engine);
    if (engine.options.ComputePileBuckling) echo::buckling_control(engine);
    echo::slope_and_batter(engine);
    echo::soil_layering(engine);
    echo::unit_weight_check(engine);
    echo::soil_summary(engine);
    echo::group_factors(engine);
    echo::soil_movements(engine);
    echo::loading(engine);
    echo::tip_shear(engine);
    echo::output_depths(engine);
  }
  echo::section_point_check(engine);
  if (full) echo::soil_profile_checks(engine);
  engine.run.message.put("Output of input data completed");
  engine.run.message.blank();
}

}  // namespace torva
