#include "script/version.h"

#include <gtest/gtest.h>

#include "list_index_error.h"

namespace script {
namespace {

TEST(FindVersion, TakesTheLineAfterTheLastVersionWord) {
  struct Case {
    int line;
    Lines script;
    std::string expected;
  };
  const Case cases[] = {
      {__LINE__, {}, "unknown"},
      {__LINE__, {"\\Tool", "Tool", "Tool"}, "unknown"},
      {__LINE__, {"VERSION", "1", "Version ", "2", " version", "3"}, "unknown"},
      {__LINE__, {"version", "2.1", ":"}, "2.1"},
      {__LINE__, {"version", "1.0", "Version", "2.0", "x"}, "2.0"},
      // The line after a match is tested like any other.
      {__LINE__, {"Version", "version", "3.0"}, "3.0"},
  };
  for (const Case& c : cases) {
    testing::ScopedTrace trace(__FILE__, c.line, "");
    EXPECT_EQ(FindVersion(c.script), c.expected);
  }
}

TEST(FindVersion, WordOnTheLastLineThrows) {
  EXPECT_TRUE(ThrowsListIndexError([] { FindVersion({"a", "version"}); }));
  EXPECT_TRUE(ThrowsListIndexError([] {
    FindVersion({"Version", "version"});
  }));
}

TEST(FindVersion, AFailedScanKeepsTheLastCompleteMatch) {
  std::string version = "sentinel";
  EXPECT_TRUE(ThrowsListIndexError([&] { FindVersion({"Version", "2.1", "x", "version"}, version); }));
  EXPECT_EQ(version, "2.1");
  EXPECT_TRUE(ThrowsListIndexError([&] { FindVersion({"x", "Version"}, version); }));
  EXPECT_EQ(version, "unknown");
}

}  // namespace
}  // namespace script
