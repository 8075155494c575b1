#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "console/calendar.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/screen_texts.h"

namespace {

const std::string kStars78 = std::string(78, '*');

const std::string kLeave = kGoodbye + kPause;

const std::string kLoggedOut = "\f\n\t\tYou are currently logged out.\n\n\t" + kStars78 +
                               "\n\n\tQ = View available Subjects.\n\tR = Register/Sign up.\n"
                               "\tL = Login to your account and start attempting Papers.\n"
                               "\tP = Back to previous menu.\n\tE = Exit.\n\n\t Your choice (R,L,P,E,Q) : ";

const std::string kLogin =
    "\f\n\n\tLogin with your ID/Passport Number and Password to Continue...\n"
    "\n\tYour ID/Passport Number   : \n\tYour Password             : ";

std::string loggedIn(const std::string& name) {
  return "\f\n\tYou are currently logged in as " + name + "\n<greeting>\n\t" + kStars78 +
         "\n\t\tQ = Available Papers.\n\t\tR = Take an assessment.\n\t\tS = View my attempted Papers.\n"
         "\t\tT = Log Out.\n\n\tYour choice (Q,R,S,T)  : ";
}

const std::string kSaveOrDrop =
    "\n\n\tChoose from options below to proceed.\n\tQ = Attempt another Paper.\n\tN = Save and continue.\n"
    "\n\t\tYour Choice  : ";

const std::string kThankYou =
    "\f\n\n\tThank you for your time, keep trying all papers provided by your tutor. Remember final examination "
    "is soon...!\n\n\t\t\t  **************************   Now returning to previous menu   "
    "**************************\n\n" +
    kPause;

// Replaces each text that follows `label`, up to `stop`, by `mark`.
std::string masked(std::string s, const std::string& label, const std::string& stop, const std::string& mark) {
  for (size_t at = s.find(label); at != std::string::npos; at = s.find(label, at)) {
    at += label.size();
    const size_t end = s.find(stop, at);
    if (end == std::string::npos) break;
    s.replace(at, end - at, mark);
  }
  return s;
}

// Replaces what depends on the hour, chance or the clock: the greeting line
// under the logged-in banner ("\n\t" opening, name, ", " phrase " \n"), the
// seconds of the time reminders and the seconds used.
std::string normalized(const std::string& out) {
  std::string s = out;
  const std::string banner = "You are currently logged in as ";
  for (size_t at = s.find(banner); at != std::string::npos; at = s.find(banner, at + 1)) {
    const size_t line = s.find('\n', at);
    const size_t end = line == std::string::npos ? line : s.find('\n', line + 2);
    if (end == std::string::npos) break;
    const std::string greeting = s.substr(line + 1, end - line);
    const bool looksRight = greeting.compare(0, 2, "\n\t") == 0 && greeting.find(", ") != std::string::npos &&
                            greeting.size() > 6 && greeting.compare(greeting.size() - 5, 5, "... \n") == 0;
    if (looksRight) s.replace(line + 1, end - line, "<greeting>");
  }
  s = masked(s, "Time reminder : ", " seconds", "<s>");
  return masked(s, "you have used : ", " seconds", "<s>");
}

// Returns true for hours:minutes:seconds written without leading zeros.
bool isTimeOfDay(const std::string& t) {
  int h = -1, m = -1, sec = -1;
  char tail = 0;
  if (std::sscanf(t.c_str(), "%d:%d:%d%c", &h, &m, &sec, &tail) != 3) return false;
  return h >= 0 && h < 24 && m >= 0 && m < 60 && sec >= 0 && sec < 61 &&
         t == std::to_string(h) + ":" + std::to_string(m) + ":" + std::to_string(sec);
}

class CandidateAreaE2E : public ::testing::Test {
 protected:
  // Registers Mary Ann (A123, password 1234) and puts Physics (three
  // questions, correct B, A, D; ten minutes) in the library.
  void SetUp() override {
    dir.write(accountRegFileCandi,
              candidateBytes(candidateNamed("Mary Ann", "A123")) + candidateBytes(candidateNamed("Tom Bell", "KE/77")));
    physics.totalQuestions = 3;
    physics.minutes = 10;
    dir.write(SubjectFile, paperBytes(physics));
    dir.write(questionFileOf(physics), questionBytes({2, 1, 4}));
  }

  ProgramRun run(const std::string& input) { return runProgram(dir, input); }

