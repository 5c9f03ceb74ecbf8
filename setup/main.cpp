#include <windows.h>

#include <string>

#include "platform/application.h"
#include "platform/message_dialog.h"
#include "platform/path_chars.h"
#include "setup/command_line.h"
#include "setup/switch_checks.h"
#include "setup/unattended.h"
#include "setup/wizard_window.h"

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
  // The main window; it makes the install window and the reader when it first needs them.
  setup::WizardWindow wizard;
  wizard.Show(SW_SHOWMAXIMIZED);
  return app.Run();
}
