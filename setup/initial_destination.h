#pragma once
// The destination the wizard's page and an unattended install without /D=
// start from.
#include <string>

#include "script/lines.h"

namespace setup {

// A reinstall goes where the product is: the folder named by the path file
// an earlier install wrote into the Windows folder, when that folder exists.
// Otherwise the script's default below this machine's own Program Files
// folder (a German Windows has "C:\Programme").
std::string InitialDestination(const script::Lines& script);

}  // namespace setup
