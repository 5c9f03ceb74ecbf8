// ":system.ini" entries through the real profile API.
#include <gtest/gtest.h>

#include <vector>

#include "fixtures.h"
#include "engine_run.h"

namespace install {
namespace {

using namespace settings_test;

std::string Profile(const std::string& file, const std::string& section, const std::string& key) {
  std::vector<char> buffer(1024);
  const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "<missing>", buffer.data(),
                                           static_cast<DWORD>(buffer.size()), file.c_str());
  return std::string(buffer.data(), n);
}

// An install of nothing but the ":system.ini" entries; the error that stopped it, if any.
std::string WriteProfileEntries(const script::Lines& entries) {
  TempFolder folder("profile-install");
  script::Lines script{"\\Test", "Test", "Test", ":files", "-install", ":", ":system.ini"};
  for (const std::string& line : entries) script.add(line);
  script.add(":");
  return driver::RunEngine(script, folder.path(), folder.path(), folder / "Programs").outcome.error;
}

TEST(ProfileEntries, EightLinesWriteTwoValuesInOrder) {
  TempFolder folder("profile-two");
  const std::string file = folder / "mg.ini";
  WriteProfileEntries({file, "Marrowgate", "Colour", "deep blue", file, "Marrowgate", "Size", "large"});
  EXPECT_EQ(Profile(file, "Marrowgate", "Colour"), "deep blue");
  EXPECT_EQ(Profile(file, "Marrowgate", "Size"), "large");
  const std::string text = ReadFile(file);
  EXPECT_LT(text.find("Colour="), text.find("Size=")) << text;
}

TEST(ProfileEntries, TheLaterGroupWinsForTheSameKey) {
  TempFolder folder("profile-same");
  const std::string file = folder / "mg.ini";
  WriteProfileEntries({file, "boot", "drivers", "first", file, "boot", "drivers", "second"});
  EXPECT_EQ(Profile(file, "boot", "drivers"), "second");
}

TEST(ProfileEntries, AnIncompleteGroupFailsAfterTheEarlierGroupsAreWritten) {
  TempFolder folder("profile-short");
  const std::string file = folder / "mg.ini";
  EXPECT_EQ(WriteProfileEntries({file, "s", "one", "1", file, "s", "two", "2", file, "s", "three"}),
            "List index out of bounds");
  EXPECT_EQ(Profile(file, "s", "one"), "1");
  EXPECT_EQ(Profile(file, "s", "two"), "2");
  EXPECT_EQ(Profile(file, "s", "three"), "<missing>");
}

TEST(ProfileEntries, AFileNameWithoutFolderIsInTheWindowsFolder) {
  const std::string name = "settings-test-profile.ini";
  const std::string inWindows = WindowsDirectory() + "\\" + name;
  DeleteFileA(inWindows.c_str());
  WriteProfileEntries({name, "Marrowgate", "Installed", "yes"});
  EXPECT_EQ(Profile(inWindows, "Marrowgate", "Installed"), "yes");
  DeleteFileA(inWindows.c_str());
}

TEST(ProfileEntries, ARefusedWriteNamesTheFile) {
  TempFolder folder("profile-refused");
  const std::string file = folder / "no folder\\mg.ini";
  EXPECT_EQ(WriteProfileEntries({file, "s", "k", "v"}), "Unable to write to " + file);
}

}  // namespace
}  // namespace install
