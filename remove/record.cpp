#include "remove/record.h"

#include <string_view>

namespace uninstall {

namespace {

constexpr const char* kRootNames[] = {"HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE",
                                      "HKEY_USERS",            "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG",
                                      "HKEY_DYN_DATA"};

std::string KeyPath(const std::string& line) { return !line.empty() && line[0] == '\\' ? line.substr(1) : line; }
std::string ValueName(const std::string& line) { return line == "**" ? "" : line; }

bool EndsWithNoCase(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() && script::LowerAscii(text.substr(text.size() - tail.size())) == tail;
}

// Lines are counted from 1 in messages; `first` is the index of a block's first entry line.
struct Block {
  std::size_t first, end;  // [first, end) are the entry lines; end is the ":" line
};

void ReadReg(const script::Lines& lines, Block b, Record& record) {
  if ((b.end - b.first) % 4 != 0) throw RecordError(b.end + 1, "the \":reg\" block does not hold whole entries of four lines");
  for (std::size_t i = b.first; i < b.end; i += 4) {
    if (!IsRootName(lines.at(i))) throw RecordError(i + 1, "not a registry root key");
    record.values.push_back({{lines.at(i), KeyPath(lines.at(i + 1))}, ValueName(lines.at(i + 2))});
  }
}

// ":reg1" lost its empty lines when it was saved: each entry begins at a
// root-key name, and the lines up to the next one are its key path, value
// name and data, of which an empty one is missing.
void ReadReg1(const script::Lines& lines, Block b, Record& record) {
  for (std::size_t i = b.first; i < b.end;) {
    if (!IsRootName(lines.at(i))) throw RecordError(i + 1, "not a registry root key");
    std::size_t next = i + 1;
    while (next < b.end && !IsRootName(lines.at(next))) ++next;
    const std::size_t count = next - i - 1;
    if (count == 0) throw RecordError(i + 1, "a registry entry without its key");
    if (count > 3) throw RecordError(i + 1, "a registry entry that cannot be resolved");
    std::string name;
    // Two lines: the value name or the data was empty. The data codes of
    // ":reg1" are data; any other text names the value, which was set empty.
    if (count == 3 || (count == 2 && lines.at(i + 2) != "p" && lines.at(i + 2) != "u"))
      name = ValueName(lines.at(i + 2));
    record.values.push_back({{lines.at(i), KeyPath(lines.at(i + 1))}, name});
    i = next;
  }
}

void ReadRegRemove(const script::Lines& lines, Block b, Record& record) {
  for (std::size_t i = b.first; i < b.end; ++i) {
    const std::string& line = lines.at(i);
    if (IsRootName(line)) {
      if (i + 1 == b.end) throw RecordError(i + 1, "a root key without a key path");
      record.removeKeys.push_back({line, KeyPath(lines.at(++i))});
      continue;
    }
    const std::size_t cut = line.find('\\');
    if (cut == std::string::npos || !IsRootName(line.substr(0, cut)))
      throw RecordError(i + 1, "not a registry key");
    record.removeKeys.push_back({line.substr(0, cut), line.substr(cut + 1)});
  }
}

void ReadBlocks(const script::Lines& lines, std::size_t from, Record& record) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    const std::string& line = lines.at(i);
    if (line.empty()) continue;
    void (*read)(const script::Lines&, Block, Record&) = nullptr;
    if (line == ":reg") read = ReadReg;
    if (line == ":reg1") read = ReadReg1;
    if (line == ":regremove") read = ReadRegRemove;
    if (!read) throw RecordError(i + 1, "a line outside the registry blocks");
    std::size_t end = i + 1;
    while (end < lines.size() && lines.at(end) != ":") ++end;
    if (end == lines.size()) throw RecordError(i + 1, "the block \"" + line + "\" is not closed by \":\"");
    read(lines, {i + 1, end}, record);
    i = end;
  }
}

}  // namespace

RecordError::RecordError(std::size_t line, const std::string& what) : line_(line), what_(what) {}

bool IsRootName(const std::string& line) {
  for (const char* name : kRootNames)
    if (line == name) return true;
  return false;
}

bool SameText(const std::string& a, const std::string& b) { return script::LowerAscii(a) == script::LowerAscii(b); }

Record ParseRecord(const script::Lines& lines) {
  if (lines.empty() || lines.at(0).empty()) throw RecordError(1, "no product title");
  Record record;
  record.title = lines.at(0);
  std::size_t marker = 1;
  while (marker < lines.size() && (lines.at(marker).empty() || lines.at(marker)[0] != ':')) ++marker;
  if (marker == lines.size()) throw RecordError(lines.size(), "no destination marker line (\":\")");
  record.destinationPrefix = lines.at(marker).substr(1);

  std::vector<std::string> paths;
  for (std::size_t i = 1; i < marker; ++i) {
    const std::string& line = lines.at(i);
    if (line.empty()) throw RecordError(i + 1, "an empty line among the installed files");
    if (line[0] != '+') {
      paths.push_back(line);
      continue;
    }
    if (!record.groupFolder.empty()) throw RecordError(i + 1, "a second Start Menu folder line");
    record.groupFolder = line.substr(1);
    while (!record.groupFolder.empty() && record.groupFolder.back() == '\\') record.groupFolder.pop_back();
  }
  // Shortcuts lie in the Start Menu folder; the ".pif" a shell wrote counts too.
  for (const std::string& path : paths) {
    const bool link = EndsWithNoCase(path, ".lnk") || EndsWithNoCase(path, ".pif");
    if (link && !record.groupFolder.empty() && SameText(path.substr(0, record.groupFolder.size() + 1), record.groupFolder + "\\"))
      record.shortcuts.push_back(path);
    else
      record.files.push_back(path);
  }
  ReadBlocks(lines, marker + 1, record);
  return record;
}

}  // namespace uninstall
