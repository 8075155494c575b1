#include "builder/paper_definition.h"

#include <gtest/gtest.h>

#include <string>

#include "builder/builder_test_support.h"
#include "console/working_record.h"
#include "tests/console_capture.h"

using namespace builder_test;

namespace {

const std::string kTotalPrompt = "\n\tTotal Questions     : ";
const std::string kTotalRange =
    "\n  The character/number you have entered is out of range. The range is between 1 and 1000.\n";
const std::string kTotalBlank =
    "\n  Negatives and blank spaces are not allowed. Only Positive integers are allowed. \n\t";

const std::string kMinutesPrompt = "\n\tTotal minutes required : ";
const std::string kMinutesRange =
    "\nThe character/number you have entered is out of range. The range is between 1 and 100000.\n\t";
const std::string kMinutesNegative = "\nNegatives are not allowed. Only Positive integers are allowed. \n\t";

const std::string kTimeMenu = "\n <" + std::string(83, '-') + ">\n" +
                              "\n\t Y = Allocate time based on 2 mins per quetsion."
                              "\n\t N = Allocate time based on 1 min per quetsion."
                              "\n\t D = Let me allocate time by myself according to my experience.";
const std::string kTimePrompt = "\n\tYour Choice : ";

}  // namespace

TEST(PaperDefinition, SubjectIsAskedUntilTypedAndStoredInBothRecords) {
  ConsoleCapture console("\n\nPhysics of  Light\n");
  TutorSkeleton tutor;
  PaperSkeleton paper;
  enterSubject(tutor, paper);
  EXPECT_EQ(console.out(),
            "\n\tFollow these steps to set your objective quetsion paper.\n\n"
            "\nSubject Name         : \nSubject Name         : \nSubject Name         : ");
  EXPECT_STREQ(abcdData.paperSubject, "Physics of  Light");
  EXPECT_STREQ(tutor.setsubjectName(), "Physics of  Light");
  EXPECT_STREQ(paper.setsubjectName(), "Physics of  Light");
}

TEST(PaperDefinition, LongSubjectKeepsNinetyNineCharacters) {
  ConsoleCapture console(std::string(150, 's') + "\n");
  TutorSkeleton tutor;
  PaperSkeleton paper;
  enterSubject(tutor, paper);
  EXPECT_EQ(std::string(paper.setsubjectName()), std::string(99, 's'));
}

TEST(PaperDefinition, QuestionTotalRejectsWithoutPausing) {
  ConsoleCapture console("0\nabc\n1001\n-3\n\n99999999999\n1\n");
  EXPECT_EQ(enterQuestionTotal(), 1);
  EXPECT_EQ(abcdData.questionTotal, 1);
  EXPECT_EQ(console.out(), kTotalPrompt + kTotalRange + kTotalPrompt + kTotalRange + kTotalPrompt + kTotalRange +
                               kTotalPrompt + kTotalBlank + kTotalPrompt + kTotalBlank + kTotalPrompt + kTotalRange +
                               kTotalPrompt);
}

TEST(PaperDefinition, QuestionTotalAcceptsBoundsAndLeadingDigits) {
  for (const auto& [typed, value] :
       {std::pair<const char*, int>{"1000\n", 1000}, {" 7\n", 7}, {"12abc\n", 12}, {"+5\n", 5}, {"5-3\n", 5}}) {
    ConsoleCapture console(typed);
    EXPECT_EQ(enterQuestionTotal(), value) << typed;
    EXPECT_EQ(console.out(), kTotalPrompt) << typed;
  }
}

TEST(PaperDefinition, TimeMenuAsksAgainWithoutShowingTheChoices) {
  ConsoleCapture console("x\n  dog\nY\n");
  EXPECT_EQ(definePaperTime(), 'd');
  EXPECT_EQ(console.out(),
            clear() + kTimeMenu + kTimePrompt + "\n\tWrong entry try again with Y,N, or D. Thank you.\n" + kTimePrompt);
}

TEST(PaperDefinition, TimeMenuTakesEveryLetterInEitherCase) {
  for (char letter : std::string("YNDynd")) {
    ConsoleCapture console(std::string(1, letter) + "\n");
    EXPECT_EQ(definePaperTime(), letter);
  }
}

TEST(PaperDefinition, AllowanceFromTheQuestionCount) {
  ConsoleCapture console("");
  EXPECT_EQ(allowedMinutes('Y', 7), 14.0);
  EXPECT_EQ(allowedMinutes('y', 1000), 2000.0);
  EXPECT_EQ(allowedMinutes('N', 7), 7.0);
  EXPECT_EQ(allowedMinutes('n', 3), 3.0);
  EXPECT_EQ(console.out(), "");
}

TEST(PaperDefinition, TypedMinutesPauseAfterEachMessage) {
  ConsoleCapture console("0\n\n\n\nx\n\n-5\n\n45\n");
  EXPECT_EQ(allowedMinutes('D', 10), 45.0);
  const std::string range = kMinutesPrompt + kMinutesRange + kPause;
  EXPECT_EQ(console.out(), range + range + range + kMinutesPrompt + kMinutesNegative + kPause + kMinutesPrompt);
}

TEST(PaperDefinition, TypedMinutesKeepFourCharacters) {
  ConsoleCapture console("123456\n");
  EXPECT_EQ(allowedMinutes('d', 10), 1234.0);
}
