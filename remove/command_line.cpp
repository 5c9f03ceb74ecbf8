#include "remove/command_line.h"

#include "platform/command_words.h"
#include "script/lines.h"

namespace uninstall {

Options ParseCommandLine(const std::string& arguments) {
  Options options;
  std::size_t at = 0;
  std::size_t folderAt = 0;
  while (const auto word = platform::NextCommandWord(arguments, at)) {
    if (word->text.empty() || word->text[0] != '/') break;
    folderAt = at;
    const std::string lower = script::LowerAscii(word->text);
    if (lower == "/?")
      options.help = true;
    else if (lower == "/s")
      options.silent = true;
    else if (lower.compare(0, 5, "/log=") == 0 && lower.size() > 5)
      options.logFile = word->text.substr(5);
    else
      options.usageError = true;
  }
  std::string folder = platform::RestOfLine(arguments, folderAt);
  while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  options.folder = folder;
  if (folder.empty() && !options.help) options.usageError = true;
  return options;
}

}  // namespace uninstall
