#pragma once
// What a Wine prefix holds, taken before and after a run and compared: the
// files below some folders and the values below some registry keys.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace driver {

struct Snapshot {
  std::map<std::string, std::string> files;   // lower-case path -> size and write time
  std::map<std::string, std::string> values;  // lower-case key\value name -> type and data
};

struct RegistryTree {
  HKEY root;
  const char* rootName;
  std::string path;
};

// Folders and keys that hold one of the `skip` texts anywhere in their paths
// are left out.
Snapshot TakeSnapshot(const std::vector<std::string>& folders, const std::vector<RegistryTree>& keys,
                      const std::vector<std::string>& skip = {});
// "+ path" for what is new, "- path" for what is gone, "~ path" for what changed.
std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after);

}  // namespace driver
