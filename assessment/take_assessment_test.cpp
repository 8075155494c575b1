#include "assessment/take_assessment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "records/data_files.h"
#include "tests/console_capture.h"
#include "tests/data_fixture.h"
#include "tests/scratch_dir.h"
#include "tests/working_directory.h"

namespace {

class SaveAttempt : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(cwd.ok());
    candidate.getsubjectName("Physics");
    candidate.getcandiscores(70);
    candidate.getTimeTaken(42.418);
    candidate.getDateAttempted("7/12/2026 | Monday");
    candidate.getTimeAttempted("9:5:7");
  }

  ScratchDir dir;
  WorkingDirectory cwd{dir};
  CandidateSkeleton candidate = candidateNamed("Mary Ann", "KE/12\\3");
  const std::string ownFile = "KE_12_3_Mary Ann.abcdrpt";
};

}  // namespace

TEST_F(SaveAttempt, AppendsTheSameRecordToBothFiles) {
  ConsoleCapture console("");
  EXPECT_TRUE(saveAttempt(candidate));
  EXPECT_TRUE(saveAttempt(candidate));
  const std::string record = candidateBytes(candidate);
  EXPECT_EQ(dir.read(CandiDatefilex), record + record);
  EXPECT_EQ(dir.read(ownFile), record + record);
  EXPECT_EQ(console.err(), "");
  EXPECT_EQ(console.out(), "");
}

TEST_F(SaveAttempt, CommonFileFailureStillSavesTheOwnFile) {
  ASSERT_EQ(::mkdir(dir.file(CandiDatefilex).c_str(), 0755), 0);
  ConsoleCapture console("");
  EXPECT_FALSE(saveAttempt(candidate));
  EXPECT_EQ(console.err(),
            "\n\n\t\tError while opening a file to write your score. Ooops!\n"
            "\n\tError encountered while saving your score to file.\n");
  EXPECT_EQ(dir.read(ownFile), candidateBytes(candidate));
}

TEST_F(SaveAttempt, OwnFileFailureIsReportedWithOneTabLess) {
  ASSERT_EQ(::mkdir(dir.file(ownFile).c_str(), 0755), 0);
  ConsoleCapture console("");
  EXPECT_FALSE(saveAttempt(candidate));
  EXPECT_EQ(console.err(),
            "\n\n\tError while opening a file to write your score. Ooops!\n"
            "\n\tError encountered while saving your score to file.\n");
  EXPECT_EQ(dir.read(CandiDatefilex), candidateBytes(candidate));
}

TEST_F(SaveAttempt, WriteFailureAfterASuccessfulOpenIsReportedAlone) {
  // A device that accepts the open but refuses every write.
  ASSERT_EQ(::symlink("/dev/full", dir.file(CandiDatefilex).c_str()), 0);
  ConsoleCapture console("");
  EXPECT_FALSE(saveAttempt(candidate));
  EXPECT_EQ(console.err(), "\n\tError encountered while saving your score to file.\n");
  EXPECT_EQ(dir.read(ownFile), candidateBytes(candidate));
}
