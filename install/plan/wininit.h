#pragma once
// Windows 95 and 98 carry out wininit.ini's [rename] section at the next
// start: "DEST=SOURCE" moves SOURCE over DEST, "NUL=SOURCE" deletes it, both
// by 8.3 paths. Several such lines may stand there, so they are added as
// text, not through the profile API.
#include <string>

namespace install {

// The text of wininit.ini (perhaps empty) with one more line at the end of
// its [rename] section, which is added when missing.
std::string AddMoveAtRestart(const std::string& text, const std::string& destination, const std::string& source);

}  // namespace install
