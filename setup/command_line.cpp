#include "setup/command_line.h"

#include <cstring>

#include "platform/path_chars.h"
#include "script/lines.h"

namespace setup {

namespace {

bool StartsWith(const std::string& lower, const char* prefix) { return lower.compare(0, strlen(prefix), prefix) == 0; }

// The next blank-separated word, quotes anywhere in it taken out.
std::string TakeWord(const std::string& line, std::size_t& at) {
  std::string word;
  bool quoted = false;
  for (; at < line.size() && (quoted || line[at] != ' '); ++at) {
    if (line[at] == '"') quoted = !quoted;
    else word += line[at];
  }
  return word;
}

std::string WithoutQuotes(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '"') out += c;
  return out;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A full path: "X:\..." or "\\server\share..."; none of the characters a
// file name cannot hold.
bool IsFullPath(const std::string& path) {
  if (path.find_first_of("*?\"<>|") != std::string::npos) return false;
  if (path.size() >= 3 && path[1] == ':' && path[2] == '\\')
    return ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z') && path.find(':', 2) == std::string::npos;
  return path.size() > 2 && path.compare(0, 2, "\\\\") == 0 && path.find(':') == std::string::npos;
}

bool IsFolderName(const std::string& name) {
  return !name.empty() && name.find_first_of(":*?\"<>|/") == std::string::npos && name[0] != '\\';
}

}  // namespace

Options ParseCommandLine(const std::string& arguments) {
  Options o;
  std::size_t at = 0;
  bool any = false;
  while (true) {
    while (at < arguments.size() && arguments[at] == ' ') ++at;
    if (at >= arguments.size()) break;
    any = true;
    const std::string rest = script::LowerAscii(WithoutQuotes(arguments.substr(at, 4)));
    if (StartsWith(rest, "/d=")) {
      std::string folder = Trimmed(WithoutQuotes(arguments.substr(at)).substr(3));
      folder = platform::WithoutTrailingBackslash(folder);
      if (IsFullPath(folder)) o.destination = folder;
      else o.usageError = true;
      break;
    }
    const std::string word = TakeWord(arguments, at);
    const std::string lower = script::LowerAscii(word);
    if (lower == "/s") o.silent = true;
    else if (lower == "/?") o.help = true;
    else if (lower == "/readme") o.readme = true;
    else if (lower == "/acceptlicense") o.acceptLicence = true;
    else if (lower == "/run") o.run = true;
    else if (lower == "/restart") o.restart = true;
    else if (StartsWith(lower, "/group=") && IsFolderName(word.substr(7))) o.group = word.substr(7);
    else if (StartsWith(lower, "/log=") && word.size() > 5) o.logFile = word.substr(5);
    else o.usageError = true;
  }
  // Every switch but /? answers a question of the unattended run.
  if (any && !o.silent && !o.help) o.usageError = true;
  return o;
}

}  // namespace setup
