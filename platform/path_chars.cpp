#include "platform/path_chars.h"

#include <cstring>

namespace platform {

namespace {

LeadByteTest leadByte = nullptr;

}  // namespace

void SetLeadByteTest(LeadByteTest test) { leadByte = test; }

namespace {

// Calls found(i) for each character of `path` that is one of `set`, from the
// start (the only place where a character is known to begin), until it
// returns true.
template <typename Found>
void EachDelimiter(const std::string& path, const char* set, Found found) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(path[i]);
    // A trail byte is never a delimiter; a lead byte at the very end stands alone.
    if (leadByte && leadByte(c) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (c != 0 && std::strchr(set, c) && found(i)) return;
  }
}

}  // namespace

std::size_t LastDelimiter(const std::string& path, const char* set) {
  std::size_t last = std::string::npos;
  EachDelimiter(path, set, [&](std::size_t i) {
    last = i;
    return false;
  });
  return last;
}

std::size_t NextDelimiter(const std::string& path, std::size_t from, const char* set) {
  std::size_t next = std::string::npos;
  EachDelimiter(path, set, [&](std::size_t i) {
    if (i < from) return false;
    next = i;
    return true;
  });
  return next;
}

bool EndsWithBackslash(const std::string& path) {
  return !path.empty() && LastDelimiter(path, "\\") == path.size() - 1;
}

std::string WithoutTrailingBackslash(const std::string& path) {
  return EndsWithBackslash(path) ? path.substr(0, path.size() - 1) : path;
}

std::string WithBackslashes(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string PlainSpelling(const std::string& path) {
  std::string spelled = WithBackslashes(path);
  while (spelled.size() > 3 && EndsWithBackslash(spelled)) spelled.pop_back();
  return spelled;
}

}  // namespace platform
