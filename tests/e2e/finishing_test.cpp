// The steps around the install window, through the real windows: backups of
// the DOS start-up files, the running-copy check, the late registry value and
// the reboot and run questions.
#include <gtest/gtest.h>


#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "driver.h"
#include "registry_values.h"
#include "script/lines.h"
#include "setup/ids.h"
#include "setup_run.h"

namespace {

using namespace driver;
namespace ids = setup::ids;

// The script of every run: a title and one file, so that an install shows.
std::string Script(std::initializer_list<std::string> sections) {
  script::Lines lines{"\\Tools", "Acme", "Acme Tools", ":files", "-install", "app.txt", ":"};
  for (const std::string& line : sections) lines.add(line);
  return script::JoinLines(lines);
}

// A name usable as a folder: parameterised tests carry a "/" in theirs.
std::string TestName() {
  std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::replace(name.begin(), name.end(), '/', '_');
  return name;
}

constexpr char kDestination[] = "C:\\Acme Tools";
std::string Dest(const std::string& name) { return std::string(kDestination) + "\\" + name; }
constexpr DWORD kHiddenSystemReadOnly = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;

class Finishing : public ::testing::Test {
 protected:
  // One run of setup.exe; a second run gets a distribution folder of its own.
  SetupRun& NewRun(const std::string& script) {
    runs_.push_back(std::make_unique<SetupRun>(TestName() + std::to_string(runs_.size())));
    SetupRun& run = *runs_.back();
    run.AddFile("setup.ini", script);
    run.AddFile("app.txt", "application");
    run.SetEnvironment("SETUP_RESTART_LOG", kRestartLog);
    return run;
  }
  // Starts a run and presses Install; false when the wizard does not show.
  bool StartInstall(SetupRun& run) {
    run.Start();
    if (!run.Wizard()) return false;
    run.Install(kDestination);
    return true;
  }
  void InstallToTheEnd(const std::string& script) {
    SetupRun& run = NewRun(script);
    ASSERT_TRUE(StartInstall(run));
    ASSERT_TRUE(run.WaitForExit()) << OpenMessages(run.Pid());
  }
  static bool Installed() { return ReadFile(Dest("app.txt")) == "application"; }

  static constexpr char kRestartLog[] = "C:\\restart.log";
  std::vector<std::unique_ptr<SetupRun>> runs_;
};

// --- System-file backups ---

class Backups : public Finishing {
 protected:
  void SetUp() override {
    WriteDosFiles("first");
    ASSERT_TRUE(SetFileAttributesA(kMsdos, kHiddenSystemReadOnly));
    msdosAttributes_ = GetFileAttributesA(kMsdos);
    ASSERT_EQ(msdosAttributes_ & kHiddenSystemReadOnly, kHiddenSystemReadOnly);
  }
  void TearDown() override {
    SetFileAttributesA(kMsdos, FILE_ATTRIBUTE_NORMAL);
    for (const char* file : {kConfig, kAutoexec, kMsdos}) DeleteFileA(file);
    for (const char* backup : {"config.tup", "autoexec.tup", "msdos.tup"}) DeleteFileA(Backup(backup).c_str());
  }
  static void WriteDosFiles(const std::string& edition) {
    WriteFile(kConfig, "DEVICE=HIMEM.SYS " + edition + "\r\n");
    WriteFile(kAutoexec, "PATH C:\\DOS " + edition + "\r\n");
    SetFileAttributesA(kMsdos, FILE_ATTRIBUTE_NORMAL);
    WriteFile(kMsdos, "[Paths] " + edition + "\r\n");
  }
  static std::string Backup(const std::string& name) { return "C:\\windows\\" + name; }

