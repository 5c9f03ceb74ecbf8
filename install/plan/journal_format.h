#pragma once
// The install journal, unin.jnl in the destination folder: what an install
// pass did, one action per line, appended as the pass goes so that it
// survives an error or a crash. A line is a kind letter and its fields,
// separated by tabs; "%" followed by two hex digits stands for a "%", tab,
// CR or LF inside a field. Lines end in CR LF.
//
//   S  title  destination                    an install pass began
//   F  path   new|existed                    a file written by the pass
//   F  path   failed                         a file whose copy failed
//   F  path   newer                          a shared file kept, for its version is higher
//   N  path   count|-                        a shared file's use count, before the pass added one
//   D  folder                                a folder the install made (it was not there)
//   L  path                                  a shortcut made
//   G  folder                                the Start Menu folder made
//   V  root  key  name  -                    a registry value set that did not exist
//   V  root  key  name  type  hex            ... that held this type and data before
//   P  file  section  key  -                 a profile entry written that did not exist
//   P  file  section  key  =value            ... that held this value before
//   W  -|type hex                            after a V line: what the value holds once set
//   W  -|=value                              after a P line: what the entry holds once written
//   C                                        the line before was cut short by a stopped install
//
// When one folder is installed into again, the journal grows: the first line
// about a thing tells how it was before the first install. Each pass belongs
// to the product its start line names; products that share a folder are
// told apart by it. After each pass its digest is recorded (journal_seal.h).
#include <optional>
#include <string>
#include <vector>

namespace install {

// The uninstall record beside it, in the format other removal programs read.
inline constexpr char kRecordName[] = "unin.ini";
inline constexpr char kJournalName[] = "unin.jnl";

// One line, its fields escaped, ended by CR LF.
std::string JournalLine(char kind, const std::vector<std::string>& fields);

// The kind and fields of one line (without its CR LF); nothing when the line
// is empty or a field holds a bad escape.
struct JournalFields {
  char kind;
  std::vector<std::string> fields;
};
std::optional<JournalFields> SplitJournalLine(const std::string& line);

// A registry key path as the journal names it: without the leading
// backslash a script may write.
std::string JournalKeyPath(const std::string& key);

std::string HexBytes(const std::string& bytes);
std::optional<std::string> BytesFromHex(const std::string& hex);
std::optional<unsigned long> ParseDecimal(const std::string& text);

}  // namespace install
