#pragma once
#include <string>

namespace install {

// Removes the old driver's lines from system.ini (`path`), rewriting the file
// only when a line went. Never fails: a missing, locked or read-only
// system.ini leaves the install to carry on.
void RemoveDriverLines(const std::string& path);

}  // namespace install
