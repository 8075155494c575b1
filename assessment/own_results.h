#ifndef QUIZMORA_ASSESSMENT_OWN_RESULTS_H_
#define QUIZMORA_ASSESSMENT_OWN_RESULTS_H_

#include "records/candidate_skeleton.h"

// Shows `candidate`'s particulars and every attempt saved in the candidate's
// own result file (the file is never created here), then asks for B, N or
// E. Returns the first non-blank character typed, as typed; acting on it is
// the caller's part. Leaves standard output right-adjusted with precision 8.
char displayOwnCandidateDetails(CandidateSkeleton& candidate);

#endif  // QUIZMORA_ASSESSMENT_OWN_RESULTS_H_
