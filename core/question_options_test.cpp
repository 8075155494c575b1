// Which letters a question offers, for four, three and two options and for
// a damaged record with a gap.

#include "core/question_options.h"

#include <gtest/gtest.h>

#include <string>

namespace {

QuestionSkeleton WithOptions(const char* a, const char* b, const char* c, const char* d) {
  QuestionSkeleton q;
  q.getOptionA(a);
  q.getOptionB(b);
  q.getOptionC(c);
  q.getOptionD(d);
  return q;
}

}  // namespace

TEST(QuestionOptions, OnlyPresentOptionsAreOfferedAndAccepted) {
  struct Case {
    QuestionSkeleton question;
    std::string letters;   // as the message lists them
    std::string accepted;  // own option numbers of typed a, b, c, d, A, E
  };
  Case cases[] = {
      {WithOptions("w", "x", "y", "z"), "A,B,C,D", "123410"},
      {WithOptions("w", "x", "y", ""), "A,B,C", "123010"},
      {WithOptions("True", "False", "", ""), "A,B", "120010"},
      {WithOptions("w", "", "y", "z"), "A,C,D", "103410"},
  };
  for (Case& c : cases) {
    const ShownOptions shown = OptionsAsStored(c.question);
    EXPECT_EQ(InvalidLetterMessage(shown),
              "\n\tInvalid input, accepted letters are " + c.letters + ". Try again please.\n");
    std::string accepted;
    for (char typed : std::string("abcdAE")) accepted += std::to_string(OwnOptionOfTyped(shown, typed));
    EXPECT_EQ(accepted, c.accepted) << c.letters;
  }
}

TEST(QuestionOptions, ShownLetterFollowsTheLayout) {
  ShownOptions shown;  // own C under A, own A under B, nothing under C and D
  shown.own[0] = 2;
  shown.own[1] = 0;
  EXPECT_EQ(ShownLetterOf(shown, 3), 'A');
  EXPECT_EQ(ShownLetterOf(shown, 1), 'B');
  EXPECT_EQ(ShownLetterOf(shown, 2), 0);
  EXPECT_EQ(OwnOptionOfTyped(shown, 'a'), 3);
  EXPECT_EQ(OwnOptionOfTyped(shown, 'C'), 0);
}

TEST(QuestionOptions, OptionsProblemNamesGapsAndAnEmptyKey) {
  struct Case {
    QuestionSkeleton question;
    int correct;
    std::string problem;
  };
  Case cases[] = {
      {WithOptions("w", "x", "y", "z"), 4, ""},
      {WithOptions("True", "False", "", ""), 2, ""},
      {WithOptions("w", "", "y", ""), 1, "option B is empty but option C is not"},
      {WithOptions("w", "x", "y", ""), 4, "correct option D is empty"},
      {WithOptions("w", "x", "", ""), 7, ""},  // out of range: the caller's to say
  };
  for (Case& c : cases) {
    c.question.getQuestionAnswer(c.correct);
    EXPECT_EQ(OptionsProblem(c.question), c.problem);
  }
}
