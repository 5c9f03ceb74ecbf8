#include "install/apply/registry_ops.h"

#include "install/plan/registry_rules.h"
#include "platform/registry.h"

namespace install {

namespace registry = platform::registry;

bool WriteRegEntry(const std::string& rootName, const std::string& path, const std::string& valueName,
                   const std::string& data) {
  const auto root = RootKeyIndex(rootName);
  return root && registry::WriteString(registry::RootKey(*root), path, valueName, data, true);
}

void DeleteClassesKey(const std::string& path) { registry::DeleteTree(HKEY_CLASSES_ROOT, path); }

}  // namespace install
