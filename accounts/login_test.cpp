#include "accounts/login.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "records/data_files.h"
#include "tests/console_capture.h"
#include "tests/data_fixture.h"
#include "tests/scratch_dir.h"
#include "tests/working_directory.h"

TEST(Login, PasswordIsComparedAsItsLeadingNumber) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  dir.write(accountRegFileTutor, accountBytes<TutorSkeleton>("A12", 42, "Jane"));
  ConsoleCapture console("");
  TutorSkeleton tutor;
  for (const char* good : {"42", "0042", "42xyz", " 42", "+42"}) EXPECT_TRUE(loginTutor("A12", good, tutor)) << good;
  for (const char* bad : {"43", "4", "abc", "x42", "-42", "99999999999"}) {
    EXPECT_FALSE(loginTutor("A12", bad, tutor)) << bad;
  }
  EXPECT_FALSE(loginTutor("a12", "42", tutor));
  EXPECT_EQ(console.out() + console.err(), "");
}

TEST(Login, IdMatchCopiesTheAccountEvenWithAWrongPassword) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  dir.write(accountRegFileCandi,
            accountBytes<CandidateSkeleton>("B1", 1, "Bob") + accountBytes<CandidateSkeleton>("A12", 5, "Ann"));
  ConsoleCapture console("");
  CandidateSkeleton candidate;
  EXPECT_FALSE(LoginStudent("A12", "6", candidate));
  EXPECT_STREQ(candidate.setCandiNames(), "Ann");
  // An unknown ID leaves the record as it was.
  EXPECT_FALSE(LoginStudent("Z9", "1", candidate));
  EXPECT_STREQ(candidate.setCandiNames(), "Ann");
  EXPECT_TRUE(LoginStudent("B1", "1", candidate));
  EXPECT_STREQ(candidate.setCandiNames(), "Bob");
}

TEST(Login, TutorAndCandidateAccountsAreSeparate) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  dir.write(accountRegFileTutor, accountBytes<TutorSkeleton>("T1", 7, "Tess"));
  dir.write(accountRegFileCandi, accountBytes<CandidateSkeleton>("C1", 8, "Carl"));
  ConsoleCapture console("");
  TutorSkeleton tutor;
  CandidateSkeleton candidate;
  EXPECT_FALSE(loginTutor("C1", "8", tutor));
  EXPECT_FALSE(LoginStudent("T1", "7", candidate));
  EXPECT_TRUE(loginTutor("T1", "7", tutor));
  EXPECT_TRUE(LoginStudent("C1", "8", candidate));
}

TEST(Login, MissingFileIsCreatedEmptyAndNobodyLogsIn) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  ConsoleCapture console("");
  TutorSkeleton tutor;
  CandidateSkeleton candidate;
  EXPECT_FALSE(loginTutor("A12", "5", tutor));
  EXPECT_FALSE(LoginStudent("A12", "5", candidate));
  EXPECT_EQ(dir.size(accountRegFileTutor), 0);
  EXPECT_EQ(dir.size(accountRegFileCandi), 0);
  EXPECT_EQ(console.err(), "");
}

TEST(Login, UnavailableFileIsReportedOnceAndFails) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  ASSERT_EQ(::symlink("no/such/dir/x", accountRegFileTutor), 0);
  ConsoleCapture console("");
  TutorSkeleton tutor;
  EXPECT_FALSE(loginTutor("A12", "5", tutor));
  EXPECT_EQ(console.err(), "\n\tError opening the file\n\n");
  EXPECT_EQ(console.out(), "");
}
