#pragma once
#include <string>

#include "script/sections.h"

namespace install {

struct PhaseFolders {
  std::string destination;  // the destination box's text, no trailing backslash
  std::string windows;      // the Windows folder
  std::string source;       // SourceFolder, where config.cfg lies
};

// The registry phase of the install pass, in order: the ":reg" entries, the
// ":reg1" entries, config.cfg into the product key, the ":delreg" deletions,
// then the start-up entries. Errors are not caught and end the phase where
// they happen: ListIndexError for a missing script line, "Failed to set data
// for '%s'" for a refused value, "Cannot open file %s" for a config.cfg that
// exists but cannot be read.
void RunRegistryPhase(const script::Sections& sections, const PhaseFolders& folders);

}  // namespace install
