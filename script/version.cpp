#include "script/version.h"

#include "script/reader.h"

namespace script {

std::string FindVersion(const Lines& script) {
  return ReadLastValue(script, {"Version", "version"}, "unknown");
}

}  // namespace script
