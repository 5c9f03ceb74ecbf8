#include "install/journal.h"

#include "install/journal_format.h"
#include "install/paths.h"
#include "install/registry_rules.h"
#include "platform/registry.h"

namespace install {

namespace {

// The entry's text, or `absent` when there is none; as long as it is.
std::string ReadEntry(const std::string& file, const std::string& section, const std::string& key,
                      const char* absent) {
  std::string buffer(256, '\0');
  for (;;) {
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), absent, buffer.data(),
                                             static_cast<DWORD>(buffer.size()), file.c_str());
    if (n + 1 < buffer.size() || buffer.size() >= 65536) return buffer.substr(0, n);
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace

Journal::Journal(const std::string& destination, const std::string& title) {
  file_.reset(CreateFileA(InFolder(destination, kJournalName).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file_) SetFilePointer(file_.get(), 0, nullptr, FILE_END);
  Write(JournalLine('S', {title, destination}));
}

Journal& Journal::None() {
  static Journal none;
  return none;
}

void Journal::Write(const std::string& line) {
  if (!file_) return;
  DWORD written = 0;
  // One write per line: a line is in the file once the call returns.
  WriteFile(file_.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

void Journal::File(const std::string& path, bool created) {
  Note("file: " + path + (created ? " (new)" : " (was there)"));
  Write(JournalLine('F', {path, created ? "new" : "existed"}));
}

void Journal::Shortcut(const std::string& path) {
  Note("shortcut: " + path);
  Write(JournalLine('L', {path}));
}

void Journal::GroupFolder(const std::string& folder) {
  Note("Start Menu folder: " + folder);
  Write(JournalLine('G', {folder}));
}

void Journal::Value(const std::string& rootName, const std::string& key, const std::string& name) {
  const auto root = RootKeyIndex(rootName);
  if (!root) return;
  const auto earlier = platform::registry::ReadValue(platform::registry::RootKey(*root), key, name);
  const std::string path = !key.empty() && key[0] == '\\' ? key.substr(1) : key;
  Note("registry value: " + rootName + "\\" + path + " \"" + name + "\"" + (earlier ? "" : " (new)"));
  if (earlier)
    Write(JournalLine('V', {rootName, path, name, Decimal(earlier->type), HexBytes(earlier->data)}));
  else
    Write(JournalLine('V', {rootName, path, name, "-"}));
}

void Journal::Profile(const std::string& file, const std::string& section, const std::string& key) {
  // Two different defaults tell an absent entry from one that holds either.
  const std::string first = ReadEntry(file, section, key, "\x01");
  const bool absent = first == "\x01" && ReadEntry(file, section, key, "\x02") == "\x02";
  Write(JournalLine('P', {file, section, key, absent ? "-" : "=" + first}));
}

}  // namespace install
