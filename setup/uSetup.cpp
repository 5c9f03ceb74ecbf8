#include "setup/uSetup.h"

#include "platform/dir_list.h"
#include "platform/files.h"
#include "platform/message_dialog.h"
#include "platform/path_chars.h"
#include "script/version.h"
#include "setup/before_after.h"
#include "setup/ids.h"
#include "setup/initial_destination.h"

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

TfSetup::TfSetup(install::Session& session)
    : Form("TfSetup", "Setup Utility", WizardStyle()),
      session_(session),
      lMain(*this, ids::lMain, FixedBrand().title, {16, 8, 600, 40}),
      Label1(*this, ids::Label1, FixedBrand().subtitle, {16, 50, 600, 26}),
      Label6(*this, ids::Label6, "Version:", {16, 82, 50, 14}),
      Label7(*this, ids::Label7, "1.00", {68, 82, 300, 14}),
      Label4(*this, ids::Label4, "Label4", {16, 100, 300, 14}),
      StatusBar1(*this, ids::StatusBar1),
      Panel1(*this, ids::Panel1, {0, 0, kPanelWidth, kPanelHeight}),
      pc1(Panel1, ids::pc1, {0, 0, kPanelWidth, 129}),
      button3(Panel1, ids::button3, "&Back", platform::Glyph::ArrowLeft, {88, 134, 75, 25}),
      Button2(Panel1, ids::Button2, "&Next", platform::Glyph::ArrowRight, {167, 134, 75, 25}),
      Button1(Panel1, ids::Button1, "E&xit", platform::Glyph::Door, {250, 134, 75, 25}),
      ts1(pc1.AddPage(ids::ts1)),
      ts3(pc1.AddPage(ids::ts3)),
      ts4(pc1.AddPage(ids::ts4)),
      ts5(pc1.AddPage(ids::ts5)),
      ts8(pc1.AddPage(ids::ts8)),
      Bevel1(ts1, ids::Bevel1, {4, 4, 321, 121}),
      Label9(ts1, ids::Label9, "Welcome to the universal install utility", {12, 12, 305, 16}, true),
      Label11(ts1, ids::Label11,
              "Please answer the questions on the following pages to allow the Setup Utility to "
              "properly install your program.",
              {12, 34, 305, 42}, true),
      Label10(ts1, ids::Label10, "Setup will install:", {12, 82, 305, 36}, true),
      Bevel3(ts3, ids::Bevel3, {4, 4, 321, 121}),
      Label3(ts3, ids::Label3, FixedBrand().destinationText, {12, 10, 305, 66}, true),
      Label13(ts3, ids::Label13, "Destination Directory", {12, 78, 200, 14}),
      d(ts3, ids::d, "", {12, 94, 305, 21}),
      Bevel4(ts4, ids::Bevel4, {4, 4, 321, 121}),
      Label14(ts4, ids::Label14,
              "Select the default Start Menu Folder listed below or change it to any other Start "
              "Menu folder listed in the drop down box.",
              {12, 12, 305, 44}, true),
      Label2(ts4, ids::Label2, "Start Menu Folder", {12, 64, 200, 14}),
      smenu(ts4, ids::smenu, {12, 80, 305, 21}),
      Bevel5(ts5, ids::Bevel5, {4, 4, 321, 121}),
      Label15(ts5, ids::Label15,
              "After installation, you may choose to view any updated information included in the "
              "README.TXT file.  It is recommended that you browse this file as some of it's "
              "information may not be included in the help documentation.",
              {12, 10, 305, 80}, true),
      txtread(ts5, ids::txtread, "View Readme File.", {12, 96, 200, 18}),
      Bevel8(ts8, ids::Bevel8, {4, 4, 321, 121}),
      Label8(ts8, ids::Label8,
             "Press Install to continue, or Back to make changes to the installation",
             {12, 10, 305, 30}, true),
      Label17(ts8, ids::Label17, "Destination", {12, 48, 96, 14}),
      lDest(ts8, ids::lDest, "", {110, 48, 207, 14}),
      Label18(ts8, ids::Label18, "Start Menu folder:", {12, 68, 96, 14}),
      lStart(ts8, ids::lStart, "", {110, 68, 207, 14}),
      Label19(ts8, ids::Label19, "View Readme:", {12, 88, 96, 14}),
      lReadMe(ts8, ids::lReadMe, "", {110, 88, 207, 14}) {
  lMain.SetFont({"Arial", 33, true, true});
  Label1.SetFont({"Arial", 21, true});
  for (platform::Label* white : {&lMain, &Label1, &Label6, &Label7}) white->SetColor(kWhite);
  Label4.SetVisible(false);
  txtread.SetChecked(true);
  button3.SetEnabled(false);
  button3.OnClick = [this] { Button3Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  FormCreate();
}

void TfSetup::FormCreate() {
  session_.SourceFolder = SourceFolderOf(platform::ProgramPath());
  session_.InstallStarted = false;
  pc1.SetActivePage(ts1);
  Button2.Focus();
  const Point origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                     kPanelWidth, kPanelHeight);
  Panel1.SetBounds({origin.x, origin.y, kPanelWidth, kPanelHeight});
}

