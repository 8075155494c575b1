#ifndef QUIZMORA_CORE_ATTEMPTS_H_
#define QUIZMORA_CORE_ATTEMPTS_H_

#include "records/candidate_skeleton.h"
#include "records/store.h"

// The outcome of saving an attempt: one status for each file it goes to.
struct AttemptSave {
  StoreStatus common;  // the results of every candidate, "candidate.abcddata"
  StoreStatus own;     // the candidate's own result file
  bool ok() const { return common.ok() && own.ok(); }
};

// Appends `attempt` (a candidate's particulars with the score, the date and
// the time of the result) as one result record to the common results file
// and to the candidate's own result file, each on its own: a failure on one
// never keeps the other unwritten. Prints nothing.
AttemptSave SaveAttemptRecords(const CandidateSkeleton& attempt);

#endif  // QUIZMORA_CORE_ATTEMPTS_H_
