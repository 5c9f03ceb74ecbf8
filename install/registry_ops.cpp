#include "install/registry_ops.h"

#include "install/registry_rules.h"
#include "platform/registry.h"

namespace install {

namespace registry = platform::registry;

// The write's result, whether the key opened, is not needed: a key that does
// not open is passed over.
void WriteRegEntry(const std::string& rootName, const std::string& path, const std::string& valueName,
                   const std::string& data) {
  const auto root = RootKeyIndex(rootName);
  if (!root) return;
  registry::WriteString(registry::RootKey(*root), path, valueName, data, true);
}

void WriteProductSetting(const std::string& valueName, const std::string& text) {
  registry::WriteString(HKEY_LOCAL_MACHINE, kProductKey, valueName, text, true);
}

void DeleteClassesKey(const std::string& path) { registry::DeleteTree(HKEY_CLASSES_ROOT, path); }

void AddRunServicesEntry(const std::string& valueName, const std::string& command) {
  registry::WriteString(HKEY_LOCAL_MACHINE, kRunServicesKey, valueName, command, true);
}

void AddRunEntry(const std::string& valueName, const std::string& command) {
  registry::WriteString(HKEY_LOCAL_MACHINE, kRunKey, valueName, command, true);
}

}  // namespace install
