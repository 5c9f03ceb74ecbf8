#include "script/reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_index_error.h"

namespace script {
namespace {

using Strings = std::vector<std::string>;

// What a list section read leaves in a target that held only this line.
const Strings kUntouched{"sentinel"};

Strings ReadList(const Lines& script, std::string_view marker) {
  Lines target{kUntouched};
  ReadListSection(script, marker, target);
  return target.items();
}

TEST(ReadListSection, CopiesTheSectionWithItsChanges) {
  struct Case {
    int line;
    std::string_view marker;
    Lines script;
    Strings expected;
  };
  // clang-format off
  const Case cases[] = {
      // The first marker wins, even as a content line of another section;
      // case and blanks must match exactly.
      {__LINE__, ":files", {":files", "a", ":", ":files", "b", ":"}, {"", "a"}},
      {__LINE__, ":files", {":exe", ":files", "a", ":"}, {"", "a"}},
      {__LINE__, ":files", {":Files", "a", ":", ":files ", "b", ":"}, kUntouched},
      {__LINE__, ":files", {}, kUntouched},
      // A ":" right after the marker: empty list, later lines not read.
      {__LINE__, ":reg", {":reg", ":", "a", ":"}, {}},
      {__LINE__, ":files", {":files", ":", "a"}, {""}},
      // ":files" and ":ini": "-" becomes ":" and never ends the section;
      // empty lines are skipped. ":files" starts with an empty entry.
      {__LINE__, ":files", {":files", "a.exe", "-install", "-", ":"}, {"", "a.exe", ":install", ":"}},
      {__LINE__, ":files", {":files", "", ":win", "b-", ":"}, {"", ":win", "b-"}},
      {__LINE__, ":ini", {":ini", "-win.ini", "", ">k", ":"}, {":win.ini", ">k"}},
      // ":keep": only ASCII letters are lowered.
      {__LINE__, ":keep", {":keep", "README_1.TXT", "@[Z]\xC4", ":"}, {"readme_1.txt", "@[z]\xC4"}},
      // Other sections are copied as written.
      {__LINE__, ":exe", {":exe", "-Prog", "", " A ", ":"}, {"-Prog", "", " A "}},
  };
  // clang-format on
  for (const Case& c : cases) {
    testing::ScopedTrace trace(__FILE__, c.line, c.marker);
    EXPECT_EQ(ReadList(c.script, c.marker), c.expected);
  }
}

TEST(ReadListSection, UnclosedSectionThrows) {
  const Lines scripts[] = {
      {":files"}, {":files", "a"}, {":files", "a", "-"}, {":files", ":files"}};
  for (const Lines& script : scripts) {
    EXPECT_TRUE(ThrowsListIndexError([&] { ReadList(script, ":files"); }))
        << testing::PrintToString(script);
  }
}

TEST(ReadListSection, OnlyCrLfEndsALine) {
  const std::string crlf = "\\T\r\nT\r\nT\r\n:keep\r\nA\r\n:\r\n";
  const std::string lf = "\\T\nT\nT\n:keep\nA\n:\n";
  const std::string cr = "\\T\rT\rT\r:keep\rA\r:\r";
  EXPECT_EQ(ReadList(SplitLines(crlf), ":keep"), Strings{"a"});
  EXPECT_EQ(ReadList(SplitLines(crlf.substr(0, crlf.size() - 2)), ":keep"),
            Strings{"a"});
  EXPECT_EQ(ReadList(SplitLines(lf), ":keep"), kUntouched);
  EXPECT_EQ(ReadList(SplitLines(cr), ":keep"), kUntouched);
  EXPECT_EQ(ReadList(SplitLines(":keep\r\nA\nB\r\n:"), ":keep"),
            Strings{"a\nb"});
}

TEST(ReadValueSection, ReturnsTheLinesAfterTheMarker) {
  EXPECT_EQ(ReadValueSection({"x"}, ":extra", 2), (Strings{"", ""}));
  EXPECT_EQ(ReadValueSection({":extra", "f", "d", "x"}, ":extra", 2),
            (Strings{"f", "d"}));
  EXPECT_EQ(
      ReadValueSection({":Run", "a", ":run", ":", ":run", "b"}, ":run", 1),
      Strings{":"});
  EXPECT_TRUE(ThrowsListIndexError([] {
    ReadValueSection({"h", ":run"}, ":run", 1);
  }));
  EXPECT_TRUE(ThrowsListIndexError([] {
    ReadValueSection({":extra", "f"}, ":extra", 2);
  }));
}

TEST(ReadFlagSection, IsTheMarkersPresence) {
  EXPECT_TRUE(ReadFlagSection({"a", ":reboot"}, ":reboot"));
  EXPECT_FALSE(ReadFlagSection({":Reboot", ":reboot "}, ":reboot"));
}

}  // namespace
}  // namespace script
