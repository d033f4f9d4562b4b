// Field writers shared by the report sections. Each appends one field to a Line.
#pragma once

#include <string>
#include <string_view>

#include "report/line.h"

namespace torva {

// One blank, then `value` right-justified in width - 1 characters in the form that suits its
// size (see fields.cpp). Values below 1e-12 in magnitude are written as zero; NaN replaces the
// whole field with "  Not-a-Number". Meant for widths of 9 and up.
void WriteNumberField(Line& line, double value, int width);

// `value` right-justified in `width` characters; a width outside 1..16 is taken as 10.
void WriteIntegerField(Line& line, long long value, int width);

// `count` blanks, as nX: over existing text (after a tab back) it moves on without blanking.
void WriteBlanks(Line& line, int count);

// The long name of a p-y criterion code, padded with blanks to 34 characters; an unknown code
// gives 34 blanks.
void WriteCriterionLongName(Line& line, int code);

// The long name of a p-y criterion code; empty for an unknown code.
std::string_view criterion_long_name(int code);

// ---- Labelled value lines ------------------------------------------------------------------
// A labelled value line is the label, "= " from column 56, the value and its unit. The number
// form is the number field of 12 columns, one blank and the unit; other value forms (I12,
// E12.4, F10.2 ...) are appended by the caller after LabelledLine.

inline constexpr int kLabelEqualsColumn = 56;

// How the unit label of a value is written.
enum class UnitForm {
  kPlain,    // as given
  kArea,     // "Sq. " before it: areas, from the length label
  kSquared,  // "^2" after it: moduli, from force "/" length
  kFourth,   // "^4" after it: moments of inertia, from the length label
};

std::string unit_text(std::string_view unit, UnitForm form);

// The label and "= " at column 56, for the caller to append the value.
Line LabelledLine(std::string_view label);

// Label, "= ", the value in a number field of 12 and, unless the unit is empty, one blank and
// the unit in its form.
Line LabelledValue(std::string_view label, double value, std::string_view unit = {},
                   UnitForm form = UnitForm::kPlain);

// Label, "= " and the integer right-justified in `width` columns.
Line LabelledInteger(std::string_view label, long long value, int width = 12);

}  // namespace torva
