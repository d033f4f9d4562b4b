// Echo of the title, the program options, the control data of the optional analyses and the
// ground slope and pile batter.
#include <algorithm>
#include <cmath>
#include <string>

#include "report/echo_blocks.h"

namespace torva::echo {

namespace {

// The reset value of a negative convergence tolerance, a single-precision literal.
constexpr double kResetToleranceUS = 9.999999974752427e-7;
constexpr double kResetToleranceOther = 2.5400000325248584e-8;
constexpr double kDegreesPerRadian = 180.0 / 3.141592653589793;

void put_pair(TextFile& report, bool on, std::string_view yes, std::string_view no) {
  report.put(on ? yes : no);
}

void units_and_control(Engine& engine) {
  TextFile& report = engine.run.report;
  const Options& options = engine.options;
  const UnitLabels& labels = engine.run.labels;
  report.put("Engineering Units of Input Data and Computations:");
  switch (options.IUNITS) {
    case kUnitsUS:
      report.put(" - Engineering units are US Customary Units: pounds, inches, feet");
      break;
    case kUnitsSI:
      report.put(" - Engineering units are SI Units: kilonewtons, meters, millimeters");
      break;
    default:
      report.put(" - Engineering units are Generic Units: force, length");
      break;
  }
  report.blank();
  report.put("Analysis Control Options:");
  report.put(LabelledLine("- Maximum number of iterations allowed").i(options.MaxIterations, 12));
  report.put(LabelledLine("- Deflection tolerance for convergence")
                 .e(options.ConvergenceTolerance, 12, 4)
                 .a(" ")
                 .a(labels.length));
  report.put(LabelledLine("- Maximum allowable deflection")
                 .f(options.DeflectionLimit, 12, 4)
                 .a(" ")
                 .a(labels.length));
  report.put(LabelledLine("- Number of pile increments").i(options.NumIncrements, 12));
  report.blank();
}

void loading_and_computations(Engine& engine) {
  TextFile& report = engine.run.report;
  const Options& options = engine.options;
  report.put("Loading Type and Number of Cycles of Loading:");
  if (options.CyclicLoading) {
    report.put(" - Cyclic loading specified");
    report.put(Line().a(" - Number of cycles of loading = ").i0(whole_cycles(options.NumCycles)));
  } else {
    report.put(" - Static loading specified");
  }
  report.blank();
  report.put("Computational Options:");
  put_pair(report, options.UseLRFD, " - Use Load and Resistance Factors (LRFD) in computations",
           " - Use unfactored loads in computations");
  put_pair(report, options.ComputeKmatrix, " - Compute pile-head foundation stiffness matrix  ",
           " - No computation of pile-head foundation stiffness matrix ");
  if (options.i_Analysis_Type == kBendingPropertiesOnly) {
    report.put(" - Compute nonlinear bending properties of pile only");
  } else {
    report.put(" - Compute pile response under loading and nonlinear bending properties of pile");
    report.put("   (if nonlinear properties are specified)");
  }
  put_pair(report, options.ComputePushover,
           " - Compute push-over analysis of pile for specified deflections",
           " - Push-over analysis of pile not selected");
  put_pair(report, options.ComputePileBuckling,
           " - Compute buckling analysis of pile for specified loading",
           " - Buckling analysis of pile not selected");
  report.blank();
}

void input_and_output_options(Engine& engine) {
  TextFile& report = engine.run.report;
  const Options& options = engine.options;
  report.put("Input Data Options:");
  put_pair(report, engine.group_factors.count >= 1,
           "- Analysis uses p-y modification factors for group action",
           "- Analysis does not use p-y modification factors (individual pile or shaft only)");
  put_pair(report, engine.tip_shear.count >= 1,
           "- Analysis includes tip shear resistance for short pile or shaft",
           "- Analysis assumes zero shear resistance at the pile tip");
  put_pair(report, options.UseSoilMovement,
           "- Analysis includes loading by soil movements acting on pile",
           "- Analysis assumes no loading by soil movements acting on pile");
  report.blank();
  report.put("Output Options:");
  put_pair(report, options.PrintPYCurves,
           "- p-y curves computed and reported at user-specified depths",
           "- No p-y curves to be computed and reported for user-specified depths");
  if (options.PrintSummaryOnly) {
    report.put("- Only summary tables of pile-head deflection, maximum bending moment,");
    report.put("  and maximum shear force are to be written to output report file.");
  } else {
    report.put("- Values of pile-head deflection, bending moment, shear force, and ");
    report.put("  soil reaction are printed for full length of pile.");
    report.put(LabelledLine("- Printing Increment (nodal spacing of output points)")
                   .i0(options.PrintIncrement));
  }
  report.blank(2);
}

// The readers reject a negative tolerance in US customary and SI units; in general units it
// is replaced by the program's value.
void reset_negative_tolerance(Engine& engine) {
  Options& options = engine.options;
  if (!(options.ConvergenceTolerance < 0.0)) return;
  TextFile& report = engine.run.report;
  if (options.IUNITS == kUnitsUS) {
    options.ConvergenceTolerance = kResetToleranceUS;
    report.put("(Specified convergence tolerance of 0 reset by program to 0.000001 inches)");
  } else {
    options.ConvergenceTolerance = kResetToleranceOther;
    report.put("(Specified convergence tolerance of 0 reset by program to 2.54E-07 meters)");
  }
  report.blank();
}

}  // namespace

void problem_title(Engine& engine) {
  TextFile& report = engine.run.report;
  heading(report, "Problem Title", 32);
  for (const std::string& line : engine.control.title) report.put(line);
  report.blank();
}

void program_options(Engine& engine) {
  heading(engine.run.report, "Program Options", 31);
  units_and_control(engine);
  loading_and_computations(engine);
  input_and_output_options(engine);
  reset_negative_tolerance(engine);
}

void stiffness_control(Engine& engine) {
  TextFile& report = engine.run.report;
  const StiffnessControl& k = engine.control.stiffness;
  heading(report, "Control Data for Pile-head Stiffness Computations", 17);
  switch (k.method) {
    case 0:
      report.put("  Computation Method 0 - Use loads from Load Case 1");
      break;
    case 1:
      report.put("  Computation Method 1 - Use maximum displacements computed for Load Case 1");
      break;
    case 2: {
      report.put("  Computation Method 2 - Use user-specified maximum pile-head displacements");
      Line displacement;
      displacement.a("  - Maximum pile-head displacement = ");
      WriteNumberField(displacement, k.max_displacement, 12);
      report.put(displacement.a(" ").a(engine.run.labels.length));
      Line rotation;
      rotation.a("  - Maximum pile-head rotation     = ");
      WriteNumberField(rotation, k.max_rotation, 12);
      report.put(rotation.a(" radians"));
      break;
    }
    default:
      break;
  }
  report.put(Line().a("  Number of K-matrix points to generate = ").i0(k.points));
  if (k.distribution == 0) report.put("  Point distribution method = logarithmic distribution");
  if (k.distribution == 1) report.put("  Point distribution method = arithmetic distribution");
}

void pushover_control(Engine& engine) {
  TextFile& report = engine.run.report;
  const PushoverControl& push = engine.control.pushover;
  const std::string& length = engine.run.labels.length;
  heading(report, "Control Data for Pushover Analysis", 24);
  constexpr const char* kFixity[] = {"= free head", "= fixed head", "= free and fixed head"};
  Line fixity = Line().a("Pile-head fixity condition").tab(kLabelEqualsColumn);
  if (push.fixity >= 0 && push.fixity <= 2) fixity.a(kFixity[push.fixity]);
  report.put(fixity);
  if (push.distribution > 1) {
    report.blank();
    report.put(
        Line().a("  Number of user-defined pushover displacement values = ").i0(push.points));
    report.blank();
    report.put("     Point          Displacement");
    report.put(Line().a("      No.").tab(26).a(length));
    report.put("  ------------      ------------");
    const int points = std::clamp(push.points, 0, kMaxPushoverPoints);
    for (int i = 0; i < points; ++i) {
      Line row;
      row.i(i + 1, 9).x(8);
      WriteNumberField(row, push.user_displacements[static_cast<std::size_t>(i)], 13);
      report.put(row);
    }
    return;
  }
  report.put(LabelledLine("Number of pushover points to generate").i(push.points, 12));
  Line method = Line().a("Pushover point distribution method").tab(kLabelEqualsColumn);
  method.a(push.distribution == 0 ? "= logarithmic" : "= arithmetic ");
  report.put(method);
  report.blank();
  report.put(LabelledValue("Minimum pushover pile-head deflection", push.min_deflection, length));
  report.put(LabelledValue("Maximum pushover pile-head deflection", push.max_deflection, length));
}

void buckling_control(Engine& engine) {
  TextFile& report = engine.run.report;
  const BucklingControl& b = engine.control.buckling;
  const UnitLabels& labels = engine.run.labels;
  heading(report, "Control Data for Pile Buckling Analysis", 22);
  auto value_line = [&](std::string_view label, double value, std::string_view unit) {
    Line line;
    line.a(label);
    WriteNumberField(line, value, 12);
    report.put(line.a(" ").a(unit));
  };
  constexpr const char* kFixity[] = {"shear and moment", "shear and slope",
                                     "shear and rotational stiffness"};
  if (b.fixity < 0 || b.fixity > 2) return;
  report.put(std::string("Pile-head fixity condition for pile buckling analysis = ") +
             kFixity[b.fixity]);
  report.put(
      Line().a("Number of axial loads for buckling analysis           = ").i0(b.axial_loads));
  value_line("Pile-head shear force for buckling analysis           = ", b.shear, labels.force);
  switch (b.fixity) {
    case 0:
      value_line("Pile-head moment for buckling analysis                = ", b.moment,
                 labels.moment);
      break;
    case 1:
      value_line("Pile-head slope for buckling analysis                 = ", b.slope, "radians");
      break;
    default:
      value_line("Pile-head rotational stiffness for buckling analysis  = ", b.rotational_stiffness,
                 labels.moment + "/radian");
      break;
  }
  value_line("Maximum compression load for buckling analysis        = ", b.max_compression,
             labels.force);
}

void slope_and_batter(Engine& engine) {
  TextFile& report = engine.run.report;
  heading(report, "Ground Slope and Pile Batter Angles", 22);
  auto angle = [&](std::string_view label, double radians) {
    report.put(LabelledLine(label).f(radians * kDegreesPerRadian, 12, 3).a(" degrees"));
    report.put(Line().tab(kLabelEqualsColumn).a("= ").f(radians, 12, 3).a(" radians"));
    report.blank();
  };
  angle("Ground Slope Angle", engine.inclination.ground_slope);
  angle("Pile Batter Angle", engine.inclination.batter);
}

}  // namespace torva::echo
