#pragma once
// A program's command line, split into words as Windows' own programs split
// it (the C runtime's rule, which CommandLineToArgvW shares): blanks (space
// and tab) separate words; a quote begins or ends a quoted stretch, whose
// blanks belong to the word, and is itself dropped; inside a quoted stretch
// "" is one quote and ends the stretch; backslashes are plain characters
// except before a quote, where each pair is one backslash and an odd one
// left over makes the quote a plain character. Plain C++.
#include <cstddef>
#include <optional>
#include <string>

namespace platform {

struct CommandWord {
  std::string text;        // as the program reads it
  std::string written;     // as it stands on the line, quotes and all
  bool quoteOpen = false;  // a quoted stretch ran on to the end of the line
};

// The word after the blanks at `at`, which is left after the word; nothing
// when only blanks are left.
std::optional<CommandWord> NextCommandWord(const std::string& line, std::size_t& at);

// The line from `at` to its end read as one value, blanks and all: its
// quotes taken out and the blanks around it trimmed.
std::string RestOfLine(const std::string& line, std::size_t at);

}  // namespace platform
