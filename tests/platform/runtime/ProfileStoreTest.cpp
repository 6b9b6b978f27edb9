#include "platform/runtime/ProfileStore.h"
#include "tests/platform/runtime/ManyKeysSettings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <thread>
#include <vector>

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

namespace {

class ProfileReplacementTest : public ProfileStoreTest {
 protected:
  std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(ProfileReplacementTest, ALinkStaysALinkAndItsTargetTakesTheValues) {
  const std::string target = (dir_ / "real" / "Settings.ini").string();
  WriteText(target, "[Main]\nV_ZOOM=300\n");
  std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
  // A relative link, as a user's dotfiles keep them.
  std::filesystem::create_symlink("../real/Settings.ini", path_);
  ProfileStore store(path_);
  EXPECT_EQ(store.GetInt("Main", "V_ZOOM", 100), 300u);
  EXPECT_TRUE(store.WriteInt("Main", "V_MAG", 600));
  EXPECT_TRUE(std::filesystem::is_symlink(path_));
  EXPECT_EQ(ReadText(target), "[Main]\nV_ZOOM=300\nV_MAG=600\n");
  EXPECT_EQ(FilesIn(dir_ / "real"), std::vector<std::string>{"Settings.ini"});
}

TEST_F(ProfileReplacementTest, TheFilesPermissionBitsAreKept) {
  for (const std::filesystem::perms mode : {std::filesystem::perms(0600), std::filesystem::perms(0640)}) {
    WriteText(path_, "[Main]\nV_ZOOM=300\n");
    std::filesystem::permissions(path_, mode);
    ProfileStore store(path_);
    EXPECT_TRUE(store.WriteInt("Main", "V_ZOOM", 146));
    EXPECT_EQ(std::filesystem::status(path_).permissions(), mode);
  }
}

TEST_F(ProfileReplacementTest, WhatIsNotARegularFileIsRefusedAndLeftAlone) {
  std::filesystem::create_directories(dir_);
  // A link to a device: the write would replace /dev/null for every user.
  const std::string device = (dir_ / "device.ini").string();
  std::filesystem::create_symlink("/dev/null", device);
  const std::string fifo = (dir_ / "fifo.ini").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string folder = (dir_ / "folder.ini").string();
  std::filesystem::create_directories(folder);
  for (const std::string& path : {device, fifo, folder}) {
    SCOPED_TRACE(path);
    const auto before = std::filesystem::status(path).type();
    ProfileStore store(path);  // a FIFO must not hold the reading either
    EXPECT_FALSE(store.WriteInt("Main", "V_ZOOM", 146));
    EXPECT_EQ(store.saveResult().reason(), "not a regular file");
    EXPECT_EQ(std::filesystem::status(path).type(), before);
  }
  EXPECT_EQ(FilesIn(dir_), (std::vector<std::string>{"device.ini", "fifo.ini", "folder.ini"}));

  // A file its owner made read-only is left as it is too, even for root.
  const std::string readOnly = (dir_ / "read-only.ini").string();
  WriteText(readOnly, "[Main]\nV_ZOOM=300\n");
  std::filesystem::permissions(readOnly, std::filesystem::perms(0444));
  ProfileStore store(readOnly);
  EXPECT_FALSE(store.WriteInt("Main", "V_ZOOM", 146));
  EXPECT_EQ(store.saveResult().reason(), "the file is read-only");
  EXPECT_EQ(ReadText(readOnly), "[Main]\nV_ZOOM=300\n");
}

TEST_F(ProfileReplacementTest, WritesInAGroupLandInOneReplacement) {
  WriteText(path_, "[Main]\nV_RA1=1\nV_DEC1=2\n");
  ProfileStore store(path_);
  store.BeginGroup();
  store.BeginGroup();
  EXPECT_TRUE(store.WriteInt("Main", "V_RA1", 10));
  EXPECT_TRUE(store.EndGroup());
  EXPECT_TRUE(store.WriteInt("Main", "V_DEC1", 20));
  EXPECT_EQ(ReadText(path_), "[Main]\nV_RA1=1\nV_DEC1=2\n") << "saved before the outer group ended";
  EXPECT_TRUE(store.EndGroup());
  EXPECT_EQ(ReadText(path_), "[Main]\nV_RA1=10\nV_DEC1=20\n");
}

// The exit's writes in a child process killed at random moments: the next
// start finds the old values or the new ones, never a mixture, and no
// temporary file.
TEST_F(ProfileReplacementTest, AKillDuringAGroupLeavesTheOldValuesOrTheNewNeverAMixture) {
  const std::vector<std::string> names{"V_RA1", "V_DEC1", "V_ZOOM", "V_MAG", "ConstellationLines", "RedScreenMode"};
  const auto writeAll = [&](std::uint32_t value) {
    const pid_t child = ::fork();
    if (child == 0) {
      ProfileStore store(path_);
      store.BeginGroup();
      for (const std::string& name : names) store.WriteInt("Main", name, value);
      ::_exit(store.EndGroup() ? 0 : 1);
    }
    return child;
  };
  // How long a whole write takes here (the flush to disk dominates), so that
  // the kills spread over all of it.
  const auto started = std::chrono::steady_clock::now();
  const pid_t first = writeAll(0);
  ::waitpid(first, nullptr, 0);
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);

