// Records of the plot-output file read back: the numbers of a record, its description, and a
// check of the fixed-width fields the numbers are written in.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace torva::testing {

// One line of the plot-output file.
struct PlotRecord {
  std::vector<double> values;  // the numbers before the description
  std::string description;     // from "Line" to the end of the line
  int description_column = 0;  // 1-based column of the description; 0 when there is none

  // The record number after "Line ": 10 for "Line 10(  3) : ...", 3 for "Line 3a : ...";
  // 0 when the line has no description.
  int number() const {
    if (description.size() < 6) return 0;
    return std::atoi(description.c_str() + 5);
  }
};

// The numbers are blank-separated; the description starts at the first "Line" (the letters of
// an exponent are the only others before it).
inline PlotRecord parse_plot_record(const std::string& line) {
  PlotRecord record;
  const std::size_t at = line.find("Line");
  const std::string numbers = line.substr(0, at);
  if (at != std::string::npos) {
    record.description = line.substr(at);
    record.description_column = static_cast<int>(at) + 1;
  }
  std::istringstream in(numbers);
  for (std::string token; in >> token;)
    record.values.push_back(std::strtod(token.c_str(), nullptr));
  return record;
}

inline std::vector<PlotRecord> parse_plot_records(const std::vector<std::string>& lines) {
  std::vector<PlotRecord> records;
  records.reserve(lines.size());
  for (const std::string& line : lines) records.push_back(parse_plot_record(line));
  return records;
}

// The six numbers of a Line 10 record: depth, deflection, moment, shear, soil reaction and
// bending stiffness of a node.
struct PlotNode {
  double x, y, M, V, p, EI;
};

// The Line 10 records of each load case, in order.
inline std::vector<std::vector<PlotNode>> node_records(const std::vector<std::string>& plot) {
  std::vector<std::vector<PlotNode>> cases;
  for (const PlotRecord& record : parse_plot_records(plot)) {
    if (record.number() != 10 || record.values.size() != 6) continue;
    if (record.description.rfind("Line 10(  1)", 0) == 0) cases.emplace_back();
    const std::vector<double>& v = record.values;
    if (!cases.empty()) cases.back().push_back(PlotNode{v[0], v[1], v[2], v[3], v[4], v[5]});
  }
  return cases;
}

// Whether the numbers of `line` fill the fields of `format` exactly as the edit descriptors
// write them, followed by blanks up to `description_column` where the description begins.
// `format` lists descriptors separated by commas, each In or Ew.d with an optional repeat
// count: "4I5", "E15.7,I5", "I5,2E15.7".
inline ::testing::AssertionResult HasPlotLayout(const std::string& line, const std::string& format,
                                                int description_column = 105) {
  static const std::regex descriptor(R"((\d*)(I|E)(\d+)(?:\.(\d+))?)");
  std::size_t column = 0;
  std::stringstream descriptors(format);
  for (std::string item; std::getline(descriptors, item, ',');) {
    std::smatch parts;
    if (!std::regex_match(item, parts, descriptor)) {
      return ::testing::AssertionFailure() << "bad descriptor " << item;
    }
    const int repeat = parts[1].length() > 0 ? std::stoi(parts[1]) : 1;
    const std::size_t width = std::stoul(parts[3]);
    const std::regex field(parts[2] == "I" ? std::string(R"( *-?\d+)")
                                           : R"( *-?0\.\d{)" + parts[4].str() + R"(}E[+-]\d\d)");
    for (int k = 0; k < repeat; ++k) {
      const std::string text = line.substr(std::min(column, line.size()), width);
      if (text.size() != width || !std::regex_match(text, field)) {
        return ::testing::AssertionFailure()
               << "columns " << column + 1 << " to " << column + width << " hold \"" << text
               << "\", not an " << parts[2] << parts[3] << " field, in\n"
               << line;
      }
      column += width;
    }
  }
  const std::size_t at = static_cast<std::size_t>(description_column - 1);
  if (line.size() <= at || line.compare(at, 4, "Line") != 0 ||
      line.find_first_not_of(' ', column) != at) {
    return ::testing::AssertionFailure() << "the description does not start after blanks at column "
                                         << description_column << " in\n"
                                         << line;
  }
  return ::testing::AssertionSuccess();
}

// The section records of a pile of one elastic section with one thrust value (Line 3d, its
// Line 4 and the 150 Line 5 points of the elastic table): the layout and the description of
// each, every one from column 105.
struct ExpectedRecord {
  std::string format, description;
};
inline std::vector<ExpectedRecord> elastic_section_records(bool si) {
  std::vector<ExpectedRecord> records = {
      {"I5", "Line 3d : Total number of axial thrusts for elastic section"},
      {"I5,E25.7,E15.7",
       si ? "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. "
            "(kN-m) for linear EI pile at top of section"
          : "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
            "(in-kips) for linear EI pile at top of section"}};
  for (int p = 1; p <= 150; ++p) {
    records.push_back(
        {"3E15.7",
         std::string(si ? "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for "
                        : "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) "
                          "for ") +
             "Sect#=1, AxLd#=1, CurvPnt#=" + std::to_string(p)});
  }
  return records;
}

}  // namespace torva::testing
