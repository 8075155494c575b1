#include "records/tutor_skeleton.h"

#include "records/field_text.h"

void TutorSkeleton::get_PaperLevel(const char* text) { StoreText(paperLevel, text); }
char* TutorSkeleton::setPaperLevel() { return paperLevel; }
void TutorSkeleton::get_Institution(const char* text) { StoreText(institution, text); }
char* TutorSkeleton::set_Institution() { return institution; }
void TutorSkeleton::get_Deparment(const char* text) { StoreText(department, text); }
char* TutorSkeleton::set_Department() { return department; }

const std::vector<FieldBinding<TutorSkeleton>>& TutorSkeleton::Fields() {
  using R = TutorSkeleton;
  static const std::vector<FieldBinding<R>> fields = {
      {{"paperLevel", 980, 50, FieldKind::kText}, [](R& r) -> void* { return r.paperLevel; }},
      {{"institution", 1030, 100, FieldKind::kText}, [](R& r) -> void* { return r.institution; }},
      {{"department", 1130, 100, FieldKind::kText}, [](R& r) -> void* { return r.department; }},
  };
  return fields;
}

void TutorSkeleton::EncodeTo(char* dst) const {
  CandidateSkeleton::EncodeTo(dst);
  EncodeFields(Fields(), *this, dst);
}

void TutorSkeleton::DecodeFrom(const char* src) {
  CandidateSkeleton::DecodeFrom(src);
  DecodeFields(Fields(), src, *this);
}

std::ostream& TutorSkeleton::CandidateWrite(std::ostream& out) const {
  char bytes[kTutorRecordSize];
  EncodeTo(bytes);
  return out.write(bytes, sizeof bytes);
}

std::istream& TutorSkeleton::CandidateRead(std::istream& in) {
  char bytes[kTutorRecordSize];
  if (in.read(bytes, sizeof bytes)) DecodeFrom(bytes);
  return in;
}
