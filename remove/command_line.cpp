#include "remove/command_line.h"

#include "script/lines.h"

namespace uninstall {

namespace {

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The next word, quoted or not, taken off the front of `rest`.
std::string TakeWord(std::string& rest) {
  std::string word;
  std::size_t end;
  if (!rest.empty() && rest[0] == '"') {
    end = rest.find('"', 1);
    word = rest.substr(1, end == std::string::npos ? std::string::npos : end - 1);
    end = end == std::string::npos ? rest.size() : end + 1;
  } else {
    end = rest.find(' ');
    if (end == std::string::npos) end = rest.size();
    word = rest.substr(0, end);
  }
  rest = Trim(rest.substr(end));
  return word;
}

}  // namespace

Options ParseCommandLine(const std::string& arguments) {
  Options options;
  std::string rest = Trim(arguments);
  while (!rest.empty() && (rest[0] == '/' || rest.compare(0, 2, "\"/") == 0)) {
    std::string word = TakeWord(rest);
    const std::string lower = script::LowerAscii(word);
    if (lower == "/?")
      options.help = true;
    else if (lower == "/s")
      options.silent = true;
    else if (lower.compare(0, 5, "/log=") == 0 && word.size() > 5)
      options.logFile = word.substr(5);
    else
      options.usageError = true;
  }
  std::string folder = rest;
  if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"') folder = folder.substr(1, folder.size() - 2);
  folder = Trim(folder);
  while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  options.folder = folder;
  if (folder.empty() && !options.help) options.usageError = true;
  return options;
}

}  // namespace uninstall
