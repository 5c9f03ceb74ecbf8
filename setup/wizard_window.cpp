#include "setup/wizard_window.h"

#include "install/apply/executor.h"
#include "install/plan/install_plan.h"
#include "platform/dir_list.h"
#include "platform/files.h"
#include "platform/message_dialog.h"
#include "platform/path_chars.h"
#include "script/version.h"
#include "setup/ids.h"
#include "setup/initial_destination.h"
#include "setup/install_inputs.h"

namespace setup {

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kPanelWidth = 329, kPanelHeight = 161;
// Posted at the start-up; it comes after the first page has been drawn.
constexpr UINT kMakeStatusBar = WM_APP + 16;

// The texts shown before the script is read.
Brand FixedBrand() { return WizardBrand(script::Lines()); }

platform::Form::Style WizardStyle() {
  platform::Form::Style s;
  s.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  s.color = kNavy;
  s.clientWidth = 640;
  s.clientHeight = 480;
  return s;
}

}  // namespace

WizardWindow::WizardWindow()
    : Form("TfSetup", "Setup Utility", WizardStyle()),
      sourceFolder_(SourceFolderOf(platform::ProgramPath())),
      titleLabel_(*this, ids::title, FixedBrand().title, {16, 8, 600, 40}),
      subtitleLabel_(*this, ids::subtitle, FixedBrand().subtitle, {16, 50, 600, 26}),
      versionCaption_(*this, ids::versionCaption, "Version:", {16, 82, 50, 14}),
      versionLabel_(*this, ids::version, "1.00", {68, 82, 300, 14}),
      productLabel_(*this, ids::product, "Label4", {16, 100, 300, 14}),
      panel_(*this, ids::panel, {0, 0, kPanelWidth, kPanelHeight}),
      pages_(panel_, ids::pages, {0, 0, kPanelWidth, 129}),
      backButton_(panel_, ids::back, "&Back", platform::Glyph::ArrowLeft, {88, 134, 75, 25}),
      nextButton_(panel_, ids::next, "&Next", platform::Glyph::ArrowRight, {167, 134, 75, 25}),
      exitButton_(panel_, ids::exit, "E&xit", platform::Glyph::Door, {250, 134, 75, 25}),
      welcomePage_(pages_),
      destinationIntro_(FixedBrand().destinationText) {
  titleLabel_.SetFont({"Arial", 33, true, true});
  subtitleLabel_.SetFont({"Arial", 21, true});
  for (platform::Label* white : {&titleLabel_, &subtitleLabel_, &versionCaption_, &versionLabel_})
    white->SetColor(kWhite);
  productLabel_.SetVisible(false);
  backButton_.SetEnabled(false);
  backButton_.OnClick = [this] { StepPage(Direction::Back); };
  nextButton_.OnClick = [this] { NextClick(); };
  exitButton_.OnClick = [this] { Close(); };
  pages_.SetActivePage(welcomePage_.panel);
  nextButton_.Focus();
  const Point origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                     kPanelWidth, kPanelHeight);
  panel_.SetBounds({origin.x, origin.y, kPanelWidth, kPanelHeight});
}

LRESULT WizardWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kMakeStatusBar && !statusBar_) statusBar_.emplace(*this, ids::statusBar);
  if (msg == WM_SIZE && statusBar_) statusBar_->Resize();
  return Form::HandleMessage(msg, wp, lp);
}

void WizardWindow::FormActivate() {
  // The start-up runs once: a second run would put the defaults back in place
  // of what the user typed.
  if (startedUp_) return;
  startedUp_ = true;
  PostMessageA(Handle(), kMakeStatusBar, 0, 0);

  programsFolder_ = ProgramsFolder();
  script_ = ReadInstallScript(sourceFolder_);
  // A scan that fails on the script's last line leaves the label at the
  // version it had found before.
  std::string version;
  try {
    script::FindVersion(script_, version);
  } catch (...) {
    versionLabel_.SetText(version);
    throw;
  }
  versionLabel_.SetText(version);
  const Brand brand = WizardBrand(script_);
  titleLabel_.SetText(brand.title);
  subtitleLabel_.SetText(brand.subtitle);
  destinationIntro_ = brand.destinationText;
  productLabel_.SetText(script_.at(2));
  welcomePage_.installs.SetText("Setup will install " + script_.at(2));
  defaults_.destination = InitialDestination(script_);
  startMenuChoices_ = StartMenuChoices(platform::ListFolders(programsFolder_));
  defaults_.startMenu = script_.at(1);
}

Page WizardWindow::ActivePage() {
  const platform::Panel* active = pages_.ActivePage();
  for (Page page : {Page::Welcome, Page::Destination, Page::StartMenu, Page::Readme, Page::Confirm})
    if (active == PageOf(page)) return page;
  return Page::Welcome;
}

