#include "platform/log_file.h"

namespace platform {

LogFile::LogFile(const std::string& path) {
  if (!path.empty())
    file_.reset(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
}

void LogFile::Write(const std::string& line) {
  if (!file_) return;
  const std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(file_.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace platform
