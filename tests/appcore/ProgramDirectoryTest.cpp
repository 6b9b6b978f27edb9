#include "appcore/ProgramDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

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
