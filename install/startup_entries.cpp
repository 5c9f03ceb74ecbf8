#include "install/startup_entries.h"

#include "install/data_codes.h"
#include "install/registry_ops.h"

namespace install {

void WriteStartupEntries(const script::Sections& sections, const std::string& destination) {
  if (!sections.runServices.empty())
    AddRunServicesEntry(sections.runServices, ProgramCommand(destination, sections.exe));
  if (!sections.runStart.empty())
    AddRunEntry(sections.runStart, ProgramCommand(destination, sections.exe));
}

}  // namespace install
