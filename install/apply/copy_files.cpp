#include "install/apply/copy_files.h"

#include <windows.h>

#include <map>
#include <utility>

#include "install/plan/file_rules.h"
#include "install/plan/paths.h"
#include "install/plan/space_rules.h"
#include "install/plan/szdd.h"
#include "install/plan/registry_rules.h"
#include "install/apply/restart_moves.h"
#include "install/apply/source_copy.h"
#include "platform/file_version.h"
#include "platform/files.h"
#include "platform/new_file.h"
#include "platform/registry.h"

namespace install {

namespace {

constexpr int kDiskPrompts = 5;

// The copy goes to a temporary name beside the destination and takes the
// destination's name only once complete, so a full disk, an unreadable
// source or a disk pulled out mid-copy leaves no partial file, and an earlier
// file as it was. Only a destination that exists (the rename says so, nothing
// else) has its attributes reset, so read-only, hidden and system files are
// replaced too, and a kept one is left as it is. The ":extra" file has
// neither. The result tells the journal whether the file is new.
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

// `kept`: a ":keep" name, which an earlier file keeps; `resetAttributes`: a
// ":files" entry, which replaces read-only, hidden and system files too;
// `shared`: a file outside the destination folder, which other programs may
// use, and which an older disk never downgrades.
Copied InstallFile(const std::string& source, const std::string& target, bool kept, bool resetAttributes,
                   bool shared) {
  if (shared && NewerThere(source, target)) return Copied::KeptNewer;
  const std::string temporary = platform::ReplaceNamesFor(target).temporary;
  platform::FileHandle written = CopySource(source, temporary);
  if (!written) return Failed(temporary, GetLastError());
  if (platform::NameNewFile(std::move(written), temporary, target)) return Copied::New;
  const DWORD error = GetLastError();
  if (!platform::NameTaken(error)) return Failed(temporary, error);
  if (resetAttributes) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_ARCHIVE);
  if (kept) {
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

bool EnoughSpace(const std::vector<const step::ListedFile*>& copies, const std::string& title, FrontEnd& frontEnd) {
  // The bytes the copies take per destination drive, each source counted by `size`.
  const auto perDrive = [&copies](auto size) {
    std::map<std::string, std::uint64_t> bytes;
    for (const step::ListedFile* copy : copies)
      if (const std::string root = DriveRoot(copy->file.target); !root.empty()) bytes[root] += size(copy->source);
    return bytes;
  };
  // A replaced file needs its whole size while the earlier one still stands.
  // Where even the most the files could take fits, no file is opened to read
  // what it expands to.
  std::map<std::string, std::optional<std::uint64_t>> free;
  bool roomForAll = true;
  for (const auto& [root, bytes] : perDrive([](const std::string& source) {
         return platform::FileSize(source).value_or(0) * kSzddMostExpansion;
       })) {
    free[root] = platform::FreeDiskSpace(root);
    roomForAll = roomForAll && (!free[root] || *free[root] >= bytes);
  }
  if (roomForAll) return true;
  for (const auto& [root, bytes] :
       perDrive([](const std::string& source) { return InstalledSize(source).value_or(0); }))
    if (free[root] && *free[root] < bytes && !frontEnd.Ask(NotEnoughSpaceText(root, title, bytes, *free[root])))
      return false;
  return true;
}

void CopyListedFile(const step::ListedFile& copy, FrontEnd& frontEnd, Journal& journal, CopyTally& tally) {
  const FileStep& file = copy.file;
  frontEnd.SetStatus("Copying file: " + file.line);
  frontEnd.SetProgress(ProgressPosition(file.index, copy.entries));
  frontEnd.Repaint();
  const auto install = [&] {
    return InstallFile(copy.source, file.target, copy.keptWhenThere, true, copy.shared);
  };
  Copied copied = install();
  // A source that is not there asks for the next disk, up to five times;
  // after the fifth the copy is tried anyway. Only a failed copy looks.
  if (copied == Copied::Failed && !platform::FileExists(copy.source)) {
    for (int prompt = 0; prompt < kDiskPrompts && !platform::FileExists(copy.source); ++prompt)
      if (!frontEnd.InsertDisk(file.line)) break;
    frontEnd.Repaint();
    copied = install();
  }
  if (copied == Copied::Failed) {
    frontEnd.CopyFailed(file.line, GetLastError());
    ++tally.failed;
  }
  if (copied == Copied::AtRestart) tally.restartNeeded = true;
  if (copy.journaled) {
    Note(journal, file.target, copied);
    if (copy.shared && copied != Copied::Failed) CountUse(file.target, copied != Copied::New, journal);
  } else if (copied != Copied::Failed) {
    frontEnd.Note("file: " + file.target);
  }
}

void CopyExtraFile(const step::ExtraFile& extra, Journal& journal) {
  journal.FoldersMade(platform::ForceDirectories(extra.folder));
  Note(journal, extra.target, InstallFile(extra.source, extra.target, false, false, false));
}

}  // namespace install
