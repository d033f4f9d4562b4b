// libFuzzer target: the fuzz bytes are the input data file of a whole run of the engine, in
// process. A run may end with any input or runtime error; it must not crash (the sanitizers
// watch for that), end with internal error 999, or end normally with a report or plot file
// that holds a number that is not finite. Text the report copies from the input (the title
// lines) is the user's own and may hold any word.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "engine/errors.h"
#include "engine/run_sequence.h"
#include "model/capacities.h"
#include "model/engine.h"

namespace {

namespace fs = std::filesystem;

std::string read_file(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool word_char(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// A word of its own in the text (not part of a longer word such as "Information").
bool has_word(std::string_view text, std::string_view word) {
  for (std::size_t at = text.find(word); at != std::string_view::npos;
       at = text.find(word, at + 1)) {
    const bool starts = at == 0 || !word_char(text[at - 1]);
    const std::size_t end = at + word.size();
    const bool ends = end == text.size() || !word_char(text[end]);
    if (starts && ends) return true;
  }
  return false;
}

// The spellings a value that is not finite takes in the output layer (and in the C library,
// which must never be reached).
constexpr std::string_view kNonFinite[] = {"NaN", "Inf", "Infinity", "Not-a-Number",
                                           "nan", "inf", "infinity"};

// The one documented place of an infinite value: a stiffness term under a zero head deflection
// or rotation, in the report's stiffness section and in the Line 15 records.
struct DocumentedInfinity {
  bool in_stiffness_section = false;
  bool allows(std::string_view line) {
    if (line.find("Computed Pile-head Stiffness Matrix Values") != std::string_view::npos) {
      in_stiffness_section = true;
    } else if (line.find("Results of Push-over Analysis") != std::string_view::npos ||
               line.find("Results of Pile Buckling Analysis") != std::string_view::npos) {
      in_stiffness_section = false;
    }
    return in_stiffness_section || line.find("Line 15: ") != std::string_view::npos;
  }
};

std::string_view trimmed(std::string_view line) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!line.empty() && blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && blank(line.back())) line.remove_suffix(1);
  return line;
}

// A line of a normal run that holds a value that is not finite, unless it is text copied from
// the input (a title line, whole or cut to the line length); empty when there is none.
std::string first_nonfinite_line(const std::string& text, std::string_view input) {
  DocumentedInfinity documented;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    const std::string_view line(text.data() + begin, end - begin);
    const bool infinity_allowed = documented.allows(line);
    for (std::string_view word : kNonFinite) {
      if (infinity_allowed && (word == "Infinity" || word == "Inf")) continue;
      if (has_word(line, word) && input.find(trimmed(line)) == std::string_view::npos) {
        return std::string(line);
      }
    }
    begin = end + 1;
  }
  return {};
}

torva::Engine* engine = nullptr;
fs::path run_folder;
std::string section_report_names;  // written before every run, which reads and deletes it

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Every run works in a folder of its own, with the control files a front end writes.
  char pattern[] = "/tmp/torva-fuzz-XXXXXX";
  if (mkdtemp(pattern) == nullptr) std::abort();
  fs::current_path(pattern);
  run_folder = pattern;
  std::atexit([] {
    std::error_code ignored;
    fs::remove_all(run_folder, ignored);
  });
  std::ofstream("NAMES.DAT") << "input.tp7\nreport.txt\nplot.txt\nmessages.txt\n";
  for (int section = 1; section <= torva::kMaxSections; ++section) {
    for (int thrust = 1; thrust <= torva::kMaxThrusts; ++thrust) {
      char name[64];
      std::snprintf(name, sizeof name, "mc-s%02d-t%03d.txt\n", section, thrust);
      section_report_names += name;
    }
  }
  engine = new torva::Engine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream input("input.tp7", std::ios::binary | std::ios::trunc);
    input.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  std::ofstream("M_vs_EI_report_names.txt") << section_report_names;
  const int code = torva::run_analysis(*engine, torva::kInterfaceVersion);
  if (code == torva::errors::kInternal.number) {
    std::cerr << "internal error 999:\n" << read_file("messages.txt");
    std::abort();
  }
  if (code <= 0) {  // a normal ending, with or without warnings
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (const char* name : {"report.txt", "plot.txt"}) {
      const std::string line = first_nonfinite_line(read_file(name), input);
      if (line.empty()) continue;
      std::cerr << "a normal run wrote a value that is not finite to " << name << ":\n"
                << line << '\n';
      std::abort();
    }
  }
  return 0;
}