  static constexpr char kConfig[] = "C:\\CONFIG.SYS", kAutoexec[] = "C:\\autoexec.bat", kMsdos[] = "C:\\MSDOS.SYS";
  // As the file system reports them (Wine adds the archive bit).
  DWORD msdosAttributes_ = 0;
};

TEST_F(Backups, FirstInstallCopiesTheThreeFilesAndLeavesMsdosAttributesAsTheyWere) {
  InstallToTheEnd(Script({}));
  EXPECT_EQ(ReadFile(Backup("config.tup")), "DEVICE=HIMEM.SYS first\r\n");
  EXPECT_EQ(ReadFile(Backup("autoexec.tup")), "PATH C:\\DOS first\r\n");
  EXPECT_EQ(ReadFile(Backup("msdos.tup")), "[Paths] first\r\n");
  EXPECT_EQ(GetFileAttributesA(kMsdos), msdosAttributes_);
  EXPECT_TRUE(Installed());
}

TEST_F(Backups, SecondInstallKeepsTheFirstBackupsThoughTheFilesChanged) {
  InstallToTheEnd(Script({}));
  WriteDosFiles("second");
  ASSERT_TRUE(SetFileAttributesA(kMsdos, kHiddenSystemReadOnly));
  InstallToTheEnd(Script({}));
  EXPECT_EQ(ReadFile(Backup("config.tup")), "DEVICE=HIMEM.SYS first\r\n");
  EXPECT_EQ(ReadFile(Backup("autoexec.tup")), "PATH C:\\DOS first\r\n");
  EXPECT_EQ(ReadFile(Backup("msdos.tup")), "[Paths] first\r\n");
  EXPECT_EQ(GetFileAttributesA(kMsdos), msdosAttributes_);
}

TEST_F(Backups, WithoutAutoexecTheOtherTwoAreStillTaken) {
  DeleteFileA(kAutoexec);
  InstallToTheEnd(Script({}));
  EXPECT_FALSE(Exists(Backup("autoexec.tup")));
  EXPECT_EQ(ReadFile(Backup("config.tup")), "DEVICE=HIMEM.SYS first\r\n");
  EXPECT_EQ(ReadFile(Backup("msdos.tup")), "[Paths] first\r\n");
  EXPECT_TRUE(Installed());
}

// --- Running-copy check ---

TEST_F(Finishing, WindowTitleOfNoOpenWindowInstallsNormally) {
  ProductWindow other("Another Program");
  ASSERT_TRUE(other.Open());
  InstallToTheEnd(Script({":window", "Acme Tools Main"}));
  EXPECT_TRUE(Installed());
}

TEST_F(Finishing, OpenProductWindowStopsTheInstallOnTheLastPage) {
  WriteFile("C:\\CONFIG.SYS", "FILES=40\r\n");
  ProductWindow product("Acme Tools Main");
  ASSERT_TRUE(product.Open());
  SetupRun& run = NewRun(Script({":window", "Acme Tools Main"}));
  ASSERT_TRUE(StartInstall(run));
  const MessageBoxView box = WaitForMessageBox(run.Pid());
  ASSERT_TRUE(box.handle) << "no message box";
  EXPECT_EQ(box.caption, "Confirm");
  EXPECT_EQ(box.text, "Please close Acme Tools Main before re-installing.");
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(box.hasIcon);
  ASSERT_TRUE(Answer(box, "OK"));

  HWND wizard = run.Wizard();
  EXPECT_FALSE(run.WaitForExit(500));
  EXPECT_TRUE(Visible(Child(wizard, ids::panel)));
  EXPECT_TRUE(Visible(Child(wizard, ids::confirmPage)));
  EXPECT_EQ(Text(Child(wizard, ids::next)), "&Install");
  EXPECT_FALSE(Exists(kDestination));
  // The backups come before the check.
  EXPECT_EQ(ReadFile("C:\\windows\\config.tup"), "FILES=40\r\n");

  // Once the product is closed, Install runs the whole sequence again.
  product.Close();
  Click(Child(wizard, ids::next));
  ASSERT_TRUE(run.WaitForExit()) << OpenMessages(run.Pid());
  EXPECT_TRUE(Installed());
}

TEST_F(Finishing, WindowMarkerOnTheLastLineEndsThePressBeforeTheInstall) {
  SetupRun& run = NewRun(Script({":window"}));
  ASSERT_TRUE(StartInstall(run));
  const MessageBoxView box = WaitForMessageBox(run.Pid());
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "List index out of bounds");
  ASSERT_TRUE(Answer(box, "OK"));
  EXPECT_FALSE(run.WaitForExit(500));
  EXPECT_TRUE(Visible(Child(run.Wizard(), ids::panel)));
  EXPECT_FALSE(Exists(kDestination));
}

