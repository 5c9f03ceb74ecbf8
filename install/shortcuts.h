// The install pass's Start Menu step: the program group and its shortcuts.
#pragma once

#include <string>

#include "script/lines.h"
#include "shell/SheLink.h"

namespace install {

// Creates the group folder (Programs folder, "\", Start Menu folder) with
// its missing parents; a failure is not reported.
void CreateGroupFolder(const std::string& programsFolder, const std::string& startMenuFolder);

// Makes one shortcut per ":exe" pair in the group folder (Programs folder,
// "\", Start Menu folder), pointing at the destination folder, "\", the
// pair's program line. The record already holds one line per pair from
// `firstLine` on (AddShortcutRecordLines); a pair's line is replaced by the
// name of the file the shell wrote. Shell failures are silent; a pair whose
// hot key is not a number leaves no shortcut. COM must be initialised.
void MakeShortcuts(const std::string& group, const std::string& destination, const script::Lines& exe,
                   shell::TShellLink& link, script::Lines& record, std::size_t firstLine);

}  // namespace install
