#include "remove/journal.h"

#include <utility>

#include "install/plan/journal_format.h"

namespace uninstall {

namespace {

// Whether a line's fields fit its kind.
bool WellFormed(char kind, const std::vector<std::string>& f) {
  switch (kind) {
    case 'S': return f.size() == 2;
    case 'F': return f.size() == 2 && (f[1] == "new" || f[1] == "existed" || f[1] == "newer" || f[1] == "failed");
    case 'N': return f.size() == 2 && (f[1] == "-" || install::ParseDecimal(f[1]));
    case 'L':
    case 'G':
    case 'D': return f.size() == 1;
    case 'V':
      if (f.size() < 4 || !IsRootName(f[0])) return false;
      if (f.size() == 4) return f[3] == "-";
      return f.size() == 5 && install::ParseDecimal(f[3]) && install::BytesFromHex(f[4]);
    case 'P': return f.size() == 4 && !f[3].empty() && (f[3] == "-" || f[3][0] == '=');
    case 'W':
      if (f.size() == 2) return install::ParseDecimal(f[0]) && install::BytesFromHex(f[1]);
      return f.size() == 1 && !f[0].empty() && (f[0] == "-" || f[0][0] == '=');
    case 'C': return f.empty();
  }
  return false;
}

// A "W" line tells what the value or entry of the line before holds after
// the write, in that line's form: a type and bytes for a value, "=" and the
// text for an entry.
bool FollowsItsWrite(char before, const std::vector<std::string>& f) {
  if (f[0] == "-") return before == 'V' || before == 'P';
  return before == (f.size() == 2 ? 'V' : 'P');
}

Held HeldOf(const std::vector<std::string>& f) {
  if (f[0] == "-") return std::nullopt;
  if (f.size() == 2) return ValueForm(*install::ParseDecimal(f[0]), *install::BytesFromHex(f[1]));
  return f[0].substr(1);
}

std::string LineNumber(std::size_t number) { return "line " + std::to_string(number); }

}  // namespace

std::string ValueForm(unsigned long type, const std::string& bytes) {
  return std::to_string(type) + ":" + install::HexBytes(bytes);
}

std::optional<TypedData> ValueOfForm(const std::string& form) {
  const std::size_t colon = form.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const auto type = install::ParseDecimal(form.substr(0, colon));
  const auto bytes = install::BytesFromHex(form.substr(colon + 1));
  if (!type || !bytes) return std::nullopt;
  return TypedData{*type, *bytes};
}

JournalText::JournalText(const std::string& text) {
  std::size_t number = 0;
  for (std::size_t start = 0; start < text.size();) {
    ++number;
    const std::size_t end = text.find("\r\n", start);
    // A line without its CR LF was being written when the install stopped.
    if (end == std::string::npos) {
      notes_.push_back(LineNumber(number) + " was cut short by a stopped install and was passed over");
      break;
    }
    const std::string line = text.substr(start, end - start);
    const std::string written = text.substr(start, end + 2 - start);
    start = end + 2;
    const auto split = install::SplitJournalLine(line);
    // The install that came next marked the line before as cut short.
    if (split && split->kind == 'C' && split->fields.empty()) {
      if (!lines_.empty() && lines_.back().kind != 'S') lines_.pop_back();
      notes_.push_back(LineNumber(number - 1) + " was cut short by a stopped install and was passed over");
      continue;
    }
    if (!split || !WellFormed(split->kind, split->fields)) {
      // The line before a "C" line may be anything.
      const std::size_t next = text.find("\r\n", start);
      if (next != std::string::npos && text.compare(start, next - start, "C") == 0) {
        lines_.push_back({lines_.empty() ? 0 : lines_.back().product, '?', {}, ""});
        continue;
      }
      throw RecordError(number, "a journal line that cannot be read");
    }
    if (split->kind == 'S') {
      std::size_t product = 0;
      while (product < titles_.size() && titles_[product] != split->fields[0]) ++product;
      if (product == titles_.size()) titles_.push_back(split->fields[0]);
      lines_.push_back({product, 'S', split->fields, written});
      continue;
    }
    if (titles_.empty()) throw RecordError(number, "a journal without its start line");
    if (split->kind == 'W' && !FollowsItsWrite(lines_.back().kind, split->fields))
      throw RecordError(number, "a journal line that cannot be read");
    lines_.push_back({lines_.back().product, split->kind, split->fields, written});
  }
}

std::optional<Journal> JournalText::For(const std::string& title) const {
  std::optional<Journal> journal;
  char last = 0;  // the kind of the product's line before
  for (const Line& line : lines_) {
    if (titles_[line.product] != title) continue;
    const std::vector<std::string>& f = line.fields;
    if (!journal) journal.emplace();
    Journal& j = *journal;
    const char before = std::exchange(last, line.kind);
    switch (line.kind) {
      case 'S':
        if (j.title.empty()) j.title = f[0], j.destination = f[1];
        break;
      case 'F':
        // A shared file kept for its newer version was there before.
        j.files.push_back({f[0], f[1] == "new" ? FileState::New : f[1] == "failed" ? FileState::Failed : FileState::Existed});
        break;
      case 'N': j.counts.push_back({f[0], f[1] == "-" ? std::nullopt : install::ParseDecimal(f[1])}); break;
      case 'L': j.shortcuts.push_back(f[0]); break;
      case 'G': j.groupFolders.push_back(f[0]); break;
      case 'D': j.foldersMade.push_back(f[0]); break;
      case 'V': {
        EarlierValue earlier{{{f[0], f[1]}, f[2]}, std::nullopt, "", std::nullopt};
        if (f.size() == 5) earlier.type = install::ParseDecimal(f[3]), earlier.data = *install::BytesFromHex(f[4]);
        j.values.push_back(earlier);
        break;
      }
      case 'P':
        j.profiles.push_back(
            {f[0], f[1], f[2], f[3] == "-" ? std::nullopt : std::optional<std::string>(f[3].substr(1)), std::nullopt});
        break;
      case 'W':
        (before == 'V' ? j.values.back().written : j.profiles.back().written) = HeldOf(f);
        break;
    }
  }
  return journal;
}

std::string JournalText::Without(const std::string& title) const {
  std::string text;
  for (const Line& line : lines_)
    if (titles_[line.product] != title) text += line.text;
  return text;
}

}  // namespace uninstall
