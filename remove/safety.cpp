#include "remove/safety.h"

#include <string_view>


namespace uninstall {

namespace {

// Keys of the system below HKEY_LOCAL_MACHINE or a user's hive: the keys
// themselves and every key above them stay.
constexpr std::string_view kSystemKeys[] = {
    "software\\microsoft\\windows\\currentversion\\run",
    "software\\microsoft\\windows\\currentversion\\runonce",
    "software\\microsoft\\windows\\currentversion\\runonceex",
    "software\\microsoft\\windows\\currentversion\\runservices",
    "software\\microsoft\\windows\\currentversion\\runservicesonce",
    "software\\microsoft\\windows\\currentversion\\uninstall",
    "software\\microsoft\\windows\\currentversion\\app paths",
    "software\\microsoft\\windows\\currentversion\\shareddlls",
    "software\\microsoft\\windows\\currentversion\\explorer\\shell folders",
    "software\\microsoft\\windows\\currentversion\\explorer\\user shell folders",
    "software\\microsoft\\windows nt\\currentversion\\winlogon",
    "software\\classes\\clsid",
    "system\\currentcontrolset\\services",
    "system\\currentcontrolset\\control\\session manager",
};

// Keys directly under HKEY_CLASSES_ROOT that Windows itself owns; any other
// one is a file class that a program registered.
constexpr std::string_view kSystemClasses[] = {
    "*",    "clsid", "interface", "typelib", "appid", "directory", "folder", "drive", "allfilesystemobjects",
    "exefile", "lnkfile", "piffile", "txtfile", "inifile", "batfile", "comfile", "dllfile", "regfile",
    ".exe", ".com", ".bat", ".pif", ".lnk", ".dll", ".txt", ".ini", ".inf", ".reg", ".sys", ".htm", ".html",
};

bool StartsWith(std::string_view text, std::string_view head) { return text.substr(0, head.size()) == head; }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The length of "X:\" or "\\server\share\", 0 for anything else.
std::size_t RootLength(const std::string& path) {
  if (path.size() >= 3 && IsLetter(path[0]) && path[1] == ':' && path[2] == '\\') return 3;
  if (StartsWith(path, "\\\\")) {
    const std::size_t server = path.find('\\', 2);
    if (server == std::string::npos || server == 2) return 0;
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

}  // namespace

std::string NormalPath(const std::string& path) {
  std::string lower = script::LowerAscii(path);
  while (!lower.empty() && lower.back() == '\\') lower.pop_back();
  return lower;
}

SafetyRules::SafetyRules(const std::string& destination, const std::vector<std::string>& protectedFolders,
                         ShortFormFn shortForm)
    : destination_(destination), shortForm_(shortForm) {
  for (const std::string& folder : protectedFolders)
    for (const std::string& form : Forms(folder)) protected_.push_back(form);
}

std::vector<std::string> SafetyRules::Forms(const std::string& path) const {
  std::vector<std::string> forms{NormalPath(path)};
  const std::string shortForm = shortForm_(path);
  if (!shortForm.empty() && NormalPath(shortForm) != forms[0]) forms.push_back(NormalPath(shortForm));
  return forms;
}

bool SafetyRules::IsProtected(const std::string& path) const {
  for (const std::string& form : Forms(path))
    for (const std::string& folder : protected_)
      if (form == folder) return true;
  return false;
}

std::string SafetyRules::PathRefusal(const std::string& path) const {
  const std::size_t root = RootLength(path);
  if (root == 0) return "not a full path";
  if (path.find_first_of("*?\"<>|") != std::string::npos) return "not a file name";
  if (root == path.size()) return "a drive root";
  for (const std::string& part : Split(path, root))
    if (part.empty() || part == "." || part == "..") return "a path with empty, \".\" or \"..\" parts";
  if (IsProtected(path)) return "a folder of Windows";
  return "";
}

bool SafetyRules::Inside(const std::string& path, const std::string& folder) const {
  for (const std::string& p : Forms(path))
    for (const std::string& f : Forms(folder))
      if (!f.empty() && StartsWith(p, f + "\\")) return true;
  return false;
}

bool SafetyRules::SameFolder(const std::string& a, const std::string& b) const {
  for (const std::string& x : Forms(a))
    for (const std::string& y : Forms(b))
      if (x == y) return true;
  return false;
}

bool SafetyRules::MayPruneFolder(const std::string& folder) const {
  return PathRefusal(folder).empty() && InDestination(folder);
}

bool SafetyRules::CommandInDestination(const std::string& command) const {
  std::string program = command;
  if (!program.empty() && program[0] == '"') program.erase(0, 1);
  program = script::LowerAscii(program);
  for (const std::string& folder : Forms(destination_))
    if (!folder.empty() && StartsWith(program, folder + "\\")) return true;
  return false;
}

std::string SafetyRules::KeyRefusal(const RegKey& key) {
  if (key.root == "HKEY_PERFORMANCE_DATA" || key.root == "HKEY_DYN_DATA") return "a key the system makes up";
  if (!IsRootName(key.root)) return "not a registry root key";
  std::string path = NormalPath(key.path);
  if (path.empty()) return "a registry root key";
  std::vector<std::string> parts = Split(path, 0);
  for (const std::string& part : parts)
    if (part.empty()) return "not a key path";
  // A user's hive below HKEY_USERS is laid out like HKEY_CURRENT_USER.
  if (key.root == "HKEY_USERS") {
    if (parts.size() == 1) return "a user's registry hive";
    path = path.substr(parts[0].size() + 1);
    parts.erase(parts.begin());
  }
  if (parts.size() == 1) {
    if (key.root != "HKEY_CLASSES_ROOT") return "a key directly under a root key";
    for (std::string_view shared : kSystemClasses)
      if (path == shared) return "a file class of Windows";
    return "";
  }
  for (std::string_view system : kSystemKeys)
    if (system == path || StartsWith(system, path + "\\")) return "a key of Windows";
  return "";
}

std::string SafetyRules::ValueRefusal(const RegValueRef& value) {
  if (!IsRootName(value.key.root)) return "not a registry root key";
  if (NormalPath(value.key.path).empty()) return "a value of a registry root key";
  return "";
}

}  // namespace uninstall
