#ifndef QUIZMORA_ASSESSMENT_TAKE_ASSESSMENT_H_
#define QUIZMORA_ASSESSMENT_TAKE_ASSESSMENT_H_

#include "assessment/timed_assessment.h"
#include "records/candidate_skeleton.h"

// "Take an assessment" of the logged-in candidate menu: first offers the
// candidate's unfinished attempt, if a journal holds one, to resume or
// drop; otherwise checks that the library holds a paper and runs one timed
// attempt. Then completes `candidate` with the score and the date and time
// of the result and lets the candidate save the attempt (the result record
// appended to the common results file and to the candidate's own result
// file, the answer sheet to "answers.abcdans") or drop it. Always returns to the caller's
// menu; file failures are reported on standard error and never end the
// program.
void takeAssessment(CandidateSkeleton& candidate);

// Saves the attempt: `candidate` as one result record to the common results
// file and to the candidate's own result file, each on its own, then the
// sheet of `attempt` to "answers.abcdans" and the journal removed (see
// SaveAttempt), reporting each failure on standard error. Returns true when
// everything was stored.
bool saveAttempt(const CandidateSkeleton& candidate, RunningAttempt& attempt);

#endif  // QUIZMORA_ASSESSMENT_TAKE_ASSESSMENT_H_
