// `setupkit plan` against the real setup.exe: for the same inputs its record
// must be byte for byte the unin.ini that the install writes. Scripts are
// generated from a fixed seed; every one of them passes `setupkit check`
// without errors and must then install to the end without an error box.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "driver.h"
#include "kit/check.h"
#include "kit/plan.h"
#include "script/lines.h"
#include "setup_run.h"

namespace {

using Lines = std::vector<std::string>;

// One generated product: its script and the files its folder must hold.
struct Product {
  Lines script;
  Lines files;
};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  Product Make(int n) {
    Product p;
    const std::string id = std::to_string(n);
    p.script = {"\\Gen" + id, Pick({"Gen " + id, "Gen\\Sub " + id}), "Generated product " + id};
    if (Chance(2)) Add(p.script, {"Version", "1." + id});
    Lines programs;
    Lines files = {":files"};
    const int blocks = 1 + Below(4);
    for (int b = 0; b < blocks; ++b) {
      const std::string directive = Pick({"-install", ":install", "-win", ":win\\system", "-C:\\gen\\common\\"});
      files.push_back(directive);
      const int count = Below(5);
      for (int f = 0; f < count; ++f) {
        const std::string name = FileName(n, b, f);
        files.push_back(name);
        p.files.push_back(name);
        if (directive.find("install") != std::string::npos && name.back() != 't') programs.push_back(name);
      }
    }
    if (Chance(3)) {  // the removal program, as the sample installs it
      Add(files, {"-win", "TWREMOVE.EX_"});
      p.files.push_back("TWREMOVE.EX_");
    }
    files.push_back(":");
    if (Chance(5)) Add(files, {":files", "-install", "IGNORED.TXT", ":"});  // a second ":files" is not read
    // Without ":files" nothing is copied and no shortcut is made, ":exe" or not.
    if (Chance(6)) p.files.clear(); else Add(p.script, files);
    if (!programs.empty() && Chance(2)) Add(p.script, {":keep", Restored(programs.front()), ":"});

    Lines exe = {":exe"};
    const int pairs = programs.empty() ? 0 : Below(4);
    for (int k = 0; k < pairs; ++k)
      Add(exe, {Pick({"App " + std::to_string(k), "*05Tools1614", "*04Edit", "*05Notes16x4", "Same"}),
                Restored(programs[Below(static_cast<int>(programs.size()))])});
    exe.push_back(":");
    if (pairs > 0 || Chance(2)) Add(p.script, exe);
    const bool hasProgram = pairs > 0;
    const bool hasUnin = Chance(2);
    if (hasUnin) Add(p.script, {":unin", "twremove.exe", ":"});

    for (const char* marker : {":reg", ":reg1"}) {
      if (!Chance(2)) continue;
      Lines reg = {marker};
      const int entries = 1 + Below(4);
      for (int e = 0; e < entries; ++e) {
        Lines codes = {"plain text " + std::to_string(e), "r", "s"};
        if (hasProgram) codes.insert(codes.end(), {"p", "P"});
        if (hasUnin) codes.push_back("u");
        Add(reg, {Pick({"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"}), "Software\\GenKit\\" + id,
                  Pick({"Name" + std::to_string(e), "**", ""}), Pick(codes)});
      }
      reg.push_back(":");
      Add(p.script, reg);
    }
    if (Chance(2))  // both forms of a key; an empty line is not recorded
      Add(p.script, {":regremove", "HKEY_CURRENT_USER\\Software\\GenKit\\" + id, "", "HKEY_LOCAL_MACHINE",
                     "Software\\GenKit\\" + id, ":"});
    if (Chance(3)) {
      Add(p.script, {":extra", "extra.dat", "samples"});
      p.files.push_back("extra.dat");
    }
    if (Chance(3)) Add(p.script, {":system.ini", "genkit.ini", "Gen", "Key" + id, "On", ":"});
    if (Chance(3)) Add(p.script, {":delreg", "GenKit.Old" + id, ":"});
    return p;
  }

 private:
  int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  bool Chance(int n) { return Below(n) == 0; }
  std::string Pick(const Lines& from) { return from[Below(static_cast<int>(from.size()))]; }
  static void Add(Lines& to, const Lines& more) { to.insert(to.end(), more.begin(), more.end()); }

  std::string FileName(int n, int block, int f) {
    const std::string tag = std::to_string(n) + "_" + std::to_string(block) + std::to_string(f);
    switch (Below(6)) {
      case 0: return "P" + tag + ".EX_";
      case 1: return "L" + tag + ".DL_";
      case 2: return "file" + std::to_string(1 + Below(5)) + ".dat";
      case 3: return "R" + tag + ".TX_";
      default: return "doc" + tag + ".txt";
    }
  }
  // The installed name, which is what ":exe" names.
  static std::string Restored(const std::string& name) {
    if (name.back() != '_') return name;
    std::string restored = script::LowerAscii(name.substr(0, name.size() - 1));
    if (restored.size() > 3 && restored.compare(restored.size() - 3, 3, ".ex") == 0) restored += 'e';
    if (restored.size() > 3 && restored.compare(restored.size() - 3, 3, ".dl") == 0) restored += 'l';
    return restored;
  }

  std::mt19937 random_;
};

kit::FileSet DistOf(const Product& p) {
  kit::FileSet files;
  for (const std::string& name : p.files) files.Add(name);
  return files;
}

// Installs the product with the real setup.exe and compares its unin.ini
// with the plan's record.
void InstallAndCompare(const std::string& name, const std::string& scriptText, const kit::FileSet& dist,
                       const std::vector<std::string>& files) {
  SCOPED_TRACE(name + ":\n" + scriptText);
  driver::SetupRun run(name);
  run.AddFile("setup.ini", scriptText);
  for (const std::string& file : files) run.AddFile(file, "content of " + file + "\r\n");
  const std::string destination = "C:\\gen\\dest\\" + name;
  run.Start();
  run.Install(destination);
  ASSERT_TRUE(run.WaitForExit(30000)) << driver::OpenMessages(run.Pid());

  kit::Machine machine;
  machine.destination = destination;
  machine.windows = driver::WindowsFolder();
  machine.programs = driver::ProgramsFolder();
  const kit::Plan plan = kit::MakePlan(scriptText, machine, dist);
  ASSERT_EQ(plan.stop, "");
  EXPECT_EQ(driver::ReadFile(destination + "\\unin.ini"), script::JoinLines(plan.record));
}

TEST(PlanRecord, GeneratedScriptsMatchTheRealInstall) {
  CreateDirectoryA("C:\\gen", nullptr);
  CreateDirectoryA("C:\\gen\\common", nullptr);
  CreateDirectoryA("C:\\gen\\dest", nullptr);
  Generator generate(20261208);
  for (int n = 0; n < 50; ++n) {
    const Product p = generate.Make(n);
    const std::string text = script::JoinLines(script::Lines(p.script));
    const kit::FileSet dist = DistOf(p);
    const auto found = kit::CheckScript(text, dist);
    for (const kit::Diagnostic& d : found)
      ASSERT_NE(d.severity, kit::Severity::Error) << kit::Format(d) << "\n" << text;
    InstallAndCompare("gen" + std::to_string(n), text, dist, p.files);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
