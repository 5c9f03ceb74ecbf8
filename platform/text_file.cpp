#include "platform/text_file.h"

#include <windows.h>

#include "platform/error.h"
#include "platform/handle.h"
#include "platform/system.h"

namespace platform {

std::string ReadTextFile(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw AppError::Format("Cannot open file %s", path);
  std::string bytes;
  char chunk[16384];
  DWORD got = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0)
    bytes.append(chunk, got);
  return bytes;
}

namespace {

bool WriteAll(HANDLE file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD wrote = 0;
    if (!WriteFile(file, bytes.data() + done, want, &wrote, nullptr) || wrote == 0) return false;
    done += wrote;
  }
  return FlushFileBuffers(file) != 0;
}

// The written temporary file takes the target's name. Windows 95 and 98 have
// no working MoveFileEx: there the earlier file goes first, so a failure in
// between leaves the new text under the temporary name only.
bool TakeName(const std::string& temp, const std::string& path) {
  if (IsWindowsNt()) return MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  DeleteFileA(path.c_str());
  return MoveFileA(temp.c_str(), path.c_str()) != 0;
}

}  // namespace

void WriteTextFile(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".new";
  {
    FileHandle file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw AppError::Format("Cannot create file %s", path);
    if (!WriteAll(file.get(), bytes)) {
      file.reset();
      DeleteFileA(temp.c_str());
      throw AppError::Format("Cannot create file %s", path);
    }
  }
  if (!TakeName(temp, path)) {
    DeleteFileA(temp.c_str());
    throw AppError::Format("Cannot create file %s", path);
  }
}

}  // namespace platform
