#include "remove/executor.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <set>

#include "install/plan/journal_format.h"
#include "install/apply/journal_seal.h"
#include "install/plan/paths.h"
#include "install/plan/registry_rules.h"
#include "install/apply/restart_moves.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/handle.h"
#include "platform/path_chars.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/text_file.h"
#include "remove/shared_places.h"

namespace uninstall {

namespace registry = platform::registry;

namespace {

std::string ValueText(const RegValueRef& v) {
  return v.key.root + "\\" + v.key.path + "\\" + (v.name.empty() ? "(default)" : v.name);
}

class Remover {
 public:
  Remover(const Plan& plan, const SafetyRules& rules, bool removeShared, RemovalView& view)
      : plan_(plan), rules_(rules), removeShared_(removeShared), view_(view), places_(plan.title, rules) {}

  std::vector<Outcome> Run() {
    for (std::size_t i = 0; i < plan_.steps.size(); ++i) {
      const Step& step = plan_.steps[i];
      position_ = static_cast<int>(i * 100 / plan_.steps.size());
      if (!step.keep.empty())
        Report({Result::Kept, ItemOf(step), step.keep});
      else if (step.shared && !removeShared_)
        Report({Result::Kept, step.path, "it may be used by other programs"});
      else if (!step.path.empty() && BehindLink(step.path))
        Report({Result::Kept, step.path, "it lies behind a link"});
      else
        Do(step);
    }
    view_.Progress("", 100);
    return outcomes_;
  }

 private:
  static std::string ItemOf(const Step& step) {
    if (step.action == Action::Value) return ValueText(step.value);
    if (step.action == Action::Key) return step.key.root + "\\" + step.key.path;
    if (step.action == Action::Profile) return ProfileItem(step);
    return step.path;
  }

  static std::string ProfileItem(const Step& step) {
    return step.path + " [" + step.section + "] " + step.entry;
  }

  void Report(const Outcome& outcome) {
    outcomes_.push_back(outcome);
    view_.Report(outcome);
  }
  void Show(const std::string& item) { view_.Progress("Removing: " + item, position_); }

  void Do(const Step& step) {
    switch (step.action) {
      case Action::Shortcut: return RemoveShortcut(step.path);
      case Action::GroupFolder: return RemoveFolder(step.path, true);
      case Action::File: return step.useCountsAdded ? ReleaseSharedFile(step) : RemoveFile(step.path, true);
      case Action::PruneFolders: return PruneFolders();
      case Action::Value:
        if (!step.passes.empty()) return SettleValue(step);
        if (step.earlierType) return RestoreValue(step.value, {*step.earlierType, step.earlierData});
        return step.startup ? RemoveStartupValue(step.value) : RemoveValue(step.value);
      case Action::Key: return RemoveKey(step.key);
      case Action::Profile:
        if (!step.passes.empty()) return SettleProfile(step);
        return RestoreProfile(step, step.earlierEntry);
      case Action::StartupValues: return RemoveStartupValues();
      case Action::RecordFiles:
        RemoveFile(install::InFolder(rules_.Destination(), install::kRecordName), false);
        return SettleJournal();
      case Action::Destination: return RemoveDestination();
      case Action::MadeFolder:
        // One the pruning took is not told of twice.
        if (platform::DirectoryExists(step.path)) RemoveFolder(step.path, true);
        return;
    }
  }

  // A junction or a symbolic link is never gone through: the removal would
  // reach into the place it points at, or walk in a circle.
  bool IsLink(const std::string& path) {
    const auto known = links_.find(path);
    if (known != links_.end()) return known->second;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool link = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    links_.emplace(path, link);
    return link;
  }

  // Whether a folder between the item and the folder it belongs to (the
  // destination or a Programs folder) is a link.
  bool BehindLink(const std::string& path) {
    const std::string top = rules_.ScopeFolder(path);
    if (top.empty()) return false;
    for (std::string folder = Parent(path); rules_.Inside(folder, top); folder = Parent(folder))
      if (IsLink(folder)) return true;
    return false;
  }

