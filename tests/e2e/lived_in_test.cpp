// Installs onto a machine that other programs already use: shared files of
// other versions, and shared files that other products count.
#include <gtest/gtest.h>

#include <algorithm>

#include "driver.h"
#include "registry_values.h"
#include "remove_run.h"
#include "setup_run.h"
#include "snapshot.h"

namespace {

using namespace driver;

constexpr char kSystem[] = "C:\\windows\\system\\";
constexpr char kSharedDlls[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";


// A product whose files go to the system folder, installed unattended into
// C:\<name>; `sections` are more sections of its script, each ended by ":".
class Product {
 public:
  Product(const std::string& name, const std::vector<std::pair<std::string, std::string>>& files,
          const std::string& sections = "")
      : name_(name), dist_(name) {
    std::string script = "\\" + name + "\r\n" + name + "\r\n" + name + "\r\n:files\r\n-win\\system\r\n";
    for (const auto& [file, bytes] : files) {
      script += file + "\r\n";
      dist_.AddFile(file, bytes);
    }
    dist_.AddFile("setup.ini", script + ":\r\n" + sections);
  }
  void AddFile(const std::string& name, const std::string& bytes) const { dist_.AddFile(name, bytes); }
  const std::string& Folder() const { return dist_.Folder(); }
  std::string Install(DWORD exitCode = 0) {
    const std::string log = "C:\\" + name_ + "-install.log";
    const SilentRun run = RunSilently(dist_.Folder() + "\\setup.exe", "/S /LOG=" + log + " /D=C:\\" + name_, dist_.Folder());
    EXPECT_EQ(run.exitCode, exitCode) << ReadFile(log);
    return ReadFile(log);
  }
  DWORD Remove() const {
    return RunRemoval(std::string(BUILD_FOLDER) + "\\twremove.exe /S /LOG=C:\\" + name_ + "-remove.log C:\\" + name_).exitCode;
  }

 private:
  std::string name_;
  SetupRun dist_;
};

std::optional<DWORD> UseCount(const std::string& file) {
  return DwordValue(HKEY_LOCAL_MACHINE, kSharedDlls, kSystem + file);
}

TEST(LivedIn, AnOlderDiskNeverDowngradesASharedFile) {
  const std::string v1 = ReadFile(VERSIONED1_DLL), v2 = ReadFile(VERSIONED2_DLL);
  const std::string remover = ReadFile(std::string(BUILD_FOLDER) + "\\twremove.exe");  // version 1.1
  ASSERT_NE(v1, v2);
  struct Row {
    const char* file;
    std::string there, ours, after;
  } rows[] = {
      {"newer.dll", v2, v1, v2},         // a higher version stays
      {"older.dll", v1, v2, v2},         // a lower one is replaced
      {"plain.dll", "no version", v1, v1},  // without a version on one side, as before
      // The removal program that every product installs carries its version too.
      {"twremove.exe", v2, remover, v2},
      {"twremove2.exe", v1, remover, remover},
  };
  std::vector<std::pair<std::string, std::string>> files;
  for (const Row& row : rows) {
    WriteFile(kSystem + std::string(row.file), row.there);
    files.push_back({row.file, row.ours});
  }
  Product product("versions", files);
  const std::string log = product.Install();
  for (const Row& row : rows) EXPECT_EQ(ReadFile(kSystem + std::string(row.file)), row.after) << row.file;
  EXPECT_TRUE(Contains(log, std::string(kSystem) + "newer.dll (kept: newer)")) << log;
  EXPECT_FALSE(Contains(log, "older.dll (kept: newer)")) << log;
}

TEST(LivedIn, ASharedFileGoesWithTheLastProductThatCountsIt) {
  WriteFile(kSystem + std::string("before.dll"), "there before, uncounted");
  Product a("counta", {{"common.dll", "common"}, {"before.dll", "a's copy"}});
  Product b("countb", {{"common.dll", "common"}});
  a.Install();
  b.Install();
  EXPECT_EQ(UseCount("common.dll"), 2u);
  EXPECT_EQ(UseCount("before.dll"), 2u);  // its earlier user, and a

  EXPECT_EQ(a.Remove(), 3u);
  EXPECT_TRUE(Contains(ReadFile("C:\\counta-remove.log"), "common.dll (other programs use it (use count 1))"));
  EXPECT_EQ(ReadFile(kSystem + std::string("common.dll")), "common");
  EXPECT_EQ(UseCount("common.dll"), 1u);
  EXPECT_TRUE(Exists(kSystem + std::string("before.dll")));
  EXPECT_FALSE(UseCount("before.dll"));  // back to no count, as before the install

  EXPECT_EQ(b.Remove(), 0u) << ReadFile("C:\\countb-remove.log");
  EXPECT_FALSE(Exists(kSystem + std::string("common.dll")));
  EXPECT_FALSE(UseCount("common.dll"));
}

// A file association: a registry class, and the profile line that Windows
// 3.1 programs read.
using Association = std::pair<std::optional<std::string>, std::string>;

Association AssociationOf(const std::string& program) {
  return {program + ".Document", "C:\\" + program + "\\" + program + ".exe ^.lvd"};
}

std::string AssociationSections(const std::string& program) {
  const Association association = AssociationOf(program);
  return ":reg\r\nHKEY_CLASSES_ROOT\r\n.lvd\r\n**\r\n" + *association.first +
         "\r\n:\r\n:system.ini\r\nwin.ini\r\nExtensions\r\nlvd\r\n" + association.second + "\r\n:\r\n";
}

Association AssociationNow() {
  char entry[MAX_PATH] = "";
  GetProfileStringA("Extensions", "lvd", "(none)", entry, sizeof entry);
  return {RegValue(HKEY_CLASSES_ROOT, ".lvd", ""), entry};
}

TEST(LivedIn, TwoProductsSharingADllAndAnAssociationLeaveThemAsBeforeInEitherOrderOfRemoval) {
  SetRegValue(HKEY_CLASSES_ROOT, ".lvd", "", "OldView.Document");
  WriteProfileStringA("Extensions", "lvd", "C:\\OLDVIEW\\VIEW.EXE ^.lvd");
  const Association original = AssociationNow();
  const auto prefix = [] {
    return TakeSnapshot({"C:\\windows\\system"}, {{HKEY_CLASSES_ROOT, "HKCR", ".lvd"},
                                    {HKEY_LOCAL_MACHINE, "HKLM", "Software\\Setup Utility"}});
  };
  const Snapshot before = prefix();
  Product a("sharea", {{"share.dll", "shared"}}, AssociationSections("sharea"));
  Product b("shareb", {{"share.dll", "shared"}}, AssociationSections("shareb"));
  for (const bool aFirst : {true, false}) {
    a.Install();
    b.Install();
    a.Install();  // reinstalled over the other's association
    ASSERT_EQ(AssociationNow(), AssociationOf("sharea"));
    Product& first = aFirst ? a : b;
    Product& second = aFirst ? b : a;
    first.Remove();
    // The product still installed has its association, whichever went first.
    EXPECT_EQ(AssociationNow(), AssociationOf(aFirst ? "shareb" : "sharea")) << aFirst;
    EXPECT_EQ(second.Remove(), 0u) << aFirst;
    EXPECT_EQ(AssociationNow(), original) << aFirst;
    EXPECT_EQ(Differences(before, prefix()), std::vector<std::string>()) << aFirst;
    EXPECT_FALSE(UseCount("share.dll")) << aFirst;
    EXPECT_FALSE(Exists("C:\\sharea") || Exists("C:\\shareb")) << aFirst;
  }
}

TEST(LivedIn, WhatTheUserChangedAfterTheInstallStaysAtRemoval) {
  Product product("changed", {}, AssociationSections("changed"));
  product.Install();
  SetRegValue(HKEY_CLASSES_ROOT, ".lvd", "", "Mine.Document");
  WriteProfileStringA("Extensions", "lvd", "C:\\MINE\\MINE.EXE ^.lvd");
  EXPECT_EQ(product.Remove(), 3u);
  EXPECT_EQ(AssociationNow(), Association("Mine.Document", "C:\\MINE\\MINE.EXE ^.lvd"));
  const std::string log = ReadFile("C:\\changed-remove.log");
  EXPECT_TRUE(Contains(log, "kept: HKEY_CLASSES_ROOT\\.lvd\\(default) (it was changed after the install)")) << log;
  EXPECT_TRUE(Contains(log, "kept: win.ini [Extensions] lvd (it was changed after the install)")) << log;
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Setup Utility"));  // nothing handed over
}

// What Windows does at its next start with the moves it was handed: Windows
// 95 the [rename] lines of wininit.ini (target=source, short names), NT the
// pending renames in the registry. False when there were none.
bool RestartWindows() {
  const std::string wininit = WindowsFolder() + "\\wininit.ini";
  std::vector<std::pair<std::string, std::string>> moves;  // from, to
  bool inRename = false;
  std::string text = ReadFile(wininit);
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find("\r\n", at), text.size());
    const std::string line = text.substr(at, end - at);
    at = end + 2;
    if (!line.empty() && line[0] == '[') inRename = line == "[rename]";
    else if (inRename && line.find('=') != std::string::npos)
      moves.emplace_back(line.substr(line.find('=') + 1), line.substr(0, line.find('=')));
  }
  DeleteFileA(wininit.c_str());
  HKEY key = nullptr;
  const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    std::string data(65536, '\0');
    DWORD size = static_cast<DWORD>(data.size());
    if (RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()),
                         &size) == ERROR_SUCCESS) {
      std::vector<std::string> names;
      for (std::size_t at = 0; at < size && data[at]; at += names.back().size() + 1) names.push_back(data.c_str() + at);
      const auto plain = [](std::string name) { return name.substr(name.find("\\??\\") + 4); };
      for (std::size_t i = 0; i + 1 < names.size(); i += 2) moves.emplace_back(plain(names[i]), plain(names[i + 1]));
      RegDeleteValueA(key, "PendingFileRenameOperations");
    }
    RegCloseKey(key);
  }
  for (const auto& [from, to] : moves)
    EXPECT_TRUE(MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) << from << " -> " << to;
  return !moves.empty();
}

