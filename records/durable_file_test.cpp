#include "records/durable_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/scratch_dir.h"

TEST(DurableFile, AppendAddsToTheEnd) {
  ScratchDir dir;
  bool opened = false;
  ASSERT_TRUE(AppendRecordBytes(dir.file("f").c_str(), "abc", &opened));
  EXPECT_TRUE(opened);
  ASSERT_TRUE(AppendRecordBytes(dir.file("f").c_str(), "de", &opened));
  EXPECT_EQ(dir.read("f"), "abcde");
}

TEST(DurableFile, AppendReportsOpenFailure) {
  ScratchDir dir;
  bool opened = true;
  EXPECT_FALSE(AppendRecordBytes(dir.file("no/such/f").c_str(), "abc", &opened));
  EXPECT_FALSE(opened);
}

TEST(DurableFile, ReplaceLeavesOldFileUntilCommit) {
  ScratchDir dir;
  dir.write("q", "old");
  {
    DurableFile file;
    ASSERT_TRUE(file.Open(dir.file("q").c_str(), DurableFile::kReplace));
    ASSERT_TRUE(file.Write("new content"));
    EXPECT_EQ(dir.read("q"), "old");
    // Abandoned without Commit: the old file stays, no temporary is left.
  }
  EXPECT_EQ(dir.read("q"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  DurableFile file;
  ASSERT_TRUE(file.Open(dir.file("q").c_str(), DurableFile::kReplace));
  ASSERT_TRUE(file.Write("new"));
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(dir.read("q"), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(DurableFile, ReplaceWorksForTheLongestComposedName) {
  ScratchDir dir;
  const std::string name(254, 'n');
  DurableFile file;
  ASSERT_TRUE(file.Open(dir.file(name).c_str(), DurableFile::kReplace));
  ASSERT_TRUE(file.Write("whole"));
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(dir.read(name), "whole");
}

TEST(DurableFile, ReplaceRefusesADirectoryInTheWay) {
  ScratchDir dir;
  ::mkdir(dir.file("q").c_str(), 0755);
  DurableFile file;
  EXPECT_FALSE(file.Open(dir.file("q").c_str(), DurableFile::kReplace));
  EXPECT_FALSE(file.Commit());
}

TEST(DurableFile, ReplacementGetsTheModeOfANewFile) {
  ScratchDir dir;
  const mode_t old_mask = ::umask(027);
  DurableFile file;
  ASSERT_TRUE(file.Open(dir.file("q").c_str(), DurableFile::kReplace));
  ASSERT_TRUE(file.Write("x"));
  ASSERT_TRUE(file.Commit());
  ::umask(old_mask);
  struct stat st;
  ASSERT_EQ(::stat(dir.file("q").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}
