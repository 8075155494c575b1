#include "records/whole_files.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "tests/scratch_dir.h"

TEST(WholeFiles, ReplacementsMadePieceByPieceCopiesAndFolderListings) {
  ScratchDir dir;
  const std::string path = dir.file(CandiDatefilex);
  dir.write(CandiDatefilex, "old");
  {
    Replacement replacement;
    ASSERT_TRUE(replacement.Begin(path).ok());
    ASSERT_TRUE(replacement.Write("new ").ok());
    EXPECT_EQ(dir.read(CandiDatefilex), "old");  // nothing in place before Commit
    ASSERT_TRUE(replacement.Commit("content").ok());
  }
  EXPECT_EQ(dir.read(CandiDatefilex), "new content");

  // A partial tail is told apart from a whole last record.
  dir.write(CandiDatefilex, std::string(2 * kCandidateRecordSize + 4, 'x'));
  const LoadResult scan =
      ScanRecords(path, kCandidateRecordSize, WhenMissing::kFail, SIZE_MAX, [](size_t, const char*) {});
  EXPECT_EQ(scan.records, 2u);
  EXPECT_EQ(scan.tail, 4u);

  ASSERT_TRUE(MakeDataFolder(dir.file("backup")).ok());
  EXPECT_EQ(MakeDataFolder(dir.file("backup")).error, EEXIST);
  platform::File from;
  ASSERT_TRUE(platform::OpenFile(path, platform::kRead, &from, nullptr).ok());
  ASSERT_TRUE(CopyToNewFile(from, dir.file(std::string("backup/") + CandiDatefilex)).ok());
  EXPECT_EQ(dir.read(std::string("backup/") + CandiDatefilex), dir.read(CandiDatefilex));
  EXPECT_EQ(CopyToNewFile(from, dir.file(std::string("backup/") + CandiDatefilex)).error, EEXIST);

  std::vector<std::string> names;
  ASSERT_TRUE(ListDataFolder(dir.path(), &names).ok());
  EXPECT_EQ(names, (std::vector<std::string>{CandiDatefilex}));  // plain files only
}
