// The install pass through the real windows: licence, copying with disk
// prompts and progress, and the uninstall record, compared byte for byte.
#include <gtest/gtest.h>

#include "driver.h"
#include "setup/progress_ids.h"
#include "reader/ids.h"
#include "registry_values.h"
#include "setup/ids.h"
#include "script/lines.h"
#include "script/unscramble.h"
#include "setup_run.h"

namespace {

using namespace driver;

std::string Crlf(std::initializer_list<std::string> lines) { return script::JoinLines(script::Lines(lines)); }

class Install : public ::testing::Test {
 protected:
  Install() : run_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  std::string Dest(const std::string& name = "") const {
    return destination_ + (name.empty() ? "" : "\\" + name);
  }
  // Starts the program with this script and presses Install.
  void StartInstall(const script::Lines& script) {
    run_.AddFile("setup.ini", script::JoinLines(script));
    run_.Start();
    ASSERT_TRUE(run_.Wizard());
    run_.Install(destination_);
  }
  HWND CopyWindow() { return WaitForTopLevel(run_.Pid(), "TfCopy", "Installing"); }
  // The next message box; fails the test when none comes.
  MessageBoxView NextBox() {
    MessageBoxView box = WaitForMessageBox(run_.Pid());
    EXPECT_TRUE(box.handle) << "no message box";
    return box;
  }
  void Answer(const MessageBoxView& box, const std::string& button = "OK") {
    PressButton(box.handle, button);
    WaitUntil([&] { return !IsWindow(box.handle); });
  }
  // The progress shown under the next disk prompt, which must ask for
  // `line`; the file then appears, and the prompt is answered.
  int PositionAtPrompt(HWND copy, const std::string& line, const std::string& content) {
    const MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, "Insert the disk with " + line);
    const int position = ProgressPosition(Child(copy, setup::progress_ids::progress));
    run_.AddFile(line, content);
    Answer(box);
    return position;
  }
  std::string Record() const { return ReadFile(Dest("unin.ini")); }
  // The record's line for the program group of a script with a file list.
  static std::string GroupLine(const std::string& group) { return "+" + ProgramsFolder() + "\\" + group + "\\"; }

  SetupRun run_;
  const std::string destination_ = "C:\\Program Files\\" + run_.Folder().substr(8);
};

TEST_F(Install, MissingFilesArePromptedForWithProgressOfTheWholeList) {
  StartInstall({"\\App", "App", "App Title", ":files", "-install", "A.TXT", "B.TXT", ":"});
  HWND copy = CopyWindow();
  ASSERT_TRUE(copy);
  const MessageBoxView box = NextBox();
  EXPECT_EQ(box.caption, "Confirm");
  EXPECT_EQ(box.text, "Insert the disk with A.TXT");
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(Text(Child(copy, setup::progress_ids::status)), "Copying file: A.TXT");
  EXPECT_EQ(ProgressPosition(Child(copy, setup::progress_ids::progress)), 66);
  run_.AddFile("A.TXT", "first");
  Answer(box);
  EXPECT_EQ(PositionAtPrompt(copy, "B.TXT", "second"), 100);
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(ReadFile(Dest("A.TXT")), "first");
  EXPECT_EQ(ReadFile(Dest("B.TXT")), "second");
  EXPECT_EQ(Record(), Crlf({"App Title", Dest("A.TXT"), Dest("B.TXT"), GroupLine("App"), ":" + Dest() + "\\"}));
}

// 101 entries: the positions of entries 29 and 53 are where 53-bit and 64-bit
// mantissas part (28 and 53 with the first, 29 and 52 with the second).
TEST_F(Install, ProgressIsWorkedOutWithTheExtendedShare) {
  std::vector<std::string> lines{"\\App", "App", "App Title", ":files"};
  for (int index = 1; index <= 100; ++index)
    lines.push_back(index == 29 ? "A.TXT" : index == 53 ? "B.TXT" : "-install");
  lines.push_back(":");
  StartInstall(script::Lines(lines));
  HWND copy = CopyWindow();
  ASSERT_TRUE(copy);
  EXPECT_EQ(PositionAtPrompt(copy, "A.TXT", "a"), 29);
  EXPECT_EQ(PositionAtPrompt(copy, "B.TXT", "b"), 52);
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
}

