#pragma once
// A folder a test owns: made fresh, removed with its content afterwards.
#include <string>
#include <vector>

namespace testing_support {

class TestFolder {
 public:
  explicit TestFolder(std::string path);
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
  // The names of the entries of a folder, sorted; empty when it does not exist.
  static std::vector<std::string> Names(const std::string& folder);

 private:
  std::string path_;
};

}  // namespace testing_support
