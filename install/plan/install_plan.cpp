#include "install/plan/install_plan.h"

#include <exception>

#include "install/plan/data_codes.h"
#include "install/plan/file_rules.h"
#include "install/plan/journal_format.h"
#include "install/plan/path_file_lines.h"
#include "install/plan/paths.h"
#include "install/plan/registry_rules.h"
#include "install/plan/uninstall_record.h"
#include "script/sections.h"

namespace install {

namespace {

// The DOS start-up files of drive C, backed up into the Windows folder.
constexpr struct {
  const char* file;
  const char* backup;
  bool hidden;  // hidden, system and read-only
} kBackups[] = {
    {"C:\\CONFIG.SYS", "config.tup", false},
    {"C:\\autoexec.bat", "autoexec.tup", false},
    {"C:\\MSDOS.SYS", "msdos.tup", true},
};

// Thrown where a step's own rule refuses it, as the running install would.
class StopHere : public std::exception {
 public:
  explicit StopHere(std::string text) : text_(std::move(text)) {}
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string text_;
};

class Planner {
 public:
  Planner(const script::Lines& script, const InstallChoices& choices, const MachineFacts& machine)
      : script_(script), choices_(choices), machine_(machine) {}

  InstallPlan Make() {
    Part(plan_.before, [&] { Before(); });
    Part(plan_.pass, [&] { Pass(); });
    return std::move(plan_);
  }

 private:
  // A part's steps up to the error that ends it.
  template <typename Fill>
  void Part(std::vector<Step>& part, Fill fill) {
    steps_ = &part;
    try {
      fill();
    } catch (const std::exception& error) {
      Add(step::Stop{error.what()});
    }
  }
  void Add(Step step) { steps_->push_back(std::move(step)); }

  void Before() {
    for (const auto& row : kBackups) Add(step::Backup{row.file, InFolder(machine_.windows, row.backup), row.hidden});
    const std::string title = script::FindWindowTitle(script_);
    if (!title.empty()) Add(step::RunningCheck{title});
    if (choices_.group.empty()) Add(step::MissingChoice{"Please enter a Start Menu Folder"});
    else if (choices_.destination.empty()) Add(step::MissingChoice{"Please enter a Destination Directory"});
  }

  void Pass() {
    const std::string& destination = choices_.destination;
    Add(step::DestinationFolder{destination});
    if (machine_.licenceThere)
      Add(step::Licence{InFolder(machine_.sourceFolder, "license.ini"), InFolder(destination, "license.txt")});
    // The pass's own copy of the script, with the chosen Start Menu folder as line 1.
    script::Lines ini = script_;
    ini.erase(1);
    ini.insert(1, choices_.group);
    const script::Sections lists = script::ReadSections(ini);
    After(lists);
    const std::string& title = ini.at(2);
    plan_.title = title;
    const FileList walk = WalkFileList(lists.files, machine_.windows, destination, machine_.lastCharacterOf);
    if (!lists.files.empty()) Add(step::SpaceCheck{title});
    const std::string group = JoinPath(machine_.programsFolder, ini.at(1));
    UninstallRecord record = BuildUninstallRecord(title, lists, group, walk);
    plan_.record = record.lines;
    Add(step::DriverLines{InFolder(machine_.windows, "system.ini")});
    if (!lists.files.empty()) {
      const KeepList keep(lists.keep);
      for (const FileStep& file : walk.steps) {
        const std::string name = ExtractFileName(file.target);
        Add(step::ListedFile{file, InFolder(machine_.sourceFolder, file.line), lists.files.size(),
                           !InsideFolder(file.target, destination), IsJournaled(name), keep.Contains(name)});
      }
      Add(step::GroupFolder{group});
      const Entries<ProfileEntry> profile = ReadProfileEntries(lists.systemIni);
      for (const ProfileEntry& entry : profile.entries) Add(step::ProfileWrite{entry});
      if (profile.cutShortAt) throw script::ListIndexError();
      Add(step::Status{"Generating Icons."});
      const Entries<ShortcutEntry> shortcuts = ReadShortcutEntries(lists.exe);
      for (std::size_t k = 0; k < shortcuts.entries.size(); ++k) {
        const ShortcutEntry& entry = shortcuts.entries[k];
        if (entry.caption)
          Add(step::Shortcut{{JoinPath(group, entry.caption->name), JoinPath(destination, entry.programLine),
                              entry.caption->hotKeyText},
                             record.firstShortcut + k});
      }
    }
    if (!lists.extraFile.empty()) {
      const std::string folder = InFolder(destination, lists.extraFolder);
      Add(step::ExtraFile{InFolder(machine_.sourceFolder, lists.extraFile), folder, folder + "\\" + lists.extraFile});
    }
    Add(step::SaveRecord{InFolder(destination, kRecordName)});
    if (lists.iniLines.size() >= 2) {
      // Nothing outside the Windows folder, and none of its own files, is replaced by these lines.
      if (!IsPathFileName(lists.iniLines.at(0))) throw StopHere("Cannot create file " + lists.iniLines.at(0));
      Add(step::PathFile{lists.iniLines, InFolder(machine_.windows, lists.iniLines.at(0)), machine_.windows, destination});
    }
    const CodeInputs codes{destination, kShortDestination, machine_.windows, lists.exe, lists.unin};
    RegistryValues(lists.reg, CodeSet::Reg, codes);
    RegistryValues(lists.reg1, CodeSet::Reg1, codes);
    Add(step::ImportSettings{InFolder(machine_.sourceFolder, "config.cfg")});
    for (const std::string& line : lists.delreg)
      if (NamesSubkey(line)) Add(step::DeleteClassesKey{line});
    if (!lists.runServices.empty())
      Add(step::StartupEntry{kRunServicesKey, lists.runServices, ProgramCommand(destination, lists.exe)});
    if (!lists.runStart.empty())
      Add(step::StartupEntry{kRunKey, lists.runStart, ProgramCommand(destination, lists.exe)});
    if (choices_.readmeWanted) Add(step::Readme{InFolder(machine_.sourceFolder, "readme.txt")});
    if (!lists.exitMessage.empty()) Add(step::Message{lists.exitMessage});
    Add(step::DeleteLicenceCopy{InFolder(machine_.sourceFolder, "license.txt")});
  }

  void RegistryValues(const script::Lines& list, CodeSet set, const CodeInputs& codes) {
    const Entries<RegEntry> read = ReadRegistryEntries(list);
    for (const RegEntry& entry : read.entries)
      Add(step::RegistryValue{entry.root, entry.path, entry.valueName, ExpandDataCode(entry.data, set, codes)});
    if (read.cutShortAt) throw script::ListIndexError();
  }

  // What follows the pass is known once the sections are read.
  void After(const script::Sections& lists) {
    std::vector<Step>* pass = steps_;
    Part(plan_.after, [&] {
      if (!lists.regadd.empty())
        Add(step::LateValue{lists.regadd.at(0), lists.regadd.at(1), InFolder(choices_.destination, lists.regadd.at(2))});
      Add(step::FinishingQuestion{lists.rebootRequested, script_.size() > 2 ? script_.at(2) : "",
                                  choices_.destination, lists.runProgram});
    });
    steps_ = pass;
  }

  const script::Lines& script_;
  const InstallChoices& choices_;
  const MachineFacts& machine_;
  InstallPlan plan_;
  std::vector<Step>* steps_ = nullptr;
};

}  // namespace

InstallPlan MakeInstallPlan(const script::Lines& script, const InstallChoices& choices, const MachineFacts& machine) {
  return Planner(script, choices, machine).Make();
}

}  // namespace install