TEST_F(Install, NamesDirectivesAndTheRecord) {
  run_.AddFile("early.txt", "never copied");
  run_.AddFile("SETUP.EX_", "program");
  run_.AddFile("MAIN.DL_", "library");
  run_.AddFile("file2.dat", "driver");
  run_.AddFile("filelist.txt", "list");
  run_.AddFile("TWREMOVE.EX_", "remover");
  run_.AddFile("sys.drv", "system");
  CreateDirectoryA("C:\\custom", nullptr);
  StartInstall({"\\App", "App Group", "Title", ":files", "early.txt", "-install", "SETUP.EX_", "MAIN.DL_", "file2.dat",
                "filelist.txt", "-win", "TWREMOVE.EX_", ":win\\system", "sys.drv", "-C:\\custom\\", "filelist.txt",
                ":", ":exe", "Main Program", "setup.exe", ":", ":reg", "HKEY_CURRENT_USER", "Software\\Acme", "", "p", ":", ":reg1", "HKEY_CURRENT_USER",
                "Software\\Acme", "", "u", ":", ":unin", "twremove.exe", ":", ":regremove", "", "Software\\Acme", ":"});
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_FALSE(Exists(Dest("early.txt")));
  EXPECT_EQ(ReadFile(Dest("setup.exe")), "program");
  EXPECT_EQ(ReadFile(Dest("main.dll")), "library");
  EXPECT_EQ(ReadFile(Dest("qzmnd.386")), "driver");
  EXPECT_EQ(ReadFile("C:\\windows\\twremove.exe"), "remover");
  EXPECT_EQ(ReadFile("C:\\windows\\system\\sys.drv"), "system");
  EXPECT_EQ(ReadFile("C:\\custom\\filelist.txt"), "list");
  const std::string group = ProgramsFolder() + "\\App Group\\";
  EXPECT_TRUE(Exists(group + "Main Program.lnk"));
  EXPECT_EQ(Record(), Crlf({"Title", Dest("setup.exe"), Dest("main.dll"), "C:\\windows\\system\\sys.drv",
                            group + "Main Program.lnk", "+" + group, ":C:\\custom\\", "", ":reg", "HKEY_CURRENT_USER", "Software\\Acme", "", "p", ":",
                            ":reg1", "HKEY_CURRENT_USER", "Software\\Acme", "u", ":", ":regremove",
                            "Software\\Acme", ":"}));
}

