#include "install/plan/file_list.h"

#include "install/plan/file_rules.h"

namespace install {

// Kept out of line: GCC 12's link-time optimiser fails with an internal
// error (binds_to_current_def_p) when it inlines this walk into the install pass.
[[gnu::noinline]] FileList WalkFileList(const script::Lines& files, const std::string& windowsFolder,
                      const std::string& destination, const LastCharacterOf& lastCharacterOf) {
  FileList list;
  bool copying = true;
  for (std::size_t index = 0; index < files.size(); ++index) {
    const std::string& line = files.at(index);
    if (line.empty()) copying = false;
    if (auto directive = DirectivePrefix(line, windowsFolder, destination)) {
      list.prefix = *directive;
      copying = true;
      continue;
    }
    if (!copying || line.empty()) continue;
    const bool compressedName = lastCharacterOf && line.back() == '_';
    const std::string name = InstalledName(line, compressedName ? lastCharacterOf(line) : 0);
    list.steps.push_back({index, line, list.prefix + name, IsRecorded(line, name)});
  }
  return list;
}

}  // namespace install
