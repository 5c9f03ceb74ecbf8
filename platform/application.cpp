#include "platform/application.h"

#include "platform/form.h"
#include "platform/message_dialog.h"

namespace platform {

namespace {
Application* instance = nullptr;
}

Application::Application() : module_(GetModuleHandleA(nullptr)) { instance = this; }

Application& Application::Instance() { return *instance; }

void Application::SetMainForm(Form* form) {
  if (!main_) main_ = form;
}

namespace {
// The top-level window that holds hwnd (GetAncestor's GA_ROOT, which
// Windows 95 and NT 4.0 do not have).
HWND RootOf(HWND hwnd) {
  while (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) hwnd = GetParent(hwnd);
  return hwnd;
}
}  // namespace

bool Application::ProcessMessage() {
  MSG msg;
  if (!GetMessageA(&msg, nullptr, 0, 0)) {
    terminated_ = true;
    exitCode_ = static_cast<int>(msg.wParam);
    PostQuitMessage(exitCode_);
    return false;
  }
  // Tab, Enter and Esc work on every form as they do in a dialog box.
  HWND root = RootOf(msg.hwnd);
  if (root && Form::FromHandle(root) && IsDialogMessageA(root, &msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

int Application::Run() {
  while (!terminated_) {
    try {
      ProcessMessage();
    } catch (const std::exception& error) {
      ShowException(error);
    }
  }
  return exitCode_;
}

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::ShowException(const std::exception& error) {
  MessageDlg(error.what(), DialogType::Error, Buttons::OK);
}

}  // namespace platform
