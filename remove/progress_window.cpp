#include "remove/progress_window.h"

#include "remove/ids.h"

namespace uninstall {

namespace {

platform::Form::Style RemoveStyle() {
  platform::Form::Style s;
  s.style = WS_POPUP | WS_CAPTION;
  s.exStyle = WS_EX_DLGMODALFRAME;
  s.clientWidth = 345;
  s.clientHeight = 59;
  s.centred = true;
  return s;
}

}  // namespace

void QuietView::Report(const Outcome& outcome) { log_.Write(LogLine(outcome)); }

RemovalWindow::RemovalWindow(platform::LogFile& log)
    : Form("TfRemove", "Removing", RemoveStyle()),
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
