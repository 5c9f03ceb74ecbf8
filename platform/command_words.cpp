#include "platform/command_words.h"

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
    if (line[at] == '\\') {
      std::size_t end = at;
      while (end < line.size() && line[end] == '\\') ++end;
      const bool beforeQuote = end < line.size() && line[end] == '"';
      word.text.append(beforeQuote ? (end - at) / 2 : end - at, '\\');
      if (beforeQuote && (end - at) % 2) {
        word.text += '"';
        ++end;
      }
      at = end;
    } else if (line[at] == '"') {
      if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
        word.text += '"';
        ++at;
        quoted = false;
      } else {
        quoted = !quoted;
      }
      ++at;
    } else {
      word.text += line[at++];
    }
  }
  word.written = line.substr(from, at - from);
  word.quoteOpen = quoted;
  return word;
}

std::string RestOfLine(const std::string& line, std::size_t at) {
  std::string rest;
  for (std::size_t i = at; i < line.size(); ++i)
    if (line[i] != '"') rest += line[i];
  return script::Trim(rest);
}

}  // namespace platform
