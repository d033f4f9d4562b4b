#include "report/text_file.h"

namespace torva {

bool TextFile::open(const std::string& path) {
  close();
  path_ = path;
  file_ = std::fopen(path.c_str(), "w");
  return file_ != nullptr;
}

bool TextFile::reopen() {
  if (file_ == nullptr) return false;
  file_ = std::freopen(path_.c_str(), "w", file_);
  // What was lost before is gone with the truncation.
  failed_ = false;
  return file_ != nullptr;
}

bool TextFile::flush() {
  if (file_ != nullptr && std::fflush(file_) != 0) failed_ = true;
  return !failed_;
}

bool TextFile::close() {
  bool written = !failed_;
  if (file_ != nullptr && std::fclose(file_) != 0) written = false;
  if (fallback_ != nullptr) std::fclose(fallback_);
  file_ = nullptr;
  fallback_ = nullptr;
  failed_ = false;
  return written;
}

std::FILE* TextFile::stream() {
  if (file_ != nullptr) return file_;
  switch (channel_) {
    case Channel::kReport:
      return stdout;
    case Channel::kMessage:
      if (fallback_ == nullptr) fallback_ = std::fopen("fort.8", "w");
      return fallback_;
    case Channel::kPlot:
      return nullptr;
  }
  return nullptr;
}

void TextFile::put(std::string_view text) {
  std::FILE* out = stream();
  if (out == nullptr) return;
  bool written = text.empty() || std::fwrite(text.data(), 1, text.size(), out) == text.size();
  written = std::fputc('\n', out) != EOF && written;
  if (channel_ == Channel::kMessage || file_ == nullptr) written = std::fflush(out) == 0 && written;
  if (!written && out == file_) failed_ = true;
}

void TextFile::blank(int count) {
  for (int k = 0; k < count; ++k) put(std::string_view{});
}

}  // namespace torva
