// The files of a distribution folder, looked up as Windows looks up names:
// without regard to case, "\" or "/" between folders. For a product on
// several disks, the files of every disk, each with the disks it is on.
#pragma once
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "install/plan/szdd.h"

namespace kit {

class FileSet {
 public:
  // A path relative to the distribution folder (or to its disk's folder), with
  // its compressed-file header when it has one and its disk (from 1; 0 for a
  // single folder).
  void Add(const std::string& path, std::optional<install::SzddHeader> compressed = std::nullopt, int disk = 0);
  bool Contains(const std::string& path) const;
  // The header of a compressed file; null for a plain or missing one.
  const install::SzddHeader* Compressed(const std::string& path) const;
  // For the walk over the ":files" list: what the header gives for "_". The
  // install names its files before the copy, from the disk then in the
  // drive: on a disk set only a file of disk 1 gives its letter.
  char LastCharacter(const std::string& path) const;
  // The disks a file is on, in ascending order; none in a single folder.
  std::vector<int> Disks(const std::string& path) const;
  bool IsDiskSet() const { return disks_ > 0; }

 private:
  struct Entry {
    std::optional<install::SzddHeader> compressed;
    std::vector<int> disks;
  };
  const Entry* Find(const std::string& path) const;
  std::unordered_map<std::string, Entry> paths_;
  int disks_ = 0;
};

}  // namespace kit
