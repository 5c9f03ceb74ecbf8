// The product version shown by the wizard.
#pragma once

#include <string>

#include "script/lines.h"

namespace script {

// The line after the last line that is exactly "Version" or "version", or
// "unknown" when there is none. Every line is tested, including the one after
// a match. A match on the script's last line throws ListIndexError.
std::string FindVersion(const Lines& script);
// The same, kept in `version` as the scan goes: after the throw it holds the
// version of the last complete match before the last line ("unknown" if none).
void FindVersion(const Lines& script, std::string& version);

}  // namespace script
