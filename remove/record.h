#pragma once
// The uninstall record, unin.ini, read whole and checked before anything is
// removed: the product title, the installed files, the shortcuts, the Start
// Menu folder, the destination marker and the registry blocks.
#include <cstddef>
#include <optional>
#include <exception>
#include <string>
#include <vector>

#include "script/lines.h"

namespace uninstall {

// A record (or journal) that cannot be used: the message names the line
// (counted from 1) and what is wrong with it.
class RecordError : public std::exception {
 public:
  RecordError(std::size_t line, const std::string& what);
  std::size_t Line() const { return line_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::size_t line_;
  std::string what_;
};

// A registry key: one of the seven root-key names and a path below it, its
// leading backslash dropped.
struct RegKey {
  std::string root, path;
};

// A value of a ":reg" or ":reg1" entry; "" names the default value.
struct RegValueRef {
  RegKey key;
  std::string name;
};

struct Record {
  std::string title;
  std::vector<std::string> files;
  std::vector<std::string> shortcuts;
  std::string groupFolder;  // from the "+" line, without its trailing backslash; "" when absent
  std::string destinationPrefix;  // the text after the ":" marker
  std::vector<RegValueRef> values;  // ":reg" then ":reg1", in record order
  std::vector<RegKey> removeKeys;   // ":regremove"
};

bool IsRootName(const std::string& line);
// Equal without regard to case (A-Z), as paths and key names compare.
bool SameText(const std::string& a, const std::string& b);

// Reads every line; throws RecordError for a record without a title or a
// destination marker line, an unclosed or unknown block, or a block entry
// that cannot be resolved.
Record ParseRecord(const script::Lines& lines);

}  // namespace uninstall
