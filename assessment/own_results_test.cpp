#include "assessment/own_results.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>

#include "records/data_files.h"
#include "tests/console_capture.h"
#include "tests/data_fixture.h"
#include "tests/scratch_dir.h"
#include "tests/working_directory.h"

namespace {

const std::string kMenu =
    "\n\t B = Back to previous options.\n\t N = Log out\n\t E = Exit application\n\n\tYour Choice (B,N,E): ";
const std::string kClosingRule =
    "\n  " + std::string(32, '_') + "  www.quizmora.example  " + std::string(41, '_') + "\n";

std::string particulars(size_t attempts) {
  return "\f\n " + std::string(83, '_') + " \n" + "\n\tCandidate Names           : Mary Ann\n" +
         "\n\tCandidate ID/Passport     : A123\n" + "\n\tCandidate Nationality     : Kenya\n" +
         "\n\tCandidate Contact Number  : 0711000111\n" + "\n\tCandidate Email           : mary@home.example\n" +
         "\n\tTotal Subjects Attempted  : " + std::to_string(attempts) + "\n" + "\n " + std::string(84, '_') + "\n\n";
}

// Returns a saved attempt of the candidate.
CandidateSkeleton attempt(const char* subject, double score, const char* at, double seconds) {
  CandidateSkeleton c = candidateNamed("Mary Ann", "A123");
  c.getsubjectName(subject);
  c.getcandiscores(score);
  c.getTimeAttempted(at);
  c.getDateAttempted("7/12/2026 | Monday");
  c.getTimeTaken(seconds);
  return c;
}

std::string line(int n, const std::string& subject, const std::string& score, const std::string& at,
                 const std::string& seconds) {
  std::ostringstream s;
  s << "  " << n << ". " << subject << std::string(subject.size() < 23 ? 23 - subject.size() : 0, ' ') << score << "% "
    << std::string(25 - at.size(), ' ') << at << std::string(25 - seconds.size(), ' ') << seconds << " Seconds\n";
  return s.str();
}

class OwnResults : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(cwd.ok()); }

  ScratchDir dir;
  WorkingDirectory cwd{dir};
  CandidateSkeleton candidate = candidateNamed("Mary Ann", "A123");
  const std::string file = ResultFileName("A123", "Mary Ann");
};

}  // namespace

TEST_F(OwnResults, ListsTheSavedAttemptsInSavingOrder) {
  dir.write(file, candidateBytes(attempt("Physics", 70, "9:5:7", 42.418)) +
                      candidateBytes(attempt("Chemistry", 200.0 / 3, "14:30:2", 600)));
  ConsoleCapture console("x\n");
  EXPECT_EQ(displayOwnCandidateDetails(candidate), 'x');
  EXPECT_EQ(console.out(), particulars(2) + line(1, "Physics", "70", "9:5:7", "42.418") +
                               line(2, "Chemistry", "66.7", "14:30:2", "600") + kClosingRule + kMenu);
  EXPECT_EQ(console.err(), "");
  EXPECT_EQ(std::cout.precision(), 8);
  EXPECT_TRUE(std::cout.flags() & std::ios::right);
}

TEST_F(OwnResults, NoFileShowsNoAttemptAndIsNotCreated) {
  ConsoleCapture console("  n\n");
  std::cout << std::left << std::setprecision(3);  // as a timed attempt leaves them
  EXPECT_EQ(displayOwnCandidateDetails(candidate), 'n');
  EXPECT_EQ(console.err(), "\n\tError while opening a file to read candidateFile\n\n");
  EXPECT_EQ(console.out(), particulars(0) +
                               "\n\tYou have not attempted any subject sofar, check after you have taken an "
                               "assessment to know your scores. Thanks\n" +
                               kMenu);
  EXPECT_FALSE(dir.exists(file));
  EXPECT_EQ(std::cout.precision(), 8);
  EXPECT_TRUE(std::cout.flags() & std::ios::right);
}

TEST_F(OwnResults, SubjectFieldIsTwentyThreeWideAndLongerNamesPushOn) {
  const std::string exact(23, 's');
  const std::string longer(30, 'L');
  dir.write(file, candidateBytes(attempt(exact.c_str(), 100, "1:2:3", 5)) +
                      candidateBytes(attempt(longer.c_str(), 0, "1:2:4", 5)));
  ConsoleCapture console("B\n");
  EXPECT_EQ(displayOwnCandidateDetails(candidate), 'B');
  EXPECT_NE(console.out().find("  1. " + exact + "100% "), std::string::npos);
  EXPECT_NE(console.out().find("  2. " + longer + "0% "), std::string::npos);
}

TEST_F(OwnResults, TornLastRecordIsIgnoredAndAtMostFiveHundredAreShown) {
  std::string bytes;
  for (int i = 0; i < 501; ++i) bytes += candidateBytes(attempt("Maths", 50, "8:0:0", 1));
  dir.write(file, bytes + std::string(500, '\0'));
  ConsoleCapture console("e\n");
  EXPECT_EQ(displayOwnCandidateDetails(candidate), 'e');
  EXPECT_NE(console.out().find("Total Subjects Attempted  : 500\n"), std::string::npos);
  EXPECT_NE(console.out().find("  500. Maths"), std::string::npos);
  EXPECT_EQ(console.out().find("  501. "), std::string::npos);
}

TEST_F(OwnResults, ResultFileOfAnIdWithSlashesStaysInTheWorkingDirectory) {
  candidate = candidateNamed("Mary Ann", "KE/2026\\7");
  dir.write("KE_2026_7_Mary Ann.abcdrpt", candidateBytes(attempt("Physics", 70, "9:5:7", 1)));
  ConsoleCapture console("b\n");
  displayOwnCandidateDetails(candidate);
  EXPECT_NE(console.out().find("Total Subjects Attempted  : 1\n"), std::string::npos);
}
