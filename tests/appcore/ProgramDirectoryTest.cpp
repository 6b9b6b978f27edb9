#include "appcore/ProgramDirectory.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

using namespace vespera;

TEST(ProgramDirectory, KeepsEverythingUpToTheLastSeparator) {
  EXPECT_EQ(ProgramDirectoryOf("\\Program Files\\Vespera\\Vespera.exe"), "\\Program Files\\Vespera\\");
  EXPECT_EQ(ProgramDirectoryOf("/opt/vespera/vespera"), "/opt/vespera/");
  EXPECT_EQ(ProgramDirectoryOf("/a\\b/c"), "/a\\b/");
  EXPECT_EQ(ProgramDirectoryOf("vespera"), "");
}

TEST(ProgramDirectory, RunningProgramsFolderEndsWithItsSeparatorAndExists) {
  const std::string dir = GetProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(std::filesystem::is_directory(dir));
}

TEST(ProgramDirectory, TheCheckSaysWhatIsWrongWithTheFolder) {
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("vespera-folder-check-" + std::to_string(::getpid()));
  std::filesystem::create_directories(scratch);
  std::ofstream(scratch / "file") << "x";
  EXPECT_TRUE(CheckProgramDirectory(scratch.string() + "/"));
  EXPECT_EQ(CheckProgramDirectory((scratch / "gone").string() + "/").reason(), "the folder does not exist");
  EXPECT_EQ(CheckProgramDirectory((scratch / "file").string()).reason(), "it is not a folder");
  EXPECT_EQ(CheckProgramDirectory("").reason(), "the program's own path cannot be read");
  std::filesystem::remove_all(scratch);
}
