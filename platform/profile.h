#pragma once
#include <string>

namespace platform {

// Writes one string into a profile (INI) file; a file name without a folder
// is the file of that name in the Windows folder. Raises "Unable to write to
// %s" with the file name when the system refuses the write, or when the
// name (in the Windows folder for a plain name) is MAX_PATH or longer.
void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);

}  // namespace platform
