// The install journal written and read back, the plan made from it, and the
// small texts of the removal program: its command line and wininit.ini.
#include <gtest/gtest.h>

#include <algorithm>

#include "install/plan/journal_format.h"
#include "remove/command_line.h"
#include "remove/journal.h"
#include "remove/plan.h"
#include "install/plan/wininit.h"

namespace uninstall {
namespace {

std::string NoLongName(const std::string&) { return ""; }

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

std::string Line(char kind, const std::vector<std::string>& fields) { return install::JournalLine(kind, fields); }

TEST(Journal, PassesBelongToTheirProductAndCutLinesArePassedOverAndNoted) {
  const std::string text = Line('S', {"A", "C:\\Tools"}) + Line('F', {"C:\\Tools\\a.exe", "new"}) +
                           "V\tHKEY_CURRENT_USER\tSoftware\\A\tN\t1\t6F" +  // cut short, then marked so
                           "\r\n" + Line('C', {}) + Line('S', {"B", "C:\\Tools"}) +
                           Line('F', {"C:\\Tools\\b.exe", "new"}) + Line('S', {"A", "C:\\Tools"}) +
                           Line('P', {"a.ini", "S", "K", "=old"}) + "F\tC:\\Tools\\c.";
  const JournalText journal(text);
  EXPECT_EQ(journal.Titles(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(journal.Notes().size(), 2u);
  const Journal a = *journal.For("A");
  ASSERT_EQ(a.files.size(), 1u);
  EXPECT_EQ(a.files[0].path, "C:\\Tools\\a.exe");
  EXPECT_TRUE(a.values.empty());
  ASSERT_EQ(a.profiles.size(), 1u);
  EXPECT_EQ(a.profiles[0].value, "old");
  EXPECT_EQ(journal.Without("A"), Line('S', {"B", "C:\\Tools"}) + Line('F', {"C:\\Tools\\b.exe", "new"}));
  EXPECT_FALSE(journal.For("C"));

  for (const std::string& bad : {Line('S', {"A", "C:\\A"}) + "X\tzz\r\n", Line('F', {"C:\\A\\a", "new"})}) {
    try {
      JournalText{bad};
      ADD_FAILURE() << "accepted " << bad;
    } catch (const RecordError& error) {
      EXPECT_GE(error.Line(), 1u);
    }
  }
}

// One row per case of ordinary use and of a journal written by someone else.
TEST(Plan, TakesBackOnlyWhatTheProductsInstallMadeAndPutsBackOnlyFromATrustedJournal) {
  Record record;
  record.title = "B";
  record.files = {"C:\\Tools\\never-journaled.dll"};
  record.removeKeys = {{"HKEY_CLASSES_ROOT", ".mrw"}, {"HKEY_CLASSES_ROOT", "B.Document"}};
  const std::string text =
      Line('S', {"A", "C:\\Tools"}) + Line('F', {"C:\\Tools\\a.exe", "new"}) +
      Line('S', {"B", "C:\\TOOLS"}) +
      Line('F', {"C:\\TOOLS\\b.exe", "failed"}) + Line('F', {"C:\\Tools\\kept.ini", "existed"}) +
      Line('S', {"B", "C:\\Tools"}) +
      Line('F', {"C:\\Tools\\b.exe", "new"}) + Line('F', {"c:\\tools\\KEPT.INI", "new"}) +
      Line('F', {"C:\\Tools/../WINDOWS/win.ini", "new"}) +
      Line('L', {"C:\\WINDOWS\\Start Menu\\Programs\\B\\B.lnk"}) + Line('L', {"C:\\WINDOWS\\system.ini"}) +
      Line('G', {"C:\\WINDOWS\\Start Menu\\Programs\\B"}) + Line('G', {"C:\\WINDOWS"}) +
      Line('D', {"C:\\Tools\\made"}) + Line('D', {"C:\\WINDOWS\\made"}) +
      Line('V', {"HKEY_CLASSES_ROOT", ".mrw", "", "1", "4F6C6400"}) +
      Line('V', {"HKEY_CLASSES_ROOT", "B.Document", "", "-"}) +
      Line('V', {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "B", "-"}) +
      Line('V', {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "Shell", "-"}) +
      Line('P', {"b.ini", "S", "K", "=old"}) + Line('P', {"win.ini", "windows", "load", "-"}) +
      Line('P', {"C:\\Users\\me\\notes.txt", "S", "K", "-"});
  const JournalText journal(text);
  const SafetyRules rules({"C:\\Tools", {"C:\\WINDOWS"}, {"C:\\WINDOWS\\Start Menu\\Programs"}}, NoLongName);

  for (const bool trusted : {true, false}) {
    const Plan plan = MakePlan({&record, &journal, trusted}, rules);
    EXPECT_EQ(plan.title, "B");
    std::vector<std::string> acted, kept;
    bool sweep = false;
    for (const Step& step : plan.steps) {
      std::string item = step.path;
      if (step.action == Action::Value) item = step.value.key.path + "\\" + step.value.name;
      if (step.action == Action::Key) item = "key " + step.key.path;
      if (step.action == Action::Profile) item = step.path + " " + step.entry;
      if (step.action == Action::StartupValues) sweep = true;
      if (item.empty() || step.action == Action::Destination) continue;
      (step.keep.empty() ? acted : kept).push_back(item);
      if (step.action == Action::Value && step.value.name == "B") EXPECT_TRUE(step.startup);
    }
    // A's file stays; B's file, whose first copy failed, and every spelling of the folder count as one.
    std::vector<std::string> expectActed = {"C:\\WINDOWS\\Start Menu\\Programs\\B\\B.lnk",
                                            "C:\\WINDOWS\\Start Menu\\Programs\\B", "C:\\Tools\\b.exe", "C:\\Tools\\made",
                                            "B.Document\\", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\B",
                                            "key B.Document"};
    std::vector<std::string> expectKept = {"C:\\WINDOWS\\system.ini", "C:\\WINDOWS", "C:\\Tools\\kept.ini", "C:\\WINDOWS\\made",
                                           "C:\\Tools\\..\\WINDOWS\\win.ini",
                                           "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Shell",
                                           "key .mrw", "win.ini load", "C:\\Users\\me\\notes.txt K"};
    // The put-back value keeps its key; it and the profile entry are put back only from a trusted journal.
    std::vector<std::string>& putBack = trusted ? expectActed : expectKept;
    putBack.push_back(".mrw\\");
    putBack.push_back("b.ini K");
    std::sort(acted.begin(), acted.end());
    std::sort(kept.begin(), kept.end());
    std::sort(expectActed.begin(), expectActed.end());
    std::sort(expectKept.begin(), expectKept.end());
    EXPECT_EQ(acted, expectActed) << trusted;
    EXPECT_EQ(kept, expectKept) << trusted;
    EXPECT_FALSE(sweep);
    EXPECT_EQ(plan.otherProducts, (std::vector<std::string>{"A"}));
    EXPECT_EQ(plan.otherFiles, (std::vector<std::string>{"c:\\tools\\a.exe"}));
    EXPECT_EQ(plan.journalRest, Line('S', {"A", "C:\\Tools"}) + Line('F', {"C:\\Tools\\a.exe", "new"}));
    EXPECT_EQ(plan.notes.size(), trusted ? 0u : 1u);
  }
}

TEST(Plan, WithoutAJournalTheRecordSaysWhatGoesAndStartUpValuesAreFoundByCommand) {
  Record record;
  record.title = "Product";
  record.files = {"C:\\App\\a.exe", "c:/app/A.EXE", "C:\\Shared\\common.dll"};
  const SafetyRules rules({"C:\\App", {"C:\\WINDOWS"}, {}}, NoLongName);
  const Plan plan = MakePlan({&record, nullptr, false}, rules);
  std::vector<std::string> files;
  bool sweep = false;
  for (const Step& step : plan.steps) {
    if (step.action == Action::File) files.push_back(step.path);
    sweep = sweep || step.action == Action::StartupValues;
  }
  EXPECT_EQ(files, (std::vector<std::string>{"C:\\App\\a.exe", "C:\\Shared\\common.dll"}));
  EXPECT_EQ(plan.SharedFiles(), (std::vector<std::string>{"C:\\Shared\\common.dll"}));
  EXPECT_TRUE(sweep);
  EXPECT_FALSE(plan.journalRest);
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
  // Quotes inside a switch and tabs between words, as for setup.exe.
  o = ParseCommandLine("/S\t/LOG=\"C:\\my logs\\r.log\"\tC:\\A");
  EXPECT_FALSE(o.usageError);
  EXPECT_TRUE(o.silent);
  EXPECT_EQ(o.logFile, "C:\\my logs\\r.log");
  EXPECT_EQ(o.folder, "C:\\A");
  for (const char* bad : {"", "/S", "/X C:\\A", "/LOG= C:\\A"}) EXPECT_TRUE(ParseCommandLine(bad).usageError) << bad;
  EXPECT_TRUE(ParseCommandLine("/S").silent);  // a usage error under /S shows nothing either
}

TEST(Wininit, DeleteLinesGoAtTheEndOfTheRenameSection) {
  EXPECT_EQ(install::AddMoveAtRestart("", "NUL", "C:\\A.DLL"), "[rename]\r\nNUL=C:\\A.DLL\r\n");
  EXPECT_EQ(install::AddMoveAtRestart("[Rename]\r\nNUL=C:\\A.DLL\r\n\r\n[other]\r\nx=1\r\n", "NUL", "C:\\B.DLL"),
            "[Rename]\r\nNUL=C:\\A.DLL\r\nNUL=C:\\B.DLL\r\n\r\n[other]\r\nx=1\r\n");
}

}  // namespace
}  // namespace uninstall