  static std::string Parent(const std::string& path) {
    return platform::WithoutTrailingBackslash(install::ExtractFilePath(path));
  }

  void RemoveShortcut(const std::string& path) {
    std::string file = path;
    // The shell writes some shortcuts as ".pif" where the record says ".lnk".
    if (!platform::FileExists(file) && file.size() > 4) {
      const std::string other = file.substr(0, file.size() - 4) + ".pif";
      if (platform::FileExists(other)) file = other;
    }
    RemoveFile(file, false);
  }

  // The delete is tried first: a plain file then costs the system one call.
  void RemoveFile(const std::string& path, bool pruneLater) {
    Show(path);
    if (!DeleteFileA(path.c_str())) {
      const DWORD error = GetLastError();
      const DWORD attributes = GetFileAttributesA(path.c_str());
      if (attributes == INVALID_FILE_ATTRIBUTES) return Report({Result::Gone, path, ""});
      if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Report({Result::Kept, path, "a folder, not a file"});
      if (!(attributes & FILE_ATTRIBUTE_READONLY) || !SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) ||
          !DeleteFileA(path.c_str()))
        return NotDeleted(path, attributes, attributes & FILE_ATTRIBUTE_READONLY ? GetLastError() : error);
    }
    if (pruneLater) emptied_.push_back(install::ExtractFilePath(path));
    Report({Result::Removed, path, ""});
  }

  void NotDeleted(const std::string& path, DWORD attributes, DWORD error) {
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION) {
      if (install::MoveAtRestart(path, "")) return Report({Result::Scheduled, path, ""});
    }
    SetFileAttributesA(path.c_str(), attributes);
    Report({Result::Failed, path, platform::SystemErrorText(error)});
  }

  void RemoveFolder(const std::string& path, bool report) {
    Show(path);
    if (!platform::DirectoryExists(path)) {
      if (report) Report({Result::Gone, path, ""});
      return;
    }
    if (RemoveDirectoryA(path.c_str()))
      Report({Result::Removed, path, ""});
    else if (report)
      Report({Result::Kept, path, "the folder is not empty"});
  }

  // From each removed file's folder upwards, while the folder is empty and
  // below the destination folder; deepest first.
  void PruneFolders() {
    std::vector<std::string> folders;
    for (std::string folder : emptied_) {
      while (!folder.empty() && folder.back() == '\\') folder.pop_back();
      while (rules_.MayPruneFolder(folder) && !IsLink(folder)) {
        folders.push_back(folder);
        folder = install::ExtractFilePath(folder);
        if (!folder.empty()) folder.pop_back();
      }
    }
    // Longest first, equal paths side by side for unique().
    std::sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) {
      return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    for (const std::string& folder : folders)
      if (platform::DirectoryExists(folder) && RemoveDirectoryA(folder.c_str())) Report({Result::Removed, folder, ""});
  }

  // A key left without values and subkeys goes, and so do its parents while
  // they are empty, as far as the rules allow.
  static void PruneKey(HKEY root, RegKey key) {
    while (SafetyRules::KeyRefusal(key).empty() && registry::DeleteIfEmpty(root, key.path)) {
      const std::size_t cut = key.path.find_last_of('\\');
      if (cut == std::string::npos) return;
      key.path.resize(cut);
    }
  }

  void RemoveValue(const RegValueRef& value) {
    const std::string item = ValueText(value);
    Show(item);
    const HKEY root = registry::RootKey(*install::RootKeyIndex(value.key.root));
    if (!registry::DeleteValue(root, value.key.path, value.name)) return Report({Result::Gone, item, ""});
    Report({Result::Removed, item, ""});
    PruneKey(root, value.key);
  }

