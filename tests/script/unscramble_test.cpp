#include "script/unscramble.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace script {
namespace {

// Steps 1 2 3 4 5 1 on line 0, none on the empty line 1, then 2 3 on line 2.
const Lines kClear{"abcdef", "", "gh"};
const Lines kScrambled{"1`````e", "", "ee"};

TEST(Unscramble, StepCounterRunsAcrossLinesAndSkipsEmptyOnes) {
  Lines text = kScrambled;
  Unscramble(text);
  EXPECT_EQ(text, kClear);
  EXPECT_EQ(Scramble(kClear), kScrambled);
}

TEST(Unscramble, WrapsAroundAtByteBoundaries) {
  Lines text{"1\xFF\xFF", "\x01\x02\x03"};
  Unscramble(text);
  EXPECT_EQ(text, (Lines{std::string("\x00\x01", 2), "\x04\x06\x08"}));
}

TEST(Unscramble, UndoesScramble) {
  std::string every_byte;
  for (int b = 0; b < 256; ++b) every_byte += static_cast<char>(b);
  const Lines texts[] = {{""},
                         {"1"},
                         {"\\Tool", "", "Tool 1.0", ":files"},
                         {every_byte, every_byte}};
  for (const Lines& clear : texts) {
    Lines text = Scramble(clear);
    ASSERT_TRUE(IsScrambled(text)) << testing::PrintToString(clear);
    Unscramble(text);
    EXPECT_EQ(text, clear);
  }
  EXPECT_EQ(Scramble(Lines{}), Lines{"1"});
}

TEST(IsScrambled, NeedsALeadingOneOnLineZero) {
  EXPECT_TRUE(IsScrambled({"1"}));
  EXPECT_TRUE(IsScrambled({"1\\Tool", "x"}));
  EXPECT_FALSE(IsScrambled({}));
  EXPECT_FALSE(IsScrambled({""}));
  EXPECT_FALSE(IsScrambled({"\\1", "1"}));
  EXPECT_FALSE(IsScrambled({"", "1"}));
}

// Random files of random bytes, with and without a last line end: every
// text that scrambles comes back byte for byte, and a refusal happens only
// where the plain line form really cannot carry the text.
TEST(ScrambleText, RoundTripsRandomBytes) {
  std::mt19937 random(15);
  int refused = 0;
  for (int round = 0; round < 2000; ++round) {
    std::string clear(random() % 64, '\0');
    for (char& c : clear) c = static_cast<char>(random() % 4 ? random() % 256 : "\r\n"[random() % 2]);
    if (round % 2) clear += "\r\n";
    const std::optional<std::string> scrambled = ScrambleText(clear);
    if (!scrambled) {
      ++refused;
      Lines lines = Scramble(SplitLines(clear));
      const Lines reread = SplitLines(JoinLines(lines));
      EXPECT_NE(reread, lines) << "refused a text whose scrambled lines read back whole";
      continue;
    }
    ASSERT_TRUE(IsScrambled(SplitLines(*scrambled)));
    EXPECT_EQ(UnscrambleText(*scrambled), clear);
  }
  EXPECT_LT(refused, 1000);  // most random texts scramble
  EXPECT_EQ(ScrambleText(""), "1");
  EXPECT_EQ(UnscrambleText("1"), "");
}

}  // namespace
}  // namespace script
