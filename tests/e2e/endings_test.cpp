// Every way an install ends, through the wizard and through /S on the same
// script: what each leaves. The pass leaves the same in both; the late value
// follows an installed pass in both, and a pass an error ended in the wizard
// only; a refused or declined install writes nothing in either.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"
#include "reader/ids.h"
#include "registry_values.h"
#include "script/lines.h"
#include "setup_run.h"

namespace {

using namespace driver;

constexpr char kKey[] = "Software\\AcmeEndings";

// What an install left: the copied file, a value of the registry phase and
// the late value.
struct Left {
  bool file, value, lateValue;
  bool operator==(const Left& o) const { return file == o.file && value == o.value && lateValue == o.lateValue; }
};

std::ostream& operator<<(std::ostream& out, const Left& left) {
  return out << "file " << left.file << ", value " << left.value << ", late value " << left.lateValue;
}

Left WhatIsLeft(const std::string& destination) {
  return {Exists(destination + "\\app.txt"), RegValue(HKEY_CURRENT_USER, kKey, "Installed").has_value(),
          RegValue(HKEY_LOCAL_MACHINE, kKey, "Late").has_value()};
}

// As before any install; the late value's key exists, for it is only opened.
void Reset(const std::string& destination) {
  DeleteFileA((destination + "\\app.txt").c_str());
  DeleteKey(HKEY_CURRENT_USER, kKey);
  DeleteKey(HKEY_LOCAL_MACHINE, kKey);
  SetRegValue(HKEY_LOCAL_MACHINE, kKey, "Other", "x");
}

// Answers whatever the wizard shows until it ends: No to each question, OK to
// each other box, Decline to the licence; a window left waiting (the install
// window after an error box, the wizard after a refusal) is closed.
DWORD AnswerUntilTheEnd(SetupRun& run) {
  for (int step = 0; step < 30; ++step) {
    if (run.WaitForExit(1500)) return run.ExitCode();
    const MessageBoxView box = WaitForMessageBox(run.Pid(), std::chrono::milliseconds(0));
    if (box.handle) {
      const bool question = std::find(box.buttons.begin(), box.buttons.end(), "&No") != box.buttons.end();
      Answer(box, question ? "&No" : "OK");
      continue;
    }
    if (HWND reader = FindTopLevel(run.Pid(), "TfReadMe", "Reader"); reader && Visible(reader)) {
      Click(Child(reader, reader::ids::decline));
      continue;
    }
    if (HWND progress = FindTopLevel(run.Pid(), "TfCopy", "Installing"); progress && Visible(progress))
      PostMessageA(progress, WM_CLOSE, 0, 0);
    else if (HWND wizard = FindTopLevel(run.Pid(), "TfSetup", "Setup Utility"))
      PostMessageA(wizard, WM_CLOSE, 0, 0);
  }
  return STILL_ACTIVE;
}

struct Ending {
  const char* name;
  std::vector<std::string> sections;  // after the common ones
  bool licence, bigFile, script;
  Left pass;           // what the pass leaves, in both front ends
  bool wizardFinishes;  // the late value follows in the wizard
  DWORD silentExit;
};

TEST(Endings, WizardAndSilentRunLeaveWhatTheirRuleSays) {
  const char* small = std::getenv("SETUP_SMALL_DRIVE");
  ASSERT_NE(small, nullptr) << "run by with-small-drive";
  const ProductWindow product("Acme Endings Main");
  ASSERT_TRUE(product.Open());
  const Ending endings[] = {
      {"installed", {}, false, false, true, {true, true, false}, true, 0},
      {"licence declined", {}, true, false, true, {false, false, false}, false, 1},
      {"no to a disk too small", {}, false, true, true, {false, false, false}, false, 1},
      // The sections are not read: no late value is known to follow.
      {"error before the copy", {":keep", "app.txt"}, false, false, true, {false, false, false}, false, 4},
      {"error in the profile phase", {":system.ini", "C:\\no folder\\x.ini", "s", "k", "v", ":"}, false, false, true,
       {true, false, false}, true, 4},
      {"error in the registry phase", {":reg1", "HKEY_CURRENT_USER", kKey, "Cut", ":"}, false, false, true,
       {true, true, false}, true, 4},
      {"running copy", {":window", "Acme Endings Main"}, false, false, true, {false, false, false}, false, 5},
      {"missing script", {}, false, false, false, {false, false, false}, false, 4},
  };
  for (const Ending& e : endings) {
    SCOPED_TRACE(e.name);
    const std::string destination = e.bigFile ? std::string(small) + "\\Acme" : "C:\\Acme Endings";
    script::Lines lines{"\\Acme", "Acme", "Acme Endings", ":files", "-install", "app.txt"};
    if (e.bigFile) lines.add("big.dat");
    for (const char* line : {":", ":reg", "HKEY_CURRENT_USER", kKey, "Installed", "r", ":", ":regadd", kKey,
                                    "Late", "app.txt", ":", ":run", "app.txt"})
      lines.add(line);
    for (const std::string& line : e.sections) lines.add(line);
    SetupRun dist(std::string("endings_") + std::to_string(&e - endings));
    if (e.script) dist.AddFile("setup.ini", script::JoinLines(lines));
    dist.AddFile("app.txt", "application");
    if (e.bigFile) dist.AddFile("big.dat", std::string(700 * 1024, 'b'));
    if (e.licence) dist.AddFile("license.ini", "Terms\r\n");

    Reset(destination);
    SetupRun wizard(SetupRun::InFolder{dist.Folder()});
    wizard.Start();
    ASSERT_TRUE(wizard.Wizard());
    if (e.script) wizard.Install(destination);
    EXPECT_NE(AnswerUntilTheEnd(wizard), DWORD{STILL_ACTIVE}) << OpenMessages(wizard.Pid());
    const Left byWizard = WhatIsLeft(destination);

    Reset(destination);
    const SilentRun silent = RunSilently(dist.Folder() + "\\setup.exe", "/S /D=\"" + destination + "\"", dist.Folder());
    EXPECT_EQ(silent.exitCode, e.silentExit);
    const Left bySilentRun = WhatIsLeft(destination);

    Left expected = e.pass;
    EXPECT_EQ(bySilentRun, (Left{e.pass.file, e.pass.value, e.silentExit == 0}));
    expected.lateValue = e.wizardFinishes;
    EXPECT_EQ(byWizard, expected);
  }
}

}  // namespace
