#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "builder/builder_test_support.h"
#include "console/calendar.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"

using namespace builder_test;

namespace {

const char* const kFile = "Maths_Form 2_Jane Doe.abcd";

// Registers Jane Doe (level Form 2), logs her in and chooses Q.
const std::string kToPaper =
    "1\n\nr\nJane Doe\nA12\nKenya\n0700\njane@x.org\nHill School\nSciences\nForm 2\n5\n\nA12\n5\nQ\n";
// Logs the registered Jane Doe in again and chooses Q.
const std::string kAgain = "1\n\nl\nA12\n5\nq\n";

const std::string kStart = "\n\tFollow these steps to set your objective quetsion paper.\n\n\nSubject Name         : ";
const std::string kTotalPrompt = "\n\tTotal Questions     : ";
const std::string kTimeMenu = "\f\n <" + std::string(83, '-') + ">\n" +
                              "\n\t Y = Allocate time based on 2 mins per quetsion."
                              "\n\t N = Allocate time based on 1 min per quetsion."
                              "\n\t D = Let me allocate time by myself according to my experience."
                              "\n\tYour Choice : ";
const std::string kReviewTitle =
    "\f\n\n\t\tReview your Entered Questions and answers.\n\t" + std::string(82, '_') + "\n\n";
const std::string kReviewEnd =
    "\n\t\t-------------------------> End of your Questions <---------------------------------\n\n"
    "\n\tRead and follow the options below to continue.\n\n"
    "\t\t1 = Save and continue.\n\t\t2 = Return to Previous Menu.\n\t\t3 = Edit/Change a question.\n"
    "\t\t4 = Log Out\n\n\t\t Your choice >> ";
const std::string kWrongReview = "\n\n\tWrong input, you can try again.\n\n" + kPause;
const std::string kSaved =
    "\n\tYour paper has been added to library and ready for attempting by the guests and candidates under "
    "assessment panel from start up page.\n";
const std::string kAfterSave =
    "\n\t Follow the options below to continue.\n\n"
    "\n\t\tA = Try attempting your paper more than once to check the correctness of your answers\n"
    "\t\tB = Return to Previous Menu.\n\t\tC = Logout.\n\n\tYour choice : ";
const std::string kLoggedIn = "\f\n\tYou are currently logged in as Jane Doe\n";
const std::string kLoggedOut = "\f\n\t\tYou are currently logged out.\n";

// The lines of a paper: subject Maths, the given count, the time letter and
// questions 1..count with the given correct letters.
std::string paperLines(const std::string& letters, const std::string& time = "Y\n") {
  std::string input = "Maths\n" + std::to_string(letters.size()) + "\n" + time;
  for (size_t i = 0; i < letters.size(); ++i) input += questionLines(static_cast<int>(i + 1), letters[i]);
  return input;
}

std::string reviewed(int number, char answer) {
  const std::string n = std::to_string(number);
  return "\n\t" + n + ". Question " + n + "\n\tA. A" + n + "\n\tB. B" + n + "\n\tC. C" + n + "\n\tD. D" + n +
         "\n\n\tAnswer : " + answer + "\n";
}

// What the program showed from the start of the paper flow on.
std::string fromPaper(const ProgramRun& run) {
  const size_t at = run.out.find(kStart);
  return at == std::string::npos ? "" : run.out.substr(at);
}

PaperSkeleton expectedHeader(int total, double minutes) {
  PaperSkeleton paper;
  paper.getsubjectName("Maths");
  paper.getCandiNames("Jane Doe");
  paper.get_PaperLevel("Form 2");
  paper.get_Deparment("Sciences");
  paper.get_Institution("Hill School");
  paper.getEmail("jane@x.org");
  paper.getContact("0700");
  paper.getDateAttempted(dateOfToday());
  paper.getTotalQuestion(total);
  paper.getTimeAllowed(minutes);
  return paper;
}

std::string headerBytes(const PaperSkeleton& paper) {
  char bytes[kPaperRecordSize];
  paper.EncodeTo(bytes);
  return std::string(bytes, sizeof bytes);
}

double minutesOf(const std::string& library, size_t index) {
  PaperSkeleton paper;
  paper.DecodeFrom(library.data() + index * kPaperRecordSize);
  return paper.setTimeAllowed();
}

}  // namespace

