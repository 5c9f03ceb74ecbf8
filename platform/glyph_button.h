#pragma once
#include "platform/controls.h"
#include "platform/glyphs.h"

namespace platform {

// A push button with a glyph left of its caption. It stays a standard
// "Button" window whose text is its caption (pressed by BM_CLICK, Enter and
// its access key as any push button); only its face is drawn here.
class GlyphButton : public Button {
 public:
  GlyphButton(Container& parent, int id, const std::string& caption, Glyph glyph, const Bounds& b);
  void SetText(const std::string& text) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  Glyph glyph_;
};

}  // namespace platform
