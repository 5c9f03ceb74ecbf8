// One case per diagnostic of `setupkit check`, with the line it must name,
// grouped by the part of the script it is about. Each case expects exactly
// one diagnostic, so a check that fires where it should not fails too.
#include "kit/check.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "script/lines.h"
#include "script/unscramble.h"

namespace kit {
namespace {

using Lines = std::vector<std::string>;

// A clean script of 16 lines; cases add lines from line 17 on.
const Lines kBase = {"\\App", "App", "App 1.0", ":files", "-install", "APP.EX_", "-win", "TWREMOVE.EX_", ":",
                     ":exe",  "App", "app.exe", ":",      ":unin",    "twremove.exe", ":"};

std::string Text(const Lines& lines) { return script::JoinLines(script::Lines(lines)); }

FileSet Dist(const Lines& names = {"APP.EX_", "twremove.ex_", "letter.mrw"}) {
  FileSet files;
  for (const auto& name : names) files.Add(name);
  return files;
}

Lines Base(const Lines& more) {
  Lines lines = kBase;
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

struct Case {
  const char* name;
  Lines script;
  std::size_t line;
  Severity severity;
  const char* text;  // a part of the message
  std::optional<Lines> dist = std::nullopt;
};

void Expect(const Case& c) {
  SCOPED_TRACE(c.name);
  const auto found = CheckScript(Text(c.script), c.dist ? Dist(*c.dist) : Dist());
  ASSERT_EQ(found.size(), 1u) << (found.empty() ? "nothing" : Format(found[0]) + " ... " + Format(found.back()));
  EXPECT_EQ(found[0].line, c.line) << Format(found[0]);
  EXPECT_EQ(found[0].severity, c.severity) << Format(found[0]);
  EXPECT_NE(found[0].text.find(c.text), std::string::npos) << Format(found[0]);
}

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

TEST(Check, CleanScriptClearAndScrambled) {
  EXPECT_TRUE(CheckScript(Text(kBase), Dist()).empty());
  EXPECT_TRUE(CheckScript(*script::ScrambleText(Text(kBase)), Dist()).empty());
  // A ":run" program with arguments names an installed file.
  EXPECT_TRUE(CheckScript(Text(Base({":run", "app.exe /welcome"})), Dist()).empty());
}

TEST(Check, HeaderAndLineForm) {
  const Case cases[] = {
      {"two lines", {"\\App", "App"}, 2, E, "at least three"},
      {"empty destination line", {"", "App", "T"}, 1, W, "destination sub-path, is empty"},
      {"Version last", Base({"Version"}), 17, E, "\"Version\" is the last line"},
      {":window last", Base({":window"}), 17, E, "\":window\" is the last line"},
      {":run last", Base({":run"}), 17, E, "\":run\" needs one line after it"},
      {":extra on the second last line", Base({":extra", "letter.mrw"}), 17, E, "needs two lines"},
      {"LF line end", Base({"Version", "1.0\nmore"}), 18, W, "other than CR LF"},
      {"marker in another case", Base({":Run", ":run", "app.exe"}), 17, W, "differs from \":run\""},
      {"end line with a blank", Base({":delreg", "x", ": ", ":"}), 19, W, "differs from \":\""},
      {"lines after the last section", Base({"", "stray"}), 18, W, "belong to none"},
      {"destination without backslash", {"Pebble Clock", "App", "T"}, 1, W, "\"C:\\Program FilesPebble Clock\""},
      {"destination as a full path", {"C:\\Program Files\\Pebble", "App", "T"}, 1, E, "holds \":\""},
      {"misspelt marker", Base({":regdad", "K", "V", "app.exe", ":"}), 17, W, "nearest marker is \":regadd\""},
      {"nearest by its beginning", Base({":regsitry"}), 17, W, "nearest marker is \":reg\""},
      {"unknown marker among sections", Base({":brnad", "x"}), 17, W, "nearest marker is \":brand\""},
      {":brand short of its lines", Base({":brand", "Pebble", "Tools"}), 17, E, "\":brand\" needs three lines after it"},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(Check, Files) {
  const Case cases[] = {
      {"file missing from the folder", kBase, 8, E, "\"TWREMOVE.EX_\" is not in the distribution folder",
       Lines{"APP.EX_"}},
      {"file before the first directive",
       {"\\App", "App", "T", ":files", "early.txt", "-install", ":"}, 5, W, "before the first destination directive"},
      {"directive without backslash", {"\\App", "App", "T", ":files", "-C:\\Other", "a.txt", ":"}, 5, W,
       "does not end with a backslash", Lines{"a.txt"}},
      {"list never closed", Base({":keep", "app.exe"}), 17, E, "\":keep\" is never closed"},
      {"empty line in :ini", Base({":ini", "app.ini", "", ">", ":"}), 19, W, "empty line in \":ini\""},
      {"extra file missing", Base({":extra", "letter.mrw", "samples"}), 18, E, "\"letter.mrw\" is not in",
       Lines{"APP.EX_", "TWREMOVE.EX_"}},
      {"keep name not installed", Base({":keep", "Other.ini", ":"}), 18, W, "\"Other.ini\" is not installed"},
      {"path file names a path not installed", Base({":ini", "app.ini", "~\\gone.exe", ":"}), 19, W,
       "no file line installs"},
      {"run program not installed", Base({":run", "other.exe"}), 18, W, "\":run\" program \"other.exe\""},
      {"file in a subfolder", {"\\App", "App", "T", ":files", "-install", "help\\intro.txt", ":"}, 6, W,
       "subfolder of its destination folder, which the install does not make", Lines{"help/intro.txt"}},
      {"data file under a fixed rename", {"\\App", "App", "T", ":files", "-install", "file1.dat", ":"}, 6, W,
       "\"file1.dat\" is installed as \"kofxq11.dll\"", Lines{"file1.dat"}},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(Check, ProfileAndRegistry) {
  const Case cases[] = {
      {":system.ini short group", Base({":system.ini", "system.ini", "386Enh", "device", ":"}), 18, E,
       "\":system.ini\" entry 1 has 3 lines"},
      {":reg short group", Base({":reg", "HKEY_USERS", "K", "V", "d", "HKEY_USERS", "K", "V", ":"}), 22, E,
       "\":reg\" entry 2 has 3 lines; an entry is root, key, value name, data"},
      {"unknown root key", Base({":reg", "hkey_users", "K", "V", "d", ":"}), 18, E, "unknown root key \"hkey_users\""},
      {"p without a program", {"\\App", "App", "T", ":reg1", "HKEY_USERS", "K", "V", "p", ":"}, 8, E,
       "needs the first program"},
      {"u without a removal program", {"\\App", "App", "T", ":reg", "HKEY_USERS", "K", "V", "u", ":"}, 8, E,
       "needs the removal program"},
      {"data code with a blank", Base({":reg", "HKEY_USERS", "K", "V", " r", ":"}), 21, W, "blanks around"},
      {":regadd short", Base({":regadd", "K", "V", ":"}), 17, E, "\":regadd\" has 2 lines"},
      {":regremove line without its root", Base({":regremove", "HKEY_USERS", "K", "Software\\App", ":"}), 20, E,
       "\":regremove\" line \"Software\\App\" is no registry key"},
      {":delreg naming the root", Base({":delreg", "\\\\Classes", ":"}), 18, E, "HKEY_CLASSES_ROOT itself"},
      {":delreg naming nothing", Base({":delreg", "\\", ":"}), 18, W, "names no key"},
  };
  for (const Case& c : cases) Expect(c);
  // In ":reg1" "r" is no data code, so " r" is plain text there.
  EXPECT_TRUE(CheckScript(Text(Base({":reg1", "HKEY_USERS", "K", "V", " r", ":"})), Dist()).empty());
}

TEST(Check, ShortcutsAndStartUp) {
  const Lines head = {"\\App", "App", "T", ":files", "-install", "APP.EX_", ":", ":exe"};  // pairs from line 9
  const auto Exe = [&](const Lines& pairs) {
    Lines lines = head;
    lines.insert(lines.end(), pairs.begin(), pairs.end());
    lines.push_back(":");
    return lines;
  };
  const Case cases[] = {
      {"caption without program", Exe({"App", "app.exe", "Orphan"}), 11, E, "without its program line"},
      {"hot-key length not a number", Exe({"*x3App", "app.exe"}), 9, E, "length in decimal digits"},
      {"hot key not a number", Exe({"*03App16x4", "app.exe"}), 9, W, "hot key \"16x4\""},
      {"program not installed", Exe({"App", "other.exe"}), 10, W, "\":exe\" program \"other.exe\""},
      {"removal program not installed", {"\\App", "App", "T", ":unin", "remove.exe", ":"}, 5, W,
       "removal program \"remove.exe\""},
      {"start-up entry without a program", {"\\App", "App", "T", ":runstart", "App"}, 4, E,
       "\":runstart\" needs the first program"},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(Check, LicenceTextBesideTheScript) {
  const auto found = CheckScript(Text(kBase), Dist({"APP.EX_", "TWREMOVE.EX_", "License.TXT"}));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(Format(found[0]).rfind("license.txt:1: warning: ", 0), 0u);
}

TEST(Check, Settings) {
  EXPECT_TRUE(CheckSettings("Marrowgate\r\nSound,On\r\n").empty());
  const auto found = CheckSettings("Marrowgate \r\nSound,On\r\n");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(Format(found[0]).rfind("config.cfg:1: warning: ", 0), 0u);
}

// The files the install shows or reads split at CR LF, each fault on the line where it begins.
TEST(Check, ShownFiles) {
  EXPECT_TRUE(CheckShownFile("readme.txt", "one\r\ntwo\r\n").empty());
  EXPECT_TRUE(CheckShownFile("readme.txt", std::string(kShownFileLimit, 'x')).empty());
  const struct {
    const char* name;
    std::string text;
    const char* found;
  } cases[] = {
      {"readme.txt", "one\r\ntwo\nthree\n", "readme.txt:2: warning: line end LF alone"},
      {"config.cfg", "Marrowgate\nSound,On\n", "config.cfg:1: warning: line end LF alone"},
      {"license.ini", std::string(kShownFileLimit + 1, 'x'), "license.ini:1: warning: license.ini is 60001 bytes"},
  };
  for (const auto& c : cases) {
    const auto found = CheckShownFile(c.name, c.text);
    ASSERT_EQ(found.size(), 1u) << c.name;
    EXPECT_EQ(Format(found[0]).rfind(c.found, 0), 0u) << Format(found[0]);
  }
}

TEST(Check, FormatAndSummary) {
  const Diagnostic d{"setup.ini", 41, Severity::Error, "x"};
  EXPECT_EQ(Format(d), "setup.ini:41: error: x");
  EXPECT_EQ(Summary({d, {"setup.ini", 2, Severity::Warning, "y"}}), "1 error, 1 warning");
}

}  // namespace
}  // namespace kit
