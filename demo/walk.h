// Clicks through the sample product's install from another process, the
// way a user would, and keeps what each window showed.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setup_run.h"

namespace demo {

struct WizardView {
  std::string title, version, welcome, destination, startMenu;
  std::vector<std::string> startMenuChoices;
  // The last page's summary.
  std::string summaryDestination, summaryStartMenu, summaryReadme;
};

struct Walk {
  WizardView wizard;
  std::string licence, readme, exitMessage, question;
  DWORD exitCode = 0;
  std::vector<std::string> diskPrompts;  // "Insert the disk with ..." texts, in order
};

// Puts the disk with the named file into the drive.
using DiskChanger = std::function<void(const std::string& line)>;

// Next four times, Install, Accept the licence, OK the README and the exit
// message, then `runAnswer` ("&Yes" or "&No") to the closing question, and
// waits for the program to end. Throws std::runtime_error naming the step
// whose window did not come, with the message boxes then open.
// A product on several disks: each prompt for the next disk is answered
// with OK once `changeDisk` has put it in.
Walk WalkThrough(driver::SetupRun& run, const std::string& runAnswer, const DiskChanger& changeDisk = nullptr);

}  // namespace demo
