// The install journal written and read back, the plan made from it, and the
// small texts of the removal program: its command line and wininit.ini.
#include <gtest/gtest.h>

#include <algorithm>

#include "install/journal_format.h"
#include "remove/command_line.h"
#include "remove/journal.h"
#include "remove/plan.h"
#include "remove/wininit.h"

namespace uninstall {
namespace {

std::string NoShortForm(const std::string&) { return ""; }

TEST(Journal, FieldsSurviveTabsLineBreaksAndPercentSigns) {
  const std::vector<std::string> fields{"a\tb", "50%", "line\r\nbreak", ""};
  const std::string line = install::JournalLine('P', fields);
  EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4);
  EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
  EXPECT_EQ(line.find('\n'), line.size() - 1);
  const auto split = install::SplitJournalLine(line.substr(0, line.size() - 2));
  ASSERT_TRUE(split);
  EXPECT_EQ(split->kind, 'P');
  EXPECT_EQ(split->fields, fields);
  EXPECT_FALSE(install::SplitJournalLine("F\tbad%4"));
  EXPECT_EQ(install::BytesFromHex(install::HexBytes(std::string("\0\x01\xff", 3))), std::string("\0\x01\xff", 3));
}

TEST(Journal, TheFirstWordOnEachThingWinsAndACutLastLineIsPassedOver) {
  const std::string text = install::JournalLine('S', {"Product", "C:\\App"}) +
                           install::JournalLine('F', {"C:\\App\\a.exe", "new"}) +
                           install::JournalLine('V', {"HKEY_CURRENT_USER", "Software\\T", "N", "1", "6F6C6400"}) +
                           install::JournalLine('S', {"Product", "C:\\App"}) +  // installed again
                           install::JournalLine('F', {"c:\\app\\A.EXE", "existed"}) +
                           install::JournalLine('V', {"HKEY_CURRENT_USER", "software\\t", "n", "-"}) +
                           install::JournalLine('P', {"win.ini", "S", "K", "-"}) + "F\tC:\\App\\b.";
  const Journal j = ParseJournal(text);
  EXPECT_EQ(j.title, "Product");
  ASSERT_EQ(j.files.size(), 1u);
  EXPECT_TRUE(j.files[0].created);
  ASSERT_EQ(j.values.size(), 1u);
  EXPECT_EQ(j.values[0].type, 1u);
  EXPECT_EQ(j.values[0].data, std::string("old\0", 4));
  ASSERT_EQ(j.profiles.size(), 1u);
  EXPECT_FALSE(j.profiles[0].value);

  try {
    ParseJournal(install::JournalLine('S', {"Product", "C:\\App"}) + "X\tzz\r\n");
    ADD_FAILURE() << "accepted";
  } catch (const RecordError& error) {
    EXPECT_EQ(error.Line(), 2u);
  }
}

TEST(Plan, WithAJournalKeepsWhatWasThereAndPutsBackEarlierData) {
  Record record;
  record.title = "Product";
  record.files = {"C:\\App\\a.exe", "C:\\App\\settings.ini", "C:\\Shared\\common.dll"};
  record.values = {{{"HKEY_CURRENT_USER", "Software\\T"}, "Never written"}};
  record.removeKeys = {{"HKEY_LOCAL_MACHINE", "SOFTWARE"}};
  const Journal journal = ParseJournal(install::JournalLine('S', {"Product", "C:\\App"}) +
                                       install::JournalLine('F', {"C:\\App\\a.exe", "new"}) +
                                       install::JournalLine('F', {"C:\\App\\settings.ini", "existed"}) +
                                       install::JournalLine('F', {"C:\\App\\extra\\letter.mrw", "new"}) +
                                       install::JournalLine('V', {"HKEY_CURRENT_USER", "Software\\T", "Mode", "1", "41"}));
  const SafetyRules rules("C:\\App", {"C:\\WINDOWS"}, NoShortForm);
  const Plan plan = MakePlan(&record, &journal, rules);

  std::vector<std::string> removed, kept;
  const Step* value = nullptr;
  for (const Step& step : plan.steps) {
    if (step.action == Action::File) (step.keep.empty() ? removed : kept).push_back(step.path);
    if (step.action == Action::Value) value = value ? nullptr : &step;
    if (step.action == Action::Key) {
      EXPECT_NE(step.keep, "") << "HKEY_LOCAL_MACHINE\\SOFTWARE";
    }
  }
  EXPECT_EQ(removed, (std::vector<std::string>{"C:\\App\\a.exe", "C:\\Shared\\common.dll", "C:\\App\\extra\\letter.mrw"}));
  EXPECT_EQ(kept, (std::vector<std::string>{"C:\\App\\settings.ini"}));
  EXPECT_EQ(plan.SharedFiles(), (std::vector<std::string>{"C:\\Shared\\common.dll"}));
  // Only the value the journal saw being set, put back as it was.
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->value.name, "Mode");
  EXPECT_EQ(value->earlierType, 1u);
  EXPECT_EQ(value->earlierData, "A");
  EXPECT_EQ(plan.steps.back().action, Action::Destination);
}

TEST(CommandLine, SwitchesThenTheFolderInAnyForm) {
  Options o = ParseCommandLine(" /s /LOG=C:\\remove.log C:\\PROGRA~1\\MARROW~1");
  EXPECT_FALSE(o.usageError);
  EXPECT_TRUE(o.silent);
  EXPECT_EQ(o.logFile, "C:\\remove.log");
  EXPECT_EQ(o.folder, "C:\\PROGRA~1\\MARROW~1");
  for (const char* line : {"\"C:\\Program Files\\Marrowgate\\\"", "C:\\Program Files\\Marrowgate"}) {
    o = ParseCommandLine(line);
    EXPECT_FALSE(o.usageError) << line;
    EXPECT_FALSE(o.silent);
    EXPECT_EQ(o.folder, "C:\\Program Files\\Marrowgate");
  }
  EXPECT_EQ(ParseCommandLine("\"/LOG=C:\\my logs\\r.log\" C:\\A").logFile, "C:\\my logs\\r.log");
  for (const char* bad : {"", "/S", "/X C:\\A", "/LOG= C:\\A"}) EXPECT_TRUE(ParseCommandLine(bad).usageError) << bad;
  EXPECT_TRUE(ParseCommandLine("/S").silent);  // a usage error under /S shows nothing either
}

TEST(Wininit, DeleteLinesGoAtTheEndOfTheRenameSection) {
  EXPECT_EQ(AddDeleteAtRestart("", "C:\\A.DLL"), "[rename]\r\nNUL=C:\\A.DLL\r\n");
  EXPECT_EQ(AddDeleteAtRestart("[Rename]\r\nNUL=C:\\A.DLL\r\n\r\n[other]\r\nx=1\r\n", "C:\\B.DLL"),
            "[Rename]\r\nNUL=C:\\A.DLL\r\nNUL=C:\\B.DLL\r\n\r\n[other]\r\nx=1\r\n");
}

}  // namespace
}  // namespace uninstall
