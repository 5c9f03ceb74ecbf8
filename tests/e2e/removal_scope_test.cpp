// The removal program on machines in ordinary use and on a journal that
// someone else changed: it takes back only what the product's installs made.
#include <gtest/gtest.h>

#include "driver.h"
#include "registry_values.h"
#include "remove_run.h"
#include "setup_run.h"

namespace {

using namespace driver;

constexpr char kFolder[] = "C:\\Scope Tools";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kDigests[] = "SOFTWARE\\Setup Utility";

std::string In(const std::string& name) { return std::string(kFolder) + "\\" + name; }

// A product of one file and one value, with a distribution folder of its own.
std::string Script(const std::string& name, const std::string& moreFiles = "", const std::string& moreValues = "") {
  return "\\" + name + "\r\n" + name + "\r\nProduct " + name + "\r\n:files\r\n-install\r\n" + name + ".TXT\r\n" +
         moreFiles + ":\r\n:reg\r\nHKEY_CURRENT_USER\r\nSoftware\\Scope " + name + "\r\nv\r\n" + name + "\r\n" +
         moreValues + ":\r\n";
}

DWORD Install(SetupRun& dist, const std::string& folder) {
  const std::string log = dist.Folder() + "\\install.log";
  const SilentRun run = RunSilently(dist.Folder() + "\\setup.exe", "/S /LOG=" + log + " /D=" + folder, dist.Folder());
  EXPECT_TRUE(run.ended);
  return run.exitCode;
}

RemoveRun Remove(const std::string& folder, const std::string& log) {
  return RunRemoval(std::string(BUILD_FOLDER) + "\\twremove.exe /S /LOG=" + log + " " + folder);
}

TEST(RemovalScope, TwoProductsInOneFolderGoOneAtATimeWhateverTheirInstallsWentThrough) {
  const std::string other = "\"" + In("Other\\agent.exe") + "\" /tray";
  SetRegValue(HKEY_LOCAL_MACHINE, kRunKey, "Other", other);
  SetupRun a("scope-a"), b("scope-b");
  a.AddFile("setup.ini", Script("A"));
  a.AddFile("A.TXT", "a");
  b.AddFile("setup.ini", Script("B", "LATE.TXT\r\n"));
  b.AddFile("B.TXT", "b");
  ASSERT_EQ(Install(a, kFolder), 0u);
  // B's first install misses a file, names the folder in its 8.3 form and is
  // cut short in the middle of a journal line; the second one is whole.
  char shortForm[MAX_PATH] = "";
  ASSERT_NE(GetShortPathNameA(kFolder, shortForm, MAX_PATH), 0u);
  ASSERT_NE(std::string(shortForm), kFolder);
  ASSERT_EQ(Install(b, shortForm), 3u);
  WriteFile(In("unin.jnl"), ReadFile(In("unin.jnl")) + "F\t" + shortForm + "\\B.T");
  b.AddFile("LATE.TXT", "late");
  ASSERT_EQ(Install(b, kFolder), 0u);

  RemoveRun run = Remove(kFolder, "C:\\b.log");
  std::string log = ReadFile("C:\\b.log");
  EXPECT_EQ(run.exitCode, 3u) << log;  // the folder and the journal stay for A
  EXPECT_TRUE(Contains(log, "was cut short by a stopped install")) << log;
  EXPECT_TRUE(Contains(log, "kept: " + std::string(kFolder) + " (it holds the files of Product A)")) << log;
  EXPECT_FALSE(Exists(In("B.TXT")));
  EXPECT_FALSE(Exists(In("LATE.TXT")));
  EXPECT_FALSE(Exists(ProgramsFolder() + "\\B"));
  EXPECT_FALSE(RegValue(HKEY_CURRENT_USER, "Software\\Scope B", "v")) << log;
  EXPECT_EQ(ReadFile(In("A.TXT")), "a");
  EXPECT_TRUE(Exists(ProgramsFolder() + "\\A"));
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, "Software\\Scope A", "v"), "A");

  // A from the journal alone; its digest went along with B's part.
  run = Remove(kFolder, "C:\\a.log");
  log = ReadFile("C:\\a.log");
  EXPECT_EQ(run.exitCode, 0u) << log;
  EXPECT_FALSE(Contains(log, "note:")) << log;
  EXPECT_FALSE(Exists(kFolder));
  EXPECT_FALSE(Exists(ProgramsFolder() + "\\A"));
  EXPECT_FALSE(RegValue(HKEY_CURRENT_USER, "Software\\Scope A", "v"));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kDigests)) << log;
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRunKey, "Other"), other);
}

