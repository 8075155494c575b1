#include "core/accounts.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "records/candidate_skeleton.h"
#include "records/tutor_skeleton.h"
#include "tests/data_fixture.h"
#include "tests/scratch_dir.h"
#include "tests/working_directory.h"

namespace {

template <class Record>
std::string numberedAccounts(int from, int to) {
  std::string bytes;
  for (int i = from; i <= to; ++i) bytes += accountBytes<Record>(("ID" + std::to_string(i)).c_str(), i);
  return bytes;
}

}  // namespace

TEST(AccountLookup, MatchesWholeIdCaseSensitivelyAndTakesTheFirst) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  ASSERT_TRUE(cwd.ok());
  dir.write("t", accountBytes<TutorSkeleton>("A12", 5, "First") + accountBytes<TutorSkeleton>("A12", 6, "Second"));
  for (const char* other : {"a12", "A1", "A123", "A12 ", ""}) {
    EXPECT_FALSE(FindAccount<TutorSkeleton>("t", other, nullptr).found) << other;
  }
  TutorSkeleton found;
  const AccountSearch search = FindAccount("t", "A12", &found);
  EXPECT_TRUE(search.available);
  EXPECT_TRUE(search.found);
  EXPECT_EQ(search.records, 1u);
  EXPECT_STREQ(found.setCandiNames(), "First");
  EXPECT_EQ(found.setLogInPassword(), 5);
}

TEST(AccountLookup, EveryAccountCountsBeyondTheOldCapacities) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  dir.write("c", numberedAccounts<CandidateSkeleton>(1, 1000));
  CandidateSkeleton found;
  for (int i : {1, 500, 501, 600, 601, 1000}) {
    const std::string id = "ID" + std::to_string(i);
    ASSERT_TRUE(FindAccount("c", id.c_str(), &found).found) << id;
    EXPECT_EQ(found.setLogInPassword(), i);
  }
  const AccountSearch missing = FindAccount<CandidateSkeleton>("c", "ID1001", nullptr);
  EXPECT_FALSE(missing.found);
  EXPECT_EQ(missing.records, 1000u);
}

TEST(AccountLookup, TrailingPartialRecordIsIgnored) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  // The cut-off record would carry the ID "X" if it were read.
  const std::string cut = accountBytes<TutorSkeleton>("X", 1).substr(0, 700);
  dir.write("t", numberedAccounts<TutorSkeleton>(1, 2) + cut);
  EXPECT_TRUE(FindAccount<TutorSkeleton>("t", "ID2", nullptr).found);
  const AccountSearch search = FindAccount<TutorSkeleton>("t", "X", nullptr);
  EXPECT_FALSE(search.found);
  EXPECT_EQ(search.records, 2u);
}

TEST(AccountLookup, MissingFileIsCreatedEmpty) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  const AccountSearch search = FindAccount<TutorSkeleton>("t", "A12", nullptr);
  EXPECT_TRUE(search.available);
  EXPECT_FALSE(search.found);
  EXPECT_EQ(search.records, 0u);
  EXPECT_EQ(dir.size("t"), 0);
}

TEST(AccountLookup, FileThatCanNeitherBeOpenedNorCreatedNorReadIsUnavailable) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  // A link into a directory that does not exist defeats even root.
  ASSERT_EQ(::symlink("no/such/dir/t", "t"), 0);
  EXPECT_FALSE(FindAccount<TutorSkeleton>("t", "A12", nullptr).available);
  // A directory opens but cannot be read: a read error, never "not found".
  std::filesystem::create_directory("c");
  const AccountSearch search = FindAccount<CandidateSkeleton>("c", "A12", nullptr);
  EXPECT_FALSE(search.available);
  EXPECT_EQ(search.status.failed, StoreStep::kRead);
  // Without kCreate a missing file stays missing.
  EXPECT_EQ(FindAccount<TutorSkeleton>("none", "A12", nullptr, WhenMissing::kFail).status.error, ENOENT);
  EXPECT_FALSE(dir.exists("none"));
}
