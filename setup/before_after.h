#pragma once
// The steps before and after the install pass that the wizard and the
// unattended run share.
#include <string>
#include <vector>

#include "script/lines.h"

namespace setup {

// The install script beside the program, unscrambled when it is scrambled.
script::Lines ReadInstallScript(const std::string& sourceFolder);
// The user's Start Menu programs folder; "" when unknown.
std::string ProgramsFolder();
// Backs up the DOS start-up files; the backups made.
std::vector<std::string> BackupSystemFiles();
// The script's window title when a window with it is open, else "".
std::string RunningProduct(const script::Lines& ini);
std::string RunningCopyText(const std::string& title);
// The ":regadd" value: the file's full path in the destination.
void WriteLateValue(const std::string& destination, const script::Lines& lateValue);
// Starts the ":run" program.
void StartRunProgram(const std::string& destination, const std::string& runProgram);

}  // namespace setup
