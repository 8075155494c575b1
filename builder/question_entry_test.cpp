#include "builder/question_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/builder_test_support.h"
#include "tests/console_capture.h"

using namespace builder_test;

TEST(QuestionEntry, EmptyLinesAreAskedAgainAndWrongOptionRepeatsOnlyTheOption) {
  ConsoleCapture console("\n\nWhat?\n\nAlpha\nBeta\nGamma\n\n\nDelta\ne\n c\n");
  QuestionSkeleton question;
  enterQuestion(question);
  EXPECT_EQ(console.out(),
            "\t\t\t"
            "\n\tOption A\n\t\t"
            "\n\tOption B\n\t"
            "\n\tOption C\n\t"
            "\n\tOption D\n\t\t\t"
            "\n\tWhat is the Correct Option : "
            "\n\tWrong input...  try again\n\n"
            "\n\tWhat is the Correct Option : ");
  EXPECT_STREQ(question.setQuestion(), "What?");
  EXPECT_STREQ(question.setOptionA(), "Alpha");
  EXPECT_STREQ(question.setOptionB(), "Beta");
  EXPECT_STREQ(question.setOptionC(), "Gamma");
  EXPECT_STREQ(question.setOptionD(), "Delta");
  EXPECT_EQ(question.setQuestionAnswer(), 3);
}

TEST(QuestionEntry, TextsKeepWithinTheirLimits) {
  const std::string input =
      std::string(900, 'q') + "\n" + std::string(700, 'a') + "\nb\nc\n" + std::string(300, 'd') + "\nB\n";
  ConsoleCapture console(input);
  QuestionSkeleton question;
  enterQuestion(question);
  EXPECT_EQ(std::string(question.setQuestion()), std::string(399, 'q'));
  EXPECT_EQ(std::string(question.setOptionA()), std::string(299, 'a'));
  EXPECT_STREQ(question.setOptionB(), "b");
  EXPECT_EQ(std::string(question.setOptionD()), std::string(299, 'd'));
  EXPECT_EQ(question.setQuestionAnswer(), 2);
}

TEST(QuestionEntry, TypingAgainReplacesEverything) {
  ConsoleCapture console(questionLines(2, 'a'));
  QuestionSkeleton question = makeQuestion(1, 4);
  question.getQuestion(std::string(500, 'x').c_str());
  enterQuestion(question);
  EXPECT_EQ(questionBytes(question), questionBytes(makeQuestion(2, 1)));
}

TEST(QuestionEntry, ScreenClearedBeforeQuestionsThreeAndFive) {
  std::string input;
  for (int i = 1; i <= 5; ++i) input += questionLines(i, "ABCDa"[i - 1]);
  ConsoleCapture console(input);
  std::vector<QuestionSkeleton> questions(5);
  enterQuestions(questions);
  const std::string banner = "\n\tContinuing from Question : ";
  EXPECT_EQ(console.out(), questionPrompts(1) + questionPrompts(2) + clear() + banner + "3\n" + questionPrompts(3) +
                               questionPrompts(4) + clear() + banner + "5\n" + questionPrompts(5));
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(questionBytes(questions[i - 1]), questionBytes(makeQuestion(i, i == 5 ? 1 : i))) << i;
  }
}

TEST(QuestionEntry, RestOfTheOptionLineIsNotTakenForTheNextQuestion) {
  ConsoleCapture console("Q1\na\nb\nc\nd\nB and more\nQ2\na\nb\nc\nd\nD\n");
  std::vector<QuestionSkeleton> questions(2);
  enterQuestions(questions);
  EXPECT_STREQ(questions[1].setQuestion(), "Q2");
  EXPECT_EQ(questions[0].setQuestionAnswer(), 2);
  EXPECT_EQ(questions[1].setQuestionAnswer(), 4);
}
