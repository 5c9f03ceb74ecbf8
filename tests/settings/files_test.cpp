// system.ini driver lines and the path file, on real files.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "engine_run.h"
#include "install/apply/remove_driver_lines.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace install {
namespace {

using namespace settings_test;

FILETIME LastWrite(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  EXPECT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
  return data.ftLastWriteTime;
}

void SetLastWrite(const std::string& path, FILETIME time) {
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
  CloseHandle(file);
}

// Any time well before the test runs.
constexpr FILETIME kOldTime = {0x5a9c8000u, 0x01c07385u};

TEST(SystemIni, RemovesTheDriverLinesAndRewritesTheFile) {
  TempFolder windows("sysini-match");
  const std::string ini = windows / "system.ini";
  WriteFile(ini, "[386Enh]\r\ndevice=qzmnd.386\r\ndevice=qzmndvxd.386\r\nQZMND=kept\r\n[boot]\r\n");
  SetLastWrite(ini, kOldTime);
  RemoveDriverLines(windows / "system.ini");
  EXPECT_EQ(ReadFile(ini), "[386Enh]\r\nQZMND=kept\r\n[boot]\r\n");
  const FILETIME after = LastWrite(ini);
  EXPECT_NE(CompareFileTime(&after, &kOldTime), 0);
}

TEST(SystemIni, WithoutAMatchTheFileIsNotTouched) {
  TempFolder windows("sysini-nomatch");
  const std::string ini = windows / "system.ini";
  const std::string text = "[boot]\r\nshell=Explorer.exe\r\nQzmnd=1\r\n";
  WriteFile(ini, text);
  SetLastWrite(ini, kOldTime);
  RemoveDriverLines(windows / "system.ini");
  EXPECT_EQ(ReadFile(ini), text);
  const FILETIME after = LastWrite(ini);
  EXPECT_EQ(CompareFileTime(&after, &kOldTime), 0);
}

TEST(SystemIni, AMissingFileOrFolderIsPassedOver) {
  TempFolder windows("sysini-missing");
  EXPECT_NO_THROW(RemoveDriverLines(windows / "system.ini"));
  EXPECT_NO_THROW(RemoveDriverLines(windows / "no such folder\\system.ini"));
  EXPECT_EQ(GetFileAttributesA((windows / "system.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

// An install of nothing but the ":ini" lines with `windows` as the Windows
// folder; the error that stopped it, if any.
std::string WritePathFile(const script::Lines& iniLines, const std::string& windows, const std::string& destination) {
  script::Lines script{"\\Test", "Test", "Test", ":ini"};
  for (const std::string& line : iniLines) script.add(line);
  script.add(":");
  return driver::RunEngine(script, destination, destination, destination + "\\Programs", windows).outcome.error;
}

struct PathFileFolders {
  TempFolder windows{"pathfile-windows"};
  TempFolder root{"pathfile-dest"};
  std::string destination = root / "Marrowgate Tools";
  PathFileFolders() {
    MakeFolder(destination + "\\Program Binaries");
    WriteFile(destination + "\\Program Binaries\\Marrowgate Main.exe", "");
  }
};

TEST(PathFile, FourLinesForAWindowsAndAProgramEntry) {
  PathFileFolders f;
  WriteFile(f.windows / "mg.ini", "old text that is replaced");
  EXPECT_EQ(WritePathFile({"mg.ini", ">", "~\\Program Binaries\\Marrowgate Main.exe"}, f.windows.path(),
                          f.destination), "");
  const std::string shortProgram = ShortPath(f.destination + "\\Program Binaries\\Marrowgate Main.exe");
  ASSERT_NE(shortProgram, "");
  ASSERT_EQ(shortProgram.find(' '), std::string::npos) << shortProgram;
  const script::Lines expected{":run", f.destination, f.windows.path(), shortProgram};
  EXPECT_EQ(ReadFile(f.windows / "mg.ini"), script::JoinLines(expected));
}

TEST(PathFile, OnlyTheFileNameLineWritesNothing) {
  PathFileFolders f;
  WritePathFile({"mg.ini"}, f.windows.path(), f.destination);
  EXPECT_EQ(GetFileAttributesA((f.windows / "mg.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The system has no short name for a path that does not exist: the path is
// written as it stands rather than an empty line.
TEST(PathFile, APathWithoutShortFormIsWrittenWhole) {
  PathFileFolders f;
  WritePathFile({"mg.ini", "~\\Not Installed.exe"}, f.windows.path(), f.destination);
  EXPECT_EQ(ReadFile(f.windows / "mg.ini"),
            script::JoinLines({":run", f.destination, f.destination + "\\Not Installed.exe"}));
}

// A short form longer than 255 characters, which a 256-byte buffer cannot hold.
TEST(PathFile, ALongShortPathComesOutWhole) {
  TempFolder windows("pathfile-long-windows");
  // 8.3 names all the way, then one long name whose short form saves little:
  // the whole path stays within the 259 characters the "A" calls take.
  TempFolder root("longpath");
  std::string destination = root.path();
  while (destination.size() + 9 <= 248) destination += "\\abcdefgh";
  while (destination.size() + 2 <= 248) destination += "\\a";
  const std::string program = destination + "\\" + std::string(259 - destination.size() - 1, 'x');
  MakeFolder(destination);
  WriteFile(program, "");
  const std::string shortProgram = ShortPath(program);
  ASSERT_GT(shortProgram.size(), 255u);
  ASSERT_NE(shortProgram, program);
  WritePathFile({"mg.ini", "~" + program.substr(destination.size())}, windows.path(), destination);
  EXPECT_EQ(ReadFile(windows / "mg.ini"), script::JoinLines({":run", destination, shortProgram}));
}

TEST(PathFile, AFileThatCannotBeCreatedRaisesTheLibraryError) {
  PathFileFolders f;
  const std::string missing = f.windows / "missing";
  EXPECT_EQ(WritePathFile({"mg.ini", ">"}, missing, f.destination), "Cannot create file " + missing + "\\mg.ini");
}

// The three lines would replace a system file whole, or one outside the
// Windows folder: refused as a file that cannot be created.
TEST(PathFile, ANameThatIsNoPlainFileOfItsOwnIsRefused) {
  PathFileFolders f;
  WriteFile(f.windows / "win.ini", "[windows]\r\n");
  for (const std::string name : {"..\\autoexec.bat", "win.ini"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(WritePathFile({name, ">"}, f.windows.path(), f.destination), "Cannot create file " + name);
  }
  EXPECT_EQ(ReadFile(f.windows / "win.ini"), "[windows]\r\n");
  EXPECT_EQ(driver::FileNames(f.windows.path()), std::vector<std::string>{"win.ini"});
  EXPECT_FALSE(driver::Exists(f.windows / "..\\autoexec.bat"));
}

// A power cut can stop a replace at any point; the next replace of the same
// file first puts a whole file back under its name.
TEST(Replace, WhatAnInterruptedReplaceLeftIsResolvedFirst) {
  TempFolder folder("replace-cut");
  const std::string target = folder / "unin.ini";
  const platform::ReplaceNames names = platform::ReplaceNamesFor(target);
  // Cut after the earlier file became the backup: nothing under the name.
  WriteFile(names.backup, "earlier, whole");
  WriteFile(names.temporary, "new, half");
  platform::AbandonReplace(platform::BeginReplace(target));
  EXPECT_EQ(ReadFile(target), "earlier, whole");
  EXPECT_EQ(driver::FileNames(folder.path()), std::vector<std::string>{"unin.ini"});
  // Cut after the swap: the backup is left beside the new file.
  WriteFile(names.backup, "earlier, whole");
  platform::WriteTextFile(target, "newer");
  EXPECT_EQ(ReadFile(target), "newer");
  EXPECT_EQ(driver::FileNames(folder.path()), std::vector<std::string>{"unin.ini"});
}

// The temporary name is no longer than the file's own, so a path of 259
// characters, the most the system takes, is replaced as well.
TEST(Replace, APathOfTheLongestLengthIsReplacedToo) {
  TempFolder folder("replace-long");
  std::string deep = folder.path();
  while (deep.size() < 200) deep += "\\folder";
  MakeFolder(deep);
  const std::string target = deep + "\\" + std::string(258 - deep.size(), 'n');
  ASSERT_EQ(target.size(), 259u);
  WriteFile(target, "earlier");
  platform::WriteTextFile(target, "replaced");
  EXPECT_EQ(ReadFile(target), "replaced");
  EXPECT_EQ(driver::FileNames(deep).size(), 1u);
  for (const std::string& name : {std::string("a"), std::string("ab"), std::string("unin.ini"), std::string(40, 'x')}) {
    const platform::ReplaceNames names = platform::ReplaceNamesFor("C:\\d\\" + name);
    EXPECT_LE(names.temporary.size(), std::max<std::size_t>(name.size(), 2) + 5) << name;
    EXPECT_LE(names.backup.size(), std::max<std::size_t>(name.size(), 2) + 5) << name;
    EXPECT_NE(names.temporary, names.backup);
  }
}

}  // namespace
}  // namespace install
