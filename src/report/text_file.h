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
  ~TextFile() { close(); }

  bool open(const std::string& path);  // created or overwritten
  bool reopen();                       // truncate and start again at the first line
  void close();
  bool is_open() const { return file_ != nullptr; }

  void put(std::string_view text);
  void put(const Line& line) { put(line.str()); }
  void blank(int count = 1);

 private:
  std::FILE* stream();

  Channel channel_;
  std::FILE* file_ = nullptr;
  std::FILE* fallback_ = nullptr;  // fort.8, opened on the first message line that needs it
  std::string path_;
};

}  // namespace torva
