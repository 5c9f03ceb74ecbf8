#include "platform/glyphs.h"

#include <vector>

#include "platform/handle.h"

namespace platform {

namespace {

// One filled polygon of a glyph, in glyph coordinates.
struct Part {
  COLORREF colour;
  std::vector<POINT> points;
};

std::vector<Part> PartsOf(Glyph glyph) {
  constexpr COLORREF kBlue = RGB(0, 64, 160), kGreen = RGB(0, 128, 0), kRed = RGB(192, 0, 0);
  switch (glyph) {
    case Glyph::ArrowLeft:
      return {{kBlue, {{1, 8}, {8, 1}, {8, 5}, {14, 5}, {14, 11}, {8, 11}, {8, 15}}}};
    case Glyph::ArrowRight:
      return {{kBlue, {{15, 8}, {8, 1}, {8, 5}, {2, 5}, {2, 11}, {8, 11}, {8, 15}}}};
    case Glyph::Door:
      // A dark doorway with its leaf swung open towards the viewer, and the knob.
      return {{RGB(64, 64, 64), {{3, 1}, {12, 1}, {12, 15}, {3, 15}}},
              {RGB(160, 96, 32), {{12, 1}, {12, 15}, {6, 16}, {6, 0}}},
              {RGB(255, 208, 0), {{7, 8}, {8, 8}, {8, 9}, {7, 9}}}};
    case Glyph::Tick:
      return {{kGreen, {{1, 9}, {4, 6}, {6, 9}, {12, 2}, {15, 5}, {6, 14}}}};
    case Glyph::Cross:
      return {{kRed,
               {{2, 4}, {4, 2}, {8, 6}, {12, 2}, {14, 4}, {10, 8}, {14, 12}, {12, 14}, {8, 10}, {4, 14},
                {2, 12}, {6, 8}}}};
  }
  return {};
}

}  // namespace

void DrawGlyph(HDC dc, Glyph glyph, POINT at, COLORREF colour) {
  for (Part& part : PartsOf(glyph)) {
    const COLORREF c = colour == CLR_INVALID ? part.colour : colour;
    GdiObject pen(CreatePen(PS_SOLID, 1, c)), brush(CreateSolidBrush(c));
    HGDIOBJ oldPen = SelectObject(dc, pen.get()), oldBrush = SelectObject(dc, brush.get());
    for (POINT& p : part.points) p = {at.x + p.x, at.y + p.y};
    Polygon(dc, part.points.data(), static_cast<int>(part.points.size()));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
  }
}

}  // namespace platform
