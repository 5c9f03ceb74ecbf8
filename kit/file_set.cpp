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

void FileSet::Add(const std::string& path) { paths_.insert(Key(path)); }

bool FileSet::Contains(const std::string& path) const { return paths_.count(Key(path)) != 0; }

}  // namespace kit
