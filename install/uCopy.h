#pragma once
#include "install/session.h"
#include "install/wizard_fields.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "reader/uReadMe.h"
#include "script/lines.h"

namespace install {

// The install window: runs one install pass on its first activation, then
// closes itself by its timer.
class TfCopy : public platform::Form {
 public:
  TfCopy(Session& session, const WizardFields& wizard);
  // The reader is made after this window, as the program start orders them.
  void SetReader(reader::TfReadMe* reader) { fReadMe_ = reader; }
  ~TfCopy() override;

  platform::Label Label1;
  platform::ProgressBar progress;
  platform::Timer tClose;
  // The late value's lines, handed back to the wizard.
  script::Lines regadd;

 protected:
  void FormActivate() override;

 private:
  void FormCreate();
  void FormDestroy();
  void tCloseTimer();

  Session& session_;
  const WizardFields& wizard_;
  reader::TfReadMe* fReadMe_ = nullptr;
  bool comReady_ = false;
};

}  // namespace install
