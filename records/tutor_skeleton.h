#ifndef QUIZMORA_RECORDS_TUTOR_SKELETON_H_
#define QUIZMORA_RECORDS_TUTOR_SKELETON_H_

#include "records/candidate_skeleton.h"

// Bytes of one tutor account on disk: the candidate part, then 250 more.
constexpr size_t kTutorRecordSize = 1230;

// A tutor's account. Its stream operations hide the candidate ones, so the
// layout written depends on the static type used.
class TutorSkeleton : public CandidateSkeleton {
 public:
  // Bytes of one record of this class on disk.
  static constexpr size_t kRecordSize = kTutorRecordSize;

  void get_PaperLevel(const char* text);
  char* setPaperLevel();
  void get_Institution(const char* text);
  char* set_Institution();
  void get_Deparment(const char* text);
  char* set_Department();

  // Writes the 1230-byte record in one write; returns `out`.
  std::ostream& CandidateWrite(std::ostream& out) const;
  // Reads one 1230-byte record; a short read leaves the stream failed and
  // this record unchanged. Returns `in`.
  std::istream& CandidateRead(std::istream& in);

  // dst/src hold kTutorRecordSize bytes.
  void EncodeTo(char* dst) const;
  void DecodeFrom(const char* src);

  // The fields this class adds, bound to their place on disk.
  static const std::vector<FieldBinding<TutorSkeleton>>& Fields();

 private:
  char paperLevel[50] = {};
  char institution[100] = {};
  char department[100] = {};
};

#endif  // QUIZMORA_RECORDS_TUTOR_SKELETON_H_
