#ifndef QUIZMORA_ASSESSMENT_TAKE_ASSESSMENT_H_
#define QUIZMORA_ASSESSMENT_TAKE_ASSESSMENT_H_

#include "records/candidate_skeleton.h"

// "Take an assessment" of the logged-in candidate menu: checks that the
// library holds a paper, runs one timed attempt, completes `candidate` with
// the score and the date and time of the result, then lets the candidate
// save the attempt (appended to the common results file and to the
// candidate's own result file) or drop it. Always returns to the caller's
// menu; file failures are reported on standard error and never end the
// program.
void takeAssessment(CandidateSkeleton& candidate);

// Appends `candidate` as one result record to the common results file and
// to the candidate's own result file, each on its own, reporting each
// failure on standard error. Returns true when both records were stored.
bool saveAttempt(const CandidateSkeleton& candidate);

#endif  // QUIZMORA_ASSESSMENT_TAKE_ASSESSMENT_H_
