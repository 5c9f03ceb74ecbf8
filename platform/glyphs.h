#pragma once
#include <windows.h>

namespace platform {

// The small pictures on buttons, drawn with GDI so that the program carries no
// bitmaps.
enum class Glyph { ArrowLeft, ArrowRight, Door, Tick, Cross };

constexpr int kGlyphSize = 16;

// Draws the glyph in a kGlyphSize square at `at`: in its own colours, or all
// in `colour` when one is given (for the disabled image).
void DrawGlyph(HDC dc, Glyph glyph, POINT at, COLORREF colour = CLR_INVALID);

}  // namespace platform
