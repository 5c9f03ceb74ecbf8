#include "setup/install_inputs.h"

#include <windows.h>

#include "install/plan/paths.h"
#include "install/apply/source_copy.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/text_file.h"
#include "script/unscramble.h"

namespace setup {

script::Lines ReadInstallScript(const std::string& sourceFolder) {
  script::Lines ini = script::SplitLines(platform::ReadTextFile(sourceFolder + "\\setup.ini"));
  // An empty line 0 has no scramble mark: the script is read as clear text.
  if (script::IsScrambled(ini)) script::Unscramble(ini);
  return ini;
}

std::string ProgramsFolder() {
  return platform::registry::ReadString(
      HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs");
}

install::MachineFacts MachineFactsFor(const std::string& sourceFolder, const std::string& programsFolder) {
  install::MachineFacts facts;
  facts.sourceFolder = sourceFolder;
  facts.windows = platform::WindowsFolder();
  facts.programsFolder = programsFolder;
  facts.licenceThere = platform::FileExists(install::InFolder(sourceFolder, "license.ini"));
  // A name ending in "_" may have its last character in its compressed header.
  facts.lastCharacterOf = [sourceFolder](const std::string& line) {
    return install::CompressedLastCharacter(install::InFolder(sourceFolder, line));
  };
  return facts;
}

}  // namespace setup
