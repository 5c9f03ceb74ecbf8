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
    Lines script;
    std::string_view marker;
    Strings expected;
  };
  const Case cases[] = {
      // Lookup: the first marker wins, even a content line of another
      // section; case and blanks must match exactly.
      {__LINE__, {":files", "a", ":", ":files", "b", ":"}, ":files", {"", "a"}},
      {__LINE__,
       {":Files", "a", ":", ":files ", "b", ":"},
       ":files",
       kUntouched},
      {__LINE__, {":exe", ":files", "a", ":"}, ":files", {"", "a"}},
      {__LINE__, {}, ":files", kUntouched},
      // A ":" right after the marker: empty list, later lines not read.
      {__LINE__, {":reg", ":", "a", ":"}, ":reg", {}},
      {__LINE__, {":files", ":", "a"}, ":files", {""}},
      // ":files": empty first entry, "-" becomes ":", "-" never ends it,
      // empty lines skipped, ":" lines kept.
      {__LINE__,
       {":files", "a.exe", "-install", "-", ":"},
       ":files",
       {"", "a.exe", ":install", ":"}},
      {__LINE__,
       {":files", "-", "", ":win", "b-", ":"},
       ":files",
       {"", ":", ":win", "b-"}},
      {__LINE__,
       {":ini", "-win.ini", "", ">k", ":"},
       ":ini",
       {":win.ini", ">k"}},
      // ":keep": ASCII letters only are lowered.
      {__LINE__,
       {":keep", "README_1.TXT", "@[Z]\xC4", ":"},
       ":keep",
       {"readme_1.txt", "@[z]\xC4"}},
      // Other sections are copied as written, blanks and empty lines too.
      {__LINE__,
       {":exe", "-Prog", "", " A ", ":"},
       ":exe",
       {"-Prog", "", " A "}},
  };
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
  const std::string lines[] = {"\\Tool", "Tool", "Tool", ":keep", "A", ":"};
  const auto join = [&](std::string_view end) {
    std::string text;
    for (const std::string& line : lines) text += line + std::string(end);
    return text;
  };
  const std::string crlf = join("\r\n");
  const std::string no_final_end = crlf.substr(0, crlf.size() - 2);
  EXPECT_EQ(ReadList(SplitLines(crlf), ":keep"), Strings{"a"});
  EXPECT_EQ(ReadList(SplitLines(no_final_end), ":keep"), Strings{"a"});
  EXPECT_EQ(ReadList(SplitLines(join("\n")), ":keep"), kUntouched);
  EXPECT_EQ(ReadList(SplitLines(join("\r")), ":keep"), kUntouched);
  EXPECT_EQ(ReadList(SplitLines(":keep\r\nA\nB\r\n:"), ":keep"),
            Strings{"a\nb"});
}

TEST(ReadValueSection, ReturnsTheLinesAfterTheMarker) {
  struct Case {
    int line;
    Lines script;
    std::string_view marker;
    std::size_t n;
    Strings expected;
  };
  const Case cases[] = {
      {__LINE__, {"x"}, ":extra", 2, {"", ""}},
      {__LINE__, {":extra", "f", "d", "x", ":"}, ":extra", 2, {"f", "d"}},
      {__LINE__, {":run", ":", ":run", "b"}, ":run", 1, {":"}},
      {__LINE__, {":Run", "a", ":run", " b "}, ":run", 1, {" b "}},
  };
  for (const Case& c : cases) {
    testing::ScopedTrace trace(__FILE__, c.line, c.marker);
    EXPECT_EQ(ReadValueSection(c.script, c.marker, c.n), c.expected);
  }
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
