#include "install/plan/entries.h"

namespace install {

namespace {

template <typename Entry, typename Make>
Entries<Entry> ReadGroups(const script::Lines& list, std::size_t size, Make make) {
  Entries<Entry> read;
  std::size_t first = 0;
  for (; first + size <= list.size(); first += size) read.entries.push_back(make(first));
  if (first < list.size()) read.cutShortAt = first;
  return read;
}

}  // namespace

Entries<RegEntry> ReadRegistryEntries(const script::Lines& list) {
  return ReadGroups<RegEntry>(list, 4, [&](std::size_t i) { return ReadRegEntry(list, i); });
}

Entries<ProfileEntry> ReadProfileEntries(const script::Lines& list) {
  return ReadGroups<ProfileEntry>(list, 4, [&](std::size_t i) {
    return ProfileEntry{list.at(i), list.at(i + 1), list.at(i + 2), list.at(i + 3)};
  });
}

Entries<ShortcutEntry> ReadShortcutEntries(const script::Lines& list) {
  return ReadGroups<ShortcutEntry>(list, 2, [&](std::size_t i) {
    return ShortcutEntry{list.at(i), list.at(i + 1), ReadCaption(list.at(i))};
  });
}

}  // namespace install
