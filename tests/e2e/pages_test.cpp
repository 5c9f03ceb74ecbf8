// Stepping through the wizard's pages and leaving it, driven from outside.
#include <gtest/gtest.h>

#include "driver.h"
#include "script/lines.h"
#include "setup/ids.h"
#include "setup_run.h"

namespace {

using namespace driver;
namespace ids = setup::ids;

class Pages : public ::testing::Test {
 protected:
  explicit Pages(const char* name = "pages") : run_(name) {
    run_.AddFile("setup.ini", script::JoinLines({"\\Marrowgate", "Marrowgate", "Marrowgate 2"}));
  }
  void SetUp() override {
    run_.Start();
    wizard_ = run_.Wizard();
    ASSERT_TRUE(wizard_);
  }
  HWND Get(int id) const { return Child(wizard_, id); }
  void Press(int id) { driver::Press(Get(id)); }
  int VisiblePage() const { return driver::VisiblePage(wizard_); }

  SetupRun run_;
  HWND wizard_ = nullptr;
};

TEST_F(Pages, NextAndBackWalkThePagesInOrder) {
  const int order[] = {ids::welcomePage, ids::destinationPage, ids::startMenuPage, ids::readmePage, ids::confirmPage};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(VisiblePage(), order[i]);
    // Back is disabled on the first page only.
    EXPECT_EQ(Enabled(Get(ids::back)), i > 0);
    EXPECT_EQ(Text(Get(ids::next)), i == 4 ? "&Install" : "&Next");
    if (i < 4) Press(ids::next);
  }
  Press(ids::back);
  EXPECT_EQ(VisiblePage(), ids::readmePage);
  EXPECT_EQ(Text(Get(ids::next)), "&Next");
  for (int i = 3; i > 0; --i) Press(ids::back);
  EXPECT_EQ(VisiblePage(), ids::welcomePage);
  EXPECT_FALSE(Enabled(Get(ids::back)));
  Press(ids::back);  // nothing before the first page
  EXPECT_EQ(VisiblePage(), ids::welcomePage);
}

// Each page's texts, read on the page: the pages after the first are made
// when first shown.
TEST_F(Pages, EveryPageShowsItsTexts) {
  EXPECT_EQ(Text(Get(ids::title)), "OXLIP");
  EXPECT_EQ(Text(Get(ids::subtitle)), "Dir 95/98 Avadav Avazure");
  EXPECT_EQ(Text(Get(ids::versionCaption)), "Version:");
  EXPECT_EQ(Text(Get(ids::welcomeHeading)), "Welcome to the universal install utility");
  EXPECT_EQ(Text(Get(ids::welcomeText)),
            "Please answer the questions on the following pages to allow the Setup Utility to properly "
            "install your program.");
  ASSERT_TRUE(ShowPage(wizard_, ids::destinationPage));
  EXPECT_EQ(Text(Get(ids::destinationText)),
            "On this page, you will select the destination directory for the install.  The default is "
            "usually in the Program Files folder under the subdirectory Quorvane.  You may change this "
            "directory name to any directory name allowed by the system.");
  EXPECT_EQ(Text(Get(ids::destinationCaption)), "Destination Directory");
  ASSERT_TRUE(ShowPage(wizard_, ids::startMenuPage));
  EXPECT_EQ(Text(Get(ids::startMenuText)),
            "Select the default Start Menu Folder listed below or change it to any other Start Menu "
            "folder listed in the drop down box.");
  EXPECT_EQ(Text(Get(ids::startMenuCaption)), "Start Menu Folder");
  ASSERT_TRUE(ShowPage(wizard_, ids::readmePage));
  EXPECT_EQ(Text(Get(ids::readmeText)),
            "After installation, you may choose to view any updated information included in the "
            "README.TXT file.  It is recommended that you browse this file as some of it's information "
            "may not be included in the help documentation.");
  EXPECT_EQ(Text(Get(ids::readme)), "View Readme File.");
  EXPECT_TRUE(Checked(Get(ids::readme)));
  ASSERT_TRUE(ShowPage(wizard_, ids::confirmPage));
  EXPECT_EQ(Text(Get(ids::confirmText)), "Press Install to continue, or Back to make changes to the installation");
  EXPECT_EQ(Text(Get(ids::destinationSummaryCaption)), "Destination");
  EXPECT_EQ(Text(Get(ids::startMenuSummaryCaption)), "Start Menu folder:");
  EXPECT_EQ(Text(Get(ids::readmeSummaryCaption)), "View Readme:");
}

// The author's ":brand" in place of the fixed texts above.
TEST(Brand, ReplacesTheFixedTitlesAndFolderWord) {
  SetupRun run("brand");
  run.AddFile("setup.ini", script::JoinLines({"\\Pebble", "Pebble", "Pebble 1", ":brand", "PEBBLE", "Small tools",
                                              "Pebble Clock"}));
  run.Start();
  const HWND wizard = run.Wizard();
  ASSERT_TRUE(wizard);
  EXPECT_EQ(Text(Child(wizard, ids::title)), "PEBBLE");
  EXPECT_EQ(Text(Child(wizard, ids::subtitle)), "Small tools");
  ASSERT_TRUE(ShowPage(wizard, ids::destinationPage));
  EXPECT_NE(Text(Child(wizard, ids::destinationText)).find("under the subdirectory Pebble Clock.  You may"), std::string::npos)
      << Text(Child(wizard, ids::destinationText));
}

