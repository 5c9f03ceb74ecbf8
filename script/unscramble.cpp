#include "script/unscramble.h"

#include <cassert>

namespace script {

namespace {

constexpr char kScrambleMark = '1';
constexpr int kLongestStep = 5;

// Moves every character by its step, up (direction 1) or down (-1). Works on
// raw bytes so that the wrap-around is the same for every char signedness.
void ShiftByStep(Lines& text, int direction) {
  int step = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    for (char& c : text.at(i)) {
      const int shifted = static_cast<unsigned char>(c) + direction * step;
      c = static_cast<char>(static_cast<unsigned char>(shifted & 0xFF));
      step = step % kLongestStep + 1;
    }
  }
}

bool EndsWithLineEnd(std::string_view text) {
  return text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
}

// Lines as a file's text; a text that is not empty always ends in CR LF
// when joined, so the cut is safe.
std::string AsText(const Lines& lines, bool lineEnd) {
  std::string text = JoinLines(lines);
  if (!lineEnd && !text.empty()) text.resize(text.size() - 2);
  return text;
}

}  // namespace

bool IsScrambled(const Lines& text) {
  return !text.empty() && !text.at(0).empty() &&
         text.at(0).front() == kScrambleMark;
}

void Unscramble(Lines& text) {
  assert(IsScrambled(text));
  text.at(0).erase(0, 1);
  ShiftByStep(text, 1);
}

Lines Scramble(const Lines& clear) {
  Lines text = clear.empty() ? Lines{""} : clear;
  ShiftByStep(text, -1);
  text.at(0).insert(0, 1, kScrambleMark);
  return text;
}

std::string UnscrambleText(std::string_view scrambled) {
  Lines lines = SplitLines(scrambled);
  Unscramble(lines);
  return AsText(lines, EndsWithLineEnd(scrambled));
}

std::optional<std::string> ScrambleText(std::string_view clear) {
  std::string text = AsText(Scramble(SplitLines(clear)), EndsWithLineEnd(clear));
  if (UnscrambleText(text) != clear) return std::nullopt;
  return text;
}

}  // namespace script
