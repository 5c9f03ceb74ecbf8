#pragma once
// One run of the real setup.exe from a distribution folder of its own.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace driver {

class SetupRun {
 public:
  // Makes the distribution folder (C:\dist\<name>) with a copy of setup.exe.
  explicit SetupRun(const std::string& name);
  // Runs the setup.exe that `folder` holds already (a disk in drive A:).
  struct InFolder {
    std::string folder;
  };
  explicit SetupRun(InFolder existing);
  ~SetupRun();
  SetupRun(const SetupRun&) = delete;
  SetupRun& operator=(const SetupRun&) = delete;

  const std::string& Folder() const { return folder_; }
  // Writes a file into the distribution folder, bytes as given.
  void AddFile(const std::string& name, const std::string& bytes) const;
  // Sets an environment variable for the program, on top of this process's own.
  void SetEnvironment(const std::string& name, const std::string& value);
  // Starts setup.exe with the given working folder (default: the distribution folder).
  void Start(const std::string& workingFolder = "");
  DWORD Pid() const { return info_.dwProcessId; }
  // The wizard window, once it shows its first page with the script read
  // (or an error box); nullptr after the time-out.
  HWND Wizard();
  // Types the destination, steps to the last page and presses Install.
  void Install(const std::string& destination);
  bool WaitForExit(DWORD milliseconds = 15000);
  DWORD ExitCode() const;

 private:
  std::string folder_;
  std::vector<std::pair<std::string, std::string>> environment_;
  HWND wizard_ = nullptr;
  PROCESS_INFORMATION info_{};
};

// The id (setup::ids) of the wizard's page that is shown; 0 for none.
int VisiblePage(HWND wizard);
// Shows the wizard's page with this id (setup::ids), pressing Next or Back
// as needed: the pages after the first are made when first shown, so their
// controls exist only then. False when the page does not come.
bool ShowPage(HWND wizard, int page);

// One unattended run: the program started with its arguments and watched
// until it ends.
struct SilentRun {
  bool ended = false;       // false: still running after the time-out (then killed)
  DWORD exitCode = 0;
  bool windowShown = false;  // a window of the process became visible
  std::string messages;      // the first message boxes seen, as OpenMessages gives them
};
// Runs the program (a full path) with the arguments in `workingFolder`.
SilentRun RunSilently(const std::string& program, const std::string& arguments, const std::string& workingFolder,
                      DWORD timeoutMilliseconds = 30000);

// Writes a whole file; creates missing folders.
void WriteFile(const std::string& path, const std::string& bytes);
// A whole file, or "" when it cannot be read.
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
// The names of the files and folders in a folder (not "." and ".."), sorted.
std::vector<std::string> FileNames(const std::string& folder);
// The key under HKEY_CURRENT_USER that records the user's shell folders.
constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// The user's Start Menu programs folder as the registry records it.
std::string ProgramsFolder();
// The Windows folder as the system gives it.
std::string WindowsFolder();

}  // namespace driver
