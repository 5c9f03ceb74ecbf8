#include "platform/application.h"

#include <commctrl.h>

#include "platform/form.h"
#include "platform/message_dialog.h"

namespace platform {

namespace {
Application* instance = nullptr;
}

Application::Application() : module_(GetModuleHandleA(nullptr)) {
  instance = this;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
}

Application& Application::Instance() { return *instance; }

void Application::SetMainForm(Form* form) {
  if (!main_) main_ = form;
}

bool Application::ProcessMessage() {
  MSG msg;
  if (!GetMessageA(&msg, nullptr, 0, 0)) {
    terminated_ = true;
    exitCode_ = static_cast<int>(msg.wParam);
    PostQuitMessage(exitCode_);
    return false;
  }
  // Tab, Enter and Esc work on every form as they do in a dialog box.
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
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
