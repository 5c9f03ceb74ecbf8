#pragma once
#include <string>

namespace install {

// folder + "\" + name, without doubling the backslash of a folder that
// already ends with one (the Windows folder at a drive's root does).
std::string InFolder(const std::string& folder, const std::string& name);

// Whether the path lies below the folder, without regard to case (A-Z).
bool InsideFolder(const std::string& path, const std::string& folder);

// The text after the last "\" or ":".
std::string ExtractFileName(const std::string& path);
// The text up to and including the last "\" or ":".
std::string ExtractFilePath(const std::string& path);

}  // namespace install