// Null for a page not made yet.
platform::Panel* WizardWindow::PageOf(Page page) {
  switch (page) {
    case Page::Welcome: return &welcomePage_.panel;
    case Page::Destination: return destinationPage_ ? &destinationPage_->panel : nullptr;
    case Page::StartMenu: return startMenuPage_ ? &startMenuPage_->panel : nullptr;
    case Page::Readme: return readmePage_ ? &readmePage_->panel : nullptr;
    case Page::Confirm: return confirmPage_ ? &confirmPage_->panel : nullptr;
  }
  return nullptr;
}

void WizardWindow::MakePage(Page page) {
  switch (page) {
    case Page::Welcome: break;
    case Page::Destination:
      if (!destinationPage_) destinationPage_.emplace(pages_, destinationIntro_, defaults_.destination);
      break;
    case Page::StartMenu:
      if (!startMenuPage_) startMenuPage_.emplace(pages_, startMenuChoices_, defaults_.startMenu);
      break;
    case Page::Readme:
      if (!readmePage_) readmePage_.emplace(pages_, defaults_.viewReadme);
      break;
    case Page::Confirm:
      if (!confirmPage_) confirmPage_.emplace(pages_);
      break;
  }
}

Answers WizardWindow::CurrentAnswers() const {
  Answers answers = defaults_;
  if (destinationPage_) answers.destination = destinationPage_->destination.Text();
  if (startMenuPage_) answers.startMenu = startMenuPage_->folder.Text();
  if (readmePage_) answers.viewReadme = readmePage_->viewReadme.Checked();
  return answers;
}

void WizardWindow::StepPage(Direction direction) {
  const PageStep step = setup::StepPage(ActivePage(), direction);
  MakePage(step.page);
  if (confirmPage_) confirmPage_->Summarise(CurrentAnswers());
  pages_.SetActivePage(*PageOf(step.page));
  if (step.backEnabled) backButton_.SetEnabled(*step.backEnabled);
  if (step.nextCaption) nextButton_.SetText(*step.nextCaption);
}

void WizardWindow::NextClick() {
  // The caption tells whether the last page has been reached.
  const std::string caption = nextButton_.Text();
  if (caption == "&Next") StepPage(Direction::Forward);
  else if (caption == "&Install") Install();
}

void WizardWindow::Install() {
  const Answers answers = CurrentAnswers();
  const install::InstallChoices choices{platform::WithoutTrailingBackslash(answers.destination), answers.startMenu,
                                        answers.viewReadme};
  const install::InstallPlan plan =
      install::MakeInstallPlan(script_, choices, MachineFactsFor(sourceFolder_, programsFolder_));
  switch (install::CarryOut(plan, *this).ending) {
    // Refused, or stopped before the pass: the wizard stays on its last page.
    case install::Ending::Running:
    case install::Ending::ChoiceMissing:
    case install::Ending::StoppedBefore:
    // An error after the pass: the wizard stays, showing only its title.
    case install::Ending::StoppedAfterPass:
      return;
    default:
      Close();
  }
}

void WizardWindow::Refuse(install::Refusal why, const std::string& text) {
  platform::MessageDlg(text, why == install::Refusal::Running ? platform::DialogType::Confirmation
                                                               : platform::DialogType::Warning,
                       platform::OK);
}

void WizardWindow::ShowPass(const std::function<install::Ending()>& pass) {
  panel_.SetVisible(false);
  // The destination box shows the folder as the install uses it.
  if (destinationPage_) {
    platform::Edit& box = destinationPage_->destination;
    const std::string destination = box.Text();
    if (platform::WithoutTrailingBackslash(destination) != destination)
      box.SetText(platform::WithoutTrailingBackslash(destination));
  }
  Progress().Run(pass);
}

bool WizardWindow::Ask(const std::string& text) {
  return platform::MessageDlg(text, platform::DialogType::Warning, platform::Yes | platform::No) ==
         platform::ResultYes;
}

bool WizardWindow::InsertDisk(const std::string& line) {
  Tell("Insert the disk with " + line);
  return true;
}

void WizardWindow::CopyFailed(const std::string& line, unsigned long) { Tell("Error copying " + line); }

void WizardWindow::Tell(const std::string& text) {
  platform::MessageDlg(text, platform::DialogType::Confirmation, platform::OK);
}

// The application's error box.
void WizardWindow::ShowError(const std::string& text) {
  platform::MessageDlg(text, platform::DialogType::Error, platform::OK);
}

ProgressWindow& WizardWindow::Progress() {
  if (!progress_) progress_.emplace();
  return *progress_;
}

reader::TextDialog& WizardWindow::Reader() {
  if (!reader_) reader_.emplace();
  return *reader_;
}

}  // namespace setup
