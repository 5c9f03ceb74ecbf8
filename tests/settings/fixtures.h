// What the settings tests share: folders and registry keys of their own,
// made fresh and removed, and readers that tell a missing value from an
// empty one.
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "registry_values.h"
#include "setup_run.h"

namespace settings_test {

// C:\settest\<name>, created empty and removed with its content.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Creates the folder and its parents.
void MakeFolder(const std::string& path);
// Files and registry values through the end-to-end driver's helpers.
using driver::DeleteKey;
using driver::DeleteValue;
using driver::KeyExists;
using driver::ReadFile;
using driver::RegValue;
using driver::SetRegValue;
using driver::ValueCount;
using driver::WriteFile;

// GetShortPathNameA with room for any path.
std::string ShortPath(const std::string& path);
std::string WindowsDirectory();

}  // namespace settings_test
