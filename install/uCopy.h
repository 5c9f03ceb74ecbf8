#pragma once
#include <string>

#include "install/front_end.h"
#include "install/install_pass.h"
#include "install/session.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "reader/uReadMe.h"
#include "shell/SheLink.h"

namespace install {

// The install window: runs one install pass on its first activation, then
// closes itself by its timer. It answers the pass's questions by asking the user.
class TfCopy : public platform::Form, private FrontEnd {
 public:
  explicit TfCopy(Session& session);
  ~TfCopy() override;
  // The reader is made after this window, as the program start orders them.
  void SetReader(reader::TfReadMe* reader) { fReadMe_ = reader; }

  platform::Label Label1;
  platform::ProgressBar progress;
  platform::Timer tClose;
  shell::TShellLink shelllink1;

  // Shows the window modally while the pass runs; what the pass did.
  InstallOutcome Install(const InstallRequest& request);

 protected:
  void FormActivate() override;

 private:
  void FormCreate();
  void FormDestroy();
  void tCloseTimer();

  // The pass's questions and what it shows.
  void SetStatus(const std::string& text) override;
  void SetProgress(int position) override;
  void Repaint() override;
  void Tell(const std::string& text) override;
  bool Ask(const std::string& text) override;
  bool InsertDisk(const std::string& line) override;
  void CopyFailed(const std::string& line, unsigned long error) override;
  void Note(const std::string&) override {}
  bool AcceptLicence(const std::string& text) override;
  void ShowReadme(const std::string& text) override;

  Session& session_;
  reader::TfReadMe* fReadMe_ = nullptr;
  bool comReady_ = false;
  const InstallRequest* request_ = nullptr;
  InstallOutcome outcome_;
};

}  // namespace install
