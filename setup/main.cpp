#include <windows.h>

#include "install/session.h"
#include "install/uCopy.h"
#include "platform/application.h"
#include "reader/uReadMe.h"
#include "setup/uSetup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  platform::Application app;
  install::Session session;
  // Made in this order; the first is the main window and the only one shown.
  setup::TfSetup fSetup(session);
  install::TfCopy fCopy(session, fSetup);
  reader::TfReadMe fReadMe;
  fSetup.SetInstallWindow(&fCopy);
  fCopy.SetReader(&fReadMe);
  fSetup.Show(SW_SHOWMAXIMIZED);
  return app.Run();
}
