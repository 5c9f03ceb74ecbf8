#pragma once
// The install journal (install/plan/journal_format.h) read back. One folder may
// hold several products: each install pass belongs to the product its start
// line names, and a product is read, and removed, on its own.
#include <optional>
#include <string>
#include <vector>

#include "remove/record.h"

namespace uninstall {

enum class FileState { New, Existed, Failed };

struct JournalFile {
  std::string path;
  FileState state;
};

// What a registry value or profile entry holds, in one form for comparing:
// nothing when it is absent; a value's type and bytes, or an entry's text.
using Held = std::optional<std::string>;
std::string ValueForm(unsigned long type, const std::string& bytes);
// The type and bytes of a value's form; nothing for a form that is not one.
struct TypedData {
  unsigned long type;
  std::string bytes;
};
std::optional<TypedData> ValueOfForm(const std::string& form);

// The data a registry value or profile entry held before; nothing when absent.
struct EarlierValue {
  RegValueRef value;
  std::optional<unsigned long> type;
  std::string data;
  // What the pass left there; nothing in a journal of an earlier build.
  std::optional<Held> written;
};
// A shared file's use count before a pass added one to it; nothing: it had none.
struct EarlierCount {
  std::string path;
  std::optional<unsigned long> count;
};
struct EarlierProfile {
  std::string file, section, key;
  std::optional<std::string> value;
  std::optional<Held> written;  // as for a value
};

// What the passes of one product did, in journal order: the first line about
// a thing tells how it was before the first install that touched it.
struct Journal {
  std::string title, destination;  // of its first pass
  std::vector<JournalFile> files;
  std::vector<std::string> shortcuts, groupFolders;
  std::vector<std::string> foldersMade;  // folders that were not there before
  std::vector<EarlierValue> values;
  std::vector<EarlierProfile> profiles;
  std::vector<EarlierCount> counts;  // one per pass that counted the file
};

class JournalText {
 public:
  // Reads the whole text. A line cut short by a stopped install is passed
  // over and noted; any other line that cannot be read throws RecordError
  // naming it.
  explicit JournalText(const std::string& text);

  // The products, in the order of their first pass.
  const std::vector<std::string>& Titles() const { return titles_; }
  // The lines passed over, and why.
  const std::vector<std::string>& Notes() const { return notes_; }
  // What the passes of that product did; nothing when it has none.
  std::optional<Journal> For(const std::string& title) const;
  // The journal's text without that product's passes (and without cut lines).
  std::string Without(const std::string& title) const;

 private:
  struct Line {
    std::size_t product;  // index into titles_
    char kind;
    std::vector<std::string> fields;
    std::string text;  // as written, with its CR LF
  };
  std::vector<Line> lines_;
  std::vector<std::string> titles_;
  std::vector<std::string> notes_;
};

}  // namespace uninstall