  std::mt19937 random(20261208);
  std::uniform_int_distribution<long> moment(0, whole.count() * 5 / 4);
  std::uint32_t current = 0;
  int sawOld = 0;
  int sawNew = 0;
  for (std::uint32_t round = 1; round <= 200; ++round) {
    const pid_t child = writeAll(round);
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    const ProfileStore next(path_);
    std::set<std::uint32_t> values;
    for (const std::string& name : names) values.insert(next.GetInt("Main", name, 0xFFFFFFFF));
    ASSERT_EQ(values.size(), 1u) << "a mixed view in round " << round;
    const std::uint32_t found = *values.begin();
    ASSERT_TRUE(found == current || found == round) << found << " in round " << round;
    (found == round ? sawNew : sawOld) += 1;
    current = found;
    ASSERT_EQ(FilesIn(std::filesystem::path(path_).parent_path()), std::vector<std::string>{"Vespera.ini"})
        << "round " << round;
  }
  // Both outcomes happen, or the kills did not land inside the writes.
  EXPECT_GT(sawOld, 0);
  EXPECT_GT(sawNew, 0);
}

TEST_F(ProfileReplacementTest, AStaleTemporaryFileGoesAtTheNextStartAndALiveOneStays) {
  WriteText(path_, "[Main]\nV_ZOOM=300\n");
  // Process 1 is init and never writes settings; a pid past pid_max never ran.
  const std::string live = path_ + ".tmp.1";
  const std::string dead = path_ + ".tmp.2147483646";
  WriteText(live, "[Main]\nV_ZO");
  WriteText(dead, "[Main]\nV_ZO");
  const ProfileStore store(path_);
  EXPECT_TRUE(std::filesystem::exists(live));
  EXPECT_FALSE(std::filesystem::exists(dead));
  EXPECT_EQ(store.GetInt("Main", "V_ZOOM", 100), 300u);
}

TEST_F(ProfileReplacementTest, AHugeFileIsReadOnlyToItsLimitAndSaysSo) {
  // A million keys: reading stops at the limit, on a whole line.
  const std::string text = ManyKeysSettings(1'000'000);
  ASSERT_GT(text.size(), 10 * ProfileStore::kMaxFileBytes);
  WriteText(path_, text);
  const ProfileStore store(path_);
  EXPECT_EQ(store.readNotice(), "larger than 1 MiB; only the lines in its first 1 MiB are read");
  EXPECT_EQ(store.GetInt("Main", "K0", 7), 0u);
  EXPECT_EQ(store.GetInt("Main", "K1000", 7), 1000u);
  EXPECT_EQ(store.GetInt("Main", "K900000", 7), 7u);
  // The last line read is whole: its value is not a cut-off number.
  const std::size_t lastLine = text.rfind('\n', ProfileStore::kMaxFileBytes - 1);
  const std::size_t lastStart = text.rfind('\n', lastLine - 1) + 1;
  const std::string last = text.substr(lastStart, lastLine - lastStart);
  const std::string name = last.substr(0, last.find('='));
  EXPECT_EQ(store.GetInt("Main", name, 7), std::stoul(last.substr(last.find('=') + 1)));

  ProfileStore small(path_ + ".small");
  EXPECT_EQ(small.readNotice(), "") << "a missing file is the first run, not a problem";
}

TEST_F(ProfileReplacementTest, AFullDiskReportsItsReasonAndKeepsTheOldFile) {
  // A file size limit fails the temporary file's write as a full disk does.
  WriteText(path_, "[Main]\nV_ZOOM=300\n");
  ProfileStore store(path_);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit tiny = saved;
  tiny.rlim_cur = 4;
  std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &tiny);
  const bool written = store.WriteInt("Main", "V_MAG", 600);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, SIG_DFL);
  EXPECT_FALSE(written);
  EXPECT_EQ(store.saveResult().reason(), "File too large");
  EXPECT_EQ(ReadText(path_), "[Main]\nV_ZOOM=300\n");
  EXPECT_EQ(FilesIn(std::filesystem::path(path_).parent_path()), std::vector<std::string>{"Vespera.ini"});
}

}  // namespace
