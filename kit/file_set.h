// The files of a distribution folder, looked up as Windows looks up names:
// without regard to case, "\" or "/" between folders.
#pragma once
#include <optional>
#include <string>
#include <unordered_map>

#include "install/szdd.h"

namespace kit {

class FileSet {
 public:
  // A path relative to the distribution folder, with its compressed-file
  // header when it has one.
  void Add(const std::string& path, std::optional<install::SzddHeader> compressed = std::nullopt);
  bool Contains(const std::string& path) const;
  // The header of a compressed file; null for a plain or missing one.
  const install::SzddHeader* Compressed(const std::string& path) const;
  // For the walk over the ":files" list: what the header gives for "_".
  char LastCharacter(const std::string& path) const;

 private:
  std::unordered_map<std::string, std::optional<install::SzddHeader>> paths_;
};

}  // namespace kit
