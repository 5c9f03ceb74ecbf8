#include "script/lines.h"

#include <utility>

namespace script {

namespace {
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

const char* ListIndexError::what() const noexcept { return "List index out of bounds"; }

Lines::Lines(std::initializer_list<std::string> lines) : lines_(lines) {}

Lines::Lines(std::vector<std::string> lines) : lines_(std::move(lines)) {}

const std::string& Lines::at(std::size_t i) const {
  if (i >= lines_.size()) throw ListIndexError();
  return lines_[i];
}

std::string& Lines::at(std::size_t i) {
  if (i >= lines_.size()) throw ListIndexError();
  return lines_[i];
}

void Lines::add(std::string line) { lines_.push_back(std::move(line)); }

void Lines::insert(std::size_t i, std::string line) {
  if (i > lines_.size()) throw ListIndexError();
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(i),
                std::move(line));
}

void Lines::erase(std::size_t i) {
  if (i >= lines_.size()) throw ListIndexError();
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
}

Lines SplitLines(std::string_view text) {
  Lines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(kLineEnd, start);
    if (end == std::string_view::npos) {
      lines.add(std::string(text.substr(start)));
      break;
    }
    lines.add(std::string(text.substr(start, end - start)));
    start = end + kLineEnd.size();
  }
  return lines;
}

std::string JoinLines(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kLineEnd;
  }
  return text;
}

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace script
