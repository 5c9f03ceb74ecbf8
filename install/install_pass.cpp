// The install pass: one run per program, inside the install window's first
// activation. An error raised by a step ends the pass there; the window then
// stays open until the user closes it.
#include <utility>

#include "install/copy_files.h"
#include "install/journal.h"
#include "install/path_file.h"
#include "install/paths.h"
#include "install/profile_entries.h"
#include "install/registry_phase.h"
#include "install/shortcut_names.h"
#include "install/shortcuts.h"
#include "install/system_ini.h"
#include "install/uCopy.h"
#include "install/uninstall_record.h"
#include "platform/application.h"
#include "platform/files.h"
#include "platform/message_dialog.h"
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

}  // namespace

void TfCopy::FormActivate() {
  // A dialog of the pass that closes activates the window again.
  if (session_.InstallStarted) return;
  session_.InstallStarted = true;
  const std::string destination = wizard_.Destination();
  platform::ForceDirectories(destination);
  const std::string licence = destination + "\\license.txt";
  const bool hadLicence = platform::FileExists(licence);
  bool goOn = LicenceAccepted(destination);
  if (goOn) {
    ReadScript();
    Journal journal(destination, ini.at(2));
    if (platform::FileExists(licence)) journal.File(licence, !hadLicence);
    goOn = RunPhases(destination, journal);
  }
  ClosingSteps(goOn);
}

int TfCopy::ShowReader(const std::string& text) {
  fReadMe_->Memo1.SetText(text);
  return fReadMe_->ShowModal();
}

bool TfCopy::LicenceAccepted(const std::string& destination) {
  const std::string path = session_.SourceFolder + "\\license.ini";
  if (!platform::FileExists(path)) return true;
  script::Lines licence = script::SplitLines(platform::ReadTextFile(path));
  if (script::IsScrambled(licence)) script::Unscramble(licence);
  fReadMe_->button1.SetText("&Accept");
  fReadMe_->button2.SetVisible(true);
  const int result = ShowReader(MemoText(licence));
  fReadMe_->button1.SetText("&OK");
  fReadMe_->button1.SetEnabled(true);
  fReadMe_->button2.SetVisible(false);
  if (result == 1) {
    platform::WriteTextFile(destination + "\\license.txt", script::JoinLines(licence));
    return true;
  }
  platform::Application::Instance().Terminate();
  return false;
}

void TfCopy::ReadScript() {
  ini = wizard_.ScriptLines();
  lists = script::ReadSections(ini);
  session_.RunProgram = lists.runProgram;
  if (lists.rebootRequested) session_.RebootRequested = true;
  regadd = lists.regadd;
}

bool TfCopy::RunPhases(const std::string& destination, Journal& journal) {
  const std::string& title = ini.at(2);
  const Folders folders{session_.SourceFolder, destination, platform::WindowsFolder()};
  const FileList fileList = WalkFileList(lists.files, folders.windows, destination);
  // No to a disk too small ends the pass as Decline does, before any change.
  if (!lists.files.empty() && !EnoughSpace(fileList, folders.source, title, *this)) {
    platform::Application::Instance().Terminate();
    return false;
  }
  const std::string group = JoinPath(session_.ProgramsFolder, ini.at(1));
  UninstallRecord record = BuildUninstallRecord(title, lists, group, fileList);
  un = std::move(record.lines);
  RemoveDriverLines(folders.windows);
  if (!lists.files.empty()) {
    CopyFiles(fileList, lists.files.size(), lists.lbKeep, folders, *this, journal);
    CreateGroupFolder(session_.ProgramsFolder, ini.at(1));
    journal.GroupFolder(group);
    WriteProfileEntries(lists.systemini, journal);
    Label1.SetText("Generating Icons.");
    MakeShortcuts(group, destination, lists.exe, shelllink1, un, record.firstShortcut);
    // The shortcut lines name the files the shell wrote; the group line ("+") follows them.
    for (std::size_t i = record.firstShortcut; i < un.size() && un.at(i).compare(0, 1, "+") != 0; ++i)
      journal.Shortcut(un.at(i));
  }
  CopyExtra(lists.extraFile, lists.extraFolder, folders, journal);
  SaveUninstallRecord(un, destination);
  if (lists.iniwin.size() >= 2) {
    const std::string pathFile = InFolder(folders.windows, lists.iniwin.at(0));
    journal.File(pathFile, !platform::FileExists(pathFile));
  }
  WritePathFile(lists.iniwin, folders.windows, destination, un);
  RunRegistryPhase(lists, folders, journal);
  return true;
}

void TfCopy::ClosingSteps(bool accepted) {
  // After a Decline (or No to a disk too small) the program is ending: no
  // further dialog is shown.
  if (accepted) {
    const std::string readme = session_.SourceFolder + "\\readme.txt";
    if (platform::FileExists(readme) && wizard_.ReadmeWanted())
      ShowReader(MemoText(script::SplitLines(platform::ReadTextFile(readme))));
    if (!lists.exitMessage.empty())
      platform::MessageDlg(lists.exitMessage, platform::DialogType::Confirmation, platform::OK);
  }
  progress.SetPosition(100);
  tClose.SetEnabled(true);
  DeleteFileA((session_.SourceFolder + "\\license.txt").c_str());
}

}  // namespace install
