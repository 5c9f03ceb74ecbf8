// demo_driver: runs the sample's setup.exe from C:\dist\marrowgate without a
// screen, clicks through the install as a user would and prints what the
// windows showed. The run question is answered No.
#include <cstdio>
#include <exception>
#include <string>

#include "demo/walk.h"

namespace {

void Show(const char* what, const std::string& text) { std::printf("  %-22s %s\n", what, text.c_str()); }

// The first line of a text, for the long ones.
std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\r')); }

}  // namespace

int main() {
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
