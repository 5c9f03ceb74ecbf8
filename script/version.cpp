#include "script/version.h"

#include "script/reader.h"

namespace script {

std::string FindVersion(const Lines& script) {
  std::string version;
  FindVersion(script, version);
  return version;
}

void FindVersion(const Lines& script, std::string& version) {
  ScanLastValue(script, {"Version", "version"}, "unknown", version);
}

}  // namespace script
