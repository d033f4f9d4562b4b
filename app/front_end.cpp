#include "front_end.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "engine/lgo.h"
#include "model/capacities.h"

namespace torva::app {

namespace fs = std::filesystem;

namespace {

// A name as the engine reads it from a control file in `folder`, where it runs: relative to
// the folder, or the full path when that is shorter. The engine's name fields hold 256
// characters; a longer name would be cut into the name of another file.
std::string engine_name(const fs::path& file, const fs::path& folder) {
  const std::string full = file.lexically_normal().string();
  const std::string relative = file.lexically_relative(folder).string();
  const std::string& name = !relative.empty() && relative.size() < full.size() ? relative : full;
  if (name.size() > static_cast<std::size_t>(kNameLength)) {
    throw std::runtime_error("the file name " + full + " is too long for the engine (" +
                             std::to_string(name.size()) + " characters from the output folder; "
                             "at most " + std::to_string(kNameLength) +
                             "). Use a shorter input name or output folder.");
  }
  return name;
}

// Writes a control file in full or throws: the engine must not read half of it.
void write_control_file(const fs::path& path, const std::vector<std::string>& lines) {
  std::ofstream file(path);
  for (const std::string& line : lines) file << line << '\n';
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path.string() + " completely");
}

// The engine names the file of section a and thrust value j by entry n_T (a - 1) + j of the
// list, n_T being the run's number of thrust values: one name per entry covers every run.
fs::path section_report_file(const RunFiles& files, int entry) {
  char name[32];
  std::snprintf(name, sizeof name, "-mc-%04d.txt", entry);
  return files.report.parent_path() / (files.input.stem().string() + name);
}

constexpr int kSectionReportEntries = kMaxSections * kMaxThrusts;

// Writes the list and removes the files an earlier run of the same input left under its names.
void write_section_report_names(const RunFiles& files) {
  const fs::path folder = files.report.parent_path();
  std::vector<std::string> names;
  for (int entry = 1; entry <= kSectionReportEntries; ++entry) {
    const fs::path file = section_report_file(files, entry);
    std::error_code ignored;
    fs::remove(file, ignored);
    names.push_back(engine_name(file, folder));
  }
  write_control_file(folder / "M_vs_EI_report_names.txt", names);
}

class WorkingFolder {
 public:
  explicit WorkingFolder(const fs::path& folder) : saved_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~WorkingFolder() {
    std::error_code ignored;
    fs::current_path(saved_, ignored);
  }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

 private:
  fs::path saved_;
};

}  // namespace

RunFiles plan_run(const fs::path& input, const fs::path& out_dir) {
  fs::path folder = fs::absolute(out_dir).lexically_normal();
  if (folder.filename().empty()) folder = folder.parent_path();  // a trailing separator
  const std::string stem = input.stem().string();
  return {fs::absolute(input).lexically_normal(), folder / (stem + "-report.txt"),
          folder / (stem + "-plot.txt"), folder / (stem + "-messages.txt")};
}

int run_engine(const RunFiles& files) {
  const fs::path folder = files.report.parent_path();
  fs::create_directories(folder);
  write_control_file(folder / "NAMES.DAT",
                     {engine_name(files.input, folder), engine_name(files.report, folder),
                      engine_name(files.plot, folder), engine_name(files.message, folder)});
  write_section_report_names(files);
  WorkingFolder inside(folder);
  return torva::call_lgo(kInterfaceVersion);
}

std::vector<fs::path> section_report_files(const RunFiles& files) {
  std::vector<fs::path> written;
  for (int entry = 1; entry <= kSectionReportEntries; ++entry) {
    const fs::path file = section_report_file(files, entry);
    if (fs::exists(file)) written.push_back(file);
  }
  return written;
}

std::string describe_result(int code) {
  if (code == 0) return "The analysis ended normally.";
  if (code == 99) return "The engine refused the call: wrong interface version.";
  if (code == -300) {
    return "The analysis ended normally with several kinds of warnings; the summary at the end "
           "of the report lists them.";
  }
  if (code < 0) {
    return "The analysis ended normally with warning " + std::to_string(-code) +
           "; the summary at the end of the report explains it.";
  }
  if (code == 999) return "The analysis ended with internal error 999; see the message file.";
  if (code > 100 && code < 200) {
    return "The analysis ended with input error " + std::to_string(code - 100) +
           "; the report and the message file say what was wrong.";
  }
  return "The analysis ended with runtime error " + std::to_string(code - 200) +
         "; the report and the message file say what went wrong.";
}

}  // namespace torva::app
