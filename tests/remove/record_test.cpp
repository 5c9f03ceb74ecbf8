// The uninstall record read back: the sample's whole record, the ":reg1"
// entries that lost their empty lines, and damaged records refused with the
// line that is wrong.
#include <gtest/gtest.h>

#include "remove/record.h"

namespace uninstall {
namespace {

script::Lines WithRegistry(std::initializer_list<std::string> tail) {
  script::Lines lines{"Product", "C:\\App\\a.exe", ":C:\\App\\"};
  for (const std::string& line : tail) lines.add(line);
  return lines;
}

TEST(Record, ReadsEveryKindOfLine) {
  const Record r = ParseRecord(script::Lines{
      "Marrowgate Desktop 2.1", "C:\\Program Files\\Common Files\\tarnwick.txt", "C:\\App\\marrow.exe",
      "C:\\Menu\\Marrowgate\\Marrowgate.lnk", "C:\\Menu\\Marrowgate\\Old.pif", "+C:\\Menu\\Marrowgate\\",
      ":C:\\App\\", "", ":reg",
      "HKEY_CLASSES_ROOT", ".mrw", "**", "Marrowgate.Document",
      "HKEY_CLASSES_ROOT", "\\Marrowgate.Document\\shell\\open\\command", "", "p", ":",
      ":reg1", "HKEY_CURRENT_USER", "Software\\T", "Program", "p", ":",
      ":regremove", "HKEY_CLASSES_ROOT\\.mrw", "HKEY_LOCAL_MACHINE", "SOFTWARE\\T", ":"});
  EXPECT_EQ(r.title, "Marrowgate Desktop 2.1");
  EXPECT_EQ(r.files, (std::vector<std::string>{"C:\\Program Files\\Common Files\\tarnwick.txt", "C:\\App\\marrow.exe"}));
  EXPECT_EQ(r.shortcuts, (std::vector<std::string>{"C:\\Menu\\Marrowgate\\Marrowgate.lnk", "C:\\Menu\\Marrowgate\\Old.pif"}));
  EXPECT_EQ(r.groupFolder, "C:\\Menu\\Marrowgate");
  EXPECT_EQ(r.destinationPrefix, "C:\\App\\");
  ASSERT_EQ(r.values.size(), 3u);
  EXPECT_EQ(r.values[0].key.path, ".mrw");
  EXPECT_EQ(r.values[0].name, "");  // "**"
  EXPECT_EQ(r.values[1].key.path, "Marrowgate.Document\\shell\\open\\command");
  EXPECT_EQ(r.values[1].name, "");
  EXPECT_EQ(r.values[2].key.root, "HKEY_CURRENT_USER");
  EXPECT_EQ(r.values[2].name, "Program");
  ASSERT_EQ(r.removeKeys.size(), 2u);
  EXPECT_EQ(r.removeKeys[0].root, "HKEY_CLASSES_ROOT");
  EXPECT_EQ(r.removeKeys[0].path, ".mrw");
  EXPECT_EQ(r.removeKeys[1].root, "HKEY_LOCAL_MACHINE");
  EXPECT_EQ(r.removeKeys[1].path, "SOFTWARE\\T");
}

TEST(Record, Reg1EntriesAreFoundAgainAtEachRootKey) {
  const Record r = ParseRecord(WithRegistry({":reg1",
                                             "HKEY_CURRENT_USER", "K1", "Name", "data",  // whole
                                             "HKEY_CURRENT_USER", "K2", "Name",          // empty data
                                             "HKEY_CURRENT_USER", "K3", "p",             // empty name
                                             "HKEY_CURRENT_USER", "K4",                  // both empty
                                             "HKEY_CURRENT_USER", "K5", "**", ":"}));
  ASSERT_EQ(r.values.size(), 5u);
  const char* names[] = {"Name", "Name", "", "", ""};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(r.values[i].key.path, "K" + std::to_string(i + 1));
    EXPECT_EQ(r.values[i].name, names[i]) << i;
  }
}

TEST(Record, DamagedRecordsNameTheLine) {
  const struct {
    script::Lines lines;
    std::size_t line;
  } cases[] = {
      {{}, 1},
      {{"Product", "C:\\App\\a.exe"}, 2},                                                // no ":" line
      {WithRegistry({":reg", "HKEY_CURRENT_USER", "K", "N", "D"}), 4},                  // not closed
      {WithRegistry({":reg", "HKEY_CURRENT_USER", "K", "N", ":"}), 8},                  // three lines
      {WithRegistry({":reg", "hkey_current_user", "K", "N", "D", ":"}), 5},             // root in lower case
      {WithRegistry({":reg1", "HKEY_CURRENT_USER", "HKEY_CURRENT_USER", "K", ":"}), 5},  // no key
      {WithRegistry({":reg1", "HKEY_CURRENT_USER", "K", "N", "D", "E", ":"}), 5},        // too many lines
      {WithRegistry({":regremove", "SOFTWARE\\T", ":"}), 5},
      {WithRegistry({":regremove", "HKEY_LOCAL_MACHINE", ":"}), 5},
      {WithRegistry({"", "C:\\late.txt"}), 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines.size() ? c.lines.items().back() : "empty");
    try {
      ParseRecord(c.lines);
      ADD_FAILURE() << "accepted";
    } catch (const RecordError& error) {
      EXPECT_EQ(error.Line(), c.line) << error.what();
    }
  }
}

}  // namespace
}  // namespace uninstall
