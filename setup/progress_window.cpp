#include "setup/progress_window.h"

#include "setup/progress_ids.h"

namespace setup {

ProgressWindow::ProgressWindow()
    : Form("TfCopy", "Installing",
           Centred(WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, 345, 59)),
      statusLabel_(*this, progress_ids::status, "", {8, 8, 329, 16}),
      progressBar_(*this, progress_ids::progress, {8, 30, 329, 20}),
      closeTimer_(*this, 250) {
  statusLabel_.SetFont(platform::FontSpec{"MS Sans Serif", 11, true});
  closeTimer_.OnTimer = [this] {
    closeTimer_.SetEnabled(false);
    Close();
  };
}

void ProgressWindow::Run(const std::function<install::Ending()>& pass) {
  pass_ = pass;
  ShowModal();
}

void ProgressWindow::FormActivate() {
  // A dialog of the pass that closes activates the window again: the pass runs once.
  if (!pass_) return;
  const std::function<install::Ending()> pass = std::move(pass_);
  pass_ = nullptr;
  const install::Ending ending = pass();
  if (ending == install::Ending::Declined || ending == install::Ending::NoSpace) return Close();
  if (ending == install::Ending::StoppedInPass) return;
  progressBar_.SetPosition(100);
  closeTimer_.SetEnabled(true);
}

// Draws at once whatever is invalid: the status line and the progress bar
// after their change, and any part a closed prompt uncovered. Redrawing the
// unchanged rest as well cost more per file than the copy itself.
void ProgressWindow::Repaint() { RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

}  // namespace setup
