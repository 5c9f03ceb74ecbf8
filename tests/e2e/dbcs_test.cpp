// An install into a folder named in code page 932 (Japanese), whose
// characters end in the byte of "\": run with a Japanese locale, so that Wine
// gives both this program and setup.exe that code page.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include "driver.h"
#include "registry_values.h"
#include "script/lines.h"
#include "setup/ids.h"
#include "setup_run.h"

namespace {

using namespace driver;

// The working folder recorded in a shortcut.
std::string WorkingFolder(const std::string& link) {
  std::string folder;
  CoInitialize(nullptr);
  IShellLinkA* shellLink = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&shellLink)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      std::wstring wide(link.size() + 1, L'\0');
      wide.resize(MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide.data(), static_cast<int>(wide.size())));
      char buffer[MAX_PATH] = "(unread)";
      if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) shellLink->GetWorkingDirectory(buffer, MAX_PATH);
      folder = buffer;
      file->Release();
    }
    shellLink->Release();
  }
  CoUninitialize();
  return folder;
}

TEST(Dbcs, JapaneseDestinationIsInstalledAndRecordedWhole) {
  ASSERT_EQ(GetACP(), 932u) << "no Japanese code page: the ja_JP.UTF-8 locale is missing (tools/install-deps)";
  // C:\機能\表: 能 is 0x94 0x5C and 表 is 0x95 0x5C.
  const std::string destination = "C:\\\x8B\x40\x94\x5C\\\x95\x5C";
  SetupRun run("dbcs");
  run.AddFile("A.TXT", "installed");
  run.AddFile("setup.ini", script::JoinLines({"\\App", "App", "Title", ":files", ":install", "A.TXT", ":", ":exe",
                                              "Main", "A.TXT", ":", ":reg1", "HKEY_CURRENT_USER", "Software\\DbcsTest",
                                              "Program", "p", ":", ":regadd", "Software\\DbcsTest", "Late", "A.TXT",
                                              ":"}));
  SetRegValue(HKEY_LOCAL_MACHINE, "Software\\DbcsTest", "", "");
  run.Start();
  HWND wizard = run.Wizard();
  ASSERT_TRUE(wizard);
  // Typed with a trailing backslash: only that one is removed.
  run.Install(destination + "\\");
  ASSERT_TRUE(run.WaitForExit()) << OpenMessages(run.Pid());

  const std::string program = destination + "\\A.TXT";
  EXPECT_EQ(ReadFile(program), "installed");
  const std::string group = ProgramsFolder() + "\\App\\";
  EXPECT_EQ(ReadFile(destination + "\\unin.ini"),
            script::JoinLines({"Title", program, group + "Main.lnk", "+" + group, ":" + destination + "\\", ":reg1",
                               "HKEY_CURRENT_USER", "Software\\DbcsTest", "Program", "p", ":"}));
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, "Software\\DbcsTest", "Program"), program);
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, "Software\\DbcsTest", "Late"), program);
  EXPECT_EQ(WorkingFolder(group + "Main.lnk"), destination + "\\");
  // Nothing went to a folder cut at a trail byte.
  EXPECT_EQ(FileNames("C:\\\x8B\x40\x94\x5C"), std::vector<std::string>{"\x95\x5C"});
  DeleteKey(HKEY_CURRENT_USER, "Software\\DbcsTest");
  DeleteKey(HKEY_LOCAL_MACHINE, "Software\\DbcsTest");
}

}  // namespace
