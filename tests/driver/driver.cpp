#include "driver.h"

#include <commctrl.h>

#include <thread>

namespace driver {

namespace {

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

using Visit = std::function<void(HWND)>;

BOOL CALLBACK VisitOne(HWND w, LPARAM visit) {
  (*reinterpret_cast<Visit*>(visit))(w);
  return TRUE;
}

void EachChild(HWND top, Visit visit) { EnumChildWindows(top, VisitOne, reinterpret_cast<LPARAM>(&visit)); }
void EachTopLevel(Visit visit) { EnumWindows(VisitOne, reinterpret_cast<LPARAM>(&visit)); }

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(20ms);
  }
}

std::vector<HWND> TopLevelWindows(DWORD pid) {
  std::vector<HWND> found;
  EachTopLevel([&](HWND w) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w)) found.push_back(w);
  });
  return found;
}

HWND FindTopLevel(DWORD pid, const char* windowClass, const std::string& caption) {
  for (HWND w : TopLevelWindows(pid))
    if ((!windowClass || ClassOf(w) == windowClass) && Text(w) == caption) return w;
  return nullptr;
}

HWND WaitForTopLevel(DWORD pid, const char* windowClass, const std::string& caption,
                     std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopLevel(pid, windowClass, caption)) != nullptr; }, timeout);
  return found;
}

HWND Child(HWND top, int id) {
  HWND found = nullptr;
  EachChild(top, [&](HWND w) {
    if (!found && GetDlgCtrlID(w) == id) found = w;
  });
  return found;
}

std::vector<HWND> Children(HWND top, const char* windowClass) {
  std::vector<HWND> found;
  EachChild(top, [&](HWND w) {
    if (ClassOf(w) == windowClass) found.push_back(w);
  });
  return found;
}

std::string Text(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return "";
  std::string text(length + 1, '\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &got);
  text.resize(got);
  return text;
}

void SetText(HWND window, const std::string& text) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                      5000, &ignored);
}

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

// Sent, the click returns once the program has handled it. (Posting it and
// then sending messages to wait on raced: the program may take a sent
// message before the posted click, and the wait ended early.)
void Press(HWND button) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 15000, &ignored);
}
bool Visible(HWND window) { return IsWindowVisible(window) != 0; }
bool Enabled(HWND window) { return IsWindowEnabled(window) != 0; }
bool Checked(HWND checkBox) { return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::vector<std::string> ComboItems(HWND combo) {
  // Item texts cross the process boundary as UTF-16; ask for them that way.
  std::vector<std::string> items;
  const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring wide(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
    wide.resize(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()))));
    std::string item(wide.size() * 2 + 1, '\0');
    item.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                                        item.data(), static_cast<int>(item.size()), nullptr, nullptr)));
    items.push_back(item);
  }
  return items;
}

int ProgressPosition(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)); }

void PressKey(HWND window, WORD key) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  HWND target = info.hwndFocus ? info.hwndFocus : window;
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

MessageBoxView ReadMessageBox(HWND dialog) {
  MessageBoxView view;
  view.handle = dialog;
  view.caption = Text(dialog);
  EachChild(dialog, [&](HWND w) {
    const std::string cls = ClassOf(w);
    const LONG style = GetWindowLongA(w, GWL_STYLE);
    if (cls == "Button") view.buttons.push_back(Text(w));
    else if (cls == "Static" && (style & SS_TYPEMASK) == SS_ICON) view.hasIcon = true;
    else if (cls == "Static") view.text = Text(w);
  });
  return view;
}

MessageBoxView WaitForMessageBox(DWORD pid, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND w : TopLevelWindows(pid))
          if (ClassOf(w) == "#32770") return (found = w) != nullptr;
        return false;
      },
      timeout);
  return found ? ReadMessageBox(found) : MessageBoxView{};
}

std::string OpenMessages(DWORD pid) {
  std::string all;
  for (HWND w : TopLevelWindows(pid)) {
    if (ClassOf(w) != "#32770") continue;
    const MessageBoxView box = ReadMessageBox(w);
    all += "[" + box.caption + ": " + box.text + "] ";
  }
  return all.empty() ? kNoMessageBox : all;
}

void PressButton(HWND dialog, const std::string& caption) {
  for (HWND b : Children(dialog, "Button"))
    if (Text(b) == caption) return Click(b);
}

bool Answer(const MessageBoxView& box, const std::string& caption) {
  PressButton(box.handle, caption);
  return WaitUntil([&] { return !IsWindow(box.handle); });
}

ProductWindow::ProductWindow(const std::string& title)
    : window_(CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr)) {}

void ProductWindow::Close() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

}  // namespace driver
