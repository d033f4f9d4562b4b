// The texts of the runtime errors that end the iteration of a load case, as the report and the
// run-message file hold them (without the termination lines of the run).
#pragma once

#include <string>
#include <vector>

#include "report/line.h"

namespace torva::testing {

inline std::string e12_4(double value) { return format_e(value, 12, 4); }

// Runtime error 9, the pile-head deflection `y1` past the limit; `unit` is the length unit
// with the blanks around it (" in ", " m  ").
inline std::vector<std::string> excess_deflection_text(double y1, double limit,
                                                       const std::string& unit, bool in_report) {
  const std::string computed = "The computed deflection of the pile head is " + e12_4(y1) + unit;
  const std::string limit_line =
      "The specified excess deflection limit is    " + e12_4(limit) + unit;
  const std::string cause = "This error may be due to overloading the pile or bad input data.";
  const std::string solution1 =
      "Solution:  Please check input values for pile loading and soil properties for accuracy ";
  const std::string solution2 =
      "and/or increase the diameter and/or length of the pile if necessary.";
  std::vector<std::string> text = {
      "",
      "",
      "**** Runtime Error No. 9 ****",
      "",
      "An error in the analysis was detected by the program.  ",
      "",
      "Problem:  The computed deflection is larger than the specified excess deflection limit.",
      ""};
  if (in_report) {
    text.insert(text.end(),
                {computed, "", limit_line, "", cause, "", "", solution1, "", solution2, ""});
  } else {
    text.insert(text.end(), {computed, limit_line, "", cause, "", solution1, "", solution2, ""});
  }
  return text;
}

// Runtime error 11 at pivot row 2 with a zero pivot, in both files.
inline std::vector<std::string> small_pivot_text() {
  return {"",
          "",
          "**** Runtime Error No. 11 ****",
          "",
          "Problem:  Solution failed due to small pivot value.",
          "          Node number = 2",
          "          Pivot value =  0.00000E+00",
          "",
          "Solution: This error usually occurs when a lateral bearing capacity failure occurs.  ",
          "          Reduce the load on the pile and repeat the analysis.",
          "          You may also consider increasing pile diameter or pile length."};
}

// The report's dumps of the head system of a free head over soil of no stiffness, failed in its
// first solve: the shear row, its right-hand side 2 V h^3 / EI, the second row reduced by it.
inline std::vector<std::string> free_pile_head_dumps(double shear_term) {
  std::vector<std::string> dumps = {"", "", "A matrix ", ""};
  const auto row = [](std::initializer_list<double> values) {
    Line line;
    for (double v : values) line.e(v, 12, 4);
    return line.str();
  };
  dumps.push_back(row({1.0, -2.0, 0.0, 2.0, -1.0}));
  dumps.push_back(row({0.0, 0.0, 1.0, -2.0, 1.0}));
  dumps.push_back(row({0.0, 1.0, -2.0, 1.0, 0.0}));
  dumps.push_back(row({0.0, 1.0, -2.0, 1.0, 0.0}));
  dumps.push_back(row({0.0, 0.0, 1.0, -2.0, 1.0}));
  dumps.insert(dumps.end(), {"", "", "", "b vector ", ""});
  for (double b : {shear_term, -shear_term, 0.0, 0.0, 0.0}) dumps.push_back(e12_4(b));
  dumps.insert(dumps.end(), {"", "", "", "x vector ", ""});
  for (int k = 0; k < 5; ++k) dumps.push_back("  0.0000E+00");
  return dumps;
}

// The report's lines of runtime error 10 down to the recommendations (`unit` as above).
inline std::vector<std::string> non_convergence_heading(int limit, double dYmax, double delta_dYmax,
                                                        double tolerance, const std::string& unit) {
  return {"",
          "",
          std::string(36, '-'),
          "  ****  Runtime Error No. 10  ****  ",
          std::string(36, '-'),
          "",
          "The analysis failed to converge within the limit of " + std::to_string(limit) +
              " iterations.",
          "",
          "Maximum change in nodal deflections                      = " + e12_4(dYmax) + unit,
          "",
          "Maximum change in nodal deflections from prior iteration = " + e12_4(delta_dYmax) + unit,
          "",
          "Specified convergence tolerance on nodal deflections     = " + e12_4(tolerance) + unit,
          "",
          "",
          std::string(77, '-'),
          "         Analysis of Convergence Performance and Recommendations for         ",
          "         Modification of Iterations Limit and Convergence Tolerance          ",
          std::string(77, '-'),
          "",
          "The following recommendations are made on the basis of an analysis of ",
          "convergence performancefor the last analysis. ",
          ""};
}

}  // namespace torva::testing
