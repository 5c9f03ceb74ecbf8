#include "setup/command_line.h"
#include "platform/command_words.h"
#include "setup/switch_paths.h"

#include <gtest/gtest.h>

#include <vector>

namespace setup {
namespace {

TEST(CommandLine, SwitchesInAnyOrderAndCase) {
  const Options o = ParseCommandLine(" /readme /s  /AcceptLicense /Run /RESTART /log=C:\\s.log /GROUP=Tools");
  EXPECT_FALSE(o.usageError);
  EXPECT_TRUE(o.silent && o.readme && o.acceptLicence && o.run && o.restart);
  EXPECT_EQ(o.logFile, "C:\\s.log");
  EXPECT_EQ(o.group, "Tools");
  EXPECT_FALSE(o.destination);
  const Options none = ParseCommandLine("/S");
  EXPECT_FALSE(none.usageError || none.readme || none.run || none.restart || none.acceptLicence || none.group);
}

TEST(CommandLine, DestinationTakesTheRestOfTheLine) {
  EXPECT_EQ(ParseCommandLine("/S /D=C:\\Program Files\\My App\\").destination, "C:\\Program Files\\My App");
  EXPECT_EQ(ParseCommandLine("/s \"/D=C:\\a b\"").destination, "C:\\a b");
  EXPECT_EQ(ParseCommandLine("/s /d=\\\\server\\share\\x /S").destination, "\\\\server\\share\\x /S");
  // Quoted values elsewhere keep their blanks.
  const Options o = ParseCommandLine("/S /GROUP=\"My Tools\" \"/LOG=C:\\my logs\\s.log\"");
  EXPECT_EQ(o.group, "My Tools");
  EXPECT_EQ(o.logFile, "C:\\my logs\\s.log");
}

TEST(CommandLine, UsageErrors) {
  for (const char* bad : {"/S /X", "/S /D=", "/S /D=relative\\dir", "/S /D=C:\\a?b", "/S /GROUP=", "/S /GROUP=a:b",
                          "/S /LOG=", "/S C:\\dest", "/D=C:\\x", "/README", "/S /S=1"})
    EXPECT_TRUE(ParseCommandLine(bad).usageError) << bad;
  EXPECT_FALSE(ParseCommandLine("").usageError);
  EXPECT_FALSE(ParseCommandLine("   ").silent);
  const Options help = ParseCommandLine("/?");
  EXPECT_TRUE(help.help && !help.usageError);
}

// Each refusal names the switch as it was written.
TEST(CommandLine, RefusalNamesTheSwitch) {
  const struct {
    const char* line;
    const char* named;
  } cases[] = {
      {"/S /X /LOG=C:\\s.log", "/X is not a switch"},
      {"/S /GROUP=\"My Tools /LOG=x", "/GROUP=\"My Tools /LOG=x: a quote is not closed"},
      {"/README /GROUP=x", "/README needs /S"},
      {"/S /D=C:/", "/D=C:/: the destination cannot be a drive's root"},
  };
  for (const auto& c : cases) {
    const Options o = ParseCommandLine(c.line);
    EXPECT_TRUE(o.usageError) << c.line;
    EXPECT_EQ(o.refusal.find(c.named), 0u) << c.line << " gave " << o.refusal;
  }
  // The log file is still known after an earlier refusal, so the error can go there.
  EXPECT_EQ(ParseCommandLine("/S /X /LOG=C:\\s.log").logFile, "C:\\s.log");
}

// Every spelling of a place the switches must not name.
TEST(CommandLine, ForbiddenPlacesInAnySpelling) {
  for (const char* root : {"/S /D=C:\\", "/S /D=C:\\\\", "/S /D=c:/", "/S /D=C:\\.", "/S /D=C:\\.\\ ",
                           "/S /D=\\\\server\\share\\", "/S /D=//server/share/.", "/S /D=C:\\app\\..",
                           "/S /D=C:\\app/../windows", "/S /D=C:\\app\\...\\x", "/S /D=\\\\server"})
    EXPECT_TRUE(ParseCommandLine(root).usageError) << root;
  // The Windows folder only the system knows: the parse lets it through.
  EXPECT_FALSE(ParseCommandLine("/S /D=C:\\WINDOWS/.").usageError);
  EXPECT_EQ(NormalFolder("c:/Program Files.//My App. /."), "c:\\Program Files\\My App");
  EXPECT_EQ(NormalFolder("\\\\server\\share\\x"), "\\\\server\\share\\x");
  for (const char* group : {"/S /GROUP=..\\..\\windows", "/S /GROUP=a/../../b", "/S /GROUP=\\abs", "/S /GROUP=/abs",
                            "/S /GROUP=a\\\\b", "/S /GROUP=a\\.. ", "/S /GROUP=.", "/S \"/GROUP=a\\...\""})
    EXPECT_TRUE(ParseCommandLine(group).usageError) << group;
  EXPECT_EQ(ParseCommandLine("/S /GROUP=Tools/Pebble").group, "Tools\\Pebble");
  for (const char* log : {"/S /LOG=C:\\App\\unin.ini", "/S /LOG=C:/App/UNIN.JNL", "/S /LOG=unin.ini. ",
                          "/S /LOG=C:\\App\\x\\..\\Unin.Ini"})
    EXPECT_TRUE(ParseCommandLine(log).usageError) << log;
  EXPECT_FALSE(ParseCommandLine("/S /LOG=C:\\App\\unin.ini.log").usageError);
}

// Both programs split their command lines as Windows' own programs do:
// blanks are spaces and tabs, quotes may stand inside a word, and
// backslashes count only before a quote.
TEST(CommandLine, WordsSplitAsWindowsSplitsThem) {
  const struct {
    const char* line;
    std::vector<std::string> words;
  } cases[] = {
      {"/S\t/GROUP=\"My Tools\"  C:\\a\\b\\", {"/S", "/GROUP=My Tools", "C:\\a\\b\\"}},
      {"a\\\"b \"c\\\"d\"", {"a\"b", "c\"d"}},
      {"a\\\\\"b c\" d\\\\\\\"e", {"a\\b c", "d\\\"e"}},
      {"\"a\"\"b c \"\"", {"a\"b", "c", ""}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (const auto word = platform::NextCommandWord(c.line, at)) words.push_back(word->text);
    EXPECT_EQ(words, c.words) << c.line;
  }
  std::size_t at = 0;
  const auto open = platform::NextCommandWord(" /LOG=\"C:\\my logs\\s.log", at);
  ASSERT_TRUE(open);
  EXPECT_TRUE(open->quoteOpen);
  EXPECT_EQ(open->written, "/LOG=\"C:\\my logs\\s.log");
}

}  // namespace
}  // namespace setup
