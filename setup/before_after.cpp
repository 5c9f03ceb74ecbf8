// The install sequence's steps before and after the install window.
#include <windows.h>

#include "install/paths.h"
#include "platform/files.h"
#include "platform/message_dialog.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "script/sections.h"
#include "setup/uSetup.h"

namespace setup {

void TfSetup::BackupSystemFiles() {
  const std::string windows = platform::WindowsFolder();
  for (const SystemFileBackup& row : kSystemFileBackups) {
    const std::string backup = windows + "\\" + row.backup;
    // The first backup ever taken survives later installs.
    if (platform::FileExists(backup)) continue;
    const DWORD attributes = row.hidden ? GetFileAttributesA(row.file) : INVALID_FILE_ATTRIBUTES;
    // Attributes that cannot be read are not changed, so they cannot be lost.
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(row.file, FILE_ATTRIBUTE_ARCHIVE);
    CopyFileA(row.file, backup.c_str(), FALSE);  // a failed copy is passed over
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(row.file, attributes);
  }
}

bool TfSetup::RunningCopyCheck() {
  const std::string title = script::FindWindowTitle(ini);
  if (title.empty() || !FindWindowA(nullptr, title.c_str())) return true;
  platform::MessageDlg("Please close " + title + " before re-installing.",
                       platform::DialogType::Confirmation, platform::OK);
  return false;
}

void TfSetup::WriteLateValue() {
  if (fCopy_->regadd.empty()) return;
  const std::string value = install::InFolder(d.Text(), fCopy_->regadd.at(2));
  platform::registry::WriteString(HKEY_LOCAL_MACHINE, fCopy_->regadd.at(0), fCopy_->regadd.at(1), value,
                                  false);
}

void TfSetup::FinishingQuestion() {
  using platform::DialogType;
  if (session_.RebootRequested) {
    if (platform::MessageDlg("Would you like to Reboot now?", DialogType::Warning,
                             platform::Yes | platform::No) == platform::ResultYes)
      platform::RequestRestart();
    return;
  }
  if (session_.RunProgram.empty()) return;
  if (platform::MessageDlg("Would you like to run " + Label4.Text() + " now?", DialogType::Warning,
                           platform::Yes | platform::No) == platform::ResultYes)
    // Passed as written: the line may carry arguments after the program name.
    platform::StartProgram(d.Text() + "\\" + session_.RunProgram);
}

}  // namespace setup
