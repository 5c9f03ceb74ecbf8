#pragma once
#include <string>

namespace platform {

bool FileExists(const std::string& path);       // a file, not a folder
bool DirectoryExists(const std::string& path);

// Creates the folder and every missing parent; one trailing backslash is
// ignored. Failures are not reported: the caller's next step shows them.
void ForceDirectories(std::string path);

// GetWindowsDirectoryA, whole however long, without a trailing backslash
// except at a drive's root.
std::string WindowsFolder();

// The 8.3 form of an existing path, whole however long; "" when the system
// gives none.
std::string ShortPathName(const std::string& path);

// The long form of an existing full path ("C:\\..."), found one part at a
// time, as Windows 95 has no GetLongPathName; the path as given when a part
// is not found.
std::string LongPathName(const std::string& path);

// The full path of the running program.
std::string ProgramPath();

}  // namespace platform
