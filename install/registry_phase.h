#pragma once
#include <string>

#include "install/folders.h"
#include "install/journal.h"
#include "script/sections.h"

namespace install {

// The registry phase of the install pass, in order: the ":reg" entries, the
// ":reg1" entries, config.cfg into the product key, the ":delreg" deletions,
// then the start-up entries. Errors are not caught and end the phase where
// they happen: ListIndexError for a missing script line, "Failed to set data
// for '%s'" for a refused value, "Cannot open file %s" for a config.cfg that
// exists but cannot be read. The journal learns each value's earlier data
// before it is set.
void RunRegistryPhase(const script::Sections& sections, const Folders& folders, Journal& journal = Journal::None());

}  // namespace install
