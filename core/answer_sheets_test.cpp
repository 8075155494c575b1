#include "core/answer_sheets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/coding.h"
#include "records/store.h"

TEST(AnswerSheets, BegunWithTheKeyAndEditionThenScoredFromTheAnswers) {
  std::vector<QuestionSkeleton> questions(4);
  const int correct[4] = {2, 1, 4, 7};  // the last one damaged
  std::string bytes;
  for (int i = 0; i < 4; ++i) {
    questions[i].getQuestion(("Question " + std::to_string(i + 1)).c_str());
    questions[i].getQuestionAnswer(correct[i]);
    bytes += EncodeRecord(questions[i]);
  }
  CandidateSkeleton candidate;
  candidate.getIDNumber("A12");
  candidate.getCandiNames("Ann Lee");
  PaperSkeleton paper;
  paper.getsubjectName("Maths");
  paper.get_PaperLevel("Form 2");
  paper.getCandiNames("Jane Doe");
  paper.getTimeAllowed(1.5);
  AnswerSheet sheet = BeginSheet(candidate, paper, questions, 1796634307);
  EXPECT_EQ(sheet.started, 1796634307);
  EXPECT_EQ(sheet.allowed, 90);
  EXPECT_EQ(sheet.questions, 4);
  EXPECT_EQ(sheet.edition, Crc32(0, bytes.data(), bytes.size()));
  EXPECT_EQ(std::string(sheet.key, 5), std::string("BAD\0\0", 5));
  EXPECT_STREQ(sheet.author, "Jane Doe");
  EXPECT_EQ(NextPosition(sheet), 0u);

  KeepAnswer(sheet, QuestionAt(sheet, 0), 2);
  KeepAnswer(sheet, QuestionAt(sheet, 1), 3);
  KeepAnswer(sheet, QuestionAt(sheet, 1), 1);  // a question answered again counts once
  EXPECT_EQ(sheet.answered, 2);
  EXPECT_EQ(NextPosition(sheet), 2u);
  EXPECT_EQ(CorrectAnswers(sheet), 2);
  EXPECT_DOUBLE_EQ(SheetScore(sheet), 50.0);
  KeepAnswer(sheet, 2, 4);
  KeepAnswer(sheet, 3, 1);  // never matches a damaged key
  EXPECT_EQ(NextPosition(sheet), 4u);
  EXPECT_DOUBLE_EQ(SheetScore(sheet), 75.0);
  EXPECT_DOUBLE_EQ(SheetScore(AnswerSheet()), 0.0);
}
