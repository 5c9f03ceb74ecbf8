// The rules that keep the removal away from what the install did not make.
#include <gtest/gtest.h>

#include "remove/safety.h"

namespace uninstall {
namespace {

// The 8.3 forms a small machine would give.
std::string ShortForm(const std::string& path) {
  if (path == "C:\\Program Files") return "C:\\PROGRA~1";
  if (path == "C:\\PROGRA~1") return "C:\\PROGRA~1";
  if (path == "C:\\Program Files\\Marrowgate") return "C:\\PROGRA~1\\MARROW~1";
  if (path.rfind("C:\\PROGRA~1\\MARROW~1\\", 0) == 0 || path.rfind("C:\\Program Files\\Marrowgate\\", 0) == 0)
    return "C:\\PROGRA~1\\MARROW~1\\" + path.substr(path.find_last_of('\\') + 1);
  return "";
}

const SafetyRules& Rules() {
  static const SafetyRules rules("C:\\Program Files\\Marrowgate", {"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\Program Files"},
                                 ShortForm);
  return rules;
}

TEST(Safety, RefusesRootsWindowsFoldersAndOddPaths) {
  const char* refused[] = {"C:\\",         "C:\\windows",   "c:\\Windows\\",       "C:\\PROGRA~1",
                           "C:\\App\\..\\WINDOWS\\win.ini", "C:\\App\\.\\a.exe", "C:\\App\\\\a.exe",
                           "App\\a.exe",   "\\App\\a.exe",  "C:\\App\\*.exe",      "\\\\server\\share\\",
                           ""};
  for (const char* path : refused) EXPECT_NE(Rules().PathRefusal(path), "") << path;
  for (const char* path : {"C:\\Program Files\\Marrowgate\\marrow.exe", "C:\\WINDOWS\\marrowgt.ini",
                           "\\\\server\\share\\app\\a.dll"})
    EXPECT_EQ(Rules().PathRefusal(path), "") << path;
}

TEST(Safety, DestinationIsMatchedInLongAndShortForm) {
  EXPECT_TRUE(Rules().InDestination("C:\\PROGRA~1\\MARROW~1\\marrow.exe"));
  EXPECT_TRUE(Rules().InDestination("c:\\program files\\marrowgate\\sub\\x.txt"));
  EXPECT_FALSE(Rules().InDestination("C:\\Program Files\\Marrowgate"));
  EXPECT_FALSE(Rules().InDestination("C:\\Program Files\\MarrowgateOld\\x.txt"));
  EXPECT_FALSE(Rules().MayPruneFolder("C:\\Program Files\\Marrowgate"));
  EXPECT_TRUE(Rules().MayPruneFolder("C:\\Program Files\\Marrowgate\\samples"));

  EXPECT_TRUE(Rules().CommandInDestination("C:\\Program Files\\Marrowgate\\marrow.exe"));
  EXPECT_TRUE(Rules().CommandInDestination("\"C:\\Program Files\\Marrowgate\\marrow.exe\" /tray"));
  EXPECT_TRUE(Rules().CommandInDestination("c:\\progra~1\\marrow~1\\marrow.exe"));
  EXPECT_FALSE(Rules().CommandInDestination("C:\\Program Files\\Marrowgate2\\marrow.exe"));
  EXPECT_FALSE(Rules().CommandInDestination("C:\\WINDOWS\\notepad.exe C:\\Program Files\\Marrowgate\\a.txt"));
}

TEST(Safety, RefusesRootKeysTheirChildrenAndTheKeysOfWindows) {
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
      {"HKEY_USERS", ".DEFAULT"},
      {"HKEY_USERS", ".DEFAULT\\Software"},
      {"HKEY_CLASSES_ROOT", "CLSID"},
      {"HKEY_CLASSES_ROOT", ".exe"},
      {"HKEY_CLASSES_ROOT", "a\\\\b"},
      {"HKEY_DYN_DATA", "Config Manager\\Enum"},
      {"HKEY_local_machine", "SOFTWARE\\Tarnwick\\marrowgate"},
  };
  for (const RegKey& key : refused) EXPECT_NE(SafetyRules::KeyRefusal(key), "") << key.root << "\\" << key.path;
  const RegKey allowed[] = {
      {"HKEY_CLASSES_ROOT", ".mrw"},
      {"HKEY_CLASSES_ROOT", "Marrowgate.Document"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Tarnwick"},
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marrowgate"},
      {"HKEY_USERS", ".DEFAULT\\Software\\Tarnwick"},
  };
  for (const RegKey& key : allowed) EXPECT_EQ(SafetyRules::KeyRefusal(key), "") << key.root << "\\" << key.path;
  EXPECT_NE(SafetyRules::ValueRefusal({{"HKEY_CURRENT_USER", ""}, "x"}), "");
  EXPECT_EQ(SafetyRules::ValueRefusal({{"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"}, "M"}), "");
}

}  // namespace
}  // namespace uninstall
