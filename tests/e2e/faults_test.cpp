// Faults made real during the install pass: a source gone between two files,
// over-long names and paths, and the whole-file rewrites as Windows 95 and
// NT 4.0 do them.
#include <gtest/gtest.h>

#include "driver.h"
#include "kit/szdd_compress.h"
#include "reader/ids.h"
#include "registry_values.h"
#include "script/lines.h"
#include "setup/ids.h"
#include "setup_run.h"

namespace {

using namespace driver;

std::string Crlf(std::initializer_list<std::string> lines) { return script::JoinLines(script::Lines(lines)); }

class Faults : public ::testing::Test {
 protected:
  Faults() : run_(FolderName()) {}
  // The test's name; a parameterised one's "/" cannot be part of a folder name.
  static std::string FolderName() {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name)
      if (c == '/') c = '-';
    return name;
  }
  std::string Dest(const std::string& name = "") const { return destination_ + (name.empty() ? "" : "\\" + name); }
  void StartInstall(const script::Lines& script, const std::string& destination) {
    run_.AddFile("setup.ini", script::JoinLines(script));
    run_.Start();
    ASSERT_TRUE(run_.Wizard());
    run_.Install(destination);
  }
  // The next message box, answered with OK; its text.
  std::string NextText() {
    const MessageBoxView box = WaitForMessageBox(run_.Pid());
    if (!box.handle) return "(no message box)";
    PressButton(box.handle, "OK");
    WaitUntil([&] { return !IsWindow(box.handle); });
    return box.text;
  }
  // The pass ended by an error: the window stays until the user closes it.
  void CloseStuckWindow() {
    EXPECT_FALSE(run_.WaitForExit(500)) << "the program ended by itself";
    HWND copy = WaitForTopLevel(run_.Pid(), "TfCopy", "Installing");
    ASSERT_TRUE(copy);
    PostMessageA(copy, WM_CLOSE, 0, 0);
    EXPECT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  }

  SetupRun run_;
  const std::string destination_ = "C:\\Program Files\\" + run_.Folder().substr(8);
};

// A kept name is left alone only when it exists; a copy that fails for any
// other reason is reported, and the earlier file stays whole.
TEST_F(Faults, SourceGoneBetweenTwoFilesIsReportedAndTheEarlierFileStays) {
  WriteFile(Dest("B.TXT"), "earlier B");
  run_.AddFile("B.TXT", "new B");
  StartInstall({"\\App", "App", "Title", ":keep", "b.txt", ":", ":files", ":install", "A.TXT", "B.TXT", ":"},
               destination_);
  // While the pass waits for A's disk, A comes and B goes.
  const MessageBoxView prompt = WaitForMessageBox(run_.Pid());
  ASSERT_EQ(prompt.text, "Insert the disk with A.TXT");
  run_.AddFile("A.TXT", "new A");
  DeleteFileA((run_.Folder() + "\\B.TXT").c_str());
  ASSERT_TRUE(Answer(prompt, "OK"));
  for (int n = 1; n <= 5; ++n) ASSERT_EQ(NextText(), "Insert the disk with B.TXT") << n;
  EXPECT_EQ(NextText(), "Error copying B.TXT");
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(ReadFile(Dest("A.TXT")), "new A");
  EXPECT_EQ(ReadFile(Dest("B.TXT")), "earlier B");
  EXPECT_EQ(FileNames(Dest()), (std::vector<std::string>{"A.TXT", "B.TXT", "unin.ini", "unin.jnl"}));
}

// Compressed sources are expanded while copied: one from Debian's mscompress,
// one from setupkit whose header gives the "_" name its last letter back. A
// cut-off one and one with a broken header size fail the copy and leave the
// earlier file, with no temporary file beside it.
TEST_F(Faults, CompressedSourcesAreExpandedAndDamagedOnesLeaveTheEarlierFile) {
  const std::string manual = ReadFile(README_MD);
  ASSERT_FALSE(manual.empty());
  run_.AddFile("MANUAL.TXT", ReadFile(MSCOMPRESSED));
  run_.AddFile("NOTES.TX_", kit::CompressSzdd(manual + manual, 't'));
  const std::string packed = kit::CompressSzdd(manual, 0);
  run_.AddFile("CUT.DAT", packed.substr(0, packed.size() - 3));
  std::string longer = packed;
  longer[11] = static_cast<char>(longer[11] + 1);  // the header promises 256 bytes more
  run_.AddFile("LONGER.DAT", longer);
  WriteFile(Dest("CUT.DAT"), "earlier cut");
  WriteFile(Dest("LONGER.DAT"), "earlier longer");
  StartInstall({"\\App", "App", "Title", ":files", ":install", "CUT.DAT", "MANUAL.TXT", "LONGER.DAT", "NOTES.TX_", ":"},
               destination_);
  EXPECT_EQ(NextText(), "Error copying CUT.DAT");
  EXPECT_EQ(NextText(), "Error copying LONGER.DAT");
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(ReadFile(Dest("MANUAL.TXT")), manual);
  EXPECT_EQ(ReadFile(Dest("notes.txt")), manual + manual);
  EXPECT_EQ(ReadFile(Dest("CUT.DAT")), "earlier cut");
  EXPECT_EQ(ReadFile(Dest("LONGER.DAT")), "earlier longer");
  EXPECT_EQ(FileNames(Dest()),
            (std::vector<std::string>{"CUT.DAT", "LONGER.DAT", "MANUAL.TXT", "notes.txt", "unin.ini", "unin.jnl"}));
}

