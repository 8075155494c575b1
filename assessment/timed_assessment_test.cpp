#include "assessment/timed_assessment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assessment/elapsed_clock.h"
#include "console/working_record.h"
#include "core/paper_settings.h"
#include "records/data_files.h"
#include "records/question_skeleton.h"
#include "records/store.h"
#include "tests/console_capture.h"
#include "tests/data_fixture.h"
#include "tests/scratch_dir.h"
#include "tests/screen_texts.h"
#include "tests/working_directory.h"

namespace {

const std::string kTimeUp =
    "\n\tSorry, Time up. But dont worry your results have been saved succesfully for only the attempted "
    "questions.\n\n";
const std::string kInvalidAnswer = "\n\tInvalid input, accepted letters are A,B,C,D. Try again please.\n";

// The driven clock: each reading takes the next scripted value; the last
// one repeats.
std::vector<long long> readings;
size_t nextReading = 0;

long long scriptedClock() {
  const long long value = readings[nextReading < readings.size() ? nextReading : readings.size() - 1];
  ++nextReading;
  return value;
}

class TimedAssessment : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(cwd.ok());
    setElapsedClockForTesting(&scriptedClock);
    readings = {0};
    nextReading = 0;
  }
  void TearDown() override { setElapsedClockForTesting(nullptr); }

  // Puts `papers` in the library and the questions of the first paper (one
  // correct option per entry) in its question file.
  void library(const std::vector<PaperFacts>& papers, const std::vector<int>& answers) {
    std::string bytes;
    for (const PaperFacts& p : papers) bytes += paperBytes(p);
    dir.write(SubjectFile, bytes);
    dir.write(questionFileOf(papers[0]), questionBytes(answers));
  }

  ScratchDir dir;
  WorkingDirectory cwd{dir};
  CandidateSkeleton candidate = candidateNamed("Mary Ann", "A123");
  RunningAttempt attempt;
};

std::string listOf(const std::vector<std::string>& subjects) {
  std::string s = "\f\n\tSubject Name \n\n\t" + std::string(85, '*') + "\n";
  for (size_t i = 0; i < subjects.size(); ++i) s += "\t" + std::to_string(i + 1) + " = " + subjects[i] + " \t";
  s += "\n\t *********************         End of the List       **********************\n";
  s += "\n\tTotal Papers : " + std::to_string(subjects.size()) + "\n";
  return s;
}

std::string choiceEcho(const std::string& typed) {
  return "\n  Which paper do you want to attempt : \n  You have entered : " + typed + "\n";
}

std::string information(const PaperFacts& p, const std::string& minutes) {
  return "\f\n\t You have chosen : " + p.subject + "\n\n" + "\n  Subject Name            :  " + p.subject + "\n" +
         "\n  Subject Author          :  " + p.author + "\n" + "\n  Subject Level           :  " + p.level + "\n" +
         "\n  Total Questions         :  " + std::to_string(p.totalQuestions) + " Questions.\n" +
         "\n  Duration                :  " + minutes + " Min(s).\n";
}

std::string greeting(const PaperFacts& p) { return "\n " + p.author + " wishes you success \n\n" + kPause + "\f"; }

std::string reminder(const std::string& seconds) { return "\n\tTime reminder : " + seconds + " seconds remaining.\n"; }

std::string question(int n) {
  const std::string s = std::to_string(n);
  return "\n\t" + s + ". Question " + s + " ?\n\tA. A " + s + "\n\tB. B " + s + "\n\tC. C " + s + "\n\tD. D " + s +
         "\n\n\tYour choice : ";
}

std::string result(const PaperFacts& p, const std::string& minutes, const std::string& score, const std::string& used) {
  return "\n" + std::string(103, '_') + "\n" + "\n\tSubject Name     : " + p.subject + "\n" +
         "\n\tTotal Questions  : " + std::to_string(p.totalQuestions) + " Questions.\n" +
         "\n\tDuration         : " + minutes + " Mins.\n" + "\n\tAuthor           : " + p.author + "\n" +
         "\n\tLevel            : " + p.level + "\n" + "\n\tContact          : " + p.contact + "\n" +
         "\n\tEmail            : " + p.email + "\n" + "\n\tDepartment       : " + p.department + "\n" + "\n\t" +
         std::string(102, '_') + "\n\n" + "\n\tYour score : " + score + "%   you have used : " + used + " seconds.\n" +
         "\t" + std::string(104, '_') + "\n";
}

}  // namespace

