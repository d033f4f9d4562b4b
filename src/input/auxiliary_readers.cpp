#include "input/auxiliary_readers.h"

#include <string>

#include "engine/errors.h"
#include "input/input_file.h"
#include "input/reader_text.h"

namespace torva {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMillimetresPerMetre = 1000.0;

double degrees_to_radians(double degrees) { return degrees * (kPi / 180.0); }

}  // namespace

void read_soil_movements(Engine& engine) {
  // Without the option the section's lines are not this section's.
  if (!engine.options.UseSoilMovement) return;
  engine.run.message.put("Reading soil movement data");
  SoilMovement& movement = engine.soil_movement;
  int count = 0;
  read_record(engine, "the number of soil movement points", {&count});
  if (count < kMinSoilMovementPoints || count > kMaxSoilMovementPoints) {
    write_both(engine,
               {"**** Input Data Error No. 53 ****", "",
                "Number of lines specified for soil movement data = " + std::to_string(count),
                "The number of lines of soil movement data cannot be less than 2 or "
                "exceed 100.",
                ""});
    stop_run(engine, "INP00053", 153);
  }
  for (int k = 1; k <= count; ++k) {
    int number = 0;
    read_record(engine, "soil movement point " + std::to_string(k),
                {&number, &movement.depth[k], &movement.movement[k]});
  }
  // SI movements are given in millimetres.
  if (engine.options.IUNITS == kUnitsSI) {
    for (int k = 1; k <= count; ++k) movement.movement[k] /= kMillimetresPerMetre;
  }
  movement.count = count;
}

void read_group_effect_factors(Engine& engine) {
  GroupFactorTable& table = engine.group_factors;
  int count = 0;
  read_record(engine, "the number of p-y modification factor rows", {&count});
  if (count > kMaxGroupFactorRows) {
    raise_error(engine, errors::kInputGroupFactors,
                "The group effect section gives " + std::to_string(count) +
                    " rows of p-y modification factors (" + line_text(engine) + ").",
                "Give at most " + std::to_string(kMaxGroupFactorRows) + " rows.");
  }
  if (count >= 1) {
    engine.run.message.put("Reading p-y multiplier data");
    for (int k = 1; k <= count; ++k) {
      int number = 0;
      read_record(engine, "p-y modification factor row " + std::to_string(k),
                  {&number, &table.depth[k], &table.p_multiplier[k], &table.y_multiplier[k]});
      if (table.y_multiplier[k] <= 0.0 || table.p_multiplier[k] < 0.0) {
        raise_error(engine, errors::kInputGroupFactors,
                    "Row " + std::to_string(k) + " of the p-y modification factors (" +
                        line_text(engine) + ") has the p-multiplier " +
                        value_text(table.p_multiplier[k]) + " and the y-multiplier " +
                        value_text(table.y_multiplier[k]) + ".",
                    "Give p-multipliers of 0 or more and y-multipliers greater than 0.");
      }
    }
  }
  table.count = count < 0 ? 0 : count;
  table.given = true;
}

void check_group_factors_given(Engine& engine) {
  if (engine.options.i_Analysis_Type == kBendingPropertiesOnly) return;
  if (!engine.options.UsePYModifiers) return;
  const GroupFactorTable& table = engine.group_factors;
  if (table.given && table.count >= 1) return;
  raise_error(engine, errors::kInputGroupFactors,
              table.given ? "The options ask for p-y modification factors for group action, but "
                            "the group effect section gives no rows."
                          : "The options ask for p-y modification factors for group action, but "
                            "the file has no GROUP EFFECT FACTORS section.",
              "Give the factors in a GROUP EFFECT FACTORS section, or set UsePYModifiers NO.");
}

void read_batter_and_slope(Engine& engine) {
  engine.run.message.put("Reading pile batter and ground slope angles");
  double slope = 0.0;
  double batter = 0.0;
  read_record(engine, "the ground slope angle (degrees)", {&slope});
  read_record(engine, "the pile batter angle (degrees)", {&batter});
  PileInclination& inclination = engine.inclination;
  inclination.ground_slope = degrees_to_radians(slope);
  inclination.batter = degrees_to_radians(batter);
  inclination.slope_minus_batter = inclination.ground_slope - inclination.batter;
}

void read_tip_shear(Engine& engine) {
  TipShearCurve& curve = engine.tip_shear;
  int count = 0;
  read_record(engine, "the number of tip shear points", {&count});
  check_capacity(engine, "tip shear points", count, kMaxTipShearPoints);
  if (count >= 1) {
    engine.run.message.put("Reading tip shear data");
    for (int k = 1; k <= count; ++k) {
      int number = 0;
      read_record(engine, "tip shear point " + std::to_string(k),
                  {&number, &curve.deflection[k], &curve.shear[k]});
    }
  }
  curve.count = count < 0 ? 0 : count;
}

}  // namespace torva
