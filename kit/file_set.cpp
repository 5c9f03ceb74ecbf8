#include "kit/file_set.h"

#include <algorithm>

#include "platform/path_chars.h"
#include "script/lines.h"

namespace kit {

namespace {

std::string Key(const std::string& path) { return script::LowerAscii(platform::WithBackslashes(path)); }

}  // namespace

void FileSet::Add(const std::string& path, std::optional<install::SzddHeader> compressed, int disk) {
  Entry& entry = paths_[Key(path)];
  if (!entry.compressed) entry.compressed = compressed;
  if (disk > 0) {
    entry.disks.insert(std::upper_bound(entry.disks.begin(), entry.disks.end(), disk), disk);
    disks_ = std::max(disks_, disk);
  }
}

const FileSet::Entry* FileSet::Find(const std::string& path) const {
  const auto found = paths_.find(Key(path));
  return found == paths_.end() ? nullptr : &found->second;
}

bool FileSet::Contains(const std::string& path) const { return Find(path) != nullptr; }

const install::SzddHeader* FileSet::Compressed(const std::string& path) const {
  const Entry* entry = Find(path);
  return entry && entry->compressed ? &*entry->compressed : nullptr;
}

char FileSet::LastCharacter(const std::string& path) const {
  const install::SzddHeader* header = Compressed(path);
  if (!header || (IsDiskSet() && Disks(path).front() != 1)) return 0;
  return header->lastCharacter;
}

std::vector<int> FileSet::Disks(const std::string& path) const {
  const Entry* entry = Find(path);
  return entry ? entry->disks : std::vector<int>{};
}

}  // namespace kit
