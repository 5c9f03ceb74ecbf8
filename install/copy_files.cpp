#include "install/copy_files.h"

#include <windows.h>

#include <map>

#include "install/file_rules.h"
#include "install/paths.h"
#include "install/space_rules.h"
#include "install/registry_rules.h"
#include "install/restart_moves.h"
#include "install/source_copy.h"
#include "platform/file_version.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace install {

namespace {

constexpr int kDiskPrompts = 5;

// The copy goes to a temporary name beside the destination and takes the
// destination's name only once complete, so a full disk, an unreadable
// source or a disk pulled out mid-copy leaves no partial file, and an earlier
// file as it was. Only a destination that exists (the rename says so, nothing
// else) has its attributes reset, so read-only, hidden and system files are
// replaced too, and a kept one is left as it is. Without a keep list neither
// happens. The result tells the journal whether the file is new.
enum class Copied { Failed, New, OverEarlier, KeptNewer, AtRestart };

// Clears up after a failed copy and keeps its error code for the caller.
Copied Failed(const std::string& temporary, DWORD error) {
  platform::AbandonReplace(temporary);
  SetLastError(error);
  return Copied::Failed;
}

// A file whose version resource is higher than the source's stays.
bool NewerThere(const std::string& source, const std::string& target) {
  const std::optional<std::uint64_t> there = platform::FileVersion(target);
  if (!there) return false;
  const std::optional<std::uint64_t> ours = platform::FileVersion(source);
  return ours && *there > *ours;
}

// `shared`: a file outside the destination folder, which other programs may
// use; an older disk never downgrades it.
Copied InstallFile(const std::string& source, const std::string& target, const KeepList* keep, bool shared) {
  if (shared && NewerThere(source, target)) return Copied::KeptNewer;
  const std::string temporary = platform::ReplaceNamesFor(target).temporary;
  if (!CopySource(source, temporary)) return Failed(temporary, GetLastError());
  if (MoveFileA(temporary.c_str(), target.c_str())) return Copied::New;
  const DWORD error = GetLastError();
  if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return Failed(temporary, error);
  if (keep) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_ARCHIVE);
  if (keep && keep->Contains(ExtractFileName(target))) {
    platform::AbandonReplace(temporary);
    return Copied::OverEarlier;
  }
  platform::ResolveInterruptedReplace(target);
  switch (platform::FinishReplace(temporary, target)) {
    case platform::Replaced::Done: return Copied::OverEarlier;
    case platform::Replaced::Failed: return Copied::Failed;
    case platform::Replaced::InUse: break;
  }
  // A file in use (a library a running program has loaded) takes the new
  // copy when Windows starts again.
  const DWORD inUse = GetLastError();
  return MoveAtRestart(temporary, target) ? Copied::AtRestart : Failed(temporary, inUse);
}

// A copy that failed wrote nothing of the install's: an earlier file may stand there.
void Note(Journal& journal, const std::string& target, Copied copied) {
  if (copied == Copied::Failed)
    journal.FileFailed(target);
  else if (copied == Copied::KeptNewer)
    journal.FileKeptNewer(target);
  else if (copied == Copied::AtRestart)
    journal.FileAtRestart(target);
  else
    journal.File(target, copied == Copied::New);
}

// A shared file counts one more user, as the platform's installers count
// them; one that was there without a count had a user already.
void CountUse(const std::string& target, bool existed, Journal& journal) {
  namespace registry = platform::registry;
  const std::optional<DWORD> before = registry::ReadDword(HKEY_LOCAL_MACHINE, kSharedDllsKey, target);
  journal.UseCount(target, before);
  registry::WriteDword(HKEY_LOCAL_MACHINE, kSharedDllsKey, target, (before ? *before : existed ? 1 : 0) + 1);
}

}  // namespace

bool EnoughSpace(const FileList& list, const std::string& sourceFolder, const std::string& title, CopyView& view) {
  // A replaced file needs its whole size while the earlier one still stands.
  std::map<std::string, std::uint64_t> needed;
  for (const FileStep& step : list.steps) {
    const std::string root = DriveRoot(step.target);
    if (!root.empty()) needed[root] += InstalledSize(InFolder(sourceFolder, step.line)).value_or(0);
  }
  for (const auto& [root, bytes] : needed) {
    const std::optional<std::uint64_t> free = platform::FreeDiskSpace(root);
    if (free && *free < bytes && !view.Ask(NotEnoughSpaceText(root, title, bytes, *free))) return false;
  }
  return true;
}

CopyResult CopyFiles(const FileList& list, std::size_t entries, const script::Lines& lbKeep, const Folders& folders,
                     CopyView& view, Journal& journal) {
  const KeepList keep(lbKeep);
  CopyResult result;
  for (const FileStep& step : list.steps) {
    view.SetStatus("Copying file: " + step.line);
    view.SetProgress(ProgressPosition(step.index, entries));
    const std::string source = InFolder(folders.source, step.line);
    // Up to five prompts for the next disk; after the fifth the copy is tried anyway.
    for (int prompt = 0; prompt < kDiskPrompts && !platform::FileExists(source); ++prompt)
      if (!view.InsertDisk(step.line)) break;
    view.Repaint();
    const bool shared = !InsideFolder(step.target, folders.destination);
    const Copied copied = InstallFile(source, step.target, &keep, shared);
    if (copied == Copied::Failed) {
      view.CopyFailed(step.line, GetLastError());
      ++result.failed;
    }
    if (copied == Copied::AtRestart) result.restartNeeded = true;
    if (IsJournaled(ExtractFileName(step.target))) {
      Note(journal, step.target, copied);
      if (shared && copied != Copied::Failed) CountUse(step.target, copied != Copied::New, journal);
    }
    else if (copied != Copied::Failed) view.Note("file: " + step.target);
  }
  return result;
}

void CopyExtra(const std::string& extraFile, const std::string& extraFolder, const Folders& folders,
               Journal& journal) {
  if (extraFile.empty()) return;
  const std::string folder = InFolder(folders.destination, extraFolder);
  journal.FoldersMade(platform::ForceDirectories(folder));
  const std::string target = folder + "\\" + extraFile;
  Note(journal, target, InstallFile(InFolder(folders.source, extraFile), target, nullptr, false));
}

}  // namespace install
