// The install sequence's steps before and after the install window.
#include <windows.h>

#include <optional>

#include "install/data_codes.h"
#include "install/paths.h"
#include "platform/files.h"
#include "platform/message_dialog.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "script/sections.h"
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

void TfSetup::BackupSystemFiles() {
  const std::string windows = platform::WindowsFolder();
  for (const SystemFileBackup& row : kSystemFileBackups) {
    const std::string backup = windows + "\\" + row.backup;
    // The first backup ever taken survives later installs.
    if (platform::FileExists(backup)) continue;
    std::optional<AttributesChanged> archiveOnly;
    if (row.hidden) archiveOnly.emplace(row.file, FILE_ATTRIBUTE_ARCHIVE);
    CopyFileA(row.file, backup.c_str(), FALSE);  // a failed copy is passed over
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
                           platform::Yes | platform::No) != platform::ResultYes)
    return;
  // The line may carry arguments after the program name, unless it names a
  // program file as a whole.
  const bool whole = platform::FileExists(d.Text() + "\\" + session_.RunProgram);
  platform::StartProgram(install::RunCommand(d.Text(), session_.RunProgram, whole));
}

}  // namespace setup
