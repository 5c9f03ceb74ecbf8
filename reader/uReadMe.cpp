#include "reader/uReadMe.h"

#include "reader/ids.h"

namespace reader {

namespace {

platform::Form::Style ReaderStyle() {
  platform::Form::Style s;
  // A dialog border without system menu: only the buttons close it.
  s.style = WS_POPUP | WS_CAPTION | WS_DLGFRAME;
  s.exStyle = WS_EX_DLGMODALFRAME;
  s.clientWidth = 385;
  s.clientHeight = 412;
  s.centred = true;
  return s;
}

}  // namespace

TfReadMe::TfReadMe()
    : Form("TfReadMe", "Reader", ReaderStyle()),
      Memo1(*this, ids::Memo1, {0, 0, 385, 377}),
      button1(*this, ids::button1, "&OK", platform::Glyph::Tick, {302, 382, 75, 25}),
      button2(*this, ids::button2, "&Decline", platform::Glyph::Cross, {219, 382, 75, 25}) {
  button1.OnClick = [this] { Button1Click(); };
  button2.OnClick = [this] { Button2Click(); };
  SetDefaultButton(&button1);
  SetCancelButton(&button2);
}

bool TfReadMe::AskAcceptance(const std::string& text) {
  button1.SetText("&Accept");
  button2.SetVisible(true);
  Memo1.SetText(text);
  const bool accepted = ShowModal() == 1;
  button1.SetText("&OK");
  button1.SetEnabled(true);
  button2.SetVisible(false);
  return accepted;
}

void TfReadMe::ShowText(const std::string& text) {
  Memo1.SetText(text);
  ShowModal();
}

void TfReadMe::FormShow() { button1.Focus(); }

void TfReadMe::Button1Click() {
  Memo1.SetText("");
  SetModalResult(1);
}

void TfReadMe::Button2Click() { SetModalResult(2); }

}  // namespace reader
