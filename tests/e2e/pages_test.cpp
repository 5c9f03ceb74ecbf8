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
  int VisiblePage() const {
    for (int page : {ids::ts1, ids::ts3, ids::ts4, ids::ts5, ids::ts8})
      if (Visible(Get(page))) return page;
    return 0;
  }

  SetupRun run_;
  HWND wizard_ = nullptr;
};

TEST_F(Pages, NextAndBackWalkThePagesInOrder) {
  const int order[] = {ids::ts1, ids::ts3, ids::ts4, ids::ts5, ids::ts8};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(VisiblePage(), order[i]);
    // Back is disabled on the first page only.
    EXPECT_EQ(Enabled(Get(ids::button3)), i > 0);
    EXPECT_EQ(Text(Get(ids::Button2)), i == 4 ? "&Install" : "&Next");
    if (i < 4) Press(ids::Button2);
  }
  Press(ids::button3);
  EXPECT_EQ(VisiblePage(), ids::ts5);
  EXPECT_EQ(Text(Get(ids::Button2)), "&Next");
  for (int i = 3; i > 0; --i) Press(ids::button3);
  EXPECT_EQ(VisiblePage(), ids::ts1);
  EXPECT_FALSE(Enabled(Get(ids::button3)));
  Press(ids::button3);  // nothing before the first page
  EXPECT_EQ(VisiblePage(), ids::ts1);
}

TEST_F(Pages, EveryPageShowsItsTexts) {
  EXPECT_EQ(Text(Get(ids::Label9)), "Welcome to the universal install utility");
  EXPECT_EQ(Text(Get(ids::Label11)),
            "Please answer the questions on the following pages to allow the Setup Utility to properly "
            "install your program.");
  EXPECT_EQ(Text(Get(ids::Label3)),
            "On this page, you will select the destination directory for the install.  The default is "
            "usually in the Program Files folder under the subdirectory Quorvane.  You may change this "
            "directory name to any directory name allowed by the system.");
  EXPECT_EQ(Text(Get(ids::Label13)), "Destination Directory");
  EXPECT_EQ(Text(Get(ids::Label14)),
            "Select the default Start Menu Folder listed below or change it to any other Start Menu "
            "folder listed in the drop down box.");
  EXPECT_EQ(Text(Get(ids::Label2)), "Start Menu Folder");
  EXPECT_EQ(Text(Get(ids::Label15)),
            "After installation, you may choose to view any updated information included in the "
            "README.TXT file.  It is recommended that you browse this file as some of it's information "
            "may not be included in the help documentation.");
  EXPECT_EQ(Text(Get(ids::txtread)), "View Readme File.");
  EXPECT_TRUE(Checked(Get(ids::txtread)));
  EXPECT_EQ(Text(Get(ids::Label8)), "Press Install to continue, or Back to make changes to the installation");
  EXPECT_EQ(Text(Get(ids::Label17)), "Destination");
  EXPECT_EQ(Text(Get(ids::Label18)), "Start Menu folder:");
  EXPECT_EQ(Text(Get(ids::Label19)), "View Readme:");
  EXPECT_EQ(Text(Get(ids::lMain)), "OXLIP");
  EXPECT_EQ(Text(Get(ids::Label1)), "Dir 95/98 Avadav Avazure");
  EXPECT_EQ(Text(Get(ids::Label6)), "Version:");
}

// The author's ":brand" in place of the fixed texts above.
TEST(Brand, ReplacesTheFixedTitlesAndFolderWord) {
  SetupRun run("brand");
  run.AddFile("setup.ini", script::JoinLines({"\\Pebble", "Pebble", "Pebble 1", ":brand", "PEBBLE", "Small tools",
                                              "Pebble Clock"}));
  run.Start();
  const HWND wizard = run.Wizard();
  ASSERT_TRUE(wizard);
  EXPECT_EQ(Text(Child(wizard, ids::lMain)), "PEBBLE");
  EXPECT_EQ(Text(Child(wizard, ids::Label1)), "Small tools");
  EXPECT_NE(Text(Child(wizard, ids::Label3)).find("under the subdirectory Pebble Clock.  You may"), std::string::npos)
      << Text(Child(wizard, ids::Label3));
}

