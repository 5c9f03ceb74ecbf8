// What setupkit plan says an install does, against what the engine did, as
// its journal tells: the sample and fifty generated scripts, each installed
// by setup.exe /S.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "demo/layout.h"
#include "driver.h"
#include "install/plan/journal_format.h"
#include "kit/layout.h"
#include "kit/plan.h"
#include "script/lines.h"
#include "setup_run.h"

namespace {

using namespace driver;

// The journal's lines as the plan names them: kind and the fields that name
// the thing; the folders made, what a thing held before and what it holds
// after left out.
std::vector<std::string> JournalNames(const std::string& text) {
  std::vector<std::string> names;
  for (const std::string& line : script::SplitLines(text)) {
    const auto fields = install::SplitJournalLine(line);
    if (!fields || fields->kind == 'S' || fields->kind == 'D' || fields->kind == 'C' || fields->kind == 'W') continue;
    const std::size_t count = fields->kind == 'P' || fields->kind == 'V' ? 3 : 1;
    std::string name(1, fields->kind);
    for (std::size_t i = 0; i < count && i < fields->fields.size(); ++i) name += "\t" + fields->fields[i];
    names.push_back(name);
  }
  return names;
}

// Installs the distribution in `folder` with /S and compares.
void InstallAndCompare(const std::string& folder, const std::string& destination) {
  const std::string script = ReadFile(folder + "\\setup.ini");
  kit::Machine machine;
  machine.destination = destination;
  machine.windows = WindowsFolder();
  machine.programs = ProgramsFolder();
  const kit::Plan plan = kit::MakePlan(script, machine, kit::ListFolder(folder), ReadFile(folder + "\\config.cfg"));
  const std::string log = folder + "\\install.log";
  const SilentRun run =
      RunSilently(folder + "\\setup.exe", "/S /ACCEPTLICENSE /LOG=" + log + " /D=\"" + destination + "\"", folder);
  ASSERT_TRUE(run.ended);
  ASSERT_FALSE(plan.journal.empty()) << plan.steps;
  EXPECT_EQ(run.exitCode == 4, !plan.stop.empty()) << ReadFile(log);
  EXPECT_EQ(JournalNames(ReadFile(destination + "\\unin.jnl")), plan.journal) << plan.steps << ReadFile(log);
}

// A small deterministic generator, the same on every run.
class Random {
 public:
  explicit Random(unsigned seed) : state_(seed * 2654435761u + 1) {}
  unsigned Below(unsigned n) {
    state_ = state_ * 1103515245u + 12345u;
    return (state_ >> 16) % n;
  }
  bool Chance(unsigned percent) { return Below(100) < percent; }

 private:
  unsigned state_;
};

// A script with some of every section, now and then one cut short, and its files.
void Generate(unsigned seed, SetupRun& dist) {
  Random r(seed);
  const std::string id = std::to_string(seed);
  script::Lines s{"\\Gen" + id, "Gen " + id, "Generated " + id, ":files", "-install"};
  std::vector<std::string> programs;
  for (unsigned i = 0, n = 1 + r.Below(4); i < n; ++i) {
    const std::string name = "g" + id + "_" + std::to_string(i) + ".txt";
    programs.push_back(name);
    s.add(name);
    dist.AddFile(name, "file " + name);
  }
  if (r.Chance(40)) {
    s.add(":win\\system");
    s.add("gen" + id + ".dll");
    dist.AddFile("gen" + id + ".dll", "shared " + id);
  }
  s.add(":");
  if (r.Chance(30)) {
    s.add(":keep");
    s.add(programs[0]);
    s.add(":");
  }
  if (r.Chance(50)) {
    s.add(":system.ini");
    for (unsigned i = 0, n = 1 + r.Below(2); i < n; ++i)
      for (const std::string& line : {"gen" + id + ".ini", std::string("Options"), "Key" + std::to_string(i), id})
        s.add(line);
    if (r.Chance(15)) s.add("cut.ini");
    s.add(":");
  }
  s.add(":exe");
  for (unsigned i = 0, n = r.Below(3); i < n; ++i) {
    s.add(r.Chance(30) ? "*05Hot" + std::to_string(i) + (r.Chance(50) ? "1606" : "16x6") : "Program " + std::to_string(i));
    s.add(programs[r.Below(static_cast<unsigned>(programs.size()))]);
  }
  s.add(":");
  if (r.Chance(60)) {
    s.add(":unin");
    s.add("twremove.exe");
    s.add(":");
  }
  const char* roots[] = {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_CLASSES_ROOT", "HKCU"};
  const char* data[] = {"r", "s", "p", "u", "plain text"};
  for (const char* section : {":reg", ":reg1"}) {
    if (!r.Chance(70)) continue;
    s.add(section);
    for (unsigned i = 0, n = 1 + r.Below(3); i < n; ++i) {
      const char* root = roots[r.Chance(90) ? r.Below(3) : 3];
      for (const std::string& line : {std::string(root), std::string(root[5] == 'C' && root[6] == 'L' ? "Gen" : "Software\\Gen") + id,
                                      r.Chance(20) ? std::string("**") : "v" + std::to_string(i), std::string(data[r.Below(5)])})
        s.add(line);
    }
    if (r.Chance(10)) s.add("HKEY_CURRENT_USER");
    s.add(":");
  }
  if (r.Chance(30)) {
    s.add(":delreg");
    s.add("Gen" + id + ".Old");
    s.add(":");
  }
  if (r.Chance(40)) {
    s.add(":ini");
    for (const std::string& line : {"gen" + id + ".pth", std::string(">"), "~\\" + programs[0]}) s.add(line);
    s.add(":");
  }
  if (r.Chance(30)) {
    s.add(":extra");
    s.add("extra" + id + ".txt");
    s.add("more");
    dist.AddFile("extra" + id + ".txt", "extra");
  }
  if (r.Chance(30)) {
    s.add(":runstart");
    s.add("Gen " + id);
  }
  if (r.Chance(30)) dist.AddFile("config.cfg", "Marrowgate\r\nGen" + id + ",on\r\n");
  if (r.Chance(20)) dist.AddFile("license.ini", "Terms " + id + "\r\n");
  dist.AddFile("setup.ini", script::JoinLines(s));
}

TEST(PlanAndJournal, TheSampleInstallsAsPlanned) {
  ASSERT_NO_THROW(demo::LayOutSample(DEMO_PRODUCT, BUILD_FOLDER, "C:\\dist\\sample"));
  InstallAndCompare("C:\\dist\\sample", "C:\\Program Files\\Marrowgate");
}

// Fifty scripts, ten to a test so that each stays within its time.
class GeneratedScripts : public ::testing::TestWithParam<unsigned> {};

TEST_P(GeneratedScripts, InstallAsPlanned) {
  for (unsigned seed = GetParam() * 10 + 1; seed <= GetParam() * 10 + 10; ++seed) {
    SCOPED_TRACE("script " + std::to_string(seed));
    SetupRun dist("gen" + std::to_string(seed));
    Generate(seed, dist);
    InstallAndCompare(dist.Folder(), "C:\\Gen\\" + std::to_string(seed));
  }
}

INSTANTIATE_TEST_SUITE_P(PlanAndJournal, GeneratedScripts, ::testing::Range(0u, 5u));

}  // namespace
