#pragma once
// The script's grouped sections decoded once into typed entries, for the
// engine, setupkit and the fuzzer alike. A section whose last group is cut
// short keeps its complete groups and says where the short one begins: the
// install stops there, after the entries before it.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "install/plan/registry_rules.h"
#include "install/plan/shortcut_names.h"
#include "script/lines.h"

namespace install {

// One ":system.ini" entry.
struct ProfileEntry {
  std::string file, section, key, value;
};

// One ":exe" pair: a caption line and a program line.
struct ShortcutEntry {
  std::string captionLine, programLine;
  std::optional<Caption> caption;  // nothing when the caption line names no shortcut
};

template <typename Entry>
struct Entries {
  std::vector<Entry> entries;
  // The list index of an incomplete last group's first line.
  std::optional<std::size_t> cutShortAt;
};

// ":reg" and ":reg1": root, key path, value name ("**" for the default), data.
Entries<RegEntry> ReadRegistryEntries(const script::Lines& list);
// ":system.ini": file, section, key, value.
Entries<ProfileEntry> ReadProfileEntries(const script::Lines& list);
// ":exe": a last caption line without its program line is no entry; the
// install passes over it (cutShortAt tells where it is) and goes on.
Entries<ShortcutEntry> ReadShortcutEntries(const script::Lines& list);

}  // namespace install
