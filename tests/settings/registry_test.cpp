// The registry phase against the real registry: data codes, default values,
// root names, config.cfg, key deletion and start-up entries.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>

#include "fixtures.h"
#include "engine_run.h"
#include "install/apply/registry_ops.h"

namespace install {
namespace {

using namespace settings_test;

const char kDestination[] = "C:\\settest\\MG";
const char kUserKey[] = "Software\\SettingsTest";
const char kMachineKey[] = "Software\\SettingsTest";
const char kProduct[] = "SOFTWARE\\Tarnwick\\marrowgate";
const char kRun[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunServices[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices";
const char kStartName[] = "Marrowgate Test";
const char kServiceName[] = "Marrowgate Test Service";
const char* const kClassKeys[] = {"SettingsTest.Del", "SettingsTest.Del2", "SettingsTest.Keep",
                                  "SettingsTest.Order"};

std::string Sub(const std::string& key, const std::string& name) { return key + "\\" + name; }

class RegistryPhase : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }

  // An install of `sections` from a source folder of the test's own (no
  // config.cfg unless the test puts one there); the error that stopped it, if any.
  std::string Run(const std::string& destination) {
    return driver::RunEngine(driver::ScriptOf(sections), source.path(), destination, source / "Programs").outcome.error;
  }

  script::Sections sections;
  TempFolder source{"reg-source"};

 private:
  static void Clean() {
    DeleteKey(HKEY_CURRENT_USER, kUserKey);
    DeleteKey(HKEY_LOCAL_MACHINE, kMachineKey);
    DeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarnwick");
    for (const char* key : kClassKeys) DeleteKey(HKEY_CLASSES_ROOT, key);
    for (const char* key : {kRun, kRunServices})
      for (const char* name : {kStartName, kServiceName}) DeleteValue(HKEY_LOCAL_MACHINE, key, name);
  }
};

void AddEntry(script::Lines& list, const std::string& root, const std::string& path,
              const std::string& name, const std::string& data) {
  for (const std::string& line : {root, path, name, data}) list.add(line);
}

TEST_F(RegistryPhase, DataCodesOfBothSections) {
  TempFolder root("reg-codes");
  const std::string destination = root / "Marrowgate Tools";
  MakeFolder(destination);
  const std::string shortDestination = ShortPath(destination);
  ASSERT_NE(shortDestination, "");
  ASSERT_NE(shortDestination, destination);
  // The destination holds a blank: the commands quote the program and "%1".
  const std::string program = destination + "\\bin\\mg.exe";
  const std::string quoted = "\"" + program + "\"";
  const std::string uninstall = WindowsDirectory() + "\\twremove.exe " + shortDestination;
  const struct {
    std::string data, reg, reg1;
  } rows[] = {
      {"p", quoted + " \"%1\"", program},
      {"P", quoted + " \"%1\" %2 %3 %4 %5 %6 %7 %8 %9", "P"},
      {"u", uninstall, uninstall},
      {"r", destination, "r"},
      {"s", shortDestination, "s"},
      {" p", " p", " p"},
      {"p ", "p ", "p "},
      {"R", "R", "R"},
      {"", "", ""},
      {"C:\\other\\path", "C:\\other\\path", "C:\\other\\path"},
  };
  sections.exe = {"Marrowgate", "bin\\mg.exe"};
  sections.unin = {"twremove.exe"};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    AddEntry(sections.reg, "HKEY_CURRENT_USER", Sub(kUserKey, "Reg"), "v" + std::to_string(i), rows[i].data);
    AddEntry(sections.reg1, "HKEY_CURRENT_USER", Sub(kUserKey, "Reg1"), "v" + std::to_string(i), rows[i].data);
  }
  Run(destination);
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE("data line \"" + rows[i].data + "\"");
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, Sub(kUserKey, "Reg"), "v" + std::to_string(i)), rows[i].reg);
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, Sub(kUserKey, "Reg1"), "v" + std::to_string(i)), rows[i].reg1);
  }
}

TEST_F(RegistryPhase, DoubleStarAndEmptyNameSetTheDefaultValueOfANewKey) {
  const std::string created = Sub(kMachineKey, "New\\Deeper");
  ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, created));
  AddEntry(sections.reg, "HKEY_LOCAL_MACHINE", created, "**", "r");
  AddEntry(sections.reg, "HKEY_CURRENT_USER", "\\" + Sub(kUserKey, "Lead"), "", "empty name");
  AddEntry(sections.reg1, "HKEY_CURRENT_USER", Sub(kUserKey, "One"), "**", "from reg1");
  Run("C:\\Program Files\\Marrowgate");
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, created, ""), "C:\\Program Files\\Marrowgate");
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, Sub(kUserKey, "Lead"), ""), "empty name");
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, Sub(kUserKey, "One"), ""), "from reg1");
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, created, "**"), std::nullopt);
  EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE, created), 1u);
}

