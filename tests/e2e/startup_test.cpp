// The wizard's start-up, driven from outside through its windows.
#include <gtest/gtest.h>

#include "driver.h"
#include "registry_values.h"
#include "script/lines.h"
#include "script/unscramble.h"
#include "setup/ids.h"
#include "setup_run.h"

namespace {

using namespace driver;
namespace ids = setup::ids;

std::string Script(std::initializer_list<std::string> lines) { return script::JoinLines(script::Lines(lines)); }

void SetProgramsFolder(const std::string& folder) { SetRegValue(HKEY_CURRENT_USER, kShellFolders, "Programs", folder); }

struct Shown {
  std::string title, version, welcome, destination, startMenu;
};

// The first page's texts, then the defaults the next two pages show.
Shown Read(HWND wizard) {
  Shown shown{Text(Child(wizard, ids::product)), Text(Child(wizard, ids::version)),
              Text(Child(wizard, ids::installsText)), "", ""};
  if (ShowPage(wizard, ids::destinationPage)) shown.destination = Text(Child(wizard, ids::destination));
  if (ShowPage(wizard, ids::startMenuPage)) shown.startMenu = Text(Child(wizard, ids::startMenu));
  return shown;
}

TEST(Startup, ClearScriptFillsTheWizard) {
  SetupRun run("clear");
  run.AddFile("setup.ini", Script({"\\Marrowgate", "Marrowgate Tools", "Marrowgate 2", "Version", "2.5", ":files", ":"}));
  run.Start();
  HWND wizard = run.Wizard();
  ASSERT_TRUE(wizard);
  EXPECT_EQ(Text(wizard), "Setup Utility");
  EXPECT_TRUE(IsZoomed(wizard));
  EXPECT_FALSE(Enabled(Child(wizard, ids::back)));
  EXPECT_TRUE(Enabled(Child(wizard, ids::next)));
  EXPECT_EQ(Text(Child(wizard, ids::next)), "&Next");
  EXPECT_TRUE(Visible(Child(wizard, ids::welcomePage)));
  EXPECT_FALSE(Visible(Child(wizard, ids::destinationPage)));
  EXPECT_FALSE(Visible(Child(wizard, ids::product)));
  // The empty status bar comes once the first page is up.
  EXPECT_TRUE(WaitUntil([&] { return Visible(Child(wizard, ids::statusBar)); }));
  const Shown shown = Read(wizard);
  EXPECT_EQ(shown.title, "Marrowgate 2");
  EXPECT_EQ(shown.version, "2.5");
  EXPECT_EQ(shown.welcome, "Setup will install Marrowgate 2");
  EXPECT_EQ(shown.destination, "C:\\Program Files\\Marrowgate");
  EXPECT_EQ(shown.startMenu, "Marrowgate Tools");
  // The panel is centred on the screen, in the wizard's client area.
  RECT panel;
  GetWindowRect(Child(wizard, ids::panel), &panel);
  POINT origin{panel.left, panel.top};
  ScreenToClient(wizard, &origin);
  EXPECT_EQ(origin.x, GetSystemMetrics(SM_CXSCREEN) / 2 - 329 / 2);
  EXPECT_EQ(origin.y, GetSystemMetrics(SM_CYSCREEN) / 2 - 161 / 2);
  EXPECT_EQ(panel.right - panel.left, 329);
  EXPECT_EQ(panel.bottom - panel.top, 161);
}

TEST(Startup, ScrambledScriptIsReadAsClearText) {
  SetupRun run("scrambled");
  const script::Lines clear{"\\Quorvane", "Quorvane", "Quorvane Suite", "", "version", "3.1"};
  run.AddFile("setup.ini", script::JoinLines(script::Scramble(clear)));
  run.Start();
  HWND wizard = run.Wizard();
  ASSERT_TRUE(wizard);
  const Shown shown = Read(wizard);
  EXPECT_EQ(shown.title, "Quorvane Suite");
  EXPECT_EQ(shown.version, "3.1");
  EXPECT_EQ(shown.destination, "C:\\Program Files\\Quorvane");
  EXPECT_EQ(shown.startMenu, "Quorvane");
}

TEST(Startup, WithoutVersionLineShowsUnknown) {
  SetupRun run("noversion");
  run.AddFile("setup.ini", Script({"Tools", "Group", "Title"}));
  run.Start();
  HWND wizard = run.Wizard();
  ASSERT_TRUE(wizard);
  EXPECT_EQ(Text(Child(wizard, ids::version)), "unknown");
  EXPECT_EQ(Read(wizard).destination, "C:\\Program FilesTools");
}

TEST(Startup, StartMenuChoicesComeFromTheProgramsFolder) {
  const std::string programs = "C:\\menu\\Programs";
  CreateDirectoryA("C:\\menu", nullptr);
  CreateDirectoryA(programs.c_str(), nullptr);
  for (const char* sub : {"StartUp", "accessories", "Hidden", "System"})
    CreateDirectoryA((programs + "\\" + sub).c_str(), nullptr);
  SetFileAttributesA((programs + "\\Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((programs + "\\System").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetProgramsFolder(programs);

  SetupRun run("menu");
  run.AddFile("setup.ini", Script({"\\App", "Not There Yet", "App"}));
  run.Start();
  HWND wizard = run.Wizard();
  ASSERT_TRUE(wizard);
  ASSERT_TRUE(ShowPage(wizard, ids::startMenuPage));
  EXPECT_EQ(ComboItems(Child(wizard, ids::startMenu)), (std::vector<std::string>{"accessories", "StartUp"}));
  EXPECT_EQ(Text(Child(wizard, ids::startMenu)), "Not There Yet");
}

TEST(Startup, MissingScriptShowsTheErrorAndKeepsDesignTexts) {
  SetupRun run("missing");
  run.Start();
  HWND wizard = run.Wizard();
  ASSERT_TRUE(wizard);
  const MessageBoxView box = WaitForMessageBox(run.Pid());
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "Cannot open file " + run.Folder() + "\\setup.ini");
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  PressButton(box.handle, "OK");
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box.handle); }));
  // The wizard stays as it stood and still answers.
  const Shown shown = Read(wizard);
  EXPECT_EQ(shown.title, "Label4");
  EXPECT_EQ(shown.version, "1.00");
  EXPECT_EQ(shown.welcome, "Setup will install:");
  EXPECT_EQ(shown.destination, "");
  Click(Child(wizard, ids::exit));
  EXPECT_TRUE(run.WaitForExit());
}

