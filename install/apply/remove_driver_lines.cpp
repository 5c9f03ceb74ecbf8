#include "install/apply/remove_driver_lines.h"

#include <exception>

#include "install/plan/driver_lines.h"
#include "platform/profile.h"
#include "platform/text_file.h"

namespace install {

void RemoveDriverLines(const std::string& path) {
  try {
    platform::FlushProfileCache(path);
    std::string text = platform::ReadTextFile(path);
    // An untouched file keeps its time stamp.
    if (DropDriverLines(text)) platform::WriteTextFile(path, text);
  } catch (const std::exception&) {
    // Passed over on purpose: the old driver lines only matter if present.
  }
}

}  // namespace install
