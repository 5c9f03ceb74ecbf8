#include "install/apply/journal.h"

#include "install/plan/journal_format.h"
#include "install/apply/journal_seal.h"
#include "install/plan/paths.h"
#include "install/plan/registry_rules.h"
#include "platform/error.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/text_file.h"

namespace install {

Journal::Journal(const std::string& destination, const std::string& title)
    : folder_(destination), path_(InFolder(destination, kJournalName)), start_(JournalLine('S', {title, destination})) {}

Journal::~Journal() {
  if (!file_) return;
  file_.reset();
  try {
    StoreJournalDigest(folder_, platform::ReadTextFile(InFolder(folder_, kJournalName)));
  } catch (const std::exception&) {
    // A journal that cannot be read back has no digest: the removal then
    // puts nothing back from it.
  }
}

// The file is made with the first action, so a pass that ends before any
// change (No to a disk too small) leaves none.
void Journal::Open() {
  file_.reset(CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  path_.clear();  // one try: a journal that cannot be opened stops no install
  if (!file_) return;
  // An install that stopped mid-line left it without its CR LF: this pass
  // starts on a line of its own and marks the one before as cut short.
  const DWORD size = GetFileSize(file_.get(), nullptr);
  char last[2] = {};
  DWORD read = 0;
  if (size >= 2 && size != INVALID_FILE_SIZE) {
    SetFilePointer(file_.get(), -2, nullptr, FILE_END);
    ReadFile(file_.get(), last, 2, &read, nullptr);
  }
  SetFilePointer(file_.get(), 0, nullptr, FILE_END);
  if (size > 0 && !(read == 2 && last[0] == '\r' && last[1] == '\n')) Write("\r\n" + JournalLine('C', {}));
  Write(start_);
  FoldersMade(foldersMade_);
}

void Journal::Write(const std::string& line) {
  if (!path_.empty() && !file_) Open();
  if (!file_) return;
  DWORD written = 0;
  // One write per line: a line is in the file once the call returns.
  WriteFile(file_.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

void Journal::File(const std::string& path, bool created) {
  Note("file: " + path + (created ? " (new)" : " (was there)"));
  Write(JournalLine('F', {path, created ? "new" : "existed"}));
}

void Journal::FileFailed(const std::string& path) {
  Note("file: " + path + " (not copied)");
  Write(JournalLine('F', {path, "failed"}));
}

void Journal::FileAtRestart(const std::string& path) {
  Note("file: " + path + " (in use: replaced when Windows restarts)");
  Write(JournalLine('F', {path, "existed"}));
}

void Journal::FileKeptNewer(const std::string& path) {
  Note("file: " + path + " (kept: newer)");
  Write(JournalLine('F', {path, "newer"}));
}

void Journal::UseCount(const std::string& path, std::optional<unsigned long> before) {
  Write(JournalLine('N', {path, before ? std::to_string(*before) : "-"}));
}

void Journal::FoldersMade(const std::vector<std::string>& folders) {
  if (!path_.empty() && !file_) {
    foldersMade_.insert(foldersMade_.end(), folders.begin(), folders.end());
    return;
  }
  for (const std::string& folder : folders) {
    Note("folder made: " + folder);
    Write(JournalLine('D', {folder}));
  }
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
  const std::string path = JournalKeyPath(key);
  Note("registry value: " + rootName + "\\" + path + " \"" + name + "\"" + (earlier ? "" : " (new)"));
  if (earlier)
    Write(JournalLine('V', {rootName, path, name, std::to_string(earlier->type), HexBytes(earlier->data)}));
  else
    Write(JournalLine('V', {rootName, path, name, "-"}));
}

void Journal::ValueSet(const std::string& rootName, const std::string& key, const std::string& name) {
  const auto root = RootKeyIndex(rootName);
  if (!root) return;
  const auto now = platform::registry::ReadValue(platform::registry::RootKey(*root), key, name);
  Write(now ? JournalLine('W', {std::to_string(now->type), HexBytes(now->data)}) : JournalLine('W', {"-"}));
}

void Journal::ValueNotWritten(const std::string& rootName, const std::string& key, const std::string& name,
                              unsigned long error) {
  ++valuesNotWritten_;
  const std::string path = JournalKeyPath(key);
  Note("registry value not written: " + rootName + "\\" + path + " \"" + name + "\" (" +
       platform::SystemErrorText(error) + ")");
}

void Journal::Profile(const std::string& file, const std::string& section, const std::string& key) {
  const std::optional<std::string> earlier = platform::ReadIniString(file, section, key);
  Write(JournalLine('P', {file, section, key, earlier ? "=" + *earlier : "-"}));
}

void Journal::ProfileSet(const std::string& file, const std::string& section, const std::string& key) {
  const std::optional<std::string> now = platform::ReadIniString(file, section, key);
  Write(JournalLine('W', {now ? "=" + *now : "-"}));
}

}  // namespace install
