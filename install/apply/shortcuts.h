// The install's shortcut step.
#pragma once

#include <optional>
#include <string>

#include "install/plan/shortcut_names.h"
#include "shell/shell_link.h"

namespace install {

// Makes the pair's shortcut: the shell writes the file, then its target,
// working folder and hot key are set. The name of the file the shell wrote
// (".pif" for some targets), or nothing when no shortcut is left (a name the
// component cannot take, a hot key that is not a number). Shell failures are
// silent. COM must be initialised.
std::optional<std::string> MakeShortcut(const ShortcutPair& pair, shell::ShellLink& link);

}  // namespace install
