#include "install/path_file.h"

#include "install/path_file_lines.h"
#include "install/paths.h"
#include "install/short_path.h"
#include "platform/error.h"
#include "platform/text_file.h"

namespace install {

void WritePathFile(const script::Lines& iniwin, const std::string& windowsFolder,
                   const std::string& destination, script::Lines& un) {
  FillPathFile(un, iniwin, windowsFolder, destination, ShortPathOrLong);
  if (iniwin.size() < 2) return;
  // Refused as a file that cannot be written: nothing outside the Windows
  // folder, and none of its own files, is replaced by these lines.
  if (!IsPathFileName(iniwin.at(0))) throw platform::AppError::Format("Cannot create file %s", iniwin.at(0));
  platform::WriteTextFile(InFolder(windowsFolder, iniwin.at(0)), script::JoinLines(un));
}

}  // namespace install
