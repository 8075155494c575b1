#include "records/paper_skeleton.h"

#include "records/coding.h"

void PaperSkeleton::getTotalQuestion(int count) { totalQuestions = count; }
int PaperSkeleton::setTotalQuestions() const { return totalQuestions; }
void PaperSkeleton::getTimeAllowed(double minutes) { timeAllowed = minutes; }
double PaperSkeleton::setTimeAllowed() const { return timeAllowed; }

void PaperSkeleton::EncodeTo(char* dst) const {
  TutorSkeleton::EncodeTo(dst);
  EncodeFixed32(dst + 1230, totalQuestions);
  EncodeDouble(dst + 1234, timeAllowed);
}

void PaperSkeleton::DecodeFrom(const char* src) {
  TutorSkeleton::DecodeFrom(src);
  totalQuestions = DecodeFixed32(src + 1230);
  timeAllowed = DecodeDouble(src + 1234);
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
