#include "records/question_skeleton.h"

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
const std::vector<FieldBinding<QuestionSkeleton>>& QuestionSkeleton::Fields() {
  using R = QuestionSkeleton;
  static const std::vector<FieldBinding<R>> fields = {
      {{"question", 0, 800, FieldKind::kText}, [](R& r) -> void* { return r.question; }},
      {{"optionA", 800, 600, FieldKind::kText}, [](R& r) -> void* { return r.optionA; }},
      {{"optionB", 1400, 600, FieldKind::kText}, [](R& r) -> void* { return r.optionB; }},
      {{"optionC", 2000, 600, FieldKind::kText}, [](R& r) -> void* { return r.optionC; }},
      {{"optionD", 2600, 600, FieldKind::kText}, [](R& r) -> void* { return r.optionD; }},
      {{"answer", 3200, 4, FieldKind::kInt32}, [](R& r) -> void* { return &r.answer; }},
  };
  return fields;
}

void QuestionSkeleton::EncodeTo(char* dst) const { EncodeFields(Fields(), *this, dst); }

void QuestionSkeleton::DecodeFrom(const char* src) { DecodeFields(Fields(), src, *this); }

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
    case 'A':
    case 'a': return 1;
    case 'B':
    case 'b': return 2;
    case 'C':
    case 'c': return 3;
    case 'D':
    case 'd': return 4;
    default: return 0;
  }
}
