#ifndef QUIZMORA_TESTS_RECORD_BYTES_H_
#define QUIZMORA_TESTS_RECORD_BYTES_H_

#include <cstddef>
#include <sstream>
#include <string>

// Small helpers for tests that look at or lay out record bytes.

// Returns the NUL-terminated text in the `width` bytes at `offset` of
// `bytes` ("" when the bytes end before the field does).
inline std::string textAt(const std::string& bytes, size_t offset, size_t width) {
  if (bytes.size() < offset + width) return "";
  const std::string field = bytes.substr(offset, width);
  return field.substr(0, field.find('\0'));
}

// Returns the bytes of one account record (a TutorSkeleton or a
// CandidateSkeleton) with the given ID, password and name.
template <class Record>
std::string accountBytes(const std::string& id, int password, const std::string& name = "Someone") {
  Record r;
  r.getIDNumber(id.c_str());
  r.getLogInPassword(password);
  r.getCandiNames(name.c_str());
  std::ostringstream out;
  r.CandidateWrite(out);
  return out.str();
}

#endif  // QUIZMORA_TESTS_RECORD_BYTES_H_
