#pragma once
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/glyph_button.h"

namespace reader {

// The modal reader: a read-only text with two buttons. Its callers fill the
// text, set the captions and visibility, show it and read the result:
// 1 for button1, 2 for button2.
class TfReadMe : public platform::Form {
 public:
  TfReadMe();

  platform::Memo Memo1;
  platform::GlyphButton button1;
  platform::GlyphButton button2;

 protected:
  void FormShow() override;

 private:
  void Button1Click();
  void Button2Click();
};

}  // namespace reader
