// setup.exe /S: the install answered from the command line, with no window
// shown, a log and an exit code.
#include <gtest/gtest.h>

#include "demo/layout.h"
#include "demo/walk.h"
#include "driver.h"
#include "sample_state.h"
#include "script/lines.h"
#include "setup_run.h"
#include "snapshot.h"

namespace {

using namespace driver;

constexpr char kDist[] = "C:\\dist\\marrowgate";
constexpr char kDest[] = "C:\\Program Files\\Marrowgate";
constexpr char kLog[] = "C:\\silent.log";

std::string Setup() { return std::string(kDist) + "\\setup.exe"; }

SilentRun Silent(const std::string& arguments) {
  const SilentRun run = RunSilently(Setup(), arguments, kDist);
  EXPECT_TRUE(run.ended);
  EXPECT_FALSE(run.windowShown) << arguments;
  return run;
}

class SilentInstall : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_THROW(demo::LayOutSample(DEMO_PRODUCT, BUILD_FOLDER, kDist)); }
};

TEST_F(SilentInstall, LeavesWhatTheWizardInstallLeaves) {
  {
    SetupRun run("marrowgate");
    run.Start();
    ASSERT_NO_THROW(demo::WalkThrough(run, "&No"));
  }
  const Snapshot wizard = SampleInstallState(kDest);
  ASSERT_FALSE(wizard.files.at(std::string(kDest) + "\\unin.jnl").empty());
  ASSERT_FALSE(wizard.files.at(std::string(kDest) + "\\unin.ini").empty());
  ASSERT_NO_THROW(RemoveSampleInstall());

  const SilentRun run = Silent("/s /acceptlicense /readme /LOG=" + std::string(kLog));
  EXPECT_EQ(run.exitCode, 0u) << ReadFile(kLog);
  for (const std::string& difference : Differences(wizard, SampleInstallState(kDest))) ADD_FAILURE() << difference;

  // The log tells each step and each answer.
  const std::string log = ReadFile(kLog);
  for (const char* line : {"question: licence agreement answer: Accept (/ACCEPTLICENSE)",
                           "file: C:\\Program Files\\Marrowgate\\marrow.exe (new)", "shortcut: ",
                           "registry value: HKEY_LOCAL_MACHINE\\", "profile entry: ", "README: wanted, not shown",
                           "message: Marrowgate Desktop 2.1 is installed.",
                           "question: Would you like to run Marrowgate Desktop 2.1 now? answer: No", "installed\r\n"})
    EXPECT_TRUE(Contains(log, line)) << line << "\n" << log;
}

// --- Small scripts: each exit code ---

// A title and app.txt, and `missing` when given: a file the distribution lacks.
std::string Script(std::initializer_list<std::string> sections, const char* missing = nullptr) {
  script::Lines lines{"\\Tools", "Acme", "Acme Tools", ":files", "-install", "app.txt"};
  if (missing) lines.add(missing);
  lines.add(":");
  for (const std::string& line : sections) lines.add(line);
  return script::JoinLines(lines);
}

struct ExitCase {
  const char* name;
  std::string script;
  std::string arguments;  // after "/S /LOG=..."
  DWORD exitCode;
  bool installed;         // app.txt in the destination
  const char* logLine;
};

TEST(SilentExitCodes, EachCodeFromTheScriptOrSituationThatCausesIt) {
  constexpr char kRestartLog[] = "C:\\restart.log";
  SetEnvironmentVariableA("SETUP_RESTART_LOG", kRestartLog);
  const ProductWindow product("Acme Tools Main");
  ASSERT_TRUE(product.Open());
  const std::string longDest = "C:\\Program Files\\A folder with blanks in its name\\and a second level of it";
  const ExitCase cases[] = {
      {"installed", Script({}), "/GROUP=\"Acme Group\" /D=" + longDest + "\\", 0, true, "installed\r\n"},
      {"licence", Script({}), "/D=C:\\Acme", 1, false, "answer: Decline (no /ACCEPTLICENSE)"},
      {"failedcopy", Script({}, "gone.txt"), "/D=C:\\Acme", 3, true, "error: Error copying gone.txt: "},
      {"error", Script({":regadd", "Software\\Acme"}), "/D=C:\\Acme", 4, false, "error: List index out of bounds"},
      {"running", Script({":window", "Acme Tools Main"}), "/D=C:\\Acme", 5, false,
       "error: Please close Acme Tools Main before re-installing."},
      {"restart", Script({":reboot"}), "/D=C:\\Acme", 3010, true, "Reboot now? answer: No"},
      {"restarted", Script({":reboot"}), "/RESTART /D=C:\\Acme", 0, true, "Reboot now? answer: Yes (/RESTART)"},
  };
  for (const ExitCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetupRun dist(std::string("silent_") + c.name);
    dist.AddFile("setup.ini", c.script);
    dist.AddFile("app.txt", "application");
    if (std::string(c.name) == "licence") dist.AddFile("license.ini", "Terms\r\n");
    const std::string dest = Contains(c.arguments, longDest) ? longDest : "C:\\Acme";
    DeleteFileA((dest + "\\app.txt").c_str());
    const std::string log = "C:\\" + std::string(c.name) + ".log";
    const SilentRun run = RunSilently(dist.Folder() + "\\setup.exe", "/S /LOG=" + log + " " + c.arguments, dist.Folder());
    EXPECT_TRUE(run.ended);
    EXPECT_FALSE(run.windowShown);
    EXPECT_EQ(run.exitCode, c.exitCode) << ReadFile(log);
    EXPECT_EQ(ReadFile(dest + "\\app.txt") == "application", c.installed) << ReadFile(log);
    EXPECT_TRUE(Contains(ReadFile(log), c.logLine)) << ReadFile(log);
  }
  // The failed copy names the system's reason, not only the file.
  const std::string failed = ReadFile("C:\\failedcopy.log");
  const std::size_t at = failed.find("Error copying gone.txt: ");
  ASSERT_NE(at, std::string::npos);
  EXPECT_NE(failed.compare(at + 24, 2, "\r\n"), 0) << failed;
  EXPECT_TRUE(Exists(ProgramsFolder() + "\\Acme Group"));
  EXPECT_EQ(ReadFile(kRestartLog), "ExitWindowsEx EWX_REBOOT\r\n");
}

