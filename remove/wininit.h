#pragma once
// Windows 95 and 98 delete a file at the next start when wininit.ini's
// [rename] section holds "NUL=<short path>" for it. Several such lines may
// stand there, so they are added as text, not through the profile API.
#include <string>

namespace uninstall {

// The text of wininit.ini (perhaps empty) with one more "NUL=" line at the
// end of its [rename] section, which is added when missing.
std::string AddDeleteAtRestart(const std::string& text, const std::string& shortPath);

}  // namespace uninstall
