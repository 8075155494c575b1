#include "builder/paper_flow.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "builder/builder_test_support.h"
#include "console/working_record.h"
#include "records/data_files.h"
#include "tests/console_capture.h"
#include "tests/working_directory.h"

using namespace builder_test;

namespace {

const char* const kFile = "Maths_Form 2_Jane Doe.abcd";
const std::string kReviewTitle = "\n\n\t\tReview your Entered Questions and answers.\n";
const std::string kWrongReview = "\n\n\tWrong input, you can try again.\n\n";
const std::string kSaved =
    "\n\tYour paper has been added to library and ready for attempting by the guests and candidates under "
    "assessment panel from start up page.\n";
const std::string kAfterSaveMenu =
    "\n\t Follow the options below to continue.\n\n"
    "\n\t\tA = Try attempting your paper more than once to check the correctness of your answers\n"
    "\t\tB = Return to Previous Menu.\n\t\tC = Logout.\n\n\tYour choice : ";

TutorSkeleton janeDoe() {
  TutorSkeleton tutor;
  tutor.getCandiNames("Jane Doe");
  tutor.getCandiLevel("Form 2");
  tutor.get_Deparment("Sciences");
  return tutor;
}

// Subject Maths, `count` questions with 2 minutes each, all answered A.
std::string paperLines(int count) {
  std::string input = "Maths\n" + std::to_string(count) + "\nY\n";
  for (int i = 1; i <= count; ++i) input += questionLines(i, 'A');
  return input;
}

size_t occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

bool isEmpty(const ScratchDir& dir) { return std::filesystem::is_empty(dir.path()); }

}  // namespace

TEST(PaperFlow, ReturningToTheMenuWritesNothing) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  TutorSkeleton tutor = janeDoe();
  PaperSkeleton paper;
  ConsoleCapture console(paperLines(3) + "2\n");
  EXPECT_EQ(paperFlow(tutor, paper), TutorDestination::kLoggedInMenu);
  EXPECT_STREQ(Questionfile, kFile);
  EXPECT_EQ(paper.setTotalQuestions(), 3);
  EXPECT_EQ(paper.setTimeAllowed(), 6.0);
  EXPECT_STREQ(paper.set_Department(), "Sciences");
  EXPECT_STREQ(tutor.setsubjectName(), "Maths");
  EXPECT_EQ(occurrences(console.out(), kReviewTitle), 1u);
  EXPECT_TRUE(isEmpty(dir));
}

TEST(PaperFlow, LogOutEndsTheProgramWithZeroAndWritesNothing) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  EXPECT_EXIT(
      {
        TutorSkeleton tutor = janeDoe();
        PaperSkeleton paper;
        ConsoleCapture console(paperLines(2) + "4\n");
        paperFlow(tutor, paper);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_TRUE(isEmpty(dir));
}

TEST(PaperFlow, WrongReviewChoicesShowTheWholeReviewAgain) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  TutorSkeleton tutor = janeDoe();
  PaperSkeleton paper;
  ConsoleCapture console(paperLines(1) + "7\n\nabc\n\n 0\n\n2\n");
  EXPECT_EQ(paperFlow(tutor, paper), TutorDestination::kLoggedInMenu);
  const std::string out = console.out();
  EXPECT_EQ(occurrences(out, kReviewTitle), 4u);
  EXPECT_EQ(occurrences(out, "\t\t Your choice >> " + kWrongReview + kPause + clear() + kReviewTitle), 3u);
  EXPECT_TRUE(isEmpty(dir));
}

