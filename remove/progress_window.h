#pragma once
#include "platform/controls.h"
#include "platform/form.h"
#include "remove/executor.h"
#include "platform/log_file.h"

namespace uninstall {

// Reports a removal's outcomes to the log; shows nothing.
class QuietView : public RemovalView {
 public:
  explicit QuietView(platform::LogFile& log) : log_(log) {}
  void Progress(const std::string&, int) override {}
  void Report(const Outcome& outcome) override;

 private:
  platform::LogFile& log_;
};

// The progress window: caption "Removing", a status line and a progress bar.
// It has no close box: a removal is not stopped half-way by a click.
class RemovalWindow : public platform::Form, public QuietView {
 public:
  explicit RemovalWindow(platform::LogFile& log);
  void Progress(const std::string& status, int position) override;

  platform::Label statusLabel;
  platform::ProgressBar progress;
};

}  // namespace uninstall
