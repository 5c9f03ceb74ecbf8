#include "install/plan/path_file_lines.h"

#include "platform/path_chars.h"

namespace install {

void FillPathFile(script::Lines& out, const script::Lines& iniLines, const std::string& windowsFolder,
                  const std::string& destination, const ShortPathFn& shortPath) {
  out.clear();
  out.add(":run");
  out.add(destination);
  for (std::size_t i = 1; i < iniLines.size(); ++i) {
    const std::string& line = iniLines.at(i);
    if (line.empty()) continue;
    if (line[0] == '>')
      out.add(windowsFolder);
    else if (line[0] == '~')
      out.add(shortPath(destination + line.substr(1)));
  }
}

bool IsPathFileName(const std::string& name) {
  if (name.empty() || platform::LastDelimiter(name, "\\/:") != std::string::npos ||
      name.find("..") != std::string::npos)
    return false;
  const std::string lower = script::LowerAscii(name);
  for (const char* system : {"system.ini", "win.ini", "protocol.ini", "autoexec.bat", "config.sys", "msdos.sys"})
    if (lower == system) return false;
  return true;
}

}  // namespace install
