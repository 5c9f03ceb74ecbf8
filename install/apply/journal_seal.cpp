#include "install/apply/journal_seal.h"

#include <windows.h>

#include "install/plan/digest.h"
#include "platform/files.h"
#include "platform/path_chars.h"
#include "platform/registry.h"
#include "script/lines.h"

namespace install {

namespace {

namespace registry = platform::registry;

// Every spelling of the folder (short or long, either separator, any case)
// names one value.
std::string ValueName(const std::string& folder) {
  return script::LowerAscii(platform::LongPathName(platform::PlainSpelling(folder)));
}

}  // namespace

void StoreJournalDigest(const std::string& folder, const std::string& text) {
  registry::WriteValue(HKEY_LOCAL_MACHINE, kJournalDigestsKey, ValueName(folder), {REG_SZ, Sha256Hex(text) + '\0'});
}

bool JournalDigestMatches(const std::string& folder, const std::string& text) {
  const auto stored = registry::ReadValue(HKEY_LOCAL_MACHINE, kJournalDigestsKey, ValueName(folder));
  return stored && stored->type == REG_SZ && std::string(stored->data.c_str()) == Sha256Hex(text);
}

void ForgetJournalDigest(const std::string& folder) { ForgetOwnValue(kJournalDigestsKey, ValueName(folder)); }

void ForgetOwnValue(const std::string& key, const std::string& name) {
  registry::DeleteValue(HKEY_LOCAL_MACHINE, key, name);
  if (registry::DeleteIfEmpty(HKEY_LOCAL_MACHINE, key))
    registry::DeleteIfEmpty(HKEY_LOCAL_MACHINE, key.substr(0, key.find_last_of('\\')));
}

}  // namespace install
