#pragma once
// One run of the removal program, its windows answered from this process.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

struct RemoveRun {
  std::string confirm;  // the first "Confirm" question; "" when none came
  std::string shared;   // the shared-files question; "" when none came
  bool sawProgress = false;           // the "Removing" window came up
  std::vector<std::string> statuses;  // status lines seen on it; a quick removal may show none
  std::string finalCaption, final;    // the last message box ("Information" or "Error")
  DWORD exitCode = 0;
  bool ended = false;  // false: still running after the time-out (then killed)
};

// Starts the command line; answers the first question with `answer`, the
// shared-files question with `sharedAnswer` ("" presses Enter), and OK to
// the last message.
RemoveRun RunRemoval(const std::string& commandLine, const std::string& answer = "&Yes",
                     const std::string& sharedAnswer = "&Yes");

}  // namespace driver
