#include "engine/errors.h"

#include <cstdlib>
#include <span>
#include <string>

namespace torva {

void ErrorStop(Engine& engine, std::string_view code, int number) {
  TextFile& report = engine.run.report;
  report.blank(2);
  const bool input_error = number >= 1 && number <= 199;
  report.put(std::string(input_error ? "Torva ended prematurely due to input error number "
                                     : "Torva ended prematurely due to runtime error number ") +
             std::string(code));
  if (number == 125) {
    report.blank();
    report.put("**** Input Data Error No. 25 ****");
    report.blank();
    report.put("Length of input file is 0 bytes.  No analysis can be performed.");
  }
  engine.run.ErrorNumber = number;
}

void stop_run(Engine& engine, std::string_view code, int number) {
  ErrorStop(engine, code, number);
  throw RunStopped{};
}

void stop_run(Engine& engine, const ErrorId& error) { stop_run(engine, error.code, error.number); }

std::string error_banner(int number) {
  if (number > 100 && number < 200) {
    return "**** Input Data Error No. " + std::to_string(number - 100) + " ****";
  }
  return "**** Runtime Error No. " + std::to_string(number == 999 ? 999 : number - 200) + " ****";
}

void write_both(Engine& engine, std::initializer_list<std::string_view> lines) {
  for (std::string_view text : lines) engine.run.message.put(text);
  for (std::string_view text : lines) engine.run.report.put(text);
}

void write_report_then_message(Engine& engine, std::initializer_list<std::string_view> lines) {
  for (std::string_view text : lines) engine.run.report.put(text);
  for (std::string_view text : lines) engine.run.message.put(text);
}

void report_error(Engine& engine, const ErrorId& error, std::string_view problem,
                  std::string_view solution) {
  const std::string banner = error_banner(error.number);
  const std::string problem_line = "Problem: " + std::string(problem);
  const std::string solution_line = "Solution: " + std::string(solution);
  write_both(engine, {"", banner, "", problem_line, solution_line, ""});
  ErrorStop(engine, error.code, error.number);
}

void raise_error(Engine& engine, const ErrorId& error, std::string_view problem,
                 std::string_view solution) {
  report_error(engine, error, problem, solution);
  throw RunStopped{};
}

void section_point_count_error(Engine& engine, long long points) {
  Line text;
  text.a("The number of points to define the pile properties is 2 to 40, not the input value of ")
      .i(points, 10);
  write_both(engine, {"", "**** Input Data Error No. 17 ****", "", text.str(), ""});
  stop_run(engine, errors::kInputTooManySections);
}

void report_internal_error(Engine& engine, std::string_view what) {
  report_error(engine, errors::kInternal,
               "The analysis failed unexpectedly: " + std::string(what),
               "Please send the input data file to the developers of Torva.");
}

void WarningRegister(Engine& engine, int code) {
  WarningRegistry& registry = engine.warnings;
  const int n = std::abs(code);
  const int count = registry.WarningCount[n];
  if (count >= kMaxWarnings) {
    registry.LastWarningCount = count;
    return;
  }
  registry.WarningCount[n] = count + 1;
  registry.LastWarningCount = count + 1;
  registry.WarningLog[count + 1] = code;
}

void clear_warning_counts(Engine& engine) {
  engine.warnings.WarningCount.fill(0);
  engine.warnings.text_written.fill(false);
}

namespace {

struct WarningText {
  int number;
  std::initializer_list<const char*> lines;  // "" is an empty line
};

// The summary texts, written once per run after the first count line of their warning.
const WarningText kWarningTexts[] = {
    {302,
     {"", "**** Warning ****", "",
      "An unreasonable value was input for friction angle has been specified",
      "for a soil layer defined uisng the sand criteria.  The input value is",
      "either smaller than 20 degrees or higher than 48 degrees.  The input",
      "data should be checked for correctness.", ""}},
    {303,
     {"**** Warning ****", "",
      "An unreasonable value was input for friction angle has been specified for a",
      "soil layer defined uisng the API sand criteria.  The input value is either",
      "smaller than 20 degrees or higher than 48 degrees.  The input data should",
      "be checked for correctness.", ""}},
    {305,
     {"***** Warning *****", "", "Too many values were calculated for moment-curvature.",
      "This may indicate that the pile is too weak or is under-reinforced, ",
      "where all reinforcing steel has yielded.  You should examine your input ",
      "data and increase the amount of steel reinforcement if necessary."}},
    {306,
     {"",
      "Warning - Negative values of bending moment were computed in nonlinear EI computations.",
      "This may indicate that the pile is too weak or is under-reinforced and that all "
      "reinforcing steel ",
      "has yielded.",
      "You should examine your input data and increase the amount of steel reinforcement if "
      "necessary.",
      ""}},
    {308,
     {"", "**** Warning ****", "",
      "An unreasonable input value for uniaxial compressive strength has been ",
      "specified for a soil defined using the vuggy limestone criteria.",
      "The input value is outside of the range of 1,000 to 2,500 psi ", "(6,895 to 17,237 kPa).",
      "You should check your input data for correctness.", ""}},
    {316,
     {"***** Warning *****", "",
      "The input value for k_rm used by the weak rock criteria is smaller than ",
      "0.00005.  This value is outside the recommended range of 0.00005 to 0.0005.",
      "You should check your input data for accuracy.", ""}},
    {317,
     {"**** Warning - Possible Input Data Error ****", "",
      "The input value for k_rm used by the weak rock criteria is ",
      "greater than 0.0005.  This value is outside the recommended ",
      "range of 0.00005 to 0.0005.  You should check your input data", "for accuracy.", ""}},
    {354,
     {"", "**** Warning - Possible Modelling Error ****", "",
      "The depth of this liquefied sand layer is deeper than the recommended depth ",
      "limit of 6 meters for using the p-y criteria for liquefied sand.",
      "Please consult the Torva Technical Manual for additional background ",
      "information regarding limitations on the use of the liquefied sand criteria.", ""}},
    {355,
     {"", "**** Warning - Possible Design Error ****", "",
      "Maximum moment capacity was reached at maximum compressive strains that are",
      "smaller than 0.003.  This usually indicates that the pile section is under-",
      "reinforced.  The user should carefully examine the moment-curve results to",
      "determine if additional reinforcement or higher prestressing force is needed",
      "to achieve the necessary moment capacity.", ""}},
    {400,
     {"", "**** Warning - Failure for One or More LRFD Load Cases ****", "",
      "This warning message is provided to alert the user that one or more of ",
      "LRFD load cases has overloaded the structural capacity of the pile."}},
    {401,
     {"", "**** Warning ****", "",
      "The pile-head stiffness matrix could not be computed for the requested range.",
      "See the pile-head stiffness section of this report for the reason.", ""}},
    {3041,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a soil",
      "defined using the soft clay criteria.  The input value is greater than 8.68",
      "psi (1,250 psf).  You should check your input data for correctness.", ""}},
    {3042,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a soil",
      "defined using the soft clay criteria.",
      "The input value is greater than 59.85 kPa. You should check your input data for "
      "correctness.",
      ""}},
    {3051,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay with free water criteria.  The input value is ",
      "less than 3.47 psi (500 psf). You should check your input data for correctness.", ""}},
    {3052,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay with free water criteria.  The input value is ",
      "greater than 55.55 psi (8,000 psf).  You should check your input data for",
      "correctness.", ""}},
    {3053,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay with free water criteria.  The input value is ",
      "less than 23.94kPa.  You should check your input data for correctness.", ""}},
    {3054,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer. ",
      "defined using the stiff clay with free water criteria.  The input value is ",
      "greater than 383.04 kPa.  You should check your input data for correctness.", ""}},
    {3061,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer. ",
      "defined using the stiff clay without free water criteria.  The input value is ",
      "less than 3.47 psi (500 psf).  You should check your input data for correctness.", ""}},
    {3062,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria.  The input value is ",
      "greater than 8,000 psf (55.55 psi).  You should check your input data for "
      "correctness.",
      ""}},
    {3063,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria.  The input value is ",
      "less than 23.94 kPa.  You should check your input data for correctness.", ""}},
    {3064,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria.  The input value is ",
      "greater than 383.04 kPa.  You should check your input data for correctness.", ""}},
    {3071,
     {"", "**** Warning ****", "",
      "An unreasonable input value for the compressive strength has been specified",
      "for a soil defined using the weak rock criteria.  The input value is less ",
      "than 100 psi.  You should check your input data for correctness.", ""}},
    {3072,
     {"", "**** Warning ****", "",
      "An unreasonable input value for unconfined compressive strength has been ",
      "specified for a soil defined using the weak rock criteria.  The input value",
      "is greater than 1000 psi.  You should check your input data for correctness.", ""}},
    {3073,
     {"", "**** Warning ****", "",
      "An unreasonable input value for unconfined compressive strength has been ",
      "specified for a soil defined using the weak rock criteria.  The input value",
      "is less than  689.5 kPa.  You should check your input data for correctness.", ""}},
    {3074,
     {"", "**** Warning ****", "",
      "An unreasonable input value for unconfined compressive strength has been",
      "specified for a soil defined using the weak rock criteria.  The input value",
      "is greater than 6895 kPa.  You should check your input data for correctness.", ""}},
    {3261,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is less than 500 psf (3.47 psi).",
      "   You should check your input data for correctness.", ""}},
    {3262,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is greater than 8,000 psf (55.55 psi).",
      "You should check your input data for correctness.", ""}},
    {3263,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is less than 23.94 kPa.",
      "You should check your input data for correctness.", ""}},
    {3264,
     {"", "**** Warning ****", "",
      "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is greater than 383.04 kPa.",
      "You should check your input data for correctness.", ""}},
};

