#include "kit/check.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "install/plan/data_codes.h"
#include "install/plan/file_list.h"
#include "install/plan/file_rules.h"
#include "install/plan/path_file_lines.h"
#include "install/plan/paths.h"
#include "install/plan/entries.h"
#include "install/plan/registry_rules.h"
#include "install/plan/shortcut_names.h"
#include "kit/disk_set.h"
#include "platform/path_chars.h"
#include "script/markers.h"
#include "script/reader.h"
#include "script/unscramble.h"
#include "setup/wizard_rules.h"

namespace kit {

namespace {

namespace marker = script::marker;

// "1 line", "3 lines".
std::string LineCount(std::size_t n) { return std::to_string(n) + (n == 1 ? " line" : " lines"); }

// Stand-ins for the folders that only the user's machine knows; no script
// line can hold them.
const std::string kWindows = "\001windows";
const std::string kDestination = "\001destination";


// A list section as read, with the script index of every entry.
struct List {
  script::Lines items;
  std::vector<std::size_t> at;
  std::optional<std::size_t> marker;
  std::optional<std::size_t> end;  // the closing ":" line
};

class Checker {
 public:
  Checker(std::string_view text, const FileSet& dist) : dist_(dist) {
    script_ = script::SplitLines(text);
    if (script::IsScrambled(script_)) script::Unscramble(script_);
  }

