#include "builder/paper_review.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/builder_test_support.h"
#include "tests/console_capture.h"

using namespace builder_test;

namespace {

const std::string kReviewMenu =
    "\n\tRead and follow the options below to continue.\n\n"
    "\t\t1 = Save and continue.\n\t\t2 = Return to Previous Menu.\n\t\t3 = Edit/Change a question.\n"
    "\t\t4 = Log Out\n\n\t\t Your choice >> ";

}  // namespace

TEST(PaperReview, ListsEveryQuestionWithItsAnswerLetter) {
  std::vector<QuestionSkeleton> questions = makePaper({1, 4, 0});
  questions[2].getQuestionAnswer(7);
  ConsoleCapture console("");
  showReview(questions);
  EXPECT_EQ(console.out(),
            clear() + "\n\n\t\tReview your Entered Questions and answers.\n\t" + std::string(82, '_') + "\n\n" +
                "\n\t1. Question 1\n\tA. A1\n\tB. B1\n\tC. C1\n\tD. D1\n\n\tAnswer : A\n"
                "\n\t2. Question 2\n\tA. A2\n\tB. B2\n\tC. C2\n\tD. D2\n\n\tAnswer : D\n"
                "\n\t3. Question 3\n\tA. A3\n\tB. B3\n\tC. C3\n\tD. D3\n\n\tAnswer :  No Answer \n"
                "\n\t\t-------------------------> End of your Questions <---------------------------------\n\n");
}

TEST(PaperReview, ChoiceIsAWholeNumber) {
  ConsoleCapture console("\n  3\n");
  EXPECT_EQ(reviewChoice(), 3);
  EXPECT_EQ(console.out(), kReviewMenu);
}

TEST(PaperReview, TextIsNotANumberAndIsDiscardedByTheWrongEntry) {
  ConsoleCapture console("abc 1\n\n2\n");
  EXPECT_EQ(reviewChoice(), 0);
  wrongReviewChoice();
  EXPECT_EQ(reviewChoice(), 2);
  EXPECT_EQ(console.out(), kReviewMenu + "\n\n\tWrong input, you can try again.\n\n" + kPause + kReviewMenu);
}
