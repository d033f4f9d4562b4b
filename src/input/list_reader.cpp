#include "input/list_reader.h"

#include <charconv>
#include <climits>
#include <fstream>
#include <iterator>
#include <system_error>
#include <type_traits>
#include <utility>

namespace torva {
namespace {

constexpr std::size_t kTextWidth = 256;

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_quote(char c) { return c == '\'' || c == '"'; }
bool ends_word(char c) { return is_blank(c) || c == ',' || c == '/'; }

// [sign] digits, within the range of int.
std::optional<int> parse_int(std::string_view s) {
  const std::size_t digits_from = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
  if (digits_from == s.size()) return std::nullopt;
  for (std::size_t i = digits_from; i < s.size(); ++i) {
    if (!is_digit(s[i])) return std::nullopt;
  }
  int value = 0;
  const char* first = s.data() + (s[0] == '+' ? 1 : 0);  // from_chars takes no '+'
  if (std::from_chars(first, s.data() + s.size(), value).ec != std::errc()) return std::nullopt;
  return value;
}

// [sign] mantissa [exponent], where the mantissa is digits, digits "." [digits] or "." digits,
// and the exponent is a letter (E, e, D or d) with [sign] digits, or sign digits alone.
std::optional<double> parse_real(std::string_view s) {
  std::string text;  // s rewritten the way from_chars takes it: no '+', 'e' for the exponent
  std::size_t i = 0;
  auto sign = [&] {
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
      if (s[i] == '-') text += '-';
      ++i;
    }
  };
  auto digits = [&] {
    const std::size_t from = i;
    while (i < s.size() && is_digit(s[i])) text += s[i++];
    return i - from;
  };
  sign();
  const std::size_t mantissa_from = text.size();
  std::size_t mantissa_digits = digits();
  const std::size_t point = text.size();
  if (i < s.size() && s[i] == '.') {
    text += s[i++];
    mantissa_digits += digits();
  }
  if (mantissa_digits == 0) return std::nullopt;
  const std::size_t exponent_from = text.size();
  // The exponent letter may be left out when the exponent has its sign: 1.5+3 is 1500.
  const bool letter = i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos;
  if (letter || (i < s.size() && (s[i] == '+' || s[i] == '-'))) {
    text += 'e';
    if (letter) ++i;
    sign();
    if (digits() == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;

  double value = 0.0;
  if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc()) return value;

  // Out of range, one way or the other: the decimal exponent of the leading nonzero digit
  // tells an overflow (a bad value) from an underflow (zero).
  long long exponent = 0;
  if (exponent_from < text.size()) {
    const char* first = text.data() + exponent_from + 1;
    exponent = *first == '-' ? LLONG_MIN / 2 : LLONG_MAX / 2;  // kept if the exponent overflows
    (void)std::from_chars(first, text.data() + text.size(), exponent);
  }
  const auto lead = static_cast<long long>(text.find_first_not_of("0.", mantissa_from));
  const auto dot = static_cast<long long>(point);  // where the point is, or would be
  const long long magnitude = lead < dot ? dot - lead - 1 : dot - lead;
  if (magnitude + exponent > 0) return std::nullopt;
  return 0.0;
}

// One item of a value record: [r*]value or r*.
struct Item {
  std::size_t count = 1;        // r
  bool empty = false;           // r* with no value: r empty values
  bool quoted = false;
  std::string value;            // quotes removed
  std::string_view written;     // the value as written, or the malformed item
  const char* error = nullptr;  // what was due, if the item is malformed
};

// Scans the item starting at line[pos], a character that is neither blank nor a separator,
// and leaves pos just past it.
Item scan_item(std::string_view line, std::size_t& pos) {
  Item item;
  const std::size_t start = pos;
  std::size_t star = pos;
  while (star < line.size() && is_digit(line[star])) ++star;
  if (star > pos && star < line.size() && line[star] == '*') {
    const std::optional<int> count = parse_int(line.substr(pos, star - pos));
    pos = star + 1;
    if (!count || *count == 0) {
      item.error = "a positive repeat count";
      item.written = line.substr(start, pos - start);
      return item;
    }
    item.count = static_cast<std::size_t>(*count);
    item.empty = pos == line.size() || ends_word(line[pos]);
    if (item.empty) return item;
  }
  const std::size_t value_from = pos;
  if (is_quote(line[pos])) {
    item.quoted = true;
    const char quote = line[pos++];
    while (true) {
      if (pos == line.size()) {
        item.error = "a closing quote";
        break;
      }
      // A quote closes the word unless another follows it; the pair stands for one quote.
      if (line[pos] == quote && (++pos == line.size() || line[pos] != quote)) break;
      item.value += line[pos++];
    }
  } else {
    while (pos < line.size() && !ends_word(line[pos])) item.value += line[pos++];
  }
  item.written = line.substr(value_from, pos - value_from);
  return item;
}

// Stores the item's value in the target; returns what was due if it does not fit.
const char* store(const ReadTarget& target, const Item& item) {
  return std::visit(
      [&](auto* out) -> const char* {
        using T = std::remove_pointer_t<decltype(out)>;
        if constexpr (std::is_same_v<T, std::string>) {
          *out = item.value;
        } else {
          std::optional<T> value;
          if (!item.quoted) {
            if constexpr (std::is_same_v<T, int>) {
              value = parse_int(item.value);
            } else {
              value = parse_real(item.value);
            }
          }
          if (!value) return std::is_same_v<T, int> ? "an integer" : "a real number";
          *out = *value;
        }
        return nullptr;
      },
      target);
}

}  // namespace

ListReader::ListReader(std::string content) : content_(std::move(content)) {}

std::optional<ListReader> ListReader::from_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  // A folder opens as a stream on some systems and then fails on the first read.
  try {
    return ListReader(std::string(std::istreambuf_iterator<char>(in), {}));
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
}

bool ListReader::next_line() {
  if (at_end()) return false;
  std::size_t end = content_.find('\n', next_);
  if (end == std::string::npos) end = content_.size();
  raw_.assign(content_, next_, end - next_);
  next_ = end + 1;
  if (!raw_.empty() && raw_.back() == '\r') raw_.pop_back();
  line_ = raw_.substr(0, kTextWidth);
  line_.erase(line_.find_last_not_of(' ') + 1);
  ++line_number_;
  return true;
}

std::optional<std::string> ListReader::text_line() {
  if (!next_line()) return std::nullopt;
  return line_;
}

ReadStatus ListReader::record(std::initializer_list<ReadTarget> targets) {
  return record(std::span<const ReadTarget>(targets.begin(), targets.size()));
}

ReadStatus ListReader::record(std::span<const ReadTarget> targets) {
  expected_.clear();
  found_.clear();
  if (!next_line()) return ReadStatus::kEndOfFile;
  std::size_t pos = 0;
  std::size_t filled = 0;
  bool after_value = false;  // a comma right after a value only separates it from the next
  while (filled < targets.size()) {
    while (pos < raw_.size() && is_blank(raw_[pos])) ++pos;
    if (pos == raw_.size()) {  // the end of a line is one more blank
      if (!next_line()) return ReadStatus::kEndOfFile;
      pos = 0;
      continue;
    }
    if (raw_[pos] == '/') break;
    if (raw_[pos] == ',') {
      ++pos;
      if (!after_value) ++filled;  // an empty value
      after_value = false;
      continue;
    }
    const Item item = scan_item(raw_, pos);
    after_value = true;
    const char* error = item.error;
    for (std::size_t n = 0; !error && n < item.count && filled < targets.size(); ++n, ++filled) {
      if (item.empty) continue;
      error = store(targets[filled], item);
      if (!error && std::holds_alternative<double*>(targets[filled])) {
        const double* target = std::get<double*>(targets[filled]);
        stored_reals_.push_back({target, line_number_, *target});
      }
    }
    if (error) {
      expected_ = error;
      found_ = item.written;
      return ReadStatus::kBadValue;
    }
  }
  return ReadStatus::kOk;
}

std::optional<double> read_fixed_real(std::string_view line, int first_col, int last_col) {
  std::string field;
  for (auto col = static_cast<std::size_t>(first_col);
       col <= static_cast<std::size_t>(last_col) && col <= line.size(); ++col) {
    if (!is_blank(line[col - 1])) field += line[col - 1];
  }
  if (field.empty()) return 0.0;
  return parse_real(field);
}

}  // namespace torva
