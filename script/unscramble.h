// The scrambled form of the install script and of the licence text: a "1" in
// front of line 0, and every character lowered by a step running 1, 2, 3, 4,
// 5, 1, ... over the whole text (modulo 256).
#pragma once

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

}  // namespace script
