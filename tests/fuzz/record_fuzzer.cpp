// Feeds arbitrary bytes to the removal program's readers: as an uninstall
// record and as an install journal, then makes the removal plan. RecordError
// is the readers' own refusal and is expected; anything else (a crash, a
// sanitizer report, another exception, a plan that breaks the rules) is a bug.
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

std::string NoShortForm(const std::string&) { return ""; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::optional<Record> record;
  std::optional<Journal> journal;
  try {
    record = ParseRecord(script::SplitLines(text));
    Require(!record->title.empty());
    for (const RegValueRef& value : record->values) Require(IsRootName(value.key.root));
    for (const RegKey& key : record->removeKeys) Require(IsRootName(key.root));
  } catch (const RecordError& error) {
    Require(error.Line() >= 1);
  }
  try {
    journal = ParseJournal(text);
  } catch (const RecordError& error) {
    Require(error.Line() >= 1);
  }
  if (journal && journal->title.empty()) journal.reset();
  if (!record && !journal) return 0;
  const SafetyRules rules("C:\\Program Files\\Marrowgate", {"C:\\WINDOWS", "C:\\Program Files"}, NoShortForm);
  const Plan plan = MakePlan(record ? &*record : nullptr, journal ? &*journal : nullptr, rules);
  // Whatever the input says, nothing refused is acted on and nothing under a
  // Windows folder's own name is taken.
  for (const Step& step : plan.steps) {
    if (step.action == Action::Key && step.keep.empty()) Require(SafetyRules::KeyRefusal(step.key).empty());
    if ((step.action == Action::File || step.action == Action::Shortcut) && step.keep.empty())
      Require(rules.PathRefusal(step.path).empty() && !rules.SameFolder(step.path, "C:\\WINDOWS"));
  }
  return 0;
}
