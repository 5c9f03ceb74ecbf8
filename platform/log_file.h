#pragma once
// The /LOG file: one line per action, written as it happens.
#include <string>

#include "platform/handle.h"

namespace platform {

class LogFile {
 public:
  // No file is written when `path` is empty or cannot be created.
  explicit LogFile(const std::string& path);
  bool Opened() const { return static_cast<bool>(file_); }
  void Write(const std::string& line);

 private:
  platform::FileHandle file_;
};

}  // namespace platform
