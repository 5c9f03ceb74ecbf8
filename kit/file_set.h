// The files of a distribution folder, looked up as Windows looks up names:
// without regard to case, "\" or "/" between folders.
#pragma once
#include <string>
#include <unordered_set>

namespace kit {

class FileSet {
 public:
  // A path relative to the distribution folder.
  void Add(const std::string& path);
  bool Contains(const std::string& path) const;

 private:
  std::unordered_set<std::string> paths_;
};

}  // namespace kit
