// The home menu's Score Board, run end to end: the list, the candidate
// choice, the detail view in its score-board layout, the menus and every way
// out with its exit status.

#include <gtest/gtest.h>

#include <string>

#include "records/data_files.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/screen_texts.h"

namespace {

const std::string kFileCreated = "\n\tThe file is empty...\tTry again later.... Thanks\n\n";

std::string summary(int count) {
  return "\n\t********  " + std::to_string(count) + "  Candidate(s) Have been recorded sofar *******\n";
}

const std::string kThreeRows = kMathsRow + kPhysicsRow + kChemistryRow;

const std::string kEmptyMenu =
    "\n\tU = Return to previous Menu.\n\tE = Exit Application.\n\n\t\tEnter your Option( U,E ): ";
const std::string kMainMenu =
    "\n\tV = View Candidate in Detail.\n\tU = Return to previous Menu.\n\tE = Exit Application.\n"
    "\n\t\tEnter your Option( V,W,U,E ): ";
const std::string kDetailMenu =
    "\t-------------------> Choose options below to continue <--------------------- \n\n"
    "\tP = Previous menu.\n\tE = Exit.\n\n\tYour choice (P, E)  : ";

std::string detailHeader(const std::string& count) {
  return "\n" + std::string(96, '_') + "\n" + annParticulars(count) + "\n   " + std::string(94, '_') + "\n\n";
}
const std::string kDetailFooter = "\n   " + std::string(25, '_') + std::string(13, ' ') + "www.quizmora.example" +
                                  std::string(5, ' ') + std::string(30, '_') + "\n\n";

void writeThreeAttempts(const ScratchDir& dir) {
  dir.write(CandiDatefilex, resultBytes({kMaths, kPhysics, kChemistry}));
  dir.write(kAnnResults, resultBytes({kMaths, kPhysics, kChemistry}));
}

}  // namespace

TEST(ScoreBoardE2E, NoDataFileYetCreatesItAndEmptyListExitsWithZero) {
  ScratchDir dir;
  const ProgramRun run = runProgram(dir, "4\ne\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, homeMenu() + "\f" + kFileCreated + kListHeader + kNoCandidates + kEmptyMenu + "\f");
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(dir.exists(CandiDatefilex));
  EXPECT_EQ(dir.size(CandiDatefilex), 0);
}

TEST(ScoreBoardE2E, EmptyListRejectsOtherKeysAndReturnsHome) {
  ScratchDir dir;
  dir.write(CandiDatefilex, "");
  const ProgramRun run = runProgram(dir, "4\nv\nu\n5\n\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, homeMenu() + "\f" + kListHeader + kNoCandidates + kEmptyMenu + " \n Wrong entry try again...\n" +
                         kEmptyMenu + "\f" + homeMenu() + kGoodbye + kPause);
}

TEST(ScoreBoardE2E, ListShowsEveryAttemptAndADamagedTailIsIgnored) {
  ScratchDir dir;
  writeThreeAttempts(dir);
  dir.append(CandiDatefilex, std::string(500, 'x'));
  const ProgramRun run = runProgram(dir, "4\nU\n5\n\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, homeMenu() + "\f" + kListHeader + kThreeRows + summary(3) + kMainMenu + "\f" + homeMenu() +
                         kGoodbye + kPause);
}

TEST(ScoreBoardE2E, LongTextsPushTheirRowOnly) {
  ScratchDir dir;
  dir.write(CandiDatefilex,
            resultBytes(
                {{"Bartholomew Longname-Smith", "B7", "Exactly twenty-three ch", 7.25, "23:59:59", 0.5}, kChemistry}));
  const ProgramRun run = runProgram(dir, "4\ne\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find(" 1 = Bartholomew Longname-SmithExactly twenty-three ch7.25% " + std::string(17, ' ') +
                         "23:59:59" + std::string(22, ' ') + "0.5 Seconds\n 2 = Ann Lee                Chemistry"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find(kMainMenu + "\n\n\t\t <----------------   We meet again   ---------------- >\n\n\n"),
            std::string::npos);
}

TEST(ScoreBoardE2E, ListStopsAtOneThousandRecords) {
  ScratchDir dir;
  dir.write(CandiDatefilex, repeatedResultBytes(kPhysics, 1001));
  const ProgramRun run = runProgram(dir, "4\nu\n5\n\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\n 1000 = Ann Lee"), std::string::npos);
  EXPECT_EQ(run.out.find("\n 1001 = "), std::string::npos);
  EXPECT_NE(run.out.find(" Seconds\n" + summary(1000) + kMainMenu), std::string::npos);
}

