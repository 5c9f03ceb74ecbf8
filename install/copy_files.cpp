#include "install/copy_files.h"

#include <windows.h>

#include "install/file_rules.h"
#include "install/paths.h"
#include "platform/files.h"

namespace install {

namespace {

constexpr int kDiskPrompts = 5;

std::string WithBackslash(const std::string& folder) {
  return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

}  // namespace

std::string CopyFiles(const script::Lines& files, const script::Lines& lbKeep, const Folders& folders,
                      CopyView& view, script::Lines& record) {
  const KeepList keep(lbKeep);
  std::string prefix;
  bool copying = true;
  for (std::size_t index = 0; index < files.size(); ++index) {
    const std::string& line = files.at(index);
    if (line.empty()) copying = false;
    if (auto directive = DirectivePrefix(line, folders.windows, folders.destination)) {
      prefix = *directive;
      copying = true;
      continue;
    }
    if (!copying || line.empty()) continue;

    view.SetStatus("Copying file: " + line);
    view.SetProgress(ProgressPosition(index, files.size()));
    const std::string source = folders.source + "\\" + line;
    // Up to five prompts for the next disk; after the fifth the copy is tried anyway.
    for (int prompt = 0; prompt < kDiskPrompts && !platform::FileExists(source); ++prompt)
      view.Tell("Insert the disk with " + line);
    view.Repaint();

    const std::string name = InstalledName(line);
    const std::string target = prefix + name;
    const bool exists = platform::FileExists(target);
    // Read-only, hidden and system files are replaced too.
    if (exists) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    const bool kept = exists && keep.Contains(ExtractFileName(target));
    if (!kept && !CopyFileA(source.c_str(), target.c_str(), FALSE)) view.Tell("Error copying " + line);
    if (IsRecorded(line, name)) record.add(target);
  }
  return prefix;
}

void CopyExtra(const std::string& extraFile, const std::string& extraFolder, const Folders& folders) {
  if (extraFile.empty()) return;
  const std::string folder = WithBackslash(folders.destination) + extraFolder;
  platform::ForceDirectories(folder);
  CopyFileA((WithBackslash(folders.source) + extraFile).c_str(), (folder + "\\" + extraFile).c_str(), FALSE);
}

}  // namespace install
