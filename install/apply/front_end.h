#pragma once
// What the install engine asks of the one who runs it. The wizard answers by
// asking the user and shows the pass in its progress window; the unattended
// run answers from its command line and writes everything to its log.
#include <functional>
#include <string>

#include "install/apply/journal.h"

namespace install {

// Why the install sequence did not begin.
enum class Refusal {
  Running,        // the product's window is open
  ChoiceMissing,  // no Start Menu folder or no destination
};

enum class Ending {
  Running,           // refused: the product's window is open
  ChoiceMissing,     // refused: no Start Menu folder or no destination
  StoppedBefore,     // an error before the pass: nothing installed
  Declined,          // the licence declined: nothing installed
  NoSpace,           // No to a disk too small: nothing installed
  StoppedInPass,     // an error ended the pass: nothing after it was done
  StoppedAfterPass,  // an error in the late value: no finishing question
  Installed,
};

class FrontEnd : public StepNotes {
 public:
  // Before the pass: the sequence ends with this text, nothing installed.
  virtual void Refuse(Refusal why, const std::string& text) = 0;
  // Carries out `pass`, the wizard inside its progress window; `pass` tells
  // how far the install got.
  virtual void ShowPass(const std::function<Ending()>& pass) = 0;

  // The progress of the pass.
  virtual void SetStatus(const std::string& text) = 0;
  virtual void SetProgress(int position) = 0;
  // Draws the progress now; pending input is not processed.
  virtual void Repaint() = 0;

  // The pass's questions and messages.
  // The licence agreement's text: true when it is accepted.
  virtual bool AcceptLicence(const std::string& text) = 0;
  // A warning with the buttons Yes and No; true for Yes.
  virtual bool Ask(const std::string& text) = 0;
  // The prompt for the disk that holds `line`; false stops prompting (the
  // copy is then tried at once).
  virtual bool InsertDisk(const std::string& line) = 0;
  // A file whose copy failed, with the system's error code.
  virtual void CopyFailed(const std::string& line, unsigned long error) = 0;
  // The README's text, when the README is wanted.
  virtual void ShowReadme(const std::string& text) = 0;
  // A modal message with a single OK button.
  virtual void Tell(const std::string& text) = 0;
  // The error that ends a part of the install, at the moment it does.
  virtual void ShowError(const std::string& text) = 0;

  // After the pass. Whether the late value and the finishing question still
  // follow a pass that an error ended.
  virtual bool FinishesAfterError() const = 0;
  // The finishing questions; true for Yes.
  virtual bool AskRestart(const std::string& question) = 0;
  virtual bool AskRun(const std::string& question) = 0;

 protected:
  ~FrontEnd() = default;
};

}  // namespace install
