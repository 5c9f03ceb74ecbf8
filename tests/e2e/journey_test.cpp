// The sample product of `make demo`, installed through the real windows as a
// user would, and every result compared with what it must be; then installed
// a second time into the same folder.
#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <optional>

#include "demo/layout.h"
#include "demo/walk.h"
#include "driver.h"
#include "kit/check.h"
#include "kit/layout.h"
#include "kit/plan.h"
#include "raw_link.h"
#include "registry_values.h"
#include "script/lines.h"
#include "setup_run.h"

namespace {

using namespace driver;

constexpr char kDist[] = "C:\\dist\\marrowgate";
constexpr char kDest[] = "C:\\Program Files\\Marrowgate";
constexpr char kProductKey[] = "SOFTWARE\\Tarnwick\\marrowgate";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunServicesKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";

std::string Dest(const std::string& name) { return std::string(kDest) + "\\" + name; }
std::string Dist(const std::string& name) { return std::string(kDist) + "\\" + name; }

std::string ShortPath(const std::string& path) {
  char buffer[MAX_PATH] = {};
  GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
  return buffer;
}

// A source text of the sample, its lines ended by CR LF as the install sees them.
std::string ProductText(const std::string& name) {
  std::string text;
  for (char c : ReadFile(std::string(DEMO_PRODUCT) + "\\" + name)) {
    if (c == '\n') text += '\r';
    if (c != '\r') text += c;
  }
  return text;
}

// How the reader shows a text: without the break after the last line.
std::string Shown(const std::string& text) { return text.substr(0, text.size() - 2); }

std::string Profile(const std::string& file, const std::string& section, const std::string& key) {
  char value[256] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "(none)", value, sizeof value, file.c_str());
  return value;
}

struct ComApartment {
  ComApartment() : ok(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (ok) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  const bool ok;
};

class Journey : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteDosFiles("first");
    SetRegValue(HKEY_CLASSES_ROOT, "Marrowgate.Legacy\\shell\\open\\command", "", "C:\\OLDMARR\\MARROW.EXE %1");
    ASSERT_NO_THROW(demo::LayOutSample(DEMO_PRODUCT, BUILD_FOLDER, kDist));
    // The sample gets a clean bill from the author's tool, but for its data
    // files, which are the ones the fixed renames name.
    for (const kit::Diagnostic& d : kit::CheckScript(ReadFile(Dist("setup.ini")), kit::ListFolder(kDist)))
      if (d.text.find("a fixed rename") == std::string::npos) ADD_FAILURE() << kit::Format(d);
  }


  // The record that `setupkit plan` gives for this machine.
  std::string PlannedRecord() const {
    kit::Machine machine;
    machine.destination = kDest;
    machine.windows = WindowsFolder();
    machine.programs = ProgramsFolder();
    const kit::Plan plan = kit::MakePlan(ReadFile(Dist("setup.ini")), machine, kit::ListFolder(kDist));
    return plan.stop.empty() ? script::JoinLines(plan.record) : plan.stop;
  }

  static void WriteDosFiles(const std::string& edition) {
    WriteFile("C:\\CONFIG.SYS", "FILES=40 " + edition + "\r\n");
    WriteFile("C:\\autoexec.bat", "PATH C:\\WINDOWS " + edition + "\r\n");
    WriteFile("C:\\MSDOS.SYS", "[Paths] " + edition + "\r\n");
  }

  // One install through the wizard, answering No to the run question.
  demo::Walk Install() {
    SetupRun run("marrowgate");
    run.Start();
    return demo::WalkThrough(run, "&No");
  }

  std::string Group() const { return ProgramsFolder() + "\\Marrowgate"; }

  std::string ExpectedRecord() const {
    const std::string group = Group();
    return script::JoinLines(script::Lines{
        "Marrowgate Desktop 2.1",
        "C:\\Program Files\\Common Files\\tarnwick.txt",
        Dest("marrow.exe"), Dest("settings.ini"), Dest("readme.txt"), Dest("manual.txt"),
        group + "\\Marrowgate.lnk", group + "\\Read Me.lnk", group + "\\Manual.lnk",
        "+" + group + "\\",
        ":" + Dest(""),
        "",
        ":reg",
        "HKEY_CLASSES_ROOT", ".mrw", "**", "Marrowgate.Document",
        "HKEY_CLASSES_ROOT", "Marrowgate.Document\\shell\\open\\command", "", "p",
        "HKEY_LOCAL_MACHINE", "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marrowgate", "DisplayName",
        "Marrowgate Desktop 2.1",
        "HKEY_LOCAL_MACHINE", "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marrowgate",
        "UninstallString", "u",
        "HKEY_LOCAL_MACHINE", kProductKey, "InstallDir", "r",
        "HKEY_LOCAL_MACHINE", kProductKey, "ShortDir", "s",
        ":",
        ":reg1",
        "HKEY_CURRENT_USER", "Software\\Tarnwick\\marrowgate", "Program", "p",
        "HKEY_CURRENT_USER", "Software\\Tarnwick\\marrowgate", "Mode", "P",
        ":",
        ":regremove",
        "HKEY_CLASSES_ROOT\\.mrw", "HKEY_CLASSES_ROOT\\Marrowgate.Document", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick\\marrowgate",
        ":",
    });
  }

  void ExpectBackupsOf(const std::string& edition) {
    const std::string windows = WindowsFolder();
    EXPECT_EQ(ReadFile(windows + "\\config.tup"), "FILES=40 " + edition + "\r\n");
    EXPECT_EQ(ReadFile(windows + "\\autoexec.tup"), "PATH C:\\WINDOWS " + edition + "\r\n");
    EXPECT_EQ(ReadFile(windows + "\\msdos.tup"), "[Paths] " + edition + "\r\n");
  }
};

