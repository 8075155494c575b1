#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/tutor_skeleton.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/screen_texts.h"

namespace {

std::string stars(int n) { return std::string(n, '*'); }

const std::string kLeave = kGoodbye + kPause;

// Input and output of: home choice 1, the welcome screen and its key press.
const std::string kEnter = "1\n\n";
std::string entered() {
  return homeMenu() +
         "\f\n\tWelcome to Objective Paper builder Section.\n\tWhile here, you can write up questions and there "
         "respective options (A,B,C,D) and answers.\n"
         "\tFollow the procedures upto the end.\n"
         "\tWhen you are done, your question paper will be available in the Assessment Panel.\n"
         "\n\tFor better interrcation with this Application, you can Maximise this window.\n"
         "\t" +
         stars(77) + "\n\t" + kPause + "\f";
}

const std::string kLoggedOut = "\f\n\t\tYou are currently logged out.\n\n\t" + stars(76) +
                               "\n\n\tR = Register/ Sign up.\n\tL = Login/Sign in to start writting papers.\n"
                               "\tP = Previous Menu.\n\tE = Exit.\n\t\tYour choice : ";
const std::string kLoggedOutWrong =
    "\f\n\t\t\t---------------------> Wrong entry... try again <------------------------\n\n";

const std::string kForm =
    "\nYour Name                        : \nYour ID/Passport Number          : "
    "\nYour Nationality                 : \nYour Contact                     : "
    "\nYour Email                       : \nInstitution                      : "
    "\nSubject Department               : \nSubject Level                    : ";
const std::string kPassword = "\n\tSet your Password (Easy for you) : ";
const std::string kNegative = "\n\tNegatives are not allowed. Only Positive integers are allowed. \n\t" + kPause;
const std::string kOutOfRange =
    "\n\tThe character/number you have entered is out of range. The range is between 1 and 9000000.\n\n" + kPause;
const std::string kSaved =
    "\f\n\tYour information has been saved succesfully, now you can proceed to login page. \n\n"
    "\n\tYour account has been successfully registerd, now you can login and start writting Exams.\n"
    "\tAlways remember your ID/Passport Number for Login Access. Thank you!\n\n" +
    kPause;
const std::string kDuplicate =
    "\n\tSorry... Id you entered already exists, try again with a different ID number.\n\n" + kPause;

const std::string kIdPrompt = "\n   Your ID/Passport Number   : ";
const std::string kPasswordPrompt = "\n   Your Password             : ";
const std::string kLogin = "\f\n\tLogin with your ID/Passport Number and your Password to Continue...\n\t" + stars(87) +
                           "\n" + kIdPrompt + kPasswordPrompt;
const std::string kDenied =
    "\n\tEither your ID or Password is wrong ... \tAccess Denied   Try again with a correct ID or register new "
    "account.\n\n\t\t" +
    kPause;

// The greeting line depends on the clock; the runs replace it by a marker.
std::string loggedIn(const std::string& name) {
  return "\f\n\tYou are currently logged in as " + name + "\n<greeting>\n\n\t" + stars(78) +
         "\n\t\tQ = Set a Paper.\n\t\tR = View all Papers.\n\t\tT = All student Performance.\n\t\tV = Log Out."
         "\n\t\tYour choice (Q,R,T,V)  : ";
}
const std::string kLoggedInWrong = "\f\n\t\t----------------------> Wrong entry try again <----------------------\n\n";

const std::string kViewMenu = "\n\tB = Back to previous.\n\tE = Logout.\n\n\t\tYour choice : ";

const std::string kJane = "Jane Doe\nA12\nKenya\n0700\njane@x.org\nHill School\nSciences\nForm 2\n";

// The greeting after "logged in as <name>" depends on the clock; it is
// replaced by a marker line (its own test checks it names the tutor).
std::string maskGreetings(std::string out) {
  const std::string marker = "logged in as ";
  for (size_t at = out.find(marker); at != std::string::npos; at = out.find(marker, at + 1)) {
    const size_t line_end = out.find('\n', at);
    if (line_end == std::string::npos || out.compare(line_end, 3, "\n\n\t") != 0) continue;
    const size_t greeting_end = out.find('\n', line_end + 2);
    if (greeting_end == std::string::npos) continue;
    out.replace(line_end + 1, greeting_end - line_end - 1, "<greeting>");
  }
  return out;
}

ProgramRun run(const ScratchDir& dir, const std::string& input) {
  ProgramRun r = runProgram(dir, input);
  r.out = maskGreetings(r.out);
  return r;
}

}  // namespace

