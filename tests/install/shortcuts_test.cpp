// The Start Menu step against real files and Wine's shell link object.
#include "install/shortcut_names.h"
#include "install/shortcuts.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include "raw_link.h"
#include "setup_run.h"
#include "test_folder.h"

namespace {

using testing_support::RawLink;
using testing_support::ReadRawLink;
using testing_support::WriteRawLink;
using testing_support::TestFolder;
using Names = std::vector<std::string>;

class ShortcutsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    driver::WriteFile(destination_ + "\\bin\\tool.exe", "MZ");
    driver::WriteFile(destination_ + "\\notes.exe", "MZ");
  }
  void TearDown() override { CoUninitialize(); }

  void Make(const script::Lines& exe) {
    install::CreateGroupFolder(programs_, "Tools\\Sub");
    const std::size_t first = record_.size();
    install::AddShortcutRecordLines(group_, exe, record_);
    install::MakeShortcuts(group_, destination_, exe, link_, record_, first);
  }

  // The shortcut file's target, working folder and hot key as the shell reads them.
  ::testing::AssertionResult Points(const std::string& name, const std::string& target,
                                    const std::string& workingDir, WORD hotKey) const {
    RawLink raw;
    if (!ReadRawLink(group_ + "\\" + name, raw)) return ::testing::AssertionFailure() << name << " unreadable";
    if (raw.target != target || raw.workingDir != workingDir || raw.hotKey != hotKey)
      return ::testing::AssertionFailure() << name << " points at " << raw.target << " in " << raw.workingDir
                                           << " with hot key " << raw.hotKey;
    return ::testing::AssertionSuccess();
  }

  TestFolder root_{"C:\\sc"};
  const std::string programs_ = root_ / "Start Menu\\Programs";
  const std::string group_ = programs_ + "\\Tools\\Sub";
  const std::string destination_ = root_ / "Program Files\\App";
  const std::string tool_ = destination_ + "\\bin\\tool.exe";
  const std::string notes_ = destination_ + "\\notes.exe";
  shell::TShellLink link_;
  script::Lines record_{"Product", "C:\\App\\a.exe"};
};

TEST_F(ShortcutsTest, GroupFolderAndOneShortcutPerPair) {
  Make({"Tool", "bin\\tool.exe", "*05Notes1614", "notes.exe", "orphan line"});
  EXPECT_EQ(TestFolder::Names(group_), (Names{"Notes.lnk", "Tool.lnk"}));
  EXPECT_TRUE(Points("Tool.lnk", tool_, destination_ + "\\bin\\", 0));
  EXPECT_TRUE(Points("Notes.lnk", notes_, destination_ + "\\", 1614));
  EXPECT_EQ(record_, (script::Lines{"Product", "C:\\App\\a.exe", group_ + "\\Tool.lnk", group_ + "\\Notes.lnk",
                                    "+" + group_ + "\\"}));
  EXPECT_EQ(link_.Path(), group_ + "\\Notes.lnk");
  EXPECT_TRUE(link_.Update());
}

TEST_F(ShortcutsTest, HotKeyNotANumberLeavesNoShortcutAndGoesOn) {
  install::CreateGroupFolder(programs_, "Tools\\Sub");
  ASSERT_TRUE(WriteRawLink(group_ + "\\Notes.lnk", {notes_, "", "", "", ""}));  // left by an earlier installation
  Make({"*05Notes16x4", "notes.exe", "Tool", "bin\\tool.exe"});
  EXPECT_EQ(TestFolder::Names(group_), Names{"Tool.lnk"});
  EXPECT_TRUE(Points("Tool.lnk", tool_, destination_ + "\\bin\\", 0));
  EXPECT_EQ(record_.at(2), group_ + "\\Notes.lnk");
}

TEST_F(ShortcutsTest, SameCaptionTwiceKeepsTheSecondProgram) {
  Make({"Notes", "bin\\tool.exe", "Notes", "notes.exe"});
  EXPECT_EQ(TestFolder::Names(group_), Names{"Notes.lnk"});
  EXPECT_TRUE(Points("Notes.lnk", notes_, destination_ + "\\", 0));
  EXPECT_EQ(record_.at(2), group_ + "\\Notes.lnk");
  EXPECT_EQ(record_.at(3), group_ + "\\Notes.lnk");
}

TEST_F(ShortcutsTest, ShortExeSectionRecordsOnlyTheFolder) {
  for (const script::Lines& exe : {script::Lines{}, script::Lines{"Tool"}}) {
    SCOPED_TRACE(exe.size());
    record_ = {"Product"};
    Make(exe);
    EXPECT_TRUE(TestFolder::Names(programs_ + "\\Tools") == Names{"Sub"});
    EXPECT_TRUE(TestFolder::Names(group_).empty());
    EXPECT_EQ(record_, (script::Lines{"Product", "+" + group_ + "\\"}));
  }
}

// A pair whose shortcut cannot be written (a name the file system refuses,
// one too long for the component, a caption naming nothing) makes nothing
// and never rewrites the shortcut read before it.
TEST_F(ShortcutsTest, UnwritablePairsLeaveTheEarlierShortcutAlone) {
  const std::string longCaption(shell::TShellLink::kMaxText - group_.size() - 4, 'x');
  Make({"Tool", "bin\\tool.exe", "Bad|Name", "notes.exe", longCaption, "notes.exe", "*x5Notes", "notes.exe"});
  EXPECT_EQ(TestFolder::Names(group_), Names{"Tool.lnk"});
  EXPECT_TRUE(Points("Tool.lnk", tool_, destination_ + "\\bin\\", 0));
  EXPECT_EQ(link_.Path(), group_ + "\\Tool.lnk");
  EXPECT_EQ(record_.size(), 2u + 4 + 1);
}

}  // namespace