// The system's profile code keeps names in MAX_PATH buffers: a longer name
// is refused before it gets there, with the error a refused write gives.
TEST_F(Faults, ProfileNamesBeyondMaxPathGiveTheWriteErrorNotACrash) {
  for (std::size_t length : {500u, 550u}) {
    SCOPED_TRACE(length);
    SetupRun run("soak" + std::to_string(length));
    run.AddFile("a.txt", "a");
    const std::string name(length, 'a');
    run.AddFile("setup.ini", Crlf({"\\Soak", "Soak Group", "Soak Product", ":system.ini", name, "Sec", "Key", "Val", ":",
                                   ":files", "-install", ":", ":exe", "A", "a.txt", ":"}));
    run.Start();
    ASSERT_TRUE(run.Wizard());
    run.Install("C:\\Soak" + std::to_string(length));
    const MessageBoxView box = WaitForMessageBox(run.Pid());
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.text, "Unable to write to " + name);
    ASSERT_TRUE(Answer(box, "OK"));
    EXPECT_FALSE(run.WaitForExit(500));
    PostMessageA(WaitForTopLevel(run.Pid(), "TfCopy", "Installing"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(run.WaitForExit()) << OpenMessages(run.Pid());
    EXPECT_EQ(run.ExitCode(), 0u);
  }
}

// Folder creation once recursed per path part: 20,000 parts overflowed the stack.
TEST_F(Faults, FortyThousandCharacterDestinationFailsWithTheStepsOwnMessages) {
  std::string destination = "C:\\deep";
  while (destination.size() < 40000) destination += "\\x";
  run_.AddFile("A.TXT", "a");
  run_.AddFile("setup.ini", Crlf({"\\App", "App", "Title", ":files", ":install", "A.TXT", ":"}));
  run_.Start();
  HWND wizard = run_.Wizard();
  ASSERT_TRUE(wizard);
  ASSERT_TRUE(ShowPage(wizard, setup::ids::destinationPage));
  SendMessageA(Child(wizard, setup::ids::destination), EM_LIMITTEXT, 0, 0);
  run_.Install(destination);
  EXPECT_EQ(NextText(), "Error copying A.TXT");
  // The record's error ("Cannot create file" and the 40,000-character path):
  // Wine does not hand a text that long to another process, so only the
  // error box itself is seen.
  const MessageBoxView error = WaitForMessageBox(run_.Pid());
  ASSERT_TRUE(error.handle);
  EXPECT_EQ(error.caption, "Error");
  ASSERT_TRUE(Answer(error, "OK"));
  CloseStuckWindow();
  EXPECT_FALSE(Exists("C:\\deep"));
}

// Every file the pass rewrites whole (licence, system.ini, copied file,
// record, path file), with Wine reporting each system: Windows 95 takes the
// rename through a backup, NT 4.0 the one-step rename.
class Rewrites : public Faults, public ::testing::WithParamInterface<const char*> {};

TEST_P(Rewrites, EveryRewrittenFileIsWholeAndNothingIsLeftBeside) {
  const std::string version = GetParam();
  SetRegValue(HKEY_CURRENT_USER, "Software\\Wine", "Version", version);
  // What this prefix now reports to a program started in it.
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION probe{};
  std::string command = "\"" REPLACE_PROBE_EXE "\"";
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &probe));
  WaitForSingleObject(probe.hProcess, 15000);
  DWORD reported = 0;
  GetExitCodeProcess(probe.hProcess, &reported);
  CloseHandle(probe.hProcess);
  CloseHandle(probe.hThread);
  EXPECT_EQ(reported, version == "win95" ? 95u : 40u) << "the one-step rename is chosen only on NT";

  const std::string windows = "C:\\windows";
  WriteFile(windows + "\\system.ini", "[386Enh]\r\ndevice=qzmnd.386\r\nkeep=1\r\n");
  WriteFile(windows + "\\rw.pth", "earlier path file");
  WriteFile(Dest("app.txt"), "earlier program");
  WriteFile(Dest("unin.ini"), "earlier record, longer than the new one\r\n");
  WriteFile(Dest("license.txt"), "earlier licence");
  run_.AddFile("license.ini", Crlf({"Terms"}));
  run_.AddFile("app.txt", "new program");
  StartInstall({"\\App", "App", "Title", ":files", ":install", "app.txt", ":", ":ini", "rw.pth", ">", ":"}, destination_);
  HWND reader = WaitForTopLevel(run_.Pid(), "TfReadMe", "Reader");
  ASSERT_TRUE(reader);
  Click(Child(reader, reader::ids::ok));  // &Accept
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(ReadFile(Dest("license.txt")), Crlf({"Terms"}));
  EXPECT_EQ(ReadFile(Dest("app.txt")), "new program");
  EXPECT_EQ(ReadFile(Dest("unin.ini")), Crlf({"Title", Dest("app.txt"), "+" + ProgramsFolder() + "\\App\\", ":" + Dest() + "\\"}));
  EXPECT_EQ(ReadFile(windows + "\\rw.pth"), Crlf({":run", Dest(), windows}));
  EXPECT_EQ(ReadFile(windows + "\\system.ini"), "[386Enh]\r\nkeep=1\r\n");
  EXPECT_EQ(FileNames(Dest()), (std::vector<std::string>{"app.txt", "license.txt", "unin.ini", "unin.jnl"}));
  for (const std::string& name : FileNames(windows)) EXPECT_NE(name[0], '~') << name;
}

INSTANTIATE_TEST_SUITE_P(Systems, Rewrites, ::testing::Values("win95", "nt40"));

}  // namespace
