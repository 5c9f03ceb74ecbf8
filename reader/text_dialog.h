#pragma once
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/glyph_button.h"

namespace reader {

// The modal reader: a read-only text with two buttons.
class TextDialog : public platform::Form {
 public:
  TextDialog();
  // The licence agreement with Accept and Decline: true for Accept.
  bool AskAcceptance(const std::string& text);
  // A text with OK alone.
  void ShowText(const std::string& text);

  platform::Memo memo;
  platform::GlyphButton okButton;
  platform::GlyphButton declineButton;

 protected:
  void FormShow() override;

 private:
  void OkClick();
  void DeclineClick();
};

}  // namespace reader
