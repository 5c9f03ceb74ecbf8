// `setupkit check`: every fault of an install script that the install would
// hit, found by the same reader and engine rules that setup.exe runs.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "kit/diagnostics.h"
#include "kit/file_set.h"

namespace kit {

// `text`: setup.ini as the file holds it, scrambled or clear. `dist`: the
// files beside it. Diagnostics come in line order within each kind of check.
std::vector<Diagnostic> CheckScript(std::string_view text, const FileSet& dist);

// The most bytes of a licence or README that every system's text box shows
// whole (Windows 95, 98 and Me hold 64 KB in one), with room to spare.
inline constexpr std::size_t kShownFileLimit = 60000;

// readme.txt, license.ini (clear) and config.cfg, which the install reads or
// shows split at CR LF: a lone LF, and a licence or README too long to show.
std::vector<Diagnostic> CheckShownFile(const std::string& name, std::string_view text);

// config.cfg, which the install imports only when its first line is the
// product name.
std::vector<Diagnostic> CheckSettings(std::string_view text);

}  // namespace kit
