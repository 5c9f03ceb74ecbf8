// Makes the shortcut that check-lnkinfo reads with lnkinfo: the Start Menu
// step with the Programs folder given on the command line.
#include <objbase.h>

#include <cstdio>

#include "install/shortcut_names.h"
#include "install/shortcuts.h"
#include "platform/files.h"
#include "platform/text_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lnk_sample PROGRAMS-FOLDER\n");
    return 2;
  }
  if (FAILED(CoInitialize(nullptr))) return 1;
  const std::string destination = "C:\\lnkcheck\\App";
  platform::ForceDirectories(destination + "\\bin");
  platform::WriteTextFile(destination + "\\bin\\tool.exe", "MZ");
  shell::TShellLink link;
  script::Lines record;
  install::CreateGroupFolder(argv[1], "Tools");
  const script::Lines exe{"*04Tool1606", "bin\\tool.exe"};
  const std::string group = install::JoinPath(argv[1], "Tools");
  install::AddShortcutRecordLines(group, exe, record);
  install::MakeShortcuts(group, destination, exe, link, record, 0);
  CoUninitialize();
  return 0;
}
