#include "assessment/take_assessment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "records/data_files.h"
#include "records/store.h"
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
    std::strcpy(attempt.sheet.id, "KE/12\\3");
    std::strcpy(attempt.sheet.name, "Mary Ann");
    attempt.sheet.questions = 2;
    std::memcpy(attempt.sheet.key, "BD", 2);
    attempt.sheet.answers[0] = 'B';
    attempt.sheet.answered = 1;
    ASSERT_TRUE(attempt.journal.Keep(attempt.sheet).ok());
  }

  // The record in both result files, the sheet (its bits cleared) in
  // "answers.abcdans", and the journal gone.
  void expectSavedOnce() const {
    AnswerSheet sheet = attempt.sheet;
    sheet.saved = 0;
    const std::string record = candidateBytes(candidate);
    EXPECT_EQ(dir.read(CandiDatefilex), record);
    EXPECT_EQ(dir.read(ownFile), record);
    EXPECT_EQ(dir.read(AnswersFile), EncodeRecord(sheet));
    EXPECT_FALSE(dir.exists(journal));
  }

  ScratchDir dir;
  WorkingDirectory cwd{dir};
  CandidateSkeleton candidate = candidateNamed("Mary Ann", "KE/12\\3");
  const std::string ownFile = "KE_12_3_Mary Ann.abcdrpt";
  const std::string journal = "KE_12_3_Mary Ann.abcdlive";
  RunningAttempt attempt;
};

}  // namespace

TEST_F(SaveAttempt, AppendsTheRecordToBothFilesThenTheSheetThenRemovesTheJournal) {
  ConsoleCapture console("");
  EXPECT_TRUE(saveAttempt(candidate, attempt));
  expectSavedOnce();
  EXPECT_EQ(console.err(), "");
  EXPECT_EQ(console.out(), "");
}

TEST_F(SaveAttempt, ARetryAfterAFailureStoresOnlyWhatIsMissing) {
  // The own file and the answers refuse, then accept.
  ASSERT_EQ(::mkdir(dir.file(ownFile).c_str(), 0755), 0);
  ASSERT_EQ(::mkdir(dir.file(AnswersFile).c_str(), 0755), 0);
  {
    ConsoleCapture console("");
    EXPECT_FALSE(saveAttempt(candidate, attempt));
    EXPECT_EQ(console.err(),
              "\n\n\tError while opening a file to write your score. Ooops!\n"
              "\n\tError encountered while saving your score to file.\n");
  }
  EXPECT_EQ(attempt.sheet.saved, kSavedInResults);
  EXPECT_EQ(dir.read(journal).substr(56, 4), std::string("\1\0\0\0", 4));
  ASSERT_EQ(::rmdir(dir.file(ownFile).c_str()), 0);
  {
    ConsoleCapture console("");
    EXPECT_FALSE(saveAttempt(candidate, attempt));
    EXPECT_EQ(console.err(), "\n\tError encountered while saving your answers to file.");
  }
  EXPECT_TRUE(dir.exists(journal));
  ASSERT_EQ(::rmdir(dir.file(AnswersFile).c_str()), 0);
  {
    ConsoleCapture console("");
    EXPECT_TRUE(saveAttempt(candidate, attempt));
  }
  expectSavedOnce();
}

TEST_F(SaveAttempt, CommonFileFailureStillSavesTheOwnFile) {
  ASSERT_EQ(::mkdir(dir.file(CandiDatefilex).c_str(), 0755), 0);
  ConsoleCapture console("");
  EXPECT_FALSE(saveAttempt(candidate, attempt));
  EXPECT_EQ(console.err(),
            "\n\n\t\tError while opening a file to write your score. Ooops!\n"
            "\n\tError encountered while saving your score to file.\n");
  EXPECT_EQ(dir.read(ownFile), candidateBytes(candidate));
}

TEST_F(SaveAttempt, WriteFailureAfterASuccessfulOpenIsReportedAlone) {
  // A device that accepts the open but refuses every write.
  ASSERT_EQ(::symlink("/dev/full", dir.file(CandiDatefilex).c_str()), 0);
  ConsoleCapture console("");
  EXPECT_FALSE(saveAttempt(candidate, attempt));
  EXPECT_EQ(console.err(), "\n\tError encountered while saving your score to file.\n");
  EXPECT_EQ(dir.read(ownFile), candidateBytes(candidate));
}
