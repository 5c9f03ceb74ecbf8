// Installs onto a machine that other programs already use: shared files of
// other versions, and shared files that other products count.
#include <gtest/gtest.h>

#include "driver.h"
#include "registry_values.h"
#include "remove_run.h"
#include "setup_run.h"

namespace {

using namespace driver;

constexpr char kSystem[] = "C:\\windows\\system\\";
constexpr char kSharedDlls[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A product whose files go to the system folder, installed unattended into C:\<name>.
class Product {
 public:
  Product(const std::string& name, const std::vector<std::pair<std::string, std::string>>& files)
      : name_(name), dist_(name) {
    std::string script = "\\" + name + "\r\n" + name + "\r\n" + name + "\r\n:files\r\n-win\\system\r\n";
    for (const auto& [file, bytes] : files) {
      script += file + "\r\n";
      dist_.AddFile(file, bytes);
    }
    dist_.AddFile("setup.ini", script + ":\r\n");
  }
  std::string Install() {
    const std::string log = "C:\\" + name_ + "-install.log";
    const SilentRun run = RunSilently(dist_.Folder() + "\\setup.exe", "/S /LOG=" + log + " /D=C:\\" + name_, dist_.Folder());
    EXPECT_EQ(run.exitCode, 0u) << ReadFile(log);
    return ReadFile(log);
  }
  DWORD Remove() const {
    return RunRemoval(std::string(BUILD_FOLDER) + "\\twremove.exe /S /LOG=C:\\" + name_ + "-remove.log C:\\" + name_).exitCode;
  }

 private:
  std::string name_;
  SetupRun dist_;
};

std::optional<DWORD> UseCount(const std::string& file) {
  return DwordValue(HKEY_LOCAL_MACHINE, kSharedDlls, kSystem + file);
}

TEST(LivedIn, AnOlderDiskNeverDowngradesASharedFile) {
  const std::string v1 = ReadFile(VERSIONED1_DLL), v2 = ReadFile(VERSIONED2_DLL);
  ASSERT_NE(v1, v2);
  struct Row {
    const char* file;
    std::string there, ours, after;
  } rows[] = {
      {"newer.dll", v2, v1, v2},         // a higher version stays
      {"older.dll", v1, v2, v2},         // a lower one is replaced
      {"plain.dll", "no version", v1, v1},  // without a version on one side, as before
  };
  std::vector<std::pair<std::string, std::string>> files;
  for (const Row& row : rows) {
    WriteFile(kSystem + std::string(row.file), row.there);
    files.push_back({row.file, row.ours});
  }
  Product product("versions", files);
  const std::string log = product.Install();
  for (const Row& row : rows) EXPECT_EQ(ReadFile(kSystem + std::string(row.file)), row.after) << row.file;
  EXPECT_TRUE(Contains(log, std::string(kSystem) + "newer.dll (kept: newer)")) << log;
  EXPECT_FALSE(Contains(log, "older.dll (kept: newer)")) << log;
}

TEST(LivedIn, ASharedFileGoesWithTheLastProductThatCountsIt) {
  WriteFile(kSystem + std::string("before.dll"), "there before, uncounted");
  Product a("counta", {{"common.dll", "common"}, {"before.dll", "a's copy"}});
  Product b("countb", {{"common.dll", "common"}});
  a.Install();
  b.Install();
  EXPECT_EQ(UseCount("common.dll"), 2u);
  EXPECT_EQ(UseCount("before.dll"), 2u);  // its earlier user, and a

  EXPECT_EQ(a.Remove(), 3u);
  EXPECT_TRUE(Contains(ReadFile("C:\\counta-remove.log"), "common.dll (other programs use it (use count 1))"));
  EXPECT_EQ(ReadFile(kSystem + std::string("common.dll")), "common");
  EXPECT_EQ(UseCount("common.dll"), 1u);
  EXPECT_TRUE(Exists(kSystem + std::string("before.dll")));
  EXPECT_FALSE(UseCount("before.dll"));  // back to no count, as before the install

  EXPECT_EQ(b.Remove(), 0u) << ReadFile("C:\\countb-remove.log");
  EXPECT_FALSE(Exists(kSystem + std::string("common.dll")));
  EXPECT_FALSE(UseCount("common.dll"));
}

}  // namespace