  std::vector<Diagnostic> Run() {
    LineEnds();
    Header();
    for (std::string_view m : marker::kLists) ReadList(m);
    ValueMarkers();
    NearMarkers();
    Files();
    Extra();
    if (dist_.IsDiskSet()) DiskOrder();
    Keep();
    CutShort(marker::kSystemIni, install::ReadProfileEntries(Get(marker::kSystemIni).items), "file, section, key, value");
    Registry(marker::kReg, install::CodeSet::Reg);
    Registry(marker::kReg1, install::CodeSet::Reg1);
    RegAdd();
    RegRemove();
    DelReg();
    Exe();
    Unin();
    Ini();
    StartupEntries();
    RunProgram();
    Unread();
    std::stable_sort(out_.begin(), out_.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    return out_;
  }

 private:
  void Report(Severity severity, std::size_t index, std::string text) {
    out_.push_back({"setup.ini", index + 1, severity, std::move(text)});
  }
  void Error(std::size_t index, std::string text) { Report(Severity::Error, index, std::move(text)); }
  void Warning(std::size_t index, std::string text) { Report(Severity::Warning, index, std::move(text)); }
  std::size_t Last() const { return script_.empty() ? 0 : script_.size() - 1; }

  // The loader splits only at CR LF: a lone LF or CR stays inside the line.
  void LineEnds() {
    for (std::size_t i = 0; i < script_.size(); ++i)
      if (script_.at(i).find_first_of("\r\n") != std::string::npos)
        Warning(i,
                "line end other than CR LF: setup.exe splits lines only at CR LF, so the text after it is "
                "read as part of this line");
  }

  void Header() {
    if (script_.size() < 3)
      Error(Last(), "the script has " + LineCount(script_.size()) +
                        "; it needs at least three: destination sub-path, Start Menu folder, product title");
    else if (script_.at(0).empty())
      Warning(0,
              "line 1, the destination sub-path, is empty; the default destination is then "
              "\"C:\\Program Files\" alone");
    else if (script_.at(0).find(':') != std::string::npos)
      Error(0, "line 1, the destination sub-path, holds \":\"; it is appended to \"C:\\Program Files\", giving " +
                   Quoted(setup::DefaultDestination(script_.at(0))) +
                   ", and the install makes a folder of that name; write only the part after \"C:\\Program Files\", "
                   "such as \"\\My App\"");
    else if (script_.at(0)[0] != '\\')
      Warning(0, "line 1, the destination sub-path, does not begin with \"\\\"; it is appended to \"C:\\Program "
                 "Files\" as it is, giving " +
                     Quoted(setup::DefaultDestination(script_.at(0))) + "; write " + Quoted("\\" + script_.at(0)));
    if (script_.empty()) return;
    const std::string& last = script_.at(Last());
    if (last == "Version" || last == "version")
      Error(Last(), Quoted(last) + " is the last line; the version text must follow it");
    if (last == marker::kWindow) Error(Last(), "\":window\" is the last line; the main window's title must follow it");
  }

  void ReadList(std::string_view m) {
    List& list = lists_[m];
    list.marker = script::FindMarker(script_, m);
    if (!list.marker) return;
    try {
      script::ReadListSection(script_, m, list.items, &list.at);
      std::size_t end = *list.marker + 1;
      while (script_.at(end) != marker::kSectionEnd) ++end;
      list.end = end;
    } catch (const script::ListIndexError&) {
      list.items.clear();
      list.at.clear();
      Error(*list.marker, Quoted(m) + " is never closed: a list section ends with a line that is just \":\"");
    }
    // ":files" and ":ini" lines are told apart by their first character.
    if ((m == marker::kFiles || m == marker::kIni) && list.end)
      for (std::size_t i = *list.marker + 1; i < *list.end; ++i)
        if (script_.at(i).empty()) Warning(i, "empty line in " + Quoted(m) + "; it is skipped");
  }

  const List& Get(std::string_view m) const { return lists_.at(m); }

  void ValueMarkers() {
    for (const auto& [m, n] : marker::kValues) {
      // The last ":window" counts: the header's check tells of it.
      if (m == marker::kWindow) continue;
      const auto at = script::FindMarker(script_, m);
      if (at && *at + n > Last())
        Error(*at, Quoted(m) + (n == 1   ? " needs one line after it"
                                : n == 2 ? " needs two lines after it (file name, folder)"
                                         : " needs three lines after it (title, subtitle, folder word)") +
                       "; the script ends first");
    }
  }

  // A line that is a marker but for case or blanks is not found as one; a
  // line outside every section that begins with ":" was meant for one.
  void NearMarkers() {
    std::map<std::string, std::string> known;
    for (std::string_view m : marker::kLists) known.emplace(std::string(m), std::string(m));
    for (const auto& [m, n] : marker::kValues) known.emplace(std::string(m), std::string(m));
    for (std::string_view m : {marker::kReboot, marker::kSectionEnd})
      known.emplace(std::string(m), std::string(m));
    known.emplace("version", "Version");
    const std::vector<bool> inside = InsideSections();
    for (std::size_t i = 0; i < script_.size(); ++i) {
      const std::string& line = script_.at(i);
      const std::string key = script::LowerAscii(script::Trim(line));
      const auto found = known.find(key);
      if (found == known.end()) {
        if (!inside[i] && key.size() > 1 && key[0] == ':') {
          notMarkers_.insert(i);
          Warning(i, "line " + Quoted(line) + " looks like a marker but is none, so nothing is read from it; the "
                     "nearest marker is " + Quoted(Nearest(key, known)));
        }
        continue;
      }
      if (line == found->second || (key == "version" && line == "version")) continue;
      Warning(i, "line " + Quoted(line) + " differs from " + Quoted(found->second) +
                     " only by case or blanks; it is not taken for it");
    }
  }

  // The header, the entries of list sections and the lines that value
  // markers read: lines whose text is data, not a marker.
  std::vector<bool> InsideSections() const {
    std::vector<bool> inside(script_.size(), false);
    const auto mark = [&](std::size_t from, std::size_t to) {
      for (std::size_t i = from; i < to && i < inside.size(); ++i) inside[i] = true;
    };
    mark(0, 3);
    for (const auto& [m, list] : lists_)
      if (list.marker) mark(*list.marker + 1, list.end.value_or(script_.size()));
    for (const auto& [m, n] : marker::kValues)
      if (const auto at = script::FindMarker(script_, m)) mark(*at + 1, *at + 1 + n);
    for (std::size_t i = 0; i < script_.size(); ++i)
      if (script_.at(i) == "Version" || script_.at(i) == "version" || script_.at(i) == marker::kWindow)
        mark(i + 1, i + 2);
    return inside;
  }

  // The fewest letters changed; of equals, the longest common beginning.
  static std::string Nearest(const std::string& key, const std::map<std::string, std::string>& known) {
    std::string best;
    std::pair<std::size_t, std::size_t> bestScore{std::string::npos, 0};
    for (const auto& [lower, name] : known) {
      if (name.size() < 2 || name[0] != ':') continue;
      const std::size_t common = static_cast<std::size_t>(
          std::mismatch(key.begin(), key.end(), lower.begin(), lower.end()).first - key.begin());
      const std::pair<std::size_t, std::size_t> score{EditDistance(key, lower), std::string::npos - common};
      if (score < bestScore) {
        bestScore = score;
        best = name;
      }
    }
    return best;
  }

  // Letters added, dropped or changed to make one word the other.
  static std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
      std::size_t diagonal = row[0];
      row[0] = i;
      for (std::size_t j = 1; j <= b.size(); ++j) {
        const std::size_t above = row[j];
        row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
        diagonal = above;
      }
    }
    return row[b.size()];
  }

