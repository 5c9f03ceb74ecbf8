#include "install/uCopy.h"

#include <objbase.h>

#include "install/ids.h"
#include "platform/application.h"
#include "platform/message_dialog.h"

namespace install {

namespace {

platform::Form::Style CopyStyle() {
  platform::Form::Style s;
  s.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  s.exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
  s.clientWidth = 345;
  s.clientHeight = 59;
  s.centred = true;
  return s;
}

}  // namespace

TfCopy::TfCopy(Session& session)
    : Form("TfCopy", "Installing", CopyStyle()),
      Label1(*this, ids::Label1, "", {8, 8, 329, 16}),
      progress(*this, ids::progress, {8, 30, 329, 20}),
      tClose(*this, 250),
      session_(session) {
  Label1.SetFont(platform::FontSpec{"MS Sans Serif", 11, true});
  tClose.OnTimer = [this] { tCloseTimer(); };
  // As designed: no hot key, show command or icon number; Update set last.
  shelllink1.SetUpdate(true);
  FormCreate();
}

TfCopy::~TfCopy() { FormDestroy(); }

// The shell link object needs COM for the life of the window.
void TfCopy::FormCreate() { comReady_ = SUCCEEDED(CoInitialize(nullptr)); }

void TfCopy::FormDestroy() {
  if (comReady_) CoUninitialize();
}

InstallOutcome TfCopy::Install(const InstallRequest& request) {
  request_ = &request;
  outcome_ = InstallOutcome{};
  ShowModal();
  request_ = nullptr;
  return outcome_;
}

void TfCopy::FormActivate() {
  // A dialog of the pass that closes activates the window again.
  if (session_.InstallStarted || !request_) return;
  session_.InstallStarted = true;
  RunInstallPass(*request_, *this, shelllink1, outcome_);
  // After a Decline (or No to a disk too small) the program ends.
  if (outcome_.NothingInstalled()) platform::Application::Instance().Terminate();
  progress.SetPosition(100);
  tClose.SetEnabled(true);
}

void TfCopy::tCloseTimer() {
  tClose.SetEnabled(false);
  Close();
}

void TfCopy::SetStatus(const std::string& text) { Label1.SetText(text); }
void TfCopy::SetProgress(int position) { progress.SetPosition(position); }
// Draws at once whatever is invalid: the status line and the progress bar
// after their change, and any part a closed prompt uncovered. Redrawing the
// unchanged rest as well cost more per file than the copy itself.
void TfCopy::Repaint() { RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

void TfCopy::Tell(const std::string& text) {
  platform::MessageDlg(text, platform::DialogType::Confirmation, platform::OK);
}

bool TfCopy::Ask(const std::string& text) {
  return platform::MessageDlg(text, platform::DialogType::Warning, platform::Yes | platform::No) ==
         platform::ResultYes;
}

bool TfCopy::InsertDisk(const std::string& line) {
  Tell("Insert the disk with " + line);
  return true;
}

void TfCopy::CopyFailed(const std::string& line, unsigned long) { Tell("Error copying " + line); }

bool TfCopy::AcceptLicence(const std::string& text) { return fReadMe_->AskAcceptance(text); }

void TfCopy::ShowReadme(const std::string& text) { fReadMe_->ShowText(text); }

}  // namespace install
