// The install sequence's steps before and after the install pass.
#include "setup/before_after.h"

#include <windows.h>

#include <optional>

#include "install/data_codes.h"
#include "install/paths.h"
#include "platform/files.h"
#include "platform/message_dialog.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "script/sections.h"
#include "script/unscramble.h"
#include "setup/uSetup.h"

namespace setup {

namespace {

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

}  // namespace

script::Lines ReadInstallScript(const std::string& sourceFolder) {
  script::Lines ini = script::SplitLines(platform::ReadTextFile(sourceFolder + "\\setup.ini"));
  // An empty line 0 has no scramble mark: the script is read as clear text.
  if (script::IsScrambled(ini)) script::Unscramble(ini);
  return ini;
}

std::string ProgramsFolder() {
  return platform::registry::ReadString(
      HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs");
}

std::vector<std::string> BackupSystemFiles() {
  std::vector<std::string> made;
  const std::string windows = platform::WindowsFolder();
  for (const SystemFileBackup& row : kSystemFileBackups) {
    const std::string backup = windows + "\\" + row.backup;
    // The first backup ever taken survives later installs.
    if (platform::FileExists(backup)) continue;
    std::optional<AttributesChanged> archiveOnly;
    if (row.hidden) archiveOnly.emplace(row.file, FILE_ATTRIBUTE_ARCHIVE);
    // A failed copy is passed over.
    if (CopyFileA(row.file, backup.c_str(), FALSE)) made.push_back(backup);
  }
  return made;
}

std::string RunningProduct(const script::Lines& ini) {
  const std::string title = script::FindWindowTitle(ini);
  return !title.empty() && FindWindowA(nullptr, title.c_str()) ? title : "";
}

std::string RunningCopyText(const std::string& title) { return "Please close " + title + " before re-installing."; }

void WriteLateValue(const std::string& destination, const script::Lines& lateValue) {
  if (lateValue.empty()) return;
  const std::string value = install::InFolder(destination, lateValue.at(2));
  platform::registry::WriteString(HKEY_LOCAL_MACHINE, lateValue.at(0), lateValue.at(1), value, false);
}

void StartRunProgram(const std::string& destination, const std::string& runProgram) {
  // The line may carry arguments after the program name, unless it names a
  // program file as a whole.
  const bool whole = platform::FileExists(destination + "\\" + runProgram);
  platform::StartProgram(install::RunCommand(destination, runProgram, whole));
}

void TfSetup::FinishingQuestion(const install::InstallOutcome& outcome) {
  using platform::DialogType;
  if (outcome.restartWanted) {
    if (platform::MessageDlg("Would you like to Reboot now?", DialogType::Warning,
                             platform::Yes | platform::No) == platform::ResultYes)
      platform::RequestRestart();
    return;
  }
  if (outcome.runProgram.empty()) return;
  if (platform::MessageDlg("Would you like to run " + Label4.Text() + " now?", DialogType::Warning,
                           platform::Yes | platform::No) != platform::ResultYes)
    return;
  StartRunProgram(d.Text(), outcome.runProgram);
}

}  // namespace setup
