// The settings phases' rules that need no system: driver-line filtering, the
// path file's lines, data codes, config.cfg lines and the delete list.
#include <gtest/gtest.h>

#include "install/plan/data_codes.h"
#include "install/plan/driver_lines.h"
#include "install/plan/path_file_lines.h"
#include "install/plan/registry_rules.h"
#include "install/plan/space_rules.h"

namespace install {
namespace {

TEST(DriverLines, RemovesEveryLineNamingTheDriverAndKeepsTheRestByteForByte) {
  const struct {
    const char* name;
    std::string text, expected;
  } cases[] = {
      {"as a file name", "[386Enh]\r\ndevice=qzmnd.386\r\nshell=x\r\n", "[386Enh]\r\nshell=x\r\n"},
      {"inside a word", "a=1\r\ndrv=oldqzmndx.drv\r\n", "a=1\r\n"},
      {"adjacent lines", "a\r\nqzmnd1\r\nx=qzmnd2\r\nb\r\n", "a\r\nb\r\n"},
      {"last line without line end", "a\r\n;qzmnd", "a\r\n"},
      {"kept last line without line end", "qzmnd\r\nb", "b"},
      {"bare LF lines", "a\nqzmnd\nb\n", "a\nb\n"},
      {"every line", "qzmnd\r\nqzmnd\r\n", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.text;
    EXPECT_TRUE(DropDriverLines(text));
    EXPECT_EQ(text, c.expected);
  }
}

TEST(DriverLines, ReportsNoChangeWhenNothingMatches) {
  for (const std::string original : {"", "QZMND=1\r\nQzmnd.386\r\nqzm nd\r\n", "a\r\n\r\n"}) {
    SCOPED_TRACE(original);
    std::string text = original;
    EXPECT_FALSE(DropDriverLines(text));
    EXPECT_EQ(text, original);
  }
}

std::string Shorten(const std::string& path) { return "short(" + path + ")"; }

TEST(PathFileLines, RunMarkerDestinationThenOneLinePerEntry) {
  script::Lines un{"sentinel", "lines"};
  FillPathFile(un, {"mg.ini", ">", "~\\mg.exe", "plain", "", ">ignored rest", "~tail"}, "C:\\WINDOWS",
               "C:\\Program Files\\Marrowgate", Shorten);
  EXPECT_EQ(un, (script::Lines{":run", "C:\\Program Files\\Marrowgate", "C:\\WINDOWS",
                                "short(C:\\Program Files\\Marrowgate\\mg.exe)", "C:\\WINDOWS",
                                "short(C:\\Program Files\\Marrowgatetail)"}));
}

TEST(DataCodes, UninstallCommandJoinsWindowsFolderProgramAndShortDestination) {
  const script::Lines exe, unin{"twremove.exe"};
  CodeInputs in{"C:\\Program Files\\Marrowgate", "C:\\PROGRA~1\\MARROW~1", "C:\\WINDOWS", exe, unin};
  EXPECT_EQ(UninstallCommand(in), "C:\\WINDOWS\\twremove.exe C:\\PROGRA~1\\MARROW~1");
  // Windows at a drive's root: one backslash, not two.
  in.windowsFolder = "C:\\";
  EXPECT_EQ(UninstallCommand(in), "C:\\twremove.exe C:\\PROGRA~1\\MARROW~1");
}

// Codes that need no script line work without ":exe" and ":unin".
TEST(DataCodes, OnlyTheCodeInUseReadsItsScriptLine) {
  const script::Lines none;
  const CodeInputs in{"D:\\MG", "D:\\MG", "C:\\WINDOWS", none, none};
  EXPECT_EQ(ExpandDataCode("P", CodeSet::Reg1, in), "P");
  EXPECT_EQ(ExpandDataCode("r", CodeSet::Reg, in), "D:\\MG");
  EXPECT_EQ(ExpandDataCode("s", CodeSet::Reg, in), "D:\\MG");
  EXPECT_THROW(ExpandDataCode("p", CodeSet::Reg1, in), script::ListIndexError);
}

// The comma cases are read back from the registry in registry_test.cpp.
TEST(Settings, EmptyLineIsTheDefaultValueAndBlanksStay) {
  const Setting empty = SplitSetting("");
  EXPECT_EQ(empty.name, "");
  EXPECT_EQ(empty.text, "");
  const Setting blanks = SplitSetting(" Name , text ");
  EXPECT_EQ(blanks.name, " Name ");
  EXPECT_EQ(blanks.text, " text ");
}

TEST(DeleteList, OnlyLinesThatNameAKeyBelowTheRoot) {
  for (const char* line : {"Marrowgate.Document", "\\Marrowgate.Document", "a\\b"}) {
    SCOPED_TRACE(line);
    EXPECT_TRUE(NamesSubkey(line));
  }
  for (const char* line : {"", "\\", "\\\\", "\\\\a"}) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(NamesSubkey(line));
  }
}

TEST(PathFileName, OnlyAPlainNameThatIsNoneOfTheSystemsFiles) {
  for (const char* ok : {"mg.ini", "marrow.pth", "~x.ini"}) EXPECT_TRUE(IsPathFileName(ok)) << ok;
  for (const char* bad : {"", "..\\autoexec.bat", "..", "sub\\mg.ini", "C:mg.ini", "a/b", "win.ini", "SYSTEM.INI",
                          "Protocol.ini", "autoexec.bat", "CONFIG.SYS", "msdos.sys", "x..ini"})
    EXPECT_FALSE(IsPathFileName(bad)) << bad;
}

TEST(RunCommand, TheProgramPartIsQuotedWhenItHoldsABlank) {
  EXPECT_EQ(RunCommand("C:\\Acme", "tool.exe /x", false), "C:\\Acme\\tool.exe /x");
  EXPECT_EQ(RunCommand("C:\\Acme Tools", "tool.exe /x a", false), "\"C:\\Acme Tools\\tool.exe\" /x a");
  EXPECT_EQ(RunCommand("C:\\Acme Tools", "tool.exe", false), "\"C:\\Acme Tools\\tool.exe\"");
  EXPECT_EQ(RunCommand("C:\\Acme", "my tool.exe", true), "\"C:\\Acme\\my tool.exe\"");
}

TEST(FreeSpace, DriveRootsAndTheQuestion) {
  EXPECT_EQ(DriveRoot("C:\\Program Files\\a.txt"), "C:\\");
  EXPECT_EQ(DriveRoot("\\\\srv\\share\\dir\\a.txt"), "\\\\srv\\share\\");
  EXPECT_EQ(DriveRoot("relative\\a.txt"), "");
  EXPECT_EQ(NotEnoughSpaceText("T:\\", "Acme", 2049, 1023),
            "There is not enough space on drive T: to install Acme. 3 KB are needed and 0 KB are free. "
            "Continue anyway?");
}

}  // namespace
}  // namespace install
