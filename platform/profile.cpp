#include "platform/profile.h"

#include <windows.h>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/path_chars.h"

namespace platform {

void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  // The profile code of the system keeps file names in fixed buffers of
  // MAX_PATH characters; a longer one overflows them.
  const bool plainName = LastDelimiter(file, "\\:") == std::string::npos;
  const std::size_t fullLength = plainName ? WindowsFolder().size() + 1 + file.size() : file.size();
  if (fullLength >= MAX_PATH || !WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()))
    throw AppError::Format("Unable to write to %s", file);
}

}  // namespace platform
