#include "engine/run_sequence.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <new>
#include <string>

#include "engine/errors.h"
#include "engine/stages.h"
#include "input/dispatcher.h"
#include "report/plot_records.h"

namespace torva {

namespace {

namespace fs = std::filesystem;

const std::string kRule80(80, '=');
const std::string kDashes80(80, '-');

std::string trim_right(std::string text) {
  const auto end = text.find_last_not_of(' ');
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

// A line of a control file as a 256-character field, trailing blanks removed.
bool read_name_line(std::istream& in, std::string& name) {
  if (!std::getline(in, name)) return false;
  if (!name.empty() && name.back() == '\r') name.pop_back();
  if (name.size() > static_cast<std::size_t>(kNameLength)) name.resize(kNameLength);
  name = trim_right(name);
  return true;
}

// Errors of run control found before the run files are open: the text goes to the message
// channel (its fallback file), the termination line to the report channel (standard output).
[[noreturn]] void control_file_error(Engine& engine, int number, std::string_view text) {
  TextFile& message = engine.run.message;
  message.blank(2);
  message.put(error_banner(number));
  message.blank();
  message.put(text);
  char code[16];
  std::snprintf(code, sizeof code, "RUN%05d", number - 200);
  stop_run(engine, code, number);
}

void read_names_file(Engine& engine) {
  std::ifstream names("NAMES.DAT");
  if (!names) control_file_error(engine, 202, "Contents of file NAMES.DAT is corrupted.");
  RunControl& run = engine.run;
  struct Record {
    std::string* name;
    int error;
    const char* text;
  };
  const std::array<Record, 4> records = {{
      {&run.InputFileName, 203, "The name of the input data file is corrupted."},
      {&run.ReportFileName, 204, "The name of the output report file is corrupted."},
      {&run.PlotFileName, 205, "The name of the plot output file is corrupted."},
      {&run.MessageFileName, 206, "Name of runtime message file is corrupted"},
  }};
  for (const Record& record : records) {
    if (!read_name_line(names, *record.name)) control_file_error(engine, record.error, record.text);
  }
}

void check_blank_names(Engine& engine) {
  const RunControl& run = engine.run;
  const std::array<std::pair<const std::string*, const char*>, 4> names = {{
      {&run.InputFileName,
       "Input data filename information corrupted. No analysis was performed."},
      {&run.ReportFileName,
       "Output filename information is corrupted. No analysis was performed."},
      {&run.PlotFileName,
       "Plot output filename information is corrupted. No analysis was performed."},
      {&run.MessageFileName,
       "Run message filename information is corrupted. No analysis performed."},
  }};
  for (const auto& [name, text] : names) {
    if (!name->empty()) continue;
    std::cerr << error_banner(217) << "\n\n" << text << std::endl;
    stop_run(engine, "RUN00017", 217);
  }
}

// Two names of the run that lead to one file (the same path written twice, a link, or a
// relative and an absolute name): writing one would destroy the other.
bool same_file(const std::string& a, const std::string& b) {
  std::error_code failed;
  const bool equivalent = fs::equivalent(a, b, failed);
  if (!failed) return equivalent;
  // One of them does not exist yet: compare where the two names lead.
  const fs::path first = fs::weakly_canonical(fs::absolute(a, failed), failed);
  if (failed) return false;
  const fs::path second = fs::weakly_canonical(fs::absolute(b, failed), failed);
  return !failed && first == second;
}

void check_distinct_files(Engine& engine) {
  const RunControl& run = engine.run;
  const std::array<std::pair<const char*, const std::string*>, 4> files = {{
      {"input data file", &run.InputFileName},
      {"output report file", &run.ReportFileName},
      {"plot output file", &run.PlotFileName},
      {"run message file", &run.MessageFileName},
  }};
  for (std::size_t a = 0; a < files.size(); ++a) {
    for (std::size_t b = a + 1; b < files.size(); ++b) {
      if (!same_file(*files[a].second, *files[b].second)) continue;
      raise_error(engine, errors::kRunSameFile,
                  std::string("The ") + files[a].first + " " + *files[a].second + " and the " +
                      files[b].first + " " + *files[b].second +
                      " are the same file; nothing was written.",
                  "Give the input data file and the three output files four different names.");
    }
  }
}

void open_run_files(Engine& engine) {
  RunControl& run = engine.run;
  std::error_code ignored;
  if (fs::is_directory(run.InputFileName, ignored)) {
    raise_error(engine, errors::kRunInputNotOpened,
                "The input data file " + run.InputFileName + " is a folder, not a file.",
                "Name the input data file itself.");
  }
  check_distinct_files(engine);
  run.input = ListReader::from_file(run.InputFileName);
  if (!run.input) {
    raise_error(engine, errors::kRunInputNotOpened,
                "The input data file " + run.InputFileName + " cannot be opened.",
                "Check that the file exists and can be read.");
  }
  const std::array<std::pair<TextFile*, const std::string*>, 3> outputs = {{
      {&run.report, &run.ReportFileName},
      {&run.plot, &run.PlotFileName},
      {&run.message, &run.MessageFileName},
  }};
  for (const auto& [file, name] : outputs) {
    if (!file->open(*name)) {
      raise_error(engine, errors::kRunOutputNotCreated,
                  "The output file " + *name + " cannot be created.",
                  "Check that the folder exists and that files can be written there.");
    }
  }
}

// Reads and deletes the list of moment-curvature file names; a missing list is empty.
void read_section_report_names(Engine& engine) {
  const char* list_name = "M_vs_EI_report_names.txt";
  std::ifstream list(list_name);
  if (!list) return;
  std::string name;
  while (read_name_line(list, name)) engine.run.SectionReportNames.push_back(name);
  list.close();
  std::remove(list_name);
}

void check_input_size(Engine& engine) {
  std::error_code ignored;
  if (fs::file_size(engine.run.InputFileName, ignored) != 0) return;
  TextFile& message = engine.run.message;
  message.blank();
  message.put("**** Input Data Error No. 25 ****");
  message.put("Size of input data file is 0 bytes.  No analysis performed.");
  message.blank();
  stop_run(engine, "INP00025", 125);
}

void read_marker_and_input(Engine& engine) {
  RunControl& run = engine.run;
  // An unreadable first token stands as "3", which is no marker.
  std::string marker;
  const bool read = run.input->record({&marker}) == ReadStatus::kOk;
  run.FileMarker = read ? marker.substr(0, 7) : std::string(1, '3');
  if (run.FileMarker != "TORVAP7") {
    raise_error(engine, errors::kInputMarker,
                "The input data file does not begin with the marker TORVAP7 (found \"" +
                    run.FileMarker + "\").",
                "Use an input data file written for this program, whose first line is TORVAP7.");
  }
  read_input_data(engine);
  run.message.put("Input of data completed");
  run.message.blank();
}

void set_unit_labels(Engine& engine) {
  UnitLabels& labels = engine.run.labels;
  switch (engine.options.IUNITS) {
    case kUnitsUS:
      labels = {"ft", "in", "lbs", "psi", "psf", "lb/in", "pcf", "pci", "in-lb"};
      engine.run.input_converted = false;
      break;
    case kUnitsSI:
      labels = {"m", "m", "kN", "kPa", "kPa", "kN/m", "kN/m3", "kN/m3", "kN-m"};
      engine.run.input_converted = true;
      break;
    default:
      labels = {"L", "L", "F", "F/L2", "F/L2", "F/L", "F/L3", "F/L3", "F-L"};
      break;
  }
}

void write_banner(TextFile& report) {
  const std::string indent(15, ' ');
  report.put(kRule80);
  report.blank();
  report.put(indent + "Torva - Lateral Pile Analysis Engine, Version " + kEngineVersion);
  report.blank();
  report.put(indent + " Analysis of Individual Piles and Drilled Shafts ");
  report.put(indent + "Subjected to Lateral Loading Using the p-y Method");
  report.blank();
  report.put(kRule80);
  report.blank();
}

void write_file_block(Engine& engine) {
  RunControl& run = engine.run;
  const std::array<std::pair<const char*, PathParts>, 4> files = {{
      {"Name of input data file:       ", split_path(run.InputFileName)},
      {"Name of output report file:    ", split_path(run.ReportFileName)},
      {"Name of plot output file:      ", split_path(run.PlotFileName)},
      {"Name of runtime messeage file: ", split_path(run.MessageFileName)},
  }};
  const PathParts& input = files[0].second;
  const std::string path = "Path to file locations:        " + input.drive + input.directory;
  run.report.put(kDashes80);
  run.report.put(std::string(28, ' ') + "Files Used for Analysis");
  run.report.put(kDashes80);
  run.report.blank();
  run.report.put(path);
  run.message.put("File Path and Names Used for Analysis:");
  run.message.put(path);
  for (TextFile* out : {&run.report, &run.message}) {
    for (const auto& [label, parts] : files) {
      out->put(label + parts.base + parts.extension);
    }
    out->blank();
  }
}

void write_date_block(TextFile& report) {
  static const std::array<const char*, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  report.put(kDashes80);
  report.put(std::string(27, ' ') + "Date and Time of Analysis");
  report.put(kDashes80);
  report.blank();
  char time_text[16];
  std::snprintf(time_text, sizeof time_text, "%2d:%02d:%02d", local.tm_hour, local.tm_min,
                local.tm_sec);
  Line line;
  line.x(15).a("Date:  ").a(kMonths[local.tm_mon]).a(" ").i0(local.tm_mday).a(", ");
  line.i(local.tm_year + 1900, 4).x(5).a("Time:  ").a(time_text);
  report.put(line);
}

// Closes the three output files. A file that lost a line (a full disk, a failing device) ends
// the run as runtime error 8 whatever its ending was, so that no caller takes an incomplete
// report for a whole one; the files that can still be written say why.
void check_outputs_written(Engine& engine) {
  RunControl& run = engine.run;
  const std::array<TextFile*, 3> outputs = {&run.report, &run.plot, &run.message};
  std::string lost;
  for (TextFile* file : outputs) {
    if (file->is_open() && !file->flush()) lost = file->path();
  }
  if (!lost.empty()) {
    const int ending = run.ErrorNumber;
    report_error(engine, errors::kRunOutputNotCreated,
                 "The output file " + lost + " could not be written completely" +
                     (ending > 0 ? " (the run had ended with the error code " +
                                       std::to_string(ending) + ")."
                                 : "."),
                 "Check that the disk is not full and that the file can be written, then run "
                 "the analysis again.");
  }
  for (TextFile* file : outputs) {
    if (!file->close()) run.ErrorNumber = errors::kRunOutputNotCreated.number;
  }
}

// Error ending and closing block; returns LGO's result.
int close_run(Engine& engine) {
  RunControl& run = engine.run;
  const int error = run.ErrorNumber;
  if (error >= 100 && error <= 299) {
    const bool input = error < 200;
    Line ended;
    ended.a(input ? "The analysis ended due to input error No. "
                  : "The analysis ended due to runtime error No. ")
        .i0(error - (input ? 100 : 200))
        .a(".");
    write_both(engine, {"", ended.str(), ""});
  }
  bool summarised = false;
  if (engine.warnings.LastWarningCount > 0) {
    run.message.blank(2);
    run.message.put(
        "The analysis ended with one or more warning messages. See the output report file for "
        "more details.");
    run.message.blank(2);
    WarningSummary(engine);
    summarised = true;
  }
  if (error == 0) write_both(engine, {"", "The analysis ended normally. ", ""});
  run.input.reset();
  check_outputs_written(engine);
  return result_code(engine, summarised);
}

void run_stages(Engine& engine) {
  read_names_file(engine);
  check_blank_names(engine);
  open_run_files(engine);
  read_section_report_names(engine);
  check_input_size(engine);
  read_marker_and_input(engine);
  set_unit_labels(engine);
  if (!engine.run.report.reopen()) {
    raise_error(engine, errors::kRunOutputNotCreated,
                "The output report file " + engine.run.ReportFileName +
                    " cannot be rewritten from its first line.",
                "Check that the file can still be written and that the disk is not full.");
  }
  write_banner(engine.run.report);
  write_file_block(engine);
  write_date_block(engine.run.report);
  const Options& options = engine.options;
  PlotLine1(engine.run.plot, options.i_Analysis_Type, options.IUNITS, options.ComputeKmatrix);
  run_analysis_stages(engine);
}

}  // namespace

PathParts split_path(const std::string& name) {
  PathParts parts;
  if (name.empty()) return parts;
  std::error_code failed;
  const fs::path full = fs::weakly_canonical(fs::absolute(name, failed), failed);
  if (failed) return parts;
  parts.drive = full.root_name().string().substr(0, 3);
  std::string directory = full.parent_path().relative_path().string();
  parts.directory = full.root_directory().string() + directory;
  if (!directory.empty()) parts.directory += fs::path::preferred_separator;
  parts.directory = parts.directory.substr(0, kNameLength);
  parts.base = full.stem().string().substr(0, kNameLength);
  parts.extension = full.extension().string().substr(0, 5);
  return parts;
}

int result_code(const Engine& engine, bool summary_written) {
  if (engine.run.ErrorNumber > 0) return engine.run.ErrorNumber;
  if (!summary_written) return 0;
  const WarningRegistry& registry = engine.warnings;
  if (registry.LastWarningCount > 1) return -300;
  for (int n = 1; n <= kMaxWarnings; ++n) {
    if (registry.WarningCount[n] != 0) return -n;
  }
  return 0;
}

int run_analysis(Engine& engine, int interface_version) {
  if (interface_version != kInterfaceVersion) return 99;
  try {
    reset_engine(engine);
    try {
      run_stages(engine);
    } catch (const RunStopped&) {
      // ErrorNumber holds the reason; the closing block reports it.
    } catch (const std::bad_alloc&) {
      report_internal_error(engine, "the engine ran out of memory.");
    } catch (const std::exception& failure) {
      report_internal_error(engine, failure.what());
    }
    return close_run(engine);
  } catch (...) {
    return errors::kInternal.number;
  }
}

}  // namespace torva