// --- Reboot and run questions ---

struct QuestionCase {
  const char* name;
  std::vector<std::string> sections;
  const char* question;
  const char* answer;
  bool restartAsked, programStarted;
};

void PrintTo(const QuestionCase& c, std::ostream* os) { *os << c.name; }

class Questions : public Finishing, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(Questions, AskOneQuestionAndActOnlyOnYes) {
  const QuestionCase& c = GetParam();
  // The program to run is put into a sub-folder by the ":extra" copy.
  script::Lines script{"\\Tools", "Acme", "Acme Tools", ":extra", "tool.exe", "bin"};
  for (const std::string& line : c.sections) script.add(line);
  SetupRun& run = NewRun(script::JoinLines(script));
  run.AddFile("tool.exe", ReadFile(MARKER_EXE));
  ASSERT_TRUE(StartInstall(run));

  const MessageBoxView box = WaitForMessageBox(run.Pid());
  ASSERT_TRUE(box.handle) << "no question";
  EXPECT_EQ(box.caption, "Warning");
  EXPECT_EQ(box.text, c.question);
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Yes", "&No"}));
  ASSERT_TRUE(Answer(box, c.answer));
  // No second question: the wizard closes.
  ASSERT_TRUE(run.WaitForExit()) << OpenMessages(run.Pid());

  const std::string ran = Dest("bin\\tool.exe.ran");
  if (c.programStarted) {
    ASSERT_TRUE(WaitUntil([&] { return Exists(ran); })) << "the program did not start";
    // Started as written, arguments included. Wine puts quotes around a
    // program path with blanks that it had to resolve; Windows does not.
    std::string commandLine = ReadFile(ran);
    commandLine.erase(std::remove(commandLine.begin(), commandLine.end(), '"'), commandLine.end());
    EXPECT_EQ(commandLine, Dest("bin\\tool.exe /welcome"));
  } else {
    Sleep(1000);
    EXPECT_FALSE(Exists(ran));
  }
  EXPECT_EQ(ReadFile(kRestartLog), c.restartAsked ? "ExitWindowsEx EWX_REBOOT\r\n" : "");
}

const std::vector<std::string> kRebootAndRun{":reboot", ":run", "bin\\tool.exe /welcome"};
const std::vector<std::string> kRunOnly{":run", "bin\\tool.exe /welcome"};

INSTANTIATE_TEST_SUITE_P(
    Finishing, Questions,
    ::testing::Values(QuestionCase{"RebootYes", kRebootAndRun, "Would you like to Reboot now?", "&Yes", true, false},
                      QuestionCase{"RebootNo", kRebootAndRun, "Would you like to Reboot now?", "&No", false, false},
                      QuestionCase{"RunYes", kRunOnly, "Would you like to run Acme Tools now?", "&Yes", false, true},
                      QuestionCase{"RunNo", kRunOnly, "Would you like to run Acme Tools now?", "&No", false, false}),
    [](const ::testing::TestParamInfo<QuestionCase>& info) { return info.param.name; });

TEST_F(Finishing, NeitherRebootNorRunAsksNothing) {
  InstallToTheEnd(Script({}));
  EXPECT_TRUE(Installed());
  EXPECT_FALSE(Exists(kRestartLog));
}

// --- The late registry value ---

constexpr char kAcme[] = "Software\\Acme";

// Deletes the key on both ends of the test.
class AcmeKey {
 public:
  AcmeKey() { DeleteKey(HKEY_LOCAL_MACHINE, kAcme); }
  ~AcmeKey() { DeleteKey(HKEY_LOCAL_MACHINE, kAcme); }
  AcmeKey(const AcmeKey&) = delete;
  AcmeKey& operator=(const AcmeKey&) = delete;
  static bool Create() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kAcme, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
      return false;
    RegCloseKey(key);
    return true;
  }
  static bool Exists() { return KeyExists(HKEY_LOCAL_MACHINE, kAcme); }
  // The value's text, or nothing when it is absent.
  static std::optional<std::string> Value(const std::string& name) { return RegValue(HKEY_LOCAL_MACHINE, kAcme, name); }
};

struct LateValueCase {
  const char* name;
  std::vector<std::string> regadd;
  bool keyExists;
  const char* valueName;
  std::optional<std::string> value;
};

