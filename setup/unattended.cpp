#include "setup/unattended.h"

#include <windows.h>
#include <objbase.h>

#include "install/install_pass.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/log_file.h"
#include "platform/path_chars.h"
#include "platform/system.h"
#include "setup/before_after.h"
#include "setup/initial_destination.h"
#include "setup/wizard_rules.h"

namespace setup {

namespace {

// COM for the life of the run, for the shell link object.
class ComScope {
 public:
  ComScope() : ready_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComScope() {
    if (ready_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ready_;
};

// Answers the pass's questions from the switches; shows nothing and logs all.
class Answers : public install::FrontEnd {
 public:
  Answers(const Options& options, platform::LogFile& log) : options_(options), log_(log) {}

  void SetStatus(const std::string&) override {}
  void SetProgress(int) override {}
  void Repaint() override {}
  void Tell(const std::string& text) override { log_.Write("message: " + text); }
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
  void Note(const std::string& text) override { log_.Write(text); }
  bool AcceptLicence(const std::string&) override {
    log_.Write(std::string("question: licence agreement answer: ") +
               (options_.acceptLicence ? "Accept (/ACCEPTLICENSE)" : "Decline (no /ACCEPTLICENSE)"));
    return options_.acceptLicence;
  }
  void ShowReadme(const std::string&) override { log_.Write("README: wanted, not shown"); }

 private:
  const Options& options_;
  platform::LogFile& log_;
};

int Finish(const Options& options, const install::InstallRequest& request, const install::InstallOutcome& outcome,
           platform::LogFile& log) {
  WriteLateValue(request.destination, outcome.lateValue);
  if (!outcome.lateValue.empty()) log.Write("registry value: HKEY_LOCAL_MACHINE\\" + outcome.lateValue.at(0) + " \"" +
                                            outcome.lateValue.at(1) + "\"");
  int code = outcome.failedCopies ? kFilesFailed : outcome.valuesNotWritten ? kValuesNotWritten : kInstalled;
  // As in the wizard: a restart wanted leaves the program to run unoffered.
  if (outcome.restartWanted) {
    if (options.restart) {
      log.Write("question: Would you like to Reboot now? answer: Yes (/RESTART)");
      platform::RequestRestart();
    } else {
      log.Write("question: Would you like to Reboot now? answer: No");
      if (code == kInstalled) code = kRestartNeeded;
    }
  } else if (!outcome.runProgram.empty()) {
    log.Write("question: Would you like to run " + request.script.at(2) + " now? answer: " +
              (options.run ? "Yes (/RUN)" : "No"));
    if (options.run) StartRunProgram(request.destination, outcome.runProgram);
  }
  return code;
}

}  // namespace

int RunUnattended(const Options& options) {
  platform::LogFile log(options.logFile);
  if (!options.logFile.empty() && !log.Opened()) return kUsageError;
  try {
    install::InstallRequest request;
    request.sourceFolder = SourceFolderOf(platform::ProgramPath());
    request.programsFolder = ProgramsFolder();
    request.script = ReadInstallScript(request.sourceFolder);
    request.destination = platform::WithoutTrailingBackslash(
        options.destination.value_or(InitialDestination(request.script)));
    request.group = options.group.value_or(request.script.at(1));
    request.readmeWanted = options.readme;
    log.Write("install: " + request.script.at(2) + " into " + request.destination + ", Start Menu folder " +
              request.group);
    for (const std::string& backup : BackupSystemFiles()) log.Write("backup: " + backup);
    const std::string running = RunningProduct(request.script);
    if (!running.empty()) {
      log.Write("error: " + RunningCopyText(running));
      return kRunning;
    }
    // What the wizard would not go on without.
    if (request.group.empty() || request.destination.empty()) {
      log.Write(request.group.empty() ? "error: Please enter a Start Menu Folder"
                                      : "error: Please enter a Destination Directory");
      return kStopped;
    }
    ComScope com;
    shell::TShellLink link;
    link.SetUpdate(true);
    Answers answers(options, log);
    install::InstallOutcome outcome;
    try {
      install::RunInstallPass(request, answers, link, outcome);
    } catch (const std::exception& error) {
      log.Write(std::string("error: ") + error.what());
      log.Write("stopped: nothing after this error was done");
      return kStopped;
    }
    if (outcome.NothingInstalled()) {
      log.Write("stopped: nothing was installed");
      return kNotAllowed;
    }
    const int code = Finish(options, request, outcome, log);
    log.Write(code == kInstalled ? "installed" : code == kFilesFailed ? "installed, some files not copied"
                                                                      : "installed, restart needed");
    return code;
  } catch (const std::exception& error) {
    log.Write(std::string("error: ") + error.what());
    return kStopped;
  }
}

}  // namespace setup
