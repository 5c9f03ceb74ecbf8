#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"

namespace platform {

struct Bounds {
  int left, top, width, height;
};

// A standard Win32 control whose window text is its caption, so that screen
// readers and UI automation read and press it.
class Control {
 public:
  virtual ~Control() = default;
  HWND Handle() const { return hwnd_; }
  int Id() const { return id_; }

  std::string Text() const;
  virtual void SetText(const std::string& text);
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  void SetBounds(const Bounds& b);
  void SetFont(const FontSpec& design);
  void Focus();

  // A notification (WM_COMMAND code) from the control.
  virtual void Command(int /*code*/) {}
  // Labels and check boxes draw on their parent's background.
  virtual bool PaintsOnParent() const { return false; }
  // Push buttons take Enter while they have the focus.
  virtual bool IsPushButton() const { return false; }
  // Owner-drawn controls draw themselves when the form passes WM_DRAWITEM on.
  virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  COLORREF TextColor() const { return color_; }

 protected:
  void Create(Container& parent, int id, const char* windowClass, const std::string& text,
              DWORD style, DWORD exStyle, const Bounds& b);
  Form* form_ = nullptr;
  HWND hwnd_ = nullptr;
  int id_ = 0;
  COLORREF color_ = CLR_INVALID;
};

class Label : public Control {
 public:
  Label(Container& parent, int id, const std::string& caption, const Bounds& b, bool wrap = false);
  void SetColor(COLORREF color) { color_ = color; }
  bool PaintsOnParent() const override { return true; }
};

// An etched frame around a group of controls.
class Bevel : public Control {
 public:
  Bevel(Container& parent, int id, const Bounds& b);
};

class Button : public Control {
 public:
  Button(Container& parent, int id, const std::string& caption, const Bounds& b);
  std::function<void()> OnClick;
  void Command(int code) override;
  bool IsPushButton() const override { return true; }
  // Presses the button as a click does, when it is shown and enabled.
  void Click();

 protected:
  // `type`: BS_PUSHBUTTON, or BS_OWNERDRAW for a button that draws its face.
  Button(Container& parent, int id, const std::string& caption, const Bounds& b, DWORD type);
};

class CheckBox : public Control {
 public:
  CheckBox(Container& parent, int id, const std::string& caption, const Bounds& b);
  bool Checked() const;
  void SetChecked(bool checked);
  bool PaintsOnParent() const override { return true; }
};

class Edit : public Control {
 public:
  Edit(Container& parent, int id, const std::string& text, const Bounds& b);
};

// An editable combo box with a drop-down list, kept in the order items are added.
class ComboBox : public Control {
 public:
  ComboBox(Container& parent, int id, const Bounds& b);
  void ClearItems();
  void AddItem(const std::string& item);
  std::vector<std::string> Items() const;
};

// Read-only multi-line text with a vertical scroll bar. On Windows 95, 98
// and Me an edit control holds 64 KB at most, so a longer text is shown in
// a rich edit control, which takes the edit's place.
class Memo : public Control {
 public:
  Memo(Container& parent, int id, const Bounds& b);
  void SetText(const std::string& text) override;

 private:
  void BecomeRichEdit();
  Container& parent_;
  Bounds bounds_;
  bool rich_ = false;
};

class ProgressBar : public Control {
 public:
  ProgressBar(Container& parent, int id, const Bounds& b);
  void SetPosition(int position);
  int Position() const;
};

class StatusBar : public Control {
 public:
  StatusBar(Container& parent, int id);
  void Resize();
};

// A plain container without bevel; pages and the page control are made of it too.
class Panel : public Control, public Container {
 public:
  Panel(Container& parent, int id, const Bounds& b, const char* windowClass = "TPanel");
  HWND ContainerHandle() const override { return hwnd_; }
  Form& OwnerForm() override { return *form_; }
};

// Pages shown one at a time, without tabs.
class PageControl : public Panel {
 public:
  PageControl(Container& parent, int id, const Bounds& b);
  Panel& AddPage(int id);
  Panel* ActivePage() const { return active_; }
  void SetActivePage(Panel& page);

 private:
  std::vector<std::unique_ptr<Panel>> pages_;
  Panel* active_ = nullptr;
};

// An edit box with a button that picks a folder; the button's id is id + 1.
class FolderEdit : public Edit {
 public:
  FolderEdit(Container& parent, int id, const std::string& text, const Bounds& b);

 private:
  Button browse_;
};

// Calls OnTimer every `interval` ms while enabled.
class Timer {
 public:
  Timer(Form& form, UINT interval);
  ~Timer();
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  std::function<void()> OnTimer;
  void Fire();

 private:
  Form& form_;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_ = false;
};

}  // namespace platform
