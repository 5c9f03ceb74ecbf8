#include "platform/files.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/late_bound.h"
#include "platform/path_chars.h"
#include "platform/system.h"
#include "platform/handle.h"

namespace platform {

namespace {

// Calls a "fill this buffer, return the length" API until the buffer is big
// enough, so no path is ever cut short.
template <typename Fill>
std::string GrowingBuffer(Fill fill) {
  std::vector<char> buffer(MAX_PATH + 1);
  for (int tries = 0; tries < 4; ++tries) {
    const DWORD n = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return "";
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(n + 1);
  }
  return "";
}

// A short name of `length` characters from base-36 digits of a hash of the
// target's name (compared without regard to ASCII case, as the file system
// does), so the same target always finds the leftovers of an earlier run.
std::string HashedName(const std::string& name, char salt, std::size_t length) {
  std::uint32_t hash = 2166136261u;
  for (char c : name + salt) {
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    hash = (hash ^ static_cast<unsigned char>(lower)) * 16777619u;
  }
  static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string out = "~";
  while (out.size() < length) {
    out += digits[hash % 36];
    hash = hash / 36 + 0x9E3779B9u * static_cast<std::uint32_t>(out.size());
  }
  return out;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A backup keeps the attributes of the file it was; read-only ones cannot be deleted.
void DeleteAnyFile(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> ForceDirectories(std::string path) {
  path = WithoutTrailingBackslash(path);
  std::vector<std::string> made;
  if (path.empty() || path.size() >= MAX_PATH) return made;
  // Up to the first folder that exists, then created downwards: a loop, so
  // the depth of the path costs no stack.
  std::vector<std::string> missing;
  while (!path.empty() && !DirectoryExists(path)) {
    missing.push_back(path);
    const std::size_t cut = LastDelimiter(path, "\\:");
    // A drive ("C:") or a root needs no creating; stop when no shorter parent exists.
    if (cut == std::string::npos || cut + 1 >= path.size()) break;
    path = WithoutTrailingBackslash(path.substr(0, cut + 1));
  }
  for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder)
    if (CreateDirectoryA(folder->c_str(), nullptr)) made.push_back(*folder);
  return made;
}

std::string WindowsFolder() {
  std::string folder = GrowingBuffer([](char* b, DWORD n) { return GetWindowsDirectoryA(b, n); });
  if (folder.size() > 3) folder = WithoutTrailingBackslash(folder);
  return folder;
}

std::string ShortPathName(const std::string& path) {
  return GrowingBuffer(
      [&](char* b, DWORD n) { return GetShortPathNameA(path.c_str(), b, n); });
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
  // GetFileAttributesExA came with Windows 98 and NT 4; the first Windows 95
  // has only FindFirstFileA, which costs a look through the whole folder.
  static const auto ex = LateBound<BOOL(WINAPI*)(LPCSTR, GET_FILEEX_INFO_LEVELS, LPVOID)>(
      "kernel32.dll", "GetFileAttributesExA");
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (ex) {
    if (!ex(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  } else {
    WIN32_FIND_DATAA found;
    if (!FindHandle(FindFirstFileA(path.c_str(), &found))) return std::nullopt;
    data.dwFileAttributes = found.dwFileAttributes;
    data.nFileSizeHigh = found.nFileSizeHigh;
    data.nFileSizeLow = found.nFileSizeLow;
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

std::optional<std::uint64_t> FreeDiskSpace(const std::string& root) {
  // The Ex call came with Windows 95 OSR2 and NT 4; the first Windows 95 has
  // only the older one, which cannot count beyond 2 GB.
  static const auto ex = LateBound<BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER)>(
      "kernel32.dll", "GetDiskFreeSpaceExA");
  if (ex) {
    ULARGE_INTEGER available, total, totalFree;
    if (!ex(root.c_str(), &available, &total, &totalFree)) return std::nullopt;
    return available.QuadPart;
  }
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
    return std::nullopt;
  return std::uint64_t{sectorsPerCluster} * bytesPerSector * freeClusters;
}

std::string LongName(const std::string& path) {
  // A wildcard would find some other file.
  if (path.find_first_of("*?") != std::string::npos) return "";
  WIN32_FIND_DATAA found;
  const FindHandle search(FindFirstFileA(path.c_str(), &found));
  return search ? found.cFileName : "";
}

std::string LongPathName(const std::string& path) {
  std::size_t done = path.size() >= 3 && path[1] == ':' && path[2] == '\\' ? 3 : 0;
  if (done == 0) return path;
  std::string result = path.substr(0, 3);
  while (done < path.size()) {
    std::size_t end = path.find('\\', done);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(done, end - done);
    const std::string name = part.empty() ? "" : LongName(result + part);
    if (name.empty()) return path;
    result += name;
    if (end < path.size()) result += '\\';
    done = end + 1;
  }
  return result;
}

std::string ProgramPath() {
  // GetModuleFileNameA returns the buffer size when the name was cut.
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return "";
    if (n < buffer.size()) return std::string(buffer.data(), n);
    if (buffer.size() > 65536) return "";
    buffer.resize(buffer.size() * 2);
  }
}

ReplaceNames ReplaceNamesFor(const std::string& target) {
  const std::size_t cut = LastDelimiter(target, "\\:");
  const std::string folder = cut == std::string::npos ? "" : target.substr(0, cut + 1);
  const std::string name = target.substr(folder.size());
  const std::size_t length = name.size() < 2 ? 2 : (name.size() > 8 ? 8 : name.size());
  // The two names differ from each other and from the target's own.
  std::string temporary = HashedName(name, 't', length), backup;
  if (lstrcmpiA(temporary.c_str(), name.c_str()) == 0) temporary = HashedName(name, 'u', length);
  for (char salt = 'b'; backup.empty() || lstrcmpiA(backup.c_str(), temporary.c_str()) == 0 ||
                        lstrcmpiA(backup.c_str(), name.c_str()) == 0;
       ++salt)
    backup = HashedName(name, salt, length);
  return {folder + temporary, folder + backup};
}

void ResolveInterruptedReplace(const std::string& target) {
  const std::string backup = ReplaceNamesFor(target).backup;
  if (!Exists(backup)) return;
  // The backup is whole: it goes back under its name unless the new file is
  // already in place.
  if (Exists(target))
    DeleteAnyFile(backup);
  else
    MoveFileA(backup.c_str(), target.c_str());
}

std::string BeginReplace(const std::string& target) {
  ResolveInterruptedReplace(target);
  const std::string temporary = ReplaceNamesFor(target).temporary;
  DeleteAnyFile(temporary);
  return temporary;
}

Replaced FinishReplace(const std::string& temporary, const std::string& target) {
  static const auto moveEx = LateBound<decltype(&MoveFileExA)>("kernel32.dll", "MoveFileExA");
  if (ReplacesInOneStep() && moveEx) {
    if (moveEx(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) return Replaced::Done;
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION)
      return Replaced::InUse;
    AbandonReplace(temporary);
    return Replaced::Failed;
  }
  const std::string backup = ReplaceNamesFor(target).backup;
  const bool hadEarlier = MoveFileA(target.c_str(), backup.c_str()) != 0;
  if (!hadEarlier && Exists(target)) return Replaced::InUse;  // there, but it cannot be moved
  if (!MoveFileA(temporary.c_str(), target.c_str())) {
    if (hadEarlier) MoveFileA(backup.c_str(), target.c_str());
    AbandonReplace(temporary);
    return Replaced::Failed;
  }
  if (hadEarlier) DeleteAnyFile(backup);
  return Replaced::Done;
}

void AbandonReplace(const std::string& temporary) { DeleteAnyFile(temporary); }

}  // namespace platform
