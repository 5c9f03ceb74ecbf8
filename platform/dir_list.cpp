#include "platform/dir_list.h"

#include <windows.h>

#include <algorithm>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/handle.h"
#include "platform/path_chars.h"

namespace platform {

std::vector<std::string> ListFolders(const std::string& folder) {
  if (!folder.empty() && !DirectoryExists(folder))
    throw AppError::Format("Cannot open folder %s", folder);
  std::string pattern = folder;
  if (!pattern.empty() && !EndsWithBackslash(pattern) && pattern.back() != ':') pattern += '\\';
  pattern += "*.*";

  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const FindHandle search(FindFirstFileA(pattern.c_str(), &found));
  if (search) {
    do {
      const std::string name = found.cFileName;
      const DWORD skip = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(found.dwFileAttributes & skip) &&
          name != "." && name != "..")
        names.push_back(name);
    } while (FindNextFileA(search.get(), &found));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  });
  // The folder itself and its parent always head the list, also at a drive's root.
  std::vector<std::string> entries{"[.]", "[..]"};
  for (const auto& name : names) entries.push_back("[" + name + "]");
  return entries;
}

}  // namespace platform
