#include "input/options_reader.h"

#include <string>

#include "engine/errors.h"
#include "input/input_file.h"

namespace torva {

namespace {

// The bounds of the convergence tolerance, by unit system.
constexpr double kTolMinUS = 1e-20;
constexpr double kTolMaxUS = 0.10000000149011612;  // 0.1 in single precision
constexpr double kTolMinSI = 2.54e-22;
constexpr double kTolMaxSI = 0.00254;
constexpr int kMinIterations = 30;
constexpr int kMaxIterations = 1000;

[[noreturn]] void unrecognized_command(Engine& engine, std::string_view option,
                                       bool blank_before, bool blank_after = false) {
  TextFile& report = engine.run.report;
  if (blank_before) report.blank();
  report.put("INPUT ERROR - Unrecognized command for " + std::string(option) + " option");
  if (blank_after) report.blank();
  stop_run(engine, "INP00095", 195);
}

// A YES/NO line; anything else is input error 95 with the option's message.
bool read_switch(Engine& engine, std::string_view keyword, std::string_view option,
                 bool blank_before = true, bool blank_after = false) {
  const std::string line = read_text_line(engine, std::string(keyword) + " option");
  const std::string key(keyword);
  if (line == key + " YES") return true;
  if (line == key + " NO") return false;
  unrecognized_command(engine, option, blank_before, blank_after);
}

// A value record of a label word and one value.
template <typename T>
T read_labelled(Engine& engine, std::string_view what, T current) {
  std::string label;
  read_record(engine, what, {&label, &current});
  return current;
}

void read_units(Engine& engine) {
  const std::string line = read_text_line(engine, "the units option");
  if (line == "Units USCS") {
    engine.options.IUNITS = kUnitsUS;
  } else if (line == "Units SI") {
    engine.options.IUNITS = kUnitsSI;
  } else if (line == "Units GENERAL") {
    engine.options.IUNITS = kUnitsGeneral;
  } else {
    unrecognized_line(engine, line);
  }
}

void read_loading_type(Engine& engine) {
  const std::string line = read_text_line(engine, "the loading type option");
  const std::string kind = line.size() >= 14 ? line.substr(8, 6) : std::string();
  if (kind == "CYCLIC") {
    engine.options.CyclicLoading = true;
  } else if (kind == "STATIC") {
    engine.options.CyclicLoading = false;
  } else {
    unrecognized_command(engine, "loading type", false);
  }
  const std::optional<double> cycles = read_fixed_real(line, 15, 20);
  if (!cycles) {
    raise_error(engine, errors::kInputUnreadableValue,
                "Line " + std::to_string(input_line_number(engine)) +
                    " of the input data file, \"" + line +
                    "\", holds no number of cycles in columns 15 to 20.",
                "Write the number of cycles of loading in columns 15 to 20.");
  }
  engine.options.NumCycles = *cycles;
}

void check_iterations(Engine& engine, int iterations) {
  if (iterations >= kMinIterations && iterations <= kMaxIterations) return;
  TextFile& report = engine.run.report;
  report.put("***** Input Data Error No. 95 *****");
  report.blank();
  report.put("Problem: Input value for iterations limit = " + std::to_string(iterations) +
             (iterations < kMinIterations ? " and is less than 30 iteractions"
                                          : " and is more than 1,000 iteractions"));
  report.put("Solution:  Correct input value to be between 30 and 1000 iterations.");
  report.blank(2);
  stop_run(engine, "INP00095", 195);
}

void tolerance_error(Engine& engine, int n, std::string_view first, std::string_view second) {
  const std::string banner = "**** Input Data Error No. " + std::to_string(n) + " ****";
  write_both(engine, {"", banner, "", first, second, ""});
  stop_run(engine, "INP000" + std::to_string(n), 100 + n);
}

void check_tolerance(Engine& engine, double tolerance) {
  const int units = engine.options.IUNITS;
  if (units == kUnitsUS) {
    if (tolerance < kTolMinUS) {
      tolerance_error(engine, 65,
                      "Input value for convergence tolerance is too small (less than 1E-10 "
                      "inches).",
                      "The recommended value for convergence tolerance is 0.00001 inches.");
    }
    if (tolerance > kTolMaxUS) {
      tolerance_error(engine, 66,
                      "Input value for convergence tolerance is too large (more than 0.1 "
                      "inches). ",
                      "The recommended value for convergence tolerance is 0.00001 inches.");
    }
  } else if (units == kUnitsSI) {
    if (tolerance < kTolMinSI) {
      tolerance_error(engine, 67,
                      "Input value for convergence tolerance is too small (less than 2.5E-12 "
                      "meters). ",
                      "The recommended value for convergence tolerance is 2.54E-7 meters.");
    }
    if (tolerance > kTolMaxSI) {
      tolerance_error(engine, 68,
                      "Input value of convergence tolerance too large (more than 2.54E-3 "
                      "meters). ",
                      "The recommended value for convergence tolerance is 2.54E-7 meters.");
    }
  }
}

void check_increments(Engine& engine, int increments) {
  if (increments < kMinIncrements) {
    write_both(engine,
               {"**** Input Data Error No. 55 ****", "",
                "Problem:  The number of pile increments is less than 40.", "",
                "Solution: Increase the number of pile increments to more than 40, preferably "
                "more than 100 increments."});
    stop_run(engine, "INP00055", 155);
  }
  if (increments > kMaxIncrements) {
    write_both(engine, {"**** Input Data Error No. 56 ****", "",
                        "Problem:  The number of pile increments is more than 500.", "",
                        "Solution: Limit the number of pile increments to 500 or less."});
    stop_run(engine, "INP00056", 156);
  }
}

void read_interaction(Engine& engine) {
  Options& options = engine.options;
  options.ComputeInteraction =
      read_switch(engine, "ComputeInteraction", "compute interaction", false);
  if (!options.ComputeInteraction) return;
  std::string label;
  std::string code;
  read_record(engine, "the interaction code", {&label, &code});
  code = code.substr(0, 11);
  if (code == "AASHTO") {
    options.InteractionCode = 1;
  } else if (code == "ACI318") {
    options.InteractionCode = 2;
  } else if (code == "Eurocode2") {
    options.InteractionCode = 3;
  } else {
    unrecognized_command(engine, "interaction code", false);
  }
}

}  // namespace

void unrecognized_line(Engine& engine, const std::string& line) {
  const std::string padded = line + std::string(kNameLength - line.size(), ' ');
  write_report_then_message(engine, {"", "", "***** INPUT ERROR *****", "",
                                     "The following line is unrecognized or is out-of-order", "",
                                     padded, "", ""});
  stop_run(engine, "INP00099", 199);
}

void read_options(Engine& engine) {
  engine.run.message.put("Reading analysis options");
  Options& options = engine.options;
  read_units(engine);
  options.UseLRFD = read_switch(engine, "UseLRFD", "LRFD analysis");
  options.ComputeKmatrix =
      read_switch(engine, "ComputeKmatrix", "compute pile-head stiffness matrix");
  options.UseTipShear = read_switch(engine, "UseTipShear", "tip shear");
  options.UseSoilMovement = read_switch(engine, "UseSoilMovement", "soil movement", true, true);
  options.UsePYModifiers = read_switch(engine, "UsePYModifiers", "use of p-y modifiers");
  // The option stands for a one-row table until a group effect section gives the rows; a
  // table read before the options keeps its rows.
  if (!engine.group_factors.given) engine.group_factors.count = options.UsePYModifiers ? 1 : 0;
  options.i_Analysis_Type = read_switch(engine, "ComputeEIOnly", "compute nonlinear EI only")
                                ? kBendingPropertiesOnly
                                : kFullAnalysis;
  read_loading_type(engine);
  options.MaxIterations = read_labelled(engine, "the iteration limit", options.MaxIterations);
  check_iterations(engine, options.MaxIterations);
  options.DeflectionLimit =
      read_labelled(engine, "the allowable deflection", options.DeflectionLimit);
  options.ConvergenceTolerance =
      read_labelled(engine, "the convergence tolerance", options.ConvergenceTolerance);
  check_tolerance(engine, options.ConvergenceTolerance);
  options.NumIncrements = read_labelled(engine, "the number of increments", options.NumIncrements);
  check_increments(engine, options.NumIncrements);
  options.PrintSummaryOnly = read_switch(engine, "PrintSummaryOnly", "print summary only");
  options.PrintIncrement = read_labelled(engine, "the printing increment", options.PrintIncrement);
  // A printing increment below 1 would never advance through the nodes.
  if (options.PrintIncrement < 1) options.PrintIncrement = 1;
  options.PrintPYCurves = read_switch(engine, "PrintPYCurves", "p-y curve output depths");
  options.py_output_request = options.PrintPYCurves ? 1 : 0;
  read_interaction(engine);
  options.ComputePushover =
      read_text_line(engine, "the pushover option") == "ComputePushover YES";
  options.ComputePileBuckling =
      read_text_line(engine, "the buckling option") == "ComputePileBuckling YES";
}

}  // namespace torva
