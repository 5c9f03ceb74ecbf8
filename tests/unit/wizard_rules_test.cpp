#include "setup/wizard_rules.h"

#include <gtest/gtest.h>

#include "platform/path_chars.h"

namespace setup {
namespace {

TEST(SourceFolder, CutsAfterTheLastSeparator) {
  EXPECT_EQ(SourceFolderOf("C:\\DIST\\SETUP.EXE"), "C:\\DIST");
  EXPECT_EQ(SourceFolderOf("A:\\SETUP.EXE"), "A:");
  EXPECT_EQ(SourceFolderOf("A:SETUP.EXE"), "A:");
  EXPECT_EQ(SourceFolderOf("\\\\server\\share\\dist\\setup.exe"), "\\\\server\\share\\dist");
  EXPECT_EQ(SourceFolderOf("setup.exe"), "");
}

TEST(Panel, CentredByIntegerHalving) {
  const Point p800 = CentredOrigin(800, 600, 329, 161);
  EXPECT_EQ(p800.x, 236);
  EXPECT_EQ(p800.y, 220);
  const Point p640 = CentredOrigin(640, 480, 329, 161);
  EXPECT_EQ(p640.x, 156);
  EXPECT_EQ(p640.y, 160);
}

TEST(Defaults, DestinationJoinsLineZeroWithoutSeparator) {
  EXPECT_EQ(DefaultDestination("\\Tools"), "C:\\Program Files\\Tools");
  EXPECT_EQ(DefaultDestination("Tools"), "C:\\Program FilesTools");
}

TEST(Defaults, StartMenuChoicesSkipTheFirstTwoEntries) {
  EXPECT_EQ(StartMenuChoices({"[.]", "[..]", "[Accessories]", "[StartUp]"}),
            (std::vector<std::string>{"Accessories", "StartUp"}));
  EXPECT_EQ(StartMenuChoices({"[a]", "[b]"}), std::vector<std::string>{});
  // Never reads outside an entry, however short.
  EXPECT_EQ(StartMenuChoices({"[.]", "[..]", "x", "[]"}), (std::vector<std::string>{"", ""}));
}

TEST(PageStep, ForwardAndBackThroughAllPages) {
  const Page order[] = {Page::Welcome, Page::Destination, Page::StartMenu, Page::Readme, Page::Confirm};
  for (int i = 0; i + 1 < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(StepPage(order[i], Direction::Forward).page, order[i + 1]);
    EXPECT_EQ(StepPage(order[i + 1], Direction::Back).page, order[i]);
  }
}

TEST(PageStep, EndsDoNotMove) {
  const PageStep last = StepPage(Page::Confirm, Direction::Forward);
  EXPECT_EQ(last.page, Page::Confirm);
  EXPECT_FALSE(last.backEnabled);
  EXPECT_FALSE(last.nextCaption);
  const PageStep first = StepPage(Page::Welcome, Direction::Back);
  EXPECT_EQ(first.page, Page::Welcome);
  EXPECT_FALSE(first.backEnabled);
}

TEST(PageStep, BackButtonAndCaptionChangeOnlyAtTheEnds) {
  EXPECT_EQ(StepPage(Page::Welcome, Direction::Forward).backEnabled, true);
  EXPECT_EQ(StepPage(Page::Destination, Direction::Back).backEnabled, false);
  EXPECT_EQ(StepPage(Page::Readme, Direction::Forward).nextCaption, "&Install");
  EXPECT_EQ(StepPage(Page::Confirm, Direction::Back).nextCaption, "&Next");
  for (Page middle : {Page::Destination, Page::StartMenu}) {
    EXPECT_FALSE(StepPage(middle, Direction::Forward).backEnabled);
    EXPECT_FALSE(StepPage(middle, Direction::Forward).nextCaption);
  }
}

TEST(Destination, OneTrailingBackslashRemoved) {
  using platform::WithoutTrailingBackslash;
  EXPECT_EQ(WithoutTrailingBackslash("C:\\Tools\\"), "C:\\Tools");
  EXPECT_EQ(WithoutTrailingBackslash("C:\\Tools\\\\"), "C:\\Tools\\");
  EXPECT_EQ(WithoutTrailingBackslash("C:\\Tools"), "C:\\Tools");
  EXPECT_EQ(WithoutTrailingBackslash(""), "");
}

}  // namespace
}  // namespace setup

namespace setup {
namespace {

// The author's brand replaces the three texts; a section cut short, or none,
// leaves the fixed ones.
TEST(WizardRules, BrandFromTheScript) {
  const Brand fixed = WizardBrand(script::Lines{"\\App", "App", "App 1.0"});
  const Brand mine = WizardBrand(script::Lines{"\\App", "App", "App 1.0", ":brand", "PEBBLE", "Small Tools", "Pebble"});
  EXPECT_EQ(mine.title, "PEBBLE");
  EXPECT_EQ(mine.subtitle, "Small Tools");
  std::string expected = fixed.destinationText;
  const std::size_t word = expected.find("subdirectory ") + 13;
  expected.replace(word, expected.find('.', word) - word, "Pebble");
  EXPECT_EQ(mine.destinationText, expected);
  const Brand cut = WizardBrand(script::Lines{"\\App", "App", "App 1.0", ":brand", "PEBBLE", "Small Tools"});
  EXPECT_EQ(cut.title, fixed.title);
  EXPECT_EQ(cut.destinationText, fixed.destinationText);
}

}  // namespace
}  // namespace setup
