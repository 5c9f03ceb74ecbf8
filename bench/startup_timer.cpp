// Times how long setup.exe takes from its start until its wizard shows the
// first page with the script read, against a program that shows one window
// and nothing more. Runs alternate between the two, so that a change in the
// machine's load falls on both alike.
// Usage: startup_timer RUNS SETUP_EXE MINIMAL_EXE
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"
#include "server_windows.h"
#include "timing.h"
#include "platform/handle.h"
#include "setup/ids.h"

namespace {

constexpr double kTarget = 1.3;
constexpr double kTimeoutMs = 15000;
constexpr int kWarmUpRuns = 3;

struct Target {
  const char* name;
  std::string program;
  const char* windowClass;
  const char* caption;
  bool (*ready)(HWND window);
  // Whatever the window shows is there: for the wizard, the status bar made
  // once the first page is up.
  bool (*whole)(HWND window);
  std::vector<double> times, wholeTimes;
};

bool Shown(HWND) { return true; }

bool ScriptRead(HWND wizard) {
  return bench::ServerText(driver::Child(wizard, setup::ids::installsText)).rfind("Setup will install ", 0) == 0;
}

bool StatusBarShown(HWND wizard) { return IsWindowVisible(driver::Child(wizard, setup::ids::statusBar)) != FALSE; }

void Stop(HANDLE process, HWND window) {
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process, 5000) == WAIT_OBJECT_0) return;
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
}

struct Start {
  double ready = -1, whole = -1;  // milliseconds; negative when not reached
};

// Milliseconds from the start of the program until its window is ready, and
// until it is whole.
Start TimeOneStart(const Target& target) {
  const std::string folder = target.program.substr(0, target.program.find_last_of('\\'));
  std::string commandLine = "\"" + target.program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const double start = bench::NowMs();
  Start times;
  if (!CreateProcessA(target.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info))
    return times;
  const platform::FileHandle process(info.hProcess), thread(info.hThread);
  HWND window = nullptr;
  while (bench::NowMs() - start < kTimeoutMs) {
    if (times.ready < 0) window = bench::FindVisible(info.dwProcessId, target.windowClass, target.caption);
    if (window && times.ready < 0 && target.ready(window)) times.ready = bench::NowMs() - start;
    if (times.ready >= 0 && target.whole(window)) {
      times.whole = bench::NowMs() - start;
      break;
    }
    // Doubles as the pause between polls; a program that ended early never gets ready.
    if (WaitForSingleObject(process.get(), 1) == WAIT_OBJECT_0) break;
  }
  Stop(process.get(), window);
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc == 4 ? std::atoi(argv[1]) : 0;
  if (runs < 1) {
    std::fprintf(stderr, "usage: startup_timer RUNS SETUP_EXE MINIMAL_EXE\n");
    return 2;
  }
  Target setup{"setup.exe", argv[2], "TfSetup", "Setup Utility", ScriptRead, StatusBarShown, {}, {}};
  Target minimal{"minimal window", argv[3], "MinimalWindow", "Minimal Window", Shown, Shown, {}, {}};

  // The first starts load the programs and Wine's libraries from disk.
  for (int i = 0; i < kWarmUpRuns; ++i)
    for (Target* target : {&setup, &minimal}) TimeOneStart(*target);

  for (int i = 0; i < runs; ++i) {
    for (Target* target : {&setup, &minimal}) {
      const Start times = TimeOneStart(*target);
      if (times.whole < 0) {
        std::printf("startup: %s did not show its window within %.0f s\n", target->name, kTimeoutMs / 1000);
        return 1;
      }
      target->times.push_back(times.ready);
      target->wholeTimes.push_back(times.whole);
    }
  }

  const bench::Summary s = bench::Summarise(setup.times), m = bench::Summarise(minimal.times);
  const double ratio = s.median / m.median;
  std::printf("startup: %d runs each: setup.exe median %.1f ms (min %.1f), minimal window median %.1f ms "
              "(min %.1f), ratio %.2f (target <= %.1f)%s\n",
              runs, s.median, s.min, m.median, m.min, ratio, kTarget, ratio <= kTarget ? "" : " OVER TARGET");
  const double whole = bench::Summarise(setup.wholeTimes).median;
  std::printf("         setup.exe with its status bar too: median %.1f ms, ratio %.2f\n", whole, whole / m.median);
  return ratio <= kTarget ? 0 : 1;
}
