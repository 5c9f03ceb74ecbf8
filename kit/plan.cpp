#include "kit/plan.h"

#include <type_traits>

#include "install/plan/data_codes.h"
#include "install/plan/file_rules.h"
#include "install/plan/journal_format.h"
#include "install/plan/path_file_lines.h"
#include "install/plan/paths.h"
#include "install/plan/install_plan.h"
#include "install/plan/registry_rules.h"
#include "kit/diagnostics.h"
#include "kit/disk_set.h"
#include "platform/path_chars.h"
#include "script/unscramble.h"
#include "setup/wizard_rules.h"

namespace kit {

namespace {

std::string MachineKey(const std::string& path) { return "HKEY_LOCAL_MACHINE\\" + path; }

std::string ValueName(const std::string& name) { return name.empty() ? "(default)" : Quoted(name); }

// The engine's plan told for people: one line per step, the steps of one
// kind under a heading of their own.
class PlanText {
 public:
  PlanText(const Machine& machine, const FileSet& dist, std::string_view settings)
      : m_(machine), dist_(dist), settings_(settings) {}

  void Steps(const std::vector<install::Step>& steps) {
    for (const install::Step& step : steps) std::visit([this](const auto& s) { Tell(s); }, step);
  }
  std::string text;
  std::string stop;
  std::vector<std::string> journal;

 private:
  void Journal(char kind, std::initializer_list<std::string> fields) {
    std::string line(1, kind);
    for (const std::string& field : fields) line += "\t" + field;
    journal.push_back(line);
  }
  void JournalValue(const std::string& root, const std::string& key, const std::string& name) {
    if (install::RootKeyIndex(root)) Journal('V', {root, install::JournalKeyPath(key), name});
  }
  void Head(const std::string& line) {
    text += line + "\n";
    heading_.clear();
  }
  // Items under `heading`, which is written before the first of them.
  void Item(const std::string& heading, const std::string& line) {
    if (heading_ != heading) Head(heading);
    heading_ = heading;
    text += "  " + line + "\n";
  }

