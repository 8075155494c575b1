#include "records/whole_files.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "records/candidate_skeleton.h"
#include "tests/scratch_dir.h"

TEST(WholeFiles, ReplacementsMadePieceByPieceCopiesAndFolderListings) {
  ScratchDir dir;
  const std::string path = dir.file("candidate.abcddata");
  dir.write("candidate.abcddata", "old");
  {
    Replacement replacement;
    ASSERT_TRUE(replacement.Begin(path).ok());
    ASSERT_TRUE(replacement.Write("new ").ok());
    EXPECT_EQ(dir.read("candidate.abcddata"), "old");  // nothing in place before Commit
    ASSERT_TRUE(replacement.Commit("content").ok());
  }
  EXPECT_EQ(dir.read("candidate.abcddata"), "new content");

  // A partial tail is told apart from a whole last record.
  dir.write("candidate.abcddata", std::string(2 * kCandidateRecordSize + 4, 'x'));
  RecordReader reader(kCandidateRecordSize);
  bool created = false;
  ASSERT_TRUE(reader.Open(path, WhenMissing::kFail, &created).ok());
  const char* bytes = nullptr;
  int whole = 0;
  while (reader.Next(&bytes)) ++whole;
  EXPECT_EQ(whole, 2);
  EXPECT_EQ(reader.leftover(), 4u);

  ASSERT_TRUE(MakeDataFolder(dir.file("backup")).ok());
  EXPECT_EQ(MakeDataFolder(dir.file("backup")).error, EEXIST);
  platform::File from;
  ASSERT_TRUE(platform::OpenFile(path, platform::kRead, &from, nullptr).ok());
  ASSERT_TRUE(CopyToNewFile(from, dir.file("backup/candidate.abcddata")).ok());
  EXPECT_EQ(dir.read("backup/candidate.abcddata"), dir.read("candidate.abcddata"));
  EXPECT_EQ(CopyToNewFile(from, dir.file("backup/candidate.abcddata")).error, EEXIST);

  std::vector<std::string> names;
  ASSERT_TRUE(ListDataFolder(dir.path(), &names).ok());
  EXPECT_EQ(names, (std::vector<std::string>{"candidate.abcddata"}));  // plain files only
}
