#ifndef QUIZMORA_CONSOLE_CANDIDATE_PARTICULARS_H_
#define QUIZMORA_CONSOLE_CANDIDATE_PARTICULARS_H_

#include <cstddef>

#include "records/candidate_skeleton.h"

// Prints a candidate's names, ID, nationality, contact, e-mail and the
// number of attempts, one line each: the block that heads both the
// candidate's own results and the score board's detail view.
void printCandidateParticulars(CandidateSkeleton& candidate, size_t attempts);

#endif  // QUIZMORA_CONSOLE_CANDIDATE_PARTICULARS_H_
