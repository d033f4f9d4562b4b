#include "input/input_file.h"

#include "engine/errors.h"
#include "input/input_checks.h"

namespace torva {

namespace {

[[noreturn]] void early_end(Engine& engine, std::string_view what) {
  raise_error(engine, errors::kInputEarlyEnd,
              "The input data file ended while reading " + std::string(what) + " (after line " +
                  std::to_string(input_line_number(engine)) + ").",
              "Complete the section and end the file with the line END.");
}

}  // namespace

std::string read_text_line(Engine& engine, std::string_view what) {
  std::optional<std::string> line = engine.run.input->text_line();
  if (!line) early_end(engine, what);
  return *line;
}

void read_record(Engine& engine, std::string_view what, std::initializer_list<ReadTarget> targets) {
  ListReader& reader = *engine.run.input;
  const std::size_t first_stored = reader.stored_reals().size();
  switch (reader.record(targets)) {
    case ReadStatus::kOk:
      check_read_values(engine, first_stored);
      return;
    case ReadStatus::kEndOfFile:
      early_end(engine, what);
    case ReadStatus::kBadValue:
      raise_error(engine, errors::kInputUnreadableValue,
                  "Line " + std::to_string(reader.line_number()) + " of the input data file, \"" +
                      reader.line() + "\", cannot be read as " + std::string(what) + ": " +
                      reader.expected() + " was expected, \"" + reader.found() + "\" was found.",
                  "Correct the value on that line.");
  }
}

int input_line_number(const Engine& engine) { return engine.run.input->line_number(); }

const std::string& input_line(const Engine& engine) { return engine.run.input->line(); }

void check_capacity(Engine& engine, std::string_view table, int count, int capacity) {
  if (count <= capacity) return;
  raise_error(engine, errors::kInputTableCapacity,
              "The input asks for " + std::to_string(count) + " " + std::string(table) +
                  " (line " + std::to_string(input_line_number(engine)) + "); at most " +
                  std::to_string(capacity) + " are allowed.",
              "Reduce the number of " + std::string(table) + " to " + std::to_string(capacity) +
                  " or fewer.");
}

}  // namespace torva