TEST_F(TimedAssessment, WholeAttemptScreenByScreen) {
  PaperFacts p;
  p.totalQuestions = 3;
  p.minutes = 2;
  library({p}, {2, 1, 4});
  readings = {1000, 2000, 13500, 20250, 43418};
  ConsoleCapture console("1\n\nb\nc\nD\n");
  const double score = assessmentTemplate(candidate, attempt);
  EXPECT_DOUBLE_EQ(score, 200.0 / 3);
  EXPECT_EQ(console.out(), listOf({"Physics"}) + choiceEcho("1") + information(p, "2") + greeting(p) + reminder("119") +
                               question(1) + reminder("107.5") + question(2) + reminder("100.75") + question(3) +
                               result(p, "2", "66.7", "42.4"));
  EXPECT_EQ(console.err(), "");
  EXPECT_STREQ(candidate.setsubjectName(), "Physics");
  EXPECT_DOUBLE_EQ(candidate.setTimeTaken(), 42.418);
  // Only the subject and time taken change; nothing is written to a file.
  EXPECT_STREQ(candidate.setCandiNames(), "Mary Ann");
  EXPECT_FALSE(dir.exists(CandiDatefilex));
  EXPECT_EQ(std::cout.precision(), 3);
  EXPECT_TRUE(std::cout.flags() & std::ios::left);
}

TEST_F(TimedAssessment, TimeUpBeforeTheThirdQuestionCountsOverAllQuestions) {
  PaperFacts p;
  p.totalQuestions = 5;
  p.minutes = 1;
  library({p}, {1, 1, 1, 1, 1});
  // Question 2 is shown at 5 s and answered 70 s in; question 3 never shows.
  readings = {0, 1000, 5000, 70400};
  ConsoleCapture console("1\n\na\na\n\n");
  const double score = assessmentTemplate(candidate, attempt);
  EXPECT_DOUBLE_EQ(score, 40.0);
  const std::string out = console.out();
  EXPECT_NE(out.find(reminder("59") + question(1)), std::string::npos);
  EXPECT_NE(out.find(reminder("55") + question(2) + kTimeUp + kPause + result(p, "1", "40", "70.4")), std::string::npos)
      << out;
  EXPECT_EQ(out.find(question(3)), std::string::npos);
  EXPECT_DOUBLE_EQ(candidate.setTimeTaken(), 60.0);
}

TEST_F(TimedAssessment, LastAnswerAfterTheAllowanceIsCountedWithoutTimeUp) {
  PaperFacts p;
  p.totalQuestions = 2;
  p.minutes = 1;
  library({p}, {3, 3});
  readings = {0, 1000, 59000, 75000};
  ConsoleCapture console("1\n\nc\nc\n");
  EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 100.0);
  const std::string out = console.out();
  EXPECT_EQ(out.find("Time up"), std::string::npos);
  EXPECT_NE(out.find(reminder("1") + question(2) + result(p, "1", "100", "75")), std::string::npos) << out;
  EXPECT_DOUBLE_EQ(candidate.setTimeTaken(), 60.0);
}

TEST_F(TimedAssessment, ExactlyNothingLeftStillShowsTheQuestion) {
  PaperFacts p;
  p.totalQuestions = 2;
  p.minutes = 1;
  library({p}, {1, 2});
  readings = {0, 0, 60000, 60000};
  ConsoleCapture console("1\n\na\nb\n");
  EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 100.0);
  EXPECT_NE(console.out().find(reminder("0") + question(2)), std::string::npos);
  EXPECT_DOUBLE_EQ(candidate.setTimeTaken(), 60.0);
}

