// The message dialog and the reader, shown for real and answered from another
// thread through their windows, as a user's keys and clicks would.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "driver.h"
#include "platform/application.h"
#include "platform/late_bound.h"
#include "platform/message_dialog.h"
#include "reader/ids.h"
#include "reader/text_dialog.h"

namespace {

using namespace driver;
using platform::Buttons;
using platform::DialogType;

platform::Application& App() {
  static platform::Application app;
  return app;
}

// Runs `answer` on another thread while `show` runs the modal loop here.
template <typename Show>
auto WhileAnswering(std::function<void()> answer, Show show) {
  std::thread helper(std::move(answer));
  auto result = show();
  helper.join();
  return result;
}

MessageBoxView WaitForBox() { return WaitForMessageBox(GetCurrentProcessId()); }

struct BoxCase {
  DialogType type;
  unsigned buttons;
  const char* caption;
  std::vector<std::string> captions;
  int enter, esc;
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.caption; }

class MessageDialog : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageDialog, CaptionButtonsAndKeys) {
  App();
  const BoxCase& c = GetParam();
  MessageBoxView seen;
  const int enter = WhileAnswering(
      [&] {
        seen = WaitForBox();
        PressKey(seen.handle, VK_RETURN);
      },
      [&] { return platform::MessageDlg("Some text", c.type, c.buttons); });
  EXPECT_EQ(seen.caption, c.caption);
  EXPECT_EQ(seen.text, "Some text");
  EXPECT_EQ(seen.buttons, c.captions);
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_EQ(enter, c.enter);
  const int esc = WhileAnswering(
      [&] { PressKey(WaitForBox().handle, VK_ESCAPE); },
      [&] { return platform::MessageDlg("Some text", c.type, c.buttons); });
  EXPECT_EQ(esc, c.esc);
}

INSTANTIATE_TEST_SUITE_P(
    Types, MessageDialog,
    ::testing::Values(
        BoxCase{DialogType::Warning, Buttons::OK, "Warning", {"OK"}, 1, 1},
        BoxCase{DialogType::Error, Buttons::OK, "Error", {"OK"}, 1, 1},
        BoxCase{DialogType::Information, Buttons::OK | Buttons::Cancel, "Information", {"OK", "Cancel"}, 1, 2},
        BoxCase{DialogType::Confirmation, Buttons::Yes | Buttons::No, "Confirm", {"&Yes", "&No"}, 6, 7},
        BoxCase{DialogType::Warning, Buttons::Yes | Buttons::No | Buttons::Cancel, "Warning",
                {"&Yes", "&No", "Cancel"}, 6, 2}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.caption) + std::to_string(info.index); });

TEST(MessageDialogButtons, EachButtonGivesItsResult) {
  App();
  const unsigned all = Buttons::Yes | Buttons::No | Buttons::OK | Buttons::Cancel;
  for (const auto& [caption, result] : std::vector<std::pair<std::string, int>>{
           {"&Yes", 6}, {"&No", 7}, {"OK", 1}, {"Cancel", 2}}) {
    SCOPED_TRACE(caption);
    const int got = WhileAnswering([&, caption = caption] { PressButton(WaitForBox().handle, caption); },
                                   [&] { return platform::MessageDlg("?", DialogType::Confirmation, all); });
    EXPECT_EQ(got, result);
  }
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

TEST(MessageDialogBounds, ALongTextStaysOnTheScreenAndEnterPressesTheGivenDefault) {
  App();
  std::string text = "Remove these?";
  for (int line = 0; line < 200; ++line) text += "\r\nC:\\Shared\\file" + std::to_string(line) + ".dll";
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  bool boxInside = false, buttonsInside = true;
  const int enter = WhileAnswering(
      [&] {
        const MessageBoxView box = WaitForBox();
        RECT frame, button;
        GetWindowRect(box.handle, &frame);
        boxInside = Inside(frame, screen);
        for (const char* caption : {"&Yes", "&No"}) {
          GetWindowRect(FindWindowExA(box.handle, nullptr, "Button", caption), &button);
          buttonsInside = buttonsInside && Inside(button, frame);
        }
        PressKey(box.handle, VK_RETURN);
      },
      [&] { return platform::MessageDlg(text, DialogType::Confirmation, Buttons::Yes | Buttons::No, Buttons::No); });
  EXPECT_TRUE(boxInside);
  EXPECT_TRUE(buttonsInside);
  EXPECT_EQ(enter, platform::ResultNo);
}

// The application object must exist before any form.
struct WithApplication {
  WithApplication() { App(); }
};

class Reader : public ::testing::Test, WithApplication {
 protected:
  HWND WaitForReader() { return WaitForTopLevel(GetCurrentProcessId(), "TfReadMe", "Reader"); }
  reader::TextDialog dialog;
};

TEST_F(Reader, EnterRightAfterOpeningAcceptsAndEmptiesTheText) {
  dialog.memo.SetText("line one\r\nline two");
  const int result = WhileAnswering([&] { PressKey(WaitForReader(), VK_RETURN); },
                                    [&] { return dialog.ShowModal(); });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(dialog.memo.Text(), "");
  EXPECT_FALSE(dialog.Visible());
}

// Run also with Wine reporting Windows 95, whose edit control would cut the
// text at 64 KB: there the text goes to a rich edit control.
TEST_F(Reader, ShowsALongTextWhole) {
  std::string text;
  for (int line = 0; text.size() < 100000; ++line) text += "Clause " + std::to_string(line) + " {\\rtf1 kept as written.\r\n";
  dialog.memo.SetText(text);
  char windowClass[32] = "";
  GetClassNameA(dialog.memo.Handle(), windowClass, sizeof windowClass);
  EXPECT_STRCASEEQ(windowClass, platform::IsWindowsNT() ? "Edit" : "RichEdit");
  EXPECT_EQ(GetDlgCtrlID(dialog.memo.Handle()), reader::ids::text);
  EXPECT_TRUE(dialog.memo.Text() == text) << dialog.memo.Text().size() << " of " << text.size() << " bytes";
}

TEST_F(Reader, EscDeclinesAndKeepsTheText) {
  dialog.memo.SetText("terms");
  const int result = WhileAnswering([&] { PressKey(WaitForReader(), VK_ESCAPE); },
                                    [&] { return dialog.ShowModal(); });
  EXPECT_EQ(result, 2);
  EXPECT_EQ(dialog.memo.Text(), "terms");
}

TEST_F(Reader, WithDeclineHiddenEscDoesNothing) {
  dialog.declineButton.SetVisible(false);
  dialog.memo.SetText("readme");
  std::string textAfterEsc;
  bool openAfterEsc = false;
  const int result = WhileAnswering(
      [&] {
        HWND window = WaitForReader();
        PressKey(window, VK_ESCAPE);
        Sleep(300);
        openAfterEsc = Visible(window);
        Click(Child(window, reader::ids::ok));
      },
      [&] { return dialog.ShowModal(); });
  EXPECT_TRUE(openAfterEsc);
  EXPECT_EQ(result, 1);
}

TEST_F(Reader, LooksAsDesigned) {
  RECT client;
  GetClientRect(dialog.Handle(), &client);
  EXPECT_EQ(client.right, 385);
  EXPECT_EQ(client.bottom, 412);
  const LONG style = GetWindowLongA(dialog.Handle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongA(dialog.memo.Handle(), GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(GetWindowLongA(dialog.memo.Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(dialog.okButton.Text(), "&OK");
  EXPECT_EQ(dialog.declineButton.Text(), "&Decline");
}

}  // namespace
