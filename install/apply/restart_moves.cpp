#include "install/apply/restart_moves.h"

#include <windows.h>

#include "install/plan/paths.h"
#include "install/plan/wininit.h"
#include "platform/files.h"
#include "platform/late_bound.h"
#include "platform/profile.h"
#include "platform/text_file.h"

namespace install {

bool MoveAtRestart(const std::string& source, const std::string& target) {
  static const auto moveEx = platform::LateBound<decltype(&MoveFileExA)>("kernel32.dll", "MoveFileExA");
  if (platform::IsWindowsNT())
    return moveEx && moveEx(source.c_str(), target.empty() ? nullptr : target.c_str(),
                            MOVEFILE_DELAY_UNTIL_REBOOT | (target.empty() ? 0 : MOVEFILE_REPLACE_EXISTING)) != 0;
  // wininit.ini names both by their 8.3 paths; a file in use has one.
  const std::string shortSource = platform::ShortPathName(source);
  const std::string shortTarget = target.empty() ? "NUL" : platform::ShortPathName(target);
  if (shortSource.empty() || shortTarget.empty()) return false;
  const std::string wininit = InFolder(platform::WindowsFolder(), "wininit.ini");
  try {
    // What another program wrote through the profile functions may still
    // be in Windows 95's cache: it is written out before the text is read.
    platform::FlushProfileCache(wininit);
    const std::string text = platform::FileExists(wininit) ? platform::ReadTextFile(wininit) : "";
    platform::WriteTextFile(wininit, AddMoveAtRestart(text, shortTarget, shortSource));
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace install
