// Fortran-style edit descriptors for every line the engine writes.
//
// A Line is built left to right the way a Fortran FORMAT lays out a record:
//   Line().a("Depth").x(3).f(depth, 10, 3).tab(105).a("Line 7: ...")
// Numbers are rounded from their exact binary value to the nearest (as printf does); a value
// that does not fit its field fills the field with '*'. Non-finite values are written as
// "Infinity", "-Infinity" or "NaN", right-justified in the field; a field too narrow for the
// full word gets "Inf" or "-Inf" instead, and '*' when even that does not fit.
//
// Tn and nX move a cursor. Moving past the end of the line pads it with blanks; moving back
// into it makes the following fields overwrite the text from there on, and nX then skips
// characters without blanking them. A field width below 1 writes nothing; a descriptor Fortran
// rejects (negative decimals, Ew.0) fills its field with '*'.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace torva {

class Line {
 public:
  Line() = default;
  explicit Line(std::string_view text) : text_(text) {}

  Line& a(std::string_view text);          // A: literal text or a character value
  Line& i(long long value, int width);     // Iw
  Line& i0(long long value);               // I0: minimal width
  Line& f(double value, int width, int decimals);  // Fw.d
  Line& e(double value, int width, int decimals);  // Ew.d: 0.ddddE+xx, or 0.dddd+xxx past E+99
  Line& x(int blanks);                     // nX
  Line& tab(int column);                   // Tn: next character goes to column n (1-based)

  const std::string& str() const { return text_; }
  std::string& text() { return text_; }

 private:
  template <typename Append>
  Line& field(Append append);
  void move_to(std::size_t index);

  std::string text_;
  std::size_t cursor_ = std::string::npos;  // where the next field goes; npos: end of the text
};

// The edit descriptors as plain functions, for callers that need a field on its own.
std::string format_i(long long value, int width);
std::string format_f(double value, int width, int decimals);
std::string format_e(double value, int width, int decimals);

}  // namespace torva
