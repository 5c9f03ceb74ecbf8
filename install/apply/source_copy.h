#pragma once
// The copy phase's reading of a source file. A file in the platform's
// compressed format (install/szdd.h) is expanded on the way; any other is
// copied as it is.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/handle.h"

namespace install {

// Writes the installed form of `source` as `temporary` and hands the file
// back still open, to be named (platform/new_file.h). A null handle, with the
// system's error code set, when it cannot (damaged compressed data give
// ERROR_INVALID_DATA); the caller removes what was written.
platform::FileHandle CopySource(const std::string& source, const std::string& temporary);

// The bytes `source` takes once installed: a compressed file's expanded
// size, from its header. Nothing when it is missing.
std::optional<std::uint64_t> InstalledSize(const std::string& source);

// The character that a compressed source's header gives for the "_" at the
// end of its name; 0 for a plain file or a header without one.
char CompressedLastCharacter(const std::string& source);

}  // namespace install
