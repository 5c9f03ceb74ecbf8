// Times how long setup.exe takes from its start until its wizard shows the
// first page with the script read, against a program that shows one window
// and nothing more. Runs alternate between the two, so that a change in the
// machine's load falls on both alike.
// Usage: startup_timer RUNS SETUP_EXE MINIMAL_EXE
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"
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
  std::vector<double> times;
};

bool Shown(HWND) { return true; }

// Window texts and classes are read from the window server alone
// (GetWindowText of another process's window sends it nothing), so that
// watching a program does not slow it down.
std::string ServerText(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool ScriptRead(HWND wizard) {
  return ServerText(driver::Child(wizard, setup::ids::Label10)).rfind("Setup will install ", 0) == 0;
}

HWND FindVisible(DWORD pid, const char* windowClass, const char* caption) {
  for (HWND w : driver::TopLevelWindows(pid)) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::string(name) == windowClass && ServerText(w) == caption) return w;
  }
  return nullptr;
}

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

void Stop(HANDLE process, HWND window) {
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process, 5000) == WAIT_OBJECT_0) return;
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
}

// Milliseconds from the start of the program until its window is ready;
// negative when it does not get there.
double TimeOneStart(const Target& target) {
  const std::string folder = target.program.substr(0, target.program.find_last_of('\\'));
  std::string commandLine = "\"" + target.program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const double start = NowMs();
  if (!CreateProcessA(target.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info))
    return -1;
  const platform::FileHandle process(info.hProcess), thread(info.hThread);
  HWND window = nullptr;
  double elapsed = -1;
  while (NowMs() - start < kTimeoutMs) {
    window = FindVisible(info.dwProcessId, target.windowClass, target.caption);
    if (window && target.ready(window)) {
      elapsed = NowMs() - start;
      break;
    }
    // Doubles as the pause between polls; a program that ended early never gets ready.
    if (WaitForSingleObject(process.get(), 1) == WAIT_OBJECT_0) break;
  }
  Stop(process.get(), window);
  return elapsed;
}

struct Summary {
  double median, min;
};

Summary Summarise(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  return {median, times.front()};
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc == 4 ? std::atoi(argv[1]) : 0;
  if (runs < 1) {
    std::fprintf(stderr, "usage: startup_timer RUNS SETUP_EXE MINIMAL_EXE\n");
    return 2;
  }
  Target setup{"setup.exe", argv[2], "TfSetup", "Setup Utility", ScriptRead, {}};
  Target minimal{"minimal window", argv[3], "MinimalWindow", "Minimal Window", Shown, {}};

  // The first starts load the programs and Wine's libraries from disk.
  for (int i = 0; i < kWarmUpRuns; ++i)
    for (Target* target : {&setup, &minimal}) TimeOneStart(*target);

  for (int i = 0; i < runs; ++i) {
    for (Target* target : {&setup, &minimal}) {
      const double ms = TimeOneStart(*target);
      if (ms < 0) {
        std::printf("startup: %s did not show its window within %.0f s\n", target->name, kTimeoutMs / 1000);
        return 1;
      }
      target->times.push_back(ms);
    }
  }

  const Summary s = Summarise(setup.times), m = Summarise(minimal.times);
  const double ratio = s.median / m.median;
  std::printf("startup: %d runs each: setup.exe median %.1f ms (min %.1f), minimal window median %.1f ms "
              "(min %.1f), ratio %.2f (target <= %.1f)%s\n",
              runs, s.median, s.min, m.median, m.min, ratio, kTarget, ratio <= kTarget ? "" : " OVER TARGET");
  return ratio <= kTarget ? 0 : 1;
}