  void Files() {
    const List& files = Get(marker::kFiles);
    walk_ = install::WalkFileList(files.items, kWindows, kDestination,
                                  [this](const std::string& line) { return dist_.LastCharacter(line); });
    std::set<std::size_t> copied;
    for (const install::FileStep& step : walk_.steps) {
      copied.insert(step.index);
      installed_.insert(script::LowerAscii(step.target));
      const std::string name = install::InstalledName(step.line, dist_.LastCharacter(step.line));
      if (const install::SzddHeader* header = dist_.Compressed(step.line);
          header && install::InstalledName(step.line, header->lastCharacter) != name)
        Warning(files.at[step.index], "file " + Quoted(step.line) + " is on a later disk: the install names its "
                                          "files before the copy, from disk 1, so it does not read the letter "
                                          "in its header and installs it as " + Quoted(name) +
                                          "; put it on disk 1 or give it its installed name");
      if (const install::SzddHeader* header = dist_.Compressed(step.line))
        Report(Severity::Note, files.at[step.index],
               "file " + Quoted(step.line) + " is compressed; setup.exe expands it to " +
                   std::to_string(header->expandedSize) + " bytes and installs it as " +
                   Quoted(step.target.substr(step.target.find_last_of('\\') + 1)));
      if (step.line.back() != '_' && script::LowerAscii(name) != script::LowerAscii(step.line))
        Warning(files.at[step.index], "file " + Quoted(step.line) + " is installed as " + Quoted(name) +
                                          ", a fixed rename of this setup program (file1.dat to file5.dat); give "
                                          "the file another name to install it under its own");
      if (platform::NextDelimiter(step.line, 0, "\\/") != std::string::npos)
        Warning(files.at[step.index], "file " + Quoted(step.line) + " goes into a subfolder of " +
                                          "its destination folder, which the install does not make: unless it "
                                          "exists, the copy fails with \"Error copying " + step.line +
                                          "\"; \":extra\" installs one file into a subfolder that it makes");
      if (!dist_.Contains(step.line))
        Error(files.at[step.index], "file " + Quoted(step.line) +
                                        " is not in the distribution folder; the install asks five times for the "
                                        "disk with it, then reports \"Error copying " +
                                        step.line + "\"");
    }
    for (std::size_t k = 1; k < files.items.size(); ++k) {
      const std::string& item = files.items.at(k);
      if (const auto prefix = install::DirectivePrefix(item, kWindows, kDestination)) {
        if (prefix->empty() || prefix->back() != '\\')
          Warning(files.at[k], "destination directive " + Quoted(item.substr(1)) +
                                   " does not end with a backslash; file names are appended to it directly");
      } else if (!copied.count(k)) {
        Warning(files.at[k],
                "file line " + Quoted(item) + " comes before the first destination directive; it is not copied");
      }
    }
  }

  bool Installed(const std::string& folder, const std::string& name) const {
    return installed_.count(script::LowerAscii(install::InFolder(folder, name))) != 0;
  }

  void Extra() {
    const auto at = script::FindMarker(script_, marker::kExtra);
    if (!at || *at + 2 > Last()) return;
    const std::string& file = script_.at(*at + 1);
    if (!file.empty() && !dist_.Contains(file))
      Error(*at + 1, "\":extra\" file " + Quoted(file) + " is not in the distribution folder");
  }

