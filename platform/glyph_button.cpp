#include "platform/glyph_button.h"

#include <algorithm>
#include <functional>

namespace platform {

namespace {

constexpr int kGap = 4;  // between the glyph and the caption

// Gives a DC back with the font, colours and mode it was handed with.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDc() { RestoreDC(dc_, saved_); }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// Draws an image in its own colours (CLR_INVALID) or, disabled, embossed as
// the system draws disabled controls: a highlight one pixel down and right,
// under the shadow.
void DrawImage(bool enabled, const std::function<void(int offset, COLORREF colour)>& draw) {
  if (enabled) return draw(0, CLR_INVALID);
  draw(1, GetSysColor(COLOR_3DHILIGHT));
  draw(0, GetSysColor(COLOR_3DSHADOW));
}

}  // namespace

GlyphButton::GlyphButton(Container& parent, int id, const std::string& caption, Glyph glyph,
                         const Bounds& b)
    : Button(parent, id, caption, b, BS_OWNERDRAW), glyph_(glyph) {}

void GlyphButton::SetText(const std::string& text) {
  Button::SetText(text);
  // The system does not always draw an owner-drawn button again for a new text.
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void GlyphButton::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  SavedDc saved(dc);
  const bool pushed = item.itemState & ODS_SELECTED;
  const bool focused = item.itemState & ODS_FOCUS;
  const bool enabled = !(item.itemState & ODS_DISABLED);

  RECT face = item.rcItem;
  if (focused || form_->IsDefaultButton(*this)) {
    // Where Enter goes: the dark outline of the default button.
    FrameRect(dc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&face, -1, -1);
  }
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

  // The glyph and the caption side by side, centred; pushed, they move down and right.
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  const std::string caption = Text();
  // The access key is underlined unless the system hides keyboard cues for now.
  const UINT format =
      DT_SINGLELINE | DT_VCENTER | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
  RECT extent{0, 0, 0, 0};
  DrawTextA(dc, caption.c_str(), -1, &extent, format | DT_CALCRECT);
  const int width = kGlyphSize + (caption.empty() ? 0 : kGap + extent.right);
  const int shift = pushed ? 1 : 0;
  const int left = std::max<int>(face.left + 2, (face.left + face.right - width) / 2) + shift;
  const POINT glyphAt{left, (face.top + face.bottom - kGlyphSize) / 2 + shift};
  const RECT textBox{left + kGlyphSize + kGap, face.top + shift, face.right - 2, face.bottom + shift};
  DrawImage(enabled, [&](int offset, COLORREF colour) {
    DrawGlyph(dc, glyph_, {glyphAt.x + offset, glyphAt.y + offset}, colour);
    SetTextColor(dc, colour == CLR_INVALID ? GetSysColor(COLOR_BTNTEXT) : colour);
    RECT r = textBox;
    OffsetRect(&r, offset, offset);
    DrawTextA(dc, caption.c_str(), -1, &r, format);
  });

  if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
    // The dotted pattern takes the DC's text and background colours.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    InflateRect(&face, -3, -3);
    DrawFocusRect(dc, &face);
  }
}

}  // namespace platform
