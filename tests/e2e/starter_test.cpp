// A new author's path with the starter script of docs/starter, as the script
// reference tells it: laid out with setupkit, checked without a warning,
// planned, installed unattended and removed, so the reference cannot drift
// from the programs.
#include <gtest/gtest.h>

#include "driver.h"
#include "kit/check.h"
#include "kit/layout.h"
#include "kit/plan.h"
#include "registry_values.h"
#include "remove_run.h"
#include "script/lines.h"
#include "setup_run.h"

namespace {

using namespace driver;

constexpr char kDist[] = "C:\\dist\\pebble";
constexpr char kDest[] = "C:\\Program Files\\Pebble Clock";
constexpr char kLog[] = "C:\\pebble.log";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pebble Clock";

std::string In(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

TEST(Starter, LaidOutCheckedPlannedInstalledAndRemoved) {
  // The removal program stands in for the author's program too. The
  // starter's binary data file lies in the source, so --text must leave it
  // byte for byte.
  const std::string program = In(BUILD_FOLDER, "twremove.exe");
  kit::LayoutRequest request;
  request.source = STARTER;
  request.dist = kDist;
  request.setupExe = In(BUILD_FOLDER, "setup.exe");
  request.textLineEnds = true;
  request.extra = {{program, "pebble.exe"}, {program, "TWREMOVE.EX_"}};
  kit::LayoutReport report;
  ASSERT_NO_THROW(report = kit::LayOut(request));
  EXPECT_EQ(report.converted, std::vector<std::string>{"readme.txt"});
  EXPECT_EQ(ReadFile(In(kDist, "chimes.dat")), ReadFile(In(STARTER, "chimes.dat")));

  std::vector<kit::Diagnostic> found = kit::CheckScript(ReadFile(In(kDist, "setup.ini")), kit::ListFolder(kDist));
  for (const char* shown : {"readme.txt", "license.ini"})
    for (kit::Diagnostic& d : kit::CheckShownFile(shown, ReadFile(In(kDist, shown)))) found.push_back(d);
  for (const kit::Diagnostic& d : found) ADD_FAILURE() << kit::Format(d);

  kit::Machine machine;
  machine.windows = WindowsFolder();
  machine.programs = ProgramsFolder();
  const kit::Plan plan = kit::MakePlan(ReadFile(In(kDist, "setup.ini")), machine, kit::ListFolder(kDist));
  ASSERT_EQ(plan.stop, "");

  const SilentRun run =
      RunSilently(In(kDist, "setup.exe"), "/S /ACCEPTLICENSE /LOG=" + std::string(kLog), kDist);
  ASSERT_TRUE(run.ended);
  ASSERT_EQ(run.exitCode, 0u) << ReadFile(kLog);
  EXPECT_EQ(ReadFile(In(kDest, "unin.ini")), script::JoinLines(plan.record)) << ReadFile(kLog);
  EXPECT_EQ(ReadFile(In(kDest, "pebble.exe")), ReadFile(program));
  EXPECT_TRUE(Exists(In(ProgramsFolder(), "Pebble Clock\\Pebble Clock.lnk")));
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, "Software\\Pebble Clock", "Folder"), kDest);
  const auto uninstall = RegValue(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
  ASSERT_TRUE(uninstall);

  const RemoveRun removal = RunRemoval(*uninstall);  // as Add/Remove Programs starts it, answered Yes
  ASSERT_TRUE(removal.ended);
  EXPECT_EQ(removal.exitCode, 0u) << removal.final;
  for (const char* name : {"pebble.exe", "chimes.dat", "readme.txt", "unin.ini"})
    EXPECT_FALSE(Exists(In(kDest, name))) << name;
  EXPECT_FALSE(Exists(In(ProgramsFolder(), "Pebble Clock")));
  EXPECT_FALSE(RegValue(HKEY_CURRENT_USER, "Software\\Pebble Clock", "Folder"));
  EXPECT_FALSE(RegValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"));
}

}  // namespace
