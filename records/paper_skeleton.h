#ifndef QUIZMORA_RECORDS_PAPER_SKELETON_H_
#define QUIZMORA_RECORDS_PAPER_SKELETON_H_

#include "records/tutor_skeleton.h"

// Bytes of one paper header on disk: the tutor part, then 12 more.
constexpr size_t kPaperRecordSize = 1242;

// The header of one question paper in the subject library. The author's
// details sit in the inherited fields, the subject in subjectName and the
// day it was set in dateAttempted.
class PaperSkeleton : public TutorSkeleton {
 public:
  // Bytes of one record of this class on disk.
  static constexpr size_t kRecordSize = kPaperRecordSize;

  void getTotalQuestion(int count);
  int setTotalQuestions() const;
  void getTimeAllowed(double minutes);
  double setTimeAllowed() const;

  // Writes the 1242-byte record in one write; returns `out`.
  std::ostream& CandidateWrite(std::ostream& out) const;
  // Reads one 1242-byte record; a short read leaves the stream failed and
  // this record unchanged. Returns `in`.
  std::istream& CandidateRead(std::istream& in);

  // dst/src hold kPaperRecordSize bytes.
  void EncodeTo(char* dst) const;
  void DecodeFrom(const char* src);

  // The fields this class adds, bound to their place on disk.
  static const std::vector<FieldBinding<PaperSkeleton>>& Fields();

 private:
  int32_t totalQuestions = 0;
  double timeAllowed = 0;
};

#endif  // QUIZMORA_RECORDS_PAPER_SKELETON_H_
