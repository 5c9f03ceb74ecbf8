#include "platform/profile.h"

#include <windows.h>

#include "platform/error.h"

namespace platform {

void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()))
    throw AppError::Format("Unable to write to %s", file);
}

}  // namespace platform
