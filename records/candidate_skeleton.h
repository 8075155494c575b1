#ifndef QUIZMORA_RECORDS_CANDIDATE_SKELETON_H_
#define QUIZMORA_RECORDS_CANDIDATE_SKELETON_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <vector>

#include "records/record_layout.h"

// Bytes of one candidate record on disk (an account or one saved attempt).
constexpr size_t kCandidateRecordSize = 980;

// A candidate's account, or one result of one attempted paper. Tutors and
// paper headers extend it. Accessor names are reversed on purpose: a get...
// call stores its argument, a set... call returns the field. Stored texts are
// cut to the field width minus one.
class CandidateSkeleton {
 public:
  // Bytes of one record of this class on disk.
  static constexpr size_t kRecordSize = kCandidateRecordSize;

  // A new record holds empty texts and zero numbers.
  CandidateSkeleton() = default;

  void getCandiNames(const char* text);
  char* setCandiNames();
  void getCandiLevel(const char* text);
  char* setCandiLevel();
  void getcandiCountry(const char* text);
  char* setcandiCountry();
  void getEmail(const char* text);
  char* setEmail();
  void getContact(const char* text);
  char* setContact();
  void getsubjectName(const char* text);
  char* setsubjectName();
  void getIDNumber(const char* text);
  char* setIDNumber();
  void getDateAttempted(const char* text);
  void getTimeAttempted(const char* text);
  char* setTimeAttempted();
  void getTimeTaken(double seconds);
  double setTimeTaken() const;
  void getLogInPassword(int password);
  int setLogInPassword() const;
  void getcandiscores(double percent);
  double setcandiscores() const;

  // Writes the 980-byte record in one write; returns `out` (failed on error).
  std::ostream& CandidateWrite(std::ostream& out) const;
  // Reads one 980-byte record; on a short read the stream is left failed and
  // this record is unchanged. Returns `in`.
  std::istream& CandidateRead(std::istream& in);

  // Byte-level forms used by the stream operations and by derived records:
  // dst/src hold kCandidateRecordSize bytes.
  void EncodeTo(char* dst) const;
  void DecodeFrom(const char* src);

  // This class's own fields, bound to their place on disk.
  static const std::vector<FieldBinding<CandidateSkeleton>>& Fields();

 private:
  char candiNames[100] = {};
  char candiLevel[100] = {};
  char reserved1[100] = {};
  char candiCountry[100] = {};
  char email[100] = {};
  char contact[100] = {};
  char reserved2[100] = {};
  char subjectName[100] = {};
  char IDNumber[100] = {};
  char dateAttempted[30] = {};
  char timeAttempted[30] = {};
  double timeTaken = 0;
  int32_t logInPassword = 0;
  double candiscores = 0;
};

#endif  // QUIZMORA_RECORDS_CANDIDATE_SKELETON_H_
