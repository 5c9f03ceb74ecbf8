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
      statusBar_(*this, ids::statusBar),
      panel_(*this, ids::panel, {0, 0, kPanelWidth, kPanelHeight}),
      pages_(panel_, ids::pages, {0, 0, kPanelWidth, 129}),
      backButton_(panel_, ids::back, "&Back", platform::Glyph::ArrowLeft, {88, 134, 75, 25}),
      nextButton_(panel_, ids::next, "&Next", platform::Glyph::ArrowRight, {167, 134, 75, 25}),
      exitButton_(panel_, ids::exit, "E&xit", platform::Glyph::Door, {250, 134, 75, 25}),
      welcomePage_(pages_.AddPage(ids::welcomePage)),
      destinationPage_(pages_.AddPage(ids::destinationPage)),
      startMenuPage_(pages_.AddPage(ids::startMenuPage)),
      readmePage_(pages_.AddPage(ids::readmePage)),
      confirmPage_(pages_.AddPage(ids::confirmPage)),
      welcomeBevel_(welcomePage_, ids::welcomeBevel, {4, 4, 321, 121}),
      welcomeHeading_(welcomePage_, ids::welcomeHeading, "Welcome to the universal install utility",
                      {12, 12, 305, 16}, true),
      welcomeText_(welcomePage_, ids::welcomeText,
                   "Please answer the questions on the following pages to allow the Setup Utility to "
                   "properly install your program.",
                   {12, 34, 305, 42}, true),
      installsText_(welcomePage_, ids::installsText, "Setup will install:", {12, 82, 305, 36}, true),
      destinationBevel_(destinationPage_, ids::destinationBevel, {4, 4, 321, 121}),
      destinationText_(destinationPage_, ids::destinationText, FixedBrand().destinationText, {12, 10, 305, 66},
                       true),
      destinationCaption_(destinationPage_, ids::destinationCaption, "Destination Directory", {12, 78, 200, 14}),
      destinationEdit_(destinationPage_, ids::destination, "", {12, 94, 305, 21}),
      startMenuBevel_(startMenuPage_, ids::startMenuBevel, {4, 4, 321, 121}),
      startMenuText_(startMenuPage_, ids::startMenuText,
                     "Select the default Start Menu Folder listed below or change it to any other Start "
                     "Menu folder listed in the drop down box.",
                     {12, 12, 305, 44}, true),
      startMenuCaption_(startMenuPage_, ids::startMenuCaption, "Start Menu Folder", {12, 64, 200, 14}),
      startMenuBox_(startMenuPage_, ids::startMenu, {12, 80, 305, 21}),
      readmeBevel_(readmePage_, ids::readmeBevel, {4, 4, 321, 121}),
      readmeText_(readmePage_, ids::readmeText,
                  "After installation, you may choose to view any updated information included in the "
                  "README.TXT file.  It is recommended that you browse this file as some of it's "
                  "information may not be included in the help documentation.",
                  {12, 10, 305, 80}, true),
      readmeBox_(readmePage_, ids::readme, "View Readme File.", {12, 96, 200, 18}),
      confirmBevel_(confirmPage_, ids::confirmBevel, {4, 4, 321, 121}),
      confirmText_(confirmPage_, ids::confirmText,
                   "Press Install to continue, or Back to make changes to the installation", {12, 10, 305, 30},
                   true),
      destinationSummaryCaption_(confirmPage_, ids::destinationSummaryCaption, "Destination", {12, 48, 96, 14}),
      destinationSummary_(confirmPage_, ids::destinationSummary, "", {110, 48, 207, 14}),
      startMenuSummaryCaption_(confirmPage_, ids::startMenuSummaryCaption, "Start Menu folder:",
                               {12, 68, 96, 14}),
      startMenuSummary_(confirmPage_, ids::startMenuSummary, "", {110, 68, 207, 14}),
      readmeSummaryCaption_(confirmPage_, ids::readmeSummaryCaption, "View Readme:", {12, 88, 96, 14}),
      readmeSummary_(confirmPage_, ids::readmeSummary, "", {110, 88, 207, 14}) {
  titleLabel_.SetFont({"Arial", 33, true, true});
  subtitleLabel_.SetFont({"Arial", 21, true});
  for (platform::Label* white : {&titleLabel_, &subtitleLabel_, &versionCaption_, &versionLabel_})
    white->SetColor(kWhite);
  productLabel_.SetVisible(false);
  readmeBox_.SetChecked(true);
  backButton_.SetEnabled(false);
  backButton_.OnClick = [this] { StepPage(Direction::Back); };
  nextButton_.OnClick = [this] { NextClick(); };
  exitButton_.OnClick = [this] { Close(); };
  pages_.SetActivePage(welcomePage_);
  nextButton_.Focus();
  const Point origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                     kPanelWidth, kPanelHeight);
  panel_.SetBounds({origin.x, origin.y, kPanelWidth, kPanelHeight});
}

LRESULT WizardWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SIZE) statusBar_.Resize();
  return Form::HandleMessage(msg, wp, lp);
}

void WizardWindow::FormActivate() {
  // The start-up runs once: a second run would put the defaults back in place
  // of what the user typed.
  if (startedUp_) return;
  startedUp_ = true;

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
  destinationText_.SetText(brand.destinationText);
  productLabel_.SetText(script_.at(2));
  installsText_.SetText("Setup will install " + script_.at(2));
  destinationEdit_.SetText(InitialDestination(script_));
  startMenuBox_.ClearItems();
  for (const auto& choice : StartMenuChoices(platform::ListFolders(programsFolder_))) startMenuBox_.AddItem(choice);
  startMenuBox_.SetText(script_.at(1));
}

Page WizardWindow::ActivePage() {
  const platform::Panel* active = pages_.ActivePage();
  for (Page page : {Page::Welcome, Page::Destination, Page::StartMenu, Page::Readme, Page::Confirm})
    if (active == &PageOf(page)) return page;
  return Page::Welcome;
}

platform::Panel& WizardWindow::PageOf(Page page) {
  switch (page) {
    case Page::Welcome: return welcomePage_;
    case Page::Destination: return destinationPage_;
    case Page::StartMenu: return startMenuPage_;
    case Page::Readme: return readmePage_;
    case Page::Confirm: return confirmPage_;
  }
  return welcomePage_;
}

void WizardWindow::StepPage(Direction direction) {
  const PageStep step = setup::StepPage(ActivePage(), direction);
  pages_.SetActivePage(PageOf(step.page));
  if (step.backEnabled) backButton_.SetEnabled(*step.backEnabled);
  if (step.nextCaption) nextButton_.SetText(*step.nextCaption);
  destinationSummary_.SetText(destinationEdit_.Text());
  startMenuSummary_.SetText(startMenuBox_.Text());
  readmeSummary_.SetText(readmeBox_.Checked() ? "Yes" : "No");
}

void WizardWindow::NextClick() {
  // The caption tells whether the last page has been reached.
  const std::string caption = nextButton_.Text();
  if (caption == "&Next") StepPage(Direction::Forward);
  else if (caption == "&Install") Install();
}

void WizardWindow::Install() {
  const install::InstallChoices choices{platform::WithoutTrailingBackslash(destinationEdit_.Text()),
                                        startMenuBox_.Text(), readmeBox_.Checked()};
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
  const std::string destination = destinationEdit_.Text();
  if (platform::WithoutTrailingBackslash(destination) != destination)
    destinationEdit_.SetText(platform::WithoutTrailingBackslash(destination));
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
