#include "install/apply/source_copy.h"

#include <windows.h>

#include "install/plan/szdd.h"
#include "platform/files.h"
#include "platform/handle.h"

namespace install {

namespace {

using platform::FileHandle;

FileHandle OpenToRead(const std::string& path) {
  return FileHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
}

// The header of an open file, leaving the file read up to the data after it.
std::optional<SzddHeader> HeaderOf(HANDLE file) {
  char bytes[kSzddHeaderSize];
  DWORD got = 0;
  if (!ReadFile(file, bytes, sizeof bytes, &got, nullptr)) return std::nullopt;
  return ReadSzddHeader(bytes, got);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  DWORD wrote = 0;
  return bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr) &&
                           wrote == bytes.size());
}

bool Damaged() {
  SetLastError(ERROR_INVALID_DATA);
  return false;
}

bool Expand(HANDLE from, const SzddHeader& header, const std::string& temporary) {
  FileHandle to(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
  if (!to) return false;
  SzddExpander expander(header.expandedSize);
  char chunk[32768];
  std::string out;
  for (DWORD got = 0;; out.clear()) {
    if (!ReadFile(from, chunk, sizeof chunk, &got, nullptr)) return false;
    if (got == 0) break;
    if (!expander.Feed(chunk, got, out)) return Damaged();
    if (!WriteAll(to.get(), out)) return false;
  }
  if (!expander.Complete()) return Damaged();
  // The installed file bears the source's date, as a plain copy does.
  FILETIME written;
  if (GetFileTime(from, nullptr, nullptr, &written)) SetFileTime(to.get(), nullptr, nullptr, &written);
  return true;
}

}  // namespace

bool CopySource(const std::string& source, const std::string& temporary) {
  {
    FileHandle file = OpenToRead(source);
    if (const std::optional<SzddHeader> header = file ? HeaderOf(file.get()) : std::nullopt)
      return Expand(file.get(), *header, temporary);
  }
  return CopyFileA(source.c_str(), temporary.c_str(), FALSE) != 0;
}

std::optional<std::uint64_t> InstalledSize(const std::string& source) {
  FileHandle file = OpenToRead(source);
  if (const std::optional<SzddHeader> header = file ? HeaderOf(file.get()) : std::nullopt)
    return header->expandedSize;
  return platform::FileSize(source);
}

char CompressedLastCharacter(const std::string& source) {
  FileHandle file = OpenToRead(source);
  const std::optional<SzddHeader> header = file ? HeaderOf(file.get()) : std::nullopt;
  return header ? header->lastCharacter : 0;
}

}  // namespace install
