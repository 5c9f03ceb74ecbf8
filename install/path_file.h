#pragma once
#include <string>

#include "script/lines.h"

namespace install {

// Builds the path file in `un` (after the uninstall record has been saved
// from it) and, when ":ini" names a file and at least one entry, saves it in
// the Windows folder, replacing any file of that name. A "~" path the system
// gives no short form for is written as it stands. A file that cannot be
// created raises "Cannot create file %s".
void WritePathFile(const script::Lines& iniwin, const std::string& windowsFolder,
                   const std::string& destination, script::Lines& un);

}  // namespace install
