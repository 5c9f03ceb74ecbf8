#pragma once
// The install journal (install/journal_format.h) read back: for each thing
// the install touched, how it was before the first install that touched it.
#include <optional>
#include <string>
#include <vector>

#include "remove/record.h"

namespace uninstall {

struct JournalFile {
  std::string path;
  bool created;  // false: it existed before the install
};

// The data a registry value or profile entry held before; nothing when absent.
struct EarlierValue {
  RegValueRef value;
  std::optional<unsigned long> type;
  std::string data;
};
struct EarlierProfile {
  std::string file, section, key;
  std::optional<std::string> value;
};

struct Journal {
  std::string title, destination;  // of the first pass
  std::vector<JournalFile> files;
  std::vector<std::string> shortcuts, groupFolders;
  std::vector<EarlierValue> values;
  std::vector<EarlierProfile> profiles;
};

// Reads the journal's text. A last line cut short by a crash is passed over;
// any other line that cannot be read throws RecordError naming it.
Journal ParseJournal(const std::string& text);

}  // namespace uninstall
