// The shell link component against Wine's real shell link object.
#include "shell/shell_link.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include "raw_link.h"
#include "setup_run.h"
#include "test_folder.h"

namespace {

using shell::ShellLink;
using testing_support::RawLink;
using testing_support::ReadRawLink;
using testing_support::TestFolder;
using testing_support::WriteRawLink;

// Every property but the update flag, for comparing whole states.
std::string Describe(const ShellLink& l) {
  return "Path=" + l.Path() + " Target=" + l.Target() + " WorkingDir=" + l.WorkingDir() +
         " Description=" + l.Description() + " Arguments=" + l.Arguments() + " IconLocation=" + l.IconLocation() +
         " HotKey=" + std::to_string(l.HotKey()) + " ShowCmd=" + std::to_string(l.ShowCmd()) +
         " IconNumber=" + std::to_string(l.IconNumber());
}

void FillSentinels(ShellLink& l) {
  l.SetTarget("sentinel target");
  l.SetWorkingDir("sentinel folder");
  l.SetDescription("sentinel description");
  l.SetArguments("sentinel arguments");
  l.SetIconLocation("sentinel icon");
  l.SetHotKey(0x1234);
  l.SetShowCmd(0x5678);
  l.SetIconNumber(0x9ABC);
}

// A little-endian 32-bit field of a shortcut file's header.
unsigned HeaderWord(const std::string& bytes, std::size_t offset) {
  unsigned value = 0;
  for (std::size_t i = 4; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes.at(offset + i));
  return value;
}

class ShellLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    driver::WriteFile(tool_, "MZ");
  }
  void TearDown() override { CoUninitialize(); }

  // A name in the test folder padded with "x" to exactly `length` characters.
  std::string NameOfLength(std::size_t length, const std::string& ending) const {
    const std::string start = folder_ / "";
    return start + std::string(length - start.size() - ending.size(), 'x') + ending;
  }

  TestFolder folder_{"C:\\links"};
  const std::string tool_ = folder_ / "app\\tool.exe";
  const std::string a_ = folder_ / "A.lnk";
  const std::string b_ = folder_ / "B.lnk";
};

TEST_F(ShellLinkTest, CreateLinkWritesTheTargetUnderTheNameAsGiven) {
  ShellLink link;
  FillSentinels(link);
  const std::string before = Describe(link);
  link.CreateLink(folder_ / "Tool", tool_);
  EXPECT_EQ(Describe(link), before);
  EXPECT_EQ(TestFolder::Names(folder_.Path()), (std::vector<std::string>{"Tool", "app"}));

  link.SetPath(folder_ / "Tool");
  EXPECT_EQ(link.Path(), folder_ / "Tool");
  EXPECT_EQ(link.Target(), tool_);
  EXPECT_EQ(link.WorkingDir(), "");
  EXPECT_EQ(link.Description(), "");
  EXPECT_EQ(link.Arguments(), "");
  EXPECT_EQ(link.HotKey(), 0);
}

TEST_F(ShellLinkTest, WriteLinkStoresEveryFieldAndReadsBack) {
  ShellLink writer;
  writer.SetTarget(tool_);
  writer.SetWorkingDir(folder_ / "app\\");
  writer.SetDescription("Marrowgate notes");
  writer.SetArguments("/quiet \"two words\"");
  writer.SetIconLocation(tool_);
  writer.SetIconNumber(3);
  writer.SetHotKey(0x0646);  // Ctrl+Alt+F
  writer.SetShowCmd(SW_SHOWMINNOACTIVE);
  writer.WriteLink(a_);
  EXPECT_EQ(writer.Path(), "");

  // Wine's loader always reports SW_SHOWNORMAL, so the show state and the
  // hot key are checked in the file's header itself.
  const std::string bytes = driver::ReadFile(a_);
  ASSERT_GE(bytes.size(), 0x44u);
  EXPECT_EQ(HeaderWord(bytes, 0x3C), static_cast<unsigned>(SW_SHOWMINNOACTIVE));
  EXPECT_EQ(HeaderWord(bytes, 0x40), 1606u);

  ShellLink reader;
  reader.SetPath(a_);
  EXPECT_EQ(reader.Path(), a_);
  EXPECT_EQ(reader.Target(), tool_);
  EXPECT_EQ(reader.WorkingDir(), folder_ / "app\\");
  EXPECT_EQ(reader.Description(), "Marrowgate notes");
  EXPECT_EQ(reader.Arguments(), "/quiet \"two words\"");
  EXPECT_EQ(reader.IconLocation(), tool_);
  EXPECT_EQ(reader.IconNumber(), 3);
  EXPECT_EQ(reader.HotKey(), 0x0646);
}

TEST_F(ShellLinkTest, WriteLinkToAnotherNameLeavesPath) {
  ASSERT_TRUE(WriteRawLink(a_, {tool_, "C:\\", "first", "", ""}));
  ShellLink link;
  link.SetPath(a_);
  ASSERT_EQ(link.Path(), a_);
  link.SetDescription("copy");
  link.WriteLink(b_);
  EXPECT_EQ(link.Path(), a_);

  RawLink a, b;
  ASSERT_TRUE(ReadRawLink(a_, a));
  ASSERT_TRUE(ReadRawLink(b_, b));
  EXPECT_EQ(a.description, "first");
  EXPECT_EQ(b.description, "copy");
  EXPECT_EQ(b.target, tool_);
  EXPECT_EQ(b.workingDir, "C:\\");
}

