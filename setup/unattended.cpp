#include "setup/unattended.h"

#include <windows.h>

#include "install/apply/executor.h"
#include "install/plan/install_plan.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/log_file.h"
#include "platform/path_chars.h"
#include "platform/system.h"
#include "setup/initial_destination.h"
#include "setup/install_inputs.h"
#include "setup/wizard_rules.h"

namespace setup {

namespace {

// Answers the engine's questions from the switches; shows nothing and logs all.
class Answers : public install::FrontEnd {
 public:
  Answers(const Options& options, platform::LogFile& log) : options_(options), log_(log) {}

  void Refuse(install::Refusal, const std::string& text) override { log_.Write("error: " + text); }
  void ShowPass(const std::function<install::Ending()>& pass) override { pass(); }
  void SetStatus(const std::string&) override {}
  void SetProgress(int) override {}
  void Repaint() override {}
  bool AcceptLicence(const std::string&) override {
    log_.Write(std::string("question: licence agreement answer: ") +
               (options_.acceptLicence ? "Accept (/ACCEPTLICENSE)" : "Decline (no /ACCEPTLICENSE)"));
    return options_.acceptLicence;
  }
  bool Ask(const std::string& text) override {
    log_.Write("question: " + text + " answer: No");
    return false;
  }
  // A disk prompt counts as Cancel: the copy is tried at once.
  bool InsertDisk(const std::string& line) override {
    log_.Write("question: Insert the disk with " + line + " answer: Cancel");
    return false;
  }
  void CopyFailed(const std::string& line, unsigned long error) override {
    log_.Write("error: Error copying " + line + ": " + platform::SystemErrorText(error));
  }
  void ShowReadme(const std::string&) override { log_.Write("README: wanted, not shown"); }
  void Tell(const std::string& text) override { log_.Write("message: " + text); }
  void ShowError(const std::string& text) override { log_.Write("error: " + text); }
  bool FinishesAfterError() const override { return false; }
  bool AskRestart(const std::string& question) override {
    log_.Write("question: " + question + " answer: " + (options_.restart ? "Yes (/RESTART)" : "No"));
    return options_.restart;
  }
  bool AskRun(const std::string& question) override {
    log_.Write("question: " + question + " answer: " + (options_.run ? "Yes (/RUN)" : "No"));
    return options_.run;
  }
  void Note(const std::string& text) override { log_.Write(text); }

 private:
  const Options& options_;
  platform::LogFile& log_;
};

int ExitCodeOf(const install::InstallOutcome& outcome, platform::LogFile& log) {
  using install::Ending;
  switch (outcome.ending) {
    case Ending::Running: return kRunning;
    case Ending::ChoiceMissing:
    case Ending::StoppedBefore:
    case Ending::StoppedAfterPass:
      return kStopped;
    case Ending::StoppedInPass:
      log.Write("stopped: nothing after this error was done");
      return kStopped;
    case Ending::Declined:
    case Ending::NoSpace:
      log.Write("stopped: nothing was installed");
      return kNotAllowed;
    case Ending::Installed: break;
  }
  int code = outcome.failedCopies ? kFilesFailed : outcome.valuesNotWritten ? kValuesNotWritten : kInstalled;
  if (code == kInstalled && outcome.restartDeclined) code = kRestartNeeded;
  log.Write(code == kInstalled           ? "installed"
            : code == kFilesFailed       ? "installed, some files not copied"
            : code == kValuesNotWritten  ? "installed, some registry values not written"
                                         : "installed, restart needed");
  return code;
}

}  // namespace

int RunUnattended(const Options& options) {
  platform::LogFile log(options.logFile);
  if (!options.logFile.empty() && !log.Opened()) return kUsageError;
  try {
    const std::string sourceFolder = SourceFolderOf(platform::ProgramPath());
    const std::string programsFolder = ProgramsFolder();
    const script::Lines script = ReadInstallScript(sourceFolder);
    install::InstallChoices choices;
    choices.destination =
        platform::WithoutTrailingBackslash(options.destination.value_or(InitialDestination(script)));
    choices.group = options.group.value_or(script.at(1));
    choices.readmeWanted = options.readme;
    log.Write("install: " + script.at(2) + " into " + choices.destination + ", Start Menu folder " + choices.group);
    const install::InstallPlan plan =
        install::MakeInstallPlan(script, choices, MachineFactsFor(sourceFolder, programsFolder));
    Answers answers(options, log);
    return ExitCodeOf(install::CarryOut(plan, answers), log);
  } catch (const std::exception& error) {
    log.Write(std::string("error: ") + error.what());
    return kStopped;
  }
}

}  // namespace setup
