#include "platform/runtime/ProfileStore.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

class ProfileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("vespera-profile-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    path_ = (dir_ / "NocturnaMobile" / "Vespera.ini").string();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void WriteText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  std::filesystem::path dir_;
  std::string path_;
};

TEST_F(ProfileStoreTest, ValuesWrittenAreReadBackByANewStore) {
  {
    ProfileStore store(path_);
    EXPECT_EQ(store.readResult().reason(), "the settings file cannot be opened");
    EXPECT_EQ(store.GetInt("Main", "V_ZOOM", 100), 100u);
    EXPECT_TRUE(store.WriteInt("Main", "V_ZOOM", 146));
    EXPECT_TRUE(store.WriteInt("Main", "V_RA1", 4294967295u));
    EXPECT_TRUE(store.WriteInt("SearchDlg", "MatchCase", 0));
    EXPECT_TRUE(store.WriteInt("Main", "V_ZOOM", 90));
  }
  ProfileStore again(path_);
  EXPECT_TRUE(again.readResult());
  EXPECT_EQ(again.GetInt("Main", "V_ZOOM", 100), 90u);
  EXPECT_EQ(again.GetInt("main", "v_ra1", 0), 4294967295u);
  EXPECT_EQ(again.GetInt("SearchDlg", "MatchCase", 1), 0u);
  EXPECT_EQ(ReadText(path_), "[Main]\nV_ZOOM=90\nV_RA1=4294967295\n[SearchDlg]\nMatchCase=0\n");
}

TEST_F(ProfileStoreTest, GarbageLinesAreIgnoredAndGiveDefaults) {
  WriteText(path_,
            "V_MAG=1\n[Main]\r\nV_ZOOM=250\r\nV_MAG= 5\nV_DEC1=-3\nV_RA1=4294967296\n"
            "=7\n\xFF\xFE garbage\n[]\nConstellationLines=0\n[Main\nRedScreenMode=1\n");
  ProfileStore store(path_);
  EXPECT_EQ(store.GetInt("Main", "V_ZOOM", 100), 250u);
  EXPECT_EQ(store.GetInt("Main", "V_MAG", 400), 400u);
  EXPECT_EQ(store.GetInt("Main", "V_DEC1", 74535), 74535u);
  EXPECT_EQ(store.GetInt("Main", "V_RA1", 65535), 65535u);
  // Values after a broken header belong to no section we can name.
  EXPECT_EQ(store.GetInt("Main", "ConstellationLines", 1), 1u);
  EXPECT_EQ(store.GetInt("Main", "RedScreenMode", 0), 0u);
}

TEST_F(ProfileStoreTest, ACrashBeforeTheRenameLeavesTheOldFileIntact) {
  WriteText(path_, "[Main]\nV_ZOOM=300\n");
  // What an interrupted write leaves behind: a half-written temporary file.
  WriteText(path_ + ".tmp", "[Main]\nV_ZO");
  ProfileStore store(path_);
  EXPECT_EQ(store.GetInt("Main", "V_ZOOM", 100), 300u);
  EXPECT_TRUE(store.WriteInt("Main", "V_MAG", 600));
  EXPECT_FALSE(std::filesystem::exists(path_ + ".tmp"));
  EXPECT_EQ(ReadText(path_), "[Main]\nV_ZOOM=300\nV_MAG=600\n");
}

TEST_F(ProfileStoreTest, AFailedWriteIsReportedAndKeepsTheValueInMemory) {
  std::filesystem::create_directories(dir_);
  const std::string blocked = (dir_ / "file-not-folder").string();
  WriteText(blocked, "x");
  ProfileStore store(blocked + "/Vespera.ini");
  EXPECT_FALSE(store.WriteInt("Main", "V_ZOOM", 5));
  EXPECT_EQ(store.GetInt("Main", "V_ZOOM", 100), 5u);
}

TEST_F(ProfileStoreTest, NamesThatCouldNotBeReadBackAreRefused) {
  ProfileStore store(path_);
  store.WriteInt("Main", "A=B", 1);
  store.WriteInt("Ma\nin", "X", 1);
  EXPECT_EQ(ReadText(path_), "");
}

}  // namespace
