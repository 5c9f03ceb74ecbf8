// The sample laid out, plain and compressed, on disks too small for it and
// installed from drive A:, the test putting in the next disk at each prompt
// as a user with floppies would: the result is that of the sample from one
// folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "demo/layout.h"
#include "demo/walk.h"
#include "driver.h"
#include "kit/check.h"
#include "kit/layout.h"
#include "sample_state.h"
#include "setup_run.h"

namespace {

using namespace driver;

constexpr char kSingle[] = "C:\\dist\\single";
constexpr char kSet[] = "C:\\dist\\set";
constexpr char kDrive[] = "A:";
constexpr char kDest[] = "C:\\Program Files\\Marrowgate";

// Empties the drive and copies one disk's files in. The running setup.exe
// stays: Wine holds its file open, where Windows has it read into memory.
void InsertDisk(int disk) {
  for (const std::string& name : FileNames(kDrive))
    if (name != "setup.exe") {
      ASSERT_TRUE(DeleteFileA((std::string(kDrive) + "\\" + name).c_str())) << name;
    }
  const std::string folder = std::string(kSet) + "\\DISK" + std::to_string(disk);
  for (const std::string& name : FileNames(folder))
    ASSERT_TRUE(CopyFileA((folder + "\\" + name).c_str(), (std::string(kDrive) + "\\" + name).c_str(), FALSE));
}

// The sample installed from one folder, then removed, then installed from
// the disk set: both leave the same files (each installed file byte for byte
// the original), shortcuts, registry values, profile entries, record and
// journal. Each case wants a prefix of its own: ctest runs them one by one.
void InstallFromDriveA(bool compress) {
  ASSERT_NO_THROW(demo::LayOutSample(DEMO_PRODUCT, BUILD_FOLDER, kSingle));
  // Disks that hold the largest file and a little more: the sample's three
  // programs, of like sizes, take a disk each, two once compressed.
  std::uint64_t largest = 0;
  for (const std::string& name : FileNames(kSingle))
    largest = std::max<std::uint64_t>(largest, ReadFile(std::string(kSingle) + "\\" + name).size());
  ASSERT_NO_THROW(demo::LayOutSample(DEMO_PRODUCT, BUILD_FOLDER, kSet, largest + 8192, compress));
  ASSERT_TRUE(Exists(std::string(kSet) + (compress ? "\\DISK2" : "\\DISK3")));
  const std::string script = ReadFile(std::string(kSet) + "\\DISK1\\setup.ini");
  for (const kit::Diagnostic& d : kit::CheckScript(script, kit::ListFolder(kSet)))
    EXPECT_NE(d.severity, kit::Severity::Error) << kit::Format(d);

  {
    SetupRun single(SetupRun::InFolder{kSingle});
    single.Start();
    ASSERT_NO_THROW(demo::WalkThrough(single, "&No"));
  }
  const Snapshot fromOneFolder = SampleInstallState(kDest);
  ASSERT_FALSE(fromOneFolder.files.at(std::string(kDest) + "\\unin.jnl").empty());
  ASSERT_NO_THROW(RemoveSampleInstall());

  int inDrive = 1;
  InsertDisk(inDrive);
  SetupRun run(SetupRun::InFolder{kDrive});
  run.Start();
  demo::Walk walk;
  ASSERT_NO_THROW(walk = demo::WalkThrough(run, "&No", [&](const std::string&) { InsertDisk(++inDrive); }));
  EXPECT_GE(walk.diskPrompts.size(), compress ? 1u : 2u);
  EXPECT_FALSE(Exists(std::string(kSet) + "\\DISK" + std::to_string(inDrive + 1))) << "a disk was never asked for";
  for (const std::string& difference : Differences(fromOneFolder, SampleInstallState(kDest)))
    ADD_FAILURE() << difference;
  EXPECT_EQ(walk.readme.substr(0, 20), ReadFile(std::string(kSingle) + "\\readme.txt").substr(0, 20));
}

TEST(DiskSet, PlainSampleFromDriveAInstallsAsFromOneFolder) { InstallFromDriveA(false); }
TEST(DiskSet, CompressedSampleFromDriveAInstallsAsFromOneFolder) { InstallFromDriveA(true); }

}  // namespace
