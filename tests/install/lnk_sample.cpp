// Makes the shortcut that check-lnkinfo reads with lnkinfo: the Start Menu
// step with the Programs folder given on the command line.
#include <cstdio>

#include "engine_run.h"
#include "platform/files.h"
#include "platform/text_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lnk_sample PROGRAMS-FOLDER\n");
    return 2;
  }
  const std::string destination = "C:\\lnkcheck\\App";
  platform::ForceDirectories(destination + "\\bin");
  platform::WriteTextFile(destination + "\\bin\\tool.exe", "MZ");
  const driver::EngineRun run = driver::RunEngine(
      {"\\App", "Tools", "Tool", ":files", "-install", ":", ":exe", "*04Tool1606", "bin\\tool.exe", ":"},
      destination, destination, argv[1]);
  return run.outcome.ending == install::Ending::Installed ? 0 : 1;
}
