#include "install/plan/file_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "install/plan/uninstall_record.h"

namespace install {
namespace {

TEST(InstalledName, RestoresDistributionNamesAndMapsDataFiles) {
  const struct {
    const char* line;
    const char* name;
  } cases[] = {
      {"SETUP.EX_", "setup.exe"},  {"MAIN.DL_", "main.dll"},    {"READ.TX_", "read.tx"},
      {"Mixed.Txt", "Mixed.Txt"},  {"file1.dat", "kofxq11.dll"}, {"file2.dat", "qzmnd.386"},
      {"file3.dat", "halter1.vbx"}, {"file4.dat", "wqdll.dll"},   {"file5.dat", "wqdrv.vxd"},
      {"FILE2.DAT", "FILE2.DAT"},  {"file6.dat", "file6.dat"},   {"X_", "x"},
      {"FOO.X_", "foo.x"},         {"DATA.XL_", "data.xl"},     {"LIB.DL_", "lib.dll"},
      // A lone "_" restores to nothing, and nothing outside the name is read.
      {"_", ""},                   {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(InstalledName(c.line), c.name) << c.line;
  // A compressed file's header names the replaced character, in any case.
  EXPECT_EQ(InstalledName("READ.TX_", 'T'), "read.txt");
  EXPECT_EQ(InstalledName("SETUP.EX_", 'e'), "setup.exe");
  EXPECT_EQ(InstalledName("X_", 'y'), "xy");
  EXPECT_EQ(InstalledName("Mixed.Txt", 'q'), "Mixed.Txt");
}

TEST(Directive, SelectsThePrefix) {
  const std::string windows = "C:\\WINDOWS", dest = "C:\\Tools";
  EXPECT_EQ(DirectivePrefix(":win", windows, dest), "C:\\WINDOWS\\");
  EXPECT_EQ(DirectivePrefix(":win\\system", windows, dest), "C:\\WINDOWS\\system\\");
  EXPECT_EQ(DirectivePrefix(":install", windows, dest), "C:\\Tools\\");
  EXPECT_EQ(DirectivePrefix(":D:\\Shared\\", windows, dest), "D:\\Shared\\");
  EXPECT_EQ(DirectivePrefix(":", windows, dest), "");
  EXPECT_EQ(DirectivePrefix(":WIN", windows, dest), "WIN");
  EXPECT_FALSE(DirectivePrefix("win", windows, dest));
  EXPECT_FALSE(DirectivePrefix("", windows, dest));
}

TEST(Progress, CountsTheEmptyFirstEntryAndTruncates) {
  EXPECT_EQ(ProgressPosition(2, 4), 66);
  EXPECT_EQ(ProgressPosition(3, 4), 100);
  EXPECT_EQ(ProgressPosition(1, 3), 50);
  EXPECT_EQ(ProgressPosition(1, 301), 0);  // 0.333...: truncated, not rounded
  EXPECT_EQ(ProgressPosition(29, 30), 100);
  // 1/3 * 100 is 33.33...; in extended precision 2/3 * 100 stays below 67.
  EXPECT_EQ(ProgressPosition(200, 301), 66);
}

// Against the x87 unit itself, at 64-bit mantissas, for every entry of every
// list up to 2,000 entries.
TEST(Progress, MatchesTheExtendedShareOfEveryEntry) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP() << "long double is not the 80-bit format";
  std::string first;
  for (std::size_t count = 2; count <= 2000 && first.empty(); ++count)
    for (std::size_t index = 0; index < count && first.empty(); ++index) {
      volatile long double share = static_cast<long double>(index) / static_cast<long double>(count - 1);
      const int expected = static_cast<int>(share * 100);
      if (ProgressPosition(index, count) != expected)
        first = std::to_string(index) + " of " + std::to_string(count) + ": " + std::to_string(expected);
    }
  EXPECT_EQ(first, "") << "first position that differs";
}

TEST(Record, LeavesOutTheRemoverAndFileLines) {
  EXPECT_TRUE(IsRecorded("SETUP.EX_", "setup.exe"));
  EXPECT_FALSE(IsRecorded("TWREMOVE.EX_", "twremove.exe"));
  EXPECT_FALSE(IsRecorded("twremove.exe", "twremove.exe"));
  EXPECT_TRUE(IsRecorded("TWREMOVE.EXE", "TWREMOVE.EXE"));
  EXPECT_FALSE(IsRecorded("file2.dat", "qzmnd.386"));
  EXPECT_FALSE(IsRecorded("filelist.txt", "filelist.txt"));
  EXPECT_TRUE(IsRecorded("File.txt", "File.txt"));
  EXPECT_TRUE(IsRecorded("fil", "fil"));
}

TEST(Record, KeepNamesMatchWithoutRegardToCase) {
  const KeepList keep(script::Lines{"readme.txt", "user.cfg"});
  EXPECT_TRUE(keep.Contains("README.TXT"));
  EXPECT_TRUE(keep.Contains("User.Cfg"));
  EXPECT_FALSE(keep.Contains("readme.txt.bak"));
  EXPECT_FALSE(keep.Contains(""));
}

TEST(Record, RegistryBlocks) {
  script::Lines record{"Title", ":"};
  AddRegistryBlocks(record, {"HKEY_CURRENT_USER", "Software\\A", "", "p"}, {"HKEY_CURRENT_USER", "", "x", "u"},
                    {"", "line", ""});
  EXPECT_EQ(record, (script::Lines{"Title", ":", "", ":reg", "HKEY_CURRENT_USER", "Software\\A", "", "p", ":",
                                   ":reg1", "HKEY_CURRENT_USER", "x", "u", ":", ":regremove", "line", ":"}));
  script::Lines without{"Title", ":"};
  AddRegistryBlocks(without, {}, {"a"}, {});
  EXPECT_EQ(without, (script::Lines{"Title", ":", ":reg1", "a", ":"}));
}

TEST(Record, WholeRecordFromTheWalk) {
  script::Sections lists;
  lists.files = {"", "skipped.txt", ":win", "TWREMOVE.EX_", ":install", "SETUP.EX_", "file2.dat", ":D:\\Other\\",
                 "a.txt"};
  lists.exe = {"*05Notes1614", "n.exe", "orphan"};
  lists.reg = {"HKEY_CURRENT_USER", "K", "", "p"};
  const FileList walk = WalkFileList(lists.files, "C:\\WINDOWS", "C:\\App");
  ASSERT_EQ(walk.steps.size(), 4u);
  EXPECT_EQ(walk.steps[0].target, "C:\\WINDOWS\\twremove.exe");
  EXPECT_EQ(walk.steps[1].index, 5u);
  EXPECT_EQ(walk.steps[2].target, "C:\\App\\qzmnd.386");
  EXPECT_EQ(walk.prefix, "D:\\Other\\");
  const UninstallRecord record = BuildUninstallRecord("Title", lists, "P\\G", walk);
  EXPECT_EQ(record.lines, (script::Lines{"Title", "C:\\App\\setup.exe", "D:\\Other\\a.txt", "P\\G\\Notes.lnk",
                                         "+P\\G\\", ":D:\\Other\\", "", ":reg", "HKEY_CURRENT_USER", "K", "", "p",
                                         ":"}));
  EXPECT_EQ(record.firstShortcut, 3u);
  // Without a ":files" section: no files, no shortcuts, no group folder.
  lists.files = {};
  EXPECT_EQ(BuildUninstallRecord("Title", lists, "P\\G", WalkFileList({}, "W", "D")).lines,
            (script::Lines{"Title", ":", "", ":reg", "HKEY_CURRENT_USER", "K", "", "p", ":"}));
}

}  // namespace
}  // namespace install
