#include "engine_run.h"

#include "install/plan/install_plan.h"
#include "platform/files.h"

namespace driver {

namespace {

class QuietFrontEnd : public install::FrontEnd {
 public:
  explicit QuietFrontEnd(std::vector<std::string>& notes) : notes_(notes) {}
  void Refuse(install::Refusal, const std::string& text) override { notes_.push_back("refused: " + text); }
  void ShowPass(const std::function<install::Ending()>& pass) override { pass(); }
  void SetStatus(const std::string&) override {}
  void SetProgress(int) override {}
  void Repaint() override {}
  bool AcceptLicence(const std::string&) override { return true; }
  bool Ask(const std::string&) override { return true; }
  bool InsertDisk(const std::string&) override { return false; }
  void CopyFailed(const std::string& line, unsigned long) override { notes_.push_back("failed: " + line); }
  void ShowReadme(const std::string&) override {}
  void Tell(const std::string& text) override { notes_.push_back("message: " + text); }
  void ShowError(const std::string& text) override { notes_.push_back("error: " + text); }
  bool FinishesAfterError() const override { return false; }
  bool AskRestart(const std::string&) override { return false; }
  bool AskRun(const std::string&) override { return false; }
  void Note(const std::string& text) override { notes_.push_back(text); }

 private:
  std::vector<std::string>& notes_;
};

void AddList(script::Lines& script, const char* marker, const script::Lines& lines) {
  if (lines.empty()) return;
  script.add(marker);
  for (const std::string& line : lines) script.add(line);
  script.add(":");
}

void AddValue(script::Lines& script, const char* marker, const std::string& text) {
  if (text.empty()) return;
  script.add(marker);
  script.add(text);
}

}  // namespace

EngineRun RunEngine(const script::Lines& script, const std::string& source, const std::string& destination,
                    const std::string& programs, const std::string& windows) {
  install::MachineFacts facts;
  facts.sourceFolder = source;
  facts.windows = windows.empty() ? platform::WindowsFolder() : windows;
  facts.programsFolder = programs;
  facts.licenceThere = platform::FileExists(source + "\\license.ini");
  const install::InstallPlan plan = install::MakeInstallPlan(script, {destination, script.at(1), false}, facts);
  EngineRun run;
  QuietFrontEnd frontEnd(run.notes);
  run.outcome = install::CarryOut(plan, frontEnd);
  return run;
}

script::Lines ScriptOf(const script::Sections& s) {
  script::Lines script{"\\Test", "Test", "Test"};
  AddList(script, ":files", s.files);
  AddList(script, ":system.ini", s.systemIni);
  AddList(script, ":exe", s.exe);
  AddList(script, ":unin", s.unin);
  AddList(script, ":reg", s.reg);
  AddList(script, ":reg1", s.reg1);
  AddList(script, ":delreg", s.delreg);
  AddValue(script, ":runservices", s.runServices);
  AddValue(script, ":runstart", s.runStart);
  return script;
}

}  // namespace driver
