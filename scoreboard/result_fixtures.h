#ifndef QUIZMORA_SCOREBOARD_RESULT_FIXTURES_H_
#define QUIZMORA_SCOREBOARD_RESULT_FIXTURES_H_

// Test support for the score board: saved attempts as the timed assessment
// writes them.

#include <sstream>
#include <string>
#include <vector>

#include "records/candidate_skeleton.h"

struct Attempt {
  const char* name;
  const char* id;
  const char* subject;
  double score;
  const char* time;
  double taken;
};

// Returns one result record with the particulars the detail view shows.
inline CandidateSkeleton resultRecord(const Attempt& a) {
  CandidateSkeleton r;
  r.getCandiNames(a.name);
  r.getIDNumber(a.id);
  r.getsubjectName(a.subject);
  r.getcandiscores(a.score);
  r.getTimeAttempted(a.time);
  r.getTimeTaken(a.taken);
  r.getDateAttempted("7/12/2026 | Monday");
  r.getcandiCountry("Kenya");
  r.getContact("0700 111 222");
  r.getEmail("someone@example.org");
  r.getCandiLevel("Form 2");
  return r;
}

// Returns the bytes of the attempts as the data files hold them.
inline std::string resultBytes(const std::vector<Attempt>& attempts) {
  std::ostringstream out;
  for (const Attempt& a : attempts) resultRecord(a).CandidateWrite(out);
  return out.str();
}

// Returns `n` copies of one attempt's bytes.
inline std::string repeatedResultBytes(const Attempt& a, int n) {
  const std::string one = resultBytes({a});
  std::string all;
  for (int i = 0; i < n; ++i) all += one;
  return all;
}

#endif  // QUIZMORA_SCOREBOARD_RESULT_FIXTURES_H_
