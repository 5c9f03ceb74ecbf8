#include "install/registry_ops.h"

#include "install/registry_rules.h"
#include "platform/registry.h"

namespace install {

namespace registry = platform::registry;

bool WriteRegEntry(const std::string& rootName, const std::string& path, const std::string& valueName,
                   const std::string& data) {
  const auto root = RootKeyIndex(rootName);
  return root && registry::WriteString(registry::RootKey(*root), path, valueName, data, true);
}

bool WriteProductSetting(const std::string& valueName, const std::string& text) {
  return registry::WriteString(HKEY_LOCAL_MACHINE, kProductKey, valueName, text, true);
}

void DeleteClassesKey(const std::string& path) { registry::DeleteTree(HKEY_CLASSES_ROOT, path); }

bool AddRunServicesEntry(const std::string& valueName, const std::string& command) {
  return registry::WriteString(HKEY_LOCAL_MACHINE, kRunServicesKey, valueName, command, true);
}

bool AddRunEntry(const std::string& valueName, const std::string& command) {
  return registry::WriteString(HKEY_LOCAL_MACHINE, kRunKey, valueName, command, true);
}

}  // namespace install