TEST_F(Pages, SummaryFollowsTheAnswers) {
  SetText(Get(ids::d), "D:\\Apps\\Marrowgate");
  SetText(Get(ids::smenu), "Tools\\Marrowgate");
  Click(Get(ids::txtread));  // cleared
  for (int i = 0; i < 4; ++i) Press(ids::Button2);
  EXPECT_EQ(Text(Get(ids::lDest)), "D:\\Apps\\Marrowgate");
  EXPECT_EQ(Text(Get(ids::lStart)), "Tools\\Marrowgate");
  EXPECT_EQ(Text(Get(ids::lReadMe)), "No");
  Press(ids::button3);
  Click(Get(ids::txtread));  // ticked again
  Press(ids::Button2);
  EXPECT_EQ(Text(Get(ids::lReadMe)), "Yes");
}

TEST_F(Pages, EmptyStartMenuIsRefusedAndTheWizardStays) {
  SetText(Get(ids::smenu), "");
  for (int i = 0; i < 4; ++i) Press(ids::Button2);
  Click(Get(ids::Button2));
  const MessageBoxView box = WaitForMessageBox(run_.Pid());
  EXPECT_EQ(box.caption, "Warning");
  EXPECT_EQ(box.text, "Please enter a Start Menu Folder");
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(box.hasIcon);
  PressButton(box.handle, "OK");
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box.handle); }));
  EXPECT_EQ(VisiblePage(), ids::ts8);
  EXPECT_TRUE(Visible(Get(ids::Panel1)));
  EXPECT_EQ(Text(Get(ids::Button2)), "&Install");
  EXPECT_FALSE(run_.WaitForExit(200));
}

TEST_F(Pages, EmptyDestinationIsRefusedAndTheWizardStays) {
  SetText(Get(ids::d), "\\");
  for (int i = 0; i < 4; ++i) Press(ids::Button2);
  Click(Get(ids::Button2));
  const MessageBoxView box = WaitForMessageBox(run_.Pid());
  EXPECT_EQ(box.caption, "Warning");
  EXPECT_EQ(box.text, "Please enter a Destination Directory");
  PressButton(box.handle, "OK");
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box.handle); }));
  EXPECT_TRUE(Visible(Get(ids::Panel1)));
  EXPECT_FALSE(run_.WaitForExit(200));
}

TEST_F(Pages, ExitOnAMiddlePageEndsWithoutChangingTheDisk) {
  const std::string destination = "C:\\Exit Test\\Marrowgate";
  SetText(Get(ids::d), destination);
  Press(ids::Button2);
  Press(ids::Button2);
  ASSERT_EQ(VisiblePage(), ids::ts4);
  Click(Get(ids::Button1));
  EXPECT_TRUE(run_.WaitForExit());
  EXPECT_FALSE(Exists("C:\\Exit Test"));
  EXPECT_FALSE(Exists("C:\\windows\\config.tup"));
}

TEST_F(Pages, InstallTakesTheDestinationWithoutTrailingBackslash) {
  SetText(Get(ids::d), "C:\\Tools\\");
  for (int i = 0; i < 4; ++i) Press(ids::Button2);
  Click(Get(ids::Button2));
  std::string destinationWhileInstalling;
  WaitUntil([&] {
    if (!FindTopLevel(run_.Pid(), "TfCopy", "Installing")) return false;
    destinationWhileInstalling = Text(Get(ids::d));
    return true;
  });
  EXPECT_EQ(destinationWhileInstalling, "C:\\Tools");
  EXPECT_FALSE(Visible(Get(ids::Panel1)));
  EXPECT_TRUE(run_.WaitForExit());
}

}  // namespace

namespace {

TEST_F(Pages, FolderButtonPicksAFolderIntoTheBox) {
  SetText(Get(ids::d), "C:\\windows");
  Press(ids::Button2);
  Click(Get(ids::dBrowse));
  const MessageBoxView picker = WaitForMessageBox(run_.Pid());
  ASSERT_TRUE(picker.handle);
  SetText(Get(ids::d), "typed meanwhile");
  PressButton(picker.handle, "OK");
  EXPECT_TRUE(WaitUntil([&] { return Text(Get(ids::d)) == "C:\\windows"; })) << Text(Get(ids::d));
}

TEST_F(Pages, CancelledFolderPickerLeavesTheBox) {
  SetText(Get(ids::d), "C:\\windows");
  Press(ids::Button2);
  Click(Get(ids::dBrowse));
  const MessageBoxView picker = WaitForMessageBox(run_.Pid());
  ASSERT_TRUE(picker.handle);
  PressButton(picker.handle, "Cancel");
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker.handle); }));
  EXPECT_EQ(Text(Get(ids::d)), "C:\\windows");
}

}  // namespace
