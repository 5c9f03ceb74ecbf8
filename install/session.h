#pragma once
#include <string>

namespace install {

// The process-wide values that the wizard and the install window share.
struct Session {
  std::string SourceFolder;    // folder of the running program, no trailing backslash
  std::string ProgramsFolder;  // the user's Start Menu programs folder; "" when unknown
  bool InstallStarted = false;  // set once the install pass has begun
};

}  // namespace install
