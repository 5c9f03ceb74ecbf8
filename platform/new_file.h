#pragma once
// A new file written under a temporary name and given its real name only
// once it is complete.
#include <windows.h>

#include <string>

#include "platform/handle.h"

namespace platform {

// Creates `temporary` for writing, in place of any file of that name.
FileHandle CreateTemporary(const std::string& temporary, DWORD attributes);

// The error codes with which a rename finds a file of the target's name.
bool NameTaken(DWORD error);

// Gives the complete file `file`, written as `temporary`, the name `target`
// unless a file has that name: false then, with an error code that
// NameTaken accepts, and the file stays as `temporary`. Closes the file.
bool NameNewFile(FileHandle file, const std::string& temporary, const std::string& target);

}  // namespace platform