// A library that a running program holds: /S exits 3010, the wizard asks to
// restart; either way the new copy is in place once Windows has restarted.
// Run as Windows 95 (wininit.ini) and as NT 4.0 too.
TEST(LivedIn, AFileInUseTakesItsNewCopyWhenWindowsRestarts) {
  const std::string busy = kSystem + std::string("busy.dll");
  WriteFile(busy, "old");
  Product product("inuse", {{"busy.dll", "new"}});
  HANDLE open = CreateFileA(busy.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  const std::string log = product.Install(3010);
  CloseHandle(open);
  EXPECT_TRUE(Contains(log, "busy.dll (in use: replaced when Windows restarts)")) << log;
  EXPECT_FALSE(Contains(log, "Error copying")) << log;
  EXPECT_EQ(ReadFile(busy), "old");
  ASSERT_TRUE(RestartWindows());
  EXPECT_EQ(ReadFile(busy), "new");

  WriteFile(busy, "old");
  open = CreateFileA(busy.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  SetupRun wizard(SetupRun::InFolder{product.Folder()});
  wizard.Start();
  wizard.Install("C:\\inuse");
  const MessageBoxView question = WaitForMessageBox(wizard.Pid());
  EXPECT_EQ(question.text, "Would you like to Reboot now?") << OpenMessages(wizard.Pid());
  EXPECT_TRUE(Answer(question, "&No"));
  EXPECT_TRUE(wizard.WaitForExit());
  CloseHandle(open);
  ASSERT_TRUE(RestartWindows());
  EXPECT_EQ(ReadFile(busy), "new");
}

TEST(LivedIn, AReinstallGoesWhereTheProductIsAndTheDefaultIsThisMachinesProgramFiles) {
  SetRegValue(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", "C:\\Programme");
  SetupRun dist("reinstall");
  dist.AddFile("setup.ini", "\\Tool\r\nTool\r\nTool\r\n:files\r\n-install\r\nT.TXT\r\n:\r\n:ini\r\ntool.ini\r\n>\r\n:\r\n");
  dist.AddFile("T.TXT", "t");
  const auto install = [&](const std::string& arguments) {
    EXPECT_EQ(RunSilently(dist.Folder() + "\\setup.exe", "/S " + arguments, dist.Folder()).exitCode, 0u) << arguments;
  };
  install("");
  EXPECT_TRUE(Exists("C:\\Programme\\Tool\\T.TXT"));
  install("/D=C:\\Moved\\Tool");
  DeleteFileA("C:\\Moved\\Tool\\T.TXT");
  install("");
  EXPECT_TRUE(Exists("C:\\Moved\\Tool\\T.TXT"));
}

// Wine refuses a lasting key below a volatile one, as NT refuses a user a key
// of HKEY_LOCAL_MACHINE.
TEST(LivedIn, AValueWhoseKeyDoesNotOpenIsLoggedWithTheReasonAndCounted) {
  HKEY volatileKey = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Volatile", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &volatileKey, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(volatileKey);
  SetupRun dist("refused");
  dist.AddFile("setup.ini", "\\Refused\r\nRefused\r\nRefused\r\n:reg\r\nHKEY_CURRENT_USER\r\nSoftware\\Volatile\\Lasting\r\n"
                            "v\r\nx\r\nHKEY_CURRENT_USER\r\nSoftware\\Refused\r\nv\r\ny\r\n:\r\n");
  const SilentRun run = RunSilently(dist.Folder() + "\\setup.exe", "/S /LOG=C:\\refused.log", dist.Folder());
  const std::string log = ReadFile("C:\\refused.log");
  EXPECT_EQ(run.exitCode, 6u) << log;
  EXPECT_TRUE(Contains(log, "registry value not written: HKEY_CURRENT_USER\\Software\\Volatile\\Lasting \"v\" (")) << log;
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, "Software\\Refused", "v"), "y");  // the rest goes on
}

}  // namespace
