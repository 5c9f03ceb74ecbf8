#pragma once
// The uninstall record, unin.ini: the product title, the installed files, the
// shortcuts and the group folder, the destination marker and the script's
// registry blocks, one line each, for a separate removal program.
#include <string>

#include "script/lines.h"

namespace install {

// Appends the registry blocks: ":reg" after an empty line with every line of
// the section kept, ":reg1" and ":regremove" without their empty lines; each
// block closed by ":". Sections without lines add nothing.
void AddRegistryBlocks(script::Lines& record, const script::Lines& reg, const script::Lines& reg1,
                       const script::Lines& regremove);

// Writes the record as destination\unin.ini, every line ended by CR LF,
// replacing an earlier record even when it is read-only. The file is written
// whole or not at all; "Cannot create file %s" when it cannot be.
void SaveUninstallRecord(const script::Lines& record, const std::string& destination);

}  // namespace install
