#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace platform {

// Each operation makes its own connection: it opens the key, acts and closes
// the key again before it returns, on every path.
namespace registry {

// The string value `name` of the key, or "" when the key does not open or has
// no such value. A value that is not a string raises
// "Invalid data type for '%s'".
std::string ReadString(HKEY root, const std::string& path, const std::string& name);

// Opens the key (creating missing keys when `create`) and sets the string
// value; an empty name is the default value. Returns false when the key does
// not open. A value the registry refuses raises "Failed to set data for '%s'".
bool WriteString(HKEY root, const std::string& path, const std::string& name,
                 const std::string& value, bool create);

// Deletes the key with all its subkeys, depth first. False when the key does
// not open.
bool DeleteTree(HKEY root, const std::string& path);

}  // namespace registry
}  // namespace platform
