// The removal program, twremove.exe, started as the sample's UninstallString
// and driven through its windows: what it removes, what it keeps and says
// so, and what it refuses.
#include <gtest/gtest.h>

#include <algorithm>

#include "demo/layout.h"
#include "demo/walk.h"
#include "driver.h"
#include "registry_values.h"
#include "remove_run.h"
#include "setup_run.h"
#include "snapshot.h"

namespace {

using namespace driver;

constexpr char kDest[] = "C:\\Program Files\\Marrowgate";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marrowgate";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kShared[] = "C:\\Program Files\\Common Files\\tarnwick.txt";

std::string Dest(const std::string& name) { return std::string(kDest) + "\\" + name; }


// The sample installed through the wizard, as `make demo` does.
class Removal : public ::testing::Test {
 protected:
  void SetUp() override {
    SetRegValue(HKEY_CLASSES_ROOT, "Marrowgate.Legacy\\shell\\open\\command", "", "C:\\OLDMARR\\MARROW.EXE %1");
    ASSERT_NO_THROW(demo::LayOutSample(DEMO_PRODUCT, BUILD_FOLDER, "C:\\dist\\marrowgate"));
  }

  void Install() {
    SetupRun run("marrowgate");
    run.Start();
    ASSERT_NO_THROW(demo::WalkThrough(run, "&No"));
    ASSERT_TRUE(Exists(Dest("unin.ini")));
  }

