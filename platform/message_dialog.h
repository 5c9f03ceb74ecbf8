#pragma once
#include <string>

namespace platform {

// The type sets the caption and the icon.
enum class DialogType { Warning, Error, Information, Confirmation };

// Button sets; results are the pressed button: Yes 6, No 7, OK 1, Cancel 2.
enum Buttons : unsigned { Yes = 1, No = 2, OK = 4, Cancel = 8 };
enum DialogResult { ResultOK = 1, ResultCancel = 2, ResultYes = 6, ResultNo = 7 };

// A modal message box that looks and reads the same on every Windows language:
// captions "Warning", "Error", "Information", "Confirm"; buttons "&Yes", "&No",
// "OK", "Cancel" in that order. Enter presses `defaultButton` when given,
// else OK, else Yes; Esc presses Cancel, else No, else OK. The box stays
// within the screen: a text too long for it is cut.
int MessageDlg(const std::string& text, DialogType type, unsigned buttons, unsigned defaultButton = 0);

}  // namespace platform
