#pragma once
#include <string>

#include "install/plan/registry_rules.h"

// The engine's registry operations. Each opens its own key and closes it
// before returning. A key that does not open writes nothing and returns false
// (the system's reason for GetLastError), which the install only notes; a
// value the registry refuses raises "Failed to set data for '%s'".
namespace install {

// Sets a string value below the named root, creating the key. A root name
// that is not one of the seven predefined keys writes nothing anywhere.
bool WriteRegEntry(const std::string& rootName, const std::string& path, const std::string& valueName,
                   const std::string& data);


// Deletes a key below HKEY_CLASSES_ROOT with all its subkeys; a key that does
// not exist is left alone.
void DeleteClassesKey(const std::string& path);

}  // namespace install