TEST_F(TimedAssessment, ContinuingLineStartsEveryThirdQuestionAfterTheFirstThree) {
  PaperFacts p;
  p.totalQuestions = 10;
  p.minutes = 100;
  library({p}, std::vector<int>(10, 1));
  std::string answers;
  for (int i = 0; i < 10; ++i) answers += "a\n";
  ConsoleCapture console("1\n\n" + answers);
  EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 100.0);
  const std::string out = console.out();
  for (int n : {4, 7, 10}) {
    EXPECT_NE(out.find(reminder("6000") + "\f\n\tContinuing from Question : " + std::to_string(n) + " " + question(n)),
              std::string::npos)
        << n;
  }
  // The first three and the ones between come straight after the reminder.
  for (int n : {1, 2, 3, 5, 6, 8, 9}) EXPECT_NE(out.find(reminder("6000") + question(n)), std::string::npos) << n;
  EXPECT_EQ(out.find("Continuing from Question : 1 "), std::string::npos);
}

TEST_F(TimedAssessment, WrongLettersAskAgainWithoutTheQuestion) {
  PaperFacts p;
  p.totalQuestions = 1;
  library({p}, {2});
  ConsoleCapture console("1\n\ne\n1\n  b is my answer\n");
  EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 100.0);
  EXPECT_NE(console.out().find(question(1) + kInvalidAnswer + "\n\tYour choice : " + kInvalidAnswer +
                               "\n\tYour choice : " + result(p, "1", "100", "0")),
            std::string::npos)
      << console.out();
  EXPECT_EQ(abcdData.answerLetter, 'b');
  EXPECT_EQ(abcdData.answerNumber, 2);
}

TEST_F(TimedAssessment, PaperChoiceRejectsAndAcceptsAsTheNumericEntry) {
  PaperFacts a, b, c;
  a.subject = "Maths";
  b.subject = "Physics";
  b.totalQuestions = 1;
  c.subject = "Chemistry";
  std::string bytes = paperBytes(a) + paperBytes(b) + paperBytes(c);
  dir.write(SubjectFile, bytes);
  dir.write(questionFileOf(b), questionBytes({1}));
  ConsoleCapture console("0\n\n4\n\nabc\n\n\n\n-1\n\n2x\n\na\n");
  assessmentTemplate(candidate, attempt);
  const std::string range =
      "\n  The character/Number you have entered is out of range. The range is between 1 and 3\n\n\t" + kPause;
  const std::string negative =
      "\n The number you have entered is negative. Only Positive integers are allowed. \n\n" + kPause;
  EXPECT_EQ(console.out().substr(0, console.out().find("\f", 1)),
            listOf({"Maths", "Physics", "Chemistry"}) + choiceEcho("0") + range + choiceEcho("4") + range +
                choiceEcho("abc") + range + choiceEcho("") + range + choiceEcho("-1") + negative + choiceEcho("2x"));
  EXPECT_STREQ(candidate.setsubjectName(), "Physics");
}

TEST_F(TimedAssessment, MissingQuestionFileIsCreatedAndScoresZero) {
  PaperFacts p;
  p.totalQuestions = 4;
  dir.write(SubjectFile, paperBytes(p));
  readings = {0, 3000};
  ConsoleCapture console("1\n\n");
  EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 0.0);
  EXPECT_NE(console.out().find(information(p, "1") + "\n The question paper you are accessing is blank.... \n\n" +
                               greeting(p) + result(p, "1", "0", "3")),
            std::string::npos)
      << console.out();
  EXPECT_EQ(dir.size(questionFileOf(p)), 0);
  EXPECT_DOUBLE_EQ(candidate.setTimeTaken(), 3.0);
}

TEST_F(TimedAssessment, BlankQuestionFileScoresZeroWithoutMessage) {
  PaperFacts p;
  p.totalQuestions = 4;
  library({p}, {});
  ConsoleCapture console("1\n\n");
  EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 0.0);
  EXPECT_EQ(console.out().find("blank"), std::string::npos);
  EXPECT_NE(console.out().find(greeting(p) + result(p, "1", "0", "0")), std::string::npos);
}

TEST_F(TimedAssessment, QuestionCountOfTheHeaderIsNotTrusted) {
  // A damaged header claims two thousand million questions; two are stored.
  PaperFacts p;
  p.totalQuestions = 2000000000;
  library({p}, {1, 2});
  ConsoleCapture console("1\n\na\na\n");
  EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 50.0);
  EXPECT_EQ(console.out().find(question(3)), std::string::npos);
}