TEST_F(ShellLinkTest, FailedReadsLeaveEveryPropertyUnchanged) {
  ASSERT_TRUE(WriteRawLink(a_, {tool_, "C:\\", "first", "", ""}));
  driver::WriteFile(folder_ / "text.lnk", "not a shortcut\r\n");
  const std::string longest = NameOfLength(ShellLink::kMaxText, ".lnk");
  const std::string tooLong = NameOfLength(ShellLink::kMaxText + 1, ".lnk");
  ASSERT_TRUE(CopyFileA(a_.c_str(), longest.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(a_.c_str(), tooLong.c_str(), FALSE));

  const struct {
    const char* what;
    std::string name;
  } cases[] = {
      {"missing file", folder_ / "missing.lnk"},
      {"not a shortcut", folder_ / "text.lnk"},
      {"empty name", ""},
      {"name over the limit", tooLong},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ShellLink link;
    link.SetPath(a_);
    ASSERT_EQ(link.Path(), a_);
    FillSentinels(link);
    const std::string before = Describe(link);
    link.SetPath(c.name);
    EXPECT_EQ(Describe(link), before);
  }
  // The same shortcut under the longest name the component takes is read.
  ShellLink link;
  link.SetPath(longest);
  EXPECT_EQ(link.Path(), longest);
  EXPECT_EQ(link.Description(), "first");
}

TEST_F(ShellLinkTest, UpdateRereadsPathAndAlwaysSetsTheFlag) {
  ShellLink link;
  EXPECT_FALSE(link.Update());
  FillSentinels(link);
  const std::string unread = Describe(link);
  link.SetUpdate(false);  // Path empty: nothing to read
  EXPECT_TRUE(link.Update());
  EXPECT_EQ(Describe(link), unread);

  ASSERT_TRUE(WriteRawLink(a_, {tool_, "C:\\", "first", "", ""}));
  link.SetPath(a_);
  ASSERT_TRUE(WriteRawLink(a_, {tool_, "C:\\", "second", "", ""}));
  link.SetUpdate(false);
  EXPECT_TRUE(link.Update());
  EXPECT_EQ(link.Description(), "second");

  ASSERT_TRUE(DeleteFileA(a_.c_str()));
  FillSentinels(link);
  const std::string gone = Describe(link);
  link.SetUpdate(false);
  EXPECT_TRUE(link.Update());
  EXPECT_EQ(Describe(link), gone);
}

TEST_F(ShellLinkTest, NegativeIconIndexIsHeldInSixteenBits) {
  RawLink raw{tool_, "", "", "", tool_};
  raw.iconIndex = -2;
  ASSERT_TRUE(WriteRawLink(a_, raw));
  ShellLink link;
  link.SetPath(a_);
  ASSERT_EQ(link.Path(), a_);
  EXPECT_EQ(link.IconNumber(), 0xFFFE);

  link.WriteLink(b_);
  RawLink back;
  ASSERT_TRUE(ReadRawLink(b_, back));
  EXPECT_EQ(back.iconIndex, 0xFFFE);
}

TEST_F(ShellLinkTest, LongTextsAreReadWhole) {
  const std::string arguments(600, 'a');
  const std::string description(300, 'd');
  ASSERT_TRUE(WriteRawLink(a_, {tool_, "C:\\", description, arguments, ""}));
  ShellLink link;
  link.SetPath(a_);
  EXPECT_EQ(link.Path(), a_);
  EXPECT_EQ(link.Arguments(), arguments);
  EXPECT_EQ(link.Description(), description);
}

TEST_F(ShellLinkTest, RefusedTargetWritesNothing) {
  ShellLink link;
  link.SetTarget("C:\\links\\app\\to\"ol.exe");  // the shell takes no quote inside a path
  link.WriteLink(a_);
  link.CreateLink(b_, link.Target());
  EXPECT_EQ(TestFolder::Names(folder_.Path()), std::vector<std::string>{"app"});
}

// A name, target or description over the limit writes nothing at all, not
// even under a shortened name; at the limit everything is written whole.
TEST_F(ShellLinkTest, OverLongTextsAreRefused) {
  const std::string longName = NameOfLength(ShellLink::kMaxText + 1, ".lnk");
  const std::string longTarget = std::string("C:\\") + std::string(ShellLink::kMaxText - 6, 't') + ".exe";
  ASSERT_EQ(longTarget.size(), ShellLink::kMaxText + 1);
  const std::string longText(ShellLink::kMaxText + 1, 'd');

  ShellLink link;
  link.CreateLink(longName, tool_);
  link.CreateLink(a_, longTarget);
  link.SetTarget(tool_);
  link.SetDescription(longText);
  link.WriteLink(a_);
  link.SetDescription("");
  link.SetTarget(longTarget);
  link.WriteLink(a_);
  link.SetTarget(tool_);
  link.WriteLink(longName);
  EXPECT_EQ(TestFolder::Names(folder_.Path()), std::vector<std::string>{"app"});

  const std::string longestName = NameOfLength(ShellLink::kMaxText, ".lnk");
  link.SetDescription(longText.substr(1));
  link.WriteLink(longestName);
  ShellLink reader;
  reader.SetPath(longestName);
  EXPECT_EQ(reader.Path(), longestName);
  EXPECT_EQ(reader.Description(), longText.substr(1));
}

}  // namespace
