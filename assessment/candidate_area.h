#ifndef QUIZMORA_ASSESSMENT_CANDIDATE_AREA_H_
#define QUIZMORA_ASSESSMENT_CANDIDATE_AREA_H_

#include "records/candidate_skeleton.h"

// The candidate area, entered from the home menu with the pass's working
// record. Returns when the user goes back to the home menu, or ends the
// program.
void candidateArea(CandidateSkeleton& currentCandidate);

// Shows the logged-out candidate menu; returns the key typed.
char logged_OUT_STUDENT();

// Shows the logged-in candidate menu for `candidate`; returns the key typed.
char logged_In_CANDIDATE(CandidateSkeleton& candidate);

#endif  // QUIZMORA_ASSESSMENT_CANDIDATE_AREA_H_
