#include "fixtures.h"

#include <filesystem>
#include <vector>

namespace settings_test {

TempFolder::TempFolder(const std::string& name) : path_("C:\\settest\\" + name) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void MakeFolder(const std::string& path) { std::filesystem::create_directories(path); }

std::string ShortPath(const std::string& path) {
  const DWORD need = GetShortPathNameA(path.c_str(), nullptr, 0);
  if (need == 0) return "";
  std::vector<char> buffer(need);
  const DWORD n = GetShortPathNameA(path.c_str(), buffer.data(), need);
  return n == 0 || n >= need ? "" : std::string(buffer.data(), n);
}

std::string WindowsDirectory() {
  char buffer[MAX_PATH + 1];
  const UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
  return n == 0 || n > MAX_PATH ? "" : std::string(buffer, n);
}

}  // namespace settings_test
