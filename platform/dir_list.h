#pragma once
#include <string>
#include <vector>

namespace platform {

// What a folder list box shows for a folder: "[.]" and "[..]", then every
// sub-folder as "[name]", sorted by name without regard to case. Hidden and
// system folders are left out. An empty folder name means the current
// folder. AppError "Cannot open folder %s" when the folder does not exist.
std::vector<std::string> ListFolders(const std::string& folder);

}  // namespace platform
