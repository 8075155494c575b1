#include "accounts/registration.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "records/data_files.h"
#include "records/record_layout.h"
#include "records/tutor_skeleton.h"
#include "tests/console_capture.h"
#include "tests/data_fixture.h"
#include "tests/scratch_dir.h"
#include "tests/screen_texts.h"
#include "tests/working_directory.h"

namespace {

const char* const kTutorPrompts[] = {
    "\nYour Name                        : ", "\nYour ID/Passport Number          : ",
    "\nYour Nationality                 : ", "\nYour Contact                     : ",
    "\nYour Email                       : ", "\nInstitution                      : ",
    "\nSubject Department               : ", "\nSubject Level                    : ",
};
const std::string kTutorPassword = "\n\tSet your Password (Easy for you) : ";
const std::string kTutorNegative = "\n\tNegatives are not allowed. Only Positive integers are allowed. \n\t";
const std::string kTutorRange =
    "\n\tThe character/number you have entered is out of range. The range is between 1 and 9000000.\n\n";
const std::string kTutorSaved =
    "\n\tYour information has been saved succesfully, now you can proceed to login page. \n\n";
const std::string kTutorDuplicate =
    "\n\tSorry... Id you entered already exists, try again with a different ID number.\n\n";

const std::string kTutorDetails = "Jane Doe\nA12\nKenya\n0700\njane@x.org\nHill School\nSciences\nForm 2\n";

std::string tutorForm() {
  std::string out;
  for (const char* p : kTutorPrompts) out += p;
  return out;
}

// Registers one tutor through the form; returns the account file's bytes.
std::string registerJane(const ScratchDir& dir, const std::string& password = "5\n") {
  ConsoleCapture console(kTutorDetails + password);
  TutorSkeleton tutor;
  PaperSkeleton paper;
  EXPECT_TRUE(registerTutor(tutor, paper));
  return dir.read(accountRegFileTutor);
}

}  // namespace

TEST(RegisterTutor, FormFillsTheRecordsAndAppendsOneAccount) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  ConsoleCapture console(kTutorDetails + "5\n");
  TutorSkeleton tutor;
  PaperSkeleton paper;
  ASSERT_TRUE(registerTutor(tutor, paper));
  EXPECT_EQ(console.out(), tutorForm() + kTutorPassword + clear() + kTutorSaved);
  EXPECT_EQ(console.err(), "");

  const std::string bytes = dir.read(accountRegFileTutor);
  ASSERT_EQ(bytes.size(), 1230u);
  EXPECT_EQ(textsOf(bytes, kTutorFormFields), "Jane Doe|A12|Kenya|0700|jane@x.org|Hill School|Sciences|Form 2");
  EXPECT_EQ(numberOf(bytes, "logInPassword"), 5);
  const FieldLayout& level = *FindField(TutorLayout(), "paperLevel");  // set with a paper
  EXPECT_EQ(bytes.substr(level.offset, level.width), std::string(level.width, '\0'));

  // The paper record already carries the author's details.
  EXPECT_STREQ(paper.setCandiNames(), "Jane Doe");
  EXPECT_STREQ(paper.setContact(), "0700");
  EXPECT_STREQ(paper.setEmail(), "jane@x.org");
  EXPECT_STREQ(paper.set_Institution(), "Hill School");
  EXPECT_STREQ(paper.set_Department(), "Sciences");
  EXPECT_STREQ(paper.setIDNumber(), "");
  EXPECT_STREQ(tutor.setCandiLevel(), "Form 2");
}

TEST(RegisterTutor, EnterAloneRepeatsAPromptAndLongTextIsCut) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  const std::string longName(150, 'n');
  ConsoleCapture console("\n\n" + longName + "\n\nA12\nKenya\n0700\njane@x.org\nHill School\nSciences\nForm 2\n5\n");
  TutorSkeleton tutor;
  PaperSkeleton paper;
  ASSERT_TRUE(registerTutor(tutor, paper));
  const std::string name = kTutorPrompts[0], id = kTutorPrompts[1];
  std::string rest;
  for (size_t i = 2; i < 8; ++i) rest += kTutorPrompts[i];
  EXPECT_EQ(console.out(), name + name + name + id + id + rest + kTutorPassword + clear() + kTutorSaved);
  EXPECT_EQ(std::string(tutor.setCandiNames()), std::string(99, 'n'));
}

TEST(RegisterTutor, PasswordOutsideOneToNineMillionIsRefused) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  ConsoleCapture console(kTutorDetails + "-1\n\n0\n\n9000001\n\nabc\n\n\n\n9000000\n");
  TutorSkeleton tutor;
  PaperSkeleton paper;
  ASSERT_TRUE(registerTutor(tutor, paper));
  const std::string range = kTutorPassword + kTutorRange + kPause;
  EXPECT_EQ(console.out(), tutorForm() + kTutorPassword + kTutorNegative + kPause + range + range + range + range +
                               kTutorPassword + clear() + kTutorSaved);
  EXPECT_EQ(tutor.setLogInPassword(), 9000000);
}

