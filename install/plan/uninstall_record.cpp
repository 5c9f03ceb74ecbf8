#include "install/plan/uninstall_record.h"

#include "install/plan/shortcut_names.h"

namespace install {

namespace {

void AddBlock(script::Lines& record, const char* marker, const script::Lines& lines, bool keepEmpty) {
  if (lines.empty()) return;
  record.add(marker);
  for (const auto& line : lines)
    if (keepEmpty || !line.empty()) record.add(line);
  record.add(":");
}

}  // namespace

void AddRegistryBlocks(script::Lines& record, const script::Lines& reg, const script::Lines& reg1,
                       const script::Lines& regremove) {
  if (!reg.empty()) record.add("");
  AddBlock(record, ":reg", reg, true);
  AddBlock(record, ":reg1", reg1, false);
  AddBlock(record, ":regremove", regremove, false);
}

UninstallRecord BuildUninstallRecord(const std::string& title, const script::Sections& lists,
                                     const std::string& group, const FileList& files) {
  UninstallRecord record;
  record.lines.add(title);
  if (!lists.files.empty()) {
    for (const FileStep& step : files.steps)
      if (step.recorded) record.lines.add(step.target);
    record.firstShortcut = record.lines.size();
    AddShortcutRecordLines(group, lists.exe, record.lines);
  }
  record.lines.add(":" + files.prefix);
  AddRegistryBlocks(record.lines, lists.reg, lists.reg1, lists.regremove);
  return record;
}

}  // namespace install
