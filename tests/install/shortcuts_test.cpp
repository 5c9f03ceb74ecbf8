// The Start Menu step against real files and Wine's shell link object.
#include <gtest/gtest.h>

#include "engine_run.h"
#include "platform/com_scope.h"
#include "raw_link.h"
#include "shell/shell_link.h"
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
    driver::WriteFile(destination_ + "\\bin\\tool.exe", "MZ");
    driver::WriteFile(destination_ + "\\notes.exe", "MZ");
  }

  // An install of nothing but the ":exe" pairs; the record it saved.
  script::Lines Make(const script::Lines& exe) {
    script::Lines script{"\\App", "Tools\\Sub", "Product", ":files", "-install", ":", ":exe"};
    for (const std::string& line : exe) script.add(line);
    script.add(":");
    const driver::EngineRun run = driver::RunEngine(script, destination_, destination_, programs_);
    EXPECT_EQ(run.outcome.ending, install::Ending::Installed) << run.outcome.error;
    return script::SplitLines(driver::ReadFile(destination_ + "\\unin.ini"));
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

  const platform::ComScope com_;  // for the test's own reads of the shortcut files
  TestFolder root_{"C:\\sc"};
  const std::string programs_ = root_ / "Start Menu\\Programs";
  const std::string group_ = programs_ + "\\Tools\\Sub";
  const std::string destination_ = root_ / "Program Files\\App";
  const std::string tool_ = destination_ + "\\bin\\tool.exe";
  const std::string notes_ = destination_ + "\\notes.exe";
};

TEST_F(ShortcutsTest, GroupFolderAndOneShortcutPerPair) {
  const script::Lines record = Make({"Tool", "bin\\tool.exe", "*05Notes1614", "notes.exe", "orphan line"});
  EXPECT_EQ(TestFolder::Names(group_), (Names{"Notes.lnk", "Tool.lnk"}));
  EXPECT_TRUE(Points("Tool.lnk", tool_, destination_ + "\\bin\\", 0));
  EXPECT_TRUE(Points("Notes.lnk", notes_, destination_ + "\\", 1614));
  EXPECT_EQ(record, (script::Lines{"Product", group_ + "\\Tool.lnk", group_ + "\\Notes.lnk", "+" + group_ + "\\",
                                   ":" + destination_ + "\\"}));
}

TEST_F(ShortcutsTest, HotKeyNotANumberLeavesNoShortcutAndGoesOn) {
  driver::WriteFile(group_ + "\\placeholder", "");
  ASSERT_TRUE(WriteRawLink(group_ + "\\Notes.lnk", {notes_, "", "", "", ""}));  // left by an earlier installation
  DeleteFileA((group_ + "\\placeholder").c_str());
  const script::Lines record = Make({"*05Notes16x4", "notes.exe", "Tool", "bin\\tool.exe"});
  EXPECT_EQ(TestFolder::Names(group_), Names{"Tool.lnk"});
  EXPECT_TRUE(Points("Tool.lnk", tool_, destination_ + "\\bin\\", 0));
  EXPECT_EQ(record.at(1), group_ + "\\Notes.lnk");
}

TEST_F(ShortcutsTest, SameCaptionTwiceKeepsTheSecondProgram) {
  const script::Lines record = Make({"Notes", "bin\\tool.exe", "Notes", "notes.exe"});
  EXPECT_EQ(TestFolder::Names(group_), Names{"Notes.lnk"});
  EXPECT_TRUE(Points("Notes.lnk", notes_, destination_ + "\\", 0));
  EXPECT_EQ(record.at(1), group_ + "\\Notes.lnk");
  EXPECT_EQ(record.at(2), group_ + "\\Notes.lnk");
}

TEST_F(ShortcutsTest, ShortExeSectionRecordsOnlyTheFolder) {
  for (const script::Lines& exe : {script::Lines{}, script::Lines{"Tool"}}) {
    SCOPED_TRACE(exe.size());
    const script::Lines record = Make(exe);
    EXPECT_TRUE(TestFolder::Names(programs_ + "\\Tools") == Names{"Sub"});
    EXPECT_TRUE(TestFolder::Names(group_).empty());
    EXPECT_EQ(record.at(1), "+" + group_ + "\\");
  }
}

// A pair whose shortcut cannot be written (a name the file system refuses,
// one too long for the component, a caption naming nothing) makes nothing
// and never rewrites the shortcut read before it.
TEST_F(ShortcutsTest, UnwritablePairsLeaveTheEarlierShortcutAlone) {
  const std::string longCaption(shell::ShellLink::kMaxText - group_.size() - 4, 'x');
  const script::Lines record =
      Make({"Tool", "bin\\tool.exe", "Bad|Name", "notes.exe", longCaption, "notes.exe", "*x5Notes", "notes.exe"});
  EXPECT_EQ(TestFolder::Names(group_), Names{"Tool.lnk"});
  EXPECT_TRUE(Points("Tool.lnk", tool_, destination_ + "\\bin\\", 0));
  EXPECT_EQ(record.size(), 1u + 4 + 1 + 1);
}

}  // namespace
