#include "remove/outcomes.h"

namespace uninstall {

namespace {

const char* Word(Result result) {
  switch (result) {
    case Result::Removed: return "removed";
    case Result::Restored: return "restored";
    case Result::Gone: return "already gone";
    case Result::Kept: return "kept";
    case Result::Scheduled: return "removed when Windows restarts";
    case Result::Failed: return "failed";
  }
  return "";
}

std::string WithReason(const Outcome& o) { return o.reason.empty() ? o.item : o.item + " (" + o.reason + ")"; }

}  // namespace

std::string LogLine(const Outcome& outcome) { return std::string(Word(outcome.result)) + ": " + WithReason(outcome); }

bool Left(const Outcome& outcome) {
  return outcome.result == Result::Kept || outcome.result == Result::Scheduled || outcome.result == Result::Failed;
}

std::string ListedLines(const std::vector<std::string>& items) {
  constexpr std::size_t kShown = 10;
  std::string lines;
  for (std::size_t i = 0; i < items.size() && i < kShown; ++i) lines += "\r\n" + items[i];
  if (items.size() > kShown) lines += "\r\nand " + std::to_string(items.size() - kShown) + " more";
  return lines;
}

std::string FinalMessage(const std::string& title, const std::vector<Outcome>& outcomes,
                         const std::vector<std::string>& notes) {
  std::vector<std::string> left;
  for (const Outcome& outcome : outcomes) {
    if (!Left(outcome)) continue;
    const std::string why = outcome.result == Result::Scheduled ? "in use: removed when Windows restarts"
                            : outcome.result == Result::Failed  ? "cannot be removed: " + outcome.reason
                                                                : outcome.reason;
    left.push_back(outcome.item + " (" + why + ")");
  }
  std::string text = left.empty() ? title + " was removed." : title + " was removed, except:" + ListedLines(left);
  for (const std::string& note : notes) text += "\r\n\r\n" + note;
  return text;
}

ExitCode ExitCodeOf(const std::vector<Outcome>& outcomes) {
  for (const Outcome& outcome : outcomes)
    if (Left(outcome)) return kItemsLeft;
  return kAllRemoved;
}

}  // namespace uninstall