TEST(ScoreBoardE2E, CandidateChoiceInsistsOnANumberInRange) {
  ScratchDir dir;
  writeThreeAttempts(dir);
  // 12345 is cut to 1234; 3x counts as 3.
  const ProgramRun run = runProgram(dir, "4\nwait\nvx\n0\n\n4\n\nabc\n\n-1\n\n12345\n\n3x\ne\n");
  EXPECT_EQ(run.status, 1);
  const std::string expected = homeMenu() + "\f" + kListHeader + kThreeRows + summary(3) + kMainMenu +
                               "\n\t\tWrong input... try again.\n" + kMainMenu + kWhich + rowOutOfRange(3) + kWhich +
                               rowOutOfRange(3) + kWhich + rowOutOfRange(3) + kWhich + kNegativeRow + kWhich +
                               rowOutOfRange(3) + kWhich + "\f" + detailHeader("3");
  EXPECT_EQ(run.out.substr(0, expected.size()), expected);
  EXPECT_EQ(run.out.substr(run.out.size() - kDetailMenu.size()), kDetailMenu);
  EXPECT_EQ(run.err, "");
}

TEST(ScoreBoardE2E, DetailViewListsTheCandidatesOwnAttempts) {
  ScratchDir dir;
  // Two list rows of one candidate; either row opens the same screen.
  dir.write(CandiDatefilex, resultBytes({kMaths, kPhysics}));
  dir.write(kAnnResults, resultBytes({kMaths, kPhysics}));
  const std::string screen = "\f" + detailHeader("2") +
                             "  1. Maths                  66.7%                9:5:7         1234.5  Seconds\n"
                             "  2. Physics                100%             10:15:27      45.123457  Seconds\n" +
                             kDetailFooter + kDetailMenu;
  const ProgramRun run = runProgram(dir, "4\nv\n2\nq\np\nv\n1\nE\n");
  EXPECT_EQ(run.status, 1);
  const std::string list = "\f" + kListHeader +
                           " 1 = Ann Lee                Maths                  66.7%                     9:5:7"
                           "                 1.23e+03 Seconds\n"
                           " 2 = Ann Lee                Physics                100%                  10:15:27"
                           "                     45.1 Seconds\n" +
                           summary(2) + kMainMenu + kWhich;
  EXPECT_EQ(run.out, homeMenu() + list + screen + "\n\tWrong Entry, try again...\n\n" + kDetailMenu + list + screen);
}

TEST(ScoreBoardE2E, DetailViewShowsAtMostFiveHundredAttempts) {
  ScratchDir dir;
  dir.write(CandiDatefilex, resultBytes({kChemistry}));
  dir.write(kAnnResults, repeatedResultBytes(kChemistry, 501));
  const ProgramRun run = runProgram(dir, "4\nv\n1\ne\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("Total Subjects Attempted  : 500\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n  500. Chemistry              50%               11:0:0             90  Seconds\n\n   ___"),
            std::string::npos);
  EXPECT_EQ(run.out.find("  501. "), std::string::npos);
}

TEST(ScoreBoardE2E, EmptyResultFileShowsTheListRowsParticulars) {
  ScratchDir dir;
  dir.write(CandiDatefilex, resultBytes({kMaths}));
  dir.write(kAnnResults, "");
  const ProgramRun run = runProgram(dir, "4\nv\n1\ne\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find(detailHeader("0") +
                         "\n\t ----------------> No subjects attempted yet, try again later  <-----------------\n\n" +
                         kDetailFooter + kDetailMenu),
            std::string::npos);
}

TEST(ScoreBoardE2E, MissingResultFileEndsTheProgramWithZero) {
  ScratchDir dir;
  dir.write(CandiDatefilex, resultBytes({kMaths}));
  const ProgramRun run = runProgram(dir, "4\nv\n1\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "\n\tError while opening a file to read candidate File\n\n");
  EXPECT_EQ(run.out.substr(run.out.size() - kWhich.size()), kWhich);
}