void PrintTo(const LateValueCase& c, std::ostream* os) { *os << c.name; }

class LateValue : public Finishing, public ::testing::WithParamInterface<LateValueCase> {};

TEST_P(LateValue, IsWrittenOnlyIntoAnExistingKey) {
  const LateValueCase& c = GetParam();
  AcmeKey acme;
  if (c.keyExists) {
    ASSERT_TRUE(AcmeKey::Create());
  }
  script::Lines sections{":regadd"};
  for (const std::string& line : c.regadd) sections.add(line);
  sections.add(":");
  SetupRun& run = NewRun(Script({}) + script::JoinLines(sections));
  ASSERT_TRUE(StartInstall(run));
  ASSERT_TRUE(run.WaitForExit()) << OpenMessages(run.Pid());
  EXPECT_EQ(AcmeKey::Exists(), c.keyExists);
  EXPECT_EQ(AcmeKey::Value(c.valueName), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Finishing, LateValue,
    ::testing::Values(
        LateValueCase{"ThreeLines", {kAcme, "Path", "bin\\tool.exe"}, true, "Path", Dest("bin\\tool.exe")},
        LateValueCase{"FourthLineChangesNothing", {kAcme, "Path", "bin\\tool.exe", "other.exe"}, true, "Path",
                      Dest("bin\\tool.exe")},
        LateValueCase{"StarsNameAValue", {kAcme, "**", "tool.exe"}, true, "**", Dest("tool.exe")},
        LateValueCase{"EmptyNameIsTheDefault", {kAcme, "", "tool.exe"}, true, "", Dest("tool.exe")},
        LateValueCase{"MissingKeyIsNotCreated", {kAcme, "Path", "bin\\tool.exe"}, false, "Path", std::nullopt}),
    [](const ::testing::TestParamInfo<LateValueCase>& info) { return info.param.name; });

struct RegaddFailure {
  const char* name;
  std::vector<std::string> regadd;
  std::string message;
};

void PrintTo(const RegaddFailure& c, std::ostream* os) { *os << c.name; }

class FailingRegadd : public Finishing, public ::testing::WithParamInterface<RegaddFailure> {};

TEST_P(FailingRegadd, FailsAfterTheInstallAndLeavesOnlyTheTitle) {
  AcmeKey acme;
  ASSERT_TRUE(AcmeKey::Create());
  script::Lines sections{":regadd"};
  for (const std::string& line : GetParam().regadd) sections.add(line);
  sections.add(":");
  SetupRun& run = NewRun(Script({":run", "app.txt"}) + script::JoinLines(sections));
  ASSERT_TRUE(StartInstall(run));

  const MessageBoxView box = WaitForMessageBox(run.Pid());
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, GetParam().message);
  ASSERT_TRUE(Answer(box, "OK"));
  // No run question follows and the wizard stays, showing only its title.
  EXPECT_FALSE(run.WaitForExit(1000));
  EXPECT_EQ(OpenMessages(run.Pid()), "no message box open");
  HWND wizard = run.Wizard();
  EXPECT_TRUE(Visible(wizard));
  EXPECT_FALSE(Visible(Child(wizard, ids::panel)));
  EXPECT_TRUE(Visible(Child(wizard, ids::title)));
  EXPECT_TRUE(Installed());
  EXPECT_EQ(AcmeKey::Value("Path"), std::nullopt);
  PostMessageA(wizard, WM_CLOSE, 0, 0);
  EXPECT_TRUE(run.WaitForExit());
}

// The registry refuses a value name of 16,384 characters or more.
const std::string kRefusedName(16384, 'v');

INSTANTIATE_TEST_SUITE_P(
    Finishing, FailingRegadd,
    ::testing::Values(RegaddFailure{"OneLine", {kAcme}, "List index out of bounds"},
                      RegaddFailure{"TwoLines", {kAcme, "Path"}, "List index out of bounds"},
                      RegaddFailure{"RefusedValue", {kAcme, kRefusedName, "bin\\tool.exe"},
                                    "Failed to set data for '" + kRefusedName + "'"}),
    [](const ::testing::TestParamInfo<RegaddFailure>& info) { return std::string(info.param.name); });

}  // namespace
