#pragma once
#include <string>

namespace install {

// folder + "\" + name, without doubling the backslash of a folder that
// already ends with one (the Windows folder at a drive's root does).
std::string InFolder(const std::string& folder, const std::string& name);

}  // namespace install