TEST(PaperFlowE2E, SavedPaperWritesItsQuestionsAndOneHeader) {
  ScratchDir dir;
  dir.write(SubjectFile, std::string(kPaperRecordSize, 'p'));  // an earlier paper
  const ProgramRun run = runProgram(dir, kToPaper + paperLines("ABC") + "1\nb\nv\np\n5\n\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(fromPaper(run).substr(0, fromPaper(run).find(kLoggedIn)),
            kStart + kTotalPrompt + kTimeMenu + questionPrompts(1) + questionPrompts(2) +
                "\f\n\tContinuing from Question : 3\n" + questionPrompts(3) + kReviewTitle + reviewed(1, 'A') +
                reviewed(2, 'B') + reviewed(3, 'C') + kReviewEnd + kSaved + kAfterSave);
  EXPECT_NE(fromPaper(run).find(kAfterSave + kLoggedIn), std::string::npos);

  EXPECT_EQ(dir.size(kFile), 3 * 3204);
  EXPECT_TRUE(dir.read(kFile) == questionBytes(makeQuestion(1, 1)) + questionBytes(makeQuestion(2, 2)) +
                                     questionBytes(makeQuestion(3, 3)));
  EXPECT_TRUE(dir.read(SubjectFile) == std::string(kPaperRecordSize, 'p') + headerBytes(expectedHeader(3, 6.0)));
}

TEST(PaperFlowE2E, SavingAgainReplacesTheQuestionFileAndAddsAHeader) {
  ScratchDir dir;
  EXPECT_EQ(runProgram(dir, kToPaper + paperLines("ABC") + "1\nb\n").status, 0);
  EXPECT_EQ(runProgram(dir, kAgain + paperLines("DD", "N\n") + "1\nb\n").status, 0);
  EXPECT_TRUE(dir.read(kFile) == questionBytes(makeQuestion(1, 4)) + questionBytes(makeQuestion(2, 4)));
  EXPECT_TRUE(dir.read(SubjectFile) == headerBytes(expectedHeader(3, 6.0)) + headerBytes(expectedHeader(2, 2.0)));
}

TEST(PaperFlowE2E, DroppingOrLoggingOutWritesNothing) {
  ScratchDir dir;
  const ProgramRun back = runProgram(dir, kToPaper + paperLines("AB") + "2\n");
  EXPECT_TRUE(fromPaper(back).find(kReviewEnd + kLoggedIn) != std::string::npos);
  const ProgramRun out = runProgram(dir, kAgain + paperLines("A") + "4\nthis line is never read\n");
  EXPECT_EQ(out.status, 0);
  EXPECT_EQ(out.out.substr(out.out.size() - kReviewEnd.size()), kReviewEnd);
  EXPECT_FALSE(dir.exists(kFile));
  EXPECT_FALSE(dir.exists(SubjectFile));
}

TEST(PaperFlowE2E, WrongReviewChoicesShowTheWholeReviewAgain) {
  ScratchDir dir;
  const ProgramRun run = runProgram(dir, kToPaper + paperLines("A") + "7\n\nx\n\n99999999999\n\n2\n");
  const std::string review = kReviewTitle + reviewed(1, 'A') + kReviewEnd;
  EXPECT_NE(
      fromPaper(run).find(review + kWrongReview + review + kWrongReview + review + kWrongReview + review + kLoggedIn),
      std::string::npos);
  EXPECT_FALSE(dir.exists(SubjectFile));
}

