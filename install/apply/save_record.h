#pragma once
#include <string>

#include "script/lines.h"

namespace install {

// Writes the record as `path` (unin.ini in the destination), every line ended
// by CR LF, replacing an earlier record even when it is read-only. The file
// is written whole or not at all; "Cannot create file %s" when it cannot be.
void SaveUninstallRecord(const script::Lines& record, const std::string& path);

}  // namespace install
