#include "remove/plan.h"

#include <algorithm>
#include <map>
#include <set>

#include "platform/path_chars.h"

namespace uninstall {

namespace {

// Keeps the first of each thing, by a key that every spelling of it shares.
class FirstOnly {
 public:
  bool Take(const std::string& key) { return seen_.insert(key).second; }

 private:
  std::set<std::string> seen_;
};

class Planner {
 public:
  Planner(const PlanInputs& in, const SafetyRules& rules) : in_(in), rules_(rules) {}

  Plan Make() {
    const Record* record = in_.record;
    if (in_.journal) {
      const std::vector<std::string>& titles = in_.journal->Titles();
      plan_.title = record ? record->title : titles.empty() ? "" : titles.back();
      journal_ = in_.journal->For(plan_.title);
      if (journal_ && in_.journalTrusted) places_ = PassesByPlace(*journal_);
      plan_.journalRest = in_.journal->Without(plan_.title);
      plan_.journalTrusted = in_.journalTrusted;
      plan_.notes = in_.journal->Notes();
      for (const std::string& title : titles) {
        if (title == plan_.title) continue;
        plan_.otherProducts.push_back(title);
        const std::optional<Journal> other = in_.journal->For(title);
        for (const JournalFile& file : other->files) plan_.otherFiles.push_back(Key(file.path));
      }
    } else {
      plan_.title = record->title;
    }
    if (journal_ && !in_.journalTrusted) plan_.notes.push_back(kJournalNotTrusted);
    // With its journal, what the product's passes did is known; the record
    // adds only the keys its script asks to delete.
    const Journal* journal = journal_ ? &*journal_ : nullptr;
    AddPaths(Action::Shortcut, journal ? journal->shortcuts : record->shortcuts);
    std::vector<std::string> groups;
    if (journal)
      groups = journal->groupFolders;
    else if (!record->groupFolder.empty())
      groups.push_back(record->groupFolder);
    AddPaths(Action::GroupFolder, groups);
    if (journal)
      AddJournalFiles(*journal);
    else
      AddRecordFiles(*record);
    plan_.steps.push_back(Step(Action::PruneFolders));
    if (journal) AddMadeFolders(*journal, true);
    if (journal)
      for (const EarlierValue& earlier : journal->values) AddValue(earlier.value, &earlier);
    else
      for (const RegValueRef& value : record->values) AddValue(value, nullptr);
    if (record)
      for (const RegKey& key : record->removeKeys) AddKey(key, journal);
    if (journal) AddProfiles(*journal);
    // Without a journal, start-up values are known only by their command.
    if (!journal) plan_.steps.push_back(Step(Action::StartupValues));
    plan_.steps.push_back(Step(Action::RecordFiles));
    plan_.steps.push_back(Step(Action::Destination, rules_.Destination()));
    if (journal) AddMadeFolders(*journal, false);
    return std::move(plan_);
  }

 private:
  void AddPaths(Action action, const std::vector<std::string>& paths) {
    FirstOnly first;
    for (const std::string& path : paths) {
      if (!first.Take(Key(path))) continue;
      Step step(action, platform::PlainSpelling(path));
      step.keep = action == Action::Shortcut ? rules_.ShortcutRefusal(path) : rules_.GroupRefusal(path);
      plan_.steps.push_back(step);
    }
  }

  // The folders the installs made, below the destination or above it,
  // deepest first; the destination itself has a step of its own.
  void AddMadeFolders(const Journal& journal, bool below) {
    std::vector<Step> steps;
    FirstOnly first;
    for (const std::string& folder : journal.foldersMade) {
      if (rules_.SameFolder(folder, rules_.Destination()) || rules_.InDestination(folder) != below ||
          !first.Take(Key(folder)))
        continue;
      Step step(Action::MadeFolder, platform::PlainSpelling(folder));
      step.keep = rules_.MadeFolderRefusal(folder);
      steps.push_back(step);
    }
    // Longer first; std::sort, as a stable sort needs the nothrow allocator
    // that the 32-bit programs' runtime does not have.
    std::sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) {
      return a.path.size() != b.path.size() ? a.path.size() > b.path.size() : a.path < b.path;
    });
    plan_.steps.insert(plan_.steps.end(), steps.begin(), steps.end());
  }

  void AddFile(const std::string& path, bool existed) {
    Step step(Action::File, platform::PlainSpelling(path));
    step.keep = rules_.PathRefusal(path);
    if (step.keep.empty() && existed) step.keep = "it was there before the install";
    step.shared = step.keep.empty() && !rules_.InDestination(path);
    plan_.steps.push_back(step);
  }

