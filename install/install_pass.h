#pragma once
// The install pass: one request in, one outcome out. The front end answers
// the pass's questions; nothing of the pass knows which one it is.
#include <cstddef>
#include <string>

#include "install/front_end.h"
#include "script/lines.h"
#include "shell/SheLink.h"

namespace install {

struct InstallRequest {
  std::string sourceFolder;    // the distribution folder, no trailing backslash
  std::string programsFolder;  // the user's Start Menu programs folder; "" when unknown
  std::string destination;     // no trailing backslash
  std::string group;           // the Start Menu folder, below programsFolder
  bool readmeWanted = false;
  script::Lines script;
};

enum class PassEnd {
  Stopped,      // a step raised an error: nothing after it was done
  Declined,     // the licence was declined, before any change
  NoSpace,      // No to a disk too small, before any change
  Done,
};

struct InstallOutcome {
  PassEnd end = PassEnd::Stopped;
  // Filled as soon as the script is read, so an error later keeps them.
  script::Lines lateValue;  // ":regadd": key, value name, file in the destination
  bool restartWanted = false;
  std::string runProgram;  // relative to the destination folder
  std::size_t failedCopies = 0;
  // Registry values whose key did not open (an NT user without the right to
  // write there): the log names them, the wizard says nothing, as it always has.
  std::size_t valuesNotWritten = 0;

  // Declined, or No to a disk too small: the pass changed nothing, so the
  // front end writes no late value and asks no closing question.
  bool NothingInstalled() const { return end == PassEnd::Declined || end == PassEnd::NoSpace; }
};

// Runs the pass; a step's error is thrown on, with `outcome` as far as it got.
// The shell link object needs COM.
void RunInstallPass(const InstallRequest& request, FrontEnd& frontEnd, shell::TShellLink& link,
                    InstallOutcome& outcome);

}  // namespace install
