// Reading the run's input data file. A value that cannot be read or a file that ends too
// early ends the run with a numbered input error naming the line.
#pragma once

#include <initializer_list>
#include <string>

#include "input/list_reader.h"
#include "model/engine.h"

namespace torva {

// The next line as text (cut at 256 characters, trailing blanks removed).
std::string read_text_line(Engine& engine, std::string_view what);

// One value record; `what` names the record for the error text ("the number of soil layers").
void read_record(Engine& engine, std::string_view what, std::initializer_list<ReadTarget> targets);

// The number of the last line read and the line itself, for error texts.
int input_line_number(const Engine& engine);
const std::string& input_line(const Engine& engine);

// Input error 89 when count exceeds a table's capacity: names the table, the count and the limit.
void check_capacity(Engine& engine, std::string_view table, int count, int capacity);

}  // namespace torva