TEST_F(TimedAssessment, QuestionTableHoldsAtMostTheDeclaredCountAndNoneBelowOne) {
  PaperFacts p;
  p.totalQuestions = 2;
  library({p}, {1, 1, 1, 1});  // two records more than declared
  {
    ConsoleCapture console("1\n\na\nb\n");
    EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 50.0);
    EXPECT_EQ(console.out().find(question(3)), std::string::npos);
  }
  p.totalQuestions = -5;
  library({p}, {1, 1});
  ConsoleCapture console("1\n\n");
  EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 0.0);
  EXPECT_EQ(console.out().find(question(1)), std::string::npos);
}

TEST_F(TimedAssessment, ScoreIsOverTheRecordsReadAndPartialRecordsAreIgnored) {
  PaperFacts p;
  p.totalQuestions = 10;
  library({p}, {1, 1, 1, 1, 1, 1, 1, 2, 2});
  dir.append(questionFileOf(p), std::string(100, 'x'));  // a torn tenth record
  ConsoleCapture console("1\n\n" + std::string("a\na\na\na\na\na\na\na\na\n"));
  EXPECT_NEAR(assessmentTemplate(candidate, attempt), 700.0 / 9, 1e-9);
  EXPECT_NE(console.out().find("\n\tYour score : 77.8%"), std::string::npos);
}

TEST_F(TimedAssessment, EmptyLibraryIsCreatedAndNothingIsAsked) {
  ConsoleCapture console("");
  EXPECT_LT(assessmentTemplate(candidate, attempt), 0);
  EXPECT_EQ(console.err(), "\n\tCurrently the list of papers is lonely... try again later.\n\n");
  EXPECT_EQ(dir.size(SubjectFile), 0);
}

TEST_F(TimedAssessment, EmptyOptionsAreNeitherShownNorAccepted) {
  PaperFacts p;
  p.totalQuestions = 2;
  dir.write(SubjectFile, paperBytes(p));
  QuestionSkeleton trueFalse, three;
  trueFalse.getQuestion("Is ice cold");
  trueFalse.getOptionA("True");
  trueFalse.getOptionB("False");
  trueFalse.getQuestionAnswer(1);
  three.getQuestion("Pick one");
  three.getOptionA("x");
  three.getOptionB("y");
  three.getOptionC("z");
  three.getQuestionAnswer(3);
  dir.write(questionFileOf(p), EncodeRecord(trueFalse) + EncodeRecord(three));
  ConsoleCapture console("1\n\nc\na\nd\nC\n");
  EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 100.0);
  const std::string choice = "\n\tYour choice : ";
  EXPECT_NE(console.out().find("\n\t1. Is ice cold ?\n\tA. True\n\tB. False\n" + choice +
                               "\n\tInvalid input, accepted letters are A,B. Try again please.\n" + choice +
                               reminder("60") + "\n\t2. Pick one ?\n\tA. x\n\tB. y\n\tC. z\n" + choice +
                               "\n\tInvalid input, accepted letters are A,B,C. Try again please.\n" + choice),
            std::string::npos)
      << console.out();
}

TEST_F(TimedAssessment, ReviewFollowsTheResultOnlyWhenSet) {
  PaperFacts p;
  p.totalQuestions = 2;
  library({p}, {2, 3});
  PaperSettings review;
  review.review = true;
  ASSERT_TRUE(SavePaperSettings(questionFileOf(p), review, "T1", 0).ok());
  ConsoleCapture console("1\n\nb\nd\n\n");
  EXPECT_DOUBLE_EQ(assessmentTemplate(candidate, attempt), 50.0);
  EXPECT_NE(console.out().find(result(p, "1", "50", "0") + "\n\tYou answered 1 of 2 questions correctly.\n\n" +
                               "\n\t2. Question 2 ?\n\tYour answer    : D. D 2\n\tCorrect answer : C. C 2\n" + kPause),
            std::string::npos)
      << console.out();
}
