#include "install/startup_entries.h"

#include <windows.h>

#include "install/data_codes.h"
#include "install/registry_ops.h"

namespace install {

void WriteStartupEntries(const script::Sections& sections, const std::string& destination, Journal& journal) {
  if (!sections.runServices.empty()) {
    const std::string command = ProgramCommand(destination, sections.exe);
    journal.Value("HKEY_LOCAL_MACHINE", kRunServicesKey, sections.runServices);
    if (!AddRunServicesEntry(sections.runServices, command))
      journal.ValueNotWritten("HKEY_LOCAL_MACHINE", kRunServicesKey, sections.runServices, GetLastError());
    journal.ValueSet("HKEY_LOCAL_MACHINE", kRunServicesKey, sections.runServices);
  }
  if (!sections.runStart.empty()) {
    const std::string command = ProgramCommand(destination, sections.exe);
    journal.Value("HKEY_LOCAL_MACHINE", kRunKey, sections.runStart);
    if (!AddRunEntry(sections.runStart, command))
      journal.ValueNotWritten("HKEY_LOCAL_MACHINE", kRunKey, sections.runStart, GetLastError());
    journal.ValueSet("HKEY_LOCAL_MACHINE", kRunKey, sections.runStart);
  }
}

}  // namespace install
