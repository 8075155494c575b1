#ifndef QUIZMORA_ASSESSMENT_CANDIDATE_AREA_H_
#define QUIZMORA_ASSESSMENT_CANDIDATE_AREA_H_

#include "records/candidate_skeleton.h"

// The candidate area, entered from the home menu with the pass's working
// record. Returns when the user goes back to the home menu, or ends the
// program.
void candidateArea(CandidateSkeleton& currentCandidate);

#endif  // QUIZMORA_ASSESSMENT_CANDIDATE_AREA_H_