TEST(RemovalScope, APutBackValueKeepsItsKeyAndAChangedJournalPutsNothingBack) {
  SetRegValue(HKEY_CLASSES_ROOT, ".scopetest", "", "Old.Document");
  SetRegValue(HKEY_CLASSES_ROOT, ".scopetest", "Content Type", "text/x-old");
  SetupRun c("scope-c");
  c.AddFile("setup.ini", Script("C", "", "HKEY_CLASSES_ROOT\r\n.scopetest\r\n**\r\nC.Document\r\n") +
                             ":regremove\r\nHKEY_CLASSES_ROOT\\.scopetest\r\n:\r\n");
  c.AddFile("C.TXT", "c");
  ASSERT_EQ(Install(c, kFolder), 0u);
  ASSERT_EQ(RegValue(HKEY_CLASSES_ROOT, ".scopetest", ""), "C.Document");
  EXPECT_EQ(Remove(kFolder, "C:\\c.log").exitCode, 3u);
  EXPECT_TRUE(Contains(ReadFile("C:\\c.log"), "kept: HKEY_CLASSES_ROOT\\.scopetest (it held data before the install)"));
  EXPECT_EQ(RegValue(HKEY_CLASSES_ROOT, ".scopetest", ""), "Old.Document");
  EXPECT_EQ(RegValue(HKEY_CLASSES_ROOT, ".scopetest", "Content Type"), "text/x-old");

  // Someone adds a line that would write a value of their choosing.
  ASSERT_EQ(Install(c, kFolder), 0u);
  WriteFile(In("unin.jnl"), ReadFile(In("unin.jnl")) + "V\tHKEY_CURRENT_USER\tSoftware\\Victim\tx\t1\t4100\r\n");
  EXPECT_EQ(Remove(kFolder, "C:\\c2.log").exitCode, 3u);
  const std::string log = ReadFile("C:\\c2.log");
  EXPECT_TRUE(Contains(log, "note: The install journal is not as the last install left it")) << log;
  EXPECT_FALSE(RegValue(HKEY_CURRENT_USER, "Software\\Victim", "x"));
  EXPECT_FALSE(Exists(In("C.TXT")));

  // A folder name in another spelling of the Windows folder is refused whole.
  EXPECT_EQ(Remove("\"C:\\windows/\"", "C:\\w.log").exitCode, 2u);
  EXPECT_TRUE(Exists("C:\\windows\\win.ini"));
}

TEST(RemovalScope, FoldersTheInstallMadeGoWhenEmptyAndEarlierOnesStay) {
  WriteFile("C:\\Kept\\mine.txt", "mine");
  SetupRun d("scope-d");
  d.AddFile("setup.ini", Script("D"));
  d.AddFile("D.TXT", "d");
  ASSERT_EQ(Install(d, "C:\\Made\\Deep\\Scope"), 0u);
  EXPECT_EQ(Remove("C:\\Made\\Deep\\Scope", "C:\\made.log").exitCode, 0u) << ReadFile("C:\\made.log");
  const std::string log = ReadFile("C:\\made.log");
  EXPECT_TRUE(Contains(log, "removed: C:\\Made\\Deep\\Scope\r\nremoved: C:\\Made\\Deep\r\nremoved: C:\\Made\r\n")) << log;
  EXPECT_FALSE(Exists("C:\\Made"));

  ASSERT_EQ(Install(d, "C:\\Kept\\Scope"), 0u);
  EXPECT_EQ(Remove("C:\\Kept\\Scope", "C:\\kept.log").exitCode, 0u) << ReadFile("C:\\kept.log");
  EXPECT_EQ(ReadFile("C:\\Kept\\mine.txt"), "mine");
  EXPECT_FALSE(Exists("C:\\Kept\\Scope"));
}

// C:\Linked\out points at C:\Elsewhere, C:\Linked\sub\loop back at C:\Linked
// (made by the test bed, WINE_TEST_LINKS).
TEST(RemovalScope, LinksAreNeverGoneThroughNorWalked) {
  WriteFile("C:\\Elsewhere\\victim.txt", "theirs");
  WriteFile("C:\\Linked\\own.txt", "ours");
  WriteFile("C:\\Linked\\unin.jnl", "S\tLinked\tC:\\Linked\r\nF\tC:\\Linked\\own.txt\tnew\r\n"
                                    "F\tC:\\Linked\\out\\victim.txt\tnew\r\n");
  const RemoveRun run = Remove("C:\\Linked", "C:\\linked.log");
  ASSERT_TRUE(run.ended);
  const std::string log = ReadFile("C:\\linked.log");
  EXPECT_EQ(run.exitCode, 3u) << log;
  EXPECT_TRUE(Contains(log, "kept: C:\\Linked\\out\\victim.txt (it lies behind a link)")) << log;
  EXPECT_TRUE(Contains(log, "kept: C:\\Linked\\sub\\loop (a link, not followed)")) << log;
  EXPECT_EQ(ReadFile("C:\\Elsewhere\\victim.txt"), "theirs");
  EXPECT_FALSE(Exists("C:\\Linked\\own.txt"));
}

}  // namespace
