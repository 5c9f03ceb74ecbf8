// `setupkit layout`: a distribution folder made from an author's clear
// sources, as a vendor's disk holds it.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "kit/file_set.h"

namespace kit {

struct LayoutRequest {
  std::string source, dist;
  std::string setupExe;   // copied as setup.exe
  bool scramble = false;  // setup.ini and license.ini in their scrambled form
  // Every other file's LF line ends made CR LF, for sources kept with LF.
  bool textLineEnds = false;
  // Further files copied under the name given: (path, name in dist).
  std::vector<std::pair<std::string, std::string>> extra;
};

// setup.txt becomes setup.ini and license.txt license.ini, both with CR LF
// line ends (the loader splits lines only there); the other files of the
// source folder are copied as they are. `dist` is made when missing. Throws
// std::runtime_error on a file it cannot read, write or scramble.
void LayOut(const LayoutRequest& request);

// A whole file's bytes, or nothing when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Writes a whole file; throws std::runtime_error when it cannot.
void WriteWholeFile(const std::string& path, const std::string& bytes);
// Every file under a folder, by its path relative to the folder.
FileSet ListFolder(const std::string& folder);

}  // namespace kit
