#include "platform/registry.h"

#include <vector>

#include "platform/error.h"
#include "platform/handle.h"

namespace platform::registry {

HKEY RootKey(std::size_t index) {
  static const HKEY roots[] = {HKEY_CLASSES_ROOT,     HKEY_CURRENT_USER,   HKEY_LOCAL_MACHINE, HKEY_USERS,
                               HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA};
  return roots[index];
}

namespace {

// A leading backslash names the same key below the root.
std::string Relative(const std::string& path) {
  return !path.empty() && path[0] == '\\' ? path.substr(1) : path;
}

KeyHandle Open(HKEY root, const std::string& path, bool create) {
  HKEY key = nullptr;
  const std::string sub = Relative(path);
  LONG rc;
  if (create) {
    rc = RegCreateKeyExA(root, sub.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                         nullptr, &key, nullptr);
  } else {
    rc = RegOpenKeyExA(root, sub.c_str(), 0, KEY_ALL_ACCESS, &key);
  }
  // The caller may tell the system's reason for a key that did not open.
  if (rc != ERROR_SUCCESS) SetLastError(static_cast<DWORD>(rc));
  return KeyHandle(rc == ERROR_SUCCESS ? key : nullptr);
}

// The name of the subkey at `index`; nothing when there is none (or it
// cannot be read).
std::optional<std::string> SubkeyAt(HKEY key, DWORD index) {
  std::vector<char> buffer(256);
  DWORD length = static_cast<DWORD>(buffer.size());
  LONG rc = RegEnumKeyExA(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
  if (rc == ERROR_MORE_DATA) {
    buffer.resize(32768);
    length = static_cast<DWORD>(buffer.size());
    rc = RegEnumKeyExA(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
  }
  if (rc != ERROR_SUCCESS) return std::nullopt;
  return std::string(buffer.data(), length);
}

void DeleteSubtree(HKEY parent, const std::string& name) {
  {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &raw) != ERROR_SUCCESS) return;
    KeyHandle key(raw);
    // A deleted subkey moves the next one to its index. One that cannot be
    // deleted (access denied, held open, a name that does not survive the
    // ANSI round trip) is still there afterwards and is stepped past, so the
    // loop ends however many remain.
    DWORD index = 0;
    while (const std::optional<std::string> child = SubkeyAt(key.get(), index)) {
      DeleteSubtree(key.get(), *child);
      if (SubkeyAt(key.get(), index) == child) ++index;
    }
  }
  RegDeleteKeyA(parent, name.c_str());
}

}  // namespace

std::string ReadString(HKEY root, const std::string& path, const std::string& name) {
  HKEY raw = nullptr;
  if (RegOpenKeyExA(root, Relative(path).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return "";
  KeyHandle key(raw);
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return "";
  if (type != REG_SZ && type != REG_EXPAND_SZ)
    throw AppError::Format("Invalid data type for '%s'", name);
  std::string value(size, '\0');
  // The value may grow between the two calls: ask again with the new size.
  for (;;) {
    size = static_cast<DWORD>(value.size());
    const LONG rc = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(value.data()), &size);
    if (rc == ERROR_MORE_DATA) {
      value.resize(size);
      continue;
    }
    if (rc != ERROR_SUCCESS) return "";
    break;
  }
  value.resize(size);
  const auto nul = value.find('\0');
  if (nul != std::string::npos) value.resize(nul);
  return value;
}

bool WriteString(HKEY root, const std::string& path, const std::string& name,
                 const std::string& value, bool create) {
  KeyHandle key = Open(root, path, create);
  if (!key) return false;
  const LONG rc = RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1));
  if (rc != ERROR_SUCCESS) throw AppError::Format("Failed to set data for '%s'", name);
  return true;
}

bool DeleteTree(HKEY root, const std::string& path) {
  const std::string sub = Relative(path);
  // Opened to see that it may be deleted, and closed again before it is.
  if (sub.empty() || !Open(root, path, false)) return false;
  DeleteSubtree(root, sub);
  return true;
}

std::optional<RawValue> ReadValue(HKEY root, const std::string& path, const std::string& name) {
  HKEY raw = nullptr;
  if (RegOpenKeyExA(root, Relative(path).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return std::nullopt;
  KeyHandle key(raw);
  RawValue value{0, {}};
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  for (;;) {
    value.data.resize(size);
    size = static_cast<DWORD>(value.data.size());
    const LONG rc = RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type,
                                     reinterpret_cast<BYTE*>(value.data.data()), &size);
    if (rc == ERROR_MORE_DATA) continue;
    if (rc != ERROR_SUCCESS) return std::nullopt;
    value.data.resize(size);
    return value;
  }
}

bool WriteValue(HKEY root, const std::string& path, const std::string& name, const RawValue& value) {
  KeyHandle key = Open(root, path, true);
  return key && RegSetValueExA(key.get(), name.c_str(), 0, value.type,
                               reinterpret_cast<const BYTE*>(value.data.data()),
                               static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

std::optional<DWORD> ReadDword(HKEY root, const std::string& path, const std::string& name) {
  const std::optional<RawValue> value = ReadValue(root, path, name);
  if (!value || value->type != REG_DWORD || value->data.size() != 4) return std::nullopt;
  const auto* bytes = reinterpret_cast<const unsigned char*>(value->data.data());
  return DWORD{bytes[0]} | DWORD{bytes[1]} << 8 | DWORD{bytes[2]} << 16 | DWORD{bytes[3]} << 24;
}

bool WriteDword(HKEY root, const std::string& path, const std::string& name, DWORD value) {
  const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                         static_cast<char>(value >> 24)};
  return WriteValue(root, path, name, {REG_DWORD, std::string(bytes, 4)});
}

bool DeleteValue(HKEY root, const std::string& path, const std::string& name) {
  KeyHandle key = Open(root, path, false);
  return key && RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> ValueNames(HKEY root, const std::string& path) {
  std::vector<std::string> names;
  HKEY raw = nullptr;
  if (RegOpenKeyExA(root, Relative(path).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return names;
  KeyHandle key(raw);
  std::vector<char> buffer(16384);
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(buffer.size());
    if (RegEnumValueA(key.get(), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    names.push_back(std::string(buffer.data(), length));
  }
  return names;
}

bool DeleteIfEmpty(HKEY root, const std::string& path) {
  const std::string sub = Relative(path);
  {
    HKEY raw = nullptr;
    if (sub.empty() || RegOpenKeyExA(root, sub.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return false;
    KeyHandle key(raw);
    DWORD subkeys = 0, values = 0;
    if (RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
        subkeys || values)
      return false;
  }
  return RegDeleteKeyA(root, sub.c_str()) == ERROR_SUCCESS;
}

}  // namespace platform::registry
