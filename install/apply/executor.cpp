#include "install/apply/executor.h"

#include <windows.h>

#include <optional>
#include <type_traits>

#include "install/apply/copy_files.h"
#include "install/plan/data_codes.h"
#include "install/plan/path_file_lines.h"
#include "install/plan/paths.h"
#include "install/apply/registry_ops.h"
#include "install/plan/registry_rules.h"
#include "install/apply/short_path.h"
#include "install/apply/shortcuts.h"
#include "install/apply/remove_driver_lines.h"
#include "install/apply/save_record.h"
#include "platform/com_scope.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "script/unscramble.h"

namespace install {

namespace {

// The reader shows lines one under another, without a break after the last.
std::string MemoText(const script::Lines& lines) {
  std::string text = script::JoinLines(lines);
  if (!text.empty()) text.resize(text.size() - 2);
  return text;
}

// Changes a file's attributes for the life of the object and puts the ones it
// had back on every path. Attributes that cannot be read are not changed, so
// they cannot be lost.
class AttributesChanged {
 public:
  AttributesChanged(const char* file, DWORD attributes) : file_(file), earlier_(GetFileAttributesA(file)) {
    if (earlier_ != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(file_, attributes);
  }
  ~AttributesChanged() {
    if (earlier_ != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(file_, earlier_);
  }
  AttributesChanged(const AttributesChanged&) = delete;
  AttributesChanged& operator=(const AttributesChanged&) = delete;

 private:
  const char* file_;
  DWORD earlier_;
};

class Executor {
 public:
  Executor(const InstallPlan& plan, FrontEnd& frontEnd, shell::ShellLink& link)
      : plan_(plan), frontEnd_(frontEnd), link_(link), record_(plan.record) {}

  InstallOutcome Run() {
    if (!CarryOutPart(Part::Before, plan_.before)) return outcome_;
    frontEnd_.ShowPass([this] {
      {
        Journal journal(DestinationOf(plan_), plan_.title);
        journal.SetNotes(&frontEnd_);
        journal_ = &journal;
        CarryOutPart(Part::Pass, plan_.pass, false);
        outcome_.failedCopies = tally_.failed;
        outcome_.valuesNotWritten = journal.ValuesNotWritten();
        journal_ = nullptr;
      }
      // Shown once the journal is closed and sealed: it tells what was done
      // while the user looks at the error.
      ShowStop();
      return outcome_.ending;
    });
    if (outcome_.EndsProgram()) return outcome_;
    if (outcome_.ending == Ending::StoppedInPass && !frontEnd_.FinishesAfterError()) return outcome_;
    CarryOutPart(Part::After, plan_.after);
    return outcome_;
  }

  static std::string DestinationOf(const InstallPlan& plan) {
    for (const Step& step : plan.pass)
      if (const auto* folder = std::get_if<step::DestinationFolder>(&step)) return folder->path;
    return "";
  }

  enum class Part { Before, Pass, After };
  // Carries out one part; false when it ended the install. An error, the
  // plan's or the machine's, ends the part where it arises; `showStop`:
  // show it at once.
  bool CarryOutPart(Part part, const std::vector<Step>& steps, bool showStop = true) {
    part_ = part;
    stopped_ = false;
    for (const Step& step : steps) {
      if (ended_) {
        // After Decline or No to a disk too small, only the clean-up.
        if (const auto* licence = std::get_if<step::DeleteLicenceCopy>(&step)) Do(*licence);
        continue;
      }
      try {
        std::visit([this](const auto& s) { Do(s); }, step);
      } catch (const std::exception& error) {
        Stop(error.what());
      }
      if (stopped_) {
        if (showStop) ShowStop();
        return false;
      }
    }
    return !ended_;
  }

  void ShowStop() {
    if (stopped_) frontEnd_.ShowError(outcome_.error);
  }

  void End(Ending ending) {
    outcome_.ending = ending;
    ended_ = true;
  }
  void Stop(const std::string& text) {
    outcome_.ending = part_ == Part::Before ? Ending::StoppedBefore
                      : part_ == Part::Pass ? Ending::StoppedInPass
                                            : Ending::StoppedAfterPass;
    outcome_.error = text;
    stopped_ = true;
  }

  // --- Before the pass ---
  void Do(const step::Backup& backup) {
    // The first backup ever taken survives later installs.
    if (platform::FileExists(backup.backup)) return;
    std::optional<AttributesChanged> archiveOnly;
    if (backup.hidden) archiveOnly.emplace(backup.file.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    // A failed copy is passed over.
    if (CopyFileA(backup.file.c_str(), backup.backup.c_str(), FALSE)) frontEnd_.Note("backup: " + backup.backup);
  }
  void Do(const step::RunningCheck& check) {
    if (!FindWindowA(nullptr, check.windowTitle.c_str())) return;
    frontEnd_.Refuse(Refusal::Running, "Please close " + check.windowTitle + " before re-installing.");
    End(Ending::Running);
  }
  void Do(const step::MissingChoice& missing) {
    frontEnd_.Refuse(Refusal::ChoiceMissing, missing.text);
    End(Ending::ChoiceMissing);
  }

  // --- The pass ---
  void Do(const step::DestinationFolder& folder) {
    destination_ = folder.path;
    journal_->FoldersMade(platform::ForceDirectories(folder.path));
  }
  void Do(const step::Licence& licence) {
    const bool hadCopy = platform::FileExists(licence.copy);
    script::Lines text = script::SplitLines(platform::ReadTextFile(licence.source));
    if (script::IsScrambled(text)) script::Unscramble(text);
    if (!frontEnd_.AcceptLicence(MemoText(text))) return End(Ending::Declined);
    platform::WriteTextFile(licence.copy, script::JoinLines(text));
    journal_->File(licence.copy, !hadCopy);
  }
  void Do(const step::SpaceCheck& check) {
    std::vector<const step::ListedFile*> copies;
    for (const Step& step : plan_.pass)
      if (const auto* copy = std::get_if<step::ListedFile>(&step)) copies.push_back(copy);
    // No to a disk too small ends the pass as Decline does, before any change.
    if (!EnoughSpace(copies, check.title, frontEnd_)) End(Ending::NoSpace);
  }
  void Do(const step::DriverLines& lines) { RemoveDriverLines(lines.systemIni); }
  void Do(const step::ListedFile& copy) { CopyListedFile(copy, frontEnd_, *journal_, tally_); }
  void Do(const step::GroupFolder& group) {
    platform::ForceDirectories(group.path);
    journal_->GroupFolder(group.path);
  }
  void Do(const step::ProfileWrite& write) {
    const ProfileEntry& e = write.entry;
    journal_->Profile(e.file, e.section, e.key);
    journal_->Note("profile entry: " + e.file + " [" + e.section + "] " + e.key);
    platform::WriteIniString(e.file, e.section, e.key, e.value);
    journal_->ProfileSet(e.file, e.section, e.key);
  }
  void Do(const step::Status& status) { frontEnd_.SetStatus(status.text); }
  void Do(const step::Shortcut& shortcut) {
    const std::optional<std::string> file = MakeShortcut(shortcut.pair, link_);
    if (!file) return;
    // The record names the file the shell wrote, ".pif" included.
    record_.at(shortcut.recordLine) = *file;
    journal_->Shortcut(*file);
  }
  void Do(const step::ExtraFile& extra) { CopyExtraFile(extra, *journal_); }
  void Do(const step::SaveRecord& save) {
    SaveUninstallRecord(record_, save.path);
    frontEnd_.Note("uninstall record: " + save.path);
  }
  void Do(const step::PathFile& file) {
    journal_->File(file.path, !platform::FileExists(file.path));
    script::Lines lines;
    FillPathFile(lines, file.iniLines, file.windows, file.destination, ShortPathOrLong);
    platform::WriteTextFile(file.path, script::JoinLines(lines));
  }
  void Do(const step::RegistryValue& value) {
    // The destination's short form exists now that the folder does; it is
    // asked for only where a value holds it.
    const bool holdsShortForm = value.data.find(kShortDestination) != std::string::npos;
    SetValue(value.root, value.key, value.name,
             holdsShortForm ? WithShortDestination(value.data, ShortPathOrLong(destination_)) : value.data);
  }
  void Do(const step::ImportSettings& settings) {
    // A missing config.cfg, or one that is not ours, is ignored without a word.
    if (!platform::FileExists(settings.path)) return;
    const script::Lines lines = script::SplitLines(platform::ReadTextFile(settings.path));
    if (!IsProductSettings(lines)) return;
    for (std::size_t i = 1; i < lines.size(); ++i) {
      const Setting setting = SplitSetting(lines.at(i));
      SetValue("HKEY_LOCAL_MACHINE", kProductKey, setting.name, setting.text);
    }
  }
  void Do(const step::DeleteClassesKey& key) { DeleteClassesKey(key.path); }
  void Do(const step::StartupEntry& entry) { SetValue("HKEY_LOCAL_MACHINE", entry.key, entry.name, entry.command); }
  void Do(const step::Readme& readme) {
    if (platform::FileExists(readme.path))
      frontEnd_.ShowReadme(MemoText(script::SplitLines(platform::ReadTextFile(readme.path))));
  }
  void Do(const step::Message& message) { frontEnd_.Tell(message.text); }
  void Do(const step::DeleteLicenceCopy& licence) { DeleteFileA(licence.path.c_str()); }
  void Do(const step::Stop& stop) { Stop(stop.text); }

  // --- After the pass ---
  void Do(const step::LateValue& late) {
    platform::registry::WriteString(HKEY_LOCAL_MACHINE, late.key, late.name, late.value, false);
    frontEnd_.Note("registry value: HKEY_LOCAL_MACHINE\\" + late.key + " \"" + late.name + "\"");
  }
  void Do(const step::FinishingQuestion& question) {
    if (question.restart || tally_.restartNeeded) {
      if (frontEnd_.AskRestart("Would you like to Reboot now?"))
        platform::RequestRestart();
      else
        outcome_.restartDeclined = true;
      return;
    }
    if (question.runProgram.empty() || !frontEnd_.AskRun("Would you like to run " + question.title + " now?")) return;
    // The line may carry arguments after the program name, unless it names a
    // program file as a whole.
    const bool whole = platform::FileExists(InFolder(question.destination, question.runProgram));
    platform::StartProgram(RunCommand(question.destination, question.runProgram, whole));
  }

  // A value whose key does not open is noted, not shown.
  void SetValue(const std::string& root, const std::string& key, const std::string& name, const std::string& data) {
    journal_->Value(root, key, name);
    if (!WriteRegEntry(root, key, name, data) && RootKeyIndex(root))
      journal_->ValueNotWritten(root, key, name, GetLastError());
    journal_->ValueSet(root, key, name);
  }

  const InstallPlan& plan_;
  FrontEnd& frontEnd_;
  shell::ShellLink& link_;
  script::Lines record_;
  Journal* journal_ = nullptr;  // while the pass runs
  std::string destination_;
  CopyTally tally_;
  InstallOutcome outcome_;
  Part part_ = Part::Before;
  bool ended_ = false, stopped_ = false;
};

}  // namespace

InstallOutcome CarryOut(const InstallPlan& plan, FrontEnd& frontEnd) {
  // The shell link object needs COM.
  const platform::ComScope com;
  shell::ShellLink link;
  // As designed: no hot key, show command or icon number; Update set last.
  link.SetUpdate(true);
  return Executor(plan, frontEnd, link).Run();
}

}  // namespace install
