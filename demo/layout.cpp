#include "demo/layout.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

#include "platform/files.h"
#include "platform/handle.h"
#include "platform/text_file.h"
#include "script/lines.h"
#include "script/unscramble.h"

namespace demo {

namespace {

struct SearchTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { FindClose(h); }
};
using Search = platform::Unique<HANDLE, SearchTraits>;

// The file names of a folder (not its sub-folders).
std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const Search search(FindFirstFileA((folder + "\\*").c_str(), &found));
  if (!search) throw std::runtime_error("cannot list " + folder);
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(search.get(), &found));
  return names;
}

// A source text with LF or CR LF line ends, as lines.
script::Lines TextLines(const std::string& path) {
  const std::string text = platform::ReadTextFile(path);
  script::Lines lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.add(line);
    start = end + 1;
  }
  return lines;
}

void Copy(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy " + from + " to " + to);
}

}  // namespace

void LayOutSample(const std::string& product, const std::string& build, const std::string& dist) {
  platform::ForceDirectories(dist);
  for (const std::string& name : FilesIn(product)) {
    const script::Lines lines = TextLines(product + "\\" + name);
    if (name == "setup.txt")
      platform::WriteTextFile(dist + "\\setup.ini", script::JoinLines(script::Scramble(lines)));
    else if (name == "license.txt")
      platform::WriteTextFile(dist + "\\license.ini", script::JoinLines(script::Scramble(lines)));
    else
      platform::WriteTextFile(dist + "\\" + name, script::JoinLines(lines));
  }
  Copy(build + "\\setup.exe", dist + "\\setup.exe");
  Copy(build + "\\demo\\marrow.exe", dist + "\\MARROW.EX_");
  Copy(build + "\\twremove.exe", dist + "\\TWREMOVE.EX_");
}

}  // namespace demo
