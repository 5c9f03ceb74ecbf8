// twremove.exe: removes a product installed by setup.exe, from the
// uninstall record (and the install journal) in the folder it is given.
#include <windows.h>

#include <string>

#include "platform/application.h"
#include "platform/message_dialog.h"
#include "remove/front_end.h"
#include "remove/outcomes.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  platform::Application app;
  const std::string line = arguments ? arguments : "";
  const uninstall::Options options = uninstall::ParseCommandLine(line);
  if (options.help) {
    platform::MessageDlg(std::string("twremove.exe ") + PROGRAM_VERSION + "\r\n\r\n" + uninstall::kUsage,
                         platform::DialogType::Information, platform::OK);
    return uninstall::kAllRemoved;
  }
  if (options.usageError) {
    if (!options.silent) platform::MessageDlg(uninstall::kUsage, platform::DialogType::Error, platform::OK);
    return uninstall::kCannotStart;
  }
  try {
    return uninstall::RunRemoval(options);
  } catch (const std::exception& error) {
    if (!options.silent) platform::MessageDlg(error.what(), platform::DialogType::Error, platform::OK);
    return uninstall::kCannotStart;
  }
}
