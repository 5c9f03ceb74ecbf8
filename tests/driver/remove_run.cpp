#include "remove_run.h"

#include <chrono>
#include <stdexcept>

#include "driver.h"
#include "remove/ids.h"

namespace driver {

RemoveRun RunRemoval(const std::string& commandLine, const std::string& answer, const std::string& sharedAnswer) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    throw std::runtime_error("cannot start " + commandLine);
  RemoveRun run;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (WaitForSingleObject(info.hProcess, 10) == WAIT_TIMEOUT) {
    if (std::chrono::steady_clock::now() > deadline) {
      TerminateProcess(info.hProcess, 255);
      break;
    }
    if (HWND window = FindTopLevel(info.dwProcessId, "TfRemove", "Removing")) {
      run.sawProgress = true;
      // The line changes as it is read: take it when two reads agree.
      HWND label = Child(window, uninstall::ids::status);
      const std::string status = Text(label);
      if (!status.empty() && status == Text(label) && (run.statuses.empty() || run.statuses.back() != status)) run.statuses.push_back(status);
    }
    for (HWND window : TopLevelWindows(info.dwProcessId)) {
      char cls[16] = {};
      GetClassNameA(window, cls, sizeof cls);
      if (std::string(cls) != "#32770") continue;
      const MessageBoxView box = ReadMessageBox(window);
      if (box.caption == "Confirm" && run.confirm.empty()) {
        run.confirm = box.text;
        Answer(box, answer);
      } else if (box.caption == "Confirm") {
        run.shared = box.text;
        if (!sharedAnswer.empty()) {
          Answer(box, sharedAnswer);
        } else {
          PressKey(box.handle, VK_RETURN);
          WaitUntil([&] { return !IsWindow(box.handle); });
        }
      } else {
        run.finalCaption = box.caption;
        run.final = box.text;
        Answer(box, "OK");
      }
    }
  }
  run.ended = WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
  GetExitCodeProcess(info.hProcess, &run.exitCode);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return run;
}

}  // namespace driver