  // The product's passes give back what they added to the file's use count;
  // the file goes with its last user. A count gone back to where it was
  // before the first pass goes too: the file had a user then, or none.
  void ReleaseSharedFile(const Step& step) {
    const std::optional<DWORD> count = registry::ReadDword(HKEY_LOCAL_MACHINE, install::kSharedDllsKey, step.path);
    if (!count) return Report({Result::Kept, step.path, "it may be used by other programs"});
    const long left = static_cast<long>(*count) - static_cast<long>(step.useCountsAdded);
    const long before = step.useCountBefore ? static_cast<long>(*step.useCountBefore) : step.existedBefore ? 1 : 0;
    if (left <= 0) {
      registry::DeleteValue(HKEY_LOCAL_MACHINE, install::kSharedDllsKey, step.path);
      return RemoveFile(step.path, true);
    }
    if (!step.useCountBefore && left == before) {
      registry::DeleteValue(HKEY_LOCAL_MACHINE, install::kSharedDllsKey, step.path);
      return Report({Result::Kept, step.path, "it was there before the install"});
    }
    registry::WriteDword(HKEY_LOCAL_MACHINE, install::kSharedDllsKey, step.path, static_cast<DWORD>(left));
    Report({Result::Kept, step.path, "other programs use it (use count " + std::to_string(left) + ")"});
  }

  // A start-up value goes only while it starts a program of this product.
  void RemoveStartupValue(const RegValueRef& value) {
    const HKEY root = registry::RootKey(*install::RootKeyIndex(value.key.root));
    const auto data = registry::ReadValue(root, value.key.path, value.name);
    if (data && (data->type == REG_SZ || data->type == REG_EXPAND_SZ) && !rules_.CommandInDestination(data->data.c_str()))
      return Report({Result::Kept, ValueText(value), "it starts a program outside " + rules_.Destination()});
    RemoveValue(value);
  }

  void RestoreValue(const RegValueRef& value, const TypedData& earlier) {
    const std::string item = ValueText(value);
    Show(item);
    const HKEY root = registry::RootKey(*install::RootKeyIndex(value.key.root));
    if (registry::WriteValue(root, value.key.path, value.name, {earlier.type, earlier.bytes}))
      Report({Result::Restored, item, ""});
    else
      Report({Result::Failed, item, "its earlier data cannot be set"});
  }

  void RemoveKey(const RegKey& key) {
    const std::string item = key.root + "\\" + key.path;
    Show(item);
    const HKEY root = registry::RootKey(*install::RootKeyIndex(key.root));
    if (!registry::DeleteTree(root, key.path)) return Report({Result::Gone, item, ""});
    Report({Result::Removed, item, ""});
    const std::size_t cut = key.path.find_last_of('\\');
    if (cut != std::string::npos) PruneKey(root, {key.root, key.path.substr(0, cut)});
  }

  // A value that several products or the user may have written: the earlier
  // data goes back only while the value holds what this product wrote.
  void SettleValue(const Step& step) {
    const HKEY root = registry::RootKey(*install::RootKeyIndex(step.value.key.root));
    const auto now = registry::ReadValue(root, step.value.key.path, step.value.name);
    const PutBack decision = places_.Decide(step, now ? Held(ValueForm(now->type, now->data)) : std::nullopt);
    if (!decision.ours) return Report({Result::Kept, ValueText(step.value), kChangedSince});
    if (!decision.data) return RemoveValue(step.value);
    const auto earlier = ValueOfForm(*decision.data);
    if (!earlier) return Report({Result::Failed, ValueText(step.value), "its earlier data cannot be set"});
    RestoreValue(step.value, *earlier);
  }

  void SettleProfile(const Step& step) {
    const PutBack decision = places_.Decide(step, platform::ReadIniString(step.path, step.section, step.entry));
    if (!decision.ours) return Report({Result::Kept, ProfileItem(step), kChangedSince});
    RestoreProfile(step, decision.data);
  }

  void RestoreProfile(const Step& step, const std::optional<std::string>& earlier) {
    const std::string item = ProfileItem(step);
    Show(item);
    // A name without a folder is a file in the Windows folder. An entry that
    // was not there before has nothing to undo where the file never came to be.
    const bool bare = step.path.find_first_of("\\:") == std::string::npos;
    const std::string file = bare ? install::InFolder(platform::WindowsFolder(), step.path) : step.path;
    if (!earlier && !platform::FileExists(file)) return Report({Result::Gone, item, ""});
    const char* value = earlier ? earlier->c_str() : nullptr;
    if (WritePrivateProfileStringA(step.section.c_str(), step.entry.c_str(), value, step.path.c_str()))
      Report({earlier ? Result::Restored : Result::Removed, item, ""});
    else
      Report({Result::Failed, item, platform::SystemErrorText(GetLastError())});
  }

