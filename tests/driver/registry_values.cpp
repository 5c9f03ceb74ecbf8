#include "registry_values.h"

#include <shlwapi.h>

#include <stdexcept>
#include <vector>

namespace driver {

namespace {

struct Key {
  HKEY h = nullptr;
  ~Key() {
    if (h) RegCloseKey(h);
  }
};

}  // namespace

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

std::optional<DWORD> DwordValue(HKEY root, const std::string& path, const std::string& name) {
  DWORD value = 0, type = 0, size = sizeof value;
  if (RegGetValueA(root, path.c_str(), name.c_str(), RRF_RT_ANY, &type, &value, &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return value;
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

}  // namespace driver