TEST(PaperFlow, EditedAnswerIsReviewedThenSaved) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  TutorSkeleton tutor = janeDoe();
  PaperSkeleton paper;
  ConsoleCapture console(paperLines(3) + "3\n2\n" + questionLines(2, 'd') + "\n1\nx\n\nb\n");
  EXPECT_EQ(paperFlow(tutor, paper), TutorDestination::kLoggedInMenu);
  const std::string out = console.out();
  const size_t second = out.rfind(kReviewTitle);
  ASSERT_NE(second, std::string::npos);
  EXPECT_NE(out.find("\n\t2. Question 2\n\tA. A2\n\tB. B2\n\tC. C2\n\tD. D2\n\n\tAnswer : D\n", second),
            std::string::npos);
  EXPECT_NE(out.find(clear() + clear() + kReviewTitle), std::string::npos);  // edit ends, review begins
  EXPECT_NE(out.find(kSaved + kAfterSaveMenu + clear() + "\n\tWrong entry try again...\n\t" + kPause +
                     kAfterSaveMenu),
            std::string::npos);
  EXPECT_EQ(dir.read(kFile), questionBytes(makeQuestion(1, 1)) + questionBytes(makeQuestion(2, 4)) +
                                 questionBytes(makeQuestion(3, 1)));
  EXPECT_EQ(dir.size(SubjectFile), static_cast<long long>(kPaperRecordSize));
  EXPECT_EQ(console.err(), "");
}

TEST(PaperFlow, FailedSaveStillLeadsToTheAfterSaveMenu) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  ASSERT_EQ(::mkdir(kFile, 0755), 0);
  TutorSkeleton tutor = janeDoe();
  PaperSkeleton paper;
  ConsoleCapture console(paperLines(1) + "1\nc\n");
  EXPECT_EQ(paperFlow(tutor, paper), TutorDestination::kLoggedOutMenu);
  EXPECT_EQ(console.err(), "\n\tError while opening a file to write Questions\n\n");
  EXPECT_EQ(console.out().find(kSaved), std::string::npos);
  EXPECT_NE(console.out().find(kAfterSaveMenu), std::string::npos);
  EXPECT_FALSE(dir.exists(SubjectFile));
}

TEST(PaperFlow, PractiseAfterSavingThenLogOut) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  TutorSkeleton tutor = janeDoe();
  PaperSkeleton paper;
  ConsoleCapture console(paperLines(2) + "1\na\nA\nb\ne\n");
  EXPECT_EQ(paperFlow(tutor, paper), TutorDestination::kLoggedOutMenu);
  EXPECT_NE(console.out().find("\n\t\tYour score : 50 %\n"), std::string::npos);
  EXPECT_EQ(dir.size(kFile), 2 * 3204);
}

TEST(PaperFlow, ThousandQuestionsAreHeldWholeAndQuick) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  std::string input = paperLines(1000) + "1\na\n";
  for (int i = 0; i < 1000; ++i) input += "a\n";
  input += "n\n";
  TutorSkeleton tutor = janeDoe();
  PaperSkeleton paper;

  struct rusage before, after;
  ::getrusage(RUSAGE_SELF, &before);
  {
    ConsoleCapture console(input);
    EXPECT_EQ(paperFlow(tutor, paper), TutorDestination::kLoggedInMenu);
    EXPECT_NE(console.out().find("\n\t1000. Question 1000\n"), std::string::npos);
    EXPECT_NE(console.out().find("\n\t\tYour score : 100 %\n"), std::string::npos);
  }
  ::getrusage(RUSAGE_SELF, &after);
  const double seconds = (after.ru_utime.tv_sec - before.ru_utime.tv_sec) +
                         (after.ru_utime.tv_usec - before.ru_utime.tv_usec) / 1e6 +
                         (after.ru_stime.tv_sec - before.ru_stime.tv_sec) +
                         (after.ru_stime.tv_usec - before.ru_stime.tv_usec) / 1e6;
#if defined(__SANITIZE_ADDRESS__)
  const double budget = 5.0;  // instrumented code runs several times slower
#else
  const double budget = 1.0;
#endif
  EXPECT_LT(seconds, budget);
  EXPECT_EQ(dir.size(kFile), 1000 * 3204);
  EXPECT_EQ(paper.setTimeAllowed(), 2000.0);
}