  ScratchDir dir;
  PaperFacts physics;
  const std::string ownFile = "A123_Mary Ann.abcdrpt";
};

const std::string kLogInMary = "2\nl\nA123\n1234\n";

// The screens of one Physics attempt chosen from a library of one paper,
// up to the save-or-drop prompt.
std::string physicsAttempt(const std::string& score) {
  const std::string q = "\n\tTime reminder : <s> seconds remaining.\n";
  auto question = [](const char* n) {
    const std::string s = n;
    return "\n\t" + s + ". Question " + s + " ?\n\tA. A " + s + "\n\tB. B " + s + "\n\tC. C " + s + "\n\tD. D " + s +
           "\n\n\tYour choice : ";
  };
  return "\f\n\tSubject Name \n\n\t" + std::string(85, '*') + "\n\t1 = Physics \t" +
         "\n\t *********************         End of the List       **********************\n"
         "\n\tTotal Papers : 1\n\n  Which paper do you want to attempt : \n  You have entered : 1\n"
         "\f\n\t You have chosen : Physics\n\n\n  Subject Name            :  Physics\n"
         "\n  Subject Author          :  John Doe\n\n  Subject Level           :  Form 4\n"
         "\n  Total Questions         :  3 Questions.\n\n  Duration                :  10 Min(s).\n"
         "\n John Doe wishes you success \n\n" +
         kPause + "\f" + q + question("1") + q + question("2") + q + question("3") + "\n" + std::string(103, '_') +
         "\n\n\tSubject Name     : Physics\n\n\tTotal Questions  : 3 Questions.\n\n\tDuration         : 10 Mins.\n"
         "\n\tAuthor           : John Doe\n\n\tLevel            : Form 4\n\n\tContact          : 0700111222\n"
         "\n\tEmail            : john@school.example\n\n\tDepartment       : Sciences\n\n\t" +
         std::string(102, '_') + "\n\n\n\tYour score : " + score + "%   you have used : <s> seconds.\n\t" +
         std::string(104, '_') + "\n";
}

}  // namespace

TEST_F(CandidateAreaE2E, AttemptSavedWithNScreenByScreen) {
  const ProgramRun r = run(kLogInMary + "r\n1\n\nb\nc\nd\nn\n\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(normalized(r.out), homeMenu() + kLoggedOut + kLogin + loggedIn("Mary Ann") + physicsAttempt("66.7") +
                                   kSaveOrDrop + kThankYou + loggedIn("Mary Ann") + "\f" + kLoggedOut + homeMenu() +
                                   kLeave);

  const std::string common = dir.read(CandiDatefilex);
  ASSERT_EQ(common.size(), kCandidateRecordSize);
  EXPECT_EQ(dir.read(ownFile), common);
  CandidateSkeleton saved = candidateAt(common, 0);
  EXPECT_STREQ(saved.setCandiNames(), "Mary Ann");
  EXPECT_STREQ(saved.setIDNumber(), "A123");
  EXPECT_EQ(saved.setLogInPassword(), 1234);
  EXPECT_STREQ(saved.setcandiCountry(), "Kenya");
  EXPECT_STREQ(saved.setContact(), "0711000111");
  EXPECT_STREQ(saved.setEmail(), "mary@home.example");
  EXPECT_STREQ(saved.setCandiLevel(), "Form 4");
  EXPECT_STREQ(saved.setsubjectName(), "Physics");
  EXPECT_DOUBLE_EQ(saved.setcandiscores(), 200.0 / 3);
  EXPECT_GE(saved.setTimeTaken(), 0.0);
  EXPECT_LT(saved.setTimeTaken(), 30.0);
  EXPECT_EQ(textOf(common, "dateAttempted"), dateOfToday());
  const std::string at = saved.setTimeAttempted();
  EXPECT_TRUE(isTimeOfDay(at)) << at;
  EXPECT_EQ(textOf(common, "timeAttempted"), at);
}

TEST_F(CandidateAreaE2E, QDropsTheAttemptAndWrongKeysAskAgain) {
  const ProgramRun r = run(kLogInMary + "r\n1\n\nb\na\nd\nx\nq\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(normalized(r.out), homeMenu() + kLoggedOut + kLogin + loggedIn("Mary Ann") + physicsAttempt("100") +
                                   kSaveOrDrop +
                                   "\f\n\t\tWrong entry, try again with accepted letter.\tThank you.\n\n" +
                                   kSaveOrDrop + "\f" + loggedIn("Mary Ann") + "\f" + kLoggedOut + homeMenu() + kLeave);
  EXPECT_FALSE(dir.exists(CandiDatefilex));
  EXPECT_FALSE(dir.exists(ownFile));
}

