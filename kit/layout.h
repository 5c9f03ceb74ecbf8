// `setupkit layout`: a distribution folder made from an author's clear
// sources, as a vendor's disk holds it.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "kit/file_set.h"

namespace kit {

struct LayoutRequest {
  std::string source, dist;
  std::string setupExe;   // copied as setup.exe
  bool scramble = false;  // setup.ini and license.ini in their scrambled form
  // LF line ends made CR LF in every other file whose content is text, for
  // sources kept with LF. A file with NUL or other control bytes is binary
  // and copied as it is.
  bool textLineEnds = false;
  // Further files copied under the name given: (path, name in dist).
  std::vector<std::pair<std::string, std::string>> extra;
  // Files of the source (relative paths) whose line ends must be made CR LF;
  // one whose content is not text is an error.
  std::vector<std::string> textFiles;
  // Every file that the copy phase reads stored in the platform's compressed
  // format where that makes it smaller, under its own name.
  bool compress = false;
  // Laid out as DISK1, DISK2, ... folders of this many bytes each (0: one folder).
  std::uint64_t diskCapacity = 0;
};

struct LayoutReport {
  std::vector<std::string> converted;  // the files whose line ends were made CR LF
};

// setup.txt becomes setup.ini and license.txt license.ini, both with CR LF
// line ends (the loader splits lines only there); the other files of the
// source folder and its subfolders are copied as they are. Every input is
// read and checked before anything is written; the folder is made under a
// temporary name beside `dist` and put in its place at the end, replacing an
// earlier layout. A `dist` that holds files but no setup.ini or setup.exe is
// refused: it is not a layout. Throws std::runtime_error, leaving `dist` as
// it was, on anything it cannot read, write, scramble or convert.
LayoutReport LayOut(const LayoutRequest& request);

// Whether a file's bytes are text: no NUL and no control byte but tab, line
// ends, form feed and the end-of-file mark.
bool IsText(const std::string& bytes);

// A whole file's bytes, or nothing when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Writes a whole file; throws std::runtime_error when it cannot.
void WriteWholeFile(const std::string& path, const std::string& bytes);
// Every file under a folder, by its path relative to the folder; for a disk
// set (a folder holding DISK1, ...) those of every disk, each with its disk.
FileSet ListFolder(const std::string& folder);
bool IsDiskSet(const std::string& folder);

}  // namespace kit