TEST(TutorAreaE2E, RegisterLogInLogOutAndGoHome) {
  ScratchDir dir;
  const ProgramRun r = run(dir, kEnter + "r\n" + kJane + "5\n\nA12\n5\nv\np\n5\n\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, entered() + kLoggedOut + kForm + kPassword + kSaved + kLogin + loggedIn("Jane Doe") + "\f" +
                       kLoggedOut + "\f" + homeMenu() + kLeave);
  const std::string bytes = dir.read(accountRegFileTutor);
  ASSERT_EQ(bytes.size(), 1230u);
  EXPECT_EQ(textsOf(bytes, kTutorFormFields), "Jane Doe|A12|Kenya|0700|jane@x.org|Hill School|Sciences|Form 2");
  EXPECT_EQ(numberOf(bytes, "logInPassword"), 5);
}

TEST(TutorAreaE2E, DuplicateIdIsRefusedOtherCaseAndCandidateIdAccepted) {
  ScratchDir dir;
  dir.write(accountRegFileTutor, accountBytes<TutorSkeleton>("A12", 5, "Jane Doe"));
  // The same ID registered as a candidate does not count for tutors.
  dir.write(accountRegFileCandi, accountBytes<CandidateSkeleton>("a12", 0, ""));

  const ProgramRun r = run(dir, kEnter + "R\nJim\nA12\n\na12\nKenya\n0700\njim@x.org\nHill\nArts\nForm 3\n7\n\ne\n");
  EXPECT_EQ(r.status, 0);  // input ends at the login screen's password prompt
  const std::string name = "\nYour Name                        : ";
  const std::string id = "\nYour ID/Passport Number          : ";
  EXPECT_EQ(r.out,
            entered() + kLoggedOut + name + id + kDuplicate + kForm.substr(name.size()) + kPassword + kSaved + kLogin);
  const std::string bytes = dir.read(accountRegFileTutor);
  ASSERT_EQ(bytes.size(), 2460u);
  EXPECT_EQ(textOf(bytes.substr(kTutorRecordSize), "IDNumber"), "a12");
  EXPECT_EQ(numberOf(bytes.substr(kTutorRecordSize), "logInPassword"), 7);
}

TEST(TutorAreaE2E, BadPasswordsAreRefusedAndTheEdgesAccepted) {
  ScratchDir dir;
  const ProgramRun r = run(dir, kEnter + "r\n" + kJane + "0\n\n-1\n\n9000001\n\nabc\n\n\n\n42xyz\n\nA12\n0042\n");
  EXPECT_EQ(r.out, entered() + kLoggedOut + kForm + kPassword + kOutOfRange + kPassword + kNegative + kPassword +
                       kOutOfRange + kPassword + kOutOfRange + kPassword + kOutOfRange + kPassword + kSaved + kLogin +
                       loggedIn("Jane Doe"));
  EXPECT_EQ(numberOf(dir.read(accountRegFileTutor), "logInPassword"), 42);

  for (const std::string password : {"1", "9000000"}) {
    ScratchDir edge;
    const ProgramRun e = run(edge, kEnter + "r\n" + kJane + password + "\n\nA12\n" + password + "\n");
    EXPECT_EQ(e.out, entered() + kLoggedOut + kForm + kPassword + kSaved + kLogin + loggedIn("Jane Doe")) << password;
  }
}

TEST(TutorAreaE2E, WrongIdOrPasswordIsDeniedAfterBothPrompts) {
  ScratchDir dir;
  dir.write(accountRegFileTutor, accountBytes<TutorSkeleton>("A12", 5, "Jane Doe"));
  const ProgramRun r =
      run(dir, kEnter + "l\nA13\n5\n\nL\nA12\n6\n\nl\na12\n5\n\nl\nA12\nabc\n\nlogin\n\n\nA12\n\n5\nE\n");
  EXPECT_EQ(r.status, 0);
  const std::string denied = kLogin + kDenied + kLoggedOut;
  // Enter alone repeats the ID and the password prompts.
  EXPECT_EQ(r.out, entered() + kLoggedOut + denied + denied + denied + denied +
                       kLogin.substr(0, kLogin.size() - kPasswordPrompt.size()) + kIdPrompt + kIdPrompt +
                       kPasswordPrompt + kPasswordPrompt + loggedIn("Jane Doe") + kLoggedInWrong +
                       loggedIn("Jane Doe"));
}

