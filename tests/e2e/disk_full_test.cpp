// A destination drive that fills up: drive T: is a tmpfs of 512 KiB, mapped
// by tests/e2e/with-small-drive, which runs this program.
#include <gtest/gtest.h>

#include "driver.h"
#include "kit/szdd_compress.h"
#include "registry_values.h"
#include "script/lines.h"
#include "setup_run.h"

namespace {

using namespace driver;

class SmallDrive : public ::testing::Test {
 protected:
  void SetUp() override {
    char drive[8] = "";
    GetEnvironmentVariableA("SETUP_SMALL_DRIVE", drive, sizeof drive);
    ASSERT_STREQ(drive, "T:") << "run through with-small-drive";
    // An earlier version of the program, then a new one larger than the space left.
    WriteFile(Dest("big.bin"), earlier_);
    // The compressed case's source is small: the question counts what it expands to.
    const std::string program(600 * 1024, 'n');
    const bool compressed = std::string(run_.Folder()).find("Compressed") != std::string::npos;
    run_.AddFile("big.bin", compressed ? kit::CompressSzdd(program, 0) : program);
    // A late value and a program to run: what an install that went on leaves and asks.
    run_.AddFile("setup.ini", script::JoinLines({"\\App", "App", "Small Title", ":files", "-T:\\App\\", "big.bin", ":",
                                                 ":regadd", "Software", "SmallPath", "big.bin", ":", ":run", "big.bin", ":"}));
    ULARGE_INTEGER available{}, total{}, totalFree{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("T:\\", &available, &total, &totalFree));
    freeKb_ = available.QuadPart / 1024;
    ASSERT_LT(freeKb_, 600u);
    run_.Start();
    ASSERT_TRUE(run_.Wizard());
    run_.Install(Dest());
  }
  void TearDown() override {
    for (const std::string& name : FileNames(Dest())) DeleteFileA(Dest(name).c_str());
  }
  static std::string Dest(const std::string& name = "") { return name.empty() ? "T:\\App" : "T:\\App\\" + name; }
  // The free-space question, checked and answered.
  void AnswerSpaceQuestion(const std::string& answer) {
    const MessageBoxView box = WaitForMessageBox(run_.Pid());
    ASSERT_TRUE(box.handle);
    EXPECT_EQ(box.caption, "Warning");
    EXPECT_EQ(box.text, "There is not enough space on drive T: to install Small Title. 600 KB are needed and " +
                            std::to_string(freeKb_) + " KB are free. Continue anyway?");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    ASSERT_TRUE(Answer(box, answer));
  }

  const std::string earlier_ = std::string(100 * 1024, 'e');
  SetupRun run_{::testing::UnitTest::GetInstance()->current_test_info()->name()};
  std::uint64_t freeKb_ = 0;
};

std::optional<std::string> LateValue() { return RegValue(HKEY_LOCAL_MACHINE, "Software", "SmallPath"); }

TEST_F(SmallDrive, NoToTheSpaceQuestionEndsThePassBeforeAnyCopy) {
  AnswerSpaceQuestion("&No");
  // No closing question either: the program ends by itself.
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_TRUE(ReadFile(Dest("big.bin")) == earlier_);
  EXPECT_EQ(FileNames(Dest()), std::vector<std::string>{"big.bin"});
  EXPECT_EQ(LateValue(), std::nullopt);
}

TEST_F(SmallDrive, CompressedSourceIsCountedAtItsExpandedSize) {
  AnswerSpaceQuestion("&No");
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_TRUE(ReadFile(Dest("big.bin")) == earlier_);
}

// The copy runs out of space half-way over an existing file.
TEST_F(SmallDrive, AFullDiskMidCopyLeavesTheEarlierFileWholeAndNothingBeside) {
  AnswerSpaceQuestion("&Yes");
  const MessageBoxView error = WaitForMessageBox(run_.Pid());
  EXPECT_EQ(error.text, "Error copying big.bin");
  ASSERT_TRUE(Answer(error, "OK"));
  const MessageBoxView question = WaitForMessageBox(run_.Pid());
  EXPECT_EQ(question.text, "Would you like to run Small Title now?");
  ASSERT_TRUE(Answer(question, "&No"));
  ASSERT_TRUE(run_.WaitForExit()) << OpenMessages(run_.Pid());
  EXPECT_EQ(LateValue(), "T:\\App\\big.bin");
  EXPECT_TRUE(ReadFile(Dest("big.bin")) == earlier_) << "the earlier file was changed";
  EXPECT_EQ(FileNames(Dest()), (std::vector<std::string>{"big.bin", "unin.ini", "unin.jnl"}));
}

}  // namespace