TEST_F(RegistryPhase, AnUnknownRootNameWritesNothingAnywhere) {
  const std::string path = Sub(kUserKey, "Lower");
  AddEntry(sections.reg, "hkey_current_user", path, "v", "x");
  AddEntry(sections.reg, "HKEY_CURRENT_USER ", path, "v", "x");
  AddEntry(sections.reg1, "HKCU", path, "v", "x");
  AddEntry(sections.reg1, "HKEY_CURRENT_USER", Sub(kUserKey, "After"), "v", "written");
  Run("C:\\Program Files\\Marrowgate");
  for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                    HKEY_CURRENT_CONFIG}) {
    SCOPED_TRACE(reinterpret_cast<uintptr_t>(root));
    EXPECT_FALSE(KeyExists(root, path));
  }
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, Sub(kUserKey, "After"), "v"), "written");
}

TEST_F(RegistryPhase, AMissingScriptLineStopsAtTheEntryThatNeedsIt) {
  const struct {
    const char* name;
    script::Lines exe, unin;
    bool reg1;
    const char* data;
  } cases[] = {
      {"p without a program line", {"Marrowgate"}, {"twremove.exe"}, false, "p"},
      {"P without a program line", {}, {"twremove.exe"}, false, "P"},
      {"u without a removal program", {"Marrowgate", "mg.exe"}, {}, true, "u"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteKey(HKEY_CURRENT_USER, kUserKey);
    sections = {};
    sections.exe = c.exe;
    sections.unin = c.unin;
    sections.runStart = kStartName;
    script::Lines& list = c.reg1 ? sections.reg1 : sections.reg;
    AddEntry(list, "HKEY_CURRENT_USER", kUserKey, "before", "written");
    AddEntry(list, "HKEY_CURRENT_USER", kUserKey, "failing", c.data);
    AddEntry(list, "HKEY_CURRENT_USER", kUserKey, "after", "x");
    EXPECT_EQ(Run(kDestination), "List index out of bounds");
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, kUserKey, "before"), "written");
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, kUserKey, "failing"), std::nullopt);
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, kUserKey, "after"), std::nullopt);
    EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRun, kStartName), std::nullopt);
  }
}

TEST_F(RegistryPhase, AnIncompleteLastEntryFailsAfterTheWholeOnes) {
  AddEntry(sections.reg, "HKEY_CURRENT_USER", kUserKey, "whole", "written");
  for (const char* line : {"HKEY_CURRENT_USER", kUserKey, "cut"}) sections.reg.add(line);
  EXPECT_EQ(Run(kDestination), "List index out of bounds");
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, kUserKey, "whole"), "written");
  EXPECT_EQ(ValueCount(HKEY_CURRENT_USER, kUserKey), 1u);
}

TEST_F(RegistryPhase, ConfigSettingsAreSplitAtTheFirstComma) {
  WriteFile(source / "config.cfg",
            script::JoinLines({"Marrowgate", "Path,C:\\a,b", "Empty,", ",default text", "Whole line"}));
  Run(kDestination);
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kProduct, "Path"), "C:\\a,b");
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kProduct, "Empty"), "");
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kProduct, ""), "default text");
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kProduct, "Whole line"), "Whole line");
  EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE, kProduct), 4u);
}

TEST_F(RegistryPhase, AConfigFileThatIsNotOursIsIgnored) {
  const struct {
    const char* name;
    const char* text;
  } cases[] = {
      {"product name with a trailing blank", "Marrowgate \r\nColour,blue\r\n"},
      {"product name in lower case", "marrowgate\r\nColour,blue\r\n"},
      {"only the product name", "Marrowgate\r\n"},
      {"empty file", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(source / "config.cfg", c.text);
    Run(kDestination);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProduct));
  }
  DeleteFileA((source / "config.cfg").c_str());
  Run(kDestination);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProduct));
}

TEST_F(RegistryPhase, DeleteListRemovesWholeSubtreesAndNeverTheRoot) {
  SetRegValue(HKEY_CLASSES_ROOT, "SettingsTest.Del", "", "document");
  SetRegValue(HKEY_CLASSES_ROOT, "SettingsTest.Del\\shell\\open\\command", "", "mg.exe %1");
  SetRegValue(HKEY_CLASSES_ROOT, "SettingsTest.Del\\DefaultIcon", "", "mg.exe,0");
  SetRegValue(HKEY_CLASSES_ROOT, "SettingsTest.Del2\\sub", "", "x");
  SetRegValue(HKEY_CLASSES_ROOT, "SettingsTest.Keep", "", "kept");
  // "\\" would open the root itself.
  sections.delreg = {"", "\\", "\\\\", "SettingsTest.Del", "\\SettingsTest.Del2", "SettingsTest.Missing"};
  Run(kDestination);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "SettingsTest.Del"));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "SettingsTest.Del2"));
  EXPECT_EQ(RegValue(HKEY_CLASSES_ROOT, "SettingsTest.Keep", ""), "kept");
}