TEST(RegisterTutor, PasswordEdgesAndTrailingText) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  EXPECT_EQ(numberOf(registerJane(dir, "1\n"), "logInPassword"), 1);
  ScratchDir other;
  WorkingDirectory cwd2(other);
  EXPECT_EQ(numberOf(registerJane(other, "42xyz\n"), "logInPassword"), 42);
}

TEST(RegisterTutor, DuplicateIdIsAskedAgainCaseSensitively) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  registerJane(dir);
  ConsoleCapture console("Jim\nA12\n\na12\nKenya\n0700\njim@x.org\nHill School\nSciences\nForm 3\n7\n");
  TutorSkeleton tutor;
  PaperSkeleton paper;
  ASSERT_TRUE(registerTutor(tutor, paper));
  std::string rest;
  for (size_t i = 2; i < 8; ++i) rest += kTutorPrompts[i];
  EXPECT_EQ(console.out(), std::string(kTutorPrompts[0]) + kTutorPrompts[1] + kTutorDuplicate + kPause +
                               kTutorPrompts[1] + rest + kTutorPassword + clear() + kTutorSaved);
  const std::string bytes = dir.read(accountRegFileTutor);
  ASSERT_EQ(bytes.size(), 2460u);
  EXPECT_EQ(textOf(bytes.substr(kTutorRecordSize), "IDNumber"), "a12");
}

TEST(RegisterTutor, UnavailableFileIsReportedAndNothingHangs) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  ASSERT_EQ(::symlink("no/such/dir/x", accountRegFileTutor), 0);
  ConsoleCapture console(kTutorDetails + "5\n");
  TutorSkeleton tutor;
  PaperSkeleton paper;
  EXPECT_FALSE(registerTutor(tutor, paper));
  EXPECT_EQ(console.err(),
            "\n\t\tError encountered while accessing the file to wirte the account.\n"
            "\n\tError while opening a file to register tutor account...\n");
  EXPECT_EQ(console.out(), tutorForm() + kTutorPassword);
}

TEST(RegisterCandidate, FormAndMessagesOfTheCandidateSide) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  ConsoleCapture console("Ann Lee\nA12\nKenya\n0711\nann@x.org\nGrade 9\n-3\n\n0\n\n77\n");
  CandidateSkeleton candidate;
  ASSERT_TRUE(registerCandidate(candidate));
  const std::string prompt = "\n Set your Password ( Easy for you , hard for me ) : ";
  EXPECT_EQ(console.out(),
            "\n Your Name                 : \n Your ID/Passport Number   : \n Your Nationality          : "
            "\n Your Contact              : \n Your Email                : \n Candidate Level           : " +
                prompt + "\n Negatives are not allowed. Only Positive integers are allowed. \n\n" + kPause + prompt +
                "\nThe character/number you have entered is out of range. The range is between 1 and 9000000.\n\t" +
                kPause + prompt + clear() +
                "\n\tYour information has been saved succesfully, now you can proceed to login page.\n\n");
  const std::string bytes = dir.read(accountRegFileCandi);
  ASSERT_EQ(bytes.size(), 980u);
  EXPECT_EQ(textsOf(bytes, {"candiNames", "IDNumber", "candiCountry", "contact", "email", "candiLevel"}),
            "Ann Lee|A12|Kenya|0711|ann@x.org|Grade 9");
  EXPECT_EQ(numberOf(bytes, "logInPassword"), 77);
}

TEST(DuplicateChecks, NamespacesAreSeparateAndMessagesDiffer) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  registerJane(dir);
  {
    ConsoleCapture console("");
    EXPECT_FALSE(noDuplicateIDSTUDENT("A12"));
    EXPECT_EQ(dir.size(accountRegFileCandi), 0);  // created empty
    EXPECT_EQ(console.out() + console.err(), "");
  }
  ConsoleCapture console("Ann\nA12\nKenya\n0711\nann@x.org\nGrade 9\n77\n");
  CandidateSkeleton candidate;
  ASSERT_TRUE(registerCandidate(candidate));
  ConsoleCapture again("\n\n");
  EXPECT_TRUE(noDuplicateIDSTUDENT("A12"));
  EXPECT_TRUE(noDuplicateIDTUTOR("A12"));
  EXPECT_EQ(again.out(),
            "\n\tSorry... Id/Passport Number you entered already exists, try again with a different ID number.\n\n" +
                kPause + kTutorDuplicate + kPause);
}

TEST(DuplicateChecks, CandidateCheckIsSilentWhenTheFileIsUnavailable) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  ASSERT_EQ(::symlink("no/such/dir/x", accountRegFileCandi), 0);
  ConsoleCapture console("");
  EXPECT_FALSE(noDuplicateIDSTUDENT("A12"));
  EXPECT_EQ(console.out() + console.err(), "");
}
