#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace platform {

// Each operation makes its own connection: it opens the key, acts and closes
// the key again before it returns, on every path.
namespace registry {

// The string value `name` of the key, or "" when the key does not open or has
// no such value. A value that is not a string raises
// "Invalid data type for '%s'".
// The predefined root key at `index` in the order HKEY_CLASSES_ROOT,
// HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_PERFORMANCE_DATA,
// HKEY_CURRENT_CONFIG, HKEY_DYN_DATA (the order of the root-key names).
HKEY RootKey(std::size_t index);

std::string ReadString(HKEY root, const std::string& path, const std::string& name);

// Opens the key (creating missing keys when `create`) and sets the string
// value; an empty name is the default value. Returns false when the key does
// not open, with the system's reason for GetLastError. A value the registry
// refuses raises "Failed to set data for '%s'".
bool WriteString(HKEY root, const std::string& path, const std::string& name,
                 const std::string& value, bool create);

// Deletes the key with all its subkeys, depth first. False when the key does
// not open.
bool DeleteTree(HKEY root, const std::string& path);

// A value as the registry holds it: its type and its bytes.
struct RawValue {
  DWORD type;
  std::string data;
};
// Nothing when the key does not open or has no such value.
std::optional<RawValue> ReadValue(HKEY root, const std::string& path, const std::string& name);
// Creates the key where needed; false when it or the value cannot be set.
bool WriteValue(HKEY root, const std::string& path, const std::string& name, const RawValue& value);
// False when the key does not open or has no such value.
bool DeleteValue(HKEY root, const std::string& path, const std::string& name);
// The names of the key's values; none when it does not open.
std::vector<std::string> ValueNames(HKEY root, const std::string& path);
// A REG_DWORD value; nothing when it is missing or of another type.
std::optional<DWORD> ReadDword(HKEY root, const std::string& path, const std::string& name);
bool WriteDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
// Deletes the key when it holds neither values nor subkeys; false otherwise.
bool DeleteIfEmpty(HKEY root, const std::string& path);

}  // namespace registry
}  // namespace platform
