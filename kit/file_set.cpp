#include "kit/file_set.h"

#include "script/lines.h"

namespace kit {

namespace {

std::string Key(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return script::LowerAscii(path);
}

}  // namespace

void FileSet::Add(const std::string& path, std::optional<install::SzddHeader> compressed) {
  paths_.emplace(Key(path), compressed);
}

bool FileSet::Contains(const std::string& path) const { return paths_.count(Key(path)) != 0; }

const install::SzddHeader* FileSet::Compressed(const std::string& path) const {
  const auto found = paths_.find(Key(path));
  return found == paths_.end() || !found->second ? nullptr : &*found->second;
}

char FileSet::LastCharacter(const std::string& path) const {
  const install::SzddHeader* header = Compressed(path);
  return header ? header->lastCharacter : 0;
}

}  // namespace kit
