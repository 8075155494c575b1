#include <gtest/gtest.h>

#include <string>

#include "records/data_files.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/screen_texts.h"

namespace {

const std::string kWrongChoice =
    "\n\tYou have entered a wrong character, only numbers 1,2,3,4 or 5 are required try again...\n\n";

const std::string kAboutText =
    "\n  ********************************  QUIZMORA  ********************************\n\n"
    "\n  This application is purposely for testing on objective styled questions. \n"
    "  You can use it at home, school or organisation which has an assessment programs.\n"
    "\n  The best way to use this applications is to navigate around it and test out \n"
    "  all the options it has. If you are using it at home, it can keep your children busy \n"
    "  attempting the questions set by your home tutor or yourself.\n\n"
    "\n  Get tutors for different subjects which offer objective styled questions \n"
    "  to write for you the papers of your choice or you can get libraries containing \n"
    "  different subjects from our online storage.\n\n"
    "\n  ******************************************************************************\n\n";
const std::string kAboutMenu =
    "\n  You can find more about how to use this quizmora App by visiting us on https://www.quizmora.example \n"
    "\n\tH = Return to previous menu.\n\tF = Exit Application.\n\n\n\tYour Choice : ";

}  // namespace

TEST(HomeE2E, ExitPausesThenEndsWithZero) {
  ScratchDir dir;
  const ProgramRun run = runProgram(dir, "5\n\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, homeMenu() + kGoodbye + kPause);
  EXPECT_EQ(run.err, "");
}

TEST(HomeE2E, WrongChoicesPauseAndShowTheMenuAgain) {
  ScratchDir dir;
  const ProgramRun run = runProgram(dir, "abc\n\n0\n\n6\n\n-1\n\n5\n\n");
  EXPECT_EQ(run.status, 0);
  const std::string wrong = homeMenu() + kWrongChoice + kPause;
  EXPECT_EQ(run.out, wrong + wrong + wrong + wrong + homeMenu() + kGoodbye + kPause);
}

TEST(HomeE2E, NumberFollowedByLettersOpensThatChoice) {
  ScratchDir dir;
  const ProgramRun run = runProgram(dir, "3xyz\nf\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, homeMenu() + "\f" + kAboutText + kAboutMenu + "\f\n\n\t\tThank you for your time...\n\n\n");
}

TEST(HomeE2E, AboutWrongKeyShowsOnlyTheMenuAgainAndHReturns) {
  ScratchDir dir;
  const ProgramRun run = runProgram(dir, "3\nx\nh\n5\n\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, homeMenu() + "\f" + kAboutText + kAboutMenu + "\f\n\tWrong input, try again\n\n" + kAboutMenu +
                         "\f" + homeMenu() + kGoodbye + kPause);
}

TEST(HomeE2E, EndOfInputAnywhereEndsWithZero) {
  for (const char* input : {"", "\n\n", "5\n", "abc\n", "3\n", "3\nx\n"}) {
    ScratchDir dir;
    const ProgramRun run = runProgram(dir, input, 10);
    EXPECT_EQ(run.status, 0) << input;
    EXPECT_FALSE(run.timedOut) << input;
  }
}

TEST(HomeE2E, NothingIsWrittenToTheWorkingDirectory) {
  ScratchDir dir;
  runProgram(dir, "3\nh\n5\n\n");
  EXPECT_FALSE(dir.exists(SubjectFile));
  EXPECT_FALSE(dir.exists(CandiDatefilex));
}
