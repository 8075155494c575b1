#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "records/candidate_skeleton.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"
#include "records/tutor_skeleton.h"

// These tests pin each layout on literal offsets, so that the table itself
// is checked against the bytes the files hold; everything else reads fields
// by name.
namespace {

// Returns the NUL-terminated text in the `width` bytes at `offset` of
// `bytes` ("" when the bytes end before the field does).
std::string textAt(const std::string& bytes, size_t offset, size_t width) {
  if (bytes.size() < offset + width) return "";
  const std::string field = bytes.substr(offset, width);
  return field.substr(0, field.find('\0'));
}

template <class Record>
std::string encode(const Record& r) {
  std::ostringstream out;
  r.CandidateWrite(out);
  return out.str();
}

}  // namespace

TEST(CandidateRecord, LayoutPutsTimeBeforeDate) {
  CandidateSkeleton c;
  c.getcandiscores(75.5);
  c.getDateAttempted("7/12/2026 | Monday");
  c.getTimeAttempted("9:5:7");
  c.getCandiNames("Ann Lee");
  c.getIDNumber("A12");
  c.getLogInPassword(42);
  c.getsubjectName("Maths");
  c.getTimeTaken(60);
  const std::string bytes = encode(c);
  ASSERT_EQ(bytes.size(), kCandidateRecordSize);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\0\0\0\0\0\xe0\x52\x40", 8));
  EXPECT_EQ(textAt(bytes, 208, 30), "9:5:7");
  EXPECT_EQ(textAt(bytes, 238, 30), "7/12/2026 | Monday");
  EXPECT_EQ(textAt(bytes, 268, 100), "Ann Lee");
  EXPECT_EQ(textAt(bytes, 368, 100), "A12");
  EXPECT_EQ(bytes.substr(468, 4), std::string("\x2a\0\0\0", 4));
  EXPECT_EQ(textAt(bytes, 672, 100), "Maths");
  EXPECT_EQ(bytes.substr(972, 8), std::string("\0\0\0\0\0\0\x4e\x40", 8));
  // An empty text field is all NUL bytes.
  EXPECT_EQ(bytes.substr(108, 100), std::string(100, '\0'));

  std::istringstream in(bytes);
  CandidateSkeleton back;
  ASSERT_TRUE(back.CandidateRead(in));
  EXPECT_EQ(back.setcandiscores(), 75.5);
  EXPECT_STREQ(back.setTimeAttempted(), "9:5:7");
  EXPECT_STREQ(back.setCandiNames(), "Ann Lee");
  EXPECT_EQ(back.setLogInPassword(), 42);
  EXPECT_EQ(back.setTimeTaken(), 60);
  EXPECT_EQ(encode(back), bytes);
}

TEST(CandidateRecord, StoringCutsLongTextToFieldWidth) {
  CandidateSkeleton c;
  c.getCandiNames(std::string(150, 'n').c_str());
  EXPECT_EQ(std::string(c.setCandiNames()), std::string(99, 'n'));
}

TEST(TutorRecord, AddsLevelInstitutionDepartment) {
  TutorSkeleton t;
  t.getCandiNames("Jane Doe");
  t.get_PaperLevel("Form 2");
  t.get_Institution("High School");
  t.get_Deparment("Science");
  const std::string bytes = encode(t);
  ASSERT_EQ(bytes.size(), kTutorRecordSize);
  EXPECT_EQ(textAt(bytes, 268, 100), "Jane Doe");
  EXPECT_EQ(textAt(bytes, 980, 50), "Form 2");
  EXPECT_EQ(textAt(bytes, 1030, 100), "High School");
  EXPECT_EQ(textAt(bytes, 1130, 100), "Science");
  std::istringstream in(bytes);
  TutorSkeleton back;
  ASSERT_TRUE(back.CandidateRead(in));
  EXPECT_EQ(encode(back), bytes);
}

TEST(PaperRecord, AddsCountAndAllowance) {
  PaperSkeleton p;
  p.getsubjectName("Maths");
  p.get_PaperLevel("Form 2");
  p.getTotalQuestion(10);
  p.getTimeAllowed(20);
  const std::string bytes = encode(p);
  ASSERT_EQ(bytes.size(), kPaperRecordSize);
  EXPECT_EQ(bytes.substr(1230, 4), std::string("\x0a\0\0\0", 4));
  EXPECT_EQ(bytes.substr(1234, 8), std::string("\0\0\0\0\0\0\x34\x40", 8));
  std::istringstream in(bytes);
  PaperSkeleton back;
  ASSERT_TRUE(back.CandidateRead(in));
  EXPECT_EQ(back.setTotalQuestions(), 10);
  EXPECT_EQ(back.setTimeAllowed(), 20);
  EXPECT_EQ(encode(back), bytes);
}

TEST(PaperRecord, TutorReaderConsumesOnlyTutorBytes) {
  PaperSkeleton p;
  std::istringstream in(encode(p));
  TutorSkeleton t;
  ASSERT_TRUE(t.CandidateRead(in));
  EXPECT_EQ(in.tellg(), static_cast<std::streamoff>(kTutorRecordSize));
}

TEST(QuestionRecord, AnswerIsLastOnDisk) {
  QuestionSkeleton q;
  q.getQuestion("2+2");
  q.getOptionA("3");
  q.getOptionB("4");
  q.getOptionC("5");
  q.getOptionD("6");
  q.getQuestionAnswer(2);
  std::ostringstream out;
  q.QuestionWrite(out);
  const std::string bytes = out.str();
  ASSERT_EQ(bytes.size(), kQuestionRecordSize);
  EXPECT_EQ(textAt(bytes, 0, 800), "2+2");
  EXPECT_EQ(textAt(bytes, 800, 600), "3");
  EXPECT_EQ(textAt(bytes, 1400, 600), "4");
  EXPECT_EQ(textAt(bytes, 2000, 600), "5");
  EXPECT_EQ(textAt(bytes, 2600, 600), "6");
  EXPECT_EQ(bytes.substr(3200, 4), std::string("\x02\0\0\0", 4));
  std::istringstream in(bytes);
  QuestionSkeleton back;
  ASSERT_TRUE(back.QuestionRead(in));
  EXPECT_EQ(back.setQuestionAnswer(), 2);
  EXPECT_STREQ(back.setOptionD(), "6");
}

TEST(Records, DamagedTextWithoutNulIsCutAtFieldEnd) {
  std::string bytes(kCandidateRecordSize, 'Z');
  std::istringstream in(bytes);
  CandidateSkeleton c;
  ASSERT_TRUE(c.CandidateRead(in));
  EXPECT_EQ(std::string(c.setCandiNames()), std::string(99, 'Z'));
  EXPECT_EQ(std::string(c.setTimeAttempted()), std::string(29, 'Z'));
}

TEST(Records, ShortReadFailsAndLeavesRecordAlone) {
  CandidateSkeleton c;
  c.getCandiNames("kept");
  std::istringstream in(std::string(kCandidateRecordSize - 1, 'x'));
  EXPECT_FALSE(c.CandidateRead(in));
  EXPECT_STREQ(c.setCandiNames(), "kept");
}

TEST(QuestionRecord, OptionLettersInEitherCase) {
  EXPECT_EQ(optionNumber('A'), 1);
  EXPECT_EQ(optionNumber('b'), 2);
  EXPECT_EQ(optionNumber('C'), 3);
  EXPECT_EQ(optionNumber('d'), 4);
  for (char other : std::string("Ee15 \n?")) EXPECT_EQ(optionNumber(other), 0) << other;
}
