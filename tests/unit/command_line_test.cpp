#include "setup/command_line.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace setup
