#include "platform/new_file.h"

#include <cstddef>
#include <vector>

#include "platform/late_bound.h"

namespace platform {

namespace {

// SetFileInformationByHandle's FILE_RENAME_INFO.
struct RenameInformation {
  BOOLEAN replaceIfExists;
  HANDLE rootDirectory;
  DWORD fileNameLength;  // bytes, without the closing zero
  WCHAR fileName[1];
};
constexpr int kFileRenameInfo = 3;
using SetFileInformation = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);

// Windows Vista on (and Wine) renames a file through the handle it is written
// with. Elsewhere MoveFileA opens the file once more to rename it, which under
// Wine costs about as many file-system requests as writing a small file.
// Windows 95 and 98 have no wide names; NT before Vista lacks the call.
SetFileInformation RenameThroughHandle() {
  static const SetFileInformation set =
      IsWindowsNT() ? LateBound<SetFileInformation>("kernel32.dll", "SetFileInformationByHandle") : nullptr;
  return set;
}

bool RenameOpenFile(SetFileInformation set, HANDLE file, const std::string& target) {
  const int length = MultiByteToWideChar(CP_ACP, 0, target.c_str(), -1, nullptr, 0);  // with the zero
  if (length <= 0) return false;
  std::vector<char> buffer(offsetof(RenameInformation, fileName) + length * sizeof(WCHAR));
  auto* rename = reinterpret_cast<RenameInformation*>(buffer.data());
  rename->replaceIfExists = FALSE;
  rename->rootDirectory = nullptr;
  rename->fileNameLength = static_cast<DWORD>((length - 1) * sizeof(WCHAR));
  MultiByteToWideChar(CP_ACP, 0, target.c_str(), -1, rename->fileName, length);
  return set(file, kFileRenameInfo, rename, static_cast<DWORD>(buffer.size())) != 0;
}

}  // namespace

bool NameTaken(DWORD error) { return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS; }

FileHandle CreateTemporary(const std::string& temporary, DWORD attributes) {
  const DWORD access = GENERIC_WRITE | (RenameThroughHandle() ? DELETE : 0);
  return FileHandle(CreateFileA(temporary.c_str(), access, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
}

bool NameNewFile(FileHandle file, const std::string& temporary, const std::string& target) {
  if (const SetFileInformation set = RenameThroughHandle()) {
    if (RenameOpenFile(set, file.get(), target)) return true;
    const DWORD error = GetLastError();
    if (NameTaken(error)) {
      file.reset();
      SetLastError(error);
      return false;
    }
    // Any other refusal (a path too long for the wide form): the plain rename says.
  }
  file.reset();
  return MoveFileA(temporary.c_str(), target.c_str()) != 0;
}

}  // namespace platform
