// The rules that keep the removal to what an install of this program could
// have made, whatever the record and the journal say.
#include <gtest/gtest.h>

#include "remove/safety.h"

namespace uninstall {
namespace {

// The long names a small machine would list for its 8.3 names.
std::string LongName(const std::string& path) {
  const std::string last = path.substr(path.find_last_of('\\') + 1);
  if (last == "PROGRA~1") return "Program Files";
  if (last == "MARROW~1") return "Marrowgate";
  if (last == "MARROW~2.EXE") return "marrow tool.exe";
  return "";
}

const SafetyRules& Rules() {
  static const SafetyRules rules({"C:\\Program Files\\Marrowgate",
                                  {"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\Program Files"},
                                  {"C:\\WINDOWS\\Start Menu\\Programs"}},
                                 LongName);
  return rules;
}

TEST(Safety, EverySpellingOfAPathIsOneAndOddPathsAreRefused) {
  const char* refused[] = {"C:\\",          "C:/",                "C:\\windows",       "c:\\Windows\\",
                           "C:\\WINDOWS/.", "C:\\windows.",       "C:\\PROGRA~1",      "C:\\App\\..\\WINDOWS\\win.ini",
                           "C:\\App/../windows/victim.ini",       "C:\\App\\.\\a.exe", "C:\\App\\\\a.exe",
                           "App\\a.exe",    "\\App\\a.exe",       "C:\\App\\*.exe",    "\\\\server\\share\\",
                           "\\\\?\\C:\\WINDOWS\\win.ini",         "C:\\App\\con.txt",  "C:\\App\\a.exe:stream", ""};
  for (const char* path : refused) EXPECT_NE(Rules().PathRefusal(path), "") << path;
  for (const char* path : {"C:\\Program Files\\Marrowgate\\marrow.exe", "C:\\WINDOWS\\marrowgt.ini",
                           "\\\\server\\share\\app\\a.dll"})
    EXPECT_EQ(Rules().PathRefusal(path), "") << path;

  EXPECT_EQ(Rules().Canonical("C:\\PROGRA~1\\MARROW~1\\MARROW~2.EXE"), "c:\\program files\\marrowgate\\marrow tool.exe");
  EXPECT_TRUE(Rules().InDestination("C:/PROGRA~1/MARROW~1/sub/x.txt"));
  EXPECT_TRUE(Rules().InDestination("c:\\program files\\marrowgate.\\x.txt"));
  EXPECT_FALSE(Rules().InDestination("C:\\Program Files\\Marrowgate"));
  EXPECT_FALSE(Rules().InDestination("C:\\Program Files\\MarrowgateOld\\x.txt"));
  EXPECT_FALSE(Rules().InDestination("C:\\Program Files\\Marrowgate\\..\\x.txt"));
  EXPECT_FALSE(Rules().MayPruneFolder("C:\\Program Files\\Marrowgate"));
  EXPECT_TRUE(Rules().MayPruneFolder("C:\\Program Files\\Marrowgate\\samples"));

  EXPECT_TRUE(Rules().CommandInDestination("C:\\Program Files\\Marrowgate\\marrow.exe"));
  EXPECT_TRUE(Rules().CommandInDestination("\"C:\\Program Files\\Marrowgate\\marrow.exe\" /tray"));
  EXPECT_TRUE(Rules().CommandInDestination("c:\\progra~1\\marrow~1\\marrow.exe"));
  EXPECT_FALSE(Rules().CommandInDestination("C:\\Program Files\\Marrowgate2\\marrow.exe"));
  EXPECT_FALSE(Rules().CommandInDestination("\"C:\\Tools\\Other\\agent.exe\" /tray"));
  EXPECT_FALSE(Rules().CommandInDestination("C:\\WINDOWS\\notepad.exe C:\\Program Files\\Marrowgate\\a.txt"));
}

TEST(Safety, ShortcutsGroupsAndProfileEntriesOnlyWhereAnInstallPutsThem) {
  EXPECT_EQ(Rules().ShortcutRefusal("C:\\WINDOWS\\Start Menu\\Programs\\Marrowgate\\Marrowgate.lnk"), "");
  EXPECT_EQ(Rules().ShortcutRefusal("c:/windows/start menu/programs/Marrowgate/Read Me.pif"), "");
  for (const char* path : {"C:\\WINDOWS\\win.ini", "C:\\WINDOWS\\Start Menu\\Programs\\x.exe",
                           "C:\\WINDOWS\\Start Menu\\x.lnk", "C:\\WINDOWS\\Start Menu\\Programs\\..\\..\\x.lnk"})
    EXPECT_NE(Rules().ShortcutRefusal(path), "") << path;
  EXPECT_EQ(Rules().GroupRefusal("C:\\WINDOWS\\Start Menu\\Programs\\Marrowgate"), "");
  for (const char* path : {"C:\\WINDOWS\\Start Menu\\Programs", "C:\\WINDOWS\\Start Menu\\Programs\\..\\..", "C:\\Tools"})
    EXPECT_NE(Rules().GroupRefusal(path), "") << path;

  EXPECT_EQ(SafetyRules::ProfileRefusal("marrow.ini", "Options"), "");
  EXPECT_EQ(SafetyRules::ProfileRefusal("system.ini", "386Enh"), "");
  const char* refused[][2] = {{"C:\\Users\\me\\notes.txt", "x"}, {"..\\autoexec.bat", "x"}, {"a/b.ini", "x"},
                              {"win.ini", "Windows"},            {"WIN.INI.", "windows"}, {"system.ini", "boot"},
                              {"nul.ini", "x"},                  {"", "x"}};
  for (const auto& entry : refused) EXPECT_NE(SafetyRules::ProfileRefusal(entry[0], entry[1]), "") << entry[0];
}

TEST(Safety, KeysAndValuesOfWindowsAreRefusedUnderEveryNameTheyHave) {
  const RegKey refused[] = {
      {"HKEY_LOCAL_MACHINE", ""},
      {"HKEY_LOCAL_MACHINE", "\\"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE"},
      {"HKEY_CURRENT_USER", "Software\\"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft"},
      {"HKEY_LOCAL_MACHINE", "Software\\Microsoft\\Windows\\CurrentVersion"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"},
      {"HKEY_LOCAL_MACHINE", "SYSTEM\\CurrentControlSet\\Services"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options\\a.exe"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Wow6432Node"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Wow6432Node\\Microsoft"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Classes"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Classes\\CLSID\\{00021401-0000-0000-C000-000000000046}"},
      {"HKEY_CURRENT_USER", "Software\\Classes\\exefile\\shell"},
      {"HKEY_USERS", ".DEFAULT"},
      {"HKEY_USERS", ".DEFAULT\\Software"},
      {"HKEY_USERS", "S-1-5-21-1_Classes\\txtfile"},
      {"HKEY_CLASSES_ROOT", "CLSID"},
      {"HKEY_CLASSES_ROOT", "Wow6432Node\\CLSID\\{x}"},
      {"HKEY_CLASSES_ROOT", ".exe"},
      {"HKEY_CLASSES_ROOT", "a\\\\b"},
      {"HKEY_DYN_DATA", "Config Manager\\Enum"},
      {"HKEY_local_machine", "SOFTWARE\\Tarnwick\\marrowgate"},
  };
  for (const RegKey& key : refused) EXPECT_NE(SafetyRules::KeyRefusal(key), "") << key.root << "\\" << key.path;
  const RegKey allowed[] = {
      {"HKEY_CLASSES_ROOT", ".mrw"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Classes\\Marrowgate.Document"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Wow6432Node\\Tarnwick"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marrowgate"},
      {"HKEY_USERS", ".DEFAULT\\Software\\Tarnwick"},
  };
  for (const RegKey& key : allowed) EXPECT_EQ(SafetyRules::KeyRefusal(key), "") << key.root << "\\" << key.path;

  const RegValueRef refusedValues[] = {
      {{"HKEY_CURRENT_USER", ""}, "x"},
      {{"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon"}, "Shell"},
      {{"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options\\a.exe"}, "Debugger"},
      {{"HKEY_CLASSES_ROOT", "exefile\\shell\\open\\command"}, ""},
      {{"HKEY_LOCAL_MACHINE", "Software\\Microsoft\\Windows\\CurrentVersion"}, "ProgramFilesDir"},
      {{"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce"}, "x"},
  };
  for (const RegValueRef& value : refusedValues) EXPECT_NE(SafetyRules::ValueRefusal(value), "") << value.key.path;
  EXPECT_EQ(SafetyRules::ValueRefusal({{"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"}, "M"}), "");
  EXPECT_TRUE(SafetyRules::IsStartupKey({"HKEY_LOCAL_MACHINE", "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run"}));
}

}  // namespace
}  // namespace uninstall