  // Start-up values that start a program in the destination folder, except
  // those the journal has put back to what they were.
  void RemoveStartupValues() {
    for (const char* path : {install::kRunKey, install::kRunServicesKey}) {
      for (const std::string& name : registry::ValueNames(HKEY_LOCAL_MACHINE, path)) {
        const RegValueRef value{{"HKEY_LOCAL_MACHINE", path}, name};
        if (Restored(value)) continue;
        const auto data = registry::ReadValue(HKEY_LOCAL_MACHINE, path, name);
        if (!data || (data->type != REG_SZ && data->type != REG_EXPAND_SZ)) continue;
        if (rules_.CommandInDestination(data->data.c_str())) RemoveValue(value);
      }
    }
  }

  bool Restored(const RegValueRef& value) const {
    for (const Outcome& outcome : outcomes_)
      if (outcome.result == Result::Restored && SameText(outcome.item, ValueText(value)))
        return true;
    return false;
  }

  // The journal goes with its product; another product's part of it stays,
  // with its digest where the journal was trusted.
  void SettleJournal() {
    if (!plan_.journalRest) return;
    const std::string& folder = rules_.Destination();
    const std::string path = install::InFolder(folder, install::kJournalName);
    if (plan_.journalRest->empty()) {
      RemoveFile(path, false);
      if (!platform::FileExists(path)) install::ForgetJournalDigest(folder);
      return;
    }
    try {
      platform::WriteTextFile(path, *plan_.journalRest);
      if (plan_.journalTrusted) install::StoreJournalDigest(folder, *plan_.journalRest);
      Report({Result::Kept, path, "it holds the journal of " + OtherProducts()});
    } catch (const std::exception& error) {
      Report({Result::Failed, path, error.what()});
    }
  }

  std::string OtherProducts() const {
    std::string names;
    for (const std::string& title : plan_.otherProducts) names += (names.empty() ? "" : ", ") + title;
    return names;
  }

  // What is left in the destination folder was not made by the install.
  void RemoveDestination() {
    const std::string& folder = rules_.Destination();
    Show(folder);
    if (!platform::DirectoryExists(folder)) return;
    if (RemoveDirectoryA(folder.c_str())) return Report({Result::Removed, folder, ""});
    for (const Outcome& outcome : outcomes_)
      if (Left(outcome)) known_.insert(rules_.Canonical(outcome.item));
    others_.insert(plan_.otherFiles.begin(), plan_.otherFiles.end());
    ReportLeftFiles(folder);
    Report({Result::Kept, folder,
            plan_.otherProducts.empty() ? "the folder is not empty" : "it holds the files of " + OtherProducts()});
  }

  void ReportLeftFiles(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const platform::FindHandle search(FindFirstFileA(install::InFolder(folder, "*").c_str(), &found));
    if (!search) return;
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = install::InFolder(folder, name);
      const std::string form = rules_.Canonical(path);
      if (known_.count(form) || others_.count(form)) continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        Report({Result::Kept, path, "a link, not followed"});
      else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        ReportLeftFiles(path);
      else
        Report({Result::Kept, path, "not installed by " + plan_.title});
    } while (FindNextFileA(search.get(), &found));
  }

  const Plan& plan_;
  const SafetyRules& rules_;
  const bool removeShared_;
  RemovalView& view_;
  SharedPlaces places_;
  int position_ = 0;
  std::vector<std::string> emptied_;
  std::vector<Outcome> outcomes_;
  std::map<std::string, bool> links_;
  std::set<std::string> known_, others_;  // canonical paths already told of, and other products' files
};

}  // namespace

std::vector<Outcome> Execute(const Plan& plan, const SafetyRules& rules, bool removeShared, RemovalView& view) {
  return Remover(plan, rules, removeShared, view).Run();
}

}  // namespace uninstall
