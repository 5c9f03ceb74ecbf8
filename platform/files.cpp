#include "platform/files.h"

#include <windows.h>

#include <vector>

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

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void ForceDirectories(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  if (path.empty() || DirectoryExists(path)) return;
  const std::string parent = path.substr(0, path.find_last_of("\\:") + 1);
  // A drive ("C:") or a root needs no creating; stop when no shorter parent exists.
  if (parent.size() < path.size() && !parent.empty()) ForceDirectories(parent);
  CreateDirectoryA(path.c_str(), nullptr);
}

std::string WindowsFolder() {
  std::string folder = GrowingBuffer([](char* b, DWORD n) { return GetWindowsDirectoryA(b, n); });
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::string ShortPathName(const std::string& path) {
  return GrowingBuffer(
      [&](char* b, DWORD n) { return GetShortPathNameA(path.c_str(), b, n); });
}

std::string LongPathName(const std::string& path) {
  std::size_t done = path.size() >= 3 && path[1] == ':' && path[2] == '\\' ? 3 : 0;
  if (done == 0) return path;
  std::string result = path.substr(0, 3);
  while (done < path.size()) {
    std::size_t end = path.find('\\', done);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(done, end - done);
    // A wildcard would find some other file.
    if (part.empty() || part.find_first_of("*?") != std::string::npos) return path;
    WIN32_FIND_DATAA found;
    const FindHandle search(FindFirstFileA((result + part).c_str(), &found));
    if (!search) return path;
    result += found.cFileName;
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

}  // namespace platform
