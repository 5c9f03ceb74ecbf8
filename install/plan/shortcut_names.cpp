#include "install/plan/shortcut_names.h"

#include "install/plan/paths.h"

namespace install {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<Caption> ReadCaption(const std::string& line) {
  if (line.empty()) return std::nullopt;
  if (line[0] != '*') return Caption{line, ""};
  if (line.size() < 3 || !IsDigit(line[1]) || !IsDigit(line[2])) return std::nullopt;
  const std::size_t length = (line[1] - '0') * 10 + (line[2] - '0');
  Caption caption{line.substr(3, length), ""};
  if (caption.name.empty()) return std::nullopt;
  if (3 + length < line.size()) caption.hotKeyText = line.substr(3 + length);
  return caption;
}

std::optional<std::uint16_t> HotKeyWord(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > 0x7FFFFFFFu) return std::nullopt;
  }
  return static_cast<std::uint16_t>(value & 0xFFFFu);
}

std::string JoinPath(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

std::string WorkingFolder(const std::string& target) { return ExtractFilePath(target); }

void AddShortcutRecordLines(const std::string& group, const script::Lines& exe, script::Lines& record) {
  for (std::size_t k = 0; k < PairCount(exe); ++k) {
    const std::string& line = exe.at(2 * k);
    const std::optional<Caption> caption = ReadCaption(line);
    record.add(JoinPath(group, caption ? caption->name : line) + ".lnk");
  }
  record.add("+" + group + "\\");
}

}  // namespace install
