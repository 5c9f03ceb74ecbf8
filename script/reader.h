// Section lookup in the install script. Every lookup scans from line 0 on its
// own, so the first occurrence of a marker wins and the order of sections in
// the script does not matter.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/lines.h"

namespace script {

// Index of the first line equal to marker, if any.
std::optional<std::size_t> FindMarker(const Lines& script,
                                      std::string_view marker);

// Empties target and fills it with the lines between the marker and the next
// ":" line, changed on the way as the marker asks:
// - ":keep": lower-cased. Only A-Z change; bytes of 0x80 and above are left
//   as they are, since their case depends on the code page.
// - ":files", ":ini": a leading "-" becomes ":".
// - ":files": target gets an empty first entry before the copied lines.
// An absent marker leaves target untouched. A section that runs off the end
// of the script throws ListIndexError. With sourceLines, it receives the
// script index of every entry added to target (for ":files" the empty first
// entry gets the marker's index), for tools that name lines.
void ReadListSection(const Lines& script, std::string_view marker,
                     Lines& target,
                     std::vector<std::size_t>* sourceLines = nullptr);

// The n lines after the marker, or n empty strings when it is absent. Throws
// ListIndexError when the script ends before n lines follow it.
std::vector<std::string> ReadValueSection(const Lines& script,
                                          std::string_view marker,
                                          std::size_t n);

bool ReadFlagSection(const Lines& script, std::string_view marker);

// Scans every line and returns the line after the last one equal to any of
// words, or absent when there is none. A match on the last line throws
// ListIndexError. Used where the last occurrence wins rather than the first.
std::string ReadLastValue(const Lines& script,
                          std::initializer_list<std::string_view> words,
                          std::string_view absent);
// The same scan, keeping its result in `value` as it goes: when it throws,
// `value` holds the line after the last complete match before (or absent).
void ScanLastValue(const Lines& script,
                   std::initializer_list<std::string_view> words,
                   std::string_view absent, std::string& value);

}  // namespace script