  // On a disk set, every file must be on the disk in the drive when the
  // install reads it, or on a later one.
  void DiskOrder() {
    const List& files = Get(marker::kFiles);
    Drive drive;
    for (const install::FileStep& step : walk_.steps) {
      const std::vector<int> disks = dist_.Disks(step.line);
      if (!disks.empty() && !drive.Read(disks))
        Error(files.at[step.index], "file " + Quoted(step.line) + " is on disk " + std::to_string(disks.back()) +
                                        ", but the install asks for it when disk " +
                                        std::to_string(drive.Current()) +
                                        " is in the drive and never asks for an earlier disk; it reports \"Error "
                                        "copying " + step.line + "\"; lay the set out with setupkit layout --disks");
    }
    const auto extra = script::FindMarker(script_, marker::kExtra);
    std::vector<std::pair<std::string, std::size_t>> atEnd = {{"readme.txt", 0}, {"config.cfg", 0}};
    if (extra && *extra + 2 <= Last()) atEnd.emplace_back(script_.at(*extra + 1), *extra + 1);
    for (const auto& [name, line] : atEnd)
      if (const std::vector<int> disks = dist_.Disks(name); !disks.empty() && disks.back() != drive.Current())
        Error(line, Quoted(name) + " is read after the copy, from the disk then in the drive, disk " +
                        std::to_string(drive.Current()) + ", but it is on disk " + std::to_string(disks.back()));
    for (const char* name : {"setup.exe", "setup.ini", "license.ini"})
      if (const std::vector<int> disks = dist_.Disks(name); !disks.empty() && disks.front() != 1)
        Error(0, Quoted(name) + " is read from the first disk, but it is on disk " + std::to_string(disks.front()));
  }

  void Keep() {
    const List& keep = Get(marker::kKeep);
    std::set<std::string> names;
    for (const install::FileStep& step : walk_.steps)
      names.insert(script::LowerAscii(install::ExtractFileName(step.target)));
    for (std::size_t k = 0; k < keep.items.size(); ++k)
      if (!names.count(keep.items.at(k)))
        Warning(keep.at[k], "\":keep\" name " + Quoted(script_.at(keep.at[k])) + " is not installed by any file line");
  }

  // Sections read by fours: an incomplete last group stops the install.
  template <typename Entry>
  void CutShort(std::string_view m, const install::Entries<Entry>& read, const char* fields) {
    if (!read.cutShortAt) return;
    const List& list = Get(m);
    Error(list.at[*read.cutShortAt], Quoted(m) + " entry " + std::to_string(*read.cutShortAt / 4 + 1) + " has " +
                                         LineCount(list.items.size() - *read.cutShortAt) + "; an entry is " + fields);
  }

  install::CodeInputs Codes() const {
    return {kDestination, kDestination, kWindows, Get(marker::kExe).items, Get(marker::kUnin).items};
  }

  void Registry(std::string_view m, install::CodeSet set) {
    const List& list = Get(m);
    const install::Entries<install::RegEntry> read = install::ReadRegistryEntries(list.items);
    CutShort(m, read, "root, key, value name, data");
    const install::CodeInputs codes = Codes();
    for (std::size_t k = 0; k < read.entries.size(); ++k) {
      const install::RegEntry& e = read.entries[k];
      const std::string entry = Quoted(m) + " entry " + std::to_string(k + 1);
      if (!install::RootKeyIndex(e.root))
        Error(list.at[4 * k], entry + ": unknown root key " + Quoted(e.root) +
                                  "; the names are HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, "
                                  "HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA, in capitals");
      const std::size_t line = list.at[4 * k + 3];
      try {
        install::ExpandDataCode(e.data, set, codes);
      } catch (const script::ListIndexError&) {
        Error(line, entry + ": data code " + Quoted(e.data) +
                        (e.data == "u" ? " needs the removal program, the first line of \":unin\", which is empty"
                                       : " needs the first program, the second line of \":exe\", which has " +
                                             LineCount(Get(marker::kExe).items.size())));
      }
      const std::string trimmed = script::Trim(e.data);
      if (trimmed != e.data && IsCode(trimmed, set, codes))
        Warning(line, entry + ": data line " + Quoted(e.data) + " has blanks around the data code " + Quoted(trimmed) +
                          "; it is stored as plain text");
    }
  }

  static bool IsCode(const std::string& data, install::CodeSet set, const install::CodeInputs& codes) {
    try {
      return install::ExpandDataCode(data, set, codes) != data;
    } catch (const script::ListIndexError&) {
      return true;
    }
  }