TEST_F(CandidateAreaE2E, TwoSavedAttemptsInSavingOrderAndTheOwnResults) {
  PaperFacts maths;
  maths.subject = "Maths";
  maths.totalQuestions = 2;
  dir.append(SubjectFile, paperBytes(maths));
  dir.write(questionFileOf(maths), questionBytes({1, 1}));
  const ProgramRun r = run(kLogInMary + "r\n1\n\nb\na\nd\nN\n\nR\n2\n\na\nb\nn\n\ns\nb\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  const std::string common = dir.read(CandiDatefilex);
  ASSERT_EQ(common.size(), 2 * kCandidateRecordSize);
  EXPECT_EQ(dir.read(ownFile), common);
  EXPECT_STREQ(candidateAt(common, 0).setsubjectName(), "Physics");
  EXPECT_DOUBLE_EQ(candidateAt(common, 0).setcandiscores(), 100.0);
  EXPECT_STREQ(candidateAt(common, kCandidateRecordSize).setsubjectName(), "Maths");
  EXPECT_DOUBLE_EQ(candidateAt(common, kCandidateRecordSize).setcandiscores(), 50.0);
  // The own results list both, in saving order.
  const std::string out = r.out;
  const size_t list = out.find("Total Subjects Attempted  : 2\n");
  ASSERT_NE(list, std::string::npos);
  const size_t first = out.find("  1. Physics                100% ", list);
  const size_t second = out.find("  2. Maths                  50% ", list);
  EXPECT_NE(first, std::string::npos);
  EXPECT_NE(second, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_NE(out.find(" Seconds\n\n  " + std::string(32, '_') + "  www.quizmora.example  " + std::string(41, '_') +
                         "\n\n\t B = Back to previous options.\n\t N = Log out\n\t E = Exit application\n\n\tYour "
                         "Choice (B,N,E): ",
                     list),
            std::string::npos);
}

TEST_F(CandidateAreaE2E, PaperChoiceWithThreePapers) {
  PaperFacts maths, chemistry;
  maths.subject = "Maths";
  chemistry.subject = "Chemistry";
  dir.write(SubjectFile, paperBytes(maths) + paperBytes(physics) + paperBytes(chemistry));
  const ProgramRun r = run(kLogInMary + "r\n0\n\n4\n\nabc\n\n\n\n-1\n\n2x\n\nb\na\nd\nq\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  const std::string range =
      "\n  The character/Number you have entered is out of range. The range is between 1 and 3\n\n\t" + kPause;
  const std::string negative =
      "\n The number you have entered is negative. Only Positive integers are allowed. \n\n" + kPause;
  auto echo = [](const std::string& typed) {
    return "\n  Which paper do you want to attempt : \n  You have entered : " + typed + "\n";
  };
  EXPECT_NE(r.out.find("\t1 = Maths \t\t2 = Physics \t\t3 = Chemistry \t\n\t ****"), std::string::npos);
  EXPECT_NE(r.out.find("\n\tTotal Papers : 3\n" + echo("0") + range + echo("4") + range + echo("abc") + range +
                       echo("") + range + echo("-1") + negative + echo("2x") + "\f\n\t You have chosen : Physics\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\n\tYour score : 100%"), std::string::npos);
}

TEST_F(CandidateAreaE2E, InvalidAnswerLettersAskAgain) {
  const ProgramRun r = run(kLogInMary + "r\n1\n\ne\n1\nB\na\nd\nq\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  const std::string invalid = "\n\tInvalid input, accepted letters are A,B,C,D. Try again please.\n\n\tYour choice : ";
  EXPECT_NE(r.out.find("\tD. D 1\n\n\tYour choice : " + invalid + invalid + "\n\tTime reminder"), std::string::npos);
  EXPECT_NE(r.out.find("\n\tYour score : 100%"), std::string::npos);
}

TEST_F(CandidateAreaE2E, EmptyLibraryIsReportedBeforeAnyChoice) {
  dir.write(SubjectFile, std::string(kPaperRecordSize - 1, 'x'));
  const ProgramRun r = run(kLogInMary + "r\n\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(normalized(r.out), homeMenu() + kLoggedOut + kLogin + loggedIn("Mary Ann") +
                                   "\n\n\tThe list is empty, try again later.\n\n\n" + kPause + loggedIn("Mary Ann") +
                                   "\f" + kLoggedOut + homeMenu() + kLeave);
}

TEST_F(CandidateAreaE2E, MissingLibraryIsCreatedBeforeSayingItIsEmpty) {
  ::remove(dir.file(SubjectFile).c_str());
  const ProgramRun r = run(kLogInMary + "r\n\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "\n\tCurrently the list of papers is lonely... try again later.\n\n");
  EXPECT_NE(r.out.find("\n\n\tThe list is empty, try again later.\n\n\n" + kPause), std::string::npos);
  EXPECT_EQ(dir.size(SubjectFile), 0);
}

TEST_F(CandidateAreaE2E, BlankPaperScoresZeroAndCanBeSaved) {
  ::remove(dir.file(questionFileOf(physics)).c_str());
  const ProgramRun r = run(kLogInMary + "r\n1\n\nn\n\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("  10 Min(s).\n\n The question paper you are accessing is blank.... \n\n\n John Doe wishes "
                       "you success \n\n" +
                       kPause + "\f\n" + std::string(103, '_')),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\n\tYour score : 0%   you have used : "), std::string::npos);
  EXPECT_EQ(dir.size(questionFileOf(physics)), 0);
  const std::string common = dir.read(CandiDatefilex);
  ASSERT_EQ(common.size(), kCandidateRecordSize);
  EXPECT_DOUBLE_EQ(candidateAt(common, 0).setcandiscores(), 0.0);
  EXPECT_EQ(dir.read(ownFile), common);
}

TEST_F(CandidateAreaE2E, ResultFileOfAnIdWithASlash) {
  const ProgramRun r = run("2\nl\nKE/77\n1234\nr\n1\n\nb\na\nd\nn\n\ns\nb\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(dir.size("KE_77_Tom Bell.abcdrpt"), static_cast<long long>(kCandidateRecordSize));
  EXPECT_EQ(dir.read("KE_77_Tom Bell.abcdrpt"), dir.read(CandiDatefilex));
  EXPECT_STREQ(candidateAt(dir.read(CandiDatefilex), 0).setIDNumber(), "KE/77");
  EXPECT_NE(r.out.find("Total Subjects Attempted  : 1\n"), std::string::npos);
  EXPECT_EQ(r.err, "");
}

TEST_F(CandidateAreaE2E, OwnResultsWithoutAttemptsAndTheirKeys) {
  // x: wrong key; B: back; S again, N: logged out.
  const ProgramRun r = run(kLogInMary + "s\nx\n\nb\ns\nn\n\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  const std::string noFile = "\n\tError while opening a file to read candidateFile\n\n";
  EXPECT_EQ(r.err, noFile + noFile + noFile);
  const std::string screen =
      "\f\n " + std::string(83, '_') +
      " \n\n\tCandidate Names           : Mary Ann\n\n\tCandidate ID/Passport     : A123\n"
      "\n\tCandidate Nationality     : Kenya\n\n\tCandidate Contact Number  : 0711000111\n"
      "\n\tCandidate Email           : mary@home.example\n\n\tTotal Subjects Attempted  : 0\n"
      "\n " +
      std::string(84, '_') +
      "\n\n\n\tYou have not attempted any subject sofar, check after you have taken an assessment "
      "to know your scores. Thanks\n\n\t B = Back to previous options.\n\t N = Log out\n\t E = "
      "Exit application\n\n\tYour Choice (B,N,E): ";
  EXPECT_EQ(normalized(r.out), homeMenu() + kLoggedOut + kLogin + loggedIn("Mary Ann") + screen +
                                   "\n\tWrong entry, try again Mary Ann\n\t\t" + kPause + "\f" + screen +
                                   loggedIn("Mary Ann") + screen +
                                   "\n\n\tMary Ann now  you are getting Logged out \n\n\t\tGet more libraries from "
                                   "www.quizmora.example \n\t\t" +
                                   kPause + kLoggedOut + homeMenu() + kLeave);
  EXPECT_FALSE(dir.exists(ownFile));
}

TEST_F(CandidateAreaE2E, EveryExitKeyWithItsStatus) {
  struct Case {
    const char* input;
    int status;
    std::string ending;
  };
  const std::vector<Case> cases = {
      {"2\ne\n\n", 1, kLoggedOut + "\n\n\tLet us meet on  www.quizmora.example  for more libraries.\n\n" + kPause},
      {"2\nq\ne\n", 1,
       "\n\tTotal Papers : 1\n\n\tR = Return to Previous Menu.\n\tS = Return to Home Menu.\n"
       "\tE = Exit Application.\n\n\t Your choice  : "},
      {"2\nl\nA123\n1234\nq\nx\n", 0,
       "\n\tTotal Papers : 1\n\n\tB = Back to previous.\n\tE = Logout.\n\t\tYour Choice : "},
      {"2\nl\nA123\n1234\ns\ne\n\n", 1,
       "\n\n\t\tThank you Mary Ann   Get more libraries from www.quizmora.example \n\t\t" + kPause},
      {"2\np\n5\n\n", 0, kLoggedOut + homeMenu() + kLeave},
  };
  for (const Case& c : cases) {
    ScratchDir fresh;
    fresh.write(accountRegFileCandi, dir.read(accountRegFileCandi));
    fresh.write(SubjectFile, dir.read(SubjectFile));
    const ProgramRun r = runProgram(fresh, c.input);
    EXPECT_EQ(r.status, c.status) << c.input;
    const std::string& out = r.out;
    EXPECT_TRUE(out.size() >= c.ending.size() &&
                out.compare(out.size() - c.ending.size(), c.ending.size(), c.ending) == 0)
        << c.input << "\n"
        << out;
  }
}

TEST_F(CandidateAreaE2E, LoggedOutPaperListKeys) {
  const ProgramRun r = run("2\nQ\nx\n\nr\nq\ns\n5\n\n");
  EXPECT_EQ(r.status, 0);
  const std::string list = kCatalogueHeading + "\t\t1 = Physics" + kEndOfList +
                           "\n\tTotal Papers : 1\n\n\tR = Return to Previous Menu.\n\tS = Return to Home Menu.\n"
                           "\tE = Exit Application.\n\n\t Your choice  : ";
  EXPECT_EQ(r.out, homeMenu() + kLoggedOut + list +
                       "\n\n -------------------> Wrong entry, try again <-----------------\n\n." + kPause + "\f" +
                       list + kLoggedOut + list + homeMenu() + kLeave);
}

TEST_F(CandidateAreaE2E, LoggedInPaperListAndMenuKeys) {
  // B back, a wrong key, E logs out; then T after logging in again.
  const ProgramRun r = run(kLogInMary + "q\nb\nz\n\nq\ne\nl\nKE/77\n1234\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  const std::string list = kCatalogueHeading + "\t\t1 = Physics" + kEndOfList +
                           "\n\tTotal Papers : 1\n\n\tB = Back to previous.\n\tE = Logout.\n\t\tYour Choice : ";
  EXPECT_EQ(normalized(r.out), homeMenu() + kLoggedOut + kLogin + loggedIn("Mary Ann") + list + loggedIn("Mary Ann") +
                                   "\f\n\n\tThe key you entered was wrong... try again.\n\n" + kPause +
                                   loggedIn("Mary Ann") + list + "\f" + kLoggedOut + kLogin + loggedIn("Tom Bell") +
                                   "\f" + kLoggedOut + homeMenu() + kLeave);
}

TEST_F(CandidateAreaE2E, WrongLoginAndWrongKeysOfTheLoggedOutMenu) {
  const ProgramRun r = run("2\nx\n\nL\n\nA123\n\n999\n\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, homeMenu() + kLoggedOut + "\n\tInvalid Input... try again.\n\n" + kPause + "\f" + kLoggedOut +
                       "\f\n\n\tLogin with your ID/Passport Number and Password to Continue...\n"
                       "\n\tYour ID/Passport Number   : \n\tYour ID/Passport Number   : "
                       "\n\tYour Password             : \n\tYour Password             : "
                       "\n\tEither your ID or Password is wrong ... \n\t\t\tAccess Denied  \tTry again with a correct "
                       "ID and password or register new account.\n\n\t\t" +
                       kPause + "\f" + kLoggedOut + homeMenu() + kLeave);
}

TEST_F(CandidateAreaE2E, RegistrationLeadsToTheLoginScreen) {
  const ProgramRun r = run("2\nr\nAnn Lee\nB555\nUganda\n0788\nann@x.example\nForm 2\n4321\n\nB555\n4321\nt\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(dir.size(accountRegFileCandi), static_cast<long long>(3 * kCandidateRecordSize));
  EXPECT_NE(normalized(r.out).find("\n\tYour information has been saved succesfully, now you can proceed to login "
                                   "page.\n\n\n" +
                                   kPause + kLogin + loggedIn("Ann Lee")),
            std::string::npos)
      << r.out;
}
