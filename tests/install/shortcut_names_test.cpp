// Caption lines, hot keys, shortcut paths and the record lines of the
// shortcut step.
#include "install/plan/install_plan.h"
#include "install/plan/shortcut_names.h"

#include <gtest/gtest.h>

namespace {

using install::Caption;

struct CaptionCase {
  const char* line;
  bool names;  // false: the line names no shortcut
  const char* name;
  const char* hotKeyText;
};

TEST(ShortcutNames, CaptionLines) {
  const CaptionCase cases[] = {
      {"Notes", true, "Notes", ""},
      {"My Notes*2", true, "My Notes*2", ""},
      {"*05Notes1614", true, "Notes", "1614"},
      {"*05Notes", true, "Notes", ""},
      {"*05Notes16x4", true, "Notes", "16x4"},
      {"*08Notes 1.01606", true, "Notes 1.", "01606"},
      {"*12Notes", true, "Notes", ""},  // a shorter rest is all name
      {"*01N", true, "N", ""},
      {"", false, "", ""},
      {"*", false, "", ""},
      {"*5", false, "", ""},
      {"*5Notes", false, "", ""},
      {"*x5Notes", false, "", ""},
      {"* 5Notes", false, "", ""},
      {"*00", false, "", ""},
      {"*001606", false, "", ""},
  };
  for (const CaptionCase& c : cases) {
    SCOPED_TRACE(c.line);
    const std::optional<Caption> caption = install::ReadCaption(c.line);
    ASSERT_EQ(caption.has_value(), c.names);
    if (!caption) continue;
    EXPECT_EQ(caption->name, c.name);
    EXPECT_EQ(caption->hotKeyText, c.hotKeyText);
  }
}

TEST(ShortcutNames, HotKeyTexts) {
  const struct {
    const char* text;
    std::optional<std::uint16_t> word;
  } cases[] = {
      {"1614", 0x064E},  // Ctrl+Alt+N
      {"1606", 0x0646},  // Ctrl+Alt+F
      {"01606", 0x0646},
      {"0", 0},
      {"65535", 0xFFFF},
      {"65536", 0},
      {"67142", 0x0646},  // low 16 bits of 0x10646
      {"2147483647", 0xFFFF},
      {"2147483648", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"16x4", std::nullopt},
      {"", std::nullopt},
      {"-1", std::nullopt},
      {"+12", std::nullopt},
      {" 12", std::nullopt},
      {"12 ", std::nullopt},
      {"$10", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(install::HotKeyWord(c.text), c.word);
  }
}

// The plan's shortcut steps: a pair whose caption line names no shortcut has none.
TEST(ShortcutNames, PlanGivesBaseTargetAndWorkingFolder) {
  install::MachineFacts machine;
  machine.programsFolder = "C:\\Start";
  const install::InstallPlan plan = install::MakeInstallPlan(
      {"\\App", "Tools", "T", ":files", "-install", ":", ":exe", "*x4Tool", "tool.exe", "*04Tool1606", "bin\\tool.exe",
       ":"},
      {"C:\\Program Files\\App", "Tools", false}, machine);
  std::vector<install::step::Shortcut> shortcuts;
  for (const install::Step& step : plan.pass)
    if (const auto* shortcut = std::get_if<install::step::Shortcut>(&step)) shortcuts.push_back(*shortcut);
  ASSERT_EQ(shortcuts.size(), 1u);
  const install::ShortcutPair& pair = shortcuts[0].pair;
  EXPECT_EQ(pair.base, "C:\\Start\\Tools\\Tool");
  EXPECT_EQ(pair.target, "C:\\Program Files\\App\\bin\\tool.exe");
  EXPECT_EQ(pair.hotKeyText, "1606");
  EXPECT_EQ(plan.record.at(shortcuts[0].recordLine), "C:\\Start\\Tools\\Tool.lnk");
  EXPECT_EQ(install::WorkingFolder(pair.target), "C:\\Program Files\\App\\bin\\");
  EXPECT_EQ(install::WorkingFolder("C:\\App\\notes.exe"), "C:\\App\\");
}

TEST(ShortcutNames, RecordLines) {
  const std::string group = "P\\G";
  const struct {
    const char* what;
    script::Lines exe;
    script::Lines added;
  } cases[] = {
      {"two pairs", {"A", "a.exe", "B", "b.exe"}, {"P\\G\\A.lnk", "P\\G\\B.lnk", "+P\\G\\"}},
      {"last line without partner", {"A", "a.exe", "B"}, {"P\\G\\A.lnk", "+P\\G\\"}},
      {"one line", {"A"}, {"+P\\G\\"}},
      {"no lines", {}, {"+P\\G\\"}},
      {"hot-key form names the file", {"*05Notes1614", "n.exe"}, {"P\\G\\Notes.lnk", "+P\\G\\"}},
      {"same caption twice", {"A", "a.exe", "A", "b.exe"}, {"P\\G\\A.lnk", "P\\G\\A.lnk", "+P\\G\\"}},
      {"caption naming no shortcut", {"*x5Notes", "n.exe"}, {"P\\G\\*x5Notes.lnk", "+P\\G\\"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    script::Lines record{"Product", "C:\\App\\a.exe"};
    install::AddShortcutRecordLines(group, c.exe, record);
    script::Lines expected{"Product", "C:\\App\\a.exe"};
    for (const std::string& line : c.added) expected.add(line);
    EXPECT_EQ(record, expected);
  }
}

TEST(ShortcutNames, EmptyProgramsFolderStartsAtTheRoot) {
  script::Lines record;
  install::AddShortcutRecordLines(install::JoinPath("", "Tools"), {"A", "a.exe"}, record);
  EXPECT_EQ(record, (script::Lines{"\\Tools\\A.lnk", "+\\Tools\\"}));
}

}  // namespace
