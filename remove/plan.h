#pragma once
// What a removal will do, in the order it does it, made from the record, the
// journal or both before anything is touched.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "remove/journal.h"
#include "remove/record.h"
#include "remove/safety.h"

namespace uninstall {

enum class Action {
  Shortcut,        // path; a ".lnk" the shell wrote as ".pif" is found too
  GroupFolder,     // path, removed when empty
  File,            // path
  PruneFolders,    // the folders the file removals left empty
  Value,           // value: removed, or put back when `earlierType` is set
  Key,             // key with its subkeys
  Profile,         // path (file), section, entry: put back as it was
  StartupValues,   // Run and RunServices values that start a program in the destination
  RecordFiles,     // unin.ini and the journal
  Destination,     // the destination folder, when empty
};

struct Step {
  explicit Step(Action a, std::string p = "") : action(a), path(std::move(p)) {}
  Action action;
  std::string path;
  // Why the item stays, when it does: refused by the rules or there before the install.
  std::string keep;
  // A file outside the destination folder, which other programs may use.
  bool shared = false;
  RegValueRef value;
  std::optional<unsigned long> earlierType;
  std::string earlierData;
  RegKey key;
  std::string section, entry;
  std::optional<std::string> earlierEntry;
};

struct Plan {
  std::string title;
  std::vector<Step> steps;
  std::vector<std::string> SharedFiles() const;
};

// At least one of record and journal is given. With a journal, only what it
// says the install made is removed, and what it changed is put back.
Plan MakePlan(const Record* record, const Journal* journal, const SafetyRules& rules);

}  // namespace uninstall