  void RegAdd() {
    const List& list = Get(marker::kRegAdd);
    if (!list.items.empty() && list.items.size() < 3)
      Error(*list.marker, "\":regadd\" has " + LineCount(list.items.size()) +
                              "; it needs three: key path, value name, path in the destination folder");
  }

  void DelReg() {
    const List& list = Get(marker::kDelReg);
    for (std::size_t k = 0; k < list.items.size(); ++k) {
      const std::string& line = list.items.at(k);
      if (install::NamesSubkey(line)) continue;
      if (line.empty() || line == "\\")
        Warning(list.at[k], "\":delreg\" line " + Quoted(line) + " names no key; it is skipped");
      else
        Error(list.at[k], "\":delreg\" line " + Quoted(line) + " would name HKEY_CLASSES_ROOT itself");
    }
  }

  void Exe() {
    const List& list = Get(marker::kExe);
    const install::Entries<install::ShortcutEntry> read = install::ReadShortcutEntries(list.items);
    if (read.cutShortAt)
      Error(list.at.back(), "\":exe\" ends with the caption line " + Quoted(list.items.at(*read.cutShortAt)) +
                                " without its program line; a shortcut is a caption line and a program line");
    for (std::size_t k = 0; k < read.entries.size(); ++k) {
      const install::ShortcutEntry& e = read.entries[k];
      const std::size_t line = list.at[2 * k];
      if (!e.caption && !e.captionLine.empty())
        Error(line, "caption line " + Quoted(e.captionLine) +
                        ": the two characters after \"*\" must be the caption's length in decimal digits");
      else if (!e.caption)
        Warning(line, "empty caption line; no shortcut is made for it");
      else if (!e.caption->hotKeyText.empty() && !install::HotKeyWord(e.caption->hotKeyText))
        Warning(line, "caption line " + Quoted(e.captionLine) + ": hot key " + Quoted(e.caption->hotKeyText) +
                          " is not a decimal number; no shortcut is made for it");
      if (!Installed(kDestination, e.programLine))
        Warning(list.at[2 * k + 1], "\":exe\" program " + Quoted(e.programLine) +
                                        " is not installed into the destination folder by any file line");
    }
  }

  // The removal program reads these lines back from the record: one it
  // cannot read as a key makes it refuse the whole record.
  void RegRemove() {
    const List& list = Get(marker::kRegRemove);
    for (std::size_t k = 0; k < list.items.size(); ++k) {
      const std::string& line = list.items.at(k);
      if (line.empty()) continue;  // not recorded
      if (install::RootKeyIndex(line) && k + 1 < list.items.size()) {
        ++k;  // the key path on the next line
        continue;
      }
      const std::size_t cut = line.find('\\');
      if (cut != std::string::npos && install::RootKeyIndex(line.substr(0, cut))) continue;
      Error(list.at[k], "\":regremove\" line " + Quoted(line) +
                            " is no registry key (root key name, \"\\\", key path, such as "
                            "\"HKEY_CURRENT_USER\\Software\\My App\"); the removal program refuses a record "
                            "that holds it and removes nothing");
    }
  }

  void Unin() {
    const List& list = Get(marker::kUnin);
    if (list.items.empty()) return;
    if (!Installed(kWindows, list.items.at(0)))
      Warning(list.at[0], "removal program " + Quoted(list.items.at(0)) +
                              " is not installed into the Windows folder by any file line");
  }

  void Ini() {
    const List& list = Get(marker::kIni);
    if (list.items.size() >= 2 && !install::IsPathFileName(list.items.at(0)))
      Error(list.at[0], "\":ini\" file name " + Quoted(list.items.at(0)) +
                            " is not a plain file name of its own in the Windows folder (no \"\\\", \"/\", \":\" or "
                            "\"..\", none of the system's own files); the install stops with \"Cannot create file\"");
    for (std::size_t k = 1; k < list.items.size(); ++k) {
      const std::string& item = list.items.at(k);
      if (item[0] == '~' && !installed_.count(script::LowerAscii(kDestination + item.substr(1))))
        Warning(list.at[k], "\":ini\" line " + Quoted(item) +
                                " names a path that no file line installs; its short form "
                                "cannot be had");
      else if (item[0] != '~' && item[0] != '>')
        Warning(list.at[k], "\":ini\" line " + Quoted(item) + " begins with neither \">\" nor \"~\"; it gives nothing");
    }
  }

