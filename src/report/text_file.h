// One output channel of a run: the report, the plot-output file or the run-message file.
// Lines are written whole; the message file is flushed after every line so that a front end
// can follow the progress of a long run. Before the run files are open, report lines go to
// standard output and message lines to the fallback file "fort.8" in the current folder.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "report/line.h"

namespace torva {

enum class Channel { kReport, kPlot, kMessage };

class TextFile {
 public:
  explicit TextFile(Channel channel) : channel_(channel) {}
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  ~TextFile() { close(); }  // a failure here has no one left to report it to

  bool open(const std::string& path);  // created or overwritten
  bool reopen();                       // truncate and start again at the first line
  // Closes the file; false when a line since it was opened could not be written whole or the
  // file could not be closed (a full disk, a failing device).
  bool close();
  bool is_open() const { return file_ != nullptr; }
  // Writes out what is buffered; false when a line since the file was opened was lost.
  bool flush();
  bool write_failed() const { return failed_; }
  const std::string& path() const { return path_; }

  void put(std::string_view text);
  void put(const Line& line) { put(line.str()); }
  void blank(int count = 1);

 private:
  std::FILE* stream();

  Channel channel_;
  std::FILE* file_ = nullptr;
  std::FILE* fallback_ = nullptr;  // fort.8, opened on the first message line that needs it
  std::string path_;
  bool failed_ = false;  // a write, flush or close of the file failed since it was opened
};

}  // namespace torva
