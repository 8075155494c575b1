#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "records/answer_sheet.h"
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

TEST(AnswerSheetRecord, LayoutByTheByte) {
  AnswerSheet sheet;
  sheet.started = 1796634307;  // 2026-12-07 09:05:07 UTC
  sheet.allowed = 1200;
  sheet.timeTaken = 75.5;
  sheet.score = 50;
  sheet.order = 0x0102030405060708ull;
  sheet.edition = 0xcbf43926u;
  sheet.questions = 4;
  sheet.answered = 2;
  sheet.ending = kSheetTimeUp;
  sheet.saved = kSavedInResults | kSavedInOwnFile;
  std::strcpy(sheet.id, "A12");
  std::strcpy(sheet.name, "Ann Lee");
  std::strcpy(sheet.subject, "Maths");
  std::strcpy(sheet.level, "Form 2");
  std::strcpy(sheet.author, "Jane Doe");
  std::strcpy(sheet.date, "7/12/2026 | Monday");
  std::strcpy(sheet.time, "9:5:7");
  std::memcpy(sheet.answers, "B\0D", 3);
  std::memcpy(sheet.key, "BCDA", 4);
  sheet.answers[999] = 'A';  // every byte is the field's: no terminator

  std::string bytes(kAnswerSheetRecordSize, 'x');
  sheet.EncodeTo(&bytes[0]);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\xc3\x76\x16\x6b\0\0\0\0", 8));
  EXPECT_EQ(bytes.substr(8, 8), std::string("\0\0\0\0\0\xc0\x92\x40", 8));
  EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\0\0\0\xe0\x52\x40", 8));
  EXPECT_EQ(bytes.substr(24, 8), std::string("\0\0\0\0\0\0\x49\x40", 8));
  EXPECT_EQ(bytes.substr(32, 8), std::string("\x08\x07\x06\x05\x04\x03\x02\x01", 8));
  EXPECT_EQ(bytes.substr(40, 20), std::string("\x26\x39\xf4\xcb\x04\0\0\0\x02\0\0\0\x02\0\0\0\x03\0\0\0", 20));
  EXPECT_EQ(textAt(bytes, 60, 100), "A12");
  EXPECT_EQ(textAt(bytes, 160, 100), "Ann Lee");
  EXPECT_EQ(textAt(bytes, 260, 100), "Maths");
  EXPECT_EQ(textAt(bytes, 360, 50), "Form 2");
  EXPECT_EQ(textAt(bytes, 410, 100), "Jane Doe");
  EXPECT_EQ(textAt(bytes, 510, 30), "7/12/2026 | Monday");
  EXPECT_EQ(textAt(bytes, 540, 30), "9:5:7");
  EXPECT_EQ(bytes.substr(570, 4), std::string("B\0D\0", 4));
  EXPECT_EQ(bytes[1569], 'A');
  EXPECT_EQ(bytes.substr(1570, 5), std::string("BCDA\0", 5));
  EXPECT_EQ(bytes.substr(1575), std::string(995, '\0'));

  AnswerSheet back;
  back.DecodeFrom(bytes.data());
  std::string again(kAnswerSheetRecordSize, '\0');
  back.EncodeTo(&again[0]);
  EXPECT_EQ(again, bytes);
  EXPECT_EQ(back.started, sheet.started);
  EXPECT_EQ(back.edition, sheet.edition);
  // The layout table says the same, for fixtures and the checker (the
  // order aside: a fixture's numbers are doubles).
  const std::string answers = std::string("B\0D", 3) + std::string(996, '\0') + "A";
  std::string fixture = RecordBytes(AnswerSheetLayout(), {{"started", "", 1796634307.0},
                                                          {"allowed", "", 1200},
                                                          {"timeTaken", "", 75.5},
                                                          {"score", "", 50},
                                                          {"edition", "", 3421780262.0},
                                                          {"questions", "", 4},
                                                          {"answered", "", 2},
                                                          {"ending", "", 2},
                                                          {"saved", "", 3},
                                                          {"id", "A12", 0},
                                                          {"name", "Ann Lee", 0},
                                                          {"subject", "Maths", 0},
                                                          {"level", "Form 2", 0},
                                                          {"author", "Jane Doe", 0},
                                                          {"date", "7/12/2026 | Monday", 0},
                                                          {"time", "9:5:7", 0},
                                                          {"answers", answers, 0},
                                                          {"key", "BCDA", 0}});
  fixture.replace(32, 8, bytes.substr(32, 8));
  EXPECT_EQ(fixture, bytes);
}
