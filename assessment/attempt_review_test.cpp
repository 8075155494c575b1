// The review lists exactly the questions answered wrongly or not at all, as
// the attempt showed them.

#include "assessment/attempt_review.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/console_capture.h"

TEST(AttemptReview, ListsTheWrongAndUnansweredAsShown) {
  std::vector<QuestionSkeleton> paper(4);
  const char* texts[] = {"One", "Two", "Three", "Four"};
  const int keys[] = {1, 2, 3, 2};
  for (int q = 0; q < 4; ++q) {
    paper[q].getQuestion(texts[q]);
    paper[q].getOptionA("w");
    paper[q].getOptionB("x");
    paper[q].getOptionC("y");
    paper[q].getQuestionAnswer(keys[q]);
  }
  AttemptOrder order;
  order.shown = {3, 2, 1, 0};  // shown last to first
  order.options.assign(4, OptionsAsStored(paper[0]));
  order.options[2].own[0] = 2;  // "Three": own C under A, own A under C
  order.options[2].own[2] = 0;
  // One right, Two wrong (C), Three not answered, Four right.
  ConsoleCapture console("\n");
  showReview(paper, order, {1, 3, 0, 2});
  EXPECT_EQ(console.out(),
            "\n\tYou answered 2 of 4 questions correctly.\n\n"
            "\n\t2. Three ?\n\tYour answer    : none\n\tCorrect answer : A. y\n"
            "\n\t3. Two ?\n\tYour answer    : C. y\n\tCorrect answer : B. x\n"
            "Press any key to continue . . . \n");
}
