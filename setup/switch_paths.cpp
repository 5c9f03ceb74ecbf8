#include "setup/switch_paths.h"

#include <vector>

#include "install/plan/journal_format.h"
#include "platform/path_chars.h"
#include "script/lines.h"

namespace setup {

namespace {

constexpr char kSeparators[] = "\\/";
constexpr char kNotInNames[] = ":*?\"<>|";

// The parts between separators, as written; empty parts kept.
std::vector<std::string> Parts(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = platform::NextDelimiter(path, from, kSeparators);
    parts.push_back(path.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) return parts;
    from = at + 1;
  }
}

// The system ignores dots and blanks at the end of a part (no byte of a
// double-byte character is either).
std::string WithoutTrailingDots(const std::string& part) {
  const std::size_t last = part.find_last_not_of(". ");
  return last == std::string::npos ? "" : part.substr(0, last + 1);
}

bool OnlyDots(const std::string& part) {
  return !part.empty() && part.find_first_not_of(". ") == std::string::npos && part.find('.') != std::string::npos;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::optional<std::string> NormalFolder(const std::string& path) {
  std::string out;
  std::string rest;
  std::size_t fixedParts = 0;  // server and share of a UNC path
  if (path.size() >= 3 && path[1] == ':' && IsSeparator(path[2]) &&
      ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z')) {
    out = path.substr(0, 2);
    rest = path.substr(3);
  } else if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    out = "\\";
    rest = path.substr(2);
    fixedParts = 2;
  } else {
    return std::nullopt;
  }
  if (rest.find_first_of(kNotInNames) != std::string::npos) return std::nullopt;
  for (const std::string& written : Parts(rest)) {
    if (OnlyDots(written)) {
      if (written.find("..") != std::string::npos) return std::nullopt;  // "..", "...": a way up
      continue;                                                           // ".": this folder
    }
    const std::string part = WithoutTrailingDots(written);
    if (part.empty()) {
      if (fixedParts) return std::nullopt;  // "\\server\share" needs both names
      continue;
    }
    out += '\\' + part;
    if (fixedParts) --fixedParts;
  }
  if (fixedParts) return std::nullopt;
  return out;
}

bool IsRoot(const std::string& normal) {
  if (normal.size() == 2 && normal[1] == ':') return true;
  if (normal.compare(0, 2, "\\\\") != 0) return false;
  const std::vector<std::string> parts = Parts(normal.substr(2));
  return parts.size() <= 2;
}

std::optional<std::string> PlainGroup(const std::string& group) {
  if (group.empty() || IsSeparator(group[0]) || group.find_first_of(kNotInNames) != std::string::npos)
    return std::nullopt;
  std::string out;
  for (const std::string& part : Parts(group)) {
    if (WithoutTrailingDots(part).empty()) return std::nullopt;
    out += (out.empty() ? "" : "\\") + part;
  }
  return out;
}

bool NamesProductRecord(const std::string& logPath) {
  const std::size_t slash = platform::LastDelimiter(logPath, "\\/:");
  const std::string name =
      script::LowerAscii(WithoutTrailingDots(slash == std::string::npos ? logPath : logPath.substr(slash + 1)));
  return name == install::kRecordName || name == install::kJournalName;
}

}  // namespace setup
