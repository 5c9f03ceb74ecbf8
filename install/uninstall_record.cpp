#include "install/uninstall_record.h"

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

}  // namespace install
