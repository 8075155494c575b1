#include "records/paper_skeleton.h"

void PaperSkeleton::getTotalQuestion(int count) { totalQuestions = count; }
int PaperSkeleton::setTotalQuestions() const { return totalQuestions; }
void PaperSkeleton::getTimeAllowed(double minutes) { timeAllowed = minutes; }
double PaperSkeleton::setTimeAllowed() const { return timeAllowed; }

const std::vector<FieldBinding<PaperSkeleton>>& PaperSkeleton::Fields() {
  using R = PaperSkeleton;
  static const std::vector<FieldBinding<R>> fields = {
      {{"totalQuestions", 1230, 4, FieldKind::kInt32}, [](R& r) -> void* { return &r.totalQuestions; }},
      {{"timeAllowed", 1234, 8, FieldKind::kDouble}, [](R& r) -> void* { return &r.timeAllowed; }},
  };
  return fields;
}

void PaperSkeleton::EncodeTo(char* dst) const {
  TutorSkeleton::EncodeTo(dst);
  EncodeFields(Fields(), *this, dst);
}

void PaperSkeleton::DecodeFrom(const char* src) {
  TutorSkeleton::DecodeFrom(src);
  DecodeFields(Fields(), src, *this);
}

std::ostream& PaperSkeleton::CandidateWrite(std::ostream& out) const {
  char bytes[kPaperRecordSize];
  EncodeTo(bytes);
  return out.write(bytes, sizeof bytes);
}

std::istream& PaperSkeleton::CandidateRead(std::istream& in) {
  char bytes[kPaperRecordSize];
  if (in.read(bytes, sizeof bytes)) DecodeFrom(bytes);
  return in;
}
