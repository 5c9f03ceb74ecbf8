#pragma once
// Shortcut files read and written straight through IShellLinkA, without the
// component under test, to set up and check what it reads and writes.
#include <windows.h>

#include <string>

namespace testing_support {

struct RawLink {
  std::string target, workingDir, description, arguments, iconLocation;
  int iconIndex = 0;
  WORD hotKey = 0;
  int showCmd = SW_SHOWNORMAL;
};

// False when the file cannot be loaded as a shortcut.
bool ReadRawLink(const std::string& file, RawLink& link);
bool WriteRawLink(const std::string& file, const RawLink& link);

}  // namespace testing_support
