#pragma once
// The uninstall record, unin.ini: the product title, the installed files, the
// shortcuts and the group folder, the destination marker and the script's
// registry blocks, one line each, for a separate removal program.
#include <string>

#include "install/plan/file_list.h"
#include "script/lines.h"
#include "script/sections.h"

namespace install {

// The record as the install pass saves it.
struct UninstallRecord {
  script::Lines lines;
  // Where the shortcut lines begin: the shortcut step puts the name of the
  // file that the shell actually wrote (".pif" included) in their place.
  std::size_t firstShortcut = 0;
};

// The whole record: the product title; with a ":files" section, the recorded
// files of the walk, one line per shortcut pair and the group folder line;
// then the destination marker (":" and the walk's last prefix) and the
// registry blocks. `group` is the Programs folder, "", the Start Menu folder.
UninstallRecord BuildUninstallRecord(const std::string& title, const script::Sections& lists,
                                     const std::string& group, const FileList& files);

// Appends the registry blocks: ":reg" after an empty line with every line of
// the section kept, ":reg1" and ":regremove" without their empty lines; each
// block closed by ":". Sections without lines add nothing.
void AddRegistryBlocks(script::Lines& record, const script::Lines& reg, const script::Lines& reg1,
                       const script::Lines& regremove);


}  // namespace install
