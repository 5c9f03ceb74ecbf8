#pragma once
// What became of each item, for the log, the final message and the exit code.
#include <string>
#include <vector>

namespace uninstall {

enum class Result { Removed, Restored, Gone, Kept, Scheduled, Failed };

struct Outcome {
  Result result;
  std::string item;
  std::string reason;  // why it was kept, or the system's error text
};

// Exit codes of twremove.exe.
enum ExitCode { kAllRemoved = 0, kCancelled = 1, kCannotStart = 2, kItemsLeft = 3 };

// One line of the /LOG file, without its line end.
std::string LogLine(const Outcome& outcome);
// Whether the item is still there when the removal ends.
bool Left(const Outcome& outcome);
// The items, each on a line of its own after a line break: the first ten,
// then "and N more", so that a message box of them fits on the screen (the
// log lists them all).
std::string ListedLines(const std::vector<std::string>& items);
// "<title> was removed." or "<title> was removed, except:" and what stayed,
// with why; then the notes, each a paragraph of its own.
std::string FinalMessage(const std::string& title, const std::vector<Outcome>& outcomes,
                         const std::vector<std::string>& notes);
ExitCode ExitCodeOf(const std::vector<Outcome>& outcomes);

}  // namespace uninstall
