#include "platform/command_words.h"

#include <algorithm>

#include "script/lines.h"

namespace platform {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<CommandWord> NextCommandWord(const std::string& line, std::size_t& at) {
  while (at < line.size() && IsBlank(line[at])) ++at;
  if (at >= line.size()) return std::nullopt;
  CommandWord word;
  const std::size_t from = at;
  bool quoted = false;
  while (at < line.size() && (quoted || !IsBlank(line[at]))) {
    const std::size_t slashes = std::min(line.find_first_not_of('\\', at), line.size()) - at;
    at += slashes;
    const bool quote = at < line.size() && line[at] == '"';
    word.text.append(quote ? slashes / 2 : slashes, '\\');
    if (quote && !(slashes % 2)) {
      // "" inside a quoted stretch is a quote, and the stretch ends.
      const bool doubled = quoted && at + 1 < line.size() && line[at + 1] == '"';
      if (doubled) word.text += '"';
      quoted = !quoted && !doubled;
      at += doubled ? 2 : 1;
    } else if (quote || !slashes) {
      word.text += line[at++];
    }
  }
  word.written = line.substr(from, at - from);
  word.quoteOpen = quoted;
  return word;
}

std::string RestOfLine(const std::string& line, std::size_t at) {
  std::string rest = line.substr(at);
  rest.erase(std::remove(rest.begin(), rest.end(), '"'), rest.end());
  return script::Trim(rest);
}

}  // namespace platform