TEST_F(Journey, FirstInstallShowsTheSampleAndLeavesEveryResult) {
  const demo::Walk walk = Install();
  const std::string windows = WindowsFolder();
  const std::string program = Dest("marrow.exe");
  // The destination holds a blank: Windows is given the program quoted.
  const std::string command = "\"" + program + "\"";

  // What the windows showed.
  EXPECT_EQ(walk.wizard.title, "Marrowgate Desktop 2.1");
  EXPECT_EQ(walk.wizard.version, "2.1");
  EXPECT_EQ(walk.wizard.welcome, "Setup will install Marrowgate Desktop 2.1");
  EXPECT_EQ(walk.wizard.destination, kDest);
  EXPECT_EQ(walk.wizard.startMenu, "Marrowgate");
  EXPECT_EQ(walk.wizard.summaryDestination, kDest);
  EXPECT_EQ(walk.wizard.summaryStartMenu, "Marrowgate");
  EXPECT_EQ(walk.wizard.summaryReadme, "Yes");
  EXPECT_EQ(walk.licence, Shown(ProductText("license.txt")));
  EXPECT_EQ(walk.readme, Shown(ProductText("readme.txt")));
  EXPECT_EQ(walk.exitMessage, "Marrowgate Desktop 2.1 is installed.");
  EXPECT_EQ(walk.question, "Would you like to run Marrowgate Desktop 2.1 now?");
  EXPECT_EQ(walk.exitCode, 0u);

  // Files, under their installed names, byte for byte.
  const struct {
    std::string installed, source;
  } files[] = {
      {program, "MARROW.EX_"},
      {Dest("settings.ini"), "settings.ini"},
      {Dest("readme.txt"), "readme.txt"},
      {Dest("manual.txt"), "manual.txt"},
      {Dest("kofxq11.dll"), "file1.dat"},
      {Dest("samples\\letter.mrw"), "letter.mrw"},
      {windows + "\\twremove.exe", "TWREMOVE.EX_"},
      {windows + "\\system\\qzmnd.386", "file2.dat"},
      {"C:\\Program Files\\Common Files\\tarnwick.txt", "tarnwick.txt"},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.installed);
    const std::string source = ReadFile(Dist(file.source));
    ASSERT_FALSE(source.empty());
    EXPECT_EQ(ReadFile(file.installed), source);
  }
  EXPECT_EQ(ReadFile(Dest("license.txt")), ProductText("license.txt"));
  for (const char* absent : {"MARROW.EX_", "file1.dat", "letter.mrw"}) EXPECT_FALSE(Exists(Dest(absent))) << absent;

  EXPECT_EQ(ReadFile(Dest("unin.ini")), ExpectedRecord());
  EXPECT_EQ(ReadFile(Dest("unin.ini")), PlannedRecord());

  // Registry values.
  const std::string shortDest = ShortPath(kDest);
  ASSERT_FALSE(shortDest.empty());
  const struct {
    HKEY root;
    std::string key, name, value;
  } values[] = {
      {HKEY_CLASSES_ROOT, ".mrw", "", "Marrowgate.Document"},
      {HKEY_CLASSES_ROOT, "Marrowgate.Document\\shell\\open\\command", "", command + " \"%1\""},
      {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marrowgate", "DisplayName",
       "Marrowgate Desktop 2.1"},
      {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marrowgate", "UninstallString",
       windows + "\\twremove.exe " + shortDest},
      {HKEY_LOCAL_MACHINE, kProductKey, "InstallDir", kDest},
      {HKEY_LOCAL_MACHINE, kProductKey, "ShortDir", shortDest},
      {HKEY_LOCAL_MACHINE, kProductKey, "Edition", "Desktop"},
      {HKEY_LOCAL_MACHINE, kProductKey, "Licensed to", "Tarnwick Ltd, Leeds"},
      {HKEY_LOCAL_MACHINE, kProductKey, "Colour", ""},
      {HKEY_LOCAL_MACHINE, kProductKey, "", "Marrowgate Desktop"},
      {HKEY_LOCAL_MACHINE, kProductKey, "HelpFile", Dest("manual.txt")},
      {HKEY_CURRENT_USER, "Software\\Tarnwick\\marrowgate", "Program", program},
      {HKEY_CURRENT_USER, "Software\\Tarnwick\\marrowgate", "Mode", "P"},
      {HKEY_LOCAL_MACHINE, kRunKey, "Marrowgate", command},
      {HKEY_LOCAL_MACHINE, kRunServicesKey, "Marrowgate Service", command},
  };
  for (const auto& v : values) {
    SCOPED_TRACE(v.key + " " + v.name);
    EXPECT_EQ(RegValue(v.root, v.key, v.name), v.value);
  }
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Marrowgate.Legacy"));

  // Profile entries and the path file.
  EXPECT_EQ(Profile("system.ini", "386Enh", "device"), "qzmnd.386");
  EXPECT_EQ(Profile("marrow.ini", "Options", "Sound"), "On");
  EXPECT_EQ(ReadFile(windows + "\\marrowgt.ini"),
            ":run\r\n" + std::string(kDest) + "\r\n" + windows + "\r\n" + ShortPath(program) + "\r\n");

  // Shortcuts, read through the shell's link object.
  const ComApartment com;
  ASSERT_TRUE(com.ok);
  const struct {
    std::string name, target;
    WORD hotKey;
  } links[] = {
      {"Marrowgate.lnk", program, 1613},
      {"Read Me.lnk", Dest("readme.txt"), 0},
      {"Manual.lnk", Dest("manual.txt"), 0},
  };
  for (const auto& link : links) {
    SCOPED_TRACE(link.name);
    testing_support::RawLink read;
    read.hotKey = 0xFFFF;
    ASSERT_TRUE(testing_support::ReadRawLink(Group() + "\\" + link.name, read));
    EXPECT_EQ(read.target, link.target);
    EXPECT_EQ(read.workingDir, Dest(""));
    EXPECT_EQ(read.hotKey, link.hotKey);
  }

  ExpectBackupsOf("first");
}

