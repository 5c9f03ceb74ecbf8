#include "install/copy_files.h"

#include <windows.h>

#include "install/file_rules.h"
#include "install/paths.h"
#include "platform/files.h"

namespace install {

namespace {

constexpr int kDiskPrompts = 5;

// Where the destination does not exist yet, the attribute reset and the keep
// rule have nothing to do, and the copy is the whole work. Asking the system
// to copy only onto a new file finds that out in the copy itself: a separate
// look for the destination first would cost as much as the copy again.
bool CopyToNewFile(const std::string& source, const std::string& target) {
  return CopyFileA(source.c_str(), target.c_str(), TRUE) != 0;
}

// The destination exists (or the copy failed for another reason): reset its
// attributes, so read-only, hidden and system files are replaced too, leave
// a kept file as it is, and copy over the rest.
bool ReplaceFile(const std::string& source, const std::string& target, const KeepList& keep) {
  const bool exists = platform::FileExists(target);
  if (exists) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_ARCHIVE);
  if (exists && keep.Contains(ExtractFileName(target))) return true;
  return CopyFileA(source.c_str(), target.c_str(), FALSE) != 0;
}

}  // namespace

std::string CopyFiles(const script::Lines& files, const script::Lines& lbKeep, const Folders& folders,
                      CopyView& view, script::Lines& record, Journal& journal) {
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
    const bool created = CopyToNewFile(source, target);
    if (!created && !ReplaceFile(source, target, keep)) view.Tell("Error copying " + line);
    if (IsRecorded(line, name)) record.add(target);
    if (IsJournaled(name)) journal.File(target, created);
  }
  return prefix;
}

void CopyExtra(const std::string& extraFile, const std::string& extraFolder, const Folders& folders,
               Journal& journal) {
  if (extraFile.empty()) return;
  const std::string folder = InFolder(folders.destination, extraFolder);
  platform::ForceDirectories(folder);
  const std::string target = folder + "\\" + extraFile;
  journal.File(target, !platform::FileExists(target));
  CopyFileA(InFolder(folders.source, extraFile).c_str(), target.c_str(), FALSE);
}

}  // namespace install
