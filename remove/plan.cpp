#include "remove/plan.h"

namespace uninstall {

namespace {

void AddUnique(std::vector<std::string>& list, const std::string& item) {
  for (const std::string& known : list)
    if (SameText(known, item)) return;
  list.push_back(item);
}

Step PathStep(Action action, const std::string& path, const SafetyRules& rules) {
  Step step(action, path);
  step.keep = rules.PathRefusal(path);
  return step;
}

void AddFiles(const Record* record, const Journal* journal, const SafetyRules& rules, Plan& plan) {
  std::vector<std::string> paths;
  if (record)
    for (const std::string& path : record->files) AddUnique(paths, path);
  if (journal)
    for (const JournalFile& file : journal->files) AddUnique(paths, file.path);
  for (const std::string& path : paths) {
    Step step = PathStep(Action::File, path, rules);
    if (journal)
      for (const JournalFile& file : journal->files)
        if (SameText(file.path, path) && !file.created && step.keep.empty()) step.keep = "it was there before the install";
    step.shared = step.keep.empty() && !rules.InDestination(path);
    plan.steps.push_back(step);
  }
}

void AddValues(const Record* record, const Journal* journal, Plan& plan) {
  const auto add = [&](const RegValueRef& value) {
    Step step(Action::Value);
    step.value = value;
    step.keep = SafetyRules::ValueRefusal(value);
    plan.steps.push_back(step);
    return &plan.steps.back();
  };
  // The record lists the entries of the script, not whether they were
  // written; the journal says which were and what they held before.
  if (journal) {
    for (const EarlierValue& earlier : journal->values) {
      Step* step = add(earlier.value);
      step->earlierType = earlier.type;
      step->earlierData = earlier.data;
    }
    return;
  }
  for (const RegValueRef& value : record->values) add(value);
}

}  // namespace

std::vector<std::string> Plan::SharedFiles() const {
  std::vector<std::string> files;
  for (const Step& step : steps)
    if (step.shared) files.push_back(step.path);
  return files;
}

Plan MakePlan(const Record* record, const Journal* journal, const SafetyRules& rules) {
  Plan plan;
  plan.title = record ? record->title : journal->title;

  std::vector<std::string> shortcuts, groups;
  if (record) {
    for (const std::string& path : record->shortcuts) AddUnique(shortcuts, path);
    if (!record->groupFolder.empty()) AddUnique(groups, record->groupFolder);
  }
  if (journal) {
    for (const std::string& path : journal->shortcuts) AddUnique(shortcuts, path);
    for (const std::string& path : journal->groupFolders) AddUnique(groups, path);
  }
  for (const std::string& path : shortcuts) plan.steps.push_back(PathStep(Action::Shortcut, path, rules));
  for (const std::string& path : groups) plan.steps.push_back(PathStep(Action::GroupFolder, path, rules));

  AddFiles(record, journal, rules, plan);
  plan.steps.push_back(Step(Action::PruneFolders));
  AddValues(record, journal, plan);
  if (record)
    for (const RegKey& key : record->removeKeys) {
      Step step(Action::Key);
      step.key = key;
      step.keep = SafetyRules::KeyRefusal(key);
      plan.steps.push_back(step);
    }
  if (journal)
    for (const EarlierProfile& profile : journal->profiles) {
      Step step(Action::Profile, profile.file);
      step.section = profile.section;
      step.entry = profile.key;
      step.earlierEntry = profile.value;
      plan.steps.push_back(step);
    }
  plan.steps.push_back(Step(Action::StartupValues));
  plan.steps.push_back(Step(Action::RecordFiles));
  plan.steps.push_back(Step(Action::Destination, rules.Destination()));
  return plan;
}

}  // namespace uninstall
