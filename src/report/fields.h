// Field writers shared by the report sections. Each appends one field to a Line.
#pragma once

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

}  // namespace torva