TEST(PaperFlowE2E, EditAsksUntilAValidNumberThenReplacesTheQuestion) {
  ScratchDir dir;
  const ProgramRun run = runProgram(
      dir, kToPaper + paperLines("ABC") + "3\n0\n\n\n\nx\n\n4\n\n-2\n\n2\n" + questionLines(2, 'D') + "\n1\nx\n\nb\n");
  const std::string prompt = "\n\n   Which Number do you want to Edit : ";
  const auto entered = [](const std::string& typed) { return "\n\n   You have entered : " + typed + "\n"; };
  const std::string range =
      "\n\tThe character/Number you have entered is out of range. The range is between 1 and 3\n\t" + kPause;
  const std::string negative =
      "\n   The number/character you have entered is negative. Only Positive integers are allowed. \n\n" + kPause;
  EXPECT_NE(
      fromPaper(run).find(kReviewEnd + prompt + entered("0") + range + prompt + entered("") + range + prompt +
                          entered("x") + range + prompt + entered("4") + range + prompt + entered("-2") + negative +
                          prompt + entered("2") + "\n\tQuestion 2\n" + questionPrompts(2).substr(13) +
                          "\n\tQuestion number :  2  has been successfully edited.\n\n" + kPause + "\f" + kReviewTitle +
                          reviewed(1, 'A') + reviewed(2, 'D') + reviewed(3, 'C') + kReviewEnd + kSaved + kAfterSave +
                          "\f\n\tWrong entry try again...\n\t" + kPause + kAfterSave + kLoggedIn),
      std::string::npos);
  EXPECT_TRUE(dir.read(kFile).substr(kQuestionRecordSize, kQuestionRecordSize) == questionBytes(makeQuestion(2, 4)));
}

TEST(PaperFlowE2E, TimeAllowanceByQuestionOrTyped) {
  ScratchDir dir;
  runProgram(dir, kToPaper + paperLines("AB", "Y\n") + "1\nb\n");
  runProgram(dir, kAgain + paperLines("AB", "n\n") + "1\nb\n");
  const ProgramRun typed = runProgram(dir, kAgain + paperLines("AB", "x\nd\n\n\n-5\n\n45\n") + "1\nb\n");
  const std::string prompt = "\n\tTotal minutes required : ";
  EXPECT_NE(fromPaper(typed).find(
                kTimeMenu + "\n\tWrong entry try again with Y,N, or D. Thank you.\n" + "\n\tYour Choice : " + prompt +
                "\nThe character/number you have entered is out of range. The range is between 1 "
                "and 100000.\n\t" +
                kPause + prompt + "\nNegatives are not allowed. Only Positive integers are allowed. \n\t" + kPause +
                prompt + questionPrompts(1)),
            std::string::npos);
  const std::string library = dir.read(SubjectFile);
  ASSERT_EQ(library.size(), 3 * kPaperRecordSize);
  EXPECT_EQ(minutesOf(library, 0), 4.0);
  EXPECT_EQ(minutesOf(library, 1), 2.0);
  EXPECT_EQ(minutesOf(library, 2), 45.0);
}

TEST(PaperFlowE2E, NumberOfQuestionsFromOneToAThousand) {
  ScratchDir dir;
  const ProgramRun run =
      runProgram(dir, kToPaper + "Maths\n0\nabc\n1001\n-3\n\n1\nY\n" + questionLines(1, 'a') + "1\nb\n");
  const std::string range =
      "\n  The character/number you have entered is out of range. The range is between 1 and 1000.\n";
  const std::string blank = "\n  Negatives and blank spaces are not allowed. Only Positive integers are allowed. \n\t";
  EXPECT_NE(fromPaper(run).find(kStart + kTotalPrompt + range + kTotalPrompt + range + kTotalPrompt + range +
                                kTotalPrompt + blank + kTotalPrompt + blank + kTotalPrompt + kTimeMenu),
            std::string::npos);
  EXPECT_EQ(dir.size(kFile), 3204);
  // 1000 is the largest paper (see ThousandQuestionPaperIsQuick).
}

TEST(PaperFlowE2E, QuestionFileThatCannotBeWrittenAddsNoHeader) {
  ScratchDir dir;
  ASSERT_EQ(::mkdir(dir.file(kFile).c_str(), 0755), 0);
  const ProgramRun run = runProgram(dir, kToPaper + paperLines("A") + "1\nc\n");
  EXPECT_EQ(run.err, "\n\tError while opening a file to write Questions\n\n");
  EXPECT_NE(fromPaper(run).find(kReviewEnd + kAfterSave + kLoggedOut), std::string::npos);
  EXPECT_FALSE(dir.exists(SubjectFile));
}

