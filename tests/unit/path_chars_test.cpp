// Paths in a double-byte code page: a trail byte equal to "\" is part of its
// character, never a separator.
#include <gtest/gtest.h>

#include "install/plan/paths.h"
#include "platform/path_chars.h"
#include "setup/wizard_rules.h"

namespace {

// Code page 932 (Japanese): the lead-byte ranges.
bool LeadByte932(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

class Cp932 : public ::testing::Test {
 protected:
  Cp932() { platform::SetLeadByteTest(LeadByte932); }
  ~Cp932() override { platform::SetLeadByteTest(nullptr); }
  // 機能 is 0x8B 0x40 0x94 0x5C, 表 is 0x95 0x5C.
  const std::string kinou = "\x8B\x40\x94\x5C", hyou = "\x95\x5C";
};

TEST_F(Cp932, TrailBackslashesAreNoSeparators) {
  const std::string folder = "C:\\" + kinou + "\\" + hyou;
  EXPECT_EQ(platform::WithoutTrailingBackslash(folder), folder);
  EXPECT_EQ(platform::WithoutTrailingBackslash(folder + "\\"), folder);
  EXPECT_EQ(install::InFolder(folder, "a.txt"), folder + "\\a.txt");
  EXPECT_EQ(install::InFolder("C:\\", "a.txt"), "C:\\a.txt");
  EXPECT_EQ(install::ExtractFileName(folder + "\\" + hyou + ".exe"), hyou + ".exe");
  EXPECT_EQ(install::ExtractFilePath(folder + "\\" + hyou + ".exe"), folder + "\\");
  EXPECT_EQ(setup::SourceFolderOf(folder + "\\setup.exe"), folder);
  // A lead byte at the very end has no partner: it is a character of its own.
  EXPECT_EQ(install::ExtractFileName("C:\\a\x95"), "a\x95");
}

TEST(SingleByte, EveryBackslashSeparates) {
  EXPECT_EQ(install::InFolder("C:\\x\x95\\", "a"), "C:\\x\x95\\a");
  EXPECT_EQ(install::ExtractFileName("C:\\x\x95\\a"), "a");
}

}  // namespace
