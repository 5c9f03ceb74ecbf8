#pragma once
#include <string>

#include "install/journal.h"
#include "script/sections.h"

namespace install {

// The ":runservices" entry, then the ":runstart" entry, each only when its
// name is not empty, both starting the first program in the destination
// folder (no quotation marks, no arguments).
// The journal learns each value's earlier data first.
void WriteStartupEntries(const script::Sections& sections, const std::string& destination, Journal& journal);

}  // namespace install
