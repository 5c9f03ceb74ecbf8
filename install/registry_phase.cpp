#include "install/registry_phase.h"

#include <windows.h>

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

void WriteEntries(const script::Lines& list, CodeSet set, const CodeInputs& codes, Journal& journal) {
  for (std::size_t i = 0; i < list.size(); i += 4) {
    const RegEntry entry = ReadRegEntry(list, i);
    const std::string data = ExpandDataCode(entry.data, set, codes);
    journal.Value(entry.root, entry.path, entry.valueName);
    if (!WriteRegEntry(entry.root, entry.path, entry.valueName, data) && RootKeyIndex(entry.root))
      journal.ValueNotWritten(entry.root, entry.path, entry.valueName, GetLastError());
    journal.ValueSet(entry.root, entry.path, entry.valueName);
  }
}

// A missing config.cfg, or one that is not ours, is ignored without a word.
void ImportProductSettings(const std::string& sourceFolder, Journal& journal) {
  const std::string path = InFolder(sourceFolder, "config.cfg");
  if (!platform::FileExists(path)) return;
  const script::Lines lines = script::SplitLines(platform::ReadTextFile(path));
  if (!IsProductSettings(lines)) return;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const Setting setting = SplitSetting(lines.at(i));
    journal.Value("HKEY_LOCAL_MACHINE", kProductKey, setting.name);
    if (!WriteProductSetting(setting.name, setting.text))
      journal.ValueNotWritten("HKEY_LOCAL_MACHINE", kProductKey, setting.name, GetLastError());
    journal.ValueSet("HKEY_LOCAL_MACHINE", kProductKey, setting.name);
  }
}

}  // namespace

void RunRegistryPhase(const script::Sections& sections, const Folders& folders, Journal& journal) {
  const CodeInputs codes{folders.destination, ShortPathOrLong(folders.destination), folders.windows,
                         sections.exe, sections.uninst};
  WriteEntries(sections.reg, CodeSet::Reg, codes, journal);
  WriteEntries(sections.reg1, CodeSet::Reg1, codes, journal);
  ImportProductSettings(folders.source, journal);
  for (const std::string& line : sections.delreg)
    if (NamesSubkey(line)) DeleteClassesKey(line);
  WriteStartupEntries(sections, folders.destination, journal);
}

}  // namespace install
