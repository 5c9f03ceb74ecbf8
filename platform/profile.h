#pragma once
#include <optional>
#include <string>

namespace platform {

// Writes one string into a profile (INI) file; a file name without a folder
// is the file of that name in the Windows folder. Raises "Unable to write to
// %s" with the file name when the system refuses the write, or when the
// name (in the Windows folder for a plain name) is MAX_PATH or longer.
void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);

// Windows 95, 98 and Me keep a profile file in a cache of their own: this
// writes it out and drops it, so that the file on disk is the whole truth
// before it is read as text, and a later profile write reads the file anew.
void FlushProfileCache(const std::string& file);

// The text of one entry of a profile file, whole; nothing when the entry is
// absent, or when the name is too long for the system's profile code (as
// above), which is then not called.
std::optional<std::string> ReadIniString(const std::string& file, const std::string& section,
                                         const std::string& key);

}  // namespace platform
