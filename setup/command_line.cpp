#include "setup/command_line.h"

#include <algorithm>
#include <cstring>

#include "platform/path_chars.h"
#include "script/lines.h"
#include "setup/switch_paths.h"

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

}  // namespace

void Refuse(Options& o, const std::string& text) {
  if (!o.usageError) o.refusal = text;
  o.usageError = true;
}

Options ParseCommandLine(const std::string& arguments) {
  Options o;
  std::size_t at = 0;
  std::string firstSwitch;  // the first that needs /S
  while (true) {
    while (at < arguments.size() && arguments[at] == ' ') ++at;
    if (at >= arguments.size()) break;
    const std::string rest = script::LowerAscii(WithoutQuotes(arguments.substr(at, 4)));
    if (StartsWith(rest, "/d=")) {
      const std::string given = Trimmed(WithoutQuotes(arguments.substr(at)).substr(3));
      if (firstSwitch.empty()) firstSwitch = "/D=" + given;
      const auto folder = NormalFolder(given);
      if (!folder)
        Refuse(o, "/D=" + given + ": the destination must be a full path (\"C:\\...\" or \"\\\\server\\share\\...\") "
                  "without \"..\" and without any of : * ? \" < > |");
      else if (IsRoot(*folder))
        Refuse(o, "/D=" + given + ": the destination cannot be a drive's root");
      else
        o.destination = platform::WithoutTrailingBackslash(given);
      break;
    }
    const std::size_t from = at;
    const std::string word = TakeWord(arguments, at);
    const std::string written = arguments.substr(from, at - from);
    const std::string lower = script::LowerAscii(word);
    if (lower != "/s" && lower != "/?" && firstSwitch.empty()) firstSwitch = written;
    if (std::count(written.begin(), written.end(), '"') % 2) {
      Refuse(o, written + ": a quote is not closed");
    } else if (lower == "/s") {
      o.silent = true;
    } else if (lower == "/?") {
      o.help = true;
    } else if (lower == "/readme") {
      o.readme = true;
    } else if (lower == "/acceptlicense") {
      o.acceptLicence = true;
    } else if (lower == "/run") {
      o.run = true;
    } else if (lower == "/restart") {
      o.restart = true;
    } else if (StartsWith(lower, "/group=")) {
      o.group = PlainGroup(word.substr(7));
      if (!o.group)
        Refuse(o, written + ": the Start Menu folder must be a folder name or a relative path of names, "
                            "without \".\" or \"..\" parts and without any of : * ? \" < > |");
    } else if (StartsWith(lower, "/log=") && word.size() > 5) {
      if (NamesProductRecord(word.substr(5)))
        Refuse(o, written + ": the log cannot be named unin.ini or unin.jnl, the names of a product's record "
                            "and journal");
      else
        o.logFile = word.substr(5);
    } else {
      Refuse(o, written + " is not a switch of setup.exe");
    }
  }
  // Every switch but /? answers a question of the unattended run.
  if (!firstSwitch.empty() && !o.silent && !o.help) Refuse(o, firstSwitch + " needs /S");
  return o;
}

}  // namespace setup
