// Fortran-style edit descriptors for every line the engine writes.
//
// A Line is built left to right the way a Fortran FORMAT lays out a record:
//   Line().a("Depth").x(3).f(depth, 10, 3).tab(105).a("Line 7: ...")
// Numbers are rounded from their exact binary value to the nearest (as printf does); a value
// that does not fit its field fills the field with '*'. Non-finite values are written as
// "Infinity", "-Infinity" or "NaN", right-justified in the field.
#pragma once

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
  Line& e(double value, int width, int decimals);  // Ew.d: 0.ddddE+xx
  Line& x(int blanks);                     // nX
  Line& tab(int column);                   // Tn: next character goes to column n (1-based)

  const std::string& str() const { return text_; }
  std::string& text() { return text_; }

 private:
  std::string text_;
};

// The edit descriptors as plain functions, for callers that need a field on its own.
std::string format_i(long long value, int width);
std::string format_f(double value, int width, int decimals);
std::string format_e(double value, int width, int decimals);

}  // namespace torva
