#include "setup/switch_checks.h"

#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/log_file.h"
#include "platform/message_dialog.h"
#include "script/lines.h"
#include "setup/switch_paths.h"

namespace setup {

namespace {

std::string SystemFolder() {
  char buffer[MAX_PATH + 1];
  const UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
  return length && length < sizeof buffer ? std::string(buffer, length) : "";
}

// One folder, compared in NormalFolder's form and then by the short form that
// the system gives for both (only folders that exist have one).
bool SameFolder(const std::string& folder, const std::string& other) {
  const auto a = NormalFolder(folder), b = NormalFolder(other);
  if (!a || !b) return false;
  if (script::LowerAscii(*a) == script::LowerAscii(*b)) return true;
  const std::string shortA = platform::ShortPathName(*a), shortB = platform::ShortPathName(*b);
  return !shortA.empty() && script::LowerAscii(shortA) == script::LowerAscii(shortB);
}

}  // namespace

void CheckDestinationFolder(Options& options) {
  if (!options.destination) return;
  for (const std::string& windows : {platform::WindowsFolder(), SystemFolder()})
    if (!windows.empty() && SameFolder(*options.destination, windows)) {
      Refuse(options, "/D=" + *options.destination + ": the destination cannot be the Windows folder or its system "
                                                     "folder");
      options.destination.reset();
      return;
    }
}

void ReportUsageError(const Options& options) {
  if (!options.silent) {
    platform::MessageDlg(options.refusal + "\r\n\r\n" + kUsage, platform::DialogType::Error, platform::OK);
    return;
  }
  platform::LogFile log(options.logFile);
  log.Write("usage error: " + options.refusal);
}

}  // namespace setup
