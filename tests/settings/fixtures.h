// What the settings tests share: folders and registry keys of their own,
// made fresh and removed, and readers that tell a missing value from an
// empty one.
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

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
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// The string value, or nothing when the key or the value is missing.
std::optional<std::string> RegValue(HKEY root, const std::string& path, const std::string& name);
bool KeyExists(HKEY root, const std::string& path);
std::size_t ValueCount(HKEY root, const std::string& path);
void SetRegValue(HKEY root, const std::string& path, const std::string& name, const std::string& value);
// Removes the key with its subtree; a missing key is fine.
void DeleteKey(HKEY root, const std::string& path);
void DeleteValue(HKEY root, const std::string& path, const std::string& name);

// GetShortPathNameA with room for any path.
std::string ShortPath(const std::string& path);
std::string WindowsDirectory();

}  // namespace settings_test
