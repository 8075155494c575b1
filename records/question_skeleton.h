#ifndef QUIZMORA_RECORDS_QUESTION_SKELETON_H_
#define QUIZMORA_RECORDS_QUESTION_SKELETON_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <vector>

#include "records/record_layout.h"

// Bytes of one question record on disk.
constexpr size_t kQuestionRecordSize = 3204;

// One multiple-choice question: its text, options A to D and the correct
// option (1 = A ... 4 = D). Accessor names are reversed as in the other
// records: get... stores, set... returns.
class QuestionSkeleton {
 public:
  // Bytes of one record of this class on disk.
  static constexpr size_t kRecordSize = kQuestionRecordSize;

  void getQuestion(const char* text);
  char* setQuestion();
  void getQuestionAnswer(int option);
  int setQuestionAnswer() const;
  void getOptionA(const char* text);
  char* setOptionA();
  void getOptionB(const char* text);
  char* setOptionB();
  void getOptionC(const char* text);
  char* setOptionC();
  void getOptionD(const char* text);
  char* setOptionD();

  // Writes the 3204-byte record in one write; returns `out`.
  std::ostream& QuestionWrite(std::ostream& out) const;
  // Reads one 3204-byte record; a short read leaves the stream failed and
  // this record unchanged. Returns `in`.
  std::istream& QuestionRead(std::istream& in);

  // dst/src hold kQuestionRecordSize bytes.
  void EncodeTo(char* dst) const;
  void DecodeFrom(const char* src);

  // The fields, bound to their place on disk.
  static const std::vector<FieldBinding<QuestionSkeleton>>& Fields();

 private:
  char question[800] = {};
  int32_t answer = 0;
  char optionA[600] = {};
  char optionB[600] = {};
  char optionC[600] = {};
  char optionD[600] = {};
};

// Returns the stored form of an option letter: 1 to 4 for A to D in either
// case, 0 for any other character.
int optionNumber(char letter);

#endif  // QUIZMORA_RECORDS_QUESTION_SKELETON_H_
