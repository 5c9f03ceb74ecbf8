#pragma once
#include <string>
#include <vector>

#include "install/session.h"
#include "install/uCopy.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/glyph_button.h"
#include "script/lines.h"
#include "setup/wizard_rules.h"

namespace setup {

// The wizard: the program's main window. It reads the script at its first
// activation, asks for the destination, the Start Menu folder and the README,
// and runs the install sequence behind Install.
class TfSetup : public platform::Form {
 public:
  explicit TfSetup(install::Session& session);
  void SetInstallWindow(install::TfCopy* copy) { fCopy_ = copy; }

 protected:
  void FormActivate() override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void FormCreate();
  void StepPage(Direction direction);
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void InstallSequence();
  void FinishingQuestion(const install::InstallOutcome& outcome);

  platform::Panel& PageOf(Page page);
  Page ActivePage() const;

  install::Session& session_;
  install::TfCopy* fCopy_ = nullptr;
  bool startedUp_ = false;

  script::Lines ini;                  // the install script
  std::vector<std::string> smenubox;  // the folder list of the Programs folder

 public:
  platform::Label lMain, Label1, Label6, Label7, Label4;
  platform::StatusBar StatusBar1;
  platform::Panel Panel1;
  platform::PageControl pc1;
  platform::GlyphButton button3, Button2, Button1;
  platform::Panel &ts1, &ts3, &ts4, &ts5, &ts8;
  platform::Bevel Bevel1;
  platform::Label Label9, Label11, Label10;
  platform::Bevel Bevel3;
  platform::Label Label3, Label13;
  platform::FolderEdit d;
  platform::Bevel Bevel4;
  platform::Label Label14, Label2;
  platform::ComboBox smenu;
  platform::Bevel Bevel5;
  platform::Label Label15;
  platform::CheckBox txtread;
  platform::Bevel Bevel8;
  platform::Label Label8, Label17, lDest, Label18, lStart, Label19, lReadMe;
};

}  // namespace setup
