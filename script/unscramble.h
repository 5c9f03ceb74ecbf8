// The scrambled form of the install script and of the licence text: a "1" in
// front of line 0, and every character lowered by a step running 1, 2, 3, 4,
// 5, 1, ... over the whole text (modulo 256).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "script/lines.h"

namespace script {

// Line 0 exists and begins with "1". Nothing else is checked: a clear text
// that happens to begin with "1" is taken as scrambled.
bool IsScrambled(const Lines& text);

// Drops the leading "1" and raises every character by its step. The step
// counter runs on across lines; empty lines do not advance it. The number of
// lines is unchanged. Requires IsScrambled(text).
void Unscramble(Lines& text);

// The inverse of Unscramble, for making sample scripts and licence texts.
// An empty text becomes the single line "1". Clear bytes 0x0E to 0x14 may
// come out as CR or LF, which the text-file form cannot keep apart from line
// ends; printable text is safe.
Lines Scramble(const Lines& clear);

// Whole texts as a file holds them, for the author's tools: lines split at
// CR LF, and a final CR LF kept or left off as it was. UnscrambleText
// requires IsScrambled(SplitLines(scrambled)). ScrambleText gives nothing
// when the scrambled text would not come back byte for byte (a clear byte
// scrambled into CR next to LF, so that a line end appears).
std::string UnscrambleText(std::string_view scrambled);
std::optional<std::string> ScrambleText(std::string_view clear);

}  // namespace script
