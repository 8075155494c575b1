#include "records/question_skeleton.h"

#include "records/coding.h"
#include "records/field_text.h"

void QuestionSkeleton::getQuestion(const char* text) { StoreText(question, text); }
char* QuestionSkeleton::setQuestion() { return question; }
void QuestionSkeleton::getQuestionAnswer(int option) { answer = option; }
int QuestionSkeleton::setQuestionAnswer() const { return answer; }
void QuestionSkeleton::getOptionA(const char* text) { StoreText(optionA, text); }
char* QuestionSkeleton::setOptionA() { return optionA; }
void QuestionSkeleton::getOptionB(const char* text) { StoreText(optionB, text); }
char* QuestionSkeleton::setOptionB() { return optionB; }
void QuestionSkeleton::getOptionC(const char* text) { StoreText(optionC, text); }
char* QuestionSkeleton::setOptionC() { return optionC; }
void QuestionSkeleton::getOptionD(const char* text) { StoreText(optionD, text); }
char* QuestionSkeleton::setOptionD() { return optionD; }

// The answer is second in the class but last on disk.
void QuestionSkeleton::EncodeTo(char* dst) const {
  EncodeText(dst + 0, question, 800);
  EncodeText(dst + 800, optionA, 600);
  EncodeText(dst + 1400, optionB, 600);
  EncodeText(dst + 2000, optionC, 600);
  EncodeText(dst + 2600, optionD, 600);
  EncodeFixed32(dst + 3200, answer);
}

void QuestionSkeleton::DecodeFrom(const char* src) {
  DecodeText(question, src + 0, 800);
  DecodeText(optionA, src + 800, 600);
  DecodeText(optionB, src + 1400, 600);
  DecodeText(optionC, src + 2000, 600);
  DecodeText(optionD, src + 2600, 600);
  answer = DecodeFixed32(src + 3200);
}

std::ostream& QuestionSkeleton::QuestionWrite(std::ostream& out) const {
  char bytes[kQuestionRecordSize];
  EncodeTo(bytes);
  return out.write(bytes, sizeof bytes);
}

std::istream& QuestionSkeleton::QuestionRead(std::istream& in) {
  char bytes[kQuestionRecordSize];
  if (in.read(bytes, sizeof bytes)) DecodeFrom(bytes);
  return in;
}

int optionNumber(char letter) {
  switch (letter) {
    case 'A': case 'a': return 1;
    case 'B': case 'b': return 2;
    case 'C': case 'c': return 3;
    case 'D': case 'd': return 4;
    default: return 0;
  }
}