TEST_F(Pages, SummaryFollowsTheAnswers) {
  ASSERT_TRUE(ShowPage(wizard_, ids::destinationPage));
  SetText(Get(ids::destination), "D:\\Apps\\Marrowgate");
  Press(ids::next);
  SetText(Get(ids::startMenu), "Tools\\Marrowgate");
  Press(ids::next);
  Press(ids::readme);  // cleared
  Press(ids::next);
  EXPECT_EQ(Text(Get(ids::destinationSummary)), "D:\\Apps\\Marrowgate");
  EXPECT_EQ(Text(Get(ids::startMenuSummary)), "Tools\\Marrowgate");
  EXPECT_EQ(Text(Get(ids::readmeSummary)), "No");
  Press(ids::back);
  Press(ids::readme);  // ticked again
  Press(ids::next);
  EXPECT_EQ(Text(Get(ids::readmeSummary)), "Yes");
}

TEST_F(Pages, EmptyStartMenuIsRefusedAndTheWizardStays) {
  ASSERT_TRUE(ShowPage(wizard_, ids::startMenuPage));
  SetText(Get(ids::startMenu), "");
  ASSERT_TRUE(ShowPage(wizard_, ids::confirmPage));
  Click(Get(ids::next));
  const MessageBoxView box = WaitForMessageBox(run_.Pid());
  EXPECT_EQ(box.caption, "Warning");
  EXPECT_EQ(box.text, "Please enter a Start Menu Folder");
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(box.hasIcon);
  PressButton(box.handle, "OK");
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box.handle); }));
  EXPECT_EQ(VisiblePage(), ids::confirmPage);
  EXPECT_TRUE(Visible(Get(ids::panel)));
  EXPECT_EQ(Text(Get(ids::next)), "&Install");
  EXPECT_FALSE(run_.WaitForExit(200));
}

TEST_F(Pages, EmptyDestinationIsRefusedAndTheWizardStays) {
  ASSERT_TRUE(ShowPage(wizard_, ids::destinationPage));
  SetText(Get(ids::destination), "\\");
  ASSERT_TRUE(ShowPage(wizard_, ids::confirmPage));
  Click(Get(ids::next));
  const MessageBoxView box = WaitForMessageBox(run_.Pid());
  EXPECT_EQ(box.caption, "Warning");
  EXPECT_EQ(box.text, "Please enter a Destination Directory");
  PressButton(box.handle, "OK");
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box.handle); }));
  EXPECT_TRUE(Visible(Get(ids::panel)));
  EXPECT_FALSE(run_.WaitForExit(200));
}

TEST_F(Pages, ExitOnAMiddlePageEndsWithoutChangingTheDisk) {
  const std::string destination = "C:\\Exit Test\\Marrowgate";
  ASSERT_TRUE(ShowPage(wizard_, ids::destinationPage));
  SetText(Get(ids::destination), destination);
  Press(ids::next);
  ASSERT_EQ(VisiblePage(), ids::startMenuPage);
  Click(Get(ids::exit));
  EXPECT_TRUE(run_.WaitForExit());
  EXPECT_FALSE(Exists("C:\\Exit Test"));
  EXPECT_FALSE(Exists("C:\\windows\\config.tup"));
}

TEST_F(Pages, InstallTakesTheDestinationWithoutTrailingBackslash) {
  ASSERT_TRUE(ShowPage(wizard_, ids::destinationPage));
  SetText(Get(ids::destination), "C:\\Tools\\");
  ASSERT_TRUE(ShowPage(wizard_, ids::confirmPage));
  Click(Get(ids::next));
  std::string destinationWhileInstalling;
  WaitUntil([&] {
    if (!FindTopLevel(run_.Pid(), "TfCopy", "Installing")) return false;
    destinationWhileInstalling = Text(Get(ids::destination));
    return true;
  });
  EXPECT_EQ(destinationWhileInstalling, "C:\\Tools");
  EXPECT_FALSE(Visible(Get(ids::panel)));
  EXPECT_TRUE(run_.WaitForExit());
}

}  // namespace

namespace {

TEST_F(Pages, FolderButtonPicksAFolderIntoTheBox) {
  ASSERT_TRUE(ShowPage(wizard_, ids::destinationPage));
  SetText(Get(ids::destination), "C:\\windows");
  Click(Get(ids::destinationBrowse));
  const MessageBoxView picker = WaitForMessageBox(run_.Pid());
  ASSERT_TRUE(picker.handle);
  SetText(Get(ids::destination), "typed meanwhile");
  PressButton(picker.handle, "OK");
  EXPECT_TRUE(WaitUntil([&] { return Text(Get(ids::destination)) == "C:\\windows"; })) << Text(Get(ids::destination));
}

TEST_F(Pages, CancelledFolderPickerLeavesTheBox) {
  ASSERT_TRUE(ShowPage(wizard_, ids::destinationPage));
  SetText(Get(ids::destination), "C:\\windows");
  Click(Get(ids::destinationBrowse));
  const MessageBoxView picker = WaitForMessageBox(run_.Pid());
  ASSERT_TRUE(picker.handle);
  PressButton(picker.handle, "Cancel");
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker.handle); }));
  EXPECT_EQ(Text(Get(ids::destination)), "C:\\windows");
}

}  // namespace
