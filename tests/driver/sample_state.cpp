#include "sample_state.h"

#include <stdexcept>

#include "raw_link.h"
#include "registry_values.h"
#include "remove_run.h"
#include "setup_run.h"

namespace driver {

namespace {

void AddContents(const std::string& folder, std::map<std::string, std::string>& into) {
  for (const std::string& name : FileNames(folder)) {
    const std::string path = folder + "\\" + name;
    if (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
      AddContents(path, into);
    } else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".lnk") == 0) {
      testing_support::RawLink link;
      testing_support::ReadRawLink(path, link);
      into[path] = link.target + "|" + link.arguments + "|" + link.workingDir + "|" + link.description + "|" +
                   std::to_string(link.hotKey) + "|" + std::to_string(link.showCmd);
    } else {
      into[path] = ReadFile(path);
    }
  }
}

}  // namespace

Snapshot SampleInstallState(const std::string& destination) {
  Snapshot now = TakeSnapshot({}, {{HKEY_LOCAL_MACHINE, "HKLM", "Software"},
                                   {HKEY_CURRENT_USER, "HKCU", "Software"},
                                   {HKEY_CLASSES_ROOT, "HKCR", ""}},
                              {"\\wine", "\\wow6432node", "\\clsid", "\\interface", "\\typelib", "software\\classes",
                               "explorer", "\\microsoft\\windows nt"});
  AddContents(destination, now.files);
  AddContents(ProgramsFolder() + "\\Marrowgate", now.files);
  for (const char* file : {"C:\\windows\\twremove.exe", "C:\\windows\\system\\qzmnd.386", "C:\\windows\\marrowgt.ini",
                           "C:\\windows\\system.ini", "C:\\windows\\marrow.ini",
                           "C:\\Program Files\\Common Files\\tarnwick.txt"})
    now.files[file] = ReadFile(file);
  return now;
}

void RemoveSampleInstall() {
  const std::string record = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marrowgate";
  const RemoveRun removal = RunRemoval(RegValue(HKEY_LOCAL_MACHINE, record, "UninstallString").value_or(""));
  if (!removal.ended || removal.exitCode != 0) throw std::runtime_error("the removal failed: " + removal.final);
  DeleteFileA("C:\\windows\\twremove.exe");
}

}  // namespace driver
