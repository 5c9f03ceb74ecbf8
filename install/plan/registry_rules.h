#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "script/lines.h"

namespace install {

// The product key and the start-up keys, below HKEY_LOCAL_MACHINE.
inline constexpr char kProductKey[] = "SOFTWARE\\Tarnwick\\marrowgate";
inline constexpr char kRunServicesKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices";
inline constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
// Use counts of files that programs share: a REG_DWORD named by the file's path.
inline constexpr char kSharedDllsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

// One ":reg" or ":reg1" entry as written, except that the value name "**"
// is already the default value's empty name.
struct RegEntry {
  std::string root, path, valueName, data;
};

// The seven root-key names, in the order of their predefined handles:
// HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
// HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA.
constexpr std::size_t kRootKeyCount = 7;

// The position of a root-key name in that order, compared whole and
// case-sensitively; nothing for any other text.
std::optional<std::size_t> RootKeyIndex(const std::string& name);

// The four lines from `first` on; ListIndexError when the entry is cut short.
RegEntry ReadRegEntry(const script::Lines& list, std::size_t first);

// One config.cfg setting line, split at its first comma; a line without a
// comma is both the name and the text.
struct Setting {
  std::string name, text;
};
Setting SplitSetting(const std::string& line);

// Whether a loaded config.cfg is one of ours: a first line that is exactly
// the product name, and at least one setting after it.
bool IsProductSettings(const script::Lines& lines);

// Whether a ":delreg" line names a key below the root. Empty and "\" lines
// do not, nor any line whose path would still begin with a backslash once its
// leading one is dropped: the registry may take that for the root itself, and
// deleting it would wipe HKEY_CLASSES_ROOT.
bool NamesSubkey(const std::string& line);

}  // namespace install
