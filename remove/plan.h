#pragma once
// What a removal will do, in the order it does it, made from the record, the
// journal or both before anything is touched.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "remove/journal.h"
#include "remove/put_back.h"
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
  RecordFiles,     // unin.ini, and this product's part of the journal
  Destination,     // the destination folder, when empty
  MadeFolder,      // path: a folder the install made, removed when empty
};

struct Step {
  explicit Step(Action a, std::string p = "") : action(a), path(std::move(p)) {}
  Action action;
  std::string path;
  // Why the item stays, when it does: refused by the rules or there before the install.
  std::string keep;
  // A file outside the destination folder, which other programs may use.
  bool shared = false;
  // A shared file with a use count: the passes that added one to it, and
  // the count before the first of them (nothing: it had none).
  unsigned long useCountsAdded = 0;
  std::optional<unsigned long> useCountBefore;
  bool existedBefore = false;
  RegValueRef value;
  // A start-up value: removed only while it starts a program in the destination.
  bool startup = false;
  std::optional<unsigned long> earlierType;
  std::string earlierData;
  // A value or profile entry of a trusted journal: the product's passes
  // there, and the place's name, for putting back only what is still ours.
  std::vector<PlacePass> passes;
  std::string place;
  RegKey key;
  std::string section, entry;
  std::optional<std::string> earlierEntry;
};

struct Plan {
  std::string title;
  std::vector<Step> steps;
  // The journal's text without this product, written back in its place ("":
  // the journal goes); nothing when there is no journal.
  std::optional<std::string> journalRest;
  bool journalTrusted = false;
  // Other products installed into the same folder, and their files (in the
  // rules' canonical form), which stay.
  std::vector<std::string> otherProducts;
  std::vector<std::string> otherFiles;
  // What the removal must tell besides the outcomes: lines of the journal
  // passed over, a journal not as the install left it.
  std::vector<std::string> notes;
  std::vector<std::string> SharedFiles() const;
};

// What the removal reads: at least one of the record and the journal.
struct PlanInputs {
  const Record* record = nullptr;
  const JournalText* journal = nullptr;
  // Whether the journal is as the last install left it. When not, nothing
  // is put back: only what the rules allow is removed.
  bool journalTrusted = false;
};

// The product is the record's, or without one the journal's last. With a
// journal, only what it says the install made is removed, and what it
// changed is put back.
Plan MakePlan(const PlanInputs& inputs, const SafetyRules& rules);

inline constexpr char kJournalNotTrusted[] =
    "The install journal is not as the last install left it: nothing was put back from it.";
// The reason given for a value or entry that holds what someone else wrote
// after the install.
inline constexpr char kChangedSince[] = "it was changed after the install";
// The reason given for an earlier value or entry not put back.
inline constexpr char kJournalChanged[] = "the journal was changed after the install; its earlier data is not put back";

}  // namespace uninstall
