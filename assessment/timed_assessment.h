#ifndef QUIZMORA_ASSESSMENT_TIMED_ASSESSMENT_H_
#define QUIZMORA_ASSESSMENT_TIMED_ASSESSMENT_H_

#include "records/candidate_skeleton.h"

// One timed attempt: the candidate picks a paper from the library, sees its
// particulars, answers its questions against the paper's allowance (checked
// before each question is shown) and sees the result screen.
//
// Stores the subject and the time taken (the real time used, but never more
// than the allowance) into `candidate`; writes no file except that a missing
// library or question file is created empty. Returns the score: the percent
// of the questions read from the paper's file answered correctly (0 when the
// file holds none). Returns a negative value, after its message, only when
// the library holds no paper at all, so that nothing could be chosen.
//
// Standard output is left with precision 3 (set by the result screen) and,
// once a question was shown, left adjustment.
double assessmentTemplate(CandidateSkeleton& candidate);

#endif  // QUIZMORA_ASSESSMENT_TIMED_ASSESSMENT_H_
