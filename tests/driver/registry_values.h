#pragma once
// Registry reading and writing for tests: what the program left, and what a
// test sets up before it runs. Each call opens and closes its own key.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace driver {

// The string value ("" names the default value), or nothing when the key or
// the value is missing. A value that is not a string is an error.
std::optional<std::string> RegValue(HKEY root, const std::string& path, const std::string& name);
bool KeyExists(HKEY root, const std::string& path);
// A REG_DWORD value; nothing when it is missing or of another type.
std::optional<DWORD> DwordValue(HKEY root, const std::string& path, const std::string& name);
std::size_t ValueCount(HKEY root, const std::string& path);
// Creates the key where needed; throws when the value cannot be set.
void SetRegValue(HKEY root, const std::string& path, const std::string& name, const std::string& value);
// Removes the key with its subtree; a missing key is fine.
void DeleteKey(HKEY root, const std::string& path);
void DeleteValue(HKEY root, const std::string& path, const std::string& name);

}  // namespace driver
