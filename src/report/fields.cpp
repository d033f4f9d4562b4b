#include "report/fields.h"

#include <array>
#include <cmath>

namespace torva {
namespace {

// The size bounds of a number field are single-precision powers of ten.
float power_of_ten(int exponent) { return std::pow(10.0f, static_cast<float>(exponent)); }

// A negative value just below 10^4 in magnitude rounds to five integer digits, and with its
// sign and w - 7 decimals needs one column more than the field has: it takes one decimal
// fewer instead of filling the field with asterisks.
int decimals_that_fit(double value, int field, int decimals) {
  if (value < 0.0 && format_f(value, field, decimals).front() == '*') return decimals - 1;
  return decimals;
}

constexpr int kCriterionNameWidth = 34;

constexpr std::array<std::string_view, 17> kCriterionNames = {
    "Soft Clay",
    "Stiff Clay with Free Water",
    "Stiff Clay w/o Free Water",
    "Stiff Clay w/o Free Water, using k",
    "Sand (Reese, et al.)",
    "API Sand",
    "Liquefied Sand",
    "Weak Rock",
    "Vuggy Limestone",
    "Piedmont Residual",
    "Cemented Silt",
    "Loess",
    "Elastic Subgrade",
    "User Input p-y Curves",
    "Soft Clay with User-defined J",
    "Massive Rock",
    "Frozen Soil",
};

}  // namespace

// With f = width - 1 and a = |value|, the forms are
//   a = 0 (after the 1e-12 cut)       Ff.(width-8)
//   a > 10^(width-3) - 1              Ef.(width-8)
//   10^4 < a                          Ff.0
//   10^(9-width) < a <= 10^4          Ff.(width-7)
//   10^(7-width) <= a <= 10^(9-width) Ff.(width-5)
//   a < 10^(7-width)                  Ef.(width-8)
void WriteNumberField(Line& line, double value, int width) {
  if (std::isnan(value)) {
    line.a("  Not-a-Number");
    return;
  }
  line.a(" ");
  const int field = width - 1;
  const double a = std::fabs(value);
  if (a < 1e-12) {
    line.f(0.0, field, width - 8);
  } else if (a > static_cast<double>(power_of_ten(width - 3) - 1.0f)) {
    line.e(value, field, width - 8);
  } else if (a > 1e4) {
    line.f(value, field, 0);
  } else if (a > power_of_ten(9 - width)) {
    line.f(value, field, decimals_that_fit(value, field, width - 7));
  } else if (a >= power_of_ten(7 - width)) {
    line.f(value, field, width - 5);
  } else {
    line.e(value, field, width - 8);
  }
}

void WriteIntegerField(Line& line, long long value, int width) {
  line.i(value, width >= 1 && width <= 16 ? width : 10);
}

void WriteBlanks(Line& line, int count) { line.x(count); }

void WriteCriterionLongName(Line& line, int code) {
  const std::string_view name = criterion_long_name(code);
  std::array<char, kCriterionNameWidth> field;
  field.fill(' ');
  name.copy(field.data(), name.size());
  line.a({field.data(), field.size()});
}

std::string_view criterion_long_name(int code) {
  if (code < 1 || code > static_cast<int>(kCriterionNames.size())) return {};
  return kCriterionNames[static_cast<std::size_t>(code - 1)];
}

std::string unit_text(std::string_view unit, UnitForm form) {
  switch (form) {
    case UnitForm::kArea:
      return "Sq. " + std::string(unit);
    case UnitForm::kSquared:
      return std::string(unit) + "^2";
    case UnitForm::kFourth:
      return std::string(unit) + "^4";
    case UnitForm::kPlain:
      break;
  }
  return std::string(unit);
}

Line LabelledLine(std::string_view label) {
  Line line;
  line.a(label).tab(kLabelEqualsColumn).a("= ");
  return line;
}

Line LabelledValue(std::string_view label, double value, std::string_view unit, UnitForm form) {
  Line line = LabelledLine(label);
  WriteNumberField(line, value, 12);
  if (!unit.empty()) line.a(" ").a(unit_text(unit, form));
  return line;
}

Line LabelledInteger(std::string_view label, long long value, int width) {
  Line line = LabelledLine(label);
  WriteIntegerField(line, value, width);
  return line;
}

}  // namespace torva
