#pragma once
// What both front ends read before they plan an install: the script, the
// Start Menu programs folder and the machine's facts.
#include <string>

#include "install/plan/install_plan.h"
#include "script/lines.h"

namespace setup {

// The install script beside the program, unscrambled when it is scrambled.
script::Lines ReadInstallScript(const std::string& sourceFolder);
// The user's Start Menu programs folder; "" when unknown.
std::string ProgramsFolder();
// What the plan must know of this machine.
install::MachineFacts MachineFactsFor(const std::string& sourceFolder, const std::string& programsFolder);

}  // namespace setup
