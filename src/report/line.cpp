#include "report/line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace torva {
namespace {

// Each append_* adds exactly max(width, 0) characters to `out`.

void append_stars(std::string& out, std::size_t start, int width) {
  out.resize(start);
  out.append(static_cast<std::size_t>(std::max(width, 0)), '*');
}

// The text from `start` to the end of `out` is a formatted value: right-justify it in `width`
// characters, or fill the field with '*' when it is wider.
void justify(std::string& out, std::size_t start, int width) {
  const std::size_t length = out.size() - start;
  if (width < 0 || length > static_cast<std::size_t>(width)) return append_stars(out, start, width);
  out.insert(start, static_cast<std::size_t>(width) - length, ' ');
}

void append_nonfinite(std::string& out, double value, int width) {
  const std::size_t start = out.size();
  if (std::isnan(value)) {
    out += "NaN";
  } else {
    const bool negative = value < 0;
    if (negative) out += '-';
    out += width >= (negative ? 9 : 8) ? "Infinity" : "Inf";
  }
  justify(out, start, width);
}

// Drops the "0" of a leading "0.d" or "-0.d" when that is the one character too many.
void drop_leading_zero_if_one_too_wide(std::string& out, std::size_t start, int width) {
  const std::size_t zero = start + (out[start] == '-');
  if (out.size() - start == static_cast<std::size_t>(width) + 1 && out[zero] == '0' &&
      out[zero + 1] == '.' && zero + 2 < out.size()) {
    out.erase(zero, 1);
  }
}

void append_digits(std::string& out, long long value) {
  std::array<char, 24> buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  out.append(buffer.data(), end);
}

void append_i(std::string& out, long long value, int width) {
  const std::size_t start = out.size();
  append_digits(out, value);
  justify(out, start, width);
}

// The characters printf writes for "%#.*f" or "%#.*e": correctly rounded from the exact binary
// value, with a point even when there are no decimals. std::to_chars gives the same digits
// several times faster; printf remains for the rare value too long for the buffer.
void append_printf_form(std::string& out, double value, std::chars_format format, int precision) {
  std::array<char, 64> buffer;
  const auto [end, failed] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
  if (failed != std::errc{}) {
    const char* pattern = format == std::chars_format::fixed ? "%#.*f" : "%#.*e";
    const int length = std::snprintf(nullptr, 0, pattern, precision, value);
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(length) + 1);
    std::snprintf(out.data() + start, static_cast<std::size_t>(length) + 1, pattern, precision,
                  value);
    out.pop_back();
    return;
  }
  const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  if (precision > 0) {
    out += text;
    return;
  }
  const std::size_t mantissa_end = format == std::chars_format::fixed ? text.size() : text.find('e');
  out += text.substr(0, mantissa_end);
  out += '.';
  out += text.substr(mantissa_end);
}

void append_f(std::string& out, double value, int width, int decimals) {
  if (!std::isfinite(value)) return append_nonfinite(out, value, width);
  const std::size_t start = out.size();
  if (width < 1 || decimals < 0) return append_stars(out, start, width);
  append_printf_form(out, value, std::chars_format::fixed, decimals);
  // Only a result of at most width + 1 characters can end up in the field.
  if (out.size() - start > static_cast<std::size_t>(width) + 1) {
    return append_stars(out, start, width);
  }
  drop_leading_zero_if_one_too_wide(out, start, width);
  justify(out, start, width);
}

void append_e(std::string& out, double value, int width, int decimals) {
  if (!std::isfinite(value)) return append_nonfinite(out, value, width);
  const std::size_t start = out.size();
  if (width < 1 || decimals < 1) return append_stars(out, start, width);
  // printf's form is "-D.DDDDe+XX" with the same digits; move the point in front of them.
  append_printf_form(out, value, std::chars_format::scientific, decimals - 1);
  const std::size_t mark = out.find('e', start);
  int exponent = 0;
  if (value != 0) {
    const std::size_t digits = mark + (out[mark + 1] == '+' ? 2 : 1);  // from_chars takes no '+'
    std::from_chars(out.data() + digits, out.data() + out.size(), exponent);
    ++exponent;
  }
  out.resize(mark);
  const std::size_t first = start + (out[start] == '-');
  out[first + 1] = out[first];
  out[first] = '.';
  out.insert(first, 1, '0');

  const int magnitude = std::abs(exponent);
  if (magnitude < 100) out += 'E';
  out += exponent < 0 ? '-' : '+';
  if (magnitude >= 100) out += static_cast<char>('0' + magnitude / 100);
  out += static_cast<char>('0' + magnitude / 10 % 10);
  out += static_cast<char>('0' + magnitude % 10);

  drop_leading_zero_if_one_too_wide(out, start, width);
  justify(out, start, width);
}

}  // namespace

// A field goes straight onto the end of the text, or overwrites it from the cursor.
template <typename Append>
Line& Line::field(Append append) {
  if (cursor_ >= text_.size()) {
    append(text_);
    cursor_ = std::string::npos;
  } else {
    std::string value;
    append(value);
    text_.replace(cursor_, std::min(value.size(), text_.size() - cursor_), value);
    move_to(cursor_ + value.size());
  }
  return *this;
}

void Line::move_to(std::size_t index) {
  if (index < text_.size()) {
    cursor_ = index;
  } else {
    text_.resize(index, ' ');
    cursor_ = std::string::npos;
  }
}

Line& Line::a(std::string_view text) {
  return field([text](std::string& out) { out += text; });
}

Line& Line::i(long long value, int width) {
  return field([=](std::string& out) { append_i(out, value, width); });
}

Line& Line::i0(long long value) {
  return field([=](std::string& out) { append_digits(out, value); });
}

Line& Line::f(double value, int width, int decimals) {
  return field([=](std::string& out) { append_f(out, value, width, decimals); });
}

Line& Line::e(double value, int width, int decimals) {
  return field([=](std::string& out) { append_e(out, value, width, decimals); });
}

Line& Line::x(int blanks) {
  if (blanks > 0) move_to(std::min(cursor_, text_.size()) + static_cast<std::size_t>(blanks));
  return *this;
}

Line& Line::tab(int column) {
  move_to(static_cast<std::size_t>(std::max(column, 1) - 1));
  return *this;
}

std::string format_i(long long value, int width) {
  std::string out;
  append_i(out, value, width);
  return out;
}

std::string format_f(double value, int width, int decimals) {
  std::string out;
  append_f(out, value, width, decimals);
  return out;
}

std::string format_e(double value, int width, int decimals) {
  std::string out;
  append_e(out, value, width, decimals);
  return out;
}

}  // namespace torva