DWORD WINAPI DeleteStuckKey(void*) {
  DeleteClassesKey("SettingsTest.Stuck");
  return 0;
}

// A subkey whose name does not survive the ANSI round trip cannot be opened
// by name, so it cannot be deleted: the delete steps past it and ends.
TEST_F(RegistryPhase, ASubkeyThatCannotBeDeletedIsSteppedPast) {
  const wchar_t stuck[] = L"SettingsTest.Stuck\\\x4E00\x4E01";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, stuck, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  SetRegValue(HKEY_CLASSES_ROOT, "SettingsTest.Stuck\\a", "", "x");
  SetRegValue(HKEY_CLASSES_ROOT, "SettingsTest.Stuck\\z\\deeper", "", "x");
  HANDLE thread = CreateThread(nullptr, 0, DeleteStuckKey, nullptr, 0, nullptr);
  const bool ended = WaitForSingleObject(thread, 20000) == WAIT_OBJECT_0;
  if (!ended) TerminateThread(thread, 1);
  CloseHandle(thread);
  EXPECT_TRUE(ended) << "the delete did not end";
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "SettingsTest.Stuck\\a"));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "SettingsTest.Stuck\\z"));
  EXPECT_EQ(RegDeleteKeyW(HKEY_CLASSES_ROOT, stuck), ERROR_SUCCESS) << "the undeletable key was lost";
  RegDeleteKeyA(HKEY_CLASSES_ROOT, "SettingsTest.Stuck");
}

TEST_F(RegistryPhase, StepsRunInOrder) {
  AddEntry(sections.reg, "HKEY_CLASSES_ROOT", "SettingsTest.Order", "**", "made by reg");
  AddEntry(sections.reg, "HKEY_LOCAL_MACHINE", kProduct, "Edition", "from reg");
  AddEntry(sections.reg1, "HKEY_LOCAL_MACHINE", kProduct, "Edition", "from reg1");
  AddEntry(sections.reg1, "HKEY_LOCAL_MACHINE", kProduct, "Colour", "from reg1");
  WriteFile(source / "config.cfg", script::JoinLines({"Marrowgate", "Colour,from config"}));
  sections.delreg = {"SettingsTest.Order"};
  Run(kDestination);
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kProduct, "Edition"), "from reg1");
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kProduct, "Colour"), "from config");
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "SettingsTest.Order"));
}

// Unquoted, Windows would try C:\Program.exe first.
TEST_F(RegistryPhase, StartupEntriesQuoteAProgramPathWithBlanksOnly) {
  sections.exe = {"Marrowgate", "mg.exe", "Help", "mg.hlp"};
  sections.runServices = kServiceName;
  sections.runStart = kStartName;
  AddEntry(sections.reg, "HKEY_CURRENT_USER", Sub(kUserKey, "Open"), "", "p");
  Run("C:\\Program Files\\Marrowgate");
  const std::string quoted = "\"C:\\Program Files\\Marrowgate\\mg.exe\"";
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRunServices, kServiceName), quoted);
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRun, kStartName), quoted);
  Run(kDestination);
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRunServices, kServiceName), "C:\\settest\\MG\\mg.exe");
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRun, kStartName), "C:\\settest\\MG\\mg.exe");
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, Sub(kUserKey, "Open"), ""), "C:\\settest\\MG\\mg.exe %1");
}

TEST_F(RegistryPhase, AnEmptyNameAsksForNoEntry) {
  sections.exe = {"Marrowgate", "mg.exe"};
  sections.runStart = kStartName;
  const std::size_t services = ValueCount(HKEY_LOCAL_MACHINE, kRunServices);
  Run("C:\\Marrowgate");
  EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE, kRunServices), services);
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRun, kStartName), "C:\\Marrowgate\\mg.exe");
}

TEST_F(RegistryPhase, RunningTwiceLeavesOneValueWithTheSecondCommand) {
  sections.exe = {"Marrowgate", "mg.exe"};
  sections.runStart = kStartName;
  const std::size_t before = ValueCount(HKEY_LOCAL_MACHINE, kRun);
  Run("C:\\Program Files\\Marrowgate");
  Run("C:\\Tools\\Marrowgate 2");
  EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE, kRun), before + 1);
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRun, kStartName), "\"C:\\Tools\\Marrowgate 2\\mg.exe\"");
}

}  // namespace
}  // namespace install
