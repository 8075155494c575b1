// The tutor's performance view in-process (it returns to the tutor area), the
// ways both views end the program, and a result saved while a view is open.

#include "scoreboard/score_board_menus.h"

#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "console/console_io.h"
#include "scoreboard/result_fixtures.h"
#include "tests/console_capture.h"
#include "tests/scratch_dir.h"
#include "tests/working_directory.h"

namespace {

const Attempt kMaths{"Ann Lee", "A12", "Maths", 200.0 / 3, "9:5:7", 1234.5};
const Attempt kPhysics{"Ann Lee", "A12", "Physics", 100, "10:15:27", 45.123456789};
const Attempt kBiology{"Cy Dee", "C3", "Biology", 12.5, "14:2:9", 33};

const std::string kTutorMainMenu =
    "\n\tV = View Candidate in Detail.\n\tP = Save for printing.\n\tU = Return to previous Menu.\n"
    "\tE = Exit Application.\n\n\t\tEnter your option ( V,P,U,E ) : ";
const std::string kTutorEmptyMenu =
    "\n\n\tU = Return to previous Menu.\n\tE = Exit Application.\n\n\t\tEnter your Option( U,E ) : ";
const std::string kTutorDetailMenu =
    "\t   ------------------->     Choose options below to continue     <---------------------\n\n"
    "\tP = Previous menu.\n\tE = Exit.\n\n\tYour choice (P, E)  : ";

void writeTwoAttempts(const ScratchDir& dir) {
  dir.write("candidate.abcddata", resultBytes({kMaths, kPhysics}));
  dir.write("A12_Ann Lee.abcdrpt", resultBytes({kMaths, kPhysics}));
}

// Runs the tutor view on `input` in `dir`; returns where it hands control.
TutorDestination runTutorView(const std::string& input, std::string* out) {
  ConsoleCapture console(input);
  const TutorDestination next = studentPerformanceView();
  *out = console.out();
  return next;
}

}  // namespace

TEST(TutorPerformanceView, EmptyListOffersOnlyReturnAndExit) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  dir.write("candidate.abcddata", "");
  std::string out;
  EXPECT_EQ(runTutorView("v\nU\n", &out), TutorDestination::kLoggedInMenu);
  EXPECT_NE(out.find("  No Candidates have been recorded Yet "), std::string::npos);
  const std::string menus = kTutorEmptyMenu + " \n Wrong entry try again...\n" + kTutorEmptyMenu + "\f";
  EXPECT_EQ(out.substr(out.size() - menus.size()), menus);
}

TEST(TutorPerformanceView, DetailShowsNoSecondsAndScoresWithTheListsPrecision) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  writeTwoAttempts(dir);
  std::string out;
  EXPECT_EQ(runTutorView("x\nv\n2\nP\nu\n", &out), TutorDestination::kLoggedInMenu);
  const std::string detail =
      "\n\tWhich candidate do you want to View : \f\n" + std::string(104, '_') +
      " \n\n\tCandidate Names           : Ann Lee\n"
      "\n\tCandidate ID/Passport     : A12\n"
      "\n\tCandidate Nationality     : Kenya\n"
      "\n\tCandidate Contact Number  : 0700 111 222\n"
      "\n\tCandidate Email           : someone@example.org\n"
      "\n\tTotal Subjects Attempted  : 2\n\n   " +
      std::string(104, '_') +
      " \n\n"
      "    1.   Maths\t66.7% \t9:5:7\n"
      "    2.   Physics\t100% \t10:15:27\n"
      "\n   " +
      std::string(34, '_') + "       www.quizmora.example     " + std::string(40, '_') + "\n" + kTutorDetailMenu;
  const size_t start = out.find(kTutorMainMenu + "\n\t\tWrong input... try again.\n" + kTutorMainMenu + detail);
  ASSERT_NE(start, std::string::npos) << out;
  // P draws the list again on a cleared screen; U leaves with a clear.
  const std::string rest = out.substr(start);
  EXPECT_NE(rest.find(kTutorDetailMenu + "\f\n ****"), std::string::npos);
  EXPECT_EQ(rest.substr(rest.size() - kTutorMainMenu.size() - 1), kTutorMainMenu + "\f");
  const size_t which = out.find("Which candidate");
  EXPECT_EQ(out.substr(which, out.find(kTutorDetailMenu) - which).find("Seconds"), std::string::npos);
}

