// The logged-in tutor's "All student Performance" view, run end to end from
// the tutor menu's T: its menus, the tutor layout of the detail view, saving
// for printing (which ends on the view-all-papers screen) and its exits.

#include <gtest/gtest.h>

#include <string>

#include "records/data_files.h"
#include "records/tutor_skeleton.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/screen_texts.h"

namespace {

// Home choice 1, the welcome key press, and a login of tutor T1.
const std::string kLogIn = "1\n\nl\nT1\n42\n";
const std::string kLoggedInPrompt = "\n\t\tYour choice (Q,R,T,V)  : ";

const std::string kClearedListHeader = "\f" + kListHeader;
const std::string kTwoRows =
    kMathsRow + kPhysicsRow + "\n\t********  2  Candidate(s) Have been recorded sofar *******\n";
const std::string kMainMenu =
    "\n\tV = View Candidate in Detail.\n\tP = Save for printing.\n\tU = Return to previous Menu.\n"
    "\tE = Exit Application.\n\n\t\tEnter your option ( V,P,U,E ) : ";
const std::string kEmptyMenu =
    "\n\n\tU = Return to previous Menu.\n\tE = Exit Application.\n\n\t\tEnter your Option( U,E ) : ";
const std::string kDetailMenu =
    "\t   ------------------->     Choose options below to continue     <---------------------\n\n"
    "\tP = Previous menu.\n\tE = Exit.\n\n\tYour choice (P, E)  : ";
const std::string kDetail = "\f\n" + std::string(104, '_') + " \n" + annParticulars("2") + "\n   " +
                            std::string(104, '_') +
                            " \n\n"
                            "    1.   Maths\t66.7% \t9:5:7\n"
                            "    2.   Physics\t100% \t10:15:27\n"
                            "\n   " +
                            std::string(34, '_') + "       www.quizmora.example     " + std::string(40, '_') + "\n";
const std::string kFarewell =
    "\n\n\t------------------------>         We meet again          <-------------------------\n\n\n"
    "\t\t---------------> Visit: https://www.quizmora.example and download New Libraries  <----------------\n";

// Runs the program with a tutor logged in and `input` typed at the tutor
// menu; `*shown` gets what follows that menu's first prompt.
ProgramRun runFromTutorMenu(const ScratchDir& dir, const std::string& input, std::string* shown) {
  dir.write(accountRegFileTutor, accountBytes<TutorSkeleton>("T1", 42, "Jane Doe"));
  ProgramRun run = runProgram(dir, kLogIn + input);
  const size_t menu = run.out.find(kLoggedInPrompt);
  *shown = menu == std::string::npos ? "" : run.out.substr(menu + kLoggedInPrompt.size());
  return run;
}

void writeTwoAttempts(const ScratchDir& dir) {
  dir.write(CandiDatefilex, resultBytes({kMaths, kPhysics}));
  dir.write(kAnnResults, resultBytes({kMaths, kPhysics}));
}

}  // namespace

TEST(PerformanceViewE2E, EmptyListReturnsToTheTutorMenuOrExitsWithOne) {
  ScratchDir dir;
  dir.write(CandiDatefilex, "");
  std::string shown;
  const ProgramRun run = runFromTutorMenu(dir, "t\nx\nu\nT\ne\n", &shown);
  EXPECT_EQ(run.status, 1);
  const std::string view = kClearedListHeader + kNoCandidates + kEmptyMenu;
  const std::string first = view + " \n Wrong entry try again...\n" + kEmptyMenu + "\f\f";
  ASSERT_EQ(shown.substr(0, first.size()), first);
  EXPECT_EQ(shown.substr(shown.size() - view.size() - 1), view + "\f");
}

TEST(PerformanceViewE2E, MenusChoiceAndTheTutorLayout) {
  ScratchDir dir;
  writeTwoAttempts(dir);
  std::string shown;
  const ProgramRun run = runFromTutorMenu(dir, "t\nwhat\nv\n-1\n\n3\n\n2\nx\np\nE\n", &shown);
  EXPECT_EQ(run.status, 1);
  const std::string list = kClearedListHeader + kTwoRows + kMainMenu;
  EXPECT_EQ(shown, list + "\n\t\tWrong input... try again.\n" + kMainMenu + kWhich + kNegativeRow + kWhich +
                       rowOutOfRange(2) + kWhich + kDetail + kDetailMenu + "\n\tWrong Entry, try again...\n\n" +
                       kDetailMenu + list + kFarewell);
  EXPECT_EQ(run.err, "");
}

TEST(PerformanceViewE2E, DetailExitsAndAMissingResultFile) {
  ScratchDir dir;
  writeTwoAttempts(dir);
  std::string shown;
  ProgramRun run = runFromTutorMenu(dir, "t\nv\n1\ne\n", &shown);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(shown.substr(shown.size() - kDetailMenu.size()), kDetailMenu);

  dir.write(CandiDatefilex, resultBytes({kMaths, {"Bo", "B9", "Art", 10, "8:0:0", 5}}));
  run = runFromTutorMenu(dir, "t\nv\n2\n", &shown);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "\n\tError while opening a file to read candidate File\n\n");
  EXPECT_EQ(shown.substr(shown.size() - kWhich.size()), kWhich);
}

TEST(PerformanceViewE2E, SavingForPrintingEndsOnTheViewAllPapersScreen) {
  ScratchDir dir;
  writeTwoAttempts(dir);
  std::string shown;
  const ProgramRun run = runFromTutorMenu(dir, "t\nP\n \nresults\n\nB\nV\nP\n5\n\n", &shown);
  EXPECT_EQ(run.status, 0);
  const std::string saved =
      kClearedListHeader + kTwoRows + kMainMenu + "\n\tName your file : \n\tName your file : " + kSavedForPrinting +
      "\n\tNo subjects currently, try again later...\n\n" + kNoSubjects +
      "\n\tB = Back to previous.\n\tE = Logout.\n\n\t\tYour choice : \f\n\tYou are currently logged in as Jane Doe";
  EXPECT_EQ(shown.substr(0, saved.size()), saved);
  const std::string file = dir.read("results.qzmrpt");
  EXPECT_EQ(file.substr(0, 13), "Printed on : ");
  EXPECT_NE(file.find("\n  2. Ann Lee                \tPhysics\t"), std::string::npos);
  EXPECT_EQ(file.find('\r'), std::string::npos);
}
