// Stands in for an installed program: when started, it writes its command
// line into a file beside itself (its own path followed by ".ran") and ends,
// so that a test sees whether, and how, it was started.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return 1;
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::string commandLine = GetCommandLineA();
  HANDLE file = CreateFileA((path + ".ran").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, commandLine.data(), static_cast<DWORD>(commandLine.size()), &written, nullptr);
  CloseHandle(file);
  return ok ? 0 : 1;
}