TEST(Startup, ShortScriptStopsAtTheMissingLine) {
  SetupRun run("short");
  run.AddFile("setup.ini", Script({"\\Two", "Lines"}));
  run.Start();
  ASSERT_TRUE(run.Wizard());
  const MessageBoxView box = WaitForMessageBox(run.Pid());
  EXPECT_EQ(box.text, "List index out of bounds");
  ASSERT_TRUE(Answer(box, "OK"));
  ASSERT_TRUE(ShowPage(run.Wizard(), ids::destinationPage));
  EXPECT_EQ(Text(Child(run.Wizard(), ids::destination)), "");
}

TEST(Startup, VersionWordOnTheLastLineLeavesTheVersionFoundBefore) {
  SetupRun run("lastversion");
  run.AddFile("setup.ini", Script({"\\App", "Group", "App", "Version", "2.0", "x", "Version"}));
  run.Start();
  ASSERT_TRUE(run.Wizard());
  const MessageBoxView box = WaitForMessageBox(run.Pid());
  EXPECT_EQ(box.text, "List index out of bounds");
  EXPECT_EQ(Text(Child(run.Wizard(), ids::version)), "2.0");
}

TEST(Startup, ProgramsFolderThatDoesNotExistStopsBeforeTheChoices) {
  SetProgramsFolder("C:\\no\\such\\folder");
  SetupRun run("nofolder");
  run.AddFile("setup.ini", Script({"\\App", "Group", "App"}));
  run.Start();
  HWND wizard = run.Wizard();
  ASSERT_TRUE(wizard);
  const MessageBoxView box = WaitForMessageBox(run.Pid());
  EXPECT_EQ(box.text, "Cannot open folder C:\\no\\such\\folder");
  ASSERT_TRUE(Answer(box, "OK"));
  const Shown shown = Read(wizard);
  EXPECT_EQ(shown.destination, "C:\\Program Files\\App");
  EXPECT_EQ(shown.startMenu, "");
}

}  // namespace
