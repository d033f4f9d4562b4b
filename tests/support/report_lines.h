// Whole runs of the example inputs with parts replaced, and their reports read back: the
// "label = value unit" lines of a block compared to the digits printed, the rows of a printed
// p-y curve and its Line 8 records.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace torva::testing {

inline std::string example(const std::string& name) {
  return read_text(std::string(TORVA_EXAMPLES_DIR) + "/" + name);
}

inline std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The input with its SOIL LAYERS section replaced by `layers` (the lines after the keyword).
inline std::string with_soil(const std::string& text, const std::string& layers) {
  const std::size_t from = text.find("SOIL LAYERS\n") + 12;
  const std::size_t to = text.find("LOADING\n");
  return text.substr(0, from) + layers + text.substr(to);
}

inline std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  const std::size_t last = text.find_last_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// Half a unit of the last digit printed in a number field ("11152.", "0.28271", "0.1E+05").
inline double half_last_digit(const std::string& field) {
  const std::size_t dot = field.find('.');
  const std::size_t e = field.find('E');
  const std::size_t end = e == std::string::npos ? field.size() : e;
  const int decimals = static_cast<int>(end - dot - 1);
  const int exponent = e == std::string::npos ? 0 : std::stoi(field.substr(e + 1));
  return 0.5 * std::pow(10.0, exponent - decimals);
}

// A printed number agrees with the expected value to the digits printed; `slack` covers the
// expected values worked out from other printed numbers.
inline void expect_printed(const std::string& field, double expected, const std::string& where,
                           double slack = 2e-6) {
  const std::string text = trimmed(field);
  ASSERT_FALSE(text.empty()) << where;
  const double tolerance = 1.02 * half_last_digit(text) + slack * std::fabs(expected);
  EXPECT_NEAR(std::stod(text), expected, tolerance) << where << ": \"" << text << "\"";
}

// One expected report line: a literal line, or "label = value unit" with the value compared to
// the digits printed.
struct Expected {
  std::string text;
  bool is_value = false;
  double value = 0.0;
  std::string unit;
};
inline Expected literal(const std::string& text) { return {text, false, 0.0, ""}; }
inline Expected value(const std::string& label, double v, const std::string& unit = "") {
  return {label, true, v, unit};
}

inline void expect_lines(const std::vector<std::string>& report, std::size_t first,
                         const std::vector<Expected>& expected) {
  ASSERT_LE(first + expected.size(), report.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const std::string& got = report[first + i];
    const Expected& e = expected[i];
    if (!e.is_value) {
      EXPECT_EQ(got, e.text) << "line " << first + i + 1;
      continue;
    }
    ASSERT_GE(got.size(), 69u) << got;
    EXPECT_EQ(trimmed(got.substr(0, 55)), trimmed(e.text)) << got;
    EXPECT_EQ(got.substr(55, 2), "= ") << got;
    expect_printed(got.substr(57, 12), e.value, e.text);
    EXPECT_EQ(got.substr(69), e.unit.empty() ? "" : " " + e.unit) << got;
  }
}

// The value printed on a "label = value" line.
inline double printed_value(const std::string& line) { return std::stod(line.substr(57, 12)); }

// Index of the n-th (from 1) line equal to `text`.
inline std::size_t find_line(const std::vector<std::string>& lines, const std::string& text,
                             int n = 1) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == text && --n == 0) return i;
  }
  ADD_FAILURE() << "no line \"" << text << "\"";
  return lines.size();
}

struct Row {
  double y, p;
  std::string mark;
};

inline std::vector<Row> rows_at(const std::vector<std::string>& report, std::size_t first,
                                int count) {
  std::vector<Row> rows;
  for (int k = 0; k < count && first + k < report.size(); ++k) {
    const std::string& line = report[first + k];
    rows.push_back({std::stod(line.substr(0, 15)), std::stod(line.substr(18, 15)),
                    line.size() > 33 ? line.substr(33) : ""});
  }
  return rows;
}

// A report row (seven significant digits each) against the expected point of the curve.
inline void expect_row(const Row& row, double y, double p, const std::string& where) {
  EXPECT_NEAR(row.y, y, 1e-6 * std::fabs(y) + 1e-14) << where;
  EXPECT_NEAR(row.p, p, 2e-6 * std::fabs(p) + 1e-12) << where;
}

// The Line 8 values of curve `curve` in the plot file equal its report rows. `line8_words`:
// the words of the Line 8 records where they differ from those of Line 7.
inline void expect_plot_points(const std::vector<std::string>& plot, const std::string& words,
                               int curve, const std::vector<Row>& rows, int k_width = 0,
                               const std::string& line8_words = "") {
  std::size_t line7 = plot.size();
  for (std::size_t i = 0; i < plot.size(); ++i) {
    if (plot[i].find("Line 7:  p-y curve depth in " + words + ", no. p-y points on curve no. " +
                     std::to_string(curve)) != std::string::npos) {
      line7 = i;
    }
  }
  ASSERT_LT(line7, plot.size()) << words << " " << curve;
  EXPECT_EQ(plot[line7].substr(15, 5), "   17");
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const std::string& record = plot[line7 + 1 + k];
    std::string number = std::to_string(k + 1);
    if (k_width > 0) number.insert(0, k_width - number.size(), ' ');
    EXPECT_EQ(record.substr(104), "Line 8(" + number + "): y, p, for " +
                                      (line8_words.empty() ? words : line8_words));
    EXPECT_EQ(std::stod(record.substr(0, 15)), rows[k].y) << k;
    EXPECT_EQ(std::stod(record.substr(15, 15)), rows[k].p) << k;
  }
}

// The angle lines of a block: ground slope, pile batter and their difference, in degrees.
inline std::vector<Expected> slope_lines(double ground_slope = 0.0, double batter = 0.0) {
  return {value("Ground Slope Angle", ground_slope, "degrees"),
          value("Pile Batter", batter, "degrees"),
          value("Effective Slope", ground_slope - batter, "degrees")};
}

inline void append(std::vector<Expected>& to, const std::vector<Expected>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

inline const std::string kDashes = "---------------   ---------------";

// The sand example on one layer of criterion `code` (property record `properties` at its top
// and bottom), on ground of the slope given (degrees) when there is one.
inline std::string one_sand(int code, const std::string& properties,
                            const std::string& slope = "") {
  std::string text =
      with_soil(example("sand_reese.tp7"), "1\n" + std::to_string(code) + " 0.0 70.0\n" +
                                               properties + "\n" + properties + "\n");
  if (!slope.empty()) {
    text = replaced(text, "LOADING\n", "PILE BATTER AND SLOPE\n" + slope + "\n0.0\nLOADING\n");
  }
  return text;
}

// An input that ends the run with an error.
struct ErrorCase {
  const char* name;
  std::string input;
  int number;
  std::string ending;             // the report's termination line
  std::vector<std::string> text;  // in the report and the message file
};

inline void expect_run_ends(const ErrorCase& c) {
  RunFolder folder;
  EXPECT_EQ(folder.run(c.input), c.number) << c.name;
  const std::vector<std::string> report = folder.report();
  EXPECT_TRUE(contains_block(report, c.text)) << c.name;
  EXPECT_TRUE(contains_line(report, c.ending)) << c.name;
  EXPECT_TRUE(contains_block(folder.messages(), c.text)) << c.name;
}

}  // namespace torva::testing
