#include "script/lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_index_error.h"

namespace script {
namespace {

using Strings = std::vector<std::string>;

TEST(SplitLines, SplitsAtCrLfOnlyAndKeepsOtherBytes) {
  struct Case {
    int line;
    std::string text;
    Strings expected;
  };
  const Case cases[] = {
      {__LINE__, "", {}},
      {__LINE__, "\r\n", {""}},
      {__LINE__, "a\r\nb\r\n", {"a", "b"}},
      {__LINE__, "a\r\nb", {"a", "b"}},
      {__LINE__, "a\r\n\r\nb\r\n", {"a", "", "b"}},
      {__LINE__, "a\nb\rc\r", {"a\nb\rc\r"}},
      {__LINE__, "a\n\r\nb", {"a\n", "b"}},
      {__LINE__, "a\r\r\nb", {"a\r", "b"}},
      {__LINE__, "a\r\n\r", {"a", "\r"}},
      {__LINE__, std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
  };
  for (const Case& c : cases) {
    testing::ScopedTrace trace(__FILE__, c.line, "");
    EXPECT_EQ(SplitLines(c.text).items(), c.expected);
  }
}

TEST(JoinLines, EndsEveryLineWithCrLfAndSplitsBack) {
  const Lines lines{"a", "", " b\n"};
  EXPECT_EQ(JoinLines(lines), "a\r\n\r\n b\n\r\n");
  EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
  EXPECT_EQ(JoinLines(Lines{}), "");
}

TEST(Lines, EveryAccessPastTheEndThrowsListIndexError) {
  Lines lines{"a", "b"};
  const Lines& view = lines;
  EXPECT_TRUE(ThrowsListIndexError([&] { view.at(2); }));
  EXPECT_TRUE(ThrowsListIndexError([&] { lines.at(2); }));
  EXPECT_TRUE(ThrowsListIndexError([&] { lines.insert(3, "x"); }));
  EXPECT_TRUE(ThrowsListIndexError([&] { lines.erase(2); }));
  EXPECT_TRUE(ThrowsListIndexError([] { Lines().at(0); }));
  EXPECT_EQ(lines.items(), (Strings{"a", "b"}));

  lines.insert(2, "end");
  lines.insert(0, "start");
  lines.erase(1);
  lines.at(0) += "!";
  EXPECT_EQ(lines.items(), (Strings{"start!", "b", "end"}));
}

}  // namespace
}  // namespace script
