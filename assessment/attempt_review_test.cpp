// The review lists exactly the questions answered wrongly or not at all, as
// the attempt showed them: numbered and lettered in the order its seed gives.

#include "assessment/attempt_review.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/console_capture.h"

TEST(AttemptReview, ListsTheWrongAndUnansweredAsShown) {
  std::vector<QuestionSkeleton> paper(4);
  const char* texts[] = {"One", "Two", "Three", "Four"};
  const char keys[] = "ABCB";
  const char answers[] = {'A', 'C', 0, 'B'};  // One right, Two wrong, Three not answered, Four right
  AnswerSheet sheet;
  sheet.questions = 4;
  sheet.order = 0x9E3779B97F4A7C13ull;  // questions and options shuffled
  for (int q = 0; q < 4; ++q) {
    paper[q].getQuestion(texts[q]);
    paper[q].getOptionA("w");
    paper[q].getOptionB("x");
    paper[q].getOptionC("y");
    paper[q].getQuestionAnswer(keys[q] - 'A' + 1);
    sheet.key[q] = keys[q];
    sheet.answers[q] = answers[q];
  }
  ConsoleCapture console("\n");
  showReview(paper, sheet);
  // The seed shows Three first, its options as stored, and Two last, its
  // own C, A and B under A, B and C.
  EXPECT_EQ(console.out(),
            "\n\tYou answered 2 of 4 questions correctly.\n\n"
            "\n\t1. Three ?\n\tYour answer    : none\n\tCorrect answer : C. y\n"
            "\n\t4. Two ?\n\tYour answer    : A. y\n\tCorrect answer : C. x\n"
            "Press any key to continue . . . \n");
}
