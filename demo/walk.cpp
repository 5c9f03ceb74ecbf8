#include "demo/walk.h"

#include <stdexcept>

#include "driver.h"
#include "reader/ids.h"
#include "setup/ids.h"

namespace demo {

namespace {

using namespace driver;
namespace ids = setup::ids;

void Require(bool condition, DWORD pid, const std::string& step) {
  if (!condition) throw std::runtime_error(step + " did not come (" + OpenMessages(pid) + ")");
}

// Reads each page on the way to the last one: the pages after the first are
// made when first shown.
WizardView ReadWizard(HWND wizard, DWORD pid) {
  WizardView view;
  view.title = Text(Child(wizard, ids::product));
  view.version = Text(Child(wizard, ids::version));
  view.welcome = Text(Child(wizard, ids::installsText));
  Require(ShowPage(wizard, ids::destinationPage), pid, "the destination page");
  view.destination = Text(Child(wizard, ids::destination));
  Require(ShowPage(wizard, ids::startMenuPage), pid, "the Start Menu page");
  view.startMenu = Text(Child(wizard, ids::startMenu));
  view.startMenuChoices = ComboItems(Child(wizard, ids::startMenu));
  Require(ShowPage(wizard, ids::confirmPage), pid, "the last page");
  view.summaryDestination = Text(Child(wizard, ids::destinationSummary));
  view.summaryStartMenu = Text(Child(wizard, ids::startMenuSummary));
  view.summaryReadme = Text(Child(wizard, ids::readmeSummary));
  return view;
}

// The next message box: its text, once answered with `button`.
std::string AnswerBox(DWORD pid, const std::string& step, const std::string& button) {
  const MessageBoxView box = WaitForMessageBox(pid);
  Require(box.handle != nullptr, pid, step);
  Require(Answer(box, button), pid, step + " closing");
  return box.text;
}

}  // namespace

Walk WalkThrough(SetupRun& run, const std::string& runAnswer, const DiskChanger& changeDisk) {
  const DWORD pid = run.Pid();
  Walk walk;
  HWND wizard = run.Wizard();
  Require(wizard != nullptr, pid, "the wizard");
  walk.wizard = ReadWizard(wizard, pid);
  HWND next = Child(wizard, ids::next);
  Require(Text(next) == "&Install", pid, "the last page");
  Click(next);

  HWND reader = WaitForTopLevel(pid, "TfReadMe", "Reader");
  Require(reader != nullptr, pid, "the licence");
  HWND memo = Child(reader, reader::ids::text);
  walk.licence = Text(memo);
  Click(Child(reader, reader::ids::ok));  // Accept
  // The same reader comes back with the README once the files are in.
  const auto readmeShown = [&] { return Visible(reader) && Text(memo) != walk.licence; };
  constexpr char kPrompt[] = "Insert the disk with ";
  while (changeDisk) {
    Require(WaitUntil([&] { return readmeShown() || OpenMessages(pid) != kNoMessageBox; }), pid, "the README");
    if (readmeShown()) break;
    const MessageBoxView box = WaitForMessageBox(pid);
    Require(box.text.rfind(kPrompt, 0) == 0, pid, "the README");
    walk.diskPrompts.push_back(box.text);
    changeDisk(box.text.substr(sizeof kPrompt - 1));
    Require(Answer(box, "OK"), pid, "the disk prompt closing");
  }
  Require(WaitUntil(readmeShown), pid, "the README");
  walk.readme = Text(memo);
  Click(Child(reader, reader::ids::ok));  // OK

  walk.exitMessage = AnswerBox(pid, "the exit message", "OK");
  walk.question = AnswerBox(pid, "the closing question", runAnswer);
  Require(run.WaitForExit(), pid, "the end of setup.exe");
  walk.exitCode = run.ExitCode();
  return walk;
}

}  // namespace demo
