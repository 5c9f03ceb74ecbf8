// The install pass. An error raised by a step ends the pass there.
#include "install/install_pass.h"

#include <windows.h>

#include <utility>

#include "install/copy_files.h"
#include "install/journal.h"
#include "install/path_file.h"
#include "install/paths.h"
#include "install/profile_entries.h"
#include "install/registry_phase.h"
#include "install/shortcut_names.h"
#include "install/shortcuts.h"
#include "install/source_copy.h"
#include "install/system_ini.h"
#include "install/uninstall_record.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "script/sections.h"
#include "script/unscramble.h"

namespace install {

namespace {

// The reader shows lines one under another, without a break after the last.
std::string MemoText(const script::Lines& lines) {
  std::string text = script::JoinLines(lines);
  if (!text.empty()) text.resize(text.size() - 2);
  return text;
}

bool LicenceAccepted(const InstallRequest& request, FrontEnd& frontEnd) {
  const std::string path = request.sourceFolder + "\\license.ini";
  if (!platform::FileExists(path)) return true;
  script::Lines licence = script::SplitLines(platform::ReadTextFile(path));
  if (script::IsScrambled(licence)) script::Unscramble(licence);
  if (!frontEnd.AcceptLicence(MemoText(licence))) return false;
  platform::WriteTextFile(request.destination + "\\license.txt", script::JoinLines(licence));
  return true;
}

// False when the user ends the pass before anything is copied.
bool RunPhases(const InstallRequest& request, const script::Lines& ini, const script::Sections& lists,
               FrontEnd& frontEnd, shell::TShellLink& link, Journal& journal, InstallOutcome& outcome) {
  const std::string& destination = request.destination;
  const std::string& title = ini.at(2);
  const Folders folders{request.sourceFolder, destination, platform::WindowsFolder()};
  const FileList fileList = WalkFileList(lists.files, folders.windows, destination, [&](const std::string& line) {
    return CompressedLastCharacter(InFolder(folders.source, line));
  });
  // No to a disk too small ends the pass as Decline does, before any change.
  if (!lists.files.empty() && !EnoughSpace(fileList, folders.source, title, frontEnd)) return false;
  const std::string group = JoinPath(request.programsFolder, ini.at(1));
  UninstallRecord record = BuildUninstallRecord(title, lists, group, fileList);
  script::Lines un = std::move(record.lines);
  RemoveDriverLines(folders.windows);
  if (!lists.files.empty()) {
    const CopyResult copied = CopyFiles(fileList, lists.files.size(), lists.lbKeep, folders, frontEnd, journal);
    outcome.failedCopies = copied.failed;
    // Files in use take their new copies at the next start: the closing question offers it.
    if (copied.restartNeeded) outcome.restartWanted = true;
    CreateGroupFolder(request.programsFolder, ini.at(1));
    journal.GroupFolder(group);
    WriteProfileEntries(lists.systemini, journal);
    frontEnd.SetStatus("Generating Icons.");
    MakeShortcuts(group, destination, lists.exe, link, un, record.firstShortcut);
    // The shortcut lines name the files the shell wrote; the group line ("+") follows them.
    for (std::size_t i = record.firstShortcut; i < un.size() && un.at(i).compare(0, 1, "+") != 0; ++i)
      journal.Shortcut(un.at(i));
  }
  CopyExtra(lists.extraFile, lists.extraFolder, folders, journal);
  SaveUninstallRecord(un, destination);
  frontEnd.Note("uninstall record: " + InFolder(destination, "unin.ini"));
  if (lists.iniwin.size() >= 2) {
    const std::string pathFile = InFolder(folders.windows, lists.iniwin.at(0));
    journal.File(pathFile, !platform::FileExists(pathFile));
  }
  WritePathFile(lists.iniwin, folders.windows, destination, un);
  RunRegistryPhase(lists, folders, journal);
  outcome.valuesNotWritten = journal.ValuesNotWritten();
  return true;
}

}  // namespace

void RunInstallPass(const InstallRequest& request, FrontEnd& frontEnd, shell::TShellLink& link,
                    InstallOutcome& outcome) {
  const std::string& destination = request.destination;
  const std::vector<std::string> foldersMade = platform::ForceDirectories(destination);
  const std::string licence = destination + "\\license.txt";
  const bool hadLicence = platform::FileExists(licence);
  bool goOn = LicenceAccepted(request, frontEnd);
  if (!goOn) outcome.end = PassEnd::Declined;
  script::Sections lists;
  if (goOn) {
    // The pass's own copy of the script, with the chosen Start Menu folder as line 1.
    script::Lines ini = request.script;
    ini.erase(1);
    ini.insert(1, request.group);
    lists = script::ReadSections(ini);
    outcome.runProgram = lists.runProgram;
    outcome.restartWanted = lists.rebootRequested;
    outcome.lateValue = lists.regadd;
    Journal journal(destination, ini.at(2));
    journal.SetNotes(&frontEnd);
    journal.FoldersMade(foldersMade);
    if (platform::FileExists(licence)) journal.File(licence, !hadLicence);
    goOn = RunPhases(request, ini, lists, frontEnd, link, journal, outcome);
    if (!goOn) outcome.end = PassEnd::NoSpace;
  }
  // After a Decline (or No to a disk too small) the program is ending: no
  // further message is given.
  if (goOn) {
    const std::string readme = request.sourceFolder + "\\readme.txt";
    if (platform::FileExists(readme) && request.readmeWanted)
      frontEnd.ShowReadme(MemoText(script::SplitLines(platform::ReadTextFile(readme))));
    if (!lists.exitMessage.empty()) frontEnd.Tell(lists.exitMessage);
    outcome.end = PassEnd::Done;
  }
  DeleteFileA((request.sourceFolder + "\\license.txt").c_str());
}

}  // namespace install
