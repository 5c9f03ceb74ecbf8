#pragma once
// The install journal (journal_format.h), written line by line while the
// install pass runs: each line goes to the file as the action happens, so
// the journal tells what was done even when the pass stops with an error.
#include <optional>
#include <string>
#include <vector>

#include "platform/handle.h"

namespace install {

// The steps of the pass told in words, for a log; nothing is shown.
class StepNotes {
 public:
  virtual void Note(const std::string& text) = 0;

 protected:
  ~StepNotes() = default;
};

class Journal {
 public:
  // Appends to destination\unin.jnl, the start line first, from the first
  // action on. A journal that cannot be opened writes nothing and stops no
  // install.
  Journal(const std::string& destination, const std::string& title);
  // Records the digest of the journal as the pass leaves it, when it wrote.
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // A file the pass wrote: whether it was made new or was there before.
  void File(const std::string& path, bool created);
  // A file whose copy failed: nothing of the install's stands there.
  void FileFailed(const std::string& path);
  // A file in use, which takes the new copy when Windows starts again.
  void FileAtRestart(const std::string& path);
  // A shared file left as it was, for its version is higher than the install's.
  void FileKeptNewer(const std::string& path);
  // Before a shared file's use count changes: the count it had, if any.
  void UseCount(const std::string& path, std::optional<unsigned long> before);
  // Folders the install made, which were not there before; written with the
  // first line of the journal, so that a pass that changes nothing leaves none.
  void FoldersMade(const std::vector<std::string>& folders);
  void Shortcut(const std::string& path);
  void GroupFolder(const std::string& folder);
  // Before a registry value is set: what it held, or that it was absent.
  void Value(const std::string& rootName, const std::string& key, const std::string& name);
  // After a registry value was set, or failed to be: what it holds now,
  // which the removal compares with before it puts the earlier data back.
  void ValueSet(const std::string& rootName, const std::string& key, const std::string& name);
  // After a registry value's key did not open: the value was not written,
  // for the system's reason `error`; told to the notes only.
  void ValueNotWritten(const std::string& rootName, const std::string& key, const std::string& name,
                       unsigned long error);
  std::size_t ValuesNotWritten() const { return valuesNotWritten_; }
  // Before a profile entry is written: what it held, or that it was absent.
  void Profile(const std::string& file, const std::string& section, const std::string& key);
  // After a profile entry was written: what it holds now, as for a value.
  void ProfileSet(const std::string& file, const std::string& section, const std::string& key);
  // Each action is also told to `notes` in words, as is `text` by Note.
  void SetNotes(StepNotes* notes) { notes_ = notes; }
  void Note(const std::string& text) {
    if (notes_) notes_->Note(text);
  }

 private:
  void Write(const std::string& line);
  void Open();
  std::string folder_;
  std::string path_;   // until the file is opened
  std::string start_;  // the start line, written first
  std::vector<std::string> foldersMade_;  // until the file is opened
  platform::FileHandle file_;
  StepNotes* notes_ = nullptr;
  std::size_t valuesNotWritten_ = 0;
};

}  // namespace install
