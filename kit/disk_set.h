// A product laid out on several disks, DISK1, DISK2, ...: which file goes on
// which disk, in the order the install asks for them.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "script/lines.h"

namespace kit {

// The folder of disk `number` (from 1) in a disk set.
std::string DiskFolder(int number);

// The room on a disk that --disks names: "floppy" (a 1.44 MB disk), "cd"
// (650 MB) or a number of bytes, with k or M for kilobytes or megabytes;
// nothing for anything else.
std::optional<std::uint64_t> DiskCapacity(const std::string& given);

// Files on disk 1, read before the copy (the program, the script, the licence).
bool ReadFirst(const std::string& name);
// Files read after the copy, from the disk then in the drive: the last.
bool ReadLast(const std::string& name);

// The disk in the drive as the install goes on: it asks for a later disk
// when a file is missing from the one in the drive, and never for an earlier.
class Drive {
 public:
  // The disk a file on `disks` is read from; 0 when only an earlier disk (or
  // none) holds it.
  int Read(const std::vector<int>& disks);
  int Current() const { return current_; }

 private:
  int current_ = 1;
};

// The disks of each file (names as in the distribution, sizes as stored):
// disk 1 holds setup.exe, setup.ini and license.ini, the ":files" entries
// follow in install order, each on the disk in the drive when it is asked
// for, a new disk when it does not fit; files the install never reads come
// next, and the ":extra" file, readme.txt and config.cfg end the set
// together. A file the ":files" list names again after a disk change is put
// on that disk too. Throws std::runtime_error for a file larger than a disk.
std::map<std::string, std::vector<int>> AssignDisks(const script::Lines& script,
                                                    const std::vector<std::pair<std::string, std::uint64_t>>& files,
                                                    std::uint64_t capacity);

}  // namespace kit
