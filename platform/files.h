#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

bool FileExists(const std::string& path);       // a file, not a folder
bool DirectoryExists(const std::string& path);

// Creates the folder and every missing parent; one trailing backslash is
// ignored. A path longer than the system takes is refused before any work.
// Failures are not reported: the caller's next step shows them. Returns the
// folders it made, outermost first.
std::vector<std::string> ForceDirectories(std::string path);

// GetWindowsDirectoryA, whole however long, without a trailing backslash
// except at a drive's root.
std::string WindowsFolder();

// The 8.3 form of an existing path, whole however long; "" when the system
// gives none.
std::string ShortPathName(const std::string& path);

// The size of a file; nothing when it is missing.
std::optional<std::uint64_t> FileSize(const std::string& path);

// The bytes free for this user on the drive whose root is given ("C:\",
// "\\server\share\"); nothing when the system cannot tell.
std::optional<std::uint64_t> FreeDiskSpace(const std::string& root);

// The long name of the last part of an existing path, as the system lists
// it; "" when there is none.
std::string LongName(const std::string& path);

// The long form of an existing full path ("C:\\..."), found one part at a
// time, as Windows 95 has no GetLongPathName; the path as given when a part
// is not found.
std::string LongPathName(const std::string& path);

// The full path of the running program.
std::string ProgramPath();

// Replacing a file whole: the new file is written under a temporary name in
// the target's folder and swapped in only once complete, so a failure at any
// point leaves the earlier file as it was.
//
//   const std::string temporary = BeginReplace(target);
//   if (!write the file `temporary`) { AbandonReplace(temporary); fail; }
//   if (FinishReplace(temporary, target) != Replaced::Done) fail;
//
// Where the system cannot rename over a file (Windows 95 and 98), the earlier
// file is first renamed to a backup name and removed after the swap. A run cut
// short by a power cut leaves a backup or a temporary file behind; the next
// replace of the same target first puts a whole file back under its name.

// The temporary and backup names of a target, in its folder: "~" and a short
// name made from the target's name, no longer than that name (a name of one
// character gets two), so that a path the system takes also fits them.
struct ReplaceNames {
  std::string temporary, backup;
};
ReplaceNames ReplaceNamesFor(const std::string& target);

// Puts a whole file back under the target's name where an earlier replace
// was cut short after the target became its backup, and removes a backup
// that is no longer needed.
void ResolveInterruptedReplace(const std::string& target);
// ResolveInterruptedReplace, and removes a leftover temporary (never known to
// be complete); returns the temporary name to write to.
std::string BeginReplace(const std::string& target);
// How a replace ended.
enum class Replaced {
  Done,
  // The target is open in a program that does not share it: it is as it was,
  // and the complete temporary stays, for a move at the next start (the
  // caller removes it if it gives up).
  InUse,
  // The earlier target is as it was and the temporary is gone.
  Failed,
};
// Puts the complete temporary file in place of the target.
Replaced FinishReplace(const std::string& temporary, const std::string& target);
// Removes the temporary of a replace that is given up.
void AbandonReplace(const std::string& temporary);

}  // namespace platform
