#include "script/sections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_index_error.h"

namespace script {
namespace {

using Strings = std::vector<std::string>;

// Each section holds content that names it, so a section read into the wrong
// field shows up.
// clang-format off
const Lines kScript{
    "\\Tool", "Tool", "Tool 1.0",
    ":files", "-install", "a.exe", ":",  ":exe", "Tool", "a.exe", ":",
    ":unin", "unin.exe", ":",            ":delreg", "delreg", ":",
    ":system.ini", "systemini", ":",     ":regremove", "regremove", ":",
    ":regadd", "regadd", ":",            ":reg", "reg", ":",
    ":keep", "KEEP", ":",                ":reg1", "reg1", ":",
    ":ini", "-ini", ":",                 ":run", "run.exe",
    ":reboot",                           ":extra", "extra.dat", "sub",
    ":exit", "exit",                     ":runservices", "services",
    ":runstart", "start",                ":window", "window",
};
// clang-format on

TEST(ReadSections, FillsEveryFieldFromItsOwnSection) {
  const Sections s = ReadSections(kScript);
  EXPECT_EQ(s.files.items(), (Strings{"", ":install", "a.exe"}));
  EXPECT_EQ(s.exe.items(), (Strings{"Tool", "a.exe"}));
  EXPECT_EQ(s.unin.items(), Strings{"unin.exe"});
  EXPECT_EQ(s.delreg.items(), Strings{"delreg"});
  EXPECT_EQ(s.systemIni.items(), Strings{"systemini"});
  EXPECT_EQ(s.regremove.items(), Strings{"regremove"});
  EXPECT_EQ(s.regadd.items(), Strings{"regadd"});
  EXPECT_EQ(s.reg.items(), Strings{"reg"});
  EXPECT_EQ(s.keep.items(), Strings{"keep"});
  EXPECT_EQ(s.reg1.items(), Strings{"reg1"});
  EXPECT_EQ(s.iniLines.items(), Strings{":ini"});
  EXPECT_EQ(s.runProgram, "run.exe");
  EXPECT_TRUE(s.rebootRequested);
  EXPECT_EQ(s.extraFile, "extra.dat");
  EXPECT_EQ(s.extraFolder, "sub");
  EXPECT_EQ(s.exitMessage, "exit");
  EXPECT_EQ(s.runServices, "services");
  EXPECT_EQ(s.runStart, "start");
  EXPECT_EQ(s.windowTitle, "window");
}

TEST(FindWindowTitle, LastWindowMarkerWins) {
  EXPECT_EQ(FindWindowTitle({":window", "A", ":Window", "B", ":window", "C"}),
            "C");
  EXPECT_EQ(FindWindowTitle({":window ", "A"}), "");
  EXPECT_TRUE(ThrowsListIndexError([] {
    FindWindowTitle({":window", "A", ":window"});
  }));
}

}  // namespace
}  // namespace script
