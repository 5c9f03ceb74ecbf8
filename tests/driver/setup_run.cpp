#include "setup_run.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "driver.h"
#include "registry_values.h"
#include "setup/ids.h"

namespace driver {

namespace {

void MakeFolders(const std::string& path) {
  for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  CreateDirectoryA(path.c_str(), nullptr);
}

// This process's environment with the given variables set: NUL-separated
// "name=value" strings ending in an empty one.
std::string EnvironmentBlock(const std::vector<std::pair<std::string, std::string>>& set) {
  const auto replaced = [&](const char* entry) {
    for (const auto& variable : set)
      if (_strnicmp(entry, (variable.first + "=").c_str(), variable.first.size() + 1) == 0) return true;
    return false;
  };
  std::string block;
  if (char* own = GetEnvironmentStringsA()) {
    for (const char* entry = own; *entry; entry += std::strlen(entry) + 1)
      if (!replaced(entry)) block.append(entry).push_back('\0');
    FreeEnvironmentStringsA(own);
  }
  for (const auto& [name, value] : set) block.append(name + "=" + value).push_back('\0');
  block.push_back('\0');
  return block;
}

}  // namespace

void WriteFile(const std::string& path, const std::string& bytes) {
  MakeFolders(path.substr(0, path.find_last_of('\\')));
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
  DWORD wrote = 0;
  ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
  CloseHandle(f);
}

std::string ReadFile(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "";
  std::string bytes(GetFileSize(f, nullptr), '\0');
  DWORD got = 0;
  ::ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(f);
  bytes.resize(got);
  return bytes;
}

SilentRun RunSilently(const std::string& program, const std::string& arguments, const std::string& workingFolder,
                      DWORD timeoutMilliseconds) {
  SilentRun run;
  std::string line = "\"" + program + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, workingFolder.c_str(), &startup,
                      &info))
    throw std::runtime_error("cannot start " + program);
  // Looked at often enough to catch a box or page that stays up; a window
  // that flashes for less than a poll could slip through.
  const DWORD started = GetTickCount();
  while (WaitForSingleObject(info.hProcess, 2) == WAIT_TIMEOUT) {
    if (TopLevelWindows(info.dwProcessId).empty()) continue;
    run.windowShown = true;
    if (run.messages.empty() || run.messages == kNoMessageBox) run.messages = OpenMessages(info.dwProcessId);
    if (GetTickCount() - started > timeoutMilliseconds) break;
  }
  run.ended = WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
  if (!run.ended) TerminateProcess(info.hProcess, 1);
  GetExitCodeProcess(info.hProcess, &run.exitCode);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return run;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> FileNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ProgramsFolder() {
  return RegValue(HKEY_CURRENT_USER, kShellFolders, "Programs").value_or("");
}

std::string WindowsFolder() {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, sizeof folder);
  return folder;
}

SetupRun::SetupRun(const std::string& name) : folder_("C:\\dist\\" + name) {
  MakeFolders(folder_);
  if (!CopyFileA(SETUP_EXE, (folder_ + "\\setup.exe").c_str(), FALSE))
    throw std::runtime_error(std::string("cannot copy ") + SETUP_EXE);
}

SetupRun::SetupRun(InFolder existing) : folder_(std::move(existing.folder)) {}

SetupRun::~SetupRun() {
  if (info_.hProcess) {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
}

void SetupRun::AddFile(const std::string& name, const std::string& bytes) const {
  WriteFile(folder_ + "\\" + name, bytes);
}

void SetupRun::SetEnvironment(const std::string& name, const std::string& value) {
  environment_.emplace_back(name, value);
}

void SetupRun::Start(const std::string& workingFolder) {
  const std::string program = folder_ + "\\setup.exe";
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  const std::string cwd = workingFolder.empty() ? folder_ : workingFolder;
  std::string block = EnvironmentBlock(environment_);
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                      environment_.empty() ? nullptr : block.data(), cwd.c_str(), &startup, &info_))
    throw std::runtime_error("cannot start " + program);
}

HWND SetupRun::Wizard() {
  if (wizard_) return wizard_;
  HWND wizard = WaitForTopLevel(Pid(), "TfSetup", "Setup Utility");
  if (!wizard) return nullptr;
  // The start-up has run once the first page names the product or an error box shows.
  WaitUntil([&] {
    for (HWND w : TopLevelWindows(Pid())) {
      char cls[64] = {};
      GetClassNameA(w, cls, sizeof cls);
      if (std::string(cls) == "#32770") return true;
    }
    return Text(Child(wizard, setup::ids::installsText)).rfind("Setup will install ", 0) == 0;
  });
  return wizard_ = wizard;
}

void SetupRun::Install(const std::string& destination) {
  HWND wizard = Wizard();
  if (!wizard || !ShowPage(wizard, setup::ids::destinationPage)) throw std::runtime_error("no wizard");
  SetText(Child(wizard, setup::ids::destination), destination);
  if (!ShowPage(wizard, setup::ids::confirmPage)) throw std::runtime_error("no last page");
  Click(Child(wizard, setup::ids::next));
}

namespace {
// The wizard's pages in the order Next shows them.
constexpr int kPages[] = {setup::ids::welcomePage, setup::ids::destinationPage, setup::ids::startMenuPage,
                          setup::ids::readmePage, setup::ids::confirmPage};
}  // namespace

int VisiblePage(HWND wizard) {
  for (int page : kPages)
    if (Visible(Child(wizard, page))) return page;
  return 0;
}

bool ShowPage(HWND wizard, int page) {
  const auto place = [](int id) { return std::find(std::begin(kPages), std::end(kPages), id) - std::begin(kPages); };
  for (int step = 0; step < 5; ++step) {
    const int now = VisiblePage(wizard);
    if (now == 0) return false;
    if (now == page) return true;
    Press(Child(wizard, place(now) < place(page) ? setup::ids::next : setup::ids::back));
  }
  return VisiblePage(wizard) == page;
}

bool SetupRun::WaitForExit(DWORD milliseconds) {
  return WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD SetupRun::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

}  // namespace driver
