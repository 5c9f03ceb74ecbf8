#include "fixtures.h"

#include <shlwapi.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace settings_test {

namespace {

struct Key {
  HKEY h = nullptr;
  ~Key() {
    if (h) RegCloseKey(h);
  }
};

}  // namespace

TempFolder::TempFolder(const std::string& name) : path_("C:\\settest\\" + name) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void MakeFolder(const std::string& path) { std::filesystem::create_directories(path); }

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::optional<std::string> RegValue(HKEY root, const std::string& path, const std::string& name) {
  Key key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key.h) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.h, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (type != REG_SZ) throw std::runtime_error("not a string value: " + name);
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(key.h, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                       &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::string(data.data());
}

bool KeyExists(HKEY root, const std::string& path) {
  Key key;
  return RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key.h) == ERROR_SUCCESS;
}

std::size_t ValueCount(HKEY root, const std::string& path) {
  Key key;
  DWORD count = 0;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key.h) != ERROR_SUCCESS ||
      RegQueryInfoKeyA(key.h, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return 0;
  return count;
}

void SetRegValue(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
  Key key;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key.h, nullptr) !=
          ERROR_SUCCESS ||
      RegSetValueExA(key.h, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
    throw std::runtime_error("cannot set " + path + " " + name);
}

void DeleteKey(HKEY root, const std::string& path) { SHDeleteKeyA(root, path.c_str()); }

void DeleteValue(HKEY root, const std::string& path, const std::string& name) {
  Key key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key.h) == ERROR_SUCCESS)
    RegDeleteValueA(key.h, name.c_str());
}

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