TEST(TutorPerformanceView, SavingForPrintingLeadsToTheViewAllPapersScreen) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  writeTwoAttempts(dir);
  std::string out;
  EXPECT_EQ(runTutorView("p\nresults\n\n", &out), TutorDestination::kViewAllPapers);
  EXPECT_NE(dir.read("results.qzmrpt").find("  2  Candidate(s)"), std::string::npos);
  EXPECT_NE(out.find(kTutorMainMenu + "\n\tName your file : \n\a  Your file has been saved"), std::string::npos);
}

TEST(ScoreBoardViewsDeath, EveryExitHasItsStatus) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  int total = 0;
  dir.write("candidate.abcddata", "");
  EXPECT_EXIT({ ConsoleCapture c("e\n"); studentPerformanceView(); }, testing::ExitedWithCode(1), "");
  EXPECT_EXIT({ ConsoleCapture c("e\n"); scoreBoardArea(total); }, testing::ExitedWithCode(0), "");
  writeTwoAttempts(dir);
  EXPECT_EXIT({ ConsoleCapture c("e\n"); studentPerformanceView(); }, testing::ExitedWithCode(1), "");
  EXPECT_EXIT({ ConsoleCapture c("e\n"); scoreBoardArea(total); }, testing::ExitedWithCode(1), "");
  EXPECT_EXIT({ ConsoleCapture c("v\n1\ne\n"); studentPerformanceView(); }, testing::ExitedWithCode(1), "");
  EXPECT_EXIT({ ConsoleCapture c("v\n1\ne\n"); scoreBoardArea(total); }, testing::ExitedWithCode(1), "");
  ASSERT_EQ(::unlink("A12_Ann Lee.abcdrpt"), 0);
  EXPECT_EXIT({ ConsoleCapture c("v\n1\n"); studentPerformanceView(); }, testing::ExitedWithCode(0), "");
}

TEST(ScoreBoardView, CountIsKeptInTheCallersVariable) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  writeTwoAttempts(dir);
  int total = 0;
  ConsoleCapture console("u\n");
  scoreBoardArea(total);
  EXPECT_EQ(total, 2);
}

// The view reads its input from a pipe; a third result is appended only after
// the view has taken the first answers (so after its first list), and the
// next P must show it.
TEST(ScoreBoardView, PreviousMenuShowsAResultSavedMeanwhile) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  writeTwoAttempts(dir);
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ConsoleCapture console("");
  setConsoleInputForTesting(fds[0], false);
  std::thread typist([&] {
    const std::string first = "v\n1\n";
    if (::write(fds[1], first.data(), first.size()) < 0) return;
    int pending = 1;
    while (pending > 0 && ::ioctl(fds[0], FIONREAD, &pending) == 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    dir.append("candidate.abcddata", resultBytes({kBiology}));
    const std::string rest = "p\nu\n";
    if (::write(fds[1], rest.data(), rest.size()) < 0) return;
    ::close(fds[1]);
  });
  int total = 0;
  scoreBoardArea(total);
  typist.join();
  setConsoleInputForTesting(STDIN_FILENO, false);
  ::close(fds[0]);
  EXPECT_EQ(total, 3);
  const std::string out = console.out();
  const size_t detail = out.find("Your choice (P, E)  : ");
  ASSERT_NE(detail, std::string::npos);
  const size_t secondList = out.find("\f\n ****", detail);
  ASSERT_NE(secondList, std::string::npos);
  EXPECT_GT(out.find(" 3 = Cy Dee"), secondList);
  EXPECT_NE(out.find("  3  Candidate(s) Have been recorded sofar", detail), std::string::npos);
}
