// Glyph buttons on a real form: still standard buttons to whoever presses
// them by their window, drawn by the form through the panel they sit on.
#include <gtest/gtest.h>

#include <set>

#include "platform/application.h"
#include "platform/glyph_button.h"
#include "platform/handle.h"

namespace {

using platform::Glyph;
using platform::GlyphButton;

platform::Application& App() {
  static platform::Application app;
  return app;
}

// A 32-bit picture of a button's size to draw into and read back.
class Canvas {
 public:
  Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    SelectObject(dc_, bitmap_.get());
  }
  ~Canvas() { DeleteDC(dc_); }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC Dc() const { return dc_; }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  platform::GdiObject bitmap_;
};

constexpr int kWidth = 75, kHeight = 25;

bool HasDefaultOutline(const Canvas& canvas) {
  return canvas.Pixel(0, 0) == GetSysColor(COLOR_WINDOWFRAME) &&
         canvas.Pixel(kWidth - 1, kHeight - 1) == GetSysColor(COLOR_WINDOWFRAME);
}

// Draws as the system asks, and keeps a copy of the last picture.
class RecordingButton : public GlyphButton {
 public:
  using GlyphButton::GlyphButton;
  void DrawItem(const DRAWITEMSTRUCT& item) override {
    GlyphButton::DrawItem(item);
    DRAWITEMSTRUCT copy = item;
    copy.hDC = last.Dc();
    GlyphButton::DrawItem(copy);
    lastCaption = Text();
    ++draws;
  }
  Canvas last{kWidth, kHeight};
  std::string lastCaption;
  int draws = 0;
};

class TestForm : public platform::Form {
 public:
  TestForm() : Form("TGlyphTest", "Glyphs", Style{}) {}
  platform::Panel panel{*this, 10, {0, 0, 300, 100}};
  RecordingButton ok{panel, 11, "&OK", Glyph::Tick, {10, 10, kWidth, kHeight}};
  RecordingButton decline{panel, 12, "&Decline", Glyph::Cross, {100, 10, kWidth, kHeight}};
  platform::Edit edit{panel, 13, "", {10, 50, 100, 21}};
  int okClicks = 0;
};

class GlyphButtons : public ::testing::Test {
 protected:
  GlyphButtons() {
    App();
    form = std::make_unique<TestForm>();
    form->ok.OnClick = [this] { ++form->okClicks; };
  }
  // Shows the form and lets every pending paint happen.
  void ShowAndPaint() {
    form->Show();
    SetForegroundWindow(form->Handle());
    Paint();
  }
  void Paint() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    UpdateWindow(form->Handle());
  }
  std::unique_ptr<TestForm> form;
};

TEST_F(GlyphButtons, AreButtonWindowsWithTheCaptionAsText) {
  HWND ok = form->ok.Handle();
  char cls[32] = {};
  GetClassNameA(ok, cls, sizeof cls);
  EXPECT_STREQ(cls, "Button");
  EXPECT_EQ(GetWindowLongA(ok, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  char text[32] = {};
  GetWindowTextA(ok, text, sizeof text);
  EXPECT_STREQ(text, "&OK");
  EXPECT_TRUE(form->ok.IsPushButton());
}

TEST_F(GlyphButtons, BmClickPressesOnlyAShownEnabledButton) {
  struct Case {
    bool shown, enabled;
    int clicks;
  };
  for (const Case& c : {Case{true, true, 1}, Case{true, false, 0}, Case{false, true, 0}}) {
    SCOPED_TRACE(::testing::Message() << "shown " << c.shown << ", enabled " << c.enabled);
    form->okClicks = 0;
    form->ok.SetVisible(c.shown);
    form->ok.SetEnabled(c.enabled);
    SendMessageA(form->ok.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->okClicks, c.clicks);
  }
}

// Colours the frame and the disabled image may use; a glyph's own colours are
// none of these.
std::set<COLORREF> SystemColours() {
  std::set<COLORREF> colours;
  for (int index : {COLOR_BTNFACE, COLOR_3DHILIGHT, COLOR_3DLIGHT, COLOR_3DSHADOW, COLOR_3DDKSHADOW,
                    COLOR_WINDOWFRAME})
    colours.insert(GetSysColor(index));
  return colours;
}

bool HasOwnColours(const Canvas& canvas) {
  const std::set<COLORREF> system = SystemColours();
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (!system.count(canvas.Pixel(x, y))) return true;
  return false;
}

TEST_F(GlyphButtons, DisabledGlyphIsGreyAndTheFocusedButtonHasTheDefaultOutline) {
  // No caption: the picture is the frame and the glyph only.
  GlyphButton bare(form->panel, 20, "", Glyph::ArrowRight, {10, 10, kWidth, kHeight});
  struct Case {
    UINT state;
    bool ownColours, outline;
  };
  for (const Case& c : {Case{0, true, false}, Case{ODS_FOCUS, true, true}, Case{ODS_DISABLED, false, false}}) {
    SCOPED_TRACE(::testing::Message() << "state " << c.state);
    Canvas canvas(kWidth, kHeight);
    DRAWITEMSTRUCT item{ODT_BUTTON, 20, 0, ODA_DRAWENTIRE, c.state, bare.Handle(), canvas.Dc(),
                        {0, 0, kWidth, kHeight}, 0};
    bare.DrawItem(item);
    EXPECT_EQ(HasOwnColours(canvas), c.ownColours);
    EXPECT_EQ(HasDefaultOutline(canvas), c.outline);
  }
}

TEST_F(GlyphButtons, TheDefaultOutlineFollowsTheFocus) {
  form->SetDefaultButton(&form->ok);
  ShowAndPaint();
  struct Step {
    platform::Control* focus;
    bool okOutlined, declineOutlined;
  };
  for (const Step& s : {Step{&form->decline, false, true}, Step{&form->edit, true, false},
                        Step{&form->ok, true, false}, Step{&form->decline, false, true}}) {
    SCOPED_TRACE(::testing::Message() << "focus on control " << s.focus->Id());
    SetFocus(s.focus->Handle());
    ASSERT_EQ(GetFocus(), s.focus->Handle());
    Paint();
    EXPECT_EQ(HasDefaultOutline(form->ok.last), s.okOutlined);
    EXPECT_EQ(HasDefaultOutline(form->decline.last), s.declineOutlined);
  }
}

TEST_F(GlyphButtons, ANewCaptionIsDrawn) {
  ShowAndPaint();
  ASSERT_GT(form->ok.draws, 0);
  ASSERT_FALSE(GetUpdateRect(form->ok.Handle(), nullptr, FALSE));
  form->ok.SetText("&Accept");
  // Drawn again from the update region, whether or not the system drew it at once.
  EXPECT_TRUE(GetUpdateRect(form->ok.Handle(), nullptr, FALSE));
  Paint();
  EXPECT_EQ(form->ok.lastCaption, "&Accept");
  EXPECT_EQ(form->ok.Text(), "&Accept");
}

}  // namespace
