// The sample laid out compressed on disks too small for it and installed from
// drive A:, the test putting in the next disk at each prompt as a user with
// floppies would: the result is that of the sample from one folder.
#include <gtest/gtest.h>

#include <string>

#include "demo/layout.h"
#include "demo/walk.h"
#include "driver.h"
#include "kit/check.h"
#include "kit/layout.h"
#include "kit/plan.h"
#include "script/lines.h"
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
    if (name != "setup.exe") ASSERT_TRUE(DeleteFileA((std::string(kDrive) + "\\" + name).c_str())) << name;
  const std::string folder = std::string(kSet) + "\\DISK" + std::to_string(disk);
  for (const std::string& name : FileNames(folder))
    ASSERT_TRUE(CopyFileA((folder + "\\" + name).c_str(), (std::string(kDrive) + "\\" + name).c_str(), FALSE));
}

// Each case wants a prefix of its own: ctest runs them one by one.
void InstallFromDriveA(bool compress) {
  ASSERT_NO_THROW(demo::LayOutSample(DEMO_PRODUCT, BUILD_FOLDER, kSingle));
  // Disks that hold setup.exe and a little more: the sample spans three of
  // them, two once its programs are compressed.
  const std::uint64_t disk = ReadFile(std::string(kSingle) + "\\setup.exe").size() + 8192;
  ASSERT_NO_THROW(demo::LayOutSample(DEMO_PRODUCT, BUILD_FOLDER, kSet, disk, compress));
  ASSERT_TRUE(Exists(std::string(kSet) + (compress ? "\\DISK2" : "\\DISK3")));
  const std::string script = ReadFile(std::string(kSet) + "\\DISK1\\setup.ini");
  for (const kit::Diagnostic& d : kit::CheckScript(script, kit::ListFolder(kSet)))
    EXPECT_NE(d.severity, kit::Severity::Error) << kit::Format(d);

  kit::Machine machine;
  machine.destination = kDest;
  machine.windows = WindowsFolder();
  machine.programs = ProgramsFolder();
  const kit::Plan plan = kit::MakePlan(ReadFile(std::string(kSingle) + "\\setup.ini"), machine,
                                       kit::ListFolder(kSingle));
  ASSERT_TRUE(plan.stop.empty()) << plan.stop;

  int inDrive = 1;
  InsertDisk(inDrive);
  SetupRun run(SetupRun::InFolder{kDrive});
  run.Start();
  demo::Walk walk;
  ASSERT_NO_THROW(walk = demo::WalkThrough(run, "&No", [&](const std::string&) { InsertDisk(++inDrive); }));
  EXPECT_GE(walk.diskPrompts.size(), compress ? 1u : 2u);
  EXPECT_FALSE(Exists(std::string(kSet) + "\\DISK" + std::to_string(inDrive + 1))) << "a disk was never asked for";

  // Every installed file byte for byte as the single folder holds it.
  const std::string windows = WindowsFolder();
  const struct {
    std::string installed, source;
  } files[] = {
      {windows + "\\twremove.exe", "TWREMOVE.EX_"},
      {windows + "\\system\\qzmnd.386", "file2.dat"},
      {"C:\\Program Files\\Common Files\\tarnwick.txt", "tarnwick.txt"},
      {std::string(kDest) + "\\marrow.exe", "MARROW.EX_"},
      {std::string(kDest) + "\\settings.ini", "settings.ini"},
      {std::string(kDest) + "\\readme.txt", "readme.txt"},
      {std::string(kDest) + "\\manual.txt", "manual.txt"},
      {std::string(kDest) + "\\kofxq11.dll", "file1.dat"},
      {std::string(kDest) + "\\samples\\letter.mrw", "letter.mrw"},
  };
  for (const auto& file : files) {
    const std::string original = ReadFile(std::string(kSingle) + "\\" + file.source);
    ASSERT_FALSE(original.empty()) << file.source;
    EXPECT_EQ(ReadFile(file.installed), original) << file.installed;
  }
  EXPECT_EQ(ReadFile(std::string(kDest) + "\\unin.ini"), script::JoinLines(plan.record));
  EXPECT_EQ(FileNames(ProgramsFolder() + "\\Marrowgate"),
            (std::vector<std::string>{"Manual.lnk", "Marrowgate.lnk", "Read Me.lnk"}));
  EXPECT_EQ(walk.readme.substr(0, 20), ReadFile(std::string(kSingle) + "\\readme.txt").substr(0, 20));
}

TEST(DiskSet, PlainSampleFromDriveAInstallsAsFromOneFolder) { InstallFromDriveA(false); }
TEST(DiskSet, CompressedSampleFromDriveAInstallsAsFromOneFolder) { InstallFromDriveA(true); }

}  // namespace
