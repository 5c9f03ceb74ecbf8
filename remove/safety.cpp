#include "remove/safety.h"

#include <string_view>

#include "install/plan/registry_rules.h"
#include "platform/path_chars.h"

namespace uninstall {

namespace {

// Keys of the system below HKEY_LOCAL_MACHINE or a user's hive: the keys
// themselves, their values and every key above them stay. Compared in lower case.
constexpr std::string_view kSystemKeys[] = {
    install::kRunKey,
    install::kRunServicesKey,
    "software\\microsoft\\windows\\currentversion\\uninstall",
    "software\\microsoft\\windows\\currentversion\\app paths",
    install::kSharedDllsKey,
};

// Trees that Windows owns whole: what starts programs at log-on or with
// another program, the shell's own keys, and the system's configuration.
constexpr std::string_view kWindowsTrees[] = {
    "software\\microsoft\\windows\\currentversion\\runonce",
    "software\\microsoft\\windows\\currentversion\\runonceex",
    "software\\microsoft\\windows\\currentversion\\runservicesonce",
    "software\\microsoft\\windows\\currentversion\\explorer",
    "software\\microsoft\\windows\\currentversion\\shell extensions",
    "software\\microsoft\\windows\\currentversion\\policies",
    "software\\microsoft\\windows nt\\currentversion\\winlogon",
    "software\\microsoft\\windows nt\\currentversion\\image file execution options",
    "software\\microsoft\\windows nt\\currentversion\\windows",
    "software\\policies",
    "system",
};

// Classes that Windows itself owns, with everything below them; any other
// key directly under HKEY_CLASSES_ROOT is a file class that a program registered.
constexpr std::string_view kSystemClasses[] = {
    "*",       "clsid",   "interface", "typelib", "appid",   "directory", "folder",  "drive",   "allfilesystemobjects",
    "exefile", "lnkfile", "piffile",   "txtfile", "inifile", "batfile",   "comfile", "dllfile", "regfile",
    "cmdfile", "scrfile", "htmlfile",  "inffile", "sysfile", "unknown",   "protocols", "mime",  "network",
    ".exe",    ".com",    ".bat",      ".cmd",    ".scr",    ".pif",      ".lnk",    ".dll",    ".txt",
    ".ini",    ".inf",    ".reg",      ".sys",    ".htm",    ".html",
};

// Profile sections that Windows reads to start programs or load drivers.
constexpr std::string_view kStartupSections[][2] = {{"win.ini", "windows"}, {"system.ini", "boot"}};

bool StartsWith(std::string_view text, std::string_view head) { return text.substr(0, head.size()) == head; }

std::string Lower(std::string_view key) { return script::LowerAscii(std::string(key)); }

// `path` is `tree` or lies below it.
bool InTree(std::string_view path, std::string_view tree) {
  return StartsWith(path, tree) && (path.size() == tree.size() || path[tree.size()] == '\\');
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The length of "X:\" or "\\server\share\", 0 for anything else (the
// "\\?\" and "\\.\" forms name devices and other spellings of a drive).
std::size_t RootLength(const std::string& path) {
  if (path.size() >= 3 && IsLetter(path[0]) && path[1] == ':' && path[2] == '\\') return 3;
  if (StartsWith(path, "\\\\")) {
    const std::size_t server = path.find('\\', 2);
    if (server == std::string::npos || server == 2) return 0;
    const std::string_view name(path.data() + 2, server - 2);
    if (name == "?" || name == ".") return 0;
    const std::size_t share = path.find('\\', server + 1);
    if (share == std::string::npos || share == server + 1) return 0;
    return share + 1;
  }
  return 0;
}

std::vector<std::string> Split(const std::string& text, std::size_t from) {
  std::vector<std::string> parts;
  while (from <= text.size()) {
    std::size_t cut = text.find('\\', from);
    if (cut == std::string::npos) cut = text.size();
    parts.push_back(text.substr(from, cut - from));
    from = cut + 1;
  }
  return parts;
}

// Windows drops a name's trailing dots and blanks: "windows." is "windows".
std::string NameAsOpened(const std::string& part) {
  const std::size_t end = part.find_last_not_of(". ");
  return end == std::string::npos ? "" : part.substr(0, end + 1);
}

// CON, NUL, COM1, LPT1, ..., with any extension, open a device wherever they stand.
bool IsDeviceName(const std::string& part) {
  const std::string base = script::LowerAscii(part.substr(0, part.find('.')));
  if (base == "con" || base == "prn" || base == "aux" || base == "nul" || base == "clock$") return true;
  return base.size() == 4 && (StartsWith(base, "com") || StartsWith(base, "lpt")) && base[3] >= '1' && base[3] <= '9';
}

bool IsSystemClass(const std::string& name) {
  for (std::string_view owned : kSystemClasses)
    if (name == owned) return true;
  return false;
}

// A key of Windows that stays with its values, or one of its trees.
bool IsWindowsKey(const std::string& path) {
  for (std::string_view system : kSystemKeys)
    if (path == Lower(system)) return true;
  for (std::string_view tree : kWindowsTrees)
    if (InTree(path, tree)) return true;
  return false;
}

// A key above a key of Windows: deleting it would take that key along.
bool HoldsWindowsKey(const std::string& path) {
  for (std::string_view system : kSystemKeys)
    if (StartsWith(Lower(system), path + "\\")) return true;
  for (std::string_view tree : kWindowsTrees)
    if (StartsWith(tree, path + "\\")) return true;
  return false;
}

}  // namespace

std::string NormalPath(const std::string& path) {
  std::string lower = script::LowerAscii(path);
  while (!lower.empty() && lower.back() == '\\') lower.pop_back();
  return lower;
}

SafetyRules::SafetyRules(const ScopeFolders& folders, LongNameFn longName)
    : destination_(platform::PlainSpelling(folders.destination)), longName_(longName) {
  destinationForm_ = Canonical(destination_);
  for (const std::string& folder : folders.protectedFolders)
    if (const std::string form = Canonical(folder); !form.empty()) protected_.push_back(form);
  for (const std::string& folder : folders.programsFolders)
    if (const std::string form = Canonical(folder); !form.empty()) programs_.push_back(form);
}

std::string SafetyRules::LongFolder(const std::string& spelled) const {
  const std::string key = script::LowerAscii(spelled);
  if (const auto known = longFolders_.find(key); known != longFolders_.end()) return known->second;
  const std::size_t root = RootLength(spelled), cut = spelled.find_last_of('\\');
  const std::string parent = cut + 1 <= root ? spelled.substr(0, root) : LongFolder(spelled.substr(0, cut));
  const std::string name = longName_(spelled);
  std::string form = (parent.back() == '\\' ? parent : parent + "\\") + (name.empty() ? spelled.substr(cut + 1) : name);
  longFolders_.emplace(key, form);
  return form;
}

std::string SafetyRules::Canonical(const std::string& path) const {
  const std::string spelled = platform::PlainSpelling(path);
  const std::size_t root = RootLength(spelled);
  if (root == 0 || spelled.find_first_of("*?\"<>|") != std::string::npos || spelled.find(':', root) != std::string::npos)
    return "";
  if (root == spelled.size()) return script::LowerAscii(spelled);
  std::string opened = spelled.substr(0, root);
  for (const std::string& part : Split(spelled, root)) {
    const std::string name = NameAsOpened(part);
    if (name.empty()) return "";  // "", ".", ".." and the like
    opened += name + "\\";
  }
  opened.pop_back();
  const std::size_t cut = opened.find_last_of('\\');
  const std::string folder = cut + 1 == root ? opened.substr(0, root) : LongFolder(opened.substr(0, cut));
  std::string name = opened.substr(cut + 1);
  // A name without "~" is its own long form; a short one is looked up.
  if (name.find('~') != std::string::npos)
    if (const std::string longName = longName_(opened); !longName.empty()) name = longName;
  return script::LowerAscii((folder.back() == '\\' ? folder : folder + "\\") + name);
}

bool SafetyRules::IsProtected(const std::string& canonical) const {
  for (const std::string& folder : protected_)
    if (canonical == folder) return true;
  return false;
}

std::string SafetyRules::PathRefusal(const std::string& path) const {
  const std::string spelled = platform::PlainSpelling(path);
  const std::size_t root = RootLength(spelled);
  if (root == 0) return "not a full path";
  if (spelled.find_first_of("*?\"<>|") != std::string::npos || spelled.find(':', root) != std::string::npos)
    return "not a file name";
  if (root == spelled.size()) return "a drive root";
  for (const std::string& part : Split(spelled, root)) {
    if (NameAsOpened(part).empty()) return "a path with empty, \".\" or \"..\" parts";
    if (IsDeviceName(part)) return "a device name";
  }
  if (IsProtected(Canonical(spelled))) return "a folder of Windows";
  return "";
}

bool SafetyRules::BelowPrograms(const std::string& path) const {
  const std::string form = Canonical(path);
  for (const std::string& folder : programs_)
    if (form != folder && InTree(form, folder)) return true;
  return false;
}

std::string SafetyRules::ShortcutRefusal(const std::string& path) const {
  if (std::string refusal = PathRefusal(path); !refusal.empty()) return refusal;
  const std::string lower = script::LowerAscii(platform::PlainSpelling(path));
  const std::size_t dot = lower.find_last_of(".\\");
  if (dot == std::string::npos || (lower.substr(dot) != ".lnk" && lower.substr(dot) != ".pif")) return "not a shortcut";
  if (!BelowPrograms(path)) return "not in the Start Menu's Programs folder";
  return "";
}

std::string SafetyRules::GroupRefusal(const std::string& path) const {
  if (std::string refusal = PathRefusal(path); !refusal.empty()) return refusal;
  if (!BelowPrograms(path)) return "not in the Start Menu's Programs folder";
  return "";
}

std::string SafetyRules::MadeFolderRefusal(const std::string& path) const {
  if (std::string refusal = PathRefusal(path); !refusal.empty()) return refusal;
  if (!InDestination(path) && !Inside(destination_, path)) return "neither in nor above " + destination_;
  return "";
}

std::string SafetyRules::ProfileRefusal(const std::string& file, const std::string& section) {
  if (file.find_first_of("\\/:*?\"<>|") != std::string::npos || NameAsOpened(file).empty())
    return "not a profile file of the Windows folder";
  if (IsDeviceName(file)) return "a device name";
  const std::string name = script::LowerAscii(NameAsOpened(file));
  const std::string lowerSection = script::LowerAscii(section);
  for (const auto& startup : kStartupSections)
    if (name == startup[0] && lowerSection == startup[1]) return "a section Windows reads at start-up";
  return "";
}

bool SafetyRules::Inside(const std::string& path, const std::string& folder) const {
  const std::string p = Canonical(path), f = Canonical(folder);
  return !p.empty() && !f.empty() && p != f && InTree(p, f);
}

std::string SafetyRules::ScopeFolder(const std::string& path) const {
  const std::string form = Canonical(path);
  if (form.empty()) return "";
  if (form != destinationForm_ && InTree(form, destinationForm_)) return destinationForm_;
  for (const std::string& folder : programs_)
    if (form != folder && InTree(form, folder)) return folder;
  return "";
}

bool SafetyRules::SameFolder(const std::string& a, const std::string& b) const {
  const std::string x = Canonical(a);
  return !x.empty() && x == Canonical(b);
}

bool SafetyRules::MayPruneFolder(const std::string& folder) const {
  return PathRefusal(folder).empty() && InDestination(folder);
}

bool SafetyRules::CommandInDestination(const std::string& command) const {
  std::string program = command;
  if (!program.empty() && program[0] == '"') {
    program.erase(0, 1);
    program = program.substr(0, program.find('"'));
  }
  // Unquoted, the program may hold blanks: any reading of it in the folder counts.
  for (std::size_t end = program.find(' '); ; end = program.find(' ', end + 1)) {
    if (InDestination(program.substr(0, end))) return true;
    if (end == std::string::npos) return false;
  }
}

RegKey SafetyRules::CanonicalKey(const RegKey& key) {
  RegKey form{key.root, ""};
  std::vector<std::string> parts;
  for (const std::string& part : Split(NormalPath(key.path), 0))
    if (part != "wow6432node") parts.push_back(part);
  if (form.root == "HKEY_USERS" && !parts.empty()) {
    const std::string hive = parts.front();
    parts.erase(parts.begin());
    const bool classes = hive.size() > 8 && hive.compare(hive.size() - 8, 8, "_classes") == 0;
    if (classes) parts.insert(parts.begin(), {"software", "classes"});
    form.root = "HKEY_CURRENT_USER";
  }
  if ((form.root == "HKEY_LOCAL_MACHINE" || form.root == "HKEY_CURRENT_USER") && parts.size() >= 2 &&
      parts[0] == "software" && parts[1] == "classes") {
    parts.erase(parts.begin(), parts.begin() + 2);
    form.root = "HKEY_CLASSES_ROOT";
  }
  for (const std::string& part : parts) form.path += (form.path.empty() ? "" : "\\") + part;
  return form;
}

bool SafetyRules::IsStartupKey(const RegKey& key) {
  const RegKey form = CanonicalKey(key);
  return form.root != "HKEY_CLASSES_ROOT" && (form.path == Lower(install::kRunKey) || form.path == Lower(install::kRunServicesKey));
}

std::string SafetyRules::KeyRefusal(const RegKey& key) {
  if (key.root == "HKEY_PERFORMANCE_DATA" || key.root == "HKEY_DYN_DATA") return "a key the system makes up";
  if (!IsRootName(key.root)) return "not a registry root key";
  const std::string path = NormalPath(key.path);
  for (const std::string& part : Split(path, 0))
    if (part.empty() && !path.empty()) return "not a key path";
  if (key.root == "HKEY_USERS" && !path.empty() && path.find('\\') == std::string::npos) return "a user's registry hive";
  const RegKey form = CanonicalKey(key);
  if (form.path.empty()) return "a registry root key";
  const std::string first = form.path.substr(0, form.path.find('\\'));
  if (form.root == "HKEY_CLASSES_ROOT" && IsSystemClass(first))
    return first == form.path ? "a file class of Windows" : "a key of Windows";
  if (form.root == "HKEY_CLASSES_ROOT") return "";
  if (first == form.path) return "a key directly under a root key";
  if (IsWindowsKey(form.path) || HoldsWindowsKey(form.path)) return "a key of Windows";
  return "";
}

std::string SafetyRules::ValueRefusal(const RegValueRef& value) {
  if (!IsRootName(value.key.root)) return "not a registry root key";
  const RegKey form = CanonicalKey(value.key);
  if (form.path.empty()) return "a value of a registry root key";
  const std::string first = form.path.substr(0, form.path.find('\\'));
  if (form.root == "HKEY_CLASSES_ROOT") return IsSystemClass(first) ? "a value of a class of Windows" : "";
  if (!IsStartupKey(value.key) && (IsWindowsKey(form.path) || HoldsWindowsKey(form.path))) return "a value of a key of Windows";
  return "";
}

}  // namespace uninstall
