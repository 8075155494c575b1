#include "records/tutor_skeleton.h"

#include "records/coding.h"
#include "records/field_text.h"

void TutorSkeleton::get_PaperLevel(const char* text) { StoreText(paperLevel, text); }
char* TutorSkeleton::setPaperLevel() { return paperLevel; }
void TutorSkeleton::get_Institution(const char* text) { StoreText(institution, text); }
char* TutorSkeleton::set_Institution() { return institution; }
void TutorSkeleton::get_Deparment(const char* text) { StoreText(department, text); }
char* TutorSkeleton::set_Department() { return department; }

void TutorSkeleton::EncodeTo(char* dst) const {
  CandidateSkeleton::EncodeTo(dst);
  EncodeText(dst + 980, paperLevel, 50);
  EncodeText(dst + 1030, institution, 100);
  EncodeText(dst + 1130, department, 100);
}

void TutorSkeleton::DecodeFrom(const char* src) {
  CandidateSkeleton::DecodeFrom(src);
  DecodeText(paperLevel, src + 980, 50);
  DecodeText(institution, src + 1030, 100);
  DecodeText(department, src + 1130, 100);
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
