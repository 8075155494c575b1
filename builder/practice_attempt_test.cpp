#include "builder/practice_attempt.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "builder/builder_test_support.h"
#include "tests/console_capture.h"

using namespace builder_test;

namespace {

const std::string kIntro =
    "\n\tTake on an Exercise on this paper to test whether the results match your expectations.\n\n";
const std::string kChoice = "  Your choice : ";
const std::string kInvalid = "\n\tInvalid input, accepted letters are A,B,C,D. Try again please.\n";
const std::string kResultMenu =
    "\n\t\tFollow the options below to continue.\n\t\tY = Try again.\n\t\tN = Return to previous menu.\n"
    "\t\tE = Log out\n\t\tYour choice : ";

std::string shown(int i) {
  const std::string n = std::to_string(i);
  return "\n" + n + ". Question " + n + " ?\nA. A" + n + "\nB. B" + n + "\nC. C" + n + "\nD. D" + n + "\n";
}

std::string banner(int i) {
  return clear() + "\n\t ---------------> Continuing from Question : " + std::to_string(i) + "  <------------------\n";
}

std::string score(const std::string& text) { return "\n\t\tYour score : " + text + " %\n"; }

// The score line of one run answering `answers` on a paper of `correct`.
std::string scoreOf(const std::vector<int>& correct, const std::string& answers) {
  std::string input;
  for (char a : answers) input += std::string(1, a) + "\n";
  ConsoleCapture console(input + "n\n");
  std::vector<QuestionSkeleton> questions = makePaper(correct);
  practisePaper(questions);
  const std::string out = console.out();
  const size_t at = out.find("Your score : ");
  return at == std::string::npos ? "" : out.substr(at + 13, out.find(" %", at) - at - 13);
}

}  // namespace

TEST(PracticeAttempt, TwoOfThreeCorrectShowsSixtySixPointSeven) {
  std::vector<QuestionSkeleton> questions = makePaper({1, 2, 3});
  ConsoleCapture console("A\nb\nD\nN\n");
  EXPECT_EQ(practisePaper(questions), TutorDestination::kLoggedInMenu);
  EXPECT_EQ(console.out(), clear() + kIntro + shown(1) + kChoice + shown(2) + kChoice + shown(3) + kChoice +
                               score("66.7") + kResultMenu + clear());
  EXPECT_EQ(std::cout.precision(), 3);  // left set for the screens that follow
}

TEST(PracticeAttempt, ScoresInThreeSignificantDigits) {
  EXPECT_EQ(scoreOf({1, 1, 1, 1, 1, 1, 1, 1}, "ABBBBBBB"), "12.5");
  EXPECT_EQ(scoreOf(std::vector<int>(12, 2), "bccccccccccc"), "8.33");
  EXPECT_EQ(scoreOf({4, 3}, "dc"), "100");
  EXPECT_EQ(scoreOf({4, 3}, "ab"), "0");
  EXPECT_EQ(scoreOf({1, 2, 3, 4, 1, 2, 3}, "abcdabb"), "85.7");
}

TEST(PracticeAttempt, OtherKeysAskTheSameQuestionAgain) {
  std::vector<QuestionSkeleton> questions = makePaper({2});
  ConsoleCapture console("E\n5\n  ?b\nB\ne\n");
  EXPECT_EQ(practisePaper(questions), TutorDestination::kLoggedOutMenu);
  EXPECT_EQ(console.out(), clear() + kIntro + shown(1) + kChoice + kInvalid + kChoice + kInvalid + kChoice + kInvalid +
                               kChoice + score("100") + kResultMenu);
}

TEST(PracticeAttempt, NineQuestionsClearAfterFourAndEight) {
  std::vector<QuestionSkeleton> questions = makePaper(std::vector<int>(9, 1));
  ConsoleCapture console("a\na\na\na\na\na\na\na\na\nn\n");
  practisePaper(questions);
  std::string expected = clear() + kIntro;
  for (int i = 1; i <= 9; ++i) {
    expected += shown(i) + kChoice;
    if (i % 4 == 0) expected += banner(i);
  }
  EXPECT_EQ(console.out(), expected + score("100") + kResultMenu + clear());
}

TEST(PracticeAttempt, TryAgainStartsTheCountsAfresh) {
  std::vector<QuestionSkeleton> questions = makePaper({1, 2, 3, 4, 1});
  ConsoleCapture console("a\nb\nc\nd\na\nY\nd\nd\nd\nd\nd\nn\n");
  EXPECT_EQ(practisePaper(questions), TutorDestination::kLoggedInMenu);
  const std::string out = console.out();
  const std::string second = clear() + clear() + kIntro;
  ASSERT_NE(out.find(score("100") + kResultMenu + second), std::string::npos);
  EXPECT_NE(out.find(score("20") + kResultMenu + clear()), std::string::npos);
  EXPECT_EQ(out.find(banner(5)), std::string::npos);
  EXPECT_NE(out.find(shown(4) + kChoice + banner(4) + shown(5)), std::string::npos);
}

TEST(PracticeAttempt, WrongKeyAtTheResultMenuPausesAndShowsTheMenuOnly) {
  std::vector<QuestionSkeleton> questions = makePaper({3});
  ConsoleCapture console("c\nq\n\nE\n");
  EXPECT_EQ(practisePaper(questions), TutorDestination::kLoggedOutMenu);
  EXPECT_EQ(console.out(), clear() + kIntro + shown(1) + kChoice + score("100") + kResultMenu + clear() +
                               "\n\n\tWrong entry, try again...\n\t" + kPause + kResultMenu);
}
