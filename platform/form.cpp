#include "platform/form.h"

#include "platform/application.h"
#include "platform/controls.h"

namespace platform {

namespace {

// Posted on activation, so that the activation handler runs from the message
// loop and not inside the call that activated the window.
constexpr UINT WM_APP_ACTIVATE = WM_APP + 1;

void RegisterFormClass(const char* name, COLORREF color) {
  WNDCLASSA existing;
  if (GetClassInfoA(Application::Instance().Module(), name, &existing)) return;
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcA;  // replaced per window below
  wc.hInstance = Application::Instance().Module();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  // The class owns its brush for the life of the process.
  wc.hbrBackground = color == CLR_INVALID ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(color);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

BOOL CALLBACK CollectEnabled(HWND w, LPARAM list) {
  if (IsWindowVisible(w) && IsWindowEnabled(w)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
  return TRUE;
}

}  // namespace

Form::Form(const char* className, const std::string& caption, const Style& s) {
  RegisterFormClass(className, s.color);
  font_ = Font(FontSpec{});
  RECT r{0, 0, s.clientWidth, s.clientHeight};
  AdjustWindowRectEx(&r, s.style, FALSE, s.exStyle);
  const int w = r.right - r.left, h = r.bottom - r.top;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
  if (s.centred) {
    x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  }
  Form* main = Application::Instance().MainForm();
  hwnd_ = CreateWindowExA(s.exStyle, className, caption.c_str(), s.style | WS_CLIPCHILDREN, x, y, w,
                          h, main ? main->Handle() : nullptr, nullptr,
                          Application::Instance().Module(), nullptr);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::WndProc));
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  Application::Instance().SetMainForm(this);
}

Form::~Form() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

Form* Form::FromHandle(HWND hwnd) {
  if (!hwnd || GetWindowLongPtrA(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Form::WndProc))
    return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

std::string Form::Caption() const {
  std::string text(GetWindowTextLengthA(hwnd_) + 1, '\0');
  text.resize(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size())));
  return text;
}

HFONT Form::Font(const FontSpec& design) {
  HFONT font = CreateFontA(-design.height, 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL, design.italic, 0, 0,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, design.face);
  fonts_.emplace_back(font);
  return font;
}

void Form::Register(Control* control, int id) { controls_[id] = control; }

UINT_PTR Form::Register(Timer* timer) {
  const UINT_PTR id = timers_.size() + 1;
  timers_[id] = timer;
  return id;
}

Control* Form::ControlById(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

Control* Form::EnterButton() const {
  HWND focus = GetFocus();
  Control* c = focus ? ControlById(GetDlgCtrlID(focus)) : nullptr;
  if (c && c->IsPushButton() && c->Handle() == focus) return c;
  return default_;
}

void Form::SetActiveControl(Control* control) {
  focus_ = control ? control->Handle() : nullptr;
  if (focus_ && GetActiveWindow() == hwnd_) SetFocus(focus_);
}

bool Form::Visible() const { return IsWindowVisible(hwnd_) != 0; }

void Form::Show(int how) {
  ShowWindow(hwnd_, how);
  FormShow();
  UpdateWindow(hwnd_);
}

void Form::Close() { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }

int Form::ShowModal() {
  // The other windows of the program take no input while this one is shown.
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
  for (HWND w : disabled) EnableWindow(w, FALSE);

  modalResult_ = 0;
  modal_ = true;
  Show(SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetActiveWindow(hwnd_);
  auto& app = Application::Instance();
  while (modalResult_ == 0) {
    if (!app.ProcessMessage()) modalResult_ = IDCANCEL;
  }
  for (HWND w : disabled) EnableWindow(w, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  modal_ = false;
  return modalResult_;
}

LRESULT CALLBACK Form::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Form* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcA(hwnd, msg, wp, lp);
  try {
    return form->HandleMessage(msg, wp, lp);
  } catch (const std::exception& error) {
    // The handler ends here; the windows stay as they stand.
    Application::Instance().ShowException(error);
    return 0;
  }
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) focus_ = focus;
        return 0;
      }
      SetFocus(focus_ && IsWindowVisible(focus_) && IsWindowEnabled(focus_) ? focus_ : hwnd_);
      PostMessageA(hwnd_, WM_APP_ACTIVATE, 0, 0);
      return 0;
    case WM_APP_ACTIVATE:
      FormActivate();
      return 0;
    case DM_GETDEFID:
      if (Control* c = EnterButton()) return MAKELRESULT(c->Id(), DC_HASDEFID);
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      if (id == IDCANCEL && lp == 0) {
        if (cancel_) cancel_->Click();
        return 0;
      }
      if (id == IDOK && lp == 0) {
        if (default_) default_->Click();
        return 0;
      }
      if (Control* c = ControlById(id)) c->Command(HIWORD(wp));
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      Control* c = ControlById(GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
      if (!c || !c->PaintsOnParent()) break;
      HDC dc = reinterpret_cast<HDC>(wp);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, c->TextColor() == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : c->TextColor());
      return GetClassLongPtrA(GetParent(reinterpret_cast<HWND>(lp)), GCLP_HBRBACKGROUND);
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      Control* c = item.CtlType == ODT_BUTTON ? ControlById(static_cast<int>(item.CtlID)) : nullptr;
      if (!c || c->Handle() != item.hwndItem) break;
      c->DrawItem(item);
      if (item.itemAction == ODA_FOCUS) {
        // The focus is moving: once it has settled, draw this button and the
        // default button again, so that the outline shows where Enter goes.
        InvalidateRect(item.hwndItem, nullptr, FALSE);
        if (default_) InvalidateRect(default_->Handle(), nullptr, FALSE);
      }
      return TRUE;
    }
    case WM_TIMER: {
      const auto it = timers_.find(wp);
      if (it != timers_.end()) it->second->Fire();
      return 0;
    }
    case WM_CLOSE:
      if (modal_) {
        modalResult_ = IDCANCEL;
        return 0;
      }
      if (Application::Instance().MainForm() == this) DestroyWindow(hwnd_);
      else ShowWindow(hwnd_, SW_HIDE);
      return 0;
    case WM_DESTROY:
      if (Application::Instance().MainForm() == this) PostQuitMessage(0);
      break;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace platform