  // A shared file the install counted goes by its count, not by a question.
  void AddCountedFile(const std::string& path, bool existed, const std::vector<const EarlierCount*>& counts) {
    Step step(Action::File, platform::PlainSpelling(path));
    step.keep = rules_.PathRefusal(path);
    if (step.keep.empty() && !in_.journalTrusted)
      step.keep = "the journal was changed after the install; its use count is left as it is";
    step.useCountsAdded = static_cast<unsigned long>(counts.size());
    step.useCountBefore = counts.front()->count;
    step.existedBefore = existed;
    plan_.steps.push_back(step);
  }

  void AddRecordFiles(const Record& record) {
    FirstOnly first;
    for (const std::string& path : record.files)
      if (first.Take(Key(path))) AddFile(path, false);
  }

  // The first line about a file tells how it was; a copy that failed tells
  // nothing, as the file is not the install's.
  void AddJournalFiles(const Journal& journal) {
    std::map<std::string, std::vector<const EarlierCount*>> counts;
    for (const EarlierCount& count : journal.counts) counts[Key(count.path)].push_back(&count);
    FirstOnly first;
    for (const JournalFile& file : journal.files) {
      if (file.state == FileState::Failed || !first.Take(Key(file.path))) continue;
      const auto counted = counts.find(Key(file.path));
      if (counted != counts.end() && !rules_.InDestination(file.path))
        AddCountedFile(file.path, file.state == FileState::Existed, counted->second);
      else
        AddFile(file.path, file.state == FileState::Existed);
    }
  }

  // A path that is not full has no canonical form: it is kept apart as written.
  std::string Key(const std::string& path) const {
    const std::string form = rules_.Canonical(path);
    return form.empty() ? "?" + path : form;
  }

  void AddValue(const RegValueRef& value, const EarlierValue* earlier) {
    const std::string place = PlaceOfValue(value);
    if (!values_.Take(place)) return;
    Step step(Action::Value);
    step.value = value;
    SetPasses(step, place);
    step.keep = SafetyRules::ValueRefusal(value);
    step.startup = SafetyRules::IsStartupKey(value.key);
    if (earlier && earlier->type) {
      if (step.keep.empty() && !in_.journalTrusted) step.keep = kJournalChanged;
      step.earlierType = earlier->type;
      step.earlierData = earlier->data;
      putBack_.push_back(SafetyRules::CanonicalKey(value.key));
    }
    plan_.steps.push_back(step);
  }

  // A key that held data the install changed holds the user's too: it stays,
  // and the install's values in it go one by one.
  void AddKey(const RegKey& key, const Journal* journal) {
    Step step(Action::Key);
    step.key = key;
    step.keep = SafetyRules::KeyRefusal(key);
    const RegKey form = SafetyRules::CanonicalKey(key);
    if (step.keep.empty() && journal)
      for (const RegKey& held : putBack_)
        if (held.root == form.root && (held.path == form.path || held.path.rfind(form.path + "\\", 0) == 0))
          step.keep = "it held data before the install";
    plan_.steps.push_back(step);
  }

  void AddProfiles(const Journal& journal) {
    FirstOnly first;
    for (const EarlierProfile& profile : journal.profiles) {
      const std::string place = PlaceOfProfile(profile.file, profile.section, profile.key);
      if (!first.Take(place)) continue;
      Step step(Action::Profile, profile.file);
      SetPasses(step, place);
      step.section = profile.section;
      step.entry = profile.key;
      step.earlierEntry = profile.value;
      step.keep = SafetyRules::ProfileRefusal(profile.file, profile.section);
      if (step.keep.empty() && profile.value && !in_.journalTrusted) step.keep = kJournalChanged;
      plan_.steps.push_back(step);
    }
  }

  void SetPasses(Step& step, const std::string& place) const {
    // A journal of an earlier build does not say what was written: what the
    // first pass found goes back as before, whatever the place holds.
    const auto passes = places_.find(place);
    if (passes == places_.end() ||
        std::any_of(passes->second.begin(), passes->second.end(), [](const PlacePass& pass) { return !pass.written; }))
      return;
    step.passes = passes->second;
    step.place = place;
  }

  const PlanInputs& in_;
  const SafetyRules& rules_;
  Plan plan_;
  std::map<std::string, std::vector<PlacePass>> places_;  // of a trusted journal
  std::optional<Journal> journal_;
  FirstOnly values_;
  std::vector<RegKey> putBack_;
};

}  // namespace

std::vector<std::string> Plan::SharedFiles() const {
  std::vector<std::string> files;
  for (const Step& step : steps)
    if (step.shared) files.push_back(step.path);
  return files;
}

Plan MakePlan(const PlanInputs& inputs, const SafetyRules& rules) { return Planner(inputs, rules).Make(); }

}  // namespace uninstall
