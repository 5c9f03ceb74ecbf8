#include "test_folder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace testing_support {

namespace fs = std::filesystem;

TestFolder::TestFolder(std::string path) : path_(std::move(path)) {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
  fs::create_directories(path_);
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::vector<std::string> TestFolder::Names(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace testing_support