const WarningText* summary_text(int number) {
  for (const WarningText& text : kWarningTexts) {
    if (text.number == number) return &text;
  }
  return nullptr;
}

}  // namespace

void WarningSummary(Engine& engine) {
  WarningRegistry& registry = engine.warnings;
  TextFile& report = engine.run.report;
  int distinct = 0;
  for (int n = 1; n <= kMaxWarnings; ++n) {
    if (registry.WarningCount[n] != 0) ++distinct;
  }
  registry.LastWarningCount = distinct;
  report.blank(2);
  if (distinct == 0) {
    report.put("No error or warning messages were generated by this analysis.");
    report.blank();
    return;
  }
  const std::string rule(80, '-');
  report.put(rule);
  report.put(std::string(26, ' ') + "Summary of Warning Messages");
  report.put(rule);
  report.blank();
  for (int n = 1; n <= kMaxWarnings; ++n) {
    const int count = registry.WarningCount[n];
    if (count == 0) continue;
    report.put("The following warning was reported " + std::to_string(count) + " times");
    report.blank();
    const WarningText* text = summary_text(n);
    if (text != nullptr && !registry.text_written[n]) {
      for (const char* line : text->lines) report.put(line);
    }
    registry.text_written[n] = true;
  }
}

}  // namespace torva
