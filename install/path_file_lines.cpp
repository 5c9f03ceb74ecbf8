#include "install/path_file_lines.h"

namespace install {

void FillPathFile(script::Lines& out, const script::Lines& iniwin, const std::string& windowsFolder,
                  const std::string& destination, const ShortPathFn& shortPath) {
  out.clear();
  out.add(":run");
  out.add(destination);
  for (std::size_t i = 1; i < iniwin.size(); ++i) {
    const std::string& line = iniwin.at(i);
    if (line.empty()) continue;
    if (line[0] == '>')
      out.add(windowsFolder);
    else if (line[0] == '~')
      out.add(shortPath(destination + line.substr(1)));
  }
}

}  // namespace install
