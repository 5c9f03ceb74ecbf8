// The sample product's main program: one window titled "Marrowgate" that
// says where it runs from and how it was started. The sample's install
// script names this title in ":window", so a second install is refused
// while the window is open.
#include <windows.h>

#include <string>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "MarrowgateMain";
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowA("MarrowgateMain", "Marrowgate", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480,
                              160, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  const std::string text = std::string("Marrowgate Desktop 2.1 is running.\r\n\r\nStarted as: ") + GetCommandLineA();
  CreateWindowA("STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, 12, 12, 440, 90, window, nullptr, instance, nullptr);
  ShowWindow(window, show);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
