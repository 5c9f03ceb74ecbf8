#include "platform/profile.h"

#include <windows.h>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/path_chars.h"

namespace platform {

namespace {

// The profile code of the system keeps file names in fixed buffers of
// MAX_PATH characters; a longer one overflows them.
bool FitsProfileCode(const std::string& file) {
  const bool plainName = LastDelimiter(file, "\\:") == std::string::npos;
  const std::size_t fullLength = plainName ? WindowsFolder().size() + 1 + file.size() : file.size();
  return fullLength < MAX_PATH;
}

// The entry's text, or `absent` when there is none; as long as it is.
std::string ReadEntry(const std::string& file, const std::string& section, const std::string& key,
                      const char* absent) {
  std::string buffer(256, '\0');
  for (;;) {
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), absent, buffer.data(),
                                             static_cast<DWORD>(buffer.size()), file.c_str());
    if (n + 1 < buffer.size() || buffer.size() >= 65536) return buffer.substr(0, n);
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace

void FlushProfileCache(const std::string& file) {
  if (FitsProfileCode(file)) WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
}

void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  if (!FitsProfileCode(file) || !WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()))
    throw AppError::Format("Unable to write to %s", file);
  // The install later rewrites whole files as text (the path file): none of
  // them may find this write still in the cache.
  FlushProfileCache(file);
}

std::optional<std::string> ReadIniString(const std::string& file, const std::string& section,
                                         const std::string& key) {
  if (!FitsProfileCode(file)) return std::nullopt;
  // Two different defaults tell an absent entry from one that holds either.
  const std::string first = ReadEntry(file, section, key, "\x01");
  if (first == "\x01" && ReadEntry(file, section, key, "\x02") == "\x02") return std::nullopt;
  return first;
}

}  // namespace platform
