#pragma once
#include <optional>
#include <string>
#include <vector>

#include "install/apply/front_end.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/glyph_button.h"
#include "reader/text_dialog.h"
#include "script/lines.h"
#include "setup/progress_window.h"
#include "setup/wizard_pages.h"
#include "setup/wizard_rules.h"

namespace setup {

// The wizard: the program's main window. It reads the script at its first
// activation and asks for the destination, the Start Menu folder and the
// README; Install hands the engine a plan of the install and answers its
// questions, showing the pass in the progress window.
class WizardWindow : public platform::Form, private install::FrontEnd {
 public:
  WizardWindow();

 protected:
  void FormActivate() override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void StepPage(Direction direction);
  void NextClick();
  void Install();
  platform::Panel* PageOf(Page page);
  Page ActivePage();
  // Makes the page's controls when it is first shown.
  void MakePage(Page page);
  Answers CurrentAnswers() const;

  // The engine's questions.
  void Refuse(install::Refusal why, const std::string& text) override;
  void ShowPass(const std::function<install::Ending()>& pass) override;
  void SetStatus(const std::string& text) override { Progress().SetStatus(text); }
  void SetProgress(int position) override { Progress().SetProgress(position); }
  void Repaint() override { Progress().Repaint(); }
  bool AcceptLicence(const std::string& text) override { return Reader().AskAcceptance(text); }
  bool Ask(const std::string& text) override;
  bool InsertDisk(const std::string& line) override;
  void CopyFailed(const std::string& line, unsigned long error) override;
  void ShowReadme(const std::string& text) override { Reader().ShowText(text); }
  void Tell(const std::string& text) override;
  void ShowError(const std::string& text) override;
  bool FinishesAfterError() const override { return true; }
  bool AskRestart(const std::string& question) override { return Ask(question); }
  bool AskRun(const std::string& question) override { return Ask(question); }
  void Note(const std::string&) override {}

  // Made when first needed, after this window, which stays the main one.
  ProgressWindow& Progress();
  reader::TextDialog& Reader();

  std::string sourceFolder_;
  std::string programsFolder_;  // "" when unknown
  script::Lines script_;
  bool startedUp_ = false;
  std::optional<ProgressWindow> progress_;
  std::optional<reader::TextDialog> reader_;

  platform::Label titleLabel_, subtitleLabel_, versionCaption_, versionLabel_, productLabel_;
  // Made once the first page is up: it is empty, and comctl32 loads with it.
  std::optional<platform::StatusBar> statusBar_;
  platform::Panel panel_;
  platform::PageControl pages_;
  platform::GlyphButton backButton_, nextButton_, exitButton_;
  WelcomePage welcomePage_;

  // What the later pages start from, as the start-up found it.
  std::string destinationIntro_;
  Answers defaults_;
  std::vector<std::string> startMenuChoices_;
  std::optional<DestinationPage> destinationPage_;
  std::optional<StartMenuPage> startMenuPage_;
  std::optional<ReadmePage> readmePage_;
  std::optional<ConfirmPage> confirmPage_;
};

}  // namespace setup
