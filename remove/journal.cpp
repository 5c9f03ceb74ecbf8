#include "remove/journal.h"

#include "install/journal_format.h"

namespace uninstall {

namespace {

bool SameValue(const RegValueRef& a, const RegValueRef& b) {
  return a.key.root == b.key.root && SameText(a.key.path, b.key.path) && SameText(a.name, b.name);
}

template <typename List, typename Same>
bool Known(const List& list, Same same) {
  for (const auto& item : list)
    if (same(item)) return true;
  return false;
}

// One line into the journal; false when its kind or fields do not fit.
bool Take(const install::JournalFields& line, Journal& journal) {
  const std::vector<std::string>& f = line.fields;
  switch (line.kind) {
    case 'S':
      if (f.size() != 2) return false;
      if (journal.title.empty()) journal.title = f[0], journal.destination = f[1];
      return true;
    case 'F':
      if (f.size() != 2 || (f[1] != "new" && f[1] != "existed")) return false;
      if (!Known(journal.files, [&](const JournalFile& file) { return SameText(file.path, f[0]); }))
        journal.files.push_back({f[0], f[1] == "new"});
      return true;
    case 'L':
    case 'G': {
      if (f.size() != 1) return false;
      auto& list = line.kind == 'L' ? journal.shortcuts : journal.groupFolders;
      if (!Known(list, [&](const std::string& path) { return SameText(path, f[0]); })) list.push_back(f[0]);
      return true;
    }
    case 'V': {
      if (f.size() < 4 || !IsRootName(f[0])) return false;
      EarlierValue earlier{{{f[0], f[1]}, f[2]}, std::nullopt, ""};
      if (f.size() == 4) {
        if (f[3] != "-") return false;
      } else {
        const auto type = install::ParseDecimal(f[3]);
        const auto data = f.size() == 5 ? install::BytesFromHex(f[4]) : std::nullopt;
        if (!type || !data) return false;
        earlier.type = type;
        earlier.data = *data;
      }
      if (!Known(journal.values, [&](const EarlierValue& v) { return SameValue(v.value, earlier.value); }))
        journal.values.push_back(earlier);
      return true;
    }
    case 'P': {
      if (f.size() != 4 || f[3].empty() || (f[3] != "-" && f[3][0] != '=')) return false;
      EarlierProfile earlier{f[0], f[1], f[2], std::nullopt};
      if (f[3] != "-") earlier.value = f[3].substr(1);
      if (!Known(journal.profiles, [&](const EarlierProfile& p) {
            return SameText(p.file, f[0]) && SameText(p.section, f[1]) && SameText(p.key, f[2]);
          }))
        journal.profiles.push_back(earlier);
      return true;
    }
  }
  return false;
}

}  // namespace

Journal ParseJournal(const std::string& text) {
  Journal journal;
  std::size_t number = 0;
  for (std::size_t start = 0; start < text.size();) {
    ++number;
    const std::size_t end = text.find("\r\n", start);
    // A line without its CR LF was being written when the install stopped.
    if (end == std::string::npos) break;
    const std::string line = text.substr(start, end - start);
    start = end + 2;
    const auto fields = install::SplitJournalLine(line);
    if (!fields || !Take(*fields, journal)) throw RecordError(number, "a journal line that cannot be read");
  }
  if (journal.title.empty() && number > 0) throw RecordError(1, "a journal without its start line");
  return journal;
}

}  // namespace uninstall