TEST(TutorAreaE2E, AccountsBeyondTheOldCapacitiesAndBeforeAPartialRecordLogIn) {
  ScratchDir dir;
  std::string accounts;
  for (int i = 1; i <= 700; ++i)
    accounts += accountBytes<TutorSkeleton>("T" + std::to_string(i), i, "Tutor " + std::to_string(i));
  dir.write(accountRegFileTutor, accounts + accountBytes<TutorSkeleton>("T701", 701, "Cut").substr(0, 600));
  for (int i : {501, 601, 700}) {
    const std::string n = std::to_string(i);
    const ProgramRun r = run(dir, kEnter + "l\nT" + n + "\n" + n + "\n");
    EXPECT_EQ(r.out, entered() + kLoggedOut + kLogin + loggedIn("Tutor " + n)) << i;
  }
  const ProgramRun cut = run(dir, kEnter + "l\nT701\n701\n\n");
  EXPECT_EQ(cut.out, entered() + kLoggedOut + kLogin + kDenied + kLoggedOut);
  // A duplicate far down the file is caught too.
  const ProgramRun dup = run(dir, kEnter + "r\nJim\nT650\n\n");
  EXPECT_EQ(dup.out, entered() + kLoggedOut + kForm.substr(0, 72) + kDuplicate + kForm.substr(36, 36));
  EXPECT_EQ(dir.size(accountRegFileTutor), 700 * 1230 + 600);
}

TEST(TutorAreaE2E, FirstLoginInAFreshDirectoryCreatesAnEmptyAccountFile) {
  ScratchDir dir;
  const ProgramRun r = run(dir, kEnter + "l\nA12\n5\n\n");
  EXPECT_EQ(r.out, entered() + kLoggedOut + kLogin + kDenied + kLoggedOut);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(dir.size(accountRegFileTutor), 0);
}

TEST(TutorAreaE2E, LoggedOutMenuLettersInBothCases) {
  ScratchDir dir;
  // P and p go home; a wrong key and a word starting with a wrong letter
  // show the menu again; "Exit" ends with status 1 and prints nothing.
  const ProgramRun r = run(dir, kEnter + "P\n1\n\np\n1\n\nx\nquit\nExit\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, entered() + kLoggedOut + "\f" + entered() + kLoggedOut + "\f" + entered() + kLoggedOut +
                       kLoggedOutWrong + kLoggedOut + kLoggedOutWrong + kLoggedOut);
  const ProgramRun lower = run(dir, kEnter + "e\n");
  EXPECT_EQ(lower.status, 1);
  EXPECT_EQ(lower.out, entered() + kLoggedOut);
  EXPECT_FALSE(dir.exists(accountRegFileTutor));
  EXPECT_FALSE(dir.exists(SubjectFile));
}

TEST(TutorAreaE2E, EveryMenuLetterActsAlikeInBothCases) {
  ScratchDir dir;
  dir.write(accountRegFileTutor, accountBytes<TutorSkeleton>("A12", 5, "Jane Doe"));
  const std::string login = kEnter + "l\nA12\n5\n";
  // Each pair of runs differs only in the case of one letter.
  const std::pair<std::string, std::string> pairs[] = {
      {kEnter + "R\nAnn\n", kEnter + "r\nAnn\n"},
      {kEnter + "L\nA12\n5\n", kEnter + "l\nA12\n5\n"},
      {login + "Q\n", login + "q\n"},
      {login + "R\nB\n", login + "r\nb\n"},
      {login + "T\n", login + "t\n"},
      {login + "V\n", login + "v\n"},
      {login + "r\nE\n", login + "r\ne\n"},
  };
  for (const auto& [upper, lower] : pairs) {
    ScratchDir a, b;
    a.write(accountRegFileTutor, dir.read(accountRegFileTutor));
    b.write(accountRegFileTutor, dir.read(accountRegFileTutor));
    const ProgramRun ra = run(a, upper);
    const ProgramRun rb = run(b, lower);
    EXPECT_EQ(ra.out, rb.out) << upper;
    EXPECT_EQ(ra.status, rb.status) << upper;
  }
}

TEST(TutorAreaE2E, LoggedInMenuLogOutAndWrongKey) {
  ScratchDir dir;
  dir.write(accountRegFileTutor, accountBytes<TutorSkeleton>("A12", 5, "Jane Doe"));
  const ProgramRun r = run(dir, kEnter + "l\nA12\n5\nz\n v\nE\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, entered() + kLoggedOut + kLogin + loggedIn("Jane Doe") + kLoggedInWrong + loggedIn("Jane Doe") +
                       "\f" + kLoggedOut);
}

