#pragma once
#include <functional>
#include <string>

#include "install/apply/executor.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace setup {

// The install window: shows the progress of the install pass, which runs
// inside its first activation, and closes itself by its timer after it.
class ProgressWindow : public platform::Form {
 public:
  ProgressWindow();

  // Shows the window modally while `pass` runs. After Decline or No to a disk
  // too small it closes at once; after an error (already shown) it waits for
  // the user to close it.
  void Run(const std::function<install::Ending()>& pass);

  void SetStatus(const std::string& text) { statusLabel_.SetText(text); }
  void SetProgress(int position) { progressBar_.SetPosition(position); }
  // Draws the window now; pending input is not processed.
  void Repaint();

 protected:
  void FormActivate() override;

 private:
  platform::Label statusLabel_;
  platform::ProgressBar progressBar_;
  platform::Timer closeTimer_;
  std::function<install::Ending()> pass_;
};

}  // namespace setup
