#include "install/profile_entries.h"

#include "platform/profile.h"

namespace install {

void WriteProfileEntries(const script::Lines& systemini, Journal& journal) {
  for (std::size_t s = 0; s < systemini.size(); s += 4) {
    const std::string& value = systemini.at(s + 3);
    const std::string& key = systemini.at(s + 2);
    const std::string& section = systemini.at(s + 1);
    const std::string& file = systemini.at(s);
    journal.Profile(file, section, key);
    journal.Note("profile entry: " + file + " [" + section + "] " + key);
    platform::WriteIniString(file, section, key, value);
    journal.ProfileSet(file, section, key);
  }
}

}  // namespace install
