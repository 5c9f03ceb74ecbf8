// demo_driver: runs the sample's setup.exe from C:\dist\marrowgate without a
// screen, clicks through the install as a user would and prints what the
// windows showed. The run question is answered No.
// demo_driver /remove: runs the sample's UninstallString from the registry,
// answers Yes to its questions and prints what its windows showed.
#include <cstdio>
#include <exception>
#include <string>

#include "demo/walk.h"
#include "registry_values.h"
#include "remove_run.h"

namespace {

void Show(const char* what, const std::string& text) { std::printf("  %-22s %s\n", what, text.c_str()); }

// The first line of a text, for the long ones.
std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\r')); }

int Remove() {
  const auto command = driver::RegValue(
      HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marrowgate", "UninstallString");
  if (!command) {
    std::printf("demo_driver: the sample has no UninstallString\n");
    return 1;
  }
  std::printf("UninstallString: %s\n", command->c_str());
  const driver::RemoveRun run = driver::RunRemoval(*command);
  std::printf("The removal program showed:\n");
  Show("Question (Yes):", run.confirm);
  if (!run.shared.empty()) Show("Shared files (Yes):", run.shared);
  for (const std::string& status : run.statuses) Show("Progress window:", status);
  Show((run.finalCaption + ":").c_str(), run.final);
  std::printf("twremove.exe ended with exit code %lu.\n", static_cast<unsigned long>(run.exitCode));
  return run.ended ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "/remove") {
    try {
      return Remove();
    } catch (const std::exception& error) {
      std::printf("demo_driver: %s\n", error.what());
      return 1;
    }
  }
  try {
    driver::SetupRun run("marrowgate");
    run.Start();
    const demo::Walk walk = demo::WalkThrough(run, "&No");
    const demo::WizardView& w = walk.wizard;
    std::printf("The wizard showed:\n");
    Show("Product title:", w.title);
    Show("Version:", w.version);
    Show("First page:", w.welcome);
    Show("Destination:", w.destination);
    Show("Start Menu folder:", w.startMenu);
    std::string choices;
    for (const std::string& choice : w.startMenuChoices) choices += (choices.empty() ? "" : ", ") + choice;
    Show("Start Menu choices:", choices);
    std::printf("Last page summary:\n");
    Show("Destination", w.summaryDestination);
    Show("Start Menu folder:", w.summaryStartMenu);
    Show("View Readme:", w.summaryReadme);
    std::printf("Pressed Install; then:\n");
    Show("Licence (Accept):", FirstLine(walk.licence));
    Show("README (OK):", FirstLine(walk.readme));
    Show("Exit message (OK):", walk.exitMessage);
    Show("Question (No):", walk.question);
    std::printf("setup.exe ended with exit code %lu.\n", static_cast<unsigned long>(walk.exitCode));
  } catch (const std::exception& error) {
    std::printf("demo_driver: %s\n", error.what());
    return 1;
  }
  return 0;
}