  static std::string UninstallString() { return RegValue(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString").value_or(""); }

  static Snapshot Prefix() {
    // Wine's own large trees, which no install here touches, are left out.
    return TakeSnapshot({"C:\\Program Files", "C:\\users", "C:\\windows"},
                        {{HKEY_LOCAL_MACHINE, "HKLM", "Software"},
                         {HKEY_CURRENT_USER, "HKCU", "Software"},
                         {HKEY_CLASSES_ROOT, "HKCR", ""}},
                        {"\\temp", "\\system32", "\\syswow64", "\\winsxs", "\\microsoft.net", "\\mono", "\\gecko",
                         "\\fonts", "\\globalization", "\\inf", "\\clsid", "\\interface", "\\typelib",
                         "\\wine", "\\wow6432node", "\\installer", "software\\classes"});
  }
};

TEST_F(Removal, LeavesThePrefixAsBeforeTwoInstallsButForTheDocumentedLeftovers) {
  const Snapshot before = Prefix();
  // Installed twice: the shared files' use counts go back to none as well.
  Install();
  Install();
  ASSERT_EQ(DwordValue(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", kShared), 2u);
  const std::string command = UninstallString();
  ASSERT_NE(command, "");
  const RemoveRun run = RunRemoval(command);
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.confirm, "Are you sure you want to remove Marrowgate Desktop 2.1 and all of its components?");
  // The copied shared files carry use counts: only the path file is asked about.
  EXPECT_TRUE(Contains(run.shared, "C:\\windows\\marrowgt.ini")) << run.shared;
  EXPECT_FALSE(Contains(run.shared, kShared)) << run.shared;
  // The window stays under the closing message, so it is seen however quick the removal.
  EXPECT_TRUE(run.sawProgress) << "no \"Removing\" window seen";
  for (const std::string& status : run.statuses) EXPECT_EQ(status.rfind("Removing: ", 0), 0u) << status;
  EXPECT_EQ(run.finalCaption, "Information");
  EXPECT_EQ(run.final, "Marrowgate Desktop 2.1 was removed.");
  EXPECT_EQ(run.exitCode, 0u);

  // What no record can take back: the removal program that every product of
  // this setup shares, the backups of the DOS files, the driver lines taken
  // out of system.ini, the profile file that held the sample's entry, and the
  // file class that ":delreg" deleted.
  const char* leftovers[] = {
      "+ c:\\windows\\twremove.exe", "+ c:\\windows\\config.tup", "+ c:\\windows\\autoexec.tup",
      "+ c:\\windows\\msdos.tup",    "~ c:\\windows\\system.ini", "+ c:\\windows\\marrow.ini",
      "- hkcr\\marrowgate.legacy",
      // Windows' own key of use counts, which a fresh prefix lacks; its values are gone.
      "+ hklm\\software\\microsoft\\windows\\currentversion\\shareddlls\\",
  };
  for (const std::string& difference : Differences(before, Prefix())) {
    const bool documented = std::any_of(std::begin(leftovers), std::end(leftovers), [&](const char* leftover) {
      return difference.rfind(leftover, 0) == 0;
    });
    EXPECT_TRUE(documented) << difference;
  }

  // A second run: the record is gone, and so is the folder the command names.
  const RemoveRun again = RunRemoval(command);
  EXPECT_EQ(again.finalCaption, "Error");
  EXPECT_EQ(again.final, "Cannot open file " + command.substr(command.find(' ') + 1) + "\\unin.ini");
  EXPECT_EQ(again.exitCode, 2u);
}

TEST_F(Removal, KeepsWhatWasThereBeforeWhatTheUserMadeAndWhatIsInUse) {
  WriteFile(Dest("settings.ini"), "[Marrowgate]\r\nmine\r\n");  // kept by the install, there before
  SetRegValue(HKEY_LOCAL_MACHINE, kRunKey, "Marrowgate", "C:\\OLD\\marrow.exe");
  Install();
  WriteFile(Dest("letters\\june.mrw"), "a letter");
  const HANDLE open = CreateFileA(Dest("manual.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  0, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  // A shared file whose use count is gone, as an older product leaves it.
  DeleteValue(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", kShared);
  const RemoveRun run = RunRemoval(UninstallString() + " ", "&Yes", "&No");
  CloseHandle(open);
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_TRUE(Contains(run.final, "Marrowgate Desktop 2.1 was removed, except:")) << run.final;
  EXPECT_TRUE(Contains(run.final, Dest("settings.ini") + " (it was there before the install)")) << run.final;
  EXPECT_TRUE(Contains(run.final, Dest("letters\\june.mrw") + " (not installed by")) << run.final;
  EXPECT_TRUE(Contains(run.final, Dest("manual.txt") + " (in use: removed when Windows restarts)")) << run.final;
  EXPECT_TRUE(Contains(run.final, std::string(kShared) + " (it may be used by other programs)")) << run.final;

  EXPECT_EQ(ReadFile(Dest("settings.ini")), "[Marrowgate]\r\nmine\r\n");
  EXPECT_EQ(ReadFile(Dest("letters\\june.mrw")), "a letter");
  EXPECT_TRUE(Exists(kShared));
  EXPECT_FALSE(Exists(Dest("marrow.exe")));
  EXPECT_FALSE(Exists(Dest("unin.ini")));
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRunKey, "Marrowgate"), "C:\\OLD\\marrow.exe");
  EXPECT_FALSE(RegValue(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices",
                        "Marrowgate Service"));
  // The file in use is handed to Windows for the next start.
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  std::string data(65536, '\0');
  DWORD size = static_cast<DWORD>(data.size());
  EXPECT_EQ(RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(data.data()), &size),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_TRUE(Contains(data, "manual.txt"));
}

TEST_F(Removal, ADamagedRecordOrNoRemovesNothingAndSilentKeepsUncountedSharedFiles) {
  Install();
  const std::string command = UninstallString();
  const std::string record = ReadFile(Dest("unin.ini"));
  std::string damaged = record;
  damaged.erase(damaged.rfind(":\r\n"));  // the last block loses its closing line
  WriteFile(Dest("unin.ini"), damaged);
  RemoveRun run = RunRemoval(command);
  EXPECT_EQ(run.confirm, "");
  EXPECT_EQ(run.finalCaption, "Error");
  EXPECT_TRUE(Contains(run.final, Dest("unin.ini") + " is damaged at line ")) << run.final;
  EXPECT_TRUE(Contains(run.final, "not closed")) << run.final;
  EXPECT_EQ(run.exitCode, 2u);
  EXPECT_TRUE(Exists(Dest("marrow.exe")));

  WriteFile(Dest("unin.ini"), record);
  run = RunRemoval(command, "&No");
  EXPECT_EQ(run.final, "");
  EXPECT_EQ(run.exitCode, 1u);
  EXPECT_TRUE(Exists(Dest("marrow.exe")));
  EXPECT_TRUE(RegValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"));

  const std::string log = "C:\\remove.log";
  run = RunRemoval(command.substr(0, command.find(' ')) + " /S /LOG=" + log + command.substr(command.find(' ')));
  EXPECT_EQ(run.confirm, "");
  EXPECT_EQ(run.final, "");
  const std::string written = ReadFile(log);
  EXPECT_EQ(run.exitCode, 3u) << written;
  EXPECT_FALSE(Exists(Dest("marrow.exe")));
  EXPECT_FALSE(Exists(kDest));
  EXPECT_TRUE(Contains(written, "removed: " + Dest("marrow.exe") + "\r\n")) << written;
  // A shared file goes with the last product that counts it, under /S too;
  // one without a count stays.
  EXPECT_TRUE(Contains(written, "removed: " + std::string(kShared) + "\r\n")) << written;
  EXPECT_TRUE(Contains(written, "kept: C:\\windows\\marrowgt.ini (it may be used by other programs)\r\n")) << written;

  run = RunRemoval(command.substr(0, command.find(' ')) + " /S");  // no folder
  EXPECT_EQ(run.exitCode, 2u);
  EXPECT_EQ(run.final, "");
}

// An install that a refused profile entry stopped after the copy: no
// unin.ini, but the journal knows what it made.
TEST(RemovalRules, AnInstallStoppedHalfWayIsRemovedFromItsJournal) {
  const std::string dest = "C:\\Program Files\\Stopped";
  SetupRun setup("stopped");
  setup.AddFile("A.TXT", "new");
  setup.AddFile("setup.ini", "\\Stopped\r\nStopped\r\nStopped App\r\n:files\r\n-install\r\nA.TXT\r\n:\r\n"
                             ":system.ini\r\nC:\\no folder\\x.ini\r\ns\r\nk\r\nv\r\n:\r\n");
  setup.Start();
  ASSERT_TRUE(setup.Wizard());
  setup.Install(dest);
  const MessageBoxView box = WaitForMessageBox(setup.Pid());
  ASSERT_TRUE(Contains(box.text, "Unable to write to")) << box.text;
  ASSERT_TRUE(Exists(dest + "\\A.TXT"));
  ASSERT_TRUE(Exists(ProgramsFolder() + "\\Stopped"));
  ASSERT_FALSE(Exists(dest + "\\unin.ini"));

  RemoveRun run = RunRemoval(std::string(BUILD_FOLDER) + "\\twremove.exe /S /LOG=C:\\stopped.log " + dest);
  // The entry the install could not write names a file no install may touch.
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_TRUE(Contains(ReadFile("C:\\stopped.log"), "kept: C:\\no folder\\x.ini [s] k (not a profile file of the Windows folder)"))
      << ReadFile("C:\\stopped.log");
  EXPECT_FALSE(Exists(ProgramsFolder() + "\\Stopped"));
  EXPECT_FALSE(Exists(dest));

  // The journal went with the first run: a second one has nothing to go by.
  run = RunRemoval(std::string(BUILD_FOLDER) + "\\twremove.exe /S " + dest);
  EXPECT_EQ(run.exitCode, 2u);
}

// A record written by hand, in a folder of its own: its ":regremove" lines
// name keys that no removal may take.
TEST(RemovalRules, RegremoveRefusesRootKeysAndKeysDirectlyUnderThem) {
  SetRegValue(HKEY_CURRENT_USER, "Software\\Tarnwick Test\\Sub", "v", "1");
  WriteFile("C:\\Handmade\\unin.ini", "Handmade\r\n:C:\\Handmade\\\r\n:regremove\r\nHKEY_LOCAL_MACHINE\\SOFTWARE\r\n"
                                      "HKEY_CURRENT_USER\r\nSoftware\r\nHKEY_CLASSES_ROOT\\CLSID\r\n"
                                      "HKEY_CURRENT_USER\\Software\\Tarnwick Test\r\n:\r\n");
  const RemoveRun run = RunRemoval(std::string(BUILD_FOLDER) + "\\twremove.exe /S /LOG=C:\\handmade.log C:\\Handmade");
  EXPECT_EQ(run.exitCode, 3u);
  const std::string log = ReadFile("C:\\handmade.log");
  EXPECT_TRUE(Contains(log, "kept: HKEY_LOCAL_MACHINE\\SOFTWARE (a key directly under a root key)")) << log;
  EXPECT_TRUE(Contains(log, "kept: HKEY_CURRENT_USER\\Software (a key directly under a root key)")) << log;
  EXPECT_TRUE(Contains(log, "kept: HKEY_CLASSES_ROOT\\CLSID (a file class of Windows)")) << log;
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft"));
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "CLSID"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Tarnwick Test"));
  EXPECT_FALSE(Exists("C:\\Handmade"));
}

// A record naming eighty files outside its folder: both lists are cut short,
// and Enter, pressed without reading, keeps the files.
TEST(RemovalRules, LongListsAreCutShortAndEnterKeepsSharedFiles) {
  std::string record = "Many Files\r\n";
  for (int i = 10; i < 90; ++i) {
    const std::string file = "C:\\Shared\\file" + std::to_string(i) + ".dll";
    WriteFile(file, "shared");
    record += file + "\r\n";
  }
  WriteFile("C:\\Many\\unin.ini", record + ":C:\\Many\\\r\n");
  const RemoveRun run = RunRemoval(std::string(BUILD_FOLDER) + "\\twremove.exe /LOG=C:\\many.log C:\\Many", "&Yes", "");
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_TRUE(Contains(run.shared, "C:\\Shared\\file19.dll\r\nand 70 more\r\n\r\nRemove them too?")) << run.shared;
  EXPECT_FALSE(Contains(run.shared, "file20.dll")) << run.shared;
  EXPECT_TRUE(Contains(run.final, "file19.dll (it may be used by other programs)\r\nand 70 more")) << run.final;
  EXPECT_TRUE(Exists("C:\\Shared\\file89.dll"));
  EXPECT_TRUE(Contains(ReadFile("C:\\many.log"), "kept: C:\\Shared\\file89.dll (it may be used by other programs)"));
}

}  // namespace