TEST(TutorAreaE2E, ViewAllPapersBackLogoutAndWrongKey) {
  ScratchDir dir;
  dir.write(accountRegFileTutor, accountBytes<TutorSkeleton>("A12", 5, "Jane Doe"));
  dir.write(SubjectFile, libraryBytes("Paper", 1));
  const std::string list = kCatalogueHeading + "\t\t1 = Paper1" + kEndOfList + "\n\tTotal Papers : 1\n" + kViewMenu;
  const ProgramRun r = run(dir, kEnter + "l\nA12\n5\nr\nx\nBack\nR\ne\n5\n\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, entered() + kLoggedOut + kLogin + loggedIn("Jane Doe") + list + "\f\n\tWrong entry try again...\n" +
                       list + loggedIn("Jane Doe") + list + "\f" + homeMenu() + kLeave);
}

TEST(TutorAreaE2E, ViewAllPapersOverEveryLibraryShape) {
  const std::string& head = kCatalogueHeading;
  const std::string& tail = kEndOfList;
  auto entries = [](int from, int to) {
    std::string s;
    for (int i = from; i <= to; ++i) s += "\t\t" + std::to_string(i) + " = Paper" + std::to_string(i);
    return s;
  };
  struct Shape {
    const char* name;
    bool exists;
    std::string bytes;
    std::string listing;
  } shapes[] = {
      {"no file", false, "", "\n\tNo subjects currently, try again later...\n\n" + kNoSubjects},
      {"empty", true, "", kNoSubjects},
      {"1241 bytes", true, libraryBytes("Paper", 1).substr(0, kPaperRecordSize - 1), kNoSubjects},
      {"one", true, libraryBytes("Paper", 1), head + entries(1, 1) + tail + "\n\tTotal Papers : 1\n"},
      {"twelve", true, libraryBytes("Paper", 12),
       head + entries(1, 6) + "\n\n" + entries(7, 11) + "\n\n" + entries(12, 12) + tail + "\n\tTotal Papers : 12\n"},
  };
  for (const Shape& shape : shapes) {
    ScratchDir dir;
    dir.write(accountRegFileTutor, accountBytes<TutorSkeleton>("A12", 5, "Jane Doe"));
    if (shape.exists) dir.write(SubjectFile, shape.bytes);
    const ProgramRun r = run(dir, kEnter + "l\nA12\n5\nR\n");
    EXPECT_EQ(r.out, entered() + kLoggedOut + kLogin + loggedIn("Jane Doe") + shape.listing + kViewMenu) << shape.name;
    EXPECT_EQ(r.err, "") << shape.name;
    EXPECT_EQ(dir.size(SubjectFile), static_cast<long long>(shape.bytes.size())) << shape.name;
  }
}

TEST(TutorAreaE2E, GreetingNamesTheTutor) {
  ScratchDir dir;
  dir.write(accountRegFileTutor, accountBytes<TutorSkeleton>("A12", 5, "Jane Doe"));
  const ProgramRun r = runProgram(dir, kEnter + "l\nA12\n5\n");
  const size_t at = r.out.find("logged in as Jane Doe\n\n\t");
  ASSERT_NE(at, std::string::npos) << r.out;
  const size_t line_start = at + std::string("logged in as Jane Doe\n\n\t").size();
  const std::string line = r.out.substr(line_start, r.out.find('\n', line_start) - line_start);
  EXPECT_NE(line.find("Jane Doe, "), std::string::npos) << line;
  EXPECT_EQ(line.back(), ' ');
  EXPECT_EQ(r.out.compare(line_start + line.size(), 4, "\n\n\t*"), 0) << r.out;
}

TEST(TutorAreaE2E, UnavailableAccountFileIsReportedWithoutHanging) {
  ScratchDir dir;
  // A link into a missing directory: the file can be neither opened nor created.
  ASSERT_EQ(::symlink("no/such/dir/accounts", dir.file(accountRegFileTutor).c_str()), 0);
  const ProgramRun reg = run(dir, kEnter + "r\n" + kJane + "5\n");
  EXPECT_EQ(reg.status, 0);
  EXPECT_FALSE(reg.timedOut);
  // The form comes back after the failure; the input ends at its first prompt.
  EXPECT_EQ(reg.out, entered() + kLoggedOut + kForm + kPassword + kForm.substr(0, 36));
  EXPECT_EQ(reg.err,
            "\n\t\tError encountered while accessing the file to wirte the account.\n"
            "\n\tError while opening a file to register tutor account...\n");

  const ProgramRun login = run(dir, kEnter + "l\nA12\n5\n\n");
  EXPECT_EQ(login.out, entered() + kLoggedOut + kLogin + kDenied + kLoggedOut);
  EXPECT_EQ(login.err, "\n\tError opening the file\n\n");
}
