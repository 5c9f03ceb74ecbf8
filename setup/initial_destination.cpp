#include "setup/initial_destination.h"

#include <windows.h>

#include "install/plan/path_file_lines.h"
#include "install/plan/paths.h"
#include "platform/files.h"
#include "platform/path_chars.h"
#include "platform/registry.h"
#include "platform/text_file.h"
#include "script/sections.h"
#include "setup/wizard_rules.h"

namespace setup {

namespace {

std::string ProgramFilesFolder() {
  const auto value = platform::registry::ReadValue(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                                                   "ProgramFilesDir");
  if (!value || value->type != REG_SZ || value->data.c_str()[0] == '\0') return "C:\\Program Files";
  return platform::WithoutTrailingBackslash(value->data.c_str());
}

// The folder the path file of an earlier install names, when it exists.
std::string EarlierFolder(const script::Lines& script) {
  // The path file is written when the ":ini" section has two lines or more.
  const script::Lines iniLines = script::ReadSections(script).iniLines;
  if (iniLines.size() < 2 || !install::IsPathFileName(iniLines.at(0))) return "";
  const std::string pathFile = install::InFolder(platform::WindowsFolder(), iniLines.at(0));
  const std::string earlier = platform::FileExists(pathFile) ? EarlierDestination(platform::ReadTextFile(pathFile)) : "";
  return !earlier.empty() && platform::DirectoryExists(earlier) ? earlier : "";
}

}  // namespace

std::string InitialDestination(const script::Lines& script) {
  std::string earlier;
  try {
    earlier = EarlierFolder(script);
  } catch (const std::exception&) {
    // A script the install cannot read says so when the install reads it,
    // and an unreadable path file names no folder.
  }
  return earlier.empty() ? DefaultDestination(script.at(0), ProgramFilesFolder()) : earlier;
}

}  // namespace setup
