#include "kit/plan.h"

#include "install/data_codes.h"
#include "install/file_list.h"
#include "kit/disk_set.h"
#include "install/file_rules.h"
#include "install/path_file_lines.h"
#include "install/paths.h"
#include "install/registry_rules.h"
#include "install/shortcut_names.h"
#include "install/uninstall_record.h"
#include "kit/diagnostics.h"
#include "platform/path_chars.h"
#include "script/sections.h"
#include "script/unscramble.h"
#include "setup/wizard_rules.h"

namespace kit {

namespace {

class Steps {
 public:
  void Head(const std::string& text) { text_ += text + "\n"; }
  void Item(const std::string& text) { text_ += "  " + text + "\n"; }
  std::string text_;
};

void RegistryEntries(Steps& out, const char* title, const script::Lines& list, install::CodeSet set,
                     const install::CodeInputs& codes) {
  if (list.empty()) return;
  out.Head(title);
  for (std::size_t i = 0; i < list.size(); i += 4) {
    const install::RegEntry entry = install::ReadRegEntry(list, i);
    const std::string value = entry.valueName.empty() ? "(default)" : Quoted(entry.valueName);
    const std::string data = install::ExpandDataCode(entry.data, set, codes);
    out.Item(install::RootKeyIndex(entry.root)
                 ? install::InFolder(entry.root, entry.path) + " " + value + " = " + Quoted(data)
                 : "skipped, unknown root key " + Quoted(entry.root));
  }
}

void Files(Steps& out, const install::FileList& walk, const script::Lines& lbKeep, const FileSet& dist,
           const std::string& destination) {
  out.Head("Files copied:");
  const install::KeepList keep(lbKeep);
  Drive drive;
  for (const install::FileStep& step : walk.steps) {
    std::string notes;
    if (install::InstalledName(step.line) != step.line) notes += " (installed name)";
    if (keep.Contains(install::ExtractFileName(step.target))) notes += " (kept when it exists)";
    if (!install::InsideFolder(step.target, destination)) {
      notes += " (shared: a newer version there stays";
      notes += install::IsJournaled(install::ExtractFileName(step.target)) ? "; use count +1)" : ")";
    }
    if (!dist.Contains(step.line)) notes += " (missing: asks for the next disk)";
    if (dist.Compressed(step.line)) notes += " (compressed: expanded while copied)";
    if (const std::vector<int> disks = dist.Disks(step.line); !disks.empty()) {
      const int disk = drive.Read(disks);
      notes += disk ? " (from disk " + std::to_string(disk) + ")" : " (on an earlier disk only: Error copying)";
    }
    if (!step.recorded) notes += " (not recorded)";
    out.Item(step.line + " -> " + step.target + notes);
  }
}

void Shortcuts(Steps& out, const std::string& group, const std::string& destination, const script::Lines& exe) {
  out.Head("Shortcuts in " + group + ":");
  for (std::size_t k = 0; k < install::PairCount(exe); ++k) {
    const auto pair = install::ReadPair(group, destination, exe.at(2 * k), exe.at(2 * k + 1));
    if (!pair) {
      out.Item(Quoted(exe.at(2 * k)) + ": none, the caption line names no shortcut");
      continue;
    }
    std::string text = pair->base + ".lnk -> " + pair->target + ", in " + install::WorkingFolder(pair->target);
    if (!pair->hotKeyText.empty()) {
      const auto word = install::HotKeyWord(pair->hotKeyText);
      text += word ? ", hot key " + std::to_string(*word) : ", none: hot key is not a number";
    }
    out.Item(text);
  }
}

std::string MachineKey(const std::string& path) { return "HKEY_LOCAL_MACHINE\\" + path; }

// config.cfg's settings, imported only when it is the product's own.
void Settings(Steps& out, std::string_view text) {
  const script::Lines lines = script::SplitLines(text);
  if (lines.empty()) return;
  if (!install::IsProductSettings(lines)) {
    out.Head("config.cfg ignored: it is not the product's settings file");
    return;
  }
  out.Head("Settings from config.cfg:");
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const install::Setting setting = install::SplitSetting(lines.at(i));
    out.Item(MachineKey(install::kProductKey) + " " + (setting.name.empty() ? "(default)" : Quoted(setting.name)) +
             " = " + Quoted(setting.text));
  }
}

void Run(Steps& out, const script::Lines& script, const Machine& m, const FileSet& dist, std::string_view settings,
         Plan& plan) {
  const std::string& title = script.at(2);
  const script::Sections lists = script::ReadSections(script);
  const std::string group = install::JoinPath(m.programs, m.startMenu);
  const install::FileList walk = install::WalkFileList(
      lists.files, m.windows, m.destination, [&dist](const std::string& line) { return dist.LastCharacter(line); });
  const install::CodeInputs codes{m.destination, m.shortDestination, m.windows, lists.exe, lists.uninst};

  const setup::Brand brand = setup::WizardBrand(script);
  out.Head("Wizard title " + Quoted(brand.title) + ", subtitle " + Quoted(brand.subtitle) + ", destination page: " +
           Quoted(brand.destinationText));
  out.Head("Backups of the start-up files, each unless its backup exists:");
  for (const setup::SystemFileBackup& row : setup::kSystemFileBackups)
    out.Item(std::string(row.file) + " -> " + install::InFolder(m.windows, row.backup));
  if (!lists.windowTitle.empty()) out.Head("Refused while a window titled " + Quoted(lists.windowTitle) + " is open");
  out.Head("Destination folder " + m.destination + ", made with its parents");
  if (dist.Contains("license.ini"))
    out.Head("license.ini shown for acceptance, then written to " + install::InFolder(m.destination, "license.txt"));
  out.Head("Lines holding \"qzmnd\" removed from " + install::InFolder(m.windows, "system.ini"));
  if (!lists.files.empty()) {
    Files(out, walk, lists.lbKeep, dist, m.destination);
    out.Head("Start Menu folder " + group + ", made with its parents");
    if (!lists.systemini.empty()) out.Head("Profile entries:");
    for (std::size_t s = 0; s < lists.systemini.size(); s += 4)
      out.Item(lists.systemini.at(s) + " [" + lists.systemini.at(s + 1) + "] " + lists.systemini.at(s + 2) + "=" +
               lists.systemini.at(s + 3));
    Shortcuts(out, group, m.destination, lists.exe);
  }
  if (!lists.extraFile.empty())
    out.Head("Extra file " + lists.extraFile + " -> " +
             install::InFolder(install::InFolder(m.destination, lists.extraFolder), lists.extraFile));
  plan.record = install::BuildUninstallRecord(title, lists, group, walk).lines;
  out.Head("Uninstall record " + install::InFolder(m.destination, "unin.ini") + " (below)");
  if (lists.iniwin.size() >= 2) {
    script::Lines lines;
    install::FillPathFile(lines, lists.iniwin, m.windows, m.destination, [&](const std::string& path) {
      return path.compare(0, m.destination.size(), m.destination) == 0
                 ? m.shortDestination + path.substr(m.destination.size())
                 : path;
    });
    out.Head("Path file " + install::InFolder(m.windows, lists.iniwin.at(0)) + ":");
    for (const std::string& line : lines) out.Item(line);
  }
  RegistryEntries(out, "Registry values (\":reg\"):", lists.reg, install::CodeSet::Reg, codes);
  RegistryEntries(out, "Registry values (\":reg1\"):", lists.reg1, install::CodeSet::Reg1, codes);
  Settings(out, settings);
  for (const std::string& key : lists.delreg)
    out.Head(install::NamesSubkey(key) ? "Key deleted: HKEY_CLASSES_ROOT\\" + key
                                       : "Skipped \":delreg\" line " + Quoted(key));
  if (!lists.runServices.empty())
    out.Head("Start-up entry " + MachineKey(install::kRunServicesKey) + " " + Quoted(lists.runServices) + " = " +
             Quoted(install::ProgramCommand(m.destination, lists.exe)));
  if (!lists.runStart.empty())
    out.Head("Start-up entry " + MachineKey(install::kRunKey) + " " + Quoted(lists.runStart) + " = " +
             Quoted(install::ProgramCommand(m.destination, lists.exe)));
  if (dist.Contains("readme.txt")) out.Head("readme.txt shown when the user asked for it");
  if (!lists.exitMessage.empty()) out.Head("Message: " + lists.exitMessage);
  if (lists.regadd.size() >= 3)
    out.Head("Late value " + MachineKey(lists.regadd.at(0)) + " " + Quoted(lists.regadd.at(1)) + " = " +
             Quoted(install::InFolder(m.destination, lists.regadd.at(2))));
  if (lists.rebootRequested)
    out.Head("Windows restart offered");
  else if (!lists.runProgram.empty())
    out.Head("Offered to run " + install::InFolder(m.destination, lists.runProgram));
}

}  // namespace

Plan MakePlan(std::string_view text, Machine m, const FileSet& dist, std::string_view settings) {
  script::Lines script = script::SplitLines(text);
  if (script::IsScrambled(script)) script::Unscramble(script);
  Plan plan;
  Steps out;
  try {
    if (m.destination.empty()) m.destination = setup::DefaultDestination(script.at(0));
    m.destination = platform::WithoutTrailingBackslash(m.destination);
    if (m.windows.empty()) m.windows = "C:\\WINDOWS";
    if (m.programs.empty()) m.programs = m.windows + "\\Start Menu\\Programs";
    if (m.startMenu.empty()) m.startMenu = script.at(1);
    if (m.shortDestination.empty()) m.shortDestination = m.destination;
    Run(out, script, m, dist, settings, plan);
  } catch (const script::ListIndexError& error) {
    plan.stop = error.what();
  }
  plan.steps = out.text_;
  return plan;
}

}  // namespace kit
