#include "records/candidate_skeleton.h"

#include <cstring>

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
// the date first; the table below is the one statement of the layout.
const std::vector<FieldBinding<CandidateSkeleton>>& CandidateSkeleton::Fields() {
  using R = CandidateSkeleton;
  static const std::vector<FieldBinding<R>> fields = {
      {{"candiscores", 0, 8, FieldKind::kDouble}, [](R& r) -> void* { return &r.candiscores; }},
      {{"reserved1", 8, 100, FieldKind::kText}, [](R& r) -> void* { return r.reserved1; }},
      {{"email", 108, 100, FieldKind::kText}, [](R& r) -> void* { return r.email; }},
      {{"timeAttempted", 208, 30, FieldKind::kText}, [](R& r) -> void* { return r.timeAttempted; }},
      {{"dateAttempted", 238, 30, FieldKind::kText}, [](R& r) -> void* { return r.dateAttempted; }},
      {{"candiNames", 268, 100, FieldKind::kText}, [](R& r) -> void* { return r.candiNames; }},
      {{"IDNumber", 368, 100, FieldKind::kText}, [](R& r) -> void* { return r.IDNumber; }},
      {{"logInPassword", 468, 4, FieldKind::kInt32}, [](R& r) -> void* { return &r.logInPassword; }},
      {{"candiLevel", 472, 100, FieldKind::kText}, [](R& r) -> void* { return r.candiLevel; }},
      {{"candiCountry", 572, 100, FieldKind::kText}, [](R& r) -> void* { return r.candiCountry; }},
      {{"subjectName", 672, 100, FieldKind::kText}, [](R& r) -> void* { return r.subjectName; }},
      {{"contact", 772, 100, FieldKind::kText}, [](R& r) -> void* { return r.contact; }},
      {{"reserved2", 872, 100, FieldKind::kText}, [](R& r) -> void* { return r.reserved2; }},
      {{"timeTaken", 972, 8, FieldKind::kDouble}, [](R& r) -> void* { return &r.timeTaken; }},
  };
  return fields;
}

void CandidateSkeleton::EncodeTo(char* dst) const { EncodeFields(Fields(), *this, dst); }

void CandidateSkeleton::DecodeFrom(const char* src) { DecodeFields(Fields(), src, *this); }

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
