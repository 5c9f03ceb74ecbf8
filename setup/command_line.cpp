#include "setup/command_line.h"

#include <cstring>

#include "platform/command_words.h"
#include "platform/path_chars.h"
#include "script/lines.h"
#include "setup/switch_paths.h"

namespace setup {

namespace {

bool StartsWith(const std::string& lower, const char* prefix) { return lower.compare(0, strlen(prefix), prefix) == 0; }

}  // namespace

void Refuse(Options& o, const std::string& text) {
  if (!o.usageError) o.refusal = text;
  o.usageError = true;
}

Options ParseCommandLine(const std::string& arguments) {
  Options o;
  std::size_t at = 0;
  std::string firstSwitch;  // the first that needs /S
  while (const auto next = platform::NextCommandWord(arguments, at)) {
    const std::string& word = next->text;
    const std::string& written = next->written;
    const std::string lower = script::LowerAscii(word);
    if (StartsWith(lower, "/d=")) {
      const std::string given = script::Trim(platform::RestOfLine(arguments, at - written.size()).substr(3));
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
    if (lower != "/s" && lower != "/?" && firstSwitch.empty()) firstSwitch = written;
    if (next->quoteOpen) {
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
