#include "install/registry_phase.h"

#include "install/data_codes.h"
#include "install/paths.h"
#include "install/registry_ops.h"
#include "install/registry_rules.h"
#include "install/short_path.h"
#include "install/startup_entries.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace install {

namespace {

void WriteEntries(const script::Lines& list, CodeSet set, const CodeInputs& codes) {
  for (std::size_t i = 0; i < list.size(); i += 4) {
    const RegEntry entry = ReadRegEntry(list, i);
    WriteRegEntry(entry.root, entry.path, entry.valueName, ExpandDataCode(entry.data, set, codes));
  }
}

// A missing config.cfg, or one that is not ours, is ignored without a word.
void ImportProductSettings(const std::string& sourceFolder) {
  const std::string path = InFolder(sourceFolder, "config.cfg");
  if (!platform::FileExists(path)) return;
  const script::Lines lines = script::SplitLines(platform::ReadTextFile(path));
  if (!IsProductSettings(lines)) return;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const Setting setting = SplitSetting(lines.at(i));
    WriteProductSetting(setting.name, setting.text);
  }
}

}  // namespace

void RunRegistryPhase(const script::Sections& sections, const Folders& folders) {
  const CodeInputs codes{folders.destination, ShortPathOrLong(folders.destination), folders.windows,
                         sections.exe, sections.uninst};
  WriteEntries(sections.reg, CodeSet::Reg, codes);
  WriteEntries(sections.reg1, CodeSet::Reg1, codes);
  ImportProductSettings(folders.source);
  for (const std::string& line : sections.delreg)
    if (NamesSubkey(line)) DeleteClassesKey(line);
  WriteStartupEntries(sections, folders.destination);
}

}  // namespace install
