#include "install/apply/source_copy.h"

#include <windows.h>

#include <vector>

#include "install/plan/szdd.h"
#include "platform/files.h"
#include "platform/handle.h"
#include "platform/new_file.h"

namespace install {

namespace {

using platform::FileHandle;

// What a copy keeps of the source's attributes (a file from a CD-ROM stays read-only).
constexpr DWORD kCopiedAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

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

FileHandle Damaged() {
  SetLastError(ERROR_INVALID_DATA);
  return FileHandle();
}

FileHandle Expand(HANDLE from, const SzddHeader& header, const std::string& temporary) {
  FileHandle to = platform::CreateTemporary(temporary, FILE_ATTRIBUTE_NORMAL);
  if (!to) return to;
  SzddExpander expander(header.expandedSize);
  char chunk[32768];
  std::string out;
  for (DWORD got = 0;; out.clear()) {
    if (!ReadFile(from, chunk, sizeof chunk, &got, nullptr)) return FileHandle();
    if (got == 0) break;
    if (!expander.Feed(chunk, got, out)) return Damaged();
    if (!WriteAll(to.get(), out)) return FileHandle();
  }
  if (!expander.Complete()) return Damaged();
  // The installed file bears the source's date, as a plain copy does.
  FILETIME written;
  if (GetFileTime(from, nullptr, nullptr, &written)) SetFileTime(to.get(), nullptr, nullptr, &written);
  return to;
}

}  // namespace

FileHandle CopySource(const std::string& source, const std::string& temporary) {
  // One open of the source: its first bytes tell whether it is compressed,
  // and a plain file is copied on from there, as CopyFileA would copy it:
  // its attributes and its date go with it.
  FileHandle from = OpenToRead(source);
  if (!from) return from;
  // Not GetFileInformationByHandle, which also asks the volume for its serial number.
  const DWORD attributes = GetFileAttributesA(source.c_str());
  FILETIME written;
  if (attributes == INVALID_FILE_ATTRIBUTES || !GetFileTime(from.get(), nullptr, nullptr, &written))
    return FileHandle();
  // One buffer for every copy, large enough that a big file takes few calls.
  static std::vector<char> buffer(262144);
  DWORD got = 0;
  if (!ReadFile(from.get(), buffer.data(), kSzddHeaderSize, &got, nullptr)) return FileHandle();
  if (const std::optional<SzddHeader> header = ReadSzddHeader(buffer.data(), got))
    return Expand(from.get(), *header, temporary);
  FileHandle to = platform::CreateTemporary(temporary, attributes & kCopiedAttributes);
  if (!to) return to;
  do {
    DWORD wrote = 0;
    if (got && (!WriteFile(to.get(), buffer.data(), got, &wrote, nullptr) || wrote != got)) return FileHandle();
    if (!ReadFile(from.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
      return FileHandle();
  } while (got);
  SetFileTime(to.get(), nullptr, nullptr, &written);
  return to;
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