  void Tell(const install::step::Backup& b) {
    Item("Backups of the start-up files, each unless its backup exists:", b.file + " -> " + b.backup);
  }
  void Tell(const install::step::RunningCheck& c) { Head("Refused while a window titled " + Quoted(c.windowTitle) + " is open"); }
  void Tell(const install::step::MissingChoice& c) { Head("Refused: " + c.text); }
  void Tell(const install::step::DestinationFolder& f) { Head("Destination folder " + f.path + ", made with its parents"); }
  void Tell(const install::step::Licence& l) {
    Head("license.ini shown for acceptance, then written to " + l.copy);
    Journal('F', {l.copy});
  }
  void Tell(const install::step::SpaceCheck&) { Head("Free space checked for the files below"); }
  void Tell(const install::step::DriverLines& d) { Head("Lines holding \"qzmnd\" removed from " + d.systemIni); }
  void Tell(const install::step::ListedFile& copy) {
    const install::FileStep& file = copy.file;
    std::string notes;
    if (install::InstalledName(file.line) != file.line) notes += " (installed name)";
    if (copy.keptWhenThere) notes += " (kept when it exists)";
    if (copy.shared) notes += copy.journaled ? " (shared: a newer version there stays; use count +1)"
                                             : " (shared: a newer version there stays)";
    if (!dist_.Contains(file.line)) notes += " (missing: asks for the next disk)";
    if (dist_.Compressed(file.line)) notes += " (compressed: expanded while copied)";
    if (const std::vector<int> disks = dist_.Disks(file.line); !disks.empty()) {
      const int disk = drive_.Read(disks);
      notes += disk ? " (from disk " + std::to_string(disk) + ")" : " (on an earlier disk only: Error copying)";
    }
    if (!file.recorded) notes += " (not recorded)";
    Item("Files copied:", file.line + " -> " + file.target + notes);
    if (!copy.journaled) return;
    Journal('F', {file.target});
    if (copy.shared) Journal('N', {file.target});
  }
  void Tell(const install::step::GroupFolder& g) {
    Head("Start Menu folder " + g.path + ", made with its parents");
    Journal('G', {g.path});
  }
  void Tell(const install::step::ProfileWrite& w) {
    const install::ProfileEntry& e = w.entry;
    Item("Profile entries:", e.file + " [" + e.section + "] " + e.key + "=" + e.value);
    Journal('P', {e.file, e.section, e.key});
  }
  void Tell(const install::step::Status&) {}
  void Tell(const install::step::Shortcut& s) {
    std::string line = s.pair.base + ".lnk -> " + s.pair.target + ", in " + install::WorkingFolder(s.pair.target);
    const auto word = install::HotKeyWord(s.pair.hotKeyText);
    if (!s.pair.hotKeyText.empty())
      line += word ? ", hot key " + std::to_string(*word) : ", none: hot key is not a number";
    Item("Shortcuts:", line);
    if (s.pair.hotKeyText.empty() || word) Journal('L', {s.pair.base + ".lnk"});
  }
  void Tell(const install::step::ExtraFile& e) {
    Head("Extra file " + e.source.substr(e.source.rfind('\\') + 1) + " -> " + e.target);
    Journal('F', {e.target});
  }
  void Tell(const install::step::SaveRecord& r) { Head("Uninstall record " + r.path + " (below)"); }
  void Tell(const install::step::PathFile& p) {
    script::Lines lines;
    install::FillPathFile(lines, p.iniLines, p.windows, p.destination, [&](const std::string& path) {
      return path.compare(0, p.destination.size(), p.destination) == 0
                 ? m_.shortDestination + path.substr(p.destination.size())
                 : path;
    });
    Head("Path file " + p.path + ":");
    Journal('F', {p.path});
    for (const std::string& line : lines) text += "  " + line + "\n";
  }
  void Tell(const install::step::RegistryValue& v) {
    Item("Registry values:", install::RootKeyIndex(v.root)
                                 ? install::InFolder(v.root, v.key) + " " + ValueName(v.name) + " = " + Quoted(install::WithShortDestination(v.data, m_.shortDestination))
                                 : "skipped, unknown root key " + Quoted(v.root));
    JournalValue(v.root, v.key, v.name);
  }
  // config.cfg's settings, imported only when it is the product's own.
  void Tell(const install::step::ImportSettings&) {
    const script::Lines lines = script::SplitLines(settings_);
    if (lines.empty()) return;
    if (!install::IsProductSettings(lines)) return Head("config.cfg ignored: it is not the product's settings file");
    for (std::size_t i = 1; i < lines.size(); ++i) {
      const install::Setting setting = install::SplitSetting(lines.at(i));
      Item("Settings from config.cfg:",
           MachineKey(install::kProductKey) + " " + ValueName(setting.name) + " = " + Quoted(setting.text));
      JournalValue("HKEY_LOCAL_MACHINE", install::kProductKey, setting.name);
    }
  }
  void Tell(const install::step::DeleteClassesKey& k) { Head("Key deleted: HKEY_CLASSES_ROOT\\" + k.path); }
  void Tell(const install::step::StartupEntry& e) {
    Head("Start-up entry " + MachineKey(e.key) + " " + Quoted(e.name) + " = " + Quoted(e.command));
    JournalValue("HKEY_LOCAL_MACHINE", e.key, e.name);
  }
  void Tell(const install::step::Readme&) {
    if (dist_.Contains("readme.txt")) Head("readme.txt shown when the user asked for it");
  }
  void Tell(const install::step::Message& m) { Head("Message: " + m.text); }
  void Tell(const install::step::DeleteLicenceCopy&) {}
  void Tell(const install::step::Stop& s) { stop = s.text; }
  void Tell(const install::step::LateValue& v) {
    Head("Late value " + MachineKey(v.key) + " " + Quoted(v.name) + " = " + Quoted(v.value));
  }
  void Tell(const install::step::FinishingQuestion& q) {
    if (q.restart)
      Head("Windows restart offered");
    else if (!q.runProgram.empty())
      Head("Offered to run " + install::InFolder(q.destination, q.runProgram));
  }

  const Machine& m_;
  const FileSet& dist_;
  std::string_view settings_;
  Drive drive_;
  std::string heading_;
};

}  // namespace

Plan MakePlan(std::string_view text, Machine m, const FileSet& dist, std::string_view settings) {
  script::Lines script = script::SplitLines(text);
  if (script::IsScrambled(script)) script::Unscramble(script);
  if (m.destination.empty()) m.destination = setup::DefaultDestination(script.size() ? script.at(0) : "");
  m.destination = platform::WithoutTrailingBackslash(m.destination);
  if (m.windows.empty()) m.windows = "C:\\WINDOWS";
  if (m.programs.empty()) m.programs = m.windows + "\\Start Menu\\Programs";
  if (m.startMenu.empty() && script.size() > 1) m.startMenu = script.at(1);
  if (m.shortDestination.empty()) m.shortDestination = m.destination;

  install::MachineFacts facts;
  facts.windows = m.windows;
  facts.programsFolder = m.programs;
  facts.licenceThere = dist.Contains("license.ini");
  facts.lastCharacterOf = [&dist](const std::string& line) { return dist.LastCharacter(line); };
  const install::InstallPlan engine = install::MakeInstallPlan(script, {m.destination, m.startMenu, true}, facts);

  PlanText out(m, dist, settings);
  const setup::Brand brand = setup::WizardBrand(script);
  out.text += "Wizard title " + Quoted(brand.title) + ", subtitle " + Quoted(brand.subtitle) +
              ", destination page: " + Quoted(brand.destinationText) + "\n";
  out.Steps(engine.before);
  if (out.stop.empty()) out.Steps(engine.pass);
  if (out.stop.empty()) out.Steps(engine.after);
  return {out.text, engine.record, out.stop, out.journal};
}

}  // namespace kit
