#include "platform/message_dialog.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/application.h"
#include "platform/handle.h"

namespace platform {

namespace {

struct ButtonSpec {
  unsigned flag;
  int result;
  const char* caption;
};
// Left to right, when present.
constexpr ButtonSpec kButtons[] = {
    {Yes, ResultYes, "&Yes"}, {No, ResultNo, "&No"}, {OK, ResultOK, "OK"}, {Cancel, ResultCancel, "Cancel"}};

struct Request {
  const std::string& text;
  DialogType type;
  unsigned buttons;
  unsigned defaultButton;
  HFONT font;
};

const char* CaptionOf(DialogType type) {
  switch (type) {
    case DialogType::Warning: return "Warning";
    case DialogType::Error: return "Error";
    case DialogType::Information: return "Information";
    case DialogType::Confirmation: return "Confirm";
  }
  return "";
}

LPCSTR IconOf(DialogType type) {
  switch (type) {
    case DialogType::Warning: return IDI_EXCLAMATION;
    case DialogType::Error: return IDI_HAND;
    case DialogType::Information: return IDI_ASTERISK;
    case DialogType::Confirmation: return IDI_QUESTION;
  }
  return IDI_APPLICATION;
}

int EnterResult(const Request& r) {
  for (const auto& b : kButtons)
    if (b.flag == r.defaultButton && (r.buttons & b.flag)) return b.result;
  return (r.buttons & OK) ? ResultOK : ResultYes;
}
int EscResult(unsigned buttons) {
  if (buttons & Cancel) return ResultCancel;
  if (buttons & No) return ResultNo;
  return ResultOK;
}

HWND AddChild(HWND dialog, const char* cls, const char* text, DWORD style, int id, HFONT font) {
  HWND child = CreateWindowExA(0, cls, text, style | WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               Application::Instance().Module(), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

void Layout(HWND dialog, const Request& r) {
  constexpr int margin = 12, icon = 32, gap = 12, buttonW = 75, buttonH = 25, buttonGap = 8;
  // Measure the text, wrapped at a third of the screen at most.
  HDC dc = GetDC(dialog);
  HGDIOBJ old = SelectObject(dc, r.font);
  RECT text{0, 0, std::max(240, GetSystemMetrics(SM_CXSCREEN) / 3), 0};
  DrawTextA(dc, r.text.c_str(), static_cast<int>(r.text.size()), &text,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  // Within the screen, buttons and all, however long the text.
  RECT border{0, 0, 0, 0};
  AdjustWindowRectEx(&border, GetWindowLongA(dialog, GWL_STYLE), FALSE, GetWindowLongA(dialog, GWL_EXSTYLE));
  const int borderW = border.right - border.left, borderH = border.bottom - border.top;
  text.right = std::min<LONG>(text.right, GetSystemMetrics(SM_CXSCREEN) - borderW - 2 * margin - icon - gap);
  text.bottom = std::min<LONG>(text.bottom, GetSystemMetrics(SM_CYSCREEN) - borderH - 2 * margin - gap - buttonH);

  HWND iconWnd = AddChild(dialog, "STATIC", "", SS_ICON, -1, r.font);
  SendMessageA(iconWnd, STM_SETICON, reinterpret_cast<WPARAM>(LoadIcon(nullptr, IconOf(r.type))), 0);
  SetWindowPos(iconWnd, nullptr, margin, margin, icon, icon, SWP_NOZORDER);
  HWND label = AddChild(dialog, "STATIC", r.text.c_str(), SS_LEFT | SS_NOPREFIX, -1, r.font);
  const int textTop = margin + std::max(0, (icon - static_cast<int>(text.bottom)) / 2);
  SetWindowPos(label, nullptr, margin + icon + gap, textTop, text.right, text.bottom, SWP_NOZORDER);

  int count = 0;
  for (const auto& b : kButtons) count += (r.buttons & b.flag) ? 1 : 0;
  const int rowW = count * buttonW + (count - 1) * buttonGap;
  const int clientW = std::max<int>(margin + icon + gap + text.right + margin, rowW + 2 * margin);
  const int rowTop = std::max<int>(margin + icon, textTop + text.bottom) + gap;
  int x = (clientW - rowW) / 2;
  const int enter = EnterResult(r);
  HWND focus = nullptr;
  for (const auto& b : kButtons) {
    if (!(r.buttons & b.flag)) continue;
    const bool isDefault = b.result == enter;
    HWND button = AddChild(dialog, "BUTTON", b.caption,
                           (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, b.result, r.font);
    SetWindowPos(button, nullptr, x, rowTop, buttonW, buttonH, SWP_NOZORDER);
    if (isDefault) focus = button;
    x += buttonW + buttonGap;
  }
  SendMessageA(dialog, DM_SETDEFID, enter, 0);

  RECT frame{0, 0, clientW, rowTop + buttonH + margin};
  AdjustWindowRectEx(&frame, GetWindowLongA(dialog, GWL_STYLE), FALSE, GetWindowLongA(dialog, GWL_EXSTYLE));
  const int w = frame.right - frame.left, h = frame.bottom - frame.top;
  SetWindowPos(dialog, HWND_TOP, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h, 0);
  SetWindowTextA(dialog, CaptionOf(r.type));
  if (focus) SetFocus(focus);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lp);
      Layout(dialog, *reinterpret_cast<const Request*>(lp));
      return FALSE;  // the focus is set
    case WM_COMMAND: {
      const auto& r = *reinterpret_cast<const Request*>(GetWindowLongPtrA(dialog, DWLP_USER));
      int id = LOWORD(wp);
      // Esc and the close box arrive as IDCANCEL, Enter without a focused button as IDOK.
      if (id == IDCANCEL && !(r.buttons & Cancel)) id = EscResult(r.buttons);
      if (id == IDOK && !(r.buttons & OK)) id = EnterResult(r);
      for (const auto& b : kButtons)
        if (b.result == id && (r.buttons & b.flag)) EndDialog(dialog, id);
      return TRUE;
    }
  }
  return FALSE;
}

// An empty dialog template; the controls are made at WM_INITDIALOG.
std::vector<WORD> EmptyTemplate() {
  std::vector<WORD> t;
  auto dword = [&](DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
  };
  dword(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  dword(0);                          // extended style
  t.insert(t.end(), {0, 0, 0, 0, 0});  // no items; x, y, cx, cy set later
  t.insert(t.end(), {0, 0, 0});        // no menu, the dialog class, no title
  t.push_back(8);                      // point size
  for (const char* f = "MS Sans Serif"; *f; ++f) t.push_back(static_cast<WORD>(*f));
  t.push_back(0);
  return t;
}

}  // namespace

int MessageDlg(const std::string& text, DialogType type, unsigned buttons, unsigned defaultButton) {
  if (!(buttons & (Yes | No | OK | Cancel))) buttons = OK;
  const GdiObject font(CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                   "MS Sans Serif"));
  Request request{text, type, buttons, defaultButton, static_cast<HFONT>(font.get())};
  std::vector<WORD> tmpl = EmptyTemplate();
  const INT_PTR result = DialogBoxIndirectParamA(
      Application::Instance().Module(), reinterpret_cast<LPCDLGTEMPLATEA>(tmpl.data()),
      GetActiveWindow(), DialogProc, reinterpret_cast<LPARAM>(&request));
  return result > 0 ? static_cast<int>(result) : EscResult(buttons);
}

}  // namespace platform
