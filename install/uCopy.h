#pragma once
#include <string>

#include "install/copy_files.h"
#include "install/journal.h"
#include "install/session.h"
#include "install/wizard_fields.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "reader/uReadMe.h"
#include "script/lines.h"
#include "script/sections.h"
#include "shell/SheLink.h"

namespace install {

// The install window: runs one install pass on its first activation, then
// closes itself by its timer.
class TfCopy : public platform::Form, private CopyView {
 public:
  TfCopy(Session& session, const WizardFields& wizard);
  ~TfCopy() override;
  // The reader is made after this window, as the program start orders them.
  void SetReader(reader::TfReadMe* reader) { fReadMe_ = reader; }

  platform::Label Label1;
  platform::ProgressBar progress;
  platform::Timer tClose;
  shell::TShellLink shelllink1;
  // The late value's lines, handed back to the wizard.
  script::Lines regadd;

 protected:
  void FormActivate() override;

 private:
  void FormCreate();
  void FormDestroy();
  void tCloseTimer();

  // The install pass and its steps, in the order they run.
  bool LicenceAccepted(const std::string& destination);
  void ReadScript();
  // False when the user ends the pass before anything is copied.
  bool RunPhases(const std::string& destination, Journal& journal);
  void ClosingSteps(bool accepted);
  int ShowReader(const std::string& text);

  // What the copy phase shows.
  void SetStatus(const std::string& text) override;
  void SetProgress(int position) override;
  void Repaint() override;
  void Tell(const std::string& text) override;
  bool Ask(const std::string& text) override;

  Session& session_;
  const WizardFields& wizard_;
  reader::TfReadMe* fReadMe_ = nullptr;
  bool comReady_ = false;

  script::Lines ini;       // the engine's copy of the script
  script::Sections lists;  // the sections, read once per pass
  script::Lines un;        // the uninstall record, then the path file's lines
};

}  // namespace install
