// Line-level reader for the input data file.
//
// Every read starts on a new line and is one of two kinds:
//  - text_line(): the line as a 256-character text field. Longer lines are cut at column 256;
//    trailing blanks and a trailing '\r' are dropped.
//  - record(): a free-format list of values, read the way Fortran list-directed input reads it.
//    Values are separated by blanks (spaces or tabs) or by one comma, which may have blanks
//    around it. A record takes one value per target, continuing onto the following lines when
//    a line runs short; values left over on its last line are ignored. Within a record:
//      1,,3     an empty value between commas (or before a leading comma) leaves its target as is
//      3*0.5    a repeated value; "3*" alone is three empty values
//      /        ends the record; the remaining targets are left as they are
//      'a, b'   a quoted word ('...' or "..."); a doubled quote inside stands for one quote
//    Integer targets take an optionally signed integer that fits an int. Real targets take
//    integer, decimal or exponent notation with an E or D exponent ("1.", ".5", "-2.5D-1");
//    a real too large for a double is a bad value, one too small reads as zero. Word targets
//    take any value; an unquoted word ends at a blank, comma or slash.
//
// The reader only reports what went wrong; callers turn that into numbered errors.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace torva {

enum class ReadStatus { kOk, kBadValue, kEndOfFile };

using ReadTarget = std::variant<int*, double*, std::string*>;

// A real value that record() stored: where it went and the line it was read from, so that
// values can be checked after they have been converted and still be traced to their line.
struct StoredReal {
  const double* target;
  int line;
  double value;  // as read
};

class ListReader {
 public:
  explicit ListReader(std::string content);  // the whole file
  static std::optional<ListReader> from_file(const std::string& path);  // nullopt if unreadable

  // The next line as text; nullopt at end of file.
  std::optional<std::string> text_line();

  // Reads one value record into the targets, in order. kEndOfFile when the file ends before
  // the record is complete (targets read by then keep their new values), or when no line is
  // left. kBadValue when a value does not fit its target; see expected() and found().
  ReadStatus record(std::initializer_list<ReadTarget> targets);
  ReadStatus record(std::span<const ReadTarget> targets);

  int line_number() const { return line_number_; }  // 1-based number of the last line read
  const std::string& line() const { return line_; }  // that line, cut and trimmed as text_line()
  // After kBadValue: what was due ("an integer", "a real number", ...) and the value found.
  const std::string& expected() const { return expected_; }
  const std::string& found() const { return found_; }
  bool at_end() const { return next_ >= content_.size(); }
  // Every real value stored so far, in the order read (a target read again appears again).
  const std::vector<StoredReal>& stored_reals() const { return stored_reals_; }

 private:
  bool next_line();  // moves to the next line; false at end of file

  std::string content_;
  std::size_t next_ = 0;  // offset in content_ of the next unread line
  int line_number_ = 0;
  std::string raw_;   // the last line read, in full but for a trailing '\r'
  std::string line_;  // the same line as text
  std::string expected_;
  std::string found_;
  std::vector<StoredReal> stored_reals_;
};

// Reads columns first_col..last_col (1-based, inclusive; first_col >= 1) of a line as a
// Fortran Fw.0 field: blanks are ignored, an all-blank field is 0, a value without a decimal
// point is a whole number. Columns past the end of the line count as blanks. nullopt if the
// field is not a number.
std::optional<double> read_fixed_real(std::string_view line, int first_col, int last_col);

}  // namespace torva
