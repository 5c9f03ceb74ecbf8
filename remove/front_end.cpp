#include "remove/front_end.h"

#include <windows.h>

#include <optional>

#include "install/plan/journal_format.h"
#include "install/apply/journal_seal.h"
#include "install/plan/paths.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/message_dialog.h"
#include "platform/path_chars.h"
#include "platform/registry.h"
#include "platform/text_file.h"
#include "remove/executor.h"
#include "remove/outcomes.h"
#include "remove/plan.h"
#include "remove/progress_window.h"

namespace uninstall {

namespace {

namespace registry = platform::registry;
using platform::DialogType;

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kWindowsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";

struct Inputs {
  std::optional<Record> record;
  std::optional<JournalText> journal;
  bool journalTrusted = false;
};

// A damaged file names itself and the line.
std::string Damaged(const std::string& path, const RecordError& error) {
  return "The uninstall record " + path + " is damaged at line " + std::to_string(error.Line()) + ": " +
         error.what() + ". Nothing was removed.";
}

// Both files are read and checked whole before anything is removed. Without
// either, "Cannot open file" names the record.
Inputs LoadInputs(const std::string& folder) {
  const std::string recordPath = install::InFolder(folder, install::kRecordName);
  const std::string journalPath = install::InFolder(folder, install::kJournalName);
  Inputs inputs;
  const bool haveJournal = platform::FileExists(journalPath);
  if (!haveJournal || platform::FileExists(recordPath)) {
    const std::string text = platform::ReadTextFile(recordPath);
    try {
      inputs.record = ParseRecord(script::SplitLines(text));
    } catch (const RecordError& error) {
      throw platform::AppError(Damaged(recordPath, error));
    }
  }
  if (haveJournal) {
    const std::string text = platform::ReadTextFile(journalPath);
    try {
      inputs.journal.emplace(text);
    } catch (const RecordError& error) {
      throw platform::AppError(Damaged(journalPath, error));
    }
    inputs.journalTrusted = install::JournalDigestMatches(folder, text);
    // A journal cut short before its first line tells nothing.
    if (inputs.journal->Titles().empty()) inputs.journal.reset();
    if (!inputs.record && !inputs.journal) throw platform::AppError::Format("Cannot open file %s", recordPath);
  }
  return inputs;
}

void AddStringValues(HKEY root, const char* path, std::vector<std::string>& folders) {
  for (const std::string& name : registry::ValueNames(root, path)) {
    const auto value = registry::ReadValue(root, path, name);
    if (value && value->type == REG_SZ) folders.push_back(value->data.c_str());
  }
}

// Folders of Windows that no removal takes, whatever a record says.
std::vector<std::string> ProtectedFolders() {
  const std::string windows = platform::WindowsFolder();
  std::vector<std::string> folders{windows, install::InFolder(windows, "system"),
                                   install::InFolder(windows, "system32")};
  std::string system(MAX_PATH + 1, '\0');
  system.resize(GetSystemDirectoryA(system.data(), MAX_PATH + 1));
  folders.push_back(system);
  const std::string drive = windows.substr(0, 2);
  folders.push_back(drive + "\\Program Files");
  folders.push_back(drive + "\\Program Files\\Common Files");
  for (const char* name : {"ProgramFilesDir", "CommonFilesDir"})
    if (const auto value = registry::ReadValue(HKEY_LOCAL_MACHINE, kWindowsKey, name)) folders.push_back(value->data.c_str());
  AddStringValues(HKEY_CURRENT_USER, kShellFolders, folders);
  AddStringValues(HKEY_LOCAL_MACHINE, kShellFolders, folders);
  return folders;
}

// The Start Menu's Programs folders, the user's and all users'.
std::vector<std::string> ProgramsFolders() {
  std::vector<std::string> folders;
  for (const auto& [root, name] : {std::pair{HKEY_CURRENT_USER, "Programs"}, std::pair{HKEY_LOCAL_MACHINE, "Common Programs"}})
    if (const auto value = registry::ReadValue(root, kShellFolders, name); value && value->type == REG_SZ)
      folders.push_back(value->data.c_str());
  return folders;
}

// Yes removes something: Enter, pressed unread, answers No.
bool Ask(const std::string& question) {
  return platform::MessageDlg(question, DialogType::Confirmation, platform::Yes | platform::No, platform::No) ==
         platform::ResultYes;
}

std::string SharedQuestion(const std::vector<std::string>& files) {
  return "These files lie outside the program's folder and may be used by other programs:\r\n" +
         ListedLines(files) + "\r\n\r\nRemove them too?";
}

}  // namespace

int RunRemoval(const Options& given) {
  // The uninstall command line names the folder in its 8.3 form; the
  // messages show it as the user knows it.
  Options options = given;
  options.folder = platform::LongPathName(platform::PlainSpelling(given.folder));
  platform::LogFile log(options.logFile);
  const auto fail = [&](const std::string& text) {
    log.Write("error: " + text);
    if (!options.silent) platform::MessageDlg(text, DialogType::Error, platform::OK);
    return kCannotStart;
  };
  Inputs inputs;
  try {
    inputs = LoadInputs(options.folder);
  } catch (const std::exception& error) {
    return fail(error.what());
  }
  const SafetyRules rules({options.folder, ProtectedFolders(), ProgramsFolders()}, platform::LongName);
  if (const std::string refusal = rules.PathRefusal(options.folder); !refusal.empty())
    return fail(options.folder + " cannot be removed: " + refusal + ". Nothing was removed.");
  const Plan plan = MakePlan({inputs.record ? &*inputs.record : nullptr, inputs.journal ? &*inputs.journal : nullptr,
                             inputs.journalTrusted},
                            rules);
  for (const std::string& note : plan.notes) log.Write("note: " + note);

  bool removeShared = false;
  if (!options.silent) {
    if (!Ask("Are you sure you want to remove " + plan.title + " and all of its components?")) {
      log.Write("cancelled: nothing was removed");
      return kCancelled;
    }
    const std::vector<std::string> shared = plan.SharedFiles();
    removeShared = !shared.empty() && Ask(SharedQuestion(shared));
  }

  if (options.silent) {
    QuietView view(log);
    return ExitCodeOf(Execute(plan, rules, false, view));
  }
  // The progress window stays, at 100, under the closing message.
  RemovalWindow window(log);
  window.Show();
  const std::vector<Outcome> outcomes = Execute(plan, rules, removeShared, window);
  platform::MessageDlg(FinalMessage(plan.title, outcomes, plan.notes), DialogType::Information, platform::OK);
  return ExitCodeOf(outcomes);
}

}  // namespace uninstall