TEST_F(Install, KeptFilesStayReadOnlyFilesAreReplaced) {
  run_.AddFile("user.cfg", "new settings");
  run_.AddFile("app.exe", "new program");
  WriteFile(Dest("user.cfg"), "the user's settings");
  WriteFile(Dest("app.exe"), "old program");
  SetFileAttributesA(Dest("app.exe").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  StartInstall({"\\App", "App", "Title", ":keep", "USER.CFG", ":", ":files", ":install", "user.cfg", "app.exe", ":"});
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(ReadFile(Dest("user.cfg")), "the user's settings");
  EXPECT_EQ(ReadFile(Dest("app.exe")), "new program");
  EXPECT_EQ(Record(), Crlf({"Title", Dest("user.cfg"), Dest("app.exe"), GroupLine("App"), ":" + Dest() + "\\"}));
}

TEST_F(Install, SourceFoundAtTheFifthLookIsCopiedAfterFourPrompts) {
  StartInstall({"\\App", "App", "Title", ":files", ":install", "late.txt", ":"});
  for (int prompt = 1; prompt <= 4; ++prompt) {
    SCOPED_TRACE(prompt);
    const MessageBoxView box = NextBox();
    ASSERT_EQ(box.text, "Insert the disk with late.txt");
    if (prompt == 4) run_.AddFile("late.txt", "arrived");
    Answer(box);
  }
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(ReadFile(Dest("late.txt")), "arrived");
}

TEST_F(Install, MissingSourceGivesFivePromptsThenAnErrorAndIsStillRecorded) {
  StartInstall({"\\App", "App", "Title", ":files", ":install", "gone.txt", "here.txt", ":"});
  run_.AddFile("here.txt", "here");
  for (int prompt = 1; prompt <= 5; ++prompt) {
    SCOPED_TRACE(prompt);
    const MessageBoxView box = NextBox();
    ASSERT_EQ(box.text, "Insert the disk with gone.txt");
    Answer(box);
  }
  const MessageBoxView error = NextBox();
  EXPECT_EQ(error.text, "Error copying gone.txt");
  EXPECT_EQ(error.caption, "Confirm");
  Answer(error);
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(ReadFile(Dest("here.txt")), "here");
  EXPECT_EQ(Record(), Crlf({"Title", Dest("gone.txt"), Dest("here.txt"), GroupLine("App"), ":" + Dest() + "\\"}));
}

TEST_F(Install, WithoutFilesTheRecordHoldsTitleMarkerAndRegistryBlocks) {
  StartInstall({"\\App", "App", "Title", ":regremove", "HKEY_CURRENT_USER\\Software\\Gone", ":"});
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(Record(), Crlf({"Title", ":", ":regremove", "HKEY_CURRENT_USER\\Software\\Gone", ":"}));
}

TEST_F(Install, ReadOnlyEarlierRecordIsReplacedWhole) {
  WriteFile(Dest("unin.ini"), "an earlier, longer record of another install\r\n");
  SetFileAttributesA(Dest("unin.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  StartInstall({"\\App", "App", "Title"});
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(Record(), Crlf({"Title", ":"}));
}

TEST_F(Install, UnclosedFileListEndsThePassBeforeAnyCopy) {
  run_.AddFile("a.txt", "a");
  StartInstall({"\\App", "App", "Title", ":files", ":install", "a.txt"});
  const MessageBoxView error = NextBox();
  EXPECT_EQ(error.caption, "Error");
  EXPECT_EQ(error.text, "List index out of bounds");
  Answer(error);
  EXPECT_FALSE(Exists(Dest("a.txt")));
  EXPECT_FALSE(Exists(Dest("unin.ini")));
  // The install window stays until the user closes it; then the program ends.
  HWND copy = CopyWindow();
  ASSERT_TRUE(copy);
  EXPECT_FALSE(run_.WaitForExit(500));
  PostMessageA(copy, WM_CLOSE, 0, 0);
  EXPECT_TRUE(run_.WaitForExit());
}

TEST_F(Install, ScrambledLicenceIsShownAndWrittenClear) {
  const script::Lines licence{"1You may use this program.", "", "Keep it safe."};
  // The mark is the scrambled text's own first character.
  run_.AddFile("license.ini", script::JoinLines(script::Scramble({"You may use this program.", "", "Keep it safe."})));
  run_.AddFile("license.txt", "left by the vendor");
  StartInstall({"\\App", "App", "Title", ":exit", "All done.", ":files", ":install", ":"});
  HWND reader = WaitForTopLevel(run_.Pid(), "TfReadMe", "Reader");
  ASSERT_TRUE(reader);
  EXPECT_EQ(Text(Child(reader, reader::ids::text)), "You may use this program.\r\n\r\nKeep it safe.");
  EXPECT_EQ(Text(Child(reader, reader::ids::ok)), "&Accept");
  EXPECT_TRUE(Visible(Child(reader, reader::ids::decline)));
  Click(Child(reader, reader::ids::ok));
  const MessageBoxView exit = NextBox();
  EXPECT_EQ(exit.text, "All done.");
  EXPECT_EQ(exit.caption, "Confirm");
  Answer(exit);
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(ReadFile(Dest("license.txt")), Crlf({"You may use this program.", "", "Keep it safe."}));
  EXPECT_FALSE(Exists(run_.Folder() + "\\license.txt"));
}

TEST_F(Install, DeclineInstallsNothingAndEndsTheProgram) {
  run_.AddFile("license.ini", Crlf({"Terms"}));
  run_.AddFile("a.txt", "a");
  run_.AddFile("readme.txt", "Read me");
  StartInstall({"\\App", "App", "Title", ":exit", "Never shown", ":files", ":install", "a.txt", ":"});
  HWND reader = WaitForTopLevel(run_.Pid(), "TfReadMe", "Reader");
  ASSERT_TRUE(reader);
  Click(Child(reader, reader::ids::decline));
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_TRUE(Exists(Dest()));
  EXPECT_FALSE(Exists(Dest("a.txt")));
  EXPECT_FALSE(Exists(Dest("unin.ini")));
  EXPECT_FALSE(Exists(Dest("license.txt")));
}

TEST_F(Install, ReadmeAfterALicenceHasOnlyOk) {
  run_.AddFile("license.ini", Crlf({"Terms"}));
  run_.AddFile("readme.txt", Crlf({"New in this version"}));
  StartInstall({"\\App", "App", "Title"});
  HWND reader = WaitForTopLevel(run_.Pid(), "TfReadMe", "Reader");
  ASSERT_TRUE(reader);
  Click(Child(reader, reader::ids::ok));
  ASSERT_TRUE(WaitUntil([&] { return Text(Child(reader, reader::ids::text)) == "New in this version"; }));
  EXPECT_TRUE(Visible(reader));
  EXPECT_EQ(Text(Child(reader, reader::ids::ok)), "&OK");
  EXPECT_FALSE(Visible(Child(reader, reader::ids::decline)));
  Click(Child(reader, reader::ids::ok));
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
}

TEST_F(Install, ReadmeNotWantedIsNotShown) {
  run_.AddFile("readme.txt", Crlf({"New in this version"}));
  run_.AddFile("setup.ini", Crlf({"\\App", "App", "Title"}));
  run_.Start();
  HWND wizard = run_.Wizard();
  ASSERT_TRUE(wizard);
  ASSERT_TRUE(ShowPage(wizard, setup::ids::readmePage));
  Press(Child(wizard, setup::ids::readme));
  run_.Install(destination_);
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(Record(), Crlf({"Title", ":"}));
}

TEST_F(Install, ProgressEndsAtOneHundredAndTheWindowClosesItself) {
  StartInstall({"\\App", "App", "Title", ":exit", "Finished", ":files", ":"});
  HWND copy = CopyWindow();
  ASSERT_TRUE(copy);
  const MessageBoxView exit = NextBox();
  Answer(exit);
  EXPECT_TRUE(WaitUntil([&] { return ProgressPosition(Child(copy, setup::progress_ids::progress)) == 100 || !IsWindow(copy); }));
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
}

}  // namespace

namespace {

// The registry refuses a value name of 16,384 characters or more.
TEST_F(Install, RefusedRegistryValueEndsThePassAfterTheRecordIsSaved) {
  const std::string refusedName(16384, 'v');
  StartInstall({"\\App", "App", "Title", ":exe", "App", "app.exe", ":", ":runstart", "Never Written", ":reg",
                "HKEY_CURRENT_USER", "Software\\RefusedTest", "First", "one", "HKEY_CURRENT_USER",
                "Software\\RefusedTest", refusedName, "two", "HKEY_CURRENT_USER", "Software\\RefusedTest", "Third",
                "three", ":"});
  const MessageBoxView error = NextBox();
  EXPECT_EQ(error.caption, "Error");
  EXPECT_EQ(error.text, "Failed to set data for '" + refusedName + "'");
  Answer(error);
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, "Software\\RefusedTest", "First"), "one");
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, "Software\\RefusedTest", "Third"), std::nullopt);
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Never Written"),
            std::nullopt);
  EXPECT_TRUE(Exists(Dest("unin.ini")));
  // The window stays for the user to close; the timer was never armed.
  HWND copy = CopyWindow();
  ASSERT_TRUE(copy);
  EXPECT_FALSE(run_.WaitForExit(500));
  PostMessageA(copy, WM_CLOSE, 0, 0);
  EXPECT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
}

}  // namespace

namespace {

TEST_F(Install, RecordThatCannotBeCreatedEndsThePassBeforeTheRegistry) {
  CreateDirectoryA("C:\\Program Files", nullptr);
  CreateDirectoryA(Dest().c_str(), nullptr);
  CreateDirectoryA(Dest("unin.ini").c_str(), nullptr);  // a folder where the record should go
  StartInstall({"\\App", "App", "Title", ":reg", "HKEY_CURRENT_USER", "Software\\NoRecordTest", "Value", "set", ":"});
  const MessageBoxView error = NextBox();
  EXPECT_EQ(error.caption, "Error");
  EXPECT_EQ(error.text, "Cannot create file " + Dest("unin.ini"));
  Answer(error);
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, "Software\\NoRecordTest", "Value"), std::nullopt);
  // Nothing half-written is left beside it.
  EXPECT_EQ(FileNames(Dest()), std::vector<std::string>{"unin.ini"});
  HWND copy = CopyWindow();
  ASSERT_TRUE(copy);
  PostMessageA(copy, WM_CLOSE, 0, 0);
  EXPECT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
}

}  // namespace
