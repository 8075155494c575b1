#include "builder/question_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/builder_test_support.h"
#include "tests/console_capture.h"

using namespace builder_test;

namespace {

const std::string kEditPrompt = "\n\n   Which Number do you want to Edit : ";

std::string echo(const std::string& typed) { return "\n\n   You have entered : " + typed + "\n"; }

std::string outOfRange(int highest) {
  return "\n\tThe character/Number you have entered is out of range. The range is between 1 and " +
         std::to_string(highest) + "\n\t" + kPause;
}

const std::string kNegative =
    "\n   The number/character you have entered is negative. Only Positive integers are allowed. \n\n" + kPause;

}  // namespace

TEST(QuestionEdit, WrongNumbersAskAgainAfterAPause) {
  std::vector<QuestionSkeleton> questions = makePaper({1, 2, 3});
  ConsoleCapture console("0\n\n\n\nx\n\n4\n\n-2\n\n2\n" + questionLines(9, 'D') + "\n");
  editQuestion(questions);
  EXPECT_EQ(console.out(), kEditPrompt + echo("0") + outOfRange(3) + kEditPrompt + echo("") + outOfRange(3) +
                               kEditPrompt + echo("x") + outOfRange(3) + kEditPrompt + echo("4") + outOfRange(3) +
                               kEditPrompt + echo("-2") + kNegative + kEditPrompt + echo("2") + "\n\tQuestion 2\n" +
                               questionPrompts(9).substr(std::string("\n\tQuestion 9\n").size()) +
                               "\n\tQuestion number :  2  has been successfully edited.\n\n" + kPause + clear());
  EXPECT_EQ(questionBytes(questions[0]), questionBytes(makeQuestion(1, 1)));
  EXPECT_EQ(questionBytes(questions[1]), questionBytes(makeQuestion(9, 4)));
  EXPECT_EQ(questionBytes(questions[2]), questionBytes(makeQuestion(3, 3)));
}

TEST(QuestionEdit, EntryKeepsFourCharacters) {
  std::vector<QuestionSkeleton> questions = makePaper(std::vector<int>(1000, 1));
  ConsoleCapture console("10000\n" + questionLines(5, 'b') + "\n");
  editQuestion(questions);  // 10000 is read as 1000
  EXPECT_EQ(console.out().substr(0, kEditPrompt.size() + echo("1000").size()), kEditPrompt + echo("1000"));
  EXPECT_EQ(questionBytes(questions[999]), questionBytes(makeQuestion(5, 2)));
}