TEST(PaperFlowE2E, PracticeScoresCountsAgainAndReturns) {
  ScratchDir dir;
  const ProgramRun run = runProgram(dir, kToPaper + paperLines("ABC") + "1\nA\nE\n5\na\nb\nD\nY\nd\nd\nd\nn\n");
  const std::string out = fromPaper(run);
  const std::string choice = "  Your choice : ";
  const std::string invalid = "\n\tInvalid input, accepted letters are A,B,C,D. Try again please.\n";
  const std::string menu =
      "\n\t\tFollow the options below to continue.\n\t\tY = Try again.\n\t\tN = Return to previous menu.\n"
      "\t\tE = Log out\n\t\tYour choice : ";
  const std::string intro =
      "\f\n\tTake on an Exercise on this paper to test whether the results match your expectations.\n\n";
  const std::string first = "\n1. Question 1 ?\nA. A1\nB. B1\nC. C1\nD. D1\n";
  EXPECT_NE(out.find(kAfterSave + intro + first + choice + invalid + choice + invalid + choice + "\n2. Question 2"),
            std::string::npos);
  EXPECT_NE(out.find("\n\t\tYour score : 66.7 %\n" + menu + "\f" + intro), std::string::npos);
  EXPECT_NE(out.find("\n\t\tYour score : 0 %\n" + menu + "\f" + kLoggedIn), std::string::npos);
  EXPECT_EQ(dir.size(kFile), 3 * 3204);
}

TEST(PaperFlowE2E, PracticeClearsAfterEveryFourthQuestion) {
  ScratchDir dir;
  std::string answers;
  for (int i = 0; i < 9; ++i) answers += "a\n";
  const ProgramRun run = runProgram(dir, kToPaper + paperLines("AAAAAAAAA") + "1\na\n" + answers + "e\n");
  const std::string out = fromPaper(run);
  const auto banner = [](int i) {
    return "\f\n\t ---------------> Continuing from Question : " + std::to_string(i) + "  <------------------\n";
  };
  EXPECT_NE(out.find("D4\n  Your choice : " + banner(4) + "\n5. Question 5 ?"), std::string::npos);
  EXPECT_NE(out.find("D8\n  Your choice : " + banner(8) + "\n9. Question 9 ?"), std::string::npos);
  EXPECT_EQ(occurrences(out, "Continuing from Question : "), 4u + 2u);  // 4 during entry, 2 in practice
  EXPECT_NE(out.find("\n\t\tYour score : 100 %\n"), std::string::npos);
  EXPECT_NE(out.find("\t\tYour choice : " + kLoggedOut), std::string::npos);
}

TEST(PaperFlowE2E, ThousandQuestionPaperIsQuick) {
  ScratchDir dir;
  std::string input = kToPaper + paperLines(std::string(1000, 'B')) + "1\na\n";
  for (int i = 0; i < 1000; ++i) input += "b\n";
  input += "n\nv\np\n5\n\n";
  struct rusage before, after;
  ::getrusage(RUSAGE_CHILDREN, &before);
  const ProgramRun run = runProgram(dir, input, 60);
  ::getrusage(RUSAGE_CHILDREN, &after);
  const double cpu =
      (after.ru_utime.tv_sec - before.ru_utime.tv_sec) + (after.ru_utime.tv_usec - before.ru_utime.tv_usec) / 1e6 +
      (after.ru_stime.tv_sec - before.ru_stime.tv_sec) + (after.ru_stime.tv_usec - before.ru_stime.tv_usec) / 1e6;
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find(reviewed(1000, 'B')), std::string::npos);
  EXPECT_NE(run.out.find("\n\t\tYour score : 100 %\n"), std::string::npos);
  EXPECT_EQ(dir.size(kFile), 1000 * 3204);
  EXPECT_EQ(minutesOf(dir.read(SubjectFile), 0), 2000.0);
#if defined(__SANITIZE_ADDRESS__)
  EXPECT_LT(cpu, 5.0);  // the instrumented program runs several times slower
#else
  EXPECT_LT(cpu, 0.5);
#endif
  RecordProperty("cpu_seconds", std::to_string(cpu));
}
