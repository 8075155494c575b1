#include "records/candidate_skeleton.h"

#include <cstring>

#include "records/coding.h"
#include "records/field_text.h"

void CandidateSkeleton::getCandiNames(const char* text) { StoreText(candiNames, text); }
char* CandidateSkeleton::setCandiNames() { return candiNames; }
void CandidateSkeleton::getCandiLevel(const char* text) { StoreText(candiLevel, text); }
char* CandidateSkeleton::setCandiLevel() { return candiLevel; }
void CandidateSkeleton::getcandiCountry(const char* text) { StoreText(candiCountry, text); }
char* CandidateSkeleton::setcandiCountry() { return candiCountry; }
void CandidateSkeleton::getEmail(const char* text) { StoreText(email, text); }
char* CandidateSkeleton::setEmail() { return email; }
void CandidateSkeleton::getContact(const char* text) { StoreText(contact, text); }
char* CandidateSkeleton::setContact() { return contact; }
void CandidateSkeleton::getsubjectName(const char* text) { StoreText(subjectName, text); }
char* CandidateSkeleton::setsubjectName() { return subjectName; }
void CandidateSkeleton::getIDNumber(const char* text) { StoreText(IDNumber, text); }
char* CandidateSkeleton::setIDNumber() { return IDNumber; }
void CandidateSkeleton::getDateAttempted(const char* text) { StoreText(dateAttempted, text); }
void CandidateSkeleton::getTimeAttempted(const char* text) { StoreText(timeAttempted, text); }
char* CandidateSkeleton::setTimeAttempted() { return timeAttempted; }
void CandidateSkeleton::getTimeTaken(double seconds) { timeTaken = seconds; }
double CandidateSkeleton::setTimeTaken() const { return timeTaken; }
void CandidateSkeleton::getLogInPassword(int password) { logInPassword = password; }
int CandidateSkeleton::setLogInPassword() const { return logInPassword; }
void CandidateSkeleton::getcandiscores(double percent) { candiscores = percent; }
double CandidateSkeleton::setcandiscores() const { return candiscores; }

// On disk the time text precedes the date text although the class declares
// the date first; both directions use the same offsets below.
void CandidateSkeleton::EncodeTo(char* dst) const {
  EncodeDouble(dst + 0, candiscores);
  EncodeText(dst + 8, reserved1, 100);
  EncodeText(dst + 108, email, 100);
  EncodeText(dst + 208, timeAttempted, 30);
  EncodeText(dst + 238, dateAttempted, 30);
  EncodeText(dst + 268, candiNames, 100);
  EncodeText(dst + 368, IDNumber, 100);
  EncodeFixed32(dst + 468, logInPassword);
  EncodeText(dst + 472, candiLevel, 100);
  EncodeText(dst + 572, candiCountry, 100);
  EncodeText(dst + 672, subjectName, 100);
  EncodeText(dst + 772, contact, 100);
  EncodeText(dst + 872, reserved2, 100);
  EncodeDouble(dst + 972, timeTaken);
}

void CandidateSkeleton::DecodeFrom(const char* src) {
  candiscores = DecodeDouble(src + 0);
  DecodeText(reserved1, src + 8, 100);
  DecodeText(email, src + 108, 100);
  DecodeText(timeAttempted, src + 208, 30);
  DecodeText(dateAttempted, src + 238, 30);
  DecodeText(candiNames, src + 268, 100);
  DecodeText(IDNumber, src + 368, 100);
  logInPassword = DecodeFixed32(src + 468);
  DecodeText(candiLevel, src + 472, 100);
  DecodeText(candiCountry, src + 572, 100);
  DecodeText(subjectName, src + 672, 100);
  DecodeText(contact, src + 772, 100);
  DecodeText(reserved2, src + 872, 100);
  timeTaken = DecodeDouble(src + 972);
}

std::ostream& CandidateSkeleton::CandidateWrite(std::ostream& out) const {
  char bytes[kCandidateRecordSize];
  EncodeTo(bytes);
  return out.write(bytes, sizeof bytes);
}

std::istream& CandidateSkeleton::CandidateRead(std::istream& in) {
  char bytes[kCandidateRecordSize];
  if (in.read(bytes, sizeof bytes)) DecodeFrom(bytes);
  return in;
}
