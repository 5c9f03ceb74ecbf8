#include <windows.h>

#include "install/journal_format.h"
#include "install/paths.h"
#include "install/uninstall_record.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace install {

void SaveUninstallRecord(const script::Lines& record, const std::string& destination) {
  const std::string path = InFolder(destination, kRecordName);
  // A record left read-only, hidden or system by an earlier install is replaced all the same.
  if (platform::FileExists(path)) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_ARCHIVE);
  platform::WriteTextFile(path, script::JoinLines(record));
}

}  // namespace install
