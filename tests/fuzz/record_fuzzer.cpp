// Feeds arbitrary bytes to the removal program's readers: as an uninstall
// record and as an install journal, then makes the removal plan, trusting
// the journal and not. RecordError is the readers' own refusal and is
// expected; anything else (a crash, a sanitizer report, another exception, a
// plan that acts outside what an install could have made) is a bug.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "remove/journal.h"
#include "remove/plan.h"
#include "remove/record.h"

namespace {

using namespace uninstall;

void Require(bool holds) {
  if (!holds) std::abort();
}

std::string NoLongName(const std::string&) { return ""; }

bool StartsWith(const std::string& text, const std::string& head) { return text.compare(0, head.size(), head) == 0; }

// Checked on the plain text of the path, apart from the rules' own reading:
// below the folder, by parts none of which is empty or only dots and blanks.
// Each part counts as Windows opens it, without its trailing dots and
// blanks: "marrowgate.\a" is the file a in the folder marrowgate.
bool Below(const std::string& path, const std::string& folder) {
  const std::string lower = script::LowerAscii(path);
  if (lower.find('/') != std::string::npos) return false;
  std::string opened;
  for (std::size_t from = 0; from <= lower.size();) {
    std::size_t end = lower.find('\\', from);
    if (end == std::string::npos) end = lower.size();
    const std::size_t last = lower.find_last_not_of(". ", end - 1);
    if (end == from || last == std::string::npos || last < from) return false;
    opened += lower.substr(from, last + 1 - from) + (end < lower.size() ? "\\" : "");
    from = end + 1;
  }
  return StartsWith(opened, folder + "\\");
}

void CheckPlan(const Plan& plan, const SafetyRules& rules, bool trusted) {
  for (const Step& step : plan.steps) {
    if (!step.keep.empty()) continue;
    switch (step.action) {
      case Action::File:
        Require(rules.PathRefusal(step.path).empty() && !rules.SameFolder(step.path, "C:\\WINDOWS"));
        Require(step.shared || Below(step.path, "c:\\program files\\marrowgate"));
        break;
      case Action::Shortcut:
      case Action::GroupFolder: Require(Below(step.path, "c:\\windows\\start menu\\programs")); break;
      case Action::Key: Require(SafetyRules::KeyRefusal(step.key).empty()); break;
      case Action::MadeFolder: Require(rules.MadeFolderRefusal(step.path).empty()); break;
      case Action::Value:
        Require(SafetyRules::ValueRefusal(step.value).empty());
        Require(trusted || !step.earlierType);
        break;
      case Action::Profile:
        Require(step.path.find_first_of("\\/:") == std::string::npos);
        Require(trusted || !step.earlierEntry);
        break;
      default: break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::optional<Record> record;
  std::optional<JournalText> journal;
  try {
    record = ParseRecord(script::SplitLines(text));
    Require(!record->title.empty());
    for (const RegValueRef& value : record->values) Require(IsRootName(value.key.root));
    for (const RegKey& key : record->removeKeys) Require(IsRootName(key.root));
  } catch (const RecordError& error) {
    Require(error.Line() >= 1);
  }
  try {
    journal.emplace(text);
  } catch (const RecordError& error) {
    Require(error.Line() >= 1);
  }
  if (journal && journal->Titles().empty()) journal.reset();
  if (!record && !journal) return 0;
  const SafetyRules rules({"C:\\Program Files\\Marrowgate", {"C:\\WINDOWS", "C:\\Program Files"},
                           {"C:\\WINDOWS\\Start Menu\\Programs"}},
                          NoLongName);
  for (const bool trusted : {false, true})
    CheckPlan(MakePlan({record ? &*record : nullptr, journal ? &*journal : nullptr, trusted}, rules), rules, trusted);
  return 0;
}
