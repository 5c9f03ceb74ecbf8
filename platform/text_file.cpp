#include "platform/text_file.h"

#include <windows.h>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/handle.h"

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

}  // namespace

void WriteTextFile(const std::string& path, const std::string& bytes) {
  const std::string temp = BeginReplace(path);
  bool written = false;
  {
    FileHandle file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    written = file && WriteAll(file.get(), bytes);
  }
  if (written && FinishReplace(temp, path) == Replaced::Done) return;
  AbandonReplace(temp);
  throw AppError::Format("Cannot create file %s", path);
}

}  // namespace platform
