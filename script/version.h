// The product version shown by the wizard.
#pragma once

#include <string>

#include "script/lines.h"

namespace script {

// The line after the last line that is exactly "Version" or "version", or
// "unknown" when there is none. Every line is tested, including the one after
// a match. A match on the script's last line throws ListIndexError.
std::string FindVersion(const Lines& script);

}  // namespace script
