#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/handle.h"

namespace platform {

class Button;
class Control;
class Timer;

// Font of a form or control; height in pixels, as the designs give them.
struct FontSpec {
  const char* face = "MS Sans Serif";
  int height = 11;
  bool bold = false;
  bool italic = false;
};

// Something controls can be placed on: a form, a panel or a page.
class Container {
 public:
  virtual ~Container() = default;
  virtual HWND ContainerHandle() const = 0;
  virtual class Form& OwnerForm() = 0;
};

// A top-level window we own, reached from its HWND. Handlers carry the names
// of the design (FormCreate, FormActivate, ...). Every C++ error stops at the
// window procedure and ends in the application's error box.
class Form : public Container {
 public:
  struct Style {
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    DWORD exStyle = 0;
    COLORREF color = CLR_INVALID;  // CLR_INVALID: the button face colour
    int clientWidth = 300;
    int clientHeight = 200;
    bool centred = false;
  };
  // A window centred on the screen, with the form's own colour.
  static Style Centred(DWORD style, DWORD exStyle, int clientWidth, int clientHeight) {
    return {style, exStyle, CLR_INVALID, clientWidth, clientHeight, true};
  }

  Form(const char* className, const std::string& caption, const Style& style);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  static Form* FromHandle(HWND hwnd);
  HWND Handle() const { return hwnd_; }
  HWND ContainerHandle() const override { return hwnd_; }
  Form& OwnerForm() override { return *this; }

  std::string Caption() const;
  void Show(int how = SW_SHOW);
  void Close();
  // Shows the form modally and returns its modal result (1 OK, 2 cancel, ...).
  int ShowModal();
  void SetModalResult(int result) { modalResult_ = result; }
  bool Visible() const;

  // Enter presses the default button, Esc the cancel button (when shown and enabled).
  void SetDefaultButton(Button* button) { default_ = button; }
  void SetCancelButton(Button* button) { cancel_ = button; }
  // Whether Enter presses this button now: the focused push button, else the
  // default button. That one shows the default button's outline.
  bool IsDefaultButton(const Control& control) const { return EnterButton() == &control; }
  // The control that gets the focus when the form is activated.
  void SetActiveControl(Control* control);

  HFONT Font(const FontSpec& design);
  HFONT DefaultFont() const { return font_; }

  // Used by controls and timers as they are made. A timer gets the form's
  // next small id: Windows 95 keeps only 16 bits of a timer's id.
  void Register(Control* control, int id);
  UINT_PTR Register(Timer* timer);

 protected:
  virtual void FormActivate() {}
  virtual void FormShow() {}
  // The window procedure's own messages; the default handles the rest.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  Control* ControlById(int id) const;
  Control* EnterButton() const;

  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  std::vector<GdiObject> fonts_;
  std::map<int, Control*> controls_;
  std::map<UINT_PTR, Timer*> timers_;
  Button* default_ = nullptr;
  Button* cancel_ = nullptr;
  HWND focus_ = nullptr;
  int modalResult_ = 0;
  bool modal_ = false;
};

}  // namespace platform