  void StartupEntries() {
    for (std::string_view m : {marker::kRunServices, marker::kRunStart}) {
      const auto at = script::FindMarker(script_, m);
      if (!at || *at + 1 > Last() || script_.at(*at + 1).empty()) continue;
      try {
        install::ProgramCommand(kDestination, Get(marker::kExe).items);
      } catch (const script::ListIndexError&) {
        Error(*at, Quoted(m) + " needs the first program, the second line of \":exe\", which has " +
                       LineCount(Get(marker::kExe).items.size()));
      }
    }
  }

  // The program offered at the end may carry arguments after a blank.
  void RunProgram() {
    const auto at = script::FindMarker(script_, marker::kRun);
    if (!at || *at + 1 > Last()) return;
    const std::string& run = script_.at(*at + 1);
    if (run.empty() || Installed(kDestination, run) || Installed(kDestination, run.substr(0, run.find(' ')))) return;
    Warning(*at + 1,
            "\":run\" program " + Quoted(run) + " is not installed into the destination folder by any file line");
  }

  // Lines after the end of the last section that is read belong to none.
  void Unread() {
    if (script_.size() < 3) return;
    std::size_t end = 2;
    for (const auto& [m, list] : lists_)
      if (list.marker) end = std::max(end, list.end.value_or(Last()));
    for (const auto& [m, n] : marker::kValues)
      if (const auto at = script::FindMarker(script_, m)) end = std::max(end, *at + n);
    if (const auto at = script::FindMarker(script_, marker::kReboot)) end = std::max(end, *at);
    for (std::size_t i = 0; i < script_.size(); ++i) {
      const std::string& line = script_.at(i);
      if (line == "Version" || line == "version" || line == marker::kWindow) end = std::max(end, i + 1);
    }
    for (std::size_t i = end + 1; i < script_.size(); ++i)
      if (notMarkers_.count(i)) {
        return;  // the misspelt marker's warning says it
      } else if (!script_.at(i).empty()) {
        Warning(i, "lines " + std::to_string(i + 1) + " to " + std::to_string(script_.size()) +
                       " come after the last section and belong to none; they are not read");
        return;
      }
  }

  script::Lines script_;
  const FileSet& dist_;
  std::map<std::string_view, List> lists_;
  install::FileList walk_;
  std::set<std::string> installed_;  // lower-cased targets of the file walk
  std::set<std::size_t> notMarkers_;  // lines that look like markers but are none
  std::vector<Diagnostic> out_;
};

}  // namespace

std::vector<Diagnostic> CheckScript(std::string_view text, const FileSet& dist) {
  std::vector<Diagnostic> found = Checker(text, dist).Run();
  // The install deletes this file from its own folder at the end of every pass.
  if (dist.Contains("license.txt"))
    found.push_back({"license.txt", 1, Severity::Warning,
                     "license.txt in the distribution folder is deleted by every install; ship the licence as "
                     "license.ini"});
  return found;
}

std::vector<Diagnostic> CheckShownFile(const std::string& name, std::string_view text) {
  std::vector<Diagnostic> found;
  for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1))
    if (at == 0 || text[at - 1] != '\r') {
      const std::size_t line = 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + at, '\n'));
      found.push_back({name, line, Severity::Warning,
                       "line end LF alone: the install splits this file only at CR LF, so it is read or shown as "
                       "one line from here on; lay it out with --text or save it with CR LF line ends"});
      break;
    }
  if (name != "config.cfg" && text.size() > kShownFileLimit)
    found.push_back({name, 1, Severity::Warning,
                     name + " is " + std::to_string(text.size()) + " bytes, over " + std::to_string(kShownFileLimit) +
                         ": on Windows 95, 98 and Me a text box holds at most 64 KB, so the end of a longer licence "
                         "or README may never be shown"});
  return found;
}

std::vector<Diagnostic> CheckSettings(std::string_view text) {
  const script::Lines lines = script::SplitLines(text);
  if (install::IsProductSettings(lines)) return {};
  return {
      {"config.cfg", 1, Severity::Warning,
       "config.cfg is ignored: its first line must be exactly \"Marrowgate\" and at least one setting must follow"}};
}

}  // namespace kit
