#pragma once
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/glyph_button.h"

namespace reader {

// The modal reader: a read-only text with two buttons.
class TfReadMe : public platform::Form {
 public:
  TfReadMe();
  // The licence agreement with Accept and Decline: true for Accept.
  bool AskAcceptance(const std::string& text);
  // A text with OK alone.
  void ShowText(const std::string& text);

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
