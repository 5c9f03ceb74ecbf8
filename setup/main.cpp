#include <windows.h>

#include <string>

#include "install/session.h"
#include "install/uCopy.h"
#include "platform/application.h"
#include "platform/message_dialog.h"
#include "platform/path_chars.h"
#include "reader/uReadMe.h"
#include "setup/command_line.h"
#include "setup/switch_checks.h"
#include "setup/uSetup.h"
#include "setup/unattended.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  // A drive without its disk is met by the program's own prompt for the
  // disk; the system's box would come before it.
  SetErrorMode(SEM_FAILCRITICALERRORS);
  platform::SetLeadByteTest([](unsigned char c) { return IsDBCSLeadByte(c) != FALSE; });
  platform::Application app;
  setup::Options options = setup::ParseCommandLine(arguments ? arguments : "");
  setup::CheckDestinationFolder(options);
  if (options.usageError) {
    setup::ReportUsageError(options);
    return setup::kUsageError;
  }
  if (options.help) {
    platform::MessageDlg(std::string("setup.exe ") + PROGRAM_VERSION + "\r\n\r\n" + setup::kUsage,
                         platform::DialogType::Information, platform::OK);
    return setup::kInstalled;
  }
  if (options.silent) return setup::RunUnattended(options);
  install::Session session;
  // Made in this order; the first is the main window and the only one shown.
  setup::TfSetup fSetup(session);
  install::TfCopy fCopy(session);
  reader::TfReadMe fReadMe;
  fSetup.SetInstallWindow(&fCopy);
  fCopy.SetReader(&fReadMe);
  fSetup.Show(SW_SHOWMAXIMIZED);
  return app.Run();
}