TEST_F(Journey, SecondInstallKeepsBackupsAndSettingsReplacesRecordAndStartupValues) {
  Install();
  const std::string program = Dest("marrow.exe");
  // The destination holds a blank: Windows is given the program quoted.
  const std::string command = "\"" + program + "\"";
  // Between the two installs: the DOS files change, the user edits the kept
  // settings, the start-up values and the record are changed, and an old
  // driver line is left in system.ini.
  WriteDosFiles("second");
  const std::string userSettings = "[Marrowgate]\r\nLastFile=C:\\letters\\june.mrw\r\n";
  WriteFile(Dest("settings.ini"), userSettings);
  SetRegValue(HKEY_LOCAL_MACHINE, kRunKey, "Marrowgate", "C:\\OLD\\marrow.exe");
  SetRegValue(HKEY_LOCAL_MACHINE, kRunServicesKey, "Marrowgate Service", "C:\\OLD\\marrow.exe");
  WriteFile(Dest("unin.ini"), ExpectedRecord() + "a line of an earlier record\r\n");
  SetFileAttributesA(Dest("unin.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(WritePrivateProfileStringA("386Enh", "olddevice", "C:\\OLD\\qzmnd.386", "system.ini"));

  const demo::Walk second = Install();
  // The group made by the first install is now among the choices.
  const std::vector<std::string>& choices = second.wizard.startMenuChoices;
  EXPECT_NE(std::find(choices.begin(), choices.end(), "Marrowgate"), choices.end());

  ExpectBackupsOf("first");
  EXPECT_EQ(ReadFile(Dest("settings.ini")), userSettings);
  EXPECT_EQ(ReadFile(Dest("unin.ini")), ExpectedRecord());
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRunKey, "Marrowgate"), command);
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, kRunServicesKey, "Marrowgate Service"), command);
  EXPECT_EQ(Profile("system.ini", "386Enh", "olddevice"), "(none)");
  EXPECT_EQ(Profile("system.ini", "386Enh", "device"), "qzmnd.386");
  EXPECT_EQ(ReadFile(program), ReadFile(Dist("MARROW.EX_")));
}

}  // namespace
