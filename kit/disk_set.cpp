#include "kit/disk_set.h"

#include <set>
#include <stdexcept>

#include "install/plan/file_list.h"
#include "platform/path_chars.h"
#include "script/sections.h"

namespace kit {

namespace {

constexpr std::uint64_t kFloppy = 2847 * 512;  // the data area of a 1.44 MB FAT12 disk
constexpr std::uint64_t kCd = 650ull << 20;
// Every file takes whole clusters: those of a floppy, the most common.
constexpr std::uint64_t kCluster = 512;

// Names as the install looks them up: in any case, "\\" or "/" between folders.
std::string Key(const std::string& name) { return script::LowerAscii(platform::WithBackslashes(name)); }

std::uint64_t OnDisk(std::uint64_t size) { return (size + kCluster - 1) / kCluster * kCluster; }

class Packer {
 public:
  Packer(const std::vector<std::pair<std::string, std::uint64_t>>& files, std::uint64_t capacity)
      : capacity_(capacity) {
    for (const auto& [name, size] : files) sizes_[Key(name)] = {name, OnDisk(size)};
  }

  bool Has(const std::string& name) const { return sizes_.count(Key(name)) != 0; }
  bool Placed(const std::string& name) const { return disks_.count(Name(name)) != 0; }

  // On the disk in the drive, or on a new one when it does not fit.
  void Put(const std::string& name) {
    const std::string& stored = Name(name);
    std::vector<int>& on = disks_[stored];
    if (!on.empty() && on.back() == current_) return;
    const std::uint64_t size = sizes_.at(Key(name)).second;
    if (size > capacity_)
      throw std::runtime_error(stored + " is " + std::to_string(size) + " bytes on a disk, more than a disk holds (" +
                               std::to_string(capacity_) + ")");
    if (used_ + size > capacity_) NextDisk();
    used_ += size;
    on.push_back(current_);
  }

  // Makes room for files that must share a disk.
  void KeepTogether(const std::vector<std::string>& names) {
    std::uint64_t size = 0;
    for (const std::string& name : names) size += sizes_.at(Key(name)).second;
    if (used_ + size > capacity_ && used_ > 0) NextDisk();
    for (const std::string& name : names) Put(name);
  }

  // The files no step has placed, but those of the end.
  void PutTheRest(const std::vector<std::string>& atEnd) {
    std::set<std::string> later;
    for (const std::string& name : atEnd) later.insert(Key(name));
    for (const auto& [lower, entry] : sizes_)
      if (!Placed(entry.first) && later.count(lower) == 0) Put(entry.first);
  }

  std::map<std::string, std::vector<int>> Result() const { return disks_; }

 private:
  const std::string& Name(const std::string& name) const { return sizes_.at(Key(name)).first; }
  void NextDisk() {
    ++current_;
    used_ = 0;
  }

  std::uint64_t capacity_, used_ = 0;
  int current_ = 1;
  std::map<std::string, std::pair<std::string, std::uint64_t>> sizes_;  // lower-case name -> name, size on disk
  std::map<std::string, std::vector<int>> disks_;
};

}  // namespace

int Drive::Read(const std::vector<int>& disks) {
  for (const int disk : disks)
    if (disk >= current_) return current_ = disk;
  return 0;
}

std::string DiskFolder(int number) { return "DISK" + std::to_string(number); }

std::optional<std::uint64_t> DiskCapacity(const std::string& given) {
  if (given == "floppy") return kFloppy;
  if (given == "cd") return kCd;
  std::uint64_t value = 0;
  std::size_t at = 0;
  for (; at < given.size() && given[at] >= '0' && given[at] <= '9' && value < (1ull << 40); ++at)
    value = value * 10 + static_cast<unsigned>(given[at] - '0');
  if (at == 0 || value == 0) return std::nullopt;
  const std::string unit = given.substr(at);
  if (unit.empty()) return value;
  if (unit == "k" || unit == "K") return value << 10;
  if (unit == "M") return value << 20;
  return std::nullopt;
}

bool ReadFirst(const std::string& name) {
  const std::string lower = script::LowerAscii(name);
  return lower == "setup.exe" || lower == "setup.ini" || lower == "license.ini";
}

bool ReadLast(const std::string& name) {
  const std::string lower = script::LowerAscii(name);
  return lower == "readme.txt" || lower == "config.cfg";
}

std::map<std::string, std::vector<int>> AssignDisks(const script::Lines& script,
                                                    const std::vector<std::pair<std::string, std::uint64_t>>& files,
                                                    std::uint64_t capacity) {
  Packer packer(files, capacity);
  for (const auto& file : files)
    if (ReadFirst(file.first)) packer.Put(file.first);
  const script::Sections lists = script::ReadSections(script);
  for (const install::FileStep& step : install::WalkFileList(lists.files, "C:\\WINDOWS", "C:\\").steps)
    if (packer.Has(step.line)) packer.Put(step.line);
  std::vector<std::string> last;
  if (!lists.extraFile.empty() && packer.Has(lists.extraFile)) last.push_back(lists.extraFile);
  for (const auto& file : files)
    if (ReadLast(file.first)) last.push_back(file.first);
  packer.PutTheRest(last);
  packer.KeepTogether(last);
  return packer.Result();
}

}  // namespace kit
