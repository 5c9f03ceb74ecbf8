#pragma once
// Drives the program's windows from another process, the way UI automation
// does: standard window messages only (texts, clicks, combo items).
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace driver {

using namespace std::chrono_literals;
constexpr auto kTimeout = 15s;

// Polls until the condition holds; false when the time runs out.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kTimeout);

// A top-level window of the given process with this class (nullptr: any) and caption.
HWND FindTopLevel(DWORD pid, const char* windowClass, const std::string& caption);
HWND WaitForTopLevel(DWORD pid, const char* windowClass, const std::string& caption,
                     std::chrono::milliseconds timeout = kTimeout);
// Every visible top-level window of the process.
std::vector<HWND> TopLevelWindows(DWORD pid);

// A descendant window by control id.
HWND Child(HWND top, int id);
// Descendants of this class, in window order.
std::vector<HWND> Children(HWND top, const char* windowClass);

std::string Text(HWND window);
// Whether `part` stands anywhere in `text`.
inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
void SetText(HWND window, const std::string& text);
// Posts the click, so that a modal window it opens does not block the driver.
void Click(HWND button);
// Clicks and waits until the button's window has handled the click (it must
// not open a modal window).
void Press(HWND button);
bool Visible(HWND window);
bool Enabled(HWND window);
bool Checked(HWND checkBox);
std::vector<std::string> ComboItems(HWND combo);
int ProgressPosition(HWND bar);
// Posts a key press (down and up) to the window that has the focus in the thread of `window`.
void PressKey(HWND window, WORD key);

// A message box: its caption, text and button captions.
struct MessageBoxView {
  HWND handle = nullptr;
  std::string caption, text;
  std::vector<std::string> buttons;
  bool hasIcon = false;
};
MessageBoxView ReadMessageBox(HWND dialog);
// Waits for a "#32770" dialog of the process; its view.
MessageBoxView WaitForMessageBox(DWORD pid, std::chrono::milliseconds timeout = kTimeout);
// The caption and text of every message box the process shows, for failure
// reports; kNoMessageBox when none is open.
constexpr char kNoMessageBox[] = "no message box open";
std::string OpenMessages(DWORD pid);
// Presses the dialog's button with this caption.
void PressButton(HWND dialog, const std::string& caption);
// Presses the button and waits until the box has closed; false when it stays.
bool Answer(const MessageBoxView& box, const std::string& caption);

// A top-level window of this process with the given caption, as the running
// product's main window would be.
class ProductWindow {
 public:
  explicit ProductWindow(const std::string& title);
  ~ProductWindow() { Close(); }
  ProductWindow(const ProductWindow&) = delete;
  ProductWindow& operator=(const ProductWindow&) = delete;
  bool Open() const { return window_ != nullptr; }
  void Close();

 private:
  HWND window_;
};

}  // namespace driver