TEST(SilentUsage, AUsageErrorDoesNothingAtAll) {
  SetupRun dist("silent_usage");
  dist.AddFile("setup.ini", Script({}));
  dist.AddFile("app.txt", "application");
  const auto prefix = [] {
    return TakeSnapshot({"C:\\Program Files", "C:\\users", "C:\\windows", "C:\\"},
                        {{HKEY_LOCAL_MACHINE, "HKLM", "Software"}, {HKEY_CURRENT_USER, "HKCU", "Software"}},
                        {"\\temp", "\\system32", "\\syswow64", "\\winsxs", "\\microsoft.net", "\\mono",
                         "\\gecko", "\\fonts", "\\wine", "\\wow6432node", "\\dist"});
  };
  const Snapshot before = prefix();
  // Each refusal is named in the log, where the log can be had; switches
  // that would reach into Windows' own folders or a product's record are
  // refused in every spelling.
  const std::string log = dist.Folder() + "\\usage.log";
  const struct {
    std::string arguments;
    const char* refusal;  // the log's line; nullptr: no log can be written
  } cases[] = {
      {"/BOGUS /D=C:\\Acme", "/BOGUS is not a switch of setup.exe"},
      {"/D=relative", "/D=relative: the destination must be a full path"},
      {"/GROUP= /D=C:\\Acme", "/GROUP=: the Start Menu folder must be"},
      {"\"/GROUP=Acme /D=C:\\Acme", "\"/GROUP=Acme /D=C:\\Acme: a quote is not closed"},
      {"/GROUP=..\\..\\..\\..\\windows", "/GROUP=..\\..\\..\\..\\windows: the Start Menu folder must be"},
      {"/GROUP=Acme/../../x", "/GROUP=Acme/../../x: the Start Menu folder must be"},
      {"/D=C:\\\\", "/D=C:\\\\: the destination cannot be a drive's root"},
      {"/D=C:/.", "/D=C:/.: the destination cannot be a drive's root"},
      {"/D=c:\\windows\\", "/D=c:\\windows: the destination cannot be the Windows folder or its system folder"},
      {"/D=C:\\WINDOWS/.", "/D=C:\\WINDOWS/.: the destination cannot be the Windows folder"},
      {"/D=C:\\Windows\\System32. ", "/D=C:\\Windows\\System32.: the destination cannot be the Windows folder"},
  };
  for (const auto& c : cases) {
    const SilentRun run = RunSilently(dist.Folder() + "\\setup.exe", "/S /LOG=" + log + " " + c.arguments, dist.Folder());
    EXPECT_TRUE(run.ended) << c.arguments;
    EXPECT_FALSE(run.windowShown) << c.arguments;
    EXPECT_EQ(run.exitCode, 2u) << c.arguments;
    EXPECT_TRUE(Contains(ReadFile(log), std::string("usage error: ") + c.refusal)) << ReadFile(log);
    DeleteFileA(log.c_str());
  }
  // A log that would replace a product's record or journal is not written at all.
  WriteFile("C:\\Acme\\unin.ini", "record");
  for (const char* bad : {"/S /LOG=C:\\Acme\\UNIN.INI /D=C:\\Acme", "/S /LOG=C:/Acme/unin.jnl. /D=C:\\Acme"})
    EXPECT_EQ(RunSilently(dist.Folder() + "\\setup.exe", bad, dist.Folder()).exitCode, 2u) << bad;
  EXPECT_EQ(ReadFile("C:\\Acme\\unin.ini"), "record");
  EXPECT_FALSE(Exists("C:\\Acme\\unin.jnl"));
  DeleteFileA("C:\\Acme\\unin.ini");
  RemoveDirectoryA("C:\\Acme");
  for (const std::string& difference : Differences(before, prefix())) ADD_FAILURE() << difference;
  // Without /S the usage shows in a box; the watch over the windows sees it.
  const SilentRun help = RunSilently(dist.Folder() + "\\setup.exe", "/?", dist.Folder(), 3000);
  EXPECT_TRUE(help.windowShown);
  // And a refused switch without /S is named in the box.
  const SilentRun refused = RunSilently(dist.Folder() + "\\setup.exe", "/README /BOGUS", dist.Folder(), 3000);
  EXPECT_TRUE(Contains(refused.messages, "/BOGUS is not a switch of setup.exe")) << refused.messages;
}

}  // namespace
