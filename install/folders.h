#pragma once
#include <string>

namespace install {

// The folders an install pass works with.
struct Folders {
  std::string source;       // SourceFolder: setup.ini, the files, config.cfg; no trailing backslash
  std::string destination;  // the destination box's text, no trailing backslash
  std::string windows;      // the Windows folder
};

}  // namespace install
