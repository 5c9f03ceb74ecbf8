// `setupkit check`: every fault of an install script that the install would
// hit, found by the same reader and engine rules that setup.exe runs.
#pragma once
#include <string_view>
#include <vector>

#include "kit/diagnostics.h"
#include "kit/file_set.h"

namespace kit {

// `text`: setup.ini as the file holds it, scrambled or clear. `dist`: the
// files beside it. Diagnostics come in line order within each kind of check.
std::vector<Diagnostic> CheckScript(std::string_view text, const FileSet& dist);

// config.cfg, which the install imports only when its first line is the
// product name.
std::vector<Diagnostic> CheckSettings(std::string_view text);

}  // namespace kit
