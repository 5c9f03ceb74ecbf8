#include "remove/progress_window.h"

#include "remove/ids.h"

namespace uninstall {

void QuietView::Report(const Outcome& outcome) { log_.Write(LogLine(outcome)); }

RemovalWindow::RemovalWindow(platform::LogFile& log)
    : Form("TfRemove", "Removing", Centred(WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME, 345, 59)),
      QuietView(log),
      statusLabel(*this, ids::status, "", {8, 8, 329, 16}),
      progress(*this, ids::progress, {8, 30, 329, 20}) {}

// The removal runs outside the message loop: the window is drawn, and
// messages sent to it are answered, between the steps.
void RemovalWindow::Progress(const std::string& status, int position) {
  if (!status.empty()) statusLabel.SetText(status);
  progress.SetPosition(position);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace uninstall
