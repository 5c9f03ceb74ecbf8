#include "reader/text_dialog.h"

#include "reader/ids.h"

namespace reader {

// A dialog border without system menu: only the buttons close it.
TextDialog::TextDialog()
    : Form("TfReadMe", "Reader",
           Centred(WS_POPUP | WS_CAPTION | WS_DLGFRAME, WS_EX_DLGMODALFRAME, 385, 412)),
      memo(*this, ids::text, {0, 0, 385, 377}),
      okButton(*this, ids::ok, "&OK", platform::Glyph::Tick, {302, 382, 75, 25}),
      declineButton(*this, ids::decline, "&Decline", platform::Glyph::Cross, {219, 382, 75, 25}) {
  okButton.OnClick = [this] { OkClick(); };
  declineButton.OnClick = [this] { DeclineClick(); };
  SetDefaultButton(&okButton);
  SetCancelButton(&declineButton);
}

bool TextDialog::AskAcceptance(const std::string& text) {
  okButton.SetText("&Accept");
  declineButton.SetVisible(true);
  memo.SetText(text);
  const bool accepted = ShowModal() == 1;
  okButton.SetText("&OK");
  okButton.SetEnabled(true);
  declineButton.SetVisible(false);
  return accepted;
}

void TextDialog::ShowText(const std::string& text) {
  memo.SetText(text);
  ShowModal();
}

void TextDialog::FormShow() { okButton.Focus(); }

void TextDialog::OkClick() {
  memo.SetText("");
  SetModalResult(1);
}

void TextDialog::DeclineClick() { SetModalResult(2); }

}  // namespace reader