LRESULT TfSetup::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SIZE) StatusBar1.Resize();
  return Form::HandleMessage(msg, wp, lp);
}

void TfSetup::FormActivate() {
  // The start-up runs once: a second run would put the defaults back in place
  // of what the user typed.
  if (session_.InstallStarted || startedUp_) return;
  startedUp_ = true;

  session_.ProgramsFolder = ProgramsFolder();
  ini = ReadInstallScript(session_.SourceFolder);
  // A scan that fails on the script's last line leaves the label at the
  // version it had found before.
  std::string version;
  try {
    script::FindVersion(ini, version);
  } catch (...) {
    Label7.SetText(version);
    throw;
  }
  Label7.SetText(version);
  const Brand brand = WizardBrand(ini);
  lMain.SetText(brand.title);
  Label1.SetText(brand.subtitle);
  Label3.SetText(brand.destinationText);
  Label4.SetText(ini.at(2));
  Label10.SetText("Setup will install " + ini.at(2));
  d.SetText(InitialDestination(ini));
  smenubox = platform::ListFolders(session_.ProgramsFolder);
  smenu.ClearItems();
  for (const auto& choice : StartMenuChoices(smenubox)) smenu.AddItem(choice);
  smenu.SetText(ini.at(1));
}

Page TfSetup::ActivePage() const {
  const platform::Panel* active = pc1.ActivePage();
  for (Page page : {Page::ts1, Page::ts3, Page::ts4, Page::ts5, Page::ts8})
    if (active == &const_cast<TfSetup*>(this)->PageOf(page)) return page;
  return Page::ts1;
}

platform::Panel& TfSetup::PageOf(Page page) {
  switch (page) {
    case Page::ts1: return ts1;
    case Page::ts3: return ts3;
    case Page::ts4: return ts4;
    case Page::ts5: return ts5;
    case Page::ts8: return ts8;
  }
  return ts1;
}

void TfSetup::StepPage(Direction direction) {
  const PageStep step = setup::StepPage(ActivePage(), direction);
  pc1.SetActivePage(PageOf(step.page));
  if (step.backEnabled) button3.SetEnabled(*step.backEnabled);
  if (step.nextCaption) Button2.SetText(*step.nextCaption);
  lDest.SetText(d.Text());
  lStart.SetText(smenu.Text());
  lReadMe.SetText(txtread.Checked() ? "Yes" : "No");
}

void TfSetup::Button1Click() { Close(); }

void TfSetup::Button3Click() { StepPage(Direction::Back); }

void TfSetup::Button2Click() {
  // The caption tells whether the last page has been reached.
  const std::string caption = Button2.Text();
  if (caption == "&Next") StepPage(Direction::Forward);
  else if (caption == "&Install") InstallSequence();
}

void TfSetup::InstallSequence() {
  BackupSystemFiles();
  const std::string running = RunningProduct(ini);
  if (!running.empty()) {
    platform::MessageDlg(RunningCopyText(running), platform::DialogType::Confirmation, platform::OK);
    return;
  }
  if (smenu.Text().empty()) {
    platform::MessageDlg("Please enter a Start Menu Folder", platform::DialogType::Warning,
                         platform::OK);
    return;
  }
  // Nothing could be installed into an empty folder name.
  if (platform::WithoutTrailingBackslash(d.Text()).empty()) {
    platform::MessageDlg("Please enter a Destination Directory", platform::DialogType::Warning,
                         platform::OK);
    return;
  }
  Panel1.SetVisible(false);
  const std::string destination = d.Text();
  if (platform::WithoutTrailingBackslash(destination) != destination)
    d.SetText(platform::WithoutTrailingBackslash(destination));
  install::InstallRequest request{session_.SourceFolder, session_.ProgramsFolder, d.Text(), smenu.Text(),
                                  txtread.Checked(), ini};
  const install::InstallOutcome outcome = fCopy_->Install(request);
  if (!outcome.NothingInstalled()) {
    WriteLateValue(d.Text(), outcome.lateValue);
    FinishingQuestion(outcome);
  }
  Close();
}

}  // namespace setup
