#include "platform/controls.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "platform/application.h"
#include "platform/folder_dialog.h"
#include "platform/late_bound.h"

namespace platform {

namespace {

// Containers pass their children's notifications on to the form.
LRESULT CALLBACK ContainerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_DRAWITEM:
      return SendMessageA(GetParent(hwnd), msg, wp, lp);
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

// comctl32 is loaded when its first control is made: under Wine, loading it
// costs about as much as making the wizard's first page. The first comctl32 (4.00,
// Windows 95) has only this call: it registers all of its classes.
void LoadCommonControls() {
  static const auto initialize = LateBound<void(WINAPI*)()>("comctl32.dll", "InitCommonControls");
  if (initialize) initialize();
}

void RegisterContainerClass(const char* name) {
  WNDCLASSA existing;
  if (GetClassInfoA(Application::Instance().Module(), name, &existing)) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = ContainerProc;
  wc.hInstance = Application::Instance().Module();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace

void Control::Create(Container& parent, int id, const char* windowClass, const std::string& text,
                     DWORD style, DWORD exStyle, const Bounds& b) {
  form_ = &parent.OwnerForm();
  id_ = id;
  form_->Register(this, id);
  hwnd_ = CreateWindowExA(exStyle, windowClass, text.c_str(), style | WS_CHILD | WS_VISIBLE, b.left,
                          b.top, b.width, b.height, parent.ContainerHandle(),
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                          Application::Instance().Module(), nullptr);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_->DefaultFont()), FALSE);
}

std::string Control::Text() const {
  // WM_GETTEXT, not GetWindowText: an edit's text lives in the control.
  const auto length = SendMessageA(hwnd_, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const auto got = SendMessageA(hwnd_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got));
  return text;
}

void Control::SetText(const std::string& text) {
  SendMessageA(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Control::Visible() const { return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
bool Control::Enabled() const { return IsWindowEnabled(hwnd_) != 0; }
void Control::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }
void Control::Focus() { form_->SetActiveControl(this); }

void Control::SetBounds(const Bounds& b) {
  SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::SetFont(const FontSpec& design) {
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_->Font(design)), TRUE);
}

Label::Label(Container& parent, int id, const std::string& caption, const Bounds& b, bool wrap) {
  // Titles are shown as written: an "&" in them is no access key.
  Create(parent, id, "STATIC", caption, SS_NOPREFIX | (wrap ? SS_LEFT : SS_LEFTNOWORDWRAP), 0, b);
}

Bevel::Bevel(Container& parent, int id, const Bounds& b) {
  Create(parent, id, "STATIC", "", SS_ETCHEDFRAME, 0, b);
}

Button::Button(Container& parent, int id, const std::string& caption, const Bounds& b)
    : Button(parent, id, caption, b, BS_PUSHBUTTON) {}

Button::Button(Container& parent, int id, const std::string& caption, const Bounds& b, DWORD type) {
  Create(parent, id, "BUTTON", caption, type | WS_TABSTOP, 0, b);
}

void Button::Command(int code) {
  if (code == BN_CLICKED) Click();
}

void Button::Click() {
  if (Visible() && Enabled() && OnClick) OnClick();
}

CheckBox::CheckBox(Container& parent, int id, const std::string& caption, const Bounds& b) {
  Create(parent, id, "BUTTON", caption, BS_AUTOCHECKBOX | WS_TABSTOP, 0, b);
}

bool CheckBox::Checked() const { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Edit::Edit(Container& parent, int id, const std::string& text, const Bounds& b) {
  Create(parent, id, "EDIT", text, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, b);
}

ComboBox::ComboBox(Container& parent, int id, const Bounds& b) {
  Create(parent, id, "COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0,
         Bounds{b.left, b.top, b.width, b.height + 160});
}

void ComboBox::ClearItems() {
  // CB_RESETCONTENT would also empty the edit text; keep what the user typed.
  const std::string text = Text();
  SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
  SetText(text);
}

void ComboBox::AddItem(const std::string& item) {
  SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

std::vector<std::string> ComboBox::Items() const {
  std::vector<std::string> items;
  const auto count = SendMessageA(hwnd_, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = SendMessageA(hwnd_, CB_GETLBTEXTLEN, i, 0);
    if (length < 0) continue;
    std::string item(static_cast<size_t>(length) + 1, '\0');
    item.resize(static_cast<size_t>(
        SendMessageA(hwnd_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
    items.push_back(item);
  }
  return items;
}

namespace {

constexpr DWORD kMemoStyle = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
// The longest text left to an edit control on Windows 95, 98 and Me, a
// margin below their 64 KB.
constexpr std::size_t kLongest9xEditText = 60000;

// Feeds a text to EM_STREAMIN as plain text, so nothing in it is read as RTF.
struct TextSource {
  const std::string& text;
  std::size_t done = 0;
};

DWORD CALLBACK ReadTextSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto& source = *reinterpret_cast<TextSource*>(cookie);
  const std::size_t count = std::min(static_cast<std::size_t>(wanted), source.text.size() - source.done);
  std::memcpy(buffer, source.text.data() + source.done, count);
  source.done += count;
  *given = static_cast<LONG>(count);
  return 0;
}

}  // namespace

Memo::Memo(Container& parent, int id, const Bounds& b) : parent_(parent), bounds_(b) {
  Create(parent, id, "EDIT", "", kMemoStyle, WS_EX_CLIENTEDGE, b);
  // Texts longer than the default 30,000 characters are shown whole.
  SendMessageA(hwnd_, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
}

void Memo::SetText(const std::string& text) {
  if (!rich_ && text.size() > kLongest9xEditText && !IsWindowsNT()) BecomeRichEdit();
  if (!rich_) return Control::SetText(text);
  TextSource source{text};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadTextSource};
  SendMessageA(hwnd_, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
}

void Memo::BecomeRichEdit() {
  // Stays loaded: the window lives as long as the form. Without it the edit
  // stays, and shows what it can.
  if (!LoadLibraryA("RICHED32.DLL")) return;
  HWND edit = hwnd_;
  Create(parent_, id_, "RICHEDIT", "", kMemoStyle, WS_EX_CLIENTEDGE, bounds_);
  if (!hwnd_) {
    hwnd_ = edit;
    return;
  }
  SetWindowPos(hwnd_, edit, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // its tab order
  DestroyWindow(edit);
  SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageA(hwnd_, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_BTNFACE));  // grey, as a read-only edit
  rich_ = true;
}

ProgressBar::ProgressBar(Container& parent, int id, const Bounds& b) {
  LoadCommonControls();
  Create(parent, id, PROGRESS_CLASSA, "", 0, 0, b);
  SendMessageA(hwnd_, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  SendMessageA(hwnd_, PBM_SETSTEP, 1, 0);
}

void ProgressBar::SetPosition(int position) { SendMessageA(hwnd_, PBM_SETPOS, position, 0); }
int ProgressBar::Position() const { return static_cast<int>(SendMessageA(hwnd_, PBM_GETPOS, 0, 0)); }

StatusBar::StatusBar(Container& parent, int id) {
  LoadCommonControls();
  Create(parent, id, STATUSCLASSNAMEA, "", CCS_BOTTOM, 0, Bounds{0, 0, 0, 0});
}

void StatusBar::Resize() { SendMessageA(hwnd_, WM_SIZE, 0, 0); }

Panel::Panel(Container& parent, int id, const Bounds& b, const char* windowClass) {
  RegisterContainerClass(windowClass);
  Create(parent, id, windowClass, "", WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, b);
}

PageControl::PageControl(Container& parent, int id, const Bounds& b)
    : Panel(parent, id, b, "TPageControl") {}

Panel& PageControl::AddPage(int id) {
  RECT r;
  GetClientRect(hwnd_, &r);
  pages_.push_back(std::make_unique<Panel>(*this, id, Bounds{0, 0, r.right, r.bottom}, "TTabSheet"));
  Panel& page = *pages_.back();
  if (active_) page.SetVisible(false);
  else active_ = &page;
  return page;
}

void PageControl::SetActivePage(Panel& page) {
  active_ = &page;
  for (const auto& p : pages_) p->SetVisible(p.get() == &page);
}

FolderEdit::FolderEdit(Container& parent, int id, const std::string& text, const Bounds& b)
    : Edit(parent, id, text, Bounds{b.left, b.top, b.width - b.height - 2, b.height}),
      browse_(parent, id + 1, "...", Bounds{b.left + b.width - b.height, b.top, b.height, b.height}) {
  browse_.OnClick = [this] {
    if (auto folder = BrowseForFolder(form_->Handle(), Text())) SetText(*folder);
  };
}

Timer::Timer(Form& form, UINT interval) : form_(form), id_(form.Register(this)), interval_(interval) {}

Timer::~Timer() { SetEnabled(false); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled) SetTimer(form_.Handle(), id_, interval_, nullptr);
  else KillTimer(form_.Handle(), id_);
}

void Timer::Fire() {
  if (enabled_ && OnTimer) OnTimer();
}

}  // namespace platform
