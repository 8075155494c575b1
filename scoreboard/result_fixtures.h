#ifndef QUIZMORA_SCOREBOARD_RESULT_FIXTURES_H_
#define QUIZMORA_SCOREBOARD_RESULT_FIXTURES_H_

// Test support for the score board: saved attempts as the timed assessment
// writes them, and a scope that works inside a scratch directory.

#include <unistd.h>

#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include "records/candidate_skeleton.h"
#include "tests/scratch_dir.h"

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

// Makes a scratch directory the working directory for its lifetime.
class InsideScratchDir {
 public:
  InsideScratchDir() {
    if (::getcwd(previous_, sizeof previous_) == nullptr) previous_[0] = '\0';
    if (::chdir(dir_.path().c_str()) != 0) previous_[0] = '\0';
  }
  ~InsideScratchDir() {
    if (previous_[0] != '\0' && ::chdir(previous_) != 0) previous_[0] = '\0';
  }
  InsideScratchDir(const InsideScratchDir&) = delete;
  InsideScratchDir& operator=(const InsideScratchDir&) = delete;

  const ScratchDir& dir() const { return dir_; }

 private:
  ScratchDir dir_;
  char previous_[PATH_MAX];
};

#endif  // QUIZMORA_SCOREBOARD_RESULT_FIXTURES_H_
