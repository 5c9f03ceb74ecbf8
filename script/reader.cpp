#include "script/reader.h"

#include <utility>

#include "script/markers.h"

namespace script {

namespace {

enum class CopyChange { kNone, kLowerCase, kDashToColon };

CopyChange ChangeFor(std::string_view marker) {
  if (marker == marker::kKeep) return CopyChange::kLowerCase;
  if (marker == marker::kFiles || marker == marker::kIni)
    return CopyChange::kDashToColon;
  return CopyChange::kNone;
}

// Returns whether the line was added.
bool CopyLine(std::string line, CopyChange change, Lines& target) {
  switch (change) {
    case CopyChange::kNone:
      break;
    case CopyChange::kLowerCase:
      line = LowerAscii(std::move(line));
      break;
    case CopyChange::kDashToColon:
      // These lines are told apart by their first character; an empty one
      // has none and carries nothing, so it is skipped.
      if (line.empty()) return false;
      if (line.front() == '-') line.front() = ':';
      break;
  }
  target.add(std::move(line));
  return true;
}

}  // namespace

std::optional<std::size_t> FindMarker(const Lines& script,
                                      std::string_view marker) {
  for (std::size_t i = 0; i < script.size(); ++i) {
    if (script.at(i) == marker) return i;
  }
  return std::nullopt;
}

void ReadListSection(const Lines& script, std::string_view marker,
                     Lines& target, std::vector<std::size_t>* sourceLines) {
  const std::optional<std::size_t> start = FindMarker(script, marker);
  if (!start) return;
  target.clear();
  if (sourceLines) sourceLines->clear();
  // The file copier starts with copying off; this entry holds that state
  // until the first destination directive.
  if (marker == marker::kFiles) {
    target.add("");
    if (sourceLines) sourceLines->push_back(*start);
  }
  const CopyChange change = ChangeFor(marker);
  // The end test looks at the line as written, so a "-" line never ends the
  // section. Running off the end throws from at().
  for (std::size_t i = *start + 1; script.at(i) != marker::kSectionEnd; ++i) {
    if (CopyLine(script.at(i), change, target) && sourceLines)
      sourceLines->push_back(i);
  }
}

std::vector<std::string> ReadValueSection(const Lines& script,
                                          std::string_view marker,
                                          std::size_t n) {
  const std::optional<std::size_t> found = FindMarker(script, marker);
  if (!found) return std::vector<std::string>(n);
  std::vector<std::string> values;
  values.reserve(n);
  for (std::size_t k = 1; k <= n; ++k) values.push_back(script.at(*found + k));
  return values;
}

bool ReadFlagSection(const Lines& script, std::string_view marker) {
  return FindMarker(script, marker).has_value();
}

std::string ReadLastValue(const Lines& script,
                          std::initializer_list<std::string_view> words,
                          std::string_view absent) {
  std::string value;
  ScanLastValue(script, words, absent, value);
  return value;
}

void ScanLastValue(const Lines& script,
                   std::initializer_list<std::string_view> words,
                   std::string_view absent, std::string& value) {
  value = absent;
  // No early stop: the line after a match is itself tested as a word.
  for (std::size_t i = 0; i < script.size(); ++i) {
    for (std::string_view word : words) {
      if (script.at(i) == word) {
        value = script.at(i + 1);
        break;
      }
    }
  }
}

}  // namespace script
