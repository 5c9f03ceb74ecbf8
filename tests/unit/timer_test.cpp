// A form's timer on a real window: its id is one that Windows 95 keeps whole
// (16 bits), and its WM_TIMER reaches the timer.
#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace {

TEST(Timer, HasASmallIdAndFires) {
  static platform::Application app;
  platform::Form form("TTimerTest", "Timers", platform::Form::Style{});
  platform::Timer first(form, 10), second(form, 10);
  int fired = 0;
  second.OnTimer = [&] { ++fired; };
  second.SetEnabled(true);
  MSG msg;
  while (fired == 0 && GetMessageA(&msg, form.Handle(), 0, 0) > 0) {
    if (msg.message == WM_TIMER) {
      EXPECT_LE(msg.wParam, 0xFFFFu);
    }
    DispatchMessageA(&msg);
  }
  EXPECT_EQ(fired, 1);
}

}  // namespace
